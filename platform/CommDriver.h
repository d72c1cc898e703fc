#pragma once
#include <memory>
#include <string>

#include "platform/CommPort.h"

namespace platform {

// Opens serial ports by device path. The process has one current driver: the termios
// one, or a fake that a test installs.
class CommDriver {
  public:
    virtual ~CommDriver() = default;

    // Opens for exclusive use: a second open of the same device, from this process or
    // another, fails while this one is open. Null on failure, with the last error set.
    virtual std::unique_ptr<CommPort> Open(const std::string& path) = 0;

    // Whether a serial device of that path exists, whether or not it is in use.
    virtual bool Exists(const std::string& path) = 0;

    static CommDriver& Current();
    // Installs a driver (null puts the termios driver back). Not for use while ports open.
    static void Install(CommDriver* driver);
};

}  // namespace platform
