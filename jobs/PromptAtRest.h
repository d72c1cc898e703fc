#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

// The instrument's command prompt.
constexpr unsigned char kPrompt = '>';

// Whether the byte can be part of an instrument's text: printable, or a line end or tab.
bool IsTextByte(unsigned char byte);

// How long that many characters (ten bits each) take on the line at the rate, rounded up.
std::chrono::milliseconds CharactersTime(std::uint64_t characters, std::uint32_t baud);

// How long the line must stay quiet after a prompt for the instrument to be at rest on it:
// ten characters at the line's rate, and never less than a USB adapter's latency timer
// (16 ms) several times over, which can hold back the rest of a burst.
std::chrono::milliseconds RestTime(std::uint32_t baud);

// The rule by which a prompt counts, fed the bytes as they come and asked as time passes,
// so that the same rule serves a wait on one line and a search that follows many: the
// first '>' within the passes (one millisecond each), then the line quiet for the rest
// time with a '>' as the last byte received, within what the passes have left and never
// less than the rest time, so a '>' that more bytes follow costs no more than silence.
class PromptAtRest {
  public:
    using Clock = std::chrono::steady_clock;
    enum class Verdict { Waiting, AtRest, Over };

    // What a wait keeps of what it heard: a flood must not grow it without bound.
    static constexpr std::size_t kHeardLimit = 4096;
    static void Keep(std::string* heard, unsigned char byte);

    // Every byte taken is kept in heard, when given.
    PromptAtRest(Clock::time_point start, unsigned passes, std::chrono::milliseconds rest,
                 std::string* heard);

    // The quick search's wait: it ends once bytes that are not text (a wrong rate's garbage)
    // have been followed by quiet, and goes on past the passes, up to longest, while bytes
    // keep coming.
    void FollowGarbage(Clock::time_point longest, std::chrono::milliseconds quiet);

    void Take(unsigned char byte, Clock::time_point now);
    Verdict Judge(Clock::time_point now) const;
    // When the verdict may next change if no byte comes.
    Clock::time_point WakeAt() const;

  private:
    // When the wait is over if no byte comes.
    Clock::time_point OverAt() const;

    Clock::time_point m_end;  // of the wait for the first prompt, then of the whole wait
    std::chrono::milliseconds m_rest;
    std::string* m_heard;
    bool m_prompted = false;
    bool m_onPrompt = false;
    Clock::time_point m_lastByte;
    bool m_follow = false;
    Clock::time_point m_longest;
    std::chrono::milliseconds m_quiet{0};
    bool m_anyByte = false;
    bool m_garbage = false;
    Clock::time_point m_lastAny;
};
