#pragma once
#include <chrono>
#include <vector>

#include "platform/os/Event.h"
#include "platform/ports/CommPort.h"
#include "platform/ports/CommTypes.h"

namespace platform {

// One sleep over several lines and the stop request at once, so that one thread can
// follow many ports: it ends when any line has input, the stop event is set or the
// deadline passes.
class InputWaitSet {
  public:
    // each[i] tells what became of ports[i]: Input (bytes wait, or the line has something to
    // report), Failed (hung up or in error: it cannot be slept on and must be polled),
    // Unsupported (a null port, or a driver that cannot be slept on), or Timeout (nothing).
    // The result is Stop, Timeout, Input (when any port is Input or Failed), or Unsupported
    // (the stop event cannot be watched: nothing was waited on).
    static InputWait Wait(const std::vector<CommPort*>& ports, Event& stop,
                          std::chrono::steady_clock::time_point deadline,
                          std::vector<InputWait>& each);
};

}  // namespace platform
