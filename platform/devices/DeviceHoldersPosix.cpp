#include <dirent.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/devices/DeviceHolders.h"
#include "platform/os/Translation.h"

namespace platform {
namespace {

// The pids with a descriptor open on device (a resolved path), skipping either all of this
// process's descriptors (ownFd < 0) or just ownFd; stops at the first when firstOnly.
// False when /proc cannot be read.
bool ScanDescriptors(const std::string& device, int ownFd, bool firstOnly,
                     std::vector<long>& holders) {
    const long self = static_cast<long>(getpid());
    DIR* proc = opendir("/proc");
    if (proc == nullptr) {
        return false;
    }
    while (const dirent* entry = readdir(proc)) {
        const std::string name = entry->d_name;
        if (name.empty() || !std::all_of(name.begin(), name.end(), ::isdigit)) {
            continue;
        }
        const long pid = std::atol(name.c_str());
        if (pid == self && ownFd < 0) {
            continue;
        }
        const std::string fdDir = "/proc/" + name + "/fd";
        DIR* fds = opendir(fdDir.c_str());
        if (fds == nullptr) {
            continue;  // another user's process, or gone
        }
        while (const dirent* fd = readdir(fds)) {
            if (pid == self && std::atoi(fd->d_name) == ownFd) {
                continue;
            }
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
        if (firstOnly && !holders.empty()) {
            break;
        }
    }
    closedir(proc);
    return true;
}

}  // namespace

// /proc/locks names the inode as "major:minor:inode" of its file system, major and minor
// in hex.
std::optional<long> FlockHolder(const struct stat& file) {
    std::optional<long> holder;
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
        if (lockMajor == major(file.st_dev) && lockMinor == minor(file.st_dev) &&
            inode == file.st_ino) {
            const long pid = std::atol(pidText.c_str());
            if (pid > 0) {
                return pid;
            }
            holder = 0;  // held from another pid namespace: look on for one we can name
        }
    }
    return holder;
}

std::vector<long> DescriptorHolders(const std::string& devicePath) {
    std::vector<long> holders;
    char resolved[PATH_MAX];
    if (realpath(devicePath.c_str(), resolved) == nullptr) {
        return holders;
    }
    ScanDescriptors(resolved, -1, false, holders);
    std::sort(holders.begin(), holders.end());
    return holders;
}

bool HeldBeyond(const std::string& devicePath, int ownFd) {
    std::vector<long> holders;
    return !ScanDescriptors(devicePath, ownFd, true, holders) || !holders.empty();
}

std::string HolderName(long pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    if (name.empty()) {
        return {};  // gone meanwhile, or another namespace's pid
    }
    //: A program that holds a device: %1 is its name (minicom), %2 its process number.
    return FillText(TrText("DeviceHolders", "%1 (pid %2)"), {name, std::to_string(pid)});
}

}  // namespace platform
