// The quick search against instruments as they behave in the field, through the wire model
// in virtual time with the jobs' own search unit: wherever the fixed order finds one, the
// quick search finds it too, port by port and all at once.
#include "jobs/RatePlan.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "serial/BaudRates.h"
#include "tests/support/FieldCases.h"

namespace {

using Order = RatePlan::Order;
using Pace = SearchUnit::Pace;

// An instrument's wake delay is drawn anew at every break, so each seed walks another path
// through the tries: enough of them that a delay landing at the end of a wait, on the true
// rate or on the try that must hear the instrument, comes up at every rate.
constexpr int kSeeds = 50;

std::string Listed(const std::vector<std::pair<std::uint32_t, int>>& runs) {
    std::string listed;
    for (const auto& [rate, seed] : runs) {
        listed += " " + std::to_string(rate) + " seed " + std::to_string(seed) + ";";
    }
    return listed;
}

// Behind a silent port, which the search all at once must wait for.
TEST(RatePlanTest, TheQuickSearchFindsWhatTheFixedOrderFindsOnEveryPath) {
    int instrumentRuns = 0;
    int fixedFound = 0;
    for (const FieldCases::Case& field : FieldCases::All()) {
        const FieldCases::Outcome outcome = FieldCases::Run(field, kSeeds, true);
        EXPECT_TRUE(outcome.quickMissedAt.empty())
            << field.name << ":" << Listed(outcome.quickMissedAt);
        EXPECT_EQ(outcome.fixed.wrong + outcome.quick.wrong + outcome.quickAtOnce.wrong, 0)
            << field.name;
        if (field.atEverySearchRate) {
            instrumentRuns += outcome.fixed.runs;
            fixedFound += outcome.fixed.found;
        }
    }
    // The fixed order itself misses only an instrument at 9600 that slept through its one
    // break there, and one whose answer came too late for the wait.
    EXPECT_GT(fixedFound, instrumentRuns * 9 / 10);
}

// A port is called silent after two full waits, the second at the fastest rate after a
// longer break, within 5 s; noise costs the quick search no more than the fixed order.
TEST(RatePlanTest, SilenceAndNoiseCostNoMoreThanTheFixedOrder) {
    const WireSearch::Result quiet =
        WireSearch::Run({WireSearch::Port::Silent(1)}, Order::Likeliest, Pace::PortByPort);
    ASSERT_EQ(quiet.record.ports.size(), 1U);
    const auto& tries = quiet.record.ports[0].tries;
    ASSERT_EQ(tries.size(), 2U);
    EXPECT_EQ(tries[1].rate, 115200);
    EXPECT_GE(tries[1].how.passes, tries[0].how.passes);
    EXPECT_LE(quiet.seconds, 5.0);

    for (unsigned seed = 1; seed <= 10; ++seed) {
        const WireSearch::Port noise = WireSearch::Port::Noise(1, seed);
        const double fixed = WireSearch::Run({noise}, Order::Fixed, Pace::PortByPort).seconds;
        for (const Pace pace : {Pace::PortByPort, Pace::AllAtOnce}) {
            EXPECT_LE(WireSearch::Run({noise}, Order::Likeliest, pace).seconds, fixed) << seed;
        }
    }
}

// The tries a plan expects go down by one with each try that teaches it nothing, and its
// estimate before the last try is right within one.
TEST(RatePlanTest, TheTriesLeftGoDownUnlessSomethingIsLearned) {
    RatePlan fixed(Order::Fixed);
    RatePlan::Try next;
    for (int left = 8; fixed.Next(next); --left) {
        EXPECT_EQ(fixed.Left(), left - 1);
        fixed.Heard(std::string(20, '\x81'));  // garbage changes nothing in the fixed order
    }

    RatePlan plan(Order::Likeliest);
    EXPECT_EQ(plan.Left(), 2);
    EXPECT_EQ(plan.TimeLeft(), probe_timing::kSilentProbe + probe_timing::kLongBreak +
                                   probe_timing::kLongBreakPasses * probe_timing::kPass);
    ASSERT_TRUE(plan.Next(next));
    plan.Heard("");
    EXPECT_EQ(plan.Left(), 1);
    ASSERT_TRUE(plan.Next(next));
    EXPECT_EQ(next.how.length, probe_timing::kLongBreak);
    plan.Heard("");
    EXPECT_EQ(plan.Left(), 0);
    EXPECT_FALSE(plan.Next(next));
    EXPECT_EQ(plan.Done(), "nothing heard at 9600 nor at 115200");

    // Lines where nothing answers: the count the plan gave before its last try was right
    // within one.
    std::vector<WireLine::Device> lines(2);
    lines[0].noise = true;
    lines[1].rate = 230400;  // an instrument faster than any rate searched
    for (const WireLine::Device& device : lines) {
        WireLine::Clock::time_point now;
        WireLine line("COM1", device, now);
        RatePlan walked(Order::Likeliest);
        int expected = walked.Left();
        while (walked.Next(next)) {
            expected = walked.Made() + walked.Left();  // as the try begins
            line.SetRate(static_cast<std::uint32_t>(next.rate));
            LineProbe probe;
            probe.StartAtBreak(line, now, next.how);
            WireLine::Run({{&line, &probe}}, now, [&probe] { return probe.Done(); });
            ASSERT_NE(probe.GetResult(), LineProbe::Result::Answered);
            walked.Heard(probe.Heard(), probe.Hearing());
        }
        EXPECT_LE(std::abs(expected - walked.Made()), 1) << walked.Done();
        EXPECT_LE(walked.Made(), 3) << walked.Done();
    }
}

}  // namespace
