#include "platform/ports/InputWaitSet.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

#include "platform/os/LastError.h"

namespace platform {
namespace {

// poll until a descriptor is ready or the deadline has passed, through interruptions and
// the kernel's early or late wake-ups: the number ready, 0 at the deadline, -1 on failure.
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

}  // namespace

InputWait InputWaitSet::Wait(const std::vector<CommPort*>& ports, Event& stop,
                             std::chrono::steady_clock::time_point deadline,
                             std::vector<InputWait>& each) {
    each.assign(ports.size(), InputWait::Unsupported);
    const int stopFd = stop.Descriptor();
    if (stopFd < 0) {
        return InputWait::Unsupported;
    }
    std::vector<pollfd> watched{{stopFd, POLLIN, 0}};
    std::vector<std::size_t> owner;  // the port of each watched line
    bool blind = false;              // a line is asked for that cannot be slept on
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const int fd = ports[i] != nullptr ? ports[i]->InputDescriptor() : -1;
        if (fd >= 0) {
            watched.push_back({fd, POLLIN, 0});
            owner.push_back(i);
            each[i] = InputWait::Timeout;
        }
        blind |= ports[i] != nullptr && fd < 0;
    }
    if (blind) {
        // Its caller polls such a line in passes: a sleep to the deadline would leave it
        // unheard until then (a network port's whole prompt wait).
        deadline =
            std::min(deadline, std::chrono::steady_clock::now() + std::chrono::milliseconds(1));
    }
    const int ready = PollUntil(watched.data(), watched.size(), deadline);
    if (ready < 0) {
        return InputWait::Failed;
    }
    if (watched[0].revents != 0) {
        if ((watched[0].revents & POLLIN) != 0) {
            return InputWait::Stop;
        }
        SetLastError(EBADF);
        return InputWait::Failed;
    }
    InputWait result = InputWait::Timeout;
    for (std::size_t w = 1; w < watched.size(); ++w) {
        if (watched[w].revents == 0) {
            continue;
        }
        // Hung up or in error with nothing to read (a pty whose master closed) would wake
        // every wait at once for ever.
        each[owner[w - 1]] =
            (watched[w].revents & POLLIN) != 0 ? InputWait::Input : InputWait::Failed;
        result = InputWait::Input;
    }
    return result;
}

}  // namespace platform
