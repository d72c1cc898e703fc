#include "serial/PortWatcher.h"

#include <algorithm>

#include "platform/os/Event.h"
#include "platform/ports/CommDriverRegistry.h"

namespace {

// The same port: the same name for the same device. A name that now stands for another
// device is a port that went and one that came.
bool Same(const PortInfo& a, const PortInfo& b) {
    return a.name == b.name && a.path == b.path && a.identity == b.identity;
}

bool Holds(const std::vector<PortInfo>& ports, const PortInfo& port) {
    return std::any_of(ports.begin(), ports.end(),
                       [&port](const PortInfo& other) { return Same(other, port); });
}

}  // namespace

std::vector<PortInfo> PortWatcher::PresentPorts() {
    std::vector<PortInfo> ports = PortMap::Refresh()->Ports();
    ports.erase(
        std::remove_if(ports.begin(), ports.end(),
                       [](const PortInfo& port) {
                           return !platform::CommDriverRegistry::Process().Exists(port.path);
                       }),
        ports.end());
    return ports;
}

std::vector<PortWatcher::Change> PortWatcher::Poll() {
    std::vector<PortInfo> now = PresentPorts();
    std::vector<Change> changes;
    for (const PortInfo& port : m_ports) {
        if (!Holds(now, port)) {
            changes.push_back({false, port});
        }
    }
    for (const PortInfo& port : now) {
        if (!Holds(m_ports, port)) {
            changes.push_back({true, port});
        }
    }
    m_ports = std::move(now);
    return changes;
}

void PortWatcher::Watch(platform::Event& stop, const std::function<void(const Change&)>& onChange) {
    const auto period = static_cast<std::uint32_t>(kPeriod.count());
    while (stop.Wait(0) == platform::WaitResult::Timeout) {
        for (const Change& change : Poll()) {
            onChange(change);
        }
        if (stop.Wait(period) != platform::WaitResult::Timeout) {
            return;
        }
    }
}
