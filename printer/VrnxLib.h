#pragma once
// The printer command library. The library object is itself the serial port: every
// command operation builds the bytes of one printer command and hands them to Write,
// which records them as hex text before sending. Bytes coming back from the printer go
// through ParseStatusByte, which keeps the printer's conditions and posts the PRN_MSG_*
// notifications to the owner window.
//
// Command operations never check the port, never validate or clamp their arguments
// beyond the byte truncations of their layouts, and never wait: the dialogs check the
// operator's input first. An operation that makes one write returns the write's result;
// one that makes several writes returns nothing.

#include "printer/ReplyDecoder.h"
#include "printer/SentSettings.h"
#include "serial/SerialLine.h"
#include "serial/WindowMessages.h"

#include <cstdint>
#include <string>
#include <mutex>
#include <functional>
#include <atomic>

// Status notifications posted to the owner window, wParam 0 and lParam 0.
inline constexpr uint32_t PRN_MSG_OVERVOLTAGE = 0x6BC;
inline constexpr uint32_t PRN_MSG_OVERVOLTAGE_CLEAR = 0x6BD;
inline constexpr uint32_t PRN_MSG_PLATEN_UP = 0x6BE;
inline constexpr uint32_t PRN_MSG_PLATEN_UP_CLEAR = 0x6BF;
inline constexpr uint32_t PRN_MSG_PAPER_END = 0x6C0;
inline constexpr uint32_t PRN_MSG_PAPER_END_CLEAR = 0x6C1;
inline constexpr uint32_t PRN_MSG_OVERHEAT = 0x6C2;
inline constexpr uint32_t PRN_MSG_OVERHEAT_CLEAR = 0x6C3;
inline constexpr uint32_t PRN_MSG_CUTTER = 0x6C4;
inline constexpr uint32_t PRN_MSG_CUTTER_CLEAR = 0x6C5;
// A NUL-terminated response has been completed; read it with GetResponseText.
inline constexpr uint32_t PRN_MSG_RESPONSE = 0x6C6;

// Size of the response collector; longer responses are cut to this many bytes.
inline constexpr uint32_t PRN_RESPONSE_SIZE = 256;
// First byte of every response; the second is its identifier.
inline constexpr uint8_t PRN_RESPONSE_START = 0x37;
// Identifier of the answer to RequestSensorValue.
inline constexpr uint8_t PRN_RESPONSE_SENSOR = 0x64;
// Number of printer conditions reported by a status byte.
inline constexpr int PRN_CONDITION_COUNT = 5;

// The options the library object is constructed with: watch thread, overlapped I/O.
inline constexpr uint32_t VRNX_DEFAULT_OPTIONS = EN_WATCH_THREAD | EN_OVERLAPPED_IO;

class CommandBytes;
struct TextCodePage;

// One cell of a vertical tab row (FS V). Exactly `length` bytes of `text` are sent,
// whatever the string's own length.
struct VerticalTabCell {
    uint8_t position;
    uint8_t mode;
    uint8_t length;
    const char* text;
};

// The printer conditions, in the order the status parser examines them.
enum class PrinterCondition : int {
    OverVoltage = 0,
    PlatenUp = 1,
    Overheat = 2,
    PaperEnd = 3,
    Cutter = 4,
};

class CVRNX_LIB : public CSerialLine {
public:
    CVRNX_LIB();
    ~CVRNX_LIB() override;

    CVRNX_LIB(const CVRNX_LIB&) = delete;
    CVRNX_LIB& operator=(const CVRNX_LIB&) = delete;

    // --- Command channel ---------------------------------------------------------
    void SetOwnerWindow(HWND hWnd) { hOwnerWnd_ = hWnd; }
    HWND GetOwnerWindow() const { return hOwnerWnd_; }
    // 1 records every written byte as hex text, 0 records nothing.
    void EnableSentRecord(uint8_t enable) { btRecordSent_ = enable; }
    // Hands over everything recorded since the last take and starts a new record.
    std::string TakeSentText();
    void ClearSentText() { strSentText_.clear(); }
    // The text handed out by the most recent TakeSentText.
    const std::string& LastTakenText() const { return strLastTaken_; }
    // Sees every byte handed to the port, on the writing thread, in order; empty
    // removes it. Nothing is watched (and nothing is spent) while none is set.
    using SentObserver = std::function<void(const uint8_t* data, size_t length)>;
    void SetSentObserver(SentObserver observer);

    // --- Text, layout and paper handling -----------------------------------------
    int InitPrinter();
    int LineFeed();
    int HorizontalTab();
    int SendText(const char* text);
    int SetPrintMode(uint8_t n);
    int SelectFont(uint8_t n);
    int SetAlignment(uint8_t n);
    int SetLineSpacing(uint8_t n);
    int SetLeftMargin(uint8_t n);
    int SetRightMargin(uint8_t n);
    int SetAbsolutePosition(uint16_t position);
    int SetPrintDensity(uint8_t n);
    int SetPrintSpeed(uint8_t n);
    int PrintAndFeed(uint8_t n);
    int PrintAndFeedLines(uint8_t n);
    int PrintAndBackFeed(uint8_t n);
    // Feed amount first in the call, last on the wire: GS V m n.
    int CutPaper(uint8_t n, uint8_t m);
    void SetHorizontalTabs(const void* stops, uint8_t n);
    void PrintVerticalTabRow(uint8_t n, const void* stops, uint8_t k, const VerticalTabCell* cells);
    // ESC t n: the single-byte character table n.
    int SelectCharacterTable(uint8_t n);
    // FS &: two-byte (Chinese) characters on.
    int DoubleByteModeOn();
    // The command that switches the printer to `page` (one of the two above).
    int SelectTextCodePage(const TextCodePage& page);

    // --- Barcodes and two-dimensional codes --------------------------------------
    int SetBarcodeHeight(uint8_t n);
    int SetBarcodeWidth(uint8_t n);
    int SetBarcodeTextPosition(uint8_t n);
    // t is the index of the symbology (0 "UPCA" .. 9 "EAN128").
    void PrintBarcode(uint8_t t, const void* data, uint8_t n);

    int SetPDF417Columns(uint8_t n);
    int SetPDF417Rows(uint8_t n);
    int SetPDF417ModuleWidth(uint8_t n);
    int SetPDF417RowHeight(uint8_t n);
    int SetPDF417ErrorLevel(uint8_t e);
    void StorePDF417Data(const void* data, uint16_t k);
    int PrintPDF417();

    int SetQRCodeVersion(uint8_t v);
    int SetQRCodeModuleSize(uint8_t n);
    int SetQRCodeErrorLevel(uint8_t e);
    void StoreQRCodeData(const void* data, uint16_t k);
    int PrintQRCode();

    int SetDataMatrixVersion(uint8_t v);
    int SetDataMatrixModuleSize(uint8_t n);
    void StoreDataMatrixData(const void* data, uint16_t k);
    int PrintDataMatrix();

    // --- Images --------------------------------------------------------------------
    // The block must hold (xL + 256 xH) * (yL + 256 yH) bytes.
    void PrintRasterImage(uint8_t m, uint8_t xL, uint8_t xH, uint8_t yL, uint8_t yH,
                          const void* data);
    // The band must hold (nL + 256 nH) * (m / 16 + 1) bytes.
    void PrintBitImage(uint8_t m, uint8_t nL, uint8_t nH, const void* data);

    // --- Status ---------------------------------------------------------------------
    // Clears the status-received flag and writes the request; does not wait.
    bool RequestStatus();
    int SetAutoStatusBack(uint8_t n);
    // Classifies one byte received from the printer (status byte, response byte or
    // part of an open response) and posts the notifications of what changed.
    void ParseStatusByte(uint8_t b);

    bool IsStatusReceived() const { return btStatusReceived_ != 0; }
    uint8_t GetLastStatus() const { return btLastStatus_; }
    bool IsConditionSet(PrinterCondition condition) const {
        return btCondition_[static_cast<int>(condition)] != 0;
    }
    bool IsCollectingResponse() const { return btCollecting_ != 0; }
    // Response bytes received so far, the leading 0x37 included; counts beyond the
    // collector's size too.
    uint32_t GetResponseCount() const { return dwResponseCount_; }
    // The stored response bytes (at most PRN_RESPONSE_SIZE), leading 0x37 at index 0.
    const uint8_t* GetResponseBytes() const { return btResponse_; }
    uint8_t GetResponseId() const;
    // The response's text: from its third byte up to its NUL or the end of what was
    // stored, so at most 254 characters.
    std::string GetResponseText() const;
    // The received bytes in words. Every write tells it which requests wait for their
    // answers; the receiver feeds it the same bytes as ParseStatusByte.
    ReplyDecoder& Replies() { return replies_; }
    // The settings this console has sent the printer (the barcode width so far).
    const SentSettings& Sent() const { return sentSettings_; }

    // --- Setup ----------------------------------------------------------------------
    // Sends the eight lowest decimal digits of the rate; nothing at all for 0.
    void SetBaudRate(uint32_t baudRate);
    int SetFlowControl(uint8_t n);
    int ClearBuffer();
    int FeedToTearPosition();
    int FeedToCutPosition();
    int FeedToPrintPosition();
    int RequestSensorValue();
    void SetPaperLayout(uint8_t m, const void* data, uint8_t n);
    void SetSensorThresholds(const void* data, uint8_t n);
    void SetMarkDistances(const void* data, uint8_t n);

protected:
    // First step of every Write: the bytes join the record as hex text.
    void AppendSentText(const void* data, uint32_t length) override;

private:
    int Send(const CommandBytes& command);
    void Notify(uint32_t message);

    HWND hOwnerWnd_ = nullptr;

    uint8_t btRecordSent_ = 0;
    std::atomic<bool> sentObserved_{false};
    std::mutex sentObserverMutex_;
    SentObserver sentObserver_;
    std::string strSentText_;
    std::string strLastTaken_;

    uint8_t btCondition_[PRN_CONDITION_COUNT] = {};
    uint8_t btCollecting_ = 0;
    uint32_t dwResponseCount_ = 0;
    uint8_t btResponse_[PRN_RESPONSE_SIZE] = {};
    uint8_t btStatusReceived_ = 0;
    uint8_t btLastStatus_ = 0;
    ReplyDecoder replies_;
    SentSettings sentSettings_;
};
