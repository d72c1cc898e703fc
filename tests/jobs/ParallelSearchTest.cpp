// The search of every port at once: the answer the search port by port gives, in the
// time of one port, over the simulator's ptys; and, over many random placements of
// instruments through the wire model in process, the same answer every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "bench/SearchVerdicts.h"
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
    void StartSearch() {
        job = new CParallelSearchThread();
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

// The search port by port takes the lowest port that answers, at its first confirmed
// rate. The ports at once finish in the order their probes take: each rate costs its
// break and wait, an answer a little of its last one, a port in use nothing. Fed to the
// race in that order, the answer must be the same, and no port below it let go.
TEST(ParallelSearchEquivalenceTest, RandomPlacementsGiveTheAnswerOfTheSearchPortByPort) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> portCount(1, 32);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> rateIndex(0, kSearchRateCount - 1);
    std::uniform_real_distribution<double> jitter(0.0, 0.3);
    int answered = 0;
    for (int trial = 0; trial < 400; ++trial) {
        struct Finish {
            double at;
            int port;
            int rateIndex;  // -1: without an answer
        };
        std::vector<Finish> finishes;
        std::vector<int> present;
        int sequentialPort = 0;
        int sequentialRate = -1;
        for (int port = 1, ports = portCount(random); port <= ports; ++port) {
            const int what = kind(random);
            if (what == 0) {
                continue;  // missing: the enumeration never hands it out
            }
            int confirmed = -1;
            double at = 0;  // in use: passed over at once
            if (what == 2) {
                at = 8 * 2.3 + jitter(random);
            } else if (what == 3) {
                const auto rate =
                    static_cast<std::uint32_t>(CSearchThread::kRates[rateIndex(random)]);
                confirmed =
                    SearchVerdicts::ConfirmedRateIndex(SearchVerdicts::RandomBanner(random), rate);
                at = confirmed < 0 ? 8 * 2.3 : confirmed * 2.3 + 0.3 + jitter(random);
            }
            present.push_back(port);
            finishes.push_back({at, port, confirmed});
            if (confirmed >= 0 && sequentialPort == 0) {
                sequentialPort = port;
                sequentialRate = confirmed;
            }
        }
        std::stable_sort(finishes.begin(), finishes.end(),
                         [](const Finish& a, const Finish& b) { return a.at < b.at; });
        PortRace race(present);
        for (const Finish& finish : finishes) {
            if (race.Decided()) {
                break;
            }
            if (!race.CanWin(finish.port)) {
                continue;  // let go: it is not heard from again
            }
            if (finish.rateIndex >= 0) {
                race.Answered(finish.port, finish.rateIndex);
            } else {
                race.Finished(finish.port);
            }
        }
        ASSERT_TRUE(race.Decided()) << "trial " << trial;
        ASSERT_EQ(race.Winner(), sequentialPort) << "trial " << trial;
        ASSERT_EQ(race.WinnerRate(), sequentialRate) << "trial " << trial;
        answered += sequentialPort != 0 ? 1 : 0;
    }
    EXPECT_GT(answered, 300);  // the placements do put instruments where they answer
}

}  // namespace
