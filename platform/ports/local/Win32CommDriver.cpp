#include "platform/ports/local/Win32CommDriver.h"

#include <windows.h>

#include <algorithm>
#include <chrono>

#include "platform/os/LastError.h"

namespace platform {
namespace {

constexpr const char* kDevicePrefix = "\\\\.\\";

// An overlapped record with its own auto-reset event, for one kind of transfer.
class Overlapped {
  public:
    Overlapped() { m_ov.hEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr); }
    ~Overlapped() {
        if (m_ov.hEvent != nullptr) {
            CloseHandle(m_ov.hEvent);
        }
    }
    Overlapped(const Overlapped&) = delete;
    Overlapped& operator=(const Overlapped&) = delete;

    bool Valid() const { return m_ov.hEvent != nullptr; }
    OVERLAPPED* Record() {
        const HANDLE event = m_ov.hEvent;
        m_ov = OVERLAPPED{};
        m_ov.hEvent = event;
        return &m_ov;
    }

  private:
    OVERLAPPED m_ov{};
};

class Win32CommPort final : public CommPort {
  public:
    explicit Win32CommPort(HANDLE handle) : m_handle(handle) {}
    ~Win32CommPort() override { Close(); }

    bool Valid() const { return m_read.Valid() && m_write.Valid() && m_event.Valid(); }

    // A port opens with an empty input queue, whatever its last user left in it. Read
    // away rather than purged: the far end can see a purge (a simulator takes it for the
    // break that follows one).
    void DiscardStaleInput() {
        char sink[256];
        CommStatus status;
        for (int round = 0; round < 256 && ClearError(status) && status.inQueue != 0; ++round) {
            std::uint32_t done = 0;
            if (!Read(sink, std::min<std::uint32_t>(status.inQueue, sizeof sink), done)) {
                return;
            }
        }
    }

    bool GetState(LineState& state) override {
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(m_handle, &dcb)) {
            return false;
        }
        state.baudRate = dcb.BaudRate;
        state.parity = dcb.Parity;
        state.stopBits = dcb.StopBits;
        state.byteSize = dcb.ByteSize;
        state.binary = dcb.fBinary != 0;
        state.outxCtsFlow = dcb.fOutxCtsFlow != 0;
        state.outxDsrFlow = dcb.fOutxDsrFlow != 0;
        state.dtrOn = dcb.fDtrControl == DTR_CONTROL_ENABLE;
        state.dsrSensitivity = dcb.fDsrSensitivity != 0;
        state.outX = dcb.fOutX != 0;
        state.inX = dcb.fInX != 0;
        state.rtsOn = dcb.fRtsControl == RTS_CONTROL_ENABLE;
        state.abortOnError = dcb.fAbortOnError != 0;
        return true;
    }

    bool SetState(const LineState& state) override {
        // Only the fields the line needs change; the rest stay as the driver has them.
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(m_handle, &dcb)) {
            return false;
        }
        dcb.BaudRate = state.baudRate;
        dcb.Parity = state.parity;
        dcb.StopBits = state.stopBits;
        dcb.ByteSize = state.byteSize;
        dcb.fBinary = state.binary;
        dcb.fOutxCtsFlow = state.outxCtsFlow;
        dcb.fOutxDsrFlow = state.outxDsrFlow;
        dcb.fDtrControl = state.dtrOn ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
        dcb.fDsrSensitivity = state.dsrSensitivity;
        dcb.fOutX = state.outX;
        dcb.fInX = state.inX;
        dcb.fRtsControl = state.rtsOn ? RTS_CONTROL_ENABLE : RTS_CONTROL_DISABLE;
        dcb.fAbortOnError = state.abortOnError;
        if (!SetCommState(m_handle, &dcb)) {
            return false;
        }
        m_baud = state.baudRate != 0 ? state.baudRate : 9600;
        return true;
    }

    bool SetQueueSizes(std::uint32_t inQueue, std::uint32_t outQueue) override {
        return SetupComm(m_handle, inQueue, outQueue) != 0;
    }

    bool SetTimeouts(const CommTimeouts& timeouts) override {
        COMMTIMEOUTS record{timeouts.readIntervalTimeout, timeouts.readTotalTimeoutMultiplier,
                            timeouts.readTotalTimeoutConstant, timeouts.writeTotalTimeoutMultiplier,
                            timeouts.writeTotalTimeoutConstant};
        return SetCommTimeouts(m_handle, &record) != 0;
    }

    bool ClearError(CommStatus& status) override {
        DWORD errors = 0;
        COMSTAT comstat{};
        if (!ClearCommError(m_handle, &errors, &comstat)) {
            return false;
        }
        status.errors = errors;
        status.inQueue = comstat.cbInQue;
        status.outQueue = comstat.cbOutQue;
        return true;
    }

    bool Read(void* buffer, std::uint32_t count, std::uint32_t& done) override {
        done = 0;
        DWORD n = 0;
        OVERLAPPED* ov = m_read.Record();
        if (!ReadFile(m_handle, buffer, count, &n, ov)) {
            if (::GetLastError() != ERROR_IO_PENDING ||
                !GetOverlappedResult(m_handle, ov, &n, TRUE)) {
                return false;
            }
        }
        done = n;
        return true;
    }

    bool Write(const void* buffer, std::uint32_t count, std::uint32_t& done) override {
        return WriteWatching(buffer, count, done, nullptr);
    }

    bool WriteOrStop(const void* buffer, std::uint32_t count, std::uint32_t& done,
                     Event& stop) override {
        return WriteWatching(buffer, count, done, static_cast<HANDLE>(stop.Handle()));
    }

    InputWait WaitForInput(Event& stop, std::chrono::steady_clock::time_point deadline) override {
        // Only a failed wait has an error to tell; the calls of one that ended well leave
        // the caller's last error as it was, as a wait on a tty does.
        const DWORD callersError = ::GetLastError();
        const InputWait result = WaitOnLine(static_cast<HANDLE>(stop.Handle()), deadline);
        if (result != InputWait::Failed) {
            ::SetLastError(callersError);
        }
        return result;
    }

    bool PurgeInput() override { return PurgeComm(m_handle, PURGE_RXABORT | PURGE_RXCLEAR) != 0; }
    bool SetBreak() override { return SetCommBreak(m_handle) != 0; }
    bool ClearBreak() override { return ClearCommBreak(m_handle) != 0; }

    bool Close() override {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return true;
        }
        // Unsent output would hold the close until it drained.
        PurgeComm(m_handle, PURGE_TXABORT | PURGE_TXCLEAR);
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

  private:
    // Waits for a byte through WaitCommEvent, together with the stop event.
    InputWait WaitOnLine(HANDLE stopHandle, std::chrono::steady_clock::time_point deadline) {
        if (stopHandle == nullptr) {
            return InputWait::Unsupported;
        }
        if (!m_maskSet) {
            if (!SetCommMask(m_handle, EV_RXCHAR)) {
                return InputWait::Failed;
            }
            m_maskSet = true;
        }
        CommStatus status;
        if (!ClearError(status)) {
            return InputWait::Failed;
        }
        if (status.inQueue != 0) {
            return InputWait::Input;
        }
        DWORD events = 0;
        OVERLAPPED* ov = m_event.Record();
        if (WaitCommEvent(m_handle, &events, ov)) {
            return InputWait::Input;
        }
        if (::GetLastError() != ERROR_IO_PENDING) {
            return InputWait::Failed;
        }
        // A byte that came between the count above and the start of the wait may have
        // raised no event: look once more now that the wait is under way.
        InputWait result = InputWait::Timeout;
        if (ClearError(status) && status.inQueue != 0) {
            result = InputWait::Input;
        } else {
            const HANDLE handles[2] = {ov->hEvent, stopHandle};
            for (;;) {
                const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    deadline - std::chrono::steady_clock::now());
                const DWORD timeout = left.count() <= 0 ? 0 : static_cast<DWORD>(left.count()) + 1;
                const DWORD woke = WaitForMultipleObjects(2, handles, FALSE, timeout);
                if (woke == WAIT_OBJECT_0) {
                    DWORD unused = 0;
                    return GetOverlappedResult(m_handle, ov, &unused, FALSE) ? InputWait::Input
                                                                             : InputWait::Failed;
                }
                if (woke == WAIT_OBJECT_0 + 1) {
                    result = InputWait::Stop;
                } else if (woke == WAIT_TIMEOUT) {
                    if (timeout != 0 && std::chrono::steady_clock::now() < deadline) {
                        continue;
                    }
                    result = InputWait::Timeout;
                } else {
                    result = InputWait::Failed;
                }
                break;
            }
        }
        // The record must not go out of use while the system still holds it: changing the
        // mask ends the pending wait at once.
        const DWORD error = ::GetLastError();
        SetCommMask(m_handle, EV_RXCHAR);
        DWORD unused = 0;
        GetOverlappedResult(m_handle, ov, &unused, TRUE);
        ::SetLastError(error);
        return result;
    }

    // Waits for the write to complete, but never for ever (a line that stays blocked ends
    // the write short) and never past a stop (when one is watched).
    bool WriteWatching(const void* buffer, std::uint32_t count, std::uint32_t& done, HANDLE stop) {
        done = 0;
        DWORD n = 0;
        OVERLAPPED* ov = m_write.Record();
        if (WriteFile(m_handle, buffer, count, &n, ov)) {
            done = n;
            return true;
        }
        if (::GetLastError() != ERROR_IO_PENDING) {
            return false;
        }
        const HANDLE handles[2] = {ov->hEvent, stop};
        const DWORD limit = static_cast<DWORD>(2000 + 10ULL * 1000 * count / m_baud);
        const DWORD woke = WaitForMultipleObjects(stop != nullptr ? 2 : 1, handles, FALSE, limit);
        if (woke != WAIT_OBJECT_0) {
            CancelIo(m_handle);
            GetOverlappedResult(m_handle, ov, &n, TRUE);
            done = n;
            ::SetLastError(woke == WAIT_OBJECT_0 + 1 ? ERROR_CANCELLED : ERROR_TIMEOUT);
            return false;
        }
        if (!GetOverlappedResult(m_handle, ov, &n, TRUE)) {
            return false;
        }
        done = n;
        return true;
    }

    HANDLE m_handle;
    Overlapped m_read;
    Overlapped m_write;
    Overlapped m_event;
    bool m_maskSet = false;
    std::uint32_t m_baud = 9600;
};

bool IsDeviceName(const std::string& path) {
    return path.compare(0, 4, kDevicePrefix) == 0 && path.size() > 4 &&
           path.find('\0') == std::string::npos;
}

}  // namespace

std::unique_ptr<CommPort> Win32CommDriver::Open(const std::string& path) {
    if (!IsDeviceName(path)) {
        ::SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    if (GetFileType(handle) != FILE_TYPE_CHAR) {
        CloseHandle(handle);
        ::SetLastError(ERROR_INVALID_FUNCTION);
        return nullptr;
    }
    auto port = std::make_unique<Win32CommPort>(handle);
    if (!port->Valid()) {
        const DWORD error = ::GetLastError();
        port.reset();
        ::SetLastError(error);
        return nullptr;
    }
    port->DiscardStaleInput();
    return port;
}

bool Win32CommDriver::Exists(const std::string& path) {
    if (!IsDeviceName(path)) {
        return false;
    }
    COMMCONFIG config{};
    DWORD size = sizeof config;
    return GetDefaultCommConfigA(path.c_str() + 4, &config, &size) != 0;
}

}  // namespace platform
