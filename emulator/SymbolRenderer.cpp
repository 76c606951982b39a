#include "emulator/SymbolRenderer.h"

#include <zint.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

namespace vprinter {

namespace {

constexpr uint8_t FNC1 = 0xC1;
constexpr uint8_t FNC4 = 0xC4;
constexpr int QUIET_MODULES_2D = 2; // white modules above and below a 2D symbol
constexpr int DM_RECT_FIRST = 25;   // libzint's rectangular DataMatrix sizes
constexpr int DM_RECT_LAST = 30;
constexpr int GS1_AI_DIGITS = 2;
constexpr int QR_LEVEL_HIGHEST = 3; // L, M, Q, H are 0..3 here and 1..4 in libzint
// A PDF417 row: start, left and right indicators and stop around the data columns.
constexpr int PDF417_COLUMN_MODULES = 17;
constexpr int PDF417_FRAME_MODULES = 4 * PDF417_COLUMN_MODULES + 1;

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

struct BarcodeKind {
    const char* name;
    int symbology;
};

constexpr BarcodeKind BARCODE_KINDS[BARCODE_TYPE_COUNT] = {
    {"UPCA", BARCODE_UPCA},       {"UPCE", BARCODE_UPCE},     {"EAN13", BARCODE_EANX},
    {"EAN8", BARCODE_EANX},       {"CODE39", BARCODE_CODE39}, {"ITF25", BARCODE_C25INTER},
    {"CODABAR", BARCODE_CODABAR}, {"CODE93", BARCODE_CODE93}, {"CODE128", BARCODE_CODE128},
    {"EAN128", BARCODE_GS1_128},
};

bool Module(const zint_symbol* symbol, int row, int column) {
    return (symbol->encoded_data[row][column >> 3] >> (column & 7)) & 1;
}

Symbol NewSymbol(int symbology) {
    Symbol symbol(ZBarcode_Create());
    symbol->symbology = symbology;
    symbol->input_mode = DATA_MODE;
    symbol->show_hrt = 1;
    return symbol;
}

int Encode(zint_symbol* symbol, std::string_view data) {
    return ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(data.data()),
                           static_cast<int>(data.size()));
}

// Module squares of size dots, with a quiet zone above and below.
PaperBitmap DrawMatrix(const zint_symbol* symbol, int size, int quiet) {
    PaperBitmap image(symbol->width * size, (symbol->rows + 2 * quiet) * size);
    for (int row = 0; row < symbol->rows; ++row)
        for (int column = 0; column < symbol->width; ++column)
            if (Module(symbol, row, column))
                for (int dy = 0; dy < size; ++dy)
                    for (int dx = 0; dx < size; ++dx)
                        image.Set(column * size + dx, (row + quiet) * size + dy);
    return image;
}

SymbolResult TooWide(int width, int maxWidth) {
    SymbolResult result;
    result.error = "symbol is " + std::to_string(width) + " dots wide, the print area " +
                   std::to_string(maxWidth) + ": not printed";
    return result;
}

SymbolResult Failed(const zint_symbol* symbol) {
    SymbolResult result;
    result.error = symbol->errtxt;
    return result;
}

// GS1-128 from printer data: elements separated by FNC1, each led by its
// application identifier digits.
bool ToGS1(std::string_view data, std::string* out) {
    if (!data.empty() && static_cast<uint8_t>(data[0]) == FNC1) data.remove_prefix(1);
    out->clear();
    size_t start = 0;
    while (start <= data.size()) {
        size_t end = data.find(static_cast<char>(FNC1), start);
        if (end == std::string_view::npos) end = data.size();
        const std::string_view element = data.substr(start, end - start);
        if (element.size() <= GS1_AI_DIGITS) return false;
        for (int i = 0; i < GS1_AI_DIGITS; ++i)
            if (element[i] < '0' || element[i] > '9') return false;
        *out += '[';
        *out += element.substr(0, GS1_AI_DIGITS);
        *out += ']';
        *out += element.substr(GS1_AI_DIGITS);
        start = end + 1;
    }
    return true;
}

// CODE128 data in the form that chooses its code sets: "{A", "{B", "{C" select a
// set, "{1".."{4" are the function characters, "{S" shifts one character, "{{" is
// "{". In set C every byte is a pair of digits (0..99). The printer's own form,
// without a leading "{" and set letter, is taken as it is.
constexpr uint8_t CODE_SET_ESCAPE = '{';
constexpr int CODE_C_PAIRS = 100;

bool IsCodeSetForm(std::string_view data) {
    return data.size() >= 2 && data[0] == CODE_SET_ESCAPE &&
           (data[1] == 'A' || data[1] == 'B' || data[1] == 'C');
}

// Spells the data out as characters (FNC1..FNC4 as bytes C1..C4); false with
// *error set where the form is broken.
bool FromCodeSetForm(std::string_view data, std::string* out, std::string* error) {
    char set = 'B';
    bool shifted = false;
    for (size_t i = 0; i < data.size(); ++i) {
        const auto byte = static_cast<uint8_t>(data[i]);
        if (byte == CODE_SET_ESCAPE) {
            if (i + 1 >= data.size()) {
                *error = "CODE128 data ends after \"{\"";
                return false;
            }
            const char code = data[++i];
            if (code == 'A' || code == 'B' || code == 'C')
                set = code;
            else if (code >= '1' && code <= '4')
                *out += static_cast<char>(FNC1 + (code - '1'));
            else if (code == 'S')
                shifted = true;
            else if (code == static_cast<char>(CODE_SET_ESCAPE))
                *out += static_cast<char>(CODE_SET_ESCAPE);
            else {
                *error = std::string("CODE128 data has \"{") + code + "\", no such code";
                return false;
            }
            continue;
        }
        if (set == 'C' && !shifted) {
            if (byte >= CODE_C_PAIRS) {
                *error = "CODE128 code set C takes bytes 0 to 99";
                return false;
            }
            *out += static_cast<char>('0' + byte / 10);
            *out += static_cast<char>('0' + byte % 10);
        } else {
            *out += static_cast<char>(byte);
        }
        shifted = false;
    }
    return true;
}

// EAN and UPC data as GS k takes it: digits, with or without the check digit (a
// wrong one is refused, never printed as another number); UPC-E also as its six digits
// without number system, or as the UPC-A number it shortens. libzint is handed the
// digits without the check digit: its length alone chooses EAN-8 or EAN-13.
constexpr int UPCA_DIGITS = 11; // without check digit, as are the three below
constexpr int EAN13_DIGITS = 12;
constexpr int EAN8_DIGITS = 7;
constexpr int UPCE_BODY_DIGITS = 6; // without number system and check digit
constexpr char UPCE_NUMBER_SYSTEM = '0';
constexpr int CHECK_WEIGHT_ODD = 3; // the rightmost data digit and every second one
constexpr int DECIMAL = 10;

bool AllDigits(std::string_view data) {
    return std::all_of(data.begin(), data.end(), [](char c) { return c >= '0' && c <= '9'; });
}

char CheckDigit(std::string_view digits) {
    int sum = 0;
    int weight = CHECK_WEIGHT_ODD;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = weight == 1 ? CHECK_WEIGHT_ODD : 1;
    }
    return static_cast<char>('0' + (DECIMAL - sum % DECIMAL) % DECIMAL);
}

// The UPC-A number (11 digits, number system 0) a UPC-E body stands for; its last digit
// says where the zeros left out go.
std::string ExpandUpcE(std::string_view d) {
    const std::string s(d);
    switch (d[5]) {
    case '0':
    case '1':
    case '2':
        return std::string(1, UPCE_NUMBER_SYSTEM) + s.substr(0, 2) + s[5] + "0000" + s.substr(2, 3);
    case '3':
        return std::string(1, UPCE_NUMBER_SYSTEM) + s.substr(0, 3) + "00000" + s.substr(3, 2);
    case '4':
        return std::string(1, UPCE_NUMBER_SYSTEM) + s.substr(0, 4) + "00000" + s[4];
    default:
        return std::string(1, UPCE_NUMBER_SYSTEM) + s.substr(0, 5) + "0000" + s[5];
    }
}

// The UPC-E body of an 11-digit UPC-A number, or nothing when it has too few zeros.
std::optional<std::string> ShortenUpcA(std::string_view a) {
    const std::string_view m = a.substr(1, 5); // manufacturer
    const std::string_view p = a.substr(6, 5); // product
    std::string body;
    if (m[2] <= '2' && m.substr(3) == "00" && p.substr(0, 2) == "00")
        body = std::string(m.substr(0, 2)) + std::string(p.substr(2)) + m[2];
    else if (m.substr(3) == "00" && p.substr(0, 3) == "000")
        body = std::string(m.substr(0, 3)) + std::string(p.substr(3)) + '3';
    else if (m[4] == '0' && p.substr(0, 4) == "0000")
        body = std::string(m.substr(0, 4)) + p[4] + '4';
    else if (p.substr(0, 4) == "0000" && p[4] >= '5')
        body = std::string(m) + p[4];
    else
        return std::nullopt;
    if (ExpandUpcE(body) != a) return std::nullopt;
    return body;
}

// True when the last digit is the check digit of the ones before it; *error says
// otherwise. `number` is what the check digit is computed over.
bool CheckDigitMatches(std::string_view number, char given, std::string* error) {
    const char expected = CheckDigit(number);
    if (given == expected) return true;
    *error = std::string("check digit ") + given + " is wrong, the data's is " + expected;
    return false;
}

// *out: the digits libzint takes (UPC-E: number system and body); false with *error set
// where GS k would not take the data.
bool RetailDigits(int type, std::string_view data, std::string* out, std::string* error) {
    const std::string name = BARCODE_KINDS[type].name;
    const std::string count = std::to_string(data.size());
    if (!AllDigits(data)) {
        *error = name + " takes the digits 0 to 9 only";
        return false;
    }
    if (type != BARCODE_TYPE_UPCE) {
        const size_t digits = type == BARCODE_TYPE_UPCA    ? UPCA_DIGITS
                              : type == BARCODE_TYPE_EAN13 ? EAN13_DIGITS
                                                           : EAN8_DIGITS;
        if (data.size() != digits && data.size() != digits + 1) {
            *error = name + " takes " + std::to_string(digits) + " or " +
                     std::to_string(digits + 1) + " digits, not " + count;
            return false;
        }
        *out = std::string(data.substr(0, digits));
        return data.size() == digits || CheckDigitMatches(*out, data.back(), error);
    }
    // UPC-E: 6 (number system 0 understood), 7 and 8 (with it and the check digit),
    // 11 and 12 (the UPC-A number, shortened here).
    const size_t n = data.size();
    if (n != UPCE_BODY_DIGITS && n != UPCE_BODY_DIGITS + 1 && n != UPCE_BODY_DIGITS + 2 &&
        n != UPCA_DIGITS && n != UPCA_DIGITS + 1) {
        *error = name + " takes 6, 7, 8, 11 or 12 digits, not " + count;
        return false;
    }
    if (n > UPCE_BODY_DIGITS && data[0] != UPCE_NUMBER_SYSTEM) {
        *error = name + " number system is 0: the first digit must be 0";
        return false;
    }
    std::string body;
    if (n <= UPCE_BODY_DIGITS + 2) {
        body = std::string(data.substr(n == UPCE_BODY_DIGITS ? 0 : 1, UPCE_BODY_DIGITS));
        if (n == UPCE_BODY_DIGITS + 2 && !CheckDigitMatches(ExpandUpcE(body), data.back(), error))
            return false;
    } else {
        const std::string_view number = data.substr(0, UPCA_DIGITS);
        if (n == UPCA_DIGITS + 1 && !CheckDigitMatches(number, data.back(), error)) return false;
        const std::optional<std::string> shortened = ShortenUpcA(number);
        if (!shortened) {
            *error = name + ": " + std::string(number) + " has too few zeros to be shortened";
            return false;
        }
        body = *shortened;
    }
    *out = UPCE_NUMBER_SYSTEM + body;
    return true;
}

// CODE39 as tills often send it, between its start and stop characters "*": the
// printer draws those itself.
constexpr char CODE39_START_STOP = '*';

bool IsRetailType(int type) {
    return type == BARCODE_TYPE_UPCA || type == BARCODE_TYPE_UPCE || type == BARCODE_TYPE_EAN13 ||
           type == BARCODE_TYPE_EAN8;
}

} // namespace

const char* BarcodeTypeName(int type) {
    return type >= 0 && type < BARCODE_TYPE_COUNT ? BARCODE_KINDS[type].name : "?";
}

std::string BarcodeDataProblem(int type, std::string_view data) {
    std::string digits;
    std::string error;
    if (IsRetailType(type)) RetailDigits(type, data, &digits, &error);
    return error;
}

SymbolResult RenderBarcode(int type, std::string_view data, int moduleWidth, int height,
                           int maxWidth) {
    SymbolResult result;
    if (type < 0 || type >= BARCODE_TYPE_COUNT) {
        result.error = "no such barcode type";
        return result;
    }
    moduleWidth = std::max(moduleWidth, 1);
    std::string input(data);
    if (type == BARCODE_TYPE_CODE128 && IsCodeSetForm(data)) {
        input.clear();
        if (!FromCodeSetForm(data, &input, &result.error)) return result;
    }
    if (IsRetailType(type) && !RetailDigits(type, data, &input, &result.error)) return result;
    if (type == BARCODE_TYPE_CODE39 && input.size() >= 2 && input.front() == CODE39_START_STOP &&
        input.back() == CODE39_START_STOP)
        input = input.substr(1, input.size() - 2);
    Symbol symbol = NewSymbol(BARCODE_KINDS[type].symbology);
    if (type == BARCODE_TYPE_CODABAR && !input.empty()) {
        // a..d start and stop characters are the same as A..D.
        for (char* c : {&input.front(), &input.back()})
            if (*c >= 'a' && *c <= 'd') *c = static_cast<char>(*c - 'a' + 'A');
    }
    bool gs1 = type == BARCODE_TYPE_EAN128 || (type == BARCODE_TYPE_CODE128 && !input.empty() &&
                                               static_cast<uint8_t>(input[0]) == FNC1);
    if (gs1) {
        std::string elements;
        if (ToGS1(input, &elements)) {
            symbol->symbology = BARCODE_GS1_128;
            symbol->input_mode = GS1_MODE | GS1NOCHECK_MODE;
            input = elements;
        } else {
            symbol->symbology = BARCODE_CODE128;
            result.note = "data has no application identifiers: printed as CODE128";
            gs1 = false;
        }
    }
    if (symbol->symbology == BARCODE_CODE128) {
        const size_t before = input.size();
        std::erase_if(input, [](char c) {
            const auto b = static_cast<uint8_t>(c);
            return b >= FNC1 && b <= FNC4;
        });
        if (input.size() != before) result.note = "function characters left out";
    }
    if (Encode(symbol.get(), input) >= ZINT_ERROR) {
        result.error = symbol->errtxt;
        return result;
    }
    const int width = symbol->width * moduleWidth;
    if (width > maxWidth) return TooWide(width, maxWidth);
    result.image = PaperBitmap(width, std::max(height, 1));
    PaperBitmap line(width, 1);
    for (int column = 0; column < symbol->width; ++column)
        if (Module(symbol.get(), 0, column))
            for (int dx = 0; dx < moduleWidth; ++dx) line.Set(column * moduleWidth + dx, 0);
    for (int y = 0; y < result.image.Height(); ++y) result.image.OrBits(y, 0, line.Row(0), width);
    result.text = reinterpret_cast<const char*>(symbol->text);
    if (gs1) std::erase_if(result.text, [](char c) { return c == '[' || c == ']'; });
    result.ok = true;
    return result;
}

SymbolResult RenderQRCode(std::string_view data, const QRSettings& settings, int maxWidth) {
    Symbol symbol = NewSymbol(BARCODE_QRCODE);
    symbol->option_1 = std::clamp(settings.errorLevel, 0, QR_LEVEL_HIGHEST) + 1;
    symbol->option_2 = settings.version >= 1 && settings.version <= 40 ? settings.version : 0;
    std::string note;
    if (Encode(symbol.get(), data) >= ZINT_ERROR) {
        if (symbol->option_2 == 0) return Failed(symbol.get());
        // The data needs a larger version than the one set: take the smallest that fits.
        note = "data does not fit version " + std::to_string(settings.version) +
               ": printed in a larger version";
        symbol = NewSymbol(BARCODE_QRCODE);
        symbol->option_1 = std::clamp(settings.errorLevel, 0, QR_LEVEL_HIGHEST) + 1;
        if (Encode(symbol.get(), data) >= ZINT_ERROR) return Failed(symbol.get());
    }
    const int size = std::max(settings.moduleSize, 1);
    if (symbol->width * size > maxWidth) return TooWide(symbol->width * size, maxWidth);
    SymbolResult result;
    result.image = DrawMatrix(symbol.get(), size, QUIET_MODULES_2D);
    result.note = note;
    result.ok = true;
    return result;
}

SymbolResult RenderPDF417(std::string_view data, const PDF417Settings& settings, int maxWidth) {
    const bool truncated = settings.rows == 1 || settings.truncated;
    auto configure = [&](zint_symbol* symbol, bool shape) {
        symbol->option_1 =
            settings.errorLevel >= 0 && settings.errorLevel <= 8 ? settings.errorLevel : -1;
        if (!shape) return;
        symbol->option_2 = std::clamp(settings.columns, 0, 30);
        symbol->option_3 = settings.rows >= 3 && settings.rows <= 90 ? settings.rows : 0;
    };
    const int symbology = truncated ? BARCODE_PDF417COMP : BARCODE_PDF417;
    Symbol symbol = NewSymbol(symbology);
    configure(symbol.get(), true);
    std::string note;
    if (Encode(symbol.get(), data) >= ZINT_ERROR) {
        note = "data does not fit the rows and columns set: printer chose them";
        symbol = NewSymbol(symbology);
        configure(symbol.get(), false);
        if (Encode(symbol.get(), data) >= ZINT_ERROR) return Failed(symbol.get());
    }
    const int module = std::max(settings.moduleWidth, 1);
    const int rowHeight = std::max(settings.rowHeight, 1) * module;
    if (symbol->width * module > maxWidth && settings.columns == 0) {
        // Columns left to the printer: as many as the paper takes.
        const int columns = (maxWidth / module - PDF417_FRAME_MODULES) / PDF417_COLUMN_MODULES;
        if (columns >= 1) {
            Symbol narrower = NewSymbol(symbology);
            configure(narrower.get(), true);
            narrower->option_2 = columns;
            if (Encode(narrower.get(), data) < ZINT_ERROR) symbol = std::move(narrower);
        }
    }
    const int width = symbol->width * module;
    if (width > maxWidth) return TooWide(width, maxWidth);
    const int quiet = QUIET_MODULES_2D * module;
    SymbolResult result;
    result.image = PaperBitmap(width, symbol->rows * rowHeight + 2 * quiet);
    PaperBitmap line(width, 1);
    for (int row = 0; row < symbol->rows; ++row) {
        line.ClearRows(0, 1);
        for (int column = 0; column < symbol->width; ++column)
            if (Module(symbol.get(), row, column))
                for (int dx = 0; dx < module; ++dx) line.Set(column * module + dx, 0);
        for (int dy = 0; dy < rowHeight; ++dy)
            result.image.OrBits(quiet + row * rowHeight + dy, 0, line.Row(0), width);
    }
    result.note = note;
    result.ok = true;
    return result;
}

SymbolResult RenderDataMatrix(std::string_view data, const DataMatrixSettings& settings,
                              int maxWidth) {
    auto attempt = [&](int size, int shape) {
        Symbol symbol = NewSymbol(BARCODE_DATAMATRIX);
        symbol->option_2 = size;
        symbol->option_3 = shape;
        const bool ok = Encode(symbol.get(), data) < ZINT_ERROR;
        return std::make_pair(ok, std::move(symbol));
    };
    std::pair<bool, Symbol> done{false, nullptr};
    std::string note;
    const int size = settings.size;
    if (size >= 1 && size <= PRN_DM_FIXED_SIZES) {
        done = attempt(size, 0);
        if (!done.first)
            note =
                "data does not fit size " + std::to_string(size) + ": printer chose a square size";
    } else if (size == PRN_DM_RECT_AUTO) {
        for (int rect = DM_RECT_FIRST; rect <= DM_RECT_LAST && !done.first; ++rect)
            done = attempt(rect, 0);
        if (!done.first) note = "data does not fit a rectangle: printer chose a square size";
    } else if (size == PRN_DM_SHAPE_AUTO) {
        done = attempt(0, 0);
    } else if (size != PRN_DM_SQUARE_AUTO) {
        note = "no size " + std::to_string(size) + ": printer chose a square size";
    }
    if (!done.first) done = attempt(0, DM_SQUARE);
    if (!done.first) return Failed(done.second.get());
    const zint_symbol* symbol = done.second.get();
    const int module = std::max(settings.moduleSize, 1);
    if (symbol->width * module > maxWidth) return TooWide(symbol->width * module, maxWidth);
    SymbolResult result;
    result.image = DrawMatrix(symbol, module, QUIET_MODULES_2D);
    result.note = note;
    result.ok = true;
    return result;
}

} // namespace vprinter
