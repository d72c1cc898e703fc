#pragma once
#include <cstdint>

#include "jobs/JobHost.h"
#include "jobs/NotificationQueue.h"

// A host of one job for measuring: an adapter of JobHost whose notifications come to the
// measuring thread in order, each stamped as it was posted.
class BenchHost {
  public:
    using Clock = NotificationQueue::Clock;
    using Notification = NotificationQueue::Notification;

    BenchHost();
    ~BenchHost();

    // Waits for the next notification; false after timeoutMs without one.
    bool Next(Notification& out, std::uint32_t timeoutMs);

    // Stops the job as every host does; the seconds from the request to the
    // acknowledgement, or a negative value when none came.
    double Stop();

  private:
    NotificationQueue m_queue;  // before the job host, which posts to it

  public:
    JobHost job;
};
