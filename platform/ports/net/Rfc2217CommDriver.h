#pragma once
#include <chrono>

#include "platform/ports/net/NetworkCommDriver.h"

namespace platform {

// Serial lines of device servers that speak RFC 2217, "rfc2217://HOST:PORT": the Telnet
// COM-PORT-OPTION carries the rate, the framing, the modem lines, the break and the input
// purge, and a setting counts only once the server has acknowledged it. The open itself is
// the check that the port is free (a server that serves one client may hold a port for
// seconds after a client has gone).
class Rfc2217CommDriver : public NetworkCommDriver {
  public:
    static constexpr const char* kScheme = "rfc2217://";

    struct Limits {
        std::chrono::milliseconds connect{5000};  // for the name lookup and the connection
        std::chrono::milliseconds reply{3000};    // for the negotiation, and each answer
        std::chrono::milliseconds open{8000};     // for the whole open and the first setup
        // For the server's agreement to RFC 2217: a server that serves one client at a time
        // takes up to 3 s to let the last one go before it answers the next.
        std::chrono::milliseconds negotiation{5000};
    };

    Rfc2217CommDriver() : NetworkCommDriver(kScheme) {}
    explicit Rfc2217CommDriver(Limits limits) : NetworkCommDriver(kScheme), m_limits(limits) {}

  private:
    std::unique_ptr<CommPort> OpenAddress(const std::string& address, Event* stop) override;

    Limits m_limits;
};

}  // namespace platform
