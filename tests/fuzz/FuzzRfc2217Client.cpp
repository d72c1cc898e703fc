// Any bytes from a device server: the Telnet decoder never keeps a subnegotiation past its
// limit, and the RFC 2217 client, led by them through the negotiation, the line's settings,
// a purge, a break and the wait for input, never holds more than its receive limit and
// never crashes.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/ports/net/NetworkCommPort.h"
#include "platform/ports/net/Rfc2217CommDriver.h"
#include "platform/ports/net/TelnetCodec.h"

namespace {

using std::chrono::milliseconds;

// A loopback server that sends each client the bytes it was given, then reads (and
// drops) what the client sends until the client goes.
class ScriptedServer {
  public:
    ScriptedServer() {
        m_listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(m_listenFd, 4) != 0 ||
            getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            std::abort();
        }
        m_port = ntohs(address.sin_port);
        std::thread([this] { Serve(); }).detach();
    }
    std::string Device() const { return "rfc2217://127.0.0.1:" + std::to_string(m_port); }
    void Script(const std::string& bytes) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_script = bytes;
    }

  private:
    void Serve() {
        for (;;) {
            const int client = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) {
                continue;
            }
            std::string script;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                script = m_script;
            }
            send(client, script.data(), script.size(), MSG_NOSIGNAL);
            char buffer[4096];
            while (recv(client, buffer, sizeof buffer, 0) > 0) {
            }
            ::close(client);
        }
    }

    int m_listenFd = -1;
    int m_port = 0;
    std::mutex m_mutex;
    std::string m_script;
};

void CheckCodec(const std::string& bytes) {
    platform::TelnetCodec codec;
    std::string data;
    std::vector<platform::TelnetCodec::Command> commands;
    codec.Feed(bytes.data(), bytes.size(), data, commands);
    for (const auto& command : commands) {
        if (command.body.size() > platform::TelnetCodec::kSubnegotiationLimit) {
            std::abort();
        }
    }
    if (data.size() > bytes.size()) {
        std::abort();
    }
}

void CheckQueue(platform::CommPort& port) {
    platform::CommStatus status;
    if (port.ClearError(status) && status.inQueue > platform::NetworkCommPort::kReceiveLimit) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScriptedServer* server = new ScriptedServer();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckCodec(bytes);

    server->Script(bytes);
    // Short limits: each phase that waits for an answer the bytes do not hold ends soon.
    platform::Rfc2217CommDriver driver(
        {milliseconds(500), milliseconds(1), milliseconds(1000), milliseconds(5)});
    platform::Event stop;
    std::unique_ptr<platform::CommPort> port = driver.OpenWatching(server->Device(), stop);
    if (port == nullptr) {
        return 0;
    }
    CheckQueue(*port);
    platform::LineState line;
    line.baudRate = 19200;
    port->SetState(line);
    CheckQueue(*port);
    port->PurgeInput();
    port->SetBreak();
    port->ClearBreak();
    const auto deadline = std::chrono::steady_clock::now() + milliseconds(2);
    while (port->WaitForInput(stop, deadline) == platform::InputWait::Input) {
        CheckQueue(*port);
        char buffer[256];
        std::uint32_t done = 0;
        if (!port->Read(buffer, sizeof buffer, done) || done == 0) {
            break;
        }
    }
    std::uint32_t written = 0;
    port->Write("\n", 1, written);
    CheckQueue(*port);
    port->Close();
    return 0;
}
