#include "serial/PortDiagnosis.h"

#include "platform/devices/SerialDevices.h"
#include "platform/os/LastError.h"
#include "platform/os/Translation.h"
#include "platform/ports/CommDriverRegistry.h"
#include "platform/ports/local/LocalErrors.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"

using platform::FillText;

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
            return TrText("PortDiagnosis",
                          "No serial port was chosen: choose one from the list of ports");
        case OpenFailure::NotAPort:
            //: %1 is what the user gave as a port (COM5, /dev/ttyS9).
            return FillText(TrText("PortDiagnosis", "%1 is not a serial port on this computer"),
                            {portName});
        case OpenFailure::NotThere:
            //: %1 is a port and its device: COM2 (/dev/ttyUSB0).
            return FillText(TrText("PortDiagnosis", "%1 is not there: is the adapter plugged in?"),
                            {port});
        case OpenFailure::PermissionDenied: {
            const std::string advice = platform::PermissionAdvice(path);
            if (path == portName) {
                //: %1 is a device (/dev/ttyUSB0), %2 what to do about it.
                return FillText(TrText("PortDiagnosis", "Permission denied on %1: %2"),
                                {path, advice});
            }
            //: %1 is a device (/dev/ttyUSB0), %2 its port name (COM2), %3 what to do about it.
            return FillText(TrText("PortDiagnosis", "Permission denied on %1 (%2): %3"),
                            {path, portName, advice});
        }
        case OpenFailure::InUse: {
            const std::string holder = FindHolder(path);
            if (holder.empty()) {
                //: %1 is a port and its device: COM2 (/dev/ttyUSB0).
                return FillText(TrText("PortDiagnosis",
                                       "%1 is in use by another program: close "
                                       "it and try again"),
                                {port});
            }
            //: %1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the program that holds it:
            //: minicom (pid 4242).
            return FillText(TrText("PortDiagnosis", "%1 is in use by %2: close it and try again"),
                            {port, holder});
        }
        case OpenFailure::NotSerial:
            //: %1 is a port and its device: COM2 (/dev/ttyUSB0).
            return FillText(TrText("PortDiagnosis", "%1 is not a serial device"), {port});
        case OpenFailure::OwnTerminal:
            //: %1 is a port and its device: COM2 (/dev/pts/3).
            return FillText(TrText("PortDiagnosis",
                                   "%1 is this program's own terminal: choose the "
                                   "port the instrument is on, or run the program "
                                   "from another terminal"),
                            {port});
        case OpenFailure::DeviceChanged: {
            std::string unused;
            const std::string change = PortMap::Current()->Confirm(portName, &unused);
            if (change.empty()) {
                //: %1 is a port name (COM2).
                return FillText(TrText("PortDiagnosis",
                                       "the device under %1 has changed since the "
                                       "ports were listed; choose the port again "
                                       "from a new list of ports"),
                                {portName});
            }
            //: %1 is a port name (COM2); %2 how its device changed: it was ..., it is now ...
            return FillText(TrText("PortDiagnosis",
                                   "the device under %1 has changed since the "
                                   "ports were listed: %2; choose the port again "
                                   "from a new list of ports"),
                            {portName, change});
        }
        case OpenFailure::Gone:
            //: %1 is a port and its device: COM2 (/dev/ttyUSB0).
            return FillText(TrText("PortDiagnosis",
                                   "%1 has gone: check that the device is plugged "
                                   "in and switched on"),
                            {port});
        default:
            break;
    }
    //: %1 is a port and its device: COM2 (/dev/ttyUSB0); %2 the system's reason.
    return FillText(TrText("PortDiagnosis", "%1 could not be opened: %2"),
                    {port, platform::LastErrorText(error)});
}

std::string PortDiagnosis::ExplainNoPrompt(const std::string& portName, std::int32_t baud,
                                           bool heardData) {
    const std::string rate = std::to_string(baud);
    if (heardData) {
        //: %1 is a baud rate (9600), %2 a port name (COM2).
        return FillText(TrText("PortDiagnosis",
                               "data but no prompt at %1 baud on %2: the "
                               "instrument may be set to another rate, or be "
                               "streaming data (a search wakes it with a break)"),
                        {rate, portName});
    }
    //: %1 is a baud rate (9600), %2 a port name (COM2).
    return FillText(TrText("PortDiagnosis",
                           "no prompt at %1 baud on %2: check that the "
                           "instrument is on, cabled and set to that rate"),
                    {rate, portName});
}

std::string PortDiagnosis::ExplainWriteFailure(const std::string& portName, std::uint32_t error) {
    //: %1 is a port name (COM2), %2 the system's reason.
    return FillText(
        TrText("PortDiagnosis", "could not write to %1: %2: check the cable and the adapter"),
        {portName, platform::LastErrorText(error)});
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
