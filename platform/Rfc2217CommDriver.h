#pragma once
#include <chrono>

#include "platform/CommDriver.h"

namespace platform {

// Serial lines of device servers that speak RFC 2217, "rfc2217://HOST:PORT": the Telnet
// COM-PORT-OPTION carries the rate, the framing, the modem lines, the break and the input
// purge, and a setting counts only once the server has acknowledged it. Exists checks the
// address's form only: nothing is connected.
class Rfc2217CommDriver : public CommDriver {
  public:
    static constexpr const char* kScheme = "rfc2217://";

    struct Limits {
        std::chrono::milliseconds connect{5000};  // for the TCP connection
        std::chrono::milliseconds reply{3000};    // for the negotiation, and each answer
    };

    Rfc2217CommDriver() = default;
    explicit Rfc2217CommDriver(Limits limits) : m_limits(limits) {}

    std::unique_ptr<CommPort> Open(const std::string& path) override;
    bool Exists(const std::string& path) override;

  private:
    Limits m_limits;
};

}  // namespace platform
