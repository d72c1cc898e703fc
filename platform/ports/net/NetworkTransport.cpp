#include "platform/ports/net/NetworkTransport.h"

#include <memory>

#include "platform/os/ErrorCatalog.h"
#include "platform/os/Translation.h"
#include "platform/ports/CommDriverRegistry.h"
#include "platform/ports/net/NetworkErrors.h"
#include "platform/ports/net/Rfc2217CommDriver.h"
#include "platform/ports/net/SocketCommDriver.h"

namespace platform {

void AddNetworkTransport(CommDriverRegistry& registry) {
    registry.Register(Rfc2217CommDriver::kScheme, std::make_shared<Rfc2217CommDriver>());
    registry.Register(SocketCommDriver::kScheme, std::make_shared<SocketCommDriver>());
    ErrorCatalog::Add({
        {kHostNotFound, BV_NOOP("ErrorCatalog", "The name does not resolve")},
        {kNoComPortOption, BV_NOOP("ErrorCatalog", "The server did not negotiate RFC 2217")},
        {kSettingNotAcknowledged,
         BV_NOOP("ErrorCatalog", "The server did not acknowledge a line setting")},
        // The device server's line is as good as unplugged.
        {kConnectionLost, BV_NOOP("ErrorCatalog", "The server closed the connection"),
         ErrorKind::Gone},
        {kNoLineControl,
         BV_NOOP("ErrorCatalog", "A raw TCP port carries no break and no line setting")},
        {kNameLookupTimedOut, BV_NOOP("ErrorCatalog", "The name service did not answer in time")},
        {kNameLookupFailed, BV_NOOP("ErrorCatalog", "The name service failed")},
        {kFlood, BV_NOOP("ErrorCatalog", "The server sends data without pause")},
    });
}

}  // namespace platform
