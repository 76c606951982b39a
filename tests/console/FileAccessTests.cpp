// The one way files are saved and read: a regular file is replaced whole, a link is
// written through, a FIFO, socket or terminal is written into and stays what it was, a
// folder is refused; reading stops at the limit whatever size the file reports. Every
// node is one the test makes in a folder of its own.
#include "console/FileAccess.h"
#include "tests/support/FifoReader.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

using Names = std::vector<std::string>;

// A folder of the test's own, removed with what it holds.
struct Folder {
    Folder() {
        char name[] = "/tmp/file-access-XXXXXX";
        if (::mkdtemp(name) != nullptr) path = name;
    }
    ~Folder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    std::string Path(const std::string& name) const { return path + "/" + name; }
    bool MakeFolder(const std::string& name) const { return ::mkdir(Path(name).c_str(), 0755) == 0; }
    // What the folder holds, so a test sees that no file was left beside the target.
    Names Entries() const {
        Names names;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string path;
};

std::string Slurp(const std::string& path) {
    std::string content;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "<cannot open>";
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) content.append(buffer, static_cast<size_t>(n));
    ::close(fd);
    return content;
}

void Put(const std::string& path, const std::string& content, mode_t mode = 0644) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    ::close(fd);
}

mode_t KindOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

} // namespace

TEST(FileSave, ARegularFileIsReplacedWholeAndKeepsItsMode) {
    Folder f;
    const std::string path = f.Path("records.txt");
    Put(path, std::string(5000, 'x'), 0640);
    files::Failure failure;
    ASSERT_TRUE(files::SaveFile(path, "1B 40 \r\n", failure)) << failure.text;
    EXPECT_EQ(Slurp(path), "1B 40 \r\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(f.Entries(), Names{"records.txt"});

    // A new name is made; a folder that is not there is an error of the system's.
    ASSERT_TRUE(files::SaveFile(f.Path("new.txt"), "0A \r\n", failure)) << failure.text;
    EXPECT_EQ(Slurp(f.Path("new.txt")), "0A \r\n");
    EXPECT_FALSE(files::SaveFile(f.Path("missing/x.txt"), "0A", failure));
    EXPECT_FALSE(failure.refused);
    EXPECT_NE(failure.text.find("No such file or directory"), std::string::npos) << failure.text;
}

TEST(FileSave, ASaveThatIsNotCommittedLeavesTheOldFile) {
    Folder f;
    const std::string path = f.Path("keep.txt");
    Put(path, "old\r\n");
    {
        files::SaveTarget target;
        files::Failure failure;
        ASSERT_TRUE(target.Open(path, failure));
        ASSERT_TRUE(target.Write("half of a new", failure));
        EXPECT_EQ(f.Entries().size(), 2u); // the temporary file beside it
    }
    EXPECT_EQ(Slurp(path), "old\r\n");
    EXPECT_EQ(f.Entries(), Names{"keep.txt"});
}

TEST(FileSave, ALinkIsWrittenThroughAndStaysALink) {
    Folder f;
    Put(f.Path("target.txt"), "old", 0600);
    ASSERT_EQ(::symlink("target.txt", f.Path("link.txt").c_str()), 0);
    ASSERT_EQ(::symlink(f.Path("link.txt").c_str(), f.Path("link2.txt").c_str()), 0);
    files::Failure failure;
    ASSERT_TRUE(files::SaveFile(f.Path("link2.txt"), "through two links", failure)) << failure.text;
    EXPECT_EQ(KindOf(f.Path("link.txt")), S_IFLNK);
    EXPECT_EQ(KindOf(f.Path("link2.txt")), S_IFLNK);
    EXPECT_EQ(KindOf(f.Path("target.txt")), S_IFREG);
    EXPECT_EQ(Slurp(f.Path("target.txt")), "through two links");

    // A dangling link names the file to make.
    ASSERT_EQ(::symlink("made.txt", f.Path("dangling").c_str()), 0);
    ASSERT_TRUE(files::SaveFile(f.Path("dangling"), "made", failure)) << failure.text;
    EXPECT_EQ(KindOf(f.Path("dangling")), S_IFLNK);
    EXPECT_EQ(Slurp(f.Path("made.txt")), "made");

    // A loop is an error, and nothing is made.
    ASSERT_EQ(::symlink("loop-b", f.Path("loop-a").c_str()), 0);
    ASSERT_EQ(::symlink("loop-a", f.Path("loop-b").c_str()), 0);
    const Names before = f.Entries();
    EXPECT_FALSE(files::SaveFile(f.Path("loop-a"), "x", failure));
    EXPECT_NE(failure.text.find("symbolic links"), std::string::npos) << failure.text;
    EXPECT_EQ(f.Entries(), before);
}

TEST(FileSave, AFifoIsWrittenIntoAndStaysAFifo) {
    Folder f;
    const std::string fifo = f.Path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    FifoReader reader(fifo);
    const std::string content(200000, 'A'); // more than a pipe holds at once
    files::Failure failure;
    EXPECT_TRUE(files::IsSpecialNode(fifo));
    ASSERT_TRUE(files::SaveFile(fifo, content, failure)) << failure.text;
    EXPECT_EQ(reader.Take(), content);
    EXPECT_EQ(KindOf(fifo), S_IFIFO);
    EXPECT_EQ(f.Entries(), Names{"pipe"});
}

TEST(FileSave, AFifoThatNobodyReadsIsGivenUpAfterABoundedWait) {
    Folder f;
    const std::string fifo = f.Path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    files::Failure failure;
    const auto started = Clock::now();
    EXPECT_FALSE(files::SaveFile(fifo, "1B 40 \r\n", failure));
    const auto took = Clock::now() - started;
    EXPECT_GE(took, files::DEVICE_WAIT - 100ms);
    EXPECT_LT(took, files::DEVICE_WAIT + 2s);
    EXPECT_TRUE(failure.refused);
    EXPECT_NE(failure.text.find("a FIFO that nothing reads"), std::string::npos) << failure.text;
    EXPECT_EQ(KindOf(fifo), S_IFIFO);
    EXPECT_EQ(f.Entries(), Names{"pipe"});
}

TEST(FileSave, ASocketAndATerminalAreWrittenIntoAsTheyAre) {
    Folder f;
    const std::string socketPath = f.Path("sock");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, socketPath.c_str());
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    std::string arrived;
    std::thread server([&] {
        const int peer = ::accept(listener, nullptr, nullptr);
        char buffer[256];
        ssize_t n = 0;
        while (peer >= 0 && (n = ::read(peer, buffer, sizeof buffer)) > 0)
            arrived.append(buffer, static_cast<size_t>(n));
        if (peer >= 0) ::close(peer);
    });
    files::Failure failure;
    EXPECT_TRUE(files::SaveFile(socketPath, "over the socket", failure)) << failure.text;
    server.join();
    ::close(listener);
    EXPECT_EQ(arrived, "over the socket");
    EXPECT_EQ(KindOf(socketPath), S_IFSOCK);

    // A character device: the test's own pseudo-terminal.
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    EXPECT_TRUE(files::IsSpecialNode(name));
    EXPECT_TRUE(files::SaveFile(name, "to the terminal", failure)) << failure.text;
    char buffer[64] = {};
    const ssize_t n = ::read(master, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, static_cast<size_t>(std::max<ssize_t>(n, 0))), "to the terminal");
    EXPECT_EQ(KindOf(name), S_IFCHR);
    ::close(slave);
    ::close(master);
}

TEST(FileSave, AFolderIsRefusedWithAMessage) {
    Folder f;
    ASSERT_TRUE(f.MakeFolder("sub"));
    files::Failure failure;
    EXPECT_TRUE(files::IsSpecialNode(f.Path("sub")));
    EXPECT_FALSE(files::IsSpecialNode(f.Path("absent")));
    EXPECT_FALSE(files::SaveFile(f.Path("sub"), "x", failure));
    EXPECT_TRUE(failure.refused);
    EXPECT_EQ(failure.text, f.Path("sub") + " is a folder, not a file");
    EXPECT_EQ(KindOf(f.Path("sub")), S_IFDIR);
    EXPECT_EQ(f.Entries(), Names{"sub"});
}

TEST(FileRead, TheLimitHoldsForFilesThatReportNoSize) {
    Folder f;
    constexpr size_t LIMIT = 100000;
    std::string content;
    files::Failure failure;
    Put(f.Path("small"), std::string(LIMIT, 'a'));
    EXPECT_EQ(files::ReadBounded(f.Path("small"), LIMIT, 1s, content, failure), files::ReadStatus::Read);
    EXPECT_EQ(content.size(), LIMIT);
    Put(f.Path("large"), std::string(LIMIT + 1, 'a'));
    EXPECT_EQ(files::ReadBounded(f.Path("large"), LIMIT, 1s, content, failure),
              files::ReadStatus::TooLarge);
    EXPECT_TRUE(content.empty());

    // A FIFO reports a size of 0: a writer with more than the limit is refused.
    const std::string fifo = f.Path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    for (const size_t written : {LIMIT, LIMIT + 1, 4 * LIMIT}) {
        SCOPED_TRACE(written);
        std::atomic<bool> stop{false};
        std::thread writer([&] {
            // A reader that gives up leaves this writer with EPIPE: the signal is held
            // for this thread only, so the rest of the test process keeps the default.
            sigset_t pipe;
            sigemptyset(&pipe);
            sigaddset(&pipe, SIGPIPE);
            pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
            const std::string bytes(written, 'b');
            size_t done = 0;
            while (fd >= 0 && done < bytes.size() && !stop) {
                const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
                if (n <= 0) break; // the reader went: EPIPE
                done += static_cast<size_t>(n);
            }
            if (fd >= 0) ::close(fd);
        });
        // Until the writer has opened its end, the reader sees no writer: wait for it.
        std::this_thread::sleep_for(100ms);
        const files::ReadStatus status = files::ReadBounded(fifo, LIMIT, 2s, content, failure);
        stop = true;
        writer.join();
        EXPECT_EQ(status, written > LIMIT ? files::ReadStatus::TooLarge : files::ReadStatus::Read)
            << failure.text;
        EXPECT_EQ(content.size(), written > LIMIT ? 0u : written);
    }
}

TEST(FileRead, AFifoWithoutWriterOrDataDoesNotHang) {
    Folder f;
    const std::string fifo = f.Path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    std::string content = "left over";
    files::Failure failure;
    // No writer: an empty file, at once.
    auto started = Clock::now();
    EXPECT_EQ(files::ReadBounded(fifo, 100, 1s, content, failure), files::ReadStatus::Read);
    EXPECT_TRUE(content.empty());
    EXPECT_LT(Clock::now() - started, 1s);

    // A writer that sends nothing: given up after the wait.
    const int holder = ::open(fifo.c_str(), O_RDWR | O_CLOEXEC); // a writer that never writes
    ASSERT_GE(holder, 0);
    started = Clock::now();
    EXPECT_EQ(files::ReadBounded(fifo, 100, 300ms, content, failure), files::ReadStatus::Failed);
    EXPECT_GE(Clock::now() - started, 250ms); // poll rounds to the millisecond
    EXPECT_LT(Clock::now() - started, 3s);
    EXPECT_TRUE(failure.refused);
    EXPECT_NE(failure.text.find("sent no data"), std::string::npos) << failure.text;
    ::close(holder);

    ASSERT_TRUE(f.MakeFolder("sub"));
    EXPECT_EQ(files::ReadBounded(f.Path("sub"), 100, 1s, content, failure), files::ReadStatus::Failed);
    EXPECT_EQ(failure.text, f.Path("sub") + " is a folder, not a file");
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
