#pragma once
#include <cstdint>
#include <string>

// Reads a baud rate as the settings page shows it: leading blanks skipped, an optional
// sign, then decimal digits up to the first other character; 0 when there is no digit.
// A number too large for the rate's 32 bits saturates instead of overflowing.
std::int32_t ReadBaudText(const std::string& text);
