// Many runs in a row leave nothing behind: no descriptor, no thread, no lock on a port.
// A search that finds the instrument costs at least its 300 ms break, so the long series
// are connection runs (the same open, configure, prompt wait, stop and self-deletion) and
// serial-port cycles on one object; a shorter series of searches covers the rest.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "jobs/PromptWait.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "tests/faults/FaultSupport.h"
#include "tools/probe/ConsoleJobHost.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using namespace faults;
using Status = ConsoleJobHost::Status;

// Locks that this process holds, as /proc/locks lists them.
int LocksHeld() {
    std::ifstream locks("/proc/locks");
    const std::string pid = " " + std::to_string(getpid()) + " ";
    int count = 0;
    for (std::string line; std::getline(locks, line);) {
        if (line.find(pid) != std::string::npos) {
            ++count;
        }
    }
    return count;
}

class LeakTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The descriptors, threads and locks of the test itself and of the simulator.
        simulator = std::make_unique<InstrumentSimulator>(
            std::vector<SimulatedLine>{SimulatedLine::AtRate(9600), SimulatedLine::AtRate(9600)});
        ASSERT_TRUE(simulator->Start());
        setenv(PortMap::kEnvironmentVariable, simulator->PortsVariable().c_str(), 1);
        PortMap::Refresh();
        // The count and its listing from the same moment: a descriptor open for an instant
        // (the simulator's thread at work) must not make the baseline one it can never meet.
        ASSERT_TRUE(HoldsWithin([&] {
            fds = OpenDescriptors();
            fdsListing = DescribeDescriptors();
            return fds == static_cast<int>(std::count(fdsListing.begin(), fdsListing.end(), '\n'));
        }));
        threads = Threads();
        locks = LocksHeld();
    }

    void ExpectNothingLeft() {
        // A job's thread sets its stopped event, then still deletes its job (and with it
        // its share of the stop event and that event's descriptor) and returns; a loaded
        // machine may run that end late. A leak of one per run stays 300 too many.
        EXPECT_TRUE(HoldsWithin([&] { return OpenDescriptors() == fds; }, seconds(10)))
            << OpenDescriptors() << " descriptors:\n"
            << DescribeDescriptors() << "where there were " << fds << ":\n"
            << fdsListing;
        EXPECT_TRUE(HoldsWithin([&] { return Threads() == threads; }, seconds(10)))
            << Threads() << " threads";
        EXPECT_EQ(LocksHeld(), locks);
        CSerial next;
        EXPECT_TRUE(next.PortAvailable("COM1"));
        EXPECT_TRUE(next.PortAvailable("COM2"));
    }

    std::unique_ptr<InstrumentSimulator> simulator;
    int fds = 0;
    std::string fdsListing;
    int threads = 0;
    int locks = 0;
};

TEST_F(LeakTest, ThreeHundredConnectionRuns) {
    ConsoleJobHost host;
    // Mostly answered runs; every tenth to a port that is missing, every tenth to a port
    // that another holder has locked, so that the failure paths repeat as often.
    const int held = open(simulator->SlavePath(1).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    int succeeded = 0;
    int failed = 0;
    // An answered run rests 50 ms on its prompt: 300 runs show a leak of one of anything per
    // run as plainly as more would.
    for (int run = 0; run < 300; ++run) {
        const char* port = run % 10 == 3 ? "COM7" : run % 10 == 7 ? "COM2" : "COM1";
        const auto outcome = host.RunConnection(port, 9600);
        ASSERT_EQ(outcome.stopFailure, "") << "run " << run;
        (outcome.status == Status::Success ? succeeded : failed)++;
    }
    EXPECT_EQ(succeeded, 240);
    EXPECT_EQ(failed, 60);
    EXPECT_EQ(simulator->PromptsSent(0), 240);
    close(held);
    ExpectNothingLeft();
}

TEST_F(LeakTest, TwentySearches) {
    ConsoleJobHost host;
    for (int run = 0; run < 20; ++run) {
        // COM1 pulled out of the search by a holder every other run: the search then
        // passes over it to COM2.
        const int held = run % 2 ? open(simulator->SlavePath(0).c_str(), O_RDWR | O_NOCTTY) : -1;
        if (held >= 0) {
            ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
        }
        const auto outcome = host.RunSearch();
        ASSERT_EQ(outcome.status, Status::Success) << "run " << run;
        EXPECT_EQ(outcome.portName, held >= 0 ? "COM2" : "COM1");
        EXPECT_EQ(outcome.stopFailure, "");
        if (held >= 0) {
            close(held);
        }
    }
    ExpectNothingLeft();
}

TEST_F(LeakTest, AThousandOpenProbeCloseCyclesOnOneSerialPort) {
    CSerial serial;
    auto stop = std::make_shared<platform::Event>();
    StoppableJob job(stop);
    // The stop event's own descriptor lives as long as the event, the test's to keep.
    ASSERT_GE(stop->Descriptor(), 0);
    ++fds;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        // Each line keeps its rate from cycle to cycle: a pty shows the simulator the rate
        // of the moment it reads a byte, not of the moment it was written, so a line feed
        // read late, after the rate changed back to 9600, would be answered.
        const bool answered = cycle % 2 == 1;
        const char* port = answered ? "COM1" : "COM2";
        ASSERT_TRUE(serial.PortAvailable(port));  // this object holds the other port, if any
        ASSERT_TRUE(serial.Open(port, answered ? 9600 : 19200, 0, 0, 8, 4096, 4096));
        ASSERT_FALSE(serial.PortAvailable(port));
        ASSERT_EQ(serial.WritePort("\n"), 1u);
        // At 19200 the instrument (at 9600) answers with noise only: a short wait.
        ASSERT_EQ(WaitForChar(serial, job, kPrompt, answered ? kPromptPasses : 5), answered)
            << "cycle " << cycle;
        if (cycle % 3 == 0) {
            serial.Close();  // otherwise the next Open lets the port go itself
        }
    }
    serial.Close();
    ExpectNothingLeft();
}

}  // namespace
