// The search of every port at once: the answer the search port by port gives, in the
// time of one port, over the simulator's ptys; and, over many random placements of
// instruments through the wire model in process, the same answer on every path.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "jobs/CParallelSearchThread.h"
#include "jobs/JobHost.h"
#include "serial/CSerial.h"
#include "tests/faults/FaultSupport.h"
#include "tests/jobs/JobRecorder.h"
#include "tests/support/WireSearch.h"

namespace {

using faults::Clock;
using faults::HoldsWithin;
using faults::MsSince;
using std::chrono::milliseconds;
using std::chrono::seconds;

class ParallelSearchTest : public SimulatedJobTest {
  protected:
    void StartSearch(RatePlan::Order order = RatePlan::Order::Fixed) {
        job = new CParallelSearchThread(order);
        ASSERT_TRUE(job->Create("search", host.window, host.stop, host.stopped));
    }

    // The result, read as a host must (before the stop); then the job is stopped and
    // every port is free again.
    std::pair<int, int> FoundResult(milliseconds limit) {
        const auto found = host.FoundResult(job, limit);
        for (std::size_t i = 0; i < simulator->LineCount(); ++i) {
            CSerial next;
            EXPECT_TRUE(next.PortAvailable(PortMap::PortName(static_cast<int>(i) + 1)));
        }
        return found;
    }

    CParallelSearchThread* job = nullptr;  // deletes itself when stopped
};

TEST_F(ParallelSearchTest, ALowerPortsAnswerWinsThoughAHigherPortAnsweredFirst) {
    // COM2 answers at 9600 within a probe; COM1 answers only at 19200, the second rate.
    StartSimulator({SimulatedLine::AtRate(19200), SimulatedLine::AtRate(9600)});
    const auto start = Clock::now();
    StartSearch();
    // Both ports are probed at once, and the host is told so.
    EXPECT_TRUE(HoldsWithin([&] { return job->GetProbing().atOnce == 2; }));
    EXPECT_EQ(JobHost::Describe(job->GetProbing()), "COM1, COM2 at 9600 baud");
    EXPECT_EQ(FoundResult(seconds(8)), std::make_pair(1, 19200));
    EXPECT_LT(MsSince(start), 2 * 2300 + 1500);  // two rates of one port, not three
    // Every rate probed on either port steps the bar once.
    const JobRecorder::Sequence expected{{0, 0}, {1, 1}, {1, 0}, {1, 0}, {1, 1},
                                         {1, 1}, {1, 1}, {2, 0}, {2, 1}};
    EXPECT_EQ(host.Posted(), expected);
    EXPECT_EQ(simulator->BreaksSeen(1), 1);  // COM2 waited, and was asked no more
}

TEST_F(ParallelSearchTest, PortsAboveAnAnswerAreLetGoAtOnce) {
    StartSimulator({SimulatedLine::AtRate(9600), SimulatedLine::Silent(), SimulatedLine::Silent()});
    const auto start = Clock::now();
    StartSearch();
    EXPECT_EQ(FoundResult(seconds(5)), std::make_pair(1, 9600));
    EXPECT_LT(MsSince(start), 1500);  // not the 2.3 s of the silent ports' first rate
    EXPECT_EQ(simulator->BreaksSeen(1), 1);
    EXPECT_EQ(simulator->BreaksSeen(2), 1);
}

TEST_F(ParallelSearchTest, FastAtOnceTheAnswerWaitsForTheSilentPortBelowToBePassedOver) {
    StartSimulator({SimulatedLine::Silent(), SimulatedLine::AtRate(1200)});
    const auto start = Clock::now();
    StartSearch(RatePlan::Order::Likeliest);
    EXPECT_EQ(FoundResult(seconds(10)), std::make_pair(2, 1200));
    // COM1's two silent probes (4.6 s), not the eight of the fixed order.
    EXPECT_GT(MsSince(start), 4500);
    EXPECT_LT(MsSince(start), 2 * 2300 + 1500);
    EXPECT_EQ(simulator->BreaksSeen(0), 2);
    EXPECT_LE(simulator->BreaksSeen(1), 3);
}

// The paths over the same random placements of instruments, through the wire model in
// virtual time, by the jobs' own search unit: the ports added one after another (the search
// port by port) and all at once (the search of every port at once), each in the fixed order
// and the likeliest rate first; and the connection (one probe from the line feed at the
// rate found). In one order both paces must give the same answer from the same probes:
// every port up to the answer probed at the same rates with the same results, so the same
// notifications for each, and the same record; the two orders the same port and rate; and
// the connection must confirm it.
class SearchPathsTest : public ::testing::Test {
  protected:
    using Clock = WireLine::Clock;
    using Pace = SearchUnit::Pace;

    // What the search made of each port up to the answer (every port when none answered):
    // how it ended, why, and each try's rate, result and notification.
    static std::string Trail(const WireSearch::Result& search) {
        std::string trail;
        for (const SearchRecord::Port& port : search.record.ports) {
            if (search.port != 0 && port.number > search.port) {
                break;
            }
            trail += port.portName + " " + std::to_string(static_cast<int>(port.end)) + " " +
                     port.code + ":";
            for (const SearchRecord::Try& attempt : port.tries) {
                trail += " " + std::to_string(attempt.rate) + "/" +
                         std::to_string(static_cast<int>(attempt.result));
            }
            const auto ends = search.tryEnds.find(port.number);
            trail +=
                " ends " + std::to_string(ends != search.tryEnds.end() ? ends->second : 0) + "\n";
        }
        return trail;
    }

    // The connection to the port found, at the rate found, after the search left it.
    static bool Connects(const WireSearch::Port& port, int rateIndex) {
        Clock::time_point now;
        WireLine line(PortMap::PortName(port.number), port.device, now);
        line.SetRate(static_cast<std::uint32_t>(CSearchThread::kRates[rateIndex]));
        LineProbe search;  // the search's probe that found it, as the port was left
        search.StartAtBreak(line, now);
        WireLine::Run({{&line, &search}}, now, [&search] { return search.Done(); });
        LineProbe probe;
        probe.StartAtLineFeed(line, now);
        WireLine::Run({{&line, &probe}}, now, [&probe] { return probe.Done(); });
        return probe.GetResult() == LineProbe::Result::Answered;
    }
};

TEST_F(SearchPathsTest, RandomPlacementsGiveTheSameAnswerOnEveryPath) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> portCount(1, 8);
    std::uniform_int_distribution<int> kind(0, 3);  // missing, in use, silent, instrument
    std::uniform_int_distribution<int> rateIndex(0, kSearchRateCount - 1);
    int answered = 0;
    for (int trial = 0; trial < 60; ++trial) {
        std::vector<WireSearch::Port> ports;
        for (int number = 1, count = portCount(random); number <= count; ++number) {
            WireSearch::Port port;
            port.number = number;
            const int what = kind(random);
            if (what == 0) {
                continue;  // the enumeration never hands it out
            }
            port.inUse = what == 1;
            port.device.rate = 0;
            if (what == 3) {
                port.device.rate =
                    static_cast<std::uint32_t>(CSearchThread::kRates[rateIndex(random)]);
                port.device.behaviour.banner = WireSearch::RandomBanner(random);
            }
            ports.push_back(port);
        }
        const auto byPort = WireSearch::Run(ports, RatePlan::Order::Fixed, Pace::PortByPort);
        for (const RatePlan::Order order : {RatePlan::Order::Fixed, RatePlan::Order::Likeliest}) {
            const std::string where = "trial " + std::to_string(trial) +
                                      (order == RatePlan::Order::Fixed ? " fixed" : " likeliest");
            const auto first = order == RatePlan::Order::Fixed
                                   ? byPort
                                   : WireSearch::Run(ports, order, Pace::PortByPort);
            const auto atOnce = WireSearch::Run(ports, order, Pace::AllAtOnce);
            // An instrument answers at one rate only: either order finds it there.
            ASSERT_EQ(first.port, byPort.port) << where;
            ASSERT_EQ(first.rateIndex, byPort.rateIndex) << where;
            ASSERT_EQ(atOnce.port, first.port) << where;
            ASSERT_EQ(atOnce.rateIndex, first.rateIndex) << where;
            ASSERT_EQ(Trail(atOnce), Trail(first)) << where;
            if (first.port == 0) {
                ASSERT_EQ(atOnce.record.Explain(), first.record.Explain()) << where;
                ASSERT_EQ(atOnce.record.Code(), first.record.Code()) << where;
            }
            for (const SearchRecord::Port& port : first.record.ports) {
                if (order == RatePlan::Order::Likeliest && port.code == "silent") {
                    // Two tries that hear nothing pass a port over.
                    ASSERT_EQ(port.tries.size(), 2U) << where << " " << port.portName;
                }
            }
        }
        if (byPort.port != 0) {
            ++answered;
            const auto found = std::find_if(ports.begin(), ports.end(), [&](const auto& port) {
                return port.number == byPort.port;
            });
            ASSERT_NE(found, ports.end());
            EXPECT_EQ(found->device.rate,
                      static_cast<std::uint32_t>(CSearchThread::kRates[byPort.rateIndex]));
            ASSERT_TRUE(Connects(*found, byPort.rateIndex)) << "trial " << trial;
        }
    }
    EXPECT_GT(answered, 30);  // the placements do put instruments where they answer
}

}  // namespace
