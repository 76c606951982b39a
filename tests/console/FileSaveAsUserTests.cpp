// Saving as an ordinary user counts permissions as the shell's ">" does: a file the user
// may not write is refused and stays as it was; a file the user may write in a folder
// the user may not write is written in place; the user's own file in the user's own
// folder is still replaced whole. Root may write a read-only file, as root's shell would.
#include "console/FileAccess.h"
#include "tests/support/UserSession.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString SAVE_PROGRAM = QStringLiteral(SAVE_FILE_PROGRAM_PATH);

bool Root() {
    return ::geteuid() == 0;
}

// A file the ordinary user owns (when the test is root, `nobody`).
void Make(const QString& path, const QByteArray& content, mode_t mode) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(content);
    f.close();
    const std::string name = QFile::encodeName(path).toStdString();
    if (Root()) {
        const passwd* user = ::getpwnam("nobody");
        ASSERT_NE(user, nullptr);
        ASSERT_EQ(::chown(name.c_str(), user->pw_uid, user->pw_gid), 0);
    }
    ASSERT_EQ(::chmod(name.c_str(), mode), 0);
}

struct stat Stat(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

QByteArray Content(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<cannot open>");
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

SessionResult Save(const QString& path, const QString& text) {
    return RunAsOrdinaryUser(SAVE_PROGRAM, {path, text}, {});
}

} // namespace

TEST(FileSaveAsUser, AReadOnlyFileIsRefusedAndTheUsersOwnFileIsReplacedWhole) {
    UserFolder user(true);
    ASSERT_FALSE(user.folder.isEmpty());
    const QString readOnly = user.folder + QStringLiteral("/kept.txt");
    Make(readOnly, "old\r\n", 0444);
    const SessionResult refused = Save(readOnly, QStringLiteral("new"));
    EXPECT_EQ(refused.exitCode, 4) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Permission denied"))) << refused.err.toStdString();
    EXPECT_EQ(Content(readOnly), "old\r\n");
    EXPECT_EQ(Stat(readOnly).st_mode & 07777, 0444u);

    // The user's own writable file: replaced by a new file, its mode kept.
    const QString own = user.folder + QStringLiteral("/own.txt");
    Make(own, "old\r\n", 0640);
    const ino_t before = Stat(own).st_ino;
    const SessionResult saved = Save(own, QStringLiteral("new"));
    EXPECT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_EQ(Content(own), "new");
    EXPECT_NE(Stat(own).st_ino, before);
    EXPECT_EQ(Stat(own).st_mode & 07777, 0640u);
    EXPECT_EQ(Entries(user.folder), (QStringList{QStringLiteral("kept.txt"), QStringLiteral("own.txt")}));

    // Root's shell writes a read-only file: so does root, and the file stays read-only.
    if (Root()) {
        files::Failure failure;
        EXPECT_TRUE(files::SaveFile(QFile::encodeName(readOnly).toStdString(), "root", failure))
            << failure.text;
        EXPECT_EQ(Content(readOnly), "root");
        EXPECT_EQ(Stat(readOnly).st_mode & 07777, 0444u);
    }
}

TEST(FileSaveAsUser, AWritableFileInALockedFolderIsWrittenInPlace) {
    UserFolder user(false);
    ASSERT_FALSE(user.folder.isEmpty());
    const QString path = user.folder + QStringLiteral("/shared.txt");
    // Not root: the folder is the test user's own, locked after the file is made.
    if (!Root()) QFile::setPermissions(user.folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Make(path, "a longer old content\r\n", 0644);
    if (!Root()) QFile::setPermissions(user.folder, QFile::ReadOwner | QFile::ExeOwner);
    const struct stat before = Stat(path);
    const SessionResult saved = Save(path, QStringLiteral("short"));
    EXPECT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    // The same file, cut to what was written, its owner and mode kept; nothing beside it.
    EXPECT_EQ(Content(path), "short");
    const struct stat after = Stat(path);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_mode & 07777, 0644u);
    EXPECT_EQ(Entries(user.folder), QStringList{QStringLiteral("shared.txt")});

    // A name not taken yet cannot be made there.
    const SessionResult refused = Save(user.folder + QStringLiteral("/new.txt"), QStringLiteral("x"));
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Permission denied"))) << refused.err.toStdString();
    EXPECT_EQ(Entries(user.folder), QStringList{QStringLiteral("shared.txt")});
}
