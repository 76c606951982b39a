// How much faster than paper the virtual printer is: a 576 x 8000 raster and
// 10,000 lines of text interpreted and rendered (and written as PNG when built
// with Qt), against the time a printer at 100 mm per second needs to feed the
// same paper, measured from the same run's output.
#include "emulator/Interpreter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#ifdef EMULATOR_BENCH_PNG
#include "emulator/ReceiptImage.h"
#include <QBuffer>
#include <QByteArray>
#endif

namespace {

constexpr int RASTER_WIDTH = vprinter::PRN_WIDTH_80MM;
constexpr int RASTER_ROWS = 8000;
constexpr int TEXT_LINES = 10000;
constexpr double PAPER_MM_PER_SECOND = 100.0;
constexpr double MM_PER_INCH = 25.4;
constexpr int RUNS = 3;

std::vector<uint8_t> Stream() {
    std::vector<uint8_t> bytes = {0x1B, 0x40};
    const int stride = RASTER_WIDTH / 8;
    const uint8_t header[] = {
        0x1D, 0x76, 0x30, 0x00, stride & 0xFF, stride >> 8, RASTER_ROWS & 0xFF, RASTER_ROWS >> 8};
    bytes.insert(bytes.end(), std::begin(header), std::end(header));
    for (int y = 0; y < RASTER_ROWS; ++y)
        for (int x = 0; x < stride; ++x)
            bytes.push_back(static_cast<uint8_t>((x * 37 + y * 11) ^ (y >> 3)));
    char line[64];
    for (int i = 0; i < TEXT_LINES; ++i) {
        const int n =
            std::snprintf(line, sizeof line, "Line %05d: the quick brown fox jumps over\n", i);
        bytes.insert(bytes.end(), line, line + n);
    }
    return bytes;
}

} // namespace

int main() {
    const std::vector<uint8_t> stream = Stream();
    double best = 1e30;
    long rows = 0;
    size_t pngBytes = 0;
    for (int run = 0; run < RUNS; ++run) {
        rows = 0;
        const auto start = std::chrono::steady_clock::now();
        vprinter::Interpreter printer(
            RASTER_WIDTH, vprinter::InterpreterEvents{
                              nullptr,
                              [&](const vprinter::PaperBitmap& paper, vprinter::ReceiptEnd) {
                                  rows += paper.Height();
#ifdef EMULATOR_BENCH_PNG
                                  QByteArray png;
                                  QBuffer buffer(&png);
                                  buffer.open(QIODevice::WriteOnly);
                                  vprinter::ReceiptToImage(paper).save(&buffer, "PNG");
                                  pngBytes = static_cast<size_t>(png.size());
#endif
                              },
                              nullptr});
        printer.Feed(stream.data(), stream.size());
        printer.EndReceipt(vprinter::ReceiptEnd::Exit);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    const double paperSeconds =
        rows / static_cast<double>(vprinter::PRN_DPI) * MM_PER_INCH / PAPER_MM_PER_SECOND;
    std::printf("stream: %zu bytes, paper: %ld dot rows (%.1f m), png: %zu bytes\n", stream.size(),
                rows, rows / static_cast<double>(vprinter::PRN_DPI) * MM_PER_INCH / 1000.0,
                pngBytes);
    std::printf("emulator: %.3f s (best of %d); paper at 100 mm/s: %.1f s\n", best, RUNS,
                paperSeconds);
    std::printf("emulator/line-rate ratio: %.1f\n", paperSeconds / best);
    return 0;
}
