// The quick test buttons, clicked as an operator would: each sample's records, one per
// command and in order, and the bytes that reach the printer's end of a pseudo-terminal.

#include "console/samples/QuickSamples.h"
#include "tests/support/PageHostStandIn.h"
#include "console/samples/SamplePicture.h"

#include "printer/HexText.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace {

using Records = std::vector<std::string>;

Records Join(std::initializer_list<Records> parts) {
    Records all;
    for (const Records& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::string T(const std::string& text) {
    return HexOf(text);
}

Records Head(const std::string& title) {
    return {"1B 40 ", "0A ", "1B 21 08 ", T(title), "0A ", "1B 21 00 "};
}
const Records TAIL = {"1B 4A 30 ", "1B 40 "};

// One vertical tab row: FS V 5, stops 0 8 16 24 32, four cells at 2 10 18 26, then each
// cell's mode, its text cut to its length, and NUL.
const std::string VERTICAL_ROW = "1C 56 05 00 08 10 18 20 04 02 0A 12 1A 02 " + T("  Option ") +
                                 "00 01 " + T("  Data1") + "00 01 " + T("  Data2") + "00 01 " +
                                 T("  Data3") + "00 ";

struct SampleCase {
    const char* name;
    int id;
    Records records;
};

const SampleCase SAMPLES[] = {
    {"PrinterInit", 1001, {"1B 40 "}},
    {"Font",
     1035,
     {"1B 40 ", "0A ", "1B 21 08 ", T("Print example: font"), "0A ", "1B 21 30 ",
      T("Double-height & Double-width"), "1B 21 82 ", T("Italic & (underscore)"), "0A ",
      "1B 4A 30 ", "1B 40 "}},
    {"Print", 1036,
     Join({Head("Print Example: the printing and paper feed - in point"),
           {T("Print backward paper 100 points"), "1B 4A 64 ", "1B 21 08 ",
            T("Print Example: the printing and paper feed - word"), "0A ", "1B 21 00 ",
            T("2 lines of print backward paper"), "1B 64 02 ", "1B 40 "}})},
    {"Margins", 1037,
     Join({Head("Print Example: Margins"),
           {"1B 6C 0A ", "1B 51 0A ",
            T("Left and right margins of 80 points, the print buffer also according to the "
              "page margins automatically print control"),
            "0A "},
           TAIL})},
    {"Coordinate", 1038,
     Join({Head("Print example: the Horizon absolute coordinates"),
           {"1B 24 64 00 ", T("the Horizon absolute coordinates is 100 dots"), "0A ",
            T("the Horizon absolute coordinates only effective once"), "0A "},
           TAIL})},
    {"Density", 1039,
     Join({Head("Print example: print density"),
           {"1B 6D 08 ", T("Print density of level 8"), "0A ", "1B 6D 04 ",
            T("Print density of level 4"), "0A "},
           TAIL})},
    {"HorizonTab", 1040,
     Join({Head("Print Example: horizontal tab printing"),
           {"1B 44 0C 18 00 ", "1B 21 08 ", T("Option A"), "09 ", T("Option B"), "09 ",
            T("Option C"), "0A ", "1B 21 00 ", T("Data1"), "09 ", T("Data2"), "09 ", T("Data3"),
            "0A "},
           TAIL})},
    {"VertiTab", 1041,
     Join({Head("Print Example: vertial tab printing,,and some models support"),
           {VERTICAL_ROW, VERTICAL_ROW, VERTICAL_ROW, VERTICAL_ROW},
           TAIL})},
    {"Picture", 1042,
     Join({Head("Print Example:print raser bit image"),
           {"1D 76 30 00 30 00 5B 00 " + ToHexText(SamplePicture(), SAMPLE_PICTURE_BYTES)},
           TAIL})},
    {"Alignment", 1043,
     Join({Head("Print example: the horizontal alignment"),
           {"1B 61 00 ", T("left home"), "0A ", "1B 61 01 ", T("Center"), "0A ", "1B 61 02 ",
            T("Right home"), "0A "},
           TAIL})},
    {"Barcode", 1044,
     Join({Head("Print Example: Print the one-dimensional bar code, and some models support"),
           {T("Example: EAN13"), "0A ", "1D 68 60 ", "1D 77 02 ", "1D 48 02 ",
            "1D 6B 43 0C 30 31 32 33 34 35 36 37 38 39 30 30 "},
           TAIL})},
    {"QRCode", 1045,
     Join({Head("Print Example: Print the two-dimensional bar code, and some models support"),
           {T("Example: QRCode"), "0A ", "1D 28 6B 04 00 31 41 32 00 ", "1D 28 6B 03 00 31 43 05 ",
            "1D 28 6B 03 00 31 45 30 ",
            "1D 28 6B 1F 00 31 50 30 " + T("Orvane Instrument Works Co.,"),
            "1D 28 6B 03 00 31 51 30 "},
           TAIL})},
    {"Cutting", 1046,
     Join({Head("Print Example: cutting way, and some models support"),
           {T("haft-cut"), "0A ", "1D 56 42 78 "},
           TAIL})},
};

void PrintTo(const SampleCase& c, std::ostream* os) {
    *os << c.name;
}

// The buttons as the dialog has them: objectName ctl<id>, a click runs the sample.
struct SampleButtons {
    explicit SampleButtons(QuickSamples& samples) {
        for (const SampleCase& c : SAMPLES) {
            auto* button = new QPushButton(QString::fromLatin1(c.name), &window);
            button->setObjectName(QStringLiteral("ctl%1").arg(c.id));
            const int id = c.id;
            QObject::connect(button, &QPushButton::clicked, [&samples, id] { samples.Run(id); });
        }
        window.show();
    }
    void Click(int id) {
        auto* button = window.findChild<QPushButton*>(QStringLiteral("ctl%1").arg(id));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QWidget window;
};

class QuickSample : public ::testing::TestWithParam<SampleCase> {};

TEST_P(QuickSample, RecordsEachCommandAndSendsTheScript) {
    const SampleCase& c = GetParam();
    PageHostStandIn host;
    ASSERT_TRUE(host.OpenPort());
    QuickSamples samples(host);
    SampleButtons buttons(samples);

    buttons.Click(c.id);

    EXPECT_EQ(host.rows, c.records);
    EXPECT_TRUE(host.tips.empty());
    const std::vector<uint8_t> expected =
        FromHexText(std::accumulate(c.records.begin(), c.records.end(), std::string()));
    EXPECT_EQ(host.Wire(expected.size()), expected);
    EXPECT_EQ(host.RecordedBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(Buttons, QuickSample, ::testing::ValuesIn(SAMPLES),
                         [](const ::testing::TestParamInfo<SampleCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(QuickSamples, RecordCountsAndKeyRuns) {
    PageHostStandIn host;
    ASSERT_TRUE(host.OpenPort());
    QuickSamples samples(host);
    SampleButtons buttons(samples);

    buttons.Click(1001);
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.rows[0], "1B 40 ");

    host.rows.clear();
    buttons.Click(1035);
    EXPECT_EQ(host.rows.size(), 12u);

    host.rows.clear();
    buttons.Click(1041);
    EXPECT_EQ(host.rows.size(), 12u);
    EXPECT_EQ(std::count(host.rows.begin(), host.rows.end(), VERTICAL_ROW), 4);

    host.rows.clear();
    buttons.Click(1045);
    const auto store = std::find_if(host.rows.begin(), host.rows.end(), [](auto& r) {
        return r.rfind("1D 28 6B ", 0) == 0 && r.find("31 50 30 ") == 15;
    });
    ASSERT_NE(store, host.rows.end());
    EXPECT_EQ(store->substr(9, 6), "1F 00 "); // pL pH: 28 data bytes + 3
    EXPECT_EQ(FromHexText(*store).size(), 8u + 28u);

    host.rows.clear();
    buttons.Click(1046);
    EXPECT_NE(std::find(host.rows.begin(), host.rows.end(), "1D 56 42 78 "),
              host.rows.end());
}

TEST(QuickSamples, ClosedPortSendsAndRecordsNothing) {
    PageHostStandIn host; // port never opened
    QuickSamples samples(host);
    SampleButtons buttons(samples);
    for (const SampleCase& c : SAMPLES) buttons.Click(c.id);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), std::size(SAMPLES));
    for (const auto& tip : host.tips) EXPECT_EQ(tip.text, QStringLiteral("Please Open the Port"));
    EXPECT_TRUE(host.lib.TakeSentText().empty());
    EXPECT_TRUE(host.WireAfterQuiet().empty());
    EXPECT_FALSE(samples.Run(1047));
}

// The built-in picture is a test pattern: framed on all four sides, carrying a title
// and a solid block, and neither blank nor solid overall.
TEST(QuickSamples, SamplePictureIsAFramedTestPattern) {
    const uint8_t* p = SamplePicture();
    auto dot = [p](int x, int y) {
        return (p[y * SAMPLE_PICTURE_ROW_BYTES + x / 8] & (0x80 >> (x % 8))) != 0;
    };
    for (int x = 0; x < SAMPLE_PICTURE_WIDTH; ++x) {
        EXPECT_TRUE(dot(x, 0));
        EXPECT_TRUE(dot(x, SAMPLE_PICTURE_HEIGHT - 1));
    }
    for (int y = 0; y < SAMPLE_PICTURE_HEIGHT; ++y) {
        EXPECT_TRUE(dot(0, y));
        EXPECT_TRUE(dot(SAMPLE_PICTURE_WIDTH - 1, y));
    }
    int black = 0;
    for (int y = 0; y < SAMPLE_PICTURE_HEIGHT; ++y)
        for (int x = 0; x < SAMPLE_PICTURE_WIDTH; ++x) black += dot(x, y) ? 1 : 0;
    const int total = SAMPLE_PICTURE_WIDTH * SAMPLE_PICTURE_HEIGHT;
    EXPECT_GT(black, total / 8);
    EXPECT_LT(black, total / 2);
    // The title band (rows 4..17) holds ink away from the frame.
    int titleInk = 0;
    for (int y = 4; y < 18; ++y)
        for (int x = 2; x < SAMPLE_PICTURE_WIDTH - 2; ++x) titleInk += dot(x, y) ? 1 : 0;
    EXPECT_GT(titleInk, 300);
}

} // namespace
