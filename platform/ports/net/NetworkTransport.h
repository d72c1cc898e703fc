#pragma once

namespace platform {

class CommDriverRegistry;

// Serial device servers: the RFC 2217 and raw socket drivers under their schemes, and the
// network's error codes into the error catalog.
void AddNetworkTransport(CommDriverRegistry& registry);

}  // namespace platform
