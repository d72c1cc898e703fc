#define NOUSER
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/os/TerminalWidth.h"

namespace platform {

int ErrorStreamColumns() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info) == 0) {
        return 0;
    }
    return info.srWindow.Right - info.srWindow.Left + 1;
}

}  // namespace platform
