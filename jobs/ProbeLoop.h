#pragma once
#include <functional>
#include <string>
#include <vector>

#include "jobs/LineProbe.h"
#include "platform/Event.h"

class CSerial;
class CThread;

// A port under probe: the probe, and its acts done on the job's serial link.
class ProbedLine : public ProbeLine {
  public:
    // A stop request ends a line feed stuck on a line that takes no output.
    ProbedLine(CSerial& serial, std::string name, platform::Event* stop);

    bool BeginBreak() override;
    bool EndBreak() override;
    bool WriteLineFeed() override;
    std::uint32_t Baud() const override;
    const char* Name() const override { return m_name.c_str(); }

    CSerial& Serial() { return m_serial; }
    // Starts the probe, or moves it on, on this line.
    void StartAtBreak();
    void StartAtLineFeed();
    void Step();
    void Abandon() { probe.Abandon(*this); }

    LineProbe probe;

  private:
    friend class ProbeLoop;

    CSerial& m_serial;
    std::string m_name;
    platform::Event* m_stop;
    bool m_pollOnly = false;  // the line cannot be slept on: 1 ms passes
    bool m_pollNext = false;  // it woke a sleep for nothing: one pass instead
};

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
