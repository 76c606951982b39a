#pragma once
// A crash leaves evidence: on a fatal signal (SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL)
// the program writes which signal it was and a backtrace to standard error and, while
// the process's event log keeps a day file, to that file too; then the signal takes its
// default action, so the program still ends (and dumps core) as it would have.
//
// The handler makes only async-signal-safe calls: the day file is written through a
// descriptor the log keeps pointed at it in advance, the time comes from the clock and
// the UTC offset noted when the day file was opened, and the backtrace's code is loaded
// when the handler is installed. The report is written past the log's size bound (it
// is the one record worth keeping); the next start prunes as usual.

namespace eventlog {

// Installs the handler for `program` (the name its lines start with), on a stack of its
// own so that a stack overflow is reported too. Called once, from main, early.
void InstallCrashReport(const char* program);

// The event log's day file for the report from now on (-1: none), and the offset of
// local time from UTC in seconds. Called by the process's log as it opens and closes
// its day files.
void CrashReportFile(int fd, long utcOffsetSeconds);

} // namespace eventlog
