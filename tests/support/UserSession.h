// Running a program as an ordinary user would: as `nobody` when the tests run as root,
// as the test's own user otherwise, with a folder of its own that it may or may not
// write to.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct SessionResult {
    int exitCode = -1; // -1: crashed or did not end within a minute
    QString out;
    QString err;
};

// Runs `program` with `args` as the ordinary user, this process's environment with
// `env` set over it.
SessionResult RunAsOrdinaryUser(const QString& program, const QStringList& args,
                                const QMap<QString, QString>& env);

// /tmp/<unique>, reachable by everyone, with `folder` inside it that belongs to the
// ordinary user when `owned`, else to the test's user with no write permission for
// anyone else. `folder` is empty when it could not be given to the user.
class UserFolder {
public:
    explicit UserFolder(bool owned);
    ~UserFolder();
    UserFolder(const UserFolder&) = delete;
    UserFolder& operator=(const UserFolder&) = delete;

    // A file beside `folder` holding `content`, readable by everyone, writable by none.
    QString ReadOnlyFile(const QString& name, const QByteArray& content) const;

    QString folder;

private:
    QTemporaryDir dir_;
};
