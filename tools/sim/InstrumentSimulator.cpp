#include "tools/sim/InstrumentSimulator.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>

#include "tools/sim/LineTransport.h"
#include "tools/sim/PtyTransport.h"
#include "tools/sim/Rfc2217Transport.h"
#include "tools/sim/UartWire.h"
#include "tools/sim/WireSchedule.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string ErrnoText(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// "$" BODY "*" its checksum (the XOR of the body's bytes, two hex digits) CR LF.
std::string NmeaSentence(const std::string& body) {
    unsigned sum = 0;
    for (const char c : body) {
        sum ^= static_cast<unsigned char>(c);
    }
    char tail[16];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
    return "$" + body + tail;
}

// A GPS receiver's fix of one second (counted from 12:35:19 UTC): its position and its
// recommended minimum data, standing still.
std::string GpsFix(std::uint32_t second) {
    const std::uint32_t time = (12 * 3600 + 35 * 60 + 19 + second) % 86400;
    char utc[40];
    std::snprintf(utc, sizeof utc, "%02u%02u%02u.00", time / 3600, time / 60 % 60, time % 60);
    return NmeaSentence(std::string("GPGGA,") + utc +
                        ",4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,") +
           NmeaSentence(std::string("GPRMC,") + utc +
                        ",A,4807.038,N,01131.000,E,000.0,000.0,091226,003.1,W");
}

}  // namespace

bool SimulatedLine::Parse(const std::string& text, SimulatedLine& line) {
    if (text == "silent" || text == "noise") {
        line = text == "silent" ? Silent() : Noise();
        return true;
    }
    const bool gps = text.compare(0, 4, "gps:") == 0;
    const std::string digits = gps ? text.substr(4) : text;
    if (digits.empty() || digits.size() > 7 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const auto rate = static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, 10));
    if (rate == 0) {
        return false;
    }
    line = gps ? Gps(rate) : AtRate(rate);
    return true;
}

// A line: its transport to the host, the instrument on it, what the instrument owes the
// host and when, and what is on the wire. It takes the host's doings from its transport.
struct InstrumentSimulator::Line final : LineTransport::Events {
    InstrumentSimulator* simulator = nullptr;
    std::size_t index = 0;
    std::string name;  // "COM1"
    SimulatedLine config;
    std::unique_ptr<LineTransport> transport;
    std::string slavePath;  // guarded by m_mutex once the thread runs
    std::optional<SimulatedInstrument> instrument;
    // The instrument's next answer, due when a break has ended or after its reply delay.
    std::string reply;
    Clock::time_point replyAt;
    std::chrono::milliseconds wakeDelay{0};  // of the answer to the last break
    const char* wakeCause = "";
    // A glitch owed as the break ends, and the rest of an answer owed after its pause.
    std::string glitch;
    std::string rest;
    std::chrono::milliseconds pause{0};
    // What the host's UART will have decoded, and when: put on the line as due.
    WireSchedule wire;
    // The next stream record, noise byte or GPS fix; unset for none.
    std::optional<Clock::time_point> emitAt;
    std::uint32_t gpsSecond = 0;  // of the GPS's next fix
    std::minstd_rand random;
    std::atomic<int> breaks{0};
    std::atomic<int> lineFeeds{0};
    std::atomic<int> prompts{0};
    std::atomic<int> garbled{0};

    void HostSent(const std::string& bytes) override { simulator->HostSent(*this, bytes); }
    void BreakBegan() override { simulator->BeginBreak(*this); }
    void BreakEnds(Clock::time_point at) override {
        replyAt = at + std::chrono::milliseconds(simulator->m_options.replyDelayMs) + wakeDelay;
    }
    void HostLeft() override {
        reply.clear();
        glitch.clear();
        wire.Clear();
    }
    void Log(const std::string& text) override { simulator->Log(*this, text); }
};

InstrumentSimulator::InstrumentSimulator(std::vector<SimulatedLine> lines, SimulatorOptions options)
    : m_options(std::move(options)) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto line = std::make_unique<Line>();
        line->simulator = this;
        line->index = i;
        line->name = "COM" + std::to_string(i + 1);
        line->config = lines[i];
        const unsigned seed = static_cast<unsigned>(0x5EED + i);
        line->random.seed(seed);
        if (line->config.HasInstrument()) {
            line->instrument.emplace(InstrumentOf(m_options), seed);
        }
        if (m_options.listen.empty()) {
            line->transport = std::make_unique<PtyTransport>(*line, m_options.breakMs);
        } else {
            line->transport = std::make_unique<Rfc2217Transport>(*line, m_options.listen, i);
        }
        m_lines.push_back(std::move(line));
    }
}

SimulatedInstrument::Behaviour InstrumentSimulator::InstrumentOf(const SimulatorOptions& options) {
    SimulatedInstrument::Behaviour behaviour;
    behaviour.banner = options.banner;
    behaviour.echo = options.echo;
    behaviour.streaming = options.streamMs > 0;
    behaviour.glitch = options.glitch;
    behaviour.breaksSlept = options.breaksSlept;
    behaviour.wakeDelay = std::chrono::milliseconds(options.wakeDelayMs);
    behaviour.wakeDelayMax = std::chrono::milliseconds(options.wakeDelayMaxMs);
    behaviour.pauseAfter = options.pauseAfter;
    behaviour.pause = std::chrono::milliseconds(options.pauseMs);
    return behaviour;
}

InstrumentSimulator::~InstrumentSimulator() {
    Stop();
}

bool InstrumentSimulator::Start(std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error != nullptr) {
            *error = why;
        }
        for (auto& line : m_lines) {
            CloseLineNow(*line);
        }
        if (m_wakeFd >= 0) {
            ::close(m_wakeFd);
            m_wakeFd = -1;
        }
        return false;
    };
    if (m_started) {
        if (error != nullptr) {
            *error = "the simulator has already been started";
        }
        return false;
    }
    if (m_lines.size() > 32) {
        return fail("at most 32 lines (COM1 to COM32)");
    }
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        return fail(ErrnoText("eventfd"));
    }
    for (auto& line : m_lines) {
        std::string path;
        std::string why;
        if (!line->transport->Open(path, why)) {
            return fail(why);
        }
        line->slavePath = path;
        Begin(*line);
    }
    m_stopping = false;
    m_serving = true;
    try {
        m_thread = std::thread(&InstrumentSimulator::Serve, this);
    } catch (const std::system_error& e) {
        m_serving = false;
        return fail(std::string("cannot start the simulator's thread: ") + e.what());
    }
    m_started = true;
    return true;
}

void InstrumentSimulator::Begin(Line& line) {
    if (line.config.noise || line.config.gps || (line.instrument && line.instrument->Streaming())) {
        line.emitAt = Clock::now();
    }
    const std::string rate = std::to_string(line.config.rate) + " baud";
    Log(line, (line.config.HasInstrument() ? "instrument at " + rate
               : line.config.gps           ? "GPS at " + rate
               : line.config.noise         ? std::string("noise")
                                           : std::string("silent line")) +
                  " on " + line.slavePath);
}

void InstrumentSimulator::Stop() {
    if (m_thread.joinable()) {
        m_stopping = true;
        Wake();
        m_thread.join();
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto& line : m_lines) {
            CloseLineNow(*line);
        }
        m_closeRequests.clear();
    }
    m_closed.notify_all();
    if (m_wakeFd >= 0) {
        ::close(m_wakeFd);
        m_wakeFd = -1;
    }
}

std::string InstrumentSimulator::SlavePath(std::size_t index) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return index < m_lines.size() ? m_lines[index]->slavePath : std::string();
}

std::string InstrumentSimulator::PortsVariable() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string text;
    for (const auto& line : m_lines) {
        if (!line->slavePath.empty()) {
            text += (text.empty() ? "" : ",") + line->name + "=" + line->slavePath;
        }
    }
    return text;
}

void InstrumentSimulator::CloseLine(std::size_t index) {
    if (index >= m_lines.size()) {
        return;
    }
    std::unique_lock<std::mutex> lock(m_mutex);
    Line& line = *m_lines[index];
    if (!m_thread.joinable() || m_stopping) {
        CloseLineNow(line);
        return;
    }
    m_closeRequests.push_back(index);
    Wake();
    m_closed.wait(lock, [&] { return line.slavePath.empty() || !m_serving; });
}

int InstrumentSimulator::BreaksSeen(std::size_t index) const {
    return index < m_lines.size() ? m_lines[index]->breaks.load() : 0;
}

int InstrumentSimulator::LineFeedsSeen(std::size_t index) const {
    return index < m_lines.size() ? m_lines[index]->lineFeeds.load() : 0;
}

int InstrumentSimulator::PromptsSent(std::size_t index) const {
    return index < m_lines.size() ? m_lines[index]->prompts.load() : 0;
}

int InstrumentSimulator::GarbledSent(std::size_t index) const {
    return index < m_lines.size() ? m_lines[index]->garbled.load() : 0;
}

void InstrumentSimulator::Wake() {
    if (m_wakeFd >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
    }
}

// Called with m_mutex held, or before the thread runs, or after it has ended.
void InstrumentSimulator::CloseLineNow(Line& line) {
    line.transport->Close();
    line.reply.clear();
    line.glitch.clear();
    line.wire.Clear();
    line.emitAt.reset();
    line.slavePath.clear();
}

void InstrumentSimulator::Serve() {
    std::vector<pollfd> polled;
    std::vector<Line*> polledLines;
    std::vector<int> fds;
    while (!m_stopping) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            for (const std::size_t index : m_closeRequests) {
                Log(*m_lines[index], "line closed: the device has gone");
                CloseLineNow(*m_lines[index]);
            }
            if (!m_closeRequests.empty()) {
                m_closeRequests.clear();
                m_closed.notify_all();
            }
        }

        // Sleep until a byte comes, a request comes, or the next thing is due on a line.
        std::optional<Clock::time_point> due;
        auto dueBy = [&due](Clock::time_point at) { due = due ? std::min(*due, at) : at; };
        polled.assign(1, pollfd{m_wakeFd, POLLIN, 0});
        polledLines.assign(1, nullptr);
        for (auto& line : m_lines) {
            if (!line->transport->IsOpen()) {
                continue;
            }
            fds.clear();
            line->transport->Polled(fds);
            for (const int fd : fds) {
                polled.push_back(pollfd{fd, POLLIN, 0});
                polledLines.push_back(line.get());
            }
            if (!line->transport->BreakHeld() && (!line->reply.empty() || !line->glitch.empty())) {
                dueBy(line->glitch.empty() ? line->replyAt : line->replyAt - line->wakeDelay);
            }
            if (const auto next = line->wire.NextDue()) {
                dueBy(*next);
            }
            if (line->emitAt) {
                dueBy(*line->emitAt);
            }
            if (const auto upkeep = line->transport->UpkeepDue()) {
                dueBy(*upkeep);
            }
        }
        timespec timeout{};
        if (due) {
            const auto left = std::max(Clock::duration::zero(), *due - Clock::now());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            timeout.tv_sec = static_cast<time_t>(ns / 1000000000);
            timeout.tv_nsec = static_cast<long>(ns % 1000000000);
        }
        const int ready = ppoll(polled.data(), polled.size(), due ? &timeout : nullptr, nullptr);
        if (ready < 0 && errno != EINTR) {
            std::fprintf(stderr, "brinevane-sim: poll failed: %s\n", std::strerror(errno));
            break;
        }
        if (ready > 0 && (polled[0].revents & POLLIN) != 0) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t n = ::read(m_wakeFd, &count, sizeof count);
        }
        Line* served = nullptr;  // a line polled on two sockets is served once
        for (std::size_t i = 1; ready > 0 && i < polled.size(); ++i) {
            if (polled[i].revents != 0 && polledLines[i] != served) {
                served = polledLines[i];
                ServeLine(*served);
            }
        }
        const auto after = Clock::now();
        for (auto& line : m_lines) {
            if (!line->transport->IsOpen()) {
                continue;
            }
            if (!line->glitch.empty() && !line->transport->BreakHeld() &&
                line->replyAt - line->wakeDelay <= after) {
                Glitch(*line);
            }
            if (!line->reply.empty() && !line->transport->BreakHeld() && line->replyAt <= after) {
                Answer(*line);
            }
            if (line->emitAt && *line->emitAt <= after) {
                Emit(*line);
            }
            if (const auto upkeep = line->transport->UpkeepDue(); upkeep && *upkeep <= after) {
                line->transport->Upkeep(after);
            }
            Flush(*line);
        }
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_serving = false;
    m_closed.notify_all();
}

void InstrumentSimulator::ServeLine(Line& line) {
    if (!line.transport->Serve()) {
        std::lock_guard<std::mutex> lock(m_mutex);
        CloseLineNow(line);
        m_closed.notify_all();
    }
}

void InstrumentSimulator::HostSent(Line& line, const std::string& sent) {
    const int feeds = static_cast<int>(std::count(sent.begin(), sent.end(), '\n'));
    line.lineFeeds += feeds;
    Log(line, "received " + std::to_string(sent.size()) + " byte(s)" +
                  (feeds > 0 ? ", " + std::to_string(feeds) + " line feed(s)" : ""));
    Hear(line, sent);
}

void InstrumentSimulator::BeginBreak(Line& line) {
    ++line.breaks;
    Log(line, "break");
    line.reply.clear();
    line.glitch.clear();
    line.rest.clear();
    line.wakeDelay = std::chrono::milliseconds(0);
    if (line.config.gps) {
        return;  // a GPS does not hear a break: its sentence under way goes on
    }
    const bool streaming = line.instrument && line.instrument->Streaming();
    const SimulatedInstrument::Wake wake =
        line.instrument ? line.instrument->Woken() : SimulatedInstrument::Wake();
    // A record under way is finished, as a stream's framing needs; anything else stops
    // after the character on the wire. The answer comes when the break ends.
    if (!streaming || wake.answer.empty()) {
        line.wire.StopAfterFrameInFlight(Clock::now(), line.config.rate);
    }
    if (!line.instrument) {
        return;
    }
    if (wake.answer.empty()) {
        Log(line, "asleep: the break goes unheard");
        return;
    }
    line.emitAt.reset();  // a break ends a stream
    line.reply = wake.answer;
    line.glitch = wake.glitch;
    line.rest = wake.rest;
    line.pause = wake.pause;
    line.wakeDelay = wake.delay;
    line.wakeCause = "break";
    std::uint32_t inputRate = 0;
    std::uint32_t outputRate = 0;
    if (!wake.echo.empty() && line.transport->HostRates(inputRate, outputRate)) {
        line.wire.Transmit(wake.echo, line.config.rate, inputRate);
    }
}

void InstrumentSimulator::Glitch(Line& line) {
    std::uint32_t inputRate = 0;
    std::uint32_t outputRate = 0;
    if (line.transport->HostRates(inputRate, outputRate)) {
        Log(line, "a glitch as it wakes");
        line.wire.Transmit(line.glitch, line.config.rate, inputRate);
    }
    line.glitch.clear();
}

void InstrumentSimulator::Hear(Line& line, const std::string& sent) {
    std::uint32_t inputRate = 0;
    std::uint32_t outputRate = 0;
    if (!line.instrument || !line.transport->HostRates(inputRate, outputRate)) {
        return;
    }
    const std::string decoded = UartWire::ReceiveBytes(sent, outputRate, line.config.rate);
    const std::string answer = line.instrument->Hear(decoded);
    if (answer.empty()) {
        return;
    }
    if (line.reply.empty()) {
        line.replyAt = Clock::now() + std::chrono::milliseconds(m_options.replyDelayMs);
        line.wakeCause = "line feed";
    }
    line.reply += answer;
}

void InstrumentSimulator::Answer(Line& line) {
    std::uint32_t inputRate = 0;
    std::uint32_t outputRate = 0;
    if (!line.transport->HostRates(inputRate, outputRate)) {
        line.reply.clear();
        return;
    }
    // Counted before it is sent: a host that has read the answer finds it counted.
    const bool clean = inputRate == line.config.rate;
    ++(clean ? line.prompts : line.garbled);
    Log(line, "after the " + std::string(line.wakeCause) + ": " +
                  (line.wakeCause == std::string("break") ? "banner and prompt" : "prompt") +
                  " at " + std::to_string(line.config.rate) + " baud, host at " +
                  std::to_string(inputRate) + (clean ? "" : ": the host decodes garbage"));
    line.wire.Transmit(line.reply, line.config.rate, inputRate);
    line.reply.clear();
    if (!line.rest.empty()) {
        line.reply.swap(line.rest);
        line.replyAt = line.wire.FreeAt() + line.pause;
    }
}

void InstrumentSimulator::Emit(Line& line) {
    const auto now = Clock::now();
    if (line.config.noise) {
        const char byte = static_cast<char>(line.random() & 0xFF);
        line.wire.Put(now, byte);
        const auto gap = std::chrono::nanoseconds(
            1000000000ULL / std::max<std::uint32_t>(1, m_options.noiseBytesPerSecond));
        line.emitAt = *line.emitAt + gap;
        return;
    }
    std::uint32_t inputRate = 0;
    std::uint32_t outputRate = 0;
    if (line.config.gps) {
        // Its fixes keep their second whether anyone listens or not.
        if (line.transport->HostRates(inputRate, outputRate)) {
            line.wire.Transmit(GpsFix(line.gpsSecond), line.config.rate, inputRate);
        }
        ++line.gpsSecond;
        line.emitAt = *line.emitAt + std::chrono::seconds(1);
        return;
    }
    // A stream does not queue up behind a wire that is slower than its records.
    if (line.wire.FreeAt() <= now && line.transport->HostRates(inputRate, outputRate)) {
        line.wire.Transmit(line.instrument->NextRecord(), line.config.rate, inputRate);
    }
    line.emitAt = std::max(now, line.wire.FreeAt()) + std::chrono::milliseconds(m_options.streamMs);
}

void InstrumentSimulator::Flush(Line& line) {
    const std::string due = line.wire.TakeDue(Clock::now());
    if (!due.empty()) {
        line.transport->Send(due);  // a host that never reads loses what does not fit
    }
}

void InstrumentSimulator::Log(const Line& line, const std::string& text) {
    if (m_options.log == nullptr) {
        return;
    }
    static const auto start = Clock::now();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%8.3f] ", seconds);
    *m_options.log << stamp << line.name << ": " << text << std::endl;
}
