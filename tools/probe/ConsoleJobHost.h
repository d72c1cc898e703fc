#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "jobs/CThread.h"
#include "jobs/JobHost.h"
#include "jobs/NotifyTarget.h"

// A console host of the instrument jobs: an adapter of JobHost that takes the job's posted
// notifications on its own thread (the caller's), in order, and can be interrupted from
// any other thread.
class ConsoleJobHost : public NotifyTarget {
  public:
    struct Notification {
        std::uint32_t message = 0;  // WM_SEARCH_NOTIFY or WM_PROGRAM_NOTIFY
        std::int32_t state = 0;
        std::intptr_t code = 0;
    };

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
    ~ConsoleJobHost() override;
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

    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void ProbingChanged() override;

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

    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<Notification> m_queue;
    bool m_interrupted = false;
    bool m_probingChanged = false;  // the refresh is owed before the next redraw
};
