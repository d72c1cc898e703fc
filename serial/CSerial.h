#pragma once
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/Event.h"
#include "platform/ports/CommPort.h"
#include "platform/ports/CommTypes.h"
#include "serial/CObject.h"

// The serial link's own error codes, stored as the thread's last error.
enum : std::uint32_t {
    SERIAL_E_NOT_OPEN = 0x20000001,        // no port handle, read event or write event
    SERIAL_E_ZERO_READ = 0x20000002,       // a read of zero bytes was requested
    SERIAL_E_ZERO_WRITE = 0x20000003,      // a write of zero bytes was requested
    SERIAL_E_NO_ROOM = 0x20000004,         // not enough room in the driver's output queue
    SERIAL_E_SHORT_WRITE = 0x20000005,     // the write ended short with no error reported
    SERIAL_E_DEVICE_CHANGED = 0x20000006,  // the port's name now stands for another device
};

// A completion record of a transfer; only its event is kept.
struct Overlapped {
    std::unique_ptr<platform::Event> hEvent;
};

// One serial port of the host, used by one thread at a time: opened by name for
// exclusive use, configured, polled, read, written and sent a timed break. Failures are
// results (false or 0) with the thread's last error set; nothing is thrown out.
class CSerial : public CObject {
  public:
    CSerial();
    ~CSerial() override;
    CSerial(const CSerial&) = delete;
    CSerial& operator=(const CSerial&) = delete;

    // An object that already holds a port releases it (and its events) first. With a stop
    // event, an open that waits (a device server's) ends as soon as it is set (ECANCELED),
    // and so do the port's own waits while it is open: the event must outlive the port.
    bool Open(const std::string& portName, std::uint32_t baud, int parity, int stopBits,
              int dataBits, std::uint32_t inQueue, std::uint32_t outQueue,
              platform::Event* stop = nullptr);
    bool ConfigPort();
    void SetBaud(std::uint32_t baud) { m_nBaud = baud; }
    void SetParity(int parity) { m_nParity = parity; }
    void SetStopBits(int stopBits) { m_nStopBits = stopBits; }
    void SetDataBits(int dataBits) { m_nDataBits = dataBits; }
    static std::uint32_t ValidateBaud(std::uint32_t baud);

    bool kbhit();
    // Sleeps until bytes wait to be read, the stop event is set or the deadline passes.
    // Unsupported where the driver cannot block on its line: poll kbhit in passes then.
    platform::InputWait WaitForInput(platform::Event& stop,
                                     std::chrono::steady_clock::time_point deadline);
    // Sleeps as WaitForInput does, but on several lines at once: each[i] says what became
    // of lines[i] (Unsupported for a line that is not open or cannot be slept on).
    static platform::InputWait WaitForAnyInput(const std::vector<CSerial*>& lines,
                                               platform::Event& stop,
                                               std::chrono::steady_clock::time_point deadline,
                                               std::vector<platform::InputWait>& each);
    std::uint32_t ReadPort(void* buffer, std::uint32_t count);
    // With a stop event, a write that waits for room on a stuck line ends as soon as the
    // event is set (0, last error ECANCELED).
    std::uint32_t WritePort(const void* buffer, std::uint32_t count,
                            platform::Event* stop = nullptr);
    std::uint32_t WritePort(const std::string& text, platform::Event* stop = nullptr);
    bool SendBreak(std::uint32_t durationMs);
    // The two halves of SendBreak, for a caller that times the break itself: discard the
    // input and raise the break; then let the line go.
    bool BeginBreak();
    bool EndBreak();
    void Close();

    // Which of COM1..COM32 exist, handed out in ascending order.
    void EnumeratePorts();
    int NextAvailablePort();
    // Whether the last enumeration found the port (1 for COM1) there.
    bool PortExists(int port) const;
    // Whether the port can be opened for exclusive use at this moment. A device server's
    // port is taken as free without a connection: the open that follows is its check.
    bool PortAvailable(const std::string& portName) const;

    bool IsOpen() const { return m_hPort != nullptr; }
    // Whether the rate and the break reach the line: not over a raw TCP port.
    bool ControlsLine() const { return m_hPort == nullptr || m_hPort->ControlsLine(); }
    const std::string& GetPortName() const { return m_strPort; }
    std::uint32_t GetBaud() const { return m_nBaud; }

  private:
    // Opens the device a port name stands for; null with the last error set.
    static std::unique_ptr<platform::CommPort> OpenDevice(const std::string& portName,
                                                          platform::Event* stop = nullptr);

    std::int32_t m_nNextPort;
    unsigned char m_bAvailable[32];
    std::unique_ptr<platform::CommPort> m_hPort;
    Overlapped m_ovRead;
    Overlapped m_ovWrite;
    Overlapped m_ovCharRec;
    std::uint32_t m_nBaud = 0;
    int m_nParity = 0;
    int m_nStopBits = 0;
    int m_nDataBits = 0;
    std::uint32_t m_dwInQueue = 0;
    std::uint32_t m_dwOutQueue = 0;
    platform::CommTimeouts m_timeouts;
    std::string m_strPort;
};
