#pragma once
#include <cstdint>

// What a probe does to its line: the acts of the instrument's dialogue. A job's port does
// them through the serial link; a model of the wire can do them in a test.
class ProbeLine {
  public:
    virtual ~ProbeLine() = default;
    // Sets the line to the rate; false, with the error left as the last one, when it cannot
    // run at it (or its device has gone). A line that only plays a probe's acts takes any.
    virtual bool SetRate(std::uint32_t /*rate*/) { return true; }
    // Discards what waits in the input, then raises the break.
    virtual bool BeginBreak() = 0;
    virtual bool EndBreak() = 0;
    virtual bool WriteLineFeed() = 0;
    virtual std::uint32_t Baud() const = 0;
    // For the trace: "COM2".
    virtual const char* Name() const = 0;
};
