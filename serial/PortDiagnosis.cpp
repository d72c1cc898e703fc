#include "serial/PortDiagnosis.h"

#include <dirent.h>
#include <grp.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/LastError.h"
#include "platform/Rfc2217CommDriver.h"
#include "platform/SocketCommDriver.h"
#include "platform/TcpLink.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"

namespace {

bool IsDevicePath(const std::string& name) {
    return !name.empty() && name[0] == '/';
}

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

std::string ProcessName(long pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

std::string Holder(long pid) {
    const std::string name = ProcessName(pid);
    if (name.empty()) {
        return {};  // gone meanwhile, or another namespace's pid
    }
    return name + " (pid " + std::to_string(pid) + ")";
}

// The process that holds an exclusive flock on the device: our own way of holding a port,
// and that of other careful serial programs. /proc/locks names the inode as
// "major:minor:inode" of its file system, major and minor in hex.
long FlockHolder(const struct stat& device) {
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string id, kind, mode, access, pidText, where;
        fields >> id >> kind;
        if (kind == "->") {
            continue;  // a waiter, not a holder
        }
        fields >> mode >> access >> pidText >> where;
        if (kind != "FLOCK") {
            continue;
        }
        unsigned int lockMajor = 0;
        unsigned int lockMinor = 0;
        unsigned long inode = 0;
        char colon1 = 0;
        char colon2 = 0;
        std::istringstream parts(where);
        parts >> std::hex >> lockMajor >> colon1 >> lockMinor >> colon2 >> std::dec >> inode;
        if (!parts || colon1 != ':' || colon2 != ':') {
            continue;
        }
        if (lockMajor == major(device.st_dev) && lockMinor == minor(device.st_dev) &&
            inode == device.st_ino) {
            const long pid = std::atol(pidText.c_str());
            if (pid > 0) {
                return pid;
            }
        }
    }
    return 0;
}

// Every other process with a descriptor on the device, by pid.
std::vector<long> DescriptorHolders(const std::string& devicePath) {
    std::vector<long> holders;
    char resolved[PATH_MAX];
    if (realpath(devicePath.c_str(), resolved) == nullptr) {
        return holders;
    }
    const std::string device = resolved;
    const long self = static_cast<long>(getpid());
    DIR* proc = opendir("/proc");
    if (proc == nullptr) {
        return holders;
    }
    while (const dirent* entry = readdir(proc)) {
        const std::string name = entry->d_name;
        if (name.empty() || !std::all_of(name.begin(), name.end(), ::isdigit)) {
            continue;
        }
        const long pid = std::atol(name.c_str());
        if (pid == self) {
            continue;
        }
        const std::string fdDir = "/proc/" + name + "/fd";
        DIR* fds = opendir(fdDir.c_str());
        if (fds == nullptr) {
            continue;  // another user's process, or gone
        }
        while (const dirent* fd = readdir(fds)) {
            char target[PATH_MAX];
            const std::string link = fdDir + "/" + fd->d_name;
            const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
            if (n > 0) {
                target[n] = '\0';
                if (device == target) {
                    holders.push_back(pid);
                    break;
                }
            }
        }
        closedir(fds);
    }
    closedir(proc);
    std::sort(holders.begin(), holders.end());
    return holders;
}

std::string PermissionAdvice(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && info.st_gid != 0) {
        if (const group* owner = getgrgid(info.st_gid)) {
            return "add your user to the '" + std::string(owner->gr_name) +
                   "' group, then log in again";
        }
    }
    return "ask an administrator for read and write access to it";
}

}  // namespace

std::string PortDiagnosis::FindHolder(const std::string& devicePath) {
    struct stat device {};
    if (stat(devicePath.c_str(), &device) != 0) {
        return {};
    }
    if (const long pid = FlockHolder(device)) {
        std::string holder = Holder(pid);
        if (!holder.empty()) {
            return holder;
        }
    }
    std::string holders;
    for (const long pid : DescriptorHolders(devicePath)) {
        const std::string holder = Holder(pid);
        if (!holder.empty()) {
            holders += (holders.empty() ? "" : ", ") + holder;
        }
    }
    return holders;
}

namespace {

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
    switch (error) {
        case ENOENT:
            return IsDevicePath(portName) ? OpenFailure::NotAPort : OpenFailure::NotThere;
        case EACCES:
        case EPERM:
            return OpenFailure::PermissionDenied;
        case EBUSY:
        case EAGAIN:
            return OpenFailure::InUse;
        case ENOTTY:
            return OpenFailure::NotSerial;
        case platform::kOwnTerminal:
            return OpenFailure::OwnTerminal;
        case SERIAL_E_DEVICE_CHANGED:
            return OpenFailure::DeviceChanged;
        case EIO:
        case ENXIO:
        case ENODEV:
            return OpenFailure::Gone;
        default:
            return OpenFailure::Other;
    }
}

}  // namespace

namespace {

// The texts for the ports of device servers, which name the server's address; empty for
// a failure that reads the same as on a local line.
std::string ExplainNetworkFailure(OpenFailure failure, const std::string& port,
                                  const std::string& address) {
    const std::string host = address.substr(0, address.rfind(':'));
    switch (failure) {
        case OpenFailure::Refused:
            return address +
                   " refused the connection: check the device server's address and that no "
                   "other program is connected to it";
        case OpenFailure::NotResolved:
            return "the name " + host +
                   " does not resolve: check the device server's name, or give its IP address";
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
        std::string text = ExplainNetworkFailure(failure, port, address);
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
                   (path == portName ? "" : " (" + portName + ")") + ": " + PermissionAdvice(path);
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
        case OpenFailure::Other:
            break;
    }
    return "open-failed";
}
