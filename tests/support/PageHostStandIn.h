// A stand-in for the main dialog as pages and samples see it: a real command library
// on a pseudo-terminal (the console's options and time-outs, the port map's --port
// entry for the slave), a printer peer reading the master, and the records and help
// tips the handlers produce, kept for checking.
#pragma once

#include "host/CommandHost.h"
#include "printer/VrnxLib.h"
#include "tests/support/PrinterPeer.h"

#include <QString>
#include <chrono>
#include <string>
#include <vector>

class PageHostStandIn : public CommandHost {
public:
    struct Tip {
        QString control; // object name; "ctl1000" (the COM button) for the port message
        QString text;
        QWidget* widget; // null for the port message
    };
    static constexpr const char* COM_BUTTON = "ctl1000";

    PageHostStandIn();
    ~PageHostStandIn() override;

    bool OpenPort();
    void ClosePort() { lib.Close(); }

    CVRNX_LIB& Printer() override { return lib; }
    void WarnPortClosed() override;
    void ShowHelpTip(QWidget* control, const QString& text) override;
    void AddOperationRecord(const std::string& hexText) override;
    void AddWarnedRecord(const std::string& hexText, const QString& warning) override;
    void ShowWarning(QWidget* control, const QString& text) override;
    int PrintableWidth() const override { return printableWidth; }

    // All recorded rows joined, as hex text and as bytes.
    std::string AllRows() const;
    std::vector<uint8_t> RecordedBytes() const;
    // Waits for `count` bytes at the printer's end and returns what arrived.
    std::vector<uint8_t> Wire(size_t count);
    // Waits until the printer's end holds as many bytes as the rows name, and returns
    // them as hex text: so a test sees the wire carried exactly what was recorded.
    std::string WireHex();
    // Waits for a quiet spell and returns whatever arrived (for "nothing was sent").
    std::vector<uint8_t> WireAfterQuiet();
    // Lets the wire settle, then drops the rows, the tips and the bytes received.
    void Forget();

    PrinterPeer peer; // declared first: the port closes before the peer goes
    CVRNX_LIB lib;
    std::vector<std::string> rows;
    std::vector<Tip> tips;
    std::vector<Tip> warnings;
    std::vector<QString> rowWarnings; // one for each row, empty for most
    int printableWidth = 384;
};

// Hex text of a text's bytes, as a text command records it.
std::string HexOf(const std::string& bytes);
