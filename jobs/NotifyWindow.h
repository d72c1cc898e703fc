#pragma once
#include <cstdint>
#include <memory>
#include <mutex>

#include "jobs/NotifyTarget.h"

// The job's handle on its host, shared by both. The host detaches when it goes away;
// posts after that are dropped, as messages to a destroyed window are, so a job that
// outlives its host never reaches freed memory.
class NotifyWindow {
  public:
    explicit NotifyWindow(NotifyTarget* target) : m_pTarget(target) {}
    NotifyWindow(const NotifyWindow&) = delete;
    NotifyWindow& operator=(const NotifyWindow&) = delete;

    static std::shared_ptr<NotifyWindow> Create(NotifyTarget* target) {
        return std::make_shared<NotifyWindow>(target);
    }

    // Returns false when the host has gone.
    bool Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    void ProbingChanged();
    void Detach();

  private:
    std::mutex m_mutex;
    NotifyTarget* m_pTarget;
};
