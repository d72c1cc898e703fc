#pragma once

namespace platform {

class CommDriverRegistry;

// The serial lines of this computer: the system's driver under the system's prefix, and
// its error codes into the error catalog.
void AddLocalTransport(CommDriverRegistry& registry);

}  // namespace platform
