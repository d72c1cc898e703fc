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

// A quick try ends before its passes only on garbage at its rate: a few bytes that are
// neither text nor 0x00, a good share of what came. Then it moves on once the garbage stops,
// or a little after on a line that keeps talking, and says which it was.
TEST(LineProbeTest, AQuickTryEndsEarlyOnlyOnGarbageAtItsRate) {
    const Clock::time_point start;
    const Clock::time_point listening = start + probe_timing::kBreak;
    const ProbeBreak quick{probe_timing::kBreak, probe_timing::kPromptPasses, true};
    ScriptedLine line;
    // Each byte at its time from the listening's start; the probe stepped as the loop would.
    const auto run = [&](LineProbe& probe, const ProbeBreak& how,
                         const std::vector<std::pair<int, unsigned char>>& bytes) {
        probe.StartAtBreak(line, start, how);
        probe.Step(line, listening);
        for (const auto& [ms, byte] : bytes) {
            const Clock::time_point at = listening + milliseconds(ms);
            if (probe.WakeAt() <= at) {
                probe.Step(line, probe.WakeAt());
            }
            probe.Take(byte, at);
            probe.Step(line, at);
        }
        while (!probe.Done()) {
            probe.Step(line, probe.WakeAt());
        }
    };
    LineProbe probe;
    // Garbage that stops: over 200 ms after its last byte, where the search's probe waits on.
    const std::vector<std::pair<int, unsigned char>> garbage{
        {20, 0xF3}, {21, '>'}, {22, 0x8C}, {23, 0x98}, {24, 'a'}};
    run(probe, quick, garbage);
    EXPECT_EQ(probe.GetResult(), Result::NoPrompt);
    EXPECT_EQ(probe.Hearing().end, BreakHearing::End::GarbageStopped);
    EXPECT_EQ(probe.Hearing().garbage, 3U);
    LineProbe plain;
    run(plain, ProbeBreak{}, garbage);
    EXPECT_EQ(plain.Hearing().end, BreakHearing::End::Full);

    // Neither a lone glitch, nor a banner's "°C", nor a break's 0x00, nor the record under
    // way when the break came ends the wait before its passes: the answer may come late.
    const std::vector<std::pair<int, unsigned char>> notGarbage[] = {
        {{5, 0xFF}},
        {{30, 'T'}, {31, ' '}, {32, '2'}, {33, 0xC2}, {34, 0xB0}, {35, 'C'}},
        {{0, 0x00}, {0, 0x00}, {40, 0x00}, {41, 0x00}},
        {{0, 0x81}, {0, 0x99}, {1, 0xE7}, {2, 0xF0}, {3, 0x8D}, {4, 0x90}},
    };
    for (const auto& bytes : notGarbage) {
        run(probe, quick, bytes);
        EXPECT_EQ(probe.Hearing().end, BreakHearing::End::Full);
        EXPECT_FALSE(probe.Hearing().Proved());
    }
    EXPECT_EQ(probe.Hearing().tail, 6U);
    EXPECT_EQ(probe.Hearing().garbage, 0U);

    // A line that keeps talking (a byte every 100 ms) is left 250 ms after its garbage
    // became plain; the try proved nothing, and says so.
    std::vector<std::pair<int, unsigned char>> noise;
    for (int ms = 50; ms < 3000; ms += 100) {
        noise.emplace_back(ms, static_cast<unsigned char>(0x81 + ms % 7));
    }
    run(probe, quick, noise);
    EXPECT_EQ(probe.Hearing().end, BreakHearing::End::LineKeptTalking);
    EXPECT_TRUE(probe.Hearing().CutShort());
    EXPECT_LT(probe.Heard().size(), 6U);
    run(plain, ProbeBreak{}, noise);
    EXPECT_EQ(plain.Heard().size(), 20U);  // the search's probe hears out its passes
}

// While text keeps coming a quick try listens past the passes, so that a long banner at 1200
// baud can still end in its prompt.
TEST(LineProbeTest, AQuickTryFollowsTextPastThePasses) {
    const Clock::time_point start;
    const Clock::time_point listening = start + probe_timing::kBreak;
    const ProbeBreak quick{probe_timing::kBreak, probe_timing::kPromptPasses, true};
    ScriptedLine line;
    LineProbe plain;
    LineProbe fast;
    // A 3 s banner at 1200 baud, a character every 8 ms from 20 ms after the break, then its
    // prompt.
    line.baud = 1200;
    plain.StartAtBreak(line, start);
    fast.StartAtBreak(line, start, quick);
    const Clock::time_point prompt = listening + milliseconds(3000);
    for (LineProbe* probe : {&plain, &fast}) {
        probe->Step(line, listening);
        for (Clock::time_point at = listening + milliseconds(20); at < prompt;
             at += milliseconds(8)) {
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
