#pragma once
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

// One line of the simulator: an instrument at a fixed rate, or a line with nothing on it.
struct SimulatedLine {
    std::uint32_t rate = 0;  // bits per second; 0 for a silent line

    static SimulatedLine AtRate(std::uint32_t rate) { return SimulatedLine{rate}; }
    static SimulatedLine Silent() { return SimulatedLine{0}; }
    bool IsSilent() const { return rate == 0; }

    // "19200" or "silent"; false (line untouched) for anything else.
    static bool Parse(const std::string& text, SimulatedLine& line);
};

struct SimulatorOptions {
    // Sent before the prompt when the host's rate is the instrument's own.
    std::string banner = "\r\nBrinevane ADCP\r\n";
    // Extra time the instrument takes to answer, after the break has ended or after the
    // line feed came.
    std::uint32_t replyDelayMs = 0;
    // How long the host's break is taken to last: the instrument answers when it ends,
    // and a pty shows only its start (the input purge before it).
    std::uint32_t breakMs = 300;
    // What the simulator saw and did, one line per event; null for none. Written from the
    // simulator's thread only; the stream must outlive the simulator.
    std::ostream* log = nullptr;
};

// A Brinevane ADCP played on pseudo-terminals: one pty per line. The host's end of each
// line is the pty's slave (/dev/pts/N); the simulator holds the master in packet mode,
// reads the host's line rate through it and takes the input purge that precedes every
// break as the break itself, since a pty carries none. On a break, or on a line feed from
// the host, an instrument answers with its banner and ">" when the host's rate is its own,
// and with a few bytes of noise without any ">" otherwise, as a real line would.
//
// One worker thread serves all lines (poll on the masters). The simulator keeps a slave
// descriptor of its own open on each line so that the master stays readable whether or
// not a host has the line open.
class InstrumentSimulator {
  public:
    explicit InstrumentSimulator(std::vector<SimulatedLine> lines,
                                 SimulatorOptions options = SimulatorOptions());
    ~InstrumentSimulator();
    InstrumentSimulator(const InstrumentSimulator&) = delete;
    InstrumentSimulator& operator=(const InstrumentSimulator&) = delete;

    // Makes the ptys and starts serving them. False, with a reason in error and nothing
    // left open, when a pty or the thread cannot be made. Starting twice is an error.
    bool Start(std::string* error = nullptr);
    // Stops serving and closes every pty. Safe to call more than once.
    void Stop();

    std::size_t LineCount() const { return m_lines.size(); }
    // "/dev/pts/3" for line 0 (COM1); empty before Start or for a line that is closed.
    std::string SlavePath(std::size_t index) const;
    // "COM1=/dev/pts/3,COM2=/dev/pts/4": the BRINEVANE_PORTS value for the lines.
    std::string PortsVariable() const;

    // The device vanishes, as an adapter pulled out: closes the line's master and the
    // simulator's own slave. A host that has it open then reads end of file.
    void CloseLine(std::size_t index);

    // What each line has seen so far.
    int BreaksSeen(std::size_t index) const;
    int LineFeedsSeen(std::size_t index) const;
    int PromptsSent(std::size_t index) const;
    int NoiseSent(std::size_t index) const;

  private:
    struct Line;

    void Serve();
    void ServeLine(Line& line);
    void Answer(Line& line);
    void CloseLineNow(Line& line);
    void Log(const Line& line, const std::string& text);
    void Wake();

    SimulatorOptions m_options;
    std::vector<std::unique_ptr<Line>> m_lines;
    std::thread m_thread;
    int m_wakeFd = -1;  // eventfd: stop and close requests reach the polling thread
    std::atomic<bool> m_stopping{false};
    bool m_serving = false;  // guarded by m_mutex
    bool m_started = false;

    // Close requests, done by the serving thread so that no descriptor it polls is closed
    // under it; the caller waits until its line is closed.
    mutable std::mutex m_mutex;
    std::condition_variable m_closed;
    std::vector<std::size_t> m_closeRequests;
};
