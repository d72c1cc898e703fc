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

#include "tools/sim/SimulatedInstrument.h"

// One line of the simulator: an instrument at a fixed rate, a line with nothing on it, one
// that carries random bytes (a cable picking up interference, no instrument), or a GPS
// receiver that sends its NMEA sentences at its rate once a second, whatever the host does.
struct SimulatedLine {
    std::uint32_t rate = 0;  // bits per second of what talks on it; 0 for nothing
    bool noise = false;
    bool gps = false;

    static SimulatedLine AtRate(std::uint32_t rate) { return SimulatedLine{rate, false}; }
    static SimulatedLine Silent() { return SimulatedLine{0, false}; }
    static SimulatedLine Noise() { return SimulatedLine{0, true}; }
    static SimulatedLine Gps(std::uint32_t rate) { return SimulatedLine{rate, false, true}; }
    bool HasInstrument() const { return rate != 0 && !gps; }

    // "19200", "silent", "noise" or "gps:4800"; false (line untouched) for anything else.
    static bool Parse(const std::string& text, SimulatedLine& line);
};

struct SimulatorOptions {
    // Sent before the prompt after a break.
    std::string banner = SimulatedInstrument::kDefaultBanner;
    // Sends back every byte it decoded from the host.
    bool echo = false;
    // Streams a binary record every so many milliseconds until the first break (0: rests at
    // its prompt from the start).
    std::uint32_t streamMs = 0;
    // Bytes a second on a noise line.
    std::uint32_t noiseBytesPerSecond = 200;
    // Extra time the instrument takes to answer, after the break has ended or after the
    // line feed came.
    std::uint32_t replyDelayMs = 0;
    // What it does at a break besides (see SimulatedInstrument::Behaviour): one 0xFF as it
    // wakes, the first breaks slept through, and a further delay before its answer to a
    // break, drawn anew at each between the two (milliseconds).
    bool glitch = false;
    int breaksSlept = 0;
    std::uint32_t wakeDelayMs = 0;
    std::uint32_t wakeDelayMaxMs = 0;
    // A pause of pauseMs after the first pauseAfter bytes of its answer to a break.
    std::size_t pauseAfter = 0;
    std::uint32_t pauseMs = 0;
    // How long the host's break is taken to last: the instrument answers when it ends,
    // and a pty shows only its start (the input purge before it).
    std::uint32_t breakMs = 300;
    // Where to serve the lines over RFC 2217 instead of on ptys: "127.0.0.1:0" gives each
    // line a free port of its own, "127.0.0.1:4001" puts line N on port 4001 + N. Empty:
    // ptys. Nothing listens beyond the address given.
    std::string listen;
    // What the simulator saw and did, one line per event; null for none. Written from the
    // simulator's thread only; the stream must outlive the simulator.
    std::ostream* log = nullptr;
};

// A Brinevane ADCP played on pseudo-terminals: one pty per line. The host's end of each
// line is the pty's slave (/dev/pts/N); the simulator holds the master in packet mode,
// reads the host's line rate through it and takes the input purge that precedes every
// break as the break itself, since a pty carries none. A pty carries bytes, not bits, so
// each direction goes through the wire model: the instrument hears what its UART decodes
// of the host's bytes at its own rate, and the host receives, paced as the wire would
// deliver them, the bytes its UART decodes of the instrument's at the host's rate. At a rate
// mismatch both sides get garbage, which can hold a '>', as on a real line.
//
// One worker thread serves all lines: it polls what each line's transport (PtyTransport,
// or Rfc2217Transport when SimulatorOptions::listen is given) names, and keeps what is due
// on each line's wire (WireSchedule) and from its instrument (SimulatedInstrument).
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
    // The instrument each line of these options carries (whatever the line's rate).
    static SimulatedInstrument::Behaviour InstrumentOf(const SimulatorOptions& options);

    // Stops serving and closes every pty. Safe to call more than once.
    void Stop();

    std::size_t LineCount() const { return m_lines.size(); }
    // "/dev/pts/3" (or "rfc2217://127.0.0.1:40321") for line 0 (COM1); empty before Start
    // or for a line that is closed.
    std::string SlavePath(std::size_t index) const;
    // "COM1=/dev/pts/3,COM2=/dev/pts/4": the BRINEVANE_PORTS value for the lines.
    // A line served over RFC 2217 takes one client at a time; a second is closed at once.
    std::string PortsVariable() const;

    // The device vanishes, as an adapter pulled out: closes the line's master and the
    // simulator's own slave. A host that has it open then reads end of file.
    void CloseLine(std::size_t index);

    // What each line has seen so far: breaks and line feeds from the host, and the
    // instrument's answers sent while the host's line ran at its rate, or at another.
    int BreaksSeen(std::size_t index) const;
    int LineFeedsSeen(std::size_t index) const;
    int PromptsSent(std::size_t index) const;
    int GarbledSent(std::size_t index) const;

  private:
    struct Line;

    void Serve();
    void ServeLine(Line& line);
    // What the host sent, and the start of its break (the answer comes when the break ends,
    // as the line's transport tells).
    void HostSent(Line& line, const std::string& sent);
    void BeginBreak(Line& line);
    // A line made: its first stream record or noise byte is due, and the log says what it is.
    void Begin(Line& line);
    void Hear(Line& line, const std::string& sent);
    void Glitch(Line& line);
    void Answer(Line& line);
    void Emit(Line& line);
    void Flush(Line& line);
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
