#include "PageHost.h"

#include "VrnxLib.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

void PageHost::RecordSent() { AddOperationRecord(Printer().TakeSentText()); }

int ReadNumber(const QString& text) {
    // Read like the C library's decimal conversion: leading blanks, a sign, then
    // digits up to the first other character; nothing readable gives 0.
    const QByteArray bytes = text.toLatin1();
    errno = 0;
    const long value = std::strtol(bytes.constData(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}
