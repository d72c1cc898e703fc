#pragma once
#include <optional>
#include <string>
#include <vector>

struct stat;

// Who holds a device open, read from /proc: for a message that names the program in the
// way, and for the simulator, which clears a line's exclusive mode once no one holds it.
// POSIX only: Windows has no /proc and does not build these.
namespace platform {

// The pid that holds a flock on the file (0 when it is another pid namespace's), or none.
// Our hosts hold a line this way, as other careful serial programs do; one small read
// answers before the costly search of every process's descriptors.
std::optional<long> FlockHolder(const struct stat& file);

// The other processes with a descriptor open on the device, by pid, in order.
std::vector<long> DescriptorHolders(const std::string& devicePath);

// Whether any descriptor but ownFd (ours) is open on the device, this process's others
// included; true when /proc cannot be read, since that cannot tell.
bool HeldBeyond(const std::string& devicePath, int ownFd);

// "minicom (pid 4242)"; empty for a process gone meanwhile or in another namespace.
std::string HolderName(long pid);

}  // namespace platform
