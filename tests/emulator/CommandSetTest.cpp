// The receipt command set byte stream by byte stream: every command's length, the
// character styles as they show on paper, code pages, barcodes in both forms,
// graphics, cuts and the answers the printer sends.
#include "emulator/CodePages.h"
#include "emulator/OfflineRender.h"
#include "tests/emulator/DecodeSupport.h"
#include "tests/emulator/PrinterFixture.h"

#include <gtest/gtest.h>

using namespace vprinter;
using ZXing::BarcodeFormat;

namespace {

PaperBitmap Print(const std::string& bytes, std::vector<std::string>* log = nullptr) {
    PrinterFixture f;
    f.Send(bytes);
    PaperBitmap paper = f.Finish();
    if (log) *log = f.log;
    return paper;
}

// Black dots in the rectangle.
int CountBlack(const PaperBitmap& paper, int x0, int y0, int width, int height) {
    int count = 0;
    for (int y = y0; y < y0 + height && y < paper.Height(); ++y)
        for (int x = x0; x < x0 + width && x < paper.Width(); ++x) count += paper.Get(x, y);
    return count;
}

int LastInkRow(const PaperBitmap& paper) {
    for (int y = paper.Height() - 1; y >= 0; --y)
        if (CountBlack(paper, 0, y, paper.Width(), 1)) return y;
    return -1;
}

std::string Framed(std::initializer_list<int> head, const std::string& body) {
    std::string bytes = Bytes(head);
    bytes += static_cast<char>(body.size() & 0xFF);
    bytes += static_cast<char>(body.size() >> 8);
    return bytes + body;
}

} // namespace

// Every command this printer knows the length of but does not carry out is skipped
// whole: none of its parameter bytes (all "A" here) is printed as text.
TEST(CommandLengths, KnownCommandsAreSkippedWhole) {
    const std::string a(80, 'A');
    const std::string longFramed = Bytes({0x1D, 0x38, 0x4C, 4, 0, 0, 0, 0x30, 0x43}) + "AA";
    const std::vector<std::string> commands = {
        Bytes({0x0C}),
        Bytes({0x18}),
        Bytes({0x1B, 0x0C}),
        Bytes({0x1B, 0x25, 'A'}),
        Bytes({0x1B, 0x26, 3, 'A', 'B', 2, 'A', 'A', 'A', 'A', 'A', 'A', 1, 'A', 'A', 'A'}),
        Framed({0x1B, 0x28, 'A'}, "AAAA"),
        Bytes({0x1B, 0x3C}),
        Bytes({0x1B, 0x3D, 'A'}),
        Bytes({0x1B, 0x3F, 'A'}),
        Bytes({0x1B, 0x4C}),
        Bytes({0x1B, 0x52, 'A'}),
        Bytes({0x1B, 0x53}),
        Bytes({0x1B, 0x54, 'A'}),
        Bytes({0x1B, 0x55, 'A'}),
        Bytes({0x1B, 0x57, 'A', 'A', 'A', 'A', 'A', 'A', 'A', 'A'}),
        Bytes({0x1B, 0x63, 0x33, 'A'}),
        Bytes({0x1B, 0x63, 0x35, 'A'}),
        Bytes({0x1B, 0x65, 'A'}),
        Bytes({0x1B, 0x72, 'A'}),
        Bytes({0x1B, 0x74, 'A'}), // no such code page: logged, skipped
        Bytes({0x1B, 0x75, 'A'}),
        Bytes({0x1B, 0x76}),
        Bytes({0x1C, 0x21, 'A'}),
        Bytes({0x1C, 0x32, 'A', 'A'}) + std::string(72, 'A'),
        Bytes({0x1C, 0x3F, 'A', 'A'}),
        Bytes({0x1C, 0x43, 'A'}),
        Bytes({0x1C, 0x53, 'A', 'A'}),
        Bytes({0x1C, 0x57, 'A'}),
        Bytes({0x1C, 0x67, 0x31, 'A', 'A', 'A', 'A', 'A', 3, 0}) + "AAA",
        Bytes({0x1C, 0x67, 0x32, 'A', 'A', 'A', 'A', 'A', 3, 0}),
        Bytes({0x1C, 0x70, 'A', 'A'}),
        Bytes({0x1C, 0x71, 1, 1, 0, 2, 0}) + std::string(16, 'A'),
        Framed({0x1C, 0x28, 'A'}, "AAAAA"),
        Bytes({0x1D, 0x23, 'A'}),
        Bytes({0x1D, 0x24, 'A', 'A'}),
        Framed({0x1D, 0x28, 'A'}, "AAAA"),
        Framed({0x1D, 0x28, 'L'}, Bytes({0x30, 0x41}) + "AA"),
        longFramed,
        Bytes({0x1D, 0x2A, 1, 2}) + std::string(16, 'A'),
        Bytes({0x1D, 0x2F, 'A'}),
        Bytes({0x1D, 0x3A}),
        Bytes({0x1D, 0x43, 0x30, 'A', 'A'}),
        Bytes({0x1D, 0x43, 0x31, 'A', 'A', 'A', 'A', 'A', 'A'}),
        Bytes({0x1D, 0x43, 0x3B}) + "A;A;A;A;A;",
        Bytes({0x1D, 0x45, 'A'}),
        Bytes({0x1D, 0x50, 'A', 'A'}),
        Bytes({0x1D, 0x54, 'A'}),
        Bytes({0x1D, 0x5C, 'A', 'A'}),
        Bytes({0x1D, 0x5E, 'A', 'A', 'A'}),
        Bytes({0x1D, 0x62, 'A'}),
        Bytes({0x1D, 0x63}),
        Bytes({0x1D, 0x67, 0x30, 'A', 'A', 'A'}),
        Bytes({0x1D, 0x6A, 'A'}),
        Bytes({0x1D, 0x7A, 0x30, 'A', 'A'}),
        Bytes({0x10, 0x05, 'A'}),
        Bytes({0x10, 0x04, 7, 'A'}),
    };
    const PaperBitmap expected = Print("A\n");
    for (const std::string& command : commands) {
        std::vector<std::string> log;
        const PaperBitmap paper = Print(command + "A\n", &log);
        EXPECT_EQ(paper.Data(), expected.Data()) << "command " << std::hex << int(uint8_t(command[0]))
                                                 << " " << int(uint8_t(command.size() > 1 ? command[1] : 0));
        EXPECT_FALSE(log.empty()) << "not logged: " << std::hex << int(uint8_t(command[0])) << " "
                                  << int(uint8_t(command.size() > 1 ? command[1] : 0));
    }
}

TEST(CommandLengths, SkippedCommandsAreLoggedOnceByName) {
    PrinterFixture f;
    f.Send(Bytes({0x1B, 0x4C}) + "x" + Bytes({0x1B, 0x4C}) + Bytes({0x1B, 0x74, 0}) + "y\n");
    int named = 0;
    for (const std::string& line : f.log) named += line.find("ESC L") != std::string::npos;
    EXPECT_EQ(named, 1);
    // ESC t 0 is a code page now, not "unknown command 00".
    EXPECT_FALSE(f.Logged("unknown"));
    // A command too long to hold is skipped as it streams by, in pieces.
    PrinterFixture g;
    const size_t length = 3u << 20;
    std::string big = Bytes({0x1D, 0x38, 0x4C, 0, 0, 0x30, 0}) + std::string(length, 'A');
    for (size_t at = 0; at < big.size(); at += 4096) g.Send(big.substr(at, 4096));
    g.Send("A\n");
    EXPECT_TRUE(g.Logged("too long"));
    EXPECT_EQ(g.Finish().Data(), Print("A\n").Data());
}

TEST(CharacterStyles, BoldUnderlineSizeAndReverseShowOnPaper) {
    const PaperBitmap plain = Print("HHHH\n");
    const int plainInk = CountBlack(plain, 0, 0, 48, 24);
    // ESC E and ESC G: wider strokes.
    for (int code : {0x45, 0x47}) {
        const PaperBitmap bold = Print(Bytes({0x1B, code, 1}) + "HHHH\n");
        EXPECT_GT(CountBlack(bold, 0, 0, 48, 24), plainInk * 5 / 4) << code;
        EXPECT_EQ(Print(Bytes({0x1B, code, 1, 0x1B, code, 0}) + "HHHH\n").Data(), plain.Data());
    }
    // ESC -: one or two full rows under the cells.
    for (int dots : {1, 2}) {
        const PaperBitmap under = Print(Bytes({0x1B, 0x2D, dots}) + "HHHH\n");
        for (int row = 0; row < 24; ++row) {
            const bool full = CountBlack(under, 0, row, 48, 1) == 48;
            EXPECT_EQ(full, row >= 24 - dots) << "dots " << dots << " row " << row;
        }
    }
    // GS !: width and height times 1..8.
    const PaperBitmap one = Print("H\n");
    for (int size : {0x11, 0x23, 0x70, 0x77}) {
        const int sx = (size >> 4) + 1, sy = (size & 7) + 1;
        const PaperBitmap big = Print(Bytes({0x1D, 0x21, size}) + "H\n");
        for (int y = 0; y < 24 * sy; ++y)
            for (int x = 0; x < 12 * sx; ++x)
                ASSERT_EQ(big.Get(x, y), one.Get(x / sx, y / sy)) << size << " " << x << "," << y;
    }
    // GS B: white on black.
    const PaperBitmap reversed = Print(Bytes({0x1D, 0x42, 1}) + "HHHH\n");
    EXPECT_EQ(CountBlack(reversed, 0, 0, 48, 24), 48 * 24 - plainInk);
    EXPECT_EQ(Print(Bytes({0x1D, 0x42, 1, 0x1D, 0x42, 0}) + "HHHH\n").Data(), plain.Data());
}

TEST(CharacterStyles, SpacingAreaUpsideDownAndRotation) {
    const PaperBitmap one = Print("H\n");
    // ESC SP 6: every character 6 dots further right.
    const PaperBitmap spaced = Print(Bytes({0x1B, 0x20, 6}) + "HH\n");
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 12; ++x) ASSERT_EQ(spaced.Get(18 + x, y), one.Get(x, y));
    // GS L 40 dots, GS W 100 dots: text starts at 40 and wraps after 8 characters.
    const PaperBitmap area = Print(Bytes({0x1D, 0x4C, 40, 0, 0x1D, 0x57, 100, 0}) + "HHHHHHHHH\n");
    EXPECT_EQ(CountBlack(area, 0, 0, 40, area.Height()), 0);
    EXPECT_GT(CountBlack(area, 40, 30, 12, 24), 0);   // the ninth, on the next line
    EXPECT_EQ(CountBlack(area, 140, 0, 300, area.Height()), 0);
    // ESC {: the line turned half round in the print area.
    const PaperBitmap upright = Print("Fp\n");
    const PaperBitmap turned = Print(Bytes({0x1B, 0x7B, 1}) + "Fp\n");
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            ASSERT_EQ(turned.Get(PRN_WIDTH_58MM - 1 - x, 23 - y), upright.Get(x, y));
    // ESC V: the glyph turned clockwise, its left column on top.
    const PaperBitmap rotated = Print(Bytes({0x1B, 0x56, 1}) + "F\n");
    const PaperBitmap f = Print("F\n");
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 24; ++x) ASSERT_EQ(rotated.Get(x, y), f.Get(y, 23 - x));
}

TEST(CodePages, EachPagePrintsItsOwnGlyphs) {
    struct Case {
        int n;
        uint8_t code;
        uint32_t unicode;
    };
    const Case cases[] = {{0, 0x82, 0x00E9},  {2, 0xD5, 0x0131},  {19, 0xD5, 0x20AC},
                          {17, 0x80, 0x0410}, {16, 0x80, 0x20AC}, {16, 0xE9, 0x00E9},
                          {18, 0x9D, 0x0141}, {18, 0xBE, 0x017C}};
    for (const Case& c : cases) {
        EXPECT_EQ(CodePageCharacter(*[&] {
            static CodePage page;
            CodePageFor(static_cast<uint8_t>(c.n), &page);
            return &page;
        }(), c.code), c.unicode) << c.n;
        const PaperBitmap paper = Print(Bytes({0x1B, 0x74, c.n, c.code, '\n'}));
        CodePage page;
        ASSERT_TRUE(CodePageFor(static_cast<uint8_t>(c.n), &page));
        const uint32_t* rows = CodePageGlyph(0, page, c.code);
        const uint32_t* unknown = FontFor(0).Glyph('?');
        bool differs = false;
        for (int y = 0; y < 24; ++y) {
            differs |= rows[y] != unknown[y];
            for (int x = 0; x < 12; ++x)
                ASSERT_EQ(paper.Get(x, y), ((rows[y] >> (31 - x)) & 1) != 0) << c.n;
        }
        EXPECT_TRUE(differs) << "page " << c.n << " byte " << int(c.code) << " printed as '?'";
    }
    // The same byte differs between pages; two-byte mode comes back with FS &.
    EXPECT_NE(Print(Bytes({0x1B, 0x74, 0, 0x80, '\n'})).Data(),
              Print(Bytes({0x1B, 0x74, 17, 0x80, '\n'})).Data());
    PrinterFixture f;
    f.Send(Bytes({0x1B, 0x74, 16, 0x1C, 0x26}));
    EXPECT_TRUE(f.printer.Text().doubleByte);
    f.Send(Bytes({0x1C, 0x2E}));
    EXPECT_FALSE(f.printer.Text().doubleByte);
}

TEST(CodePages, APageThePrinterHasNotIsACommandNotCarriedOutThatNamesIt) {
    // PC857 and Katakana are not here: the bytes after them would print in another
    // page's characters, so the command is listed as not carried out.
    const struct {
        std::string before; // FS . : single-byte text
        int n;
        std::string kept;
    } cases[] = {{Bytes({0x1C, 0x2E}), 13, "CP437"}, {std::string(), 1, "two-byte characters"}};
    for (const auto& c : cases) {
        PrinterFixture f;
        f.Send(c.before + Bytes({0x1B, 0x74, c.n, 0xD5, '\n'}));
        ASSERT_EQ(f.log.size(), 1u) << c.n;
        const RenderNote note = ReadLogLine(f.log[0]);
        const std::string number = std::to_string(c.n);
        EXPECT_EQ(note.text, "ESC t " + number + ": this printer has no code page " + number +
                                 ", ignored (text stays in " + c.kept + ")");
        EXPECT_FALSE(note.understood);
    }
    // A page it has says nothing.
    PrinterFixture f;
    f.Send(Bytes({0x1B, 0x74, 19, 0xD5, '\n'}));
    EXPECT_TRUE(f.log.empty()) << f.log.front();
}

TEST(Barcodes, Code128FormsAndBothFunctionsDecode) {
    struct Case {
        std::string command;
        BarcodeFormat format;
        std::string text;
    };
    auto b = [](int m, const std::string& data) {
        return Bytes({0x1D, 0x6B, m, static_cast<int>(data.size())}) + data;
    };
    const Case cases[] = {
        {b(73, "{BNo. {{1}"), BarcodeFormat::Code128, "No. {1}"},
        {b(73, "{A" + Bytes({'A', 'B', 0x09})), BarcodeFormat::Code128, "AB\t"},
        {b(73, "{C" + Bytes({12, 34, 56, 0}) + "{B-x"), BarcodeFormat::Code128, "12345600-x"},
        {b(73, "Plain 128"), BarcodeFormat::Code128, "Plain 128"},
        {Bytes({0x1D, 0x6B, 4}) + "CODE39" + Bytes({0}), BarcodeFormat::Code39, "CODE39"},
        {Bytes({0x1D, 0x6B, 2}) + "490123456789" + Bytes({0}), BarcodeFormat::EAN13,
         "4901234567894"},
        {b(69, "HELLO-39"), BarcodeFormat::Code39, "HELLO-39"},
    };
    for (const Case& c : cases) {
        PrinterFixture f;
        f.Send(Bytes({0x1D, 0x77, 2}) + c.command);
        const auto found = DecodePaper(f.Finish(), c.format);
        ASSERT_EQ(found.size(), 1u) << c.text;
        EXPECT_EQ(found[0].text, c.text);
    }
    PrinterFixture bad;
    bad.Send(b(73, "{C" + Bytes({120})));
    EXPECT_TRUE(bad.Logged("code set C"));
}

TEST(Graphics, StoredRasterGraphicsPrintDotForDot) {
    const PaperBitmap picture = MakePicture(96, 40, 11);
    std::string store = Bytes({0x30, 112, 48, 1, 1, 49, 96, 0, 40, 0});
    store.append(reinterpret_cast<const char*>(picture.Data().data()), picture.Data().size());
    const std::string print = Framed({0x1D, 0x28, 'L'}, Bytes({0x30, 50}));
    const PaperBitmap shortForm = Print(Framed({0x1D, 0x28, 'L'}, store) + print);
    EXPECT_EQ(FindPicture(shortForm, 0, picture), 0);
    std::string longForm = Bytes({0x1D, 0x38, 0x4C});
    for (int i = 0; i < 4; ++i) longForm += static_cast<char>((store.size() >> (8 * i)) & 0xFF);
    EXPECT_EQ(FindPicture(Print(longForm + store + print), 0, picture), 0);
}

TEST(Answers, StatusIdentifiersDrawerAndCuts) {
    PrinterFixture f;
    f.printer.SetCondition(PRN_STATUS_PAPER_END, true);
    f.printer.SetCondition(PRN_STATUS_PLATEN_UP, true);
    f.Send(Bytes({0x10, 0x04, 1, 0x10, 0x04, 2, 0x10, 0x04, 3, 0x10, 0x04, 4, 0x10, 0x04, 5,
                  0x1D, 0x72, 1, 0x1D, 0x72, 2}));
    EXPECT_EQ(f.replies, (std::vector<uint8_t>{0x1A, 0x36, 0x12, 0x72,
                                                PRN_STATUS_PAPER_END | PRN_STATUS_PLATEN_UP,
                                                0x0C, 0x00}));
    f.replies.clear();
    f.Send(Bytes({0x1D, 0x49, 1, 0x1D, 0x49, 67}));
    EXPECT_EQ(f.replies, (std::vector<uint8_t>{0x20, '_', 'v', 'p', 'r', 'i', 'n', 't', 'e',
                                                'r', 0}));
    f.Send(Bytes({0x1B, 0x70, 0, 25, 250}));
    EXPECT_TRUE(f.Logged("drawer kick: pin 2, on 50 ms, off 500 ms"));
    // Every cut form ends the receipt; B, C and D feed first.
    for (int m : {0, 1, 48, 49, 65, 66, 97, 98, 103, 104}) {
        PrinterFixture g;
        const bool feeds = m >= 65;
        g.Send("cut\n" + Bytes({0x1D, 0x56, m}) + (feeds ? Bytes({40}) : std::string()) + "A");
        ASSERT_EQ(g.receipts.size(), 1u) << m;
        EXPECT_EQ(g.receipts[0].paper.Height(), 30 + (feeds ? 40 : 0)) << m;
        const bool full = m == 0 || m == 48 || m == 65 || m == 97 || m == 103;
        EXPECT_TRUE(g.Logged(full ? "full cut" : "half cut")) << m;
    }
}
