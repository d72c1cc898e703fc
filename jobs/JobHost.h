#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "jobs/CThread.h"
#include "jobs/NotifyTarget.h"
#include "jobs/PortVerdict.h"
#include "jobs/ProbeTiming.h"

class CSearchThread;
class CProgramThread;

// The host's half of the jobs' protocol, written once for every host: the wizard's progress
// dialog, the command line and the bench are adapters that receive the notifications their
// own way and hand each one here, on their own thread, in the order posted. It starts a job
// with a window and two events of its own, says what each notification means, reads the
// outcome from the job before the stop (from then on the job may delete itself), stops it
// (stop event, then up to 1000 ms for the stopped event), and explains a failure.
class JobHost {
  public:
    static constexpr std::uint32_t kStopWaitMs = probe_timing::kStopWaitMs;

    enum class Verdict { Running, Success, Failure };

    // What one notification means to the host.
    struct Reaction {
        bool step = false;    // one step of the progress display
        std::string caption;  // a new title, "Searching..." or "Programming..."; empty: none
        Verdict verdict = Verdict::Running;
    };

    struct Outcome {
        Verdict verdict = Verdict::Running;
        std::string portName;  // on success: "COM2"
        std::int32_t baud = 0;
        std::string banner;       // on success: what the instrument said before its prompt
        bool rateApplied = true;  // false after a connection over a raw TCP port
        std::string message;      // "No Brinevane ADCPs were detected!", ...
        std::string reason;       // a failure: what happened and what to do, in one line
        std::string reasonCode;   // the same for scripts: "no-prompt", "in-use", ...
        std::string stopFailure;  // "Could not stop search thread!", when the stop timed out
        // A search's verdict on each port that gave no answer (below the answer on success),
        // in port order.
        std::vector<PortVerdict> ports;
    };

    // The target receives the job's notifications, on the job's thread.
    explicit JobHost(NotifyTarget& target);
    ~JobHost();
    JobHost(const JobHost&) = delete;
    JobHost& operator=(const JobHost&) = delete;

    // Start a job the caller has made (null when it could not be). From then on the job
    // belongs to its thread. False, with the outcome's message set and the job deleted,
    // when it could not be started. One job per host.
    bool StartSearch(CSearchThread* job);
    bool StartConnection(CProgramThread* job);

    // One notification. After the one that ends the run, the rest mean nothing.
    Reaction Handle(std::uint32_t message, std::intptr_t state, std::intptr_t code);

    // Stops the job; false, with the outcome's stopFailure set, when it did not
    // acknowledge within kStopWaitMs. A job that did not stop keeps the events.
    bool Stop();
    bool HasJob() const { return m_job != nullptr; }
    // No notification reaches the target from now on.
    void Detach();

    const Outcome& GetOutcome() const { return m_outcome; }
    // What the job is probing now; empty once it has been stopped.
    CThread::Probing GetProbing() const;
    // "COM2 (/dev/ttyUSB0) at 19200 baud"; empty before the job has said.
    static std::string Describe(const CThread::Probing& probing);
    // "probe 3 of 16, about 30 s left", from the floor of a silent probe; without the
    // count, "about 30 s left".
    static std::string Remaining(const CThread::Probing& probing, bool withCount = true);

    // What the host knows of one kind of job: its message, the states that end it, its texts,
    // and how its outcome is read from it before it is stopped (from then on it may be gone).
    struct Kind;

  private:
    bool Start(CThread* job, const Kind& kind);

    std::shared_ptr<NotifyWindow> m_window;
    CThread::EventPtr m_stop;
    CThread::EventPtr m_stopped;
    CThread* m_job = nullptr;  // alive until stopped
    const Kind* m_kind = nullptr;
    bool m_ended = false;
    Outcome m_outcome;
};
