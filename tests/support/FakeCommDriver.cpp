#include "tests/support/FakeCommDriver.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/os/LastError.h"
#include "platform/ports/CommDriverRegistry.h"

namespace support {

using platform::CommStatus;
using platform::CommTimeouts;
using platform::SetLastError;

class FakeCommPort final : public CommPort {
  public:
    explicit FakeCommPort(std::shared_ptr<FakeLine> line) : m_line(std::move(line)) {}
    ~FakeCommPort() override { Close(); }

    bool GetState(LineState& state) override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        if (m_line->Fails(FakeCall::GetState)) {
            return false;
        }
        state = m_line->m_state;
        return true;
    }
    bool SetState(const LineState& state) override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        if (m_line->Fails(FakeCall::SetState)) {
            return false;
        }
        if (m_line->m_refusedRates.count(state.baudRate) != 0) {
            SetLastError(EINVAL);
            return false;
        }
        m_line->m_state = state;
        return true;
    }
    bool SetQueueSizes(std::uint32_t in, std::uint32_t out) override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        if (m_line->Fails(FakeCall::SetQueueSizes)) {
            return false;
        }
        m_line->m_queueSizes = {in, out};
        return true;
    }
    bool SetTimeouts(const CommTimeouts&) override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        return !m_line->Fails(FakeCall::SetTimeouts);
    }
    bool ClearError(CommStatus& status) override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        if (m_line->Fails(FakeCall::ClearError)) {
            return false;
        }
        status.errors = 0;
        status.inQueue = m_line->m_reportWaiting != 0
                             ? m_line->m_reportWaiting
                             : static_cast<std::uint32_t>(m_line->m_input.size());
        status.outQueue = m_line->m_outQueue;
        return true;
    }
    bool Read(void* buffer, std::uint32_t count, std::uint32_t& done) override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        done = 0;
        if (m_line->Fails(FakeCall::Read)) {
            return false;
        }
        auto* bytes = static_cast<std::uint8_t*>(buffer);
        while (done < count && !m_line->m_input.empty()) {
            bytes[done++] = m_line->m_input.front();
            m_line->m_input.pop_front();
        }
        return true;
    }
    bool Write(const void* buffer, std::uint32_t count, std::uint32_t& done) override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        done = 0;
        if (m_line->Fails(FakeCall::Write)) {
            return false;
        }
        const std::uint32_t limit = m_line->m_writeLimit;
        done = (limit != 0 && limit < count) ? limit : count;
        m_line->m_written.append(static_cast<const char*>(buffer), done);
        return true;
    }
    platform::InputWait WaitForInput(platform::Event&,
                                     std::chrono::steady_clock::time_point) override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        return m_line->Fails(FakeCall::WaitForInput) ? platform::InputWait::Failed
                                                     : m_line->m_waitAnswer;
    }
    bool PurgeInput() override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        if (m_line->Fails(FakeCall::PurgeInput)) {
            return false;
        }
        m_line->m_input.clear();
        return true;
    }
    bool SetBreak() override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        return !m_line->Fails(FakeCall::SetBreak);
    }
    bool ClearBreak() override {
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        return !m_line->Fails(FakeCall::ClearBreak);
    }
    bool Close() override {
        if (m_closed) {
            return true;
        }
        m_closed = true;
        std::lock_guard<std::mutex> lock(m_line->m_mutex);
        m_line->m_open = false;
        return !m_line->Fails(FakeCall::Close);
    }

  private:
    std::shared_ptr<FakeLine> m_line;
    bool m_closed = false;
};

void FakeLine::RefuseRate(std::uint32_t rate) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_refusedRates.insert(rate);
}

bool FakeLine::Fails(FakeCall call) {
    ++m_counts[call];
    const auto failure = m_failures.find(call);
    if (failure == m_failures.end()) {
        return false;
    }
    SetLastError(failure->second);
    return true;
}

void FakeLine::Feed(const std::string& bytes) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_input.insert(m_input.end(), bytes.begin(), bytes.end());
}

std::size_t FakeLine::InputLeft() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_input.size();
}

std::string FakeLine::Written() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_written;
}

void FakeLine::SetOutQueue(std::uint32_t count) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_outQueue = count;
}

void FakeLine::Fail(FakeCall call, std::uint32_t error) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failures[call] = error;
}

void FakeLine::Clear(FakeCall call) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failures.erase(call);
}

void FakeLine::ReportWaiting(std::uint32_t count) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reportWaiting = count;
}

void FakeLine::AnswerWaits(platform::InputWait answer) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_waitAnswer = answer;
}

void FakeLine::LimitWrites(std::uint32_t count) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeLimit = count;
}

int FakeLine::Count(FakeCall call) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_counts[call];
}

bool FakeLine::IsOpen() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open;
}

LineState FakeLine::State() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

std::pair<std::uint32_t, std::uint32_t> FakeLine::QueueSizes() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queueSizes;
}

std::shared_ptr<FakeLine> FakeCommDriver::AddLine(const std::string& name) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto line = std::make_shared<FakeLine>();
    m_lines[name] = line;
    return line;
}

std::unique_ptr<CommPort> FakeCommDriver::Open(const std::string& path) {
    std::shared_ptr<FakeLine> line;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_lines.find(path);
        if (found == m_lines.end()) {
            SetLastError(ENOENT);
            return nullptr;
        }
        line = found->second;
    }
    std::lock_guard<std::mutex> lock(line->m_mutex);
    if (line->Fails(FakeCall::Open)) {
        return nullptr;
    }
    if (line->m_open) {
        SetLastError(EBUSY);
        return nullptr;
    }
    line->m_open = true;
    return std::make_unique<FakeCommPort>(line);
}

bool FakeCommDriver::Exists(const std::string& path) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lines.count(path) != 0;
}

ScopedFakeCommDriver::ScopedFakeCommDriver() {
    if (!platform::CommDriverRegistry::Process().Register(FakeCommDriver::kScheme, driver)) {
        // Two fakes at once would leave a test talking to lines it never set up.
        std::fprintf(stderr, "ScopedFakeCommDriver: %s is already registered\n",
                     FakeCommDriver::kScheme);
        std::abort();
    }
}

ScopedFakeCommDriver::~ScopedFakeCommDriver() {
    platform::CommDriverRegistry::Process().Unregister(FakeCommDriver::kScheme);
}

}  // namespace support
