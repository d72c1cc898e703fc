// Two programs at once on one port: the first keeps the line to itself and finishes its
// run untouched; the second is refused and told who holds the port.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "serial/PortMap.h"
#include "tests/faults/FaultSupport.h"
#include "tests/tools/ChildProcess.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using namespace faults;
using ::testing::HasSubstr;

TEST(ContentionTest, ASecondProbeFindsThePortInUseAndTheFirstIsUndisturbed) {
    SimulatorOptions options;
    options.replyDelayMs = 1500;  // the first probe holds the port this long
    InstrumentSimulator simulator({SimulatedLine::AtRate(9600)}, options);
    ASSERT_TRUE(simulator.Start());
    setenv(PortMap::kEnvironmentVariable, simulator.PortsVariable().c_str(), 1);
    const std::string device = simulator.SlavePath(0);

    ChildProcess first({PROBE_PROGRAM, "connect", "COM1", "9600"});
    ASSERT_TRUE(HoldsWithin([&] { return simulator.LineFeedsSeen(0) == 1; }));

    // All three start together while the first holds the line (1.5 s): one after another,
    // a slow machine (a sanitizer build under load) could run the last after it let go.
    // By its COM name and by its device path: the same port, refused at once.
    const auto start = Clock::now();
    ChildProcess byName({PROBE_PROGRAM, "connect", "COM1", "9600"});
    ChildProcess byPath({PROBE_PROGRAM, "connect", device, "9600"});
    // A search at the same time passes over the busy port without touching the line.
    ChildProcess searching({PROBE_PROGRAM, "search"});
    for (ChildProcess* second : {&byName, &byPath}) {
        EXPECT_EQ(second->Wait(seconds(10)), 1) << second->err;
        // Not the 2 s a probe that took the line would wait for its prompt.
        EXPECT_LT(MsSince(start), 1800);
        EXPECT_EQ(second->out, "");
        EXPECT_THAT(second->err,
                    HasSubstr("is in use by brinevane-probe (pid " + std::to_string(first.Pid()) +
                              "): close it and try again"))
            << second->err;
    }
    EXPECT_EQ(searching.Wait(seconds(10)), 1);
    EXPECT_THAT(searching.err, HasSubstr("No Brinevane ADCPs were detected!"));

    EXPECT_EQ(first.Wait(seconds(10)), 0) << first.err;
    EXPECT_EQ(first.out, "COM1 9600\n");
    EXPECT_EQ(simulator.LineFeedsSeen(0), 1);  // only the first one wrote to the line
    EXPECT_EQ(simulator.BreaksSeen(0), 0);
    EXPECT_EQ(simulator.PromptsSent(0), 1);

    // Once the first has gone, the port is free again.
    ChildProcess after({PROBE_PROGRAM, "connect", "COM1", "9600"});
    EXPECT_EQ(after.Wait(seconds(10)), 0) << after.err;
}

}  // namespace
