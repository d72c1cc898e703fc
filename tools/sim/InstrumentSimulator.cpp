#include "tools/sim/InstrumentSimulator.h"

#include <dirent.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>

#include "platform/LineRate.h"
#include "platform/TcpLink.h"
#include "platform/TelnetCodec.h"
#include "tools/sim/UartWire.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string ErrnoText(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// How often an exclusive line is checked for a host that still holds it.
constexpr auto kHolderCheck = std::chrono::milliseconds(100);

// Whether a process holds a flock on the file: our hosts' way of holding a line, found
// in one small read, before the costly search of every process's descriptors.
bool Flocked(const struct stat& file) {
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string id, kind, mode, access, pid, where;
        fields >> id >> kind >> mode >> access >> pid >> where;
        unsigned lockMajor = 0, lockMinor = 0;
        unsigned long inode = 0;
        char colon1 = 0, colon2 = 0;
        std::istringstream parts(where);
        parts >> std::hex >> lockMajor >> colon1 >> lockMinor >> colon2 >> std::dec >> inode;
        if (kind == "FLOCK" && parts && lockMajor == major(file.st_dev) &&
            lockMinor == minor(file.st_dev) && inode == file.st_ino) {
            return true;
        }
    }
    return false;
}

// Whether any descriptor other than ours (ownFd) is open on the device at path.
bool OthersHold(const std::string& path, int ownFd) {
    const std::string self = std::to_string(getpid());
    DIR* proc = opendir("/proc");
    if (proc == nullptr) {
        return true;  // cannot tell: leave the line as it is
    }
    bool held = false;
    while (const dirent* entry = readdir(proc)) {
        const std::string pid = entry->d_name;
        if (held || pid.empty() || !std::all_of(pid.begin(), pid.end(), ::isdigit)) {
            continue;
        }
        const std::string fdDir = "/proc/" + pid + "/fd";
        DIR* fds = opendir(fdDir.c_str());
        if (fds == nullptr) {
            continue;
        }
        while (const dirent* fd = readdir(fds)) {
            if (pid == self && std::atoi(fd->d_name) == ownFd) {
                continue;
            }
            char target[256];
            const ssize_t n = readlink((fdDir + "/" + fd->d_name).c_str(), target, sizeof target);
            if (n > 0 &&
                path.compare(0, std::string::npos, target, static_cast<std::size_t>(n)) == 0) {
                held = true;
                break;
            }
        }
        closedir(fds);
    }
    closedir(proc);
    return held;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return false;  // a host that never reads has filled the line: drop the rest
        }
    }
    return true;
}

}  // namespace

bool SimulatedLine::Parse(const std::string& text, SimulatedLine& line) {
    if (text == "silent" || text == "noise") {
        line = text == "silent" ? Silent() : Noise();
        return true;
    }
    if (text.empty() || text.size() > 7 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const unsigned long rate = std::strtoul(text.c_str(), nullptr, 10);
    if (rate == 0) {
        return false;
    }
    line = AtRate(static_cast<std::uint32_t>(rate));
    return true;
}

struct InstrumentSimulator::Line {
    std::size_t index = 0;
    std::string name;  // "COM1"
    SimulatedLine config;
    int masterFd = -1;
    int slaveFd = -1;
    std::string slavePath;  // guarded by m_mutex once the thread runs
    std::optional<SimulatedInstrument> instrument;
    // The instrument's next answer, due when a break has ended or after its reply delay.
    std::string reply;
    Clock::time_point replyAt;
    const char* wakeCause = "";
    // What the host's UART will have decoded, and when: written to the master as due.
    std::deque<std::pair<Clock::time_point, char>> wire;
    Clock::time_point wireFreeAt;  // when the instrument's last byte has left it
    // The next stream record, or the next byte of a noise line; unset for neither.
    std::optional<Clock::time_point> emitAt;
    Clock::time_point holderCheckAt;
    std::minstd_rand random;
    // Served over RFC 2217: the listening socket, the one client, its Telnet stream, the
    // rate it set, and a break it holds (the answer waits for its end).
    int listenFd = -1;
    int clientFd = -1;
    platform::TelnetCodec codec;
    std::uint32_t clientRate = 9600;
    bool breakHeld = false;
    std::atomic<int> breaks{0};
    std::atomic<int> lineFeeds{0};
    std::atomic<int> prompts{0};
    std::atomic<int> garbled{0};
};

InstrumentSimulator::InstrumentSimulator(std::vector<SimulatedLine> lines, SimulatorOptions options)
    : m_options(std::move(options)) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto line = std::make_unique<Line>();
        line->index = i;
        line->name = "COM" + std::to_string(i + 1);
        line->config = lines[i];
        const unsigned seed = static_cast<unsigned>(0x5EED + i);
        line->random.seed(seed);
        if (line->config.HasInstrument()) {
            SimulatedInstrument::Behaviour behaviour;
            behaviour.banner = m_options.banner;
            behaviour.echo = m_options.echo;
            behaviour.streaming = m_options.streamMs > 0;
            line->instrument.emplace(behaviour, seed);
        }
        m_lines.push_back(std::move(line));
    }
}

InstrumentSimulator::~InstrumentSimulator() {
    Stop();
}

bool InstrumentSimulator::Start(std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error != nullptr) {
            *error = why;
        }
        for (auto& line : m_lines) {
            CloseLineNow(*line);
        }
        if (m_wakeFd >= 0) {
            ::close(m_wakeFd);
            m_wakeFd = -1;
        }
        return false;
    };
    if (m_started) {
        if (error != nullptr) {
            *error = "the simulator has already been started";
        }
        return false;
    }
    if (m_lines.size() > 32) {
        return fail("at most 32 lines (COM1 to COM32)");
    }
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        return fail(ErrnoText("eventfd"));
    }
    for (auto& line : m_lines) {
        if (!m_options.listen.empty()) {
            std::string why;
            if (!Listen(*line, why)) {
                return fail(why);
            }
            continue;
        }
        line->masterFd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (line->masterFd < 0) {
            return fail(ErrnoText("posix_openpt"));
        }
        char path[128];
        if (grantpt(line->masterFd) != 0 || unlockpt(line->masterFd) != 0 ||
            ptsname_r(line->masterFd, path, sizeof path) != 0) {
            return fail(ErrnoText("unlockpt"));
        }
        // The simulator's own slave keeps the master readable while no host has the line.
        line->slaveFd = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (line->slaveFd < 0) {
            return fail(ErrnoText(path));
        }
        // Raw from the start: an echoing line would hand the instrument's own answers back
        // to it before a host has set the line up.
        termios tio{};
        if (tcgetattr(line->slaveFd, &tio) != 0) {
            return fail(ErrnoText("tcgetattr"));
        }
        cfmakeraw(&tio);
        if (tcsetattr(line->slaveFd, TCSANOW, &tio) != 0) {
            return fail(ErrnoText("tcsetattr"));
        }
        int packetMode = 1;
        if (ioctl(line->masterFd, TIOCPKT, &packetMode) != 0) {
            return fail(ErrnoText("TIOCPKT"));
        }
        line->slavePath = path;
        Begin(*line);
    }
    m_stopping = false;
    m_serving = true;
    try {
        m_thread = std::thread(&InstrumentSimulator::Serve, this);
    } catch (const std::system_error& e) {
        m_serving = false;
        return fail(std::string("cannot start the simulator's thread: ") + e.what());
    }
    m_started = true;
    return true;
}

void InstrumentSimulator::Begin(Line& line) {
    if (line.config.noise || (line.instrument && line.instrument->Streaming())) {
        line.emitAt = Clock::now();
    }
    Log(line,
        (line.config.HasInstrument() ? "instrument at " + std::to_string(line.config.rate) + " baud"
         : line.config.noise         ? std::string("noise")
                                     : std::string("silent line")) +
            " on " + line.slavePath);
}

bool InstrumentSimulator::Listen(Line& line, std::string& error) {
    std::string host;
    std::string port;
    if (!platform::TcpLink::ParseAddress(m_options.listen, host, port)) {
        error = "'" + m_options.listen + "' is not an address: give HOST:PORT, such as 127.0.0.1:0";
        return false;
    }
    const unsigned long first = std::stoul(port);
    if (first != 0) {
        const unsigned long own = first + line.index;
        if (own > 65535) {
            // Put anywhere else, the line would not be where the user expects it.
            error = "line " + std::to_string(line.index + 1) + " would listen on port " +
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
    line.listenFd = socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int on = 1;
    sockaddr_storage bound{};
    socklen_t size = sizeof bound;
    const bool listening =
        line.listenFd >= 0 &&
        setsockopt(line.listenFd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0 &&
        bind(line.listenFd, found->ai_addr, found->ai_addrlen) == 0 &&
        listen(line.listenFd, 4) == 0 &&
        getsockname(line.listenFd, reinterpret_cast<sockaddr*>(&bound), &size) == 0;
    const bool v6 = found->ai_family == AF_INET6;
    freeaddrinfo(found);
    if (!listening) {
        error = ErrnoText(("listen on " + host + ":" + port).c_str());
        return false;
    }
    const unsigned boundPort = ntohs(v6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                        : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
    line.slavePath =
        "rfc2217://" + (v6 ? "[" + host + "]" : host) + ":" + std::to_string(boundPort);
    Begin(line);
    return true;
}

void InstrumentSimulator::Stop() {
    if (m_thread.joinable()) {
        m_stopping = true;
        Wake();
        m_thread.join();
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto& line : m_lines) {
            CloseLineNow(*line);
        }
        m_closeRequests.clear();
    }
    m_closed.notify_all();
    if (m_wakeFd >= 0) {
        ::close(m_wakeFd);
        m_wakeFd = -1;
    }
}

std::string InstrumentSimulator::SlavePath(std::size_t index) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return index < m_lines.size() ? m_lines[index]->slavePath : std::string();
}

std::string InstrumentSimulator::PortsVariable() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string text;
    for (const auto& line : m_lines) {
        if (!line->slavePath.empty()) {
            text += (text.empty() ? "" : ",") + line->name + "=" + line->slavePath;
        }
    }
    return text;
}

void InstrumentSimulator::CloseLine(std::size_t index) {
    if (index >= m_lines.size()) {
        return;
    }
    std::unique_lock<std::mutex> lock(m_mutex);
    Line& line = *m_lines[index];
    if (!m_thread.joinable() || m_stopping) {
        CloseLineNow(line);
        return;
    }
    m_closeRequests.push_back(index);
    Wake();
    m_closed.wait(lock, [&] { return line.slavePath.empty() || !m_serving; });
}

int InstrumentSimulator::BreaksSeen(std::size_t index) const {
    return index < m_lines.size() ? m_lines[index]->breaks.load() : 0;
}

int InstrumentSimulator::LineFeedsSeen(std::size_t index) const {
    return index < m_lines.size() ? m_lines[index]->lineFeeds.load() : 0;
}

int InstrumentSimulator::PromptsSent(std::size_t index) const {
    return index < m_lines.size() ? m_lines[index]->prompts.load() : 0;
}

int InstrumentSimulator::GarbledSent(std::size_t index) const {
    return index < m_lines.size() ? m_lines[index]->garbled.load() : 0;
}

void InstrumentSimulator::Wake() {
    if (m_wakeFd >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
    }
}

// Called with m_mutex held, or before the thread runs, or after it has ended.
void InstrumentSimulator::CloseLineNow(Line& line) {
    for (int* fd : {&line.listenFd, &line.clientFd}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
    if (line.masterFd >= 0) {
        ::close(line.masterFd);
        line.masterFd = -1;
    }
    if (line.slaveFd >= 0) {
        ::close(line.slaveFd);
        line.slaveFd = -1;
    }
    line.reply.clear();
    line.wire.clear();
    line.emitAt.reset();
    line.slavePath.clear();
}

void InstrumentSimulator::Serve() {
    std::vector<pollfd> polled;
    std::vector<Line*> polledLines;
    while (!m_stopping) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            for (const std::size_t index : m_closeRequests) {
                Log(*m_lines[index], "line closed: the device has gone");
                CloseLineNow(*m_lines[index]);
            }
            if (!m_closeRequests.empty()) {
                m_closeRequests.clear();
                m_closed.notify_all();
            }
        }

        // Sleep until a byte comes, a request comes, or the next thing is due on a line.
        std::optional<Clock::time_point> due;
        auto dueBy = [&due](Clock::time_point at) { due = due ? std::min(*due, at) : at; };
        polled.assign(1, pollfd{m_wakeFd, POLLIN, 0});
        polledLines.assign(1, nullptr);
        for (auto& line : m_lines) {
            if (line->masterFd < 0 && line->listenFd < 0) {
                continue;
            }
            for (const int fd : {line->masterFd, line->listenFd, line->clientFd}) {
                if (fd >= 0) {
                    polled.push_back(pollfd{fd, POLLIN, 0});
                    polledLines.push_back(line.get());
                }
            }
            if (!line->reply.empty() && !line->breakHeld) {
                dueBy(line->replyAt);
            }
            if (!line->wire.empty()) {
                dueBy(line->wire.front().first);
            }
            if (line->emitAt) {
                dueBy(*line->emitAt);
            }
            dueBy(line->holderCheckAt);
        }
        timespec timeout{};
        if (due) {
            const auto left = std::max(Clock::duration::zero(), *due - Clock::now());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            timeout.tv_sec = static_cast<time_t>(ns / 1000000000);
            timeout.tv_nsec = static_cast<long>(ns % 1000000000);
        }
        const int ready = ppoll(polled.data(), polled.size(), due ? &timeout : nullptr, nullptr);
        if (ready < 0 && errno != EINTR) {
            std::fprintf(stderr, "brinevane-sim: poll failed: %s\n", std::strerror(errno));
            break;
        }
        if (ready > 0 && (polled[0].revents & POLLIN) != 0) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t n = ::read(m_wakeFd, &count, sizeof count);
        }
        Line* served = nullptr;  // a line polled on two sockets is served once
        for (std::size_t i = 1; ready > 0 && i < polled.size(); ++i) {
            if (polled[i].revents != 0 && polledLines[i] != served) {
                served = polledLines[i];
                ServeLine(*served);
            }
        }
        const auto after = Clock::now();
        for (auto& line : m_lines) {
            if (line->masterFd < 0 && line->listenFd < 0) {
                continue;
            }
            if (!line->reply.empty() && !line->breakHeld && line->replyAt <= after) {
                Answer(*line);
            }
            if (line->emitAt && *line->emitAt <= after) {
                Emit(*line);
            }
            if (line->holderCheckAt <= after) {
                line->holderCheckAt = after + kHolderCheck;
                DropDeadExclusive(*line);
            }
            Flush(*line);
        }
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_serving = false;
    m_closed.notify_all();
}

// A real tty drops its exclusive mode on its last close. Our own slave keeps the pty
// alive, so a host that died holding the line would leave it exclusive for every other
// user: clear the mode once no host holds the line any more.
void InstrumentSimulator::DropDeadExclusive(Line& line) {
    int exclusive = 0;
    if (line.slaveFd < 0 || ioctl(line.slaveFd, TIOCGEXCL, &exclusive) != 0 || exclusive == 0) {
        return;
    }
    struct stat device {};
    if (stat(line.slavePath.c_str(), &device) != 0 || Flocked(device) ||
        OthersHold(line.slavePath, line.slaveFd)) {
        return;
    }
    if (ioctl(line.slaveFd, TIOCNXCL) == 0) {
        Log(line, "the host that held the line exclusively has gone: exclusive mode cleared");
    }
}

void InstrumentSimulator::ServeLine(Line& line) {
    if (line.listenFd >= 0) {
        ServeClient(line);
        return;
    }
    unsigned char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(line.masterFd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n < 0 && errno != EAGAIN) {
                // Only a line without any slave fails here, and ours stays open: treat the
                // line as gone rather than poll a broken descriptor in a loop.
                Log(line, ErrnoText("read failed; closing the line"));
                std::lock_guard<std::mutex> lock(m_mutex);
                CloseLineNow(line);
                m_closed.notify_all();
            }
            return;
        }
        // Packet mode: the first byte says what follows.
        if (buffer[0] == TIOCPKT_DATA) {
            HostSent(line, std::string(reinterpret_cast<const char*>(buffer + 1),
                                       static_cast<std::size_t>(n - 1)));
        } else if ((buffer[0] & TIOCPKT_FLUSHREAD) != 0) {
            // The host purges its input just before each break: on a pty, that is the break,
            // taken to last breakMs.
            BeginBreak(line);
            line.replyAt = Clock::now() +
                           std::chrono::milliseconds(m_options.breakMs + m_options.replyDelayMs);
        }
    }
}

void InstrumentSimulator::HostSent(Line& line, const std::string& sent) {
    const int feeds = static_cast<int>(std::count(sent.begin(), sent.end(), '\n'));
    line.lineFeeds += feeds;
    Log(line, "received " + std::to_string(sent.size()) + " byte(s)" +
                  (feeds > 0 ? ", " + std::to_string(feeds) + " line feed(s)" : ""));
    Hear(line, sent);
}

void InstrumentSimulator::BeginBreak(Line& line) {
    // Whatever the instrument was saying is cut off, and it answers when the break ends.
    ++line.breaks;
    Log(line, "break");
    line.wire.clear();
    line.reply.clear();
    if (line.instrument) {
        line.emitAt.reset();  // a break ends a stream
        line.reply = line.instrument->Break();
        line.wakeCause = "break";
    }
}

void InstrumentSimulator::ServeClient(Line& line) {
    using Codec = platform::TelnetCodec;
    // The client first: one that has gone frees the line for a connection waiting behind it.
    // A few reads a pass at most, so that a client that floods cannot starve the other lines:
    // what is left wakes the next poll.
    char buffer[4096];
    for (int reads = 0; reads < 4 && line.clientFd >= 0; ++reads) {
        const ssize_t n = recv(line.clientFd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            break;
        }
        if (n <= 0) {
            DropClient(line, "the client has gone");
            break;
        }
        std::string data;
        std::vector<Codec::Command> commands;
        line.codec.Feed(buffer, static_cast<std::size_t>(n), data, commands);
        if (!data.empty() && !line.breakHeld) {
            HostSent(line, data);
        }
        for (const Codec::Command& command : commands) {
            if (command.verb != Codec::kSb) {
                SendToClient(line, line.codec.Answer(command.verb, command.option,
                                                     Codec::SerialLinkOption(command.option)));
            } else if (command.option == Codec::kComPort && !command.body.empty()) {
                ComPortCommand(line, command.body);
            }
        }
    }
    for (;;) {
        const int fd = accept4(line.listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            return;
        }
        if (line.clientFd >= 0) {
            // One client at a time, as a device server's port: the next is closed at once.
            Log(line, "a second client was turned away: the line is in use");
            ::close(fd);
            continue;
        }
        const int on = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        line.clientFd = fd;
        line.codec = Codec();
        line.clientRate = 9600;
        Log(line, "client connected");
    }
}

void InstrumentSimulator::DropClient(Line& line, const char* why) {
    Log(line, why);
    ::close(line.clientFd);
    line.clientFd = -1;
    line.breakHeld = false;
    line.reply.clear();
    line.wire.clear();
}

void InstrumentSimulator::ComPortCommand(Line& line, const std::string& body) {
    using Codec = platform::TelnetCodec;
    const auto command = static_cast<std::uint8_t>(body[0]);
    std::string value = body.substr(1);
    if (command == 0 || command > Codec::kPurgeData) {
        return;
    }
    std::uint32_t rate = 0;
    if (command == Codec::kSetBaudRate && Codec::ReadRate(value, rate)) {
        if (rate != 0 && rate != line.clientRate) {
            line.clientRate = rate;
            Log(line, "the host's line set to " + std::to_string(rate) + " baud");
        }
        value = Codec::RateValue(line.clientRate);
    } else if (command == Codec::kSetControl && value.size() == 1 && value[0] == Codec::kBreakOn) {
        BeginBreak(line);
        line.breakHeld = true;
    } else if (command == Codec::kSetControl && value.size() == 1 && value[0] == Codec::kBreakOff &&
               line.breakHeld) {
        line.breakHeld = false;
        line.replyAt = Clock::now() + std::chrono::milliseconds(m_options.replyDelayMs);
    }
    // Every other setting is taken as asked: the wire model is 8N1 whatever the framing.
    SendToClient(line,
                 Codec::Subnegotiation(
                     Codec::kComPort,
                     std::string(1, static_cast<char>(command + Codec::kServerOffset)) + value));
}

void InstrumentSimulator::SendToClient(Line& line, const std::string& bytes) {
    std::size_t done = 0;
    while (line.clientFd >= 0 && done < bytes.size()) {
        const ssize_t n =
            send(line.clientFd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return;  // a client that never reads loses what does not fit, as on a pty
        }
    }
}

bool InstrumentSimulator::HostRates(Line& line, std::uint32_t& inputRate,
                                    std::uint32_t& outputRate) {
    if (line.listenFd >= 0) {
        inputRate = outputRate = line.clientRate;  // as the client's SET-BAUDRATE set it
        return true;
    }
    if (platform::GetLineRates(line.masterFd, inputRate, outputRate)) {
        return true;
    }
    Log(line, ErrnoText("cannot read the host's line rate"));
    return false;
}

void InstrumentSimulator::Hear(Line& line, const std::string& sent) {
    std::uint32_t inputRate = 0;
    std::uint32_t outputRate = 0;
    if (!line.instrument || !HostRates(line, inputRate, outputRate)) {
        return;
    }
    const std::string decoded = UartWire::ReceiveBytes(sent, outputRate, line.config.rate);
    const std::string answer = line.instrument->Hear(decoded);
    if (answer.empty()) {
        return;
    }
    if (line.reply.empty()) {
        line.replyAt = Clock::now() + std::chrono::milliseconds(m_options.replyDelayMs);
        line.wakeCause = "line feed";
    }
    line.reply += answer;
}

void InstrumentSimulator::Answer(Line& line) {
    std::uint32_t inputRate = 0;
    std::uint32_t outputRate = 0;
    if (!HostRates(line, inputRate, outputRate)) {
        line.reply.clear();
        return;
    }
    // Counted before it is sent: a host that has read the answer finds it counted.
    const bool clean = inputRate == line.config.rate;
    ++(clean ? line.prompts : line.garbled);
    Log(line, "after the " + std::string(line.wakeCause) + ": " +
                  (line.wakeCause == std::string("break") ? "banner and prompt" : "prompt") +
                  " at " + std::to_string(line.config.rate) + " baud, host at " +
                  std::to_string(inputRate) + (clean ? "" : ": the host decodes garbage"));
    Transmit(line, line.reply, inputRate);
    line.reply.clear();
}

void InstrumentSimulator::Transmit(Line& line, const std::string& bytes, std::uint32_t hostRate) {
    const auto start = std::max(Clock::now(), line.wireFreeAt);
    for (const DecodedByte& byte : UartWire::Receive(bytes, line.config.rate, hostRate)) {
        line.wire.emplace_back(start + std::chrono::nanoseconds(byte.doneAtNs),
                               static_cast<char>(byte.value));
    }
    line.wireFreeAt =
        start + std::chrono::nanoseconds(UartWire::SendingNs(bytes.size(), line.config.rate));
}

void InstrumentSimulator::Emit(Line& line) {
    const auto now = Clock::now();
    if (line.config.noise) {
        const char byte = static_cast<char>(line.random() & 0xFF);
        line.wire.emplace_back(now, byte);
        const auto gap = std::chrono::nanoseconds(
            1000000000ULL / std::max<std::uint32_t>(1, m_options.noiseBytesPerSecond));
        line.emitAt = *line.emitAt + gap;
        return;
    }
    // A stream does not queue up behind a wire that is slower than its records.
    std::uint32_t inputRate = 0;
    std::uint32_t outputRate = 0;
    if (line.wireFreeAt <= now && HostRates(line, inputRate, outputRate)) {
        Transmit(line, line.instrument->NextRecord(), inputRate);
    }
    line.emitAt = std::max(now, line.wireFreeAt) + std::chrono::milliseconds(m_options.streamMs);
}

void InstrumentSimulator::Flush(Line& line) {
    const auto now = Clock::now();
    std::string due;
    while (!line.wire.empty() && line.wire.front().first <= now) {
        due += line.wire.front().second;
        line.wire.pop_front();
    }
    if (due.empty()) {
        return;
    }
    if (line.listenFd >= 0) {
        SendToClient(line, platform::TelnetCodec::Escape(due.data(), due.size()));
    } else {
        WriteAll(line.masterFd, due);  // a host that never reads loses what does not fit
    }
}

void InstrumentSimulator::Log(const Line& line, const std::string& text) {
    if (m_options.log == nullptr) {
        return;
    }
    static const auto start = Clock::now();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%8.3f] ", seconds);
    *m_options.log << stamp << line.name << ": " << text << std::endl;
}
