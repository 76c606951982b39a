// The printer's command table: how long each command is and who handles it.
#include "emulator/Interpreter.h"

namespace vprinter {

namespace {

constexpr uint8_t HT = 0x09;
constexpr uint8_t LF = 0x0A;
constexpr uint8_t CR = 0x0D;
constexpr uint8_t DLE = 0x10;
constexpr uint8_t EOT = 0x04;
constexpr uint8_t DC4 = 0x14;
constexpr uint8_t ESC = 0x1B;
constexpr uint8_t FS = 0x1C;
constexpr uint8_t GS = 0x1D;
constexpr uint8_t NUL = 0x00;
constexpr size_t NEED_MORE = 0;
constexpr size_t MAX_TEXT_FIELD = 255; // a NUL-ended field ends here if no NUL comes

size_t Word(const uint8_t* at) {
    return at[0] + 256u * at[1];
}

template <size_t N> size_t Fixed(const uint8_t*, size_t available) {
    return available >= N ? N : NEED_MORE;
}

// pL pH at header - 2 count the bytes after the header.
template <size_t HEADER> size_t Framed(const uint8_t* data, size_t available) {
    if (available < HEADER) return NEED_MORE;
    const size_t total = HEADER + Word(data + HEADER - 2);
    return available >= total ? total : NEED_MORE;
}

// ESC D n1 .. nk NUL: at most 32 stops.
size_t TabStops(const uint8_t* data, size_t available) {
    for (size_t i = 2; i < available; ++i) {
        if (data[i] == NUL) return i + 1;
        if (i - 2 + 1 == PRN_MAX_TAB_STOPS) return i + 1;
    }
    return NEED_MORE;
}

// ESC * m nL nH, then (nL + 256 nH) columns of m / 16 + 1 bytes.
size_t BitImage(const uint8_t* data, size_t available) {
    if (available < 5) return NEED_MORE;
    const size_t total = 5 + Word(data + 3) * (data[2] / 16 + 1u);
    return available >= total ? total : NEED_MORE;
}

// GS k m n d1..dn (m from 0x41), or GS k m d1..dk NUL (m below 0x41).
size_t BarcodeLength(const uint8_t* data, size_t available) {
    if (available < 3) return NEED_MORE;
    if (data[2] >= 0x41) {
        if (available < 4) return NEED_MORE;
        const size_t total = 4 + data[3];
        return available >= total ? total : NEED_MORE;
    }
    for (size_t i = 3; i < available; ++i)
        if (data[i] == NUL || i - 3 == MAX_TEXT_FIELD) return i + 1;
    return NEED_MORE;
}

// FS V n s1..sn k p1..pk, then k times: mode, text, NUL.
size_t VerticalTabRow(const uint8_t* data, size_t available) {
    size_t at = 3;
    if (available < at) return NEED_MORE;
    at += data[2];
    if (available < at + 1) return NEED_MORE;
    const size_t cells = data[at];
    at += 1 + cells;
    for (size_t cell = 0; cell < cells; ++cell) {
        ++at; // mode
        size_t text = 0;
        for (;;) {
            if (available <= at) return NEED_MORE;
            if (data[at++] == NUL || ++text == MAX_TEXT_FIELD) break;
        }
    }
    return available >= at ? at : NEED_MORE;
}

// GS V m, with the feed amount n after m = 65 or 66.
size_t Cut(const uint8_t* data, size_t available) {
    if (available < 3) return NEED_MORE;
    const size_t total = (data[2] == 65 || data[2] == 66) ? 4 : 3;
    return available >= total ? total : NEED_MORE;
}

// DLE DC4 fn: buffer clear (fn 8) carries seven fixed bytes, fn 1, 2 and 7 two.
size_t RealtimeRequest(const uint8_t* data, size_t available) {
    if (available < 3) return NEED_MORE;
    size_t total = 3;
    if (data[2] == 8) total = 10;
    if (data[2] == 1 || data[2] == 2 || data[2] == 7) total = 5;
    return available >= total ? total : NEED_MORE;
}

using I = Interpreter;

} // namespace

// One row per command, as the printer's manual lists them. A row whose sub byte is
// 0 matches any third byte; rows with a sub byte come first.
const Interpreter::CommandEntry Interpreter::COMMANDS[] = {
    {LF, 0, 0, "LF", Fixed<1>, &I::OnLineFeed},
    {HT, 0, 0, "HT", Fixed<1>, &I::OnHorizontalTab},
    {CR, 0, 0, "CR", Fixed<1>, &I::OnCarriageReturn},
    {ESC, '@', 0, "ESC @", Fixed<2>, &I::OnInitialize},
    {ESC, '!', 0, "ESC !", Fixed<3>, &I::OnPrintMode},
    {ESC, 'M', 0, "ESC M", Fixed<3>, &I::OnSelectFont},
    {ESC, 'a', 0, "ESC a", Fixed<3>, &I::OnAlignment},
    {ESC, '3', 0, "ESC 3", Fixed<3>, &I::OnLineSpacing},
    {ESC, '2', 0, "ESC 2", Fixed<2>, &I::OnDefaultLineSpacing},
    {ESC, 'l', 0, "ESC l", Fixed<3>, &I::OnLeftMargin},
    {ESC, 'Q', 0, "ESC Q", Fixed<3>, &I::OnRightMargin},
    {ESC, '$', 0, "ESC $", Fixed<4>, &I::OnAbsolutePosition},
    {ESC, 'D', 0, "ESC D", TabStops, &I::OnTabStops},
    {ESC, 'm', 0, "ESC m", Fixed<3>, &I::OnDensity},
    {ESC, 'J', 0, "ESC J", Fixed<3>, &I::OnPrintAndFeed},
    {ESC, 'd', 0, "ESC d", Fixed<3>, &I::OnPrintAndFeedLines},
    {ESC, 'K', 0, "ESC K", Fixed<3>, &I::OnBackFeed},
    {ESC, '*', 0, "ESC *", BitImage, &I::OnBitImage},
    {FS, 's', 0, "FS s", Fixed<3>, &I::OnSpeed},
    {FS, 'V', 0, "FS V", VerticalTabRow, &I::OnVerticalTabRow},
    {FS, '(', 'L', "FS ( L", Framed<5>, &I::OnLabelFunction},
    {FS, '(', 0, "FS (", Framed<5>, &I::OnUnknownFramed},
    {GS, 'V', 0, "GS V", Cut, &I::OnCut},
    {GS, 'h', 0, "GS h", Fixed<3>, &I::OnBarcodeHeight},
    {GS, 'w', 0, "GS w", Fixed<3>, &I::OnBarcodeWidth},
    {GS, 'H', 0, "GS H", Fixed<3>, &I::OnBarcodeTextPosition},
    {GS, 'k', 0, "GS k", BarcodeLength, &I::OnBarcode},
    {GS, '(', 'k', "GS ( k", Framed<5>, &I::OnSymbol},
    {GS, '(', 'E', "GS ( E", Framed<5>, &I::OnSerialSetting},
    {GS, '(', 0, "GS (", Framed<5>, &I::OnUnknownFramed},
    {GS, 'v', '0', "GS v 0", Fixed<8>, &I::OnRasterImage},
    {GS, 'a', 0, "GS a", Fixed<3>, &I::OnAutoStatusBack},
    {DLE, EOT, 0, "DLE EOT", Fixed<3>, &I::OnStatusRequest},
    {DLE, DC4, 0, "DLE DC4", RealtimeRequest, &I::OnRealtimeRequest},
};

const Interpreter::CommandEntry* Interpreter::FindCommand(const uint8_t* data, size_t available,
                                                          bool* needMore) {
    *needMore = false;
    for (const CommandEntry& entry : COMMANDS) {
        if (entry.prefix != data[0]) continue;
        if (entry.code == 0) return &entry; // single-byte command
        if (available < 2) {
            *needMore = true;
            return nullptr;
        }
        if (entry.code != data[1]) continue;
        if (entry.sub == 0) return &entry;
        if (available < 3) {
            *needMore = true;
            return nullptr;
        }
        if (entry.sub == data[2]) return &entry;
    }
    return nullptr;
}

} // namespace vprinter
