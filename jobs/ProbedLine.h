#pragma once
#include <string>

#include "jobs/LineProbe.h"
#include "platform/os/Event.h"

class CSerial;

// A port under probe: the probe, and its acts done on the job's serial link. The probe
// loop follows what listens on the line through the hooks below; what listens is the
// probe, unless a wait of another kind overrides them.
class ProbedLine : public ProbeLine {
  public:
    using Clock = LineProbe::Clock;

    // A stop request ends a line feed stuck on a line that takes no output.
    ProbedLine(CSerial& serial, std::string name, platform::Event* stop);
    virtual ~ProbedLine() = default;

    bool SetRate(std::uint32_t rate) override;
    bool BeginBreak() override;
    bool EndBreak() override;
    bool WriteLineFeed() override;
    std::uint32_t Baud() const override;
    const char* Name() const override { return m_name.c_str(); }

    // Starts the probe, or moves it on, on this line.
    void StartAtBreak(const ProbeBreak& how = {});
    void StartAtLineFeed();

    // What the probe loop asks of what listens on the line.
    virtual bool Listening() const { return probe.Listening(); }
    // When it must next be stepped if no byte comes.
    virtual Clock::time_point WakeAt() const { return probe.WakeAt(); }
    // A byte read off the line; true when no more is to be read for now (the rest stays
    // queued on the line).
    virtual bool Take(unsigned char byte, Clock::time_point now);
    // The line can give nothing more.
    virtual void LineEnded() { probe.LineEnded(); }
    virtual void Step();
    // Ends it where it is; a break still raised is let go.
    virtual void Abandon() { probe.Abandon(*this); }

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
