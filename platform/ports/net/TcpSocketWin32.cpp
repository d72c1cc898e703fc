// Winsock. A wait sleeps on the socket's network events (WSAEventSelect) and the stop
// event's handle together, so that a stop ends it at once.
#include <winsock2.h>
#include <ws2tcpip.h>
// After winsock2.h, which must come before windows.h.
#include <windows.h>

#include <algorithm>

#include "platform/os/LastError.h"
#include "platform/ports/net/TcpSocket.h"

namespace platform {
namespace {

DWORD MillisecondsLeft(TcpSocket::Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TcpSocket::Clock::now());
    // Rounded up, so that a wait never ends just before its deadline and spins.
    return static_cast<DWORD>(std::max<long long>(0, left.count() + 1));
}

HANDLE StopHandle(Event* stop) {
    return stop != nullptr ? static_cast<HANDLE>(stop->Handle()) : nullptr;
}

bool IsSet(HANDLE stop) {
    return stop != nullptr && WaitForSingleObject(stop, 0) == WAIT_OBJECT_0;
}

// Whether the socket can be read (or written) now, the end of the connection included.
bool Ready(SOCKET socket, bool write) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket, &set);
    fd_set failed;
    FD_ZERO(&failed);
    FD_SET(socket, &failed);
    timeval now{};
    return select(0, write ? nullptr : &set, write ? &set : nullptr, &failed, &now) > 0;
}

}  // namespace

const std::size_t TcpSocket::kMostConnecting = MAXIMUM_WAIT_OBJECTS - 1;

// Winsock is started once for the process and left running: sockets may be in use until
// the process ends.
bool TcpSocket::StartUp() {
    static const int started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data);
    }();
    if (started != 0) {
        SetLastError(static_cast<std::uint32_t>(started));
        return false;
    }
    return true;
}

bool TcpSocket::CanWatch(Event& stop) {
    return stop.Handle() != nullptr;
}

// The socket is non-blocking and its connection's end is signalled on its event.
std::uint32_t TcpSocket::StartConnect(const SocketAddress& address) {
    Close();
    const SOCKET socket = ::socket(address.family, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET) {
        return static_cast<std::uint32_t>(WSAGetLastError());
    }
    const WSAEVENT event = WSACreateEvent();
    if (event == WSA_INVALID_EVENT || WSAEventSelect(socket, event, FD_CONNECT) != 0 ||
        (connect(socket, reinterpret_cast<const sockaddr*>(address.bytes),
                 static_cast<int>(address.size)) != 0 &&
         WSAGetLastError() != WSAEWOULDBLOCK)) {
        const int error = WSAGetLastError();
        closesocket(socket);
        if (event != WSA_INVALID_EVENT) {
            WSACloseEvent(event);
        }
        return static_cast<std::uint32_t>(error);
    }
    m_handles.socket = socket;
    m_handles.event = event;
    return 0;
}

TcpSocket::Progress TcpSocket::ConnectProgress(std::uint32_t& failure) {
    WSANETWORKEVENTS events{};
    if (WSAEnumNetworkEvents(m_handles.socket, m_handles.event, &events) != 0 ||
        (events.lNetworkEvents & FD_CONNECT) == 0) {
        return Progress::Connecting;
    }
    failure = static_cast<std::uint32_t>(events.iErrorCode[FD_CONNECT_BIT]);
    return failure == 0 ? Progress::Connected : Progress::Failed;
}

std::uint32_t TcpSocket::WaitConnecting(const std::vector<TcpSocket>& sockets, Event* stop,
                                        Clock::time_point wake) {
    const HANDLE stopHandle = StopHandle(stop);
    std::vector<HANDLE> watched;
    for (const TcpSocket& socket : sockets) {
        watched.push_back(socket.m_handles.event);
    }
    if (stopHandle != nullptr) {
        watched.push_back(stopHandle);
    }
    if (WaitForMultipleObjects(static_cast<DWORD>(watched.size()), watched.data(), FALSE,
                               MillisecondsLeft(wake)) == WAIT_FAILED) {
        return ::GetLastError();
    }
    return IsSet(stopHandle) ? kLinkStopped : 0;
}

void TcpSocket::Connected() {
    // From now on the event wakes on input, on room to send and on the end.
    WSAEventSelect(m_handles.socket, m_handles.event, FD_READ | FD_WRITE | FD_CLOSE);
    // Prompts and settings are a few bytes each: send them now, not after a delayed ack.
    const BOOL on = TRUE;
    setsockopt(m_handles.socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on),
               sizeof on);
}

TcpSocket::Transfer TcpSocket::Send(const char* bytes, std::size_t count, std::size_t& moved,
                                    std::uint32_t& error) {
    if (m_handles.socket == INVALID_SOCKET) {
        return Transfer::Ended;
    }
    const int most = static_cast<int>(std::min<std::size_t>(count, 1 << 20));
    const int n = send(m_handles.socket, bytes, most, 0);
    if (n > 0) {
        moved = static_cast<std::size_t>(n);
        return Transfer::Moved;
    }
    const int failure = WSAGetLastError();
    if (n == 0 || failure == WSAEWOULDBLOCK || failure == WSAEINTR) {
        return Transfer::WouldBlock;
    }
    if (failure == WSAECONNRESET || failure == WSAECONNABORTED || failure == WSAESHUTDOWN ||
        failure == WSAENOTCONN) {
        return Transfer::Ended;
    }
    error = static_cast<std::uint32_t>(failure);
    return Transfer::Failed;
}

TcpSocket::Transfer TcpSocket::Receive(char* into, std::size_t most, std::size_t& moved) {
    for (;;) {
        if (m_handles.socket == INVALID_SOCKET) {
            return Transfer::Ended;
        }
        const int n = recv(m_handles.socket, into, static_cast<int>(most), 0);
        if (n > 0) {
            moved = static_cast<std::size_t>(n);
            return Transfer::Moved;
        }
        if (n < 0 && WSAGetLastError() == WSAEINTR) {
            continue;
        }
        if (n < 0 && WSAGetLastError() == WSAEWOULDBLOCK) {
            return Transfer::WouldBlock;
        }
        return Transfer::Ended;  // an orderly end (0) or a reset
    }
}

// Winsock signals FD_READ and FD_WRITE again only after the next recv or send, so
// readiness is checked before each sleep, and each sleep is bounded so that a missed
// signal costs a moment, not the deadline.
InputWait TcpSocket::WaitReady(bool write, Event* stop, Clock::time_point deadline) {
    if (m_handles.socket == INVALID_SOCKET) {
        return InputWait::Input;  // the end, which the next move reports
    }
    const HANDLE stopHandle = StopHandle(stop);
    for (;;) {
        if (IsSet(stopHandle)) {
            return InputWait::Stop;
        }
        if (Ready(m_handles.socket, write)) {
            return InputWait::Input;
        }
        if (Clock::now() >= deadline) {
            return InputWait::Timeout;
        }
        const HANDLE watched[2] = {m_handles.event, stopHandle};
        const DWORD woke = WaitForMultipleObjects(stopHandle != nullptr ? 2 : 1, watched, FALSE,
                                                  std::min<DWORD>(MillisecondsLeft(deadline), 200));
        if (woke == WAIT_FAILED) {
            return InputWait::Failed;
        }
        WSANETWORKEVENTS events{};
        WSAEnumNetworkEvents(m_handles.socket, m_handles.event, &events);  // resets the event
    }
}

bool TcpSocket::IsOpen() const {
    return m_handles.socket != INVALID_SOCKET;
}

void TcpSocket::Close() {
    if (m_handles.socket != INVALID_SOCKET) {
        closesocket(m_handles.socket);
        m_handles.socket = INVALID_SOCKET;
    }
    if (m_handles.event != nullptr) {
        WSACloseEvent(m_handles.event);
        m_handles.event = nullptr;
    }
}

}  // namespace platform
