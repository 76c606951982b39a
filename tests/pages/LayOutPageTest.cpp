#include "pages/DataEdit.h"
#include "pages/LayOut.h"
#include "tests/pages/PageFixture.h"

#include <QPushButton>

#include <memory>

namespace {

const QString THRESHOLD_COUNT =
    QStringLiteral("Please enter the four digits, use the \";\" to separate");
const QString DISTANCE_COUNT = QStringLiteral("Please enter the three digits, \";\" separated");
const QString LAYOUT_COUNT = QStringLiteral("Please enter the six figures, \";\" to separate");

class LayOutPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.OpenPort());
        page = std::make_unique<CLayOut>(&host);
        page->show();
        layout = Ctl<CDataEdit>(page.get(), CLayOut::IDC_LAYOUT);
        mode = Ctl<QComboBox>(page.get(), CLayOut::IDC_MODE);
        thresholds = Ctl<CDataEdit>(page.get(), CLayOut::IDC_THRESHOLDS);
        distances = Ctl<CDataEdit>(page.get(), CLayOut::IDC_DISTANCES);
        layoutSet = Ctl<QPushButton>(page.get(), CLayOut::IDC_LAYOUT_SET);
        thresholdsSet = Ctl<QPushButton>(page.get(), CLayOut::IDC_THRESHOLDS_SET);
        distancesSet = Ctl<QPushButton>(page.get(), CLayOut::IDC_DISTANCES_SET);
    }

    // The frame of a list command: FS ( L, its length byte, the function and mode bytes.
    static std::string ListCommand(const std::string& head, const std::string& list) {
        const auto length = static_cast<uint8_t>(list.size() + 2);
        return "1C 28 4C " + ToHexText(&length, 1) + "00 " + head + Hex(list);
    }

    PageFixture host;
    std::unique_ptr<CLayOut> page;
    CDataEdit* layout = nullptr;
    QComboBox* mode = nullptr;
    CDataEdit* thresholds = nullptr;
    CDataEdit* distances = nullptr;
    QPushButton* layoutSet = nullptr;
    QPushButton* thresholdsSet = nullptr;
    QPushButton* distancesSet = nullptr;
};

} // namespace

TEST_F(LayOutPage, StartsWithTheFirstModelsValuesAndSendsNothing) {
    EXPECT_EQ(layout->text(), "0;8;8;0;-8;384;");
    EXPECT_EQ(mode->currentText(), "1");
    EXPECT_EQ(thresholds->text(), "75;105;850;940;");
    EXPECT_EQ(distances->text(), "0;68;0;");
    auto* printer = Ctl<QComboBox>(page.get(), CLayOut::IDC_PRINTER);
    EXPECT_EQ(printer->currentText(), "KM7730(90degrees)");
    EXPECT_FALSE(printer->isEnabled());
    auto* ad = Ctl<QLineEdit>(page.get(), CLayOut::IDC_AD);
    EXPECT_EQ(ad->text(), "0");
    EXPECT_TRUE(ad->isReadOnly());
    EXPECT_TRUE(host.rows.empty());
}

TEST_F(LayOutPage, ListsAreSentWithTheirSemicolonAndTheModeAsARawByte) {
    Retype(thresholds, "75;105;850;940");
    Click(thresholdsSet);
    EXPECT_EQ(host.rows.back(), "1C 28 4C 11 00 65 31 " + Hex("75;105;850;940;"));
    Choose(mode, 3);
    Retype(layout, "1;;3;4;5;6;"); // the empty field reads 0
    Click(layoutSet);
    EXPECT_EQ(host.rows.back(), ListCommand("21 03 ", "1;;3;4;5;6;"));
    Retype(distances, ";68;0");
    Click(distancesSet);
    EXPECT_EQ(host.rows.back(), ListCommand("66 30 ", ";68;0;"));
    EXPECT_EQ(host.rows.size(), 3u);
    EXPECT_TRUE(host.tips.empty());
    EXPECT_EQ(host.WireHex(), host.AllRows());
}

TEST_F(LayOutPage, CountsAndRangesAreCheckedBeforeThePort) {
    Retype(distances, "0;68");
    Click(distancesSet);
    Retype(distances, "0;-1;0;");
    Click(distancesSet);
    Retype(thresholds, "0;1;2;3;");
    Click(thresholdsSet);
    Retype(layout, "-100;0;0;0;0;0");
    Click(layoutSet);
    Retype(layout, "");
    Click(layoutSet);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), 5u);
    EXPECT_EQ(host.tips[0].text, DISTANCE_COUNT);
    EXPECT_EQ(host.tips[0].control, "ctl1125");
    EXPECT_EQ(host.tips[1].text, "The data range from 0 to 999");
    EXPECT_EQ(host.tips[2].text, "Data range from 1 to 3299");
    EXPECT_EQ(host.tips[2].control, "ctl1118");
    EXPECT_EQ(host.tips[3].text, "The data range of -99 to 999");
    EXPECT_EQ(host.tips[4].text, LAYOUT_COUNT);
    EXPECT_EQ(host.tips[4].control, "ctl1128");

    host.ClosePort();
    host.tips.clear();
    Retype(thresholds, "1;2;3");
    Click(thresholdsSet);
    Retype(thresholds, "1;2;3;3299");
    Click(thresholdsSet);
    ASSERT_EQ(host.tips.size(), 2u);
    EXPECT_EQ(host.tips[0].text, THRESHOLD_COUNT);
    EXPECT_EQ(host.tips[1].text, "Please Open the Port");
    EXPECT_TRUE(host.rows.empty());
}

TEST_F(LayOutPage, ListTooLongForItsLengthByteIsRefused) {
    // Leading zeros keep every value in range but outgrow the one-byte length.
    const QString zeros(90, QChar('0'));
    Retype(distances, zeros + "1;" + zeros + "2;" + zeros + "3;");
    Click(distancesSet);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_EQ(host.tips[0].text, DISTANCE_COUNT);
    const QString fits = QString(83, QChar('0')) + "1;" + QString(83, QChar('0')) + "2;" +
                         QString(81, QChar('0')) + "3";
    Retype(distances, fits);
    Click(distancesSet);
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.rows[0].substr(0, 18), "1C 28 4C FF 00 66 ");
    EXPECT_EQ(host.WireHex(), host.AllRows());
}

TEST_F(LayOutPage, GetAndTheFeedButtons) {
    auto* ad = Ctl<QLineEdit>(page.get(), CLayOut::IDC_AD);
    page->ShowSensorValue(QStringLiteral("1234"));
    EXPECT_EQ(ad->text(), "1234");
    Click(Ctl<QPushButton>(page.get(), CLayOut::IDC_GET));
    EXPECT_EQ(ad->text(), "0");
    Click(Ctl<QPushButton>(page.get(), CLayOut::IDC_TEAR));
    Click(Ctl<QPushButton>(page.get(), CLayOut::IDC_CUT));
    Click(Ctl<QPushButton>(page.get(), CLayOut::IDC_PRINT_POSITION));
    EXPECT_EQ(host.rows,
              (std::vector<std::string>{"1C 28 4C 02 00 64 30 ", "1C 28 4C 02 00 41 30 ",
                                        "1C 28 4C 02 00 42 30 ", "1C 28 4C 02 00 43 30 "}));
    EXPECT_EQ(host.WireHex(), host.AllRows());

    host.ClosePort();
    page->ShowSensorValue(QStringLiteral("77"));
    Click(Ctl<QPushButton>(page.get(), CLayOut::IDC_GET));
    EXPECT_EQ(ad->text(), "77"); // nothing asked, nothing reset
    EXPECT_EQ(host.tips.back().text, "Please Open the Port");
    EXPECT_EQ(host.rows.size(), 4u);
}

TEST(LayOutPageWithoutHost, HandlersDoNothing) {
    CLayOut page(nullptr);
    Click(Ctl<QPushButton>(&page, CLayOut::IDC_LAYOUT_SET));
    Click(Ctl<QPushButton>(&page, CLayOut::IDC_GET));
    EXPECT_EQ(Ctl<QLineEdit>(&page, CLayOut::IDC_AD)->text(), "0");
}
