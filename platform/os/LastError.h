#pragma once
#include <cstdint>
#include <string>

// The calling thread's last-error value. Failures of the OS layer store the system's own
// code (errno on POSIX, so a message can still say "Permission denied"; the Win32 error
// on Windows); the serial link adds its own application codes, which have bit 29 set and
// never collide with a system code.
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
// The name service gave no answer for the device server's name within the limit.
constexpr std::uint32_t kNameLookupTimedOut = 0x20000015;
// The name service could not be asked, or failed to answer (no server, a refusal).
constexpr std::uint32_t kNameLookupFailed = 0x20000016;
// The server sends bytes faster than any serial line carries them: not an instrument.
constexpr std::uint32_t kFlood = 0x20000017;

std::uint32_t GetLastError();
void SetLastError(std::uint32_t code);

// Stores errno as the last error and returns false, for one-line failure returns.
bool FailWithErrno();

// A short text for a last-error value: the system's text for its codes, a description
// for the serial link's own codes.
std::string LastErrorText(std::uint32_t code);
// The system's text for one of its codes.
std::string SystemErrorText(std::uint32_t code);

// What a system error means for a serial port, whatever the system calls it.
enum class ErrorKind {
    NotFound,          // no device of that name
    PermissionDenied,  // the user may not open it
    InUse,             // another program holds it
    NotSerial,         // the name is a device, but not a serial line
    Gone,              // the device went away while in use
    Other,
};
ErrorKind KindOfError(std::uint32_t code);
// The system's code for a kind, for failures found without a system call.
std::uint32_t ErrorOfKind(ErrorKind kind);

}  // namespace platform
