#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

#include "jobs/NotifyTarget.h"

// The notifications a job posts, handed in order to the host's own thread, which takes them
// one at a time. Each is stamped as it is posted. An interrupt, from any thread, ends the
// wait in progress and every later one.
class NotificationQueue : public NotifyTarget {
  public:
    using Clock = std::chrono::steady_clock;

    struct Notification {
        std::uint32_t message = 0;  // WM_SEARCH_NOTIFY or WM_PROGRAM_NOTIFY
        std::int32_t state = 0;
        std::intptr_t code = 0;
        Clock::time_point at{};  // when the job posted it
    };

    // ProbingChanged: what the job probes changed before a notification came (only for a
    // host that asked to be woken for it).
    enum class Wait { Taken, TimedOut, Interrupted, ProbingChanged };

    // From the job's thread; never waits for the host.
    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void ProbingChanged() override;
    // A host that shows what the job probes is woken as soon as it changes.
    void WakeForProbing() { m_wakeForProbing = true; }

    // The oldest notification, waiting up to the timeout for one. An interrupt comes first.
    Wait Next(Notification& out, std::chrono::milliseconds timeout);

    // Callable from any thread (not from a signal handler); stays in force.
    void Interrupt();

    // Forgets what an earlier job left queued, before a new one starts; false once
    // interrupted.
    bool Restart();

  private:
    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<Notification> m_queue;
    bool m_interrupted = false;
    std::atomic<bool> m_wakeForProbing{false};
    bool m_probingChanged = false;
};
