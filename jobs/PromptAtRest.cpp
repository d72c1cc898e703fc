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

void PromptAtRest::Take(unsigned char byte, Clock::time_point now) {
    Keep(m_heard, byte);
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
    return now >= m_end ? Verdict::Over : Verdict::Waiting;
}

PromptAtRest::Clock::time_point PromptAtRest::WakeAt() const {
    return m_onPrompt ? std::min(m_end, m_lastByte + m_rest) : m_end;
}

std::chrono::milliseconds RestTime(std::uint32_t baud) {
    constexpr std::chrono::milliseconds kAdapterLatency(50);
    constexpr std::uint64_t kCharacters = 10;
    constexpr std::uint64_t kBitsPerCharacter = 10;
    const auto characters = std::chrono::milliseconds(
        baud == 0 ? 0 : (kCharacters * kBitsPerCharacter * 1000 + baud - 1) / baud);
    return std::max(kAdapterLatency, characters);
}
