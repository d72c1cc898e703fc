#include "jobs/CSearchThread.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "serial/CSerial.h"
#include "tests/jobs/JobRecorder.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using Sequence = JobRecorder::Sequence;

// Each probe of a rate costs the 300 ms break and 2000 passes of at least 1 ms.
const auto kProbeLimit = milliseconds(3500);

class SearchJobTest : public SimulatedJobTest {
  protected:
    void StartSearch(RatePlan::Order order = RatePlan::Order::Fixed) {
        job = new CSearchThread(order);
        ASSERT_TRUE(job->Create("search", host.window, host.stop, host.stopped));
    }

    // Waits for the success notification, reads the result as a host must (before the
    // stop) and stops the job.
    std::pair<int, int> FoundResult(std::chrono::milliseconds limit) {
        const auto found = host.FoundResult(job, limit);
        // Once the job has said it stopped, the port is free for the connection job.
        CSerial next;
        EXPECT_TRUE(next.Open(PortMap::PortName(found.first), 9600, 0, 0, 8, 4096, 4096));
        return found;
    }

    // The notifications of a search that finds the instrument on the first port it probes
    // after the given number of silent rates.
    static Sequence FoundAfter(int silentRates, int skippedPorts = 0) {
        Sequence expected{{0, 0}, {1, 1}};
        for (int i = 0; i < skippedPorts; ++i) {
            expected.push_back({1, 0});
        }
        expected.push_back({1, 0});
        for (int i = 0; i <= silentRates; ++i) {
            expected.push_back({1, 1});
        }
        expected.push_back({2, 0});
        expected.push_back({2, 1});
        return expected;
    }

    CSearchThread* job = nullptr;  // deletes itself when stopped
};

TEST_F(SearchJobTest, InstrumentAt9600OnTheOnlyPortIsFoundAtTheFirstRate) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    StartSearch();
    EXPECT_EQ(FoundResult(kProbeLimit), std::make_pair(1, 9600));
    EXPECT_EQ(host.Posted(), FoundAfter(0));
    EXPECT_EQ(simulator->BreaksSeen(0), 1);
}

TEST_F(SearchJobTest, InstrumentAt4800IsFoundAfterTheSevenRatesBeforeIt) {
    // At 2400 the default banner decodes into garbage that holds a '>'.
    StartSimulator({SimulatedLine::AtRate(4800)});
    StartSearch();
    EXPECT_EQ(FoundResult(8 * kProbeLimit), std::make_pair(1, 4800));
    EXPECT_EQ(host.Posted(), FoundAfter(7));
    EXPECT_EQ(simulator->BreaksSeen(0), 8);
    EXPECT_EQ(simulator->GarbledSent(0), 7);  // each wrong rate heard garbage, not a prompt
}

TEST_F(SearchJobTest, APromptGarbledOutOfTheBannerAtHalfTheRateIsNotTheInstrument) {
    // At 9600 the banner of an instrument at 19200 decodes into garbage holding a '>'; only
    // 19200 answers the line feed that confirms a prompt.
    StartSimulator({SimulatedLine::AtRate(19200)});
    StartSearch();
    EXPECT_EQ(FoundResult(2 * kProbeLimit), std::make_pair(1, 19200));
    EXPECT_EQ(host.Posted(), FoundAfter(1));
    EXPECT_EQ(simulator->LineFeedsSeen(0), 1);  // only the true rate's prompt was confirmed
}

TEST_F(SearchJobTest, AStreamingInstrumentIsWokenByTheFirstBreakAndTellsWhoItIs) {
    SimulatorOptions options;
    options.streamMs = 20;
    options.banner =
        "\r\nBrinevane 1200 kHz ADCP\r\n\x01"
        "Firmware 2.1\r\n";
    StartSimulator({SimulatedLine::AtRate(9600)}, options);
    StartSearch();
    ASSERT_TRUE(host.WaitFor(SR_FOUND, NOTIFY_END, kProbeLimit));
    // The tail of a record still on its way when the input was purged for the break can
    // come ahead of the banner, as on a real line: the banner ends what was heard.
    const std::string banner = job->GetBanner();
    const std::string said = "Brinevane 1200 kHz ADCP / Firmware 2.1";
    EXPECT_TRUE(banner.size() >= said.size() &&
                banner.compare(banner.size() - said.size(), said.size(), said) == 0)
        << banner;
    EXPECT_EQ(FoundResult(milliseconds(0)), std::make_pair(1, 9600));
}

TEST_F(SearchJobTest, InstrumentAt115200IsFoundBeforeTheSlowRates) {
    StartSimulator({SimulatedLine::AtRate(115200)});
    StartSearch();
    EXPECT_EQ(FoundResult(5 * kProbeLimit), std::make_pair(1, 115200));
    EXPECT_EQ(host.Posted(), FoundAfter(4));
    EXPECT_EQ(simulator->BreaksSeen(0), 5);
}

TEST_F(SearchJobTest, NoPortsAtAllFailsAtOnce) {
    UsePorts("");
    StartSearch();
    ASSERT_TRUE(host.WaitFor(SR_ERROR, NOTIFY_FAIL, seconds(2)));
    EXPECT_TRUE(host.Stop());
    EXPECT_EQ(host.Posted(), (Sequence{{0, 0}, {1, 1}, {1, 0}, {3, 2}}));
}

TEST_F(SearchJobTest, OfTwoInstrumentsTheLowerPortWins) {
    StartSimulator({SimulatedLine::AtRate(19200), SimulatedLine::AtRate(9600)});
    StartSearch();
    EXPECT_EQ(FoundResult(2 * kProbeLimit), std::make_pair(1, 19200));
    EXPECT_EQ(host.Posted(), FoundAfter(1));
    EXPECT_EQ(simulator->BreaksSeen(1), 0);
}

TEST_F(SearchJobTest, PortsInUseOrGoneAreSkippedWithoutAProbe) {
    StartSimulator(
        {SimulatedLine::AtRate(9600), SimulatedLine::AtRate(9600), SimulatedLine::AtRate(9600)});
    // COM1 held by another program (an exclusive lock, as serial programs take); COM2's
    // device pulled out, so that the port list no longer has it.
    const int held = open(simulator->SlavePath(0).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    simulator->CloseLine(1);
    // Its pty's number is free for any other program to take, so the port list must drop it.
    UsePorts(simulator->PortsVariable());
    StartSearch();
    EXPECT_EQ(FoundResult(kProbeLimit), std::make_pair(3, 9600));
    EXPECT_EQ(host.Posted(), FoundAfter(0, 1));
    EXPECT_EQ(simulator->BreaksSeen(0), 0);
    close(held);
}

TEST_F(SearchJobTest, StopDuringAProbeEndsTheSearchWithoutAResult) {
    StartSimulator({SimulatedLine::Silent()});
    StartSearch();
    ASSERT_TRUE(host.WaitFor(SR_SEARCH, NOTIFY_BEGIN, seconds(2)));
    std::this_thread::sleep_for(milliseconds(500));  // inside the first wait for the prompt
    EXPECT_TRUE(host.Stop());
    const Sequence posted = host.Posted();
    EXPECT_EQ(std::count(posted.begin(), posted.end(), std::make_pair(2, 1)), 0);
}

// The likeliest rate first: the garbage heard at 9600 names the instrument's rate.
TEST_F(SearchJobTest, FastSearchFindsAnInstrumentAtAnotherRateFromItsGarbage) {
    StartSimulator({SimulatedLine::AtRate(4800)});
    StartSearch(RatePlan::Order::Likeliest);
    ASSERT_TRUE(host.WaitFor(SR_FOUND, NOTIFY_END, 3 * kProbeLimit));
    const CThread::Probing probing = job->GetProbing();
    ASSERT_GE(probing.tries.size(), 2U);
    EXPECT_EQ(probing.tries[0], "COM1 at 9600 baud: the first rate");
    EXPECT_EQ(probing.tries[1].rfind("COM1 at ", 0), 0U) << probing.tries[1];
    EXPECT_NE(probing.tries[1].find(": garbage at 9600 points to "), std::string::npos)
        << probing.tries[1];
    EXPECT_EQ(FoundResult(milliseconds(0)), std::make_pair(1, 4800));
    EXPECT_LE(simulator->BreaksSeen(0), 3);
    EXPECT_EQ(simulator->LineFeedsSeen(0), 1);  // confirmed as ever, at 4800 only
}

// An instrument as the field has them: it was streaming, so that the tail of its record
// follows the break, echoes the break, glitches as it wakes and answers after half a second.
TEST_F(SearchJobTest, FastSearchWaitsForAnInstrumentSlowToAnswerAtItsRate) {
    SimulatorOptions options;
    options.streamMs = 20;
    options.echo = true;
    options.glitch = true;
    options.wakeDelayMs = 300;
    options.wakeDelayMaxMs = 800;
    StartSimulator({SimulatedLine::AtRate(9600)}, options);
    StartSearch(RatePlan::Order::Likeliest);
    EXPECT_EQ(FoundResult(kProbeLimit), std::make_pair(1, 9600));
    EXPECT_EQ(simulator->BreaksSeen(0), 1);
}

// A fast instrument's bare prompt is shorter than half a bit at 9600: it sounds silent
// there, and the port is not called silent before a fast rate has been tried.
TEST_F(SearchJobTest, FastSearchHearsABarePromptAtAFastRate) {
    SimulatorOptions terse;
    terse.banner.clear();
    StartSimulator({SimulatedLine::AtRate(115200)}, terse);
    StartSearch(RatePlan::Order::Likeliest);
    EXPECT_EQ(FoundResult(2 * kProbeLimit), std::make_pair(1, 115200));
    EXPECT_EQ(simulator->BreaksSeen(0), 2);  // 9600 hears nothing; the fast rate is tried
}

// A booting or busy instrument sleeps through the first break and answers the next only as
// the fixed order's wait would end: the wait after the longer break still hears it.
TEST_F(SearchJobTest, FastSearchHearsAnInstrumentThatSleptThroughABreakAndAnswersLate) {
    SimulatorOptions options;
    options.breaksSlept = 1;
    options.breakMs = static_cast<std::uint32_t>(probe_timing::kLongBreak.count());
    options.replyDelayMs = 20;
    options.wakeDelayMs = probe_timing::kPromptPasses;
    options.wakeDelayMaxMs = options.wakeDelayMs;
    StartSimulator({SimulatedLine::AtRate(115200)}, options);
    StartSearch(RatePlan::Order::Likeliest);
    EXPECT_EQ(FoundResult(3 * kProbeLimit), std::make_pair(1, 115200));
    EXPECT_EQ(simulator->BreaksSeen(0), 2);
}

TEST_F(SearchJobTest, FastSearchPassesOverAPortSilentAfterTwoBreaks) {
    StartSimulator({SimulatedLine::Silent()});
    const auto start = std::chrono::steady_clock::now();
    StartSearch(RatePlan::Order::Likeliest);
    ASSERT_TRUE(host.WaitFor(SR_ERROR, NOTIFY_FAIL, 2 * kProbeLimit));
    const auto spent = std::chrono::steady_clock::now() - start;
    // Two silent probes' worth (the second's break and wait a little longer), not eight.
    EXPECT_GE(spent, 2 * probe_timing::kSilentProbe - milliseconds(50));
    EXPECT_LT(spent, 2 * kProbeLimit);
    EXPECT_EQ(job->GetRecord().Code(), "no-prompt");
    const CThread::Probing probing = job->GetProbing();
    EXPECT_EQ(probing.probe, 2);
    EXPECT_EQ(probing.probes, 2);  // the progress counted no more than were made
    ASSERT_EQ(probing.tries.size(), 2U);
    EXPECT_NE(probing.tries[1].find(": nothing heard at 9600: a longer break"), std::string::npos)
        << probing.tries[1];
    EXPECT_TRUE(host.Stop());
    EXPECT_EQ(host.Posted(), (Sequence{{0, 0}, {1, 1}, {1, 0}, {1, 1}, {1, 1}, {1, 0}, {3, 2}}));
    EXPECT_EQ(simulator->BreaksSeen(0), 2);
}

TEST_F(SearchJobTest, StopDuringAFastSearchsLongBreakEndsItWithoutAResult) {
    StartSimulator({SimulatedLine::Silent()});
    StartSearch(RatePlan::Order::Likeliest);
    ASSERT_TRUE(host.WaitFor(SR_SEARCH, NOTIFY_BEGIN, seconds(2)));
    // In the middle of the second probe's longer break, after the first probe's 2.3 s.
    std::this_thread::sleep_for(probe_timing::kSilentProbe + probe_timing::kLongBreak / 2);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(host.Stop());
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(500));
    const Sequence posted = host.Posted();
    EXPECT_EQ(std::count(posted.begin(), posted.end(), std::make_pair(2, 1)), 0);
    EXPECT_EQ(std::count(posted.begin(), posted.end(), std::make_pair(3, 2)), 0);
    // The port is free again, its break let go.
    CSerial next;
    EXPECT_TRUE(next.Open("COM1", 9600, 0, 0, 8, 4096, 4096));
}

}  // namespace
