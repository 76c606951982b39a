// A worker thread that can be waited for with a time-out and started held back.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "ManualResetEvent.h"

class WorkerThread {
public:
    // Starts `body`; when `suspended`, it waits for Resume() before running. Null when
    // the system cannot make the thread (no exception leaves the engine), with the
    // error number in *error.
    static std::unique_ptr<WorkerThread> Start(std::function<uint32_t()> body, bool suspended,
                                               int* error);
    // Joins the thread (it must have been told to stop).
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    void Resume() { gate_.Set(); }
    // True when the thread has ended within `ms` milliseconds.
    bool WaitFor(uint32_t ms) { return finished_.WaitFor(ms); }
    bool Finished() { return finished_.IsSet(); }
    uint32_t ExitCode() const { return exitCode_.load(); }
    uint32_t Id() const { return id_; }
    // Raises the thread above normal priority where the system allows it.
    bool RaisePriority();

private:
    WorkerThread(std::function<uint32_t()> body, bool suspended); // throws when it cannot

    ManualResetEvent gate_;
    ManualResetEvent finished_;
    std::atomic<uint32_t> exitCode_{0};
    std::atomic<long> tid_{0};
    uint32_t id_;
    std::thread thread_;
};
