#pragma once
#include <string>

#include "jobs/JobFactory.h"

class CSearchThread;
class CProgramThread;
struct RunSettings;

// What the progress dialog's rules ask of the window that shows them, in either toolkit.
class JobProgressView {
  public:
    virtual ~JobProgressView() = default;

    // Where the jobs come from: the run's own, unless a test gives others. Null when one
    // cannot be made.
    virtual CSearchThread* NewSearchThread(const RunSettings& settings) {
        return JobFactory::NewSearch(settings);
    }
    virtual CProgramThread* NewProgramThread(const RunSettings& settings) {
        return JobFactory::NewConnection(settings);
    }

    virtual void SetCaption(const std::string& caption) = 0;
    // One step on; past the end the bar starts over, so a long search keeps it moving.
    virtual void StepBar() = 0;
    virtual void FillBar() = 0;
    // The line under the bar: what the job is probing now.
    virtual void ShowProbing() = 0;
    // From now on the dialog is ending: later notifications are not handled.
    virtual void BeginEnding() = 0;
    virtual void Warn(const std::string& text, const std::string& detail) = 0;
    // Ends the dialog: 1 success, 0 failure.
    virtual void End(int result) = 0;
};
