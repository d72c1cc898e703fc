#pragma once
#include <cstdint>

namespace platform {

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
// The name service gave no answer for the device server's name within the limit.
constexpr std::uint32_t kNameLookupTimedOut = 0x20000015;
// The name service could not be asked, or failed to answer (no server, a refusal).
constexpr std::uint32_t kNameLookupFailed = 0x20000016;
// The server sends bytes faster than any serial line carries them: not an instrument.
constexpr std::uint32_t kFlood = 0x20000017;

// Adds these codes to the error catalog (the driver registry's set-up does).
void AddNetworkErrors();

}  // namespace platform
