// Renders a long mixed receipt (text in several styles, barcodes, QR codes, raster
// pictures, cuts) the way `talvane-cli render` and the console's expected receipt do,
// and compares the time with the time the paper takes through a printer at 100 mm/s.
// Prints "render/paper time ratio: X" (how many times faster than paper; goal >= 100).
#include "emulator/OfflineRender.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int WIDTH = 576;
constexpr int LINES = 20000;
constexpr int BARCODE_EVERY = 50;
constexpr int QR_EVERY = 200;
constexpr int PICTURE_EVERY = 400;
constexpr int CUT_EVERY = 1000;
constexpr int PICTURE_ROWS = 96;
constexpr int ROUNDS = 3;
constexpr double PAPER_MM_PER_S = 100;
constexpr double DOTS_PER_MM = 8;

std::string MixedReceipt() {
    std::string s = "\x1b@";
    const std::string picture = [] {
        std::string p = std::string("\x1dv0\x00", 4) + static_cast<char>(WIDTH / 8) + '\0' +
                        static_cast<char>(PICTURE_ROWS) + '\0';
        for (int i = 0; i < WIDTH / 8 * PICTURE_ROWS; ++i) p += static_cast<char>(i * 37);
        return p;
    }();
    for (int line = 0; line < LINES; ++line) {
        s += "\x1b" "E" + std::string(1, static_cast<char>(line % 2)) + "Item " +
             std::to_string(line) + "  the customer's order line ........ 12.50\n";
        if (line % BARCODE_EVERY == 0) {
            const std::string data = "{BORDER-" + std::to_string(line);
            s += std::string("\x1dk\x49", 3) + static_cast<char>(data.size()) + data + "\n";
        }
        if (line % QR_EVERY == 0) {
            const std::string data = "https://example.org/receipt/" + std::to_string(line);
            const int k = static_cast<int>(data.size()) + 3;
            s += std::string("\x1d(k", 3) + static_cast<char>(k) + '\0' + "\x31\x50\x30" + data +
                 std::string("\x1d(k\x03\x00\x31\x51\x30", 8);
        }
        if (line % PICTURE_EVERY == 0) s += picture;
        if (line % CUT_EVERY == CUT_EVERY - 1) s += std::string("\x1dV\x00", 3);
    }
    return s;
}

} // namespace

int main() {
    const std::string stream = MixedReceipt();
    double best = 1e30;
    long dotRows = 0;
    size_t receipts = 0;
    for (int round = 0; round < ROUNDS; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const auto result = vprinter::RenderStream(
            reinterpret_cast<const uint8_t*>(stream.data()), stream.size(), WIDTH);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                                  .count());
        dotRows = 0;
        for (const auto& receipt : result.receipts) dotRows += receipt.paper.Height();
        receipts = result.receipts.size();
    }
    const double paperSeconds = dotRows / DOTS_PER_MM / PAPER_MM_PER_S;
    std::printf("%zu-byte mixed stream, %zu receipts, %.1f m of paper: rendered in %.3f s "
                "(best of %d), the paper takes %.1f s at 100 mm/s\n",
                stream.size(), receipts, dotRows / DOTS_PER_MM / 1000, best, ROUNDS, paperSeconds);
    std::printf("render/paper time ratio: %.1f\n", paperSeconds / best);
    return 0;
}
