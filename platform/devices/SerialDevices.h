#pragma once
#include <string>
#include <vector>

// What the system knows about its serial devices, found without opening one: which there
// are, what each one is, and who holds one that is in use.
namespace platform {

struct SerialDevice {
    int number = 0;            // the COM number the system itself gives it (Windows), else 0
    std::string path;          // "/dev/ttyUSB0", "\\.\COM3"
    std::string byIdPath;      // a stable link to the device, where one exists
    std::string vendor;        // USB adapters: manufacturer (or vendor id)
    std::string product;       // USB adapters: product (or product id); a friendly name
    std::string serialNumber;  // USB adapters: serial number
    // What tells this device from any other that could take its place; empty where the
    // system's own names never move to another device.
    std::string identity;
};

// The host's serial devices in the order they take the names COM1, COM2, ... where the
// system gives them no number of its own. On Linux from sysRoot/class/tty: ttyS ports
// only where a UART is really there, never an active system console; ttyS by number, then
// ttyUSB, ttyACM, ttyAMA, then the rest by name. On Windows COM1 to COM32 as the system
// has drivers for them (the roots are not used there).
std::vector<SerialDevice> DiscoverSerialDevices(const std::string& sysRoot,
                                                const std::string& devRoot);

// What is behind a device path now; the identity is empty when nothing is there.
SerialDevice InspectSerialDevice(const std::string& sysRoot, const std::string& devRoot,
                                 const std::string& path);

// A name in the system's own form for devices (an absolute path; "\\.\" on Windows).
bool IsDevicePath(const std::string& name);
// The form of a device path that a user may give in place of a COM name ("/dev/...").
bool IsUserDevicePath(const std::string& name);
// How such a path looks, for messages: "/dev/ttyUSB0".
const char* DevicePathExample();
// What a device path must be, for messages: "an absolute path".
std::string DevicePathRule();

// Whether something of that name is there at all, serial device or not.
bool DeviceNodeExists(const std::string& path);

// The program that holds a device open: "ModemManager (pid 812)", or empty when the system
// shows none (or only this process).
std::string FindDeviceHolder(const std::string& path);

// What a user denied access to a device can do about it.
std::string PermissionAdvice(const std::string& path);

}  // namespace platform
