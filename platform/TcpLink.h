#pragma once
#include <chrono>
#include <cstddef>
#include <string>

#include "platform/CommTypes.h"

namespace platform {

// A TCP connection to a serial device server, through BSD sockets only: the address
// "host:port" (or "[v6 address]:port") resolved with getaddrinfo and connected within a
// time limit, and the moves of bytes, bounded by a deadline and a stop descriptor. Every
// failure returns false with the thread's last error set.
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

    // Tries each address the name resolves to until one accepts. A name that does not
    // resolve gives kHostNotFound, a refusal ECONNREFUSED, no answer ETIMEDOUT.
    bool Connect(const std::string& address, std::chrono::milliseconds limit);
    // Sends every byte, waiting for room up to the deadline (ETIMEDOUT) and never past a
    // readable stopFd (ECANCELED) when one is given (-1: none).
    bool SendAll(const std::string& bytes, Clock::time_point deadline, int stopFd = -1);
    // Appends what has arrived, without waiting. A peer that closed the connection (or
    // reset it) gives kConnectionLost, after whatever came before the end.
    bool Receive(std::string& into);
    // Sleeps until bytes (or the end of the connection) can be received, stopFd is readable
    // or the deadline passes.
    InputWait WaitReadable(int stopFd, Clock::time_point deadline);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
};

}  // namespace platform
