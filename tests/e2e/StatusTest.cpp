// The status lamps and the label page's sensor reading against conditions switched on
// the vprinter process's standard input, as a technician does at the bench.
#include "tests/e2e/ConsoleFixture.h"

#include "widgets/LampButton.h"
#include "pages/LayOut.h"
#include "console/RecordsModel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace ids;

namespace {

struct Condition {
    const char* command; // on the printer's standard input
    int lamp;
};

const Condition CONDITIONS[] = {
    {"paper-end", IDC_LAMP_PAPER_END}, {"overheat", IDC_LAMP_OVERHEAT},
    {"cutter-error", IDC_LAMP_CUTTER}, {"over-voltage", IDC_LAMP_OVERVOLTAGE},
    {"platen-up", IDC_LAMP_PLATEN_UP},
};

class StatusLamps : public ConsoleFixture {
protected:
    CLampButton* Lamp(int id) const { return qobject_cast<CLampButton*>(DialogControl(id)); }
    bool Switch(const Condition& c, bool on) {
        const QString line =
            QString::fromLatin1(c.command) + (on ? QStringLiteral(" on") : QStringLiteral(" off"));
        return printer->Command(line, line);
    }
    bool LampBecomes(int id, bool on) {
        return RunUntil([&] { return Lamp(id)->IsLampOn() == on; }, ANSWER_TIMEOUT_MS);
    }
    std::vector<int> LitLamps() const {
        std::vector<int> lit;
        for (const Condition& c : CONDITIONS)
            if (Lamp(c.lamp)->IsLampOn()) lit.push_back(c.lamp);
        return lit;
    }
    // "Read status": the request and automatic status back; the printer answers each.
    void ReadStatus() {
        const int before = ReceivedCount();
        ClickDialog(IDC_READ_STATUS);
        ASSERT_TRUE(RunUntil([&] { return ReceivedCount() >= before + 2; }, ANSWER_TIMEOUT_MS))
            << "no answer to DLE EOT and GS a";
    }
};

TEST_F(StatusLamps, FollowConditionsSwitchedOnThePrinter) {
    for (const Condition& c : CONDITIONS) ASSERT_NE(Lamp(c.lamp), nullptr) << c.lamp;
    ASSERT_NO_FATAL_FAILURE(ReadStatus());
    const auto& rows = dlg->Records().Rows();
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[rows.size() - 2].text, "10 04 05 ");
    EXPECT_EQ(rows[rows.size() - 1].text, "1D 61 2F ");
    EXPECT_TRUE(LitLamps().empty());

    for (const Condition& c : CONDITIONS) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(Switch(c, true));
        ASSERT_TRUE(LampBecomes(c.lamp, true));
        EXPECT_EQ(LitLamps(), std::vector<int>{c.lamp});
        ASSERT_TRUE(Switch(c, false));
        ASSERT_TRUE(LampBecomes(c.lamp, false));
        EXPECT_TRUE(LitLamps().empty());
    }

    // Two at once, cleared one after the other.
    ASSERT_TRUE(Switch(CONDITIONS[0], true));
    ASSERT_TRUE(Switch(CONDITIONS[1], true));
    ASSERT_TRUE(LampBecomes(CONDITIONS[0].lamp, true));
    ASSERT_TRUE(LampBecomes(CONDITIONS[1].lamp, true));
    ASSERT_TRUE(Switch(CONDITIONS[0], false));
    ASSERT_TRUE(LampBecomes(CONDITIONS[0].lamp, false));
    EXPECT_TRUE(Lamp(CONDITIONS[1].lamp)->IsLampOn());
    ASSERT_TRUE(Switch(CONDITIONS[1], false));
    ASSERT_TRUE(LampBecomes(CONDITIONS[1].lamp, false));
}

// "Read status" darkens the lamps first; a condition still present lights its lamp
// again with the answer.
TEST_F(StatusLamps, ReadStatusLightsAPresentConditionAgain) {
    ASSERT_NO_FATAL_FAILURE(ReadStatus());
    ASSERT_TRUE(Switch(CONDITIONS[4], true)); // platen up
    ASSERT_TRUE(LampBecomes(CONDITIONS[4].lamp, true));
    ASSERT_NO_FATAL_FAILURE(ReadStatus());
    EXPECT_TRUE(LampBecomes(CONDITIONS[4].lamp, true));
    EXPECT_EQ(LitLamps(), std::vector<int>{CONDITIONS[4].lamp});
}

// Without automatic status back the printer keeps its changes to itself.
TEST_F(StatusLamps, StayDarkWithoutAutomaticStatusBack) {
    ASSERT_TRUE(Switch(CONDITIONS[0], true));
    ASSERT_TRUE(Handshake()); // a status request is answered, and its answer is shown
    EXPECT_TRUE(LampBecomes(CONDITIONS[0].lamp, true));
    ASSERT_TRUE(Switch(CONDITIONS[0], false));
    // Nothing comes by itself: the lamp stays lit until the next status request.
    QTest::qWait(200);
    EXPECT_TRUE(Lamp(CONDITIONS[0].lamp)->IsLampOn());
    ASSERT_TRUE(Handshake());
    EXPECT_TRUE(LampBecomes(CONDITIONS[0].lamp, false));
}

using LabelPage = ConsoleFixture;

TEST_F(LabelPage, GetShowsTheSensorValue) {
    CLayOut* page = dlg->findChild<CLayOut*>();
    ASSERT_NE(page, nullptr);
    ShowPage(page);
    auto* ad = PageAs<QLineEdit>(page, CLayOut::IDC_AD);
    ASSERT_NE(ad, nullptr);
    // The box shows "0" until a value is read, so the values read are all other.
    ASSERT_EQ(ad->text(), QStringLiteral("0"));
    for (const QString& value :
         {QStringLiteral("873"), QStringLiteral("12"), QStringLiteral("1023")}) {
        const QString command = QStringLiteral("sensor ") + value;
        ASSERT_TRUE(printer->Command(command, command));
        Click(PageControl(page, CLayOut::IDC_GET));
        EXPECT_TRUE(RunUntil([&] { return ad->text() == value; }, ANSWER_TIMEOUT_MS))
            << "AD: shows " << ad->text().toStdString() << ", printer has " << value.toStdString();
    }
}

// The printer's own answers in words under the received bytes: the status byte of "Read
// status", the common status requests typed as hex, and the sensor response.
class RepliesInWords : public ConsoleFixture {
protected:
    QString Words() const { return dlg->findChild<QLabel*>(QStringLiteral("replyWords"))->text(); }
    QString AnswerLine() const {
        return dlg->findChild<QLabel*>(QStringLiteral("statusAnswer"))->text();
    }
    bool WordsBecome(const QString& words) {
        const bool shown = RunUntil([&] { return Words() == words; }, ANSWER_TIMEOUT_MS);
        EXPECT_TRUE(shown) << "shows \"" << Words().toStdString() << "\"";
        return shown;
    }
    void SendHex(const QString& hex) {
        auto* sendHex = qobject_cast<QCheckBox*>(DialogControl(IDC_SEND_HEX));
        ClickDialog(IDC_SEND_CLEAR);
        if (!sendHex->isChecked()) Click(sendHex);
        Retype(DialogControl(IDC_SEND_EDIT), hex);
        ClickDialog(IDC_SEND);
    }
};

TEST_F(RepliesInWords, ThePrintersAnswersAreExplained) {
    // GS r waits behind the data while paper end stops the printer: asked first.
    SendHex(QStringLiteral("1D 72 01"));
    EXPECT_TRUE(WordsBecome(QStringLiteral("00 \u2192 paper end: no, paper near end: no "
                                           "(paper sensor (GS r 1))")));
    ASSERT_TRUE(printer->Command(QStringLiteral("paper-end on"), QStringLiteral("paper-end on")));
    ClickDialog(IDC_READ_STATUS);
    EXPECT_TRUE(WordsBecome(QStringLiteral("04 \u2192 paper end: yes, platen: closed, overheat: no, "
                                           "over-voltage: no, cutter: ok (status byte)")));
    EXPECT_TRUE(RunUntil([&] { return AnswerLine().startsWith(QStringLiteral("Last answer at ")); },
                         ANSWER_TIMEOUT_MS))
        << AnswerLine().toStdString();

    // Asked in the common way, the same condition in that request's own bits.
    SendHex(QStringLiteral("10 04 04"));
    EXPECT_TRUE(WordsBecome(QStringLiteral("72 \u2192 paper end: yes, paper near end: no "
                                           "(paper sensor (DLE EOT 4))")));
    SendHex(QStringLiteral("10 04 02"));
    EXPECT_TRUE(WordsBecome(QStringLiteral("32 \u2192 cover: closed, paper fed by button: no, "
                                           "stopped for paper end: yes, error: no "
                                           "(offline cause (DLE EOT 2))")));

    // Automatic status back is on: the printer reports the change by itself.
    ASSERT_TRUE(printer->Command(QStringLiteral("paper-end off"), QStringLiteral("paper-end off")));
    EXPECT_TRUE(WordsBecome(QStringLiteral("00 \u2192 paper end: no, platen: closed, overheat: no, "
                                           "over-voltage: no, cutter: ok (status byte)")));

    ASSERT_TRUE(printer->Command(QStringLiteral("sensor 517"), QStringLiteral("sensor 517")));
    CLayOut* page = dlg->findChild<CLayOut*>();
    ShowPage(page);
    Click(PageControl(page, CLayOut::IDC_GET));
    EXPECT_TRUE(RunUntil([&] { return Words().contains(QStringLiteral("sensor value: 517")); },
                         ANSWER_TIMEOUT_MS))
        << Words().toStdString();
}

} // namespace
