#include "jobs/CSearchThread.h"

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
#include "serial/PortMap.h"

CSearchThread::CSearchThread(RatePlan::Order order)
    : CSearchThread(order, SearchUnit::Pace::PortByPort) {}

CSearchThread::CSearchThread(RatePlan::Order order, SearchUnit::Pace pace)
    : m_unit(order, pace, *this) {}

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

void CSearchThread::TryEnded(int /*port*/) {
    Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
}

std::string CSearchThread::Device(const std::string& portName) {
    return PortMap::Current()->Resolve(portName);
}

void CSearchThread::PassOverMissing(int belowPort) {
    const auto map = PortMap::Current();
    for (const PortInfo& info : map->Ports()) {
        if (info.number > m_nRecordedUpTo && (belowPort == 0 || info.number < belowPort)) {
            const std::uint32_t error = platform::ErrorOfKind(platform::DeviceNodeExists(info.path)
                                                                  ? platform::ErrorKind::NotSerial
                                                                  : platform::ErrorKind::NotFound);
            m_unit.PassOver(info.number, info.name, info.path, error, false);
        }
    }
    m_nRecordedUpTo = belowPort == 0 ? PortMap::kMaxPorts : belowPort;
}

void CSearchThread::TakeAnswer(int& port, int& rateIndex) {
    port = m_unit.Winner();
    rateIndex = m_unit.WinnerRate();
    m_strBanner = BannerText(m_unit.WinnerHeard());
    m_nState = SR_FOUND;
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
    ProbedLine line(*m_pSerial, portName, GetStopEvent().get());
    m_unit.Add(port, portName, Device(portName), line, line.probe);
    if (!ProbeLoop::Run(*this, {&line},
                        [this] { return m_unit.Settle(ProbedLine::Clock::now()); })) {
        // A stop ends the probe as a prompt would; the loop ends at its next pass without
        // storing a result.
        m_unit.Stopped();
        Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
        m_nState = SR_FOUND;
        return;
    }
    if (m_unit.Winner() != 0) {
        TakeAnswer(port, rateIndex);
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
    if (error == 0 && !serial.ControlsLine()) {
        // A raw TCP port: no break wakes the instrument and no rate is tried.
        serial.Close();
        error = platform::kNoLineControl;
    }
    if (error != 0) {
        m_unit.PassOver(PortMap::PortNumber(portName), portName, Device(portName), error, true);
        return false;
    }
    return true;
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
            case SR_INIT: {
                Notify(WM_SEARCH_NOTIFY, SR_INIT, NOTIFY_BEGIN);
                m_pSerial->EnumeratePorts();
                m_nRecordedUpTo = 0;
                int ports = 0;
                for (const PortInfo& info : PortMap::Current()->Ports()) {
                    ports += m_pSerial->PortExists(info.number) ? 1 : 0;
                }
                m_unit.Begin(ports);
                m_nState = SR_SEARCH;
                Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
                break;
            }

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
