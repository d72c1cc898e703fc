#pragma once
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Which device each of the port names COM1 to COM32 stands for on this host, and what
// each device is. The map comes from BRINEVANE_PORTS when it is set (set and empty means
// no ports at all), otherwise from the host's real serial devices.
struct PortInfo {
    int number = 0;            // 1 for COM1
    std::string name;          // "COM1"
    std::string path;          // "/dev/ttyUSB0"
    std::string byIdPath;      // "/dev/serial/by-id/usb-FTDI_...", where one exists
    std::string vendor;        // USB adapters: manufacturer (or vendor id)
    std::string product;       // USB adapters: product (or product id)
    std::string serialNumber;  // USB adapters: serial number
    // What tells this device from any other that could take its place: a USB adapter's
    // vendor and product ids, serial number and USB path (the socket and interface it is
    // on), otherwise the device node and its device number. Empty in a map the user gave
    // in BRINEVANE_PORTS, where the path alone is the device.
    std::string identity;

    // "FTDI FT232R USB UART (serial A12345)", or empty when nothing is known.
    std::string Description() const;
};

class PortMap {
  public:
    static constexpr int kMaxPorts = 32;
    static constexpr const char* kEnvironmentVariable = "BRINEVANE_PORTS";

    // "COM7" (in any case: "com7") gives 7; anything else (COM0, COM33, "COM1x") gives 0.
    static int PortNumber(const std::string& name);
    static std::string PortName(int number);

    // Reads a "COM1=/dev/pts/3,COM4=/dev/ttyUSB0" text; a device is an absolute path or a
    // name under a registered scheme. Each malformed entry is skipped and described in
    // problems.
    static PortMap Parse(const std::string& text, std::vector<std::string>* problems);

    // The host's serial devices, never opened (platform::DiscoverSerialDevices, whose
    // roots these are): named by the system's own COM numbers where it gives them,
    // otherwise as COM1, COM2, ... in the system's order.
    static PortMap Discover(const std::string& sysRoot = "/sys",
                            const std::string& devRoot = "/dev");

    // A discovery made again, with the names of the one before kept where they can be: a
    // device seen before keeps its name, and a new device never takes a name that stood
    // for another device before, while a free one is left. The search and the
    // settings page's list each refresh the map, and a name the user saw after one must
    // not stand for another device after the next.
    static PortMap KeepNames(const PortMap& before, const PortMap& found);

    // The process's map, built on first use; Refresh builds it anew (from the environment
    // or by discovery). Malformed BRINEVANE_PORTS entries are reported once on stderr.
    static std::shared_ptr<const PortMap> Current();
    static std::shared_ptr<const PortMap> Refresh();

    // Adds the port of a device server ("rfc2217://host:4001") to the process's map for
    // the rest of this run, under the lowest COM name free there, and returns that name;
    // empty, with the problem described, for an address no driver serves or when every
    // name is taken. Nothing is stored; a refresh keeps the port.
    static std::string AddNetworkPort(const std::string& device, std::string* problem);

    const PortInfo* Find(int number) const;
    const PortInfo* FindByName(const std::string& name) const;
    std::vector<PortInfo> Ports() const;

    // The device for a port name: the mapped device for COM1..COM32, or the name itself
    // for an absolute path under /dev/ without ".." or a name under a scheme that a
    // driver is registered for (CommDriverRegistry). Empty when there is none.
    std::string Resolve(const std::string& name) const;

    // Checks that a discovered port's name still stands for the device this map saw under
    // it. A USB adapter that came back under another tty is followed: *path becomes its
    // device. Returns empty when the device is the same (and for names this map did not
    // discover), otherwise what the device was and what is there now.
    std::string Confirm(const std::string& name, std::string* path) const;

  private:
    std::array<std::optional<PortInfo>, kMaxPorts> m_slots;
    std::string m_sysRoot;  // where a discovered map was read, to look again
    std::string m_devRoot;
};
