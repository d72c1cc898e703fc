#pragma once
#include <functional>
#include <vector>

#include "jobs/ProbedLine.h"
#include "platform/ports/CommTypes.h"

class CThread;

// Follows what listens on any number of lines from one thread, as one loop: it steps each
// line's probe, asks the job whether it has what it wants (the job may start new probes
// then), and otherwise sleeps on all the lines that listen and the stop request at once,
// until a line has input, a probe's time is up or a stop comes. A line that cannot be slept
// on is polled in 1 ms passes through the stop event. What has arrived is read byte by
// byte and handed over with the time it was read.
class ProbeLoop {
  public:
    // False when a stop ended it; every probe is then abandoned, its break let go.
    static bool Run(CThread& job, const std::vector<ProbedLine*>& lines,
                    const std::function<bool()>& settled);
    // One probe to its end: the connection, or a wait on one line.
    static bool RunOne(CThread& job, ProbedLine& line);

  private:
    // What one sleep asks of the lines and learns of each, kept from sleep to sleep so that
    // a wait that wakes every few milliseconds does not allocate.
    struct Sleeping {
        std::vector<CSerial*> watched;  // null for a line that is not slept on
        std::vector<platform::InputWait> each;
        std::size_t watching = 0;  // lines slept on
        std::size_t only = 0;      // the last of them
    };
    using Clock = ProbedLine::Clock;

    // Sleeps until a line has input, the earliest wake or a stop; false on a stop.
    static bool Sleep(CThread& job, const std::vector<ProbedLine*>& lines, Sleeping& sleeping);
    // Which lines the sleep waits on, and until when.
    static Clock::time_point Watch(const std::vector<ProbedLine*>& lines, Sleeping& sleeping);
    // The wait itself; false on a stop.
    static bool Wait(CThread& job, Clock::time_point wake, Sleeping& sleeping);
    // Hands what each listening line has to what listens, and learns how it can be waited on.
    static void Hear(const std::vector<ProbedLine*>& lines, const Sleeping& sleeping);
    // Reads what waits on the line byte by byte until what listens has enough, for 1 ms at
    // most: a line that floods faster than bytes can be read one by one cannot hold the
    // loop. Whether any byte was read.
    static bool Drain(ProbedLine& line);
};
