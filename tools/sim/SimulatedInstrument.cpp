#include "tools/sim/SimulatedInstrument.h"

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

std::string SimulatedInstrument::Break() {
    m_streaming = false;
    return m_behaviour.banner + kPrompt;
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
