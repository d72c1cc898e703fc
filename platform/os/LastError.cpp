#include "platform/os/LastError.h"

#include <cstdio>

#include "platform/os/ErrorCatalog.h"

namespace platform {
namespace {
constexpr std::uint32_t kProgramCode = 0x20000000;
}  // namespace

std::string LastErrorText(std::uint32_t code) {
    if (code == 0) {
        return "No error";
    }
    if (const ErrorCatalog::Entry* entry = ErrorCatalog::Find(code)) {
        return entry->text;
    }
    if ((code & kProgramCode) == 0) {
        std::string system = SystemErrorText(code);
        if (!system.empty()) {
            return system;
        }
    }
    char text[32];
    std::snprintf(text, sizeof text, "Error 0x%08X", static_cast<unsigned>(code));
    return text;
}

ErrorKind KindOfError(std::uint32_t code) {
    if ((code & kProgramCode) != 0) {
        const ErrorCatalog::Entry* entry = ErrorCatalog::Find(code);
        return entry != nullptr ? entry->kind : ErrorKind::Other;
    }
    return KindOfSystemError(code);
}

}  // namespace platform
