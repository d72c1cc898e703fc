#include "jobs/CSearchThread.h"

#include <algorithm>
#include <new>

#include "jobs/PortRelease.h"
#include "jobs/ProbeLoop.h"
#include "jobs/ProbeTiming.h"
#include "jobs/PromptWait.h"
#include "platform/devices/SerialDevices.h"
#include "platform/os/LastError.h"
#include "platform/os/Trace.h"
#include "platform/ports/net/NetworkErrors.h"
#include "serial/CSerial.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortMap.h"

namespace {

constexpr const char* kSilent = "silent";

const SearchFailure::Port* FirstWithCode(const SearchFailure& failure,
                                         std::initializer_list<const char*> codes) {
    for (const SearchFailure::Port& port : failure.ports) {
        for (const char* code : codes) {
            if (port.code == code) {
                return &port;
            }
        }
    }
    return nullptr;
}

}  // namespace

std::string SearchFailure::Explain() const {
    if (ports.empty()) {
        return "no serial port was found on this computer: connect the instrument and try again";
    }
    if (const Port* port = FirstWithCode(*this, {"permission-denied", "in-use"})) {
        return port->text;
    }
    std::string silent;
    for (const Port& port : ports) {
        if (port.code == kSilent) {
            silent += (silent.empty() ? "" : ", ") + port.portName;
        }
    }
    if (!silent.empty()) {
        return "no prompt from " + silent +
               " at any baud rate: check that the instrument is on and cabled";
    }
    return ports.front().text;
}

std::string SearchFailure::Code() const {
    if (ports.empty()) {
        return "no-ports";
    }
    if (const Port* port = FirstWithCode(*this, {"permission-denied", "in-use"})) {
        return port->code;
    }
    return FirstWithCode(*this, {kSilent}) != nullptr ? "no-prompt" : ports.front().code;
}

CSearchThread::CSearchThread(RatePlan::Order order) : m_order(order) {}

CSearchThread::~CSearchThread() {
    delete m_pSerial;
    m_pSerial = nullptr;
}

bool CSearchThread::Create(const char* name, WindowPtr notifyWnd, EventPtr stopEvent,
                           EventPtr stoppedEvent) {
    if (m_pSerial == nullptr) {
        m_pSerial = new (std::nothrow) CSerial();
        if (m_pSerial == nullptr) {
            return false;
        }
    }
    return CThread::Create(name, std::move(notifyWnd), std::move(stopEvent),
                           std::move(stoppedEvent));
}

bool CSearchThread::GetResult(std::int32_t* port, std::int32_t* baud) const {
    if (port == nullptr) {
        return false;
    }
    *port = m_nFoundPort;
    if (baud == nullptr) {
        return false;
    }
    *baud = m_nFoundBaud;
    return true;
}

bool CSearchThread::WaitForChar(unsigned char target, unsigned passes, std::string* heard) {
    return ::WaitForChar(*m_pSerial, *this, target, passes, heard);
}

bool CSearchThread::Probe(const char* portName, const ProbeBreak& how, std::string& heard) {
    ProbedLine line(*m_pSerial, portName, GetStopEvent().get());
    line.StartAtBreak(how);
    if (!ProbeLoop::RunOne(*this, line) || IsStopRequested()) {
        return true;  // a stop ends the probe as a prompt would
    }
    heard = line.probe.Heard();
    return line.probe.GetResult() == LineProbe::Result::Answered;
}

void CSearchThread::RecordFailure(const std::string& portName, std::uint32_t error) {
    m_failure.ports.push_back({portName, PortDiagnosis::OpenFailureCode(portName, error),
                               PortDiagnosis::ExplainOpenFailure(portName, error)});
}

void CSearchThread::PassOver(const std::string& portName, std::uint32_t error) {
    RecordFailure(portName, error);
    m_probing.probes -= TriesExpected();  // none of its rates is probed
    SetProbing(m_probing);
}

void CSearchThread::PassOverMissing(int belowPort) {
    const auto map = PortMap::Current();
    for (const PortInfo& info : map->Ports()) {
        if (info.number > m_nRecordedUpTo && (belowPort == 0 || info.number < belowPort)) {
            const std::uint32_t error = platform::ErrorOfKind(platform::DeviceNodeExists(info.path)
                                                                  ? platform::ErrorKind::NotSerial
                                                                  : platform::ErrorKind::NotFound);
            RecordFailure(info.name, error);
        }
    }
    m_nRecordedUpTo = belowPort == 0 ? PortMap::kMaxPorts : belowPort;
}

void CSearchThread::NoteTry(const std::string& portName, const RatePlan::Try& next) {
    const std::string what = portName + " at " + std::to_string(next.rate) + " baud";
    if (next.reason.empty()) {
        TRACE("Searching %s.\n", what.c_str());
        m_probing.tries.push_back(what);
    } else {
        TRACE("Searching %s: %s.\n", what.c_str(), next.reason.c_str());
        m_probing.tries.push_back(what + ": " + next.reason);
    }
}

void CSearchThread::Reckon(const RatePlan& plan, int& counted) {
    const int expected = plan.Made() + plan.Left();
    m_probing.probes += expected - counted;
    counted = expected;
}

bool CSearchThread::ProbeRates(const std::string& portName, int& rateIndex) {
    std::uint32_t lineError = 0;
    m_probing.portName = portName;
    m_probing.device = PortMap::Current()->Resolve(portName);
    RatePlan plan(m_order);
    int counted = TriesExpected();
    RatePlan::Try next;
    while (plan.Next(next)) {
        rateIndex = next.rateIndex;
        const std::int32_t rate = next.rate;
        NoteTry(portName, next);
        m_probing.baud = rate;
        ++m_probing.probe;
        SetProbing(m_probing);
        m_pSerial->SetBaud(static_cast<std::uint32_t>(rate));
        // A line that cannot be set to the rate (or whose device has gone) is not probed
        // at it: a prompt would be credited to a rate the line is not running at, and a
        // vanished adapter would cost a full wait for every rate left.
        std::string heard;
        const bool configured = m_pSerial->ConfigPort();
        if (!configured && lineError == 0) {
            lineError = platform::GetLastError();
        }
        const bool answered = configured && Probe(portName.c_str(), next.how, heard);
        if (answered && !IsStopRequested()) {
            m_strBanner = BannerText(heard);
        }
        Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
        if (answered) {
            TRACE("Brinevane found at %s, %d baud.\n", portName.c_str(), static_cast<int>(rate));
            return true;
        }
        plan.Heard(heard);
        Reckon(plan, counted);
    }
    SetProbing(m_probing);
    RecordSilent(portName, lineError);
    return false;
}

void CSearchThread::SearchStep(int& port, int& rateIndex) {
    Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_BEGIN);
    port = m_pSerial->NextAvailablePort();
    PassOverMissing(port);
    if (port == 0) {
        m_nState = SR_ERROR;
        return;
    }
    const std::string portName = PortMap::PortName(port);
    if (!OpenForProbing(*m_pSerial, portName)) {
        return;
    }
    if (ProbeRates(portName, rateIndex)) {
        m_nState = SR_FOUND;
    }
}

bool CSearchThread::OpenForProbing(CSerial& serial, const std::string& portName) {
    return TakeOpened(serial, portName, OpenLine(serial, portName, GetStopEvent().get()));
}

std::uint32_t CSearchThread::OpenLine(CSerial& serial, const std::string& portName,
                                      platform::Event* stop) {
    if (!serial.PortAvailable(portName)) {
        TRACE("%s not available.\n", portName.c_str());
        return platform::GetLastError();
    }
    // A port that cannot be opened after all has no line to probe: eight rounds of breaks
    // and waits on it would only cost 18 s for nothing.
    if (!serial.Open(portName, 9600, 0, 0, 8, 4096, 4096, stop)) {
        TRACE("%s could not be opened.\n", portName.c_str());
        return platform::GetLastError();
    }
    TRACE("%s opened.\n", portName.c_str());
    return 0;
}

bool CSearchThread::TakeOpened(CSerial& serial, const std::string& portName, std::uint32_t error) {
    if (error != 0) {
        PassOver(portName, error);
        return false;
    }
    if (!serial.ControlsLine()) {
        // A raw TCP port: no break wakes the instrument and no rate is tried.
        serial.Close();
        PassOver(portName, platform::kNoLineControl);
        return false;
    }
    return true;
}

void CSearchThread::RecordSilent(const std::string& portName, std::uint32_t lineError) {
    if (lineError != 0) {
        RecordFailure(portName, lineError);
    } else {
        m_failure.ports.push_back(
            {portName, kSilent, "no prompt from " + portName + " at any baud rate"});
    }
}

void CSearchThread::Run() {
    const PortRelease release(m_pSerial);
    int rateIndex = 0;
    int port = 0;

    m_nState = SR_INIT;
    while (m_bRunning) {
        if (IsStopRequested()) {
            return;
        }
        switch (m_nState) {
            case SR_INIT:
                Notify(WM_SEARCH_NOTIFY, SR_INIT, NOTIFY_BEGIN);
                m_pSerial->EnumeratePorts();
                m_failure = SearchFailure();
                m_nRecordedUpTo = 0;
                m_probing = Probing();
                for (const PortInfo& info : PortMap::Current()->Ports()) {
                    m_probing.probes += m_pSerial->PortExists(info.number) ? TriesExpected() : 0;
                }
                SetProbing(m_probing);
                m_nState = SR_SEARCH;
                Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
                break;

            case SR_SEARCH:
                SearchStep(port, rateIndex);
                break;

            case SR_FOUND:
                Notify(WM_SEARCH_NOTIFY, SR_FOUND, NOTIFY_BEGIN);
                m_nFoundPort = port;
                m_nFoundBaud = kRates[rateIndex];
                Notify(WM_SEARCH_NOTIFY, SR_FOUND, NOTIFY_END);
                m_nState = SR_DONE;
                break;

            case SR_DONE:
                SleepOrStop(probe_timing::kIdleMs);
                break;

            default:
                Notify(WM_SEARCH_NOTIFY, m_nState, NOTIFY_FAIL);
                m_nState = SR_DONE;
                break;
        }
    }
}
