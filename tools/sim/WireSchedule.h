#pragma once
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>

// What is on one line's wire from the instrument to the host, and when the host's UART has
// each byte: the instrument's frames back to back after what is already on the wire, as
// UartWire decodes them at the host's rate, and single bytes put on it as they come (noise).
class WireSchedule {
  public:
    using Clock = std::chrono::steady_clock;

    // Sends bytes at sendRate after what is on the wire now, decoded at hostRate.
    void Transmit(const std::string& bytes, std::uint32_t sendRate, std::uint32_t hostRate);
    // A byte the host has at once, outside the instrument's frames.
    void Put(Clock::time_point at, char byte) { m_bytes.emplace_back(at, byte); }
    // What the host has decoded by now, taken off the wire.
    std::string TakeDue(Clock::time_point now);
    // Cut off: the wire falls silent (when the instrument's last frame ends stays as it was).
    void Clear() { m_bytes.clear(); }
    // The sender stops after the frame it is putting on the wire now, at its rate.
    void StopAfterFrameInFlight(Clock::time_point now, std::uint32_t sendRate);

    // When the next byte is due; none while the wire is empty.
    std::optional<Clock::time_point> NextDue() const;
    // When the instrument's last frame has left the wire.
    Clock::time_point FreeAt() const { return m_freeAt; }

  private:
    std::deque<std::pair<Clock::time_point, char>> m_bytes;
    Clock::time_point m_freeAt;
};
