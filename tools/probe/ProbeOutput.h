#pragma once
#include <string>
#include <vector>

#include "serial/PortMap.h"
#include "tools/probe/ConsoleJobHost.h"

// The command line's JSON, one object per run. Names and paths can hold any bytes, and
// JSON text must be UTF-8: what is not is replaced (U+FFFD), never a reason to fail.
class ProbeOutput {
  public:
    static std::string PortsJson(const std::vector<PortInfo>& ports);
    // A port that came or went while the ports are watched: {"added": {...}} or
    // {"removed": {...}}, the port as PortsJson writes it.
    static std::string PortChangeJson(const PortInfo& port, bool arrived);
    // The outcome of a search or a connection; device is the path behind the port found. A
    // search's has the verdict on each port that gave no answer.
    static std::string OutcomeJson(const ConsoleJobHost::Outcome& outcome,
                                   const std::string& device, bool search = false);
};
