// Measures the jobs against a simulator that bench/run starts in a process of its own
// (BRINEVANE_PORTS set). Each command prints one JSON object on stdout.
//
//   brinevane-bench search [parallel] [fast]
//                                      one search: wall and CPU seconds, what it found
//   brinevane-bench connect N          N connection runs: seconds to (PR_DONE, NOTIFY_END)
//   brinevane-bench stop-idle N        N stops of a connection job idling after success
//   brinevane-bench stop-wait N        N stops in the middle of a prompt wait (silent line)
//   brinevane-bench sleep-loop SECS    CPU of a bare loop of 1 ms sleeps on a worker thread
//   brinevane-bench prompt N           N prompt waits on a pty: seconds from the prompt's
//                                      write to the wait's return
//   brinevane-bench verdicts N         the rate a search reports for N random banners at
//                                      each search rate, through the wire model (no ptys)
//   brinevane-bench port-times N       the time to a confirmed find of one port, fast and in
//                                      the fixed order, for the default banner and N random
//                                      ones at each search rate, through the wire model
//   brinevane-bench field-cases N      per line as met in the field (instruments at every
//                                      search rate, lines with none), N seeds: finds and
//                                      seconds of the fixed order and the quick search, port
//                                      by port and all at once, through the wire model
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "bench/BenchHost.h"
#include "bench/SearchVerdicts.h"
#include "jobs/CSearchThread.h"
#include "jobs/JobFactory.h"
#include "jobs/JobHost.h"
#include "jobs/JobMessages.h"
#include "jobs/PromptWait.h"
#include "jobs/RunSettings.h"
#include "platform/os/Trace.h"
#include "platform/os/WorkerThread.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "tests/support/FieldCases.h"
#include "tests/support/WireSearch.h"
#include "tools/sim/SimulatedInstrument.h"

using nlohmann::json;
using Clock = std::chrono::steady_clock;

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "brinevane-bench: %s\n", why.c_str());
    std::exit(1);
}

// Waits for the notification that ends a job's work, by message, state and code.
BenchHost::Notification AwaitNotification(BenchHost& host, std::intptr_t state, std::intptr_t code,
                                          std::uint32_t timeoutMs) {
    BenchHost::Notification n{};
    while (host.Next(n, timeoutMs)) {
        host.job.Handle(n.message, static_cast<std::intptr_t>(n.state), n.code);
        if (n.state == state && n.code == code) {
            return n;
        }
    }
    Fail("no notification (" + std::to_string(state) + ", " + std::to_string(code) + ")");
}

json Search(bool parallel, bool fast) {
    BenchHost host;
    const double cpuBefore = CpuSeconds();
    const auto started = Clock::now();
    if (!host.job.StartSearch(JobFactory::NewSearch(parallel, fast))) {
        Fail("cannot start the search job");
    }
    BenchHost::Notification n{};
    while (host.Next(n, 600000) &&
           host.job.Handle(n.message, static_cast<std::intptr_t>(n.state), n.code).verdict ==
               JobHost::Verdict::Running) {
    }
    const double wall = Seconds(n.at - started);
    const double cpu = CpuSeconds() - cpuBefore;
    const JobHost::Outcome outcome = host.job.GetOutcome();
    if (host.Stop() < 0) {
        Fail("the search job did not stop");
    }
    const bool found = outcome.verdict == JobHost::Verdict::Success;
    return {{"wall_s", wall},
            {"cpu_s", cpu},
            {"found", found},
            {"port", found ? PortMap::PortNumber(outcome.portName) : 0},
            {"baud", outcome.baud}};
}

// Starts a connection job with the settings.
void StartConnection(BenchHost& host, const RunSettings& settings) {
    if (!host.job.StartConnection(JobFactory::NewConnection(settings))) {
        Fail("cannot start the connection job");
    }
}

json Connect(int trials, const RunSettings& settings) {
    std::vector<double> times;
    for (int i = 0; i < trials; ++i) {
        BenchHost host;
        const auto started = Clock::now();
        StartConnection(host, settings);
        const auto done = AwaitNotification(host, PR_DONE, NOTIFY_END, 10000);
        times.push_back(Seconds(done.at - started));
        if (host.Stop() < 0) {
            Fail("the connection job did not stop");
        }
    }
    return {{"seconds", times}};
}

// Stops connection jobs at a random moment after the notification (state, code) and
// measures each stop, from the request to the stopped event.
json StopLatencies(int trials, const RunSettings& settings, std::uintptr_t state,
                   std::intptr_t code, int minPauseMs, int maxPauseMs, unsigned seed) {
    std::vector<double> latencies;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pause(minPauseMs, maxPauseMs);
    for (int i = 0; i < trials; ++i) {
        BenchHost host;
        StartConnection(host, settings);
        AwaitNotification(host, state, code, 10000);
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
        const double latency = host.Stop();
        if (latency < 0) {
            Fail("a job did not stop");
        }
        latencies.push_back(latency);
    }
    return {{"seconds", latencies}};
}

// A job idling after its success, stopped somewhere inside its 10 ms idle sleep.
json StopIdle(int trials, const RunSettings& settings) {
    return StopLatencies(trials, settings, PR_DONE, NOTIFY_END, 20, 60, 12345);
}

// A job in the middle of its prompt wait on a silent line.
json StopWait(int trials, const RunSettings& settings) {
    return StopLatencies(trials, settings, PR_INIT, NOTIFY_BEGIN, 50, 400, 54321);
}

// A job whose stop event the bench holds, waiting on the bench's own thread.
class WaitingJob : public CThread {
  public:
    WaitingJob() { m_pStopEvent = std::make_shared<platform::Event>(); }
};

// How soon a prompt wait sees a prompt: a writer puts '>' on a pty's master at a random
// moment of the wait, and the wait on the slave returns.
json PromptLatency(int trials) {
    int master = -1;
    int slave = -1;
    char name[128];
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&master, &slave, name, &raw, nullptr) != 0) {
        Fail("cannot make a pty");
    }
    CSerial serial;
    if (!serial.Open(name, 9600, 0, 0, 8, 4096, 4096)) {
        Fail(std::string("cannot open ") + name);
    }
    WaitingJob job;
    std::mt19937 random(777);
    std::uniform_int_distribution<int> pause(5, 30);
    // The same prompt seen by a bare poll on the pty: the floor that the kernel and the
    // scheduler set on this machine, against which our wait is read.
    auto bareWait = [slave] {
        pollfd line{slave, POLLIN, 0};
        char byte = 0;
        return poll(&line, 1, 3000) == 1 && ::read(slave, &byte, 1) == 1 && byte == '>';
    };
    auto ourWait = [&] { return WaitForChar(serial, job, kPrompt, kPromptPasses); };
    std::vector<double> latencies;
    std::vector<double> bare;
    for (int i = 0; i < 2 * trials; ++i) {
        Clock::time_point written;
        const int pauseMs = pause(random);
        std::thread writer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
            written = Clock::now();
            if (::write(master, ">", 1) != 1) {
                Fail("cannot write the prompt");
            }
        });
        const bool found = i % 2 == 0 ? ourWait() : bareWait();
        const auto returned = Clock::now();
        writer.join();
        if (!found) {
            Fail("the wait did not see the prompt");
        }
        (i % 2 == 0 ? latencies : bare).push_back(Seconds(returned - written));
    }
    serial.Close();
    ::close(slave);
    ::close(master);
    return {{"seconds", latencies}, {"bare_seconds", bare}};
}

struct SleepLoop {
    double seconds;
    std::atomic<bool> done{false};
};

unsigned SleepLoopProc(void* param) {
    auto* loop = static_cast<SleepLoop*>(param);
    const auto end = Clock::now() + std::chrono::duration<double>(loop->seconds);
    const timespec ms{0, 1000000};
    while (Clock::now() < end) {
        nanosleep(&ms, nullptr);
    }
    loop->done = true;
    return 0;
}

json BareSleepLoop(double seconds) {
    SleepLoop loop{seconds};
    const double cpuBefore = CpuSeconds();
    const auto started = Clock::now();
    if (!platform::StartWorkerThread(&SleepLoopProc, &loop)) {
        Fail("cannot start a thread");
    }
    while (!loop.done) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {{"wall_s", Seconds(Clock::now() - started)}, {"cpu_s", CpuSeconds() - cpuBefore}};
}

json Verdicts(int banners) {
    json rates = json::array();
    for (const SearchVerdicts::Tally& tally : SearchVerdicts::Run(banners, 20261208)) {
        auto counts = [](const std::map<std::uint32_t, int>& reported) {
            json object = json::object();
            for (const auto& [rate, count] : reported) {
                object[std::to_string(rate)] = count;
            }
            return object;
        };
        rates.push_back({{"rate", tally.rate},
                         {"banners", tally.banners},
                         {"first_prompt", counts(tally.firstPrompt)},
                         {"confirmed", counts(tally.confirmed)}});
    }
    return {{"rates", rates}};
}

// Per instrument rate and order: the seconds and tries to a confirmed find for the default
// banner, and over the random banners their mean and worst, and the finds at a wrong rate or
// none.
json PortTimes(int banners) {
    json rates = json::array();
    for (int r = 0; CSearchThread::kRates[r] != 0; ++r) {
        const auto rate = static_cast<std::uint32_t>(CSearchThread::kRates[r]);
        json entry = {{"rate", rate}};
        for (const RatePlan::Order order : {RatePlan::Order::Likeliest, RatePlan::Order::Fixed}) {
            const SearchVerdicts::PortTime plain =
                SearchVerdicts::SearchPort(SimulatedInstrument::kDefaultBanner, rate, order);
            std::mt19937 random(20261209 + static_cast<unsigned>(r));
            double sum = 0;
            double worst = 0;
            int worstTries = 0;
            int wrong = 0;
            for (int b = 0; b < banners; ++b) {
                const SearchVerdicts::PortTime search =
                    SearchVerdicts::SearchPort(WireSearch::RandomBanner(random), rate, order);
                sum += search.seconds;
                worst = std::max(worst, search.seconds);
                worstTries = std::max(worstTries, search.tries);
                wrong += search.rate != rate ? 1 : 0;
            }
            entry[order == RatePlan::Order::Likeliest ? "fast" : "fixed"] = {
                {"default_s", plain.seconds},
                {"default_tries", plain.tries},
                {"default_found", plain.rate == rate},
                {"mean_s", banners > 0 ? sum / banners : 0.0},
                {"worst_s", worst},
                {"worst_tries", worstTries},
                {"wrong", wrong}};
        }
        rates.push_back(entry);
    }
    const SearchVerdicts::PortTime silent =
        SearchVerdicts::SearchPort("", 0, RatePlan::Order::Likeliest);
    return {{"banners", banners},
            {"rates", rates},
            {"silent", {{"seconds", silent.seconds}, {"tries", silent.tries}}}};
}

// Per field case and way of searching: its runs, the instrument found at its rate, anything
// reported wrongly, the runs it missed where the fixed order found, and the mean and worst
// seconds from the first break to the verdict over every run, found or not. The quick
// search's misses are listed by rate and seed, to replay.
json FieldCaseTimes(int seeds) {
    auto tally = [](const FieldCases::Tally& t) {
        return json{{"runs", t.runs},
                    {"found", t.found},
                    {"wrong", t.wrong},
                    {"missed", t.missed},
                    {"mean_s", t.runs > 0 ? t.sumSeconds / t.runs : 0.0},
                    {"worst_s", t.worstSeconds}};
    };
    json cases = json::array();
    for (const FieldCases::Case& fieldCase : FieldCases::All()) {
        const FieldCases::Outcome outcome = FieldCases::Run(fieldCase, seeds);
        cases.push_back({{"case", fieldCase.key},
                         {"name", fieldCase.name},
                         {"instrument", fieldCase.atEverySearchRate},
                         {"fixed", tally(outcome.fixed)},
                         {"quick", tally(outcome.quick)},
                         {"quick_at_once", tally(outcome.quickAtOnce)},
                         {"quick_missed_at", outcome.quickMissedAt}});
    }
    return {{"seeds", seeds}, {"cases", cases}};
}

int Argument(int argc, char** argv, int index, int fallback) {
    return argc > index ? std::atoi(argv[index]) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    platform::SetTraceEnabled(false);
    if (argc < 2) {
        std::fprintf(
            stderr,
            "usage: brinevane-bench search [parallel] | connect N | stop-idle N | stop-wait N | "
            "sleep-loop SECONDS | prompt N | verdicts N | port-times N | field-cases N  "
            "(port and rate from BENCH_PORT, BENCH_BAUD)\n");
        return 2;
    }
    const std::string command = argv[1];
    RunSettings settings;
    const char* port = std::getenv("BENCH_PORT");
    const char* baud = std::getenv("BENCH_BAUD");
    settings.m_strPortName = port != nullptr ? port : "COM1";
    settings.m_nBaudRate = baud != nullptr ? std::atoi(baud) : 9600;

    json result;
    if (command == "search") {
        bool parallel = false;
        bool fast = false;
        for (int i = 2; i < argc; ++i) {
            parallel = parallel || std::string(argv[i]) == "parallel";
            fast = fast || std::string(argv[i]) == "fast";
        }
        result = Search(parallel, fast);
    } else if (command == "connect") {
        result = Connect(Argument(argc, argv, 2, 20), settings);
    } else if (command == "stop-idle") {
        result = StopIdle(Argument(argc, argv, 2, 100), settings);
    } else if (command == "stop-wait") {
        result = StopWait(Argument(argc, argv, 2, 100), settings);
    } else if (command == "sleep-loop") {
        result = BareSleepLoop(Argument(argc, argv, 2, 5));
    } else if (command == "prompt") {
        result = PromptLatency(Argument(argc, argv, 2, 200));
    } else if (command == "verdicts") {
        result = Verdicts(Argument(argc, argv, 2, 300));
    } else if (command == "port-times") {
        result = PortTimes(Argument(argc, argv, 2, 300));
    } else if (command == "field-cases") {
        result = FieldCaseTimes(Argument(argc, argv, 2, 5));
    } else {
        Fail("unknown command '" + command + "'");
    }
    std::printf("%s\n", result.dump().c_str());
    return 0;
}
