#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/ports/net/TelnetCodec.h"
#include "tools/sim/LineTransport.h"

// A line served over RFC 2217 on a TCP port of its own, as a device server's port: one
// client at a time (a second is closed at once), the rate it sets, and a break it holds
// (the instrument answers when the client ends it).
class Rfc2217Transport : public LineTransport {
  public:
    // listen is HOST:PORT; a port other than 0 is the first line's, and line index takes
    // that port + index.
    Rfc2217Transport(Events& events, std::string listen, std::size_t index);
    ~Rfc2217Transport() override;
    Rfc2217Transport(const Rfc2217Transport&) = delete;
    Rfc2217Transport& operator=(const Rfc2217Transport&) = delete;

    bool Open(std::string& path, std::string& error) override;
    void Close() override;
    bool IsOpen() const override { return m_listenFd >= 0; }
    void Polled(std::vector<int>& fds) const override;
    bool Serve() override;
    void Send(const std::string& bytes) override;
    // As the client's SET-BAUDRATE set it.
    bool HostRates(std::uint32_t& inputRate, std::uint32_t& outputRate) override;
    bool BreakHeld() const override { return m_breakHeld; }

  private:
    void DropClient(const char* why);
    void ComPortCommand(const std::string& body);
    void SendToClient(const std::string& bytes);

    Events& m_events;
    std::string m_listen;
    std::size_t m_index;
    int m_listenFd = -1;
    int m_clientFd = -1;
    platform::TelnetCodec m_codec;
    std::uint32_t m_clientRate = 9600;
    bool m_breakHeld = false;
};
