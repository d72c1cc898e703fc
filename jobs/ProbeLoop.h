#pragma once
#include <functional>
#include <vector>

#include "jobs/ProbedLine.h"

class CThread;

// Follows the probes of any number of lines from one thread, as one loop: it steps every
// probe, asks the job whether it has what it wants (the job may start new probes then),
// and otherwise sleeps on all the lines that listen and the stop request at once, until a
// line has input, a probe's time is up or a stop comes. A line that cannot be slept on is
// polled in 1 ms passes through the stop event.
class ProbeLoop {
  public:
    // False when a stop ended it; every probe is then abandoned, its break let go.
    static bool Run(CThread& job, const std::vector<ProbedLine*>& lines,
                    const std::function<bool()>& settled);
    // One probe to its end: the search of one port after another, and the connection.
    static bool RunOne(CThread& job, ProbedLine& line);

  private:
    static bool Sleep(CThread& job, const std::vector<ProbedLine*>& lines);
};
