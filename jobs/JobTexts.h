#pragma once
#include <cstdint>
#include <string>

// What every host says in the same words about a job.
class JobTexts {
  public:
    // The line -v writes for one notification: "notify 4 1 PR_DONE NOTIFY_END". A log
    // line with the protocol's names in it, read by scripts: never translated.
    static std::string NotificationLine(std::uint32_t message, std::intptr_t state,
                                        std::intptr_t code);
    // After a connection over a port that passes raw bytes, on a terminal: "the rate 9600
    // was not applied: COM2 passes raw bytes, and its device server sets the line's rate".
    static std::string RateNotAppliedLine(const std::string& portName, std::int32_t baud);
    // The same as a sentence of the wizard's finish page: "The baud rate 9600 was not
    // applied: ... rate."
    static std::string RateNotAppliedSentence(const std::string& portName, std::int32_t baud);
    // "COM2 at 19200 baud": one port (or a list of them) at one rate.
    static std::string AtRate(const std::string& ports, std::int32_t baud);
};
