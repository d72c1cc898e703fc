#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

#include "jobs/JobHost.h"
#include "jobs/NotifyTarget.h"

// A host of one job for measuring: an adapter of JobHost that stamps each notification as
// it is posted and hands them to the measuring thread in order.
class BenchHost : public NotifyTarget {
  public:
    using Clock = std::chrono::steady_clock;

    struct Notification {
        std::uint32_t message;
        std::uintptr_t state;
        std::intptr_t code;
        Clock::time_point at;
    };

    BenchHost();
    ~BenchHost() override;

    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    // Waits for the next notification; false after timeoutMs without one.
    bool Next(Notification& out, std::uint32_t timeoutMs);

    // Stops the job as every host does; the seconds from the request to the
    // acknowledgement, or a negative value when none came.
    double Stop();

    JobHost job;

  private:
    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<Notification> m_queue;
};
