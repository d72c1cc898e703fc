#include "jobs/NotifyWindow.h"

bool NotifyWindow::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pTarget == nullptr) {
        return false;
    }
    m_pTarget->Post(message, wParam, lParam);
    return true;
}

void NotifyWindow::ProbingChanged() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pTarget != nullptr) {
        m_pTarget->ProbingChanged();
    }
}

void NotifyWindow::Detach() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pTarget = nullptr;
}
