// The expected receipt window keeps the newest receipt in view while the operator is
// at the end of the roll, and leaves the view where the operator scrolled it.
#include "console/ExpectedReceiptWindow.h"

#include "emulator/PrinterState.h"
#include "printer/VrnxLib.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;

namespace {

constexpr auto RENDER_TIMEOUT = std::chrono::seconds(30);

// A receipt of `lines` text lines, cut off.
std::string Receipt(int lines) {
    std::string bytes;
    for (int i = 0; i < lines; ++i) bytes += "line " + std::to_string(i) + "\n";
    return bytes + "\x1d\x56\x00"s;
}

// A receipt of `feeds` times 255 dot rows of paper between two lines, cut off: long
// rolls cheaply (the paper ends at its last printed line).
std::string BlankReceipt(int feeds) {
    std::string bytes = "top\n";
    for (int i = 0; i < feeds; ++i) bytes += "\x1bJ\xff";
    return bytes + "bottom\n\x1d\x56\x00"s;
}

class ExpectedReceiptFollow : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_NE(window.Roll(), nullptr);
        bar = window.findChild<QScrollArea*>()->verticalScrollBar();
    }
    // What the console sent, as the port would hand it over, then one refresh as the
    // window's timer makes it, and the events that follow it.
    void Print(const std::string& bytes) {
        window.Roll()->Feed(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ASSERT_TRUE(window.Roll()->WaitUntilRendered(RENDER_TIMEOUT));
        window.Refresh();
        QApplication::processEvents();
    }

    CVRNX_LIB port;
    ExpectedReceiptWindow window{port, [] { return vprinter::PRN_WIDTH_58MM; }};
    QScrollBar* bar = nullptr;
};

} // namespace

TEST_F(ExpectedReceiptFollow, TheViewStaysAtTheNewestReceiptUntilTheOperatorScrollsUp) {
    for (int i = 0; i < 4; ++i) {
        Print(Receipt(40));
        EXPECT_GT(bar->maximum(), 0) << "receipt " << i << " makes the roll taller than the view";
        EXPECT_EQ(bar->value(), bar->maximum()) << "receipt " << i << " is in view";
    }

    // The operator looks at an older receipt: new ones do not pull the view away.
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    const int maximumBefore = bar->maximum();
    Print(Receipt(40));
    EXPECT_GT(bar->maximum(), maximumBefore);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(window.Following());

    // Back at the end, the view follows again.
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    Print(Receipt(40));
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(window.Following());
}

TEST_F(ExpectedReceiptFollow, AMarkedRowDoesNotStopTheViewFollowingTheNewestReceipt) {
    Print(Receipt(40));
    window.NoteRow(0);
    Print(Receipt(40));
    window.NoteRow(1);
    window.ShowRow(1); // the operator chose the newest row, which ends the roll
    for (int i = 0; i < 3; ++i) Print(Receipt(40));
    EXPECT_EQ(bar->value(), bar->maximum()) << "the newest receipt is in view";
    EXPECT_EQ(window.MarkedRow(), 1);
}

TEST_F(ExpectedReceiptFollow, OlderReceiptsGoPastTheBoundTheWindowSaysHowManyAndTheViewStaysPut) {
    constexpr int FEEDS = 10; // about 2,550 dot rows a receipt
    std::string many;
    for (int i = 0; i < 70; ++i) many += BlankReceipt(FEEDS);
    Print(many);
    auto* letGo = window.findChild<QLabel*>(
        QStringLiteral("ctl%1").arg(ExpectedReceiptWindow::IDC_LET_GO));
    ASSERT_NE(letGo, nullptr);
    EXPECT_FALSE(letGo->isVisible()) << "nothing went yet";
    ASSERT_EQ(window.Shown().droppedReceipts, 0);

    // The operator looks at receipt 60; then the roll passes its bound.
    constexpr int LOOKED_AT = 60;
    bar->setValue(window.Shown().receipts[LOOKED_AT].top);
    ASSERT_FALSE(window.Following());
    many.clear();
    for (int i = 0; i < 15; ++i) many += BlankReceipt(FEEDS);
    Print(many);

    const int dropped = window.Shown().droppedReceipts;
    ASSERT_GT(dropped, 0);
    ASSERT_LT(dropped, LOOKED_AT);
    EXPECT_LE(window.Shown().Height(), ExpectedReceiptRoll::KEPT_ROWS + 3000);
    EXPECT_TRUE(letGo->isVisible());
    EXPECT_TRUE(letGo->text().contains(QString::number(dropped))) << letGo->text().toStdString();
    // The same receipt is still where the operator left the view.
    EXPECT_EQ(bar->value(), window.Shown().receipts[LOOKED_AT - dropped].top);
}
