#pragma once
#include <string>

#include "jobs/LineProbe.h"
#include "platform/os/Event.h"

class CSerial;

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

    // Starts the probe, or moves it on, on this line.
    void StartAtBreak(const ProbeBreak& how = {});
    void StartAtLineFeed();
    void Step();
    void Abandon() { probe.Abandon(*this); }

    LineProbe probe;

  private:
    void ForgetHowItWasWaitedOn();
    friend class ProbeLoop;

    CSerial& m_serial;
    std::string m_name;
    platform::Event* m_stop;
    bool m_pollOnly = false;  // the line cannot be slept on: 1 ms passes
    bool m_pollNext = false;  // it woke a sleep for nothing: one pass instead
};
