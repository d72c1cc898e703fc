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
// A finished job's idle pass, and how long its host waits for it to acknowledge a stop.
constexpr std::uint32_t kIdleMs = 10;
constexpr std::uint32_t kStopWaitMs = 1000;

}  // namespace probe_timing
