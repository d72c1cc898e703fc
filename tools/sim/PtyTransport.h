#pragma once
#include <cstdint>
#include <string>

#include "tools/sim/LineTransport.h"

// A line on a pseudo-terminal. The host's end is the slave (/dev/pts/N); the simulator
// holds the master in packet mode, reads the host's line rate through it and takes the
// input purge that precedes every break as the break itself, since a pty carries none.
// It keeps a slave of its own open so that the master stays readable whether or not a
// host has the line open; like a real line, it drops a host's exclusive mode once that
// host has closed the line (or died).
class PtyTransport : public LineTransport {
  public:
    // A break is taken to last breakMs from the purge.
    PtyTransport(Events& events, std::uint32_t breakMs);
    ~PtyTransport() override;
    PtyTransport(const PtyTransport&) = delete;
    PtyTransport& operator=(const PtyTransport&) = delete;

    bool Open(std::string& path, std::string& error) override;
    void Close() override;
    bool IsOpen() const override { return m_masterFd >= 0; }
    void Polled(std::vector<int>& fds) const override;
    bool Serve() override;
    void Send(const std::string& bytes) override;
    bool HostRates(std::uint32_t& inputRate, std::uint32_t& outputRate) override;
    std::optional<Clock::time_point> UpkeepDue() const override { return m_holderCheckAt; }
    // Clears the exclusive mode of a host that has gone.
    void Upkeep(Clock::time_point now) override;

  private:
    Events& m_events;
    std::uint32_t m_breakMs;
    int m_masterFd = -1;
    int m_slaveFd = -1;
    std::string m_slavePath;
    Clock::time_point m_holderCheckAt;
};
