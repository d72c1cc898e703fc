#include <algorithm>

#include "platform/ports/InputWaitSet.h"

namespace platform {

// A Windows line gives no handle to sleep on together with other lines (its own wait is an
// overlapped WaitCommEvent): the caller polls the lines, and a sleep is taken here only when
// there is no line to watch, on the stop event alone.
InputWait InputWaitSet::Wait(const std::vector<CommPort*>& ports, Event& stop,
                             std::chrono::steady_clock::time_point deadline,
                             std::vector<InputWait>& each) {
    each.assign(ports.size(), InputWait::Unsupported);
    const bool anyLine =
        std::any_of(ports.begin(), ports.end(), [](CommPort* port) { return port != nullptr; });
    if (anyLine) {
        return InputWait::Unsupported;
    }
    switch (stop.WaitUntil(deadline)) {
        case WaitResult::Signaled:
            return InputWait::Stop;
        case WaitResult::Timeout:
            return InputWait::Timeout;
        default:
            return InputWait::Failed;
    }
}

}  // namespace platform
