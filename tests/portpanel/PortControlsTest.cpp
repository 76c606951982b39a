// COM Open and Close, the baud-rate and handshake "Set" buttons, the model list and
// the BUSY lamp, against the pseudo-terminal printer.

#include "tests/portpanel/PanelFixture.h"

#include "widgets/LampButton.h"

#include <QComboBox>

using namespace ids;

namespace {

constexpr int BAUD_115200 = 4;
constexpr int XON_XOFF = 2;
constexpr int RTS_CTS = 1;

CLampButton* Lamp(PanelFixture& f, int id) {
    return f.As<CLampButton>(id);
}

TEST(ComOpen, EachHandshakeItemGivesItsLineSettings) {
    struct Case {
        int item;
        bool cts, xon;
    } cases[] = {{0, false, false}, {RTS_CTS, true, false}, {XON_XOFF, false, true}};
    PanelFixture f;
    ASSERT_TRUE(f.peer.Ok());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        ASSERT_TRUE(f.OpenPort(c.item));
        CTalvaneDlg& d = *f.dlg;
        EXPECT_EQ(d.GetOptions(), EN_CONSOLE_OPTIONS);
        EXPECT_EQ(d.GetNotifyCount(), 1u);
        EXPECT_EQ(d.CO_.ReadIntervalTimeout, 10u);
        EXPECT_EQ(d.CO_.ReadTotalTimeoutConstant, 100u);
        EXPECT_EQ(d.CO_.WriteTotalTimeoutConstant, 65535u);
        EXPECT_EQ(d.DCB_.fOutxCtsFlow, c.cts ? 1u : 0u);
        EXPECT_EQ(d.DCB_.fOutX, c.xon ? 1u : 0u);
        EXPECT_EQ(d.DCB_.fInX, 0u);
        EXPECT_EQ(d.DCB_.fOutxDsrFlow, 0u);
        EXPECT_EQ(d.DCB_.fRtsControl, RTS_CONTROL_DISABLE);
        EXPECT_EQ(d.DCB_.fDtrControl, DTR_CONTROL_DISABLE);

        const PeerLine line = f.peer.Line();
        EXPECT_EQ(line.baud, 9600u);
        EXPECT_EQ(line.ctsFlow, c.cts);
        EXPECT_EQ(line.xonOut, c.xon);
        EXPECT_FALSE(line.xonIn);
        if (c.xon) {
            EXPECT_EQ(line.startChar, 0x11);
            EXPECT_EQ(line.stopChar, 0x13);
        }
        EXPECT_EQ(d.DialogControl(IDC_COM_OPEN)->property("text").toString(), "Close COM");
        EXPECT_TRUE(Lamp(f, IDC_COM_OPEN)->IsLampOn());

        f.Click(IDC_COM_OPEN);
        EXPECT_FALSE(d.IsOpen());
        EXPECT_EQ(d.DialogControl(IDC_COM_OPEN)->property("text").toString(), "Open COM");
        EXPECT_FALSE(Lamp(f, IDC_COM_OPEN)->IsLampOn());
        EXPECT_FALSE(Lamp(f, IDC_LAMP_BUSY)->IsLampOn());
    }
    // Opening and closing sends nothing and records nothing.
    EXPECT_TRUE(f.peer.BytesAfterQuiet().empty());
    EXPECT_TRUE(f.Rows().empty());
}

TEST(ComOpen, FailureIsReportedWithItsReasonAndChangesNothing) {
    PanelFixture f;
    // Another user of the device: the console's open is refused.
    CSerialLine other(EN_CONSOLE_OPTIONS);
    other.SetPortMap(&f.ports);
    ASSERT_TRUE(other.Open(PortMap::COMMAND_LINE_BASE, 9600, NOPARITY, 8, ONESTOPBIT));
    f.Click(IDC_COM_OPEN);
    EXPECT_FALSE(f.dlg->IsOpen());
    EXPECT_TRUE(f.TipText().startsWith("Open the serial port error\n"))
        << f.TipText().toStdString();
    EXPECT_TRUE(f.TipText().contains("in use")) << f.TipText().toStdString();
    EXPECT_EQ(f.dlg->DialogControl(IDC_COM_OPEN)->property("text").toString(), "COM Open");
    EXPECT_FALSE(Lamp(f, IDC_COM_OPEN)->IsLampOn());
    other.Close();

    // A device that has gone: its entry is absent and is not opened.
    PortMap gone;
    gone.AddCommandLinePort("/dev/portpanel-no-such-device");
    CTalvaneDlg d(&gone);
    d.show();
    qobject_cast<QAbstractButton*>(d.DialogControl(IDC_COM_OPEN))->click();
    EXPECT_FALSE(d.IsOpen());
    EXPECT_EQ(d.HelpTip().Text(), "COM901 is not there");
}

TEST(BaudSet, CommandGoesAtTheOldRateThenThePortFollows) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort(XON_XOFF));
    f.Choose(IDC_BAUD_LIST, BAUD_115200);
    f.Click(IDC_BAUD_SET);
    // GS ( E with the digits of 115200.
    const std::vector<uint8_t> command =
        Bytes({0x1D, 0x28, 0x45, 0x08, 0x00, 0x0B, 0x01, '1', '1', '5', '2', '0', '0'});
    EXPECT_EQ(Hex(f.peer.WaitBytes(command.size())), Hex(command));
    for (const PrinterPeer::Arrival& a : f.peer.Arrivals()) {
        EXPECT_EQ(a.line.baud, 9600u);
        EXPECT_FALSE(a.line.xonOut);
        EXPECT_FALSE(a.line.ctsFlow);
    }
    // The handler has returned: the port runs at the new rate with XON/XOFF again.
    const PeerLine line = f.peer.Line();
    EXPECT_EQ(line.baud, 115200u);
    EXPECT_TRUE(line.xonOut);
    EXPECT_EQ(line.startChar, 0x11);
    EXPECT_EQ(line.stopChar, 0x13);
    EXPECT_EQ(f.dlg->DCB_.BaudRate, 115200u);
    EXPECT_EQ(f.Rows(), std::vector<std::string>{Hex(command)});
}

TEST(HandshakeSet, PrinterAndPortChangeFlowControlTogether) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort(0));
    struct Case {
        int item;
        uint8_t mode;
        bool cts, xon;
    } cases[] = {
        {XON_XOFF, 0x31, false, true}, {RTS_CTS, 0x30, true, false}, {0, 0x00, false, false}};
    std::vector<std::string> rows;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        f.peer.Forget();
        f.Choose(IDC_HANDSHAKE_LIST, c.item);
        EXPECT_TRUE(f.peer.BytesAfterQuiet().empty()); // choosing alone sends nothing
        f.Click(IDC_HANDSHAKE_SET);
        const std::vector<uint8_t> command =
            Bytes({0x1D, 0x28, 0x45, 0x03, 0x00, 0x0B, 0x03, c.mode});
        EXPECT_EQ(Hex(f.peer.WaitBytes(command.size())), Hex(command));
        // Sent without flow control, whatever the port had before.
        for (const PrinterPeer::Arrival& a : f.peer.Arrivals()) {
            EXPECT_FALSE(a.line.xonOut);
            EXPECT_FALSE(a.line.ctsFlow);
        }
        const PeerLine line = f.peer.Line();
        EXPECT_EQ(line.ctsFlow, c.cts);
        EXPECT_EQ(line.xonOut, c.xon);
        EXPECT_FALSE(Lamp(f, IDC_LAMP_BUSY)->IsLampOn());
        rows.push_back(Hex(command));
        EXPECT_EQ(f.Rows(), rows);
    }
}

TEST(PortGroup, ClosedPortStopsTheSetButtons) {
    PanelFixture f;
    for (int id : {IDC_BAUD_SET, IDC_HANDSHAKE_SET}) {
        f.Click(id);
        EXPECT_EQ(f.TipText(), "Please Open the Port") << id;
    }
    EXPECT_TRUE(f.Rows().empty());
}

TEST(PortGroup, ModelListSetsThePrintableWidth) {
    PanelFixture f;
    EXPECT_EQ(f.dlg->PrintableWidth(), 384);
    f.Choose(IDC_MODEL_LIST, 1);
    EXPECT_EQ(f.dlg->PrintableWidth(), 576);
    f.Choose(IDC_MODEL_LIST, 0);
    EXPECT_EQ(f.dlg->PrintableWidth(), 384);
    EXPECT_TRUE(f.Rows().empty());
}

TEST(PortGroup, BusyLampFollowsCtsOnlyUnderHardwareFlowControl) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort(0));
    CLampButton* busy = Lamp(f, IDC_LAMP_BUSY);
    EXPECT_TRUE(busy->isHidden());
    PostMessage(f.dlg->WindowHandle(), CN_MSG_CTS, 0, 0);
    PanelFixture::ProcessEvents();
    EXPECT_FALSE(busy->IsLampOn()); // no CTS flow control: ignored

    f.Click(IDC_COM_OPEN);
    ASSERT_TRUE(f.OpenPort(RTS_CTS));
    PostMessage(f.dlg->WindowHandle(), CN_MSG_CTS, 0, 0);
    PanelFixture::ProcessEvents();
    EXPECT_TRUE(busy->IsLampOn()); // CTS off: the printer is busy
    PostMessage(f.dlg->WindowHandle(), CN_MSG_CTS, 0, 1);
    PanelFixture::ProcessEvents();
    EXPECT_FALSE(busy->IsLampOn());
    PostMessage(f.dlg->WindowHandle(), CN_MSG_CTS, 0, 0);
    PanelFixture::ProcessEvents();
    f.Click(IDC_COM_OPEN); // closing puts the lamp out
    EXPECT_FALSE(busy->IsLampOn());
}

} // namespace
