// A program under test starts as it would from a shell: every signal at its default
// action and none blocked, whatever the test process ignores (a test that ignores
// SIGPIPE for itself must not hide that the program would die of it).
#pragma once

#include <csignal>
#include <spawn.h>

// For posix_spawn: `attr` resets every signal and clears the mask in the child.
inline void DefaultSignalsOnSpawn(posix_spawnattr_t& attr) {
    sigset_t all;
    sigfillset(&all);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
}

// In a child between fork and exec (async-signal-safe).
inline void DefaultSignalsInChild() {
    for (int s = 1; s < NSIG; ++s)
        if (s != SIGKILL && s != SIGSTOP) ::signal(s, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}
