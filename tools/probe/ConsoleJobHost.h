#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "jobs/CThread.h"
#include "jobs/JobHost.h"
#include "jobs/NotificationQueue.h"

// A console host of the instrument jobs: an adapter of JobHost that takes the job's posted
// notifications on its own thread (the caller's), in order, and can be interrupted from
// any other thread.
class ConsoleJobHost {
  public:
    using Notification = NotificationQueue::Notification;

    enum class Status {
        Success,
        Failure,      // the job failed: message, reason and reasonCode say why
        Interrupted,  // Interrupt() stopped the job before it had an outcome
        NotStarted,   // the job's thread could not be started
    };

    struct Outcome : JobHost::Outcome {
        Status status = Status::Failure;
    };

    using Observer = std::function<void(const Notification&)>;

    ConsoleJobHost();
    ~ConsoleJobHost();
    ConsoleJobHost(const ConsoleJobHost&) = delete;
    ConsoleJobHost& operator=(const ConsoleJobHost&) = delete;

    // Sees every notification as it is handled, on the thread that runs the job.
    void SetObserver(Observer observer) { m_observer = std::move(observer); }
    // Called on that thread after each notification, as soon as what the job probes has
    // changed, and every kRefreshMs while a job runs, so that a display of what is being
    // probed follows the job between notifications.
    static constexpr std::uint32_t kRefreshMs = 200;
    void SetRefresh(std::function<void()> refresh) { m_refresh = std::move(refresh); }
    // What the running job is probing; for the observer.
    CThread::Probing Probing() const;

    // Runs a job until its outcome, stops it and returns the outcome. One at a time.
    // A parallel search probes every port at the same time, with the same answer; a fast
    // one tries each port's likeliest rate first.
    Outcome RunSearch(bool parallel = false, bool fast = false);
    Outcome RunConnection(const std::string& portName, std::int32_t baud);

    // Stops the running job, or the next one at once; callable from any thread (not
    // from a signal handler). Stays in force for the life of the host.
    void Interrupt();

  private:
    // Drives the started job until its outcome or an interrupt, then stops it.
    Outcome Drive(JobHost& host);
    // The next notification, or false when an interrupt came first.
    bool NextNotification(Notification& notification);
    // Empties the queue for a new run; false, with the outcome Interrupted, once an
    // interrupt has come.
    bool BeginRun(Outcome& outcome);

    Observer m_observer;
    std::function<void()> m_refresh;
    JobHost* m_host = nullptr;  // the running job's, while Drive runs
    NotificationQueue m_queue;
};
