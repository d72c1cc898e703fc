#pragma once
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/os/Event.h"
#include "platform/ports/CommTypes.h"
#include "platform/ports/net/NetworkErrors.h"
#include "platform/ports/net/TcpSocket.h"

namespace platform {

// A TCP connection to a serial device server: the address "host:port" (or
// "[v6 address]:port") looked up and connected, both within one deadline and never past a
// set stop event, and the moves of bytes, bounded in size, by a deadline and by the stop.
// Every failure returns false with the thread's last error set. A stop is an Event (null:
// none). The same on every system: what differs is the socket (TcpSocket) and the name
// service (NameLookup) below it.
class TcpLink {
  public:
    using Clock = std::chrono::steady_clock;

    TcpLink() = default;
    TcpLink(const TcpLink&) = delete;
    TcpLink& operator=(const TcpLink&) = delete;

    // Splits "host:port"; false when either part is missing or the port is no number
    // (0 is one: a listener takes it as any free port).
    static bool ParseAddress(const std::string& address, std::string& host, std::string& port);

    // The address of a device name under a scheme ("rfc2217://host:4001" gives
    // "host:4001"); false when the name is not under the scheme or its address is malformed.
    static bool AddressOf(const std::string& device, const char* scheme, std::string& address);

    // Names under "invalid" never resolve (RFC 6761): answered at once rather than after a
    // round of queries to whatever name server is configured.
    static bool NeverResolves(const std::string& host);

    // True when a wait can watch stop (the system gave it a descriptor or a handle).
    static bool CanWatch(Event& stop);

    // Looks the name up and connects to one of its addresses, all before the deadline and
    // never past a set stop, which gives kLinkStopped. A name that does not exist gives
    // kHostNotFound, a name service that does not answer in time kNameLookupTimedOut (or
    // kNameLookupFailed), a refusal kLinkRefused, no answer kLinkTimedOut. Several addresses are
    // tried as RFC 8305 does: one after another, a new one every 250 ms while the earlier ones
    // still try, the first to connect kept.
    bool Connect(const std::string& address, Clock::time_point deadline, Event* stop = nullptr);
    // Sends every byte, waiting for room up to the deadline (kLinkTimedOut) and never past a
    // set stop (kLinkStopped) when one is given.
    bool SendAll(const std::string& bytes, Clock::time_point deadline, Event* stop = nullptr);
    // Appends what has arrived, at most most bytes, without waiting: a peer that sends
    // without pause must not hold the caller. A peer that closed the connection (or reset
    // it) gives kConnectionLost, after whatever came before the end.
    bool Receive(std::string& into, std::size_t most);
    // Sleeps until bytes (or the end of the connection) can be received, stop is set or the
    // deadline passes.
    InputWait WaitReadable(Event* stop, Clock::time_point deadline);
    void Close();

    bool IsOpen() const { return m_socket.IsOpen(); }

  private:
    // Connects to the first of the addresses to answer (the staggered attempts of Connect).
    bool ConnectToAny(const std::vector<SocketAddress>& addresses, Clock::time_point deadline,
                      Event* stop);

    TcpSocket m_socket;
};

}  // namespace platform
