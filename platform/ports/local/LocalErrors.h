#pragma once
#include <cstdint>

namespace platform {

// The port is the terminal this program runs in (its controlling terminal, or its
// standard input, output or error): configuring it would wreck the user's session.
constexpr std::uint32_t kOwnTerminal = 0x20000007;

}  // namespace platform
