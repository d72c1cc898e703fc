#pragma once
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

// A pseudo-terminal standing in for a cable: the test holds the master (the instrument's
// end) and, like the simulator, one slave descriptor of its own so that the pty stays
// usable while the program under test opens and closes the slave path.
class PtyPair {
  public:
    PtyPair() {
        char name[128] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0) {
            m_path = name;
        }
    }
    ~PtyPair() {
        CloseMaster();
        if (m_slave >= 0) {
            ::close(m_slave);
        }
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool Ok() const { return m_master >= 0 && m_slave >= 0 && !m_path.empty(); }
    int Master() const { return m_master; }
    int Slave() const { return m_slave; }
    const std::string& Path() const { return m_path; }

    void CloseMaster() {
        if (m_master >= 0) {
            ::close(m_master);
            m_master = -1;
        }
    }

    bool MasterWrite(const std::string& bytes) {
        return ::write(m_master, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Everything the master receives until nothing more comes for quietMs.
    std::string MasterReadAll(int quietMs = 100) {
        std::string bytes;
        pollfd in{m_master, POLLIN, 0};
        while (poll(&in, 1, quietMs) > 0 && (in.revents & POLLIN) != 0) {
            char chunk[256];
            const ssize_t n = ::read(m_master, chunk, sizeof chunk);
            if (n <= 0) {
                break;
            }
            bytes.append(chunk, static_cast<std::size_t>(n));
        }
        return bytes;
    }

  private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
};

// Polls a condition until it holds or the time runs out; for effects that lag a little,
// such as a master's bytes reaching the slave's input count.
template <typename Condition>
bool Eventually(Condition condition, int timeoutMs = 2000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
