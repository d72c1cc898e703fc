#include "jobs/CSearchThread.h"

#include <new>

#include "jobs/PortRelease.h"
#include "jobs/PromptWait.h"
#include "platform/Trace.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"

constexpr std::int32_t CSearchThread::kRates[];

CSearchThread::CSearchThread() = default;

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

bool CSearchThread::Probe(const char* portName, std::string& heard) {
    const int rate = static_cast<int>(m_pSerial->GetBaud());
    if (!m_pSerial->SendBreak(kBreakMs)) {
        // The instrument heard no break (or the line is still held in one): nothing at
        // this rate can be trusted.
        TRACE("Break on %s at %d baud failed; rate skipped.\n", portName, rate);
        return false;
    }
    heard.clear();
    // One '>' proves nothing: a UART at the wrong rate decodes the banner into garbage
    // that can hold one, and so can noise or a stream. The instrument must come to rest on
    // its prompt within the wait, then answer a line feed with a prompt, as the connection
    // will ask it to. At the true rate this costs two rest times and a short exchange; at a
    // wrong rate the garbage rarely ends on a '>', and when it does, the line feed itself
    // arrives as garbage, so nothing answers it.
    if (!WaitForPromptAtRest(*m_pSerial, *this, kPromptPasses, &heard)) {
        return false;
    }
    if (IsStopRequested()) {
        return true;
    }
    std::string answer;
    if (AnswerToLineFeed(*m_pSerial, *this, answer) == LineFeedAnswer::Prompt) {
        return true;
    }
    TRACE("A prompt on %s at %d baud was not confirmed.\n", portName, rate);
    return false;
}

bool CSearchThread::ProbeRates(const char* portName, int& rateIndex) {
    for (rateIndex = 0; kRates[rateIndex] != 0; ++rateIndex) {
        const std::int32_t rate = kRates[rateIndex];
        TRACE("Searching %s at %d baud.\n", portName, static_cast<int>(rate));
        m_pSerial->SetBaud(static_cast<std::uint32_t>(rate));
        // A line that cannot be set to the rate (or whose device has gone) is not probed
        // at it: a prompt would be credited to a rate the line is not running at, and a
        // vanished adapter would cost a full wait for every rate left.
        std::string heard;
        const bool answered = m_pSerial->ConfigPort() && Probe(portName, heard);
        if (answered && !IsStopRequested()) {
            m_strBanner = BannerText(heard);
        }
        Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
        if (answered) {
            TRACE("Brinevane found at %s, %d baud.\n", portName, static_cast<int>(rate));
            return true;
        }
    }
    return false;
}

void CSearchThread::Run() {
    const PortRelease release(m_pSerial);
    int rateIndex = 0;
    int port = 0;
    std::string portName;

    m_nState = SR_INIT;
    while (m_bRunning) {
        if (IsStopRequested()) {
            return;
        }
        switch (m_nState) {
            case SR_INIT:
                Notify(WM_SEARCH_NOTIFY, SR_INIT, NOTIFY_BEGIN);
                m_pSerial->EnumeratePorts();
                m_nState = SR_SEARCH;
                Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
                break;

            case SR_SEARCH:
                Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_BEGIN);
                port = m_pSerial->NextAvailablePort();
                if (port == 0) {
                    m_nState = SR_ERROR;
                    break;
                }
                portName = PortMap::PortName(port);
                if (!m_pSerial->PortAvailable(portName)) {
                    TRACE("%s not available.\n", portName.c_str());
                    break;
                }
                // A port that cannot be opened after all has no line to probe: eight
                // rounds of breaks and waits on it would only cost 18 s for nothing.
                if (!m_pSerial->Open(portName, 9600, 0, 0, 8, 4096, 4096)) {
                    TRACE("%s could not be opened.\n", portName.c_str());
                    break;
                }
                TRACE("%s opened.\n", portName.c_str());
                if (ProbeRates(portName.c_str(), rateIndex)) {
                    m_nState = SR_FOUND;
                }
                break;

            case SR_FOUND:
                Notify(WM_SEARCH_NOTIFY, SR_FOUND, NOTIFY_BEGIN);
                m_nFoundPort = port;
                m_nFoundBaud = kRates[rateIndex];
                Notify(WM_SEARCH_NOTIFY, SR_FOUND, NOTIFY_END);
                m_nState = SR_DONE;
                break;

            case SR_DONE:
                SleepOrStop(10);
                break;

            default:
                Notify(WM_SEARCH_NOTIFY, m_nState, NOTIFY_FAIL);
                m_nState = SR_DONE;
                break;
        }
    }
}
