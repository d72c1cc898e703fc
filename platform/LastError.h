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

// Network serial ports (device servers), numbered apart from the serial link's own codes.
// The device server's name does not resolve.
constexpr std::uint32_t kHostNotFound = 0x20000010;
// The server accepted the connection but did not agree to RFC 2217 in time.
constexpr std::uint32_t kNoComPortOption = 0x20000011;
// The server did not acknowledge a line setting (rate, framing, control, purge) in time.
constexpr std::uint32_t kSettingNotAcknowledged = 0x20000012;
// The server closed (or reset) the connection.
constexpr std::uint32_t kConnectionLost = 0x20000013;
// A raw TCP port: no break and no line setting reaches the serial line behind it.
constexpr std::uint32_t kNoLineControl = 0x20000014;

std::uint32_t GetLastError();
void SetLastError(std::uint32_t code);

// Stores errno as the last error and returns false, for one-line failure returns.
bool FailWithErrno();

// A short text for a last-error value: strerror for errno values, a description for
// the serial link's own codes.
std::string LastErrorText(std::uint32_t code);

}  // namespace platform
