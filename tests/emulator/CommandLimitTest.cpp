// Commands whose length shows only as they arrive, sent by a hostile or broken
// host: the printer never holds more than its limit of one, walks an over-long
// one to its end as it streams by, and prints what follows it.
#include "tests/emulator/PrinterFixture.h"

#include <gtest/gtest.h>

using namespace vprinter;

namespace {

constexpr size_t LINE_PIECE = 4096; // one read of a pseudo-terminal
constexpr size_t PAST_LIMIT = Interpreter::MAX_HELD_COMMAND + Interpreter::MAX_HELD_COMMAND / 2;

struct LongCommand {
    const char* name;   // as the log names it
    std::string bytes;  // the whole command, longer than the limit
    size_t splitAt;     // a piece ends here, inside a part its measure reads at once
};

// GS C ; with a first field past the limit, then its other four.
LongCommand Counter() {
    std::string bytes = Bytes({0x1D, 'C', ';'});
    bytes.append(PAST_LIMIT, '7');
    bytes += ";1;2;3;4;";
    return {"GS C", bytes, bytes.size() - 3};
}

// FS q with a first image past the limit: the second image's header, which tells
// the rest of the length, arrives after the limit and in two pieces.
LongCommand Images() {
    constexpr int WIDTH = 128; // x: 8 * 128 bytes per y unit
    const int rows = static_cast<int>(PAST_LIMIT / (WIDTH * 8));
    std::string bytes = Bytes({0x1C, 'q', 2, WIDTH, 0, rows & 0xFF, rows >> 8});
    bytes.append(static_cast<size_t>(WIDTH) * rows * 8, '\x55');
    const size_t second = bytes.size();
    bytes += Bytes({1, 0, 2, 0}); // 16 bytes of data
    bytes.append(16, '\x0F');
    return {"FS q", bytes, second + 2};
}

// ESC & with characters of 255 columns of 255 bytes, past the limit together.
LongCommand UserCharacters() {
    constexpr int HEIGHT = 255;
    constexpr int COLUMNS = 255;
    const int count = static_cast<int>(PAST_LIMIT / (HEIGHT * COLUMNS)) + 1;
    std::string bytes = Bytes({0x1B, '&', HEIGHT, 0x21, 0x21 + count - 1});
    for (int c = 0; c < count; ++c) {
        bytes += static_cast<char>(COLUMNS);
        bytes.append(static_cast<size_t>(HEIGHT) * COLUMNS, '\x33');
    }
    return {"ESC &", bytes, 0};
}

void FeedInPieces(PrinterFixture& f, const std::string& stream, size_t from, size_t to,
                  size_t* mostHeld) {
    for (size_t at = from; at < to; at += LINE_PIECE) {
        f.Send(stream.substr(at, std::min(LINE_PIECE, to - at)));
        *mostHeld = std::max(*mostHeld, f.printer.PendingBytes());
    }
}

TEST(InterpreterLimit, CommandsPastTheLimitAreWalkedToTheirEndAndWhatFollowsPrints) {
    PrinterFixture plain;
    plain.Send("After it\n");
    const PaperBitmap expected = plain.Finish();
    ASSERT_GT(expected.CountBlack(), 0u);
    for (const LongCommand& command : {Counter(), Images(), UserCharacters()}) {
        SCOPED_TRACE(command.name);
        const std::string stream = command.bytes + "After it\n";
        PrinterFixture f;
        size_t mostHeld = 0;
        FeedInPieces(f, stream, 0, command.splitAt, &mostHeld);
        FeedInPieces(f, stream, command.splitAt, stream.size(), &mostHeld);
        EXPECT_LE(mostHeld, Interpreter::MAX_HELD_COMMAND);
        EXPECT_EQ(f.printer.PendingBytes(), 0u);
        EXPECT_EQ(f.printer.BytesConsumed(), stream.size());
        EXPECT_TRUE(f.Logged(std::string(command.name) + " has not ended after"));
        EXPECT_EQ(f.Finish().Data(), expected.Data());
    }
}

TEST(InterpreterLimit, ACommandThatNeverEndsTakesWhatFollowsWithoutHoldingIt) {
    PrinterFixture f;
    std::string stream = Bytes({0x1D, 'C', ';'}) + std::string(PAST_LIMIT, '1') + "Swallowed\n";
    size_t mostHeld = 0;
    FeedInPieces(f, stream, 0, stream.size(), &mostHeld);
    EXPECT_LE(mostHeld, Interpreter::MAX_HELD_COMMAND);
    EXPECT_EQ(f.Finish().CountBlack(), 0u); // the text is still one of its fields
    // Its fields close at last: the printer prints again from the next byte on.
    f.Send(";;;;;Printed\n");
    EXPECT_GT(f.Finish().CountBlack(), 0u);
    EXPECT_EQ(f.printer.PendingBytes(), 0u);
}

} // namespace
