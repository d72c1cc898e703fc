#include "jobs/CProgramThread.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <thread>

#include "serial/PortDiagnosis.h"
#include "tests/jobs/JobRecorder.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using Clock = std::chrono::steady_clock;
using Sequence = JobRecorder::Sequence;
using ::testing::HasSubstr;

const Sequence kSuccess{{0, 0}, {4, 1}};
const Sequence kFailure{{0, 0}, {3, 1}, {3, 2}};

class ConnectionJobTest : public SimulatedJobTest {
  protected:
    // Runs the job to its outcome and stops it; the failure is read before the stop.
    Sequence Connect(const std::string& port, std::int32_t baud) {
        settings.m_strPortName = port;
        settings.m_nBaudRate = baud;
        auto* job = new CProgramThread(settings);
        // Timed from before the start: a loaded machine may run the job's first wait
        // before Create returns.
        const auto start = Clock::now();
        EXPECT_TRUE(job->Create("program", host.window, host.stop, host.stopped));
        EXPECT_TRUE(host.WaitForAny({{PR_ERROR, NOTIFY_FAIL}, {PR_DONE, NOTIFY_END}}, seconds(8)));
        took = std::chrono::duration_cast<milliseconds>(Clock::now() - start);
        if (host.WaitFor(PR_ERROR, NOTIFY_FAIL, milliseconds(0))) {
            failure = job->GetFailure();
        } else {
            job->StopRunning();
        }
        EXPECT_TRUE(host.Stop());
        return host.Posted();
    }

    RunSettings settings;
    ConnectionFailure failure;
    milliseconds took{0};
};

TEST_F(ConnectionJobTest, AnsweringInstrumentSucceeds) {
    StartSimulator({SimulatedLine::AtRate(19200)});
    EXPECT_EQ(Connect("COM1", 19200), kSuccess);
    EXPECT_EQ(simulator->LineFeedsSeen(0), 1);
    EXPECT_EQ(simulator->PromptsSent(0), 1);
}

TEST_F(ConnectionJobTest, MissingPortFailsAtOnceAndSaysSo) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    EXPECT_EQ(Connect("COM7", 9600), kFailure);
    EXPECT_LT(took.count(), 1000);  // no wait for a prompt
    EXPECT_FALSE(failure.opened);
    EXPECT_EQ(failure.Explain(), "COM7 is not a serial port on this computer");
}

TEST_F(ConnectionJobTest, SilentInstrumentFailsAfterTheFullWait) {
    StartSimulator({SimulatedLine::Silent()});
    EXPECT_EQ(Connect("COM1", 9600), kFailure);
    EXPECT_GE(took.count(), 2000);
    EXPECT_TRUE(failure.opened);
    EXPECT_THAT(failure.Explain(), HasSubstr("no prompt at 9600 baud on COM1"));
}

TEST_F(ConnectionJobTest, AtAnotherRateTheInstrumentHearsGarbageAndSaysNothing) {
    StartSimulator({SimulatedLine::AtRate(19200)});
    EXPECT_EQ(Connect("COM1", 9600), kFailure);
    EXPECT_EQ(simulator->PromptsSent(0) + simulator->GarbledSent(0), 0);
    EXPECT_THAT(failure.Explain(), HasSubstr("no prompt at 9600 baud on COM1"));
}

TEST_F(ConnectionJobTest, AnEchoAtAnotherRateIsDataButNoPrompt) {
    SimulatorOptions options;
    options.echo = true;
    StartSimulator({SimulatedLine::AtRate(38400)}, options);
    EXPECT_EQ(Connect("COM1", 19200), kFailure);
    EXPECT_THAT(failure.Explain(), HasSubstr("data but no prompt at 19200 baud on COM1"));
}

// Lines that can hold a '>' without an instrument at rest on its prompt behind them.
TEST_F(ConnectionJobTest, NoiseIsNoInstrument) {
    StartSimulator({SimulatedLine::Noise()});
    EXPECT_EQ(Connect("COM1", 9600), kFailure);
    EXPECT_TRUE(failure.heardData);
}

TEST_F(ConnectionJobTest, AStreamIsNoInstrumentAtItsPrompt) {
    SimulatorOptions options;
    options.streamMs = 60;  // quiet for longer than the rest time between records
    StartSimulator({SimulatedLine::AtRate(115200)}, options);
    EXPECT_EQ(Connect("COM1", 115200), kFailure);
    EXPECT_THAT(failure.Explain(), HasSubstr("streaming"));
}

TEST_F(ConnectionJobTest, PortInUseNamesTheProgramThatHoldsIt) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    const int held = open(simulator->SlavePath(0).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Connect("COM1", 9600), kFailure);
    EXPECT_EQ(failure.error, static_cast<std::uint32_t>(EBUSY));
    EXPECT_THAT(failure.Explain(),
                HasSubstr("is in use by jobs_connection (pid " + std::to_string(getpid()) + ")"));
    close(held);
}

// The explanations of failures that a pty cannot stage here.
TEST(PortDiagnosisTest, ExplainsEachKindOfOpenFailure) {
    UsePorts("COM1=/dev/ttyUSB0,COM2=/dev/null");
    EXPECT_EQ(PortDiagnosis::ExplainOpenFailure("COM3", ENOENT),
              "COM3 is not a serial port on this computer");
    EXPECT_EQ(PortDiagnosis::ExplainOpenFailure("/dev/ttyUSB7", ENOENT),
              "/dev/ttyUSB7 is not a serial port on this computer");
    EXPECT_THAT(PortDiagnosis::ExplainOpenFailure("COM1", ENOENT),
                HasSubstr("COM1 (/dev/ttyUSB0) is not there"));
    EXPECT_EQ(PortDiagnosis::ExplainOpenFailure("COM2", ENOTTY),
              "COM2 (/dev/null) is not a serial device");
    EXPECT_THAT(PortDiagnosis::ExplainOpenFailure("COM1", EIO),
                HasSubstr("COM1 (/dev/ttyUSB0) has gone"));
    EXPECT_THAT(PortDiagnosis::ExplainOpenFailure("COM1", EBUSY),
                HasSubstr("in use by another program"));
    EXPECT_THAT(PortDiagnosis::ExplainOpenFailure("COM1", EMFILE),
                HasSubstr(std::string("could not be opened: ") + strerror(EMFILE)));
}

TEST(PortDiagnosisTest, FindsAnotherProcessThatHoldsTheDevice) {
    InstrumentSimulator simulator({SimulatedLine::Silent()});
    ASSERT_TRUE(simulator.Start());
    const std::string path = simulator.SlavePath(0);
    EXPECT_EQ(PortDiagnosis::FindHolder(path), "");  // only the simulator, in this process
    const std::string command = "exec sleep 30 <" + path;
    const pid_t child = fork();
    if (child == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::string holder;
    for (int i = 0; i < 100 && holder.empty(); ++i) {
        std::this_thread::sleep_for(milliseconds(20));
        holder = PortDiagnosis::FindHolder(path);
    }
    EXPECT_EQ(holder, "sleep (pid " + std::to_string(child) + ")");
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

}  // namespace
