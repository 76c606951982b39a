#pragma once
// SIGINT and SIGTERM during a run that holds a port: caught, so the run stops between
// two pieces, closes the port (which clears its exclusive-open flag) and says what was
// sent, instead of dying with the port held.

namespace cli {

// From now on SIGINT and SIGTERM only ask the run to stop.
void CatchStopSignals();
// The signal that asked the run to stop; 0 while none did.
int StopSignal();
// For a run whose normal end is a signal (monitor): what follows runs as without one.
void ForgetStopSignal();
// "SIGINT" or "SIGTERM".
const char* StopSignalName();
// 130 or 143: 128 plus the signal, as a shell reports a process the signal ended.
int StopExitCode();

} // namespace cli
