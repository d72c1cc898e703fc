#pragma once
#include <cstddef>

namespace platform {

// One IPv4 or IPv6 address of a host, in the system's own form (a sockaddr).
struct SocketAddress {
    int family = 0;
    std::size_t size = 0;
    alignas(8) unsigned char bytes[128] = {};

    // Takes a system address of length bytes; false for one of another family, or too long.
    bool Assign(const void* address, std::size_t length);
};

}  // namespace platform
