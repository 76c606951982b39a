#include "FaultDialog.h"

#include "LampButton.h"
#include "RecordsModel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <fstream>

using namespace ids;

namespace {
constexpr int TICK_MS = 20;
constexpr int EVENT_SLICE_MS = 20;
} // namespace

QString VanishingPrompts::OnOpenFile(const QString& caption, const QString& filter) {
    const QString path = ScriptedPrompts::OnOpenFile(caption, filter);
    if (vanishing.count(path)) QFile::remove(path);
    return path;
}

FaultDialog::FaultDialog(const std::string& portPath, const Maker& make) {
    ports.AddCommandLinePort(portPath);
    dlg = make ? make(&ports) : std::make_unique<CTalvaneDlg>(&ports);
    dlg->resize(1240, 760);
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    ProcessEvents();
}

FaultDialog::~FaultDialog() {
    dlg.reset();
}

void FaultDialog::ProcessEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

bool FaultDialog::RunUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, EVENT_SLICE_MS);
        QTest::qWait(5);
    }
    return done();
}

void FaultDialog::Click(int id) {
    auto* button = As<QAbstractButton>(id);
    if (!button) button = Any<QAbstractButton>(id);
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

void FaultDialog::Choose(int id, int index) {
    auto* combo = As<QComboBox>(id);
    ASSERT_NE(combo, nullptr) << id;
    combo->showPopup();
    ProcessEvents();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    ProcessEvents();
    ASSERT_EQ(combo->currentIndex(), index) << id;
}

bool FaultDialog::OpenPort(int handshakeItem) {
    if (As<QComboBox>(IDC_HANDSHAKE_LIST)->currentIndex() != handshakeItem)
        Choose(IDC_HANDSHAKE_LIST, handshakeItem);
    Click(IDC_COM_OPEN);
    return dlg->IsOpen();
}

QString FaultDialog::TipText() const {
    return dlg->HelpTip().isVisible() ? dlg->HelpTip().Text() : QString();
}

int FaultDialog::RowCount() const {
    return dlg->Records().Size();
}

std::string FaultDialog::LastRow() const {
    const auto& rows = dlg->Records().Rows();
    return rows.empty() ? std::string() : rows.back().text;
}

TickProbe::TickProbe() {
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        const qint64 now = clock_.elapsed();
        maxGap_ = std::max(maxGap_, now - last_);
        last_ = now;
        ++ticks_;
    });
    timer_.start(TICK_MS);
}

void TickProbe::Reset() {
    last_ = clock_.elapsed();
    maxGap_ = 0;
    ticks_ = 0;
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

bool WriteBytes(const QString& path, const QByteArray& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}
