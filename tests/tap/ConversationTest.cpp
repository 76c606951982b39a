// The conversation's rows and alerts, the command splitting as bytes arrive in pieces,
// the capture file and the naming of the program side; no ports.
#include "tap/CaptureFile.h"
#include "tap/Conversation.h"
#include "tap/Session.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using tap::Alert;
using tap::AlertBit;
using tap::Clock;
using tap::Conversation;
using tap::Direction;
using tap::Row;

namespace {

struct Rows {
    std::vector<Row> rows;
    Conversation::Sink Sink() {
        return [this](const Row& r) { rows.push_back(r); };
    }
    const Row* FindText(const std::string& part) const {
        for (const Row& r : rows)
            if (r.text.find(part) != std::string::npos) return &r;
        return nullptr;
    }
};

std::vector<uint8_t> B(std::initializer_list<int> bytes) {
    std::vector<uint8_t> out;
    for (int b : bytes) out.push_back(static_cast<uint8_t>(b));
    return out;
}

} // namespace

TEST(TapConversation, CommandsBecomeRowsWithNamesAndTextRunsSettleIntoOne) {
    Rows seen;
    const auto t0 = Clock::now();
    Conversation c(seen.Sink(), t0);
    const std::string text = "Hello";
    // The text arrives in two writes: one row once it has settled.
    c.FromProgram(B({0x1B, 0x40, 'H', 'e'}).data(), 4, t0 + 1ms);
    c.FromProgram(reinterpret_cast<const uint8_t*>("llo"), 3, t0 + 2ms);
    c.Tick(t0 + 10ms);
    ASSERT_EQ(seen.rows.size(), 1u) << "text must wait for its run to settle";
    c.Tick(t0 + 2ms + Conversation::TEXT_SETTLE);
    ASSERT_EQ(seen.rows.size(), 2u);
    EXPECT_EQ(seen.rows[0].bytes, B({0x1B, 0x40}));
    EXPECT_EQ(seen.rows[0].text, "ESC @");
    EXPECT_EQ(seen.rows[0].direction, Direction::ToPrinter);
    EXPECT_EQ(seen.rows[1].text, text);
    EXPECT_EQ(seen.rows[1].atUs, std::chrono::microseconds(2ms + Conversation::TEXT_SETTLE).count());
    EXPECT_EQ(c.Summary().commands, 2u);
    EXPECT_EQ(c.Summary().toPrinterBytes, 7u);
}

TEST(TapConversation, AlertsAreMarkedOnTheirRowsAndCounted) {
    Rows seen;
    const auto t0 = Clock::now();
    Conversation c(seen.Sink(), t0);
    // GS 0x99 is not in the command table.
    c.FromProgram(B({0x1D, 0x99}).data(), 2, t0);
    // A request answered in time, then one that is not.
    c.FromProgram(B({0x10, 0x04, 0x01}).data(), 3, t0 + 1ms);
    c.FromPrinter(B({0x12}).data(), 1, t0 + 5ms);
    c.FromProgram(B({0x10, 0x04, 0x04}).data(), 3, t0 + 10ms);
    c.Tick(t0 + 10ms + Conversation::ANSWER_LIMIT - 1ms);
    EXPECT_EQ(c.Summary().alerts[static_cast<size_t>(Alert::Unanswered)], 0u);
    c.Tick(t0 + 10ms + Conversation::ANSWER_LIMIT);
    const Row* unanswered = seen.FindText("no answer within 500 ms");
    ASSERT_NE(unanswered, nullptr);
    EXPECT_EQ(unanswered->alerts, AlertBit(Alert::Unanswered));
    EXPECT_NE(unanswered->text.find("row " + std::to_string(seen.rows[3].number)), std::string::npos)
        << unanswered->text;
    // The printer says XOFF; what the program sends meanwhile is marked, after XON not.
    c.FromPrinter(B({0x13}).data(), 1, t0 + 600ms);
    EXPECT_TRUE(c.PrinterSaidXoff());
    c.FromProgram(B({0x0A}).data(), 1, t0 + 601ms);
    c.FromPrinter(B({0x11}).data(), 1, t0 + 602ms);
    c.FromProgram(B({0x0A}).data(), 1, t0 + 603ms);
    // A status byte saying paper end holds too.
    c.FromPrinter(B({0x0C}).data(), 1, t0 + 604ms);
    EXPECT_TRUE(c.PrinterHolds());
    c.FromProgram(B({0x0A}).data(), 1, t0 + 605ms);
    c.FromPrinter(B({0x00}).data(), 1, t0 + 606ms);
    EXPECT_FALSE(c.PrinterHolds());
    // The program goes mid-command.
    c.FromProgram(B({0x1B, 0x21}).data(), 2, t0 + 700ms);
    c.ProgramEnded(tap::NOTE_PROGRAM_GONE, t0 + 701ms);

    std::vector<uint32_t> lineFeedAlerts;
    for (const Row& r : seen.rows)
        if (r.bytes == B({0x0A})) lineFeedAlerts.push_back(r.alerts);
    EXPECT_EQ(lineFeedAlerts, (std::vector<uint32_t>{AlertBit(Alert::SentWhileHeld), 0,
                                                      AlertBit(Alert::SentWhileHeld)}));
    EXPECT_EQ(seen.rows[0].alerts, AlertBit(Alert::UnknownCommand));
    EXPECT_EQ(seen.rows[1].alerts, 0u) << "DLE EOT is known";
    const Row* cut = seen.FindText("(unfinished)");
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(cut->bytes, B({0x1B, 0x21}));
    EXPECT_EQ(cut->alerts, AlertBit(Alert::CutOff));
    EXPECT_EQ(seen.rows.back().text, tap::NOTE_PROGRAM_GONE);

    const tap::Totals& t = c.Summary();
    EXPECT_EQ(t.alerts, (std::array<uint64_t, tap::ALERT_KINDS>{1, 1, 1, 2}));
    EXPECT_NE(t.Line().find("1 unknown command, 1 cut off, 1 no answer, 2 sent while held"),
              std::string::npos)
        << t.Line();
    // The next connection starts clean: ESC @ is a whole command again.
    c.FromProgram(B({0x1B, 0x40}).data(), 2, t0 + 800ms);
    EXPECT_EQ(seen.rows.back().text, "ESC @");
    EXPECT_EQ(seen.rows.back().alerts, 0u);
}

TEST(TapConversation, RepliesAreInWordsAndAResponseWaitsForItsEnd) {
    Rows seen;
    const auto t0 = Clock::now();
    Conversation c(seen.Sink(), t0);
    c.FromPrinter(B({0x37, 0x64}).data(), 2, t0);
    EXPECT_TRUE(seen.rows.empty());
    // An XOFF value inside a response is data, not flow control.
    c.FromPrinter(B({0x13, 0x41, 0x00}).data(), 3, t0 + 1ms);
    ASSERT_EQ(seen.rows.size(), 1u);
    EXPECT_EQ(seen.rows[0].bytes, B({0x37, 0x64, 0x13, 0x41, 0x00}));
    EXPECT_FALSE(c.PrinterSaidXoff());
    EXPECT_EQ(c.Summary().replies, 1u);
}

TEST(TapSplitting, PiecesAreTheSameHoweverTheStreamArrives) {
    // A raster image (its 4 bytes after the header), text, a cut and a request.
    const std::vector<uint8_t> stream = {0x1B, 0x40, 'A', 'b', 'c', 0x0A, 0x1D, 0x76, 0x30, 0x00, 0x01,
                                         0x00, 0x04, 0x00, 0xFF, 0x0F, 0xF0, 0x00, 'x', 'y',
                                         0x1D, 0x56, 0x00, 0x10, 0x04, 0x01};
    const auto whole = tap::SplitCommands(stream);
    ASSERT_GE(whole.size(), 7u);
    EXPECT_EQ(whole[3].size(), 12u) << "the raster header keeps its image";
    for (size_t chunk = 1; chunk <= stream.size(); ++chunk) {
        tap::CommandSplitter splitter;
        std::vector<std::vector<uint8_t>> pieces;
        const auto emit = [&](std::vector<uint8_t>&& p) { pieces.push_back(std::move(p)); };
        for (size_t at = 0; at < stream.size(); at += chunk)
            splitter.Feed(stream.data() + at, std::min(chunk, stream.size() - at), emit);
        splitter.FlushText(emit);
        EXPECT_EQ(pieces, whole) << "chunk " << chunk;
    }
}

TEST(TapCaptureFile, EventsReadBackAsWrittenAndBadLinesAreRefused) {
    std::vector<tap::CaptureEvent> events(4);
    events[0] = {'L', 0, {}, "9600 8N1 none"};
    events[1] = {'>', 125, B({0x1B, 0x40, 0x00, 0xFF}), {}};
    events[2] = {'<', 1000000, B({0x12}), {}};
    events[3] = {'!', 2500001, {}, "two\nlines"};
    std::string file = std::string(tap::CAPTURE_MAGIC) + "\n# a comment\n";
    for (const auto& e : events) file += tap::CaptureLine(e);
    EXPECT_TRUE(tap::IsCapture(file));
    const tap::CaptureRead read = tap::ReadCapture(file);
    ASSERT_TRUE(read.ok) << read.badLine;
    ASSERT_EQ(read.events.size(), 4u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read.events[i].kind, events[i].kind);
        EXPECT_EQ(read.events[i].atUs, events[i].atUs);
        EXPECT_EQ(read.events[i].bytes, events[i].bytes);
        EXPECT_EQ(read.events[i].text, events[i].text);
    }
    EXPECT_EQ(read.events[3].text, "two lines");

    // Half a byte at the end, and a time past what an event's time holds.
    for (const std::string bad : {"> 1.5 1B", "> 1.000000 1G", "? 1.000000 x", ">1.000000 1B", "> -1.000000 00",
                                  "> 0.200000 1B 4", "< 0.200000 1B4", "> 99999999999999999.000000 1B",
                                  "! 9223372036854.775807 note"}) {
        const tap::CaptureRead r = tap::ReadCapture(std::string(tap::CAPTURE_MAGIC) + "\n" + bad + "\n");
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_EQ(r.badLine, 2u) << bad;
        EXPECT_TRUE(r.events.empty()) << bad;
    }
    EXPECT_FALSE(tap::IsCapture("1B 40\r\n"));
}

TEST(TapCaptureFile, TheHeaderSaysWhenTheSessionStartedAndOlderCapturesStillRead) {
    using namespace std::chrono;
    const tap::WallClock::time_point started =
        sys_days{year{2026} / 12 / 8} + hours{10} + minutes{42} + seconds{7} + microseconds{123456};
    EXPECT_EQ(tap::CaptureStartedHeader(started), "started 2026-12-08T10:42:07.123456Z");
    const std::string events = "> 0.000125 1B 40\n";
    const tap::CaptureRead read = tap::ReadCapture(std::string(tap::CAPTURE_MAGIC) + "\n# " +
                                                   tap::CaptureStartedHeader(started) + "\n# " +
                                                   tap::CaptureLineHeader("115200 8N1 rtscts") +
                                                   "\n# program: pty x, printer: y\n" + events);
    ASSERT_TRUE(read.ok);
    ASSERT_TRUE(read.started.has_value());
    EXPECT_EQ(*read.started, started);
    EXPECT_EQ(read.line, "115200 8N1 rtscts");
    EXPECT_EQ(read.events.size(), 1u);

    // Before the header kept them; and a start that is no time is a comment like any.
    for (const std::string header : {"# program: pty x, printer: y\n", "# started yesterday\n"}) {
        const tap::CaptureRead old = tap::ReadCapture(std::string(tap::CAPTURE_MAGIC) + "\n" + header + events);
        ASSERT_TRUE(old.ok) << header;
        EXPECT_FALSE(old.started.has_value()) << header;
        EXPECT_TRUE(old.line.empty());
        EXPECT_EQ(old.events.size(), 1u);
    }
}

TEST(TapProgramSide, FormsAndMistakes) {
    tap::ProgramSide side;
    std::string error;
    ASSERT_TRUE(tap::ParseProgramSide("pty:/tmp/x", side, error));
    EXPECT_EQ(side.kind, tap::ProgramSide::Kind::Terminal);
    EXPECT_EQ(side.path, "/tmp/x");
    ASSERT_TRUE(tap::ParseProgramSide("tcp-listen:", side, error));
    EXPECT_EQ(side.path, tap::DEFAULT_LISTEN_HOST);
    EXPECT_EQ(side.port, tap::DEFAULT_LISTEN_PORT);
    ASSERT_TRUE(tap::ParseProgramSide("tcp-listen:[::1]:0", side, error));
    EXPECT_EQ(side.path, "::1");
    EXPECT_EQ(side.port, 0);
    ASSERT_TRUE(tap::ParseProgramSide("tcp-listen:9200", side, error));
    EXPECT_EQ(side.port, 9200);
    ASSERT_TRUE(tap::ParseProgramSide("passive:/dev/a,/dev/b", side, error));
    EXPECT_EQ(side.other, "/dev/b");
    for (const char* bad : {"pty:", "tcp-listen:1.2.3.4:70000", "tcp-listen:x:y", "passive:/dev/a",
                            "passive:,b", "serial:/dev/x"}) {
        error.clear();
        EXPECT_FALSE(tap::ParseProgramSide(bad, side, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(TapConversation, ACodePageThePrinterHasNotIsAnAlertThatNamesThePage) {
    Rows seen;
    const auto t0 = Clock::now();
    Conversation c(seen.Sink(), t0);
    c.FromProgram(B({0x1B, 0x74, 13}).data(), 3, t0);
    c.FromProgram(B({0x1B, 0x74, 19}).data(), 3, t0 + 1ms);
    ASSERT_EQ(seen.rows.size(), 2u);
    EXPECT_EQ(seen.rows[0].alerts, AlertBit(Alert::UnknownCommand));
    EXPECT_NE(seen.rows[0].text.find("this printer has no code page 13"), std::string::npos)
        << seen.rows[0].text;
    EXPECT_EQ(seen.rows[1].alerts, 0u) << "CP858 is there: " << seen.rows[1].text;
    EXPECT_EQ(seen.rows[1].text.find("no code page"), std::string::npos);
}

TEST(TapConversation, AnEANWithAWrongCheckDigitIsAnAlertThatSaysSo) {
    Rows seen;
    const auto t0 = Clock::now();
    Conversation c(seen.Sink(), t0);
    // GS k 68 (EAN8) 8, the last digit wrong; then right; then the NUL-ended form.
    c.FromProgram(B({0x1D, 0x6B, 0x44, 8, '9', '6', '3', '8', '5', '0', '7', '5'}).data(), 12, t0);
    c.FromProgram(B({0x1D, 0x6B, 0x44, 8, '9', '6', '3', '8', '5', '0', '7', '4'}).data(), 12,
                  t0 + 1ms);
    c.FromProgram(B({0x1D, 0x6B, 3, '9', '6', '3', '8', '5', '0', '7', '5', 0}).data(), 12,
                  t0 + 2ms);
    ASSERT_EQ(seen.rows.size(), 3u);
    EXPECT_EQ(seen.rows[0].alerts, AlertBit(Alert::UnknownCommand));
    EXPECT_NE(seen.rows[0].text.find("GS k EAN8 not printed: check digit 5 is wrong"),
              std::string::npos)
        << seen.rows[0].text;
    EXPECT_EQ(seen.rows[1].alerts, 0u) << seen.rows[1].text;
    EXPECT_EQ(seen.rows[2].alerts, AlertBit(Alert::UnknownCommand)) << seen.rows[2].text;
}
