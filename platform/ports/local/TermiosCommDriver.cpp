#include "platform/ports/local/TermiosCommDriver.h"

#include <fcntl.h>
#include <limits.h>
#include <linux/openat2.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "platform/os/LastError.h"
#include "platform/ports/InputWaitSet.h"
#include "platform/ports/local/LineRate.h"
#include "platform/ports/local/LocalErrors.h"

namespace platform {
namespace {

constexpr unsigned kPtySlaveFirstMajor = 136;
constexpr unsigned kPtySlaveLastMajor = 143;
constexpr unsigned kTtyMajor = 4;     // virtual consoles below minor 64, ttyS above
constexpr unsigned kTtyAuxMajor = 5;  // /dev/tty, /dev/console, /dev/ptmx
constexpr unsigned kFirstSerialMinor = 64;

std::string SysfsName(dev_t device) {
    std::ostringstream link;
    link << "/sys/dev/char/" << major(device) << ':' << minor(device);
    char target[4096];
    const ssize_t n = readlink(link.str().c_str(), target, sizeof target - 1);
    if (n <= 0) {
        return {};
    }
    target[n] = '\0';
    const std::string path(target);
    return path.substr(path.rfind('/') + 1);
}

bool InTtyClass(dev_t device) {
    std::ostringstream link;
    link << "/sys/dev/char/" << major(device) << ':' << minor(device) << "/subsystem";
    char target[4096];
    const ssize_t n = readlink(link.str().c_str(), target, sizeof target - 1);
    if (n <= 0) {
        return false;
    }
    target[n] = '\0';
    const std::string path(target);
    return path.size() >= 4 && path.compare(path.size() - 4, 4, "/tty") == 0;
}

bool IsActiveConsole(dev_t device) {
    std::ifstream active("/sys/class/tty/console/active");
    const std::string name = SysfsName(device);
    std::string word;
    while (!name.empty() && active >> word) {
        if (word == name) {
            return true;
        }
    }
    return false;
}

// Whether a character device can be a serial line: a pty slave, or a tty of the kernel's
// tty class that is neither a virtual console, a controlling-terminal alias nor the
// system console. Decided from the device numbers alone, before anything is opened.
bool IsSerialLineDevice(dev_t device) {
    const unsigned maj = major(device);
    if (maj >= kPtySlaveFirstMajor && maj <= kPtySlaveLastMajor) {
        return true;
    }
    if (maj == kTtyAuxMajor || (maj == kTtyMajor && minor(device) < kFirstSerialMinor)) {
        return false;
    }
    return InTtyClass(device) && !IsActiveConsole(device);
}

// Resolves the name once to its final path (through every link) and checks that file,
// without following links again, names a serial line; sets the last error when not. The
// open then uses exactly that path, so a link swapped meanwhile cannot change the file.
bool ResolveSerialPath(const std::string& path, std::string& device, struct stat& info) {
    if (path.empty() || path[0] != '/') {
        SetLastError(ENOENT);
        return false;
    }
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr) {
        return FailWithErrno();
    }
    device = resolved;
    if (lstat(resolved, &info) != 0) {
        return FailWithErrno();
    }
    if (!S_ISCHR(info.st_mode) || !IsSerialLineDevice(info.st_rdev)) {
        SetLastError(ENOTTY);
        return false;
    }
    return true;
}

// The controlling terminal's device number from /proc/self/stat (0 when there is none).
dev_t ControllingTerminal() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto name = text.rfind(')');  // the command name may hold spaces and parentheses
    if (name == std::string::npos) {
        return 0;
    }
    std::istringstream fields(text.substr(name + 1));
    std::string state;
    long parent = 0, group = 0, session = 0;
    unsigned long tty = 0;
    if (!(fields >> state >> parent >> group >> session >> tty)) {
        return 0;
    }
    return makedev((tty >> 8) & 0xfff, (tty & 0xff) | ((tty >> 12) & 0xfff00));
}

// Whether the device is the terminal this program runs in: configuring it would leave the
// user's own session raw and without echo.
bool IsOwnTerminal(dev_t device) {
    for (int fd = 0; fd <= 2; ++fd) {
        struct stat info {};
        if (fstat(fd, &info) == 0 && S_ISCHR(info.st_mode) && info.st_rdev == device) {
            return true;
        }
    }
    const dev_t controlling = ControllingTerminal();
    return controlling != 0 && controlling == device;
}

// Opens exactly the checked path: no link is followed anywhere on it.
int OpenNoLinks(const std::string& device) {
    const int flags = O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW;
    open_how how{};
    how.flags = static_cast<std::uint64_t>(flags);
    how.resolve = RESOLVE_NO_SYMLINKS;
    const long fd = syscall(SYS_openat2, AT_FDCWD, device.c_str(), &how, sizeof how);
    if (fd >= 0 || errno != ENOSYS) {
        return static_cast<int>(fd);
    }
    return ::open(device.c_str(), flags);  // a kernel before 5.6: the last part at least
}

// A port opens with an empty input queue, as a line nobody held does. A tty that stayed
// alive (a pty whose other end kept a descriptor) can still hold bytes from its last
// user; read them away rather than flush, which the far end would see as a purge.
void DiscardStaleInput(int fd) {
    char sink[256];
    for (int round = 0; round < 256 && ::read(fd, sink, sizeof sink) > 0; ++round) {
    }
}

class TermiosCommPort final : public CommPort {
  public:
    TermiosCommPort(int fd, const SavedLine& original) : m_fd(fd), m_original(original) {}
    ~TermiosCommPort() override { Close(); }

    bool GetState(LineState& state) override {
        RawLine line{};
        if (!GetRawLine(m_fd, line)) {
            return false;
        }
        state = m_state;
        state.baudRate = line.rate;
        state.byteSize = line.dataBits;
        state.parity = line.parity;
        state.stopBits = line.twoStopBits ? 2 : 0;
        return true;
    }

    bool SetState(const LineState& state) override {
        if (state.stopBits > 2 || state.outxCtsFlow || state.outxDsrFlow || state.outX ||
            state.inX) {
            // Flow control is never asked for; refuse rather than run a different line.
            SetLastError(EINVAL);
            return false;
        }
        const RawLine line{state.baudRate, state.byteSize, state.parity, state.stopBits != 0};
        if (!SetRawLine(m_fd, line)) {
            return false;
        }
        if (!SetModemLine(TIOCM_DTR, state.dtrOn) || !SetModemLine(TIOCM_RTS, state.rtsOn)) {
            return false;
        }
        m_state = state;
        return true;
    }

    bool SetQueueSizes(std::uint32_t, std::uint32_t) override {
        // The tty layer sizes its own buffers; the recommendation has nothing to change.
        return true;
    }

    bool SetTimeouts(const CommTimeouts& timeouts) override {
        m_timeouts = timeouts;
        return true;
    }

    bool ClearError(CommStatus& status) override {
        int in = 0;
        int out = 0;
        if (ioctl(m_fd, FIONREAD, &in) != 0 || ioctl(m_fd, TIOCOUTQ, &out) != 0) {
            return FailWithErrno();
        }
        status.errors = 0;
        status.inQueue = static_cast<std::uint32_t>(in);
        status.outQueue = static_cast<std::uint32_t>(out);
        return true;
    }

    bool Read(void* buffer, std::uint32_t count, std::uint32_t& done) override {
        done = 0;
        const ssize_t n = ::read(m_fd, buffer, count);
        if (n > 0) {
            done = static_cast<std::uint32_t>(n);
            return true;
        }
        if (n == 0) {
            // End of file on a tty: the device has gone (a pty whose master closed).
            SetLastError(EIO);
            return false;
        }
        if (errno == EAGAIN || errno == EINTR) {
            return true;
        }
        return FailWithErrno();
    }

    bool Write(const void* buffer, std::uint32_t count, std::uint32_t& done) override {
        return WriteWatching(buffer, count, done, -1);
    }

    bool WriteOrStop(const void* buffer, std::uint32_t count, std::uint32_t& done,
                     Event& stop) override {
        // An event without a descriptor leaves the write bounded by its time limit alone.
        return WriteWatching(buffer, count, done, stop.Descriptor());
    }

    InputWait WaitForInput(Event& stop, std::chrono::steady_clock::time_point deadline) override {
        std::vector<InputWait> each;
        const InputWait result = InputWaitSet::Wait({this}, stop, deadline, each);
        if (result == InputWait::Input && each[0] == InputWait::Failed) {
            // Hung up or in error with nothing to read (a pty whose master closed): the
            // descriptor would report that at once for ever, so it cannot be slept on.
            SetLastError(EIO);
            return InputWait::Failed;
        }
        return result;
    }

    int InputDescriptor() override { return m_fd; }

    bool PurgeInput() override { return tcflush(m_fd, TCIFLUSH) == 0 || FailWithErrno(); }
    bool SetBreak() override { return ioctl(m_fd, TIOCSBRK) == 0 || FailWithErrno(); }
    bool ClearBreak() override { return ioctl(m_fd, TIOCCBRK) == 0 || FailWithErrno(); }

    bool Close() override {
        if (m_fd < 0) {
            return true;
        }
        // Unsent output would make a USB adapter's close wait up to 30 s to drain it.
        tcflush(m_fd, TCOFLUSH);
        // The line's next user finds it as it was before us. A line that has gone has no
        // settings to take back.
        RestoreLine(m_fd, m_original);
        // The exclusive flag lives on the tty, not on this descriptor: it would outlast
        // us wherever another descriptor keeps the tty alive (a simulator's own slave).
        // Open refused a tty that was already exclusive, so the flag is ours to clear.
        ioctl(m_fd, TIOCNXCL);
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 || FailWithErrno();
    }

  private:
    // The driver normally takes the bytes at once; when it cannot, wait for room, but never
    // for ever (a line that stays blocked ends the write short), and never past a stop
    // (stopFd readable) when one is watched.
    bool WriteWatching(const void* buffer, std::uint32_t count, std::uint32_t& done, int stopFd) {
        const auto deadline = std::chrono::steady_clock::now() + WriteLimit(count);
        const char* bytes = static_cast<const char*>(buffer);
        done = 0;
        while (done < count) {
            const ssize_t n = ::write(m_fd, bytes + done, count - done);
            if (n > 0) {
                done += static_cast<std::uint32_t>(n);
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR) {
                return FailWithErrno();
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                SetLastError(ETIMEDOUT);
                return false;
            }
            pollfd watched[2] = {{m_fd, POLLOUT, 0}, {stopFd, POLLIN, 0}};
            const int ready = poll(watched, stopFd >= 0 ? 2 : 1, static_cast<int>(left.count()));
            if (ready > 0 && stopFd >= 0 && watched[1].revents != 0) {
                SetLastError(ECANCELED);
                return false;
            }
        }
        return true;
    }

    bool SetModemLine(int bit, bool on) {
        if (ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &bit) == 0) {
            return true;
        }
        // A pty has no modem lines; that is no reason to refuse the line.
        return errno == EINVAL || errno == ENOTTY || FailWithErrno();
    }

    std::chrono::milliseconds WriteLimit(std::uint32_t count) const {
        const std::uint32_t rate = m_state.baudRate != 0 ? m_state.baudRate : 9600;
        return std::chrono::milliseconds(2000 + 10ULL * 1000 * count / rate +
                                         m_timeouts.writeTotalTimeoutConstant);
    }

    int m_fd;
    SavedLine m_original;
    LineState m_state;
    CommTimeouts m_timeouts;
};

}  // namespace

std::unique_ptr<CommPort> TermiosCommDriver::Open(const std::string& path) {
    std::string device;
    struct stat checked {};
    if (!ResolveSerialPath(path, device, checked)) {
        return nullptr;
    }
    if (IsOwnTerminal(checked.st_rdev)) {
        SetLastError(kOwnTerminal);
        return nullptr;
    }
    const int fd = OpenNoLinks(device);
    if (fd < 0) {
        // A link put in place of the checked file since is refused, not followed.
        SetLastError(static_cast<std::uint32_t>(errno == ELOOP ? ENOTTY : errno));
        return nullptr;
    }
    // Nothing touches the descriptor before it is known to be the file that was checked.
    struct stat opened {};
    int error = 0;
    int exclusive = 0;
    SavedLine original{};
    if (fstat(fd, &opened) != 0 || !S_ISCHR(opened.st_mode) || opened.st_dev != checked.st_dev ||
        opened.st_ino != checked.st_ino || opened.st_rdev != checked.st_rdev || !isatty(fd)) {
        error = ENOTTY;  // the path changed under us
    } else if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = (errno == EWOULDBLOCK) ? EBUSY : errno;
    } else if (ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0) {
        // Another program holds the line exclusively; root got past that, but must
        // neither use the line nor, at close, clear the other program's protection.
        error = EBUSY;
    } else if (ioctl(fd, TIOCEXCL) != 0 || !SaveLine(fd, original)) {
        error = errno;
    }
    if (error != 0) {
        ::close(fd);
        SetLastError(static_cast<std::uint32_t>(error));
        return nullptr;
    }
    DiscardStaleInput(fd);
    return std::make_unique<TermiosCommPort>(fd, original);
}

bool TermiosCommDriver::Exists(const std::string& path) {
    std::string device;
    struct stat info {};
    return ResolveSerialPath(path, device, info);
}

}  // namespace platform
