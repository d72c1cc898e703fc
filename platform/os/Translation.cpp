#include "platform/os/Translation.h"

#include <atomic>

namespace platform {

namespace {
std::atomic<Translation::Lookup> g_lookup{nullptr};
}

void Translation::Use(Lookup lookup) {
    g_lookup.store(lookup);
}

std::string Translation::Text(const char* context, const char* source) {
    if (Lookup lookup = g_lookup.load()) {
        if (const char* text = lookup(context, source); text && *text)
            return text;
    }
    return source;
}

std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char next = pattern[i + 1];
            const auto index = static_cast<std::size_t>(next - '1');
            if (next >= '1' && next <= '9' && index < values.size()) {
                text += values.begin()[index];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

}  // namespace platform
