// Any bytes from the line: the prompt wait finds ">" exactly when it was sent, leaves the
// bytes after it queued, and never reads past what the line held.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "jobs/CThread.h"
#include "jobs/PromptWait.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "tests/support/FakeCommDriver.h"

namespace {

// A job that is never started: the wait only needs its stop event.
class IdleJob : public CThread {
  public:
    IdleJob() { m_pStopEvent = std::make_shared<platform::Event>(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The scheme is registered before the map is read, or the map would refuse the name.
    static support::ScopedFakeCommDriver* fake = [] {
        auto* registered = new support::ScopedFakeCommDriver();
        setenv("BRINEVANE_PORTS", "COM1=fake://fuzz", 1);
        PortMap::Refresh();
        return registered;
    }();
    auto line = fake->driver->AddLine("fake://fuzz");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    line->Feed(bytes);

    CSerial serial;
    if (!serial.Open("COM1", 9600, 0, 0, 8, 4096, 4096)) {
        std::abort();
    }
    IdleJob job;
    const bool found = WaitForChar(serial, job, kPrompt, 2);
    const auto prompt = bytes.find(static_cast<char>(kPrompt));
    if (found != (prompt != std::string::npos)) {
        std::abort();
    }
    const std::size_t left = found ? bytes.size() - prompt - 1 : 0;
    if (line->InputLeft() != left) {
        std::abort();
    }
    return 0;
}
