#include "jobs/PromptAtRest.h"

#include <algorithm>

#include "jobs/ProbeTiming.h"

namespace {

// Garbage at a rate is at least this many bytes that are neither text nor 0x00, and at
// least this share of the bytes after the tail: a lone glitch, or a banner's "°C", is not.
constexpr std::size_t kGarbageBytes = 3;
constexpr std::size_t kGarbageShareOneIn = 3;

// Bytes that were waiting when the listening began are read within a moment of it, sooner
// than a character at the fastest rate could come after it.
constexpr std::chrono::microseconds kWaitingRead{500};
// Bytes of one burst follow one another within a USB adapter's latency timer (16 ms), or
// a few characters' time on a slow line.
constexpr std::chrono::milliseconds kLatencyTimer{16};
constexpr std::uint64_t kBurstGapCharacters = 3;

}  // namespace

void PromptAtRest::Keep(std::string* heard, unsigned char byte) {
    if (heard != nullptr && heard->size() < kHeardLimit) {
        heard->push_back(static_cast<char>(byte));
    }
}

PromptAtRest::PromptAtRest(Clock::time_point start, unsigned passes, std::chrono::milliseconds rest,
                           std::string* heard)
    : m_start(start),
      m_end(start + std::chrono::milliseconds(passes)),
      m_rest(rest),
      m_heard(heard),
      m_tailGap(kLatencyTimer + std::chrono::milliseconds(1)) {}

bool IsTextByte(unsigned char byte) {
    return (byte >= 0x20 && byte < 0x7F) || byte == '\r' || byte == '\n' || byte == '\t';
}

void PromptAtRest::QuickTry(std::uint32_t baud, bool endOnGarbage) {
    m_quick = true;
    m_endOnGarbage = endOnGarbage;
    m_longest = CharactersTime(probe_timing::kLongestAnswerChars, baud);
    m_tailGap = std::max(m_tailGap, CharactersTime(kBurstGapCharacters, baud));
}

void PromptAtRest::Weigh(unsigned char byte, Clock::time_point now) {
    if (m_inTail) {
        const bool continues =
            m_anyByte ? now - m_lastAny <= m_tailGap : now <= m_start + kWaitingRead;
        if (continues) {
            ++m_hearing.tail;
            return;
        }
        m_inTail = false;
    }
    m_lastText = IsTextByte(byte);
    if (m_lastText) {
        ++m_hearing.text;
        if (!m_textSeen) {
            m_textSeen = true;
            m_textFrom = now;
        }
    } else if (byte != 0) {
        ++m_hearing.garbage;
    } else {  // a framing error, or a break echoed: no sign of a rate
        ++m_hearing.nulls;
    }
    if (!m_garbageSeen && GarbageHere()) {
        m_garbageSeen = true;
        m_garbageFrom = now;
    }
}

bool PromptAtRest::GarbageHere() const {
    const std::size_t garbage = m_hearing.garbage;
    return garbage >= kGarbageBytes && garbage * kGarbageShareOneIn >= garbage + m_hearing.text;
}

void PromptAtRest::Take(unsigned char byte, Clock::time_point now) {
    // What came while the break was held is read when the listening begins.
    now = std::max(now, m_start);
    Keep(m_heard, byte);
    Weigh(byte, now);
    if (!m_anyByte || now - m_lastAny >= probe_timing::kGarbageQuiet) {
        ++m_hearing.bursts;
    }
    m_anyByte = true;
    m_lastAny = now;
    if (!m_prompted && byte != kPrompt) {
        return;
    }
    if (!m_prompted) {
        m_prompted = true;
        // The rest may run past the passes: a prompt in their last moment still counts.
        m_end = std::max(m_end, now + m_rest + std::chrono::milliseconds(1));
    }
    m_onPrompt = byte == kPrompt;
    m_lastByte = now;
}

PromptAtRest::Verdict PromptAtRest::Judge(Clock::time_point now) const {
    if (m_onPrompt && now - m_lastByte >= m_rest) {
        return Verdict::AtRest;
    }
    return now >= OverAt() ? Verdict::Over : Verdict::Waiting;
}

PromptAtRest::Clock::time_point PromptAtRest::OverAt() const {
    if (!m_quick || !m_anyByte) {
        return m_end;
    }
    using probe_timing::kGarbageQuiet;
    Clock::time_point over = m_end;
    const bool garbage = GarbageHere();
    if (m_lastText && !garbage) {
        // Text still coming holds the wait open past the passes, up to the longest answer:
        // an instrument slow to wake may begin its banner in the last moments of the passes.
        over = std::max(over, std::min(m_lastAny + kGarbageQuiet, m_textFrom + m_longest));
    }
    if (garbage && !m_onPrompt && m_endOnGarbage) {
        over = std::min(over, std::min(m_lastAny + kGarbageQuiet,
                                       m_garbageFrom + probe_timing::kTalkingLineListen));
    }
    return over;
}

PromptAtRest::Clock::time_point PromptAtRest::WakeAt() const {
    return m_onPrompt ? std::min(OverAt(), m_lastByte + m_rest) : OverAt();
}

BreakHearing PromptAtRest::Hearing(Clock::time_point now) const {
    BreakHearing hearing = m_hearing;
    hearing.listened = true;
    hearing.lastByte = m_lastAny;
    if (m_quick && m_endOnGarbage && now < m_end && GarbageHere() && !m_onPrompt) {
        hearing.end = now >= m_lastAny + probe_timing::kGarbageQuiet
                          ? BreakHearing::End::GarbageStopped
                          : BreakHearing::End::LineKeptTalking;
    }
    return hearing;
}

std::chrono::milliseconds CharactersTime(std::uint64_t characters, std::uint32_t baud) {
    constexpr std::uint64_t kBitsPerCharacter = 10;
    return std::chrono::milliseconds(
        baud == 0 ? 0 : (characters * kBitsPerCharacter * 1000 + baud - 1) / baud);
}

std::chrono::milliseconds RestTime(std::uint32_t baud) {
    constexpr std::chrono::milliseconds kAdapterLatency(50);
    constexpr std::uint64_t kCharacters = 10;
    return std::max(kAdapterLatency, CharactersTime(kCharacters, baud));
}
