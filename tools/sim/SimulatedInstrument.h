#pragma once
#include <chrono>
#include <cstdint>
#include <random>
#include <string>

// What a Brinevane ADCP says, given what its UART decoded: the wire and the timing are the
// caller's. Woken by a break, it stops any stream and answers with its banner and prompt;
// at rest, each line end it decodes gets a fresh prompt, and any other byte is taken as the
// start of a command, which gets nothing until its line ends. A streaming instrument sends
// binary records and hears nothing but a break.
//
// At a break it does what instruments in the field do: a record under way is finished (its
// tail follows the break); its line driver may glitch as it wakes; an echoing instrument
// sends back the 0x00 its UART made of the break; a booting or busy one sleeps through the
// first breaks; and it may take from a fraction of a second to two to answer.
class SimulatedInstrument {
  public:
    static const char* const kDefaultBanner;
    static constexpr std::size_t kRecordBytes = 64;
    static constexpr char kGlitch = '\xff';

    struct Behaviour {
        std::string banner = kDefaultBanner;  // sent before the prompt after a break
        bool echo = false;       // sends back every byte it decoded, a break's 0x00 too
        bool streaming = false;  // streams records until the first break it hears
        bool glitch = false;     // its line gives one 0xFF as it wakes from a break
        int breaksSlept = 0;     // the first breaks it sleeps through
        // From the end of a break to its answer, drawn anew at each break between these.
        std::chrono::milliseconds wakeDelay{0};
        std::chrono::milliseconds wakeDelayMax{0};
        // It stops for this long after the first pauseAfter bytes of its banner (writing a
        // temperature, say): 0 for no pause.
        std::size_t pauseAfter = 0;
        std::chrono::milliseconds pause{0};
    };

    // What it does about one break.
    struct Wake {
        std::string echo;    // while the break is held
        std::string glitch;  // as the break ends
        std::string answer;  // after the delay: banner and prompt; empty when it slept on
        std::chrono::milliseconds delay{0};
        std::string rest;  // the rest of the answer, the pause after the answer's end
        std::chrono::milliseconds pause{0};
    };

    explicit SimulatedInstrument(Behaviour behaviour, unsigned seed = 1);

    bool Streaming() const { return m_streaming; }
    // What it does about a break.
    Wake Woken();
    // Just its answer to a break, for a caller that models no more of it.
    std::string Break() { return Woken().answer; }
    // The answer to the bytes decoded from the host (empty when there is none).
    std::string Hear(const std::string& decoded);
    // The next binary record of a stream: a sync word, a count and raw samples.
    std::string NextRecord();

  private:
    Behaviour m_behaviour;
    bool m_streaming;
    int m_breaks = 0;
    std::uint16_t m_records = 0;
    std::minstd_rand m_random;
};
