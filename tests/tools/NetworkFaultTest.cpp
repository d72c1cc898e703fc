// Device servers that misbehave on purpose, each in one way a real one can: a flood, a
// subnegotiation that never ends, stale input, a connection or negotiation that never
// comes, a name service that never answers, one client at a time. Each must end bounded in
// memory and time, explained, and at once on a stop.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <thread>

#include "platform/os/LastError.h"
#include "platform/ports/CommDriverRegistry.h"
#include "platform/ports/net/TcpLink.h"
#include "platform/ports/net/TelnetCodec.h"
#include "serial/PortMap.h"
#include "tests/tools/ChildProcess.h"
#include "tools/probe/ConsoleJobHost.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using Clock = std::chrono::steady_clock;
using Codec = platform::TelnetCodec;
using Status = ConsoleJobHost::Status;
using std::chrono::milliseconds;
using std::chrono::seconds;
using testing::HasSubstr;

void UsePorts(const std::string& ports) {
    setenv(PortMap::kEnvironmentVariable, ports.c_str(), 1);
    PortMap::Refresh();
}

long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<milliseconds>(Clock::now() - start).count());
}

int Listener(const char* address, int& port, int backlog) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in bound{};
    bound.sin_family = AF_INET;
    bound.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, address, &bound.sin_addr);
    socklen_t size = sizeof bound;
    if (bind(fd, reinterpret_cast<sockaddr*>(&bound), size) != 0 || listen(fd, backlog) != 0) {
        ::close(fd);
        return -1;
    }
    getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &size);
    port = ntohs(bound.sin_port);
    return fd;
}

// A server on the loopback address that serves one client at a time with a handler that
// misbehaves as the test asks, until the server is destroyed.
class MisbehavingServer {
  public:
    using Handler = std::function<void(int client, const std::atomic<bool>& stop)>;

    explicit MisbehavingServer(Handler handler, const char* address = "127.0.0.1", int port = 0)
        : m_handler(std::move(handler)), m_port(port) {
        m_listenFd = Listener(address, m_port, 4);
        m_thread = std::thread([this] { Serve(); });
    }
    ~MisbehavingServer() {
        m_stop = true;
        m_thread.join();
        ::close(m_listenFd);
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(m_port); }

  private:
    void Serve() {
        while (!m_stop) {
            pollfd listening{m_listenFd, POLLIN, 0};
            if (poll(&listening, 1, 20) <= 0) {
                continue;
            }
            const int client = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0) {
                m_handler(client, m_stop);
                ::close(client);
            }
        }
    }

    Handler m_handler;
    int m_listenFd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

bool SendSome(int client, const std::string& bytes, const std::atomic<bool>& stop) {
    std::size_t done = 0;
    while (done < bytes.size() && !stop) {
        pollfd writable{client, POLLOUT, 0};
        if (poll(&writable, 1, 20) <= 0) {
            continue;
        }
        const ssize_t n =
            send(client, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && errno != EAGAIN) {
            return false;
        }
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    return !stop;
}

// Sends bytes without pause until the client goes or the server stops.
void Flood(int client, const std::atomic<bool>& stop, const std::string& unit) {
    std::string chunk;
    while (chunk.size() < 64 * 1024) {
        chunk += unit;
    }
    while (SendSome(client, chunk, stop)) {
    }
}

// What a server with a fault does besides agreeing to RFC 2217.
struct Behaviour {
    std::string onConnect;             // sent at once, before any negotiation
    bool negotiate = true;             // answers the option requests
    bool acknowledge = true;           // acknowledges each setting as asked
    std::function<void(int)> onSetUp;  // once the line is set up (its RTS setting came)
    bool prompt = false;               // answers each line feed with a prompt
};

// Plays a device server: agrees to RFC 2217, acknowledges what it is asked, and does what
// the behaviour says on top, until the client goes or the server stops.
void Serve(int client, const std::atomic<bool>& stop, const Behaviour& behaviour) {
    Codec codec;
    if (!behaviour.onConnect.empty()) {
        send(client, behaviour.onConnect.data(), behaviour.onConnect.size(), MSG_NOSIGNAL);
    }
    while (!stop) {
        pollfd readable{client, POLLIN, 0};
        if (poll(&readable, 1, 20) <= 0) {
            continue;
        }
        char buffer[512];
        const ssize_t n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return;
        }
        std::string data;
        std::vector<Codec::Command> commands;
        codec.Feed(buffer, static_cast<std::size_t>(n), data, commands);
        std::string out;
        for (const Codec::Command& command : commands) {
            if (command.verb != Codec::kSb) {
                out += behaviour.negotiate ? codec.Answer(command.verb, command.option, true) : "";
            } else if (behaviour.acknowledge && !command.body.empty()) {
                std::string answer = command.body;
                answer[0] = static_cast<char>(answer[0] + Codec::kServerOffset);
                out += Codec::Subnegotiation(Codec::kComPort, answer);
            }
        }
        if (behaviour.prompt && data.find('\n') != std::string::npos) {
            out += "\r\n>";
        }
        send(client, out.data(), out.size(), MSG_NOSIGNAL);
        for (const Codec::Command& command : commands) {
            if (command.verb == Codec::kSb && command.body == std::string{5, 11} &&
                behaviour.onSetUp) {
                behaviour.onSetUp(client);
                return;
            }
        }
    }
}

// Runs brinevane-probe --json with the arguments; the exit status, the JSON it printed,
// how long it ran and the largest resident size of the children reaped so far.
struct ProbeRun {
    int status = -1;
    nlohmann::json json;
    long ms = 0;
    long peakKiB = 0;
};
ProbeRun RunProbe(std::vector<std::string> args, milliseconds limit = seconds(30)) {
    args.insert(args.begin(), {PROBE_PROGRAM, "--json"});
    const auto start = Clock::now();
    ChildProcess probe(args);
    ProbeRun run;
    run.status = probe.Wait(limit);
    run.ms = MsSince(start);
    run.json = nlohmann::json::parse(probe.out, nullptr, false);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    run.peakKiB = usage.ru_maxrss;
    return run;
}

// The program's peak memory must stay below this whatever a server sends. A sanitizer's
// shadow memory comes on top (a flood that is followed still overruns it by far).
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr long kMemoryBoundKiB = 96 * 1024;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr long kMemoryBoundKiB = 96 * 1024;
#else
constexpr long kMemoryBoundKiB = 16 * 1024;
#endif
#else
constexpr long kMemoryBoundKiB = 16 * 1024;
#endif

TEST(NetworkFaultTest, AFloodIsReportedAsSuchWithinBoundedMemory) {
    UsePorts("");
    const auto flood = [](int client, const std::atomic<bool>& stop) { Flood(client, stop, "x"); };
    // After the line is set up over RFC 2217, from the first byte on a raw TCP port, and as
    // a subnegotiation that never ends.
    MisbehavingServer afterSetup([&](int client, const std::atomic<bool>& stop) {
        Behaviour behaviour;
        behaviour.onSetUp = [&](int fd) { flood(fd, stop); };
        Serve(client, stop, behaviour);
    });
    MisbehavingServer raw(flood);
    MisbehavingServer endless([](int client, const std::atomic<bool>& stop) {
        const std::string start{static_cast<char>(Codec::kIac), static_cast<char>(Codec::kSb),
                                static_cast<char>(Codec::kComPort)};
        send(client, start.data(), start.size(), MSG_NOSIGNAL);
        Flood(client, stop, "x");
    });
    for (const std::string& device :
         {"rfc2217://" + afterSetup.Address(), "socket://" + raw.Address(),
          "rfc2217://" + endless.Address()}) {
        const ProbeRun run = RunProbe({"connect", device, "9600"});
        EXPECT_EQ(run.status, 1) << device;
        EXPECT_EQ(run.json.value("reason_code", ""), "flood") << device;
        EXPECT_THAT(run.json.value("reason", ""),
                    HasSubstr("sends data without pause: not an instrument at rest"));
        EXPECT_LT(run.ms, 5000) << device;
        EXPECT_LT(run.peakKiB, kMemoryBoundKiB) << device;
    }
}

TEST(NetworkFaultTest, InputTheServerHadWaitingIsNoAnswer) {
    UsePorts("");
    MisbehavingServer server([](int client, const std::atomic<bool>& stop) {
        Behaviour behaviour;
        behaviour.onConnect = std::string("\x01\x02\x80 stale record\x90", 17);
        behaviour.prompt = true;
        Serve(client, stop, behaviour);
    });
    ConsoleJobHost host;
    const auto outcome = host.RunConnection("rfc2217://" + server.Address(), 9600);
    EXPECT_EQ(outcome.status, Status::Success) << outcome.reasonCode << ": " << outcome.reason;
}

// Ports that accept a connection but never negotiate cost one negotiation limit together,
// not one each.
TEST(NetworkFaultTest, TheParallelSearchOpensItsLinesAtOnce) {
    const auto silent = [](int client, const std::atomic<bool>& stop) {
        Behaviour behaviour;
        behaviour.negotiate = false;
        Serve(client, stop, behaviour);
    };
    MisbehavingServer first(silent);
    MisbehavingServer second(silent);
    MisbehavingServer third(silent);
    UsePorts("COM1=rfc2217://" + first.Address() + ",COM2=rfc2217://" + second.Address() +
             ",COM3=rfc2217://" + third.Address());
    ConsoleJobHost host;
    const auto start = Clock::now();
    const auto outcome = host.RunSearch(true);
    EXPECT_EQ(outcome.status, Status::Failure);
    EXPECT_EQ(outcome.reasonCode, "not-rfc2217");
    EXPECT_LT(MsSince(start), 9000);  // one limit of 5 s, with margin; not three
}

// An address whose connections never complete: a listener whose queue is full drops the
// next connection's SYN.
struct BlackHole {
    BlackHole(const char* address, int wanted) : port(wanted) {
        listenFd = Listener(address, port, 0);
        EXPECT_GE(listenFd, 0);
        for (int i = 0; i < 3; ++i) {
            sockaddr_in filled{};
            filled.sin_family = AF_INET;
            filled.sin_port = htons(static_cast<std::uint16_t>(port));
            inet_pton(AF_INET, address, &filled.sin_addr);
            fillers.push_back(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
            connect(fillers.back(), reinterpret_cast<sockaddr*>(&filled), sizeof filled);
        }
        std::this_thread::sleep_for(milliseconds(50));
    }
    ~BlackHole() {
        for (const int fd : fillers) {
            ::close(fd);
        }
        ::close(listenFd);
    }
    int port = 0;
    int listenFd = -1;
    std::vector<int> fillers;
};

// A network line, which the parallel search cannot sleep on, is heard from its first pass,
// not after a blind sleep through the whole wait for the prompt.
TEST(NetworkFaultTest, TheParallelSearchHearsANetworkLineAtOnce) {
    SimulatorOptions options;
    options.listen = "127.0.0.1:0";
    InstrumentSimulator simulator({SimulatedLine::AtRate(9600)}, options);
    ASSERT_TRUE(simulator.Start());
    UsePorts(simulator.PortsVariable());
    ConsoleJobHost host;
    const auto start = Clock::now();
    const auto found = host.RunSearch(true);
    EXPECT_EQ(found.status, Status::Success) << found.reason;
    EXPECT_LT(MsSince(start), 1800);  // about 0.5 s; a blind first sleep makes it 2.4 s
}

// A stop ends every phase of a network port's open, and its waits, at once.
class NetworkStopTest : public testing::Test {
  protected:
    // Runs job on this thread, stops it after delay from another, and returns how long the
    // job took to end after the stop.
    long StopAfter(milliseconds delay, const std::function<void(ConsoleJobHost&)>& job) {
        ConsoleJobHost host;
        Clock::time_point stopped;
        std::thread stopper([&] {
            std::this_thread::sleep_for(delay);
            stopped = Clock::now();
            host.Interrupt();
        });
        job(host);
        const auto ended = Clock::now();
        stopper.join();
        return static_cast<long>(std::chrono::duration_cast<milliseconds>(ended - stopped).count());
    }
    // Each way: the connection, the search of one port after another and the parallel one.
    void ExpectPromptStops(const std::string& device) {
        UsePorts("COM1=" + device);
        for (int mode = 0; mode < 3; ++mode) {
            const long ms = StopAfter(milliseconds(400), [&](ConsoleJobHost& host) {
                const auto outcome =
                    mode == 0 ? host.RunConnection("COM1", 9600) : host.RunSearch(mode == 2);
                EXPECT_EQ(outcome.status, Status::Interrupted) << device << " " << mode;
            });
            EXPECT_LT(ms, kStopBoundMs) << device << " in mode " << mode;
        }
    }
    // 100 ms on an idle machine (bench/); the bound leaves room for a loaded one.
    static constexpr long kStopBoundMs = 500;
};

TEST_F(NetworkStopTest, WhileTheConnectionIsMade) {
    const BlackHole hole("127.0.0.1", 0);
    ExpectPromptStops("rfc2217://127.0.0.1:" + std::to_string(hole.port));
}

TEST_F(NetworkStopTest, WhileTheServerNegotiatesOrAcknowledgesOrStaysSilent) {
    for (const int fault : {0, 1, 2}) {
        MisbehavingServer server([fault](int client, const std::atomic<bool>& stop) {
            Behaviour behaviour;
            behaviour.negotiate = fault != 0;
            behaviour.acknowledge = fault != 1;
            Serve(client, stop, behaviour);  // fault 2: set up, then no prompt ever
        });
        ExpectPromptStops("rfc2217://" + server.Address());
    }
}

// A name service that never answers: the lookup ends within the connect limit, says so,
// and ends at once on a stop. The process gets a name service of its own in a mount
// namespace (root only, as CI runs).
class NameLookupTest : public testing::Test {
  protected:
    void SetUp() override {
        if (geteuid() != 0 || system("unshare -m true 2>/dev/null") != 0) {
            GTEST_SKIP() << "needs root and mount namespaces";
        }
        char folder[] = "/tmp/brinevane-dns-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        m_folder = folder;
        // A name server that takes queries and never answers, on an address of its own.
        const std::string server = "127.53." + std::to_string(getpid() % 250) + ".1";
        m_server = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(53);
        inet_pton(AF_INET, server.c_str(), &address.sin_addr);
        ASSERT_EQ(bind(m_server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        std::ofstream(m_folder + "/resolv.conf") << "nameserver " << server << "\n";
        Hosts("127.0.0.1 localhost\n");
    }
    void Hosts(const std::string& text) const { std::ofstream(m_folder + "/hosts") << text; }
    void TearDown() override {
        if (m_server >= 0) {
            ::close(m_server);
        }
        if (!m_folder.empty()) {
            std::remove((m_folder + "/resolv.conf").c_str());
            std::remove((m_folder + "/hosts").c_str());
            rmdir(m_folder.c_str());
        }
    }
    // The probe's arguments, run with that name service.
    std::vector<std::string> WithNameService(const std::vector<std::string>& args) const {
        std::string command = "mount --bind " + m_folder + "/resolv.conf /etc/resolv.conf && " +
                              "mount --bind " + m_folder + "/hosts /etc/hosts && exec \"$0\"";
        for (std::size_t i = 1; i < args.size(); ++i) {
            command += " \"$" + std::to_string(i) + "\"";
        }
        std::vector<std::string> wrapped{"unshare", "-m", "sh", "-c", command};
        wrapped.insert(wrapped.end(), args.begin(), args.end());
        return wrapped;
    }

    std::string m_folder;
    int m_server = -1;
};

TEST_F(NameLookupTest, ANameServiceThatNeverAnswersEndsWithinTheConnectLimit) {
    UsePorts("");
    const auto start = Clock::now();
    ChildProcess probe(
        WithNameService({PROBE_PROGRAM, "--json", "connect", "rfc2217://portserver:4001", "9600"}));
    EXPECT_EQ(probe.Wait(seconds(30)), 1);
    EXPECT_LT(MsSince(start), 8000);  // the connect limit is 5 s; before, 10 s
    const auto json = nlohmann::json::parse(probe.out, nullptr, false);
    EXPECT_EQ(json.value("reason_code", ""), "lookup-failed") << probe.out << probe.err;
    EXPECT_THAT(json.value("reason", ""),
                HasSubstr("the name portserver could not be looked up: the name service did "
                          "not answer in time"));

    // An address in numbers, or a name in the hosts file, asks no name service.
    int port = 0;
    ::close(Listener("127.0.0.1", port, 1));  // nothing listens there now
    for (const std::string host : {"127.0.0.1", "localhost"}) {
        const auto asked = Clock::now();
        ChildProcess refused(
            WithNameService({PROBE_PROGRAM, "--json", "connect",
                             "rfc2217://" + host + ":" + std::to_string(port), "9600"}));
        refused.Wait(seconds(30));
        EXPECT_LT(MsSince(asked), 2500) << host;  // a name service asked would take 5 s
        EXPECT_EQ(nlohmann::json::parse(refused.out, nullptr, false).value("reason_code", ""),
                  "refused")
            << host << ": " << refused.out;
    }

    ChildProcess stopped(
        WithNameService({PROBE_PROGRAM, "connect", "rfc2217://portserver:4001", "9600"}));
    std::this_thread::sleep_for(milliseconds(600));
    kill(stopped.Pid(), SIGINT);
    const auto stop = Clock::now();
    EXPECT_EQ(stopped.Wait(seconds(10)), 128 + SIGINT);
    // Not the 4.4 s left of the lookup's limit; a sanitizer build's exit under load is slow.
    EXPECT_LT(MsSince(stop), 2500);
    EXPECT_EQ(stopped.err.find("Could not stop"), std::string::npos);
}

// A name with two addresses, the first of which never answers: the second gets its turn
// 250 ms later rather than after the whole limit.
TEST_F(NameLookupTest, SeveralAddressesShareTheLimit) {
    const BlackHole hole("127.0.0.1", 0);
    MisbehavingServer server(
        [](int client, const std::atomic<bool>& stop) {
            Behaviour behaviour;
            behaviour.prompt = true;
            Serve(client, stop, behaviour);
        },
        "127.0.0.2", hole.port);
    Hosts("127.0.0.1 portserver\n127.0.0.2 portserver\n");
    UsePorts("");
    const auto start = Clock::now();
    ChildProcess probe(
        WithNameService({PROBE_PROGRAM, "--json", "connect",
                         "rfc2217://portserver:" + std::to_string(hole.port), "9600"}));
    EXPECT_EQ(probe.Wait(seconds(30)), 0) << probe.out << probe.err;
    EXPECT_LT(MsSince(start), 2500);  // the connect limit is 5 s
}

// pyserial's own example server (one client at a time, a port let go up to 3 s after its
// client has gone) in front of the simulator: each search finds the instrument every time,
// and the connection follows.
TEST(NetworkFaultTest, PyserialsExampleServerIsFoundEveryTime) {
    InstrumentSimulator simulator({SimulatedLine::AtRate(9600)});
    ASSERT_TRUE(simulator.Start());
    ChildProcess server({"/usr/bin/python3", EXAMPLE_SERVER_SCRIPT, simulator.SlavePath(0)});
    const std::string port = server.ReadLine(seconds(10));
    ASSERT_FALSE(port.empty()) << "the example server did not start (is python3-serial there?)";
    UsePorts("COM1=rfc2217://127.0.0.1:" + port);
    ConsoleJobHost host;
    for (const bool parallel : {false, true}) {
        for (int run = 0; run < 3; ++run) {
            const auto found = host.RunSearch(parallel);
            ASSERT_EQ(found.status, Status::Success)
                << (parallel ? "parallel " : "") << run << ": " << found.reason
                << " (breaks seen by the instrument: " << simulator.BreaksSeen(0) << ")";
            EXPECT_EQ(found.baud, 9600);
        }
    }
    const auto connection = host.RunConnection("COM1", 9600);
    EXPECT_EQ(connection.status, Status::Success) << connection.reason;
}

// The simulator's server: a client that floods one line (or never ends a subnegotiation)
// neither starves the others nor grows the simulator; a port it cannot place is refused.
TEST(NetworkFaultTest, TheSimulatorsServerIsFairAndBounded) {
    SimulatorOptions options;
    options.listen = "127.0.0.1:0";
    InstrumentSimulator simulator({SimulatedLine::Silent(), SimulatedLine::AtRate(9600)}, options);
    ASSERT_TRUE(simulator.Start());
    std::string host;
    std::string portText;
    ASSERT_TRUE(platform::TcpLink::ParseAddress(
        simulator.SlavePath(0).substr(std::string("rfc2217://").size()), host, portText));
    const auto residentKiB = [] {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmRSS:", 0) == 0) {
                return std::stol(line.substr(6));
            }
        }
        return 0L;
    };
    const long before = residentKiB();
    std::atomic<bool> stop{false};
    std::thread flooder([&] {
        int port = std::stoi(portText);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        const std::string start{static_cast<char>(Codec::kIac), static_cast<char>(Codec::kSb),
                                static_cast<char>(Codec::kComPort)};
        send(fd, start.data(), start.size(), MSG_NOSIGNAL);
        Flood(fd, stop, "x");
        ::close(fd);
    });
    UsePorts("COM2=" + simulator.SlavePath(1));
    ConsoleJobHost probe;
    const auto found = probe.RunSearch();
    stop = true;
    flooder.join();
    EXPECT_EQ(found.status, Status::Success) << found.reason;
    EXPECT_LT(residentKiB() - before, kMemoryBoundKiB);

    options.listen = "127.0.0.1:65535";
    InstrumentSimulator unplaceable({SimulatedLine::AtRate(9600), SimulatedLine::AtRate(9600)},
                                    options);
    std::string error;
    EXPECT_FALSE(unplaceable.Start(&error));
    EXPECT_THAT(error, HasSubstr("line 2 would listen on port 65536, beyond 65535"));
}

}  // namespace
