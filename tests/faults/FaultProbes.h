// The probes the fault cases measure with, and the time bounds they stretch.
#pragma once

#include "tests/support/ConsoleDialog.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

// Sanitizer builds run several times slower; the time bounds stretch with them.
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
#define FAULT_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer) || __has_feature(address_sanitizer)
#define FAULT_SANITIZED 1
#endif
#endif
#ifdef FAULT_SANITIZED
inline constexpr int TIME_SCALE = 10;
#else
inline constexpr int TIME_SCALE = 1;
#endif

// Ticks on the event loop and keeps the longest gap between two ticks: a dialog whose
// event loop stalls shows it here.
class TickProbe {
public:
    TickProbe();
    qint64 MaxGapMs() const { return maxGap_; }
    int Ticks() const { return ticks_; }
    void Reset();

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 maxGap_ = 0;
    int ticks_ = 0;
};

// Resident memory of this process in KiB (VmRSS).
long ResidentKiB();
// Writes `content` to `path`; false on failure.
bool WriteBytes(const QString& path, const QByteArray& content);
