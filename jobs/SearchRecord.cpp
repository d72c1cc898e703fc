#include "jobs/SearchRecord.h"

#include <algorithm>
#include <initializer_list>

#include "platform/os/Translation.h"

namespace {

constexpr const char* kSilent = "silent";

// The ports that gave no answer, in port order.
std::vector<const SearchRecord::Port*> Unanswered(const SearchRecord& record) {
    std::vector<const SearchRecord::Port*> ports;
    for (const SearchRecord::Port& port : record.ports) {
        if (!port.code.empty()) {
            ports.push_back(&port);
        }
    }
    return ports;
}

const SearchRecord::Port* FirstWithCode(const std::vector<const SearchRecord::Port*>& ports,
                                        std::initializer_list<const char*> codes) {
    for (const SearchRecord::Port* port : ports) {
        for (const char* code : codes) {
            if (port->code == code) {
                return port;
            }
        }
    }
    return nullptr;
}

}  // namespace

SearchRecord::Port& SearchRecord::At(int number) {
    const auto place = std::lower_bound(ports.begin(), ports.end(), number,
                                        [](const Port& port, int n) { return port.number < n; });
    if (place != ports.end() && place->number == number) {
        return *place;
    }
    Port port;
    port.number = number;
    return *ports.insert(place, port);
}

std::string SearchRecord::Explain() const {
    const std::vector<const Port*> unanswered = Unanswered(*this);
    if (unanswered.empty()) {
        return TrText("SearchRecord",
                      "no serial port was found on this computer: connect the instrument and "
                      "try again");
    }
    if (const Port* port = FirstWithCode(unanswered, {"permission-denied", "in-use"})) {
        return port->text;
    }
    std::string silent;
    for (const Port* port : unanswered) {
        if (port->code == kSilent) {
            silent += (silent.empty() ? "" : ", ") + port->portName;
        }
    }
    if (!silent.empty()) {
        //: %1 is a port name (COM1) or a list of them (COM1, COM3).
        return platform::FillText(TrText("SearchRecord",
                                         "no prompt from %1 at any baud rate: "
                                         "check that the instrument is on and "
                                         "cabled"),
                                  {silent});
    }
    return unanswered.front()->text;
}

std::string SearchRecord::Code() const {
    const std::vector<const Port*> unanswered = Unanswered(*this);
    if (unanswered.empty()) {
        return "no-ports";
    }
    if (const Port* port = FirstWithCode(unanswered, {"permission-denied", "in-use"})) {
        return port->code;
    }
    return FirstWithCode(unanswered, {kSilent}) != nullptr ? "no-prompt" : unanswered.front()->code;
}
