#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One byte as a receiving UART decoded it off the wire.
struct DecodedByte {
    std::uint8_t value = 0;
    bool framingError = false;  // the stop bit read 0
    // When the receiver had the byte (its stop-bit sample), from the start of the sending.
    std::uint64_t doneAtNs = 0;
};

// What a UART receiving at one rate decodes from bytes sent at another, 8N1 both ways.
// The sender puts its frames back to back (start bit 0, eight data bits least significant
// first, stop bit 1) and the line idles high before and after. The receiver waits for a
// falling edge, then reads each of its ten bit cells by the majority of three samples at
// 7/16, 8/16 and 9/16 of the cell, as a 16x-clocked UART does; a start cell that reads 1 was
// a glitch, and after the stop cell it waits for the next falling edge. At equal rates the
// bytes come through unchanged; at other rates the result is the garbage a real line gives,
// deterministic for a given text, and it can hold any byte, a clean '>' among them.
class UartWire {
  public:
    static std::vector<DecodedByte> Receive(const std::string& sent, std::uint32_t sentRate,
                                            std::uint32_t receiveRate);
    // Just the values, as a program reading a raw line (no parity checking) gets them.
    static std::string ReceiveBytes(const std::string& sent, std::uint32_t sentRate,
                                    std::uint32_t receiveRate);
    // How long the sender takes to put the bytes on the wire.
    static std::uint64_t SendingNs(std::size_t bytes, std::uint32_t rate);
};
