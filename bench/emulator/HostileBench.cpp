// The virtual printer under hostile input: 32 MiB of one command that never ends
// (GS C ; whose fields never close), and 32 MiB of one command whose length shows
// only at its last image (FS q), against 32 MiB of plain text, all fed to the
// interpreter in the pieces one read of a pseudo-terminal gives. Each case runs
// in a child process of its own, so that its peak memory is its own, and stops
// after CASE_CPU_LIMIT seconds of CPU (a printer that reads the stream again for
// every piece would take hours).
//
//     bench_emulator_hostile [MIB]    (default 32)
#include "emulator/Interpreter.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t DEFAULT_MIB = 32;
constexpr int CASE_CPU_LIMIT = 300;
constexpr size_t LINE_PIECE = 4096; // one read of a pseudo-terminal
constexpr int PAPER_WIDTH = vprinter::PRN_WIDTH_58MM;
constexpr uint8_t GS = 0x1D;
constexpr uint8_t FS = 0x1C;
constexpr int NV_IMAGES = 255;     // FS q n: the most images one command can carry
constexpr int NV_IMAGE_WIDTH = 16; // in bytes (x * 8 dots)
constexpr double KIB = 1024.0;

using Stream = std::vector<uint8_t>;
size_t streamBytes = DEFAULT_MIB << 20;

// GS C ; and digits that never reach their fifth ";".
Stream NeverEndingCounter() {
    Stream bytes = {GS, 'C', ';'};
    bytes.reserve(streamBytes);
    while (bytes.size() < streamBytes) bytes.push_back(static_cast<uint8_t>('0' + bytes.size() % 10));
    return bytes;
}

// FS q with 255 images of 128 KiB each: the length is known at the last header only.
Stream ImagesOfUnknownLength() {
    Stream bytes = {FS, 'q', NV_IMAGES};
    const size_t imageBytes = streamBytes / NV_IMAGES - 4;
    const size_t rows = imageBytes / (NV_IMAGE_WIDTH * 8);
    bytes.reserve(streamBytes + NV_IMAGES * 4);
    for (int image = 0; image < NV_IMAGES; ++image) {
        const uint8_t header[] = {NV_IMAGE_WIDTH, 0, static_cast<uint8_t>(rows & 0xFF),
                                  static_cast<uint8_t>(rows >> 8)};
        bytes.insert(bytes.end(), std::begin(header), std::end(header));
        bytes.insert(bytes.end(), rows * NV_IMAGE_WIDTH * 8, static_cast<uint8_t>(image));
    }
    return bytes;
}

Stream PlainText() {
    Stream bytes;
    bytes.reserve(streamBytes);
    char line[64];
    for (int i = 0; bytes.size() < streamBytes; ++i) {
        const int n = std::snprintf(line, sizeof line, "Line %08d: a quick brown fox\n", i);
        bytes.insert(bytes.end(), line, line + n);
    }
    bytes.resize(streamBytes);
    bytes.back() = '\n';
    return bytes;
}

struct Figures {
    double cpuSeconds = 0;
    double wallSeconds = 0;
    long peakKib = 0;   // the child's peak resident memory
    long growthKib = 0; // above what it had with the stream built
    size_t receipts = 0;
};

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

Figures Run(Stream (*make)()) {
    const Stream stream = make();
    Figures figures;
    const long before = PeakKib();
    const double cpu = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    vprinter::Interpreter printer(
        PAPER_WIDTH,
        vprinter::InterpreterEvents{nullptr,
                                    [&figures](const vprinter::PaperBitmap&, vprinter::ReceiptEnd) {
                                        ++figures.receipts;
                                    },
                                    nullptr});
    for (size_t at = 0; at < stream.size(); at += LINE_PIECE)
        printer.Feed(stream.data() + at, std::min(LINE_PIECE, stream.size() - at));
    printer.EndReceipt(vprinter::ReceiptEnd::Exit);
    figures.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures.cpuSeconds = CpuSeconds() - cpu;
    figures.peakKib = PeakKib();
    figures.growthKib = figures.peakKib - before;
    return figures;
}

// Runs the case in a child and reads its figures back through a pipe; false when
// it did not finish (over the CPU limit).
bool RunApart(Stream (*make)(), Figures* figures) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        const rlimit limit{CASE_CPU_LIMIT, CASE_CPU_LIMIT};
        setrlimit(RLIMIT_CPU, &limit);
        const Figures measured = Run(make);
        const bool written = write(pipeFds[1], &measured, sizeof measured) == sizeof measured;
        _exit(written ? 0 : 1);
    }
    close(pipeFds[1]);
    const bool read_ = child > 0 && read(pipeFds[0], figures, sizeof *figures) == sizeof *figures;
    close(pipeFds[0]);
    int status = 0;
    if (child > 0) waitpid(child, &status, 0);
    return read_ && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Print(const char* name, const Figures& f, bool finished) {
    if (!finished) {
        std::printf("%-44s did not finish within %d s of CPU\n", name, CASE_CPU_LIMIT);
    } else {
        std::printf("%-44s cpu %7.3f s, wall %7.3f s, peak %7.1f MiB (+%.1f MiB), %zu receipts\n",
                    name, f.cpuSeconds, f.wallSeconds, f.peakKib / KIB, f.growthKib / KIB,
                    f.receipts);
    }
    std::fflush(stdout);
}

// The ratio of a case to plain text; one that did not finish is at least the limit.
void PrintRatio(const char* what, const Figures& hostile, bool finished, const Figures& plain) {
    if (finished)
        std::printf("%s: %.4f\n", what, hostile.cpuSeconds / plain.cpuSeconds);
    else
        std::printf("%s: more than %.1f\n", what, CASE_CPU_LIMIT / plain.cpuSeconds);
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) streamBytes = static_cast<size_t>(std::max(1, std::atoi(argv[1]))) << 20;
    std::printf("%zu MiB each, fed in %zu-byte pieces\n", streamBytes >> 20, LINE_PIECE);
    Figures plain, counter, images;
    const bool plainDone = RunApart(PlainText, &plain);
    Print("plain text", plain, plainDone);
    if (!plainDone) return 1;
    const bool counterDone = RunApart(NeverEndingCounter, &counter);
    Print("GS C ; never ending", counter, counterDone);
    const bool imagesDone = RunApart(ImagesOfUnknownLength, &images);
    Print("FS q, 255 images, length known at the last", images, imagesDone);
    PrintRatio("FS q/plain time ratio", images, imagesDone, plain);
    PrintRatio("vprinter hostile/plain time ratio", counter, counterDone, plain);
    return 0;
}
