// Peak memory of the offline tools against the length of their input: `talvane-cli
// render` and `vprinter --input` on 1 MiB and on 64 MiB of receipts (text receipts, each
// ended by a cut), and `talvane-cli decode` on 1 MiB and on a large input (1 GiB by
// default; the first argument gives another size in MiB) and on a tap capture of 1 MiB
// and of 96 MiB (more than the tools hold whole). Each runs as a child; its
// peak resident size comes from wait4. Prints "<tool> memory ratio: X" (large over
// small; goal under 1.5) and decode's peak in MiB (goal under 64 MiB).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr size_t MIB = size_t(1) << 20;
constexpr size_t SMALL_MIB = 1;
constexpr size_t LARGE_MIB = 64;
constexpr size_t DECODE_MIB = 1024;
constexpr size_t CAPTURE_MIB = 96;
constexpr size_t CAPTURE_BYTES_A_LINE = 32; // bytes of one '>' line of the capture
constexpr int LINES_A_RECEIPT = 400; // about 16 KiB of text each
constexpr double GOAL_RATIO = 1.5;
constexpr double DECODE_GOAL_MIB = 64;

// Receipts of text in two styles, each ended by a cut, up to `bytes`.
void WriteReceipts(const std::string& path, size_t bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::exit(1);
    size_t written = 0;
    for (long receipt = 0; written < bytes; ++receipt) {
        std::string text = "\x1b@";
        for (int line = 0; line < LINES_A_RECEIPT; ++line)
            text += "\x1b" "E" + std::string(1, static_cast<char>(line % 2)) + "Item " +
                    std::to_string(receipt) + "." + std::to_string(line) + " order line .. 12.50\n";
        text += std::string("\x1dV\x00", 3);
        written += std::fwrite(text.data(), 1, text.size(), file);
    }
    std::fclose(file);
}

// The same receipts as a tap capture: what the program sent, a line of hex text per
// 32 bytes, 100 us apart, up to `bytes` of capture text.
void WriteCapture(const std::string& path, size_t bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::exit(1);
    size_t written = std::fprintf(file, "# talvane tap capture 1\n");
    std::string receipt = "\x1b@";
    for (int line = 0; line < LINES_A_RECEIPT; ++line)
        receipt += "Item " + std::to_string(line) + " order line .. 12.50\n";
    receipt += std::string("\x1dV\x00", 3);
    long us = 0;
    while (written < bytes)
        for (size_t at = 0; at < receipt.size() && written < bytes; at += CAPTURE_BYTES_A_LINE) {
            us += 100;
            std::string line = "> " + std::to_string(us / 1000000) + "." +
                               std::to_string(1000000 + us % 1000000).substr(1);
            char hex[4];
            for (size_t i = at; i < std::min(receipt.size(), at + CAPTURE_BYTES_A_LINE); ++i) {
                std::snprintf(hex, sizeof hex, " %02X", static_cast<unsigned char>(receipt[i]));
                line += hex;
            }
            line += "\n";
            written += std::fwrite(line.data(), 1, line.size(), file);
        }
    std::fclose(file);
}

struct Run {
    bool ok = false;
    long peakKib = 0;
    double seconds = 0;
};

// Runs a program with its output and its log thrown away; its peak resident size.
Run Measure(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // Its output and log go into a pipe this process reads and throws away.
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    Run run;
    const bool spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    close(out[1]);
    char sink[1 << 16];
    while (spawned && read(out[0], sink, sizeof sink) > 0) {
    }
    close(out[0]);
    if (spawned) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid) {
            run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            run.peakKib = usage.ru_maxrss;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

double Mib(long kib) {
    return kib / 1024.0;
}

bool Compare(const char* tool, const Run& small, const Run& large, size_t largeMib) {
    std::printf("%s: %zu MiB peak %.1f MiB (%.1f s), %zu MiB peak %.1f MiB (%.1f s)%s\n", tool,
                SMALL_MIB, Mib(small.peakKib), small.seconds, largeMib, Mib(large.peakKib),
                large.seconds, small.ok && large.ok ? "" : " -- a run failed");
    const double ratio = static_cast<double>(large.peakKib) / static_cast<double>(small.peakKib);
    std::printf("%s memory ratio: %.2f (goal under %.1f)\n", tool, ratio, GOAL_RATIO);
    std::fflush(stdout);
    return small.ok && large.ok;
}

} // namespace

int main(int argc, char** argv) {
    const size_t decodeMib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : DECODE_MIB;
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("offline-memory-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string small = (dir / "small.bin").string();
    const std::string large = (dir / "large.bin").string();
    const std::string huge = (dir / "huge.bin").string();
    WriteReceipts(small, SMALL_MIB * MIB);
    WriteReceipts(large, LARGE_MIB * MIB);

    bool ok = true;
    const auto render = [&](const std::string& input, const char* out) {
        return Measure({TALVANE_CLI_PATH, "render", input, "--plain", "--out", (dir / out).string()});
    };
    ok &= Compare("render", render(small, "render-small"), render(large, "render-large"), LARGE_MIB);
    std::filesystem::remove_all(dir / "render-small");
    std::filesystem::remove_all(dir / "render-large");
    const auto vprinter = [&](const std::string& input, const char* out) {
        return Measure({VPRINTER_PATH, "--input", input, "--plain", "--out", (dir / out).string()});
    };
    ok &= Compare("vprinter --input", vprinter(small, "v-small"), vprinter(large, "v-large"),
                  LARGE_MIB);
    std::filesystem::remove_all(dir / "v-small");
    std::filesystem::remove_all(dir / "v-large");

    WriteReceipts(huge, decodeMib * MIB);
    const Run decodeSmall = Measure({TALVANE_CLI_PATH, "decode", small});
    const Run decodeLarge = Measure({TALVANE_CLI_PATH, "decode", huge});
    ok &= Compare("decode", decodeSmall, decodeLarge, decodeMib);
    std::printf("decode peak for %zu MiB: %.1f MiB (goal under %.0f MiB)\n", decodeMib,
                Mib(decodeLarge.peakKib), DECODE_GOAL_MIB);
    std::filesystem::remove(huge);

    const std::string smallCapture = (dir / "small.cap").string();
    const std::string largeCapture = (dir / "large.cap").string();
    WriteCapture(smallCapture, SMALL_MIB * MIB);
    WriteCapture(largeCapture, CAPTURE_MIB * MIB);
    ok &= Compare("decode of a capture", Measure({TALVANE_CLI_PATH, "decode", smallCapture}),
                  Measure({TALVANE_CLI_PATH, "decode", largeCapture}), CAPTURE_MIB);
    std::filesystem::remove_all(dir);
    return ok ? 0 : 1;
}
