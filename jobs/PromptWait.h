#pragma once
#include <cstdint>

class CSerial;
class CThread;

// The instrument's command prompt, and the passes both jobs give it to come.
constexpr unsigned char kPrompt = '>';
constexpr unsigned kPromptPasses = 2000;

// Waits for the target byte on the line, for at most the given number of polling passes.
// Each pass drains what has arrived (up to the target), then sleeps through the job's
// stop event to its 1 ms tick. A stop ends the wait at once. True when the target came or a stop
// was requested; false when the passes ran out. A read that returns nothing ends the pass early, so
// a port that reports waiting bytes it cannot deliver still sleeps and sees a stop.
bool WaitForChar(CSerial& serial, CThread& job, unsigned char target, unsigned passes);
