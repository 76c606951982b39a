#pragma once
// A stand-in for the main dialog: a real command library on a pseudo-terminal (the
// console's options, the port map's --port entry for the slave), a peer reading the
// master, and the records and help tips the handlers produce, kept for checking.

#include "PageHost.h"
#include "PtyPeer.h"
#include "VrnxLib.h"

#include <QString>
#include <chrono>
#include <string>
#include <vector>

class SampleHost : public PageHost {
public:
    struct Tip {
        QWidget* control;
        QString text;
    };

    SampleHost();
    ~SampleHost() override;

    bool OpenPort();
    void ClosePort() { lib.Close(); }

    CVRNX_LIB& Printer() override { return lib; }
    bool WarnIfPortClosed() override;
    void ShowHelpTip(QWidget* control, const QString& text) override;
    void AddOperationRecord(const std::string& hexText) override;
    int PrintableWidth() const override { return printableWidth; }

    // All recorded rows joined, as bytes.
    std::vector<uint8_t> RecordedBytes() const;
    // Waits for `count` bytes at the printer's end and returns what arrived.
    std::vector<uint8_t> Wire(size_t count);
    // Waits a little and returns whatever arrived (for "nothing was sent").
    std::vector<uint8_t> WireAfterQuiet();

    PtyPeer peer; // declared first: the port closes before the peer goes
    CVRNX_LIB lib;
    std::vector<std::string> records;
    std::vector<Tip> tips;
    int printableWidth = 384;
};

// Hex text of a text's bytes, as a sample's text command records it.
std::string TextRecord(const std::string& text);
