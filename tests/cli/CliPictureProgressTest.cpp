// talvane-cli picture in blocks on a terminal, to a printer that reads at the 9,600-baud
// line's pace behind a pseudo-terminal whose buffer takes some KiB at once: the bar
// moves a whole block at a time, as the console's does, and never leaps ahead of the line.
#include "tests/cli/CliFixture.h"
#include "tests/support/NoisePicture.h"
#include "tools/cli/ExitCodes.h"

#include <QImage>
#include <QRegularExpression>

namespace {

constexpr int PICTURE_WIDTH = 384; // the 58 mm paper's printable width
constexpr int BLOCK_ROWS = 32;
constexpr int BLOCKS = 16;
constexpr size_t BLOCK_BYTES = 8 + size_t(BLOCK_ROWS) * PICTURE_WIDTH / 8;
constexpr size_t TOTAL_BYTES = BLOCKS * BLOCK_BYTES;
constexpr size_t LINE_BYTES_PER_SECOND = 9600 / 10; // 8N1: ten bits a byte

TEST_F(CliPeerTest, ThePictureBarMovesAWholeBlockAtATimeAtTheLinesPace) {
    ASSERT_TRUE(peer.Ok());
    const QImage picture = NoisePicture(PICTURE_WIDTH, BLOCKS * BLOCK_ROWS, 9);
    ASSERT_TRUE(picture.save(QString::fromStdString(Path("tall.png"))));
    peer.ReadAtRate(LINE_BYTES_PER_SECOND);
    // script gives the tool a terminal, so it draws its bar.
    const std::string command = std::string(TALVANE_CLI_PATH) + " picture " + Path("tall.png") +
                                " --raster --block-rows " + std::to_string(BLOCK_ROWS) +
                                " --baud 9600 --port " + peer.SlavePath();
    const CliResult run =
        RunProgram("/usr/bin/script", {"-qec", command, Path("typescript")}, {}, std::chrono::seconds(90));
    ASSERT_EQ(run.exitCode, cli::EXIT_OK) << run.out;

    static const QRegularExpression drawn(QStringLiteral(R"(\] +\d+% (\d+)/(\d+) bytes)"));
    std::vector<size_t> done;
    for (auto it = drawn.globalMatch(QString::fromStdString(run.out)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        EXPECT_EQ(m.captured(2).toULongLong(), TOTAL_BYTES);
        done.push_back(m.captured(1).toULongLong());
    }
    ASSERT_GT(done.size(), 2u) << run.out;
    EXPECT_EQ(done.back(), TOTAL_BYTES);
    // Until the port's queue is empty (a pseudo-terminal's is at once, with KiB still in
    // its buffer), every value is the end of a block, and one block follows the other.
    while (!done.empty() && done.back() == TOTAL_BYTES) done.pop_back();
    size_t blocksShown = 0;
    for (size_t i = 0; i < done.size(); ++i) {
        EXPECT_EQ(done[i] % BLOCK_BYTES, 0u) << "drawn " << done[i] << " bytes";
        if (i > 0) EXPECT_LE(done[i] - done[i - 1], BLOCK_BYTES) << "the bar leapt at " << done[i];
        if (i > 0 && done[i] != done[i - 1]) ++blocksShown;
    }
    // How many blocks show before the queue empties depends on how fast the terminal's
    // buffer takes them (fewer on a busy machine); at least one step must be seen.
    EXPECT_GE(blocksShown, 1u) << run.out;
}

} // namespace
