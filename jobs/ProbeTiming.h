#pragma once
#include <chrono>
#include <cstdint>

// The times the instrument's dialogue is built of, each written once and the rest made of
// them: a probe's break, the passes its prompt is given, and what a silent probe costs.
namespace probe_timing {

using std::chrono::milliseconds;

// The break that wakes the instrument.
constexpr milliseconds kBreak{300};
// One polling pass of a wait, and the passes the prompt is given to come.
constexpr milliseconds kPass{1};
constexpr unsigned kPromptPasses = 2000;
// A probe that hears nothing costs its break and its wait for the prompt: 2.3 s.
constexpr milliseconds kSilentProbe = kBreak + kPromptPasses * kPass;

// The search that tries the likeliest rate first. After a try that heard nothing at all, a
// longer break (an instrument may miss one while it boots or is busy, an adapter may lose
// one sent just after a rate change), with a wait a little longer than the fixed order's
// after it: the very instruments that miss a break are the ones slow to answer, and an
// answer that leaves as the fixed order's wait ends still comes after the instrument's
// turnaround and an adapter's latency timer. Two silent tries stay within 5 s.
constexpr milliseconds kLongBreak{500};
constexpr unsigned kLongBreakPasses = kPromptPasses + 100;
// Garbage that has stopped for this long has said what it had to say.
constexpr milliseconds kGarbageQuiet{200};
// On a line that keeps talking (noise, a device that streams), garbage is heard this long
// before the try moves on: enough bytes to rank the rates by.
constexpr milliseconds kTalkingLineListen{250};
// While text keeps coming, a try listens on up to the time of this many characters at its
// rate from the break: at 1200 baud a long banner cannot end in its prompt within the passes.
constexpr unsigned kLongestAnswerChars = 512;
// A finished job's idle pass, and how long its host waits for it to acknowledge a stop.
constexpr std::uint32_t kIdleMs = 10;
constexpr std::uint32_t kStopWaitMs = 1000;

}  // namespace probe_timing
