#pragma once
// A folder for the tap's link and files, and the program that prints through the tap
// (cli_tap_program) run as a process of its own.
#include "tests/cli/CliRun.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <sys/stat.h>
#include <vector>

class CliTapTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const {
        return dir_.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string Link() const { return Path("ttyPOS"); }
    bool LinkExists() const {
        struct stat st{};
        return lstat(Link().c_str(), &st) == 0;
    }
    // Writes `bytes` through the tap as a program of its own; its output is the hex of
    // the first `answerBytes` bytes it got back.
    CliResult RunProgramWriting(const std::string& kind, const std::string& where,
                                const std::vector<uint8_t>& bytes, size_t answerBytes,
                                std::vector<std::string> extra = {},
                                std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
        const std::string file = Path("program.bin");
        WriteFile(file, std::string(bytes.begin(), bytes.end()));
        std::vector<std::string> args = {kind, where, file, "--read", std::to_string(answerBytes)};
        args.insert(args.end(), extra.begin(), extra.end());
        return RunProgram(TAP_PROGRAM_PATH, args, {}, timeout);
    }
    // "127.0.0.1:PORT" from the tap's first row.
    static std::string ListenAddress(CliProcess& tap) {
        if (!tap.WaitForOutput("tcp-listen ", std::chrono::seconds(5))) return {};
        const CliResult so_far = tap.Peek();
        const size_t at = so_far.out.find("tcp-listen ");
        const size_t end = so_far.out.find(',', at);
        if (at == std::string::npos || end == std::string::npos) return {};
        return so_far.out.substr(at + 11, end - at - 11);
    }

    // The receipt pictures in a folder, in order.
    static QStringList Pictures(const std::string& folder) {
        QDir dir(QString::fromStdString(folder));
        QStringList files;
        for (const QString& name : dir.entryList({QStringLiteral("receipt-*.png")}, QDir::Files, QDir::Name))
            files << dir.filePath(name);
        return files;
    }
    // Receipt pictures that are the same pixel for pixel.
    static void ExpectSamePictures(const QStringList& made, const QStringList& expected) {
        ASSERT_EQ(made.size(), expected.size()) << made.join(' ').toStdString();
        for (qsizetype i = 0; i < made.size(); ++i) {
            const QImage a = QImage(made[i]).convertToFormat(QImage::Format_ARGB32);
            const QImage b = QImage(expected[i]).convertToFormat(QImage::Format_ARGB32);
            EXPECT_FALSE(a.isNull()) << made[i].toStdString();
            EXPECT_EQ(a.size(), b.size()) << made[i].toStdString();
            EXPECT_TRUE(a == b) << made[i].toStdString() << " differs from " << expected[i].toStdString();
        }
    }
    // The checksum vprinter's "received" command gives: 64-bit FNV-1a.
    static std::string Checksum(const std::vector<uint8_t>& bytes) {
        uint64_t sum = 14695981039346656037ull;
        for (const uint8_t b : bytes) sum = (sum ^ b) * 1099511628211ull;
        char text[64];
        std::snprintf(text, sizeof text, "received %zu bytes, fnv1a64 %016llx", bytes.size(),
                      static_cast<unsigned long long>(sum));
        return text;
    }

    // What vprinter says it received, once it says it received `bytes` (its line may
    // still be bringing them when the sender is done), or after the time-out.
    template <typename Printer>
    static std::string ReceivedOnceThere(Printer& printer, const std::vector<uint8_t>& bytes,
                                         std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        const std::string expected = Checksum(bytes);
        const auto end = std::chrono::steady_clock::now() + timeout;
        std::string said;
        do {
            said = printer.Ask(QStringLiteral("received"), QStringLiteral("received"));
            if (said == expected) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        } while (std::chrono::steady_clock::now() < end);
        return said;
    }

private:
    QTemporaryDir dir_;
};
