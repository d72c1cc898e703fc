#pragma once
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "jobs/LineProbe.h"
#include "tools/sim/SimulatedInstrument.h"

// A port played through the wire model in virtual time, for the jobs' own probe to run on
// with no pty and no waiting: an instrument at its rate (or none), heard by a host at the
// rate under probe. Each reply leaves the instrument after its reply delay and each byte
// comes when a UART at the host's rate would have it.
class WireLine : public ProbeLine {
  public:
    using Clock = LineProbe::Clock;
    static constexpr std::chrono::milliseconds kReplyDelay{20};

    // With instrumentRate 0 the line has no instrument and stays silent. now is the
    // virtual clock the line reads when the probe acts on it.
    WireLine(std::string name, const std::string& banner, std::uint32_t instrumentRate,
             const Clock::time_point& now);

    void SetRate(std::uint32_t hostRate) { m_hostRate = hostRate; }
    bool BeginBreak() override;
    bool EndBreak() override;
    bool WriteLineFeed() override;
    std::uint32_t Baud() const override { return m_hostRate; }
    const char* Name() const override { return m_name.c_str(); }

    // When the next byte comes; max when none is on its way.
    Clock::time_point NextByte() const;
    // Hands the probe the bytes that have come by until, each at its own time.
    void Deliver(LineProbe& probe, Clock::time_point until);

    // Follows the probes as the jobs' loop does, in virtual time: it steps every probe,
    // asks settled whether the run has what it wants (it may start new probes), and
    // otherwise moves the clock to the next wake or byte and hands over the bytes due.
    static void Run(const std::vector<std::pair<WireLine*, LineProbe*>>& probes,
                    Clock::time_point& now, const std::function<bool()>& settled);

  private:
    void Send(const std::string& reply, Clock::time_point from);

    std::string m_name;
    std::uint32_t m_instrumentRate;
    std::uint32_t m_hostRate = 9600;
    SimulatedInstrument m_instrument;
    const Clock::time_point& m_now;
    std::deque<std::pair<Clock::time_point, unsigned char>> m_pending;
};
