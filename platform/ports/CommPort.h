#pragma once
#include <chrono>
#include <cstdint>

#include "platform/os/Event.h"
#include "platform/ports/CommTypes.h"

namespace platform {

// One open serial port. Every operation returns false on failure with the thread's last
// error set. Reads and writes complete within the call: a read takes only what has
// arrived, a write waits until the driver has taken every byte.
class CommPort {
  public:
    virtual ~CommPort() = default;

    virtual bool GetState(LineState& state) = 0;
    virtual bool SetState(const LineState& state) = 0;
    // Recommends the driver's queue sizes in bytes.
    virtual bool SetQueueSizes(std::uint32_t inQueue, std::uint32_t outQueue) = 0;
    virtual bool SetTimeouts(const CommTimeouts& timeouts) = 0;
    // Clears the line's error state and reports it with the queue counts.
    virtual bool ClearError(CommStatus& status) = 0;
    virtual bool Read(void* buffer, std::uint32_t count, std::uint32_t& done) = 0;
    virtual bool Write(const void* buffer, std::uint32_t count, std::uint32_t& done) = 0;
    // Writes as Write does, but a stop event set while the write waits for room ends it at
    // once, short, with ECANCELED. A driver whose writes never wait keeps this default.
    virtual bool WriteOrStop(const void* buffer, std::uint32_t count, std::uint32_t& done,
                             Event& /*stop*/) {
        return Write(buffer, count, done);
    }
    // Discards what waits in the input queue; the output side is left alone.
    virtual bool PurgeInput() = 0;
    virtual bool SetBreak() = 0;
    virtual bool ClearBreak() = 0;
    // Sleeps until input is waiting, the stop event is set or the deadline passes, and
    // says which. A driver that cannot block on its line keeps this default, and its
    // caller polls in short passes instead.
    virtual InputWait WaitForInput(Event& /*stop*/,
                                   std::chrono::steady_clock::time_point /*deadline*/) {
        return InputWait::Unsupported;
    }
    // Whether the rate, the framing and the break reach the serial line: not over a raw
    // TCP port, whose device server keeps its line as it was set up there.
    virtual bool ControlsLine() const { return true; }
    // A descriptor that poll shows readable while input waits, for a wait over several
    // lines at once (InputWaitSet); -1 for a driver that has none, whose line is polled.
    virtual int InputDescriptor() { return -1; }
    // Releases the port at once, discarding unsent output. The object is spent afterwards.
    virtual bool Close() = 0;
};

}  // namespace platform
