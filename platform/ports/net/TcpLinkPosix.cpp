#include "platform/ports/net/TcpLink.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <ares.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/os/LastError.h"
#include "platform/ports/net/NetworkErrors.h"

namespace platform {
namespace {

int MillisecondsLeft(TcpLink::Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TcpLink::Clock::now());
    // Rounded up, so that a wait never ends just before its deadline and spins.
    return static_cast<int>(std::max<long long>(0, left.count() + 1));
}

// Starts a non-blocking connection to one address; the descriptor (its connection under
// way or made) or -1 with errno set.
int StartConnection(const sockaddr* address, socklen_t size) {
    const int fd = socket(address->sa_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    if (connect(fd, address, size) != 0 && errno != EINPROGRESS && errno != EINTR) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// Waits on the name service's sockets and the stop; ready holds the looked-up addresses,
// or error the reason there are none.
struct Lookup {
    std::vector<sockaddr_storage> addresses;
    std::vector<socklen_t> sizes;
    int status = ARES_ENOTFOUND;
    bool done = false;
};

void TakeAddresses(void* arg, int status, int /*timeouts*/, ares_addrinfo* result) {
    auto* lookup = static_cast<Lookup*>(arg);
    lookup->done = true;
    lookup->status = status;
    if (status != ARES_SUCCESS || result == nullptr) {
        if (result != nullptr) {
            ares_freeaddrinfo(result);
        }
        return;
    }
    // RFC 8305: the families take turns, so that a family that does not route costs one
    // attempt's head start, not every address of it.
    std::vector<const ares_addrinfo_node*> byFamily[2];
    for (const ares_addrinfo_node* node = result->nodes; node != nullptr; node = node->ai_next) {
        if (node->ai_addrlen <= static_cast<ares_socklen_t>(sizeof(sockaddr_storage)) &&
            (node->ai_family == AF_INET || node->ai_family == AF_INET6)) {
            const bool first = node->ai_family == result->nodes->ai_family;
            byFamily[first ? 0 : 1].push_back(node);
        }
    }
    for (std::size_t i = 0; i < std::max(byFamily[0].size(), byFamily[1].size()); ++i) {
        for (const auto& family : byFamily) {
            if (i < family.size()) {
                sockaddr_storage address{};
                std::memcpy(&address, family[i]->ai_addr, family[i]->ai_addrlen);
                lookup->addresses.push_back(address);
                lookup->sizes.push_back(static_cast<socklen_t>(family[i]->ai_addrlen));
            }
        }
    }
    ares_freeaddrinfo(result);
}

// An address given as numbers needs no name service (which c-ares would ask first).
bool LookUpNumeric(const std::string& host, const std::string& port, Lookup& lookup) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) {
        return false;
    }
    for (const addrinfo* one = found; one != nullptr; one = one->ai_next) {
        if (one->ai_addrlen <= sizeof(sockaddr_storage)) {
            sockaddr_storage address{};
            std::memcpy(&address, one->ai_addr, one->ai_addrlen);
            lookup.addresses.push_back(address);
            lookup.sizes.push_back(one->ai_addrlen);
        }
    }
    freeaddrinfo(found);
    return !lookup.addresses.empty();
}

// Looks host up with c-ares, watching the stop and the deadline, which a name service that
// never answers cannot hold past. False with the last error set.
bool LookUp(const std::string& host, const std::string& port, TcpLink::Clock::time_point deadline,
            int stopFd, Lookup& lookup) {
    if (LookUpNumeric(host, port, lookup)) {
        return true;
    }
    static std::once_flag initialised;
    static int initStatus = ARES_SUCCESS;
    std::call_once(initialised, [] { initStatus = ares_library_init(ARES_LIB_INIT_ALL); });
    ares_options options{};
    // Retries within the limit against a lost datagram, rather than one 5 s try.
    options.timeout = 1000;
    options.tries = 4;
    ares_channel channel = nullptr;
    if (initStatus != ARES_SUCCESS ||
        ares_init_options(&channel, &options, ARES_OPT_TIMEOUTMS | ARES_OPT_TRIES) !=
            ARES_SUCCESS) {
        SetLastError(kNameLookupFailed);
        return false;
    }
    ares_addrinfo_hints hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = ARES_AI_NUMERICSERV;
    ares_getaddrinfo(channel, host.c_str(), port.c_str(), &hints, TakeAddresses, &lookup);
    std::uint32_t error = 0;
    while (!lookup.done) {
        ares_socket_t sockets[ARES_GETSOCK_MAXNUM];
        const int bits = ares_getsock(channel, sockets, ARES_GETSOCK_MAXNUM);
        std::vector<pollfd> watched;
        for (int i = 0; i < ARES_GETSOCK_MAXNUM; ++i) {
            const short events = static_cast<short>((ARES_GETSOCK_READABLE(bits, i) ? POLLIN : 0) |
                                                    (ARES_GETSOCK_WRITABLE(bits, i) ? POLLOUT : 0));
            if (events != 0) {
                watched.push_back({sockets[i], events, 0});
            }
        }
        if (stopFd >= 0) {
            watched.push_back({stopFd, POLLIN, 0});
        }
        timeval most{};
        const int left = MillisecondsLeft(deadline);
        most.tv_sec = left / 1000;
        most.tv_usec = (left % 1000) * 1000;
        timeval next{};
        const timeval* wait = ares_timeout(channel, &most, &next);
        const int ms = static_cast<int>(wait->tv_sec * 1000 + (wait->tv_usec + 999) / 1000);
        const int ready = poll(watched.data(), watched.size(), ms);
        if (ready < 0 && errno != EINTR) {
            error = static_cast<std::uint32_t>(errno);
            break;
        }
        if (stopFd >= 0 && watched.back().revents != 0) {
            error = ECANCELED;
            break;
        }
        bool any = false;
        for (const pollfd& one : watched) {
            if (one.fd != stopFd && one.revents != 0) {
                any = true;
                ares_process_fd(
                    channel,
                    (one.revents & (POLLIN | POLLERR | POLLHUP)) ? one.fd : ARES_SOCKET_BAD,
                    (one.revents & POLLOUT) ? one.fd : ARES_SOCKET_BAD);
            }
        }
        if (!any) {
            ares_process_fd(channel, ARES_SOCKET_BAD, ARES_SOCKET_BAD);  // its own timeouts
        }
        if (!lookup.done && TcpLink::Clock::now() >= deadline) {
            error = kNameLookupTimedOut;
            break;
        }
    }
    // Ends what is still under way; its callback then reports ARES_EDESTRUCTION, unread.
    ares_destroy(channel);
    if (error != 0) {
        SetLastError(error);
        return false;
    }
    switch (lookup.status) {
        case ARES_SUCCESS:
            if (!lookup.addresses.empty()) {
                return true;
            }
            SetLastError(kHostNotFound);
            return false;
        case ARES_ENOTFOUND:
        case ARES_ENODATA:
        case ARES_ENONAME:
            SetLastError(kHostNotFound);
            return false;
        case ARES_ETIMEOUT:
            SetLastError(kNameLookupTimedOut);
            return false;
        default:
            SetLastError(kNameLookupFailed);
            return false;
    }
}

void Configure(int fd) {
    // Prompts and settings are a few bytes each: send them now, not after a delayed ack.
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

}  // namespace

TcpLink::~TcpLink() {
    Close();
}

bool TcpLink::CanWatch(Event& stop) {
    return stop.Descriptor() >= 0;
}

bool TcpLink::Connect(const std::string& address, Clock::time_point deadline, Event* stop) {
    const int stopFd = stop != nullptr ? stop->Descriptor() : -1;
    Close();
    std::string host;
    std::string port;
    if (!ParseAddress(address, host, port)) {
        SetLastError(ENOENT);
        return false;
    }
    if (NeverResolves(host)) {
        SetLastError(kHostNotFound);
        return false;
    }
    Lookup lookup;
    if (!LookUp(host, port, deadline, stopFd, lookup)) {
        return false;
    }
    // Each address gets a 250 ms head start over the next; all of them share the deadline.
    constexpr auto kStagger = std::chrono::milliseconds(250);
    std::vector<int> trying;
    std::size_t next = 0;
    Clock::time_point nextAt = Clock::now();
    int error = 0;
    const auto noteFailure = [&error](int failure) {
        // A refusal says more than a later address family's failure to route.
        if (error != ECONNREFUSED || failure == ETIMEDOUT) {
            error = failure;
        }
    };
    std::uint32_t outcome = 0;
    while (m_fd < 0 && outcome == 0) {
        if (next < lookup.addresses.size() && (trying.empty() || Clock::now() >= nextAt)) {
            const int fd = StartConnection(
                reinterpret_cast<const sockaddr*>(&lookup.addresses[next]), lookup.sizes[next]);
            ++next;
            nextAt = Clock::now() + kStagger;
            if (fd >= 0) {
                trying.push_back(fd);
            } else {
                noteFailure(errno);
            }
            continue;
        }
        if (trying.empty()) {
            outcome = static_cast<std::uint32_t>(error != 0 ? error : ECONNREFUSED);
            break;
        }
        if (Clock::now() >= deadline) {
            outcome = ETIMEDOUT;
            break;
        }
        std::vector<pollfd> watched;
        watched.reserve(trying.size() + 1);
        for (const int fd : trying) {
            watched.push_back({fd, POLLOUT, 0});
        }
        watched.push_back({stopFd, POLLIN, 0});
        const Clock::time_point wake =
            next < lookup.addresses.size() ? std::min(nextAt, deadline) : deadline;
        const int ready =
            poll(watched.data(), watched.size() - (stopFd >= 0 ? 0 : 1), MillisecondsLeft(wake));
        if (ready < 0 && errno != EINTR) {
            outcome = static_cast<std::uint32_t>(errno);
            break;
        }
        if (stopFd >= 0 && watched.back().revents != 0) {
            outcome = ECANCELED;
            break;
        }
        std::vector<int> still;
        for (std::size_t i = 0; i < trying.size(); ++i) {
            if (watched[i].revents == 0 || m_fd >= 0) {
                still.push_back(trying[i]);
                continue;
            }
            int failure = 0;
            socklen_t size = sizeof failure;
            if (getsockopt(trying[i], SOL_SOCKET, SO_ERROR, &failure, &size) != 0) {
                failure = errno;
            }
            if (failure == 0) {
                m_fd = trying[i];
            } else {
                noteFailure(failure);
                ::close(trying[i]);
                nextAt = Clock::now();  // the next address need not wait its turn
            }
        }
        trying.swap(still);
    }
    for (const int fd : trying) {
        ::close(fd);
    }
    if (m_fd < 0) {
        SetLastError(outcome);
        return false;
    }
    Configure(m_fd);
    return true;
}

bool TcpLink::SendAll(const std::string& bytes, Clock::time_point deadline, Event* stop) {
    const int stopFd = stop != nullptr ? stop->Descriptor() : -1;
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

bool TcpLink::Receive(std::string& into, std::size_t most) {
    char buffer[4096];
    std::size_t taken = 0;
    while (taken < most) {
        if (m_fd < 0) {
            SetLastError(kConnectionLost);
            return false;
        }
        const ssize_t n = recv(m_fd, buffer, std::min(sizeof buffer, most - taken), 0);
        if (n > 0) {
            into.append(buffer, static_cast<std::size_t>(n));
            taken += static_cast<std::size_t>(n);
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
    return true;
}

InputWait TcpLink::WaitReadable(Event* stop, Clock::time_point deadline) {
    const int stopFd = stop != nullptr ? stop->Descriptor() : -1;
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
