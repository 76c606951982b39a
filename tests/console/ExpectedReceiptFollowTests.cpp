// The expected receipt window keeps the newest receipt in view while the operator is
// at the end of the roll, and leaves the view where the operator scrolled it.
#include "console/ExpectedReceiptWindow.h"

#include "emulator/PrinterState.h"
#include "printer/VrnxLib.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr auto RENDER_TIMEOUT = std::chrono::seconds(30);

// A receipt of `lines` text lines, cut off.
std::string Receipt(int lines) {
    std::string bytes;
    for (int i = 0; i < lines; ++i) bytes += "line " + std::to_string(i) + "\n";
    return bytes + "\x1d\x56\x00";
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
