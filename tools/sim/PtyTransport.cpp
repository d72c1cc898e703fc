#include "tools/sim/PtyTransport.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/devices/DeviceHolders.h"
#include "platform/ports/local/LineRate.h"

namespace {

// How often an exclusive line is checked for a host that still holds it.
constexpr auto kHolderCheck = std::chrono::milliseconds(100);

}  // namespace

PtyTransport::PtyTransport(Events& events, std::uint32_t breakMs)
    : m_events(events), m_breakMs(breakMs) {}

PtyTransport::~PtyTransport() {
    PtyTransport::Close();  // this class's own: no dispatch during destruction
}

bool PtyTransport::Open(std::string& path, std::string& error) {
    m_masterFd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_masterFd < 0) {
        error = ErrnoText("posix_openpt");
        return false;
    }
    char name[128];
    if (grantpt(m_masterFd) != 0 || unlockpt(m_masterFd) != 0 ||
        ptsname_r(m_masterFd, name, sizeof name) != 0) {
        error = ErrnoText("unlockpt");
        return false;
    }
    // The simulator's own slave keeps the master readable while no host has the line.
    m_slaveFd = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_slaveFd < 0) {
        error = ErrnoText(name);
        return false;
    }
    // Raw from the start: an echoing line would hand the instrument's own answers back
    // to it before a host has set the line up.
    termios tio{};
    if (tcgetattr(m_slaveFd, &tio) != 0) {
        error = ErrnoText("tcgetattr");
        return false;
    }
    cfmakeraw(&tio);
    if (tcsetattr(m_slaveFd, TCSANOW, &tio) != 0) {
        error = ErrnoText("tcsetattr");
        return false;
    }
    int packetMode = 1;
    if (ioctl(m_masterFd, TIOCPKT, &packetMode) != 0) {
        error = ErrnoText("TIOCPKT");
        return false;
    }
    m_slavePath = name;
    path = name;
    return true;
}

void PtyTransport::Close() {
    for (int* fd : {&m_masterFd, &m_slaveFd}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
    m_slavePath.clear();
}

void PtyTransport::Polled(std::vector<int>& fds) const {
    if (m_masterFd >= 0) {
        fds.push_back(m_masterFd);
    }
}

bool PtyTransport::Serve() {
    unsigned char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_masterFd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n < 0 && errno != EAGAIN) {
                // Only a line without any slave fails here, and ours stays open: treat the
                // line as gone rather than poll a broken descriptor in a loop.
                m_events.Log(ErrnoText("read failed; closing the line"));
                return false;
            }
            return true;
        }
        // Packet mode: the first byte says what follows.
        if (buffer[0] == TIOCPKT_DATA) {
            m_events.HostSent(std::string(reinterpret_cast<const char*>(buffer + 1),
                                          static_cast<std::size_t>(n - 1)));
        } else if ((buffer[0] & TIOCPKT_FLUSHREAD) != 0) {
            // The host purges its input just before each break: on a pty, that is the break,
            // taken to last breakMs.
            m_events.BreakBegan();
            m_events.BreakEnds(Clock::now() + std::chrono::milliseconds(m_breakMs));
        }
    }
}

void PtyTransport::Send(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_masterFd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return;  // a host that never reads has filled the line: it loses the rest
        }
    }
}

bool PtyTransport::HostRates(std::uint32_t& inputRate, std::uint32_t& outputRate) {
    if (platform::GetLineRates(m_masterFd, inputRate, outputRate)) {
        return true;
    }
    m_events.Log(ErrnoText("cannot read the host's line rate"));
    return false;
}

// A real tty drops its exclusive mode on its last close. Our own slave keeps the pty
// alive, so a host that died holding the line would leave it exclusive for every other
// user: clear the mode once no host holds the line any more.
void PtyTransport::Upkeep(Clock::time_point now) {
    m_holderCheckAt = now + kHolderCheck;
    int exclusive = 0;
    if (m_slaveFd < 0 || ioctl(m_slaveFd, TIOCGEXCL, &exclusive) != 0 || exclusive == 0) {
        return;
    }
    struct stat device {};
    if (stat(m_slavePath.c_str(), &device) != 0 || platform::FlockHolder(device).has_value() ||
        platform::HeldBeyond(m_slavePath, m_slaveFd)) {
        return;
    }
    if (ioctl(m_slaveFd, TIOCNXCL) == 0) {
        m_events.Log("the host that held the line exclusively has gone: exclusive mode cleared");
    }
}
