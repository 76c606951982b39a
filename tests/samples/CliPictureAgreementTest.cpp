// talvane-cli picture with the console's picture choices (dot rule, invert, rotate,
// fit, rows per block) sends byte for byte what the console's picture group sends
// with the same choices: the tool's records file against the group's rows.
#include "tests/samples/PictureGroup.h"
#include "tests/support/DefaultSignals.h"

#include "tests/support/PrinterPeer.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>
#include <spawn.h>
#include <unistd.h>
#include <sys/wait.h>

extern char** environ;

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string err;
};

// Runs the tool and waits for it. posix_spawn, not a fork of this process: the test
// has threads (the printer peer, the picture group's port), and a fork of a threaded
// process is what the thread checker refuses.
ToolRun RunTool(const QStringList& args) {
    char errPath[] = "/tmp/talvane-cli-err-XXXXXX";
    const int err = mkstemp(errPath);
    EXPECT_GE(err, 0);
    unlink(errPath);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
    std::vector<std::string> words{TALVANE_CLI_PATH};
    for (const QString& a : args) words.push_back(a.toStdString());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    ToolRun run;
    // The tool as a shell would start it, whatever this process ignores.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    DefaultSignalsOnSpawn(attr);
    const int spawned = posix_spawn(&pid, TALVANE_CLI_PATH, &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    if (spawned == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    lseek(err, 0, SEEK_SET);
    char buffer[4096];
    for (ssize_t n; (n = read(err, buffer, sizeof buffer)) > 0;) run.err.append(buffer, static_cast<size_t>(n));
    close(err);
    return run;
}

struct Choices {
    QStringList cliOptions;
    int dotRule;  // row of the "Dots" list
    bool invert;
    bool rotate;
    int fit;      // row of the fit list
    bool raster;
    int blockRows;
};

// A picture with greys, edges and an odd size, so that every choice changes the dots.
QImage Sample() {
    QImage image(500, 150, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x / 37 + y / 23) % 3 == 0 ? qRgb(0, 0, 0) : qRgb(x % 256, y, 128));
    return image;
}

std::vector<std::string> ConsoleRows(PictureGroup& g, const QString& path, const Choices& c) {
    g.dotRule->setCurrentIndex(c.dotRule);
    g.invert->setChecked(c.invert);
    g.rotate->setChecked(c.rotate);
    g.fit->setCurrentIndex(c.fit);
    if (c.raster) g.Click(g.raster);
    g.blockRows->setValue(c.blockRows);
    g.host.rows.clear();
    g.Open(path);
    g.Print();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !g.printer->Sender().Busy(); }, 20000));
    return g.host.rows;
}

std::vector<std::string> CliRows(const QString& picture, const QString& records, const Choices& c) {
    PrinterPeer peer;
    const ToolRun cli = RunTool(QStringList{QStringLiteral("picture"), picture, QStringLiteral("--port"),
                                            QString::fromStdString(peer.SlavePath()),
                                            QStringLiteral("--record"), records} +
                                c.cliOptions);
    EXPECT_EQ(cli.exitCode, 0) << cli.err;
    QFile file(records);
    std::vector<std::string> rows;
    if (!file.open(QIODevice::ReadOnly)) return rows;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty()) rows.push_back(line.chopped(line.endsWith('\r') ? 1 : 0).toStdString());
    return rows;
}

} // namespace

TEST(CliPictureAgreement, TheToolSendsWhatThePictureGroupSendsWithTheSameChoices) {
    const Choices cases[] = {
        {{"--dots", "floyd-steinberg", "--invert", "--fit", "scale", "--raster", "--block-rows", "64"},
         1, true, false, 1, true, 64},
        {{"--dots", "atkinson", "--rotate"}, 2, false, true, 0, false, 0},
        {{"--dots", "bayer", "--raster", "--fit", "crop"}, 3, false, false, 0, true, 0},
        {{"--threshold", "90", "--rotate", "--fit", "scale", "--block-rows", "64"}, 0, false, true, 1, false, 64},
    };
    int index = 0;
    for (const Choices& c : cases) {
        PictureGroup g;
        const QString path = g.Save(Sample(), QStringLiteral("sample.png"));
        if (c.cliOptions.contains(QStringLiteral("--threshold"))) g.SetThreshold(QStringLiteral("90"));
        const std::vector<std::string> console = ConsoleRows(g, path, c);
        ASSERT_FALSE(console.empty()) << index;
        const std::vector<std::string> tool =
            CliRows(path, g.dir.filePath(QStringLiteral("records%1.txt").arg(index)), c);
        EXPECT_EQ(tool, console) << "case " << index << ": " << c.cliOptions.join(' ').toStdString();
        ++index;
    }
}

TEST(CliPictureAgreement, AChoiceTheGroupDoesNotHaveIsRefusedAndNothingIsSent) {
    PictureGroup g;
    const QString path = g.Save(Sample(), QStringLiteral("sample.png"));
    PrinterPeer peer;
    for (const QStringList& bad : {QStringList{"--dots", "sharpest"}, QStringList{"--fit", "stretch"},
                                   QStringList{"--block-rows", "-64"}, QStringList{"--block-rows", "many"}}) {
        const ToolRun cli = RunTool(QStringList{QStringLiteral("picture"), path, QStringLiteral("--port"),
                                                QString::fromStdString(peer.SlavePath())} + bad);
        EXPECT_EQ(cli.exitCode, 2) << bad.join(' ').toStdString();
        EXPECT_NE(cli.err.find(bad.front().toStdString()), std::string::npos) << bad.join(' ').toStdString();
    }
    EXPECT_TRUE(peer.BytesAfterQuiet(std::chrono::milliseconds(200)).empty());
}
