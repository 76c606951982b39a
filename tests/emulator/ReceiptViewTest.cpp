// Receipt pictures and the live paper window (Qt, run offscreen).
#include "emulator/CodePages.h"
#include "emulator/FontGlyphSource.h"
#include "emulator/PaperWindow.h"
#include "emulator/ReceiptImage.h"
#include "emulator/VirtualPrinter.h"
#include "tests/support/VprinterProcess.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <unistd.h>

using namespace vprinter;

namespace {

TEST(ReceiptImage, DotsLandOnWhitePaperBetweenItsEdges) {
    for (int width : {PRN_WIDTH_58MM, PRN_WIDTH_80MM}) {
        PaperBitmap paper(width, 3);
        paper.Set(0, 0);
        paper.Set(width - 1, 2);
        const QImage image = ReceiptToImage(paper);
        const int margin = PaperMargin(width);
        ASSERT_EQ(image.width(), width + 2 * margin);
        ASSERT_EQ(image.height(), 3);
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) black += qGray(image.pixel(x, y)) < 128;
        EXPECT_EQ(black, 2);
        EXPECT_LT(qGray(image.pixel(margin, 0)), 128);
        EXPECT_LT(qGray(image.pixel(margin + width - 1, 2)), 128);
    }
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("receipt-view-" + std::to_string(::getpid()) + ".png"))
                                 .string();
    std::string error;
    PaperBitmap paper(PRN_WIDTH_58MM, 10);
    paper.Set(5, 5);
    ASSERT_TRUE(SaveReceiptPng(paper, ReceiptLook{}, path, &error)) << error;
    QImage back(QString::fromStdString(path));
    std::filesystem::remove(path);
    ASSERT_EQ(back.width(), PRN_WIDTH_58MM + 2 * PaperMargin(PRN_WIDTH_58MM));
    EXPECT_LT(qGray(back.pixel(PaperMargin(PRN_WIDTH_58MM) + 5, 5)), 128);
    EXPECT_FALSE(SaveReceiptPng(paper, ReceiptLook{}, "/nonexistent-folder/x.png", &error));
}

TEST(ReceiptImage, PaperLookShowsEdgesCutLabelsAndDensity) {
    PaperBitmap paper(PRN_WIDTH_58MM, 200);
    for (int x = 0; x < 20; ++x) paper.Set(x, 10);
    const int margin = PaperMargin(PRN_WIDTH_58MM);
    StoredSettings stored;
    stored.density = 8;
    const QImage dark = ReceiptToImage(paper, ReceiptLook::From(stored, true, false));
    // The paper lies on a grey desk, wider and taller than the plain picture.
    const int desk = (dark.width() - (PRN_WIDTH_58MM + 2 * margin)) / 2;
    ASSERT_GT(desk, 0);
    EXPECT_EQ(qGray(dark.pixel(desk + 1, desk + 1)), 255);       // paper
    const int deskGrey = qGray(dark.pixel(0, 0));
    EXPECT_GT(deskGrey, 128);
    EXPECT_LT(deskGrey, 255);
    const int darkDot = qGray(dark.pixel(desk + margin, desk + 10));
    stored.density = 2;
    const QImage light = ReceiptToImage(paper, ReceiptLook::From(stored, false, false));
    const int lightDot = qGray(light.pixel(desk + margin, desk + 10));
    EXPECT_LT(darkDot, lightDot); // density steps are grey levels
    EXPECT_LT(lightDot, 200);
    // The cut: a dashed line below the paper, only on a cut receipt.
    auto dashes = [&](const QImage& image) {
        int count = 0;
        for (int y = desk + 200; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += qGray(image.pixel(x, y)) < deskGrey;
        return count;
    };
    EXPECT_GT(dashes(dark), dark.width() / 3);
    EXPECT_EQ(dashes(light), 0);
    // Label paper: a gap before every pitch; black-marked paper: marks in the margin.
    stored.layoutSet = true;
    stored.layoutMode = 1;
    stored.distancesMm = {0, 10, 0}; // 80 dots
    const QImage labels = ReceiptToImage(paper, ReceiptLook::From(stored, false, false));
    EXPECT_NE(qGray(labels.pixel(desk + margin + 100, desk + 75)), 255);
    EXPECT_EQ(qGray(labels.pixel(desk + margin + 100, desk + 85)), 255);
    EXPECT_NE(qGray(labels.pixel(desk + margin + 100, desk + 155)), 255);
    stored.layoutMode = 2;
    const QImage marks = ReceiptToImage(paper, ReceiptLook::From(stored, false, false));
    EXPECT_LT(qGray(marks.pixel(desk + 2, desk + 75)), 100);
    EXPECT_EQ(qGray(marks.pixel(desk + 2, desk + 40)), 255);
    EXPECT_EQ(qGray(marks.pixel(desk + margin + 100, desk + 75)), 255);
    // Plain stays as it was.
    EXPECT_EQ(ReceiptToImage(paper, ReceiptLook{}), ReceiptToImage(paper));
}

// The grey of the dots in each band of rows that has dots, top to bottom: rows
// of one grey make one band.
std::vector<int> DotGreysDownThePaper(const QImage& picture, int printableWidth) {
    constexpr int PAPER_WHITE = 255;
    const QImage image = picture.convertToFormat(QImage::Format_Grayscale8);
    const int paperWidth = printableWidth + 2 * PaperMargin(printableWidth);
    const int desk = (image.width() - paperWidth) / 2;
    const int left = desk + PaperMargin(printableWidth);
    std::vector<int> greys;
    for (int y = desk; y < image.height() - desk; ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = left; x < left + printableWidth; ++x) {
            if (line[x] == PAPER_WHITE) continue;
            if (greys.empty() || greys.back() != line[x]) greys.push_back(line[x]);
            break;
        }
    }
    return greys;
}

// Sends bytes to the printer's line and waits until it has worked through them:
// its answer to a status request at their end has come.
bool SendAndWait(int line, const std::string& bytes) {
    constexpr int ANSWER_WAIT_MS = 10000;
    const std::string asked = bytes + "\x10\x04\x01"; // DLE EOT 1
    if (::write(line, asked.data(), asked.size()) != static_cast<ssize_t>(asked.size()))
        return false;
    pollfd answer{line, POLLIN, 0};
    uint8_t status = 0;
    return ::poll(&answer, 1, ANSWER_WAIT_MS) == 1 && ::read(line, &status, 1) == 1;
}

TEST(ReceiptImage, DensityAppliesFromTheLineWhereItIsSet) {
    constexpr bool LIKE_PAPER = false;
    VprinterProcess printer(PRN_WIDTH_58MM, {}, false, LIKE_PAPER);
    ASSERT_TRUE(printer.Ok()) << printer.Log().toStdString();
    const int line = ::open(printer.DevicePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(line, 0);
    // Three lines of one receipt, as the quick test "Density" prints them, then a
    // second receipt that sets nothing.
    ASSERT_TRUE(SendAndWait(line, "\x1Bm\x01" "Density 1\n"
                                  "\x1Bm\x04" "Density 4\n"
                                  "\x1Bm\x08" "Density 8\n"));
    ASSERT_TRUE(printer.CutAndSync());
    ASSERT_TRUE(SendAndWait(line, "Still 8\n"));
    ASSERT_TRUE(printer.CutAndSync());
    ::close(line);
    const QStringList receipts = printer.Receipts();
    ASSERT_EQ(receipts.size(), 2) << printer.Log().toStdString();

    const std::vector<int> greys = DotGreysDownThePaper(QImage(receipts[0]), PRN_WIDTH_58MM);
    ASSERT_EQ(greys.size(), 3u);
    EXPECT_GT(greys[0], greys[1]); // density 1 is the lightest
    EXPECT_GT(greys[1], greys[2]);
    // The next receipt goes on with the density last set.
    EXPECT_EQ(DotGreysDownThePaper(QImage(receipts[1]), PRN_WIDTH_58MM),
              std::vector<int>{greys[2]});
}

// A character as the installed font draws it, one bit deep, centred in a cell.
std::vector<uint32_t> FontRendering(const QString& family, int pixelSize, uint32_t character,
                                    int width, int height) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    QFontMetrics metrics(font);
    const QString text = QString::fromUcs4(reinterpret_cast<const char32_t*>(&character), 1);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText((width - metrics.horizontalAdvance(text)) / 2,
                     (height - metrics.height()) / 2 + metrics.ascent(), text);
    painter.end();
    std::vector<uint32_t> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (qGray(image.pixel(x, y)) < 128) rows[static_cast<size_t>(y)] |= 0x80000000u >> x;
    return rows;
}

int Differing(const uint32_t* a, const uint32_t* b, int height) {
    int count = 0;
    for (int y = 0; y < height; ++y) count += __builtin_popcount(a[y] ^ b[y]);
    return count;
}

// Dots two glyphs share over the dots either has.
double Overlap(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    int both = 0, either = 0;
    for (size_t y = 0; y < a.size(); ++y) {
        both += __builtin_popcount(a[y] & b[y]);
        either += __builtin_popcount(a[y] | b[y]);
    }
    return either ? static_cast<double>(both) / either : 0;
}

TEST(Glyphs, CodePagesPrintTheFontsOwnGlyphs) {
    const int pixelSizes[] = {20, 15, 13}; // the resident fonts' sizes
    for (int page = 0; page < static_cast<int>(CodePage::Count); ++page) {
        for (int code = 0x80; code <= 0xFF; ++code) {
            const uint32_t character = CodePageCharacter(static_cast<CodePage>(page), code);
            if (character == 0) continue;
            for (int font = 0; font < FONT_COUNT; ++font) {
                const FontFace& face = FontFor(font);
                const auto drawn = FontRendering("DejaVu Sans Mono", pixelSizes[font], character,
                                                 face.width, face.height);
                const uint32_t* printed =
                    CodePageGlyph(font, static_cast<CodePage>(page), static_cast<uint8_t>(code));
                EXPECT_LE(Differing(printed, drawn.data(), face.height), 2)
                    << "page " << page << " byte " << code << " font " << font;
            }
        }
    }
}

TEST(Glyphs, ChineseCharactersComeFromTheInstalledFont) {
    FontGlyphSource source;
    ASSERT_TRUE(source.Available()) << "no Chinese font installed (fonts-wqy-microhei)";
    // 中 文 打 印 机 in GB18030.
    const uint8_t bytes[][2] = {{0xD6, 0xD0}, {0xCE, 0xC4}, {0xB4, 0xF2}, {0xD3, 0xA1}, {0xBB, 0xFA}};
    const uint32_t unicode[] = {0x4E2D, 0x6587, 0x6253, 0x5370, 0x673A};
    constexpr int WIDTH = 24, HEIGHT = 24;
    std::vector<std::vector<uint32_t>> printed, drawn;
    for (size_t i = 0; i < std::size(bytes); ++i) {
        EXPECT_EQ(DoubleByteToUnicode(bytes[i][0], bytes[i][1]), unicode[i]);
        std::vector<uint32_t> rows;
        ASSERT_TRUE(source.DoubleByteGlyph(bytes[i][0], bytes[i][1], WIDTH, HEIGHT, &rows));
        printed.push_back(rows);
        drawn.push_back(FontRendering("WenQuanYi Micro Hei", WIDTH - 2, unicode[i], WIDTH, HEIGHT));
    }
    // Each printed glyph is most like the font's own drawing of that character.
    for (size_t i = 0; i < printed.size(); ++i) {
        const double own = Overlap(printed[i], drawn[i]);
        EXPECT_GT(own, 0.5) << i;
        for (size_t j = 0; j < drawn.size(); ++j)
            if (j != i) EXPECT_GT(own, Overlap(printed[i], drawn[j])) << i << " vs " << j;
    }
    // On paper: the glyph dot for dot, not a framed square.
    Interpreter printer(PRN_WIDTH_58MM);
    printer.SetGlyphSource(&source);
    printer.Feed(std::string("\xD6\xD0\n"));
    const PaperBitmap& paper = printer.Paper();
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x)
            ASSERT_EQ(paper.Get(x, y), ((printed[0][static_cast<size_t>(y)] >> (31 - x)) & 1) != 0);
    // Bytes that are no character keep the square.
    std::vector<uint32_t> none;
    EXPECT_FALSE(source.DoubleByteGlyph(0xA2, 0xA0, WIDTH, HEIGHT, &none));
}

TEST(PaperWindow, ShowsThePaperAsItGrows) {
    VirtualPrinter printer(VirtualPrinter::Options{});
    PaperWindow window(printer);
    window.show();
    printer.WithInterpreter([](Interpreter& i) { i.Feed("First line\n"); });
    QTest::qWait(300);
    QList<QLabel*> labels = window.findChildren<QLabel*>();
    auto shown = [&labels]() -> QPixmap {
        for (QLabel* label : labels)
            if (!label->pixmap().isNull()) return label->pixmap();
        return {};
    };
    const QPixmap first = shown();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.width(), PRN_WIDTH_58MM + 2 * PaperMargin(PRN_WIDTH_58MM));
    EXPECT_EQ(first.height(), PRN_DEFAULT_LINE_SPACING);
    printer.WithInterpreter([](Interpreter& i) { i.Feed("Second line\n"); });
    QTest::qWait(300);
    EXPECT_EQ(shown().height(), 2 * PRN_DEFAULT_LINE_SPACING);
    // After the cut the last receipt stays in view.
    printer.EndReceipt();
    QTest::qWait(300);
    EXPECT_EQ(shown().height(), 2 * PRN_DEFAULT_LINE_SPACING);
}

} // namespace

int main(int argc, char** argv) {
    // Headless unless a platform is chosen explicitly, so that listing the tests at build
    // time works on a machine without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
