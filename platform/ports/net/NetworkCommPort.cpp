#include "platform/ports/net/NetworkCommPort.h"

#include <algorithm>
#include <cstring>

#include "platform/os/LastError.h"
#include "platform/ports/net/NetworkErrors.h"

namespace platform {

bool NetworkCommPort::GetState(LineState& state) {
    state = m_state;
    return true;
}

bool NetworkCommPort::SetTimeouts(const CommTimeouts& timeouts) {
    m_timeouts = timeouts;
    return true;
}

void NetworkCommPort::Begin(Event* stop) {
    m_stop = stop;
    m_since = TcpLink::Clock::now();
    m_bytesIn = 0;
}

bool NetworkCommPort::Fail(std::uint32_t error) {
    m_link.Close();
    m_failure = error;
    SetLastError(error);
    return false;
}

void NetworkCommPort::Keep(const std::string& data) {
    m_received.append(data, 0, std::min(data.size(), kReceiveLimit - m_received.size()));
}

bool NetworkCommPort::Pump() {
    if (m_failure != 0) {
        SetLastError(m_failure);
        return false;
    }
    std::string bytes;
    const bool open = m_link.Receive(bytes, kReadChunk);
    m_bytesIn += bytes.size();
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(TcpLink::Clock::now() - m_since);
    if (m_bytesIn > kFloodAllowance +
                        kFloodBytesPerSecond * static_cast<std::uint64_t>(elapsed.count()) / 1000) {
        m_received.clear();  // nothing of a flood is an instrument's answer
        return Fail(kFlood);
    }
    if (!bytes.empty() && !Decode(bytes)) {
        return Fail(GetLastError());
    }
    if (!open) {
        // The end is reported from now on, never polled again.
        return Fail(kConnectionLost);
    }
    return true;
}

bool NetworkCommPort::ClearError(CommStatus& status) {
    if (!Pump() && m_received.empty()) {
        return false;
    }
    status.errors = 0;
    status.inQueue =
        static_cast<std::uint32_t>(std::min<std::size_t>(m_received.size(), UINT32_MAX));
    status.outQueue = 0;  // the kernel has taken every byte a write returned for
    return true;
}

bool NetworkCommPort::Read(void* buffer, std::uint32_t count, std::uint32_t& done) {
    if (m_received.size() < count && !Pump() && m_received.empty()) {
        done = 0;
        return false;
    }
    done = static_cast<std::uint32_t>(std::min<std::size_t>(count, m_received.size()));
    std::memcpy(buffer, m_received.data(), done);
    m_received.erase(0, done);
    return true;
}

TcpLink::Clock::time_point NetworkCommPort::WriteDeadline(std::size_t bytes) const {
    const std::uint32_t rate = m_state.baudRate != 0 ? m_state.baudRate : 9600;
    return TcpLink::Clock::now() + std::chrono::milliseconds(2000 + 10ULL * 1000 * bytes / rate +
                                                             m_timeouts.writeTotalTimeoutConstant);
}

bool NetworkCommPort::WriteWatching(const void* buffer, std::uint32_t count, std::uint32_t& done,
                                    Event* stop) {
    done = 0;
    if (m_failure != 0) {
        SetLastError(m_failure);
        return false;
    }
    if (!m_link.SendAll(Encode(buffer, count), WriteDeadline(count), stop)) {
        return false;
    }
    done = count;
    return true;
}

bool NetworkCommPort::Write(const void* buffer, std::uint32_t count, std::uint32_t& done) {
    return WriteWatching(buffer, count, done, m_stop);
}

bool NetworkCommPort::WriteOrStop(const void* buffer, std::uint32_t count, std::uint32_t& done,
                                  Event& stop) {
    return WriteWatching(buffer, count, done, &stop);
}

InputWait NetworkCommPort::WaitForInput(Event& stop,
                                        std::chrono::steady_clock::time_point deadline) {
    if (!TcpLink::CanWatch(stop)) {
        return InputWait::Unsupported;
    }
    for (;;) {
        if (!m_received.empty()) {
            return InputWait::Input;
        }
        if (!m_link.IsOpen()) {
            SetLastError(m_failure != 0 ? m_failure : kConnectionLost);
            return InputWait::Ended;
        }
        const InputWait waited = m_link.WaitReadable(&stop, deadline);
        if (waited != InputWait::Input) {
            return waited;
        }
        // Protocol bytes alone (a notification) wake the socket but bring no input.
        if (!Pump() && m_received.empty()) {
            return InputWait::Ended;  // Pump has said why
        }
    }
}

bool NetworkCommPort::PurgeInput() {
    if (!Pump() && m_received.empty()) {
        return false;
    }
    m_received.clear();
    return true;
}

bool NetworkCommPort::Close() {
    m_link.Close();
    m_received.clear();
    return true;
}

}  // namespace platform
