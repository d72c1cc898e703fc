#pragma once
#include <string>

#include "jobs/JobHost.h"
#include "ui/wizard/JobProgressView.h"

class WizardRun;

// The progress dialog's rules, for one job: the search (mode 1) or the connection (mode 2).
// How far one notification moves the bar, whether the user may leave, which job is made,
// what a success copies into the run, and how a failure is told.
class JobProgress {
  public:
    enum Mode : int { MODE_SEARCH = 1, MODE_CONNECTION = 2 };
    static constexpr int kSearchStep = 5;
    static constexpr int kDefaultStep = 10;
    // How often the line under the bar follows the job between its notifications.
    static constexpr int kProbingRefreshMs = 200;

    explicit JobProgress(WizardRun& run) : m_run(run) {}

    static int Step(int mode) { return mode == MODE_SEARCH ? kSearchStep : kDefaultStep; }
    // The search may take minutes: the user can leave it. A running connection ends by
    // itself within seconds, and leaving it would leave it unseen.
    static bool CanCancel(int mode) { return mode == MODE_SEARCH; }

    // Starts the job of the mode, made by the view for the run's settings; false, with the
    // user told and the dialog ended, when it could not be started.
    bool Start(int mode, JobHost& host, JobProgressView& view) const;

    // One notification, as the host made it: the bar moves, and the final one ends the
    // dialog. A success is stored before the job is stopped (the job's result is read
    // while it still runs); a failure is told, then the job stopped.
    void Apply(int mode, JobHost& host, const JobHost::Reaction& reaction, JobProgressView& view);
    // The user left the search: the job is stopped and the dialog ends as a failed search.
    static void Cancel(JobHost& host, JobProgressView& view);
    // The job succeeded: a search stores where the instrument answered.
    void OnSuccess(int mode, const JobHost::Outcome& outcome);
    // The line under a failure's fixed message: what happened and what to do.
    static std::string FailureDetail(const JobHost::Outcome& outcome);

  private:
    // A job that could not be started: the user is told why, and the dialog fails.
    static void NotStarted(const JobHost& host, JobProgressView& view);
    // Stops the job; false, with the user told, when it did not stop.
    static bool StopJob(JobHost& host, JobProgressView& view);

    WizardRun& m_run;
};
