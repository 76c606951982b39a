#pragma once
// Reads a FIFO the test made to its end on a thread of its own, as a program that
// reads a pipe would. It never hangs the test: when no writer comes (say the FIFO was
// replaced by a file), it gives up after a while and has read nothing.
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

class FifoReader {
public:
    explicit FifoReader(const std::string& path,
                        std::chrono::milliseconds patience = std::chrono::seconds(10));
    ~FifoReader();
    FifoReader(const FifoReader&) = delete;
    FifoReader& operator=(const FifoReader&) = delete;

    // Everything read, once the writer has closed its end (or the patience is over).
    std::string Take();

private:
    void Run(const std::string& path, std::chrono::milliseconds patience);

    std::string content_;
    std::thread thread_;
};
