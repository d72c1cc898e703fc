#pragma once

class CSearchThread;
class CProgramThread;
struct RunSettings;

// The job a run's settings call for, made alike for every host: the wizard's dialogs, the
// command line and the bench. Null when it cannot be made.
class JobFactory {
  public:
    // One port at a time or all at once, each port's rates in the fixed order or its
    // likeliest first.
    static CSearchThread* NewSearch(const RunSettings& settings);
    static CSearchThread* NewSearch(bool parallel, bool fast);
    // The connection reads the settings when it starts: they must outlive the job.
    static CProgramThread* NewConnection(const RunSettings& settings);
};
