#include "pages/rules/NumberList.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(NumberList, FieldCountIgnoresOneFinalSeparator) {
    EXPECT_EQ(ListFieldCount("0;8;8;0;-8;384;"), 6);
    EXPECT_EQ(ListFieldCount("0;8;8;0;-8;384"), 6);
    EXPECT_EQ(ListFieldCount(";"), 1);
    EXPECT_EQ(ListFieldCount(""), 0);
    EXPECT_EQ(ListFieldCount(";;"), 2);
    EXPECT_EQ(ListFieldCount("1;;3;4;5;6;"), 6);
}

TEST(NumberList, ValuesReadTheLeadingIntegerOfEachField) {
    EXPECT_EQ(ListValues("0;8;8;0;-8;384;"), (std::vector<int>{0, 8, 8, 0, -8, 384}));
    EXPECT_EQ(ListValues("1;;3"), (std::vector<int>{1, 0, 3}));
    EXPECT_EQ(ListValues(";5"), (std::vector<int>{0, 5}));
    EXPECT_EQ(ListValues("12-3;-;--4;-0"), (std::vector<int>{12, 0, 0, 0}));
    EXPECT_EQ(ListValues("1; 2"), (std::vector<int>{1, 0}));
    EXPECT_TRUE(ListValues("").empty());
    EXPECT_EQ(ListValues("99999999999999999999;-99999999999999999999"),
              (std::vector<int>{INT_MAX, INT_MIN}));
    EXPECT_EQ(ListValues("0000000000000000000000042"), (std::vector<int>{42}));
}

TEST(NumberList, TextToSendEndsWithOneSeparator) {
    EXPECT_EQ(ListText("75;105;850;940"), "75;105;850;940;");
    EXPECT_EQ(ListText("75;105;850;940;"), "75;105;850;940;");
    EXPECT_EQ(ListText(""), "");
}

TEST(NumberList, ChecksCountBeforeRange) {
    EXPECT_EQ(CheckNumberList(PAPER_LAYOUT_LIST, "0;8;8;0;-8;384;"), ListVerdict::Ok);
    EXPECT_EQ(CheckNumberList(PAPER_LAYOUT_LIST, "1;;3;4;5;6;"), ListVerdict::Ok);
    EXPECT_EQ(CheckNumberList(PAPER_LAYOUT_LIST, "-100;0;0;0;0;0"), ListVerdict::OutOfRange);
    EXPECT_EQ(CheckNumberList(PAPER_LAYOUT_LIST, "1;2;3;4;5"), ListVerdict::BadCount);
    EXPECT_EQ(CheckNumberList(SENSOR_THRESHOLD_LIST, "75;105;850;940"), ListVerdict::Ok);
    EXPECT_EQ(CheckNumberList(SENSOR_THRESHOLD_LIST, "0;1;2;3;"), ListVerdict::OutOfRange);
    EXPECT_EQ(CheckNumberList(SENSOR_THRESHOLD_LIST, "1;2;3;3300"), ListVerdict::OutOfRange);
    EXPECT_EQ(CheckNumberList(SENSOR_THRESHOLD_LIST, "9999;1;2"), ListVerdict::BadCount);
    EXPECT_EQ(CheckNumberList(MARK_DISTANCE_LIST, "0;68"), ListVerdict::BadCount);
    EXPECT_EQ(CheckNumberList(MARK_DISTANCE_LIST, "0;-1;0;"), ListVerdict::OutOfRange);
    EXPECT_EQ(CheckNumberList(MARK_DISTANCE_LIST, ""), ListVerdict::BadCount);
}

TEST(NumberList, ListTooLongForTheLengthByteIsABadCount) {
    // Leading zeros keep the values in range while the text outgrows the length byte.
    const std::string zeros(90, '0');
    const std::string list = zeros + "1;" + zeros + "2;" + zeros + "3;";
    ASSERT_GT(list.size(), LIST_MAX_TEXT);
    EXPECT_EQ(CheckNumberList(MARK_DISTANCE_LIST, list), ListVerdict::BadCount);
    const std::string fits = std::string(83, '0') + "1;" + std::string(83, '0') + "2;" +
                             std::string(81, '0') + "3"; // 253 bytes once ";" is appended
    ASSERT_EQ(ListText(fits).size(), LIST_MAX_TEXT);
    EXPECT_EQ(CheckNumberList(MARK_DISTANCE_LIST, fits), ListVerdict::Ok);
}
