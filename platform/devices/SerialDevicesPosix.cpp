#include <dirent.h>
#include <grp.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "platform/devices/DeviceHolders.h"
#include "platform/devices/SerialDevices.h"
#include "platform/os/Translation.h"
#include "platform/os/Trim.h"

namespace platform {
namespace {

std::string ReadLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return Trim(line);
}

std::vector<std::string> ListDirectory(const std::string& path) {
    std::vector<std::string> names;
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : std::string();
}

// isdigit on a plain char is undefined for bytes above 0x7F, which any text may hold.
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

std::string BaseName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// Sort key: family rank, then the number after the family prefix, then the name.
struct TtyOrder {
    int rank;
    long number;
    std::string name;
    bool operator<(const TtyOrder& other) const {
        if (rank != other.rank) {
            return rank < other.rank;
        }
        if (number != other.number) {
            return number < other.number;
        }
        return name < other.name;
    }
};

TtyOrder OrderOf(const std::string& name) {
    static const char* const kFamilies[] = {"ttyS", "ttyUSB", "ttyACM", "ttyAMA"};
    for (int rank = 0; rank < 4; ++rank) {
        const std::string prefix = kFamilies[rank];
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
            std::all_of(name.begin() + prefix.size(), name.end(), IsDigit)) {
            return {rank, std::atol(name.c_str() + prefix.size()), name};
        }
    }
    return {4, 0, name};
}

// The USB device above a tty in sysfs, where its identity lives.
void ReadUsbIdentity(const std::string& deviceDir, SerialDevice& info) {
    std::string dir = RealPath(deviceDir);
    std::string below;  // the interface under the USB device: one adapter can have several
    while (!dir.empty() && dir != "/") {
        if (Exists(dir + "/idVendor")) {
            const std::string vendorId = ReadLine(dir + "/idVendor");
            const std::string productId = ReadLine(dir + "/idProduct");
            info.vendor = ReadLine(dir + "/manufacturer");
            if (info.vendor.empty()) {
                info.vendor = vendorId;
            }
            info.product = ReadLine(dir + "/product");
            if (info.product.empty()) {
                info.product = productId;
            }
            info.serialNumber = ReadLine(dir + "/serial");
            info.identity = "usb " + vendorId + ":" + productId + " serial " + info.serialNumber +
                            " at " + (below.empty() ? BaseName(dir) : below);
            return;
        }
        below = BaseName(dir);
        dir.resize(dir.rfind('/'));
    }
}

std::string FindByIdLink(const std::string& devRoot, const std::string& ttyName) {
    const std::string byId = devRoot + "/serial/by-id";
    for (const std::string& link : ListDirectory(byId)) {
        char target[PATH_MAX];
        const ssize_t n = readlink((byId + "/" + link).c_str(), target, sizeof target - 1);
        if (n > 0) {
            target[n] = '\0';
            if (BaseName(target) == ttyName) {
                return byId + "/" + link;
            }
        }
    }
    return {};
}

// What is behind one tty now: its device, stable link and identity. Nothing is opened.
SerialDevice Inspect(const std::string& classDir, const std::string& devRoot,
                     const std::string& ttyName) {
    SerialDevice info;
    info.path = devRoot + "/" + ttyName;
    if (!Exists(classDir + "/" + ttyName + "/device")) {
        return info;  // no tty of that name now: no identity
    }
    info.byIdPath = FindByIdLink(devRoot, ttyName);
    ReadUsbIdentity(classDir + "/" + ttyName + "/device", info);
    if (info.identity.empty()) {
        struct stat node {};
        const bool there = stat(info.path.c_str(), &node) == 0;
        info.identity =
            "node " + info.path + " " +
            (there ? std::to_string(major(node.st_rdev)) + ":" + std::to_string(minor(node.st_rdev))
                   : std::string("absent"));
    }
    return info;
}

}  // namespace

std::vector<SerialDevice> DiscoverSerialDevices(const std::string& sysRoot,
                                                const std::string& devRoot) {
    const std::string classDir = sysRoot + "/class/tty";
    std::set<std::string> consoles;
    {
        std::istringstream active(ReadLine(classDir + "/console/active"));
        std::string name;
        while (active >> name) {
            consoles.insert(name);
        }
    }
    std::vector<TtyOrder> found;
    for (const std::string& name : ListDirectory(classDir)) {
        const std::string dir = classDir + "/" + name;
        if (!Exists(dir + "/device") || consoles.count(name) != 0) {
            continue;  // virtual ttys have no device; a console must never be probed
        }
        if (name.compare(0, 4, "ttyS") == 0 && OrderOf(name).rank == 0) {
            const std::string type = ReadLine(dir + "/type");
            if (type.empty() || type == "0") {
                continue;  // a ghost 8250 slot with no UART behind it
            }
        }
        found.push_back(OrderOf(name));
    }
    std::sort(found.begin(), found.end());
    std::vector<SerialDevice> devices;
    devices.reserve(found.size());
    for (const TtyOrder& tty : found) {
        devices.push_back(Inspect(classDir, devRoot, tty.name));
    }
    return devices;
}

SerialDevice InspectSerialDevice(const std::string& sysRoot, const std::string& devRoot,
                                 const std::string& path) {
    return Inspect(sysRoot + "/class/tty", devRoot, BaseName(path));
}

bool IsDevicePath(const std::string& name) {
    return !name.empty() && name[0] == '/';
}

bool IsUserDevicePath(const std::string& name) {
    return name.compare(0, 5, "/dev/") == 0;
}

const char* DevicePathExample() {
    return "/dev/ttyUSB0";
}

std::string DevicePathRule() {
    //: What a device path must be: the device must be an absolute path.
    return TrText("SerialDevices", "an absolute path");
}

bool DeviceNodeExists(const std::string& path) {
    return Exists(path);
}

std::string FindDeviceHolder(const std::string& devicePath) {
    struct stat device {};
    if (stat(devicePath.c_str(), &device) != 0) {
        return {};
    }
    if (const std::optional<long> pid = FlockHolder(device); pid && *pid > 0) {
        std::string holder = HolderName(*pid);
        if (!holder.empty()) {
            return holder;
        }
    }
    std::string holders;
    for (const long pid : DescriptorHolders(devicePath)) {
        const std::string holder = HolderName(pid);
        if (!holder.empty()) {
            holders += (holders.empty() ? "" : ", ") + holder;
        }
    }
    return holders;
}

std::string PermissionAdvice(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && info.st_gid != 0) {
        if (const group* owner = getgrgid(info.st_gid)) {
            //: What to do when a device may not be opened; %1 is the device's group (dialout).
            return FillText(
                TrText("SerialDevices", "add your user to the '%1' group, then log in again"),
                {owner->gr_name});
        }
    }
    return TrText("SerialDevices", "ask an administrator for read and write access to it");
}

}  // namespace platform
