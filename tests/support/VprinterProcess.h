#pragma once
// The vprinter executable as the operator runs it beside the console: its device path
// from standard output, conditions switched on its standard input, and its receipts
// read back from the PNG files it writes into a folder of its own.
#include "emulator/PaperBitmap.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <string>
#include <vector>
#include <sys/types.h>

class VprinterProcess {
public:
    // widthDots: 384 (58 mm paper) or 576 (80 mm); `extra` options follow the others.
    // overTcp: the printer listens on a free loopback TCP port instead of a
    // pseudo-terminal, and DevicePath() is "tcp://ADDRESS:PORT".
    // plain: receipts one black pixel per dot (read back with LoadReceipt); else
    // they look like paper, dots grey by density.
    explicit VprinterProcess(int widthDots, const std::vector<std::string>& extra = {},
                             bool overTcp = false, bool plain = true);
    ~VprinterProcess();
    VprinterProcess(const VprinterProcess&) = delete;
    VprinterProcess& operator=(const VprinterProcess&) = delete;

    // Started, and its pseudo-terminal (or TCP address) known.
    bool Ok() const { return !device_.isEmpty(); }
    const QString& DevicePath() const { return device_; }

    // Sends one command line and waits for the reply line that starts with `reply`.
    bool Command(const QString& line, const QString& reply);
    // The same, giving the reply line (empty when none came).
    std::string Ask(const QString& line, const QString& reply);
    // Ends the receipt now; once its reply to a status request has come, the receipt,
    // if it had any black dot, is on disk. Bytes written to the printer's line may still
    // be on their way (a pseudo-terminal hands them over a moment later, more so on a
    // busy machine): the cut waits until the line has brought `expectedBytes`, or,
    // without a count, until it has been quiet a while.
    bool CutAndSync(uint64_t expectedBytes = 0);
    // How many bytes the line has brought since the start.
    bool Received(uint64_t* bytes);
    // Receipt files written so far, in order.
    QStringList Receipts() const;
    // What the printer logged on standard error (for failure messages).
    QString Log();

private:
    bool Write(const std::string& text);
    bool ReadLine(std::string* line, std::chrono::milliseconds timeout);
    void DrainLog();

    QTemporaryDir dir_;
    pid_t pid_ = -1;
    int in_ = -1;  // its standard input
    int out_ = -1; // its standard output
    int err_ = -1; // its standard error, read whenever we wait
    std::string outText_;
    std::string log_;
    QString device_;
};

// The printed dots of a receipt picture, without the paper's blank edges.
vprinter::PaperBitmap LoadReceipt(const QString& path, int printableWidth);
