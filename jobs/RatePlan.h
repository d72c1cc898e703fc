#pragma once
#include <cstdint>
#include <string>

#include "jobs/LineProbe.h"
#include "jobs/RateRanking.h"

// The tries a search makes on one port, one after another: the rates in the search's fixed
// order, each with the usual break and wait; or the likeliest rate first, read again after
// each try from the garbage it heard (RateRanking), where a try that heard nothing at all
// gets one more with a longer break and a port silent for that too is passed over (a
// present instrument answers a break at any rate). Both the search of one port after
// another and the search of every port at once follow it, one plan per port.
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

    // The next try; false once the port is done: every rate tried, or silent twice.
    bool Next(Try& next);
    // What the try from Next heard after its break (nothing when its line could not be set
    // to the rate or broken).
    void Heard(const std::string& bytes);

    int Made() const { return m_made; }
    // The tries this port is expected to take yet, as far as the plan knows: in the fixed
    // order every rate left; otherwise no more than a silent port's, which garbage heard
    // may later stretch. 0 once the port is done.
    int Left() const;

  private:
    Order m_order;
    RateRanking m_ranking;
    Try m_current;
    int m_made = 0;
    int m_silent = 0;  // tries in a row that heard nothing at all
};
