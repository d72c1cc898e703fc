#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// One end of a Telnet stream (RFC 854) as a serial link over TCP uses it: data with the
// IAC byte doubled, option negotiation (RFC 855) and subnegotiations, in particular those
// of the COM-PORT-OPTION (RFC 2217). Both our client and the simulator's server use it.
class TelnetCodec {
  public:
    static constexpr std::uint8_t kIac = 255;
    static constexpr std::uint8_t kDont = 254;
    static constexpr std::uint8_t kDo = 253;
    static constexpr std::uint8_t kWont = 252;
    static constexpr std::uint8_t kWill = 251;
    static constexpr std::uint8_t kSb = 250;
    static constexpr std::uint8_t kSe = 240;
    static constexpr std::uint8_t kBinary = 0;           // RFC 856
    static constexpr std::uint8_t kSuppressGoAhead = 3;  // RFC 858
    static constexpr std::uint8_t kComPort = 44;         // RFC 2217

    // The client's COM-PORT-OPTION commands; the server answers each with the code plus
    // kServerOffset.
    static constexpr std::uint8_t kSetBaudRate = 1;
    static constexpr std::uint8_t kSetDataSize = 2;
    static constexpr std::uint8_t kSetParity = 3;
    static constexpr std::uint8_t kSetStopSize = 4;
    static constexpr std::uint8_t kSetControl = 5;
    static constexpr std::uint8_t kPurgeData = 12;
    static constexpr std::uint8_t kServerOffset = 100;
    // SET-CONTROL values, and PURGE-DATA's for the receive buffer.
    static constexpr std::uint8_t kNoFlowControl = 1;
    static constexpr std::uint8_t kBreakOn = 5;
    static constexpr std::uint8_t kBreakOff = 6;
    static constexpr std::uint8_t kDtrOn = 8;
    static constexpr std::uint8_t kDtrOff = 9;
    static constexpr std::uint8_t kRtsOn = 11;
    static constexpr std::uint8_t kRtsOff = 12;
    static constexpr std::uint8_t kPurgeReceive = 1;

    // The options a serial link over Telnet takes: BINARY, SUPPRESS-GO-AHEAD, COM-PORT.
    static bool SerialLinkOption(std::uint8_t option) {
        return option == kBinary || option == kSuppressGoAhead || option == kComPort;
    }
    // SET-BAUDRATE's value: four bytes, most significant first.
    static std::string RateValue(std::uint32_t rate);
    // The rate in such a value; false when it is not four bytes.
    static bool ReadRate(const std::string& value, std::uint32_t& rate);

    // A command met in the stream: an option verb (kWill, kWont, kDo, kDont) with its
    // option, or kSb with the option and the subnegotiation's body, unescaped.
    struct Command {
        std::uint8_t verb = 0;
        std::uint8_t option = 0;
        std::string body;
    };

    // The bytes to send for data: every IAC doubled.
    static std::string Escape(const void* data, std::size_t size);
    // IAC SB option body IAC SE, the body escaped.
    static std::string Subnegotiation(std::uint8_t option, const std::string& body);

    // The longest subnegotiation body kept. Those of a serial link are a few bytes; a
    // longer one is skipped whole, however long it runs, so that a peer that never ends
    // one cannot grow us.
    static constexpr std::size_t kSubnegotiationLimit = 4096;

    // Splits received bytes into data (appended to data) and commands (appended to
    // commands). A command cut across two calls is completed by the next one.
    void Feed(const char* bytes, std::size_t size, std::string& data,
              std::vector<Command>& commands);

    // Asks the other end to let us use an option (kWill) or to use one itself (kDo), and
    // returns the bytes to send; nothing when that is already so or already asked.
    std::string Request(std::uint8_t verb, std::uint8_t option);
    // Answers the other end's verb on an option, which we accept when supported, and
    // returns the bytes to send (nothing for an answer to our own request, so that two
    // ends never loop).
    std::string Answer(std::uint8_t verb, std::uint8_t option, bool supported);
    // Whether the other end has agreed that we use the option (local) or uses it (remote).
    bool LocalEnabled(std::uint8_t option) const { return m_options[option].local; }
    bool RemoteEnabled(std::uint8_t option) const { return m_options[option].remote; }

  private:
    enum class State { Data, Iac, Verb, Sb, SbIac };
    struct Option {
        bool local = false;
        bool remote = false;
        bool localAsked = false;
        bool remoteAsked = false;
    };
    static std::string Send(std::uint8_t verb, std::uint8_t option);

    void KeepInBody(char byte);

    State m_state = State::Data;
    Command m_command;
    bool m_bodyTooLong = false;
    std::array<Option, 256> m_options{};
};

}  // namespace platform
