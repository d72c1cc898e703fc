#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/WireSearch.h"

// Lines as the search meets them in the field, each alone on one port and searched through
// the wire model in virtual time by the jobs' own search unit: instruments that behave at a
// break as real ones do, at every search rate, and lines with no instrument on them.
class FieldCases {
  public:
    struct Case {
        std::string key;
        std::string name;
        bool atEverySearchRate = true;  // an instrument put at each rate; else the line as it is
        WireLine::Device device;
    };
    static std::vector<Case> All();

    // The searches of one way of searching over a case's runs.
    struct Tally {
        int runs = 0;
        int found = 0;   // the instrument, at its rate
        int wrong = 0;   // something reported at another rate, or where there is no instrument
        int missed = 0;  // not found where the fixed order found it
        double sumSeconds = 0;
        double worstSeconds = 0;
        // Returns whether it found the instrument at its rate.
        bool Add(const WireSearch::Result& search, std::uint32_t instrumentRate,
                 bool fixedFound = false);
    };
    struct Outcome {
        Tally fixed;
        Tally quick;
        Tally quickAtOnce;
        // The instrument's rate and the seed of each run where the quick search, either
        // pace, missed what the fixed order found.
        std::vector<std::pair<std::uint32_t, int>> quickMissedAt;
    };
    // Every search rate (for an instrument) and seeds 1 to seeds.
    static Outcome Run(const Case& fieldCase, int seeds);
};
