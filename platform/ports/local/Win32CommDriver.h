#pragma once
#include "platform/ports/CommDriver.h"

namespace platform {

// The Windows serial driver: COM ports by their device names ("\\.\COM3"), opened
// exclusively and overlapped, configured through the DCB, with input awaited through
// WaitCommEvent together with the stop event.
class Win32CommDriver : public CommDriver {
  public:
    std::unique_ptr<CommPort> Open(const std::string& path) override;
    // Whether the system has a communications driver for the port, whether or not some
    // program has it open.
    bool Exists(const std::string& path) override;
};

}  // namespace platform
