#pragma once
#include <poll.h>

#include <chrono>

namespace platform {

// poll until a descriptor is ready or the deadline has passed, through interruptions and
// the kernel's early or late wake-ups: the number of ready descriptors, 0 at the deadline,
// -1 (last error set) when poll fails.
int PollUntil(pollfd* fds, nfds_t count, std::chrono::steady_clock::time_point deadline);

}  // namespace platform
