#include "tools/sim/WireSchedule.h"

#include <algorithm>

#include "tools/sim/UartWire.h"

void WireSchedule::Transmit(const std::string& bytes, std::uint32_t sendRate,
                            std::uint32_t hostRate) {
    const auto start = std::max(Clock::now(), m_freeAt);
    for (const DecodedByte& byte : UartWire::Receive(bytes, sendRate, hostRate)) {
        m_bytes.emplace_back(start + std::chrono::nanoseconds(byte.doneAtNs),
                             static_cast<char>(byte.value));
    }
    m_freeAt = start + std::chrono::nanoseconds(UartWire::SendingNs(bytes.size(), sendRate));
}

std::string WireSchedule::TakeDue(Clock::time_point now) {
    std::string due;
    while (!m_bytes.empty() && m_bytes.front().first <= now) {
        due += m_bytes.front().second;
        m_bytes.pop_front();
    }
    return due;
}

std::optional<WireSchedule::Clock::time_point> WireSchedule::NextDue() const {
    if (m_bytes.empty()) {
        return std::nullopt;
    }
    return m_bytes.front().first;
}

void WireSchedule::StopAfterFrameInFlight(Clock::time_point now, std::uint32_t sendRate) {
    if (m_freeAt <= now) {
        m_bytes.clear();
        return;
    }
    // What the host decodes of that frame is due by its end, or a host frame after it.
    const auto frame = std::chrono::nanoseconds(UartWire::SendingNs(1, sendRate));
    const Clock::time_point frameEnd = now + frame;
    while (!m_bytes.empty() && m_bytes.back().first > frameEnd + frame) {
        m_bytes.pop_back();
    }
    m_freeAt = std::min(m_freeAt, frameEnd);
}
