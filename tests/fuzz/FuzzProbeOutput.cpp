// Every JSON object the command line writes, for every kind of outcome, with arbitrary
// bytes in every text it carries: the output is always valid JSON.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/probe/ProbeOutput.h"

namespace {

void MustParse(const std::string& text) {
    if (!nlohmann::json::accept(text)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input is the texts, split at each NUL byte.
    std::vector<std::string> texts(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            texts.emplace_back();
        } else {
            texts.back() += static_cast<char>(data[i]);
        }
    }
    auto text = [&](std::size_t i) { return i < texts.size() ? texts[i] : std::string(); };

    ConsoleJobHost::Outcome outcome;
    outcome.portName = text(0);
    outcome.banner = text(1);
    outcome.message = text(2);
    outcome.reason = text(3);
    outcome.reasonCode = text(4);
    outcome.baud = static_cast<std::int32_t>(size);
    for (const auto status :
         {ConsoleJobHost::Status::Success, ConsoleJobHost::Status::Failure,
          ConsoleJobHost::Status::Interrupted, ConsoleJobHost::Status::NotStarted}) {
        outcome.status = status;
        MustParse(ProbeOutput::OutcomeJson(outcome, text(5)));
    }

    PortInfo port;
    port.name = text(6);
    port.path = text(7);
    port.byIdPath = text(8);
    port.vendor = text(9);
    port.product = text(10);
    port.serialNumber = text(11);
    MustParse(ProbeOutput::PortsJson({port, port}));
    return 0;
}
