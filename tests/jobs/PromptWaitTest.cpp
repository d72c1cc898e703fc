#include "jobs/PromptWait.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>
#include <tuple>

#include "jobs/CThread.h"
#include "jobs/ProbeLoop.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "tests/platform/PtyPair.h"
#include "tests/support/FakeCommDriver.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A job whose stop event the test holds, without a thread of its own: the wait runs on
// the test's thread.
class StoppableJob : public CThread {
  public:
    explicit StoppableJob(EventPtr stop) { m_pStopEvent = std::move(stop); }
};

class PromptWaitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        line = fake.driver->AddLine("fake://ttyFAKE0");
        ASSERT_TRUE(serial.Open("fake://ttyFAKE0", 9600, 0, 0, 8, 4096, 4096));
    }

    // Runs the wait and returns its result and how long it took.
    std::pair<bool, milliseconds> Wait(unsigned passes) {
        const auto start = Clock::now();
        const bool result = WaitForChar(serial, job, kPrompt, passes);
        return {result, std::chrono::duration_cast<milliseconds>(Clock::now() - start)};
    }

    support::ScopedFakeCommDriver fake;
    std::shared_ptr<support::FakeLine> line;
    CSerial serial;
    CThread::EventPtr stop = std::make_shared<platform::Event>();
    StoppableJob job{stop};
};

TEST_F(PromptWaitTest, PromptAfterBannerIsFoundAtOnceAndLeavesTheRestQueued) {
    line->Feed("\r\nBrinevane ADCP\r\n>rest");
    const auto [found, took] = Wait(kPromptPasses);
    EXPECT_TRUE(found);
    EXPECT_LT(took.count(), 500);  // one pass, not the 2 s budget
    EXPECT_EQ(line->InputLeft(), 4u);
}

TEST_F(PromptWaitTest, NoPromptUsesEveryPassAndFails) {
    line->Feed("noise without the prompt");
    const auto [found, took] = Wait(100);
    EXPECT_FALSE(found);
    EXPECT_GE(took.count(), 100);
    EXPECT_EQ(line->InputLeft(), 0u);
}

TEST_F(PromptWaitTest, ZeroPassesGiveTheStopPollAlone) {
    line->Feed(">");
    EXPECT_FALSE(Wait(0).first);
    EXPECT_EQ(line->InputLeft(), 1u);
    stop->Set();
    EXPECT_TRUE(Wait(0).first);
}

TEST_F(PromptWaitTest, StopDuringTheWaitEndsItQuicklyWithTrue) {
    std::thread stopper([this] {
        std::this_thread::sleep_for(milliseconds(50));
        stop->Set();
    });
    const auto [found, took] = Wait(kPromptPasses);
    stopper.join();
    EXPECT_TRUE(found);
    EXPECT_LT(took.count(), 1000);
}

TEST_F(PromptWaitTest, PortThatReportsBytesItCannotDeliverStaysBoundedAndSeesAStop) {
    line->ReportWaiting(10);
    line->Fail(support::FakeCall::Read);
    const auto [found, took] = Wait(50);
    EXPECT_FALSE(found);
    EXPECT_LT(took.count(), 2000);
    std::thread stopper([this] {
        std::this_thread::sleep_for(milliseconds(50));
        stop->Set();
    });
    const auto [stopped, tookStopped] = Wait(kPromptPasses);
    stopper.join();
    EXPECT_TRUE(stopped);
    EXPECT_LT(tookStopped.count(), 1000);
}

// A driver whose wait keeps saying input waits while none can be read would wake the wait
// at once for ever; one whose wait fails cannot be slept on at all. Both get 1 ms passes.
TEST_F(PromptWaitTest, ALineThatCannotBeSleptOnIsPolledInPassesWithinTheBudget) {
    line->AnswerWaits(platform::InputWait::Input);
    auto [found, took] = Wait(100);
    EXPECT_FALSE(found);
    EXPECT_GE(took.count(), 100);
    EXPECT_LE(line->Count(support::FakeCall::WaitForInput), 101);

    line->Fail(support::FakeCall::WaitForInput);
    const int before = line->Count(support::FakeCall::WaitForInput);
    std::tie(found, took) = Wait(100);
    EXPECT_FALSE(found);
    EXPECT_GE(took.count(), 100);
    EXPECT_EQ(line->Count(support::FakeCall::WaitForInput), before + 1);
}

// The waits on a real tty, which they sleep on together with the stop event.
class PromptWaitOnATtyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        setenv("BRINEVANE_PORTS", ("COM1=" + pty.Path()).c_str(), 1);
        PortMap::Refresh();
        ASSERT_TRUE(serial.Open("COM1", 9600, 0, 0, 8, 4096, 4096));
    }

    // How often this thread went to sleep: polling every 1 ms shows there.
    static rusage Usage() {
        rusage usage{};
        getrusage(RUSAGE_THREAD, &usage);
        return usage;
    }
    static long Sleeps(const rusage& since) { return Usage().ru_nvcsw - since.ru_nvcsw; }

    // Runs action on another thread after delay; returns when it ran.
    std::thread After(milliseconds delay, std::function<void()> action, Clock::time_point& when) {
        return std::thread([=, &when] {
            std::this_thread::sleep_for(delay);
            when = Clock::now();
            action();
        });
    }

    PtyPair pty;
    CSerial serial;
    CThread::EventPtr stop = std::make_shared<platform::Event>();
    StoppableJob job{stop};
};

TEST_F(PromptWaitOnATtyTest, SilenceIsSleptThroughAndEndsWhenThePassesWould) {
    const rusage before = Usage();
    const auto start = Clock::now();
    EXPECT_FALSE(WaitForChar(serial, job, kPrompt, 300));
    const auto took = std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
    EXPECT_GE(took, 300);
    EXPECT_LT(took, 1500);
    EXPECT_LT(Sleeps(before), 30);  // 1 ms passes would sleep 300 times
}

TEST_F(PromptWaitOnATtyTest, APromptOrAStopWakesTheWaitAtOnce) {
    Clock::time_point sent;
    std::thread writer = After(
        milliseconds(100), [this] { pty.MasterWrite("banner>"); }, sent);
    EXPECT_TRUE(WaitForChar(serial, job, kPrompt, kPromptPasses));
    const auto seen = Clock::now();
    writer.join();
    // At once, not at a coarse poll or the wait's end; the bound leaves room for a worker
    // that a loaded machine schedules late.
    EXPECT_LT(std::chrono::duration_cast<milliseconds>(seen - sent).count(), 250);

    Clock::time_point set;
    std::thread stopper = After(
        milliseconds(100), [this] { stop->Set(); }, set);
    EXPECT_TRUE(WaitForChar(serial, job, kPrompt, kPromptPasses));
    const auto stopped = Clock::now();
    stopper.join();
    EXPECT_LT(std::chrono::duration_cast<milliseconds>(stopped - set).count(), 250);
}

TEST_F(PromptWaitOnATtyTest, TheRestIsCountedFromTheLastByteAndWakesTheWaitWhenItEnds) {
    const auto rest = RestTime(9600).count();
    ASSERT_TRUE(pty.MasterWrite(">"));
    Clock::time_point sent;
    std::thread writer = After(
        milliseconds(rest / 2), [this] { pty.MasterWrite("x>"); }, sent);
    const rusage before = Usage();
    ProbedLine probed(serial, "COM1", stop.get());
    probed.StartAtLineFeed();
    EXPECT_TRUE(ProbeLoop::RunOne(job, probed));
    EXPECT_EQ(probed.probe.GetResult(), LineProbe::Result::Answered);
    const auto done = Clock::now();
    writer.join();
    const auto afterLast = std::chrono::duration_cast<milliseconds>(done - sent).count();
    EXPECT_GE(afterLast, rest);
    EXPECT_LT(afterLast, rest + 500);
    EXPECT_LT(Sleeps(before), 30);
}

TEST_F(PromptWaitOnATtyTest, ALineThatHungUpStillEndsOnTime) {
    pty.CloseMaster();
    const auto start = Clock::now();
    EXPECT_FALSE(WaitForChar(serial, job, kPrompt, 200));
    const auto took = std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
    EXPECT_GE(took, 200);
    EXPECT_LT(took, 2000);
}

}  // namespace
