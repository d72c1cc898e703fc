#pragma once
#include <string>

#include "jobs/JobHost.h"

class CSearchThread;
class CProgramThread;
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

    // The job of each mode, made for the run's settings; null when it cannot be made.
    CSearchThread* NewSearchThread() const;
    CProgramThread* NewProgramThread() const;

    // The job succeeded: a search stores where the instrument answered.
    void OnSuccess(int mode, const JobHost::Outcome& outcome);
    // The line under a failure's fixed message: what happened and what to do.
    static std::string FailureDetail(const JobHost::Outcome& outcome);

  private:
    WizardRun& m_run;
};
