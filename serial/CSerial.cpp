#include "serial/CSerial.h"

#include <chrono>
#include <cstring>
#include <new>
#include <thread>

#include "platform/os/ErrorCatalog.h"
#include "platform/os/LastError.h"
#include "platform/os/Trace.h"
#include "platform/os/Translation.h"
#include "platform/ports/CommDriverRegistry.h"
#include "platform/ports/InputWaitSet.h"
#include "serial/BaudRates.h"
#include "serial/PortMap.h"

using platform::GetLastError;
using platform::SetLastError;

namespace {

[[maybe_unused]] unsigned long LastErrorForTrace() {
    return static_cast<unsigned long>(GetLastError());
}

std::unique_ptr<platform::Event> NewEvent() {
    return std::unique_ptr<platform::Event>(new (std::nothrow) platform::Event());
}

// The link's own codes, in words wherever a last error is shown: added by the first link
// made, before any of them can be set.
void AddErrorTexts() {
    static const bool added = [] {
        platform::ErrorCatalog::Add({
            {SERIAL_E_NOT_OPEN, BV_NOOP("ErrorCatalog", "Port not open")},
            {SERIAL_E_ZERO_READ, BV_NOOP("ErrorCatalog", "Read of zero bytes requested")},
            {SERIAL_E_ZERO_WRITE, BV_NOOP("ErrorCatalog", "Write of zero bytes requested")},
            {SERIAL_E_NO_ROOM, BV_NOOP("ErrorCatalog", "Not enough room in the output queue")},
            {SERIAL_E_SHORT_WRITE, BV_NOOP("ErrorCatalog", "Write ended short")},
            {SERIAL_E_DEVICE_CHANGED,
             BV_NOOP("ErrorCatalog", "The port's name now stands for another device")},
        });
        return true;
    }();
    static_cast<void>(added);
}

}  // namespace

CSerial::CSerial() : m_nNextPort(0) {
    AddErrorTexts();
    std::memset(m_bAvailable, 0, sizeof m_bAvailable);
}

CSerial::~CSerial() {
    Close();
}

std::unique_ptr<platform::CommPort> CSerial::OpenDevice(const std::string& portName,
                                                        platform::Event* stop) {
    const auto map = PortMap::Current();
    std::string path = map->Resolve(portName);
    if (path.empty()) {
        // A name no port has is a missing port.
        SetLastError(platform::ErrorOfKind(platform::ErrorKind::NotFound));
        return nullptr;
    }
    // Discovered names are numbered by position: a device plugged in or out since the
    // user saw the name can have put another device under it.
    if (!map->Confirm(portName, &path).empty()) {
        SetLastError(SERIAL_E_DEVICE_CHANGED);
        return nullptr;
    }
    return platform::CommDriverRegistry::Process().Open(path, stop);
}

bool CSerial::Open(const std::string& portName, std::uint32_t baud, int parity, int stopBits,
                   int dataBits, std::uint32_t inQueue, std::uint32_t outQueue,
                   platform::Event* stop) {
    // The search opens one port after another on one object: let go of the last one.
    Close();

    m_strPort = portName;
    SetBaud(ValidateBaud(baud));
    SetParity(parity);
    SetStopBits(stopBits);
    SetDataBits(dataBits);
    m_dwOutQueue = outQueue;
    m_dwInQueue = inQueue;

    m_timeouts.readIntervalTimeout = 0;
    m_timeouts.readTotalTimeoutMultiplier = 0;
    m_timeouts.readTotalTimeoutConstant = 2000;
    m_timeouts.writeTotalTimeoutMultiplier = 0;
    m_timeouts.writeTotalTimeoutConstant = 0;

    const char* failure = nullptr;
    m_hPort = OpenDevice(portName, stop);
    if (m_hPort == nullptr) {
        failure = "Can't open serial port";
    } else if (!ConfigPort()) {
        failure = "Can't configure serial port";
    } else if (!(m_ovRead.hEvent = NewEvent())) {
        failure = "Can't create m_ovRead event";
    } else if (!(m_ovWrite.hEvent = NewEvent())) {
        failure = "Can't create m_ovWrite event";
    } else if (!(m_ovCharRec.hEvent = NewEvent())) {
        failure = "Can't create m_ovCharRec event";
    }
    if (failure == nullptr) {
        return true;
    }

    const std::uint32_t error = GetLastError();
    TRACE("CSerial::Open: %s; port='%s'; Error code=%ld\n", failure, m_strPort.c_str(),
          static_cast<long>(error));
    if (m_hPort != nullptr) {
        if (!m_hPort->Close()) {
            TRACE("CSerial::Open: Can't close port handle!\n");
        }
        m_hPort.reset();
    }
    SetLastError(error);  // the caller wants the reason the open failed, not the close's
    return false;
}

std::uint32_t CSerial::ValidateBaud(std::uint32_t baud) {
    return IsAcceptedRate(baud) ? baud : kDefaultBaudRate;
}

bool CSerial::ConfigPort() {
    if (m_hPort == nullptr) {
        SetLastError(SERIAL_E_NOT_OPEN);
        TRACE("CSerial::ConfigPort called with bad handle!\n");
        return false;
    }
    platform::LineState dcb;
    if (!m_hPort->GetState(dcb)) {
        TRACE("CSerial::ConfigPort: Can't get comm state; Error=0x%08lX\n", LastErrorForTrace());
        return false;
    }
    dcb.baudRate = m_nBaud;
    dcb.parity = static_cast<std::uint8_t>(m_nParity & 0xFF);
    dcb.stopBits = static_cast<std::uint8_t>(m_nStopBits & 0xFF);
    dcb.byteSize = static_cast<std::uint8_t>(m_nDataBits & 0xFF);
    dcb.binary = true;
    dcb.outxCtsFlow = false;
    dcb.outxDsrFlow = false;
    dcb.dtrOn = true;
    dcb.dsrSensitivity = false;
    dcb.outX = false;
    dcb.inX = false;
    dcb.rtsOn = true;
    dcb.abortOnError = false;
    if (!m_hPort->SetState(dcb)) {
        TRACE("CSerial::ConfigPort: Can't set the comm state; Error=0x%08lX\n",
              LastErrorForTrace());
        return false;
    }
    if ((m_dwInQueue != 0 || m_dwOutQueue != 0) &&
        !m_hPort->SetQueueSizes(m_dwInQueue, m_dwOutQueue)) {
        TRACE("CSerial::ConfigPort: SetupComm() returned zero; Error=0x%08lX\n",
              LastErrorForTrace());
        return false;
    }
    if (!m_hPort->SetTimeouts(m_timeouts)) {
        TRACE("CSerial::ConfigPort: Can't set comm timeouts; Error=0x%08lX\n", LastErrorForTrace());
        return false;
    }
    return true;
}

bool CSerial::kbhit() {
    platform::CommStatus status;
    if (m_hPort == nullptr) {
        return false;
    }
    if (!m_hPort->ClearError(status)) {
        TRACE("CSerial::kbhit: Can't clear comm error; Return=0x%08lX  Error=0x%08lX\n",
              LastErrorForTrace(), static_cast<unsigned long>(status.errors));
        return false;
    }
    return status.inQueue != 0;
}

platform::InputWait CSerial::WaitForInput(platform::Event& stop,
                                          std::chrono::steady_clock::time_point deadline) {
    if (m_hPort == nullptr) {
        SetLastError(SERIAL_E_NOT_OPEN);
        return platform::InputWait::Failed;
    }
    const platform::InputWait result = m_hPort->WaitForInput(stop, deadline);
    if (result == platform::InputWait::Failed) {
        TRACE("CSerial::WaitForInput: Can't wait on the port; Error=0x%08lX\n",
              LastErrorForTrace());
    }
    return result;
}

platform::InputWait CSerial::WaitForAnyInput(const std::vector<CSerial*>& lines,
                                             platform::Event& stop,
                                             std::chrono::steady_clock::time_point deadline,
                                             std::vector<platform::InputWait>& each) {
    std::vector<platform::CommPort*> ports;
    ports.reserve(lines.size());
    for (CSerial* line : lines) {
        ports.push_back(line != nullptr ? line->m_hPort.get() : nullptr);
    }
    const platform::InputWait result = platform::InputWaitSet::Wait(ports, stop, deadline, each);
    if (result == platform::InputWait::Failed) {
        TRACE("CSerial::WaitForAnyInput: Can't wait on the ports; Error=0x%08lX\n",
              LastErrorForTrace());
    }
    return result;
}

std::uint32_t CSerial::ReadPort(void* buffer, std::uint32_t count) {
    if (m_ovRead.hEvent == nullptr || m_hPort == nullptr) {
        SetLastError(SERIAL_E_NOT_OPEN);
        TRACE("CSerial::ReadPort: Read event handle not valid!\n");
        return 0;
    }
    if (count == 0) {
        SetLastError(SERIAL_E_ZERO_READ);
        TRACE("CSerial::ReadPort called with request for zero bytes!\n");
        return 0;
    }
    platform::CommStatus status;
    if (!m_hPort->ClearError(status)) {
        return 0;
    }
    const std::uint32_t n = status.inQueue < count ? status.inQueue : count;
    if (n == 0) {
        return 0;  // never wait for bytes that have not arrived
    }
    std::uint32_t done = 0;
    if (!m_hPort->Read(buffer, n, done)) {
        TRACE("CSerial::ReadPort: Error reading data from port; Error=0x%08lX\n",
              LastErrorForTrace());
        return 0;
    }
    return done;
}

std::uint32_t CSerial::WritePort(const void* buffer, std::uint32_t count, platform::Event* stop) {
    if (count == 0) {
        SetLastError(SERIAL_E_ZERO_WRITE);
        TRACE("CSerial::WritePort called with empty string!\n");
        return 0;
    }
    if (m_ovWrite.hEvent == nullptr || m_hPort == nullptr) {
        SetLastError(SERIAL_E_NOT_OPEN);
        TRACE("CSerial::WritePort: Write event has bad handle\n");
        return 0;
    }
    platform::CommStatus status;
    if (!m_hPort->ClearError(status)) {
        TRACE("CSerial::WritePort: Can't clear comm error[return=0x%08lX];  Error=0x%08lX!\n",
              LastErrorForTrace(), static_cast<unsigned long>(status.errors));
        return 0;
    }
    // Unsigned on purpose: a driver count above the queue size wraps to a large room.
    const std::uint32_t freeRoom = m_dwOutQueue - status.outQueue;
    if (count >= freeRoom) {
        SetLastError(SERIAL_E_NO_ROOM);
        TRACE(
            "CSerial::WritePort: Not enough room in driver buffer[%ld freee] for data[%ld "
            "bytes]\n",
            static_cast<long>(freeRoom), static_cast<long>(count));
        return 0;
    }
    SetLastError(0);
    std::uint32_t done = 0;
    const bool written = stop != nullptr ? m_hPort->WriteOrStop(buffer, count, done, *stop)
                                         : m_hPort->Write(buffer, count, done);
    if (!written) {
        TRACE("CSerial::WritePort: Can't write to port; Error=0x%08lX\n", LastErrorForTrace());
        return 0;
    }
    if (done == count) {
        return count;
    }
    if (GetLastError() == 0) {
        SetLastError(SERIAL_E_SHORT_WRITE);
    }
    TRACE("CSerial::WritePort: WriteFile() did not write all the bytes!\n");
    return 0;
}

std::uint32_t CSerial::WritePort(const std::string& text, platform::Event* stop) {
    return WritePort(text.data(), static_cast<std::uint32_t>(text.size()), stop);
}

bool CSerial::SendBreak(std::uint32_t durationMs) {
    if (!BeginBreak()) {
        return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(durationMs));
    return EndBreak();
}

bool CSerial::BeginBreak() {
    if (m_hPort == nullptr) {
        SetLastError(SERIAL_E_NOT_OPEN);
        TRACE("CSerial::SendBreak: Can't purge the communications;  Error=0x%08lX!\n",
              LastErrorForTrace());
        return false;
    }
    if (!m_hPort->PurgeInput()) {
        TRACE("CSerial::SendBreak: Can't purge the communications;  Error=0x%08lX!\n",
              LastErrorForTrace());
        return false;
    }
    if (!m_hPort->SetBreak()) {
        TRACE("CSerial::SendBreak: Can't send a break;  Error=0x%08lX!\n", LastErrorForTrace());
        return false;
    }
    return true;
}

bool CSerial::EndBreak() {
    if (m_hPort == nullptr) {
        SetLastError(SERIAL_E_NOT_OPEN);
        return false;
    }
    if (!m_hPort->ClearBreak()) {
        // The line may still be held in break: no byte can cross it, so this is no success.
        TRACE("CSerial::SendBreak: Can't clear the break signal;  Error=0x%08lX!\n",
              LastErrorForTrace());
        return false;
    }
    return true;
}

void CSerial::Close() {
    // Closes in order and stops at the first failure; the rest are dropped unclosed, as
    // the handles they are can no longer be trusted. Every member ends up null.
    const char* failed = nullptr;
    if (m_hPort != nullptr && !m_hPort->Close()) {
        failed = "Port";
    }
    if (failed != nullptr) {
        TRACE("CSerial::Close: Error closing %s handle; Error=0x%08lX\n", failed,
              LastErrorForTrace());
    }
    m_hPort.reset();
    m_ovRead.hEvent.reset();
    m_ovWrite.hEvent.reset();
    m_ovCharRec.hEvent.reset();
}

void CSerial::EnumeratePorts() {
    m_nNextPort = 0;
    const auto map = PortMap::Refresh();
    for (int i = 0; i < PortMap::kMaxPorts; ++i) {
        // A name counts only where its device is there (in use or not): a map entry left
        // behind by a device that has gone must not be offered.
        const PortInfo* info = map->Find(i + 1);
        const bool present =
            info != nullptr && platform::CommDriverRegistry::Process().Exists(info->path);
        m_bAvailable[i] = present ? 1 : 0;
        if (present) {
            TRACE("%s found\n", info->name.c_str());
        }
    }
}

int CSerial::NextAvailablePort() {
    for (int i = m_nNextPort; i < PortMap::kMaxPorts; ++i) {
        if (m_bAvailable[i] != 0) {
            m_nNextPort = i + 1;
            return i + 1;
        }
    }
    return 0;
}

bool CSerial::PortExists(int port) const {
    return port >= 1 && port <= PortMap::kMaxPorts && m_bAvailable[port - 1] != 0;
}

bool CSerial::PortAvailable(const std::string& portName) const {
    // A connection made only to be closed can keep a one-client server's port from the
    // connection that follows it for seconds.
    const std::string path = PortMap::Current()->Resolve(portName);
    if (!path.empty() && !platform::CommDriverRegistry::Process().OpenIsCheap(path)) {
        return true;
    }
    std::unique_ptr<platform::CommPort> port = OpenDevice(portName);
    if (port == nullptr) {
        return false;
    }
    if (!port->Close()) {
        TRACE("CSerial::PortAvailable:  Can't close port handle!\n");
    }
    return true;
}
