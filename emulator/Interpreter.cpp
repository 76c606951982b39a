#include "emulator/Interpreter.h"

#include "emulator/CodePages.h"

#include <algorithm>
#include <cstdio>

namespace vprinter {

namespace {

constexpr uint8_t FIRST_PRINTABLE = 0x20;
constexpr uint8_t LAST_PRINTABLE = 0x7E;
constexpr uint8_t HIGH_HALF = 0x80; // the code page's half beyond ASCII
constexpr uint8_t DOUBLE_BYTE_FIRST = 0x81; // lead bytes of the Chinese character set
constexpr uint8_t DOUBLE_BYTE_LAST = 0xFE;
constexpr uint8_t TRAIL_FIRST = 0x40;
constexpr uint8_t TRAIL_LAST = 0xFE;
constexpr uint8_t TRAIL_EXCLUDED = 0x7F;
constexpr size_t UNKNOWN_SHOWN_BYTES = 3;
constexpr uint8_t DLE = 0x10;
constexpr uint8_t ESC = 0x1B;
constexpr uint8_t FS = 0x1C;
constexpr uint8_t GS = 0x1D;
constexpr int DENSITY_MIN = 1;
constexpr int DENSITY_MAX = 8;
constexpr int SPEED_MAX = 2;
constexpr int MAX_TAB_COLUMN = 255;
constexpr size_t CUT_WITH_FEED_LENGTH = 4; // GS V m n

bool Printable(uint8_t b) {
    return b >= FIRST_PRINTABLE && b <= LAST_PRINTABLE;
}

std::string HexBytes(const uint8_t* data, size_t length) {
    std::string text;
    char buffer[4];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", data[i]);
        if (i) text += ' ';
        text += buffer;
    }
    return text;
}

} // namespace

const char* ReceiptEndName(ReceiptEnd reason) {
    switch (reason) {
    case ReceiptEnd::Cut:
        return "cut";
    case ReceiptEnd::Idle:
        return "idle";
    case ReceiptEnd::Exit:
        return "exit";
    case ReceiptEnd::LengthLimit:
        return "length limit";
    }
    return "";
}

Interpreter::Interpreter(int paperWidth, InterpreterEvents events)
    : events_(std::move(events)), paper_(paperWidth), line_(paperWidth) {
    ResetText();
    densityBands_.push_back({0, stored_.density});
}

void Interpreter::Log(const std::string& text) {
    if (events_.log) events_.log(text);
}

void Interpreter::LogAt(const std::string& text) {
    Log("offset " + std::to_string(commandOffset_) + ": " + text);
}

void Interpreter::Reply(const uint8_t* data, size_t length) {
    if (events_.reply) events_.reply(data, length);
}

// ---- Commands --------------------------------------------------------------

void Interpreter::LogOnce(const std::string& name, const std::string& text) {
    if (loggedOnce_.insert(name).second) LogAt(text);
}

// One command, text run or two-byte character from data; 0 when it has not
// ended within the bytes there are, which then wait in pending_.
size_t Interpreter::ParseOne(const uint8_t* data, size_t available) {
    const uint8_t first = data[0];
    if (Printable(first) || (first >= HIGH_HALF && !text_.doubleByte))
        return PrintTextRun(data, available);
    if (first >= DOUBLE_BYTE_FIRST && first <= DOUBLE_BYTE_LAST) {
        if (available < 2) {
            HoldUnfinished(nullptr, {}, 0, data, available);
            return 0;
        }
        const uint8_t trail = data[1];
        if (trail >= TRAIL_FIRST && trail <= TRAIL_LAST && trail != TRAIL_EXCLUDED) {
            PrintDoubleByte(first, trail);
            return 2;
        }
        PrintCharacter('?');
        return 1;
    }
    bool needMore = false;
    const CommandEntry* entry = FindCommand(data, available, &needMore);
    // No length is known for an unknown command: a printer skips the introducer
    // and its function byte, or a lone control byte.
    const bool introducer = first == ESC || first == FS || first == GS || first == DLE;
    if (needMore || (entry == nullptr && introducer && available < 2)) {
        HoldUnfinished(nullptr, {}, 0, data, available);
        return 0;
    }
    if (entry == nullptr) {
        const size_t skip = introducer ? 2 : 1;
        LogOnce(HexBytes(data, skip),
                "unknown command " +
                    HexBytes(data, std::min(available, introducer ? UNKNOWN_SHOWN_BYTES : 1)) +
                    ", skipped " + std::to_string(skip) + (skip == 1 ? " byte" : " bytes"));
        return skip;
    }
    lengths::Walk walk;
    const size_t length = entry->measure(lengths::Piece{data, 0, available}, &walk);
    if (length == lengths::NEED_MORE || (length > available && length <= MAX_HELD_COMMAND)) {
        HoldUnfinished(entry, walk, length, data, available);
        return 0;
    }
    if (length > available) {
        SkipTooLong(entry, length, available);
        return available;
    }
    RunCommand(entry, data, length);
    return length;
}

size_t Interpreter::PrintTextRun(const uint8_t* data, size_t available) {
    size_t used = 0;
    while (used < available &&
           (Printable(data[used]) || (data[used] >= HIGH_HALF && !text_.doubleByte)))
        PrintCharacter(data[used++]);
    return used;
}

// ---- Text ------------------------------------------------------------------

void Interpreter::ResetText() {
    text_ = TextSettings{};
    for (int column = PRN_DEFAULT_TAB_COLUMNS;
         column <= PRN_MAX_TAB_STOPS * PRN_DEFAULT_TAB_COLUMNS; column += PRN_DEFAULT_TAB_COLUMNS)
        if (column <= MAX_TAB_COLUMN) text_.tabStops.push_back(static_cast<uint8_t>(column));
    barcode_ = BarcodeSettings{};
    qr_ = QRSettings{};
    pdf417_ = PDF417Settings{};
    dataMatrix_ = DataMatrixSettings{};
}

void Interpreter::RefreshArea() {
    if (!line_.Empty()) return;
    const int left = text_.leftMarginUnits * PRN_MARGIN_UNIT + text_.areaLeftDots;
    const int right = text_.rightMarginUnits * PRN_MARGIN_UNIT;
    int width = paper_.Width() - left - right;
    if (text_.areaWidthDots > 0) width = std::min(width, text_.areaWidthDots);
    // An area that leaves no room for a character is not applied.
    const int minimum = FontFor(0).width * 2;
    if (left >= paper_.Width() || width < minimum) {
        line_.SetArea(0, paper_.Width());
        return;
    }
    line_.SetArea(left, width);
}

int Interpreter::FontIndex() const {
    return (text_.printMode & PRN_MODE_FONT2) ? 1 : text_.font;
}

void Interpreter::PrintCharacter(uint8_t code) {
    RefreshArea();
    const int index = FontIndex();
    const FontFace& font = FontFor(index);
    const CharacterStyle style = Style(false);
    const int width = LineComposer::CellWidth(font.width, font.height, style);
    if (!line_.Fits(width) && !line_.Empty()) {
        PrintLine(text_.lineSpacing);
        RefreshArea();
    }
    line_.PutCharacter(CodePageGlyph(index, text_.codePage, code), font.width, font.height, style);
}

void Interpreter::PrintDoubleByte(uint8_t lead, uint8_t trail) {
    RefreshArea();
    const FontFace& font = FontFor(text_.font);
    const CharacterStyle style = Style(true);
    const int glyphWidth = 2 * font.width;
    const int width = LineComposer::CellWidth(glyphWidth, font.height, style);
    if (!line_.Fits(width) && !line_.Empty()) {
        PrintLine(text_.lineSpacing);
        RefreshArea();
    }
    std::vector<uint32_t> rows;
    if (glyphs_ && glyphs_->DoubleByteGlyph(lead, trail, glyphWidth, font.height, &rows))
        line_.PutCharacter(rows.data(), glyphWidth, font.height, style);
    else
        line_.PutPlaceholder(font, text_.printMode);
}

void Interpreter::OnLineFeed(const uint8_t*, size_t) {
    PrintLine(text_.lineSpacing);
}

void Interpreter::OnCarriageReturn(const uint8_t*, size_t) {}

void Interpreter::OnHorizontalTab(const uint8_t*, size_t) {
    RefreshArea();
    const FontFace& font = FontFor(text_.font);
    const int column = LineComposer::CellWidth(font, text_.printMode);
    for (uint8_t stop : text_.tabStops) {
        const int x = stop * column;
        if (x > line_.Cursor()) {
            if (x <= line_.AreaWidth()) line_.SetCursor(x);
            return;
        }
    }
}

void Interpreter::OnInitialize(const uint8_t*, size_t) {
    if (line_.HasContent()) LogAt("ESC @ discards the unprinted line");
    line_.Discard();
    ResetText();
    for (auto& store : storedSymbols_) store.clear();
}

void Interpreter::OnPrintMode(const uint8_t* command, size_t) {
    text_.printMode = command[2];
}

void Interpreter::OnSelectFont(const uint8_t* command, size_t) {
    const uint8_t n = command[2];
    // Both the numbers and the digit characters select, as printers accept.
    const int font = n >= '0' ? n - '0' : n;
    if (font < FONT_COUNT)
        text_.font = font;
    else
        LogAt("ESC M " + std::to_string(n) + ": no such font, ignored");
}

void Interpreter::OnAlignment(const uint8_t* command, size_t) {
    const uint8_t n = command[2];
    const int value = n >= '0' ? n - '0' : n;
    if (value <= 2)
        text_.alignment = static_cast<Alignment>(value);
    else
        LogAt("ESC a " + std::to_string(n) + ": no such alignment, ignored");
}

void Interpreter::OnLineSpacing(const uint8_t* command, size_t) {
    text_.lineSpacing = command[2];
}

void Interpreter::OnDefaultLineSpacing(const uint8_t*, size_t) {
    text_.lineSpacing = PRN_DEFAULT_LINE_SPACING;
}

void Interpreter::OnLeftMargin(const uint8_t* command, size_t) {
    text_.leftMarginUnits = command[2];
}

void Interpreter::OnRightMargin(const uint8_t* command, size_t) {
    text_.rightMarginUnits = command[2];
}

void Interpreter::OnAbsolutePosition(const uint8_t* command, size_t) {
    RefreshArea();
    const int position = command[2] + 256 * command[3];
    if (position > line_.AreaWidth()) {
        LogAt("ESC $ " + std::to_string(position) + ": beyond the print area, ignored");
        return;
    }
    line_.SetCursor(position);
}

void Interpreter::OnTabStops(const uint8_t* command, size_t length) {
    text_.tabStops.clear();
    for (size_t i = 2; i < length && command[i] != 0; ++i) {
        // Stops must ascend; the first that does not ends the list.
        if (!text_.tabStops.empty() && command[i] <= text_.tabStops.back()) break;
        text_.tabStops.push_back(command[i]);
    }
}

// FS V: a table row. The stops are the column rules (in characters), the cells
// are texts at character positions, cut at the next rule; mode 2 prints the cell
// emphasised.
void Interpreter::OnVerticalTabRow(const uint8_t* command, size_t length) {
    constexpr uint8_t CELL_MODE_EMPHASISED = 2;
    if (line_.HasContent()) PrintLine(0);
    RefreshArea();
    const FontFace& font = FontFor(text_.font);
    const int column = font.width;
    const int rowHeight = std::max(text_.lineSpacing, font.height);
    size_t at = 2;
    const int stops = command[at++];
    const uint8_t* stop = command + at;
    for (int i = 0; i < stops; ++i) line_.PutRule(command[at++] * column, rowHeight);
    const int cells = command[at++];
    const size_t positions = at;
    at += cells;
    for (int cell = 0; cell < cells && at < length; ++cell) {
        const uint8_t mode = command[at++] == CELL_MODE_EMPHASISED ? PRN_MODE_BOLD : 0;
        const int start = command[positions + cell] * column;
        // A cell's text ends at the next rule, as in a table.
        int end = line_.AreaWidth();
        for (int i = 0; i < stops; ++i)
            if (stop[i] * column > start) end = std::min(end, stop[i] * column);
        line_.SetCursor(start);
        while (at < length && command[at] != 0) {
            const uint8_t code = command[at++];
            if (line_.Cursor() + font.width <= end)
                line_.PutGlyph(font, Printable(code) ? code : '?', mode);
        }
        ++at; // NUL
    }
    line_.Reserve(rowHeight);
    PrintLine(text_.lineSpacing);
}

// ---- Set-up kept through ESC @ ----------------------------------------------

void Interpreter::OnDensity(const uint8_t* command, size_t) {
    const int n = command[2];
    if (n < DENSITY_MIN || n > DENSITY_MAX) {
        LogAt("ESC m " + std::to_string(n) + ": density is 1 to 8, ignored");
        return;
    }
    stored_.density = n;
    // From the line being printed on: the one in the line buffer prints with it.
    // Bands are kept by row, so after a back feed the rows below take it too.
    while (!densityBands_.empty() && densityBands_.back().firstRow >= y_) densityBands_.pop_back();
    if (densityBands_.empty() || densityBands_.back().density != n)
        densityBands_.push_back({y_, n});
}

void Interpreter::OnSpeed(const uint8_t* command, size_t) {
    const int n = command[2];
    if (n <= SPEED_MAX)
        stored_.speed = n;
    else
        LogAt("FS s " + std::to_string(n) + ": speed is 0 to 2, ignored");
}

// ---- Paper -------------------------------------------------------------------

void Interpreter::MakeRoom(int rows) {
    if (y_ + rows <= MAX_RECEIPT_ROWS) return;
    LogAt("receipt longer than " + std::to_string(MAX_RECEIPT_ROWS) +
          " dots, continued on a new one");
    EndReceipt(ReceiptEnd::LengthLimit);
}

void Interpreter::Advance(int dots) {
    MakeRoom(dots);
    y_ += std::max(dots, 0);
    dotsFed_ += static_cast<uint64_t>(std::max(dots, 0));
    y_ = std::min(y_, MAX_RECEIPT_ROWS);
    fed_ = std::max(fed_, y_);
    ++paperVersion_;
}

void Interpreter::PrintLine(int feed) {
    if (!line_.HasContent()) {
        line_.Discard();
        Advance(feed);
        return;
    }
    const int height = line_.Height();
    MakeRoom(height);
    paper_.EnsureHeight(y_ + height);
    line_.PrintOnto(paper_, y_, text_.alignment, text_.upsideDown);
    paperInk_ = true;
    Advance(std::max(feed, height));
}

// A block (barcode, symbol) printed at once across the print area, aligned.
void Interpreter::PrintBlock(const PaperBitmap& block) {
    RefreshArea();
    const int area = line_.AreaWidth();
    int x = line_.AreaLeft();
    if (text_.alignment == Alignment::Center) x += (area - block.Width()) / 2;
    if (text_.alignment == Alignment::Right) x += area - block.Width();
    MakeRoom(block.Height());
    paper_.EnsureHeight(y_ + block.Height());
    paper_.OrBitmap(block, x, y_);
    paperInk_ = true;
    Advance(block.Height());
}

void Interpreter::OnPrintAndFeed(const uint8_t* command, size_t) {
    PrintLine(command[2]);
}

void Interpreter::OnPrintAndFeedLines(const uint8_t* command, size_t) {
    PrintLine(command[2] * text_.lineSpacing);
}

void Interpreter::OnBackFeed(const uint8_t* command, size_t) {
    PrintLine(0);
    y_ = std::max(y_ - command[2], 0);
    ++paperVersion_;
}

// GS V: function A cuts at once; B feeds n dots first; C and D feed n dots past
// the cut position (the same paper here).
void Interpreter::OnCut(const uint8_t* command, size_t length) {
    struct CutForm {
        uint8_t m;
        bool full;
    };
    static constexpr CutForm FORMS[] = {{0, true},   {48, true},  {1, false},  {49, false},
                                        {65, true},  {66, false}, {97, true},  {98, false},
                                        {103, true}, {104, false}};
    const uint8_t m = command[2];
    const CutForm* form = nullptr;
    for (const CutForm& candidate : FORMS)
        if (candidate.m == m) form = &candidate;
    if (form == nullptr) {
        LogAt("GS V " + std::to_string(m) + ": no such cut, ignored");
        return;
    }
    if (line_.HasContent()) PrintLine(0);
    if (length == CUT_WITH_FEED_LENGTH) Advance(command[3]);
    LogAt(std::string(form->full ? "full" : "half") + " cut");
    EndReceipt(ReceiptEnd::Cut);
}

void Interpreter::OnUnknownFramed(const uint8_t* command, size_t length) {
    LogOnce(HexBytes(command, UNKNOWN_SHOWN_BYTES),
            "unknown command " + HexBytes(command, UNKNOWN_SHOWN_BYTES) + ", skipped " +
                std::to_string(length) + " bytes");
}

void Interpreter::OnPartialCut(const uint8_t*, size_t) {
    if (line_.HasContent()) PrintLine(0);
    LogAt("half cut");
    EndReceipt(ReceiptEnd::Cut);
}

void Interpreter::EndReceipt(ReceiptEnd reason) {
    const bool printLine = reason == ReceiptEnd::Cut || reason == ReceiptEnd::Exit;
    if (printLine && line_.HasContent()) PrintLine(0);
    if (paperInk_) {
        paper_.EnsureHeight(std::max(fed_, paper_.Height()));
        if (events_.receipt) events_.receipt(paper_, reason);
    }
    paper_.Clear();
    densityBands_.assign(1, {0, stored_.density});
    paperInk_ = false;
    y_ = 0;
    fed_ = 0;
    ++paperVersion_;
}

} // namespace vprinter
