#pragma once
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "jobs/CThread.h"
#include "jobs/JobMessages.h"
#include "jobs/NotificationQueue.h"
#include "jobs/NotifyWindow.h"
#include "serial/PortMap.h"
#include "tools/sim/InstrumentSimulator.h"

// A host for one job in a test: records every (state, code) the job posts, on the test's
// thread, and stops it with the hosts' protocol.
class JobRecorder {
  public:
    using Sequence = std::vector<std::pair<int, int>>;

    ~JobRecorder() { window->Detach(); }

    // Waits until (state, code) has been posted.
    bool WaitFor(int state, int code, std::chrono::milliseconds timeout) {
        return WaitForAny({{state, code}}, timeout);
    }

    // Waits until one of the (state, code) pairs has been posted; false after the timeout.
    bool WaitForAny(const Sequence& wanted, std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            if (std::find_first_of(m_posted.begin(), m_posted.end(), wanted.begin(),
                                   wanted.end()) != m_posted.end()) {
                return true;
            }
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left <= std::chrono::milliseconds(0) || !Take(left)) {
                return false;
            }
        }
    }

    Sequence Posted() {
        while (Take(std::chrono::milliseconds(0))) {
        }
        return m_posted;
    }

    // Waits for a search's success, reads its result as a host must (before the stop), and
    // stops the job: (port, rate).
    template <typename Search>
    std::pair<int, int> FoundResult(Search* job, std::chrono::milliseconds limit) {
        EXPECT_TRUE(WaitFor(SR_FOUND, NOTIFY_END, limit));
        std::int32_t port = 0;
        std::int32_t baud = 0;
        EXPECT_TRUE(job->GetResult(&port, &baud));
        job->StopRunning();
        EXPECT_TRUE(Stop());
        return {port, baud};
    }

    // Stop event, then up to 1000 ms for the stopped event; true when the job stopped.
    bool Stop() {
        stop->Set();
        return stopped->Wait(1000) == platform::WaitResult::Signaled;
    }

  private:
    // Records the next notification; false when none came within the timeout.
    bool Take(std::chrono::milliseconds timeout) {
        NotificationQueue::Notification n;
        if (m_queue.Next(n, timeout) != NotificationQueue::Wait::Taken) {
            return false;
        }
        m_posted.emplace_back(static_cast<int>(n.state), static_cast<int>(n.code));
        return true;
    }

    NotificationQueue m_queue;  // before the window that posts to it
    Sequence m_posted;

  public:
    std::shared_ptr<NotifyWindow> window = NotifyWindow::Create(&m_queue);
    CThread::EventPtr stop = std::make_shared<platform::Event>();
    CThread::EventPtr stopped = std::make_shared<platform::Event>();
};

// Points the process's port map at the given BRINEVANE_PORTS value.
inline void UsePorts(const std::string& ports) {
    setenv(PortMap::kEnvironmentVariable, ports.c_str(), 1);
    PortMap::Refresh();
}

// A test of a job against instruments played on ptys, with the port map pointing at them
// and a host for the job.
class SimulatedJobTest : public ::testing::Test {
  protected:
    void StartSimulator(std::vector<SimulatedLine> lines,
                        SimulatorOptions options = SimulatorOptions()) {
        simulator = std::make_unique<InstrumentSimulator>(std::move(lines), std::move(options));
        ASSERT_TRUE(simulator->Start());
        UsePorts(simulator->PortsVariable());
    }

    std::unique_ptr<InstrumentSimulator> simulator;
    JobRecorder host;
};
