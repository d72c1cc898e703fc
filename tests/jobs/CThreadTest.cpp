#include "jobs/CThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "jobs/NotifyTarget.h"
#include "jobs/NotifyWindow.h"
#include "platform/os/Alert.h"
#include "platform/os/Event.h"
#include "platform/os/WorkerThread.h"

namespace {

using Clock = std::chrono::steady_clock;
using Events = std::shared_ptr<platform::Event>;

long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

template <typename Condition>
bool Eventually(Condition condition, int timeoutMs = 3000) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

class RecordingTarget : public NotifyTarget {
  public:
    using Message = std::tuple<std::uint32_t, std::uintptr_t, std::intptr_t>;
    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_messages.emplace_back(message, wParam, lParam);
    }
    std::vector<Message> Messages() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_messages;
    }

  private:
    std::mutex m_mutex;
    std::vector<Message> m_messages;
};

// An event whose waits end with a fixed result, as a wait on a closed handle fails.
class BrokenWaitEvent : public platform::Event {
  public:
    explicit BrokenWaitEvent(platform::WaitResult result) : m_result(result) {}
    platform::WaitResult WaitUntil(std::chrono::steady_clock::time_point) override {
        return m_result;
    }

  private:
    platform::WaitResult m_result;
};

// An event that cannot be set.
class UnsettableEvent : public platform::Event {
  public:
    bool Set() override {
        ++m_attempts;
        return false;
    }
    std::atomic<int> m_attempts{0};
};

// The default loop of the base class, with a counter of destructions and a signal that
// the loop has begun. Optional notifications are posted before the loop.
class TestJob : public CThread {
  public:
    explicit TestJob(std::shared_ptr<std::atomic<int>> destroyed)
        : m_destroyed(std::move(destroyed)) {}
    ~TestJob() override { ++*m_destroyed; }

    std::shared_ptr<platform::Event> m_entered = std::make_shared<platform::Event>();
    std::vector<std::pair<std::intptr_t, std::intptr_t>> m_toPost;

  protected:
    void Run() override {
        for (const auto& [state, code] : m_toPost) {
            Notify(1124, state, code);
        }
        m_entered->Set();
        CThread::Run();
    }

  private:
    std::shared_ptr<std::atomic<int>> m_destroyed;
};

class CThreadTest : public ::testing::Test {
  protected:
    void TearDown() override {
        platform::SetThreadStartFailureForTesting(false);
        platform::SetAlertHook(nullptr);
    }

    TestJob* NewJob() { return new TestJob(m_destroyed); }

    std::shared_ptr<std::atomic<int>> m_destroyed = std::make_shared<std::atomic<int>>(0);
    RecordingTarget m_target;
    CThread::WindowPtr m_window = NotifyWindow::Create(&m_target);
    Events m_stop = std::make_shared<platform::Event>();
    Events m_stopped = std::make_shared<platform::Event>();
};

TEST_F(CThreadTest, CreateWithAMissingArgumentStartsNothingAndKeepsWhatItWasGiven) {
    struct Case {
        const char* name;
        bool window, stop, stopped;
    };
    for (const Case& c : {Case{nullptr, true, true, true}, Case{"search", false, true, true},
                          Case{"search", true, false, true}, Case{"search", true, true, false}}) {
        TestJob* job = NewJob();
        EXPECT_FALSE(job->Create(c.name, c.window ? m_window : nullptr, c.stop ? m_stop : nullptr,
                                 c.stopped ? m_stopped : nullptr));
        EXPECT_STREQ(job->GetName(), c.name != nullptr ? c.name : "");
        // No thread ran: nothing was signalled, and the job is still the host's to delete.
        EXPECT_EQ(m_stopped->Wait(50), platform::WaitResult::Timeout);
        EXPECT_EQ(m_destroyed->load(), 0);
        delete job;
        m_destroyed->store(0);
    }
}

TEST_F(CThreadTest, ThreadStartFailureMakesCreateFailAndLeavesTheJobWithTheHost) {
    platform::SetThreadStartFailureForTesting(true);
    TestJob* job = NewJob();
    EXPECT_FALSE(job->Create("search", m_window, m_stop, m_stopped));
    EXPECT_EQ(m_stopped->Wait(50), platform::WaitResult::Timeout);
    EXPECT_EQ(m_destroyed->load(), 0);
    delete job;
    EXPECT_EQ(m_destroyed->load(), 1);
}

TEST_F(CThreadTest, StopSetBeforeStartEndsAtTheFirstPollAndTheJobDeletesItself) {
    m_stop->Set();
    const auto start = Clock::now();
    ASSERT_TRUE(NewJob()->Create("search", m_window, m_stop, m_stopped));
    EXPECT_EQ(m_stopped->Wait(3000), platform::WaitResult::Signaled);
    EXPECT_LT(MsSince(start), 500);  // no 1000 ms sleep was started
    EXPECT_TRUE(Eventually([&] { return m_destroyed->load() == 1; }));
    // The stop event belongs to the host: the job leaves it set.
    EXPECT_EQ(m_stop->Wait(0), platform::WaitResult::Signaled);
}

TEST_F(CThreadTest, StopDuringTheDefaultSleepEndsWithinOnePass) {
    TestJob* job = NewJob();
    auto entered = job->m_entered;
    ASSERT_TRUE(job->Create("search", m_window, m_stop, m_stopped));
    ASSERT_EQ(entered->Wait(3000), platform::WaitResult::Signaled);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // well into the sleep
    const auto start = Clock::now();
    m_stop->Set();
    EXPECT_EQ(m_stopped->Wait(3000), platform::WaitResult::Signaled);
    EXPECT_LT(MsSince(start), 400);
    EXPECT_TRUE(Eventually([&] { return m_destroyed->load() == 1; }));
}

TEST_F(CThreadTest, ClearingTheRunningFlagAloneEndsTheLoopWhenTheSleepRunsOut) {
    TestJob* job = NewJob();
    auto entered = job->m_entered;
    ASSERT_TRUE(job->Create("program", m_window, m_stop, m_stopped));
    ASSERT_EQ(entered->Wait(3000), platform::WaitResult::Signaled);
    const auto start = Clock::now();
    job->StopRunning();
    EXPECT_EQ(m_stopped->Wait(3000), platform::WaitResult::Signaled);
    EXPECT_LT(MsSince(start), 1800);  // at most one 1000 ms sleep, with margin
    EXPECT_TRUE(Eventually([&] { return m_destroyed->load() == 1; }));
    EXPECT_EQ(m_stop->Wait(0), platform::WaitResult::Timeout);
}

TEST_F(CThreadTest, SleepOrStopTellsATimeoutFromAStop) {
    // A failed start leaves the events stored: the polls can be called from here.
    platform::SetThreadStartFailureForTesting(true);
    std::unique_ptr<TestJob> job(NewJob());
    ASSERT_FALSE(job->Create("search", m_window, m_stop, m_stopped));

    EXPECT_FALSE(job->IsStopRequested());
    auto start = Clock::now();
    EXPECT_TRUE(job->SleepOrStop(60));
    EXPECT_GE(MsSince(start), 50);

    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        m_stop->Set();
    });
    start = Clock::now();
    EXPECT_FALSE(job->SleepOrStop(5000));
    EXPECT_LT(MsSince(start), 1000);
    setter.join();
    // The set event stays set: every later poll and sleep sees it at once.
    EXPECT_TRUE(job->IsStopRequested());
    start = Clock::now();
    EXPECT_FALSE(job->SleepOrStop(5000));
    EXPECT_LT(MsSince(start), 1000);  // not the 5 s sleep
}

TEST_F(CThreadTest, AFailedOrAbandonedWaitCountsAsAStopAndCutsTheSleepShort) {
    for (const auto result : {platform::WaitResult::Failed, platform::WaitResult::Abandoned}) {
        platform::SetThreadStartFailureForTesting(true);
        std::unique_ptr<TestJob> job(NewJob());
        ASSERT_FALSE(
            job->Create("search", m_window, std::make_shared<BrokenWaitEvent>(result), m_stopped));
        EXPECT_TRUE(job->IsStopRequested());
        const auto start = Clock::now();
        EXPECT_TRUE(job->SleepOrStop(1000));
        EXPECT_LT(MsSince(start), 500);
    }
}

TEST_F(CThreadTest, ALoopWhoseStopWaitFailsEndsAtOnce) {
    const auto start = Clock::now();
    ASSERT_TRUE(NewJob()->Create("search", m_window,
                                 std::make_shared<BrokenWaitEvent>(platform::WaitResult::Failed),
                                 m_stopped));
    EXPECT_EQ(m_stopped->Wait(3000), platform::WaitResult::Signaled);
    EXPECT_LT(MsSince(start), 500);
    EXPECT_TRUE(Eventually([&] { return m_destroyed->load() == 1; }));
}

TEST_F(CThreadTest, AStoppedEventThatCannotBeSetIsReportedAndTheJobIsStillDeleted) {
    std::mutex mutex;
    std::vector<std::string> alerts;
    std::atomic<int> destroyedWhenAlerted{-1};
    platform::SetAlertHook([&](const std::string& text) {
        std::lock_guard<std::mutex> lock(mutex);
        alerts.push_back(text);
        destroyedWhenAlerted = m_destroyed->load();
    });
    auto stopped = std::make_shared<UnsettableEvent>();
    m_stop->Set();
    ASSERT_TRUE(NewJob()->Create("search", m_window, m_stop, stopped));
    ASSERT_TRUE(Eventually([&] { return m_destroyed->load() == 1; }));
    std::lock_guard<std::mutex> lock(mutex);
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0], "ThreadProc[search]::Can't signal Stop event!");
    EXPECT_EQ(destroyedWhenAlerted.load(), 0);  // the user sees it before the job goes
    EXPECT_EQ(stopped->m_attempts.load(), 1);
}

TEST_F(CThreadTest, NotificationsReachTheHostInOrderAndStopOnceItDetaches) {
    TestJob* job = NewJob();
    job->m_toPost = {{0, 0}, {1, 1}, {3, 2}};
    m_stop->Set();
    ASSERT_TRUE(job->Create("search", m_window, m_stop, m_stopped));
    ASSERT_EQ(m_stopped->Wait(3000), platform::WaitResult::Signaled);
    const std::vector<RecordingTarget::Message> expected = {
        {1124u, 0u, 0}, {1124u, 1u, 1}, {1124u, 3u, 2}};
    EXPECT_EQ(m_target.Messages(), expected);

    // A host that has gone away receives nothing more, and the job does not notice.
    m_window->Detach();
    m_stopped->Reset();
    TestJob* late = NewJob();
    late->m_toPost = {{4, 1}};
    ASSERT_TRUE(late->Create("search", m_window, m_stop, m_stopped));
    ASSERT_EQ(m_stopped->Wait(3000), platform::WaitResult::Signaled);
    EXPECT_EQ(m_target.Messages(), expected);
    EXPECT_TRUE(Eventually([&] { return m_destroyed->load() == 2; }));
}

TEST_F(CThreadTest, ClearingTheRunningFlagRightAfterCreateIsNotLost) {
    // The host may stop a job before its thread has begun to run.
    TestJob* job = NewJob();
    ASSERT_TRUE(job->Create("search", m_window, m_stop, m_stopped));
    job->StopRunning();
    EXPECT_EQ(m_stopped->Wait(1800), platform::WaitResult::Signaled);
    m_stop->Set();  // ends a loop that missed the request, so the job is not leaked
    EXPECT_TRUE(Eventually([&] { return m_destroyed->load() == 1; }));
}

}  // namespace
