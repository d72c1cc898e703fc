#include "tools/sim/SimulatedInstrument.h"

#include <algorithm>

namespace {
constexpr char kPrompt = '>';
constexpr char kReplyToLineEnd[] = "\r\n>";
}  // namespace

// An ordinary banner: a model line and a firmware line with a serial number. At half the
// instrument's rate a UART decodes it into garbage holding a '>', as real banners often do.
const char* const SimulatedInstrument::kDefaultBanner =
    "\r\nBrinevane 600 kHz ADCP\r\nFirmware version 51.40, serial number 10473\r\n";

SimulatedInstrument::SimulatedInstrument(Behaviour behaviour, unsigned seed)
    : m_behaviour(std::move(behaviour)), m_streaming(m_behaviour.streaming), m_random(seed) {}

SimulatedInstrument::Wake SimulatedInstrument::Woken() {
    Wake wake;
    if (++m_breaks <= m_behaviour.breaksSlept) {
        return wake;  // asleep: a stream goes on
    }
    m_streaming = false;
    if (m_behaviour.echo) {
        wake.echo = std::string(1, '\0');
    }
    if (m_behaviour.glitch) {
        wake.glitch = std::string(1, kGlitch);
    }
    wake.answer = m_behaviour.banner + kPrompt;
    if (m_behaviour.pauseAfter > 0 && m_behaviour.pauseAfter < wake.answer.size()) {
        wake.rest = wake.answer.substr(m_behaviour.pauseAfter);
        wake.answer.resize(m_behaviour.pauseAfter);
        wake.pause = m_behaviour.pause;
    }
    const auto least = m_behaviour.wakeDelay.count();
    const auto most = std::max(least, m_behaviour.wakeDelayMax.count());
    wake.delay = std::chrono::milliseconds(
        least + static_cast<long long>(m_random() % static_cast<unsigned long>(most - least + 1)));
    return wake;
}

std::string SimulatedInstrument::Hear(const std::string& decoded) {
    if (m_streaming) {
        return std::string();
    }
    std::string answer;
    for (const char byte : decoded) {
        if (m_behaviour.echo) {
            answer += byte;
        }
        if (byte == '\n' || byte == '\r') {
            answer += kReplyToLineEnd;
        }
    }
    return answer;
}

std::string SimulatedInstrument::NextRecord() {
    std::string record;
    record.reserve(kRecordBytes);
    record += "\x7f\x7f";
    record += static_cast<char>(m_records & 0xFF);
    record += static_cast<char>(m_records >> 8);
    ++m_records;
    while (record.size() < kRecordBytes) {
        record += static_cast<char>(m_random() & 0xFF);
    }
    return record;
}
