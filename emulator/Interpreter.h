#pragma once
// The virtual printer's command interpreter: takes the byte stream from the host
// in pieces of any size, keeps the printer's state, draws what the printer would
// print on a growing one-bit paper bitmap, and answers status and sensor requests.
#include "emulator/CommandLengths.h"
#include "emulator/GlyphSource.h"
#include "emulator/LineComposer.h"
#include "emulator/PaperBitmap.h"
#include "emulator/PrinterState.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vprinter {

// Why a receipt ended.
enum class ReceiptEnd { Cut, Idle, Exit, LengthLimit };
const char* ReceiptEndName(ReceiptEnd reason);

struct InterpreterEvents {
    // Bytes the printer sends back to the host (status bytes, responses).
    std::function<void(const uint8_t* data, size_t length)> reply;
    // A finished receipt; only receipts with at least one black dot are handed over.
    std::function<void(const PaperBitmap& paper, ReceiptEnd reason)> receipt;
    // One line of the printer's log (unknown commands, notes), without line break.
    std::function<void(const std::string& line)> log;
};

class Interpreter {
public:
    // A receipt longer than this is handed over and continued on a new one, so
    // that no byte stream can make the paper grow without bound (about 65 m).
    static constexpr int MAX_RECEIPT_ROWS = 1 << 19;
    // A longer command is not held: it is walked to its end as it streams by and
    // skipped, whether its length was known at its start or only shows on the way.
    static constexpr size_t MAX_HELD_COMMAND = 1 << 20;

    explicit Interpreter(int paperWidth, InterpreterEvents events = {});

    void Feed(const uint8_t* data, size_t length);
    void Feed(std::string_view bytes) {
        Feed(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }

    // Ends the current receipt: at a cut and at exit the line buffer is printed
    // first; after an idle time it stays in the buffer, as on a printer.
    void EndReceipt(ReceiptEnd reason);
    // True when the paper holds printed dots not yet handed over.
    bool HasPrintedPaper() const { return paperInk_; }

    void SetCondition(uint8_t statusBit, bool present);
    void SetSensorValue(int value) { stored_.sensorValue = value; }
    // Where two-byte characters get their glyphs; without one they print as framed
    // squares. The source must outlive the interpreter.
    void SetGlyphSource(const GlyphSource* glyphs) { glyphs_ = glyphs; }
    const Conditions& GetConditions() const { return conditions_; }
    uint8_t StatusByte() const { return conditions_.StatusByte(); }

    const TextSettings& Text() const { return text_; }
    const StoredSettings& Stored() const { return stored_; }
    // The density of the paper's rows, band by band from the top: of the paper
    // being printed, and in the receipt event of the receipt handed over.
    const std::vector<DensityBand>& DensityBands() const { return densityBands_; }
    const BarcodeSettings& Barcode() const { return barcode_; }
    const QRSettings& QR() const { return qr_; }
    const PDF417Settings& PDF417() const { return pdf417_; }
    const DataMatrixSettings& DataMatrix() const { return dataMatrix_; }

    int PaperWidth() const { return paper_.Width(); }
    const PaperBitmap& Paper() const { return paper_; }
    int PrintRow() const { return y_; }
    // Grows on every change of the paper, for views that redraw when it moves.
    uint64_t PaperVersion() const { return paperVersion_; }
    // Bytes of whole commands worked through (an over-long command counts as it
    // streams by); the bytes of a command still arriving are not among them.
    uint64_t BytesConsumed() const { return consumed_; }
    // Bytes held of a command that has not ended yet: never more than
    // MAX_HELD_COMMAND, whatever the command and however it arrives.
    size_t PendingBytes() const { return pending_.bytes.size(); }
    // Dot rows the paper has moved forward in all, for pacing at the paper's speed.
    uint64_t DotsFed() const { return dotsFed_; }
    // Answers DLE EOT n at once, outside the byte stream (while printing stops).
    void AnswerStatusRequest(uint8_t n);
    // GS a n at once, outside the byte stream.
    void AnswerAutoStatusBack(uint8_t n);

    // True when the command table knows the command these bytes begin (or needs more
    // bytes to tell); false for a command this printer would skip as unknown.
    static bool KnowsCommand(const uint8_t* data, size_t available);
    // Why this printer does not carry out the whole command `data` whatever its state
    // (a code page it does not have, EAN or UPC data with a wrong check digit); empty
    // when nothing is wrong with it alone.
    static std::string CommandRefusal(const uint8_t* data, size_t length);

    using Handler = void (Interpreter::*)(const uint8_t* command, size_t length);
    using Measure = size_t (*)(const lengths::Piece& piece, lengths::Walk* walk);
    struct CommandEntry {
        uint8_t prefix;
        uint8_t code;
        uint8_t sub; // third byte that selects the command, 0 when none
        const char* mnemonic;
        Measure measure; // total length, lengths::NEED_MORE while more bytes are needed
        Handler handler;
    };
    // The table's entry for the command these bytes begin: null for one it does not
    // know, or with *needMore set while more bytes must come to tell. Lets a reader
    // find where commands end without running them.
    static const CommandEntry* LookUp(const uint8_t* data, size_t available, bool* needMore) {
        return FindCommand(data, available, needMore);
    }

private:
    struct RasterJob {
        bool active = false;
        int bytesPerRow = 0;
        int rows = 0;
        int rowsDone = 0;
        int scaleX = 1;
        int scaleY = 1;
        int x = 0;
        int drawWidth = 0;
        size_t filled = 0;
        std::vector<uint8_t> row;
        std::vector<uint8_t> wide;
    };

    static const CommandEntry COMMANDS[];
    static const CommandEntry* FindCommand(const uint8_t* data, size_t available, bool* needMore);

    // A command that has begun to arrive and not ended: the first bytes of one not
    // yet known, one of known length held until it is all there, one whose
    // length shows only as it arrives (held whole up to MAX_HELD_COMMAND), or one
    // past that walked as it streams by, keeping only the bytes its measure still
    // has to read.
    struct PendingCommand {
        enum class Stage { None, Opening, Held, Walking, Streaming };
        Stage stage = Stage::None;
        const CommandEntry* entry = nullptr;
        lengths::Walk walk;
        size_t need = 0;            // Held: the command's whole length
        std::vector<uint8_t> bytes; // from the command's byte `from` on
        size_t from = 0;
        size_t arrived = 0; // Streaming: bytes of the command taken so far
    };

    // The byte stream (InterpreterStream.cpp).
    void Process(const uint8_t* data, size_t length);
    size_t ParseOne(const uint8_t* data, size_t available);
    void RunCommand(const CommandEntry* entry, const uint8_t* command, size_t length);
    void HoldUnfinished(const CommandEntry* entry, const lengths::Walk& walk, size_t need,
                        const uint8_t* data, size_t available);
    size_t ContinuePending(const uint8_t* data, size_t length);
    size_t ContinueOpening(const uint8_t* data, size_t length);
    size_t ContinueWalking(const uint8_t* data, size_t length);
    size_t ContinueStreaming(const uint8_t* data, size_t length);
    void StartStreaming(const uint8_t* bytes, size_t length);
    void KeepUnwalked(const uint8_t* bytes, size_t first, size_t end);
    void FinishPending();
    void SkipTooLong(const CommandEntry* entry, size_t length, size_t taken);
    size_t PrintTextRun(const uint8_t* data, size_t available);
    size_t ConsumeRaster(const uint8_t* data, size_t available);
    void DrawRasterRow();

    // Text and paper (Interpreter.cpp).
    void PrintCharacter(uint8_t code);
    void PrintDoubleByte(uint8_t lead, uint8_t trail);
    CharacterStyle Style(bool doubleByte) const;
    int FontIndex() const;
    size_t SkipLongCommand(size_t available);
    void LogOnce(const std::string& name, const std::string& text);
    void RefreshArea();
    void PrintLine(int feed);
    void Advance(int dots);
    void MakeRoom(int rows);
    void PrintBlock(const PaperBitmap& block);
    void Log(const std::string& text);
    void LogAt(const std::string& text);
    void Reply(const uint8_t* data, size_t length);
    void ResetText();

    void OnLineFeed(const uint8_t*, size_t);
    void OnHorizontalTab(const uint8_t*, size_t);
    void OnCarriageReturn(const uint8_t*, size_t);
    void OnInitialize(const uint8_t*, size_t);
    void OnPrintMode(const uint8_t* command, size_t);
    void OnSelectFont(const uint8_t* command, size_t);
    void OnAlignment(const uint8_t* command, size_t);
    void OnLineSpacing(const uint8_t* command, size_t);
    void OnDefaultLineSpacing(const uint8_t*, size_t);
    void OnLeftMargin(const uint8_t* command, size_t);
    void OnRightMargin(const uint8_t* command, size_t);
    void OnAbsolutePosition(const uint8_t* command, size_t);
    void OnTabStops(const uint8_t* command, size_t length);
    void OnVerticalTabRow(const uint8_t* command, size_t length);
    void OnDensity(const uint8_t* command, size_t);
    void OnSpeed(const uint8_t* command, size_t);
    void OnPrintAndFeed(const uint8_t* command, size_t);
    void OnPrintAndFeedLines(const uint8_t* command, size_t);
    void OnBackFeed(const uint8_t* command, size_t);
    void OnCut(const uint8_t* command, size_t length);
    void OnUnknownFramed(const uint8_t* command, size_t length);
    void OnPartialCut(const uint8_t* command, size_t length);

    // Character styles, code pages and the print area (InterpreterStyles.cpp).
    void OnEmphasis(const uint8_t* command, size_t);
    void OnUnderline(const uint8_t* command, size_t);
    void OnDoubleByteUnderline(const uint8_t* command, size_t);
    void OnCharacterSize(const uint8_t* command, size_t);
    void OnReverse(const uint8_t* command, size_t);
    void OnUpsideDown(const uint8_t* command, size_t);
    void OnRotation(const uint8_t* command, size_t);
    void OnCharacterSpacing(const uint8_t* command, size_t);
    void OnRelativePosition(const uint8_t* command, size_t);
    void OnAreaLeft(const uint8_t* command, size_t);
    void OnAreaWidth(const uint8_t* command, size_t);
    void OnCodePage(const uint8_t* command, size_t);
    void OnDoubleByteOn(const uint8_t* command, size_t);
    void OnDoubleByteOff(const uint8_t* command, size_t);

    // The drawer, identification and status answers (InterpreterSetup.cpp).
    void OnDrawerKick(const uint8_t* command, size_t);
    void OnPrinterId(const uint8_t* command, size_t);
    void OnTransmitStatus(const uint8_t* command, size_t);

    // Images (InterpreterImages.cpp).
    void OnBitImage(const uint8_t* command, size_t length);
    void OnRasterImage(const uint8_t* command, size_t length);
    void OnGraphics(const uint8_t* command, size_t length);
    void PrintGraphics(const std::vector<uint8_t>& stored);

    // Barcodes and two-dimensional symbols (InterpreterCodes.cpp).
    void OnBarcodeHeight(const uint8_t* command, size_t);
    void OnBarcodeWidth(const uint8_t* command, size_t);
    void OnBarcodeTextPosition(const uint8_t* command, size_t);
    void OnBarcodeFont(const uint8_t* command, size_t);
    void OnBarcode(const uint8_t* command, size_t length);
    void OnSymbol(const uint8_t* command, size_t length);
    void PrintStoredSymbol(uint8_t symbology);

    // Status and set-up (InterpreterSetup.cpp).
    void OnStatusRequest(const uint8_t* command, size_t);
    void OnRealtimeRequest(const uint8_t* command, size_t length);
    void OnAutoStatusBack(const uint8_t* command, size_t);
    void OnSerialSetting(const uint8_t* command, size_t length);
    void OnLabelFunction(const uint8_t* command, size_t length);
    void SendStatus();
    void FeedToLabelPosition(int offsetMm, const char* what);

    InterpreterEvents events_;
    PaperBitmap paper_;
    LineComposer line_;
    TextSettings text_;
    StoredSettings stored_;
    std::vector<DensityBand> densityBands_;
    BarcodeSettings barcode_;
    QRSettings qr_;
    PDF417Settings pdf417_;
    DataMatrixSettings dataMatrix_;
    Conditions conditions_;
    std::vector<uint8_t> storedSymbols_[3]; // PDF417, QR code, DataMatrix
    RasterJob raster_;
    PendingCommand pending_;
    uint64_t skipRemaining_ = 0;   // bytes of an over-long command still to skip
    std::set<std::string> loggedOnce_;
    std::vector<uint8_t> graphics_; // GS ( L / GS 8 L: the stored raster graphics
    std::vector<uint8_t> graphicsParts_; // continued parts being gathered
    const GlyphSource* glyphs_ = nullptr;
    uint64_t consumed_ = 0;
    uint64_t commandOffset_ = 0;
    uint64_t paperVersion_ = 0;
    uint64_t dotsFed_ = 0;
    int y_ = 0;
    int fed_ = 0;
    bool paperInk_ = false;
};

} // namespace vprinter
