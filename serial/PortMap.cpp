#include "serial/PortMap.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <set>
#include <sstream>

#include "platform/devices/SerialDevices.h"
#include "platform/os/Translation.h"
#include "platform/os/Trim.h"
#include "platform/ports/CommDriverRegistry.h"

namespace {

using platform::FillText;
using platform::Trim;

// isdigit on a plain char is undefined for bytes above 0x7F, which any text may hold.
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

PortInfo FromDevice(const platform::SerialDevice& device) {
    PortInfo info;
    info.path = device.path;
    info.byIdPath = device.byIdPath;
    info.vendor = device.vendor;
    info.product = device.product;
    info.serialNumber = device.serialNumber;
    info.identity = device.identity;
    return info;
}

// "FTDI FT232R USB UART (serial A12345) on /dev/ttyUSB0", or the device alone.
std::string DeviceText(const PortInfo& info) {
    const std::string description = info.Description();
    //: %1 is what the system says a device is (FTDI FT232R USB UART), %2 its path.
    return description.empty() ? info.path
                               : FillText(TrText("PortMap", "%1 on %2"), {description, info.path});
}

// The scheme that a name begins with among those a driver is registered for, or empty.
std::string SchemeOf(const std::string& name) {
    for (const std::string& scheme : platform::CommDriverRegistry::Process().Schemes()) {
        if (name.size() > scheme.size() && name.compare(0, scheme.size(), scheme) == 0) {
            return scheme;
        }
    }
    return {};
}

// Why a map entry's device cannot be used, or empty when it can: a tty path, or a name
// under a scheme that a driver serves.
std::string DeviceProblem(const std::string& device) {
    if (platform::IsDevicePath(device)) {
        return {};
    }
    if (!SchemeOf(device).empty()) {
        // The driver judges the form of its own names (a network address is never looked up).
        const auto driver = platform::CommDriverRegistry::Process().Find(device);
        return driver ? driver->NameProblem(device) : std::string();
    }
    const std::vector<std::string> schemes = platform::CommDriverRegistry::Process().Schemes();
    if (schemes.empty()) {
        //: %1 is what a device path must be (an absolute path).
        return FillText(TrText("PortMap", "the device must be %1"), {platform::DevicePathRule()});
    }
    std::string names;
    for (const std::string& scheme : schemes) {
        names += (names.empty() ? "" : ", ") + scheme;
    }
    //: %1 is what a device path must be (an absolute path), %2 the network ports' schemes
    //: (rfc2217://, socket://).
    return FillText(TrText("PortMap", "the device must be %1 or a name under %2"),
                    {platform::DevicePathRule(), names});
}

std::mutex g_currentMutex;
std::shared_ptr<const PortMap> g_current;
std::vector<PortInfo> g_added;  // network ports added for this run; guarded by g_currentMutex

}  // namespace

std::string PortInfo::Description() const {
    std::string text = vendor;
    if (!product.empty()) {
        text += (text.empty() ? "" : " ") + product;
    }
    if (!serialNumber.empty()) {
        //: After a device's maker and product: %1 is its serial number.
        text +=
            (text.empty() ? "" : " ") + FillText(TrText("PortMap", "(serial %1)"), {serialNumber});
    }
    return text;
}

int PortMap::PortNumber(const std::string& name) {
    // Any case, as Windows takes them: com1 is COM1.
    const auto isCom = [&name] {
        return (name[0] | 0x20) == 'c' && (name[1] | 0x20) == 'o' && (name[2] | 0x20) == 'm';
    };
    if (name.size() < 4 || name.size() > 5 || !isCom() || name[3] == '0' ||
        !std::all_of(name.begin() + 3, name.end(), IsDigit)) {
        return 0;
    }
    const int number = std::atoi(name.c_str() + 3);
    return number <= kMaxPorts ? number : 0;
}

std::string PortMap::PortName(int number) {
    return "COM" + std::to_string(number);
}

PortMap PortMap::Parse(const std::string& text, std::vector<std::string>* problems) {
    PortMap map;
    std::istringstream entries(text);
    std::string entry;
    auto complain = [&](const std::string& what) {
        if (problems != nullptr) {
            problems->push_back(what);
        }
    };
    while (std::getline(entries, entry, ',')) {
        entry = Trim(entry);
        if (entry.empty()) {
            continue;
        }
        const auto equals = entry.find('=');
        if (equals == std::string::npos) {
            //: %1 is an entry of BRINEVANE_PORTS as the user wrote it.
            complain(FillText(TrText("PortMap", "'%1': expected COMn=/dev/path"), {entry}));
            continue;
        }
        const std::string name = Trim(entry.substr(0, equals));
        const std::string path = Trim(entry.substr(equals + 1));
        const int number = PortNumber(name);
        if (number == 0) {
            //: %1 is an entry of BRINEVANE_PORTS as the user wrote it.
            complain(
                FillText(TrText("PortMap", "'%1': the port name must be COM1 to COM32"), {entry}));
        } else if (const std::string problem = DeviceProblem(path); !problem.empty()) {
            //: %1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 what is wrong with it.
            complain(FillText(TrText("PortMap", "'%1': %2"), {entry, problem}));
        } else if (map.m_slots[number - 1]) {
            //: %1 is an entry of BRINEVANE_PORTS as the user wrote it, %2 its port name (COM1).
            complain(FillText(TrText("PortMap", "'%1': %2 is given twice; the first one is kept"),
                              {entry, name}));
        } else {
            PortInfo info;
            info.number = number;
            info.name = PortName(number);
            info.path = path;
            map.m_slots[number - 1] = info;
        }
    }
    return map;
}

PortMap PortMap::Discover(const std::string& sysRoot, const std::string& devRoot) {
    PortMap map;
    map.m_sysRoot = sysRoot;
    map.m_devRoot = devRoot;
    int next = 1;
    for (const platform::SerialDevice& device : platform::DiscoverSerialDevices(sysRoot, devRoot)) {
        // A number the system gives the device is its name; otherwise names go in order.
        const int number = device.number != 0 ? device.number : next++;
        if (number >= 1 && number <= kMaxPorts && !map.m_slots[number - 1]) {
            PortInfo info = FromDevice(device);
            info.number = number;
            info.name = PortName(number);
            map.m_slots[number - 1] = info;
        }
    }
    return map;
}

PortMap PortMap::KeepNames(const PortMap& before, const PortMap& found) {
    PortMap map;
    map.m_sysRoot = found.m_sysRoot;
    map.m_devRoot = found.m_devRoot;
    auto place = [&map](PortInfo info, int number) {
        info.number = number;
        info.name = PortName(number);
        map.m_slots[number - 1] = info;
    };
    std::vector<PortInfo> newcomers;
    for (const PortInfo& info : found.Ports()) {
        if (info.identity.empty()) {
            place(info, info.number);  // the system's own name, which stays with its device
            continue;
        }
        int number = 0;
        for (const auto& slot : before.m_slots) {
            if (slot && !slot->identity.empty() && slot->identity == info.identity) {
                number = slot->number;
            }
        }
        if (number != 0 && !map.m_slots[number - 1]) {
            place(info, number);
        } else {
            newcomers.push_back(info);
        }
    }
    for (const PortInfo& info : newcomers) {
        // A name no device had before, else (all 32 taken once) any free one.
        int number = 0;
        for (int pass = 0; pass < 2 && number == 0; ++pass) {
            for (int i = 0; i < kMaxPorts && number == 0; ++i) {
                if (!map.m_slots[i] && (pass == 1 || !before.m_slots[i])) {
                    number = i + 1;
                }
            }
        }
        if (number != 0) {
            place(info, number);
        }
    }
    return map;
}

std::shared_ptr<const PortMap> PortMap::Refresh() {
    std::shared_ptr<const PortMap> map;
    if (const char* text = std::getenv(kEnvironmentVariable)) {
        std::vector<std::string> problems;
        map = std::make_shared<PortMap>(Parse(text, &problems));
        static std::set<std::string> reported;
        std::lock_guard<std::mutex> lock(g_currentMutex);
        for (const std::string& problem : problems) {
            if (reported.insert(problem).second) {
                //: %1 is BRINEVANE_PORTS, %2 what is wrong with one of its entries.
                std::fprintf(stderr, "%s\n",
                             FillText(TrText("PortMap", "%1: skipping entry %2"),
                                      {kEnvironmentVariable, problem})
                                 .c_str());
            }
        }
    } else {
        std::shared_ptr<const PortMap> before;
        {
            std::lock_guard<std::mutex> lock(g_currentMutex);
            before = g_current;
        }
        map = std::make_shared<PortMap>(before ? KeepNames(*before, Discover()) : Discover());
    }
    std::lock_guard<std::mutex> lock(g_currentMutex);
    if (!g_added.empty()) {
        auto merged = std::make_shared<PortMap>(*map);
        for (const PortInfo& added : g_added) {
            if (!merged->m_slots[added.number - 1]) {
                merged->m_slots[added.number - 1] = added;
            }
        }
        map = merged;
    }
    g_current = map;
    return map;
}

std::string PortMap::AddNetworkPort(const std::string& device, std::string* problem) {
    if (device.empty() || device[0] == '/' || SchemeOf(device).empty() ||
        !platform::CommDriverRegistry::Process().Exists(device)) {
        const std::vector<std::string> forms = platform::CommDriverRegistry::Process().NameForms();
        if (forms.empty()) {
            //: %1 is what the user typed.
            *problem = FillText(TrText("PortMap",
                                       "'%1' is not the address of a network port: this "
                                       "build of the program has no network ports: "
                                       "connect the instrument to a serial port of this "
                                       "computer"),
                                {device});
            return {};
        }
        std::string either;
        for (const std::string& form : forms) {
            //: Two forms a network port's address may take (rfc2217://HOST:PORT).
            either =
                either.empty() ? form : FillText(TrText("PortMap", "%1 or %2"), {either, form});
        }
        //: %1 is what the user typed, %2 the forms of a network port's address
        //: (rfc2217://HOST:PORT or socket://HOST:PORT).
        *problem = FillText(TrText("PortMap", "'%1' is not the address of a network port: give %2"),
                            {device, either});
        return {};
    }
    const auto map = Current();
    std::lock_guard<std::mutex> lock(g_currentMutex);
    for (int number = 1; number <= kMaxPorts; ++number) {
        const bool added =
            std::any_of(g_added.begin(), g_added.end(),
                        [number](const PortInfo& info) { return info.number == number; });
        if (map->Find(number) == nullptr && !added) {
            PortInfo info;
            info.number = number;
            info.name = PortName(number);
            info.path = device;
            g_added.push_back(info);
            auto grown = std::make_shared<PortMap>(*map);
            grown->m_slots[number - 1] = info;
            g_current = grown;
            return info.name;
        }
    }
    *problem = TrText("PortMap",
                      "every name from COM1 to COM32 is taken: the network port cannot be added");
    return {};
}

std::shared_ptr<const PortMap> PortMap::Current() {
    {
        std::lock_guard<std::mutex> lock(g_currentMutex);
        if (g_current) {
            return g_current;
        }
    }
    return Refresh();
}

const PortInfo* PortMap::Find(int number) const {
    if (number < 1 || number > kMaxPorts || !m_slots[number - 1]) {
        return nullptr;
    }
    return &*m_slots[number - 1];
}

const PortInfo* PortMap::FindByName(const std::string& name) const {
    return Find(PortNumber(name));
}

std::vector<PortInfo> PortMap::Ports() const {
    std::vector<PortInfo> ports;
    for (const auto& slot : m_slots) {
        if (slot) {
            ports.push_back(*slot);
        }
    }
    return ports;
}

std::string PortMap::Resolve(const std::string& name) const {
    if (const PortInfo* info = FindByName(name)) {
        return info->path;
    }
    if (name.find('\0') != std::string::npos) {
        return {};
    }
    if (platform::IsUserDevicePath(name) && name.find("..") == std::string::npos) {
        return name;
    }
    // A name its scheme's driver serves is a device of its own ("socket://host:4001").
    return SchemeOf(name).empty() ? std::string() : name;
}

std::string PortMap::Confirm(const std::string& name, std::string* path) const {
    const PortInfo* seen = FindByName(name);
    if (seen == nullptr || seen->identity.empty()) {
        return {};
    }
    const PortInfo now =
        FromDevice(platform::InspectSerialDevice(m_sysRoot, m_devRoot, seen->path));
    if (now.identity == seen->identity) {
        return {};
    }
    for (const PortInfo& moved : Discover(m_sysRoot, m_devRoot).Ports()) {
        if (moved.identity == seen->identity) {
            *path = moved.path;
            return {};
        }
    }
    if (now.identity.empty()) {
        //: How a port's device changed: %1 is the device it was (FTDI FT232R USB UART on
        //: /dev/ttyUSB0).
        return FillText(TrText("PortMap", "it was %1, which is no longer there"),
                        {DeviceText(*seen)});
    }
    //: How a port's device changed: %1 is the device it was, %2 the one it is now (FTDI FT232R
    //: USB UART on /dev/ttyUSB0).
    return FillText(TrText("PortMap", "it was %1, it is now %2"),
                    {DeviceText(*seen), DeviceText(now)});
}
