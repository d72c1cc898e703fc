#include "platform/ports/net/TcpLink.h"

#include <algorithm>

#include "platform/os/LastError.h"
#include "platform/ports/net/NameLookup.h"

namespace platform {
namespace {

// Each address gets this head start over the next (RFC 8305).
constexpr auto kStagger = std::chrono::milliseconds(250);

bool Fail(std::uint32_t error) {
    SetLastError(error);
    return false;
}

// Of the failures met so far, the one that tells the user most.
class TellingFailure {
  public:
    void Note(std::uint32_t failure) {
        // A refusal says more than a later address family's failure to route.
        if (m_failure != kLinkRefused || failure == kLinkTimedOut) {
            m_failure = failure;
        }
    }
    std::uint32_t Code() const { return m_failure != 0 ? m_failure : kLinkRefused; }

  private:
    std::uint32_t m_failure = 0;
};

}  // namespace

bool TcpLink::ParseAddress(const std::string& address, std::string& host, std::string& port) {
    const std::size_t colon = address.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == address.size() ||
        address.size() - colon > 6) {
        return false;
    }
    port = address.substr(colon + 1);
    if (!std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
        std::stoul(port) > 65535) {
        return false;
    }
    host = address.substr(0, colon);
    if (host.front() == '[') {
        if (host.size() < 3 || host.back() != ']') {
            return false;
        }
        host = host.substr(1, host.size() - 2);
    }
    return host.find_first_of("/[] \t") == std::string::npos;
}

bool TcpLink::NeverResolves(const std::string& host) {
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

bool TcpLink::AddressOf(const std::string& device, const char* scheme, std::string& address) {
    const std::string prefix = scheme;
    std::string host;
    std::string port;
    if (device.compare(0, prefix.size(), prefix) != 0 ||
        !ParseAddress(device.substr(prefix.size()), host, port)) {
        return false;
    }
    address = device.substr(prefix.size());
    return true;
}

bool TcpLink::CanWatch(Event& stop) {
    return TcpSocket::CanWatch(stop);
}

bool TcpLink::Connect(const std::string& address, Clock::time_point deadline, Event* stop) {
    Close();
    std::string host;
    std::string port;
    if (!ParseAddress(address, host, port)) {
        return Fail(kLinkNoSuchName);
    }
    if (NeverResolves(host)) {
        return Fail(kHostNotFound);
    }
    std::vector<SocketAddress> addresses;
    return TcpSocket::StartUp() && NameLookup::Run(host, port, deadline, stop, addresses) &&
           ConnectToAny(addresses, deadline, stop);
}

bool TcpLink::ConnectToAny(const std::vector<SocketAddress>& addresses, Clock::time_point deadline,
                           Event* stop) {
    // The attempts under way share the deadline; the first to connect is kept and the
    // others close as trying goes.
    std::vector<TcpSocket> trying;
    std::size_t next = 0;
    Clock::time_point nextAt = Clock::now();
    TellingFailure failure;
    while (!m_socket.IsOpen()) {
        const bool more = next < addresses.size() && trying.size() < TcpSocket::kMostConnecting;
        if (more && (trying.empty() || Clock::now() >= nextAt)) {
            TcpSocket attempt;
            if (const std::uint32_t error = attempt.StartConnect(addresses[next])) {
                failure.Note(error);
            } else {
                trying.push_back(std::move(attempt));
            }
            ++next;
            nextAt = Clock::now() + kStagger;
            continue;
        }
        if (trying.empty()) {
            return Fail(failure.Code());
        }
        if (Clock::now() >= deadline) {
            return Fail(kLinkTimedOut);
        }
        const Clock::time_point wake = more ? std::min(nextAt, deadline) : deadline;
        if (const std::uint32_t error = TcpSocket::WaitConnecting(trying, stop, wake)) {
            return Fail(error);
        }
        for (auto attempt = trying.begin(); attempt != trying.end() && !m_socket.IsOpen();) {
            std::uint32_t error = 0;
            switch (attempt->ConnectProgress(error)) {
                case TcpSocket::Progress::Connecting:
                    ++attempt;
                    break;
                case TcpSocket::Progress::Connected:
                    m_socket = std::move(*attempt);
                    attempt = trying.erase(attempt);
                    break;
                case TcpSocket::Progress::Failed:
                    failure.Note(error);
                    attempt = trying.erase(attempt);
                    nextAt = Clock::now();  // the next address need not wait its turn
                    break;
            }
        }
    }
    m_socket.Connected();
    return true;
}

bool TcpLink::SendAll(const std::string& bytes, Clock::time_point deadline, Event* stop) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        std::size_t moved = 0;
        std::uint32_t error = 0;
        switch (m_socket.Send(bytes.data() + done, bytes.size() - done, moved, error)) {
            case TcpSocket::Transfer::Moved:
                done += moved;
                continue;
            case TcpSocket::Transfer::Ended:
                return Fail(kConnectionLost);
            case TcpSocket::Transfer::Failed:
                return Fail(error);
            case TcpSocket::Transfer::WouldBlock:
                break;
        }
        switch (m_socket.WaitReady(true, stop, deadline)) {
            case InputWait::Stop:
                return Fail(kLinkStopped);
            case InputWait::Timeout:
                return Fail(kLinkTimedOut);
            case InputWait::Failed:
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
        std::size_t moved = 0;
        switch (m_socket.Receive(buffer, std::min(sizeof buffer, most - taken), moved)) {
            case TcpSocket::Transfer::Moved:
                into.append(buffer, moved);
                taken += moved;
                break;
            case TcpSocket::Transfer::WouldBlock:
                return true;
            default:
                return Fail(kConnectionLost);  // an orderly end or a reset
        }
    }
    return true;
}

InputWait TcpLink::WaitReadable(Event* stop, Clock::time_point deadline) {
    return m_socket.WaitReady(false, stop, deadline);
}

void TcpLink::Close() {
    m_socket.Close();
}

}  // namespace platform
