#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "jobs/CThread.h"
#include "jobs/JobMessages.h"
#include "jobs/RatePlan.h"
#include "serial/BaudRates.h"

class CSerial;

// What happened to each port a search considered, in order: why it could not be used, or
// that it was opened and stayed silent at every rate. A search that found nothing is
// explained from this, as it happened, never from a look at the system afterwards.
struct SearchFailure {
    struct Port {
        std::string portName;
        std::string code;  // "silent", "gone", or why it could not be opened ("in-use", ...)
        std::string text;  // what happened to it, in a line a user can act on
    };
    std::vector<Port> ports;

    // The port the user can do most about first: one in use or not permitted, then the
    // silent ones together, then whatever else befell the first port; or no port at all.
    std::string Explain() const;
    // A stable name for that reason: "no-ports", "no-prompt", or the chosen port's code.
    std::string Code() const;
};

// Finds an instrument: every existing port from COM1 up that can be opened, at each of
// the eight search rates, with a 300 ms break and a wait for the prompt. The first port
// and rate that answer are the result. Thread name "search"; posts WM_SEARCH_NOTIFY.
// With the likeliest order, each port's rates are tried as its RatePlan ranks them.
class CSearchThread : public CThread {
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
    // Valid after a notification carrying SR_ERROR, before the host stops the job.
    const SearchFailure& GetFailure() const { return m_failure; }

  protected:
    void Run() override;
    bool WaitForChar(unsigned char target, unsigned passes, std::string* heard = nullptr);
    // The work of one pass in SR_SEARCH: take the next port and probe it at each rate.
    // Sets the state to SR_FOUND (with the port and the rate's index) or SR_ERROR.
    virtual void SearchStep(int& port, int& rateIndex);

    // Opens the port for probing on the serial object; false, with the port passed over,
    // when it is not available or cannot be opened.
    bool OpenForProbing(CSerial& serial, const std::string& portName);
    // OpenForProbing in two halves, so that several lines can open at once: the open
    // itself, which touches nothing of the job (0, or the error that failed it; a stop
    // ends an open that waits); then the job's record of it (false: passed over).
    static std::uint32_t OpenLine(CSerial& serial, const std::string& portName,
                                  platform::Event* stop);
    bool TakeOpened(CSerial& serial, const std::string& portName, std::uint32_t error);
    // Records what the error did to the port: its code and the line that explains it.
    void RecordFailure(const std::string& portName, std::uint32_t error);
    // Records a port probed at every rate in vain: silent, or what kept its line from being
    // set to a rate.
    void RecordSilent(const std::string& portName, std::uint32_t lineError);
    // Records the ports of the map below the given number that the enumeration did not
    // hand out (0: all that are left): their devices are not there or are no serial lines.
    void PassOverMissing(int belowPort);
    // Records a try about to be made on the port, with why it was chosen.
    void NoteTry(const std::string& portName, const RatePlan::Try& next);
    // Brings the probes expected in all up to date with what the port's plan now expects;
    // counted is what the count holds for the port, and is updated.
    void Reckon(const RatePlan& plan, int& counted);
    // The tries a port is expected to take before its first.
    int TriesExpected() const { return RatePlan(m_order).Left(); }

    CSerial* m_pSerial = nullptr;
    std::int32_t m_nState = SR_INIT;
    std::string m_strBanner;
    SearchFailure m_failure;
    Probing m_probing;  // the job's own copy of what it shows its host
    const RatePlan::Order m_order;

  private:
    // Probes the open port at each rate until one answers; true when one did. When none
    // did, records whether the line went or stayed silent.
    bool ProbeRates(const std::string& portName, int& rateIndex);
    // Records the port as passed over because it could not be opened.
    void PassOver(const std::string& portName, std::uint32_t error);
    // Probes the open port at the line's rate: a break, a prompt at rest, a line feed it
    // answers. True when confirmed or a stop came. heard: what came after the break.
    bool Probe(const char* portName, const ProbeBreak& how, std::string& heard);

    std::int32_t m_nFoundBaud = 0;
    std::int32_t m_nFoundPort = 0;
    int m_nRecordedUpTo = 0;  // the map's ports up to this number are in m_failure or probed
};
