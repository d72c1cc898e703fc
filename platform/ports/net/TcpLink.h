#pragma once
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/os/Event.h"
#include "platform/ports/CommTypes.h"

namespace platform {

// The system's codes for what a link to a device server meets, named once for both
// systems (errno values on POSIX, Win32 and Winsock codes on Windows), so that the
// protocol code and the failure texts above the link are the same on both.
#ifdef _WIN32
constexpr std::uint32_t kLinkStopped = 1223;          // ERROR_CANCELLED
constexpr std::uint32_t kLinkTimedOut = 10060;        // WSAETIMEDOUT
constexpr std::uint32_t kLinkRefused = 10061;         // WSAECONNREFUSED
constexpr std::uint32_t kHostUnreachable = 10065;     // WSAEHOSTUNREACH
constexpr std::uint32_t kNetworkUnreachable = 10051;  // WSAENETUNREACH
constexpr std::uint32_t kLinkSettingRefused = 87;     // ERROR_INVALID_PARAMETER
constexpr std::uint32_t kLinkBusy = 170;              // ERROR_BUSY
constexpr std::uint32_t kLinkNoSuchName = 2;          // ERROR_FILE_NOT_FOUND
#else
constexpr std::uint32_t kLinkStopped = ECANCELED;
constexpr std::uint32_t kLinkTimedOut = ETIMEDOUT;
constexpr std::uint32_t kLinkRefused = ECONNREFUSED;
constexpr std::uint32_t kHostUnreachable = EHOSTUNREACH;
constexpr std::uint32_t kNetworkUnreachable = ENETUNREACH;
constexpr std::uint32_t kLinkSettingRefused = EINVAL;
constexpr std::uint32_t kLinkBusy = EBUSY;
constexpr std::uint32_t kLinkNoSuchName = ENOENT;
#endif

// A TCP connection to a serial device server (BSD sockets, or Winsock): the address
// "host:port" (or "[v6 address]:port") looked up and connected, both within one deadline
// and never past a set stop event, and the moves of bytes, bounded in size, by a deadline
// and by the stop. Every failure returns false with the thread's last error set. A stop
// is an Event (null: none), watched through its descriptor on POSIX, its handle on Windows.
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

#ifdef _WIN32
    bool IsOpen() const {
        return m_socket != kNoSocket;
    }

  private:
    static constexpr std::uintptr_t kNoSocket = ~std::uintptr_t{0};  // INVALID_SOCKET
    std::uintptr_t m_socket = kNoSocket;
    // The socket's network events (WSAEventSelect) wake this event.
    void* m_event = nullptr;
#else
    bool IsOpen() const {
        return m_fd >= 0;
    }

  private:
    int m_fd = -1;
#endif
};

}  // namespace platform
