// Lines that misbehave under a running job: a device pulled out mid-probe, a line that
// floods noise, a port that reports bytes it cannot deliver.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "jobs/PromptWait.h"
#include "serial/CSerial.h"
#include "tests/faults/FaultSupport.h"
#include "tests/jobs/JobRecorder.h"
#include "tests/platform/PtyPair.h"
#include "tests/support/FakeCommDriver.h"
#include "tests/tools/ChildProcess.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using namespace faults;
using Sequence = JobRecorder::Sequence;
using ::testing::HasSubstr;

const Sequence kConnectionFailed{
    {PR_INIT, NOTIFY_BEGIN}, {PR_ERROR, NOTIFY_END}, {PR_ERROR, NOTIFY_FAIL}};

// The adapter on COM1 is pulled out while the search probes it: the search gives up on
// that port without waiting out the rates it has left, finds the instrument on COM2 and
// the program ends normally.
TEST(LineFaultTest, SearchGoesOnToTheNextPortWhenTheDeviceVanishesMidProbe) {
    InstrumentSimulator simulator({SimulatedLine::Silent(), SimulatedLine::AtRate(9600)});
    ASSERT_TRUE(simulator.Start());
    setenv(PortMap::kEnvironmentVariable, simulator.PortsVariable().c_str(), 1);
    ChildProcess probe({PROBE_PROGRAM, "search"});
    ASSERT_TRUE(HoldsWithin([&] { return simulator.BreaksSeen(0) >= 1; }, seconds(5)));
    std::this_thread::sleep_for(milliseconds(400));  // into the wait for the prompt
    const auto vanished = Clock::now();
    simulator.CloseLine(0);
    EXPECT_EQ(probe.Wait(seconds(30)), 0) << probe.err;
    // The interrupted wait runs out (about 2 s) and COM2 answers its first break.
    EXPECT_LT(MsSince(vanished), 5000);
    EXPECT_EQ(probe.out, "COM2 9600\n");
    EXPECT_EQ(simulator.BreaksSeen(1), 1);
}

// The device goes while the connection job waits for the prompt: the job fails on time,
// reports through its usual notifications and stops at once.
TEST(LineFaultTest, ConnectionFailsCleanlyWhenTheDeviceVanishesDuringTheWait) {
    SimulatorOptions options;
    options.replyDelayMs = 3000;  // the prompt would come after the wait is over
    InstrumentSimulator simulator({SimulatedLine::AtRate(9600)}, options);
    ASSERT_TRUE(simulator.Start());
    UsePorts(simulator.PortsVariable());
    JobRecorder host;
    RunSettings settings{"COM1", 9600};
    auto* job = new CProgramThread(settings);
    const auto start = Clock::now();
    ASSERT_TRUE(job->Create("program", host.window, host.stop, host.stopped));
    ASSERT_TRUE(HoldsWithin([&] { return simulator.LineFeedsSeen(0) == 1; }));
    simulator.CloseLine(0);
    ASSERT_TRUE(host.WaitFor(PR_ERROR, NOTIFY_FAIL, seconds(5)));
    EXPECT_LT(MsSince(start), 3500);  // 2000 polling passes, not a read that hangs
    EXPECT_TRUE(job->GetFailure().opened);
    EXPECT_THAT(job->GetFailure().Explain(), ::testing::HasSubstr("has gone"));
    const auto stopping = Clock::now();
    EXPECT_TRUE(host.Stop());
    EXPECT_LT(MsSince(stopping), 500);  // half the host's wait: margin for a loaded machine
    EXPECT_EQ(host.Posted(), kConnectionFailed);
    EXPECT_EQ(simulator.PromptsSent(0), 0);
}

// Noise pours in faster than the wait can read it, byte by byte, and never a prompt: the
// wait still ends when its passes are used up, with false, and the port is left usable.
TEST(LineFaultTest, ANoiseFloodEndsTheWaitOnTime) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    UsePorts("COM1=" + pty.Path());
    CSerial serial;
    ASSERT_TRUE(serial.Open("COM1", 115200, 0, 0, 8, 4096, 4096));

    std::atomic<bool> flooding{true};
    std::atomic<long> sent{0};
    std::thread flood([&] {
        std::string noise(512, '\0');
        for (std::size_t i = 0; i < noise.size(); ++i) {
            noise[i] = static_cast<char>(i % 61);  // every byte but '>' (62) and above
        }
        while (flooding) {
            pollfd room{pty.Master(), POLLOUT, 0};
            if (poll(&room, 1, 10) > 0) {
                const ssize_t n = ::write(pty.Master(), noise.data(), noise.size());
                if (n > 0) {
                    sent += n;
                }
            }
        }
    });
    auto stop = std::make_shared<platform::Event>();
    StoppableJob job(stop);
    const auto start = Clock::now();
    const bool found = WaitForChar(serial, job, kPrompt, kPromptPasses);
    const long took = MsSince(start);
    EXPECT_FALSE(found);
    EXPECT_GE(took, 2000);
    EXPECT_LT(took, 4000) << sent << " bytes of noise";

    // A stop still ends the wait at once while the noise goes on.
    std::thread stopper([&] {
        std::this_thread::sleep_for(milliseconds(100));
        stop->Set();
    });
    const auto stopStart = Clock::now();
    EXPECT_TRUE(WaitForChar(serial, job, kPrompt, kPromptPasses));
    EXPECT_LT(MsSince(stopStart), 600);
    stopper.join();
    stop->Reset();
    flooding = false;
    flood.join();
    EXPECT_GT(sent, 100000) << "the flood was too thin to test anything";

    // A prompt after the flood is still found.
    serial.SendBreak(0);
    ASSERT_TRUE(pty.MasterWrite("\r\n>"));
    EXPECT_TRUE(WaitForChar(serial, job, kPrompt, kPromptPasses));
}

// A job on COM1, a fake line that the test makes misbehave.
class FakeLineJobTest : public ::testing::Test {
  protected:
    void SetUp() override { UsePorts("COM1=fake://ttyFAKE0"); }

    // Starts the job and waits for its failure; the time from the start to it.
    long FailureAfter(CThread* job, std::uint32_t message) {
        const bool search = message == WM_SEARCH_NOTIFY;
        const auto start = Clock::now();
        EXPECT_TRUE(
            job->Create(search ? "search" : "program", host.window, host.stop, host.stopped));
        EXPECT_TRUE(host.WaitFor(search ? static_cast<int>(SR_ERROR) : static_cast<int>(PR_ERROR),
                                 NOTIFY_FAIL, seconds(10)));
        return MsSince(start);
    }

    support::ScopedFakeCommDriver fake;
    std::shared_ptr<support::FakeLine> line = fake.driver->AddLine("fake://ttyFAKE0");
    JobRecorder host;
    RunSettings settings{"COM1", 9600};
};

// A port that keeps reporting waiting bytes while every read fails: the connection's wait
// is still bounded by its passes, and the job fails; reads failing with an I/O error are
// a device that has gone, and are explained so.
TEST_F(FakeLineJobTest, APortThatReportsBytesItCannotDeliverFailsTheConnectionOnTime) {
    line->ReportWaiting(10);
    line->Fail(support::FakeCall::Read);
    auto* job = new CProgramThread(settings);
    const long took = FailureAfter(job, WM_PROGRAM_NOTIFY);
    EXPECT_GE(took, 2000);
    EXPECT_LT(took, 3500);
    EXPECT_THAT(job->GetFailure().Explain(), HasSubstr("COM1 (fake://ttyFAKE0) has gone"));
    EXPECT_TRUE(host.Stop());
    EXPECT_EQ(host.Posted(), kConnectionFailed);
    EXPECT_FALSE(line->IsOpen());  // the job's port went with the job
}

// A break that cannot be cleared may leave the line held in break, where no byte crosses:
// each rate's probe is given up at once instead of reporting on a line it cannot trust.
TEST_F(FakeLineJobTest, ABreakThatCannotBeClearedFailsItsProbe) {
    line->Fail(support::FakeCall::ClearBreak);
    // Eight 300 ms breaks, and no wait after any of them.
    EXPECT_LT(FailureAfter(new CSearchThread(), WM_SEARCH_NOTIFY), 4000);
    EXPECT_EQ(line->Count(support::FakeCall::SetBreak), 8);
    EXPECT_TRUE(host.Stop());
}

// The connection's line feed cannot be written: that is what the user is told, not that
// the instrument did not answer.
TEST_F(FakeLineJobTest, ALineFeedThatCannotBeWrittenIsExplainedAsSuch) {
    line->Fail(support::FakeCall::Write, EPERM);
    auto* job = new CProgramThread(settings);
    EXPECT_LT(FailureAfter(job, WM_PROGRAM_NOTIFY), 1000);  // no wait for an answer
    EXPECT_THAT(job->GetFailure().Explain(), HasSubstr("could not write to COM1: "));
    EXPECT_TRUE(host.Stop());
}

}  // namespace
