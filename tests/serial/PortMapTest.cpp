#include "serial/PortMap.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/os/LastError.h"
#include "platform/ports/CommDriverRegistry.h"
#include "serial/PortDiagnosis.h"
#include "tests/support/FakeCommDriver.h"

namespace {

namespace fs = std::filesystem;

TEST(PortMapTest, OnlyCom1ToCom32InAnyCaseAreNames) {
    EXPECT_EQ(PortMap::PortNumber("COM1"), 1);
    EXPECT_EQ(PortMap::PortNumber("com1"), 1);
    EXPECT_EQ(PortMap::PortNumber("cOm32"), 32);
    for (const std::string& bad : std::vector<std::string>{
             "COM0", "com0", "cpm1", "COM33", "COM1x", "", "COM", "COM01", "COM-1", "COM+1",
             " COM1", "COM4294967297", std::string("COM1\0", 5), "COM\xb9", "../../etc/passwd"}) {
        EXPECT_EQ(PortMap::PortNumber(bad), 0) << bad;
    }
}

TEST(PortMapTest, ResolveGivesMappedDevicesAndNothingForOtherNames) {
    const PortMap map = PortMap::Parse("COM1=/dev/ttyUSB0,COM32=/dev/pts/7", nullptr);
    EXPECT_EQ(map.Resolve("COM1"), "/dev/ttyUSB0");
    EXPECT_EQ(map.Resolve("com32"), "/dev/pts/7");
    EXPECT_EQ(map.Resolve("/dev/ttyACM0"), "/dev/ttyACM0");
    for (const std::string& bad : std::vector<std::string>{
             "COM0", "COM33", "COM1x", "", "COM2", "../../etc/passwd", "/dev/../etc/passwd",
             "/etc/passwd", "dev/ttyS0", std::string("/dev/ttyS0\0/x", 13)}) {
        EXPECT_EQ(map.Resolve(bad), "") << bad;
    }
}

TEST(PortMapTest, ParseKeepsGoodEntriesAndReportsEachBadOne) {
    std::vector<std::string> problems;
    const PortMap map = PortMap::Parse(
        " COM1=/dev/pts/3 ,COM4=/dev/ttyUSB0,,COM2/dev/pts/4,COM1=/dev/pts/9,COM33=/dev/pts/5,"
        "COM0=/dev/pts/6,com3=/dev/pts/7,COM5=,COM6=relative,COM7=/dev/ttyS1",
        &problems);
    const std::vector<PortInfo> ports = map.Ports();
    ASSERT_EQ(ports.size(), 4u);
    EXPECT_EQ(ports[0].name, "COM1");
    EXPECT_EQ(ports[0].number, 1);
    EXPECT_EQ(ports[0].path, "/dev/pts/3");  // the first of two COM1 entries
    EXPECT_EQ(ports[1].name, "COM3");        // named as the program names it
    EXPECT_EQ(ports[2].name, "COM4");
    EXPECT_EQ(ports[2].path, "/dev/ttyUSB0");
    EXPECT_EQ(ports[3].name, "COM7");
    EXPECT_EQ(problems.size(), 6u);
    for (const std::string needle :
         {"COM2/dev/pts/4", "COM1=/dev/pts/9", "COM33", "COM0", "COM5=", "COM6=relative"}) {
        bool named = false;
        for (const std::string& problem : problems) {
            named = named || problem.find(needle) != std::string::npos;
        }
        EXPECT_TRUE(named) << needle;
    }
    EXPECT_EQ(map.Find(2), nullptr);
    EXPECT_EQ(map.Find(0), nullptr);
    EXPECT_EQ(map.Find(33), nullptr);
    ASSERT_NE(map.FindByName("COM4"), nullptr);
    EXPECT_EQ(map.FindByName("COM4")->number, 4);
}

TEST(PortMapTest, ANameUnderASchemeIsADeviceOnlyWhileADriverServesIt) {
    std::vector<std::string> problems;
    EXPECT_TRUE(PortMap::Parse("COM1=fake://a", &problems).Ports().empty());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0],
              "'COM1=fake://a': the device must be an absolute path or a name under rfc2217://, "
              "socket://");
    EXPECT_EQ(PortMap().Resolve("fake://a"), "");
    problems.clear();
    EXPECT_TRUE(PortMap::Parse("COM4=rfc2217://portserver", &problems).Ports().empty());
    EXPECT_EQ(problems,
              std::vector<std::string>{
                  "'COM4=rfc2217://portserver': a network port's address is rfc2217://HOST:PORT"});

    support::ScopedFakeCommDriver fake;
    problems.clear();
    const PortMap map =
        PortMap::Parse("COM1=fake://a,COM2=telnet://host:4001,COM3=fake://", &problems);
    ASSERT_EQ(map.Ports().size(), 1u);
    EXPECT_EQ(map.Resolve("COM1"), "fake://a");
    EXPECT_EQ(map.Resolve("fake://b"), "fake://b");
    EXPECT_EQ(map.Resolve("fake://"), "");
    EXPECT_EQ(map.Resolve("telnet://host:4001"), "");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0],
              "'COM2=telnet://host:4001': the device must be an absolute path or a name under "
              "fake://, rfc2217://, socket://");
}

TEST(PortMapTest, AnEmptySettingMeansNoPortsAtAll) {
    std::vector<std::string> problems;
    EXPECT_TRUE(PortMap::Parse("", &problems).Ports().empty());
    EXPECT_TRUE(problems.empty());
    setenv("BRINEVANE_PORTS", "", 1);
    EXPECT_TRUE(PortMap::Refresh()->Ports().empty());
    setenv("BRINEVANE_PORTS", "COM2=/dev/pts/1", 1);
    EXPECT_TRUE(PortMap::Current()->Ports().empty());  // until refreshed
    ASSERT_EQ(PortMap::Refresh()->Ports().size(), 1u);
    EXPECT_EQ(PortMap::Current()->Resolve("COM2"), "/dev/pts/1");
}

TEST(PortMapTest, DescriptionJoinsWhatIsKnown) {
    PortInfo info;
    EXPECT_EQ(info.Description(), "");
    info.product = "FT232R USB UART";
    EXPECT_EQ(info.Description(), "FT232R USB UART");
    info.vendor = "FTDI";
    info.serialNumber = "A12345";
    EXPECT_EQ(info.Description(), "FTDI FT232R USB UART (serial A12345)");
}

// A sysfs and /dev tree built in a temporary folder.
class DiscoverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/portmap-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_root = pattern;
        m_sys = m_root + "/sys";
        m_dev = m_root + "/dev";
        fs::create_directories(m_sys + "/class/tty");
        fs::create_directories(m_dev);
    }
    void TearDown() override { fs::remove_all(m_root); }

    void Write(const std::string& path, const std::string& text) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << text << "\n";
    }

    // A tty whose device link points at devicePath (under sys/devices), with a type file
    // when type is not empty.
    void AddTty(const std::string& name, const std::string& devicePath,
                const std::string& type = "") {
        const std::string dir = m_sys + "/class/tty/" + name;
        fs::create_directories(dir);
        if (!devicePath.empty()) {
            const std::string target = m_sys + "/devices/" + devicePath;
            fs::create_directories(target);
            fs::create_directory_symlink(target, dir + "/device");
        }
        if (!type.empty()) {
            Write(dir + "/type", type);
        }
    }

    std::vector<std::string> Paths(const PortMap& map) {
        std::vector<std::string> paths;
        for (const PortInfo& info : map.Ports()) {
            paths.push_back(info.path.substr(m_dev.size() + 1));
        }
        return paths;
    }

    std::string m_root;
    std::string m_sys;
    std::string m_dev;
};

TEST_F(DiscoverTest, KeepsRealSerialPortsInFamilyAndNumberOrder) {
    AddTty("ttyS0", "platform/serial8250/ttyS0", "4");  // the console
    AddTty("ttyS1", "platform/serial8250/ttyS1", "0");  // a ghost slot
    AddTty("ttyS2", "platform/serial8250/ttyS2", "4");
    AddTty("ttyS10", "platform/serial8250/ttyS10", "4");
    AddTty("ttyS3", "");                           // no device behind it
    AddTty("ttyS4", "platform/serial8250/ttyS4");  // no type at all
    AddTty("ttyUSB10", "usb1/1-3/1-3:1.0/ttyUSB10");
    AddTty("ttyUSB2", "usb1/1-2/1-2:1.0/ttyUSB2");
    AddTty("ttyACM0", "usb1/1-4/1-4:1.0");
    AddTty("ttyAMA0", "platform/uart/ttyAMA0");
    AddTty("rfcomm0", "bluetooth/rfcomm0");
    AddTty("ttyMXC1", "platform/mxc/ttyMXC1");
    AddTty("tty1", "");
    AddTty("console", "");
    Write(m_sys + "/class/tty/console/active", "tty0 ttyS0");

    const PortMap map = PortMap::Discover(m_sys, m_dev);
    const std::vector<std::string> expected = {"ttyS2",   "ttyS10",  "ttyUSB2", "ttyUSB10",
                                               "ttyACM0", "ttyAMA0", "rfcomm0", "ttyMXC1"};
    EXPECT_EQ(Paths(map), expected);
    ASSERT_NE(map.Find(1), nullptr);
    EXPECT_EQ(map.Find(1)->name, "COM1");
    EXPECT_EQ(map.Find(8)->name, "COM8");
    EXPECT_EQ(map.Find(1)->path, m_dev + "/ttyS2");
}

TEST_F(DiscoverTest, ReadsTheUsbIdentityAndTheStableLink) {
    AddTty("ttyUSB0", "pci0/usb1/1-1/1-1:1.0/ttyUSB0");
    Write(m_sys + "/devices/pci0/usb1/1-1/idVendor", "0403");
    Write(m_sys + "/devices/pci0/usb1/1-1/idProduct", "6001");
    Write(m_sys + "/devices/pci0/usb1/1-1/manufacturer", "FTDI");
    Write(m_sys + "/devices/pci0/usb1/1-1/product", "FT232R USB UART");
    Write(m_sys + "/devices/pci0/usb1/1-1/serial", "A12345");
    AddTty("ttyACM0", "pci0/usb1/1-2/1-2:1.0");
    Write(m_sys + "/devices/pci0/usb1/1-2/idVendor", "2341");
    Write(m_sys + "/devices/pci0/usb1/1-2/idProduct", "0043");
    fs::create_directories(m_dev + "/serial/by-id");
    fs::create_symlink("../../ttyUSB0", m_dev + "/serial/by-id/usb-FTDI_FT232R_A12345-if00");

    const PortMap map = PortMap::Discover(m_sys, m_dev);
    const PortInfo* ftdi = map.Find(1);
    ASSERT_NE(ftdi, nullptr);
    EXPECT_EQ(ftdi->path, m_dev + "/ttyUSB0");
    EXPECT_EQ(ftdi->vendor, "FTDI");
    EXPECT_EQ(ftdi->product, "FT232R USB UART");
    EXPECT_EQ(ftdi->serialNumber, "A12345");
    EXPECT_EQ(ftdi->byIdPath, m_dev + "/serial/by-id/usb-FTDI_FT232R_A12345-if00");
    EXPECT_EQ(ftdi->Description(), "FTDI FT232R USB UART (serial A12345)");

    const PortInfo* acm = map.Find(2);
    ASSERT_NE(acm, nullptr);
    EXPECT_EQ(acm->vendor, "2341");  // no manufacturer string: the ids stand in
    EXPECT_EQ(acm->product, "0043");
    EXPECT_EQ(acm->serialNumber, "");
    EXPECT_EQ(acm->byIdPath, "");
}

TEST_F(DiscoverTest, FillsAtMostThirtyTwoSlots) {
    for (int i = 0; i < 40; ++i) {
        AddTty("ttyUSB" + std::to_string(i), "usb/ttyUSB" + std::to_string(i));
    }
    const PortMap map = PortMap::Discover(m_sys, m_dev);
    EXPECT_EQ(map.Ports().size(), 32u);
    ASSERT_NE(map.Find(32), nullptr);
    EXPECT_EQ(map.Find(32)->path, m_dev + "/ttyUSB31");
}

TEST_F(DiscoverTest, AHostWithoutTtysHasNoPorts) {
    EXPECT_TRUE(PortMap::Discover(m_root + "/nowhere", m_dev).Ports().empty());
    EXPECT_TRUE(PortMap::Discover(m_sys, m_dev).Ports().empty());
}

}  // namespace

// A USB adapter in the fake sysfs: its tty under interface usbPath:1.0 of the USB device.
class IdentityTest : public DiscoverTest {
  protected:
    void Plug(const std::string& tty, const std::string& usbPath, const std::string& serial) {
        const std::string device = "pci0/usb1/" + usbPath;
        AddTty(tty, device + "/" + usbPath + ":1.0/" + tty);
        Write(m_sys + "/devices/" + device + "/idVendor", "0403");
        Write(m_sys + "/devices/" + device + "/idProduct", "6001");
        Write(m_sys + "/devices/" + device + "/manufacturer", "FTDI");
        Write(m_sys + "/devices/" + device + "/serial", serial);
    }
    void Unplug(const std::string& tty, const std::string& usbPath) {
        fs::remove_all(m_sys + "/class/tty/" + tty);
        fs::remove_all(m_sys + "/devices/pci0/usb1/" + usbPath);
    }
};

TEST_F(IdentityTest, AnOpenFollowsTheDeviceOrSaysWhatChanged) {
    Plug("ttyUSB0", "1-1", "A1");
    const PortMap seen = PortMap::Discover(m_sys, m_dev);
    std::string path = seen.Resolve("COM1");
    EXPECT_EQ(seen.Confirm("COM1", &path), "");
    EXPECT_EQ(path, m_dev + "/ttyUSB0");

    // Another adapter in the same socket, under the same tty.
    Unplug("ttyUSB0", "1-1");
    Plug("ttyUSB0", "1-1", "B2");
    EXPECT_EQ(seen.Confirm("COM1", &path), "it was FTDI 6001 (serial A1) on " + m_dev +
                                               "/ttyUSB0, it is now FTDI 6001 (serial B2) on " +
                                               m_dev + "/ttyUSB0");

    // The first one back, under another tty: followed there.
    Unplug("ttyUSB0", "1-1");
    Plug("ttyUSB3", "1-1", "A1");
    EXPECT_EQ(seen.Confirm("COM1", &path), "");
    EXPECT_EQ(path, m_dev + "/ttyUSB3");

    Unplug("ttyUSB3", "1-1");
    EXPECT_EQ(seen.Confirm("COM1", &path),
              "it was FTDI 6001 (serial A1) on " + m_dev + "/ttyUSB0, which is no longer there");
    // The user's own map: the path is the device.
    EXPECT_EQ(PortMap::Parse("COM1=/dev/pts/9", nullptr).Confirm("COM1", &path), "");
}

TEST_F(IdentityTest, ARefreshKeepsEachDeviceItsNameAndGivesNoNameTwice) {
    Plug("ttyUSB0", "1-1", "A1");
    Plug("ttyUSB1", "1-2", "B2");
    const PortMap first = PortMap::Discover(m_sys, m_dev);

    // A goes and C comes: positions would make B COM1 and C COM2.
    Unplug("ttyUSB0", "1-1");
    Plug("ttyUSB2", "1-3", "C3");
    const PortMap second = PortMap::KeepNames(first, PortMap::Discover(m_sys, m_dev));
    ASSERT_NE(second.Find(2), nullptr);
    EXPECT_EQ(second.Find(2)->serialNumber, "B2");
    ASSERT_NE(second.Find(3), nullptr);
    EXPECT_EQ(second.Find(3)->serialNumber, "C3");
    EXPECT_EQ(second.Find(1), nullptr);
    EXPECT_EQ(second.Find(3)->name, "COM3");

    // A back: its old name was free in the map before, and no device had it there.
    Plug("ttyUSB0", "1-1", "A1");
    const PortMap third = PortMap::KeepNames(second, PortMap::Discover(m_sys, m_dev));
    EXPECT_EQ(third.Ports().size(), 3u);
    EXPECT_EQ(third.Find(1)->serialNumber, "A1");
    EXPECT_EQ(third.Find(3)->serialNumber, "C3");
}

// The settings page's "Add network port...": the next free name, kept by every refresh.
TEST(PortMapTest, ANetworkPortAddedForTheRunTakesTheNextFreeNameAndStays) {
    setenv("BRINEVANE_PORTS", "COM1=/dev/pts/1,COM3=/dev/pts/3", 1);
    PortMap::Refresh();
    std::string problem;
    EXPECT_EQ(PortMap::AddNetworkPort("rfc2217://portserver.example", &problem), "");
    EXPECT_EQ(problem,
              "'rfc2217://portserver.example' is not the address of a network port: give "
              "rfc2217://HOST:PORT or socket://HOST:PORT");
    EXPECT_EQ(PortMap::AddNetworkPort("rfc2217://portserver.example:4001", &problem), "COM2");
    EXPECT_EQ(PortMap::AddNetworkPort("socket://10.0.0.5:4002", &problem), "COM4");
    const auto map = PortMap::Refresh();
    EXPECT_EQ(map->Resolve("COM2"), "rfc2217://portserver.example:4001");
    EXPECT_EQ(map->Resolve("COM4"), "socket://10.0.0.5:4002");
}

namespace {

// A transport is its driver and one registration: the map and the diagnosis take a name's
// form, its problems and its failures from the driver alone.
class WordyDriver : public platform::CommDriver {
  public:
    std::unique_ptr<platform::CommPort> Open(const std::string&) override { return nullptr; }
    bool Exists(const std::string& name) override { return NameProblem(name).empty(); }
    std::string NameForm() const override { return "wordy://NAME"; }
    std::string NameProblem(const std::string& name) const override {
        return name == "wordy://bad" ? "a wordy name is wordy://NAME" : "";
    }
    Failure DescribeOpenFailure(const std::string&, const std::string& port,
                                std::uint32_t error) const override {
        if (error == 7) {
            return {"jammed", port + " is jammed"};
        }
        return error == 8 ? Failure{"wordless", ""} : Failure{};
    }
};

}  // namespace

TEST(PortMapTest, ADriverSpeaksForItsOwnNames) {
    ASSERT_TRUE(platform::CommDriverRegistry::Process().Register("wordy://",
                                                                 std::make_shared<WordyDriver>()));
    setenv("BRINEVANE_PORTS", "COM1=wordy://good", 1);
    PortMap::Refresh();
    std::vector<std::string> problems;
    PortMap::Parse("COM2=wordy://bad", &problems);
    EXPECT_EQ(problems,
              std::vector<std::string>{"'COM2=wordy://bad': a wordy name is wordy://NAME"});
    std::string problem;
    EXPECT_EQ(PortMap::AddNetworkPort("wordy://bad", &problem), "");
    EXPECT_EQ(problem,
              "'wordy://bad' is not the address of a network port: give rfc2217://HOST:PORT or "
              "socket://HOST:PORT or wordy://NAME");

    EXPECT_EQ(PortDiagnosis::ExplainOpenFailure("COM1", 7), "COM1 (wordy://good) is jammed");
    EXPECT_STREQ(PortDiagnosis::OpenFailureCode("COM1", 7), "jammed");
    // A code without words reads in the system's; no code reads as a local device.
    EXPECT_EQ(PortDiagnosis::ExplainOpenFailure("COM1", 8),
              "COM1 (wordy://good) could not be opened: " + platform::LastErrorText(8));
    EXPECT_STREQ(PortDiagnosis::OpenFailureCode("COM1", 8), "wordless");
    EXPECT_STREQ(PortDiagnosis::OpenFailureCode("COM1", ENOENT), "not-there");
    platform::CommDriverRegistry::Process().Unregister("wordy://");
}
