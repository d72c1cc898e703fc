// The probe of one line as a state machine, stepped by hand with no thread and no clock: the
// ways a probe fails that the wire never shows.
#include "jobs/LineProbe.h"

#include <gtest/gtest.h>

#include "jobs/ProbeTiming.h"

namespace {

using Clock = LineProbe::Clock;
using Result = LineProbe::Result;
using std::chrono::milliseconds;

// A line whose acts succeed or fail as the test says, and which counts them.
class ScriptedLine : public ProbeLine {
  public:
    bool BeginBreak() override {
        ++breaks;
        held = raises;
        return raises;
    }
    bool EndBreak() override {
        held = held && !lets;
        return lets;
    }
    bool WriteLineFeed() override { return writes; }
    std::uint32_t Baud() const override { return baud; }
    const char* Name() const override { return "COM1"; }

    bool raises = true;
    bool lets = true;
    bool writes = true;
    std::uint32_t baud = 9600;
    bool held = false;  // the line is in break
    int breaks = 0;
};

// Feeds text that arrives at `at`, then steps the probe once the line has rested on it.
void Answer(LineProbe& probe, ScriptedLine& line, const std::string& text, Clock::time_point at) {
    for (const char c : text) {
        probe.Take(static_cast<unsigned char>(c), at);
    }
    probe.Step(line, at + RestTime(9600));
}

TEST(LineProbeTest, ABreakThatCannotBeRaisedOrLetGoEndsTheRateAndAStopLetsItGo) {
    const Clock::time_point start;
    ScriptedLine line;
    LineProbe probe;
    line.raises = false;
    probe.StartAtBreak(line, start);
    EXPECT_EQ(probe.GetResult(), Result::BreakFailed);

    line.raises = true;
    line.lets = false;
    probe.StartAtBreak(line, start);
    probe.Step(line, start + probe_timing::kBreak - milliseconds(1));
    EXPECT_EQ(probe.GetPhase(), LineProbe::Phase::Break);
    probe.Step(line, start + probe_timing::kBreak);
    EXPECT_EQ(probe.GetResult(), Result::BreakFailed);

    line.lets = true;
    probe.StartAtBreak(line, start);
    ASSERT_TRUE(line.held);
    probe.Abandon(line);  // a stop in the middle of the break
    EXPECT_FALSE(line.held);
    EXPECT_TRUE(probe.Done());
}

TEST(LineProbeTest, AnUnwritableLineFeedIsAnUnconfirmedPromptOrTheConnectionsWriteFailure) {
    const Clock::time_point start;
    const Clock::time_point heard = start + probe_timing::kBreak + milliseconds(20);
    ScriptedLine line;
    line.writes = false;
    LineProbe search;
    search.StartAtBreak(line, start);
    search.Step(line, start + probe_timing::kBreak);
    Answer(search, line, "\r\nBrinevane\r\n>", heard);
    EXPECT_EQ(search.GetResult(), Result::NotConfirmed);

    LineProbe connection;
    connection.StartAtLineFeed(line, start);
    EXPECT_EQ(connection.GetResult(), Result::WriteFailed);

    line.writes = true;
    connection.StartAtLineFeed(line, start);
    Answer(connection, line, "\r\n>", start + milliseconds(20));
    EXPECT_EQ(connection.GetResult(), Result::Answered);
    EXPECT_EQ(connection.Answer(), "\r\n>");
}

TEST(LineProbeTest, ALineThatEndedEndsTheProbeWithoutItsTimeRunningOut) {
    const Clock::time_point start;
    ScriptedLine line;
    LineProbe probe;
    probe.StartAtLineFeed(line, start);
    probe.Step(line, start + milliseconds(1));
    EXPECT_EQ(probe.GetPhase(), LineProbe::Phase::Answer);
    probe.LineEnded();
    probe.Step(line, start + milliseconds(2));
    EXPECT_EQ(probe.GetResult(), Result::NoPrompt);
}

// A quick try moves on once a wrong rate's garbage has stopped, where the search's own probe
// waits out its passes; and while text keeps coming it listens past the passes, so that a
// long banner at 1200 baud can still end in its prompt.
TEST(LineProbeTest, AQuickTryLeavesStoppedGarbageAndFollowsTextPastThePasses) {
    const Clock::time_point start;
    const Clock::time_point listening = start + probe_timing::kBreak;
    const ProbeBreak quick{probe_timing::kBreak, probe_timing::kPromptPasses, true};
    ScriptedLine line;
    LineProbe plain;
    LineProbe fast;
    plain.StartAtBreak(line, start);
    fast.StartAtBreak(line, start, quick);
    for (LineProbe* probe : {&plain, &fast}) {
        probe->Step(line, listening);
        probe->Take(0xF3, listening + milliseconds(10));
        probe->Take('>', listening + milliseconds(11));  // garbage can hold one
        probe->Take(0x8C, listening + milliseconds(12));
    }
    const Clock::time_point quietEnd = listening + milliseconds(12) + probe_timing::kGarbageQuiet;
    EXPECT_EQ(fast.WakeAt(), quietEnd);
    fast.Step(line, quietEnd - milliseconds(1));
    EXPECT_TRUE(fast.Listening());
    fast.Step(line, quietEnd);
    EXPECT_EQ(fast.GetResult(), Result::NoPrompt);
    plain.Step(line, quietEnd + milliseconds(1000));
    EXPECT_TRUE(plain.Listening());

    // A 3 s banner at 1200 baud, a character every 8 ms, then its prompt.
    line.baud = 1200;
    plain.StartAtBreak(line, start);
    fast.StartAtBreak(line, start, quick);
    const Clock::time_point prompt = listening + milliseconds(3000);
    for (LineProbe* probe : {&plain, &fast}) {
        probe->Step(line, listening);
        for (Clock::time_point at = listening; at < prompt; at += milliseconds(8)) {
            probe->Take('a', at);
            probe->Step(line, at);
            ASSERT_GT(probe->WakeAt(), at);  // never a wake in the past: no spinning
        }
        probe->Take('>', prompt);
        probe->Step(line, prompt + RestTime(1200));
    }
    EXPECT_EQ(plain.GetResult(), Result::NoPrompt);
    EXPECT_EQ(fast.GetPhase(), LineProbe::Phase::Answer);  // the line feed that confirms it
}

}  // namespace
