#pragma once
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "serial/PortMap.h"

namespace platform {
class Event;
}

// Follows the serial ports that are there as adapters are plugged in and out: each look
// finds the ports again (the names kept with their devices, as the port map keeps them)
// and says which came and which went since the look before. Nothing is opened. Polled,
// so that it works alike for discovered devices, the BRINEVANE_PORTS map and every system.
class PortWatcher {
  public:
    struct Change {
        bool arrived = false;  // false: the port went
        PortInfo port;
    };

    // How often Watch looks: an adapter is listed within about this long of its device.
    static constexpr std::chrono::milliseconds kPeriod{400};

    // The ports whose devices are there now: the process's port map refreshed, without the
    // entries whose device has gone.
    static std::vector<PortInfo> PresentPorts();

    // Looks again; the changes since the last look, those that went first. The first look
    // reports every port as arrived.
    std::vector<Change> Poll();

    // The ports of the last look, in the order of their numbers.
    const std::vector<PortInfo>& Ports() const { return m_ports; }

    // Looks every kPeriod until stop is set (at once when it is), handing each change to
    // onChange, those of the first look included.
    void Watch(platform::Event& stop, const std::function<void(const Change&)>& onChange);

  private:
    std::vector<PortInfo> m_ports;
};
