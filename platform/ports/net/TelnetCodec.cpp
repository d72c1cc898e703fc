#include "platform/ports/net/TelnetCodec.h"

namespace platform {

std::string TelnetCodec::Escape(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        out += static_cast<char>(bytes[i]);
        if (bytes[i] == kIac) {
            out += static_cast<char>(kIac);
        }
    }
    return out;
}

std::string TelnetCodec::Subnegotiation(std::uint8_t option, const std::string& body) {
    std::string out{static_cast<char>(kIac), static_cast<char>(kSb), static_cast<char>(option)};
    out += Escape(body.data(), body.size());
    out += static_cast<char>(kIac);
    out += static_cast<char>(kSe);
    return out;
}

std::string TelnetCodec::Send(std::uint8_t verb, std::uint8_t option) {
    return std::string{static_cast<char>(kIac), static_cast<char>(verb), static_cast<char>(option)};
}

void TelnetCodec::KeepInBody(char byte) {
    if (m_command.body.size() < kSubnegotiationLimit) {
        m_command.body += byte;
    } else {
        m_bodyTooLong = true;
    }
}

void TelnetCodec::Feed(const char* bytes, std::size_t size, std::string& data,
                       std::vector<Command>& commands) {
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[i]);
        switch (m_state) {
            case State::Data:
                if (byte == kIac) {
                    m_state = State::Iac;
                } else {
                    data += static_cast<char>(byte);
                }
                break;
            case State::Iac:
                if (byte == kIac) {
                    data += static_cast<char>(kIac);
                    m_state = State::Data;
                } else if (byte == kSb || (byte >= kWill && byte <= kDont)) {
                    m_command = Command{byte, 0, {}};
                    m_bodyTooLong = false;
                    m_state = State::Verb;
                } else {
                    m_state = State::Data;  // NOP, GA and the like mean nothing on a serial link
                }
                break;
            case State::Verb:
                m_command.option = byte;
                if (m_command.verb == kSb) {
                    m_state = State::Sb;
                } else {
                    commands.push_back(m_command);
                    m_state = State::Data;
                }
                break;
            case State::Sb:
                if (byte == kIac) {
                    m_state = State::SbIac;
                } else {
                    KeepInBody(static_cast<char>(byte));
                }
                break;
            case State::SbIac:
                if (byte == kIac) {
                    KeepInBody(static_cast<char>(kIac));
                    m_state = State::Sb;
                } else {
                    // IAC SE ends it; any other command inside ends it too (RFC 855 leaves
                    // that to the receiver), rather than swallow the stream for ever.
                    if (!m_bodyTooLong) {
                        commands.push_back(m_command);
                    }
                    m_command.body.clear();
                    m_state = State::Data;
                }
                break;
        }
    }
}

std::string TelnetCodec::Request(std::uint8_t verb, std::uint8_t option) {
    Option& state = m_options[option];
    if (verb == kWill && !state.local && !state.localAsked) {
        state.localAsked = true;
        return Send(kWill, option);
    }
    if (verb == kDo && !state.remote && !state.remoteAsked) {
        state.remoteAsked = true;
        return Send(kDo, option);
    }
    return {};
}

std::string TelnetCodec::Answer(std::uint8_t verb, std::uint8_t option, bool supported) {
    Option& state = m_options[option];
    const bool remoteSide = verb == kWill || verb == kWont;
    bool& enabled = remoteSide ? state.remote : state.local;
    bool& asked = remoteSide ? state.remoteAsked : state.localAsked;
    const std::uint8_t yes = remoteSide ? kDo : kWill;
    const std::uint8_t no = remoteSide ? kDont : kWont;
    const bool wants = verb == kWill || verb == kDo;
    const bool wasAsked = asked;
    asked = false;
    if (wants) {
        if (enabled) {
            return {};
        }
        if (!supported) {
            return Send(no, option);
        }
        enabled = true;
        return wasAsked ? std::string() : Send(yes, option);
    }
    // A refusal of our request, or the end of an option in use: acknowledged only then.
    const bool was = enabled;
    enabled = false;
    return was ? Send(no, option) : std::string();
}

std::string TelnetCodec::RateValue(std::uint32_t rate) {
    return {static_cast<char>(rate >> 24), static_cast<char>(rate >> 16),
            static_cast<char>(rate >> 8), static_cast<char>(rate)};
}

bool TelnetCodec::ReadRate(const std::string& value, std::uint32_t& rate) {
    if (value.size() != 4) {
        return false;
    }
    rate = 0;
    for (const char byte : value) {
        rate = rate << 8 | static_cast<std::uint8_t>(byte);
    }
    return true;
}

}  // namespace platform
