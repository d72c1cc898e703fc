#include "jobs/PromptWait.h"

#include <algorithm>

#include "jobs/CThread.h"
#include "jobs/PromptAtRest.h"
#include "platform/ports/CommTypes.h"
#include "serial/CSerial.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPass = probe_timing::kPass;
constexpr std::size_t kBannerLimit = 160;

}  // namespace

bool DrainLine(CSerial& serial, const std::function<bool(unsigned char, Clock::time_point)>& take,
               bool* taken) {
    // A line that floods faster than bytes can be read one by one would keep the drain
    // going for ever: what is left after 1 ms waits for the next round.
    const Clock::time_point drainUntil = Clock::now() + kPass;
    bool read = false;
    bool done = false;
    while (!done && serial.kbhit()) {
        unsigned char byte = 0;
        if (serial.ReadPort(&byte, 1) != 1) {
            break;  // a port that reports bytes it cannot deliver must not hold the caller
        }
        read = true;
        const Clock::time_point now = Clock::now();
        done = take(byte, now);
        if (now >= drainUntil) {
            break;
        }
    }
    if (taken != nullptr) {
        *taken = done;
    }
    return read;
}

bool WaitForChar(CSerial& serial, CThread& job, unsigned char target, unsigned passes,
                 std::string* heard) {
    bool found = false;
    const auto take = [&](unsigned char byte, Clock::time_point) {
        PromptAtRest::Keep(heard, byte);
        found = byte == target;
        return found;
    };
    // The time that many passes of exactly 1 ms would take.
    const Clock::time_point end = Clock::now() + passes * kPass;
    bool blocking = true;
    bool woken = false;  // the last sleep ended because input was waiting
    while (passes > 0) {
        bool taken = false;
        const bool read = DrainLine(serial, take, &taken);
        // Also catches a stop event whose waits fail, which the descriptor cannot show.
        if (taken || job.IsStopRequested() || Clock::now() >= end) {
            break;
        }
        // A line that wakes the sleep for input it then does not give would wake it at
        // once for ever: such a round takes a 1 ms pass instead.
        const bool sleepOnLine = blocking && (read || !woken);
        woken = false;
        if (sleepOnLine) {
            const platform::InputWait wait = serial.WaitForInput(*job.GetStopEvent(), end);
            if (wait == platform::InputWait::Input) {
                woken = true;
                continue;
            }
            if (wait == platform::InputWait::Stop || wait == platform::InputWait::Ended) {
                break;  // polling a line that has ended would only hold up the failure
            }
            if (wait == platform::InputWait::Timeout) {
                continue;
            }
            blocking = false;  // Failed or Unsupported: the line is polled from now on
        }
        if (!job.SleepOrStop(1)) {
            break;
        }
    }
    // A stop makes the answer true whatever the line said.
    return job.IsStopRequested() || found;
}

std::string BannerText(const std::string& heard) {
    std::string text;
    std::string line;
    auto endLine = [&] {
        const auto first = line.find_first_not_of(' ');
        if (first != std::string::npos) {
            const auto last = line.find_last_not_of(' ');
            text += (text.empty() ? "" : " / ") + line.substr(first, last - first + 1);
        }
        line.clear();
    };
    // The prompt itself is not part of what the instrument said.
    const std::size_t end = !heard.empty() && static_cast<unsigned char>(heard.back()) == kPrompt
                                ? heard.size() - 1
                                : heard.size();
    for (std::size_t i = 0; i < end && text.size() < kBannerLimit; ++i) {
        const char c = heard[i];
        if (c == '\r' || c == '\n') {
            endLine();
        } else if (c >= 0x20 && c < 0x7F) {
            line += c;
        } else if (c == '\t') {
            line += ' ';
        }
    }
    endLine();
    if (text.size() > kBannerLimit) {
        text.resize(kBannerLimit);
    }
    return text;
}
