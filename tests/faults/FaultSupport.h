#pragma once
#include <dirent.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "jobs/CThread.h"

// Shared by the fault tests: clocks, counts of what a process holds, and a job whose
// stop event the test holds, for running the prompt wait on the test's own thread.
namespace faults {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using std::chrono::seconds;

inline long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<milliseconds>(Clock::now() - start).count());
}

// Entries of a /proc folder: descriptors in /proc/self/fd, threads in /proc/self/task.
inline int CountEntries(const char* path) {
    int count = 0;
    if (DIR* dir = opendir(path)) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.') {
                ++count;
            }
        }
        closedir(dir);
    }
    return count;
}

inline int OpenDescriptors() {
    return CountEntries("/proc/self/fd");
}

// What each open descriptor refers to, one "fd -> target" a line: what a failed count
// shows, so that a leak names itself.
inline std::string DescribeDescriptors() {
    std::string listing;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            char target[512];
            const std::string link = std::string("/proc/self/fd/") + entry->d_name;
            const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
            listing += std::string(entry->d_name) + " -> " +
                       (n > 0 ? std::string(target, static_cast<std::size_t>(n)) : "?") + "\n";
        }
        closedir(dir);
    }
    return listing;
}
inline int Threads() {
    return CountEntries("/proc/self/task");
}

template <typename Condition>
bool HoldsWithin(Condition condition, milliseconds timeout = seconds(3)) {
    const auto deadline = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(milliseconds(1));
    }
    return true;
}

class StoppableJob : public CThread {
  public:
    explicit StoppableJob(EventPtr stop) { m_pStopEvent = std::move(stop); }
};

}  // namespace faults
