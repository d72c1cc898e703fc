// The address half of TcpLink: plain text, the same on every system (the connection half
// is TcpLinkPosix.cpp or TcpLinkWin32.cpp).
#include <algorithm>

#include "platform/ports/net/TcpLink.h"

namespace platform {

bool TcpLink::ParseAddress(const std::string& address, std::string& host, std::string& port) {
    const std::size_t colon = address.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == address.size() ||
        address.size() - colon > 6) {
        return false;
    }
    port = address.substr(colon + 1);
    if (!std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
        std::stoul(port) > 65535) {
        return false;
    }
    host = address.substr(0, colon);
    if (host.front() == '[') {
        if (host.size() < 3 || host.back() != ']') {
            return false;
        }
        host = host.substr(1, host.size() - 2);
    }
    return host.find_first_of("/[] \t") == std::string::npos;
}

bool TcpLink::NeverResolves(const std::string& host) {
    const std::string suffix = ".invalid";
    std::string name = host;
    if (!name.empty() && name.back() == '.') {
        name.pop_back();
    }
    for (char& c : name) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return name == "invalid" ||
           (name.size() > suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0);
}

bool TcpLink::AddressOf(const std::string& device, const char* scheme, std::string& address) {
    const std::string prefix = scheme;
    std::string host;
    std::string port;
    if (device.compare(0, prefix.size(), prefix) != 0 ||
        !ParseAddress(device.substr(prefix.size()), host, port)) {
        return false;
    }
    address = device.substr(prefix.size());
    return true;
}

}  // namespace platform
