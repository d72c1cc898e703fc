#include <windows.h>

#include <cerrno>

#include "platform/os/LastError.h"

namespace platform {

// The system keeps the last error per thread already, and its own calls set it.
std::uint32_t GetLastError() {
    return ::GetLastError();
}

void SetLastError(std::uint32_t code) {
    ::SetLastError(code);
}

bool FailWithErrno() {
    SetLastError(errno == ENOMEM ? ERROR_NOT_ENOUGH_MEMORY : ERROR_GEN_FAILURE);
    return false;
}

std::string SystemErrorText(std::uint32_t code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0,
        nullptr);
    std::string result(text != nullptr ? text : "", length);
    LocalFree(text);
    // The system's texts end in a full stop and a line break; ours go inside a sentence.
    while (!result.empty() &&
           (result.back() == '\n' || result.back() == '\r' || result.back() == '.')) {
        result.pop_back();
    }
    return result;
}

ErrorKind KindOfSystemError(std::uint32_t code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return ErrorKind::NotFound;
        // A serial port held by another program refuses the open with "access denied".
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_BUSY:
            return ErrorKind::InUse;
        case ERROR_INVALID_FUNCTION:
        case ERROR_NOT_SUPPORTED:
            return ErrorKind::NotSerial;
        case ERROR_GEN_FAILURE:
        case ERROR_BAD_COMMAND:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_DEVICE_REMOVED:
            return ErrorKind::Gone;
        default:
            return ErrorKind::Other;
    }
}

std::uint32_t ErrorOfKind(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::NotFound:
            return ERROR_FILE_NOT_FOUND;
        case ErrorKind::PermissionDenied:
        case ErrorKind::InUse:
            return ERROR_ACCESS_DENIED;
        case ErrorKind::NotSerial:
            return ERROR_INVALID_FUNCTION;
        case ErrorKind::Gone:
            return ERROR_DEVICE_NOT_CONNECTED;
        case ErrorKind::Other:
            break;
    }
    return ERROR_INVALID_PARAMETER;
}

}  // namespace platform
