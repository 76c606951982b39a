// A 576 x 2000 picture printed from the main dialog in blocks of 64 rows, paced to the
// line, to a vprinter process that takes bytes no faster than 115200 baud carries them;
// against the time those bytes need on such a wire (10 bits a byte). The ratio says how
// much the pacing loses to idle line time: 1.0 would keep the line busy throughout.
#include "tests/support/VprinterProcess.h"

#include "console/ControlIds.h"
#include "serial/PortMap.h"
#include "widgets/Prompts.h"
#include "console/RecordsModel.h"
#include "console/TalvaneDlg.h"
#include "printer/HexText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <random>

using namespace ids;

namespace {
constexpr int BAUD = 115200;
constexpr int BITS_PER_BYTE = 10; // start, 8 data, stop
constexpr int WIDTH = 576;
constexpr int HEIGHT = 2000;
constexpr int BLOCK_ROWS = 64;
constexpr int MODEL_80MM = 1;
constexpr int TIMEOUT_MS = 120000;

void Click(QWidget* w) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(w), Qt::LeftButton);
    QApplication::processEvents();
}
} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    VprinterProcess printer(WIDTH, {"--baud", std::to_string(BAUD)});
    if (!printer.Ok()) {
        std::printf("vprinter did not start with --baud %d (it needs a line rate to simulate):\n%s\n",
                    BAUD, qPrintable(printer.Log()));
        return 0;
    }
    PortMap ports;
    ports.AddCommandLinePort(printer.DevicePath().toStdString());
    ScriptedPrompts prompts;
    CTalvaneDlg dlg(&ports);
    dlg.resize(1240, 760);
    dlg.show();
    QApplication::processEvents();
    auto* model = dlg.ControlAs<QComboBox>(IDC_MODEL_LIST);
    model->setCurrentIndex(MODEL_80MM);
    emit model->activated(MODEL_80MM);
    // The console's line at the printer's rate: the pacing holds a picture to it.
    auto* baud = dlg.ControlAs<QComboBox>(IDC_BAUD_LIST);
    baud->setCurrentIndex(baud->findText(QString::number(BAUD)));
    Click(dlg.DialogControl(IDC_COM_OPEN));
    if (!dlg.IsOpen()) {
        std::printf("the port did not open\n");
        return 1;
    }

    QTemporaryDir dir;
    QImage picture(WIDTH, HEIGHT, QImage::Format_RGB32);
    std::mt19937 random(11);
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x)
            picture.setPixel(x, y, random() % 3 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QString file = dir.filePath(QStringLiteral("picture.png"));
    picture.save(file);
    prompts.openPaths.push_back(file);
    Click(dlg.DialogControl(IDC_PICTURE_OPEN));
    Click(dlg.DialogControl(IDC_RASTER_MODE));
    dlg.ControlAs<QSpinBox>(IDC_BLOCK_ROWS)->setValue(BLOCK_ROWS);

    QWidget* cancel = dlg.DialogControl(IDC_PRINT_CANCEL);
    QElapsedTimer timer;
    timer.start();
    Click(dlg.DialogControl(IDC_PICTURE_PRINT));
    while (cancel->isVisible() && timer.elapsed() < TIMEOUT_MS)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double consoleDone = timer.elapsed() / 1000.0;
    // The printer answers a status request after everything before it: its answer marks
    // the moment the last picture byte was taken (a pseudo-terminal's own buffer hides
    // the last few KiB from the console's count).
    static const uint8_t STATUS_REQUEST[] = {0x10, 0x04, 0x01};
    auto* received = dlg.ControlAs<QPlainTextEdit>(IDC_RECEIVE_EDIT);
    dlg.Write(STATUS_REQUEST, sizeof STATUS_REQUEST);
    while (received->toPlainText().isEmpty() && timer.elapsed() < TIMEOUT_MS)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double seconds = timer.elapsed() / 1000.0;
    size_t bytes = 0;
    for (const CRecordsModel::Row& row : dlg.Records().Rows())
        if (row.text.rfind("1D 76 30 ", 0) == 0) bytes += row.text.size() / 3;
    const double wire = static_cast<double>(bytes) * BITS_PER_BYTE / BAUD;
    std::printf("%zu bytes in %d-row blocks: console done after %.2f s, printer after %.2f s; "
                "wire at %d baud %.2f s\n",
                bytes, BLOCK_ROWS, consoleDone, seconds, BAUD, wire);
    std::printf("picture paced/wire time ratio: %.3f\n", seconds / wire);
    return 0;
}
