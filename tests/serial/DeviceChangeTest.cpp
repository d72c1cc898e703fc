// A device plugged in or out between the listing of the ports and the connection, played
// end to end: a private mount namespace with a fake sysfs over /sys, a tmpfs over /dev and
// pty slaves bound where USB adapters' ttys would be. Discovery and the open run unchanged.
#include <gtest/gtest.h>

#include "platform/os/LastError.h"
#include "serial/CSerial.h"
#include "serial/PortDiagnosis.h"
#include "tests/support/FakeHost.h"

namespace {

// Runs in the child, inside its own namespace: what the settings page and the connection do.
void PlayReplugs(FakeHost& host) {
    PtyPair& first = host.Line(0);
    PtyPair& second = host.Line(1);
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
    EXPECT_EQ(platform::LastErrorText(SERIAL_E_DEVICE_CHANGED),
              "The port's name now stands for another device");
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
    PlayInFakeHost(2, PlayReplugs);
}

}  // namespace
