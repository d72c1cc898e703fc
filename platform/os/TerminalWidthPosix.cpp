#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/os/TerminalWidth.h"

namespace platform {

int ErrorStreamColumns() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0) {
        return 0;
    }
    return size.ws_col;
}

}  // namespace platform
