#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "jobs/ProbeLine.h"
#include "jobs/ProbeTiming.h"
#include "jobs/PromptAtRest.h"

// Whether what came back after a line feed is an instrument's answer: text (printable
// characters and line ends) ending in the prompt. Binary records and line garbage are not.
bool IsPromptAnswer(const std::string& heard);

// How a probe from the break goes: the search's own break and passes, or a quick try's
// (see PromptAtRest::QuickTry). What confirms a prompt is the same for both.
struct ProbeBreak {
    std::chrono::milliseconds length = probe_timing::kBreak;
    unsigned passes = probe_timing::kPromptPasses;
    bool quick = false;
    // A quick try on a line that keeps talking, where garbage proves nothing, waits out its
    // passes.
    bool endOnGarbage = true;

    // The break and its passes: as long as a try takes that ends on neither garbage nor a
    // prompt.
    std::chrono::milliseconds Time() const { return length + passes * probe_timing::kPass; }
};

// One probe of one line at its rate, as a state machine fed the bytes as they come and
// stepped as time passes, so that one loop can follow any number of lines: purge and
// break, the prompt the line then rests on, a line feed, and an answer of text that rests
// on a prompt. One '>' proves nothing: a UART at the wrong rate decodes the banner into
// garbage that can hold one, and so can noise or a stream; at a wrong rate the garbage
// rarely ends on a '>', and when it does, the line feed itself arrives as garbage, so
// nothing answers it. The connection's probe starts at the line feed.
class LineProbe {
  public:
    using Clock = std::chrono::steady_clock;
    enum class Phase { Idle, Break, Prompt, Answer, Done };
    enum class Result {
        None,          // not done, or abandoned
        Answered,      // an answer of text at rest on a prompt
        NoPrompt,      // no prompt at rest after the break, or none after the line feed
        NotConfirmed,  // a prompt at rest after the break, but no answer to the line feed
        BreakFailed,   // the break could not be raised or let go
        WriteFailed,   // the line feed could not be written
    };

    LineProbe() = default;
    LineProbe(const LineProbe&) = delete;  // its rule keeps what it hears in its members
    LineProbe& operator=(const LineProbe&) = delete;

    void StartAtBreak(ProbeLine& line, Clock::time_point now, const ProbeBreak& how = {});
    void StartAtLineFeed(ProbeLine& line, Clock::time_point now);
    // A byte read off the line while the probe listens.
    void Take(unsigned char byte, Clock::time_point now);
    // The line can give nothing more: the probe ends as it stands at its next step.
    void LineEnded() { m_lineEnded = true; }
    // Moves on as far as the time and what was heard allow.
    void Step(ProbeLine& line, Clock::time_point now);
    // Ends the probe where it is; a break still raised is let go.
    void Abandon(ProbeLine& line);

    Phase GetPhase() const { return m_phase; }
    Result GetResult() const { return m_result; }
    bool Done() const { return m_phase == Phase::Done; }
    bool Listening() const { return m_phase == Phase::Prompt || m_phase == Phase::Answer; }
    // When the probe must next be stepped if no byte comes.
    Clock::time_point WakeAt() const;
    // What came after the break, and what came after the line feed.
    const std::string& Heard() const { return m_heard; }
    const std::string& Answer() const { return m_answer; }
    // What the wait after the break made of what it heard; set once that wait is over.
    const BreakHearing& Hearing() const { return m_hearing; }

  private:
    void Listen(Phase phase, std::string& heard, const ProbeLine& line, Clock::time_point now);
    void WriteLineFeed(ProbeLine& line, Clock::time_point now);
    // A prompt at rest after the break that the line feed exchange did not confirm.
    void NotConfirmed(const ProbeLine& line);
    void Finish(Result result) {
        m_phase = Phase::Done;
        m_result = result;
    }

    Phase m_phase = Phase::Idle;
    Result m_result = Result::None;
    bool m_fromBreak = false;
    bool m_lineEnded = false;
    ProbeBreak m_how;
    Clock::time_point m_breakEnd;
    std::optional<PromptAtRest> m_rule;  // of the phase that listens
    std::string m_heard;
    std::string m_answer;
    BreakHearing m_hearing;
};
