#include "jobs/PromptAtRest.h"

#include <algorithm>

void PromptAtRest::Keep(std::string* heard, unsigned char byte) {
    if (heard != nullptr && heard->size() < kHeardLimit) {
        heard->push_back(static_cast<char>(byte));
    }
}

PromptAtRest::PromptAtRest(Clock::time_point start, unsigned passes, std::chrono::milliseconds rest,
                           std::string* heard)
    : m_end(start + std::chrono::milliseconds(passes)), m_rest(rest), m_heard(heard) {}

bool IsTextByte(unsigned char byte) {
    return (byte >= 0x20 && byte < 0x7F) || byte == '\r' || byte == '\n' || byte == '\t';
}

void PromptAtRest::FollowGarbage(Clock::time_point longest, std::chrono::milliseconds quiet) {
    m_follow = true;
    m_longest = longest;
    m_quiet = quiet;
}

void PromptAtRest::Take(unsigned char byte, Clock::time_point now) {
    Keep(m_heard, byte);
    m_anyByte = true;
    m_garbage = m_garbage || !IsTextByte(byte);
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
    if (!m_follow || !m_anyByte) {
        return m_end;
    }
    const Clock::time_point quietFrom = m_lastAny + m_quiet;
    // Bytes still coming hold the wait open past the passes, up to the longest.
    Clock::time_point over = std::max(m_end, std::min(quietFrom, m_longest));
    if (m_garbage && !m_onPrompt) {
        over = std::min(over, quietFrom);
    }
    return over;
}

PromptAtRest::Clock::time_point PromptAtRest::WakeAt() const {
    return m_onPrompt ? std::min(OverAt(), m_lastByte + m_rest) : OverAt();
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
