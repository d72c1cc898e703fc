#pragma once
// A host whose serial devices a test plugs in and out: a private mount namespace with a
// fake sysfs over /sys, a tmpfs over /dev and pty slaves bound where USB adapters' ttys
// would be. Discovery, the device checks and the open run unchanged inside it, and nothing
// outside the namespace sees it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "tests/platform/PtyPair.h"

class FakeHost {
  public:
    // The lines are made at once, while the real /dev/ptmx is there.
    FakeHost(const std::string& root, int lines) : m_root(root), m_sys(root + "/sys") {
        for (int i = 0; i < lines; ++i) {
            m_lines.emplace_back();
        }
    }

    PtyPair& Line(int index) { return m_lines.at(static_cast<std::size_t>(index)); }

    // Builds the namespace; false when this process may not (not root, no CAP_SYS_ADMIN).
    bool Enter() {
        namespace fs = std::filesystem;
        const std::string oldDev = m_root + "/olddev";
        fs::create_directories(m_sys + "/class/tty");
        fs::create_directories(oldDev);
        if (unshare(CLONE_NEWNS) != 0 ||
            mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            return false;
        }
        return mount(m_sys.c_str(), "/sys", nullptr, MS_BIND, nullptr) == 0 &&
               mount("/dev", oldDev.c_str(), nullptr, MS_BIND | MS_REC, nullptr) == 0 &&
               mount("tmpfs", "/dev", "tmpfs", 0, "mode=755") == 0 &&
               mkdir("/dev/pts", 0755) == 0 &&
               mount((oldDev + "/pts").c_str(), "/dev/pts", nullptr, MS_BIND, nullptr) == 0 &&
               BindBack(oldDev, "null");
    }

    // An FTDI adapter with that serial number in USB socket usbPath ("1-1"), its tty the line.
    void Plug(const std::string& tty, const std::string& usbPath, const std::string& serial,
              const PtyPair& line) {
        namespace fs = std::filesystem;
        const std::string device = m_sys + "/devices/usb1/" + usbPath;
        fs::create_directories(device + "/" + usbPath + ":1.0/" + tty);
        std::ofstream(device + "/idVendor") << "0403\n";
        std::ofstream(device + "/idProduct") << "6001\n";
        std::ofstream(device + "/manufacturer") << "FTDI\n";
        std::ofstream(device + "/product") << "FT232R USB UART\n";
        std::ofstream(device + "/serial") << serial << "\n";
        fs::create_directories(m_sys + "/class/tty/" + tty);
        // As the kernel's links read from inside the namespace, where the fake is /sys.
        fs::create_directory_symlink("/sys/devices/usb1/" + usbPath + "/" + usbPath + ":1.0/" + tty,
                                     m_sys + "/class/tty/" + tty + "/device");
        const std::string node = "/dev/" + tty;
        close(open(node.c_str(), O_CREAT | O_WRONLY, 0600));
        EXPECT_EQ(mount(line.Path().c_str(), node.c_str(), nullptr, MS_BIND, nullptr), 0);
    }

    void Unplug(const std::string& tty, const std::string& usbPath) {
        namespace fs = std::filesystem;
        fs::remove_all(m_sys + "/class/tty/" + tty);
        fs::remove_all(m_sys + "/devices/usb1/" + usbPath);
        umount2(("/dev/" + tty).c_str(), MNT_DETACH);
        unlink(("/dev/" + tty).c_str());
    }

  private:
    // A node of the real /dev, for programs run inside that need it.
    static bool BindBack(const std::string& oldDev, const std::string& name) {
        const std::string node = "/dev/" + name;
        close(open(node.c_str(), O_CREAT | O_WRONLY, 0600));
        return mount((oldDev + "/" + name).c_str(), node.c_str(), nullptr, MS_BIND, nullptr) == 0;
    }

    std::string m_root;
    std::string m_sys;
    std::deque<PtyPair> m_lines;
};

// Plays play in a child process inside a fake host with that many lines. The child's
// failures are printed and fail the test; where no private mount namespace is permitted
// the test is skipped.
inline void PlayInFakeHost(int lines, const std::function<void(FakeHost&)>& play) {
    constexpr int kNoNamespace = 77;
    char pattern[] = "/tmp/fake-host-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string root = pattern;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        unsetenv("BRINEVANE_PORTS");
        FakeHost host(root, lines);
        if (!host.Enter()) {
            _exit(kNoNamespace);
        }
        play(host);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    std::filesystem::remove_all(root);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kNoNamespace) {
        GTEST_SKIP() << "a private mount namespace is not permitted here (unshare -m needs "
                        "root or CAP_SYS_ADMIN): the test did not run";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the child's failures are printed above";
}
