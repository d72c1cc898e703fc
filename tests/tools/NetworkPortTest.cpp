// The ports of device servers: the faults of the network, each bounded in time and
// explained, and the search and connection over RFC 2217 (our simulator and pyserial's
// server) and raw TCP.
#include <arpa/inet.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <thread>

#include "platform/os/LastError.h"
#include "platform/ports/CommDriverRegistry.h"
#include "platform/ports/net/NetworkErrors.h"
#include "platform/ports/net/Rfc2217CommDriver.h"
#include "platform/ports/net/TelnetCodec.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortMap.h"
#include "tests/tools/ChildProcess.h"
#include "tools/probe/ConsoleJobHost.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using Clock = std::chrono::steady_clock;
using Codec = platform::TelnetCodec;
using Status = ConsoleJobHost::Status;
using testing::HasSubstr;

void UsePorts(const std::string& ports) {
    setenv(PortMap::kEnvironmentVariable, ports.c_str(), 1);
    PortMap::Refresh();
}

// A listening socket on a free loopback port; its port number through port.
int ListenOnLoopback(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), size);
    listen(fd, 4);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    return fd;
}

// A device server with a fault, for its first client: silent, never acknowledging the
// rate, answering it with another, dropping the connection once the line is set up,
// sending script once set up, or passing raw bytes (it answers each line feed with a
// prompt). What the client sent as data is kept.
class FakeDeviceServer {
  public:
    enum class Mode { Silent, NoRateAck, WrongRate, DropAfterSetup, Script, Raw };

    explicit FakeDeviceServer(Mode mode, std::string script = {})
        : m_mode(mode), m_script(std::move(script)) {
        m_listenFd = ListenOnLoopback(m_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~FakeDeviceServer() {
        m_stop = true;
        m_thread.join();
        ::close(m_listenFd);
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(m_port); }
    std::string Received() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_received;
    }

  private:
    void Serve() {
        pollfd listening{m_listenFd, POLLIN, 0};
        while (!m_stop && poll(&listening, 1, 20) <= 0) {
        }
        if (m_stop) {
            return;
        }
        const int client = accept(m_listenFd, nullptr, nullptr);
        Codec codec;
        std::optional<Clock::time_point> dropAt;
        while (!m_stop && !(dropAt && Clock::now() >= *dropAt)) {
            pollfd watched{client, POLLIN, 0};
            char buffer[512];
            if (poll(&watched, 1, 20) <= 0) {
                continue;
            }
            const ssize_t n = recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) {
                break;
            }
            std::string data;
            std::vector<Codec::Command> commands;
            if (m_mode == Mode::Raw) {
                data.assign(buffer, static_cast<std::size_t>(n));
                if (data.find('\n') != std::string::npos) {
                    send(client, "\r\n>", 3, MSG_NOSIGNAL);
                }
            } else if (m_mode != Mode::Silent) {
                codec.Feed(buffer, static_cast<std::size_t>(n), data, commands);
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_received += data;
            }
            std::string out;
            for (const Codec::Command& command : commands) {
                if (command.verb != Codec::kSb) {
                    out += codec.Answer(command.verb, command.option, true);
                    continue;
                }
                std::string answer = command.body;
                answer[0] = static_cast<char>(answer[0] + Codec::kServerOffset);
                if (command.body[0] == Codec::kSetBaudRate && m_mode == Mode::NoRateAck) {
                    continue;
                }
                if (command.body[0] == Codec::kSetBaudRate && m_mode == Mode::WrongRate) {
                    answer.back() = static_cast<char>(answer.back() + 1);
                }
                out += Codec::Subnegotiation(Codec::kComPort, answer);
                // RTS is the last setting of a line's setup.
                if (command.body == std::string{5, 11} && m_mode == Mode::Script) {
                    out += Codec::Escape(m_script.data(), m_script.size());
                }
                if (command.body == std::string{5, 11} && m_mode == Mode::DropAfterSetup) {
                    dropAt = Clock::now() + std::chrono::milliseconds(150);
                }
            }
            send(client, out.data(), out.size(), MSG_NOSIGNAL);
        }
        ::close(client);
    }

    Mode m_mode;
    std::string m_script;
    int m_listenFd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::string m_received;
    std::thread m_thread;
};

// Opens through a driver with short limits; the error and how long it took.
struct OpenResult {
    std::unique_ptr<platform::CommPort> port;
    std::uint32_t error = 0;
    Clock::duration took{};
};
OpenResult OpenQuickly(const std::string& device) {
    platform::Rfc2217CommDriver driver({std::chrono::milliseconds(500),
                                        std::chrono::milliseconds(300), std::chrono::seconds(2),
                                        std::chrono::milliseconds(300)});
    const auto start = Clock::now();
    OpenResult result;
    result.port = driver.Open(device);
    result.error = platform::GetLastError();
    result.took = Clock::now() - start;
    return result;
}

TEST(NetworkPortTest, AServerThatCannotBeReachedOrDoesNotNegotiateIsExplainedQuickly) {
    UsePorts("");
    int port = 0;
    ::close(ListenOnLoopback(port));  // nothing listens there now
    const std::string refused = "rfc2217://127.0.0.1:" + std::to_string(port);
    ConsoleJobHost host;
    const auto start = Clock::now();
    const auto outcome = host.RunConnection(refused, 9600);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(outcome.reasonCode, "refused");
    EXPECT_EQ(outcome.reason, "127.0.0.1:" + std::to_string(port) +
                                  " refused the connection: check the device server's address "
                                  "and that no other program is connected to it");

    // A name under .invalid never resolves, whatever DNS server there is.
    const auto unresolved = host.RunConnection("rfc2217://portserver.invalid:4001", 9600);
    EXPECT_EQ(unresolved.reasonCode, "not-resolved");
    EXPECT_THAT(unresolved.reason, HasSubstr("the name portserver.invalid does not resolve"));

    FakeDeviceServer silent(FakeDeviceServer::Mode::Silent);
    const OpenResult opened = OpenQuickly("rfc2217://" + silent.Address());
    EXPECT_EQ(opened.port, nullptr);
    EXPECT_EQ(opened.error, platform::kNoComPortOption);
    EXPECT_LT(opened.took, std::chrono::seconds(1));
    EXPECT_THAT(PortDiagnosis::ExplainOpenFailure("rfc2217://" + silent.Address(), opened.error),
                HasSubstr(silent.Address() + " does not speak RFC 2217"));
}

TEST(NetworkPortTest, ARateTheServerDoesNotAcknowledgeAsAskedFailsTheConfiguration) {
    platform::LineState line;
    line.baudRate = 19200;
    for (const auto mode : {FakeDeviceServer::Mode::NoRateAck, FakeDeviceServer::Mode::WrongRate}) {
        FakeDeviceServer server(mode);
        const OpenResult opened = OpenQuickly("rfc2217://" + server.Address());
        ASSERT_NE(opened.port, nullptr);
        const auto start = Clock::now();
        EXPECT_FALSE(opened.port->SetState(line));
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));
        EXPECT_EQ(platform::GetLastError(), mode == FakeDeviceServer::Mode::NoRateAck
                                                ? platform::kSettingNotAcknowledged
                                                : static_cast<std::uint32_t>(EINVAL));
    }
    EXPECT_THAT(
        PortDiagnosis::ExplainOpenFailure("rfc2217://h:1", platform::kSettingNotAcknowledged),
        HasSubstr("h:1 did not apply the line settings"));
}

TEST(NetworkPortTest, AConnectionDroppedDuringTheWaitEndsItAndFailsTheJob) {
    FakeDeviceServer server(FakeDeviceServer::Mode::DropAfterSetup);
    UsePorts("");
    ConsoleJobHost host;
    const auto start = Clock::now();
    const auto outcome = host.RunConnection("rfc2217://" + server.Address(), 9600);
    // The wait for the prompt alone would take 2 s.
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1500));
    EXPECT_EQ(outcome.status, Status::Failure);
    EXPECT_EQ(outcome.reasonCode, "gone");
    EXPECT_THAT(outcome.reason, HasSubstr("the connection to " + server.Address() + " was lost"));
}

TEST(NetworkPortTest, IacBytesInTheDataAreEscapedBothWays) {
    FakeDeviceServer server(FakeDeviceServer::Mode::Script, "\xFF>");
    const OpenResult opened = OpenQuickly("rfc2217://" + server.Address());
    ASSERT_NE(opened.port, nullptr);
    ASSERT_TRUE(opened.port->SetState(platform::LineState()));
    platform::Event stop;
    std::string read;
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    while (read.size() < 2 &&
           opened.port->WaitForInput(stop, deadline) == platform::InputWait::Input) {
        char byte = 0;
        std::uint32_t done = 0;
        ASSERT_TRUE(opened.port->Read(&byte, 1, done));
        read.append(&byte, done);
    }
    EXPECT_EQ(read, "\xFF>");
    std::uint32_t written = 0;
    ASSERT_TRUE(opened.port->Write("\xFF\n", 2, written));
    for (int i = 0; i < 100 && server.Received().size() < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(server.Received(), "\xFF\n");
}

TEST(NetworkPortTest, TheSimulatorIsFoundOverRfc2217AndServesOneClient) {
    SimulatorOptions options;
    options.listen = "127.0.0.1:0";
    InstrumentSimulator simulator({SimulatedLine::AtRate(19200)}, options);
    ASSERT_TRUE(simulator.Start());
    const std::string device = simulator.SlavePath(0);
    ASSERT_THAT(device, HasSubstr("rfc2217://127.0.0.1:"));
    UsePorts(simulator.PortsVariable());
    ConsoleJobHost host;
    const auto found = host.RunSearch();
    ASSERT_EQ(found.status, Status::Success) << found.reason;
    EXPECT_EQ(found.portName, "COM1");
    EXPECT_EQ(found.baud, 19200);
    // The breaks came as protocol messages: one at 9600, one at 19200.
    EXPECT_EQ(simulator.BreaksSeen(0), 2);

    auto first = platform::CommDriverRegistry::Process().Open(device);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(platform::CommDriverRegistry::Process().Open(device), nullptr);
    EXPECT_EQ(platform::GetLastError(), static_cast<std::uint32_t>(EBUSY));
    EXPECT_THAT(PortDiagnosis::ExplainOpenFailure("COM1", EBUSY),
                HasSubstr("closed the connection at once: another program is probably "
                          "connected to it"));
}

TEST(NetworkPortTest, ARawTcpPortConnectsWithoutItsRateAndTheSearchPassesOverIt) {
    FakeDeviceServer connected(FakeDeviceServer::Mode::Raw);
    UsePorts("");
    ConsoleJobHost host;
    const auto outcome = host.RunConnection("socket://" + connected.Address(), 19200);
    ASSERT_EQ(outcome.status, Status::Success) << outcome.reason;
    EXPECT_FALSE(outcome.rateApplied);

    FakeDeviceServer searched(FakeDeviceServer::Mode::Raw);
    UsePorts("COM1=socket://" + searched.Address());
    const auto search = host.RunSearch();
    EXPECT_EQ(search.status, Status::Failure);
    EXPECT_EQ(search.reasonCode, "raw-tcp");
    EXPECT_THAT(search.reason, HasSubstr("COM1 (socket://" + searched.Address() +
                                         ") is a raw TCP port: no break or rate reaches its line"));
}

// A second, independent server: pyserial's, in front of a simulator's pty.
TEST(NetworkPortTest, PyserialsRfc2217ServerServesTheSearchAndTheConnection) {
    InstrumentSimulator simulator({SimulatedLine::AtRate(19200)});
    ASSERT_TRUE(simulator.Start());
    ChildProcess peer({"/usr/bin/python3", PEER_SCRIPT, simulator.SlavePath(0)});
    const std::string port = peer.ReadLine(std::chrono::seconds(10));
    ASSERT_FALSE(port.empty()) << "the pyserial peer did not start (is python3-serial there?)";
    UsePorts("COM1=rfc2217://127.0.0.1:" + port);
    ConsoleJobHost host;
    const auto found = host.RunSearch();
    ASSERT_EQ(found.status, Status::Success) << found.reason;
    EXPECT_EQ(found.baud, 19200);
    const auto connection = host.RunConnection("COM1", 19200);
    EXPECT_EQ(connection.status, Status::Success) << connection.reason;
}

}  // namespace
