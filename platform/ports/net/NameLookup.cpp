// What the lookups of both systems share: the addresses given as numbers, and the order in
// which the connection tries the addresses found.
#include "platform/ports/net/NameLookup.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <sys/socket.h>
#endif

#include <algorithm>

namespace platform {

bool NameLookup::Run(const std::string& host, const std::string& port, Clock::time_point deadline,
                     Event* stop, std::vector<SocketAddress>& found) {
    found.clear();
    if (!Numeric(host, port, found) && !Ask(host, port, deadline, stop, found)) {
        return false;
    }
    TakeTurns(found);
    return true;
}

bool NameLookup::Numeric(const std::string& host, const std::string& port,
                         std::vector<SocketAddress>& found) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    addrinfo* numeric = nullptr;
    if (getaddrinfo(host.c_str(), port.c_str(), &hints, &numeric) != 0) {
        return false;
    }
    Collect(numeric, found);
    freeaddrinfo(numeric);
    return !found.empty();
}

void NameLookup::TakeTurns(std::vector<SocketAddress>& addresses) {
    if (addresses.empty()) {
        return;
    }
    std::vector<SocketAddress> byFamily[2];
    for (const SocketAddress& address : addresses) {
        byFamily[address.family == addresses.front().family ? 0 : 1].push_back(address);
    }
    addresses.clear();
    for (std::size_t i = 0; i < std::max(byFamily[0].size(), byFamily[1].size()); ++i) {
        for (const auto& family : byFamily) {
            if (i < family.size()) {
                addresses.push_back(family[i]);
            }
        }
    }
}

}  // namespace platform
