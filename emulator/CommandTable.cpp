// The printer's command table: how long each command is and who handles it. A row
// without a handler is a command this printer knows the length of but does not
// carry out: it is skipped whole and logged once by its name.
#include "emulator/CodePages.h"
#include "emulator/CommandLengths.h"
#include "emulator/SymbolRenderer.h"
#include "emulator/Interpreter.h"

namespace vprinter {

namespace {

constexpr uint8_t HT = 0x09;
constexpr uint8_t LF = 0x0A;
constexpr uint8_t FF = 0x0C;
constexpr uint8_t CR = 0x0D;
constexpr uint8_t DLE = 0x10;
constexpr uint8_t EOT = 0x04;
constexpr uint8_t ENQ = 0x05;
constexpr uint8_t DC4 = 0x14;
constexpr uint8_t CAN = 0x18;
constexpr uint8_t ESC = 0x1B;
constexpr size_t CODE_PAGE_COMMAND = 3; // ESC t n
constexpr uint8_t BARCODE_TYPE_BASE = 0x41; // GS k m n d1..dn from m = 65; below, NUL-ended
constexpr size_t BARCODE_HEADER = 4;        // GS k m n
constexpr size_t OLD_BARCODE_HEADER = 3;    // GS k m
constexpr uint8_t FS = 0x1C;
constexpr uint8_t GS = 0x1D;
constexpr uint8_t SP = 0x20;

using I = Interpreter;
using namespace lengths;

} // namespace

// One row per command, as the printer's manual lists them. A row whose sub byte is
// 0 matches any third byte; rows with a sub byte come first.
const Interpreter::CommandEntry Interpreter::COMMANDS[] = {
    {LF, 0, 0, "LF", Fixed<1>, &I::OnLineFeed},
    {HT, 0, 0, "HT", Fixed<1>, &I::OnHorizontalTab},
    {CR, 0, 0, "CR", Fixed<1>, &I::OnCarriageReturn},
    {FF, 0, 0, "FF", Fixed<1>, nullptr},
    {CAN, 0, 0, "CAN", Fixed<1>, nullptr},
    // Print and character settings.
    {ESC, FF, 0, "ESC FF", Fixed<2>, nullptr},
    {ESC, SP, 0, "ESC SP", Fixed<3>, &I::OnCharacterSpacing},
    {ESC, '!', 0, "ESC !", Fixed<3>, &I::OnPrintMode},
    {ESC, '$', 0, "ESC $", Fixed<4>, &I::OnAbsolutePosition},
    {ESC, '%', 0, "ESC %", Fixed<3>, nullptr},
    {ESC, '&', 0, "ESC &", UserCharacters, nullptr},
    {ESC, '(', 0, "ESC (", Framed<5>, nullptr},
    {ESC, '*', 0, "ESC *", BitImage, &I::OnBitImage},
    {ESC, '-', 0, "ESC -", Fixed<3>, &I::OnUnderline},
    {ESC, '2', 0, "ESC 2", Fixed<2>, &I::OnDefaultLineSpacing},
    {ESC, '3', 0, "ESC 3", Fixed<3>, &I::OnLineSpacing},
    {ESC, '<', 0, "ESC <", Fixed<2>, nullptr},
    {ESC, '=', 0, "ESC =", Fixed<3>, nullptr},
    {ESC, '?', 0, "ESC ?", Fixed<3>, nullptr},
    {ESC, '@', 0, "ESC @", Fixed<2>, &I::OnInitialize},
    {ESC, 'D', 0, "ESC D", TabStops, &I::OnTabStops},
    {ESC, 'E', 0, "ESC E", Fixed<3>, &I::OnEmphasis},
    {ESC, 'G', 0, "ESC G", Fixed<3>, &I::OnEmphasis},
    {ESC, 'J', 0, "ESC J", Fixed<3>, &I::OnPrintAndFeed},
    {ESC, 'K', 0, "ESC K", Fixed<3>, &I::OnBackFeed},
    {ESC, 'L', 0, "ESC L", Fixed<2>, nullptr},
    {ESC, 'M', 0, "ESC M", Fixed<3>, &I::OnSelectFont},
    {ESC, 'Q', 0, "ESC Q", Fixed<3>, &I::OnRightMargin},
    {ESC, 'R', 0, "ESC R", Fixed<3>, nullptr},
    {ESC, 'S', 0, "ESC S", Fixed<2>, nullptr},
    {ESC, 'T', 0, "ESC T", Fixed<3>, nullptr},
    {ESC, 'U', 0, "ESC U", Fixed<3>, nullptr},
    {ESC, 'V', 0, "ESC V", Fixed<3>, &I::OnRotation},
    {ESC, 'W', 0, "ESC W", Fixed<10>, nullptr},
    {ESC, '\\', 0, "ESC \\", Fixed<4>, &I::OnRelativePosition},
    {ESC, 'a', 0, "ESC a", Fixed<3>, &I::OnAlignment},
    {ESC, 'c', 0, "ESC c", SelectSensor, nullptr},
    {ESC, 'd', 0, "ESC d", Fixed<3>, &I::OnPrintAndFeedLines},
    {ESC, 'e', 0, "ESC e", Fixed<3>, nullptr},
    {ESC, 'i', 0, "ESC i", Fixed<2>, &I::OnPartialCut},
    {ESC, 'l', 0, "ESC l", Fixed<3>, &I::OnLeftMargin},
    {ESC, 'm', 0, "ESC m", Fixed<3>, &I::OnDensity},
    {ESC, 'p', 0, "ESC p", Fixed<5>, &I::OnDrawerKick},
    {ESC, 'r', 0, "ESC r", Fixed<3>, nullptr},
    {ESC, 't', 0, "ESC t", Fixed<3>, &I::OnCodePage},
    {ESC, 'u', 0, "ESC u", Fixed<3>, nullptr},
    {ESC, 'v', 0, "ESC v", Fixed<2>, nullptr},
    {ESC, '{', 0, "ESC {", Fixed<3>, &I::OnUpsideDown},
    // Kanji (double-byte) mode and the printer's own FS commands.
    {FS, '!', 0, "FS !", Fixed<3>, nullptr},
    {FS, '&', 0, "FS &", Fixed<2>, &I::OnDoubleByteOn},
    {FS, '(', 'L', "FS ( L", Framed<5>, &I::OnLabelFunction},
    {FS, '(', 0, "FS (", Framed<5>, &I::OnUnknownFramed},
    {FS, '-', 0, "FS -", Fixed<3>, &I::OnDoubleByteUnderline},
    {FS, '.', 0, "FS .", Fixed<2>, &I::OnDoubleByteOff},
    {FS, '2', 0, "FS 2", KanjiCharacter, nullptr},
    {FS, '?', 0, "FS ?", Fixed<4>, nullptr},
    {FS, 'C', 0, "FS C", Fixed<3>, nullptr},
    {FS, 'S', 0, "FS S", Fixed<4>, nullptr},
    {FS, 'V', 0, "FS V", VerticalTabRow, &I::OnVerticalTabRow},
    {FS, 'W', 0, "FS W", Fixed<3>, nullptr},
    {FS, 'g', 0, "FS g", NvUserMemory, nullptr},
    {FS, 'p', 0, "FS p", Fixed<4>, nullptr},
    {FS, 'q', 0, "FS q", NvImages, nullptr},
    {FS, 's', 0, "FS s", Fixed<3>, &I::OnSpeed},
    // GS commands.
    {GS, '!', 0, "GS !", Fixed<3>, &I::OnCharacterSize},
    {GS, '#', 0, "GS #", Fixed<3>, nullptr},
    {GS, '$', 0, "GS $", Fixed<4>, nullptr},
    {GS, '(', 'k', "GS ( k", Framed<5>, &I::OnSymbol},
    {GS, '(', 'E', "GS ( E", Framed<5>, &I::OnSerialSetting},
    {GS, '(', 'L', "GS ( L", Framed<5>, &I::OnGraphics},
    {GS, '(', 0, "GS (", Framed<5>, &I::OnUnknownFramed},
    {GS, '*', 0, "GS *", DownloadedImage, nullptr},
    {GS, '/', 0, "GS /", Fixed<3>, nullptr},
    {GS, '8', 'L', "GS 8 L", LongFramed, &I::OnGraphics},
    {GS, ':', 0, "GS :", Fixed<2>, nullptr},
    {GS, 'B', 0, "GS B", Fixed<3>, &I::OnReverse},
    {GS, 'C', 0, "GS C", Counter, nullptr},
    {GS, 'E', 0, "GS E", Fixed<3>, nullptr},
    {GS, 'H', 0, "GS H", Fixed<3>, &I::OnBarcodeTextPosition},
    {GS, 'I', 0, "GS I", Fixed<3>, &I::OnPrinterId},
    {GS, 'L', 0, "GS L", Fixed<4>, &I::OnAreaLeft},
    {GS, 'P', 0, "GS P", Fixed<4>, nullptr},
    {GS, 'T', 0, "GS T", Fixed<3>, nullptr},
    {GS, 'V', 0, "GS V", Cut, &I::OnCut},
    {GS, 'W', 0, "GS W", Fixed<4>, &I::OnAreaWidth},
    {GS, '\\', 0, "GS \\", Fixed<4>, nullptr},
    {GS, '^', 0, "GS ^", Fixed<5>, nullptr},
    {GS, 'a', 0, "GS a", Fixed<3>, &I::OnAutoStatusBack},
    {GS, 'b', 0, "GS b", Fixed<3>, nullptr},
    {GS, 'c', 0, "GS c", Fixed<2>, nullptr},
    {GS, 'f', 0, "GS f", Fixed<3>, &I::OnBarcodeFont},
    {GS, 'g', 0, "GS g", Fixed<6>, nullptr},
    {GS, 'h', 0, "GS h", Fixed<3>, &I::OnBarcodeHeight},
    {GS, 'j', 0, "GS j", Fixed<3>, nullptr},
    {GS, 'k', 0, "GS k", lengths::Barcode, &I::OnBarcode},
    {GS, 'r', 0, "GS r", Fixed<3>, &I::OnTransmitStatus},
    {GS, 'v', '0', "GS v 0", Fixed<8>, &I::OnRasterImage},
    {GS, 'w', 0, "GS w", Fixed<3>, &I::OnBarcodeWidth},
    {GS, 'z', 0, "GS z", Fixed<5>, nullptr},
    // Real-time commands.
    {DLE, EOT, 0, "DLE EOT", StatusRequest, &I::OnStatusRequest},
    {DLE, ENQ, 0, "DLE ENQ", Fixed<3>, nullptr},
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

bool Interpreter::KnowsCommand(const uint8_t* data, size_t available) {
    bool needMore = false;
    return FindCommand(data, available, &needMore) != nullptr || needMore;
}

std::string Interpreter::CommandRefusal(const uint8_t* data, size_t length) {
    CodePage page;
    if (length == CODE_PAGE_COMMAND && data[0] == ESC && data[1] == 't' &&
        !CodePageFor(data[2], &page))
        return CodePageRefusal(data[2]);
    if (length >= OLD_BARCODE_HEADER && data[0] == GS && data[1] == 'k') {
        const auto* chars = reinterpret_cast<const char*>(data);
        const uint8_t m = data[2];
        const bool counted = m >= BARCODE_TYPE_BASE;
        const int type = counted ? m - BARCODE_TYPE_BASE : m;
        std::string_view bars;
        if (counted && length >= BARCODE_HEADER)
            bars = std::string_view(chars + BARCODE_HEADER, length - BARCODE_HEADER);
        if (!counted) {
            bars = std::string_view(chars + OLD_BARCODE_HEADER, length - OLD_BARCODE_HEADER);
            if (!bars.empty() && bars.back() == '\0') bars.remove_suffix(1);
        }
        const std::string problem = BarcodeDataProblem(type, bars);
        if (!problem.empty())
            return "GS k " + std::string(BarcodeTypeName(type)) + " not printed: " + problem;
    }
    return {};
}

} // namespace vprinter
