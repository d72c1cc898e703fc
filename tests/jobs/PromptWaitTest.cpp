#include "jobs/PromptWait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "jobs/CThread.h"
#include "serial/CSerial.h"
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

}  // namespace
