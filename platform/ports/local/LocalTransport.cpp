#include "platform/ports/local/LocalTransport.h"

#include <memory>

#include "platform/os/ErrorCatalog.h"
#include "platform/os/Translation.h"
#include "platform/ports/CommDriverRegistry.h"
#include "platform/ports/local/LocalErrors.h"
#ifdef _WIN32
#include "platform/ports/local/Win32CommDriver.h"
#else
#include "platform/ports/local/TermiosCommDriver.h"
#endif

namespace platform {

void AddLocalTransport(CommDriverRegistry& registry) {
#ifdef _WIN32
    registry.Register(CommDriverRegistry::kSystemPrefix, std::make_shared<Win32CommDriver>());
#else
    registry.Register(CommDriverRegistry::kSystemPrefix, std::make_shared<TermiosCommDriver>());
#endif
    ErrorCatalog::Add({{kOwnTerminal, BV_NOOP("ErrorCatalog", "This program's own terminal")}});
}

}  // namespace platform
