// Kept apart: the kernel's termios2 header clashes with the C library's termios.h.
#include "tests/support/PrinterPeer.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

bool ReadPeerLine(int fd, PeerLine* line) {
    struct termios2 tio {};
    // On a pseudo-terminal's master this reads the slave's settings.
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    line->baud = tio.c_ospeed;
    line->ctsFlow = (tio.c_cflag & CRTSCTS) != 0;
    line->xonOut = (tio.c_iflag & IXON) != 0;
    line->xonIn = (tio.c_iflag & IXOFF) != 0;
    line->startChar = tio.c_cc[VSTART];
    line->stopChar = tio.c_cc[VSTOP];
    return true;
}
