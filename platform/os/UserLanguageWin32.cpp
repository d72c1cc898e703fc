#include <windows.h>

#include "platform/os/UserLanguage.h"

std::string UserLanguage::Current() {
    // The language of the system's own texts for this user ("de-DE", "zh-CN"), which is what
    // the wizard's buttons and boxes are drawn in.
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = L"";
    const LCID lcid = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    if (LCIDToLocaleName(lcid, name, LOCALE_NAME_MAX_LENGTH, 0) <= 0) {
        return {};
    }
    std::string locale;
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        locale += static_cast<char>(*c < 0x80 ? *c : '?');
    }
    return Match(locale).value_or(std::string());
}
