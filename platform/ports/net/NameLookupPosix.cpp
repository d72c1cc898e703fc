// The name service through c-ares, whose sockets are polled together with the stop, so that
// a name server that never answers holds the lookup no longer than the deadline.
#include <poll.h>
#include <sys/socket.h>

#include <ares.h>

#include <algorithm>
#include <cerrno>
#include <mutex>

#include "platform/os/LastError.h"
#include "platform/ports/net/NameLookup.h"
#include "platform/ports/net/NetworkErrors.h"

namespace platform {
namespace {

// What c-ares hands back when the lookup ends.
struct Answer {
    std::vector<SocketAddress>& addresses;
    int status = ARES_ENOTFOUND;
    bool done = false;
};

void TakeAnswer(void* arg, int status, int /*timeouts*/, ares_addrinfo* result) {
    auto* answer = static_cast<Answer*>(arg);
    answer->done = true;
    answer->status = status;
    if (result != nullptr) {
        if (status == ARES_SUCCESS) {
            NameLookup::Collect(result->nodes, answer->addresses);
        }
        ares_freeaddrinfo(result);
    }
}

// A channel to the system's name servers; null when c-ares cannot start.
ares_channel OpenChannel() {
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
        return nullptr;
    }
    return channel;
}

// How long to sleep: until the channel's next timeout, and no later than the deadline.
int SleepMilliseconds(ares_channel channel, NameLookup::Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - NameLookup::Clock::now());
    // Rounded up, so that a wait never ends just before its deadline and spins.
    const long long most = std::max<long long>(0, left.count() + 1);
    timeval limit{};
    limit.tv_sec = static_cast<decltype(limit.tv_sec)>(most / 1000);
    limit.tv_usec = static_cast<decltype(limit.tv_usec)>((most % 1000) * 1000);
    timeval next{};
    const timeval* wait = ares_timeout(channel, &limit, &next);
    return static_cast<int>(wait->tv_sec * 1000 + (wait->tv_usec + 999) / 1000);
}

// One round of the channel's work: a sleep on its sockets and the stop, then what they are
// ready for, or the channel's own timeouts. 0, or why the lookup ends: kLinkStopped, or the
// system's error.
std::uint32_t Serve(ares_channel channel, int stopFd, NameLookup::Clock::time_point deadline) {
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
    const int ready = poll(watched.data(), watched.size(), SleepMilliseconds(channel, deadline));
    if (ready < 0 && errno != EINTR) {
        return static_cast<std::uint32_t>(errno);
    }
    if (stopFd >= 0 && watched.back().revents != 0) {
        return kLinkStopped;
    }
    bool any = false;
    for (const pollfd& one : watched) {
        if (one.fd != stopFd && one.revents != 0) {
            any = true;
            ares_process_fd(channel,
                            (one.revents & (POLLIN | POLLERR | POLLHUP)) ? one.fd : ARES_SOCKET_BAD,
                            (one.revents & POLLOUT) ? one.fd : ARES_SOCKET_BAD);
        }
    }
    if (!any) {
        ares_process_fd(channel, ARES_SOCKET_BAD, ARES_SOCKET_BAD);  // its own timeouts
    }
    return 0;
}

// The last error for a lookup that c-ares ended with status.
std::uint32_t ErrorOfStatus(int status, bool found) {
    switch (status) {
        case ARES_SUCCESS:
            return found ? 0 : kHostNotFound;
        case ARES_ENOTFOUND:
        case ARES_ENODATA:
        case ARES_ENONAME:
            return kHostNotFound;
        case ARES_ETIMEOUT:
            return kNameLookupTimedOut;
        default:
            return kNameLookupFailed;
    }
}

}  // namespace

bool NameLookup::Ask(const std::string& host, const std::string& port, Clock::time_point deadline,
                     Event* stop, std::vector<SocketAddress>& found) {
    const int stopFd = stop != nullptr ? stop->Descriptor() : -1;
    ares_channel channel = OpenChannel();
    if (channel == nullptr) {
        SetLastError(kNameLookupFailed);
        return false;
    }
    ares_addrinfo_hints hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = ARES_AI_NUMERICSERV;
    Answer answer{found};
    ares_getaddrinfo(channel, host.c_str(), port.c_str(), &hints, TakeAnswer, &answer);
    std::uint32_t error = 0;
    while (!answer.done && error == 0) {
        error = Serve(channel, stopFd, deadline);
        if (error == 0 && !answer.done && Clock::now() >= deadline) {
            error = kNameLookupTimedOut;
        }
    }
    // Ends what is still under way; its callback then reports ARES_EDESTRUCTION, unread.
    ares_destroy(channel);
    if (error == 0) {
        error = ErrorOfStatus(answer.status, !found.empty());
    }
    if (error != 0) {
        SetLastError(error);
        return false;
    }
    return true;
}

}  // namespace platform
