// Any BRINEVANE_PORTS text: parsing never crashes, and whatever it keeps is well formed: a
// device path, or a name under a scheme (a network port).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "serial/PortMap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> problems;
    const PortMap map = PortMap::Parse(text, &problems);
    for (const PortInfo& port : map.Ports()) {
        if (port.number < 1 || port.number > PortMap::kMaxPorts ||
            port.name != PortMap::PortName(port.number) || port.path.empty() ||
            (port.path[0] != '/' && port.path.find("://") == std::string::npos)) {
            std::abort();
        }
        if (map.Resolve(port.name) != port.path) {
            std::abort();
        }
    }
    map.Resolve(text);
    return 0;
}
