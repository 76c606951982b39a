// "Send text" of a 10 MiB picture (raster blocks) from the main dialog to a drained
// pseudo-terminal, with the "Expected receipt" window open, and the longest pause of
// the event loop until the window shows the whole receipt; the baseline is the longest
// pause of the same send with the window closed. The click itself (reading, recording and
// queueing the file) pauses the loop whether the window is open or not; the window's
// cost is the longest pause after it. Prints "expected receipt UI stall: X ms" (goal
// under 100 ms) and the ratio of the click's time open and closed.
#include "console/ControlIds.h"
#include "console/ExpectedReceiptWindow.h"
#include "console/TalvaneDlg.h"
#include "serial/PortMap.h"
#include "tests/support/PrinterPeer.h"
#include "widgets/Prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr qsizetype FILE_BYTES = qsizetype(10) << 20;
constexpr int WIDTH_BYTES = 72; // 576 dots
constexpr int BLOCK_ROWS = 256;
constexpr int TICK_MS = 1;
constexpr int RENDER_TIMEOUT_MS = 600000;

// Raster blocks of a grey pattern until the file holds 10 MiB.
QByteArray PictureStream() {
    QByteArray bytes;
    bytes.reserve(FILE_BYTES + WIDTH_BYTES * BLOCK_ROWS);
    int block = 0;
    while (bytes.size() < FILE_BYTES) {
        const char header[] = {0x1D, 'v', '0', 0, WIDTH_BYTES, 0, static_cast<char>(BLOCK_ROWS & 0xFF),
                               static_cast<char>(BLOCK_ROWS >> 8)};
        bytes.append(header, sizeof header);
        for (int i = 0; i < WIDTH_BYTES * BLOCK_ROWS; ++i)
            bytes.append(static_cast<char>((i * 7 + block) & 0xAA));
        ++block;
    }
    return bytes;
}

struct Pauses {
    double click = 0; // the click itself: reading, recording and queueing the file
    double after = 0; // the longest pause after it, until `done`
};

// The longest times between two ticks of a 1 ms timer, in the click and after it.
template <typename Done> Pauses LongestPauses(QAbstractButton* send, Done done) {
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    Pauses pauses;
    QTimer tick;
    tick.setInterval(TICK_MS);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    tick.start();
    QTimer::singleShot(0, send, [&] {
        const qint64 start = clock.nsecsElapsed();
        send->click();
        pauses.click = static_cast<double>(clock.nsecsElapsed() - start) / 1e6;
        last = clock.nsecsElapsed();
        longest = 0;
    });
    while (!done() && clock.elapsed() < RENDER_TIMEOUT_MS)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, TICK_MS);
    longest = std::max(longest, clock.nsecsElapsed() - last);
    pauses.after = static_cast<double>(longest) / 1e6;
    return pauses;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPrompts prompts;
    PrinterPeer printer;
    if (!printer.Ok()) return 1;
    printer.CountOnly();
    PortMap ports;
    ports.AddCommandLinePort(printer.SlavePath());
    CTalvaneDlg dlg(&ports);
    dlg.SetPrintableWidth(CTalvaneDlg::WIDTH_80MM);
    dlg.show();
    auto button = [&](int id) { return qobject_cast<QAbstractButton*>(dlg.Control(id)); };
    button(ids::IDC_COM_OPEN)->click();
    if (!dlg.IsOpen()) return 1;

    QTemporaryDir dir;
    const QString path = dir.filePath("picture.bin");
    const QByteArray content = PictureStream();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) return 1;
    }
    size_t expected = 0;
    auto sent = [&] { return printer.Count() >= expected; };

    // Window closed: the send alone.
    expected += static_cast<size_t>(content.size());
    prompts.openPaths.push_back(path);
    const Pauses closed = LongestPauses(button(ids::IDC_SEND_TEXT), sent);

    // Window open: the same send, and the roll rendered and shown.
    ExpectedReceiptWindow* window = dlg.ExpectedReceipt();
    window->show();
    expected += static_cast<size_t>(content.size());
    prompts.openPaths.push_back(path);
    bool clicked = false;
    QTimer::singleShot(0, [&] { clicked = true; });
    const Pauses open = LongestPauses(button(ids::IDC_SEND_TEXT), [&] {
        if (!clicked || !sent() || !window->Roll()->WaitUntilRendered(std::chrono::milliseconds(0)))
            return false;
        window->Refresh();
        return true;
    });
    const auto& shown = window->Shown();
    std::printf("10 MiB picture sent (%d dot rows shown): the click itself %.1f ms with the "
                "expected receipt open, %.1f ms closed; the longest pause after it %.1f ms open, "
                "%.1f ms closed\n",
                shown.Height(), open.click, closed.click, open.after, closed.after);
    // The window's own cost: the longest pause after the click, while it renders and shows.
    std::printf("expected receipt UI stall: %.1f ms (goal under 100 ms)\n", open.after);
    std::printf("expected receipt/closed click ratio: %.2f\n", open.click / closed.click);
    return 0;
}
