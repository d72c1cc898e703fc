#pragma once
#include <cstdint>

// What jobs post to their host: the message says which job, wParam carries the job's
// state at posting time and lParam one of the codes below.
#ifndef WM_USER  // windows.h has it
constexpr std::uint32_t WM_USER = 0x0400;
#endif
constexpr std::uint32_t WM_SEARCH_NOTIFY = WM_USER + 100;
constexpr std::uint32_t WM_PROGRAM_NOTIFY = WM_USER + 101;

enum NotifyCode : std::intptr_t {
    NOTIFY_BEGIN = 0,  // a step begins
    NOTIFY_END = 1,    // a step has ended; its outcome is the state in wParam
    NOTIFY_FAIL = 2,   // the job has failed
};

// The search job's states.
enum SearchState : std::int32_t {
    SR_INIT = 0,
    SR_SEARCH = 1,
    SR_FOUND = 2,
    SR_ERROR = 3,
    SR_DONE = 4,
};

// The connection job's states.
enum ProgramState : std::int32_t {
    PR_INIT = 0,
    PR_ERROR = 3,
    PR_DONE = 4,
};

// Names for a notification's state and code, for people reading a log:
// "SR_SEARCH", "NOTIFY_END"; "?" for a value the job does not use.
inline const char* StateName(std::uint32_t message, std::intptr_t state) {
    static const char* const kSearch[] = {"SR_INIT", "SR_SEARCH", "SR_FOUND", "SR_ERROR",
                                          "SR_DONE"};
    static const char* const kProgram[] = {"PR_INIT", "?", "?", "PR_ERROR", "PR_DONE"};
    if (state < 0 || state > 4) {
        return "?";
    }
    return message == WM_SEARCH_NOTIFY ? kSearch[state] : kProgram[state];
}

inline const char* CodeName(std::intptr_t code) {
    static const char* const kCodes[] = {"NOTIFY_BEGIN", "NOTIFY_END", "NOTIFY_FAIL"};
    return code >= 0 && code <= 2 ? kCodes[code] : "?";
}
