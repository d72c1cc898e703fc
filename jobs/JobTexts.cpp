#include "jobs/JobTexts.h"

#include "jobs/JobMessages.h"
#include "platform/os/Translation.h"

using platform::FillText;

std::string JobTexts::NotificationLine(std::uint32_t message, std::intptr_t state,
                                       std::intptr_t code) {
    return "notify " + std::to_string(static_cast<int>(state)) + " " +
           std::to_string(static_cast<int>(code)) + " " + StateName(message, state) + " " +
           CodeName(code);
}

std::string JobTexts::RateNotAppliedLine(const std::string& portName, std::int32_t baud) {
    //: %1 is a baud rate (9600), %2 a port name (COM2).
    return FillText(TrText("JobTexts",
                           "the rate %1 was not applied: %2 passes raw bytes, and "
                           "its device server sets the line's rate"),
                    {std::to_string(baud), portName});
}

std::string JobTexts::RateNotAppliedSentence(const std::string& portName, std::int32_t baud) {
    //: %1 is a baud rate (9600), %2 a port name (COM2).
    return FillText(TrText("JobTexts",
                           "The baud rate %1 was not applied: %2 passes raw bytes, "
                           "and its device server sets the line's rate."),
                    {std::to_string(baud), portName});
}

std::string JobTexts::AtRate(const std::string& ports, std::int32_t baud) {
    //: %1 is a port name (COM2) or a list of them (COM1, COM3), %2 a baud rate (19200).
    return FillText(TrText("JobTexts", "%1 at %2 baud"), {ports, std::to_string(baud)});
}
