#include "platform/SocketCommDriver.h"

#include <cerrno>

#include "platform/LastError.h"
#include "platform/NetworkCommPort.h"

namespace platform {
namespace {

class SocketCommPort final : public NetworkCommPort {
  public:
    bool Connect(const std::string& address, std::chrono::milliseconds limit) {
        return m_link.Connect(address, limit);
    }
    bool SetState(const LineState& state) override {
        m_state = state;
        return true;
    }
    bool SetBreak() override { return Refuse(); }
    bool ClearBreak() override { return Refuse(); }
    bool ControlsLine() const override { return false; }

  protected:
    void Decode(const std::string& bytes) override { m_received += bytes; }
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

std::unique_ptr<CommPort> SocketCommDriver::Open(const std::string& path) {
    std::string address;
    if (!TcpLink::AddressOf(path, kScheme, address)) {
        SetLastError(ENOENT);
        return nullptr;
    }
    auto port = std::make_unique<SocketCommPort>();
    if (!port->Connect(address, m_connectLimit)) {
        return nullptr;
    }
    return port;
}

bool SocketCommDriver::Exists(const std::string& path) {
    std::string address;
    return TcpLink::AddressOf(path, kScheme, address);
}

}  // namespace platform
