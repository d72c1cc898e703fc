#include "jobs/PromptWait.h"

#include <algorithm>

#include "jobs/CThread.h"
#include "serial/CSerial.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPass = std::chrono::milliseconds(1);
constexpr std::size_t kHeardLimit = 4096;
constexpr std::size_t kBannerLimit = 160;

void Keep(std::string* heard, unsigned char byte) {
    if (heard != nullptr && heard->size() < kHeardLimit) {
        heard->push_back(static_cast<char>(byte));
    }
}

enum class Heard { Enough, PassesOver, Stop };

// Up to passes polling passes: each drains the line byte by byte into take (true when the
// wait has what it wanted), then asks enough whether the wait is over, then sleeps through
// the stop event to its 1 ms tick. The pass that ends the wait sleeps too.
template <typename Take, typename Enough>
Heard Listen(CSerial& serial, CThread& job, unsigned passes, Take take, Enough enough) {
    // Each pass sleeps to its own tick counted from the start, so the few tens of
    // microseconds every wake-up runs late do not add up over 2000 passes; the passes
    // together still take at least passes milliseconds.
    const Clock::time_point start = Clock::now();
    for (unsigned pass = 0; pass < passes; ++pass) {
        const Clock::time_point tick = start + (pass + 1) * kPass;
        // A line that floods faster than bytes can be read one by one would keep a pass
        // draining for ever: what is left after a pass's time waits for the next pass.
        const Clock::time_point drainUntil = Clock::now() + kPass;
        bool taken = false;
        while (!taken && serial.kbhit()) {
            unsigned char byte = 0;
            if (serial.ReadPort(&byte, 1) != 1) {
                break;  // a port that reports bytes it cannot deliver must not hold the pass
            }
            taken = take(byte);
            if (Clock::now() >= drainUntil) {
                break;
            }
        }
        const bool over = taken || enough();
        if (!job.SleepOrStopUntil(tick)) {
            return Heard::Stop;
        }
        if (over) {
            return Heard::Enough;
        }
    }
    return Heard::PassesOver;
}

}  // namespace

bool WaitForChar(CSerial& serial, CThread& job, unsigned char target, unsigned passes,
                 std::string* heard) {
    bool found = false;
    Listen(
        serial, job, passes,
        [&](unsigned char byte) {
            Keep(heard, byte);
            found = byte == target;
            return found;
        },
        [] { return false; });
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

bool WaitForRest(CSerial& serial, CThread& job, unsigned passes, std::chrono::milliseconds rest,
                 std::string* heard) {
    bool onPrompt = true;  // called just after one
    Clock::time_point lastByte = Clock::now();
    const Heard outcome = Listen(
        serial, job, passes,
        [&](unsigned char byte) {
            Keep(heard, byte);
            onPrompt = byte == kPrompt;
            lastByte = Clock::now();
            return false;
        },
        [&] { return onPrompt && Clock::now() - lastByte >= rest; });
    return outcome != Heard::PassesOver || job.IsStopRequested();
}

bool WaitForPromptAtRest(CSerial& serial, CThread& job, unsigned passes, std::string* heard) {
    const Clock::time_point start = Clock::now();
    if (!WaitForChar(serial, job, kPrompt, passes, heard)) {
        return false;
    }
    if (job.IsStopRequested()) {
        return true;
    }
    const std::chrono::milliseconds rest = RestTime(serial.GetBaud());
    const auto used = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    const auto left = static_cast<unsigned>(std::max<long long>(0, passes - used.count()));
    return WaitForRest(serial, job, std::max(left, static_cast<unsigned>(rest.count()) + 1), rest,
                       heard);
}

bool IsPromptAnswer(const std::string& heard) {
    const bool text = std::all_of(heard.begin(), heard.end(), [](char c) {
        return (c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n' || c == '\t';
    });
    // An answer that filled the bound is a flood, and its true last byte was not kept.
    return text && !heard.empty() && heard.size() < kHeardLimit &&
           static_cast<unsigned char>(heard.back()) == kPrompt;
}

LineFeedAnswer AnswerToLineFeed(CSerial& serial, CThread& job, std::string& heard) {
    heard.clear();
    if (serial.WritePort("\n") != 1) {
        return LineFeedAnswer::WriteFailed;
    }
    if (!WaitForChar(serial, job, kPrompt, kPromptPasses, &heard)) {
        return LineFeedAnswer::NoPrompt;
    }
    if (job.IsStopRequested()) {
        return LineFeedAnswer::Prompt;
    }
    // Why each step: a prompt that more bytes follow is garbage or a stream that happened
    // to hold a '>'; an answer that is not text is line garbage or binary records.
    const bool atRest = WaitForRest(serial, job, kPromptPasses, RestTime(serial.GetBaud()), &heard);
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
