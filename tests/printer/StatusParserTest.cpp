// The parser of what the printer sends back: condition messages in their fixed order,
// responses with any bytes inside, and what happens without an owner window.

#include "tests/support/PrinterPeer.h"
#include "printer/VrnxLib.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace std::chrono_literals;
using Messages = std::vector<uint32_t>;

class StatusParser : public ::testing::Test {
protected:
    StatusParser() { lib.SetOwnerWindow(&owner); }

    void Feed(std::initializer_list<uint8_t> bytes) {
        for (uint8_t b : bytes) lib.ParseStatusByte(b);
    }
    // The messages posted so far; each must carry wParam 0 and lParam 0.
    Messages Posted() {
        Messages ids;
        for (const WindowMessage& m : owner.Drain()) {
            EXPECT_EQ(m.wParam, 0u);
            EXPECT_EQ(m.lParam, 0);
            ids.push_back(m.message);
        }
        return ids;
    }

    QueueWindow owner;
    CVRNX_LIB lib;
};

TEST_F(StatusParser, PaperEndSetsThenClearsOnce) {
    Feed({0x04});
    EXPECT_EQ(Posted(), Messages{PRN_MSG_PAPER_END});
    EXPECT_TRUE(lib.IsConditionSet(PrinterCondition::PaperEnd));
    Feed({0x00});
    EXPECT_EQ(Posted(), Messages{PRN_MSG_PAPER_END_CLEAR});
    EXPECT_FALSE(lib.IsConditionSet(PrinterCondition::PaperEnd));
    Feed({0x00});
    EXPECT_EQ(Posted(), Messages{});
}

TEST_F(StatusParser, AllConditionsInFixedOrderAndRepeatedWhilePresent) {
    const Messages allSet = {PRN_MSG_OVERVOLTAGE, PRN_MSG_PLATEN_UP, PRN_MSG_OVERHEAT,
                             PRN_MSG_PAPER_END, PRN_MSG_CUTTER};
    Feed({0x2F});
    EXPECT_EQ(Posted(), allSet);
    Feed({0x2F});
    EXPECT_EQ(Posted(), allSet);
    EXPECT_EQ(lib.GetLastStatus(), 0x2F);

    // Bits 6 and 7 are not interpreted; the clears come in the same order.
    Feed({0xC0});
    EXPECT_EQ(Posted(),
              (Messages{PRN_MSG_OVERVOLTAGE_CLEAR, PRN_MSG_PLATEN_UP_CLEAR, PRN_MSG_OVERHEAT_CLEAR,
                        PRN_MSG_PAPER_END_CLEAR, PRN_MSG_CUTTER_CLEAR}));
    EXPECT_EQ(lib.GetLastStatus(), 0xC0);
}

TEST_F(StatusParser, MixedChangeReportsSetsAndClearsInBitOrder) {
    Feed({0x09}); // over-voltage, overheat
    Posted();
    Feed({0x22}); // platen up, cutter; over-voltage and overheat clear
    EXPECT_EQ(Posted(), (Messages{PRN_MSG_OVERVOLTAGE_CLEAR, PRN_MSG_PLATEN_UP,
                                  PRN_MSG_OVERHEAT_CLEAR, PRN_MSG_CUTTER}));
}

TEST_F(StatusParser, ResponseBytesWhileIdleAreIgnored) {
    Feed({0x10, 0x30, 0x31, 0xFF, 0x5A});
    EXPECT_EQ(Posted(), Messages{});
    EXPECT_FALSE(lib.IsStatusReceived());
    EXPECT_FALSE(lib.IsCollectingResponse());
    EXPECT_EQ(lib.GetResponseCount(), 0u);
}

TEST_F(StatusParser, ResponseWithStatusLikeBytesInside) {
    Feed({0x04});
    Posted();
    // 0x31..0x33 and the status-like 0x04 and 0x2F are response text, not status.
    Feed({0x37, 0x64, 0x31, 0x2F, 0x04, 0x32, 0x33, 0x00});
    EXPECT_EQ(Posted(), Messages{PRN_MSG_RESPONSE});
    EXPECT_EQ(lib.GetResponseText(), "1\x2F\x04"
                                     "23");
    EXPECT_EQ(lib.GetResponseId(), PRN_RESPONSE_SENSOR);
    EXPECT_EQ(lib.GetResponseCount(), 8u);
    EXPECT_TRUE(lib.IsConditionSet(PrinterCondition::PaperEnd));
    EXPECT_FALSE(lib.IsCollectingResponse());

    Feed({0x37, 0x64, 0x31, 0x32, 0x33, 0x00});
    EXPECT_EQ(Posted(), Messages{PRN_MSG_RESPONSE});
    EXPECT_EQ(lib.GetResponseText(), "123");
}

TEST_F(StatusParser, ShortResponseNeverShowsAnEarlierLongerOne) {
    Feed({0x37, 0x64, 0x41, 0x42, 0x43, 0x00});
    EXPECT_EQ(lib.GetResponseText(), "ABC");
    Feed({0x37, 0x00});
    EXPECT_EQ(Posted(), (Messages{PRN_MSG_RESPONSE, PRN_MSG_RESPONSE}));
    EXPECT_EQ(lib.GetResponseText(), "");
    EXPECT_EQ(lib.GetResponseId(), 0x00);
    // While a response is still open only its own bytes count.
    Feed({0x37, 0x64, 0x5A});
    EXPECT_EQ(lib.GetResponseText(), "Z");
}

TEST_F(StatusParser, ResponseLongerThanTheCollectorIsCut) {
    Feed({0x37});
    for (int i = 0; i < 300; ++i) Feed({0x41});
    EXPECT_EQ(Posted(), Messages{});
    Feed({0x00});
    EXPECT_EQ(Posted(), Messages{PRN_MSG_RESPONSE});
    EXPECT_EQ(lib.GetResponseCount(), 302u);
    EXPECT_EQ(lib.GetResponseBytes()[0], PRN_RESPONSE_START);
    EXPECT_EQ(lib.GetResponseBytes()[PRN_RESPONSE_SIZE - 1], 0x41);
    EXPECT_EQ(lib.GetResponseText(), std::string(254, 'A'));
    // Back to idle: the next byte is a status byte again.
    Feed({0x01});
    EXPECT_EQ(Posted(), Messages{PRN_MSG_OVERVOLTAGE});
}

TEST_F(StatusParser, RequestStatusClearsTheReceivedFlagUntilTheNextStatusByte) {
    lib.EnableSentRecord(1);
    Feed({0x00});
    EXPECT_TRUE(lib.IsStatusReceived());
    EXPECT_TRUE(lib.RequestStatus()); // port closed: written nowhere, still true
    EXPECT_EQ(lib.TakeSentText(), "10 04 05 ");
    EXPECT_FALSE(lib.IsStatusReceived());
    Feed({0x37, 0x00}); // a response is no status
    EXPECT_FALSE(lib.IsStatusReceived());
    Feed({0x20});
    EXPECT_TRUE(lib.IsStatusReceived());
}

TEST(StatusParserWithoutOwner, StateChangesButNothingIsPosted) {
    CVRNX_LIB lib;
    lib.ParseStatusByte(0x04);
    EXPECT_TRUE(lib.IsConditionSet(PrinterCondition::PaperEnd));

    auto gone = std::make_unique<QueueWindow>();
    lib.SetOwnerWindow(gone.get());
    gone.reset(); // the owner window no longer exists
    lib.ParseStatusByte(0x00);
    EXPECT_FALSE(lib.IsConditionSet(PrinterCondition::PaperEnd));

    QueueWindow later;
    lib.SetOwnerWindow(&later);
    lib.ParseStatusByte(0x00); // the clear happened while nobody listened
    EXPECT_EQ(later.Pending(), 0u);
}

// The road back as the console takes it: bytes from the printer's end arrive through
// the read thread, the receive notification, the receive buffer and the parser.
TEST(StatusParserOnTheLine, StatusAndResponseFromThePeer) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    QueueWindow portWindow;
    QueueWindow owner;
    CVRNX_LIB lib;
    lib.SetOwnerWindow(&owner);
    lib.SetNotifyWindow(&portWindow);
    lib.ChangeOptions(lib.GetOptions(), EN_CONSOLE_OPTIONS);
    lib.SetNotifyCount(1);
    ASSERT_TRUE(lib.Open(peer.Port(), 9600, NOPARITY, 8, ONESTOPBIT));

    const std::vector<uint8_t> fromPrinter = {0x04, 0x37, 0x64, 0x31, 0x32, 0x00, 0x00};
    ASSERT_TRUE(peer.Send(fromPrinter));
    size_t parsed = 0;
    WindowMessage m{};
    while (parsed < fromPrinter.size() && portWindow.WaitFor(10s, &m)) {
        if (m.message != CN_MSG_RECEIVE) continue;
        uint8_t chunk[64];
        uint32_t n;
        while ((n = lib.GetRxBuffer().Read(chunk, sizeof chunk, true)) > 0) {
            for (uint32_t i = 0; i < n; ++i) lib.ParseStatusByte(chunk[i]);
            parsed += n;
        }
    }
    ASSERT_EQ(parsed, fromPrinter.size());
    Messages ids;
    for (const WindowMessage& w : owner.Drain()) ids.push_back(w.message);
    EXPECT_EQ(ids, (Messages{PRN_MSG_PAPER_END, PRN_MSG_RESPONSE, PRN_MSG_PAPER_END_CLEAR}));
    EXPECT_EQ(lib.GetResponseText(), "12");
}

} // namespace
