#include "serial/WorkerThread.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int ABOVE_NORMAL_NICE = -5;

std::atomic<uint32_t>& NextId() {
    static std::atomic<uint32_t> next{1};
    return next;
}

} // namespace

WorkerThread::WorkerThread(std::function<uint32_t()> body, bool suspended)
    : id_(NextId().fetch_add(1)) {
    if (!suspended) gate_.Set();
    thread_ = std::thread([this, body = std::move(body)] {
        tid_.store(static_cast<long>(syscall(SYS_gettid)));
        gate_.Wait();
        exitCode_.store(body());
        finished_.Set();
    });
}

WorkerThread::~WorkerThread() {
    gate_.Set();
    if (thread_.joinable()) thread_.join();
}

bool WorkerThread::RaisePriority() {
    // The thread may not have reported its id yet; then there is nothing to raise.
    const long tid = tid_.load();
    return tid != 0 && setpriority(PRIO_PROCESS, static_cast<id_t>(tid), ABOVE_NORMAL_NICE) == 0;
}
