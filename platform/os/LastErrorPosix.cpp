#include <cerrno>
#include <cstring>

#include "platform/os/LastError.h"

namespace platform {
namespace {
thread_local std::uint32_t t_lastError = 0;
}

std::uint32_t GetLastError() {
    return t_lastError;
}

void SetLastError(std::uint32_t code) {
    t_lastError = code;
}

bool FailWithErrno() {
    SetLastError(static_cast<std::uint32_t>(errno));
    return false;
}

std::string SystemErrorText(std::uint32_t code) {
    return code < 0x10000 ? std::strerror(static_cast<int>(code)) : std::string();
}

ErrorKind KindOfSystemError(std::uint32_t code) {
    switch (code) {
        case ENOENT:
            return ErrorKind::NotFound;
        case EACCES:
        case EPERM:
            return ErrorKind::PermissionDenied;
        case EBUSY:
        case EAGAIN:
            return ErrorKind::InUse;
        case ENOTTY:
            return ErrorKind::NotSerial;
        case EIO:
        case ENXIO:
        case ENODEV:
            return ErrorKind::Gone;
        default:
            return ErrorKind::Other;
    }
}

std::uint32_t ErrorOfKind(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::NotFound:
            return ENOENT;
        case ErrorKind::PermissionDenied:
            return EACCES;
        case ErrorKind::InUse:
            return EBUSY;
        case ErrorKind::NotSerial:
            return ENOTTY;
        case ErrorKind::Gone:
            return EIO;
        case ErrorKind::Other:
            break;
    }
    return EINVAL;
}

}  // namespace platform
