#include "platform/PollUntil.h"

#include <algorithm>
#include <cerrno>
#include <ctime>

#include "platform/LastError.h"

namespace platform {

int PollUntil(pollfd* fds, nfds_t count, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        auto left = std::max(std::chrono::steady_clock::duration::zero(),
                             deadline - std::chrono::steady_clock::now());
        // The kernel lets poll wake up to a thousandth of its timeout late (2 ms of a 2 s
        // wait): a long wait sleeps to just short of the deadline, then the rest.
        if (left > std::chrono::milliseconds(10)) {
            left -= left / 500;
        }
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
        const timespec timeout{
            static_cast<time_t>(seconds.count()),
            static_cast<long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(left - seconds).count())};
        const int ready = ppoll(fds, count, &timeout, nullptr);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            FailWithErrno();
            return -1;
        }
        if (ready == 0 && std::chrono::steady_clock::now() < deadline) {
            continue;
        }
        return ready;
    }
}

}  // namespace platform
