#include "jobs/JobTexts.h"

#include "jobs/JobMessages.h"

std::string JobTexts::NotificationLine(std::uint32_t message, std::intptr_t state,
                                       std::intptr_t code) {
    return "notify " + std::to_string(static_cast<int>(state)) + " " +
           std::to_string(static_cast<int>(code)) + " " + StateName(message, state) + " " +
           CodeName(code);
}

std::string JobTexts::RateNotApplied(const std::string& portName, std::int32_t baud) {
    return std::to_string(baud) + " was not applied: " + portName +
           " passes raw bytes, and its device server sets the line's rate";
}
