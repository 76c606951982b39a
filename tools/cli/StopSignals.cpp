#include "tools/cli/StopSignals.h"

#include "tools/cli/ExitCodes.h"

#include <csignal>

namespace cli {

namespace {

volatile std::sig_atomic_t stopSignal = 0;

void OnStopSignal(int signal) {
    stopSignal = signal;
}

} // namespace

void CatchStopSignals() {
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
}

int StopSignal() {
    return stopSignal;
}

void ForgetStopSignal() {
    stopSignal = 0;
}

const char* StopSignalName() {
    return stopSignal == SIGTERM ? "SIGTERM" : "SIGINT";
}

int StopExitCode() {
    return stopSignal == SIGTERM ? EXIT_STOPPED_SIGTERM : EXIT_STOPPED_SIGINT;
}

} // namespace cli
