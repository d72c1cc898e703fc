#pragma once
#include <string>

#include "jobs/ProbeTiming.h"
#include "jobs/PromptAtRest.h"

class CSerial;
class CThread;

// The passes both jobs give the instrument's prompt to come.
constexpr unsigned kPromptPasses = probe_timing::kPromptPasses;

// Waits for the target byte on the line for as long as the given number of 1 ms polling
// passes would take, as one wait of the probe loop: what has arrived is read byte by byte
// (up to the target); otherwise the wait sleeps until bytes come, the job's stop event is
// set or the time is up, and a line that cannot be slept on is polled in 1 ms passes
// through the stop event. A stop ends the wait at once. True when the target came or a
// stop was requested; false when the time ran out or the line ended. Every byte read, the
// target included, is appended to heard when it is given (up to a bound).
bool WaitForChar(CSerial& serial, CThread& job, unsigned char target, unsigned passes,
                 std::string* heard = nullptr);
