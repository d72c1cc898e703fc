#include "ui/wizard/WizardTexts.h"

#include <cctype>
#include <cstdio>

#include "res/version.h"

namespace wizard_text {

std::string Tr(const char* text) {
    return TrText(kContext, text);
}

std::string VersionSuffix(unsigned major, unsigned minor, unsigned patch, unsigned build) {
    (void)build;
    char text[64];
    if (patch != 0) {
        std::snprintf(text, sizeof text, " v. %u.%02u.%03u", major, minor, patch);
    } else {
        std::snprintf(text, sizeof text, " v. %u.%02u", major, minor);
    }
    return text;
}

std::string ProductVersionSuffix() {
    return VersionSuffix(BRINEVANE_VERSION_MAJOR, BRINEVANE_VERSION_MINOR, BRINEVANE_VERSION_PATCH,
                         BRINEVANE_VERSION_TWEAK);
}

const char* HomePage() {
    return BRINEVANE_HOMEPAGE;
}

std::string Sentence(const std::string& text) {
    std::string line = text;
    if (!line.empty()) {
        line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
    }
    return line;
}

}  // namespace wizard_text
