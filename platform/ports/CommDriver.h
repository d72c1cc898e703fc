#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ports/CommPort.h"

namespace platform {

// Opens serial ports by device name. Each driver serves the names of its own prefix
// (CommDriverRegistry): tty paths, or a scheme of its own.
class CommDriver {
  public:
    virtual ~CommDriver() = default;

    // Opens for exclusive use: a second open of the same device, from this process or
    // another, fails while this one is open. Null on failure, with the last error set.
    virtual std::unique_ptr<CommPort> Open(const std::string& path) = 0;
    // Opens as Open does, but an open that waits (for a network, a server) ends as soon as
    // stop is set, with ECANCELED (ERROR_CANCELLED on Windows), and the port's own waits
    // watch stop for as long as it is open: stop must outlive the port. A driver whose opens
    // never wait keeps this.
    virtual std::unique_ptr<CommPort> OpenWatching(const std::string& path, Event& /*stop*/) {
        return Open(path);
    }
    // Whether an open made only to see that a port is free costs nothing. Not for a device
    // server, which may hold a port for seconds after a client has gone: there the open
    // that is needed anyway is the check.
    virtual bool OpenIsCheap() const { return true; }

    // Whether a serial device of that name exists, whether or not it is in use.
    virtual bool Exists(const std::string& path) = 0;

    // What a name of this driver looks like, for a user who types one: "rfc2217://HOST:PORT".
    // Empty for names the system lists rather than the user types.
    virtual std::string NameForm() const { return {}; }
    // Why a name of this driver's prefix is not one it can serve, in a message's words;
    // empty when it is well formed.
    virtual std::string NameProblem(const std::string& /*name*/) const { return {}; }

    // How a failed open of one of this driver's names reads, when it reads otherwise than
    // on a local device (a device server's port names its server's address).
    struct Failure {
        const char* code = nullptr;  // for scripts: "refused"; null: read as a local device's
        std::string text;            // for the user; empty: the system's own text
    };
    // port is how the message names the port: "COM2 (rfc2217://host:4001)".
    virtual Failure DescribeOpenFailure(const std::string& /*name*/, const std::string& /*port*/,
                                        std::uint32_t /*error*/) const {
        return {};
    }
};

}  // namespace platform
