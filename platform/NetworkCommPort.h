#pragma once
#include <string>

#include "platform/CommPort.h"
#include "platform/TcpLink.h"

namespace platform {

// What the ports of device servers share: the TCP link, and a receive buffer that the
// queue count and the reads come from, filled from the socket through Decode. Writes
// leave through Encode. The wait for input sleeps on the socket and the stop event.
class NetworkCommPort : public CommPort {
  public:
    ~NetworkCommPort() override = default;

    bool GetState(LineState& state) override;
    bool SetQueueSizes(std::uint32_t, std::uint32_t) override { return true; }
    bool SetTimeouts(const CommTimeouts& timeouts) override;
    bool ClearError(CommStatus& status) override;
    bool Read(void* buffer, std::uint32_t count, std::uint32_t& done) override;
    bool Write(const void* buffer, std::uint32_t count, std::uint32_t& done) override;
    bool WriteOrStop(const void* buffer, std::uint32_t count, std::uint32_t& done,
                     Event& stop) override;
    InputWait WaitForInput(Event& stop, std::chrono::steady_clock::time_point deadline) override;
    bool PurgeInput() override;
    bool Close() override;

  protected:
    // Takes the bytes received from the socket into m_received (after any protocol).
    virtual void Decode(const std::string& bytes) = 0;
    // The bytes to send for data.
    virtual std::string Encode(const void* buffer, std::uint32_t count) = 0;

    // Receives and decodes what has arrived. False once the connection has ended (with
    // kConnectionLost), though bytes that came before the end stay readable.
    bool Pump();
    // Time allowed for a write of so many bytes, from the rate the line was given.
    TcpLink::Clock::time_point WriteDeadline(std::size_t bytes) const;

    TcpLink m_link;
    std::string m_received;
    LineState m_state;
    CommTimeouts m_timeouts;

  private:
    bool WriteWatching(const void* buffer, std::uint32_t count, std::uint32_t& done, int stopFd);
};

}  // namespace platform
