// The tap's command splitting reads only the command length table, so it must cut the
// stream where the virtual printer's interpreter finds its commands ending, however
// the bytes arrive; long commands and long text come in bounded parts, and the
// conversation shows a long command as one command.
#include "tap/CommandDecode.h"
#include "tap/Conversation.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

using tap::CommandSplitter;
using Pieces = std::vector<std::vector<uint8_t>>;

namespace {

// Where the interpreter itself ends commands: fed a byte at a time, a piece ends
// whenever its count of worked-through bytes moves. (Where one byte ends two
// commands, a byte it held and the next, they make one piece here.) False when the
// stream holds a command too long for the interpreter to hold, which it skips in its
// own way.
bool InterpreterPieces(const std::vector<uint8_t>& stream, Pieces& pieces) {
    bool tooLong = false;
    vprinter::InterpreterEvents events;
    events.log = [&](const std::string& line) {
        if (line.find("too long") != std::string::npos) tooLong = true;
    };
    vprinter::Interpreter interpreter(vprinter::PRN_WIDTH_58MM, events);
    std::vector<uint8_t> current;
    uint64_t done = 0;
    for (const uint8_t b : stream) {
        current.push_back(b);
        interpreter.Feed(&b, 1);
        const uint64_t now = interpreter.BytesConsumed();
        if (now == done) continue;
        pieces.emplace_back(current.begin(), current.begin() + static_cast<long>(now - done));
        current.erase(current.begin(), current.begin() + static_cast<long>(now - done));
        done = now;
    }
    if (!current.empty()) pieces.push_back(std::move(current));
    return !tooLong;
}

// Text pieces (as the conversation tells them) next to each other joined into one.
Pieces TextJoined(const Pieces& pieces) {
    Pieces joined;
    bool lastText = false;
    for (const auto& p : pieces) {
        const bool text = tap::IsTextPiece(p);
        if (text && lastText)
            joined.back().insert(joined.back().end(), p.begin(), p.end());
        else
            joined.push_back(p);
        lastText = text;
    }
    return joined;
}

// Offsets where pieces end.
std::set<size_t> Cuts(const Pieces& pieces) {
    std::set<size_t> cuts;
    size_t at = 0;
    for (const auto& p : pieces) cuts.insert(at += p.size());
    return cuts;
}

Pieces SplitInChunks(const std::vector<uint8_t>& stream, std::mt19937& random) {
    Pieces pieces;
    CommandSplitter splitter;
    const auto emit = [&](std::vector<uint8_t>&& p) { pieces.push_back(std::move(p)); };
    for (size_t at = 0; at < stream.size();) {
        const size_t chunk = std::min<size_t>(1 + random() % 64, stream.size() - at);
        splitter.Feed(stream.data() + at, chunk, emit);
        at += chunk;
    }
    splitter.FlushText(emit);
    if (splitter.HasUnfinished()) pieces.push_back(splitter.TakeUnfinished());
    return pieces;
}

std::vector<uint8_t> Bytes(std::initializer_list<int> list) {
    std::vector<uint8_t> out;
    for (const int b : list) out.push_back(static_cast<uint8_t>(b));
    return out;
}

} // namespace

TEST(TapSplitting, CutsWhereTheInterpreterEndsEachCommand) {
    // Commands of every kind of length: fixed, framed, NUL-ended, counted images,
    // barcodes in both forms, unknown ones, two-byte text, a lone DEL.
    std::vector<uint8_t> known = Bytes({0x1B, 0x40, 'H', 'i', 0x0A, 0x1B, 0x44, 4, 8, 12, 0,
                                        0x1D, 0x6B, 0x04, 'A', 'B', 'C', 0, 0x1D, 0x6B, 0x49, 3, '{', 'B', 'x',
                                        0x1B, 0x2A, 0, 3, 0, 0xFF, 0x00, 0xFF,
                                        0x1D, 0x28, 0x6B, 4, 0, 0x31, 0x41, 0x32, 0x00,
                                        0x1D, 0x28, 0x6B, 6, 0, 0x31, 0x50, 0x30, 'q', 'r', 0x0A,
                                        0x1B, 0x4C, 'z', 0x7F, 0x1C, 0x26, 0xB0, 0xA1, 0xB0, 0x20, 0x1C, 0x2E,
                                        0x1D, 0x38, 0x4C, 5, 0, 0, 0, 0x30, 0x45, 1, 2, 3,
                                        0x10, 0x04, 0x01, 0x1D, 0x56, 0x42, 0x00});
    Pieces expected;
    ASSERT_TRUE(InterpreterPieces(known, expected));
    std::mt19937 random(11);
    EXPECT_EQ(TextJoined(SplitInChunks(known, random)), TextJoined(expected));

    // Streams of command bytes, parameters and text at random, cut at random.
    const uint8_t alphabet[] = {0x1B, 0x1D, 0x1C, 0x10, 0x0A, 0x00, 0x01, 0x02, 0x04, 0x09, 0x30,
                                0x31, 0x21, 0x26, 0x28, 0x2A, 0x40, 0x44, 0x4C, 0x56, 0x61, 0x6B,
                                0x72, 0x2E, 'A', 0x7F, 0x80, 0xB0, 0xA1, 0x14, 0x08, 0x03};
    int compared = 0;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        std::mt19937 r(seed);
        std::vector<uint8_t> stream(2048);
        for (auto& b : stream) b = alphabet[r() % sizeof alphabet];
        Pieces reference;
        if (!InterpreterPieces(stream, reference)) continue;
        ++compared;
        // Every end the interpreter finds is an end of a piece, and the pieces do not
        // depend on how the bytes arrive.
        const Pieces pieces = SplitInChunks(stream, r);
        const std::set<size_t> cuts = Cuts(TextJoined(pieces));
        for (const size_t cut : Cuts(TextJoined(reference))) ASSERT_EQ(cuts.count(cut), 1u) << "seed " << seed << " at " << cut;
        ASSERT_EQ(SplitInChunks(stream, r), pieces) << "seed " << seed;
    }
    EXPECT_GT(compared, 100) << "too few streams compared";
}

TEST(TapSplitting, LongCommandsAndTextComeInBoundedPartsAndShowAsOneCommand) {
    // GS 8 L with 200 KiB of graphics data, then ESC @.
    constexpr size_t DATA = 200 * 1024;
    std::vector<uint8_t> stream = Bytes({0x1D, 0x38, 0x4C});
    const uint32_t length = DATA + 2;
    for (int i = 0; i < 4; ++i) stream.push_back(static_cast<uint8_t>(length >> (8 * i)));
    stream.insert(stream.end(), {0x30, 0x70});
    for (size_t i = 0; i < DATA; ++i) stream.push_back(static_cast<uint8_t>(i * 7));
    const size_t command = stream.size();
    stream.insert(stream.end(), {0x1B, 0x40});

    CommandSplitter splitter;
    Pieces pieces;
    std::vector<bool> continues;
    const auto emit = [&](std::vector<uint8_t>&& p) {
        continues.push_back(splitter.PieceContinues());
        pieces.push_back(std::move(p));
    };
    for (size_t at = 0; at < stream.size(); at += 5000)
        splitter.Feed(stream.data() + at, std::min<size_t>(5000, stream.size() - at), emit);
    ASSERT_GE(pieces.size(), 5u);
    std::vector<uint8_t> joined;
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        EXPECT_LE(pieces[i].size(), CommandSplitter::COMMAND_PIECE_LIMIT);
        EXPECT_EQ(continues[i], i > 0) << i;
        joined.insert(joined.end(), pieces[i].begin(), pieces[i].end());
    }
    EXPECT_TRUE(joined == std::vector<uint8_t>(stream.begin(), stream.begin() + static_cast<long>(command)));
    EXPECT_EQ(pieces.back(), Bytes({0x1B, 0x40}));
    EXPECT_FALSE(continues.back());

    // As rows: one command, its parts marked as its own, no alert.
    std::vector<tap::Row> rows;
    const auto t0 = tap::Clock::now();
    tap::Conversation c([&](const tap::Row& r) { rows.push_back(r); }, t0);
    c.FromProgram(stream.data(), stream.size(), t0);
    EXPECT_EQ(c.Summary().commands, 2u);
    EXPECT_EQ(c.Summary().alerts[static_cast<size_t>(tap::Alert::UnknownCommand)], 0u);
    ASSERT_EQ(rows.size(), pieces.size());
    EXPECT_NE(rows[1].text.find("more bytes of the command above"), std::string::npos) << rows[1].text;

    // A command whose length shows only on the way (FS q: two images, the first of
    // 100 x 100 x 8 bytes), then a line feed.
    std::vector<uint8_t> images = Bytes({0x1C, 0x71, 2, 100, 0, 100, 0});
    images.resize(images.size() + 100 * 100 * 8, 0x55);
    images.insert(images.end(), {1, 0, 1, 0});
    images.resize(images.size() + 8, 0xAA);
    const size_t imagesLength = images.size();
    images.push_back(0x0A);
    CommandSplitter walker;
    Pieces walked;
    std::vector<bool> walkedContinues;
    const auto keepWalked = [&](std::vector<uint8_t>&& p) {
        walkedContinues.push_back(walker.PieceContinues());
        walked.push_back(std::move(p));
    };
    for (size_t at = 0; at < images.size(); at += 3000)
        walker.Feed(images.data() + at, std::min<size_t>(3000, images.size() - at), keepWalked);
    ASSERT_GE(walked.size(), 3u);
    EXPECT_EQ(walked.back(), Bytes({0x0A}));
    std::vector<uint8_t> whole;
    for (size_t i = 0; i + 1 < walked.size(); ++i) {
        EXPECT_LE(walked[i].size(), CommandSplitter::COMMAND_PIECE_LIMIT);
        EXPECT_EQ(walkedContinues[i], i > 0) << i;
        whole.insert(whole.end(), walked[i].begin(), walked[i].end());
    }
    EXPECT_EQ(whole.size(), imagesLength);
    EXPECT_TRUE(whole == std::vector<uint8_t>(images.begin(), images.begin() + static_cast<long>(imagesLength)));

    // Text without end: pieces of at most the text limit, all of it there.
    const std::vector<uint8_t> text(10000, 'x');
    Pieces textPieces;
    CommandSplitter textSplitter;
    const auto keep = [&](std::vector<uint8_t>&& p) { textPieces.push_back(std::move(p)); };
    textSplitter.Feed(text.data(), text.size(), keep);
    textSplitter.FlushText(keep);
    size_t total = 0;
    for (const auto& p : textPieces) {
        EXPECT_LE(p.size(), CommandSplitter::TEXT_PIECE_LIMIT);
        total += p.size();
    }
    EXPECT_EQ(total, text.size());
}
