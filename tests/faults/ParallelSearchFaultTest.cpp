// The search of every port at once under faults: a device pulled out mid-probe, ports in
// use, missing or unable to run a rate, 32 ports at once and a stop in the middle. Each
// ends on time, with nothing left open and the answer or failure of the search port by port.
#include <gtest/gtest.h>

#include <thread>

#include "jobs/CParallelSearchThread.h"
#include "serial/CSerial.h"
#include "tests/faults/FaultSupport.h"
#include "tests/jobs/JobRecorder.h"
#include "tests/platform/PtyPair.h"
#include "tests/support/FakeCommDriver.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using namespace faults;

class ParallelSearchFaultTest : public SimulatedJobTest {
  protected:
    template <typename Job = CParallelSearchThread>
    Job* Start() {
        auto* job = new Job();
        EXPECT_TRUE(job->Create("search", host.window, host.stop, host.stopped));
        return job;
    }
};

TEST_F(ParallelSearchFaultTest, ADeviceThatVanishesMidProbeDoesNotHoldTheAnswerBack) {
    StartSimulator({SimulatedLine::Silent(), SimulatedLine::AtRate(9600)});
    CParallelSearchThread* job = Start();
    ASSERT_TRUE(HoldsWithin([&] { return simulator->BreaksSeen(0) >= 1; }));
    std::this_thread::sleep_for(milliseconds(400));  // into the wait for the prompt
    const auto vanished = Clock::now();
    simulator->CloseLine(0);
    // COM2 answered long ago; COM1's interrupted wait runs out (about 2 s), its other
    // rates are not tried on a line that has gone, and COM2's answer is reported.
    EXPECT_EQ(host.FoundResult(job, seconds(10)), std::make_pair(2, 9600));
    EXPECT_LT(MsSince(vanished), 4000);
    EXPECT_EQ(simulator->BreaksSeen(1), 1);
}

// COM1 cannot run any rate but 9600, COM2 is held by another program and COM3's device is
// not there: the failure reads exactly as the search port by port reports it.
TEST_F(ParallelSearchFaultTest, PortsInUseMissingOrWithoutARateFailAsPortByPort) {
    support::ScopedFakeCommDriver fake;
    auto line = fake.driver->AddLine("fake://ttyFAKE0");
    for (int i = 1; CSearchThread::kRates[i] != 0; ++i) {
        line->RefuseRate(static_cast<std::uint32_t>(CSearchThread::kRates[i]));
    }
    PtyPair held;
    ASSERT_TRUE(held.Ok());
    UsePorts("COM1=fake://ttyFAKE0,COM2=" + held.Path() + ",COM3=/dev/brinevane-none");
    CSerial other;
    ASSERT_TRUE(other.Open("COM2", 9600, 0, 0, 8, 4096, 4096));

    std::vector<SearchRecord> failures;
    for (const bool parallel : {false, true}) {
        JobRecorder recorder;
        auto* job = parallel ? new CParallelSearchThread() : new CSearchThread();
        ASSERT_TRUE(job->Create("search", recorder.window, recorder.stop, recorder.stopped));
        const auto start = Clock::now();
        ASSERT_TRUE(recorder.WaitFor(SR_ERROR, NOTIFY_FAIL, seconds(10)));
        EXPECT_LT(MsSince(start), 4000);  // one silent rate on COM1, nothing else waited for
        failures.push_back(job->GetRecord());
        EXPECT_TRUE(recorder.Stop());
        EXPECT_FALSE(line->IsOpen());
    }
    ASSERT_EQ(failures[1].ports.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(failures[1].ports[i].portName, failures[0].ports[i].portName);
        EXPECT_EQ(failures[1].ports[i].code, failures[0].ports[i].code);
    }
    EXPECT_EQ(failures[1].Code(), "in-use");
    EXPECT_EQ(failures[1].Explain(), failures[0].Explain());
}

TEST_F(ParallelSearchFaultTest, ThirtyTwoPortsAtOnceStopInTheMiddleAndLetEveryPortGo) {
    StartSimulator(std::vector<SimulatedLine>(32, SimulatedLine::Silent()));
    host.stop->Descriptor();  // the host's, kept for the life of its event
    const int descriptors = OpenDescriptors();
    const int threads = Threads();
    CParallelSearchThread* job = Start();
    ASSERT_TRUE(HoldsWithin([&] { return job->GetProbing().atOnce == 32; }));
    std::this_thread::sleep_for(milliseconds(500));  // breaks and waits under way
    EXPECT_EQ(simulator->BreaksSeen(31), 1);
    const auto stopping = Clock::now();
    EXPECT_TRUE(host.Stop());
    EXPECT_LT(MsSince(stopping), 500);  // not the rest of 32 waits; a loaded machine's margin
    for (int port = 1; port <= 32; ++port) {
        CSerial next;
        EXPECT_TRUE(next.PortAvailable(PortMap::PortName(port))) << port;
    }
    // The job's thread deletes the job (and its events' descriptors) after it said so.
    EXPECT_TRUE(HoldsWithin([&] { return Threads() == threads; }));
    EXPECT_TRUE(HoldsWithin([&] { return OpenDescriptors() == descriptors; }))
        << OpenDescriptors() << " descriptors, " << descriptors << " before";
    for (const auto& posted : host.Posted()) {
        EXPECT_LE(posted.first, SR_SEARCH);  // neither a result nor a failure
    }
}

}  // namespace
