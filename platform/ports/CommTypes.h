#pragma once
#include <cstdint>

namespace platform {

// The state of a line, in the serial link's own terms: rate in bits per second, parity
// (0 none, 1 odd, 2 even, 3 mark, 4 space), stop bits (0 one, 1 one and a half, 2 two),
// data bits, and the flow-control and modem-line choices.
struct LineState {
    std::uint32_t baudRate = 9600;
    std::uint8_t parity = 0;
    std::uint8_t stopBits = 0;
    std::uint8_t byteSize = 8;
    bool binary = true;
    bool outxCtsFlow = false;
    bool outxDsrFlow = false;
    bool dtrOn = true;
    bool dsrSensitivity = false;
    bool outX = false;
    bool inX = false;
    bool rtsOn = true;
    bool abortOnError = false;
};

// Time limits in milliseconds; a total read limit bounds a read that waits for bytes.
struct CommTimeouts {
    std::uint32_t readIntervalTimeout = 0;
    std::uint32_t readTotalTimeoutMultiplier = 0;
    std::uint32_t readTotalTimeoutConstant = 0;
    std::uint32_t writeTotalTimeoutMultiplier = 0;
    std::uint32_t writeTotalTimeoutConstant = 0;
};

// What clearing a port's error state reports: the line errors that were pending and the
// bytes received but not read, and written but not sent.
struct CommStatus {
    std::uint32_t errors = 0;
    std::uint32_t inQueue = 0;
    std::uint32_t outQueue = 0;
};

// How a wait for input on a line ended.
enum class InputWait {
    Input,        // bytes are waiting to be read (or the line has something to report)
    Stop,         // the stop event was set
    Timeout,      // the deadline passed
    Unsupported,  // the driver cannot block on its line: poll it in short passes instead
    Failed,       // the wait itself failed; the last error says why
    Ended,        // the line has ended for good (a connection closed): nothing more will come
};

}  // namespace platform
