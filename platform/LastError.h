#pragma once
#include <cstdint>
#include <string>

// The calling thread's last-error value. Failures of the OS layer store the errno they
// met (so a message can still say "Permission denied"); the serial link adds its own
// application codes, which have bit 29 set and never collide with an errno.
namespace platform {

// The port is the terminal this program runs in (its controlling terminal, or its
// standard input, output or error): configuring it would wreck the user's session.
constexpr std::uint32_t kOwnTerminal = 0x20000007;

std::uint32_t GetLastError();
void SetLastError(std::uint32_t code);

// Stores errno as the last error and returns false, for one-line failure returns.
bool FailWithErrno();

// A short text for a last-error value: strerror for errno values, a description for
// the serial link's own codes.
std::string LastErrorText(std::uint32_t code);

}  // namespace platform
