#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/WireSearch.h"

// Lines as the search meets them in the field, searched through the wire model in virtual
// time by the jobs' own search unit, in the fixed order and quickly, port by port and all at
// once: instruments that behave at a break as real ones do, at every search rate, and lines
// with no instrument on them. One list for the tests and the bench.
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
        int found = 0;   // the instrument, on its port at its rate
        int wrong = 0;   // something reported elsewhere, or where there is no instrument
        int missed = 0;  // not found where the fixed order found it
        double sumSeconds = 0;
        double worstSeconds = 0;
        // Returns whether it found the instrument (on instrumentPort, at instrumentRate;
        // rate 0: there is none).
        bool Add(const WireSearch::Result& search, int instrumentPort, std::uint32_t instrumentRate,
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
    // Every search rate (for an instrument) and seeds 1 to seeds. With a silent port below
    // the case's, the search all at once must also wait for that port's verdict.
    static Outcome Run(const Case& fieldCase, int seeds, bool silentPortBelow = false);
};
