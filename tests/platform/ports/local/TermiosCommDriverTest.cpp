#include "platform/ports/local/TermiosCommDriver.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "platform/os/LastError.h"
#include "platform/ports/local/LocalErrors.h"
#include "tests/platform/PtyPair.h"

namespace {

namespace fs = std::filesystem;
using platform::GetLastError;

class TermiosCommDriverTest : public ::testing::Test {
  protected:
    platform::TermiosCommDriver m_driver;
};

// Opens on a thread of its own, so that an open that blocks fails the test instead of
// hanging it. Whatever opens is closed again at once.
bool OpenedWithin(const std::string& path, std::uint32_t& error, bool& timedOut) {
    auto result = std::make_shared<std::promise<std::pair<bool, std::uint32_t>>>();
    auto done = result->get_future();
    std::thread([path, result] {
        platform::TermiosCommDriver driver;
        const bool opened = driver.Open(path) != nullptr;
        result->set_value({opened, platform::GetLastError()});
    }).detach();
    timedOut = done.wait_for(std::chrono::seconds(2)) != std::future_status::ready;
    if (timedOut) {
        return false;
    }
    const auto [opened, lastError] = done.get();
    error = lastError;
    return opened;
}

TEST_F(TermiosCommDriverTest, RefusesWhatIsNotASerialLineWithoutOpeningIt) {
    char pattern[] = "/tmp/termios-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    std::ofstream(dir + "/file") << "not a tty\n";
    ASSERT_EQ(mkfifo((dir + "/fifo").c_str(), 0600), 0);
    fs::create_directory(dir + "/subdir");
    fs::create_symlink(dir + "/file", dir + "/link");

    // Any open of an entry in the folder would show up as an event.
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, dir.c_str(), IN_OPEN | IN_ACCESS), 0);

    for (const std::string name : {"file", "fifo", "subdir", "link"}) {
        const std::string path = dir + "/" + name;
        std::uint32_t error = 0;
        bool timedOut = false;
        EXPECT_FALSE(OpenedWithin(path, error, timedOut)) << name;
        ASSERT_FALSE(timedOut) << name;
        EXPECT_EQ(error, static_cast<std::uint32_t>(ENOTTY)) << name;
        EXPECT_FALSE(m_driver.Exists(path)) << name;
    }
    char events[4096];
    EXPECT_EQ(read(watch, events, sizeof events), -1) << "something in the folder was opened";
    std::ifstream(dir + "/file").get();  // the watch does see an open
    EXPECT_GT(read(watch, events, sizeof events), 0);
    close(watch);
    fs::remove_all(dir);

    // Devices that are not serial lines: a new pty's master, the controlling terminal.
    for (const std::string path : {"/dev/null", "/dev/zero", "/dev/ptmx", "/dev/tty"}) {
        if (!fs::exists(path)) {
            continue;
        }
        EXPECT_EQ(m_driver.Open(path), nullptr) << path;
        EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ENOTTY)) << path;
        EXPECT_FALSE(m_driver.Exists(path)) << path;
    }
    for (const std::string path : {"", "dev/null", "/dev/does-not-exist"}) {
        EXPECT_EQ(m_driver.Open(path), nullptr) << path;
        EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ENOENT)) << path;
        EXPECT_FALSE(m_driver.Exists(path)) << path;
    }
}

TEST_F(TermiosCommDriverTest, APtySlaveIsALineThatOnlyOneHolderGets) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    EXPECT_TRUE(m_driver.Exists(pty.Path()));
    auto first = m_driver.Open(pty.Path());
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(m_driver.Exists(pty.Path()));  // in use, and still there

    // TIOCEXCL keeps other users out, but root (as CI runs) passes it: the lock keeps a
    // second holder out either way.
    EXPECT_EQ(m_driver.Open(pty.Path()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(EBUSY));

    int exclusive = 0;
    ASSERT_EQ(ioctl(pty.Slave(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 1);
    EXPECT_TRUE(first->Close());
    ASSERT_EQ(ioctl(pty.Slave(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    EXPECT_NE(m_driver.Open(pty.Path()), nullptr);
}

TEST_F(TermiosCommDriverTest, ALineWithoutModemLinesIsStillConfigured) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    auto port = m_driver.Open(pty.Path());
    ASSERT_NE(port, nullptr);
    platform::LineState state;
    ASSERT_TRUE(port->GetState(state));
    state.baudRate = 19200;
    state.dtrOn = true;
    state.rtsOn = true;
    EXPECT_TRUE(port->SetState(state));  // a pty has no DTR or RTS to raise
    platform::LineState back;
    ASSERT_TRUE(port->GetState(back));
    EXPECT_EQ(back.baudRate, 19200u);
    EXPECT_EQ(back.byteSize, 8);

    // Flow control and unknown codes are refused rather than run as something else.
    platform::LineState flow = state;
    flow.outX = true;
    EXPECT_FALSE(port->SetState(flow));
    platform::LineState parity = state;
    parity.parity = 7;
    EXPECT_FALSE(port->SetState(parity));
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(EINVAL));
}

TEST_F(TermiosCommDriverTest, LeavesOtherPeoplesTerminalsAndLinesAsItFoundThem) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());

    // This program's own terminal (here its standard input) is refused untouched.
    const int savedInput = dup(0);
    ASSERT_EQ(dup2(pty.Slave(), 0), 0);
    EXPECT_EQ(m_driver.Open(pty.Path()), nullptr);
    const std::uint32_t ownError = GetLastError();
    dup2(savedInput, 0);
    close(savedInput);
    EXPECT_EQ(ownError, platform::kOwnTerminal);

    // Another program's exclusive hold keeps root out, and survives our attempt.
    ASSERT_EQ(ioctl(pty.Slave(), TIOCEXCL), 0);
    EXPECT_EQ(m_driver.Open(pty.Path()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(EBUSY));
    int exclusive = 0;
    ASSERT_EQ(ioctl(pty.Slave(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 1);
    ASSERT_EQ(ioctl(pty.Slave(), TIOCNXCL), 0);

    // A line we configured gets its settings back at close: a cooked 2400 baud line.
    termios before{};
    ASSERT_EQ(tcgetattr(pty.Slave(), &before), 0);
    before.c_lflag |= ECHO | ICANON;
    before.c_oflag |= OPOST | ONLCR;
    cfsetspeed(&before, B2400);
    ASSERT_EQ(tcsetattr(pty.Slave(), TCSANOW, &before), 0);
    auto port = m_driver.Open(pty.Path());
    ASSERT_NE(port, nullptr);
    platform::LineState state;
    ASSERT_TRUE(port->GetState(state));
    state.baudRate = 115200;
    ASSERT_TRUE(port->SetState(state));
    EXPECT_TRUE(port->Close());
    termios after{};
    ASSERT_EQ(tcgetattr(pty.Slave(), &after), 0);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_oflag, before.c_oflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    EXPECT_EQ(cfgetospeed(&after), static_cast<speed_t>(B2400));
}

// A name swapped between two terminals while it is checked and opened: the line the open
// ends up with must be the one the check passed, never this program's own terminal.
TEST_F(TermiosCommDriverTest, ANameSwappedUnderTheOpenNeverReachesTheCheckedOutTerminal) {
    PtyPair line;
    PtyPair own;
    ASSERT_TRUE(line.Ok() && own.Ok());
    const int savedInput = dup(STDIN_FILENO);
    ASSERT_GE(savedInput, 0);
    ASSERT_EQ(dup2(own.Slave(), STDIN_FILENO), STDIN_FILENO);  // the terminal we run in

    char pattern[] = "/tmp/termios-swap-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const std::string name = dir + "/port";
    std::atomic<bool> swapping{true};
    std::thread swapper([&] {
        for (bool toLine = true; swapping; toLine = !toLine) {
            const std::string next = dir + "/next";
            ::unlink(next.c_str());
            if (::symlink((toLine ? line : own).Path().c_str(), next.c_str()) == 0) {
                ::rename(next.c_str(), name.c_str());
            }
        }
    });
    // Enough opens of the line to have raced the swap many times, within a bounded time.
    int opened = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (opened < 1000 && std::chrono::steady_clock::now() < deadline) {
        if (auto port = m_driver.Open(name)) {
            std::uint32_t done = 0;
            port->Write("!", 1, done);
            ++opened;
        }
    }
    swapping = false;
    swapper.join();
    dup2(savedInput, STDIN_FILENO);
    ::close(savedInput);
    fs::remove_all(dir);

    EXPECT_GT(opened, 0) << "the swap never let the line through; the test saw nothing";
    EXPECT_EQ(own.MasterReadAll(20).find('!'), std::string::npos)
        << "a port was opened on the terminal the check had refused";
}

}  // namespace
