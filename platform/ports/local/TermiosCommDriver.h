#pragma once
#include "platform/ports/CommDriver.h"

namespace platform {

// The Linux serial driver: ttys through termios. Opens only tty character devices that a
// serial line can be (never a virtual console, /dev/tty or the active system console),
// exclusively for root too (TIOCEXCL and flock), in raw mode with DTR and RTS raised.
class TermiosCommDriver : public CommDriver {
  public:
    std::unique_ptr<CommPort> Open(const std::string& path) override;
    bool Exists(const std::string& path) override;
};

}  // namespace platform
