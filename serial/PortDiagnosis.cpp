#include "serial/PortDiagnosis.h"

#include "platform/devices/SerialDevices.h"
#include "platform/os/LastError.h"
#include "platform/ports/CommDriverRegistry.h"
#include "platform/ports/local/LocalErrors.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"

namespace {

// "COM2 (/dev/ttyUSB0)", or the path alone when the user named the device.
std::string PortAndDevice(const std::string& portName, const std::string& path) {
    if (path.empty() || path == portName) {
        return portName;
    }
    return portName + " (" + path + ")";
}

// The failure in the words of the port's driver, where they differ from a local device's
// (a device server's port); no code when they do not, or when no device was named.
platform::CommDriver::Failure DriverWords(const std::string& portName, std::uint32_t error) {
    const std::string path =
        portName.empty() ? std::string() : PortMap::Current()->Resolve(portName);
    const auto driver = path.empty() ? nullptr : platform::CommDriverRegistry::Process().Find(path);
    if (!driver) {
        return {};
    }
    return driver->DescribeOpenFailure(path, PortAndDevice(portName, path), error);
}

// What kind of failure an open met, decided once for both its text and its code.
enum class OpenFailure {
    NoPortChosen,
    NotAPort,
    NotThere,
    PermissionDenied,
    InUse,
    NotSerial,
    OwnTerminal,
    DeviceChanged,
    Gone,
    Other
};

OpenFailure Classify(const std::string& portName, std::uint32_t error) {
    if (portName.empty()) {
        return OpenFailure::NoPortChosen;
    }
    const std::string path = PortMap::Current()->Resolve(portName);
    if (path.empty()) {
        return OpenFailure::NotAPort;
    }
    if (error == platform::kOwnTerminal) {
        return OpenFailure::OwnTerminal;
    }
    if (error == SERIAL_E_DEVICE_CHANGED) {
        return OpenFailure::DeviceChanged;
    }
    switch (platform::KindOfError(error)) {
        case platform::ErrorKind::NotFound:
            return platform::IsDevicePath(portName) ? OpenFailure::NotAPort : OpenFailure::NotThere;
        case platform::ErrorKind::PermissionDenied:
            return OpenFailure::PermissionDenied;
        case platform::ErrorKind::InUse:
            return OpenFailure::InUse;
        case platform::ErrorKind::NotSerial:
            return OpenFailure::NotSerial;
        case platform::ErrorKind::Gone:
            return OpenFailure::Gone;
        case platform::ErrorKind::Other:
            break;
    }
    return OpenFailure::Other;
}

}  // namespace

std::string PortDiagnosis::FindHolder(const std::string& devicePath) {
    return platform::FindDeviceHolder(devicePath);
}

std::string PortDiagnosis::ExplainOpenFailure(const std::string& portName, std::uint32_t error) {
    const std::string path = PortMap::Current()->Resolve(portName);
    const std::string port = PortAndDevice(portName, path);
    const platform::CommDriver::Failure words = DriverWords(portName, error);
    if (words.code != nullptr && !words.text.empty()) {
        return words.text;
    }
    // A driver's own failure without words of its own reads in the system's words.
    switch (words.code != nullptr ? OpenFailure::Other : Classify(portName, error)) {
        case OpenFailure::NoPortChosen:
            // The wizard's connection after a search that found nothing, with no port chosen.
            return "No serial port was chosen: choose one from the list of ports";
        case OpenFailure::NotAPort:
            return portName + " is not a serial port on this computer";
        case OpenFailure::NotThere:
            return port + " is not there: is the adapter plugged in?";
        case OpenFailure::PermissionDenied:
            return "Permission denied on " + path +
                   (path == portName ? "" : " (" + portName + ")") + ": " +
                   platform::PermissionAdvice(path);
        case OpenFailure::InUse: {
            const std::string holder = FindHolder(path);
            if (holder.empty()) {
                return port + " is in use by another program: close it and try again";
            }
            return port + " is in use by " + holder + ": close it and try again";
        }
        case OpenFailure::NotSerial:
            return port + " is not a serial device";
        case OpenFailure::OwnTerminal:
            return port +
                   " is this program's own terminal: choose the port the instrument is on, "
                   "or run the program from another terminal";
        case OpenFailure::DeviceChanged: {
            std::string unused;
            const std::string change = PortMap::Current()->Confirm(portName, &unused);
            return "the device under " + portName + " has changed since the ports were listed" +
                   (change.empty() ? "" : ": " + change) +
                   "; choose the port again from a new list of ports";
        }
        case OpenFailure::Gone:
            return port + " has gone: check that the device is plugged in and switched on";
        default:
            break;
    }
    return port + " could not be opened: " + platform::LastErrorText(error);
}

std::string PortDiagnosis::ExplainNoPrompt(const std::string& portName, std::int32_t baud,
                                           bool heardData) {
    const std::string rate = std::to_string(baud) + " baud on " + portName;
    if (heardData) {
        return "data but no prompt at " + rate +
               ": the instrument may be set to another rate, or be streaming data (a search "
               "wakes it with a break)";
    }
    return "no prompt at " + rate +
           ": check that the instrument is on, cabled and set to that rate";
}

std::string PortDiagnosis::ExplainWriteFailure(const std::string& portName, std::uint32_t error) {
    return "could not write to " + portName + ": " + platform::LastErrorText(error) +
           ": check the cable and the adapter";
}

const char* PortDiagnosis::OpenFailureCode(const std::string& portName, std::uint32_t error) {
    if (const char* code = DriverWords(portName, error).code) {
        return code;
    }
    switch (Classify(portName, error)) {
        case OpenFailure::NoPortChosen:
            return "no-port-chosen";
        case OpenFailure::NotAPort:
            return "not-a-port";
        case OpenFailure::NotThere:
            return "not-there";
        case OpenFailure::PermissionDenied:
            return "permission-denied";
        case OpenFailure::InUse:
            return "in-use";
        case OpenFailure::NotSerial:
            return "not-serial";
        case OpenFailure::OwnTerminal:
            return "own-terminal";
        case OpenFailure::DeviceChanged:
            return "device-changed";
        case OpenFailure::Gone:
            return "gone";
        case OpenFailure::Other:
            break;
    }
    return "open-failed";
}
