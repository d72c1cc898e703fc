// The ranking against the wire model: the garbage a host's UART decodes at one rate from an
// instrument's banner at another, bit by bit, with clocks off on either side and with
// framing errors handed over as they were decoded or as 0x00.
#include "jobs/RateRanking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "tools/sim/SimulatedInstrument.h"
#include "tools/sim/UartWire.h"

namespace {

const std::vector<std::int32_t> kRates{9600, 19200, 38400, 57600, 115200, 1200, 2400, 4800};

struct Wire {
    double instrumentClock = 1.0;  // the instrument's clock against its nominal rate
    double hostClock = 1.0;
    bool errorsAsZero = false;  // a driver that checks framing hands bad bytes over as 0x00
};

std::string Garbage(const std::string& said, std::int32_t instrumentRate, std::int32_t hostRate,
                    const Wire& wire) {
    std::string bytes;
    const auto sent =
        static_cast<std::uint32_t>(std::lround(instrumentRate * wire.instrumentClock));
    const auto received = static_cast<std::uint32_t>(std::lround(hostRate * wire.hostClock));
    for (const DecodedByte& byte : UartWire::Receive(said, sent, received)) {
        bytes += static_cast<char>(byte.framingError && wire.errorsAsZero ? 0 : byte.value);
    }
    return bytes;
}

// The tries a search that follows the ranking makes before it reaches the instrument's rate
// (counting that one): the first at 9600, each next one the ranking's first.
int TriesToFind(const std::string& said, std::int32_t instrumentRate, const Wire& wire,
                std::string* reasons = nullptr) {
    RateRanking ranking(kRates);
    std::int32_t rate = kRates.front();
    for (int tries = 1;; ++tries) {
        if (rate == instrumentRate) {
            return tries;
        }
        ranking.Heard(rate, Garbage(said, instrumentRate, rate, wire));
        const auto ranked = ranking.Ranked();
        if (ranked.empty()) {
            return 1000;  // never reached: cannot happen while the rate is in the list
        }
        if (reasons != nullptr) {
            *reasons += ranking.Reason(ranked.front()) + "; ";
        }
        rate = ranked.front();
    }
}

std::string RandomBanner(std::mt19937& random) {
    std::uniform_int_distribution<int> length(20, 200);
    std::uniform_int_distribution<int> printable(0x20, 0x7e);
    std::string banner = "\r\n";
    for (int i = length(random); i > 0; --i) {
        banner += static_cast<char>(printable(random));
    }
    return banner + "\r\n>";
}

std::vector<std::string> Banners() {
    std::mt19937 random(7);
    std::vector<std::string> banners{std::string(SimulatedInstrument::kDefaultBanner) + ">"};
    for (int i = 0; i < 100; ++i) {
        banners.push_back(RandomBanner(random));
    }
    return banners;
}

// Against the eight tries of the search's fixed order: 1 to 8, 4.5 on average.
TEST(RateRankingTest, TheLikeliestRateIsReachedWithinAFewTriesFromAnyRate) {
    const auto banners = Banners();
    const struct {
        Wire wire;
        int worstTries;
    } cases[] = {
        {Wire{}, 3},
        {Wire{1.02, 0.98, false}, 4},  // clocks 2 % off, on each side
        {Wire{0.98, 1.02, false}, 4},
        {Wire{0.98, 1.02, true}, 5},  // and framing errors read as 0x00
    };
    for (const auto& [wire, worstTries] : cases) {
        int total = 0;
        int count = 0;
        for (const std::int32_t rate : kRates) {
            for (const auto& banner : banners) {
                const int tries = TriesToFind(banner, rate, wire);
                ASSERT_LE(tries, worstTries) << rate << " baud, banner " << banner;
                total += tries;
                ++count;
            }
        }
        EXPECT_LE(static_cast<double>(total) / count, 2.4)
            << "clocks " << wire.instrumentClock << "/" << wire.hostClock;
    }
}

// A bare prompt is a byte or two of garbage at a wrong rate, too little to end a try early:
// every try costs its full wait, and a look at the fastest rate, where a slower instrument's
// prompt decodes as 0x00s, only adds one.
TEST(RateRankingTest, ABarePromptIsReachedNoLaterThanInTheSearchOrder) {
    for (const bool errorsAsZero : {false, true}) {
        for (std::size_t order = 0; order < kRates.size(); ++order) {
            EXPECT_LE(TriesToFind(">", kRates[order], Wire{1.0, 1.0, errorsAsZero}),
                      static_cast<int>(order) + 1)
                << kRates[order] << " baud" << (errorsAsZero ? ", framing errors as 0x00" : "");
        }
    }
}

TEST(RateRankingTest, WithoutGarbageTheSearchOrderStandsAndNoRateIsLost) {
    RateRanking ranking(kRates);
    EXPECT_EQ(ranking.Ranked(), kRates);
    ranking.Heard(9600, "");
    ranking.Heard(19200, std::string(40, '\0'));  // framing errors only
    const std::vector<std::int32_t> rest{38400, 57600, 115200, 1200, 2400, 4800};
    EXPECT_EQ(ranking.Ranked(), rest);
    EXPECT_EQ(ranking.Reason(ranking.Ranked().front()), "");

    // Garbage reorders, never drops: every rate not tried is still there.
    ranking.Heard(38400, Garbage("\r\nADCP\r\n>", 4800, 38400, Wire{}));
    auto ranked = ranking.Ranked();
    EXPECT_EQ(ranked.front(), 4800);
    std::sort(ranked.begin(), ranked.end());
    std::vector<std::int32_t> expected{1200, 2400, 4800, 57600, 115200};
    EXPECT_EQ(ranked, expected);
}

TEST(RateRankingTest, TheReasonNamesTheTryAndWhatItPointsTo) {
    const std::string banner = std::string(SimulatedInstrument::kDefaultBanner) + ">";
    std::string reasons;
    TriesToFind(banner, 4800, Wire{}, &reasons);
    EXPECT_EQ(reasons, "garbage at 9600 points to 4800; ");
    reasons.clear();
    TriesToFind(banner, 19200, Wire{}, &reasons);
    EXPECT_EQ(reasons,
              "garbage at 9600 points to a faster rate; garbage at 115200 points to 19200; ");
}

// One byte that breaks the rule (a glitch, a byte cut short by the purge) does not outweigh
// a banner's worth that keeps it.
TEST(RateRankingTest, AStrayByteDoesNotRuleTheRateOut) {
    RateRanking ranking(kRates);
    std::string heard = Garbage("\r\nBrinevane ADCP\r\n>", 2400, 9600, Wire{});
    ASSERT_GE(heard.size(), 8u);
    heard[heard.size() / 2] = 'A';  // bit 0 set: only a faster instrument gives that
    ranking.Heard(9600, heard);
    EXPECT_EQ(ranking.Ranked().front(), 2400);
    EXPECT_FALSE(ranking.RuledOut(2400));
}

// A rate is left untried only on bytes its instrument cannot give: a slower one's garbage
// at a faster host rules out every rate whose bit it is no multiple of, but never a faster
// rate, which can give any run.
TEST(RateRankingTest, OnlyRunsAnInstrumentCannotGiveRuleItsRateOut) {
    const std::string banner = std::string(SimulatedInstrument::kDefaultBanner) + ">";
    RateRanking ranking(kRates);
    ranking.Heard(9600, Garbage(banner, 2400, 9600, Wire{}));
    EXPECT_FALSE(ranking.RuledOut(2400));
    EXPECT_TRUE(ranking.RuledOut(1200));  // runs of 4 at 9600 are half a bit at 1200
    for (const std::int32_t faster : {19200, 38400, 57600, 115200}) {
        EXPECT_FALSE(ranking.RuledOut(faster)) << faster;
    }

    // A faster instrument's garbage at the fastest rate rules every slower rate out.
    RateRanking past(kRates);
    past.Heard(115200, Garbage(banner, 230400, 115200, Wire{}));
    for (const std::int32_t rate : kRates) {
        EXPECT_EQ(past.RuledOut(rate), rate != 115200) << rate;
    }
}

}  // namespace
