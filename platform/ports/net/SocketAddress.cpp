#include "platform/ports/net/SocketAddress.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netinet/in.h>
#include <sys/socket.h>
#endif

#include <cstring>

namespace platform {

static_assert(sizeof(sockaddr_storage) <= sizeof(SocketAddress::bytes),
              "a system address fits a SocketAddress");

bool SocketAddress::Assign(const void* address, std::size_t length) {
    const auto* system = static_cast<const sockaddr*>(address);
    if (length > sizeof bytes || (system->sa_family != AF_INET && system->sa_family != AF_INET6)) {
        return false;
    }
    family = system->sa_family;
    size = length;
    std::memcpy(bytes, address, length);
    return true;
}

}  // namespace platform
