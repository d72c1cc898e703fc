#pragma once
#include <cstdint>
#include <string>

// What every host says in the same words about a job.
class JobTexts {
  public:
    // The line -v writes for one notification: "notify 4 1 PR_DONE NOTIFY_END".
    static std::string NotificationLine(std::uint32_t message, std::intptr_t state,
                                        std::intptr_t code);
    // After a connection over a port that passes raw bytes, what follows "the rate ":
    // "9600 was not applied: COM2 passes raw bytes, and its device server sets the line's
    // rate".
    static std::string RateNotApplied(const std::string& portName, std::int32_t baud);
};
