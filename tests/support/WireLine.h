#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "jobs/LineProbe.h"
#include "tools/sim/SimulatedInstrument.h"

// A port played through the wire model in virtual time, for the jobs' own probe to run on
// with no pty and no waiting: what is on the far end of the cable at its own rate (an
// instrument, a device that talks unprompted, noise, or nothing), heard by a host at the
// rate under probe. Each reply leaves the instrument after its reply delay and each byte
// comes when a UART at the host's rate would have it.
class WireLine : public ProbeLine {
  public:
    using Clock = LineProbe::Clock;
    static constexpr std::chrono::milliseconds kReplyDelay{20};

    // What is on the far end of the cable.
    struct Device {
        std::uint32_t rate = 0;  // its line rate; 0: nothing talks on the line
        bool instrument = true;  // answers a break and a line feed
        // What the instrument says and does at a break: its banner, a stream whose record
        // under way it finishes, a glitch, an echo, breaks slept through, its delay.
        SimulatedInstrument::Behaviour behaviour;
        // Sent again and again, unprompted, every period (a GPS's sentences).
        std::string talk;
        std::chrono::milliseconds every{0};
        // Bursts of random bytes at random times, whatever the line does.
        bool noise = false;
        unsigned seed = 1;
    };

    // An instrument at its rate, or with rate 0 a silent line. now is the virtual clock
    // the line reads when the probe acts on it.
    WireLine(std::string name, const std::string& banner, std::uint32_t instrumentRate,
             const Clock::time_point& now);
    WireLine(std::string name, Device device, const Clock::time_point& now);

    bool SetRate(std::uint32_t hostRate) override;
    bool BeginBreak() override;
    bool EndBreak() override;
    bool WriteLineFeed() override;
    std::uint32_t Baud() const override { return m_hostRate; }
    const char* Name() const override { return m_name.c_str(); }

    // When the next byte comes; max when none is on its way.
    Clock::time_point NextByte();
    // Hands the probe the bytes that have come by until, each at its own time.
    void Deliver(LineProbe& probe, Clock::time_point until);

    // Follows the probes as the jobs' loop does, in virtual time: it steps every probe,
    // asks settled whether the run has what it wants (it may start new probes), and
    // otherwise moves the clock to the next wake or byte and hands over the bytes due.
    static void Run(const std::vector<std::pair<WireLine*, LineProbe*>>& probes,
                    Clock::time_point& now, const std::function<bool()>& settled);

  private:
    enum class Source { Instrument, Talk, Noise };
    struct Byte {
        unsigned char value;
        Source source;             // a break stops the instrument's reply; nothing else
        Clock::time_point sentAt;  // when what it is part of began
    };
    // Puts what the device sends from then on the wire, as the host's UART decodes it; of
    // that, what comes after notBefore.
    void Send(const std::string& bytes, Clock::time_point from, Source source,
              Clock::time_point notBefore = Clock::time_point::min());
    // Makes the unprompted bytes up to the first that may come before those on their way.
    void Refill();
    // The instrument stops talking after the character it is sending now.
    void StopAfterCharacterInFlight();
    Clock::time_point NextUnprompted() const;

    std::string m_name;
    Device m_device;
    std::uint32_t m_hostRate = 9600;
    SimulatedInstrument m_instrument;
    const Clock::time_point& m_now;
    std::multimap<Clock::time_point, Byte> m_pending;
    SimulatedInstrument::Wake m_wake;  // what it does about the break under way
    Clock::time_point m_freeAt;        // when the instrument's last frame has left
    Clock::time_point m_nextRecord;    // of a stream
    Clock::time_point m_nextTalk;
    Clock::time_point m_nextNoise;
    std::minstd_rand m_random;
};
