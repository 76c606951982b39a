// Adds 10,000 records of typical commands and one record of a 1 MiB raster picture to
// the main dialog's records list (shown, offscreen) and compares the time with that of
// producing the same hex texts alone. Prints "records/hexrecord ratio: X".

#include "printer/HexText.h"
#include "serial/PortMap.h"
#include "widgets/Prompts.h"
#include "console/RecordsModel.h"
#include "console/TalvaneDlg.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int TYPICAL_RECORDS = 10000;
constexpr size_t RASTER_BYTES = 1024 * 1024;
constexpr int ROUNDS = 5;

using Clock = std::chrono::steady_clock;

std::vector<std::vector<uint8_t>> MakeCommands() {
    const std::vector<std::vector<uint8_t>> typical = {
        {0x1B, 0x40},
        {0x0A},
        {0x1B, 0x61, 0x01},
        {0x1B, 0x21, 0x88},
        {0x1B, 0x4A, 0x21},
        {0x1D, 0x56, 0x42, 0xFE},
        {0x10, 0x04, 0x05},
        {0x1D, 0x28, 0x6B, 0x03, 0x00, 0x31, 0x43, 0x05},
        {'T', 'h', 'e', ' ', 'q', 'u', 'i', 'c', 'k', ' ', 'b', 'r',  'o', 'w',
         'n', ' ', 'f', 'o', 'x', ' ', 'j', 'u', 'm', 'p', 's', '\r', '\n'},
    };
    std::vector<std::vector<uint8_t>> commands;
    commands.reserve(TYPICAL_RECORDS + 1);
    for (int i = 0; i < TYPICAL_RECORDS; ++i) commands.push_back(typical[i % typical.size()]);
    // GS v 0: 128 bytes across, 8192 rows = 1 MiB of dots.
    std::vector<uint8_t> raster = {0x1D, 0x76, 0x30, 0x00, 0x80, 0x00, 0x00, 0x20};
    raster.resize(raster.size() + RASTER_BYTES);
    for (size_t i = 8; i < raster.size(); ++i) raster[i] = static_cast<uint8_t>(i * 37);
    commands.push_back(std::move(raster));
    return commands;
}

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPrompts prompts;
    PortMap ports;
    ports.AddCommandLinePort("/dev/null");
    CTalvaneDlg dlg(&ports);
    dlg.resize(1240, 740);
    dlg.show();
    QApplication::processEvents();
    QWidget* list = dlg.findChild<QWidget*>(QStringLiteral("ctl1062"));

    const std::vector<std::vector<uint8_t>> commands = MakeCommands();
    std::vector<double> baseline, records, adding;
    size_t sink = 0;
    for (int round = 0; round < ROUNDS; ++round) {
        // Baseline: the hex texts alone, as the sent-bytes record produces them, kept
        // as a record keeps them (a text that is dropped at once would reuse the same
        // warm memory every time, which no kept record can).
        std::vector<std::string> kept;
        kept.reserve(commands.size());
        auto start = Clock::now();
        for (const auto& c : commands) kept.push_back(ToHexText(c.data(), c.size()));
        baseline.push_back(Seconds(Clock::now() - start));
        sink += kept.back().size();
        kept.clear();

        // The same texts, each added to the list as a decoded, checked row, and the
        // view brought up to date.
        dlg.Records().Clear();
        QApplication::processEvents();
        start = Clock::now();
        for (const auto& c : commands) dlg.AddOperationRecord(ToHexText(c.data(), c.size()));
        adding.push_back(Seconds(Clock::now() - start));
        QApplication::processEvents();
        list->repaint();
        records.push_back(Seconds(Clock::now() - start));
        sink += dlg.Records().rowCount() + dlg.Records().Size();
    }
    std::sort(baseline.begin(), baseline.end());
    std::sort(records.begin(), records.end());
    std::sort(adding.begin(), adding.end());
    const double base = baseline[ROUNDS / 2];
    const double rec = records[ROUNDS / 2];
    std::printf("%d typical records + one %zu-byte raster, median of %d rounds\n", TYPICAL_RECORDS,
                RASTER_BYTES, ROUNDS);
    std::printf("hex texts alone: %.2f ms; added as rows: %.2f ms (check %zu)\n", base * 1e3,
                rec * 1e3, sink % 10);
    std::printf("of which adding the rows: %.2f ms, bringing the list up to date: %.2f ms\n",
                adding[ROUNDS / 2] * 1e3, (rec - adding[ROUNDS / 2]) * 1e3);
    std::printf("records/hexrecord ratio: %.2f\n", rec / base);
    return 0;
}
