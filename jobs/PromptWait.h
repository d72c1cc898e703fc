#pragma once
#include <chrono>
#include <functional>
#include <string>

#include "jobs/ProbeTiming.h"
#include "jobs/PromptAtRest.h"

class CSerial;
class CThread;

// The passes both jobs give the instrument's prompt to come.
constexpr unsigned kPromptPasses = probe_timing::kPromptPasses;

// Waits for the target byte on the line for as long as the given number of 1 ms polling
// passes would take. What has arrived is read byte by byte (up to the target); otherwise
// the wait sleeps until bytes come, the job's stop event is set or the time is up, and a
// line that cannot be slept on is polled in 1 ms passes through the stop event. A stop
// ends the wait at once. True when the target came or a stop was requested; false when the
// time ran out. Every byte read, the target included, is appended to heard when it is
// given (up to a bound).
bool WaitForChar(CSerial& serial, CThread& job, unsigned char target, unsigned passes,
                 std::string* heard = nullptr);

// Reads what waits on the line byte by byte, handing each to take with the time it was
// read, until take returns true (then taken is set), for 1 ms at most: a line that floods
// faster than bytes can be read one by one cannot hold the caller. Whether any byte was read.
bool DrainLine(
    CSerial& serial,
    const std::function<bool(unsigned char, std::chrono::steady_clock::time_point)>& take,
    bool* taken = nullptr);

// The instrument's printable words from what it sent before its prompt, its lines joined by
// " / " and cut to a bound: "Brinevane 600 kHz ADCP / Firmware 51.40". Empty for none.
std::string BannerText(const std::string& heard);
