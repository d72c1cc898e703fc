#pragma once
#include <string>

namespace platform {

// The text without the spaces, tabs and line ends around it.
std::string Trim(const std::string& text);

}  // namespace platform
