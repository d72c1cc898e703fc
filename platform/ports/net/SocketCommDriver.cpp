#include "platform/ports/net/SocketCommDriver.h"

#include <cerrno>

#include "platform/os/LastError.h"
#include "platform/ports/net/NetworkCommPort.h"
#include "platform/ports/net/NetworkErrors.h"

namespace platform {
namespace {

class SocketCommPort final : public NetworkCommPort {
  public:
    bool Connect(const std::string& address, std::chrono::milliseconds limit, Event* stop) {
        Begin(stop);
        if (!m_link.Connect(address, TcpLink::Clock::now() + limit, stop)) {
            return false;
        }
        Begin(stop);
        // What the server had waiting from the line before we came is no answer of ours.
        return PurgeInput();
    }
    bool SetState(const LineState& state) override {
        m_state = state;
        return true;
    }
    bool SetBreak() override { return Refuse(); }
    bool ClearBreak() override { return Refuse(); }
    bool ControlsLine() const override { return false; }

  protected:
    bool Decode(const std::string& bytes) override {
        Keep(bytes);
        return true;
    }
    std::string Encode(const void* buffer, std::uint32_t count) override {
        return std::string(static_cast<const char*>(buffer), count);
    }

  private:
    static bool Refuse() {
        SetLastError(kNoLineControl);
        return false;
    }
};

}  // namespace

std::unique_ptr<CommPort> SocketCommDriver::OpenAddress(const std::string& address, Event* stop) {
    auto port = std::make_unique<SocketCommPort>();
    if (!port->Connect(address, m_connectLimit, stop)) {
        return nullptr;
    }
    return port;
}

}  // namespace platform
