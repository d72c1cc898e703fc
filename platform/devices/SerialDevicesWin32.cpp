#include <windows.h>
// After windows.h, which the other two need.
#include <devguid.h>
#include <setupapi.h>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/devices/SerialDevices.h"
#include "platform/os/Translation.h"
#include "platform/ports/CommDriverRegistry.h"

namespace platform {
namespace {

constexpr int kMaxPorts = 32;
constexpr const char* kDevicePrefix = "\\\\.\\";

std::string RegistryText(HKEY key, const char* value) {
    char text[256] = {};
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key, value, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    return text;
}

std::string DeviceProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    char text[256] = {};
    if (!SetupDiGetDeviceRegistryPropertyA(set, &device, property, nullptr,
                                           reinterpret_cast<BYTE*>(text), sizeof text - 1,
                                           nullptr)) {
        return {};
    }
    return text;
}

// What the system's device manager says of each port it lists ("COM3" -> the device):
// its maker and friendly name. Ports it does not list (some virtual ones) stay unnamed.
std::map<std::string, SerialDevice> DescribedPorts() {
    std::map<std::string, SerialDevice> ports;
    const HDEVINFO set =
        SetupDiGetClassDevsA(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) {
        return ports;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        const HKEY key =
            SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE) {
            continue;
        }
        const std::string name = RegistryText(key, "PortName");
        RegCloseKey(key);
        if (!name.empty()) {
            SerialDevice& described = ports[name];
            described.vendor = DeviceProperty(set, device, SPDRP_MFG);
            described.product = DeviceProperty(set, device, SPDRP_FRIENDLYNAME);
        }
    }
    SetupDiDestroyDeviceInfoList(set);
    return ports;
}

}  // namespace

std::vector<SerialDevice> DiscoverSerialDevices(const std::string& /*sysRoot*/,
                                                const std::string& /*devRoot*/) {
    std::vector<SerialDevice> devices;
    const std::map<std::string, SerialDevice> described = DescribedPorts();
    const CommDriverRegistry& drivers = CommDriverRegistry::Process();
    for (int number = 1; number <= kMaxPorts; ++number) {
        const std::string name = "COM" + std::to_string(number);
        const std::string path = kDevicePrefix + name;
        if (!drivers.Exists(path)) {
            continue;
        }
        const auto found = described.find(name);
        SerialDevice device = found != described.end() ? found->second : SerialDevice();
        device.number = number;
        device.path = path;
        devices.push_back(device);
    }
    return devices;
}

SerialDevice InspectSerialDevice(const std::string& /*sysRoot*/, const std::string& /*devRoot*/,
                                 const std::string& path) {
    // The system's names never move to another device: there is no identity to compare.
    SerialDevice device;
    device.path = path;
    return device;
}

bool IsDevicePath(const std::string& name) {
    return name.compare(0, 4, kDevicePrefix) == 0;
}

bool IsUserDevicePath(const std::string& name) {
    return IsDevicePath(name);
}

const char* DevicePathExample() {
    return "\\\\.\\COM3";
}

std::string DevicePathRule() {
    //: What a device path must be: the device must be a device name such as \\.\COM3.
    return TrText("SerialDevices", "a device name such as \\\\.\\COM3");
}

bool DeviceNodeExists(const std::string& path) {
    return CommDriverRegistry::Process().Exists(path);
}

std::string FindDeviceHolder(const std::string& /*path*/) {
    return {};  // the system does not say which program holds a port
}

std::string PermissionAdvice(const std::string& /*path*/) {
    //: What to do when a device may not be opened.
    return TrText("SerialDevices", "ask an administrator for access to it");
}

}  // namespace platform
