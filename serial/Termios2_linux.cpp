#include "serial/Termios2_linux.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

bool Termios2SetBaud(int fd, uint32_t baud) {
    if (baud == 0) return false;
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = baud;
    tio.c_ospeed = baud;
    return ioctl(fd, TCSETS2, &tio) == 0;
}

bool Termios2GetBaud(int fd, uint32_t* baud) {
    struct termios2 tio {};
    if (!baud || ioctl(fd, TCGETS2, &tio) != 0) return false;
    *baud = tio.c_ospeed;
    return true;
}
