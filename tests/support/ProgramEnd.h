#pragma once
// The program's end of a tap's pseudo-terminal, opened and used as a program opens and
// uses its printer's port: raw, at a given speed, whole writes, reads with a deadline.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <termios.h>
#include <vector>

// The open descriptor, or -1. (A pseudo-terminal keeps 8 bits without parity whatever
// is asked; two stop bits are kept and read back by the tap.)
int OpenProgramEnd(const std::string& path, speed_t speed, bool twoStopBits = false);
// Writes all of `bytes`; false when the line would take no more.
bool WriteAll(int fd, const std::vector<uint8_t>& bytes);
// Writes what the line takes within `timeout` (it may be held back): the count written.
size_t WriteWithin(int fd, const std::vector<uint8_t>& bytes, std::chrono::milliseconds timeout);
// Writes until the line takes nothing more for `quiet` (the program is held back, or
// all is written): the count written.
size_t WriteUntilHeld(int fd, const std::vector<uint8_t>& bytes,
                      std::chrono::milliseconds quiet = std::chrono::seconds(1));
// Reads until `count` bytes came or `timeout` passed.
std::vector<uint8_t> ReadSome(int fd, size_t count, std::chrono::milliseconds timeout);
