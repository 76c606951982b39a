#pragma once
// An interpreter with its replies, receipts and log collected, for tests that
// drive it with byte streams.
#include "emulator/Interpreter.h"

#include <string>
#include <vector>

struct CollectedReceipt {
    vprinter::PaperBitmap paper;
    vprinter::ReceiptEnd reason;
};

class PrinterFixture {
public:
    explicit PrinterFixture(int width = vprinter::PRN_WIDTH_58MM)
        : printer(width,
                  vprinter::InterpreterEvents{
                      [this](const uint8_t* data, size_t length) {
                          replies.insert(replies.end(), data, data + length);
                      },
                      [this](const vprinter::PaperBitmap& paper, vprinter::ReceiptEnd reason) {
                          receipts.push_back({paper, reason});
                      },
                      [this](const std::string& line) { log.push_back(line); }}) {}

    void Send(const std::string& bytes) { printer.Feed(bytes); }
    void Send(const std::vector<uint8_t>& bytes) { printer.Feed(bytes.data(), bytes.size()); }
    // Ends the receipt (as at exit) and returns it; an empty paper if nothing printed.
    vprinter::PaperBitmap Finish() {
        const size_t before = receipts.size();
        printer.EndReceipt(vprinter::ReceiptEnd::Exit);
        return receipts.size() > before ? receipts.back().paper
                                        : vprinter::PaperBitmap(printer.PaperWidth());
    }
    bool Logged(const std::string& part) const {
        for (const std::string& line : log)
            if (line.find(part) != std::string::npos) return true;
        return false;
    }

    std::vector<uint8_t> replies;
    std::vector<CollectedReceipt> receipts;
    std::vector<std::string> log;
    vprinter::Interpreter printer;
};

// Bytes from a list of numbers and strings, as commands read in a manual.
inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes += static_cast<char>(v);
    return bytes;
}
