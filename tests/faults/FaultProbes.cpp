#include "tests/faults/FaultProbes.h"

#include <QFile>
#include <fstream>

namespace {
constexpr int TICK_MS = 20;
} // namespace

TickProbe::TickProbe() {
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        const qint64 now = clock_.elapsed();
        maxGap_ = std::max(maxGap_, now - last_);
        last_ = now;
        ++ticks_;
    });
    timer_.start(TICK_MS);
}

void TickProbe::Reset() {
    last_ = clock_.elapsed();
    maxGap_ = 0;
    ticks_ = 0;
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

bool WriteBytes(const QString& path, const QByteArray& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}
