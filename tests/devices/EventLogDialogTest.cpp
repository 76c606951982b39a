// What the console said is kept: through the real dialog, a printer that is opened,
// runs out of paper, is pulled out and comes back, a refused input and a saved file
// each leave their lines, in order and with their times, in the event log window
// (Ctrl+L) and in the day's file; the balloons' texts are among them, and a second
// day's file starts after midnight by the clock the test gives.

#include "tests/devices/DeviceDialog.h"

#include "console/EventLogWindow.h"
#include "eventlog/EventLog.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <ctime>

using namespace ids;

namespace {

eventlog::TimePoint LocalAt(int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

// The process's log pointed at a folder of the test's own with the test's clock,
// which moves on a millisecond per event; memory only again afterwards.
struct LogFolder {
    QTemporaryDir dir;
    std::atomic<int64_t> nowMs{0};
    LogFolder() {
        Set(LocalAt(8, 23, 50, 0));
        eventlog::EventLog::Instance().Configure(
            {dir.filePath(QStringLiteral("talvane")).toStdString(), eventlog::Level::Info,
             eventlog::EventLog::DEFAULT_MAX_BYTES, [this] {
                 return eventlog::TimePoint(std::chrono::milliseconds(nowMs++));
             }});
    }
    ~LogFolder() { eventlog::EventLog::Instance().Configure({}); }
    void Set(eventlog::TimePoint t) {
        nowMs = std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
    }
    QStringList FileLines(const QString& day) const {
        QFile f(dir.filePath(QStringLiteral("talvane/%1.log").arg(day)));
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
        return lines;
    }
};

// Index of the first line at or after `from` that contains `text`; -1 when none.
int Find(const QStringList& lines, const QString& text, int from = 0) {
    for (int i = from; i < lines.size(); ++i)
        if (lines[i].contains(text)) return i;
    return -1;
}

} // namespace

TEST(EventLogDialog, WhatHappenedStaysInTheWindowAndTheDaysFile) {
    LogFolder log;
    ASSERT_TRUE(log.dir.isValid());
    {
        LinkDialog f;
        ASSERT_TRUE(f.root.Ok());
        PrinterPeer* printer = f.root.Plug("printer");
        ASSERT_TRUE(printer);
        ASSERT_TRUE(f.RunUntil([&] { return !PortList(f)->itemText(0).endsWith(QStringLiteral("absent")); },
                               WAIT_MS));
        ASSERT_TRUE(f.OpenPort());

        // Paper end, and paper back.
        printer->Send({0x04});
        ASSERT_TRUE(f.RunUntil([&] { return f.As<CLampButton>(IDC_LAMP_PAPER_END)->IsLampOn(); }, WAIT_MS));
        printer->Send({0x00});
        ASSERT_TRUE(f.RunUntil([&] { return !f.As<CLampButton>(IDC_LAMP_PAPER_END)->IsLampOn(); }, WAIT_MS));
        // A refused input: the balloon's text is kept.
        f.Retype(IDC_COORDINATE, QStringLiteral("384"));
        f.Click(IDC_COORDINATE_SET);
        const QString refused = f.TipText();
        ASSERT_TRUE(refused.startsWith(QStringLiteral("Absolute coordinates"))) << refused.toStdString();
        // A saved file.
        f.Click(IDC_PRINTER_INIT);
        ASSERT_GT(f.RowCount(), 0);
        f.prompts.savePaths = {log.dir.filePath(QStringLiteral("records.txt"))};
        f.Click(IDC_RECORDS_SAVE);
        ASSERT_TRUE(QFile::exists(log.dir.filePath(QStringLiteral("records.txt"))));

        // Pulled out, and back after midnight.
        f.root.Unplug("printer");
        ASSERT_TRUE(f.RunUntil([&] { return f.TipText().contains(QStringLiteral("is gone")); }, WAIT_MS));
        const QString gone = f.TipText();
        log.Set(LocalAt(9, 0, 0, 1));
        ASSERT_TRUE(f.root.Plug("printer"));
        ASSERT_TRUE(f.RunUntil([&] { return f.dlg->IsOpen(); }, WAIT_MS));
        const QString back = f.TipText();

        // The window, opened as the operator does, shows it all, newest last.
        QTest::keyClick(f.dlg.get(), Qt::Key_L, Qt::ControlModifier);
        f.ProcessEvents();
        auto* window = f.dlg->findChild<EventLogWindow*>(QString::fromLatin1(EventLogWindow::OBJECT_NAME));
        ASSERT_TRUE(window);
        EXPECT_TRUE(window->isVisible());
        const QStringList lines = window->Lines();
        const QStringList order = {QStringLiteral("opened at 9600 baud"),
                                   QStringLiteral("Paper-end lamp on"),
                                   QStringLiteral("Paper-end lamp off"),
                                   refused,
                                   QStringLiteral("Records saved: ") + log.dir.filePath(QStringLiteral("records.txt")),
                                   QStringLiteral("lost (EIO"),
                                   gone,
                                   QStringLiteral("back"),
                                   back};
        int at = 0;
        for (const QString& text : order) {
            const int found = Find(lines, text, at);
            EXPECT_GE(found, 0) << "not in order: " << text.toStdString() << "\n"
                                << lines.join(QLatin1Char('\n')).toStdString();
            if (found >= 0) at = found + 1;
        }
        // Every line has its time to the millisecond.
        const QRegularExpression stamped(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \w+ +\S)"));
        for (const QString& line : lines) EXPECT_TRUE(stamped.match(line).hasMatch()) << line.toStdString();

        // The filter by kind shows only the port's lines.
        window->ShowKind(eventlog::Kind::Port);
        const QStringList portLines = window->Lines();
        EXPECT_GE(portLines.size(), 3);
        for (const QString& line : portLines) EXPECT_TRUE(line.contains(QStringLiteral(" port "))) << line.toStdString();
        window->ShowKind(std::nullopt);
        EXPECT_EQ(window->Lines(), lines);

        // On disk: the first day up to midnight, then the second day's file.
        const QStringList first = log.FileLines(QStringLiteral("2026-12-08"));
        const QStringList second = log.FileLines(QStringLiteral("2026-12-09"));
        EXPECT_EQ(first + second, lines);
        EXPECT_GE(Find(first, gone), 0);
        EXPECT_GE(Find(second, back), 0);
        EXPECT_EQ(Find(first, back), -1);
    }
}
