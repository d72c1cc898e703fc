#include "jobs/PromptWait.h"

#include <algorithm>

#include "jobs/CThread.h"
#include "jobs/PromptAtRest.h"
#include "platform/CommTypes.h"
#include "serial/CSerial.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPass = std::chrono::milliseconds(1);
constexpr std::size_t kBannerLimit = 160;

enum class Heard { Enough, PassesOver, Stop };

}  // namespace

bool DrainLine(CSerial& serial, const std::function<bool(unsigned char)>& take, bool* taken) {
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
        done = take(byte);
        if (Clock::now() >= drainUntil) {
            break;
        }
    }
    if (taken != nullptr) {
        *taken = done;
    }
    return read;
}

namespace {

// Listens for passes milliseconds, the time that many passes of exactly 1 ms would take.
// Each round drains the line byte by byte into take (true when the wait has what it
// wanted) and asks enough whether the wait is over; otherwise it sleeps until bytes come,
// a stop comes, wakeAt() or the end. A line that cannot be slept on is polled in 1 ms
// passes through the stop event instead.
template <typename Take, typename Enough, typename WakeAt>
Heard Listen(CSerial& serial, CThread& job, unsigned passes, Take take, Enough enough,
             WakeAt wakeAt) {
    if (passes == 0) {
        return Heard::PassesOver;
    }
    const Clock::time_point end = Clock::now() + passes * kPass;
    bool blocking = true;
    bool woken = false;  // the last sleep ended because input was waiting
    for (;;) {
        bool taken = false;
        const bool read = DrainLine(serial, take, &taken);
        if (taken || enough()) {
            return Heard::Enough;
        }
        // Also catches a stop event whose waits fail, which the descriptor cannot show.
        if (job.IsStopRequested()) {
            return Heard::Stop;
        }
        if (Clock::now() >= end) {
            return Heard::PassesOver;
        }
        // A line that wakes the sleep for input it then does not give would wake it at
        // once for ever: such a round takes a 1 ms pass instead.
        const bool sleepOnLine = blocking && (read || !woken);
        woken = false;
        if (sleepOnLine) {
            switch (serial.WaitForInput(*job.GetStopEvent(), std::min(end, wakeAt()))) {
                case platform::InputWait::Input:
                    woken = true;
                    continue;
                case platform::InputWait::Stop:
                    return Heard::Stop;
                case platform::InputWait::Timeout:
                    continue;
                case platform::InputWait::Ended:
                    // Polling a line that has ended for the rest of the wait would only hold
                    // up the failure.
                    return Heard::PassesOver;
                case platform::InputWait::Failed:
                case platform::InputWait::Unsupported:
                    blocking = false;
                    break;
            }
        }
        if (!job.SleepOrStop(1)) {
            return Heard::Stop;
        }
    }
}

constexpr Clock::time_point Never() {
    return Clock::time_point::max();
}

}  // namespace

bool WaitForChar(CSerial& serial, CThread& job, unsigned char target, unsigned passes,
                 std::string* heard) {
    bool found = false;
    Listen(
        serial, job, passes,
        [&](unsigned char byte) {
            PromptAtRest::Keep(heard, byte);
            found = byte == target;
            return found;
        },
        [] { return false; }, Never);
    // A stop makes the answer true whatever the line said.
    return job.IsStopRequested() || found;
}

std::chrono::milliseconds RestTime(std::uint32_t baud) {
    constexpr std::chrono::milliseconds kAdapterLatency(50);
    constexpr std::uint64_t kCharacters = 10;
    constexpr std::uint64_t kBitsPerCharacter = 10;
    const auto characters = std::chrono::milliseconds(
        baud == 0 ? 0 : (kCharacters * kBitsPerCharacter * 1000 + baud - 1) / baud);
    return std::max(kAdapterLatency, characters);
}

bool WaitForPromptAtRest(CSerial& serial, CThread& job, unsigned passes, std::string* heard) {
    PromptAtRest rule(Clock::now(), passes, RestTime(serial.GetBaud()), heard);
    Listen(
        serial, job, rule.MostPasses(),
        [&](unsigned char byte) {
            rule.Take(byte, Clock::now());
            return false;
        },
        [&] { return rule.Judge(Clock::now()) != PromptAtRest::Verdict::Waiting; },
        [&] { return rule.WakeAt(); });
    return job.IsStopRequested() || rule.Judge(Clock::now()) == PromptAtRest::Verdict::AtRest;
}

bool IsPromptAnswer(const std::string& heard) {
    const bool text = std::all_of(heard.begin(), heard.end(), [](char c) {
        return (c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n' || c == '\t';
    });
    // An answer that filled the bound is a flood, and its true last byte was not kept.
    return text && !heard.empty() && heard.size() < PromptAtRest::kHeardLimit &&
           static_cast<unsigned char>(heard.back()) == kPrompt;
}

LineFeedAnswer AnswerToLineFeed(CSerial& serial, CThread& job, std::string& heard) {
    heard.clear();
    // A stop ends a write stuck on a line that takes no output as promptly as a wait.
    if (serial.WritePort("\n", job.GetStopEvent().get()) != 1) {
        return job.IsStopRequested() ? LineFeedAnswer::Prompt : LineFeedAnswer::WriteFailed;
    }
    // A '>' that more bytes follow is garbage or a stream that happened to hold one; an
    // answer that is not text is line garbage or binary records.
    const bool atRest = WaitForPromptAtRest(serial, job, kPromptPasses, &heard);
    return job.IsStopRequested() || (atRest && IsPromptAnswer(heard)) ? LineFeedAnswer::Prompt
                                                                      : LineFeedAnswer::NoPrompt;
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
