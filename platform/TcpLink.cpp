#include "platform/TcpLink.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/LastError.h"

namespace platform {
namespace {

int MillisecondsLeft(TcpLink::Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TcpLink::Clock::now());
    // Rounded up, so that a wait never ends just before its deadline and spins.
    return static_cast<int>(std::max<long long>(0, left.count() + 1));
}

// Names under "invalid" never resolve (RFC 6761): answered here at once rather than
// after a round of queries to whatever DNS server is configured.
bool IsInvalidName(const std::string& host) {
    const std::string suffix = ".invalid";
    std::string name = host;
    if (!name.empty() && name.back() == '.') {
        name.pop_back();
    }
    for (char& c : name) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return name == "invalid" ||
           (name.size() > suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0);
}

// Connects one socket to one address within the deadline; the descriptor or -1 with
// errno set.
int ConnectOne(const addrinfo& address, TcpLink::Clock::time_point deadline) {
    const int fd = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
    if (fd < 0) {
        return -1;
    }
    const int flags = fcntl(fd, F_GETFL);
    int error = 0;
    if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0 ||
        fcntl(fd, F_SETFD, FD_CLOEXEC) != 0) {
        error = errno;
    } else if (connect(fd, address.ai_addr, address.ai_addrlen) != 0) {
        error = errno;
        if (error == EINPROGRESS || error == EINTR) {
            pollfd watched{fd, POLLOUT, 0};
            int ready = 0;
            do {
                ready = poll(&watched, 1, MillisecondsLeft(deadline));
            } while (ready < 0 && errno == EINTR);
            socklen_t size = sizeof error;
            if (ready == 0) {
                error = ETIMEDOUT;
            } else if (ready < 0 || getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) {
                error = errno;
            }
        }
    }
    if (error != 0) {
        ::close(fd);
        errno = error;
        return -1;
    }
    // Prompts and settings are a few bytes each: send them now, not after a delayed ack.
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

}  // namespace

TcpLink::~TcpLink() {
    Close();
}

bool TcpLink::Connect(const std::string& address, std::chrono::milliseconds limit) {
    Close();
    std::string host;
    std::string port;
    if (!ParseAddress(address, host, port)) {
        SetLastError(ENOENT);
        return false;
    }
    if (IsInvalidName(host)) {
        SetLastError(kHostNotFound);
        return false;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int resolved = getaddrinfo(host.c_str(), port.c_str(), &hints, &found);
    if (resolved != 0) {
        SetLastError(resolved == EAI_SYSTEM  ? static_cast<std::uint32_t>(errno)
                     : resolved == EAI_AGAIN ? static_cast<std::uint32_t>(EAGAIN)
                                             : kHostNotFound);
        return false;
    }
    const Clock::time_point deadline = Clock::now() + limit;
    int error = ECONNREFUSED;
    for (const addrinfo* candidate = found; candidate != nullptr && m_fd < 0;
         candidate = candidate->ai_next) {
        m_fd = ConnectOne(*candidate, deadline);
        // A refusal says more than a later address family's failure to route.
        if (m_fd < 0 && (error != ECONNREFUSED || errno == ETIMEDOUT)) {
            error = errno;
        }
    }
    freeaddrinfo(found);
    if (m_fd < 0) {
        SetLastError(static_cast<std::uint32_t>(error));
        return false;
    }
    return true;
}

bool TcpLink::SendAll(const std::string& bytes, Clock::time_point deadline, int stopFd) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (m_fd < 0) {
            SetLastError(kConnectionLost);
            return false;
        }
        // MSG_NOSIGNAL: a peer that went must fail the write, not kill the process.
        const ssize_t n = send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            SetLastError(errno == EPIPE || errno == ECONNRESET ? kConnectionLost
                                                               : static_cast<std::uint32_t>(errno));
            return false;
        }
        if (Clock::now() >= deadline) {
            SetLastError(ETIMEDOUT);
            return false;
        }
        pollfd watched[2] = {{m_fd, POLLOUT, 0}, {stopFd, POLLIN, 0}};
        const int ready = poll(watched, stopFd >= 0 ? 2 : 1, MillisecondsLeft(deadline));
        if (ready > 0 && stopFd >= 0 && watched[1].revents != 0) {
            SetLastError(ECANCELED);
            return false;
        }
    }
    return true;
}

bool TcpLink::Receive(std::string& into) {
    char buffer[4096];
    for (;;) {
        if (m_fd < 0) {
            SetLastError(kConnectionLost);
            return false;
        }
        const ssize_t n = recv(m_fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            into.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return true;
        }
        SetLastError(kConnectionLost);  // an orderly end (0) or a reset
        return false;
    }
}

InputWait TcpLink::WaitReadable(int stopFd, Clock::time_point deadline) {
    for (;;) {
        pollfd watched[2] = {{m_fd, POLLIN, 0}, {stopFd, POLLIN, 0}};
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
            return InputWait::Input;  // data, or the end that Receive then reports
        }
        if (Clock::now() >= deadline) {
            return InputWait::Timeout;
        }
    }
}

void TcpLink::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

}  // namespace platform
