#include "platform/ports/local/LineRate.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>

#include <cerrno>
#include <cstring>

#include "platform/os/LastError.h"

// <sys/ioctl.h> would pull in the C library's termios structures, which clash with the
// kernel's; this is the one declaration needed from it.
extern "C" int ioctl(int fd, unsigned long request, ...);

namespace platform {

bool SetRawLine(int fd, const RawLine& line) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        return FailWithErrno();
    }
    tcflag_t size;
    switch (line.dataBits) {
        case 5:
            size = CS5;
            break;
        case 6:
            size = CS6;
            break;
        case 7:
            size = CS7;
            break;
        case 8:
            size = CS8;
            break;
        default:
            SetLastError(EINVAL);
            return false;
    }
    tcflag_t parity;
    switch (line.parity) {
        case 0:
            parity = 0;
            break;
        case 1:
            parity = PARENB | PARODD;
            break;
        case 2:
            parity = PARENB;
            break;
        case 3:
            parity = PARENB | PARODD | CMSPAR;
            break;
        case 4:
            parity = PARENB | CMSPAR;
            break;
        default:
            SetLastError(EINVAL);
            return false;
    }
    if (line.rate == 0) {
        SetLastError(EINVAL);
        return false;
    }
    tio.c_iflag = (parity != 0) ? INPCK : 0;
    tio.c_oflag = 0;
    tio.c_lflag = 0;
    tio.c_cflag = size | parity | (line.twoStopBits ? CSTOPB : 0) | CREAD | CLOCAL | BOTHER |
                  (BOTHER << IBSHIFT);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    tio.c_ispeed = line.rate;
    tio.c_ospeed = line.rate;
    if (ioctl(fd, TCSETS2, &tio) != 0) {
        return FailWithErrno();
    }
    return true;
}

bool GetRawLine(int fd, RawLine& line) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        return FailWithErrno();
    }
    switch (tio.c_cflag & CSIZE) {
        case CS5:
            line.dataBits = 5;
            break;
        case CS6:
            line.dataBits = 6;
            break;
        case CS7:
            line.dataBits = 7;
            break;
        default:
            line.dataBits = 8;
            break;
    }
    if ((tio.c_cflag & PARENB) == 0) {
        line.parity = 0;
    } else if (tio.c_cflag & CMSPAR) {
        line.parity = (tio.c_cflag & PARODD) ? 3 : 4;
    } else {
        line.parity = (tio.c_cflag & PARODD) ? 1 : 2;
    }
    line.twoStopBits = (tio.c_cflag & CSTOPB) != 0;
    line.rate = tio.c_ospeed;
    return true;
}

bool GetLineRates(int fd, std::uint32_t& inputRate, std::uint32_t& outputRate) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        return FailWithErrno();
    }
    inputRate = tio.c_ispeed;
    outputRate = tio.c_ospeed;
    return true;
}

static_assert(sizeof(struct termios2) <= sizeof(SavedLine::bytes), "SavedLine too small");

bool SaveLine(int fd, SavedLine& line) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        return FailWithErrno();
    }
    std::memcpy(line.bytes, &tio, sizeof tio);
    return true;
}

bool RestoreLine(int fd, const SavedLine& line) {
    struct termios2 tio {};
    std::memcpy(&tio, line.bytes, sizeof tio);
    return ioctl(fd, TCSETS2, &tio) == 0 || FailWithErrno();
}

}  // namespace platform
