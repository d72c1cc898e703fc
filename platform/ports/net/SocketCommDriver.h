#pragma once
#include <chrono>

#include "platform/ports/net/NetworkCommDriver.h"

namespace platform {

// Raw TCP ports, "socket://HOST:PORT": a device server that passes bytes between the
// connection and its serial line, whose rate and framing are set up on the server. Line
// settings are kept but reach nothing (ControlsLine is false), and a break fails with
// kNoLineControl. The open itself is the check that the port is free.
class SocketCommDriver : public NetworkCommDriver {
  public:
    static constexpr const char* kScheme = "socket://";

    explicit SocketCommDriver(std::chrono::milliseconds connectLimit = std::chrono::seconds(5))
        : NetworkCommDriver(kScheme), m_connectLimit(connectLimit) {}

  private:
    std::unique_ptr<CommPort> OpenAddress(const std::string& address, Event* stop) override;

    std::chrono::milliseconds m_connectLimit;
};

}  // namespace platform
