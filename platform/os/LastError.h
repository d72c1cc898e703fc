#pragma once
#include <cstdint>
#include <string>

// The calling thread's last-error value. Failures of the OS layer store the system's own
// code (errno on POSIX, so a message can still say "Permission denied"; the Win32 error
// on Windows); the layers above add codes of their own (ErrorCatalog), which have bit 29
// set and never collide with a system code.
namespace platform {

std::uint32_t GetLastError();
void SetLastError(std::uint32_t code);

// Stores errno as the last error and returns false, for one-line failure returns.
bool FailWithErrno();

// A short text for a last-error value: the system's text for its codes, the catalog's for
// the program's own.
std::string LastErrorText(std::uint32_t code);
// The system's text for one of its codes.
std::string SystemErrorText(std::uint32_t code);

// What an error means for a serial port, whatever the system calls it.
enum class ErrorKind {
    NotFound,          // no device of that name
    PermissionDenied,  // the user may not open it
    InUse,             // another program holds it
    NotSerial,         // the name is a device, but not a serial line
    Gone,              // the device went away while in use
    Other,
};
ErrorKind KindOfError(std::uint32_t code);
// The kind of one of the system's codes.
ErrorKind KindOfSystemError(std::uint32_t code);
// The system's code for a kind, for failures found without a system call.
std::uint32_t ErrorOfKind(ErrorKind kind);

}  // namespace platform
