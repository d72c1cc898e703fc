#include "serial/PortDiagnosis.h"

#include <cerrno>

#include "platform/LastError.h"
#include "platform/Rfc2217CommDriver.h"
#include "platform/SerialDevices.h"
#include "platform/SocketCommDriver.h"
#include "platform/TcpLink.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"

namespace {

// "portserver.example:4001" for a port of a device server; empty for any other device.
std::string NetworkAddress(const std::string& path) {
    std::string address;
    for (const char* scheme :
         {platform::Rfc2217CommDriver::kScheme, platform::SocketCommDriver::kScheme}) {
        if (platform::TcpLink::AddressOf(path, scheme, address)) {
            return address;
        }
    }
    return {};
}

// "COM2 (/dev/ttyUSB0)", or the path alone when the user named the device.
std::string PortAndDevice(const std::string& portName, const std::string& path) {
    if (path.empty() || path == portName) {
        return portName;
    }
    return portName + " (" + path + ")";
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
    // Ports of device servers.
    Refused,
    NotResolved,
    NoAnswer,
    NotRfc2217,
    SettingRefused,
    RawTcp,
    LookupFailed,
    Flood,
    Other
};

OpenFailure ClassifyNetwork(std::uint32_t error) {
    switch (error) {
        case ECONNREFUSED:
            return OpenFailure::Refused;
        case platform::kHostNotFound:
            return OpenFailure::NotResolved;
        case ETIMEDOUT:
        case EHOSTUNREACH:
        case ENETUNREACH:
            return OpenFailure::NoAnswer;
        case platform::kNoComPortOption:
            return OpenFailure::NotRfc2217;
        case platform::kSettingNotAcknowledged:
        case EINVAL:
            return OpenFailure::SettingRefused;
        case platform::kNoLineControl:
            return OpenFailure::RawTcp;
        case platform::kConnectionLost:
            return OpenFailure::Gone;
        case platform::kNameLookupTimedOut:
        case platform::kNameLookupFailed:
            return OpenFailure::LookupFailed;
        case platform::kFlood:
            return OpenFailure::Flood;
        case EBUSY:
            return OpenFailure::InUse;
        default:
            return OpenFailure::Other;
    }
}

OpenFailure Classify(const std::string& portName, std::uint32_t error) {
    if (portName.empty()) {
        return OpenFailure::NoPortChosen;
    }
    const std::string path = PortMap::Current()->Resolve(portName);
    if (path.empty()) {
        return OpenFailure::NotAPort;
    }
    if (!NetworkAddress(path).empty()) {
        return ClassifyNetwork(error);
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

namespace {

// The texts for the ports of device servers, which name the server's address; empty for
// a failure that reads the same as on a local line.
std::string ExplainNetworkFailure(OpenFailure failure, const std::string& port,
                                  const std::string& address, std::uint32_t error) {
    const std::string host = address.substr(0, address.rfind(':'));
    switch (failure) {
        case OpenFailure::Refused:
            return address +
                   " refused the connection: check the device server's address and that no "
                   "other program is connected to it";
        case OpenFailure::NotResolved:
            return "the name " + host +
                   " does not resolve: check the device server's name, or give its IP address";
        case OpenFailure::LookupFailed:
            return "the name " + host + " could not be looked up: " +
                   (error == platform::kNameLookupTimedOut
                        ? "the name service did not answer in time"
                        : "the name service could not be reached") +
                   ": check this computer's network connection, or give the device server's "
                   "IP address";
        case OpenFailure::Flood:
            return address +
                   " sends data without pause: not an instrument at rest; check the address "
                   "and the port of the device server";
        case OpenFailure::NoAnswer:
            return address +
                   " did not answer: check that the device server is on and reachable from "
                   "this computer";
        case OpenFailure::NotRfc2217:
            return address +
                   " does not speak RFC 2217: set that port of the device server to RFC 2217, "
                   "or name it socket://" +
                   address + " if it passes raw bytes";
        case OpenFailure::SettingRefused:
            return address +
                   " did not apply the line settings: check that its serial port supports the "
                   "rate and 8 data bits, no parity, one stop bit";
        case OpenFailure::RawTcp:
            return port +
                   " is a raw TCP port: no break or rate reaches its line, so the search "
                   "passes over it; connect to it at the rate its device server is set to";
        case OpenFailure::InUse:
            return address +
                   " closed the connection at once: another program is probably connected to "
                   "it; close that program and try again";
        case OpenFailure::Gone:
            return "the connection to " + address +
                   " was lost: check the network and that the device server is on";
        default:
            return {};
    }
}

}  // namespace

std::string PortDiagnosis::ExplainOpenFailure(const std::string& portName, std::uint32_t error) {
    const std::string path = PortMap::Current()->Resolve(portName);
    const std::string port = PortAndDevice(portName, path);
    const OpenFailure failure = Classify(portName, error);
    const std::string address = NetworkAddress(path);
    if (!address.empty()) {
        std::string text = ExplainNetworkFailure(failure, port, address, error);
        if (!text.empty()) {
            return text;
        }
    }
    switch (failure) {
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
        case OpenFailure::Refused:
            return "refused";
        case OpenFailure::NotResolved:
            return "not-resolved";
        case OpenFailure::NoAnswer:
            return "no-answer";
        case OpenFailure::NotRfc2217:
            return "not-rfc2217";
        case OpenFailure::SettingRefused:
            return "setting-refused";
        case OpenFailure::RawTcp:
            return "raw-tcp";
        case OpenFailure::LookupFailed:
            return "lookup-failed";
        case OpenFailure::Flood:
            return "flood";
        case OpenFailure::Other:
            break;
    }
    return "open-failed";
}
