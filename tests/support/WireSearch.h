#pragma once
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "jobs/RatePlan.h"
#include "jobs/SearchUnit.h"
#include "tests/support/WireLine.h"

// A search through the wire model in virtual time, by the jobs' own search unit, with the
// ports added as the jobs add them: one after another, the next opened once the last is
// done with (the search port by port), or all of them at once.
class WireSearch : private SearchUnit::Listener {
  public:
    struct Port {
        int number = 0;
        WireLine::Device device;  // rate 0: a silent line
        bool inUse = false;       // held by another program: passed over without a probe

        static Port Silent(int number);
        // An instrument at its rate, as it behaves at a break.
        static Port Instrument(int number, std::uint32_t rate,
                               const SimulatedInstrument::Behaviour& behaviour = {},
                               unsigned seed = 1);
        // Random bytes whatever the line does, with an instrument behind them at its rate
        // (0: none).
        static Port Noise(int number, unsigned seed, std::uint32_t instrumentRate = 0);
        // A device that talks whatever the host does: the same bytes at its rate, every period.
        static Port Talking(int number, std::uint32_t rate, const std::string& talk,
                            std::chrono::milliseconds every);
    };

    struct Result {
        int port = 0;  // the port that answered; 0: none
        int rateIndex = -1;
        SearchRecord record;
        std::map<int, int> tryEnds;  // the tries each port ended, as the jobs notify them
        double seconds = 0;          // from the first break to the answer
    };

    static Result Run(const std::vector<Port>& ports, RatePlan::Order order, SearchUnit::Pace pace);

    // An instrument's greeting as any firmware might write it: one to three lines of
    // printable ASCII between line ends.
    static std::string RandomBanner(std::mt19937& random);

    // One port holding an instrument (rate 0: a silent port), searched alone.
    static Result OnePort(const std::string& banner, std::uint32_t rate, RatePlan::Order order);

  private:
    explicit WireSearch(RatePlan::Order order, SearchUnit::Pace pace);

    void TryEnded(int port) override { ++m_result.tryEnds[port]; }
    void ShowProbing(const Probing&) override {}
    void PortLetGo(int) override {}

    // Steps the ports added so far to the unit's verdict.
    void Settle();

    SearchUnit m_unit;
    WireLine::Clock::time_point m_now;
    std::vector<std::pair<WireLine*, LineProbe*>> m_probes;
    Result m_result;
};
