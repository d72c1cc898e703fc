#include "platform/CommDriver.h"

#include <atomic>

#include "platform/TermiosCommDriver.h"

namespace platform {
namespace {
std::atomic<CommDriver*> g_installed{nullptr};
}

CommDriver& CommDriver::Current() {
    static TermiosCommDriver termios;
    if (CommDriver* installed = g_installed.load()) {
        return *installed;
    }
    return termios;
}

void CommDriver::Install(CommDriver* driver) {
    g_installed = driver;
}

}  // namespace platform
