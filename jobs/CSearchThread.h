#pragma once
#include <cstdint>
#include <string>

#include "jobs/CThread.h"
#include "jobs/JobMessages.h"

class CSerial;

// Finds an instrument: every existing port from COM1 up that can be opened, at each of
// the eight search rates, with a 300 ms break and a wait for the prompt. The first port
// and rate that answer are the result. Thread name "search"; posts WM_SEARCH_NOTIFY.
class CSearchThread : public CThread {
  public:
    // Trial order: the common rates first, the slow ones last. Ends with 0.
    static constexpr std::int32_t kRates[] = {9600, 19200, 38400, 57600, 115200,
                                              1200, 2400,  4800,  0};
    static constexpr std::uint32_t kBreakMs = 300;

    CSearchThread();
    ~CSearchThread() override;

    bool Create(const char* name, WindowPtr notifyWnd, EventPtr stopEvent,
                EventPtr stoppedEvent) override;
    // Port number (1 for COM1) and rate that answered; valid after (SR_FOUND, NOTIFY_END).
    bool GetResult(std::int32_t* port, std::int32_t* baud) const;
    // What the instrument said before its prompt, as text; read as GetResult is.
    const std::string& GetBanner() const { return m_strBanner; }

  protected:
    void Run() override;
    bool WaitForChar(unsigned char target, unsigned passes, std::string* heard = nullptr);

  private:
    // Probes the open port at each rate until one answers; true when one did.
    bool ProbeRates(const char* portName, int& rateIndex);
    // Wakes the instrument with a break at the line's rate and waits for its prompt, which
    // must then be confirmed. True when confirmed or a stop came.
    bool Probe(const char* portName, std::string& heard);

    CSerial* m_pSerial = nullptr;
    std::int32_t m_nFoundBaud = 0;
    std::int32_t m_nFoundPort = 0;
    std::int32_t m_nState = SR_INIT;
    std::string m_strBanner;
};
