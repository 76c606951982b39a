// The three ways a handler issues commands, on a real command library over a
// pseudo-terminal: the port guard, the rows, and the quiet line of setup commands.
#include "host/CommandHost.h"
#include "host/FlowControl.h"
#include "printer/VrnxLib.h"
#include "tests/support/PageHostStandIn.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
constexpr uint32_t FAST_RATE = 115200;
constexpr uint32_t NEW_RATE = 19200;

PeerLine LineOf(const PrinterPeer& peer, size_t byteIndex) {
    size_t at = 0;
    for (const PrinterPeer::Arrival& a : peer.Arrivals()) {
        if (byteIndex < at + a.bytes.size()) return a.line;
        at += a.bytes.size();
    }
    return PeerLine{};
}

TEST(CommandHost, NothingIsIssuedOnAClosedPortAndTheOperatorIsTold) {
    PageHostStandIn host;
    bool ran = false;
    EXPECT_FALSE(host.Issue([&](CVRNX_LIB& p) {
        ran = true;
        p.LineFeed();
    }));
    EXPECT_FALSE(host.IssueScript([&](CommandScript&) { ran = true; }));
    EXPECT_FALSE(host.IssueSetup({[&](CVRNX_LIB&) { ran = true; }}));
    EXPECT_FALSE(ran);
    ASSERT_EQ(host.tips.size(), 3u);
    for (const PageHostStandIn::Tip& tip : host.tips) {
        EXPECT_EQ(tip.text, "Please Open the Port");
        EXPECT_EQ(tip.control, PageHostStandIn::COM_BUTTON);
    }
    EXPECT_TRUE(host.rows.empty());
}

TEST(CommandHost, RefusedInputShowsItsMessageAtTheControlAndSendsNothing) {
    PageHostStandIn host;
    ASSERT_TRUE(host.OpenPort());
    QLineEdit edit;
    edit.setObjectName(QStringLiteral("ctl1234"));
    EXPECT_FALSE(host.Issue(&edit, false, QStringLiteral("Data range from 1 to 9"),
                            [](CVRNX_LIB& p) { p.LineFeed(); }));
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_EQ(host.tips[0].control, "ctl1234");
    EXPECT_EQ(host.tips[0].text, "Data range from 1 to 9");
    EXPECT_TRUE(host.rows.empty());
    EXPECT_TRUE(host.WireAfterQuiet().empty());

    EXPECT_TRUE(host.Issue(&edit, true, QString(), [](CVRNX_LIB& p) { p.LineFeed(); }));
    EXPECT_EQ(host.rows, (std::vector<std::string>{"0A "}));
    EXPECT_EQ(host.WireHex(), "0A ");
}

TEST(CommandHost, AScriptMakesOneRowPerCommandInOrder) {
    PageHostStandIn host;
    ASSERT_TRUE(host.OpenPort());
    EXPECT_TRUE(host.IssueScript([](CommandScript& rows) {
        rows([](CVRNX_LIB& p) { p.InitPrinter(); });
        rows([](CVRNX_LIB& p) { p.SendText("ab"); });
        rows([](CVRNX_LIB& p) { p.LineFeed(); });
    }));
    EXPECT_EQ(host.rows, (std::vector<std::string>{"1B 40 ", "61 62 ", "0A "}));
    EXPECT_EQ(host.WireHex(), "1B 40 61 62 0A ");
}

TEST(CommandHost, SetupCommandsGoOutOnAQuietLineAndTheSettingsComeBack) {
    PageHostStandIn host;
    ASSERT_TRUE(host.OpenPort());
    CVRNX_LIB& line = host.lib;
    // Hardware and software flow control both on, as an operator may have set them.
    flow::ApplyFlowRow(line.DCB_, flow::RowOf(flow::HANDSHAKE_XON_XOFF));
    line.DCB_.fOutxCtsFlow = 1;
    line.DCB_.BaudRate = FAST_RATE;
    ASSERT_TRUE(line.SetState());
    ASSERT_TRUE(host.peer.Line().xonOut);
    ASSERT_TRUE(host.peer.Line().ctsFlow);

    EXPECT_TRUE(host.IssueSetup({[](CVRNX_LIB& p) { p.SetBaudRate(NEW_RATE); },
                                 [](CVRNX_LIB& p) { p.ClearBuffer(); }},
                                [](DCB& dcb) { dcb.BaudRate = NEW_RATE; }));
    ASSERT_EQ(host.rows.size(), 2u) << "one row per setup command";
    const std::vector<uint8_t> wire = host.Wire(host.RecordedBytes().size());
    ASSERT_EQ(wire, host.RecordedBytes());
    // Every byte of the setup went out with flow control off.
    for (size_t i = 0; i < wire.size(); ++i) {
        const PeerLine seen = LineOf(host.peer, i);
        EXPECT_FALSE(seen.xonOut) << "byte " << i;
        EXPECT_FALSE(seen.ctsFlow) << "byte " << i;
    }
    // Afterwards: the old flow control, and the rate the restore asked for.
    const PeerLine after = host.peer.Line();
    EXPECT_TRUE(after.xonOut);
    EXPECT_TRUE(after.ctsFlow);
    EXPECT_EQ(after.baud, NEW_RATE);
    EXPECT_EQ(line.DCB_.BaudRate, NEW_RATE);
}

} // namespace
