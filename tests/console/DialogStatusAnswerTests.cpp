// "Read status" against a printer that never answers and one that does: the window says
// so plainly, shows when the printer last answered, and shows each reply in words
// under the received bytes.

#include "tests/console/DialogTestSupport.h"

#include "console/StatusPanel.h"
#include "widgets/HelpTip.h"
#include "widgets/LampButton.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTime>

using namespace ids;

namespace {

const QString NO_ANSWER = QStringLiteral("No answer from the printer");
const QString LAST_ANSWER = QStringLiteral("Last answer at ");
// Longer than the wait for the answer, with room for a loaded machine.
constexpr int PAST_ANSWER_WAIT_MS = StatusPanel::ANSWER_WAIT_MS + 700;

QLabel* Label(const ConsoleDialog& f, const char* name) {
    return f.dlg->findChild<QLabel*>(QString::fromLatin1(name));
}
QString AnswerLine(const ConsoleDialog& f) {
    return Label(f, "statusAnswer")->text();
}
QString ReplyWords(const ConsoleDialog& f) {
    return Label(f, "replyWords")->text();
}

// A printer on a pseudo-terminal that reads everything and says nothing.
struct SilentDialog : PeerHolder, ConsoleDialog {
    SilentDialog() : ConsoleDialog(peer.SlavePath()) {}
};

TEST(DialogStatusAnswer, SilentPrinterIsReportedAfterTheWait) {
    SilentDialog f;
    ASSERT_NE(Label(f, "statusAnswer"), nullptr);
    ASSERT_NE(Label(f, "replyWords"), nullptr);

    // Port closed: the usual warning, nothing sent and nothing awaited.
    f.Click(IDC_READ_STATUS);
    EXPECT_EQ(f.TipText(), QStringLiteral("Please Open the Port"));
    EXPECT_FALSE(f.RunUntil([&] { return !AnswerLine(f).isEmpty(); }, PAST_ANSWER_WAIT_MS));

    ASSERT_TRUE(f.OpenPort());
    f.Click(IDC_READ_STATUS);
    // The request went out as before, and the wait has only begun.
    EXPECT_TRUE(f.peer.WaitForBytes(6, std::chrono::seconds(5)));
    EXPECT_EQ(f.peer.Bytes(), (std::vector<uint8_t>{0x10, 0x04, 0x05, 0x1D, 0x61, 0x2F}));
    EXPECT_EQ(f.Rows(), (std::vector<std::string>{"10 04 05 ", "1D 61 2F "}));
    EXPECT_FALSE(AnswerLine(f).contains(NO_ANSWER));
    ASSERT_TRUE(f.RunUntil([&] { return AnswerLine(f) == NO_ANSWER; }, 5000)) << AnswerLine(f).toStdString();
    EXPECT_TRUE(ReplyWords(f).isEmpty());

    // A late answer still counts: the line then tells its time.
    ASSERT_TRUE(f.peer.Send({0x00}));
    ASSERT_TRUE(f.RunUntil([&] { return AnswerLine(f).startsWith(LAST_ANSWER); }, 5000));
    EXPECT_TRUE(ReplyWords(f).startsWith(QStringLiteral("00 \u2192 paper end: no, platen: closed")))
        << ReplyWords(f).toStdString();

    // Silent again: the time of that last answer stays in sight.
    f.Click(IDC_READ_STATUS);
    ASSERT_TRUE(f.RunUntil([&] { return AnswerLine(f).startsWith(NO_ANSWER); }, 5000));
    EXPECT_TRUE(AnswerLine(f).contains(QStringLiteral("(last answer at ")));
}

TEST(DialogStatusAnswer, AnsweringPrinterShowsWordsAndTheTimeOfTheAnswer) {
    PeerDialog f;
    f.peer.statusByte = 0x04; // paper end
    ASSERT_TRUE(f.OpenPort());
    f.Click(IDC_READ_STATUS);
    ASSERT_TRUE(f.RunUntil([&] { return AnswerLine(f).startsWith(LAST_ANSWER); }, 5000));
    const QString first = AnswerLine(f);
    const QTime at = QTime::fromString(first.mid(LAST_ANSWER.size()), QStringLiteral("HH:mm:ss"));
    ASSERT_TRUE(at.isValid()) << first.toStdString();
    EXPECT_LE(std::abs(at.secsTo(QTime::currentTime())), 2);
    EXPECT_EQ(ReplyWords(f), QStringLiteral("04 \u2192 paper end: yes, platen: closed, overheat: no, "
                                            "over-voltage: no, cutter: ok (status byte)"));
    // The lamp follows as before, and the answer is never called missing.
    auto* lamp = qobject_cast<CLampButton*>(f.dlg->DialogControl(IDC_LAMP_PAPER_END));
    EXPECT_TRUE(f.RunUntil([&] { return lamp->IsLampOn(); }, 5000));
    EXPECT_FALSE(f.RunUntil([&] { return AnswerLine(f).contains(NO_ANSWER); }, PAST_ANSWER_WAIT_MS));

    // The next answer, a second later or more, moves the time on; the words follow it,
    // and the earlier reply stays in the tooltip.
    f.RunUntil([&] { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) !=
                            first.mid(LAST_ANSWER.size()); },
               2000);
    f.peer.statusByte = 0x02; // platen open
    f.Click(IDC_READ_STATUS);
    ASSERT_TRUE(f.RunUntil([&] { return AnswerLine(f) != first; }, 5000));
    EXPECT_TRUE(AnswerLine(f).startsWith(LAST_ANSWER));
    ASSERT_TRUE(f.RunUntil([&] { return ReplyWords(f).contains(QStringLiteral("platen: open")); }, 5000));
    EXPECT_TRUE(Label(f, "replyWords")->toolTip().contains(QStringLiteral("paper end: yes")));

    // The sensor response arrives as one reply in words.
    f.Click(IDC_RECEIVE_CLEAR);
    EXPECT_TRUE(ReplyWords(f).isEmpty());
    ASSERT_TRUE(f.peer.Send({0x37, 0x64}));
    // The first piece opens the response; the words wait for its end.
    ASSERT_TRUE(f.RunUntil([&] { return f.dlg->Replies().IsCollecting(); }, 5000));
    EXPECT_TRUE(ReplyWords(f).isEmpty());
    ASSERT_TRUE(f.peer.Send({0x39, 0x38, 0x00}));
    ASSERT_TRUE(f.RunUntil([&] { return ReplyWords(f).contains(QStringLiteral("sensor value: 98")); },
                           5000))
        << ReplyWords(f).toStdString();
    EXPECT_TRUE(ReplyWords(f).startsWith(QStringLiteral("37 64 39 38 00 \u2192")));
}

TEST(DialogStatusAnswer, TypedStatusRequestsAreAnsweredInWords) {
    PeerDialog f;
    ASSERT_TRUE(f.OpenPort());
    f.Click(IDC_SEND_HEX);
    f.Retype(IDC_SEND_EDIT, QStringLiteral("10 04 04"));
    f.Click(IDC_SEND);
    ASSERT_TRUE(f.peer.WaitForBytes(3, std::chrono::seconds(5)));
    // Paper end by the common layout: bits 5 and 6 besides the fixed bits 1 and 4.
    ASSERT_TRUE(f.peer.Send({0x72}));
    ASSERT_TRUE(f.RunUntil([&] { return !ReplyWords(f).isEmpty(); }, 5000));
    EXPECT_EQ(ReplyWords(f), QStringLiteral("72 \u2192 paper end: yes, paper near end: no "
                                            "(paper sensor (DLE EOT 4))"));
    // Bytes nobody asked for that are no status bytes are called so, and change no lamp.
    ASSERT_TRUE(f.peer.Send({0x31}));
    ASSERT_TRUE(f.RunUntil([&] { return ReplyWords(f).startsWith(QStringLiteral("31 ")); }, 5000));
    EXPECT_EQ(ReplyWords(f), QStringLiteral("31 \u2192 no status byte (ignored)"));
    // The records are what was sent, nothing received joins them.
    EXPECT_EQ(f.Rows(), std::vector<std::string>{"10 04 04 "});
}

} // namespace
