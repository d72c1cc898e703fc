#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "jobs/NotifyWindow.h"
#include "jobs/Probing.h"
#include "platform/os/Event.h"
#include "platform/os/WorkerThread.h"
#include "serial/CObject.h"

// The base of the instrument jobs: one object, one worker thread. The host makes the
// object, hands it two manual-reset events and its window, and starts it with Create;
// from then on the object belongs to its thread and deletes itself when the loop ends.
// The host stops it by setting the stop event (and/or clearing the running flag) and
// waiting for the stopped event; it must not touch the object after that event is set.
class CThread : public CObject {
  public:
    using EventPtr = std::shared_ptr<platform::Event>;
    using WindowPtr = std::shared_ptr<NotifyWindow>;

    using Probing = ::Probing;

    CThread();
    ~CThread() override;
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;

    const char* GetClassName() const override { return "CThread"; }

    // Stores its arguments, then starts the worker thread. False, with no thread started,
    // when an argument is missing or the thread cannot be started.
    virtual bool Create(const char* name, WindowPtr notifyWnd, EventPtr stopEvent,
                        EventPtr stoppedEvent);

    bool IsStopRequested();
    // Waits up to ms for a stop request: false when one woke the wait, true otherwise.
    bool SleepOrStop(std::uint32_t ms);
    void StopRunning() { m_bRunning = false; }
    const char* GetName() const { return m_strName.c_str(); }
    const EventPtr& GetStopEvent() const { return m_pStopEvent; }
    bool SignalStopped();
    // From any thread, until the host has stopped the job.
    Probing GetProbing() const;

  protected:
    virtual void Run();
    void Notify(std::uint32_t message, std::intptr_t state, std::intptr_t code);
    void SetProbing(const Probing& probing);
    // The instrument's printable words from what it sent before its prompt, its lines
    // joined by " / " and cut to a bound: "Brinevane 600 kHz ADCP / Firmware 51.40".
    static std::string BannerText(const std::string& heard);

    std::string m_strName;
    EventPtr m_pStopEvent;
    EventPtr m_pStoppedEvent;
    WindowPtr m_hNotifyWnd;
    platform::WorkerThread m_pThread;
    std::atomic<bool> m_bRunning{false};
    const bool m_bAutoDelete = true;

  private:
    static unsigned ThreadProc(void* param);

    mutable std::mutex m_probingMutex;
    Probing m_probing;
};
