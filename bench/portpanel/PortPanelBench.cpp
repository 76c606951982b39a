// Clicks "Send text" with a 10 MiB file in the main dialog, whose port is a
// pseudo-terminal drained by a reader thread, and compares the time the click takes
// (reading the file, recording it as hex text, queueing it for the write thread, the
// records row) with reading the same file and writing its hex text alone, the least
// that recording a sent file costs. Prints "send text/read and hex ratio: X".

#include "console/ControlIds.h"
#include "printer/HexText.h"
#include "serial/PortMap.h"
#include "widgets/Prompts.h"
#include "console/RecordsModel.h"
#include "console/TalvaneDlg.h"
#include "tests/support/PrinterPeer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

constexpr qsizetype FILE_BYTES = qsizetype(10) << 20;
constexpr int ROUNDS = 5;

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
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
    dlg.show();
    auto button = [&](int id) { return qobject_cast<QAbstractButton*>(dlg.Control(id)); };
    button(ids::IDC_COM_OPEN)->click();
    if (!dlg.IsOpen()) {
        std::fprintf(stderr, "the port did not open\n");
        return 1;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("big.bin");
    {
        QByteArray content(FILE_BYTES, Qt::Uninitialized);
        for (qsizetype i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 131);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) return 1;
    }

    double sendBest = 1e30;
    double readBest = 1e30;
    size_t expected = 0;
    for (int round = 0; round < ROUNDS; ++round) {
        const auto readStart = Clock::now();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return 1;
        const QByteArray alone = file.readAll();
        const std::string hex = ToHexText(alone.constData(), static_cast<size_t>(alone.size()));
        readBest = std::min(readBest, Milliseconds(Clock::now() - readStart));
        if (hex.size() != static_cast<size_t>(FILE_BYTES) * HEX_CHARS_PER_BYTE) return 1;

        prompts.openPaths.push_back(path);
        const auto sendStart = Clock::now();
        button(ids::IDC_SEND_TEXT)->click();
        QApplication::processEvents(); // the records row reaches the view
        sendBest = std::min(sendBest, Milliseconds(Clock::now() - sendStart));

        expected += static_cast<size_t>(FILE_BYTES);
        while (printer.Count() < expected)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        dlg.Records().Clear();
    }
    std::printf("send text of 10 MiB: %.1f ms; reading it and its hex text alone: %.1f ms\n",
                sendBest, readBest);
    std::printf("send text/read and hex ratio: %.2f\n", sendBest / readBest);
    return 0;
}
