#pragma once
#include <cstdint>

// The line settings through termios2, so that any rate reaches the line (14400, 56000,
// 128000 and 256000 have no B-constant). Kept in a source of their own: the kernel's
// termios header clashes with the C library's.
namespace platform {

struct RawLine {
    std::uint32_t rate;
    std::uint8_t dataBits;  // 5 to 8
    std::uint8_t parity;    // 0 none, 1 odd, 2 even, 3 mark, 4 space
    bool twoStopBits;
};

// Puts the tty in raw mode (no echo, no canonical input, no CR/LF translation either way,
// no flow control, reads never block) with both rates set to line.rate.
bool SetRawLine(int fd, const RawLine& line);

// Reads the line back; the rate is the output rate. Works on a pty master too.
bool GetRawLine(int fd, RawLine& line);

// The input and output rates as the kernel holds them.
bool GetLineRates(int fd, std::uint32_t& inputRate, std::uint32_t& outputRate);

// A tty's whole settings as the kernel holds them (custom rates included), kept at open
// to be put back at close, as a line's other users expect to find it.
struct SavedLine {
    alignas(8) unsigned char bytes[64];
};
bool SaveLine(int fd, SavedLine& line);
bool RestoreLine(int fd, const SavedLine& line);

}  // namespace platform
