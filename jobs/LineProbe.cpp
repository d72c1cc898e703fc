#include "jobs/LineProbe.h"

#include <algorithm>

#include "jobs/ProbeTiming.h"
#include "platform/os/Trace.h"

bool IsPromptAnswer(const std::string& heard) {
    const bool text = std::all_of(heard.begin(), heard.end(),
                                  [](char c) { return IsTextByte(static_cast<unsigned char>(c)); });
    // An answer that filled the bound is a flood, and its true last byte was not kept.
    return text && !heard.empty() && heard.size() < PromptAtRest::kHeardLimit &&
           static_cast<unsigned char>(heard.back()) == kPrompt;
}

void LineProbe::StartAtBreak(ProbeLine& line, Clock::time_point now, const ProbeBreak& how) {
    m_fromBreak = true;
    m_how = how;
    m_result = Result::None;
    m_heard.clear();
    m_answer.clear();
    m_hearing = BreakHearing();
    if (!line.BeginBreak()) {
        // The instrument heard no break: nothing at this rate can be trusted.
        TRACE("Break on %s at %d baud failed; rate skipped.\n", line.Name(),
              static_cast<int>(line.Baud()));
        Finish(Result::BreakFailed);
        return;
    }
    m_phase = Phase::Break;
    m_breakEnd = now + how.length;
}

void LineProbe::StartAtLineFeed(ProbeLine& line, Clock::time_point now) {
    m_fromBreak = false;
    m_result = Result::None;
    m_heard.clear();
    WriteLineFeed(line, now);
}

void LineProbe::Listen(Phase phase, std::string& heard, const ProbeLine& line,
                       Clock::time_point now) {
    heard.clear();
    m_lineEnded = false;
    // The answer to the line feed is given the search's own passes, whatever the try.
    const unsigned passes = phase == Phase::Prompt ? m_how.passes : probe_timing::kPromptPasses;
    m_rule.emplace(now, passes, RestTime(line.Baud()), &heard);
    m_phase = phase;
}

void LineProbe::WriteLineFeed(ProbeLine& line, Clock::time_point now) {
    if (!line.WriteLineFeed()) {
        m_answer.clear();
        Finish(Result::WriteFailed);
        return;
    }
    Listen(Phase::Answer, m_answer, line, now);
}

void LineProbe::Take(unsigned char byte, Clock::time_point now) {
    if (Listening()) {
        m_rule->Take(byte, now);
    }
}

void LineProbe::Step(ProbeLine& line, Clock::time_point now) {
    for (;;) {
        switch (m_phase) {
            case Phase::Break:
                if (now < m_breakEnd) {
                    return;
                }
                if (!line.EndBreak()) {
                    // The line may still be held in break: no byte can cross it.
                    TRACE("Break on %s at %d baud failed; rate skipped.\n", line.Name(),
                          static_cast<int>(line.Baud()));
                    Finish(Result::BreakFailed);
                    return;
                }
                Listen(Phase::Prompt, m_heard, line, now);
                if (m_how.quick) {
                    m_rule->QuickTry(line.Baud(), m_how.endOnGarbage);
                }
                continue;

            case Phase::Prompt:
            case Phase::Answer: {
                const PromptAtRest::Verdict verdict = m_rule->Judge(now);
                if (verdict == PromptAtRest::Verdict::Waiting && !m_lineEnded) {
                    return;
                }
                const bool atRest = verdict == PromptAtRest::Verdict::AtRest;
                if (m_phase == Phase::Prompt) {
                    m_hearing = m_rule->Hearing(now);
                    if (!atRest) {
                        Finish(Result::NoPrompt);
                        return;
                    }
                    // Confirmed as the connection will ask: a line feed the instrument
                    // must answer.
                    WriteLineFeed(line, now);
                    if (Done()) {
                        NotConfirmed(line);
                        return;
                    }
                    continue;
                }
                // A '>' that more bytes follow is garbage or a stream that happened to hold
                // one; an answer that is not text is line garbage or binary records.
                if (atRest && IsPromptAnswer(m_answer)) {
                    Finish(Result::Answered);
                } else if (m_fromBreak) {
                    NotConfirmed(line);
                } else {
                    Finish(Result::NoPrompt);
                }
                return;
            }

            case Phase::Idle:
            case Phase::Done:
                return;
        }
    }
}

void LineProbe::NotConfirmed(const ProbeLine& line) {
    TRACE("A prompt on %s at %d baud was not confirmed.\n", line.Name(),
          static_cast<int>(line.Baud()));
    Finish(Result::NotConfirmed);
}

void LineProbe::Abandon(ProbeLine& line) {
    if (m_phase == Phase::Break) {
        line.EndBreak();
    }
    if (m_phase != Phase::Done) {
        Finish(Result::None);
    }
}

LineProbe::Clock::time_point LineProbe::WakeAt() const {
    if (m_phase == Phase::Break) {
        return m_breakEnd;
    }
    return Listening() ? m_rule->WakeAt() : Clock::time_point::max();
}
