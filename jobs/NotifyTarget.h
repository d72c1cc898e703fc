#pragma once
#include <cstdint>

// A host of jobs: the progress dialog, the command line or a test. Receives posted
// notifications on a thread of its own choosing; Post is called from the worker thread
// and must return at once, never waiting for the host to handle the message.
class NotifyTarget {
  public:
    virtual ~NotifyTarget() = default;
    virtual void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // What the job is probing has changed (a try has begun, say): a host that shows it may
    // look at once rather than at its next redraw. Called from the worker thread; must
    // return at once.
    virtual void ProbingChanged() {}
};
