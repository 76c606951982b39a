#include "tests/support/UserSession.h"
#include "tests/support/DefaultSignals.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int SESSION_TIME_LIMIT_MS = 60000;
const char* const ORDINARY_USER = "nobody";

const QFile::Permissions EVERYONE_MAY_ENTER = QFile::ReadOwner | QFile::WriteOwner |
                                              QFile::ExeOwner | QFile::ReadGroup |
                                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

bool RunAsRoot() { return geteuid() == 0; }

} // namespace

SessionResult RunAsOrdinaryUser(const QString& program, const QStringList& args,
                                const QMap<QString, QString>& env) {
    QProcess p;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto it = env.begin(); it != env.end(); ++it) environment.insert(it.key(), it.value());
    p.setProcessEnvironment(environment);
    p.setChildProcessModifier(DefaultSignalsInChild);
    if (RunAsRoot()) {
        p.start(QStringLiteral("/usr/bin/setpriv"),
                QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                            QStringLiteral("--clear-groups"), program} +
                    args);
    } else {
        p.start(program, args);
    }
    SessionResult r;
    if (!p.waitForFinished(SESSION_TIME_LIMIT_MS)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

UserFolder::UserFolder(bool owned)
    : dir_(QDir::tempPath() + QStringLiteral("/talvane-user-XXXXXX")) {
    folder = dir_.filePath(QStringLiteral("home"));
    QDir().mkpath(folder);
    QFile::setPermissions(dir_.path(), EVERYONE_MAY_ENTER);
    QFile::setPermissions(folder, EVERYONE_MAY_ENTER);
    if (RunAsRoot() && owned) {
        const passwd* user = getpwnam(ORDINARY_USER);
        if (!user || chown(folder.toLocal8Bit().constData(), user->pw_uid, user->pw_gid) != 0)
            folder.clear();
    }
    // Not root: the test's own user is the ordinary user; take the write bit away.
    if (!RunAsRoot() && !owned) QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
}

UserFolder::~UserFolder() {
    // So that the temporary folder can be removed by a test that is not root.
    if (!folder.isEmpty())
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString UserFolder::ReadOnlyFile(const QString& name, const QByteArray& content) const {
    const QString path = dir_.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(content);
    f.close();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    return path;
}
