#include "platform/ports/net/NetworkCommDriver.h"

#include "platform/os/LastError.h"
#include "platform/os/Translation.h"
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
    //: %1 is the form of the address (rfc2217://HOST:PORT).
    return FillText(TrText("NetworkCommDriver", "a network port's address is %1"), {NameForm()});
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
            //: %1 is a device server's address (portserver:4001).
            return {"refused", FillText(TrText("NetworkCommDriver",
                                               "%1 refused the connection: check the device "
                                               "server's address and that no other program is "
                                               "connected to it"),
                                        {address})};
        case kHostNotFound:
            //: %1 is a device server's host name (portserver).
            return {"not-resolved", FillText(TrText("NetworkCommDriver",
                                                    "the name %1 does not resolve: check the "
                                                    "device server's name, or give its IP address"),
                                             {host})};
        case kLinkTimedOut:
        case kHostUnreachable:
        case kNetworkUnreachable:
            //: %1 is a device server's address (portserver:4001).
            return {"no-answer", FillText(TrText("NetworkCommDriver",
                                                 "%1 did not answer: check that the device server "
                                                 "is on and reachable from this computer"),
                                          {address})};
        case kNoComPortOption:
            //: %1 is a device server's address (portserver:4001); keep socket://%1 as it is.
            return {
                "not-rfc2217",
                FillText(TrText("NetworkCommDriver",
                                "%1 does not speak RFC 2217: set that port of the device server "
                                "to RFC 2217, or name it socket://%1 if it passes raw bytes"),
                         {address})};
        case kSettingNotAcknowledged:
        case kLinkSettingRefused:
            //: %1 is a device server's address (portserver:4001).
            return {"setting-refused",
                    FillText(TrText("NetworkCommDriver",
                                    "%1 did not apply the line settings: check that its serial "
                                    "port supports the rate and 8 data bits, no parity, one stop "
                                    "bit"),
                             {address})};
        case kNoLineControl:
            //: %1 is a port and its address: COM2 (socket://portserver:4001).
            return {"raw-tcp", FillText(TrText("NetworkCommDriver",
                                               "%1 is a raw TCP port: no break or rate reaches its "
                                               "line, so the search passes over it; connect to it "
                                               "at the rate its device server is set to"),
                                        {port})};
        case kConnectionLost:
            //: %1 is a device server's address (portserver:4001).
            return {"gone", FillText(TrText("NetworkCommDriver",
                                            "the connection to %1 was lost: check the network and "
                                            "that the device server is on"),
                                     {address})};
        case kNameLookupTimedOut:
            //: %1 is a device server's host name (portserver).
            return {"lookup-failed",
                    FillText(TrText("NetworkCommDriver",
                                    "the name %1 could not be looked up: the name service did "
                                    "not answer in time: check this computer's network "
                                    "connection, or give the device server's IP address"),
                             {host})};
        case kNameLookupFailed:
            //: %1 is a device server's host name (portserver).
            return {"lookup-failed",
                    FillText(TrText("NetworkCommDriver",
                                    "the name %1 could not be looked up: the name service could "
                                    "not be reached: check this computer's network connection, "
                                    "or give the device server's IP address"),
                             {host})};
        case kFlood:
            //: %1 is a device server's address (portserver:4001).
            return {"flood", FillText(TrText("NetworkCommDriver",
                                             "%1 sends data without pause: not an instrument at "
                                             "rest; check the address and the port of the device "
                                             "server"),
                                      {address})};
        case kLinkBusy:
            //: %1 is a device server's address (portserver:4001).
            return {"in-use", FillText(TrText("NetworkCommDriver",
                                              "%1 closed the connection at once: another program "
                                              "is probably connected to it; close that program "
                                              "and try again"),
                                       {address})};
        default:
            // Whatever else the system said, in its own words; never a local device's reading.
            return {"open-failed", {}};
    }
}

}  // namespace platform
