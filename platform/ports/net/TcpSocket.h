#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/os/Event.h"
#include "platform/ports/CommTypes.h"
#include "platform/ports/net/NetworkErrors.h"
#include "platform/ports/net/SocketAddress.h"

namespace platform {

// A non-blocking TCP socket of the system (BSD sockets, or Winsock) in the few moves that
// TcpLink's connection and transfers are written over. A stop is an Event, watched through
// its descriptor on POSIX, its handle on Windows; null is none.
class TcpSocket {
  public:
    using Clock = std::chrono::steady_clock;

    enum class Progress { Connecting, Connected, Failed };
    enum class Transfer { Moved, WouldBlock, Ended, Failed };

    // How many connections under way one wait can watch (Windows waits on at most 64
    // handles, one of them the stop's).
    static const std::size_t kMostConnecting;

    TcpSocket() = default;
    ~TcpSocket() { Close(); }
    TcpSocket(TcpSocket&& other) noexcept : m_handles(std::exchange(other.m_handles, {})) {}
    TcpSocket& operator=(TcpSocket&& other) noexcept {
        if (this != &other) {
            Close();
            m_handles = std::exchange(other.m_handles, {});
        }
        return *this;
    }

    // Readies the system's sockets for the process; false with the last error set.
    static bool StartUp();
    // True when a wait can watch stop (the system gave it a descriptor or a handle).
    static bool CanWatch(Event& stop);

    // Starts a connection to the address: 0, or the system's error.
    std::uint32_t StartConnect(const SocketAddress& address);
    // How the connection started stands; failure says why it failed.
    Progress ConnectProgress(std::uint32_t& failure);
    // Sleeps until a connection under way ends, stop is set or wake passes: 0, kLinkStopped,
    // or the system's error when the wait itself failed.
    static std::uint32_t WaitConnecting(const std::vector<TcpSocket>& sockets, Event* stop,
                                        Clock::time_point wake);
    // Readies a connected socket for the transfers.
    void Connected();

    // Moves what can move now, without waiting, and counts it in moved. Ended: the peer
    // closed or reset the connection (or the socket is closed); Failed: error says why.
    Transfer Send(const char* bytes, std::size_t count, std::size_t& moved, std::uint32_t& error);
    Transfer Receive(char* into, std::size_t most, std::size_t& moved);
    // Sleeps until the socket can be read (or written), its end included, stop is set or
    // the deadline passes; Failed with the last error set.
    InputWait WaitReady(bool write, Event* stop, Clock::time_point deadline);

    bool IsOpen() const;
    void Close();

  private:
    // What the system gave for the socket, held as one so that a move takes it whole.
    struct Handles {
#ifdef _WIN32
        std::uintptr_t socket = ~std::uintptr_t{0};  // INVALID_SOCKET: none
        // The socket's network events (WSAEventSelect) wake this event.
        void* event = nullptr;
#else
        int fd = -1;
#endif
    };
    Handles m_handles;
};

}  // namespace platform
