#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "platform/os/Event.h"
#include "platform/ports/net/SocketAddress.h"

namespace platform {

// The addresses of a device server's name, found within a deadline and never past a set
// stop, which the system's own getaddrinfo can do neither of: c-ares on POSIX, a thread of
// its own on Windows.
class NameLookup {
  public:
    using Clock = std::chrono::steady_clock;

    // The addresses of host for port, the two families taking turns (RFC 8305), so that a
    // family that does not route costs one attempt's head start, not every address of it.
    // False with the last error set: kHostNotFound, kNameLookupTimedOut, kNameLookupFailed,
    // or kLinkStopped.
    static bool Run(const std::string& host, const std::string& port, Clock::time_point deadline,
                    Event* stop, std::vector<SocketAddress>& found);

    // Appends the IPv4 and IPv6 addresses of a system's list (addrinfo, or its like).
    template <typename Node>
    static void Collect(const Node* first, std::vector<SocketAddress>& into) {
        for (const Node* node = first; node != nullptr; node = node->ai_next) {
            SocketAddress address;
            if (address.Assign(node->ai_addr, static_cast<std::size_t>(node->ai_addrlen))) {
                into.push_back(address);
            }
        }
    }

  private:
    // An address given as numbers, which needs no name service.
    static bool Numeric(const std::string& host, const std::string& port,
                        std::vector<SocketAddress>& found);
    // Asks the system's name service.
    static bool Ask(const std::string& host, const std::string& port, Clock::time_point deadline,
                    Event* stop, std::vector<SocketAddress>& found);
    // Puts the addresses in the order Run gives them: the two families taking turns.
    static void TakeTurns(std::vector<SocketAddress>& addresses);
};

}  // namespace platform
