#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "jobs/CThread.h"
#include "jobs/JobMessages.h"
#include "jobs/RatePlan.h"
#include "jobs/SearchUnit.h"
#include "serial/BaudRates.h"

class CSerial;

// Finds an instrument: every existing port from COM1 up that can be opened, at each of
// the eight search rates, with a 300 ms break and a wait for the prompt. The first port
// and rate that answer are the result. Thread name "search"; posts WM_SEARCH_NOTIFY.
// With the likeliest order, each port's rates are tried as its RatePlan ranks them. The
// job opens the ports, one in each pass of its loop, and its search unit probes them.
class CSearchThread : public CThread, private SearchUnit::Listener {
  public:
    // The searched rates in the order of trial, from the rate table. Ends with 0.
    static constexpr std::array<std::int32_t, kSearchRateCount + 1> kRates = [] {
        std::array<std::int32_t, kSearchRateCount + 1> rates{};
        for (std::size_t i = 0; i < kSearchRateCount; ++i) {
            rates[i] = static_cast<std::int32_t>(SearchRates()[i]);
        }
        return rates;
    }();

    explicit CSearchThread(RatePlan::Order order = RatePlan::Order::Fixed);
    ~CSearchThread() override;

    bool Create(const char* name, WindowPtr notifyWnd, EventPtr stopEvent,
                EventPtr stoppedEvent) override;
    // Port number (1 for COM1) and rate that answered; valid after (SR_FOUND, NOTIFY_END).
    bool GetResult(std::int32_t* port, std::int32_t* baud) const;
    // What the instrument said before its prompt, as text; read as GetResult is.
    const std::string& GetBanner() const { return m_strBanner; }
    // What each port's line did; valid after a notification carrying SR_ERROR or after
    // (SR_FOUND, NOTIFY_END), before the host stops the job.
    const SearchRecord& GetRecord() const { return m_unit.Record(); }

  protected:
    // Ports probed all at once instead of one after another.
    CSearchThread(RatePlan::Order order, SearchUnit::Pace pace);

    void Run() override;
    bool WaitForChar(unsigned char target, unsigned passes, std::string* heard = nullptr);
    // The work of one pass in SR_SEARCH: take the next port and probe it at each rate.
    // Sets the state to SR_FOUND (with the port and the rate's index) or SR_ERROR.
    virtual void SearchStep(int& port, int& rateIndex);

    // The port's line is done with: finished without an answer, or let go.
    void PortLetGo(int /*port*/) override {}

    // Opens the port for probing on the serial object; false, with the port passed over,
    // when it is not available or cannot be opened.
    bool OpenForProbing(CSerial& serial, const std::string& portName);
    // OpenForProbing in two halves, so that several lines can open at once: the open
    // itself, which touches nothing of the job (0, or the error that failed it; a stop
    // ends an open that waits); then the job's record of it (false: passed over).
    static std::uint32_t OpenLine(CSerial& serial, const std::string& portName,
                                  platform::Event* stop);
    bool TakeOpened(CSerial& serial, const std::string& portName, std::uint32_t error);
    // Records the ports of the map below the given number that the enumeration did not
    // hand out (0: all that are left): their devices are not there or are no serial lines.
    void PassOverMissing(int belowPort);
    // The path behind the port, for the record and the progress.
    static std::string Device(const std::string& portName);
    // The answer, once the unit has settled on one: SR_FOUND with its port and rate.
    void TakeAnswer(int& port, int& rateIndex);

    CSerial* m_pSerial = nullptr;
    std::int32_t m_nState = SR_INIT;
    std::string m_strBanner;
    SearchUnit m_unit;

  private:
    void TryEnded(int port) override;
    void ShowProbing(const Probing& probing) override { SetProbing(probing); }

    std::int32_t m_nFoundBaud = 0;
    std::int32_t m_nFoundPort = 0;
    int m_nRecordedUpTo = 0;  // the map's ports up to this number are recorded or probed
};
