// A stop asked for in every state of each job: the job's stopped event comes within the
// host's 1000 ms wait (much sooner wherever the job is polling), the job has let go of
// its port by then, and it posts nothing afterwards.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <memory>
#include <thread>

#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "serial/CSerial.h"
#include "tests/faults/FaultSupport.h"
#include "tests/jobs/JobRecorder.h"
#include "tests/platform/PtyPair.h"
#include "tests/support/FakeCommDriver.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using namespace faults;

// What a job's poll costs at most once the stop event is set: the 10 ms idle sleep, or the
// rest of a prompt wait run without sleeping. The bound is half the host's 1000 ms wait,
// far from the limits a stop must cut short (the rest of a 2 s wait or write), and far
// enough above the poll for a worker that a loaded machine schedules late.
constexpr long kPollingStopMs = 500;

class StopTest : public SimulatedJobTest {
  protected:
    void StartSearch() {
        search = new CSearchThread();
        ASSERT_TRUE(search->Create("search", host.window, host.stop, host.stopped));
    }

    void StartConnection(const std::string& port, std::int32_t baud) {
        settings.m_strPortName = port;
        settings.m_nBaudRate = baud;
        auto* job = new CProgramThread(settings);
        ASSERT_TRUE(job->Create("program", host.window, host.stop, host.stopped));
    }

    // The host's stop; returns how long the job took to acknowledge it, and checks that
    // it did so within the host's wait and then fell silent.
    long StopAndMeasure() {
        const auto start = Clock::now();
        const bool stopped = host.Stop();
        const long took = MsSince(start);
        RecordProperty("stop_ms", static_cast<int>(took));
        EXPECT_TRUE(stopped) << "no stopped event within 1000 ms";
        const std::size_t posted = host.Posted().size();
        std::this_thread::sleep_for(milliseconds(50));
        EXPECT_EQ(host.Posted().size(), posted) << "the job posted after it had stopped";
        return took;
    }

    // A job that has stopped holds its port no longer: the next job can open it.
    void ExpectPortFree(const std::string& port = "COM1") {
        CSerial next;
        EXPECT_TRUE(next.PortAvailable(port));
    }

    RunSettings settings;
    CSearchThread* search = nullptr;  // deletes itself when stopped
};

TEST_F(StopTest, SearchDuringTheBreak) {
    StartSimulator({SimulatedLine::Silent()});
    StartSearch();
    // The simulator sees a break begin (the input purge before it); a stop cuts the rest
    // of its 300 ms short, with room for a worker that a loaded machine schedules late.
    ASSERT_TRUE(HoldsWithin([&] { return simulator->BreaksSeen(0) == 1; }));
    EXPECT_LT(StopAndMeasure(), 250);
    ExpectPortFree();
}

TEST_F(StopTest, SearchDuringTheWaitForThePrompt) {
    StartSimulator({SimulatedLine::Silent()});
    StartSearch();
    ASSERT_TRUE(HoldsWithin([&] { return simulator->BreaksSeen(0) == 1; }));
    std::this_thread::sleep_for(milliseconds(700));
    EXPECT_LT(StopAndMeasure(), kPollingStopMs);
    ExpectPortFree();
    EXPECT_EQ(simulator->BreaksSeen(0), 1);  // no further rate was tried
}

TEST_F(StopTest, SearchWaitingOnAPortThatReportsBytesItCannotDeliver) {
    support::ScopedFakeCommDriver fake;
    auto line = fake.driver->AddLine("fake://ttyFAKE0");
    line->ReportWaiting(10);
    line->Fail(support::FakeCall::Read);
    UsePorts("COM1=fake://ttyFAKE0");
    StartSearch();
    ASSERT_TRUE(HoldsWithin([&] { return line->Count(support::FakeCall::Read) > 0; }));
    std::this_thread::sleep_for(milliseconds(200));
    EXPECT_LT(StopAndMeasure(), kPollingStopMs);
    EXPECT_FALSE(line->IsOpen());
}

TEST_F(StopTest, SearchIdleAfterFindingNothing) {
    UsePorts("");
    StartSearch();
    ASSERT_TRUE(host.WaitFor(SR_ERROR, NOTIFY_FAIL, seconds(2)));
    std::this_thread::sleep_for(milliseconds(100));
    EXPECT_LT(StopAndMeasure(), kPollingStopMs);
}

TEST_F(StopTest, SearchIdleAfterFindingTheInstrument) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    StartSearch();
    ASSERT_TRUE(host.WaitFor(SR_FOUND, NOTIFY_END, seconds(4)));
    search->StopRunning();  // as the hosts do on success, before the stop event
    EXPECT_LT(StopAndMeasure(), kPollingStopMs);
    ExpectPortFree();
}

TEST_F(StopTest, SearchIdleEndsOnAClearedRunningFlagAlone) {
    UsePorts("");
    StartSearch();
    ASSERT_TRUE(host.WaitFor(SR_ERROR, NOTIFY_FAIL, seconds(2)));
    const auto start = Clock::now();
    search->StopRunning();
    EXPECT_EQ(host.stopped->Wait(1000), platform::WaitResult::Signaled);
    EXPECT_LT(MsSince(start), kPollingStopMs);  // at the end of the current 10 ms sleep
}

TEST_F(StopTest, ConnectionDuringTheWaitForThePrompt) {
    StartSimulator({SimulatedLine::Silent()});
    StartConnection("COM1", 9600);
    ASSERT_TRUE(HoldsWithin([&] { return simulator->LineFeedsSeen(0) == 1; }));
    std::this_thread::sleep_for(milliseconds(300));
    EXPECT_LT(StopAndMeasure(), kPollingStopMs);
    ExpectPortFree();
    // A stop ends the wait as a found prompt would; the job leaves before reporting it.
    EXPECT_EQ(host.Posted(),
              (JobRecorder::Sequence{{PR_INIT, NOTIFY_BEGIN}, {PR_DONE, NOTIFY_END}}));
}

// A line that takes no output (its far end holds it off, or a wedged adapter): the line
// feed cannot leave, and a stop must end the write as promptly as it ends a wait.
TEST_F(StopTest, ConnectionDuringALineFeedTheLineWillNotTake) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    // The far end never reads: fill the line's output queue through a descriptor of our own,
    // raw as the job will make it (a cooked line would need room for "\r\n", not "\n").
    termios raw{};
    ASSERT_EQ(tcgetattr(pty.Slave(), &raw), 0);
    cfmakeraw(&raw);
    ASSERT_EQ(tcsetattr(pty.Slave(), TCSANOW, &raw), 0);
    const int filler = ::open(pty.Path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(filler, 0);
    const char byte = 'x';
    while (::write(filler, &byte, 1) == 1) {
    }
    ::close(filler);
    UsePorts("COM1=" + pty.Path());
    StartConnection("COM1", 9600);
    ASSERT_TRUE(host.WaitFor(PR_INIT, NOTIFY_BEGIN, seconds(2)));
    std::this_thread::sleep_for(milliseconds(300));  // well into the write's 2 s limit
    EXPECT_LT(StopAndMeasure(), kPollingStopMs);
    ExpectPortFree();
}

TEST_F(StopTest, ConnectionIdleAfterSuccess) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    StartConnection("COM1", 9600);
    ASSERT_TRUE(host.WaitFor(PR_DONE, NOTIFY_END, seconds(3)));
    std::this_thread::sleep_for(milliseconds(100));
    EXPECT_LT(StopAndMeasure(), kPollingStopMs);
    ExpectPortFree();
}

TEST_F(StopTest, ConnectionIdleAfterFailure) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    StartConnection("COM7", 9600);
    ASSERT_TRUE(host.WaitFor(PR_ERROR, NOTIFY_FAIL, seconds(3)));
    std::this_thread::sleep_for(milliseconds(100));
    EXPECT_LT(StopAndMeasure(), kPollingStopMs);
}

}  // namespace
