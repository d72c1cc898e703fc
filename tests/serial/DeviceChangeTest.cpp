// A device plugged in or out between the listing of the ports and the connection, played
// end to end: a private mount namespace with a fake sysfs over /sys, a tmpfs over /dev and
// pty slaves bound where USB adapters' ttys would be. Discovery and the open run unchanged.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/os/LastError.h"
#include "serial/CSerial.h"
#include "serial/PortDiagnosis.h"
#include "tests/platform/PtyPair.h"

namespace {

namespace fs = std::filesystem;

constexpr int kNoNamespace = 77;

// The host as the namespace shows it: USB adapters plugged into sockets, each with a tty
// backed by a pty slave.
class FakeHost {
  public:
    explicit FakeHost(const std::string& root) : m_sys(root + "/sys") {}

    // Builds the namespace; false when this process may not (not root, no CAP_SYS_ADMIN).
    bool Enter(const std::string& root) {
        const std::string oldDev = root + "/olddev";
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
               mount((oldDev + "/pts").c_str(), "/dev/pts", nullptr, MS_BIND, nullptr) == 0;
    }

    void Plug(const std::string& tty, const std::string& usbPath, const std::string& serial,
              const PtyPair& line) {
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
        fs::remove_all(m_sys + "/class/tty/" + tty);
        fs::remove_all(m_sys + "/devices/usb1/" + usbPath);
        umount2(("/dev/" + tty).c_str(), MNT_DETACH);
        unlink(("/dev/" + tty).c_str());
    }

  private:
    std::string m_sys;
};

// Runs in the child, inside its own namespace: what the settings page and the connection do.
void PlayReplugs(FakeHost& host, PtyPair& first, PtyPair& second) {
    ASSERT_TRUE(first.Ok() && second.Ok());
    const auto reaches = [](CSerial& serial, PtyPair& line) {
        const bool opened = serial.Open("COM1", 9600, 0, 0, 8, 4096, 4096);
        const bool reached = opened && serial.WritePort("\n") == 1 && line.MasterReadAll() == "\n";
        serial.Close();
        return reached;
    };
    host.Plug("ttyUSB0", "1-1", "A1", first);
    CSerial serial;
    serial.EnumeratePorts();  // as the settings page lists the ports
    ASSERT_EQ(serial.NextAvailablePort(), 1);

    // Another adapter in its socket, under its tty: refused, and explained.
    host.Unplug("ttyUSB0", "1-1");
    host.Plug("ttyUSB0", "1-1", "B2", second);
    EXPECT_FALSE(serial.Open("COM1", 9600, 0, 0, 8, 4096, 4096));
    EXPECT_EQ(platform::GetLastError(), SERIAL_E_DEVICE_CHANGED);
    EXPECT_EQ(PortDiagnosis::ExplainOpenFailure("COM1", SERIAL_E_DEVICE_CHANGED),
              "the device under COM1 has changed since the ports were listed: it was FTDI "
              "FT232R USB UART (serial A1) on /dev/ttyUSB0, it is now FTDI FT232R USB UART "
              "(serial B2) on /dev/ttyUSB0; choose the port again from a new list of ports");

    // The first one back under another tty: COM1 still reaches it.
    host.Unplug("ttyUSB0", "1-1");
    host.Plug("ttyUSB1", "1-1", "A1", first);
    EXPECT_TRUE(reaches(serial, first));

    // Listed again with the other one first by position: the names stay with the devices.
    host.Plug("ttyUSB0", "1-2", "B2", second);
    serial.EnumeratePorts();
    EXPECT_EQ(serial.NextAvailablePort(), 1);
    EXPECT_EQ(serial.NextAvailablePort(), 2);
    EXPECT_TRUE(reaches(serial, first));
    EXPECT_EQ(second.MasterReadAll(), "");
}

TEST(DeviceChangeTest, ANameReachesItsDeviceOrTheOpenSaysItChanged) {
    char pattern[] = "/tmp/device-change-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string root = pattern;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        unsetenv("BRINEVANE_PORTS");
        PtyPair first;  // made while /dev/ptmx is there
        PtyPair second;
        FakeHost host(root);
        if (!host.Enter(root)) {
            _exit(kNoNamespace);
        }
        PlayReplugs(host, first, second);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    fs::remove_all(root);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kNoNamespace) {
        GTEST_SKIP() << "a private mount namespace is not permitted here (unshare -m needs "
                        "root or CAP_SYS_ADMIN): the replug test did not run";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the child's failures are printed above";
}

}  // namespace
