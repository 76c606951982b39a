#include "widgets/ShownNumbers.h"

#include <mutex>

namespace shown {
namespace {

std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

QLocale& Current() {
    static QLocale locale = QLocale::c();
    return locale;
}

} // namespace

QLocale Numbers() {
    std::lock_guard<std::mutex> hold(Lock());
    return Current();
}

void SetNumbers(const QLocale& locale) {
    std::lock_guard<std::mutex> hold(Lock());
    Current() = locale;
}

} // namespace shown
