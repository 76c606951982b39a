#include "ProbeSupport.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

ProbeResult RunProbe(const std::string& command, const std::string& devicePath) {
    ProbeResult result;
    char errorsPath[] = "/tmp/serial_probe_XXXXXX";
    const int errorsFd = mkstemp(errorsPath);
    if (errorsFd < 0) return result;
    unlink(errorsPath);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errorsFd, STDERR_FILENO);
    const std::string program = SERIAL_PROBE_PATH;
    std::vector<char*> argv{const_cast<char*>(program.c_str()),
                            const_cast<char*>(command.c_str()),
                            const_cast<char*>(devicePath.c_str()), nullptr};
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned == 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    }
    char buffer[512];
    lseek(errorsFd, 0, SEEK_SET);
    ssize_t n = 0;
    while ((n = read(errorsFd, buffer, sizeof buffer)) > 0) result.errors.append(buffer, n);
    close(errorsFd);
    return result;
}

bool GiveToOrdinaryUser(const std::string& path) {
    if (geteuid() != 0) return true;
    const passwd* user = getpwnam("nobody");
    return user && chown(path.c_str(), user->pw_uid, static_cast<gid_t>(-1)) == 0 &&
           chmod(path.c_str(), 0600) == 0;
}
