// Any baud rate through the kernel's termios2 interface. Kept apart because the
// kernel's header clashes with the C library's termios.h.
#pragma once

#include <cstdint>

// Sets input and output rate to `baud` (BOTHER); false on failure.
bool Termios2SetBaud(int fd, uint32_t baud);
// The output rate the driver really uses (a USB adapter may round it).
bool Termios2GetBaud(int fd, uint32_t* baud);
