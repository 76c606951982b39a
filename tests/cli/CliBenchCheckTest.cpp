// The README's bench check, run as written against the virtual printer.
#include "tests/cli/CliRun.h"
#include "tests/support/VprinterProcess.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The README's shell block that follows the bench-check marker.
std::string BenchCheckScript() {
    const std::string readme = ReadFile(README_PATH);
    const size_t marker = readme.find("<!-- bench-check -->");
    if (marker == std::string::npos) return {};
    const size_t start = readme.find("```sh\n", marker);
    if (start == std::string::npos) return {};
    const size_t body = start + std::string("```sh\n").size();
    const size_t end = readme.find("```", body);
    return end == std::string::npos ? std::string() : readme.substr(body, end - body);
}

} // namespace

TEST(CliBenchCheck, TheReadmeExampleChecksAPrinterAndFailsOnPaperEnd) {
    const std::string script = BenchCheckScript();
    ASSERT_FALSE(script.empty()) << "no bench check in " << README_PATH;
    VprinterProcess printer(384);
    ASSERT_TRUE(printer.Ok());
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("logo.png"));
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(20, 10, 160, 40, Qt::black);
    ASSERT_TRUE(image.save(picture));

    // The script's variables; the tool is found on PATH as an installed one would be.
    const std::string path = QFileInfo(QStringLiteral(TALVANE_CLI_PATH)).absolutePath().toStdString();
    const std::vector<std::string> env = {
        "PATH=" + path + ":/usr/bin:/bin", "PORT=" + printer.DevicePath().toStdString(),
        "PICTURE=" + picture.toStdString(), "RECORDS=" + dir.filePath("bench.txt").toStdString()};
    std::vector<std::string> args = {"-c", script, "bench-check"};
    std::vector<std::string> withEnv = {"-i"};
    withEnv.insert(withEnv.end(), env.begin(), env.end());
    withEnv.push_back("/bin/bash");
    withEnv.insert(withEnv.end(), args.begin(), args.end());

    const CliResult passed = RunProgram("/usr/bin/env", withEnv, {}, std::chrono::seconds(60));
    EXPECT_EQ(passed.exitCode, 0) << passed.out << passed.err << printer.Log().toStdString();
    EXPECT_NE(passed.out.find("passed"), std::string::npos) << passed.out;
    ASSERT_TRUE(printer.CutAndSync());
    EXPECT_FALSE(printer.Receipts().isEmpty()) << printer.Log().toStdString();
    EXPECT_FALSE(ReadFile(dir.filePath("bench.txt").toStdString()).empty());

    // A printer out of paper fails the check at its first step, with the status code.
    ASSERT_TRUE(printer.Command(QStringLiteral("paper-end on"), QStringLiteral("paper-end on")));
    const CliResult failed = RunProgram("/usr/bin/env", withEnv, {}, std::chrono::seconds(60));
    EXPECT_EQ(failed.exitCode, 10) << failed.out << failed.err;
    EXPECT_NE(failed.out.find("paper end"), std::string::npos) << failed.out;
}
