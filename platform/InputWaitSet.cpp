#include "platform/InputWaitSet.h"

#include <cerrno>

#include "platform/LastError.h"
#include "platform/PollUntil.h"

namespace platform {

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
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const int fd = ports[i] != nullptr ? ports[i]->InputDescriptor() : -1;
        if (fd >= 0) {
            watched.push_back({fd, POLLIN, 0});
            owner.push_back(i);
            each[i] = InputWait::Timeout;
        }
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
