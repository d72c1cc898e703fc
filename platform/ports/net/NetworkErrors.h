#pragma once
#include <cerrno>
#include <cstdint>

namespace platform {

// The system's codes for what a link to a device server meets, named once for both
// systems (errno values on POSIX, Win32 and Winsock codes on Windows), so that the
// protocol code and the failure texts above the link are the same on both.
#ifdef _WIN32
constexpr std::uint32_t kLinkStopped = 1223;          // ERROR_CANCELLED
constexpr std::uint32_t kLinkTimedOut = 10060;        // WSAETIMEDOUT
constexpr std::uint32_t kLinkRefused = 10061;         // WSAECONNREFUSED
constexpr std::uint32_t kHostUnreachable = 10065;     // WSAEHOSTUNREACH
constexpr std::uint32_t kNetworkUnreachable = 10051;  // WSAENETUNREACH
constexpr std::uint32_t kLinkSettingRefused = 87;     // ERROR_INVALID_PARAMETER
constexpr std::uint32_t kLinkBusy = 170;              // ERROR_BUSY
constexpr std::uint32_t kLinkNoSuchName = 2;          // ERROR_FILE_NOT_FOUND
#else
constexpr std::uint32_t kLinkStopped = ECANCELED;
constexpr std::uint32_t kLinkTimedOut = ETIMEDOUT;
constexpr std::uint32_t kLinkRefused = ECONNREFUSED;
constexpr std::uint32_t kHostUnreachable = EHOSTUNREACH;
constexpr std::uint32_t kNetworkUnreachable = ENETUNREACH;
constexpr std::uint32_t kLinkSettingRefused = EINVAL;
constexpr std::uint32_t kLinkBusy = EBUSY;
constexpr std::uint32_t kLinkNoSuchName = ENOENT;
#endif

// The network ports' own codes (the error catalog holds their texts), apart from the
// serial link's.
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

}  // namespace platform
