#pragma once
// What the printer remembers between commands: the character and layout settings
// that ESC @ restores, the symbol parameters, and the settings kept in its
// non-volatile memory (density, speed, serial interface, label set-up).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vprinter {

constexpr int PRN_DPI = 203;
constexpr int PRN_DOTS_PER_MM = 8;           // 203 dpi, rounded as the printer's manual does
constexpr int PRN_WIDTH_58MM = 384;          // printable dots of 58 mm paper
constexpr int PRN_WIDTH_80MM = 576;          // printable dots of 80 mm paper
constexpr int PRN_DEFAULT_LINE_SPACING = 30; // dots
constexpr int PRN_MARGIN_UNIT = 8;           // ESC l / ESC Q count in 1 mm steps of 8 dots
constexpr int PRN_DEFAULT_TAB_COLUMNS = 8;   // a tab stop every 8 characters after ESC @
constexpr int PRN_MAX_TAB_STOPS = 32;
// Blank paper beside the printable width, shown in receipt pictures: 58 mm paper
// is 464 dots wide around 384 printable ones, 80 mm paper 640 around 576.
constexpr int PRN_PAPER_MARGIN_58MM = 40;
constexpr int PRN_PAPER_MARGIN_80MM = 32;
inline int PaperMargin(int printableWidth) {
    return printableWidth <= PRN_WIDTH_58MM ? PRN_PAPER_MARGIN_58MM : PRN_PAPER_MARGIN_80MM;
}

// ESC ! print-mode bits.
constexpr uint8_t PRN_MODE_FONT2 = 0x01;
constexpr uint8_t PRN_MODE_ITALIC = 0x02;
constexpr uint8_t PRN_MODE_FRAME = 0x04;
constexpr uint8_t PRN_MODE_BOLD = 0x08;
constexpr uint8_t PRN_MODE_DOUBLE_HEIGHT = 0x10;
constexpr uint8_t PRN_MODE_DOUBLE_WIDTH = 0x20;
constexpr uint8_t PRN_MODE_HIGHLIGHT = 0x40;
constexpr uint8_t PRN_MODE_UNDERSCORE = 0x80;

// Status byte bits (DLE EOT answer and automatic status back).
constexpr uint8_t PRN_STATUS_OVERVOLTAGE = 0x01;
constexpr uint8_t PRN_STATUS_PLATEN_UP = 0x02;
constexpr uint8_t PRN_STATUS_PAPER_END = 0x04;
constexpr uint8_t PRN_STATUS_OVERHEAT = 0x08;
constexpr uint8_t PRN_STATUS_CUTTER = 0x20;
constexpr uint8_t PRN_STATUS_ALL = 0x2F;

// Responses: 37, identifier, text, 00.
constexpr uint8_t PRN_RESPONSE_HEADER = 0x37;
constexpr uint8_t PRN_RESPONSE_SENSOR = 0x64;

// GS H text positions.
constexpr uint8_t PRN_HRI_NONE = 0;
constexpr uint8_t PRN_HRI_ABOVE = 1;
constexpr uint8_t PRN_HRI_BELOW = 2;
constexpr uint8_t PRN_HRI_BOTH = 3;

// Flow-control values of GS ( E function 0B, item 03.
constexpr uint8_t PRN_FLOW_NONE = 0x00;
constexpr uint8_t PRN_FLOW_RTS_CTS = 0x30;
constexpr uint8_t PRN_FLOW_XON_XOFF = 0x31;

// DataMatrix sizes beyond the fixed ones.
constexpr int PRN_DM_FIXED_SIZES = 30;
constexpr int PRN_DM_SQUARE_AUTO = 33;
constexpr int PRN_DM_RECT_AUTO = 34;
constexpr int PRN_DM_SHAPE_AUTO = 35;

enum class Alignment : uint8_t { Left = 0, Center = 1, Right = 2 };

// ESC t code pages this printer has glyphs for.
enum class CodePage : uint8_t { CP437, CP850, CP858, CP866, CP1252, CP852, Count };

struct TextSettings {
    int font = 0;
    uint8_t printMode = 0;
    int underlineDots = 0;       // ESC -: 0, 1 or 2 dots
    int doubleByteUnderline = 0; // FS -: the same for two-byte characters
    int scaleX = 1;              // GS !: 1 to 8
    int scaleY = 1;
    bool reverse = false;        // GS B: white on black
    bool upsideDown = false;     // ESC {
    bool rotated = false;        // ESC V: characters turned 90 degrees clockwise
    int characterSpacing = 0;    // ESC SP: dots right of each character
    int areaLeftDots = 0;        // GS L
    int areaWidthDots = 0;       // GS W; 0: to the right edge
    CodePage codePage = CodePage::CP437;
    bool doubleByte = true;      // two-byte (Chinese) characters, as this printer starts
    int lineSpacing = PRN_DEFAULT_LINE_SPACING;
    int leftMarginUnits = 0;
    int rightMarginUnits = 0;
    Alignment alignment = Alignment::Left;
    std::vector<uint8_t> tabStops; // in character columns, ascending
};

struct BarcodeSettings {
    int height = 162;    // dots
    int moduleWidth = 3; // dots
    uint8_t hriPosition = PRN_HRI_NONE;
    int hriFont = 0; // GS f
};

struct QRSettings {
    int version = 0;    // 0: smallest that fits
    int moduleSize = 3; // dots
    int errorLevel = 0; // 0..3: L, M, Q, H
};

struct PDF417Settings {
    int columns = 0;     // 0: automatic
    int rows = 0;        // 0: automatic, 1: truncated symbol
    int moduleWidth = 3; // dots
    int rowHeight = 3;   // in module widths
    int errorLevel = -1; // -1: automatic
    bool truncated = false; // fn 0x46 option 1
};

struct DataMatrixSettings {
    int size = PRN_DM_SQUARE_AUTO;
    int moduleSize = 3;
};

// Conditions that a person or a test switches on the virtual printer.
struct Conditions {
    bool overVoltage = false;
    bool platenUp = false;
    bool paperEnd = false;
    bool overheat = false;
    bool cutterError = false;

    uint8_t StatusByte() const {
        return static_cast<uint8_t>(
            (overVoltage ? PRN_STATUS_OVERVOLTAGE : 0) | (platenUp ? PRN_STATUS_PLATEN_UP : 0) |
            (paperEnd ? PRN_STATUS_PAPER_END : 0) | (overheat ? PRN_STATUS_OVERHEAT : 0) |
            (cutterError ? PRN_STATUS_CUTTER : 0));
    }
};

// The print density (ESC m) of the paper's rows from firstRow down to the next
// band: a printer heats its dots with the density in force when it prints them.
struct DensityBand {
    int firstRow = 0;
    int density = 4;
    bool operator==(const DensityBand&) const = default;
};

// Settings the printer keeps through ESC @ and reports on request.
struct StoredSettings {
    int density = 4; // ESC m, 1..8
    int speed = 1;   // FS s, 0..2
    uint32_t baudRate = 9600;
    uint8_t flowControl = PRN_FLOW_NONE;
    uint8_t autoStatusMask = 0; // GS a: condition bits reported on change
    int layoutMode = 1;
    bool layoutSet = false; // a paper layout came from the host
    std::string layoutText = "0;8;8;0;-8;384;";
    std::string thresholdText = "75;105;850;940;";
    std::array<int, 3> distancesMm = {0, 68, 0}; // tear offset, label pitch, cut offset
    int sensorValue = 512;
};

} // namespace vprinter
