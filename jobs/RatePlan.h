#pragma once
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "jobs/LineProbe.h"
#include "jobs/RateRanking.h"

// The tries a search makes on one port, one after another: the rates in the search's fixed
// order, each with the usual break and wait; or the likeliest rate first, read again after
// each try from what it heard. Both the search of one port after another and the search of
// every port at once follow it, one plan per port.
//
// The likeliest order may try rates in any order and stop early on evidence, but never on
// weaker evidence than the fixed order's:
// - a try ends before its passes only on garbage at its rate (PromptAtRest::QuickTry);
// - a rate is left untried only when the garbage heard rules it out (RateRanking);
// - a try cut short while the line kept talking proved nothing, so the rate is tried again
//   with the full wait before the port is given up, unless the garbage rules it out; and
//   on such a line every later try gets the full wait;
// - so is a try that heard nothing after its break on a line that has answered other
//   breaks: a slow instrument may answer just after the wait;
// - a port is silent only after two full waits that heard nothing, the second after a
//   longer break at the fastest rate, where any instrument's answer is heard (a fast one's
//   bare prompt is shorter than half a bit at a slow rate, and its UART drops it);
// - readable text without a prompt after a full wait is another device at that rate.
class RatePlan {
  public:
    enum class Order { Fixed, Likeliest };

    struct Try {
        int rateIndex = -1;  // in the search's rate table
        std::int32_t rate = 0;
        ProbeBreak how;
        std::string reason;  // why this rate now: "garbage at 9600 points to 4800"
    };

    explicit RatePlan(Order order = Order::Fixed);

    // The next try; false once the port is done (see Done()).
    bool Next(Try& next);
    // What the try from Next heard after its break (nothing when its line could not be set
    // to the rate or broken), and what its wait made of it.
    void Heard(const std::string& bytes, const BreakHearing& hearing = BreakHearing());

    int Made() const { return m_made; }
    // The tries this port is expected to take yet, and their time, as far as the plan knows:
    // the tries it would make if none of them heard anything. Without news each try takes
    // one off; 0 once the port is done.
    int Left() const;
    std::chrono::milliseconds TimeLeft() const;
    // Why the port was given up, once Next has said so: "nothing heard at 9600 nor at
    // 115200", "readable text at 4800 without a prompt: another device", ...
    const std::string& Done() const { return m_done; }

  private:
    // A rate cut short, or that heard nothing after its break, is tried once more.
    enum class Status { Untried, Settled, CutShort, HeardNothing };
    bool NextLikeliest(Try& chosen);
    void Choose(std::int32_t rate, Try& chosen) const;
    template <typename Each>
    void DryRun(Each each) const;

    Order m_order;
    RateRanking m_ranking;
    Try m_current;
    int m_made = 0;
    std::vector<Status> m_status;  // by rate index
    bool m_heardAny = false;       // any byte at any try
    bool m_talking = false;        // a try was cut short while the line kept talking
    std::string m_otherDevice;     // what settled the port as another device's
    std::string m_done;
};
