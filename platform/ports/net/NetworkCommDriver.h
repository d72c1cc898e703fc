#pragma once
#include "platform/ports/CommDriver.h"

namespace platform {

// What the drivers of device servers' ports share: a name is the driver's scheme and the
// server's "HOST:PORT", checked for its form only (Exists connects to nothing), and a
// failure names the server's address and says what to check on the network or the server.
class NetworkCommDriver : public CommDriver {
  public:
    explicit NetworkCommDriver(const char* scheme) : m_scheme(scheme) {}

    // Both open through OpenAddress; with a stop, the open and the port's waits watch it.
    std::unique_ptr<CommPort> Open(const std::string& path) override;
    std::unique_ptr<CommPort> OpenWatching(const std::string& path, Event& stop) override;
    bool Exists(const std::string& path) override;
    bool OpenIsCheap() const override { return false; }
    std::string NameForm() const override;
    std::string NameProblem(const std::string& name) const override;
    Failure DescribeOpenFailure(const std::string& name, const std::string& port,
                                std::uint32_t error) const override;

  protected:
    // Connects to the server's "HOST:PORT" and sets the port up, never past a set stop
    // (null: none). Null on failure, with the last error set.
    virtual std::unique_ptr<CommPort> OpenAddress(const std::string& address, Event* stop) = 0;

  private:
    std::unique_ptr<CommPort> OpenPort(const std::string& path, Event* stop);

    const char* m_scheme;
};

}  // namespace platform
