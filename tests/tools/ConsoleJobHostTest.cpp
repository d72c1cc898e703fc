#include "tools/probe/ConsoleJobHost.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "jobs/JobMessages.h"
#include "serial/PortMap.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using Clock = std::chrono::steady_clock;
using Status = ConsoleJobHost::Status;

void UsePorts(const std::string& ports) {
    setenv(PortMap::kEnvironmentVariable, ports.c_str(), 1);
    PortMap::Refresh();
}

// The wizard's usual path on one host: a search, then a connection to what it found,
// which needs the search job to have let go of the port.
TEST(ConsoleJobHostTest, SearchThenConnectionToWhatItFound) {
    InstrumentSimulator simulator({SimulatedLine::Silent(), SimulatedLine::AtRate(9600)});
    ASSERT_TRUE(simulator.Start());
    simulator.CloseLine(0);  // keep the search quick: only COM2 is left
    UsePorts(simulator.PortsVariable());
    ConsoleJobHost host;
    int notifications = 0;
    host.SetObserver([&](const ConsoleJobHost::Notification&) { ++notifications; });

    const auto found = host.RunSearch();
    ASSERT_EQ(found.status, Status::Success);
    EXPECT_EQ(found.portName, "COM2");
    EXPECT_EQ(found.baud, 9600);
    EXPECT_EQ(found.stopFailure, "");
    EXPECT_EQ(notifications, 6);

    const auto connected = host.RunConnection(found.portName, found.baud);
    EXPECT_EQ(connected.status, Status::Success);
    EXPECT_EQ(connected.stopFailure, "");
    // One line feed confirmed the search's prompt, the other was the connection's.
    EXPECT_EQ(simulator.LineFeedsSeen(1), 2);
}

// What the host shows is what the job probes, never a guess from counting notifications:
// with COM1's device missing, the first port probed is COM2, at each rate in turn.
TEST(ConsoleJobHostTest, ShowsThePortAndRateReallyBeingProbed) {
    InstrumentSimulator simulator({SimulatedLine::AtRate(19200)});
    ASSERT_TRUE(simulator.Start());
    const std::string device = simulator.SlavePath(0);
    UsePorts("COM1=/dev/pts/2147483647,COM2=" + device);
    ConsoleJobHost host;
    std::set<std::string> shown;
    std::string firstRemaining;
    host.SetRefresh([&] {
        const CThread::Probing probing = host.Probing();
        if (!probing.portName.empty()) {
            shown.insert(JobHost::Describe(probing));
            if (firstRemaining.empty()) {
                firstRemaining = JobHost::Remaining(probing);
            }
        }
    });
    const auto outcome = host.RunSearch();
    ASSERT_EQ(outcome.status, Status::Success);
    EXPECT_EQ(outcome.portName, "COM2");
    // The simulator's line saw the breaks of exactly those two probes.
    EXPECT_EQ(simulator.BreaksSeen(0), 2);
    EXPECT_EQ(shown, (std::set<std::string>{"COM2 (" + device + ") at 9600 baud",
                                            "COM2 (" + device + ") at 19200 baud"}));
    EXPECT_EQ(firstRemaining, "probe 1 of 8, about 18 s left");
}

TEST(ConsoleJobHostTest, InterruptStopsARunningSearchAndEveryLaterRun) {
    InstrumentSimulator simulator({SimulatedLine::Silent()});
    ASSERT_TRUE(simulator.Start());
    UsePorts(simulator.PortsVariable());
    ConsoleJobHost host;
    std::thread interrupter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        host.Interrupt();
    });
    const auto start = Clock::now();
    const auto outcome = host.RunSearch();
    interrupter.join();
    EXPECT_EQ(outcome.status, Status::Interrupted);
    EXPECT_EQ(outcome.stopFailure, "");  // the job acknowledged the stop in time
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(2000));
    EXPECT_EQ(host.RunConnection("COM1", 9600).status, Status::Interrupted);
    EXPECT_EQ(simulator.LineFeedsSeen(0), 0);
}

}  // namespace
