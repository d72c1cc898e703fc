#pragma once
#include <cstdint>
#include <random>
#include <string>

// What a Brinevane ADCP says, given what its UART decoded: the wire and the timing are the
// caller's. Woken by a break, it stops any stream and answers with its banner and prompt;
// at rest, each line end it decodes gets a fresh prompt, and any other byte is taken as the
// start of a command, which gets nothing until its line ends. A streaming instrument sends
// binary records and hears nothing but a break.
class SimulatedInstrument {
  public:
    static const char* const kDefaultBanner;
    static constexpr std::size_t kRecordBytes = 64;

    struct Behaviour {
        std::string banner = kDefaultBanner;  // sent before the prompt after a break
        bool echo = false;                    // sends back every byte it decoded
        bool streaming = false;               // streams records until the first break
    };

    explicit SimulatedInstrument(Behaviour behaviour, unsigned seed = 1);

    bool Streaming() const { return m_streaming; }
    // The answer to a break.
    std::string Break();
    // The answer to the bytes decoded from the host (empty when there is none).
    std::string Hear(const std::string& decoded);
    // The next binary record of a stream: a sync word, a count and raw samples.
    std::string NextRecord();

  private:
    Behaviour m_behaviour;
    bool m_streaming;
    std::uint16_t m_records = 0;
    std::minstd_rand m_random;
};
