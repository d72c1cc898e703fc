#include "platform/ports/net/Rfc2217CommDriver.h"

#include <optional>
#include <vector>

#include "platform/os/LastError.h"
#include "platform/ports/net/NetworkCommPort.h"
#include "platform/ports/net/NetworkErrors.h"
#include "platform/ports/net/TelnetCodec.h"

namespace platform {
namespace {

using Codec = TelnetCodec;

std::string Byte(std::uint8_t value) {
    return std::string(1, static_cast<char>(value));
}

class Rfc2217CommPort final : public NetworkCommPort {
  public:
    explicit Rfc2217CommPort(Rfc2217CommDriver::Limits limits) : m_limits(limits) {}

    // The whole open (lookup, connection, negotiation, purge and the first setting of the
    // line) has one deadline; each phase has its own limit within it and watches stop.
    bool Connect(const std::string& address, Event* stop) {
        Begin(stop);
        m_openDeadline = TcpLink::Clock::now() + m_limits.open;
        if (!m_link.Connect(address, Deadline(m_limits.connect), stop) || !Negotiate()) {
            return false;
        }
        Begin(stop);  // a slow negotiation is no flood
        // What the server had waiting from the line before we came is no answer of ours.
        return PurgeInput();
    }

    bool SetState(const LineState& state) override {
        if (state.stopBits > 2 || state.parity > 4 || state.outxCtsFlow || state.outxDsrFlow ||
            state.outX || state.inX) {
            SetLastError(kLinkSettingRefused);  // flow control is never asked for, as on a tty
            return false;
        }
        static const std::uint8_t kStopSizes[] = {1, 3, 2};  // one, one and a half, two
        const bool all = !m_configured;
        m_configured = false;  // until every setting below is acknowledged
        if ((all || state.baudRate != m_state.baudRate) &&
            !Set(Codec::kSetBaudRate, Codec::RateValue(state.baudRate), true)) {
            return false;
        }
        if ((all || state.byteSize != m_state.byteSize) &&
            !Set(Codec::kSetDataSize, Byte(state.byteSize), true)) {
            return false;
        }
        if ((all || state.parity != m_state.parity) &&
            !Set(Codec::kSetParity, Byte(static_cast<std::uint8_t>(state.parity + 1)), true)) {
            return false;
        }
        if ((all || state.stopBits != m_state.stopBits) &&
            !Set(Codec::kSetStopSize, Byte(kStopSizes[state.stopBits]), true)) {
            return false;
        }
        if (all && !Set(Codec::kSetControl, Byte(Codec::kNoFlowControl), false)) {
            return false;
        }
        if ((all || state.dtrOn != m_state.dtrOn) &&
            !Set(Codec::kSetControl, Byte(state.dtrOn ? Codec::kDtrOn : Codec::kDtrOff), false)) {
            return false;
        }
        if ((all || state.rtsOn != m_state.rtsOn) &&
            !Set(Codec::kSetControl, Byte(state.rtsOn ? Codec::kRtsOn : Codec::kRtsOff), false)) {
            return false;
        }
        m_state = state;
        m_configured = true;
        m_opening = false;
        return true;
    }

    bool PurgeInput() override {
        // What arrives before the server's answer left the line before the purge.
        m_discarding = true;
        const bool purged = Set(Codec::kPurgeData, Byte(Codec::kPurgeReceive), false);
        m_discarding = false;
        m_received.clear();
        return purged;
    }
    bool SetBreak() override { return Set(Codec::kSetControl, Byte(Codec::kBreakOn), false); }
    bool ClearBreak() override { return Set(Codec::kSetControl, Byte(Codec::kBreakOff), false); }

  protected:
    bool Decode(const std::string& bytes) override {
        std::string data;
        std::vector<Codec::Command> commands;
        m_codec.Feed(bytes.data(), bytes.size(), data, commands);
        if (!m_discarding) {
            Keep(data);
        }
        std::string replies;
        for (const Codec::Command& command : commands) {
            if (command.verb != Codec::kSb) {
                replies += m_codec.Answer(command.verb, command.option,
                                          Codec::SerialLinkOption(command.option));
                m_comPortRefused |=
                    command.option == Codec::kComPort &&
                    (command.verb == Codec::kDont || command.verb == Codec::kWont) &&
                    !m_codec.LocalEnabled(Codec::kComPort);
            } else if (command.option == Codec::kComPort && !command.body.empty() &&
                       static_cast<std::uint8_t>(command.body[0]) == m_awaited) {
                m_answer = command.body.substr(1);
            }
            // Line and modem state notifications tell nothing the jobs ask for.
        }
        // A server that keeps offering options but reads nothing holds this only as long as
        // one reply may take, and never past a stop.
        return replies.empty() || m_link.SendAll(replies, Deadline(m_limits.reply), m_stop);
    }

    std::string Encode(const void* buffer, std::uint32_t count) override {
        return Codec::Escape(buffer, count);
    }

  private:
    // A phase's deadline: its limit from now, within the open's while the line is opening.
    TcpLink::Clock::time_point Deadline(std::chrono::milliseconds limit) const {
        const auto deadline = TcpLink::Clock::now() + limit;
        return m_opening ? std::min(deadline, m_openDeadline) : deadline;
    }

    // Waits for the server until done() or the limit; false with the last error set
    // (timeoutError when the limit passed, kLinkStopped on a stop).
    template <typename Done>
    bool AwaitServer(Done done, std::chrono::milliseconds limit, std::uint32_t timeoutError) {
        const auto deadline = Deadline(limit);
        for (;;) {
            const bool open = Pump();
            if (done()) {
                return true;
            }
            if (!open) {
                return false;
            }
            switch (m_link.WaitReadable(m_stop, deadline)) {
                case InputWait::Input:
                    break;
                case InputWait::Timeout:
                    SetLastError(timeoutError);
                    return false;
                case InputWait::Stop:
                    SetLastError(kLinkStopped);
                    return false;
                default:
                    return false;
            }
        }
    }

    bool Negotiate() {
        std::string requests = m_codec.Request(Codec::kWill, Codec::kBinary);
        requests += m_codec.Request(Codec::kDo, Codec::kBinary);
        requests += m_codec.Request(Codec::kWill, Codec::kSuppressGoAhead);
        requests += m_codec.Request(Codec::kDo, Codec::kSuppressGoAhead);
        requests += m_codec.Request(Codec::kWill, Codec::kComPort);
        if (!m_link.SendAll(requests, Deadline(m_limits.reply), m_stop)) {
            return false;
        }
        const bool agreed = AwaitServer(
            [this] { return m_codec.LocalEnabled(Codec::kComPort) || m_comPortRefused; },
            m_limits.negotiation, kNoComPortOption);
        if (!agreed && GetLastError() == kConnectionLost) {
            // A server that serves one client at a time closes the next one at once.
            SetLastError(kLinkBusy);
        }
        if (agreed && m_comPortRefused) {
            SetLastError(kNoComPortOption);
            return false;
        }
        return agreed;
    }

    // Sends a COM-PORT-OPTION command and waits for its acknowledgement; with exact, an
    // answer with another value than the one asked for is a setting the line refused.
    bool Set(std::uint8_t command, const std::string& value, bool exact) {
        m_awaited = static_cast<std::uint8_t>(command + Codec::kServerOffset);
        m_answer.reset();
        if (m_failure != 0) {
            SetLastError(m_failure);
            return false;
        }
        if (!m_link.SendAll(Codec::Subnegotiation(Codec::kComPort, Byte(command) + value),
                            Deadline(m_limits.reply), m_stop)) {
            return false;
        }
        const bool answered = AwaitServer([this] { return m_answer.has_value(); }, m_limits.reply,
                                          kSettingNotAcknowledged);
        m_awaited = 0;
        if (answered && exact && *m_answer != value) {
            SetLastError(kLinkSettingRefused);
            return false;
        }
        return answered;
    }

    Rfc2217CommDriver::Limits m_limits;
    TcpLink::Clock::time_point m_openDeadline;
    bool m_opening = true;
    Codec m_codec;
    bool m_comPortRefused = false;
    bool m_configured = false;
    bool m_discarding = false;
    std::uint8_t m_awaited = 0;
    std::optional<std::string> m_answer;
};

}  // namespace

std::unique_ptr<CommPort> Rfc2217CommDriver::OpenAddress(const std::string& address, Event* stop) {
    auto port = std::make_unique<Rfc2217CommPort>(m_limits);
    if (!port->Connect(address, stop)) {
        return nullptr;
    }
    return port;
}

}  // namespace platform
