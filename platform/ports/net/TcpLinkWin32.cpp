// The connection half of TcpLink on Winsock. A wait sleeps on the socket's network events
// (WSAEventSelect) and the stop event's handle together, so that a stop ends it at once.
#include <winsock2.h>
#include <ws2tcpip.h>
// After winsock2.h, which must come before windows.h.
#include <process.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

#include "platform/os/LastError.h"
#include "platform/ports/net/NetworkErrors.h"
#include "platform/ports/net/TcpLink.h"

namespace platform {
namespace {

DWORD MillisecondsLeft(TcpLink::Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TcpLink::Clock::now());
    // Rounded up, so that a wait never ends just before its deadline and spins.
    return static_cast<DWORD>(std::max<long long>(0, left.count() + 1));
}

HANDLE StopHandle(Event* stop) {
    return stop != nullptr ? static_cast<HANDLE>(stop->Handle()) : nullptr;
}

bool IsSet(HANDLE stop) {
    return stop != nullptr && WaitForSingleObject(stop, 0) == WAIT_OBJECT_0;
}

// Winsock is started once for the process and left running: sockets may be in use until
// the process ends.
bool StartWinsock() {
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

struct Addresses {
    std::vector<sockaddr_storage> addresses;
    std::vector<int> sizes;
};

// Takes getaddrinfo's answer; RFC 8305: the families take turns, so that a family that does
// not route costs one attempt's head start, not every address of it.
void TakeAddresses(const addrinfo* found, Addresses& into) {
    std::vector<const addrinfo*> byFamily[2];
    for (const addrinfo* one = found; one != nullptr; one = one->ai_next) {
        if (one->ai_addrlen <= sizeof(sockaddr_storage) &&
            (one->ai_family == AF_INET || one->ai_family == AF_INET6)) {
            byFamily[one->ai_family == found->ai_family ? 0 : 1].push_back(one);
        }
    }
    for (std::size_t i = 0; i < std::max(byFamily[0].size(), byFamily[1].size()); ++i) {
        for (const auto& family : byFamily) {
            if (i < family.size()) {
                sockaddr_storage address{};
                std::memcpy(&address, family[i]->ai_addr, family[i]->ai_addrlen);
                into.addresses.push_back(address);
                into.sizes.push_back(static_cast<int>(family[i]->ai_addrlen));
            }
        }
    }
}

// A lookup on a thread of its own: getaddrinfo can be neither stopped nor given a limit, so
// the caller waits on its end, the stop and the deadline together and, when it gives up,
// leaves the thread to finish alone; its answer is then dropped with the job.
struct LookupJob {
    std::string host;
    std::string port;
    HANDLE done = nullptr;
    std::atomic<int> holders{2};  // the caller and the thread
    int status = 0;
    Addresses found;
};

void Release(LookupJob* job) {
    if (--job->holders == 0) {
        CloseHandle(job->done);
        delete job;
    }
}

unsigned __stdcall Resolve(void* raw) {
    auto* job = static_cast<LookupJob*>(raw);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    job->status = getaddrinfo(job->host.c_str(), job->port.c_str(), &hints, &found);
    if (job->status == 0) {
        TakeAddresses(found, job->found);
        freeaddrinfo(found);
    }
    SetEvent(job->done);
    Release(job);
    return 0;
}

bool LookUp(const std::string& host, const std::string& port, TcpLink::Clock::time_point deadline,
            HANDLE stop, Addresses& result) {
    // An address given as numbers needs no name service, nor a thread.
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    addrinfo* numeric = nullptr;
    if (getaddrinfo(host.c_str(), port.c_str(), &hints, &numeric) == 0) {
        TakeAddresses(numeric, result);
        freeaddrinfo(numeric);
        if (!result.addresses.empty()) {
            return true;
        }
    }
    auto* job = new LookupJob;
    job->host = host;
    job->port = port;
    job->done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (job->done == nullptr) {
        delete job;
        SetLastError(kNameLookupFailed);
        return false;
    }
    const auto thread = _beginthreadex(nullptr, 0, Resolve, job, 0, nullptr);
    if (thread == 0) {
        CloseHandle(job->done);
        delete job;
        SetLastError(kNameLookupFailed);
        return false;
    }
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    const HANDLE watched[2] = {job->done, stop};
    const DWORD woke =
        WaitForMultipleObjects(stop != nullptr ? 2 : 1, watched, FALSE, MillisecondsLeft(deadline));
    std::uint32_t error = 0;
    if (woke == WAIT_OBJECT_0) {
        switch (job->status) {
            case 0:
                result = job->found;
                error = result.addresses.empty() ? kHostNotFound : 0;
                break;
            case WSAHOST_NOT_FOUND:
            case WSANO_DATA:
            case WSANO_RECOVERY:
                error = kHostNotFound;
                break;
            default:
                error = kNameLookupFailed;
                break;
        }
    } else if (woke == WAIT_OBJECT_0 + 1) {
        error = kLinkStopped;
    } else if (woke == WAIT_TIMEOUT) {
        error = kNameLookupTimedOut;
    } else {
        error = kNameLookupFailed;
    }
    Release(job);
    if (error != 0) {
        SetLastError(error);
        return false;
    }
    return true;
}

struct Attempt {
    SOCKET socket;
    WSAEVENT event;
};

void Discard(const Attempt& attempt) {
    closesocket(attempt.socket);
    WSACloseEvent(attempt.event);
}

// Starts a connection to one address, its socket non-blocking and its connection's end
// signalled on its event; false with the Winsock error.
bool StartConnection(const sockaddr_storage& address, int size, Attempt& attempt, int& error) {
    attempt.socket = socket(address.ss_family, SOCK_STREAM, IPPROTO_TCP);
    if (attempt.socket == INVALID_SOCKET) {
        error = WSAGetLastError();
        return false;
    }
    attempt.event = WSACreateEvent();
    if (attempt.event == WSA_INVALID_EVENT ||
        WSAEventSelect(attempt.socket, attempt.event, FD_CONNECT) != 0 ||
        (connect(attempt.socket, reinterpret_cast<const sockaddr*>(&address), size) != 0 &&
         WSAGetLastError() != WSAEWOULDBLOCK)) {
        error = WSAGetLastError();
        closesocket(attempt.socket);
        if (attempt.event != WSA_INVALID_EVENT) {
            WSACloseEvent(attempt.event);
        }
        return false;
    }
    return true;
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

TcpLink::~TcpLink() {
    Close();
}

bool TcpLink::CanWatch(Event& stop) {
    return stop.Handle() != nullptr;
}

bool TcpLink::Connect(const std::string& address, Clock::time_point deadline, Event* stopEvent) {
    Close();
    const HANDLE stop = StopHandle(stopEvent);
    std::string host;
    std::string port;
    if (!ParseAddress(address, host, port)) {
        SetLastError(kLinkNoSuchName);
        return false;
    }
    if (NeverResolves(host)) {
        SetLastError(kHostNotFound);
        return false;
    }
    if (!StartWinsock()) {
        return false;
    }
    Addresses lookup;
    if (!LookUp(host, port, deadline, stop, lookup)) {
        return false;
    }
    // Each address gets a 250 ms head start over the next; all of them share the deadline.
    constexpr auto kStagger = std::chrono::milliseconds(250);
    std::vector<Attempt> trying;
    std::size_t next = 0;
    Clock::time_point nextAt = Clock::now();
    int error = 0;
    const auto noteFailure = [&error](int failure) {
        // A refusal says more than a later address family's failure to route.
        if (error != WSAECONNREFUSED || failure == WSAETIMEDOUT) {
            error = failure;
        }
    };
    std::uint32_t outcome = 0;
    while (m_socket == kNoSocket && outcome == 0) {
        // One handle stays free for the stop.
        if (next < lookup.addresses.size() && trying.size() < MAXIMUM_WAIT_OBJECTS - 1 &&
            (trying.empty() || Clock::now() >= nextAt)) {
            Attempt attempt{};
            int failure = 0;
            if (StartConnection(lookup.addresses[next], lookup.sizes[next], attempt, failure)) {
                trying.push_back(attempt);
            } else {
                noteFailure(failure);
            }
            ++next;
            nextAt = Clock::now() + kStagger;
            continue;
        }
        if (trying.empty()) {
            outcome = static_cast<std::uint32_t>(error != 0 ? error : WSAECONNREFUSED);
            break;
        }
        if (Clock::now() >= deadline) {
            outcome = kLinkTimedOut;
            break;
        }
        std::vector<HANDLE> watched;
        for (const Attempt& attempt : trying) {
            watched.push_back(attempt.event);
        }
        if (stop != nullptr) {
            watched.push_back(stop);
        }
        const Clock::time_point wake =
            next < lookup.addresses.size() ? std::min(nextAt, deadline) : deadline;
        const DWORD woke = WaitForMultipleObjects(static_cast<DWORD>(watched.size()),
                                                  watched.data(), FALSE, MillisecondsLeft(wake));
        if (woke == WAIT_FAILED) {
            outcome = ::GetLastError();
            break;
        }
        if (IsSet(stop)) {
            outcome = kLinkStopped;
            break;
        }
        std::vector<Attempt> still;
        for (const Attempt& attempt : trying) {
            WSANETWORKEVENTS events{};
            if (m_socket != kNoSocket ||
                WSAEnumNetworkEvents(attempt.socket, attempt.event, &events) != 0 ||
                (events.lNetworkEvents & FD_CONNECT) == 0) {
                still.push_back(attempt);
                continue;
            }
            const int failure = events.iErrorCode[FD_CONNECT_BIT];
            if (failure == 0) {
                m_socket = attempt.socket;
                m_event = attempt.event;
            } else {
                noteFailure(failure);
                Discard(attempt);
                nextAt = Clock::now();  // the next address need not wait its turn
            }
        }
        trying.swap(still);
    }
    for (const Attempt& attempt : trying) {
        Discard(attempt);
    }
    if (m_socket == kNoSocket) {
        SetLastError(outcome);
        return false;
    }
    // From now on the event wakes on input, on room to send and on the end.
    WSAEventSelect(m_socket, m_event, FD_READ | FD_WRITE | FD_CLOSE);
    // Prompts and settings are a few bytes each: send them now, not after a delayed ack.
    const BOOL on = TRUE;
    setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
    return true;
}

// Sleeps until the socket is ready to read (or write), stop is set or the deadline passes.
// Winsock signals FD_READ and FD_WRITE again only after the next recv or send, so readiness
// is checked before each sleep, and each sleep is bounded so that a missed signal costs a
// moment, not the deadline.
static InputWait WaitReady(SOCKET socket, WSAEVENT event, bool write, HANDLE stop,
                           TcpLink::Clock::time_point deadline) {
    for (;;) {
        if (IsSet(stop)) {
            return InputWait::Stop;
        }
        if (Ready(socket, write)) {
            return InputWait::Input;
        }
        if (TcpLink::Clock::now() >= deadline) {
            return InputWait::Timeout;
        }
        const HANDLE watched[2] = {event, stop};
        const DWORD woke = WaitForMultipleObjects(stop != nullptr ? 2 : 1, watched, FALSE,
                                                  std::min<DWORD>(MillisecondsLeft(deadline), 200));
        if (woke == WAIT_FAILED) {
            return InputWait::Failed;
        }
        WSANETWORKEVENTS events{};
        WSAEnumNetworkEvents(socket, event, &events);  // resets the event
    }
}

bool TcpLink::SendAll(const std::string& bytes, Clock::time_point deadline, Event* stop) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (m_socket == kNoSocket) {
            SetLastError(kConnectionLost);
            return false;
        }
        const int most = static_cast<int>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        const int n = send(m_socket, bytes.data() + done, most, 0);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        const int error = WSAGetLastError();
        if (error != WSAEWOULDBLOCK && error != WSAEINTR) {
            const bool lost = error == WSAECONNRESET || error == WSAECONNABORTED ||
                              error == WSAESHUTDOWN || error == WSAENOTCONN;
            SetLastError(lost ? kConnectionLost : static_cast<std::uint32_t>(error));
            return false;
        }
        switch (WaitReady(m_socket, m_event, true, StopHandle(stop), deadline)) {
            case InputWait::Stop:
                SetLastError(kLinkStopped);
                return false;
            case InputWait::Timeout:
                SetLastError(kLinkTimedOut);
                return false;
            default:
                break;  // room, or an error the next send reports
        }
    }
    return true;
}

bool TcpLink::Receive(std::string& into, std::size_t most) {
    char buffer[4096];
    std::size_t taken = 0;
    while (taken < most) {
        if (m_socket == kNoSocket) {
            SetLastError(kConnectionLost);
            return false;
        }
        const int n =
            recv(m_socket, buffer, static_cast<int>(std::min(sizeof buffer, most - taken)), 0);
        if (n > 0) {
            into.append(buffer, static_cast<std::size_t>(n));
            taken += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && WSAGetLastError() == WSAEINTR) {
            continue;
        }
        if (n < 0 && WSAGetLastError() == WSAEWOULDBLOCK) {
            return true;
        }
        SetLastError(kConnectionLost);  // an orderly end (0) or a reset
        return false;
    }
    return true;
}

InputWait TcpLink::WaitReadable(Event* stop, Clock::time_point deadline) {
    if (m_socket == kNoSocket) {
        return InputWait::Input;  // the end, which Receive then reports
    }
    return WaitReady(m_socket, m_event, false, StopHandle(stop), deadline);
}

void TcpLink::Close() {
    if (m_socket != kNoSocket) {
        closesocket(m_socket);
        m_socket = kNoSocket;
    }
    if (m_event != nullptr) {
        WSACloseEvent(m_event);
        m_event = nullptr;
    }
}

}  // namespace platform
