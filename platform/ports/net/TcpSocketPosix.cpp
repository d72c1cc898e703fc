#include "platform/ports/net/TcpSocket.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <limits>

#include "platform/os/LastError.h"

namespace platform {
namespace {

int MillisecondsLeft(TcpSocket::Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TcpSocket::Clock::now());
    // Rounded up, so that a wait never ends just before its deadline and spins.
    return static_cast<int>(std::max<long long>(0, left.count() + 1));
}

int StopDescriptor(Event* stop) {
    return stop != nullptr ? stop->Descriptor() : -1;
}

}  // namespace

const std::size_t TcpSocket::kMostConnecting = std::numeric_limits<std::size_t>::max();

bool TcpSocket::StartUp() {
    return true;
}

bool TcpSocket::CanWatch(Event& stop) {
    return stop.Descriptor() >= 0;
}

std::uint32_t TcpSocket::StartConnect(const SocketAddress& address) {
    Close();
    const int fd = socket(address.family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return static_cast<std::uint32_t>(errno);
    }
    if (connect(fd, reinterpret_cast<const sockaddr*>(address.bytes),
                static_cast<socklen_t>(address.size)) != 0 &&
        errno != EINPROGRESS && errno != EINTR) {
        const int error = errno;
        ::close(fd);
        return static_cast<std::uint32_t>(error);
    }
    m_handles.fd = fd;
    return 0;
}

TcpSocket::Progress TcpSocket::ConnectProgress(std::uint32_t& failure) {
    pollfd watched{m_handles.fd, POLLOUT, 0};
    if (poll(&watched, 1, 0) <= 0) {
        return Progress::Connecting;
    }
    int error = 0;
    socklen_t size = sizeof error;
    if (getsockopt(m_handles.fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) {
        error = errno;
    }
    failure = static_cast<std::uint32_t>(error);
    return error == 0 ? Progress::Connected : Progress::Failed;
}

std::uint32_t TcpSocket::WaitConnecting(const std::vector<TcpSocket>& sockets, Event* stop,
                                        Clock::time_point wake) {
    const int stopFd = StopDescriptor(stop);
    std::vector<pollfd> watched;
    watched.reserve(sockets.size() + 1);
    for (const TcpSocket& socket : sockets) {
        watched.push_back({socket.m_handles.fd, POLLOUT, 0});
    }
    if (stopFd >= 0) {
        watched.push_back({stopFd, POLLIN, 0});
    }
    if (poll(watched.data(), watched.size(), MillisecondsLeft(wake)) < 0 && errno != EINTR) {
        return static_cast<std::uint32_t>(errno);
    }
    return stopFd >= 0 && watched.back().revents != 0 ? kLinkStopped : 0;
}

void TcpSocket::Connected() {
    // Prompts and settings are a few bytes each: send them now, not after a delayed ack.
    const int on = 1;
    setsockopt(m_handles.fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

TcpSocket::Transfer TcpSocket::Send(const char* bytes, std::size_t count, std::size_t& moved,
                                    std::uint32_t& error) {
    if (m_handles.fd < 0) {
        return Transfer::Ended;
    }
    // MSG_NOSIGNAL: a peer that went must fail the write, not kill the process.
    const ssize_t n = send(m_handles.fd, bytes, count, MSG_NOSIGNAL);
    if (n > 0) {
        moved = static_cast<std::size_t>(n);
        return Transfer::Moved;
    }
    if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
        return Transfer::WouldBlock;
    }
    if (errno == EPIPE || errno == ECONNRESET) {
        return Transfer::Ended;
    }
    error = static_cast<std::uint32_t>(errno);
    return Transfer::Failed;
}

TcpSocket::Transfer TcpSocket::Receive(char* into, std::size_t most, std::size_t& moved) {
    for (;;) {
        if (m_handles.fd < 0) {
            return Transfer::Ended;
        }
        const ssize_t n = recv(m_handles.fd, into, most, 0);
        if (n > 0) {
            moved = static_cast<std::size_t>(n);
            return Transfer::Moved;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return Transfer::WouldBlock;
        }
        return Transfer::Ended;  // an orderly end (0) or a reset
    }
}

InputWait TcpSocket::WaitReady(bool write, Event* stop, Clock::time_point deadline) {
    const int stopFd = StopDescriptor(stop);
    for (;;) {
        pollfd watched[2] = {{m_handles.fd, static_cast<short>(write ? POLLOUT : POLLIN), 0},
                             {stopFd, POLLIN, 0}};
        const int ready = poll(watched, stopFd >= 0 ? 2 : 1, MillisecondsLeft(deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            FailWithErrno();
            return InputWait::Failed;
        }
        if (stopFd >= 0 && watched[1].revents != 0) {
            return InputWait::Stop;
        }
        if (watched[0].revents != 0) {
            return InputWait::Input;  // room or data, or the end that the next move reports
        }
        if (Clock::now() >= deadline) {
            return InputWait::Timeout;
        }
    }
}

bool TcpSocket::IsOpen() const {
    return m_handles.fd >= 0;
}

void TcpSocket::Close() {
    if (m_handles.fd >= 0) {
        ::close(m_handles.fd);
        m_handles.fd = -1;
    }
}

}  // namespace platform
