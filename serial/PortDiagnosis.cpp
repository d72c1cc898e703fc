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
#include "serial/CSerial.h"
#include "serial/PortMap.h"

namespace {

bool IsDevicePath(const std::string& name) {
    return !name.empty() && name[0] == '/';
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
    Other
};

OpenFailure Classify(const std::string& portName, std::uint32_t error) {
    if (portName.empty()) {
        return OpenFailure::NoPortChosen;
    }
    if (PortMap::Current()->Resolve(portName).empty()) {
        return OpenFailure::NotAPort;
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

std::string PortDiagnosis::ExplainOpenFailure(const std::string& portName, std::uint32_t error) {
    const std::string path = PortMap::Current()->Resolve(portName);
    const std::string port = PortAndDevice(portName, path);
    switch (Classify(portName, error)) {
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
        case OpenFailure::Other:
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
        case OpenFailure::Other:
            break;
    }
    return "open-failed";
}
