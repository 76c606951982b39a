#pragma once
// How numbers shown to a person are written: the way of the language the console
// speaks (grouping, decimal comma), the C locale's for the source texts, so the English
// window reads as it always has. Never for what goes into a file or to the printer.
// The language's installer sets it; everything that shows a count reads it.

#include <QLocale>

namespace shown {

QLocale Numbers();
void SetNumbers(const QLocale& locale);

} // namespace shown
