#pragma once
#include <functional>
#include <vector>

#include "jobs/ProbedLine.h"
#include "platform/ports/CommTypes.h"

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
    // What one sleep asks of the lines and learns of each, kept from sleep to sleep so that
    // a wait that wakes every few milliseconds does not allocate.
    struct Sleeping {
        std::vector<CSerial*> watched;  // null for a line that is not slept on
        std::vector<platform::InputWait> each;
    };
    static bool Sleep(CThread& job, const std::vector<ProbedLine*>& lines, Sleeping& sleeping);
};
