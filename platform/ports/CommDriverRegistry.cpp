#include "platform/ports/CommDriverRegistry.h"

#include <algorithm>
#include <cctype>

#include "platform/os/LastError.h"
#include "platform/ports/local/LocalTransport.h"
#include "platform/ports/net/NetworkTransport.h"

namespace platform {
namespace {

constexpr const char* kSchemeEnd = "://";

// The system's prefix or a scheme in the URI sense ("rfc2217://", "socket://").
bool IsPrefix(const std::string& prefix) {
    if (prefix == CommDriverRegistry::kSystemPrefix) {
        return true;
    }
    const std::size_t end = prefix.find(kSchemeEnd);
    if (end == 0 || end == std::string::npos || end + 3 != prefix.size() ||
        std::isalpha(static_cast<unsigned char>(prefix[0])) == 0) {
        return false;
    }
    return std::all_of(prefix.begin(), prefix.begin() + static_cast<std::ptrdiff_t>(end),
                       [](char c) {
                           return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' ||
                                  c == '-' || c == '.';
                       });
}

}  // namespace

CommDriverRegistry& CommDriverRegistry::Process() {
    static CommDriverRegistry* const registry = [] {
        // One line per transport: its folder adds its drivers and its error codes.
        auto* made = new CommDriverRegistry();
        AddLocalTransport(*made);
        AddNetworkTransport(*made);
        return made;
    }();
    return *registry;
}

bool CommDriverRegistry::Register(const std::string& prefix, std::shared_ptr<CommDriver> driver) {
    if (!driver || !IsPrefix(prefix)) {
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_drivers.emplace(prefix, std::move(driver)).second;
}

void CommDriverRegistry::Unregister(const std::string& prefix) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_drivers.erase(prefix);
}

std::shared_ptr<CommDriver> CommDriverRegistry::Find(const std::string& device) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::shared_ptr<CommDriver> found;
    std::size_t longest = 0;
    for (const auto& [prefix, driver] : m_drivers) {
        if (prefix.size() > longest && device.compare(0, prefix.size(), prefix) == 0) {
            found = driver;
            longest = prefix.size();
        }
    }
    return found;
}

std::vector<std::string> CommDriverRegistry::Schemes() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> schemes;
    for (const auto& entry : m_drivers) {
        if (entry.first != kSystemPrefix) {
            schemes.push_back(entry.first);
        }
    }
    return schemes;
}

std::vector<std::string> CommDriverRegistry::NameForms() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> forms;
    for (const auto& entry : m_drivers) {
        if (std::string form = entry.second->NameForm(); !form.empty()) {
            forms.push_back(std::move(form));
        }
    }
    return forms;
}

std::unique_ptr<CommPort> CommDriverRegistry::Open(const std::string& device, Event* stop) const {
    const std::shared_ptr<CommDriver> driver = Find(device);
    if (!driver) {
        SetLastError(ErrorOfKind(ErrorKind::NotFound));
        return nullptr;
    }
    return stop != nullptr ? driver->OpenWatching(device, *stop) : driver->Open(device);
}

bool CommDriverRegistry::OpenIsCheap(const std::string& device) const {
    const std::shared_ptr<CommDriver> driver = Find(device);
    return !driver || driver->OpenIsCheap();
}

bool CommDriverRegistry::Exists(const std::string& device) const {
    const std::shared_ptr<CommDriver> driver = Find(device);
    return driver && driver->Exists(device);
}

}  // namespace platform
