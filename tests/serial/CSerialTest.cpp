#include "serial/CSerial.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>

#include "platform/os/LastError.h"
#include "serial/PortMap.h"
#include "tests/support/FakeCommDriver.h"

namespace {

using platform::GetLastError;
using platform::SetLastError;
using support::FakeCall;
using Clock = std::chrono::steady_clock;

#ifdef _WIN32
// The C runtime drops a variable set empty; a blank map is the same map.
int setenv(const char* name, const char* value, int) {
    return _putenv_s(name, *value != '\0' ? value : " ");
}
#endif

constexpr std::uint32_t kUntouched = 0x1234;

long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

// COM1 and COM3 are fake lines; COM2 is mapped to a device that does not exist.
class CSerialTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("BRINEVANE_PORTS", "COM1=fake://com1,COM2=fake://gone,COM3=fake://com3", 1);
        PortMap::Refresh();
        m_com1 = m_fake.driver->AddLine("fake://com1");
        m_com3 = m_fake.driver->AddLine("fake://com3");
    }

    bool OpenCom1(std::uint32_t baud = 9600, std::uint32_t in = 4096, std::uint32_t out = 4096) {
        return m_serial.Open("COM1", baud, 0, 0, 8, in, out);
    }

    support::ScopedFakeCommDriver m_fake;
    std::shared_ptr<support::FakeLine> m_com1;
    std::shared_ptr<support::FakeLine> m_com3;
    CSerial m_serial;
};

TEST_F(CSerialTest, AFreshObjectRefusesEveryTransferAsNotOpen) {
    char buffer[4] = {};
    EXPECT_FALSE(m_serial.ConfigPort());
    EXPECT_EQ(GetLastError(), SERIAL_E_NOT_OPEN);
    SetLastError(0);
    EXPECT_EQ(m_serial.ReadPort(buffer, 1), 0u);
    EXPECT_EQ(GetLastError(), SERIAL_E_NOT_OPEN);
    SetLastError(0);
    EXPECT_EQ(m_serial.ReadPort(buffer, 0), 0u);  // the missing port is the first fault
    EXPECT_EQ(GetLastError(), SERIAL_E_NOT_OPEN);
    SetLastError(0);
    EXPECT_EQ(m_serial.WritePort(buffer, 1), 0u);
    EXPECT_EQ(GetLastError(), SERIAL_E_NOT_OPEN);
    EXPECT_EQ(m_serial.WritePort(std::string()), 0u);  // the empty write is the first fault
    EXPECT_EQ(GetLastError(), SERIAL_E_ZERO_WRITE);
    EXPECT_FALSE(m_serial.kbhit());
    EXPECT_FALSE(m_serial.SendBreak(300));
    EXPECT_EQ(m_serial.NextAvailablePort(), 0);
    m_serial.Close();
    EXPECT_FALSE(m_serial.IsOpen());
}

TEST_F(CSerialTest, ZeroCountsAreRefusedWithTheirOwnCodes) {
    ASSERT_TRUE(OpenCom1());
    char buffer[4] = {};
    EXPECT_EQ(m_serial.ReadPort(buffer, 0), 0u);
    EXPECT_EQ(GetLastError(), SERIAL_E_ZERO_READ);
    EXPECT_EQ(m_serial.WritePort(buffer, 0), 0u);
    EXPECT_EQ(GetLastError(), SERIAL_E_ZERO_WRITE);
    EXPECT_EQ(m_serial.WritePort(std::string()), 0u);
    EXPECT_EQ(GetLastError(), SERIAL_E_ZERO_WRITE);
    EXPECT_EQ(m_com1->Written(), "");
}

TEST_F(CSerialTest, OpenRunsTheLineAtAnAcceptedRateOr9600) {
    for (const auto& [asked, expected] : {std::pair<std::uint32_t, std::uint32_t>{76800, 9600},
                                          {0, 9600},
                                          {14400, 14400},
                                          {56000, 56000},
                                          {256000, 256000},
                                          {50, 50}}) {
        ASSERT_TRUE(OpenCom1(asked));
        EXPECT_EQ(m_com1->State().baudRate, expected) << asked;
        EXPECT_EQ(m_serial.GetBaud(), expected) << asked;
    }
    // The rest of the line: the low byte of each code, no flow control, DTR and RTS on.
    ASSERT_TRUE(m_serial.Open("COM1", 9600, 0x102, 0x100, 0x107, 4096, 4096));
    const platform::LineState line = m_com1->State();
    EXPECT_EQ(line.parity, 2);
    EXPECT_EQ(line.stopBits, 0);
    EXPECT_EQ(line.byteSize, 7);
    EXPECT_TRUE(line.binary && line.dtrOn && line.rtsOn);
    EXPECT_FALSE(line.outxCtsFlow || line.outxDsrFlow || line.outX || line.inX ||
                 line.dsrSensitivity || line.abortOnError);
}

TEST_F(CSerialTest, QueueSizesAreRecommendedUnlessBothAreZero) {
    ASSERT_TRUE(OpenCom1(9600, 0, 0));
    EXPECT_EQ(m_com1->Count(FakeCall::SetQueueSizes), 0);
    ASSERT_TRUE(OpenCom1(9600, 0, 4096));
    EXPECT_EQ(m_com1->Count(FakeCall::SetQueueSizes), 1);
    EXPECT_EQ(m_com1->QueueSizes(), std::make_pair(0u, 4096u));
    ASSERT_TRUE(OpenCom1(9600, 512, 0));
    EXPECT_EQ(m_com1->QueueSizes(), std::make_pair(512u, 0u));
}

TEST_F(CSerialTest, ReadTakesOnlyWhatHasArrivedAndNeverWaits) {
    ASSERT_TRUE(OpenCom1());
    char buffer[10] = {};
    SetLastError(kUntouched);
    const auto start = Clock::now();
    EXPECT_EQ(m_serial.ReadPort(buffer, sizeof buffer), 0u);
    EXPECT_LT(MsSince(start), 100);
    EXPECT_EQ(GetLastError(), kUntouched);  // nothing waiting is no error
    EXPECT_FALSE(m_serial.kbhit());

    m_com1->Feed("abc");
    EXPECT_TRUE(m_serial.kbhit());
    EXPECT_EQ(m_serial.ReadPort(buffer, sizeof buffer), 3u);
    EXPECT_EQ(std::string(buffer, 3), "abc");
    EXPECT_FALSE(m_serial.kbhit());

    m_com1->Feed("xyz");
    EXPECT_EQ(m_serial.ReadPort(buffer, 1), 1u);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(m_com1->InputLeft(), 2u);
}

TEST_F(CSerialTest, ABrokenLineGivesNoBytesAndKeepsTheDriversError) {
    ASSERT_TRUE(OpenCom1());
    char buffer[4] = {};
    m_com1->ReportWaiting(4);
    m_com1->Fail(FakeCall::Read, EIO);
    EXPECT_TRUE(m_serial.kbhit());
    EXPECT_EQ(m_serial.ReadPort(buffer, sizeof buffer), 0u);
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(EIO));

    m_com1->Fail(FakeCall::ClearError, ENXIO);
    EXPECT_FALSE(m_serial.kbhit());
    EXPECT_EQ(m_serial.ReadPort(buffer, sizeof buffer), 0u);
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ENXIO));
    EXPECT_EQ(m_serial.WritePort("\n"), 0u);
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ENXIO));

    m_com1->Clear(FakeCall::ClearError);
    m_com1->Fail(FakeCall::Write, EIO);
    EXPECT_EQ(m_serial.WritePort("\n"), 0u);
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(EIO));
}

TEST_F(CSerialTest, AWriteNeedsMoreRoomThanItsOwnSize) {
    ASSERT_TRUE(OpenCom1());
    const std::string full(4096, 'x');
    EXPECT_EQ(m_serial.WritePort(full), 0u);
    EXPECT_EQ(GetLastError(), SERIAL_E_NO_ROOM);
    EXPECT_EQ(m_serial.WritePort(full.substr(1)), 4095u);
    EXPECT_EQ(m_com1->Written().size(), 4095u);

    // 100 bytes still queued in the driver leave room for 3995.
    m_com1->SetOutQueue(100);
    EXPECT_EQ(m_serial.WritePort(full.substr(0, 3996)), 0u);
    EXPECT_EQ(GetLastError(), SERIAL_E_NO_ROOM);
    EXPECT_EQ(m_serial.WritePort(full.substr(0, 3995)), 3995u);

    // A driver count above the queue size wraps to a huge room: the write goes ahead.
    m_com1->SetOutQueue(5000);
    EXPECT_EQ(m_serial.WritePort("\n"), 1u);
}

TEST_F(CSerialTest, AShortWriteIsAFailureWithItsOwnCode) {
    ASSERT_TRUE(OpenCom1());
    m_com1->LimitWrites(2);
    SetLastError(kUntouched);
    EXPECT_EQ(m_serial.WritePort("abc"), 0u);
    EXPECT_EQ(GetLastError(), SERIAL_E_SHORT_WRITE);
    EXPECT_EQ(m_serial.WritePort("ab"), 2u);
}

TEST_F(CSerialTest, AnOutputQueueOfZeroRefusesEveryWrite) {
    ASSERT_TRUE(OpenCom1(9600, 4096, 0));
    EXPECT_EQ(m_serial.WritePort("\n"), 0u);
    EXPECT_EQ(GetLastError(), SERIAL_E_NO_ROOM);
    EXPECT_EQ(m_com1->Written(), "");
}

TEST_F(CSerialTest, TheStringFormWritesExactlyItsCharacters) {
    ASSERT_TRUE(OpenCom1());
    EXPECT_EQ(m_serial.WritePort("\n"), 1u);
    EXPECT_EQ(m_serial.WritePort(std::string("a\0b", 3)), 3u);
    EXPECT_EQ(m_com1->Written(), std::string("\na\0b", 4));
}

TEST_F(CSerialTest, ABreakPurgesTheInputAndHoldsTheLineForItsDuration) {
    ASSERT_TRUE(OpenCom1());
    m_com1->Feed("stale");
    auto start = Clock::now();
    EXPECT_TRUE(m_serial.SendBreak(50));
    EXPECT_GE(MsSince(start), 45);
    EXPECT_EQ(m_com1->InputLeft(), 0u);
    EXPECT_EQ(m_com1->Count(FakeCall::SetBreak), 1);
    EXPECT_EQ(m_com1->Count(FakeCall::ClearBreak), 1);

    // A break that cannot be cleared may still hold the line: no success.
    m_com1->Fail(FakeCall::ClearBreak);
    EXPECT_FALSE(m_serial.SendBreak(10));
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(EIO));
    m_com1->Clear(FakeCall::ClearBreak);

    // A purge or break that fails ends the call at once, without the wait.
    for (const FakeCall failing : {FakeCall::PurgeInput, FakeCall::SetBreak}) {
        m_com1->Fail(failing, EIO);
        start = Clock::now();
        EXPECT_FALSE(m_serial.SendBreak(2000));
        EXPECT_LT(MsSince(start), 1000);
        EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(EIO));
        m_com1->Clear(failing);
    }
    EXPECT_EQ(m_com1->Count(FakeCall::SetBreak), 3);  // not tried after the failed purge
}

TEST_F(CSerialTest, CloseReleasesThePortAndASecondCloseDoesNothing) {
    ASSERT_TRUE(OpenCom1());
    EXPECT_TRUE(m_com1->IsOpen());
    m_serial.Close();
    EXPECT_FALSE(m_com1->IsOpen());
    EXPECT_FALSE(m_serial.IsOpen());
    EXPECT_EQ(m_com1->Count(FakeCall::Close), 1);
    m_serial.Close();
    EXPECT_EQ(m_com1->Count(FakeCall::Close), 1);
    char buffer[1];
    EXPECT_EQ(m_serial.ReadPort(buffer, 1), 0u);
    EXPECT_EQ(GetLastError(), SERIAL_E_NOT_OPEN);
    // Name and settings outlive the port.
    EXPECT_EQ(m_serial.GetPortName(), "COM1");
    EXPECT_EQ(m_serial.GetBaud(), 9600u);
}

TEST_F(CSerialTest, TheDestructorReleasesThePortEvenWhenItsCloseFails) {
    {
        CSerial serial;
        ASSERT_TRUE(serial.Open("COM3", 9600, 0, 0, 8, 4096, 4096));
        m_com3->Fail(FakeCall::Close);
    }
    EXPECT_FALSE(m_com3->IsOpen());
    m_com3->Clear(FakeCall::Close);
    CSerial again;
    EXPECT_TRUE(again.Open("COM3", 9600, 0, 0, 8, 4096, 4096));
}

TEST_F(CSerialTest, OpeningAgainReleasesTheEarlierPort) {
    ASSERT_TRUE(OpenCom1());
    ASSERT_TRUE(m_serial.Open("COM3", 19200, 0, 0, 8, 4096, 4096));
    EXPECT_FALSE(m_com1->IsOpen());
    EXPECT_TRUE(m_com3->IsOpen());
    m_com3->Feed(">");
    char prompt = 0;
    EXPECT_EQ(m_serial.ReadPort(&prompt, 1), 1u);
    EXPECT_EQ(prompt, '>');
    // The same port again: the object's own hold must not refuse it.
    ASSERT_TRUE(m_serial.Open("COM3", 9600, 0, 0, 8, 4096, 4096));
    EXPECT_EQ(m_com3->State().baudRate, 9600u);
    m_serial.Close();
    EXPECT_FALSE(m_com3->IsOpen());
}

TEST_F(CSerialTest, AFailedOpenKeepsTheNameAndSettingsAndHoldsNothing) {
    // A name no port has, a device that is missing, a port in use.
    CSerial holder;
    ASSERT_TRUE(holder.Open("COM3", 9600, 0, 0, 8, 4096, 4096));
    for (const char* name : {"COM5", "COM2", "COM3"}) {
        EXPECT_FALSE(m_serial.Open(name, 76800, 0, 0, 8, 4096, 4096)) << name;
        EXPECT_FALSE(m_serial.IsOpen());
        EXPECT_EQ(m_serial.GetPortName(), name);
        EXPECT_EQ(m_serial.GetBaud(), 9600u);
        EXPECT_NE(GetLastError(), 0u);
        char buffer[1];
        EXPECT_EQ(m_serial.WritePort("\n"), 0u);  // no events were made
        EXPECT_EQ(GetLastError(), SERIAL_E_NOT_OPEN);
        EXPECT_EQ(m_serial.ReadPort(buffer, 1), 0u);
        EXPECT_EQ(GetLastError(), SERIAL_E_NOT_OPEN);
    }
    EXPECT_FALSE(m_serial.Open("COM3", 9600, 0, 0, 8, 4096, 4096));
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(EBUSY));
}

TEST_F(CSerialTest, AnOpenThatCannotConfigureTheLineLetsItGoAndReportsWhy) {
    for (const FakeCall failing :
         {FakeCall::GetState, FakeCall::SetState, FakeCall::SetQueueSizes, FakeCall::SetTimeouts}) {
        m_com1->Fail(failing, EINVAL);
        m_com1->Fail(FakeCall::Close, EIO);  // the reason is the configuration, not this
        EXPECT_FALSE(OpenCom1());
        EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(EINVAL));
        EXPECT_FALSE(m_serial.IsOpen());
        EXPECT_FALSE(m_com1->IsOpen());
        m_com1->Clear(failing);
        m_com1->Clear(FakeCall::Close);
    }
    EXPECT_TRUE(OpenCom1());
}

TEST_F(CSerialTest, PortsAreHandedOutInOrderFromTheLastEnumeration) {
    m_serial.EnumeratePorts();
    EXPECT_EQ(m_serial.NextAvailablePort(), 1);
    EXPECT_EQ(m_serial.NextAvailablePort(), 3);  // COM2's device does not exist
    EXPECT_EQ(m_serial.NextAvailablePort(), 0);
    EXPECT_EQ(m_serial.NextAvailablePort(), 0);
    m_serial.EnumeratePorts();
    EXPECT_EQ(m_serial.NextAvailablePort(), 1);

    // Nothing changes until the next enumeration.
    setenv("BRINEVANE_PORTS", "COM3=fake://com3", 1);
    EXPECT_EQ(m_serial.NextAvailablePort(), 3);
    m_serial.EnumeratePorts();
    EXPECT_EQ(m_serial.NextAvailablePort(), 3);
    EXPECT_EQ(m_serial.NextAvailablePort(), 0);

    setenv("BRINEVANE_PORTS", "", 1);
    m_serial.EnumeratePorts();
    EXPECT_EQ(m_serial.NextAvailablePort(), 0);
}

TEST_F(CSerialTest, TheLastPortIsCom32AndTheCursorStopsThere) {
    m_fake.driver->AddLine("fake://com32");
    setenv("BRINEVANE_PORTS", "COM32=fake://com32,COM33=fake://com1", 1);
    m_serial.EnumeratePorts();
    int handedOut = 0;
    int last = 0;
    for (int call = 0; call < 40; ++call) {
        if (const int port = m_serial.NextAvailablePort()) {
            ++handedOut;
            last = port;
        }
    }
    EXPECT_EQ(handedOut, 1);
    EXPECT_EQ(last, 32);
}

TEST_F(CSerialTest, APortInUseIsPresentButNotAvailable) {
    CSerial other;
    ASSERT_TRUE(other.Open("COM1", 9600, 0, 0, 8, 4096, 4096));
    m_serial.EnumeratePorts();
    EXPECT_EQ(m_serial.NextAvailablePort(), 1);
    EXPECT_FALSE(m_serial.PortAvailable("COM1"));
    EXPECT_FALSE(other.PortAvailable("COM1"));  // its own port is taken too
    EXPECT_TRUE(m_serial.PortAvailable("COM3"));
    EXPECT_FALSE(m_com3->IsOpen());  // the probe let it go again
    EXPECT_FALSE(m_serial.PortAvailable("COM2"));
    EXPECT_FALSE(m_serial.PortAvailable("COM9"));
    EXPECT_TRUE(m_com1->IsOpen());  // the probes left the holder alone
    other.Close();
    EXPECT_TRUE(m_serial.PortAvailable("COM1"));
}

}  // namespace
