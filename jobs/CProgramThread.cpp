#include "jobs/CProgramThread.h"

#include <new>

#include "jobs/PortRelease.h"
#include "jobs/ProbeLoop.h"
#include "jobs/ProbeTiming.h"
#include "jobs/PromptWait.h"
#include "platform/os/LastError.h"
#include "platform/os/Trace.h"
#include "platform/ports/net/NetworkErrors.h"
#include "serial/CSerial.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortMap.h"

namespace {
// A line that ended under the wait: gone, or a server that floods, which no prompt can
// come through.
bool DeviceGone(std::uint32_t error) {
    return platform::KindOfError(error) == platform::ErrorKind::Gone ||
           error == platform::kConnectionLost || error == platform::kFlood;
}
}  // namespace

std::string ConnectionFailure::Code() const {
    if (!opened || DeviceGone(error)) {
        return PortDiagnosis::OpenFailureCode(portName, error);
    }
    if (writeFailed) {
        return "write-failed";
    }
    return heardData ? "data-no-prompt" : "no-prompt";
}

std::string ConnectionFailure::Explain() const {
    if (!opened || DeviceGone(error)) {
        return PortDiagnosis::ExplainOpenFailure(portName, error);
    }
    if (writeFailed) {
        return PortDiagnosis::ExplainWriteFailure(portName, error);
    }
    return PortDiagnosis::ExplainNoPrompt(portName, baud, heardData);
}

CProgramThread::CProgramThread(const RunSettings& settings) : m_settings(settings) {}

CProgramThread::~CProgramThread() {
    delete m_pSerial;
    m_pSerial = nullptr;
}

bool CProgramThread::Create(const char* name, WindowPtr notifyWnd, EventPtr stopEvent,
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

bool CProgramThread::WaitForChar(unsigned char target, unsigned passes, std::string* heard) {
    return ::WaitForChar(*m_pSerial, *this, target, passes, heard);
}

void CProgramThread::Run() {
    const PortRelease release(m_pSerial);
    const std::string portName = m_settings.m_strPortName;
    const std::int32_t baud = m_settings.m_nBaudRate;

    m_nState = PR_INIT;
    while (m_bRunning) {
        if (IsStopRequested()) {
            return;
        }
        switch (m_nState) {
            case PR_INIT:
                Notify(WM_PROGRAM_NOTIFY, PR_INIT, NOTIFY_BEGIN);
                TRACE("CProgramThread::PR_INIT\n");
                m_failure.portName = portName;
                m_failure.baud = static_cast<std::int32_t>(
                    CSerial::ValidateBaud(static_cast<std::uint32_t>(baud)));
                {
                    Probing probing;
                    probing.portName = portName;
                    probing.device = PortMap::Current()->Resolve(portName);
                    probing.baud = m_failure.baud;
                    probing.probe = 1;
                    probing.probes = 1;
                    SetProbing(probing);
                }
                if (!m_pSerial->Open(portName, static_cast<std::uint32_t>(baud), 0, 0, 8, 4096,
                                     4096, GetStopEvent().get())) {
                    m_failure.error = platform::GetLastError();
                    m_nState = PR_ERROR;
                } else {
                    m_failure.opened = true;
                    m_bRateApplied = m_pSerial->ControlsLine();
                    // The prompt must answer the line feed and the line must rest on it:
                    // noise or a stream of records can hold a '>' too.
                    ProbedLine line(*m_pSerial, portName, GetStopEvent().get());
                    line.StartAtLineFeed();
                    // A stop ends the wait as a prompt would.
                    const bool stopped = !ProbeLoop::RunOne(*this, line) || IsStopRequested();
                    const LineProbe::Result result = line.probe.GetResult();
                    m_nState =
                        stopped || result == LineProbe::Result::Answered ? PR_DONE : PR_ERROR;
                    // A line that failed under the write or the wait (a device that went)
                    // left its error.
                    m_failure.error = platform::GetLastError();
                    m_failure.writeFailed = !stopped && result == LineProbe::Result::WriteFailed;
                    m_failure.heardData = !line.probe.Answer().empty();
                    m_strBanner = BannerText(line.probe.Answer());
                }
                Notify(WM_PROGRAM_NOTIFY, m_nState, NOTIFY_END);
                break;

            case PR_DONE:
                TRACE("CProgramThread::PR_DONE\n");
                SleepOrStop(probe_timing::kIdleMs);
                break;

            default:
                Notify(WM_PROGRAM_NOTIFY, m_nState, NOTIFY_FAIL);
                TRACE("CProgramThread::PR_ERROR\n");
                m_nState = PR_DONE;
                break;
        }
    }
}
