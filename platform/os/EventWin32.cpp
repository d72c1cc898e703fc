#include <windows.h>

#include <chrono>

#include "platform/os/Event.h"
#include "platform/os/LastError.h"

namespace platform {

Event::Event() : m_handle(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

Event::~Event() {
    if (m_handle != nullptr) {
        CloseHandle(m_handle);
    }
}

bool Event::Set() {
    return m_handle != nullptr && SetEvent(m_handle) != 0;
}

bool Event::Reset() {
    return m_handle != nullptr && ResetEvent(m_handle) != 0;
}

WaitResult Event::WaitUntil(std::chrono::steady_clock::time_point deadline) {
    if (m_handle == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WaitResult::Failed;
    }
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        // Whole milliseconds, rounded up, so that a wait never ends before its deadline.
        const DWORD timeout = left.count() <= 0 ? 0 : static_cast<DWORD>(left.count()) + 1;
        switch (WaitForSingleObject(m_handle, timeout)) {
            case WAIT_OBJECT_0:
                return WaitResult::Signaled;
            case WAIT_ABANDONED:
                return WaitResult::Abandoned;
            case WAIT_TIMEOUT:
                if (timeout == 0 || std::chrono::steady_clock::now() >= deadline) {
                    return WaitResult::Timeout;
                }
                break;  // woke early: wait the rest
            default:
                return WaitResult::Failed;
        }
    }
}

}  // namespace platform
