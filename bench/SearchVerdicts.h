#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "jobs/RatePlan.h"

// The rate a search reports for instruments with random banners, worked out in process
// by the jobs' search unit through the wire model. Before the mend a search took the first
// rate whose garbage held a '>'; now the instrument must rest on its prompt and answer a
// line feed with text ending in one.
class SearchVerdicts {
  public:
    struct Tally {
        std::uint32_t rate = 0;  // the instrument's
        int banners = 0;
        // The rate reported for each banner (0: none), by the first-'>' rule and by ours.
        std::map<std::uint32_t, int> firstPrompt;
        std::map<std::uint32_t, int> confirmed;
    };

    // banners random banners per search rate, from a fixed seed so that runs repeat.
    static std::vector<Tally> Run(int banners, unsigned seed);

    // The search of one port in the given order, in virtual time: the rate it confirmed
    // (0: none), the tries it made and the seconds from its first break to its verdict.
    struct PortTime {
        std::uint32_t rate = 0;
        int tries = 0;
        double seconds = 0;
    };
    // instrumentRate 0: a silent port.
    static PortTime SearchPort(const std::string& banner, std::uint32_t instrumentRate,
                               RatePlan::Order order);
};
