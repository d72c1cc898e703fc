#pragma once
#include <cstdint>
#include <string>

#include "jobs/CThread.h"
#include "jobs/JobMessages.h"
#include "jobs/RunSettings.h"

class CSerial;

// Why a connection failed, for the host to explain: the port, the rate, and the error
// the open met, or once open the error the line met while writing or waiting (a device
// that went); 0 when the port opened and simply no prompt came.
struct ConnectionFailure {
    std::string portName;
    std::int32_t baud = 0;
    bool opened = false;
    bool writeFailed = false;  // the line feed could not be written
    bool heardData = false;    // bytes came, but no prompt's answer
    std::uint32_t error = 0;

    // One line a user can act on: why the open failed, that the device went, that the
    // line feed could not be written, or that no prompt came.
    std::string Explain() const;
    // A stable name for the same reason, for scripts: an open failure's code (see
    // PortDiagnosis), "write-failed", "no-prompt" or "data-no-prompt".
    std::string Code() const;
};

// Confirms the instrument answers: opens the port of the run settings at their rate,
// wakes the instrument with a line feed and waits for its prompt. Thread name
// "program"; posts WM_PROGRAM_NOTIFY.
class CProgramThread : public CThread {
  public:
    // The settings are read once, when the job starts running.
    explicit CProgramThread(const RunSettings& settings);
    ~CProgramThread() override;

    bool Create(const char* name, WindowPtr notifyWnd, EventPtr stopEvent,
                EventPtr stoppedEvent) override;
    // Valid after a notification carrying PR_ERROR, before the host stops the job.
    ConnectionFailure GetFailure() const { return m_failure; }
    // What the instrument said before its prompt, as text; valid after (PR_DONE, NOTIFY_END).
    const std::string& GetBanner() const { return m_strBanner; }
    // False when the port is a raw TCP one: the rate never reached the line, and the
    // instrument answered at whatever rate its device server runs. Read as GetBanner is.
    bool RateApplied() const { return m_bRateApplied; }

  protected:
    void Run() override;
    bool WaitForChar(unsigned char target, unsigned passes, std::string* heard = nullptr);

  private:
    const RunSettings& m_settings;
    CSerial* m_pSerial = nullptr;
    std::int32_t m_nState = PR_INIT;
    ConnectionFailure m_failure;
    std::string m_strBanner;
    bool m_bRateApplied = true;
};
