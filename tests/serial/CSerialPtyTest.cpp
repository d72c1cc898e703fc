// The serial port on the Linux driver, with a pseudo-terminal as the cable.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/os/LastError.h"
#include "platform/ports/local/LineRate.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "tests/platform/PtyPair.h"

namespace {

using platform::GetLastError;
using Clock = std::chrono::steady_clock;

long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

int OpenDescriptors() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir) != nullptr) {
            ++count;
        }
        closedir(dir);
    }
    return count;
}

class CSerialPtyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_pty.Ok());
        setenv("BRINEVANE_PORTS", ("COM1=" + m_pty.Path()).c_str(), 1);
        PortMap::Refresh();
    }

    bool Open(CSerial& serial, std::uint32_t baud = 9600) {
        return serial.Open("COM1", baud, 0, 0, 8, 4096, 4096);
    }

    PtyPair m_pty;
    CSerial m_serial;
};

TEST_F(CSerialPtyTest, BytesCrossTheLineUnchangedBothWays) {
    ASSERT_TRUE(Open(m_serial));
    EXPECT_EQ(m_serial.WritePort("\n"), 1u);
    EXPECT_EQ(m_pty.MasterReadAll(), "\n");  // one 0x0A, no carriage return added
    EXPECT_EQ(m_serial.WritePort(std::string("\r\x11\x13\0\xff", 5)), 5u);
    EXPECT_EQ(m_pty.MasterReadAll(), std::string("\r\x11\x13\0\xff", 5));

    ASSERT_TRUE(m_pty.MasterWrite(std::string("\r\n\x03\x11>", 5)));
    std::string received;
    ASSERT_TRUE(Eventually([&] {
        char chunk[16];
        const std::uint32_t n = m_serial.ReadPort(chunk, sizeof chunk);
        received.append(chunk, n);
        return received.size() >= 5;
    }));
    EXPECT_EQ(received, std::string("\r\n\x03\x11>", 5));  // no echo, no translation
    EXPECT_EQ(m_pty.MasterReadAll(50), "");
}

TEST_F(CSerialPtyTest, EveryAcceptedRateReachesTheLine) {
    ASSERT_TRUE(Open(m_serial, 76800));
    std::uint32_t in = 0;
    std::uint32_t out = 0;
    ASSERT_TRUE(platform::GetLineRates(m_pty.Master(), in, out));
    EXPECT_EQ(in, 9600u);
    EXPECT_EQ(out, 9600u);
    platform::RawLine line{};
    ASSERT_TRUE(platform::GetRawLine(m_pty.Master(), line));
    EXPECT_EQ(line.dataBits, 8);
    EXPECT_EQ(line.parity, 0);
    EXPECT_FALSE(line.twoStopBits);

    // As the search does it: a new rate, then the line configured again.
    for (const std::uint32_t rate : {50u, 110u, 300u, 600u, 1200u, 2400u, 4800u, 9600u, 14400u,
                                     19200u, 38400u, 56000u, 57600u, 115200u, 128000u, 256000u}) {
        m_serial.SetBaud(rate);
        ASSERT_TRUE(m_serial.ConfigPort()) << rate;
        ASSERT_TRUE(platform::GetLineRates(m_pty.Master(), in, out));
        EXPECT_EQ(in, rate);
        EXPECT_EQ(out, rate);
    }
}

TEST_F(CSerialPtyTest, APortIsExclusiveUntilItsHolderClosesIt) {
    ASSERT_TRUE(Open(m_serial));
    int exclusive = 0;
    ASSERT_EQ(ioctl(m_pty.Slave(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 1);

    CSerial other;
    EXPECT_FALSE(Open(other));  // root included
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(EBUSY));
    EXPECT_FALSE(other.PortAvailable("COM1"));
    EXPECT_FALSE(m_serial.PortAvailable("COM1"));

    m_serial.Close();
    ASSERT_EQ(ioctl(m_pty.Slave(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);  // other users' programs may open it again
    EXPECT_TRUE(other.PortAvailable("COM1"));
    EXPECT_TRUE(Open(other));
}

TEST_F(CSerialPtyTest, OpenStartsWithAnEmptyInputAndABreakEmptiesItAgain) {
    // Bytes a raw line received while nobody held it (as the simulator keeps its line).
    termios raw{};
    ASSERT_EQ(tcgetattr(m_pty.Slave(), &raw), 0);
    cfmakeraw(&raw);
    ASSERT_EQ(tcsetattr(m_pty.Slave(), TCSANOW, &raw), 0);
    ASSERT_TRUE(m_pty.MasterWrite("left from before"));
    ASSERT_TRUE(Eventually([&] {
        int waiting = 0;
        return ioctl(m_pty.Slave(), FIONREAD, &waiting) == 0 && waiting == 16;
    }));
    ASSERT_TRUE(Open(m_serial));
    EXPECT_FALSE(m_serial.kbhit());

    ASSERT_TRUE(m_pty.MasterWrite("noise"));
    ASSERT_TRUE(Eventually([&] { return m_serial.kbhit(); }));
    EXPECT_TRUE(m_serial.SendBreak(0));
    EXPECT_FALSE(m_serial.kbhit());
    char buffer[8];
    EXPECT_EQ(m_serial.ReadPort(buffer, sizeof buffer), 0u);
}

TEST_F(CSerialPtyTest, ReadTakesWhatHasArrivedAndNeverWaitsForMore) {
    ASSERT_TRUE(Open(m_serial));
    char buffer[10];
    platform::SetLastError(0);
    auto start = Clock::now();
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(m_serial.ReadPort(buffer, sizeof buffer), 0u);
    }
    EXPECT_LT(MsSince(start), 200);
    EXPECT_EQ(GetLastError(), 0u);

    ASSERT_TRUE(m_pty.MasterWrite("abc"));
    ASSERT_TRUE(Eventually([&] { return m_serial.kbhit(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));  // all three in
    start = Clock::now();
    EXPECT_EQ(m_serial.ReadPort(buffer, sizeof buffer), 3u);
    EXPECT_LT(MsSince(start), 100);
    EXPECT_EQ(std::string(buffer, 3), "abc");
}

TEST_F(CSerialPtyTest, ALineWhoseFarEndHasGoneReportsNothingAndNeverHangs) {
    ASSERT_TRUE(Open(m_serial));
    ASSERT_TRUE(m_pty.MasterWrite("x"));
    ASSERT_TRUE(Eventually([&] { return m_serial.kbhit(); }));
    m_pty.CloseMaster();
    const auto start = Clock::now();
    char buffer[4];
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(m_serial.kbhit());
        EXPECT_EQ(m_serial.ReadPort(buffer, sizeof buffer), 0u);
    }
    EXPECT_EQ(m_serial.WritePort("\n"), 0u);
    EXPECT_NE(GetLastError(), 0u);
    EXPECT_LT(MsSince(start), 1000);
    m_serial.Close();
    EXPECT_FALSE(m_serial.IsOpen());
}

TEST_F(CSerialPtyTest, OpeningAndClosingLeavesNoDescriptorBehind) {
    CSerial holder;
    const int before = OpenDescriptors();
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(Open(m_serial, i % 2 ? 9600 : 115200));
        ASSERT_FALSE(Open(holder));  // busy: refused after its descriptor was opened
        ASSERT_FALSE(m_serial.PortAvailable("COM1"));
        m_serial.Close();
        ASSERT_TRUE(m_serial.PortAvailable("COM1"));
    }
    // An object that opens again without closing lets its earlier port go.
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(Open(m_serial));
    }
    m_serial.Close();
    EXPECT_EQ(OpenDescriptors(), before);
}

}  // namespace
