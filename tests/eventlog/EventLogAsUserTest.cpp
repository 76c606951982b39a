// The event log as an ordinary user gets it (the session run as `nobody` when the tests
// run as root): the folder is made in that user's state folder, for that user only;
// a state folder the user cannot write to is said once, the window does not claim to
// keep the events, and the console goes on; --no-log keeps nothing on disk.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include "tests/support/UserSession.h"

namespace {

// The console session as the ordinary user runs it, its state in `stateHome`.
SessionResult RunSession(const QString& stateHome, const QStringList& args = {}) {
    return RunAsOrdinaryUser(QStringLiteral(EVENT_LOG_SESSION_PATH), args,
                             {{QStringLiteral("XDG_STATE_HOME"), stateHome},
                              {QStringLiteral("XDG_CONFIG_HOME"), stateHome + QStringLiteral("/config")},
                              {QStringLiteral("HOME"), stateHome},
                              {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}});
}

QStringList DayFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name);
}

} // namespace

TEST(EventLogAsUser, TheLogFolderIsMadeInTheUsersStateFolder) {
    UserFolder user(true);
    ASSERT_FALSE(user.folder.isEmpty());
    const QString state = user.folder + QStringLiteral("/state");
    const SessionResult r = RunSession(state);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("session-ok"))) << r.err.toStdString();
    const QString folder = state + QStringLiteral("/talvane");
    const QStringList days = DayFiles(folder);
    ASSERT_EQ(days.size(), 1) << r.err.toStdString();
    QFile day(folder + QLatin1Char('/') + days.front());
    ASSERT_TRUE(day.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(day.readAll());
    EXPECT_EQ(content.count(QStringLiteral("Please Open the Port")), 3) << content.toStdString();
    // A first start has no settings file: nothing was restored.
    EXPECT_TRUE(content.contains(QStringLiteral("settings No settings read from"))) << content.toStdString();
    EXPECT_FALSE(content.contains(QStringLiteral("Settings restored"))) << content.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("where: Kept in ") + folder)) << r.out.toStdString();
    // The window shows what the file keeps.
    for (const QString& line : content.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        EXPECT_TRUE(r.out.contains(line)) << line.toStdString();
    const QFileInfo info(folder);
    EXPECT_EQ(info.permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup), 0);
    if (geteuid() == 0) {
        EXPECT_EQ(info.ownerId(), getpwnam("nobody")->pw_uid);
    }

    // --no-log: the window still has the events, the folder nothing new.
    const SessionResult quiet = RunSession(state, {QStringLiteral("--no-log")});
    EXPECT_TRUE(quiet.out.contains(QStringLiteral("Please Open the Port")));
    day.close();
    ASSERT_TRUE(day.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(day.readAll()), content);
}

TEST(EventLogAsUser, AnUnwritableStateFolderIsSaidOnceAndTheConsoleGoesOn) {
    UserFolder user(false);
    const QString state = user.folder + QStringLiteral("/state");
    const SessionResult r = RunSession(state);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("session-ok"))) << r.err.toStdString();
    // Once on the terminal, once in the window, however many events follow.
    EXPECT_EQ(r.err.count(QStringLiteral("event log folder")), 1) << r.err.toStdString();
    EXPECT_EQ(r.out.count(QStringLiteral("event log folder")), 1) << r.out.toStdString();
    EXPECT_EQ(r.out.count(QStringLiteral("Please Open the Port")), 3) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("where: Not kept on disk"))) << r.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(state));
}
