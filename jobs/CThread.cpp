#include "jobs/CThread.h"

#include "jobs/PromptAtRest.h"

#include "platform/os/Alert.h"
#include "platform/os/LastError.h"
#include "platform/os/Trace.h"
#include "platform/os/Translation.h"

CThread::CThread() = default;

CThread::~CThread() = default;

bool CThread::Create(const char* name, WindowPtr notifyWnd, EventPtr stopEvent,
                     EventPtr stoppedEvent) {
    m_strName = name != nullptr ? name : "";
    m_hNotifyWnd = std::move(notifyWnd);
    m_pStopEvent = std::move(stopEvent);
    m_pStoppedEvent = std::move(stoppedEvent);
    if (name == nullptr || !m_hNotifyWnd || !m_pStopEvent || !m_pStoppedEvent) {
        return false;
    }
    // Raised before the thread exists, not when it begins to run: a StopRunning from the
    // host in between would otherwise be overwritten and the loop would never end.
    m_bRunning = true;
    // The thread may end and delete this object as soon as it runs: record it and trace
    // before it is let go.
    const bool started = platform::StartWorkerThread(
        &CThread::ThreadProc, this, [this](const platform::WorkerThread& thread) {
            m_pThread = thread;
            TRACE("CThread::Create:  Started thread '%s'   addr=%p  ID=%lX\n", m_strName.c_str(),
                  static_cast<void*>(&m_pThread), static_cast<unsigned long>(thread.id));
        });
    if (!started) {
        m_bRunning = false;  // nothing runs; the object is still the host's
    }
    return started;
}

unsigned CThread::ThreadProc(void* param) {
    if (param == nullptr) {
        return 0;
    }
    CThread* thread = static_cast<CThread*>(param);
    const std::string name = thread->GetName();
    thread->Run();
    TRACE("Stopping thread '%s' and signaling main\n", name.c_str());
    if (!thread->SignalStopped()) {
        TRACE("ThreadProc[%s]::Can't signal Stop event!\n", name.c_str());
        //: A message box. %1 is the job's thread name (search or program), which stays as is.
        platform::ShowAlert(platform::FillText(
            TrText("CThread", "ThreadProc[%1]::Can't signal Stop event!"), {name}));
    }
    if (thread->m_bAutoDelete) {
        TRACE("ThreadProc: Freeing CThread @%p\n", static_cast<void*>(thread));
        delete thread;
    }
    return 0;
}

bool CThread::IsStopRequested() {
    switch (m_pStopEvent->Wait(0)) {
        case platform::WaitResult::Timeout:
            return false;
        case platform::WaitResult::Signaled:
            return true;
        case platform::WaitResult::Failed:
            TRACE("WAIT_FAILED waiting for a thread to stop! GetLastError() = %d",
                  static_cast<int>(platform::GetLastError()));
            return true;
        case platform::WaitResult::Abandoned:
            TRACE("WAIT_ABANDONED waiting for thread to stop!");
            return true;
    }
    TRACE("WaitForSingleObject() returned an %d waiting for thread to stop!", -1);
    return true;
}

bool CThread::SleepOrStop(std::uint32_t ms) {
    switch (m_pStopEvent->Wait(ms)) {
        case platform::WaitResult::Signaled:
            return false;
        case platform::WaitResult::Timeout:
            return true;
        case platform::WaitResult::Failed:
            TRACE("WAIT_FAILED waiting for the stop event! GetLastError() = %d",
                  static_cast<int>(platform::GetLastError()));
            return true;
        case platform::WaitResult::Abandoned:
            TRACE("WAIT_ABANDONED waiting for thread to stop!");
            return true;
    }
    TRACE("WaitForSingleObject() returned an %d waiting for thread to stop!", -1);
    return true;
}

bool CThread::SignalStopped() {
    return m_pStoppedEvent->Set();
}

void CThread::Run() {
    TRACE("Entering CThread[%s] running loop\n", m_strName.c_str());
    while (m_bRunning) {
        if (IsStopRequested()) {
            m_bRunning = false;
        } else {
            SleepOrStop(1000);
        }
    }
}

CThread::Probing CThread::GetProbing() const {
    std::lock_guard<std::mutex> lock(m_probingMutex);
    return m_probing;
}

void CThread::SetProbing(const Probing& probing) {
    {
        std::lock_guard<std::mutex> lock(m_probingMutex);
        m_probing = probing;
    }
    if (m_hNotifyWnd != nullptr) {
        m_hNotifyWnd->ProbingChanged();
    }
}

void CThread::Notify(std::uint32_t message, std::intptr_t state, std::intptr_t code) {
    m_hNotifyWnd->Post(message, static_cast<std::uintptr_t>(state), code);
}

std::string CThread::BannerText(const std::string& heard) {
    constexpr std::size_t kBannerLimit = 160;
    std::string text;
    std::string line;
    auto endLine = [&] {
        const auto first = line.find_first_not_of(' ');
        if (first != std::string::npos) {
            const auto last = line.find_last_not_of(' ');
            text += (text.empty() ? "" : " / ") + line.substr(first, last - first + 1);
        }
        line.clear();
    };
    // The prompt itself is not part of what the instrument said.
    const std::size_t end = !heard.empty() && static_cast<unsigned char>(heard.back()) == kPrompt
                                ? heard.size() - 1
                                : heard.size();
    for (std::size_t i = 0; i < end && text.size() < kBannerLimit; ++i) {
        const char c = heard[i];
        if (c == '\r' || c == '\n') {
            endLine();
        } else if (c >= 0x20 && c < 0x7F) {
            line += c;
        } else if (c == '\t') {
            line += ' ';
        }
    }
    endLine();
    if (text.size() > kBannerLimit) {
        text.resize(kBannerLimit);
    }
    return text;
}
