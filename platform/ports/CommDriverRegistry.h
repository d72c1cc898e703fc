#pragma once
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/ports/CommDriver.h"

namespace platform {

// Which driver serves a device name. Each driver is registered under the prefix of the
// names it serves: "/" for tty paths ("\\.\" for COM ports on Windows), a scheme such as
// "rfc2217://" or "socket://" for the others. A name goes to the driver of the longest prefix it
// begins with. A prefix belongs to the first driver registered under it until that one is
// unregistered, so no driver takes over another's names behind the back of ports already open.
class CommDriverRegistry {
  public:
    // The prefix of the system's own device names, which its serial driver serves.
#ifdef _WIN32
    static constexpr const char* kSystemPrefix = "\\\\.\\";
#else
    static constexpr const char* kSystemPrefix = "/";
#endif

    // The process's registry: the system's serial driver serves its prefix from the start,
    // and the network drivers "rfc2217://" and "socket://" (each transport adds its drivers,
    // and its error codes to the catalog).
    static CommDriverRegistry& Process();

    // False when the prefix is neither the system's nor "scheme://", or is taken.
    bool Register(const std::string& prefix, std::shared_ptr<CommDriver> driver);
    void Unregister(const std::string& prefix);

    // The driver of a device name; null when none serves it.
    std::shared_ptr<CommDriver> Find(const std::string& device) const;
    // The schemes registered besides "/", for messages: "fake://".
    std::vector<std::string> Schemes() const;
    // The forms of the names users type, in the order of their prefixes:
    // "rfc2217://HOST:PORT" (CommDriver::NameForm).
    std::vector<std::string> NameForms() const;

    // The driver's Open (OpenWatching with a stop event) and Exists for the name; a name
    // no driver serves is not there.
    std::unique_ptr<CommPort> Open(const std::string& device, Event* stop = nullptr) const;
    // The driver's OpenIsCheap for the name.
    bool OpenIsCheap(const std::string& device) const;
    bool Exists(const std::string& device) const;

  private:
    mutable std::mutex m_mutex;
    std::map<std::string, std::shared_ptr<CommDriver>> m_drivers;
};

}  // namespace platform
