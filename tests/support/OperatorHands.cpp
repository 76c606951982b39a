#include "tests/support/OperatorHands.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr int EVENT_SLICE_MS = 20;
constexpr int WAIT_SLICE_MS = 5;
constexpr int PASSES = 3;

bool MultiLine(QWidget* edit) {
    return qobject_cast<QLineEdit*>(edit) == nullptr;
}
} // namespace

namespace hands {

void ProcessEvents() {
    for (int i = 0; i < PASSES; ++i) QApplication::processEvents();
}

bool RunUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, EVENT_SLICE_MS);
        QTest::qWait(WAIT_SLICE_MS);
    }
    return done();
}

QWidget* ControlIn(QWidget* parent, int id) {
    return parent ? parent->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id)) : nullptr;
}

void Click(QWidget* control) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    ASSERT_NE(button, nullptr) << (control ? control->objectName().toStdString() : "no control");
    QPoint point = button->rect().center();
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto element = qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxClickRect
                                                              : QStyle::SE_RadioButtonClickRect;
        point = button->style()->subElementRect(element, &option, button).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, point);
    ProcessEvents();
}

void Choose(QComboBox* list, int row) {
    ASSERT_NE(list, nullptr);
    if (list->currentIndex() == row) return;
    list->showPopup();
    ProcessEvents();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(view->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
    ProcessEvents();
    ASSERT_EQ(list->currentIndex(), row) << list->objectName().toStdString();
}

void Choose(QWidget* list, int row) {
    auto* combo = qobject_cast<QComboBox*>(list);
    ASSERT_NE(combo, nullptr);
    Choose(combo, row);
}

void StepTo(QComboBox* list, int row) {
    ASSERT_NE(list, nullptr);
    list->setFocus();
    while (list->currentIndex() < row) QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > row) QTest::keyClick(list, Qt::Key_Up);
    ProcessEvents();
}

void SelectAll(QWidget* edit) {
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    if (MultiLine(edit)) {
        QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
    }
}

void Retype(QWidget* edit, const QString& text) {
    SelectAll(edit);
    QTest::keyClick(edit, Qt::Key_Delete);
    if (!text.isEmpty()) QTest::keyClicks(edit, text);
    ProcessEvents();
}

void PasteOver(QWidget* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    SelectAll(edit);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    ProcessEvents();
}

void TypeAtEnd(QWidget* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End, MultiLine(edit) ? Qt::ControlModifier : Qt::NoModifier);
    QTest::keyClicks(edit, text);
    ProcessEvents();
}

void Backspace(QWidget* edit) {
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End, MultiLine(edit) ? Qt::ControlModifier : Qt::NoModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    ProcessEvents();
}

} // namespace hands
