#include "WorkerThread.h"

#include <cerrno>
#include <new>
#include <system_error>

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

std::unique_ptr<WorkerThread> WorkerThread::Start(std::function<uint32_t()> body, bool suspended,
                                                 int* error) {
    if (error) *error = 0;
    try {
        return std::unique_ptr<WorkerThread>(new WorkerThread(std::move(body), suspended));
    } catch (const std::system_error& failure) {
        if (error) *error = failure.code().value();
    } catch (const std::bad_alloc&) {
        if (error) *error = ENOMEM;
    }
    return nullptr;
}

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
