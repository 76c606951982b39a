// The event log as an ordinary user gets it (the session run as `nobody` when the tests
// run as root): the folder is made in that user's state folder, for that user only;
// a state folder the user cannot write to is said once and the console goes on;
// --no-log keeps nothing on disk.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {

struct SessionResult {
    int exitCode = -1;
    QString out;
    QString err;
};

SessionResult RunSession(const QString& stateHome, const QStringList& args = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), stateHome + QStringLiteral("/config"));
    env.insert(QStringLiteral("HOME"), stateHome);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    if (geteuid() == 0)
        p.start(QStringLiteral("/usr/bin/setpriv"),
                QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                            QStringLiteral("--clear-groups"), QStringLiteral(EVENT_LOG_SESSION_PATH)} +
                    args);
    else
        p.start(QStringLiteral(EVENT_LOG_SESSION_PATH), args);
    SessionResult r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

// /tmp/<unique>, reachable by everyone; `home` inside it belongs to the session's user
// when `owned`, else to the test's user with no write permission for anyone else.
struct UserHome {
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/talvane-log-user-XXXXXX")};
    QString home = dir.filePath(QStringLiteral("home"));
    explicit UserHome(bool owned) {
        QDir().mkpath(home);
        const QFile::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                        QFile::ExeOther;
        QFile::setPermissions(dir.path(), open);
        QFile::setPermissions(home, open);
        if (geteuid() == 0 && owned) {
            const passwd* user = getpwnam("nobody");
            if (!user || chown(home.toLocal8Bit().constData(), user->pw_uid, user->pw_gid) != 0)
                home.clear();
        }
        // Not root: the test's own user is the ordinary user; take the write bit away.
        if (geteuid() != 0 && !owned) QFile::setPermissions(home, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~UserHome() { QFile::setPermissions(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
};

QStringList DayFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name);
}

} // namespace

TEST(EventLogAsUser, TheLogFolderIsMadeInTheUsersStateFolder) {
    UserHome user(true);
    ASSERT_FALSE(user.home.isEmpty());
    const QString state = user.home + QStringLiteral("/state");
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
    EXPECT_TRUE(content.contains(QStringLiteral("settings Settings restored"))) << content.toStdString();
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
    UserHome user(false);
    const QString state = user.home + QStringLiteral("/state");
    const SessionResult r = RunSession(state);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("session-ok"))) << r.err.toStdString();
    // Once on the terminal, once in the window, however many events follow.
    EXPECT_EQ(r.err.count(QStringLiteral("event log folder")), 1) << r.err.toStdString();
    EXPECT_EQ(r.out.count(QStringLiteral("event log folder")), 1) << r.out.toStdString();
    EXPECT_EQ(r.out.count(QStringLiteral("Please Open the Port")), 3) << r.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(state));
}
