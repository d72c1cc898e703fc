#include "platform/ports/net/NetworkCommDriver.h"

#include "platform/os/LastError.h"
#include "platform/ports/net/NetworkErrors.h"
#include "platform/ports/net/TcpLink.h"

namespace platform {

std::unique_ptr<CommPort> NetworkCommDriver::Open(const std::string& path) {
    return OpenPort(path, nullptr);
}

std::unique_ptr<CommPort> NetworkCommDriver::OpenWatching(const std::string& path, Event& stop) {
    return OpenPort(path, &stop);
}

std::unique_ptr<CommPort> NetworkCommDriver::OpenPort(const std::string& path, Event* stop) {
    std::string address;
    if (!TcpLink::AddressOf(path, m_scheme, address)) {
        SetLastError(kLinkNoSuchName);
        return nullptr;
    }
    return OpenAddress(address, stop);
}

bool NetworkCommDriver::Exists(const std::string& path) {
    std::string address;
    return TcpLink::AddressOf(path, m_scheme, address);
}

std::string NetworkCommDriver::NameForm() const {
    return std::string(m_scheme) + "HOST:PORT";
}

std::string NetworkCommDriver::NameProblem(const std::string& name) const {
    std::string address;
    if (TcpLink::AddressOf(name, m_scheme, address)) {
        return {};
    }
    return "a network port's address is " + NameForm();
}

CommDriver::Failure NetworkCommDriver::DescribeOpenFailure(const std::string& name,
                                                           const std::string& port,
                                                           std::uint32_t error) const {
    std::string address;
    if (!TcpLink::AddressOf(name, m_scheme, address)) {
        return {};
    }
    const std::string host = address.substr(0, address.rfind(':'));
    switch (error) {
        case kLinkRefused:
            return {"refused", address +
                                   " refused the connection: check the device server's address "
                                   "and that no other program is connected to it"};
        case kHostNotFound:
            return {"not-resolved", "the name " + host +
                                        " does not resolve: check the device server's name, or "
                                        "give its IP address"};
        case kLinkTimedOut:
        case kHostUnreachable:
        case kNetworkUnreachable:
            return {"no-answer", address +
                                     " did not answer: check that the device server is on and "
                                     "reachable from this computer"};
        case kNoComPortOption:
            return {"not-rfc2217", address +
                                       " does not speak RFC 2217: set that port of the device "
                                       "server to RFC 2217, or name it socket://" +
                                       address + " if it passes raw bytes"};
        case kSettingNotAcknowledged:
        case kLinkSettingRefused:
            return {"setting-refused", address +
                                           " did not apply the line settings: check that its "
                                           "serial port supports the rate and 8 data bits, no "
                                           "parity, one stop bit"};
        case kNoLineControl:
            return {"raw-tcp", port +
                                   " is a raw TCP port: no break or rate reaches its line, so the "
                                   "search passes over it; connect to it at the rate its device "
                                   "server is set to"};
        case kConnectionLost:
            return {"gone", "the connection to " + address +
                                " was lost: check the network and that the device server is on"};
        case kNameLookupTimedOut:
        case kNameLookupFailed:
            return {"lookup-failed",
                    "the name " + host + " could not be looked up: " +
                        (error == kNameLookupTimedOut ? "the name service did not answer in time"
                                                      : "the name service could not be reached") +
                        ": check this computer's network connection, or give "
                        "the device server's IP address"};
        case kFlood:
            return {"flood", address +
                                 " sends data without pause: not an instrument at rest; check the "
                                 "address and the port of the device server"};
        case kLinkBusy:
            return {"in-use", address +
                                  " closed the connection at once: another program is probably "
                                  "connected to it; close that program and try again"};
        default:
            // Whatever else the system said, in its own words; never a local device's reading.
            return {"open-failed", {}};
    }
}

}  // namespace platform
