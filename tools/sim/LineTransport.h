#pragma once
#include <poll.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How one simulated line reaches its host: a pty, or a TCP port speaking RFC 2217. The
// simulator's loop polls what the transport names, hands it the ready descriptors, and
// puts on it the bytes the host's UART has decoded; the transport tells the loop what the
// host did through Events.
class LineTransport {
  public:
    using Clock = std::chrono::steady_clock;

    // What the host did, as the loop takes it.
    class Events {
      public:
        virtual void HostSent(const std::string& bytes) = 0;
        // A break began: what the instrument was saying is cut off.
        virtual void BreakBegan() = 0;
        // The break ended (or is taken to end) at that time: the instrument answers after.
        virtual void BreakEnds(Clock::time_point at) = 0;
        // The host went away: nothing the instrument had to say is still owed.
        virtual void HostLeft() = 0;
        virtual void Log(const std::string& text) = 0;

      protected:
        ~Events() = default;
    };

    virtual ~LineTransport();

    // Opens the line; its path for the host ("/dev/pts/3", "rfc2217://127.0.0.1:40321") in
    // path. False with a reason in error; Close frees what was made.
    virtual bool Open(std::string& path, std::string& error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // The descriptors to poll for input.
    virtual void Polled(std::vector<int>& fds) const = 0;
    // Reads what is ready. False when the line failed and must be closed (logged).
    virtual bool Serve() = 0;
    // Puts on the line bytes the host's UART has decoded.
    virtual void Send(const std::string& bytes) = 0;
    // The rates the host's line runs at; false, logged, when they cannot be read.
    virtual bool HostRates(std::uint32_t& inputRate, std::uint32_t& outputRate) = 0;
    // Whether the host holds a break that has not ended yet.
    virtual bool BreakHeld() const { return false; }

    // Upkeep the transport needs from time to time, and when it is next due (none: never).
    virtual std::optional<Clock::time_point> UpkeepDue() const { return std::nullopt; }
    virtual void Upkeep(Clock::time_point /*now*/) {}

  protected:
    // "what: the system's reason", from errno.
    static std::string ErrnoText(const std::string& what);
};
