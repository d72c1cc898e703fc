#include "platform/os/LastError.h"

#include <cstdio>

#include "platform/os/ErrorCatalog.h"
#include "platform/os/Translation.h"

namespace platform {
namespace {
constexpr std::uint32_t kProgramCode = 0x20000000;
}  // namespace

std::string LastErrorText(std::uint32_t code) {
    if (code == 0) {
        return TrText("LastError", "No error");
    }
    if (const ErrorCatalog::Entry* entry = ErrorCatalog::Find(code)) {
        return TrText("ErrorCatalog", entry->text);
    }
    if ((code & kProgramCode) == 0) {
        std::string system = SystemErrorText(code);
        if (!system.empty()) {
            return system;
        }
    }
    char number[16];
    std::snprintf(number, sizeof number, "0x%08X", static_cast<unsigned>(code));
    //: An error the program has no words for; %1 is its code (0x20000007).
    return FillText(TrText("LastError", "Error %1"), {number});
}

ErrorKind KindOfError(std::uint32_t code) {
    if ((code & kProgramCode) != 0) {
        const ErrorCatalog::Entry* entry = ErrorCatalog::Find(code);
        return entry != nullptr ? entry->kind : ErrorKind::Other;
    }
    return KindOfSystemError(code);
}

}  // namespace platform
