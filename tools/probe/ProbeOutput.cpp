#include "tools/probe/ProbeOutput.h"

#include <nlohmann/json.hpp>

namespace {

std::string Text(const nlohmann::json& object) {
    return object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

nlohmann::json Port(const PortInfo& port) {
    return {{"name", port.name},
            {"device", port.path},
            {"description", port.Description()},
            {"byId", port.byIdPath},
            {"vendor", port.vendor},
            {"product", port.product},
            {"serialNumber", port.serialNumber}};
}

nlohmann::json Verdicts(const std::vector<PortVerdict>& verdicts) {
    nlohmann::json list = nlohmann::json::array();
    for (const PortVerdict& verdict : verdicts) {
        nlohmann::json port = {{"port", verdict.portName},
                               {"device", verdict.device},
                               {"verdict", verdict.code},
                               {"detail", verdict.detail}};
        if (verdict.code == "other-device") {
            port["rate"] = verdict.rate;
            port["heard"] = verdict.heard;
        }
        list.push_back(port);
    }
    return list;
}

}  // namespace

std::string ProbeOutput::PortsJson(const std::vector<PortInfo>& ports) {
    nlohmann::json list = nlohmann::json::array();
    for (const PortInfo& port : ports) {
        list.push_back(Port(port));
    }
    return Text({{"ports", list}});
}

std::string ProbeOutput::PortChangeJson(const PortInfo& port, bool arrived) {
    return Text({{arrived ? "added" : "removed", Port(port)}});
}

std::string ProbeOutput::OutcomeJson(const ConsoleJobHost::Outcome& outcome,
                                     const std::string& device, bool search) {
    using Status = ConsoleJobHost::Status;
    if (outcome.status == Status::Success) {
        nlohmann::json object = {{"ok", true},
                                 {"port", outcome.portName},
                                 {"baud", outcome.baud},
                                 {"device", device},
                                 {"banner", outcome.banner}};
        if (!outcome.rateApplied) {
            object["rate_applied"] = false;
        }
        if (search) {
            object["ports"] = Verdicts(outcome.ports);
        }
        return Text(object);
    }
    if (outcome.status == Status::Interrupted) {
        return Text({{"ok", false}, {"error", "Interrupted."}});
    }
    nlohmann::json object = {{"ok", false}, {"error", outcome.message}};
    if (!outcome.reason.empty()) {
        object["reason"] = outcome.reason;
        object["reason_code"] = outcome.reasonCode;
    }
    if (search) {
        object["ports"] = Verdicts(outcome.ports);
    }
    return Text(object);
}
