// The search of every port at once: the answer the search port by port gives, in the
// time of one port, over the simulator's ptys; and, over many random placements of
// instruments through the wire model in process, the same answer on every path.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>

#include "bench/SearchVerdicts.h"
#include "bench/WireLine.h"
#include "jobs/CParallelSearchThread.h"
#include "jobs/JobHost.h"
#include "jobs/PortRace.h"
#include "serial/CSerial.h"
#include "tests/faults/FaultSupport.h"
#include "tests/jobs/JobRecorder.h"

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
// virtual time with the jobs' own probe and rate plan: the search port by port (one probe at
// a time), the search of every port at once (all of them in one loop, the race deciding),
// each in the fixed order and the likeliest rate first, and the connection (one probe from
// the line feed at the rate found). The searches in one order must give the same answer
// from the same probes: every port up to the answer probed at the same rates with the same
// results, so the same notifications for each; the two orders the same port and rate; and
// the connection must confirm it.
class SearchPathsTest : public ::testing::Test {
  protected:
    using Clock = WireLine::Clock;
    enum class Kind { Missing, InUse, Silent, Instrument };
    struct Port {
        int number = 0;
        Kind kind = Kind::Missing;
        std::uint32_t rate = 0;
        std::string banner;
    };
    // What each path made of each port: its probes' results in rate order (true: answered).
    using Probes = std::map<int, std::vector<bool>>;
    struct Answer {
        int port = 0;
        int rateIndex = -1;
        Probes probes;
        JobRecorder::Sequence ends;  // the verdict's notifications
    };

    static std::unique_ptr<WireLine> LineOf(const Port& port, const Clock::time_point& now) {
        return std::make_unique<WireLine>(PortMap::PortName(port.number), port.banner,
                                          port.kind == Kind::Instrument ? port.rate : 0, now);
    }

    static JobRecorder::Sequence Ends(int port) {
        return port != 0 ? JobRecorder::Sequence{{2, 0}, {2, 1}}
                         : JobRecorder::Sequence{{1, 0}, {3, 2}};
    }

    static Answer PortByPort(const std::vector<Port>& ports, RatePlan::Order order) {
        Answer answer;
        Clock::time_point now;
        for (const Port& port : ports) {
            if (port.kind == Kind::Missing || port.kind == Kind::InUse) {
                continue;
            }
            const auto line = LineOf(port, now);
            RatePlan plan(order);
            RatePlan::Try next;
            while (plan.Next(next)) {
                line->SetRate(static_cast<std::uint32_t>(next.rate));
                LineProbe probe;
                probe.StartAtBreak(*line, now, next.how);
                WireLine::Run({{line.get(), &probe}}, now, [&probe] { return probe.Done(); });
                const bool answered = probe.GetResult() == LineProbe::Result::Answered;
                answer.probes[port.number].push_back(answered);
                if (answered) {
                    answer.port = port.number;
                    answer.rateIndex = next.rateIndex;
                    answer.ends = Ends(answer.port);
                    return answer;
                }
                plan.Heard(probe.Heard());
            }
        }
        answer.ends = Ends(0);
        return answer;
    }

    static Answer AtOnce(const std::vector<Port>& ports, RatePlan::Order order) {
        struct Lane {
            explicit Lane(RatePlan::Order order) : plan(order) {}
            int port = 0;
            std::unique_ptr<WireLine> line;
            LineProbe probe;
            RatePlan plan;
            RatePlan::Try current;
            bool done = false;
        };
        Clock::time_point now;
        std::vector<std::unique_ptr<Lane>> lanes;
        std::vector<int> numbers;
        std::vector<std::pair<WireLine*, LineProbe*>> probes;
        for (const Port& port : ports) {
            if (port.kind == Kind::Silent || port.kind == Kind::Instrument) {
                lanes.push_back(std::make_unique<Lane>(order));
                lanes.back()->port = port.number;
                lanes.back()->line = LineOf(port, now);
                numbers.push_back(port.number);
                probes.emplace_back(lanes.back()->line.get(), &lanes.back()->probe);
            }
        }
        PortRace race(numbers);
        Answer answer;
        const auto next = [&](Lane& lane) {
            if (!lane.plan.Next(lane.current)) {
                lane.done = true;
                race.Finished(lane.port);
                return;
            }
            lane.line->SetRate(static_cast<std::uint32_t>(lane.current.rate));
            lane.probe.StartAtBreak(*lane.line, now, lane.current.how);
        };
        for (const auto& lane : lanes) {
            next(*lane);
        }
        WireLine::Run(probes, now, [&] {
            for (const auto& lane : lanes) {
                if (!lane->done && lane->probe.Done()) {
                    const bool answered = lane->probe.GetResult() == LineProbe::Result::Answered;
                    answer.probes[lane->port].push_back(answered);
                    if (answered) {
                        lane->done = true;
                        race.Answered(lane->port, lane->current.rateIndex);
                    } else {
                        lane->plan.Heard(lane->probe.Heard());
                        next(*lane);
                    }
                }
            }
            for (const auto& lane : lanes) {
                if (!lane->done && !race.CanWin(lane->port)) {
                    lane->done = true;  // let go
                    lane->probe.Abandon(*lane->line);
                }
            }
            return race.Decided();
        });
        answer.port = race.Winner();
        answer.rateIndex = race.WinnerRate();
        answer.ends = Ends(answer.port);
        return answer;
    }

    // The connection to the port found, at the rate found, after the search left it.
    static JobRecorder::Sequence Connection(const Port& port, int rateIndex) {
        Clock::time_point now;
        const auto line = LineOf(port, now);
        const auto rate = static_cast<std::uint32_t>(CSearchThread::kRates[rateIndex]);
        line->SetRate(rate);
        LineProbe search;  // the search's probe that found it, as the port was left
        search.StartAtBreak(*line, now);
        WireLine::Run({{line.get(), &search}}, now, [&search] { return search.Done(); });
        LineProbe probe;
        probe.StartAtLineFeed(*line, now);
        WireLine::Run({{line.get(), &probe}}, now, [&probe] { return probe.Done(); });
        return probe.GetResult() == LineProbe::Result::Answered
                   ? JobRecorder::Sequence{{0, 0}, {4, 1}}
                   : JobRecorder::Sequence{{0, 0}, {3, 1}, {3, 2}};
    }
};

TEST_F(SearchPathsTest, RandomPlacementsGiveTheSameAnswerOnEveryPath) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> portCount(1, 8);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> rateIndex(0, kSearchRateCount - 1);
    int answered = 0;
    for (int trial = 0; trial < 60; ++trial) {
        std::vector<Port> ports;
        for (int number = 1, count = portCount(random); number <= count; ++number) {
            Port port;
            port.number = number;
            port.kind = static_cast<Kind>(kind(random));
            if (port.kind == Kind::Instrument) {
                port.rate = static_cast<std::uint32_t>(CSearchThread::kRates[rateIndex(random)]);
                port.banner = SearchVerdicts::RandomBanner(random);
            }
            ports.push_back(port);
        }
        const Answer byPort = PortByPort(ports, RatePlan::Order::Fixed);
        for (const RatePlan::Order order : {RatePlan::Order::Fixed, RatePlan::Order::Likeliest}) {
            const Answer first =
                order == RatePlan::Order::Fixed ? byPort : PortByPort(ports, order);
            const Answer atOnce = AtOnce(ports, order);
            const std::string where = "trial " + std::to_string(trial) +
                                      (order == RatePlan::Order::Fixed ? " fixed" : " likeliest");
            // An instrument answers at one rate only: either order finds it there.
            ASSERT_EQ(first.port, byPort.port) << where;
            ASSERT_EQ(first.rateIndex, byPort.rateIndex) << where;
            ASSERT_EQ(atOnce.port, first.port) << where;
            ASSERT_EQ(atOnce.rateIndex, first.rateIndex) << where;
            ASSERT_EQ(atOnce.ends, first.ends) << where;
            for (const auto& [port, results] : first.probes) {
                if (first.port == 0 || port <= first.port) {
                    ASSERT_EQ(atOnce.probes.at(port), results) << where << " COM" << port;
                }
                if (order == RatePlan::Order::Likeliest &&
                    ports[static_cast<std::size_t>(port) - 1].kind == Kind::Silent) {
                    // Two tries that hear nothing pass a port over.
                    ASSERT_EQ(results.size(), 2U) << where << " COM" << port;
                }
            }
        }
        if (byPort.port != 0) {
            ++answered;
            const Port& found = ports[static_cast<std::size_t>(byPort.port) - 1];
            EXPECT_EQ(found.rate,
                      static_cast<std::uint32_t>(CSearchThread::kRates[byPort.rateIndex]));
            const JobRecorder::Sequence success{{0, 0}, {4, 1}};
            ASSERT_EQ(Connection(found, byPort.rateIndex), success) << "trial " << trial;
        }
    }
    EXPECT_GT(answered, 30);  // the placements do put instruments where they answer
}

}  // namespace
