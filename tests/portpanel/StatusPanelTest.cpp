// "Read status", "Clear-Buf", the condition lamps driven by the printer's status bytes
// and the sensor value shown on the label page.

#include "PanelFixture.h"

#include "LampButton.h"
#include "LayOut.h"

#include <QAccessible>
#include <QColor>
#include <QImage>
#include <algorithm>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace ids;

namespace {

constexpr int XON_XOFF = 2;
const int CONDITION_LAMPS[] = {IDC_LAMP_PAPER_END, IDC_LAMP_OVERHEAT, IDC_LAMP_CUTTER,
                               IDC_LAMP_OVERVOLTAGE, IDC_LAMP_PLATEN_UP};

// The ids of the condition lamps that are on.
std::vector<int> LampsOn(PanelFixture& f) {
    std::vector<int> on;
    for (int id : CONDITION_LAMPS)
        if (f.As<CLampButton>(id)->IsLampOn()) on.push_back(id);
    return on;
}

TEST(StatusPanel, ReadStatusRecordsTwoRowsAndTheLampsFollowTheAnswer) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort(XON_XOFF));
    f.peer.statusByte = 0x0C;
    f.Click(IDC_READ_STATUS);
    EXPECT_EQ(f.Rows(), (std::vector<std::string>{"10 04 05 ", "1D 61 2F "}));
    EXPECT_EQ(Hex(f.peer.WaitBytes(6)), "10 04 05 1D 61 2F ");
    // Asked without flow control; afterwards the port has its XON/XOFF again.
    for (const PrinterPeer::Arrival& a : f.peer.Arrivals()) EXPECT_FALSE(a.line.xonOut);
    EXPECT_TRUE(f.peer.Line().xonOut);

    const std::vector<int> paperAndHeat = {IDC_LAMP_PAPER_END, IDC_LAMP_OVERHEAT};
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return LampsOn(f) == paperAndHeat; }));
    EXPECT_EQ(f.As<QPlainTextEdit>(IDC_RECEIVE_EDIT)->toPlainText(), "0C ");
    f.peer.Send({0x00});
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return LampsOn(f).empty(); }));

    // The lamps go dark at once on "Read status" and the answer lights them again.
    f.peer.Send({0x0C});
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return LampsOn(f) == paperAndHeat; }));
    f.peer.statusByte = 0x0C;
    f.Click(IDC_READ_STATUS);
    EXPECT_EQ(f.Rows().size(), 4u);
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return LampsOn(f) == paperAndHeat; }));
}

// The colour at the centre of a lamp button's lamp, as the screen shows it.
QColor LampColourShown(CLampButton* lamp) {
    constexpr int LAMP_CENTRE_X = 6 + 8; // margin + half the lamp
    return lamp->grab().toImage().pixelColor(LAMP_CENTRE_X, lamp->height() / 2);
}

QString AccessibleText(QWidget* w, QAccessible::Text which) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(which) : QStringLiteral("<none>");
}

// A lit fault lamp is red, never the green of a healthy state, and dark when out; a
// screen reader hears each lamp's state.
TEST(StatusPanel, FaultLampsLightRedAndTellTheirState) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    for (int id : CONDITION_LAMPS) {
        EXPECT_EQ(AccessibleText(f.As<CLampButton>(id), QAccessible::Description), "off") << id;
        EXPECT_EQ(AccessibleText(f.As<CLampButton>(id), QAccessible::Name),
                  f.As<CLampButton>(id)->text());
    }
    f.peer.Send({0x2F}); // every condition at once
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return LampsOn(f).size() == 5; }));
    for (int id : CONDITION_LAMPS) {
        const QColor lit = LampColourShown(f.As<CLampButton>(id));
        EXPECT_GT(lit.red(), 180) << id;
        EXPECT_LT(lit.green(), 110) << id;
        EXPECT_EQ(AccessibleText(f.As<CLampButton>(id), QAccessible::Description), "on") << id;
    }
    f.peer.Send({0x00});
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return LampsOn(f).empty(); }));
    for (int id : CONDITION_LAMPS) {
        const QColor dark = LampColourShown(f.As<CLampButton>(id));
        EXPECT_LT(std::max({dark.red(), dark.green(), dark.blue()}), 130) << id;
        EXPECT_EQ(AccessibleText(f.As<CLampButton>(id), QAccessible::Description), "off") << id;
    }
    // The COM button's lamp is the green of an open port, and its name follows its caption.
    auto* com = f.As<CLampButton>(IDC_COM_OPEN);
    EXPECT_GT(LampColourShown(com).green(), LampColourShown(com).red() + 60);
    EXPECT_EQ(AccessibleText(com, QAccessible::Name), "Close COM");
    EXPECT_EQ(AccessibleText(com, QAccessible::Description), "on");
    f.Click(IDC_COM_OPEN);
    EXPECT_EQ(com->text(), "Open COM");
    EXPECT_EQ(AccessibleText(com, QAccessible::Name), "Open COM");
    EXPECT_EQ(AccessibleText(com, QAccessible::Description), "off");
}

TEST(StatusPanel, ClosedPortStillPutsTheLampsOutButSendsNothing) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    f.peer.Send({0x0C});
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return LampsOn(f).size() == 2; }));
    f.Click(IDC_COM_OPEN); // closing leaves the lamps as they are
    EXPECT_EQ(LampsOn(f).size(), 2u);
    f.Click(IDC_CLEAR_BUFFER);
    EXPECT_EQ(f.TipText(), "Please Open the Port");
    EXPECT_EQ(LampsOn(f).size(), 2u);
    f.dlg->HelpTip().hide();
    f.Click(IDC_READ_STATUS);
    EXPECT_EQ(f.TipText(), "Please Open the Port");
    EXPECT_TRUE(LampsOn(f).empty());
    EXPECT_TRUE(f.Rows().empty());
    EXPECT_TRUE(f.peer.BytesAfterQuiet().empty());
}

TEST(StatusPanel, ClearBufRecordsOneRowAndLeavesTheLamps) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort(XON_XOFF));
    f.peer.Send({0x0C});
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return LampsOn(f).size() == 2; }));
    f.Click(IDC_CLEAR_BUFFER);
    const std::string row = "10 14 08 01 03 14 01 06 02 08 ";
    EXPECT_EQ(f.Rows(), std::vector<std::string>{row});
    EXPECT_EQ(Hex(f.peer.WaitBytes(10)), row);
    for (const PrinterPeer::Arrival& a : f.peer.Arrivals()) EXPECT_FALSE(a.line.xonOut);
    EXPECT_TRUE(f.peer.Line().xonOut);
    EXPECT_EQ(LampsOn(f).size(), 2u);
}

TEST(StatusPanel, SensorValueGoesToTheLabelPage) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    auto* page = f.dlg->findChild<CLayOut*>();
    ASSERT_NE(page, nullptr);
    f.dlg->findChild<QTabWidget*>()->setCurrentIndex(2);
    auto* get = page->findChild<QPushButton*>(QStringLiteral("ctl%1").arg(CLayOut::IDC_GET));
    auto* ad = page->findChild<QLineEdit*>(QStringLiteral("ctl%1").arg(CLayOut::IDC_AD));
    ASSERT_NE(get, nullptr);
    ASSERT_NE(ad, nullptr);
    f.peer.SetSensorText("123");
    get->click(); // the printer answers 37 64 "123" 00
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return ad->text() == "123"; }))
        << ad->text().toStdString();

    // Another response's identifier changes nothing.
    f.peer.Send({0x37, 0x65, 'x', 'y', 0x00, 0x7E});
    ASSERT_TRUE(PanelFixture::RunUntil(
        [&] { return f.As<QPlainTextEdit>(IDC_RECEIVE_EDIT)->toPlainText().endsWith("7E "); }));
    EXPECT_EQ(ad->text(), "123");
}

} // namespace
