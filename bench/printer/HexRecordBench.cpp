// What recording costs a large picture: the time to turn one 1 MiB raster command
// (header plus data) into its hex text through the library's real sent-bytes record,
// against a plain memcpy of the same number of text bytes.

#include "printer/VrnxLib.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int ROUNDS = 15;
// 128 bytes (1024 dots) per row, 8192 rows: 1 MiB of raster data.
constexpr uint8_t WIDTH_LOW = 128, WIDTH_HIGH = 0;
constexpr uint8_t HEIGHT_LOW = 0, HEIGHT_HIGH = 32;
constexpr size_t RASTER_BYTES = 128u * 8192u;
constexpr size_t HEADER_BYTES = 8;

// Keeps the compiler from dropping work whose result is otherwise unused.
void Consume(const void* p) {
    asm volatile("" : : "g"(p) : "memory");
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main() {
    std::vector<uint8_t> raster(RASTER_BYTES);
    for (size_t i = 0; i < raster.size(); ++i) raster[i] = static_cast<uint8_t>(i * 131 + 7);

    // The port stays closed: Write records and then finds nothing to write to.
    CVRNX_LIB lib;
    lib.EnableSentRecord(1);

    size_t textBytes = 0;
    std::vector<double> recordSeconds;
    for (int round = 0; round < ROUNDS; ++round) {
        const auto start = Clock::now();
        lib.PrintRasterImage(0, WIDTH_LOW, WIDTH_HIGH, HEIGHT_LOW, HEIGHT_HIGH, raster.data());
        const std::string text = lib.TakeSentText();
        Consume(text.data());
        recordSeconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        textBytes = text.size();
    }
    if (textBytes != (HEADER_BYTES + RASTER_BYTES) * 3) {
        std::fprintf(stderr, "unexpected record size %zu\n", textBytes);
        return 1;
    }

    std::vector<char> source(textBytes, 'A');
    std::vector<char> target(textBytes);
    std::vector<double> copySeconds;
    for (int round = 0; round < ROUNDS; ++round) {
        source[round] = static_cast<char>('B' + round);
        const auto start = Clock::now();
        std::memcpy(target.data(), source.data(), textBytes);
        Consume(target.data());
        copySeconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }

    const double record = Median(recordSeconds);
    const double copy = Median(copySeconds);
    std::printf("record of one 1 MiB raster command: %zu text bytes, %.3f ms (memcpy %.3f ms)\n",
                textBytes, record * 1e3, copy * 1e3);
    std::printf("hexrecord/memcpy ratio: %.2f\n", record / copy);
    return 0;
}
