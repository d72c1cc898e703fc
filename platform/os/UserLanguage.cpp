#include "platform/os/UserLanguage.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool IsCLocale(std::string_view locale) {
    // "C.UTF-8" is the C locale too, with another character set.
    const std::string_view name = locale.substr(0, locale.find('.'));
    return name == "C" || name == "POSIX";
}

}  // namespace

std::optional<std::string> UserLanguage::Match(std::string_view locale) {
    // language[_territory][.codeset][@modifier], or a tag such as zh-Hans-CN.
    locale = locale.substr(0, locale.find_first_of(".@"));
    const std::size_t split = locale.find_first_of("_-");
    const std::string language = Lower(locale.substr(0, split));
    std::string rest =
        split == std::string_view::npos ? std::string() : Lower(locale.substr(split));
    std::replace(rest.begin(), rest.end(), '_', '-');
    rest += '-';
    if (language == "en") {
        return std::string();
    }
    if (language == "pt") {
        return std::string("pt_BR");
    }
    if (language == "zh") {
        const bool traditional =
            rest.find("-hant-") != std::string::npos || rest.find("-tw-") != std::string::npos ||
            rest.find("-hk-") != std::string::npos || rest.find("-mo-") != std::string::npos;
        if (traditional) {
            return std::nullopt;
        }
        return std::string("zh_CN");
    }
    for (const char* catalog : kCatalogs) {
        if (language == catalog) {
            return language;
        }
    }
    return std::nullopt;
}

std::string UserLanguage::FromEnvironment(const Environment& environment) {
    const auto value = [&environment](const char* name) -> std::string_view {
        const char* text = environment(name);
        return text != nullptr ? text : "";
    };
    std::string_view locale = value("LC_ALL");
    if (locale.empty()) {
        locale = value("LC_MESSAGES");
    }
    if (locale.empty()) {
        locale = value("LANG");
    }
    if (locale.empty() || IsCLocale(locale)) {
        return {};
    }
    std::string_view list = value("LANGUAGE");
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view entry = list.substr(0, colon);
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        if (!entry.empty()) {
            if (std::optional<std::string> catalog = Match(entry)) {
                return *catalog;
            }
        }
    }
    return Match(locale).value_or(std::string());
}
