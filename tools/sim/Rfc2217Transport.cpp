#include "tools/sim/Rfc2217Transport.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/ports/net/TcpLink.h"

Rfc2217Transport::Rfc2217Transport(Events& events, std::string listen, std::size_t index)
    : m_events(events), m_listen(std::move(listen)), m_index(index) {}

Rfc2217Transport::~Rfc2217Transport() {
    Rfc2217Transport::Close();  // this class's own: no dispatch during destruction
}

bool Rfc2217Transport::Open(std::string& path, std::string& error) {
    std::string host;
    std::string port;
    if (!platform::TcpLink::ParseAddress(m_listen, host, port)) {
        error = "'" + m_listen + "' is not an address: give HOST:PORT, such as 127.0.0.1:0";
        return false;
    }
    const unsigned long first = std::stoul(port);
    if (first != 0) {
        const unsigned long own = first + m_index;
        if (own > 65535) {
            // Put anywhere else, the line would not be where the user expects it.
            error = "line " + std::to_string(m_index + 1) + " would listen on port " +
                    std::to_string(own) +
                    ", beyond 65535: give a lower first port, or port 0 for free ports";
            return false;
        }
        port = std::to_string(own);
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV | AI_PASSIVE;
    addrinfo* found = nullptr;
    if (const int failed = getaddrinfo(host.c_str(), port.c_str(), &hints, &found)) {
        error = host + ": " + gai_strerror(failed);
        return false;
    }
    m_listenFd = socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int on = 1;
    sockaddr_storage bound{};
    socklen_t size = sizeof bound;
    const bool listening =
        m_listenFd >= 0 && setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0 &&
        bind(m_listenFd, found->ai_addr, found->ai_addrlen) == 0 && listen(m_listenFd, 4) == 0 &&
        getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&bound), &size) == 0;
    const bool v6 = found->ai_family == AF_INET6;
    freeaddrinfo(found);
    if (!listening) {
        error = ErrnoText("listen on " + host + ":" + port);
        return false;
    }
    const unsigned boundPort = ntohs(v6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                        : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
    path = "rfc2217://" + (v6 ? "[" + host + "]" : host) + ":" + std::to_string(boundPort);
    return true;
}

void Rfc2217Transport::Close() {
    for (int* fd : {&m_listenFd, &m_clientFd}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
}

void Rfc2217Transport::Polled(std::vector<int>& fds) const {
    for (const int fd : {m_listenFd, m_clientFd}) {
        if (fd >= 0) {
            fds.push_back(fd);
        }
    }
}

bool Rfc2217Transport::Serve() {
    using Codec = platform::TelnetCodec;
    // The client first: one that has gone frees the line for a connection waiting behind it.
    // A few reads a pass at most, so that a client that floods cannot starve the other lines:
    // what is left wakes the next poll.
    char buffer[4096];
    for (int reads = 0; reads < 4 && m_clientFd >= 0; ++reads) {
        const ssize_t n = recv(m_clientFd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            break;
        }
        if (n <= 0) {
            DropClient("the client has gone");
            break;
        }
        std::string data;
        std::vector<Codec::Command> commands;
        m_codec.Feed(buffer, static_cast<std::size_t>(n), data, commands);
        if (!data.empty() && !m_breakHeld) {
            m_events.HostSent(data);
        }
        for (const Codec::Command& command : commands) {
            if (command.verb != Codec::kSb) {
                SendToClient(m_codec.Answer(command.verb, command.option,
                                            Codec::SerialLinkOption(command.option)));
            } else if (command.option == Codec::kComPort && !command.body.empty()) {
                ComPortCommand(command.body);
            }
        }
    }
    for (;;) {
        const int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            return true;
        }
        if (m_clientFd >= 0) {
            // One client at a time, as a device server's port: the next is closed at once.
            m_events.Log("a second client was turned away: the line is in use");
            ::close(fd);
            continue;
        }
        const int on = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        m_clientFd = fd;
        m_codec = Codec();
        m_clientRate = 9600;
        m_events.Log("client connected");
    }
}

void Rfc2217Transport::DropClient(const char* why) {
    m_events.Log(why);
    ::close(m_clientFd);
    m_clientFd = -1;
    m_breakHeld = false;
    m_events.HostLeft();
}

void Rfc2217Transport::ComPortCommand(const std::string& body) {
    using Codec = platform::TelnetCodec;
    const auto command = static_cast<std::uint8_t>(body[0]);
    std::string value = body.substr(1);
    if (command == 0 || command > Codec::kPurgeData) {
        return;
    }
    std::uint32_t rate = 0;
    if (command == Codec::kSetBaudRate && Codec::ReadRate(value, rate)) {
        if (rate != 0 && rate != m_clientRate) {
            m_clientRate = rate;
            m_events.Log("the host's line set to " + std::to_string(rate) + " baud");
        }
        value = Codec::RateValue(m_clientRate);
    } else if (command == Codec::kSetControl && value.size() == 1 && value[0] == Codec::kBreakOn) {
        m_events.BreakBegan();
        m_breakHeld = true;
    } else if (command == Codec::kSetControl && value.size() == 1 && value[0] == Codec::kBreakOff &&
               m_breakHeld) {
        m_breakHeld = false;
        m_events.BreakEnds(Clock::now());
    }
    // Every other setting is taken as asked: the wire model is 8N1 whatever the framing.
    SendToClient(Codec::Subnegotiation(
        Codec::kComPort,
        std::string(1, static_cast<char>(command + Codec::kServerOffset)) + value));
}

void Rfc2217Transport::Send(const std::string& bytes) {
    SendToClient(platform::TelnetCodec::Escape(bytes.data(), bytes.size()));
}

void Rfc2217Transport::SendToClient(const std::string& bytes) {
    std::size_t done = 0;
    while (m_clientFd >= 0 && done < bytes.size()) {
        const ssize_t n = send(m_clientFd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return;  // a client that never reads loses what does not fit, as on a pty
        }
    }
}

bool Rfc2217Transport::HostRates(std::uint32_t& inputRate, std::uint32_t& outputRate) {
    inputRate = outputRate = m_clientRate;
    return true;
}
