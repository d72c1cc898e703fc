#pragma once
#include <string>

#include "platform/ports/CommPort.h"
#include "platform/ports/net/TcpLink.h"

namespace platform {

// What the ports of device servers share: the TCP link, and a receive buffer that the
// queue count and the reads come from, filled from the socket through Decode, a bounded
// read at a time. The buffer has a cap, and a server that sends faster than any serial
// line could carry is a flood (kFlood), not followed: the port ends there. Writes leave
// through Encode. The wait for input sleeps on the socket and the stop event, and every
// other wait of the port watches the stop event the port was opened with.
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

    // What one read takes from the socket, and what the receive buffer holds at most
    // (more is dropped, as a serial driver drops what overflows its queue).
    static constexpr std::size_t kReadChunk = 4096;
    static constexpr std::size_t kReceiveLimit = 64 * 1024;
    // A flood: more than kFloodAllowance bytes beyond what the fastest serial line (about
    // 92 kB/s at 921600 baud) could have carried since the connection, with a margin. A
    // device server's buffer of stale input fits in the allowance.
    static constexpr std::size_t kFloodAllowance = 256 * 1024;
    static constexpr std::size_t kFloodBytesPerSecond = 200 * 1000;

  protected:
    // Takes the bytes received from the socket into m_received (through Keep, after any
    // protocol). False, with the last error set, for a failure that ends the connection.
    virtual bool Decode(const std::string& bytes) = 0;
    // The bytes to send for data.
    virtual std::string Encode(const void* buffer, std::uint32_t count) = 0;

    // Receives and decodes what has arrived, one bounded read. False once the connection
    // has ended (kConnectionLost, or why it was ended), though bytes that came before an
    // orderly end stay readable.
    bool Pump();
    // Appends data to m_received, up to kReceiveLimit.
    void Keep(const std::string& data);
    // Ends the connection for good with error, which every later call reports.
    bool Fail(std::uint32_t error);
    // Counts from now the time a flood is measured over; the stop event that the port's own
    // waits watch (null: none).
    void Begin(Event* stop);
    // Time allowed for a write of so many bytes, from the rate the line was given.
    TcpLink::Clock::time_point WriteDeadline(std::size_t bytes) const;

    TcpLink m_link;
    Event* m_stop = nullptr;
    std::uint32_t m_failure = 0;
    std::string m_received;
    LineState m_state;
    CommTimeouts m_timeouts;

  private:
    TcpLink::Clock::time_point m_since;
    std::uint64_t m_bytesIn = 0;

    bool WriteWatching(const void* buffer, std::uint32_t count, std::uint32_t& done, Event* stop);
};

}  // namespace platform
