// A network printer in the port list of the real dialog: opened by its own number,
// printed to over TCP, and without a baud rate or handshake to set.

#include "console/ControlIds.h"
#include "serial/PortMap.h"
#include "tests/support/OperatorHands.h"
#include "widgets/Prompts.h"
#include "console/TalvaneDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace ids;

namespace {

// A loopback listener standing in for a printer's port 9100.
struct LoopbackPrinter {
    int listener = -1;
    int client = -1;
    uint16_t port = 0;
    LoopbackPrinter() {
        listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(listener, 1) != 0 ||
            getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        port = ntohs(address.sin_port);
    }
    ~LoopbackPrinter() {
        if (client >= 0) close(client);
        if (listener >= 0) close(listener);
    }
    bool Accept() {
        pollfd p{listener, POLLIN, 0};
        if (poll(&p, 1, 2000) <= 0) return false;
        client = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        return client >= 0;
    }
    // Whatever arrives within `ms` of quiet.
    std::string Received(int ms) {
        std::string got;
        char buffer[4096];
        pollfd p{client, POLLIN, 0};
        while (client >= 0 && poll(&p, 1, ms) > 0) {
            const ssize_t n = recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            got.append(buffer, static_cast<size_t>(n));
        }
        return got;
    }
};

using hands::Click;
using hands::ProcessEvents;

TEST(NetworkPort, OpensByItsOwnNumberAndHasNoLineSettingsToSet) {
    LoopbackPrinter printer;
    ASSERT_NE(printer.port, 0);
    PortMap ports;
    ports.AddCommandLinePort("/dev/null-serial-stand-in"); // COM901 comes first
    const uint32_t number =
        ports.AddCommandLinePort("tcp://127.0.0.1:" + std::to_string(printer.port));
    ScriptedPrompts prompts;
    CTalvaneDlg dlg(&ports);
    dlg.show();
    ProcessEvents();

    auto* portList = qobject_cast<QComboBox*>(dlg.DialogControl(IDC_PORT_LIST));
    ASSERT_EQ(portList->count(), 2);
    EXPECT_EQ(portList->itemText(1), "NET1 (127.0.0.1:" + QString::number(printer.port) + ")");
    EXPECT_EQ(portList->itemData(1).toUInt(), number) << "NET1 is not COM1";
    portList->setCurrentIndex(1);

    QWidget* com = dlg.DialogControl(IDC_COM_OPEN);
    Click(com);
    ASSERT_TRUE(dlg.IsOpen());
    ASSERT_TRUE(printer.Accept());
    EXPECT_EQ(dlg.GetPort(), number);

    const int lineControls[] = {IDC_BAUD_LIST, IDC_HANDSHAKE_LIST, IDC_BAUD_SET,
                                IDC_HANDSHAKE_SET};
    for (int id : lineControls) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(dlg.DialogControl(id)->isEnabled());
        EXPECT_TRUE(dlg.DialogControl(id)->toolTip().contains("no baud rate or handshake"));
    }
    // Should the Set button be reached anyway, it refuses with a message and sends
    // the printer nothing.
    QWidget* baudSet = dlg.DialogControl(IDC_BAUD_SET);
    baudSet->setEnabled(true);
    Click(baudSet);
    ASSERT_EQ(prompts.CountMessages(), 1);
    EXPECT_TRUE(prompts.MessageTexts().front().contains("baud rate cannot be set"));
    EXPECT_EQ(printer.Received(300), "");

    Click(com);
    EXPECT_FALSE(dlg.IsOpen());
    for (int id : lineControls) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(dlg.DialogControl(id)->isEnabled());
        EXPECT_FALSE(dlg.DialogControl(id)->toolTip().contains("no baud rate or handshake"));
    }
}

TEST(NetworkPort, APrinterThatRefusesTheConnectionSaysSoAtTheComButton) {
    uint16_t freePort = 0;
    {
        LoopbackPrinter gone; // a port that was just free: nothing listens there
        freePort = gone.port;
    }
    ASSERT_NE(freePort, 0);
    PortMap ports;
    ports.AddCommandLinePort("tcp://127.0.0.1:" + std::to_string(freePort));
    ScriptedPrompts prompts;
    CTalvaneDlg dlg(&ports);
    dlg.show();
    ProcessEvents();
    Click(dlg.DialogControl(IDC_COM_OPEN));
    EXPECT_FALSE(dlg.IsOpen());
    ASSERT_TRUE(dlg.HelpTip().isVisible());
    // The port and the address are named with the connect's own reason.
    EXPECT_EQ(dlg.HelpTip().Text().toStdString(),
              "Cannot connect to NET1 (127.0.0.1:" + std::to_string(freePort) +
                  "): Connection refused");
    // The line controls stay usable for the next port.
    EXPECT_TRUE(dlg.DialogControl(IDC_BAUD_SET)->isEnabled());
}

} // namespace
