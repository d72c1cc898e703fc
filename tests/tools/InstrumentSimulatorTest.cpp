#include "tools/sim/InstrumentSimulator.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "serial/CSerial.h"
#include "tests/tools/ChildProcess.h"
#include "tools/sim/UartWire.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

// Everything that arrives within the time, or up to and including a '>' when asked.
std::string ReadFor(CSerial& serial, milliseconds limit, bool toPrompt = false) {
    std::string text;
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline && !(toPrompt && text.find('>') != std::string::npos)) {
        char byte = 0;
        if (serial.kbhit() && serial.ReadPort(&byte, 1) == 1) {
            text += byte;
        } else {
            std::this_thread::sleep_for(milliseconds(1));
        }
    }
    return text;
}

// The host's end of a line: the slave opened as the jobs open a port.
struct Host {
    Host(const std::string& path, std::uint32_t baud) {
        EXPECT_TRUE(serial.Open(path, baud, 0, 0, 8, 4096, 4096));
    }
    // Everything that arrives within the time, or up to and including a '>'.
    std::string Read(milliseconds limit) { return ReadFor(serial, limit, true); }
    CSerial serial;
};

SimulatorOptions QuickBreaks(std::ostream* log = nullptr) {
    SimulatorOptions options;
    options.breakMs = 100;
    options.log = log;
    return options;
}

int CountEntries(const char* dir) {
    int count = 0;
    if (DIR* d = opendir(dir)) {
        while (readdir(d) != nullptr) {
            ++count;
        }
        closedir(d);
    }
    return count;
}

TEST(InstrumentSimulatorTest, AnswersABreakAtItsRateWithBannerAndPromptWhenTheBreakEnds) {
    std::ostringstream log;
    InstrumentSimulator simulator({SimulatedLine::AtRate(9600)}, QuickBreaks(&log));
    ASSERT_TRUE(simulator.Start());
    Host host(simulator.SlavePath(0), 9600);
    const auto start = Clock::now();
    ASSERT_TRUE(host.serial.SendBreak(0));  // the purge is all a pty shows of a break
    EXPECT_EQ(host.Read(milliseconds(1000)), SimulatorOptions().banner + ">");
    EXPECT_GE(Clock::now() - start, milliseconds(90));
    EXPECT_EQ(simulator.BreaksSeen(0), 1);
    EXPECT_EQ(simulator.PromptsSent(0), 1);
    simulator.Stop();  // the log is the simulator thread's until it has ended
    EXPECT_THAT(log.str(), HasSubstr("COM1: break"));
    EXPECT_THAT(log.str(), HasSubstr("banner and prompt at 9600 baud"));
}

TEST(InstrumentSimulatorTest, AtAnotherRateTheHostGetsWhatItsUartDecodes) {
    InstrumentSimulator simulator({SimulatedLine::AtRate(4800)}, QuickBreaks());
    ASSERT_TRUE(simulator.Start());
    Host host(simulator.SlavePath(0), 9600);
    host.serial.SendBreak(0);
    const std::string expected =
        UartWire::ReceiveBytes(std::string(SimulatedInstrument::kDefaultBanner) + ">", 4800, 9600);
    std::string received;
    for (int i = 0; i < 20 && received.size() < expected.size(); ++i) {
        received += host.Read(milliseconds(100));  // stops at each '>' the garbage holds
    }
    EXPECT_EQ(received, expected);
    EXPECT_EQ(simulator.GarbledSent(0), 1);
}

TEST(InstrumentSimulatorTest, LineFeedIsAnsweredAfterTheReplyDelay) {
    SimulatorOptions options;
    options.replyDelayMs = 200;
    InstrumentSimulator simulator({SimulatedLine::AtRate(19200)}, options);
    ASSERT_TRUE(simulator.Start());
    Host host(simulator.SlavePath(0), 19200);
    host.serial.WritePort("\n");
    EXPECT_EQ(host.Read(milliseconds(100)), "");
    EXPECT_THAT(host.Read(milliseconds(1000)), HasSubstr(">"));
    EXPECT_EQ(simulator.LineFeedsSeen(0), 1);
    EXPECT_EQ(simulator.BreaksSeen(0), 0);
}

// A booting instrument sleeps through the first break; the next one it echoes as the 0x00
// its line makes of it, its line glitches as it wakes, and it answers after its delay.
TEST(InstrumentSimulatorTest, AtABreakItSleepsEchoesGlitchesAndTakesItsTime) {
    SimulatorOptions options = QuickBreaks();
    options.echo = true;
    options.glitch = true;
    options.breaksSlept = 1;
    options.wakeDelayMs = 300;
    options.wakeDelayMaxMs = 400;
    options.banner = "";  // a bare prompt
    InstrumentSimulator simulator({SimulatedLine::AtRate(9600)}, options);
    ASSERT_TRUE(simulator.Start());
    Host host(simulator.SlavePath(0), 9600);
    host.serial.SendBreak(0);
    EXPECT_EQ(ReadFor(host.serial, milliseconds(600)), "");
    const auto start = Clock::now();
    host.serial.SendBreak(0);
    EXPECT_EQ(host.Read(milliseconds(350)), std::string("\0\xff", 2));  // by the break's end
    EXPECT_EQ(host.Read(milliseconds(1500)), ">");
    EXPECT_GE(Clock::now() - start, milliseconds(100 + 300));
    EXPECT_EQ(simulator.BreaksSeen(0), 2);
}

// A stream's record under way when the break comes is finished: its tail follows the purge,
// ahead of the answer.
TEST(InstrumentSimulatorTest, AStreamFinishesTheRecordUnderWayBeforeItAnswers) {
    SimulatorOptions options = QuickBreaks();
    options.streamMs = 20;
    InstrumentSimulator simulator({SimulatedLine::AtRate(1200)}, options);  // 533 ms a record
    ASSERT_TRUE(simulator.Start());
    Host host(simulator.SlavePath(0), 1200);
    // The first record went out before the host set its rate; the second is on its way.
    ASSERT_NE(ReadFor(host.serial, milliseconds(700)), "");
    host.serial.SendBreak(0);
    const std::string heard = ReadFor(host.serial, milliseconds(2500));
    const std::string answer = std::string(SimulatedInstrument::kDefaultBanner) + ">";
    ASSERT_GT(heard.size(), answer.size());
    EXPECT_EQ(heard.substr(heard.size() - answer.size()), answer);
    EXPECT_LT(heard.size() - answer.size(), SimulatedInstrument::kRecordBytes);  // its tail
}

TEST(InstrumentSimulatorTest, OpeningIsNoBreakAndASilentLineNeverAnswers) {
    InstrumentSimulator simulator({SimulatedLine::AtRate(9600), SimulatedLine::Silent()},
                                  QuickBreaks());
    ASSERT_TRUE(simulator.Start());
    {
        Host first(simulator.SlavePath(0), 9600);
        EXPECT_EQ(first.Read(milliseconds(300)), "");
    }
    Host silent(simulator.SlavePath(1), 9600);
    silent.serial.SendBreak(0);
    silent.serial.WritePort("\n");
    EXPECT_EQ(silent.Read(milliseconds(400)), "");
    EXPECT_EQ(simulator.BreaksSeen(0), 0);
    EXPECT_EQ(simulator.BreaksSeen(1), 1);
    EXPECT_EQ(simulator.LineFeedsSeen(1), 1);
}

// A GPS talks once a second whatever the host does: a break and a line feed get no answer
// and do not stop it. At its rate each sentence checks out.
TEST(InstrumentSimulatorTest, AGpsSendsWellFormedSentencesAndAnswersNothing) {
    InstrumentSimulator simulator({SimulatedLine::Gps(4800)}, QuickBreaks());
    ASSERT_TRUE(simulator.Start());
    Host host(simulator.SlavePath(0), 4800);
    host.serial.SendBreak(0);
    host.serial.WritePort("\n");
    const std::string heard = ReadFor(host.serial, milliseconds(2500));
    EXPECT_EQ(heard.find('>'), std::string::npos);
    ASSERT_NE(heard.find('$'), std::string::npos) << heard;
    std::istringstream lines(heard.substr(heard.find('$')));
    std::string sentence;
    int whole = 0;
    while (std::getline(lines, sentence) && sentence.size() > 4 && sentence.back() == '\r') {
        const std::size_t star = sentence.size() - 4;
        ASSERT_EQ(sentence[star], '*') << sentence;
        unsigned sum = 0;
        for (std::size_t i = 1; i < star; ++i) {
            sum ^= static_cast<unsigned char>(sentence[i]);
        }
        EXPECT_EQ(std::stoul(sentence.substr(star + 1, 2), nullptr, 16), sum) << sentence;
        EXPECT_THAT(sentence, MatchesRegex("\\$GP(GGA|RMC),[0-9]{6}\\.00,.*")) << sentence;
        ++whole;
    }
    // The fix sent before the host set its rate is garbage; the next one, at least, is whole.
    EXPECT_GE(whole, 2);
    EXPECT_EQ(simulator.BreaksSeen(0), 1);
}

TEST(InstrumentSimulatorTest, ClosedLineVanishesUnderItsHost) {
    InstrumentSimulator simulator({SimulatedLine::AtRate(9600), SimulatedLine::AtRate(9600)});
    ASSERT_TRUE(simulator.Start());
    const std::string path = simulator.SlavePath(0);
    Host host(path, 9600);
    simulator.CloseLine(0);
    EXPECT_EQ(simulator.SlavePath(0), "");
    EXPECT_EQ(simulator.PortsVariable(), "COM2=" + simulator.SlavePath(1));
    EXPECT_EQ(host.serial.WritePort("\n"), 0u);
}

TEST(InstrumentSimulatorTest, LeavesNoDescriptorOrThreadBehind) {
    {
        // A first run lets the runtime make what it keeps for good (a sanitizer's own
        // background thread), so that only the simulator's own use is counted.
        InstrumentSimulator warmUp({SimulatedLine::Silent()});
        ASSERT_TRUE(warmUp.Start());
    }
    const int fds = CountEntries("/proc/self/fd");
    const int threads = CountEntries("/proc/self/task");
    {
        InstrumentSimulator simulator({SimulatedLine::AtRate(9600), SimulatedLine::Silent()});
        ASSERT_TRUE(simulator.Start());
        EXPECT_GT(CountEntries("/proc/self/fd"), fds);
        simulator.CloseLine(1);
    }
    EXPECT_EQ(CountEntries("/proc/self/fd"), fds);
    EXPECT_EQ(CountEntries("/proc/self/task"), threads);
}

TEST(InstrumentSimulatorTest, AHostKilledHoldingTheLineLeavesItFree) {
    InstrumentSimulator simulator({SimulatedLine::Silent()});
    ASSERT_TRUE(simulator.Start());
    const std::string path = simulator.SlavePath(0);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t host = fork();
    ASSERT_GE(host, 0);
    if (host == 0) {
        // Holds the line as a careful serial program does, until killed.
        const int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
        if (fd < 0 || ioctl(fd, TIOCEXCL) != 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
            _exit(1);
        }
        [[maybe_unused]] const ssize_t n = write(ready[1], "r", 1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
    kill(host, SIGKILL);
    waitpid(host, nullptr, 0);

    // As on a real line, the mode went with its last holder. Each look is a brief open
    // (root gets past the mode), so that the look itself is no holder.
    auto exclusive = [&] {
        int mode = -1;
        const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd >= 0 && ioctl(fd, TIOCGEXCL, &mode) != 0) {
            mode = -1;
        }
        close(fd);
        return mode;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (exclusive() != 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(exclusive(), 0);
}

TEST(SimToolTest, PrintsThePortsOutlivesStraySignalsAndEndsOnSigterm) {
    ChildProcess sim({SIM_PROGRAM, "9600", "silent"});
    const std::string line = sim.ReadLine(std::chrono::seconds(5));
    ASSERT_THAT(line, MatchesRegex("BRINEVANE_PORTS=COM1=/dev/pts/[0-9]+,COM2=/dev/pts/[0-9]+"));
    const std::string first = line.substr(line.find("/dev/"), line.find(',') - line.find("/dev/"));
    const int host = open(first.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(host, 0);
    char byte = 0;
    EXPECT_EQ(read(host, &byte, 1), -1);  // nothing yet, but the line is there
    kill(sim.Pid(), SIGUSR1);
    kill(sim.Pid(), SIGUSR2);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(read(host, &byte, 1), -1);  // still there
    kill(sim.Pid(), SIGTERM);
    EXPECT_EQ(sim.Wait(std::chrono::seconds(5)), 0);
    EXPECT_EQ(read(host, &byte, 1), 0);  // end of file: the simulator closed its end
    close(host);
}

TEST(SimToolTest, RunsACommandWithThePortsAndExitsWithItsStatus) {
    ChildProcess sim({SIM_PROGRAM, "9600", "--", "sh", "-c", "echo \"$BRINEVANE_PORTS\"; exit 3"});
    EXPECT_EQ(sim.Wait(std::chrono::seconds(10)), 3);
    EXPECT_THAT(sim.out, MatchesRegex("COM1=/dev/pts/[0-9]+\n"));
}

TEST(SimToolTest, UsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {SIM_PROGRAM},
             {SIM_PROGRAM, "fast"},
             {SIM_PROGRAM, "gps:"},
             {SIM_PROGRAM, "9600", "--"},
             {SIM_PROGRAM, "--reply-delay", "soon", "9600"},
             {SIM_PROGRAM, "--wake-delay", "800-300", "9600"},
         }) {
        ChildProcess sim(args);
        EXPECT_EQ(sim.Wait(std::chrono::seconds(5)), 2) << args.back();
        EXPECT_FALSE(sim.err.empty());
    }
}

}  // namespace
