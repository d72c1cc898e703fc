#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "jobs/CThread.h"
#include "platform/NotifyTarget.h"

// A console host of the instrument jobs, on the same terms as the wizard's progress
// dialog: it hands a job two events and a notification window, takes the job's posted
// notifications on its own thread (the caller's), decides success or failure by the same
// rules, and stops the job with the same protocol (stop event, then up to 1000 ms for the
// stopped event).
class ConsoleJobHost : public platform::NotifyTarget {
  public:
    static constexpr std::uint32_t kStopWaitMs = 1000;

    struct Notification {
        std::uint32_t message = 0;  // WM_SEARCH_NOTIFY or WM_PROGRAM_NOTIFY
        std::int32_t state = 0;
        std::intptr_t code = 0;
    };

    enum class Status {
        Success,
        Failure,      // the job failed: message (and, for a connection, reason) say why
        Interrupted,  // Interrupt() stopped the job before it had an outcome
        NotStarted,   // the job's thread could not be started
    };

    struct Outcome {
        Status status = Status::Failure;
        std::string portName;  // on success: "COM2"
        std::int32_t baud = 0;
        std::string banner;       // on success: what the instrument said before its prompt
        std::string message;      // "No Brinevane ADCPs were detected!", ...
        std::string reason;       // a failed connection: what the user can do about it
        std::string stopFailure;  // "Could not stop search thread!", when the stop timed out
    };

    using Observer = std::function<void(const Notification&)>;

    ConsoleJobHost();
    ~ConsoleJobHost() override;
    ConsoleJobHost(const ConsoleJobHost&) = delete;
    ConsoleJobHost& operator=(const ConsoleJobHost&) = delete;

    // Sees every notification as it is handled, on the thread that runs the job.
    void SetObserver(Observer observer) { m_observer = std::move(observer); }

    // Runs a job until its outcome, stops it and returns the outcome. One at a time.
    Outcome RunSearch();
    Outcome RunConnection(const std::string& portName, std::int32_t baud);

    // Stops the running job, or the next one at once; callable from any thread (not
    // from a signal handler). Stays in force for the life of the host.
    void Interrupt();

    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;

  private:
    using EventPtr = CThread::EventPtr;

    // A fresh window and events for each run: a job that failed to stop keeps its own,
    // and its late posts reach no later run.
    void BeginRun();
    void EndRun();
    // The next notification, or false when an interrupt came first.
    bool NextNotification(Notification& notification);
    bool StopJob();
    // Hands the job's notifications to the observer until ends() says one of the job's
    // own message ended the run (or an interrupt came), then stops the job; false when
    // the job did not acknowledge the stop.
    bool Drive(std::uint32_t message, Outcome& outcome,
               const std::function<bool(const Notification&)>& ends);
    bool IsInterrupted();

    Observer m_observer;
    std::shared_ptr<platform::NotifyWindow> m_window;
    EventPtr m_stopEvent;
    EventPtr m_stoppedEvent;

    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<Notification> m_queue;
    bool m_interrupted = false;
};
