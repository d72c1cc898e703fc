#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The language the user reads, among those the program's catalogs speak: "de", "fr", "es",
// "pt_BR", "zh_CN" or "ja"; empty for English, which needs no catalog.
class UserLanguage {
  public:
    static constexpr const char* kCatalogs[] = {"de", "fr", "es", "pt_BR", "zh_CN", "ja"};

    // This user's: on Linux from the environment, as gettext reads it; on Windows the user's
    // language of the system's own texts.
    static std::string Current();

    // The catalog for one locale name ("de_AT.UTF-8", "pt", "zh-Hans-CN", "en_GB"): empty for
    // English, nothing for a language there is no catalog for. Any Portuguese reads the
    // Brazilian catalog; Chinese in simplified characters (China, Singapore, Hans) the
    // Chinese one, and in traditional ones none.
    static std::optional<std::string> Match(std::string_view locale);

    // gettext's order over an environment (name -> value, or null): the first of LC_ALL,
    // LC_MESSAGES and LANG that is set names the locale; C or POSIX means English; otherwise
    // LANGUAGE's colon-separated list, when set, is read first to last, and its first entry
    // with a catalog (or English) wins; without one, the locale itself decides.
    using Environment = std::function<const char*(const char* name)>;
    static std::string FromEnvironment(const Environment& environment);
};
