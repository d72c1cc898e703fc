#include "platform/os/LastError.h"

#include <cstdio>

namespace platform {

std::string LastErrorText(std::uint32_t code) {
    switch (code) {
        case 0:
            return "No error";
        case 0x20000001:
            return "Port not open";
        case 0x20000002:
            return "Read of zero bytes requested";
        case 0x20000003:
            return "Write of zero bytes requested";
        case 0x20000004:
            return "Not enough room in the output queue";
        case 0x20000005:
            return "Write ended short";
        case kOwnTerminal:
            return "This program's own terminal";
        case kHostNotFound:
            return "The name does not resolve";
        case kNoComPortOption:
            return "The server did not negotiate RFC 2217";
        case kSettingNotAcknowledged:
            return "The server did not acknowledge a line setting";
        case kConnectionLost:
            return "The server closed the connection";
        case kNoLineControl:
            return "A raw TCP port carries no break and no line setting";
        case kNameLookupTimedOut:
            return "The name service did not answer in time";
        case kNameLookupFailed:
            return "The name service failed";
        case kFlood:
            return "The server sends data without pause";
        default:
            break;
    }
    if ((code & 0x20000000) == 0) {
        std::string system = SystemErrorText(code);
        if (!system.empty()) {
            return system;
        }
    }
    char text[32];
    std::snprintf(text, sizeof text, "Error 0x%08X", static_cast<unsigned>(code));
    return text;
}

}  // namespace platform
