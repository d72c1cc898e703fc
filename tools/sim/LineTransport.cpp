#include "tools/sim/LineTransport.h"

#include <cerrno>
#include <cstring>

LineTransport::~LineTransport() = default;

std::string LineTransport::ErrnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}
