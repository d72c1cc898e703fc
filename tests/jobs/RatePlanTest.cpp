// The quick search against instruments as they behave in the field, through the wire model
// in virtual time with the jobs' own search unit: wherever the fixed order finds one, the
// quick search finds it too, port by port and all at once.
#include "jobs/RatePlan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "serial/BaudRates.h"
#include "tests/support/WireSearch.h"

namespace {

using std::chrono::milliseconds;
using Behaviour = SimulatedInstrument::Behaviour;
using Order = RatePlan::Order;
using Pace = SearchUnit::Pace;

struct FieldCase {
    const char* name;
    std::function<void(Behaviour&)> make;
};

const std::vector<FieldCase>& FieldCases() {
    static const std::vector<FieldCase> cases{
        {"streaming, the record under way finished, then an answer after 0.3-0.8 s",
         [](Behaviour& b) {
             b.streaming = true;
             b.wakeDelay = milliseconds(300);
             b.wakeDelayMax = milliseconds(800);
         }},
        {"a glitch at wake, then an answer after 0.3-0.8 s",
         [](Behaviour& b) {
             b.glitch = true;
             b.wakeDelay = milliseconds(300);
             b.wakeDelayMax = milliseconds(800);
         }},
        {"the break echoed, then an answer after 0.3-0.8 s",
         [](Behaviour& b) {
             b.echo = true;
             b.wakeDelay = milliseconds(300);
             b.wakeDelayMax = milliseconds(800);
         }},
        {"a banner that pauses 0.4 s after a temperature in degrees",
         [](Behaviour& b) {
             b.banner =
                 "\r\nBrinevane ADCP 24.1\xc2\xb0"
                 "C\r\nFirmware 51.40\r\n";
             b.pauseAfter = 22;
             b.pause = milliseconds(400);
         }},
        {"the first break slept through, the next answered after 1.3-2.0 s",
         [](Behaviour& b) {
             b.breaksSlept = 1;
             b.wakeDelay = milliseconds(1300);
             b.wakeDelayMax = milliseconds(1950);
         }},
        {"a bare prompt", [](Behaviour& b) { b.banner.clear(); }},
        {"a long banner, still coming when a try ends",
         [](Behaviour& b) { b.banner = "\r\n" + std::string(200, 'A') + "\r\n"; }},
    };
    return cases;
}

TEST(RatePlanTest, TheQuickSearchFindsWhatTheFixedOrderFindsOnEveryPath) {
    int found = 0;
    for (const FieldCase& field : FieldCases()) {
        for (const std::uint32_t rate : SearchRates()) {
            for (unsigned seed = 1; seed <= 3; ++seed) {
                Behaviour behaviour;
                field.make(behaviour);
                // A silent port below, which the search all at once must wait for.
                const std::vector<WireSearch::Port> ports{
                    WireSearch::Port::Silent(1),
                    WireSearch::Port::Instrument(2, rate, behaviour, seed)};
                const WireSearch::Result fixed =
                    WireSearch::Run(ports, Order::Fixed, Pace::PortByPort);
                found += fixed.port != 0 ? 1 : 0;
                for (const Pace pace : {Pace::PortByPort, Pace::AllAtOnce}) {
                    const WireSearch::Result quick = WireSearch::Run(ports, Order::Likeliest, pace);
                    const std::string where =
                        std::string(field.name) + " at " + std::to_string(rate) + ", seed " +
                        std::to_string(seed) + (pace == Pace::AllAtOnce ? ", all at once" : "");
                    if (fixed.port != 0) {
                        ASSERT_EQ(quick.port, fixed.port) << where;
                        ASSERT_EQ(quick.rateIndex, fixed.rateIndex) << where;
                    }
                }
            }
        }
    }
    // The fixed order itself misses only an instrument at 9600 that slept through its one
    // break there, and now and then one that answers too late for the wait.
    EXPECT_GT(found, static_cast<int>(FieldCases().size() * kSearchRateCount * 3) * 9 / 10);
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
    EXPECT_EQ(tries[1].how.passes, tries[0].how.passes);
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
    EXPECT_EQ(plan.TimeLeft(),
              2 * probe_timing::kSilentProbe + probe_timing::kLongBreak - probe_timing::kBreak);
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
