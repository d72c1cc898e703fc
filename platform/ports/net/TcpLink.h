#pragma once
#include <chrono>
#include <cstddef>
#include <string>

#include "platform/ports/CommTypes.h"

namespace platform {

// A TCP connection to a serial device server, through BSD sockets only: the address
// "host:port" (or "[v6 address]:port") looked up with c-ares and connected, both within one
// deadline and never past a readable stop descriptor, and the moves of bytes, bounded in
// size, by a deadline and by the stop. Every failure returns false with the thread's last
// error set.
class TcpLink {
  public:
    using Clock = std::chrono::steady_clock;

    TcpLink() = default;
    ~TcpLink();
    TcpLink(const TcpLink&) = delete;
    TcpLink& operator=(const TcpLink&) = delete;

    // Splits "host:port"; false when either part is missing or the port is no number
    // (0 is one: a listener takes it as any free port).
    static bool ParseAddress(const std::string& address, std::string& host, std::string& port);

    // The address of a device name under a scheme ("rfc2217://host:4001" gives
    // "host:4001"); false when the name is not under the scheme or its address is malformed.
    static bool AddressOf(const std::string& device, const char* scheme, std::string& address);

    // Looks the name up and connects to one of its addresses, all before the deadline and
    // never past a readable stopFd (-1: none), which gives ECANCELED. A name that does not
    // exist gives kHostNotFound, a name service that does not answer in time
    // kNameLookupTimedOut (or kNameLookupFailed), a refusal ECONNREFUSED, no answer
    // ETIMEDOUT. Several addresses are tried as RFC 8305 does: one after another, a new one
    // every 250 ms while the earlier ones still try, the first to connect kept.
    bool Connect(const std::string& address, Clock::time_point deadline, int stopFd = -1);
    // Sends every byte, waiting for room up to the deadline (ETIMEDOUT) and never past a
    // readable stopFd (ECANCELED) when one is given (-1: none).
    bool SendAll(const std::string& bytes, Clock::time_point deadline, int stopFd = -1);
    // Appends what has arrived, at most most bytes, without waiting: a peer that sends
    // without pause must not hold the caller. A peer that closed the connection (or reset
    // it) gives kConnectionLost, after whatever came before the end.
    bool Receive(std::string& into, std::size_t most);
    // Sleeps until bytes (or the end of the connection) can be received, stopFd is readable
    // or the deadline passes.
    InputWait WaitReadable(int stopFd, Clock::time_point deadline);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
};

}  // namespace platform
