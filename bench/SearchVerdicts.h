#pragma once
#include <cstdint>
#include <map>
#include <vector>

// The rate a search reports for instruments with random banners, worked out in process
// through the wire model and the instrument's own behaviour, with no pty and no waiting:
// each probe is the host hearing, at its rate, what the instrument says after a break, and
// then the line feed exchange that confirms a prompt. Before the mend a search took the
// first rate whose garbage held a '>'; now the instrument must rest on its prompt and answer
// a line feed with text ending in one, as the search job checks.
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
};
