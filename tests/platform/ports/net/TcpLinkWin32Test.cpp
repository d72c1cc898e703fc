// The Winsock link against a listener in this process: the moves of bytes and the end of
// the connection, a stop that ends a wait at once, and failures the user reads as on POSIX.
// The protocol above the link is tested end to end under Wine (scripts/windows).
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/os/Event.h"
#include "platform/os/LastError.h"
#include "platform/ports/CommDriverRegistry.h"
#include "platform/ports/net/NetworkErrors.h"
#include "platform/ports/net/TcpLink.h"

namespace {

using namespace std::chrono_literals;
using platform::TcpLink;

// A loopback listener on a free port.
class Listener {
  public:
    Listener() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        m_socket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(m_socket, 4);
        int size = sizeof address;
        getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
    }
    ~Listener() {
        Close();
        WSACleanup();
    }
    std::string Address(const std::string& host = "127.0.0.1") const {
        return host + ":" + std::to_string(m_port);
    }
    SOCKET Accept() { return accept(m_socket, nullptr, nullptr); }
    void Close() {
        if (m_socket != INVALID_SOCKET) {
            closesocket(m_socket);
            m_socket = INVALID_SOCKET;
        }
    }

  private:
    SOCKET m_socket = INVALID_SOCKET;
    int m_port = 0;
};

TEST(TcpLinkWin32Test, CarriesBytesBothWaysAndReportsThePeersEnd) {
    Listener listener;
    TcpLink link;
    platform::Event stop;
    // By name: the lookup's own thread, and whichever of the name's addresses listens.
    ASSERT_TRUE(link.Connect(listener.Address("localhost"), TcpLink::Clock::now() + 5s, &stop))
        << platform::GetLastError();
    const SOCKET peer = listener.Accept();
    ASSERT_NE(peer, INVALID_SOCKET);

    // Nothing yet: the wait lasts until its deadline, not much past it.
    const auto before = TcpLink::Clock::now();
    EXPECT_EQ(link.WaitReadable(&stop, before + 100ms), platform::InputWait::Timeout);
    EXPECT_GE(TcpLink::Clock::now() - before, 100ms);

    ASSERT_TRUE(link.SendAll("ping", TcpLink::Clock::now() + 5s, &stop));
    char buffer[16] = {};
    EXPECT_EQ(recv(peer, buffer, sizeof buffer, 0), 4);
    EXPECT_EQ(std::string(buffer, 4), "ping");

    send(peer, "pong", 4, 0);
    EXPECT_EQ(link.WaitReadable(&stop, TcpLink::Clock::now() + 5s), platform::InputWait::Input);
    std::string got;
    ASSERT_TRUE(link.Receive(got, 2));  // bounded: the rest stays for the next read
    EXPECT_EQ(got, "po");
    EXPECT_EQ(link.WaitReadable(&stop, TcpLink::Clock::now() + 5s), platform::InputWait::Input);
    ASSERT_TRUE(link.Receive(got, 100));
    EXPECT_EQ(got, "pong");
    ASSERT_TRUE(link.Receive(got, 100));  // nothing waits: no wait, no failure
    EXPECT_EQ(got, "pong");

    // What came before the end is read, then the end is reported.
    send(peer, "bye", 3, 0);
    closesocket(peer);
    std::string last;
    EXPECT_EQ(link.WaitReadable(&stop, TcpLink::Clock::now() + 5s), platform::InputWait::Input);
    bool open = true;
    for (int i = 0; i < 50 && open; ++i) {
        open = link.Receive(last, 100);
        if (open) {
            link.WaitReadable(&stop, TcpLink::Clock::now() + 100ms);
        }
    }
    EXPECT_FALSE(open);
    EXPECT_EQ(platform::GetLastError(), platform::kConnectionLost);
    EXPECT_EQ(last, "bye");
}

TEST(TcpLinkWin32Test, AStopEndsAWaitAtOnceFromAnotherThread) {
    Listener listener;
    TcpLink link;
    platform::Event stop;
    ASSERT_TRUE(link.Connect(listener.Address(), TcpLink::Clock::now() + 5s, &stop));
    const SOCKET peer = listener.Accept();
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(50ms);
        stop.Set();
    });
    const auto before = TcpLink::Clock::now();
    EXPECT_EQ(link.WaitReadable(&stop, before + 30s), platform::InputWait::Stop);
    EXPECT_LT(TcpLink::Clock::now() - before, 10s);
    stopper.join();
    // A set stop ends a connection before it starts, with the stop's own error.
    TcpLink other;
    EXPECT_FALSE(other.Connect(listener.Address(), TcpLink::Clock::now() + 5s, &stop));
    EXPECT_EQ(platform::GetLastError(), platform::kLinkStopped);
    closesocket(peer);
}

TEST(TcpLinkWin32Test, FailuresSayWhatHappenedAsOnOtherSystems) {
    std::string closed;
    {
        Listener listener;
        closed = listener.Address();
    }
    TcpLink link;
    EXPECT_FALSE(link.Connect(closed, TcpLink::Clock::now() + 5s));
    EXPECT_EQ(platform::GetLastError(), platform::kLinkRefused);
    EXPECT_FALSE(link.Connect("instrument.invalid:4001", TcpLink::Clock::now() + 5s));
    EXPECT_EQ(platform::GetLastError(), platform::kHostNotFound);

    // Both schemes are served on Windows, and say a refusal in the same words.
    auto& registry = platform::CommDriverRegistry::Process();
    for (const char* scheme : {"rfc2217://", "socket://"}) {
        const std::string name = scheme + closed;
        const auto driver = registry.Find(name);
        ASSERT_NE(driver, nullptr) << name;
        EXPECT_EQ(driver->Open(name), nullptr);
        const auto failure = driver->DescribeOpenFailure(name, "COM1", platform::GetLastError());
        ASSERT_NE(failure.code, nullptr) << name;
        EXPECT_EQ(std::string(failure.code), "refused") << failure.text;
    }
}

}  // namespace
