#include "PanelFixture.h"

#include "HexText.h"
#include "RecordsModel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

using namespace ids;

PanelFixture::PanelFixture() {
    ports.AddCommandLinePort(peer.SlavePath());
    dlg = std::make_unique<CTalvaneDlg>(&ports);
    dlg->resize(1240, 760);
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    ProcessEvents();
}

PanelFixture::~PanelFixture() {
    dlg.reset();
}

void PanelFixture::ProcessEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

bool PanelFixture::RunUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(5);
    }
    return done();
}

void PanelFixture::Click(int id) {
    auto* button = As<QAbstractButton>(id);
    ASSERT_NE(button, nullptr) << id;
    QPoint point = button->rect().center();
    // A check box or radio button takes clicks on its box and caption only.
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

void PanelFixture::Choose(int id, int index) {
    auto* combo = As<QComboBox>(id);
    ASSERT_NE(combo, nullptr) << id;
    combo->showPopup();
    ProcessEvents();
    // In the open list: move to the item and press Enter.
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    ProcessEvents();
    ASSERT_EQ(combo->currentIndex(), index) << id;
}

void PanelFixture::Retype(int id, const QString& text) {
    auto* edit = As<QLineEdit>(id);
    ASSERT_NE(edit, nullptr) << id;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    ProcessEvents();
}

void PanelFixture::TypeAtEnd(int id, const QString& text) {
    auto* edit = As<QLineEdit>(id);
    ASSERT_NE(edit, nullptr) << id;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, text);
    ProcessEvents();
}

void PanelFixture::Backspace(int id) {
    auto* edit = As<QLineEdit>(id);
    ASSERT_NE(edit, nullptr) << id;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Backspace);
    ProcessEvents();
}

bool PanelFixture::OpenPort(int handshakeItem) {
    if (As<QComboBox>(IDC_HANDSHAKE_LIST)->currentIndex() != handshakeItem)
        Choose(IDC_HANDSHAKE_LIST, handshakeItem);
    Click(IDC_COM_OPEN);
    return dlg->IsOpen();
}

std::vector<std::string> PanelFixture::Rows() const {
    std::vector<std::string> rows;
    for (const CRecordsModel::Row& r : dlg->Records().Rows()) rows.push_back(r.text);
    return rows;
}

QString PanelFixture::TipText() const {
    return dlg->HelpTip().isVisible() ? dlg->HelpTip().Text() : QString();
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    return ToHexText(bytes.data(), bytes.size());
}

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values) out.push_back(static_cast<uint8_t>(v));
    return out;
}
