#pragma once
// A printer's end of a pseudo-terminal for the tool, and a folder for the files a test
// gives it.
#include "tests/cli/CliRun.h"
#include "tests/support/PrinterPeer.h"

#include <QTemporaryDir>
#include <fcntl.h>
#include <unistd.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class CliPeerTest : public ::testing::Test {
protected:
    // Held open as the virtual printer holds its own: when the tool's close is the last
    // one, Linux drops what the master has not read yet.
    void SetUp() override {
        slaveHold_ = open(peer.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    void TearDown() override {
        if (slaveHold_ >= 0) close(slaveHold_);
    }

    std::string Path(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    // The port options for the peer, with `args` before them.
    std::vector<std::string> OnPeer(std::vector<std::string> args) const {
        args.push_back("--port");
        args.push_back(peer.SlavePath());
        return args;
    }
    // Everything the tool sent, once `count` bytes have come (or what came in 5 s).
    std::vector<uint8_t> Wire(size_t count) {
        return peer.WaitBytes(count, std::chrono::seconds(5));
    }
    // What came within a short pause: for "nothing was sent".
    std::vector<uint8_t> WireAfterQuiet() {
        return peer.BytesAfterQuiet(std::chrono::milliseconds(200));
    }

    PrinterPeer peer;
    QTemporaryDir dir;
    int slaveHold_ = -1;
};

inline std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> list) {
    return std::vector<uint8_t>(list);
}

// True when `needle` occurs in `haystack`.
inline bool Contains(const std::vector<uint8_t>& haystack, const std::vector<uint8_t>& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
}
