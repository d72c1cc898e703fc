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

// What a wait after a break made of the bytes it heard, for the quick search to weigh.
struct BreakHearing {
    // How the wait ended: after its full passes (or a prompt), once garbage had stopped,
    // or cut short while garbage kept coming (noise, or a device that streams).
    enum class End { Full, GarbageStopped, LineKeptTalking };
    End end = End::Full;
    // The record under way when the break came: it had begun before the listening did and
    // went on back to back. At the instrument's own rate it is binary, not an answer.
    std::size_t tail = 0;
    // After the tail: text bytes, bytes that are neither text nor 0x00, and 0x00s (a slow
    // instrument's answer at a fast rate can be nothing else).
    std::size_t text = 0;
    std::size_t garbage = 0;
    std::size_t nulls = 0;
    // The bursts the bytes came in (a gap of the garbage quiet or more between two), and
    // when the last byte came.
    int bursts = 0;
    std::chrono::steady_clock::time_point lastByte{};
    // Made by a wait that listened after a break (not a try whose line could not be set).
    bool listened = false;
    // The wait ended on proof that the line is not at this rate; a wait cut short while the
    // line kept talking proved nothing about the rate.
    bool Proved() const { return end == End::GarbageStopped; }
    bool CutShort() const { return end == End::LineKeptTalking; }
    // The wait listened to the end and nothing came after the tail: an instrument that
    // answers late would have been missed.
    bool NothingAfterTail() const {
        return listened && end == End::Full && text + garbage + nulls == 0;
    }
};

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

    // The quick search's wait after a break at that rate. It ends before its passes only on
    // garbage at this rate: bytes after the tail that are neither text nor 0x00, at least a
    // few of them (a lone glitch is not enough) and a good share of what came (a banner's
    // "°C" is not enough), once they have stopped or, on a line that keeps talking, a little
    // after. While readable text keeps coming it listens past the passes, up to the time of
    // the longest answer at the rate from the text's first byte, so that a long banner at
    // 1200 baud, or one that began late in the passes, ends in its prompt.
    void QuickTry(std::uint32_t baud, bool endOnGarbage = true);

    void Take(unsigned char byte, Clock::time_point now);
    Verdict Judge(Clock::time_point now) const;
    // When the verdict may next change if no byte comes.
    Clock::time_point WakeAt() const;
    // What the wait made of the bytes, asked once it is over at that time.
    BreakHearing Hearing(Clock::time_point now) const;

  private:
    // When the wait is over if no byte comes.
    Clock::time_point OverAt() const;
    bool GarbageHere() const;
    void Weigh(unsigned char byte, Clock::time_point now);

    Clock::time_point m_start;
    Clock::time_point m_end;  // of the wait for the first prompt, then of the whole wait
    std::chrono::milliseconds m_rest;
    std::string* m_heard;
    Clock::time_point m_lastByte;
    // The quick try's reading of the line.
    std::chrono::milliseconds m_longest{};  // the longest answer's time at the rate
    Clock::time_point m_textFrom;           // the first text byte after the tail
    std::chrono::milliseconds m_tailGap{};  // the widest gap within one burst
    Clock::time_point m_lastAny;
    BreakHearing m_hearing;
    Clock::time_point m_garbageFrom;  // when the bytes first made garbage at this rate
    bool m_prompted = false;
    bool m_onPrompt = false;
    bool m_quick = false;
    bool m_endOnGarbage = true;
    bool m_anyByte = false;
    bool m_inTail = true;
    bool m_lastText = false;
    bool m_textSeen = false;
    bool m_garbageSeen = false;
};
