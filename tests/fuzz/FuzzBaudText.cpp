// Any text in the baud list: reading it never overflows and agrees with strtoll where
// the number fits.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "serial/BaudText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int32_t rate = ReadBaudText(text);
    if (text.find('\0') == std::string::npos && text.size() < 15) {
        errno = 0;
        const long long expected = std::strtoll(text.c_str(), nullptr, 10);
        // strtoll also takes "0x" and other forms only after digits, which stop both.
        if (errno == 0 && expected >= INT32_MIN && expected <= INT32_MAX &&
            text.find_first_of("\f\v") == std::string::npos && expected != rate) {
            std::abort();
        }
    }
    return 0;
}
