#pragma once
// What the tap window keeps of a session: the capture the session wrote (copied to the
// operator's file) and the program's side of it as a records file the console's Import
// takes. Both stream the capture in pieces, so a long session is never read whole, and
// both save through FileAccess. No Qt.
#include "console/FileAccess.h"

#include <string>

namespace tapsave {

// Copies the capture at `capture` to `path`.
bool SaveCapture(const std::string& capture, const std::string& path, files::Failure& failure);
// The same into a target opened before (talvane-cli opens its files before the run);
// committed when whole.
bool WriteCapture(const std::string& capture, files::SaveTarget& target, files::Failure& failure);

// The program's bytes of the capture at `capture`, one command a record (as the tap's
// rows cut them), written to `path` as a records file. `records` gets how many.
bool SaveProgramRecords(const std::string& capture, const std::string& path, size_t& records,
                        files::Failure& failure);
bool WriteProgramRecords(const std::string& capture, files::SaveTarget& target, size_t& records,
                         files::Failure& failure);

} // namespace tapsave
