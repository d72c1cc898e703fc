#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/ports/CommDriver.h"

namespace support {

using platform::CommPort;
using platform::LineState;

// The operations of a fake line that a test can make fail.
enum class FakeCall {
    Open,
    GetState,
    SetState,
    SetQueueSizes,
    SetTimeouts,
    ClearError,
    Read,
    Write,
    PurgeInput,
    SetBreak,
    ClearBreak,
    WaitForInput,
    Close
};

// One scripted line: the bytes the instrument has sent, what the host wrote, the output
// queue count the driver reports, and the calls made to it. Thread-safe, so a test can
// feed bytes while a job's worker polls.
class FakeLine {
  public:
    void Feed(const std::string& bytes);
    std::size_t InputLeft();
    std::string Written();
    void SetOutQueue(std::uint32_t count);
    // Makes every later call of that kind fail with the error (until cleared).
    void Fail(FakeCall call, std::uint32_t error = 5 /* EIO */);
    void Clear(FakeCall call);
    // The line cannot be set to that rate (EINVAL), as an adapter that lacks it.
    void RefuseRate(std::uint32_t rate);
    // Reports waiting bytes whatever the queue holds (with Read failing: a broken port).
    void ReportWaiting(std::uint32_t count);
    // Each write takes at most this many bytes and still reports success (0: no limit).
    void LimitWrites(std::uint32_t count);
    // What every wait for input answers at once; by default a fake cannot block, as a
    // driver without a descriptor (Unsupported), and its waits poll in passes.
    void AnswerWaits(platform::InputWait answer);
    int Count(FakeCall call);
    bool IsOpen();
    LineState State();
    std::pair<std::uint32_t, std::uint32_t> QueueSizes();

  private:
    friend class FakeCommDriver;
    friend class FakeCommPort;
    bool Fails(FakeCall call);  // counts the call; sets the last error when it fails

    std::mutex m_mutex;
    std::deque<std::uint8_t> m_input;
    std::string m_written;
    std::uint32_t m_outQueue = 0;
    std::uint32_t m_reportWaiting = 0;
    std::uint32_t m_writeLimit = 0;
    platform::InputWait m_waitAnswer = platform::InputWait::Unsupported;
    std::map<FakeCall, std::uint32_t> m_failures;
    std::set<std::uint32_t> m_refusedRates;
    std::map<FakeCall, int> m_counts;
    bool m_open = false;
    LineState m_state;
    std::pair<std::uint32_t, std::uint32_t> m_queueSizes{0, 0};
};

// A driver of fake lines keyed by name, exclusive like the real one. It serves its own
// scheme, so that real ttys stay with their own driver while a test runs.
class FakeCommDriver : public platform::CommDriver {
  public:
    static constexpr const char* kScheme = "fake://";

    // The name is the scheme and a word: "fake://com1".
    std::shared_ptr<FakeLine> AddLine(const std::string& name);
    std::unique_ptr<CommPort> Open(const std::string& path) override;
    bool Exists(const std::string& path) override;

  private:
    std::mutex m_mutex;
    std::map<std::string, std::shared_ptr<FakeLine>> m_lines;
};

// Registers a fake driver under its scheme for the scope of a test.
class ScopedFakeCommDriver {
  public:
    ScopedFakeCommDriver();
    ~ScopedFakeCommDriver();
    ScopedFakeCommDriver(const ScopedFakeCommDriver&) = delete;
    ScopedFakeCommDriver& operator=(const ScopedFakeCommDriver&) = delete;

    const std::shared_ptr<FakeCommDriver> driver = std::make_shared<FakeCommDriver>();
};

}  // namespace support
