#include "jobs/PromptWait.h"

#include <chrono>

#include "jobs/CThread.h"
#include "serial/CSerial.h"

bool WaitForChar(CSerial& serial, CThread& job, unsigned char target, unsigned passes) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kPass = std::chrono::milliseconds(1);

    bool found = false;
    // Each pass sleeps to its own tick counted from the start, so the few tens of
    // microseconds every wake-up runs late do not add up over 2000 passes; the passes
    // together still take at least passes milliseconds.
    const Clock::time_point start = Clock::now();
    for (unsigned pass = 0; pass < passes && !found; ++pass) {
        const Clock::time_point tick = start + (pass + 1) * kPass;
        // A line that floods faster than bytes can be read one by one would keep a pass
        // draining for ever: what is left after a pass's time waits for the next pass.
        const Clock::time_point drainUntil = Clock::now() + kPass;
        while (serial.kbhit()) {
            unsigned char byte = 0;
            if (serial.ReadPort(&byte, 1) != 1) {
                break;  // a port that reports bytes it cannot deliver must not hold the pass
            }
            if (byte == target) {
                found = true;
                break;
            }
            if (Clock::now() >= drainUntil) {
                break;
            }
        }
        if (!job.SleepOrStopUntil(tick)) {
            break;  // a stop: the answer is true whatever the remaining passes would see
        }
    }
    if (job.IsStopRequested()) {
        return true;
    }
    return found;
}
