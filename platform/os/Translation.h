#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// The texts people read, in their language. lupdate finds every text marked here:
// TrText("Context", "text") where it is shown, or BV_NOOP("Context", "text") where only a
// constant can stand (a table, the resource script), with TrText and the same context
// where it is shown. With no catalog in use, or no entry for a text, the text itself
// comes back unchanged, so English stays exactly as written.
#define BV_NOOP(context, source) source

namespace platform {

class Translation {
  public:
    // Looks a text up in the catalog in use; null when it has no entry for it.
    using Lookup = const char* (*)(const char* context, const char* source);

    // Puts a catalog in use for the whole program (null: none). Safe from any thread;
    // the lookup must stay valid until another replaces it.
    static void Use(Lookup lookup);
    static std::string Text(const char* context, const char* source);
};

// Fills %1 to %9 in a (translated) pattern, each in one pass: a value that itself holds
// "%2" stays as it is, as QString::arg does it. A number with no value stays too.
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace platform

inline std::string TrText(const char* context, const char* source) {
    return platform::Translation::Text(context, source);
}
