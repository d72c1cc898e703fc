#include "platform/ports/net/NetworkErrors.h"

#include "platform/os/ErrorCatalog.h"

namespace platform {

void AddNetworkErrors() {
    ErrorCatalog::Add({
        {kHostNotFound, "The name does not resolve"},
        {kNoComPortOption, "The server did not negotiate RFC 2217"},
        {kSettingNotAcknowledged, "The server did not acknowledge a line setting"},
        // The device server's line is as good as unplugged.
        {kConnectionLost, "The server closed the connection", ErrorKind::Gone},
        {kNoLineControl, "A raw TCP port carries no break and no line setting"},
        {kNameLookupTimedOut, "The name service did not answer in time"},
        {kNameLookupFailed, "The name service failed"},
        {kFlood, "The server sends data without pause"},
    });
}

}  // namespace platform
