#include "platform/ports/local/LocalErrors.h"

#include "platform/os/ErrorCatalog.h"

namespace platform {

void AddLocalErrors() {
    ErrorCatalog::Add({{kOwnTerminal, "This program's own terminal"}});
}

}  // namespace platform
