#pragma once
// The vprinter executable as the operator runs it beside the console: its device path
// from standard output, conditions switched on its standard input, and its receipts
// read back from the PNG files it writes into a folder of its own.
#include "PaperBitmap.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>

class VprinterProcess {
public:
    // widthDots: 384 (58 mm paper) or 576 (80 mm).
    explicit VprinterProcess(int widthDots);
    ~VprinterProcess();
    VprinterProcess(const VprinterProcess&) = delete;
    VprinterProcess& operator=(const VprinterProcess&) = delete;

    // Started, and its pseudo-terminal known.
    bool Ok() const { return !device_.isEmpty(); }
    const QString& DevicePath() const { return device_; }

    // Sends one command line and waits for the reply line that starts with `reply`.
    bool Command(const QString& line, const QString& reply);
    // Ends the receipt now; once its reply to a status request has come, the receipt,
    // if it had any black dot, is on disk.
    bool CutAndSync();
    // Receipt files written so far, in order.
    QStringList Receipts() const;
    // What the printer logged on standard error (for failure messages).
    QString Log();

private:
    bool ReadLine(QString* line, std::chrono::milliseconds timeout);

    QTemporaryDir dir_;
    QProcess process_;
    QString device_;
};

// The printed dots of a receipt picture, without the paper's blank edges.
vprinter::PaperBitmap LoadReceipt(const QString& path, int printableWidth);
