#pragma once
#include <memory>
#include <string>

#include "platform/CommPort.h"

namespace platform {

// Opens serial ports by device name. Each driver serves the names of its own prefix
// (CommDriverRegistry): tty paths, or a scheme of its own.
class CommDriver {
  public:
    virtual ~CommDriver() = default;

    // Opens for exclusive use: a second open of the same device, from this process or
    // another, fails while this one is open. Null on failure, with the last error set.
    virtual std::unique_ptr<CommPort> Open(const std::string& path) = 0;

    // Whether a serial device of that name exists, whether or not it is in use.
    virtual bool Exists(const std::string& path) = 0;
};

}  // namespace platform
