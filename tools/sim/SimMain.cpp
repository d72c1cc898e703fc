// brinevane-sim: a Brinevane ADCP on pseudo-terminals, one per line given.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "tools/sim/InstrumentSimulator.h"

#ifndef BRINEVANE_VERSION
#define BRINEVANE_VERSION "0.0.0"
#endif

namespace {

constexpr int kExitUsage = 2;

int UsageError(const std::string& text) {
    std::fprintf(stderr, "brinevane-sim: %s\nRun 'brinevane-sim --help' for usage.\n",
                 text.c_str());
    return kExitUsage;
}

// "\r\n" and friends, so that a banner can be given on one command line.
std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            default:
                out += text[i];
                break;
        }
    }
    return out;
}

sigset_t HandledSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    sigaddset(&set, SIGCHLD);
    // A stray user signal is no reason to take the lines away: their default would end us.
    sigaddset(&set, SIGUSR1);
    sigaddset(&set, SIGUSR2);
    return set;
}

// Runs the command with the ports in its environment and returns its exit status. A
// signal typed at the terminal reaches the command by itself; one sent to us alone
// (kill) is passed on.
int RunCommand(const std::vector<std::string>& command, const sigset_t& signals) {
    std::vector<char*> args;
    args.reserve(command.size() + 1);
    for (const std::string& arg : command) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    const pid_t child = fork();
    if (child < 0) {
        std::fprintf(stderr, "brinevane-sim: cannot start %s: %s\n", args[0], std::strerror(errno));
        return 1;
    }
    if (child == 0) {
        sigprocmask(SIG_UNBLOCK, &signals, nullptr);
        execvp(args[0], args.data());
        std::fprintf(stderr, "brinevane-sim: cannot run %s: %s\n", args[0], std::strerror(errno));
        _exit(errno == ENOENT ? 127 : 126);
    }
    for (;;) {
        siginfo_t info{};
        if (sigwaitinfo(&signals, &info) < 0) {
            if (errno == EINTR) {
                continue;
            }
            kill(child, SIGTERM);
        } else if (info.si_signo != SIGCHLD && info.si_code == SI_USER) {
            kill(child, info.si_signo);
        }
        int status = 0;
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) {
            if (WIFEXITED(status)) {
                return WEXITSTATUS(status);
            }
            if (WIFSIGNALED(status)) {
                return 128 + WTERMSIG(status);
            }
        }
    }
}

constexpr const char* kHelp =
    "Usage: brinevane-sim [OPTIONS] LINE... [-- COMMAND [ARGS...]]\n"
    "\n"
    "Plays a Brinevane ADCP on pseudo-terminals, one for each LINE; they become COM1, COM2\n"
    "and so on. A LINE is a baud rate (19200) for an instrument at that rate, 'silent' for\n"
    "a line with nothing on it, 'noise' for one that carries random bytes, or 'gps:RATE'\n"
    "(gps:4800) for a GPS receiver that sends NMEA sentences at RATE once a second and\n"
    "never answers. Each line behaves as a wire: a host at another rate decodes garbage.\n"
    "Prints BRINEVANE_PORTS=... and runs until interrupted, or runs COMMAND with\n"
    "BRINEVANE_PORTS set and exits with its status.\n"
    "\n"
    "Options:\n"
    "  -h, --help            print this help and exit\n"
    "  -V, --version         print the version and exit\n"
    "  -v, --verbose         write what the instrument sees to standard error\n"
    "  --banner TEXT         what the instrument says after a break, before its prompt\n"
    "                        (\\r, \\n and \\t understood; \"\" for a bare prompt)\n"
    "  --echo                the instrument sends back every byte it decodes, a break's\n"
    "                        0x00 among them\n"
    "  --stream MS           it streams a binary record every MS milliseconds until a\n"
    "                        break wakes it, and finishes the record under way\n"
    "  --glitch              its line gives one 0xFF as it wakes from a break\n"
    "  --sleep-breaks N      it sleeps through the first N breaks\n"
    "  --wake-delay MS[-MS]  it answers a break this many milliseconds after it ends,\n"
    "                        drawn anew at each break from a range\n"
    "  --reply-delay MS      milliseconds it takes to answer anything (default 0)\n"
    "  --break-ms MS         how long a break from the host is taken to last (default 300)\n"
    "  --listen HOST:PORT    serve the lines over RFC 2217 instead (port 0: a free port for\n"
    "                        each line; above 0: line N on PORT+N-1)\n"
    "  --log FILE            append what the instrument sees to FILE ('-': standard error)\n";

// The command line, read: the lines, the simulator's options, the log and the command.
struct SimCommandLine {
    std::vector<SimulatedLine> lines;
    SimulatorOptions options;
    std::string logPath;
    bool verbose = false;
    std::vector<std::string> command;
};

// "300" or "300-800": a delay or a range of them, in milliseconds.
bool ParseDelayRange(const std::string& text, std::uint32_t& least, std::uint32_t& most) {
    const std::size_t dash = text.find('-');
    const auto number = [](const std::string& digits, std::uint32_t& value) {
        if (digits.empty() || digits.size() > 5 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            return false;
        }
        value = static_cast<std::uint32_t>(std::stoul(digits));
        return value <= 60000;
    };
    if (!number(text.substr(0, dash), least)) {
        return false;
    }
    most = least;
    return dash == std::string::npos || (number(text.substr(dash + 1), most) && most >= least);
}

// Reads the command line into parsed; a status to exit with when there is nothing to run
// (help, the version, or a usage error said).
std::optional<int> ReadCommandLine(int argc, char** argv, SimCommandLine& parsed) {
    // Everything after "--" is the command to run; the parser sees only what comes before.
    int ownArgs = argc;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            ownArgs = i;
            parsed.command.assign(argv + i + 1, argv + argc);
            break;
        }
    }
    CLI::App app{"", "brinevane-sim"};
    app.set_help_flag();
    bool help = false;
    bool version = false;
    app.add_flag("-h,--help", help);
    app.add_flag("-V,--version", version);
    std::vector<std::string> lineTexts;
    std::string wakeDelay = "0";
    SimulatorOptions& options = parsed.options;
    app.add_option("lines", lineTexts);
    app.add_option("--banner", options.banner);
    app.add_flag("--echo", options.echo);
    app.add_option("--stream", options.streamMs)->check(CLI::Range(1, 60000));
    app.add_flag("--glitch", options.glitch);
    app.add_option("--sleep-breaks", options.breaksSlept)->check(CLI::Range(0, 1000));
    app.add_option("--wake-delay", wakeDelay);
    app.add_option("--reply-delay", options.replyDelayMs)->check(CLI::Range(0, 60000));
    app.add_option("--break-ms", options.breakMs)->check(CLI::Range(0, 60000));
    app.add_option("--listen", options.listen);
    app.add_option("--log", parsed.logPath);
    app.add_flag("-v,--verbose", parsed.verbose);
    try {
        app.parse(ownArgs, argv);
    } catch (const CLI::ParseError& e) {
        return UsageError(e.what());
    }
    if (help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (version) {
        std::printf("brinevane-sim %s\n", BRINEVANE_VERSION);
        return 0;
    }
    if (lineTexts.empty()) {
        return UsageError("give at least one line: a baud rate, 'silent', 'noise' or 'gps:RATE'");
    }
    if (ownArgs != argc && parsed.command.empty()) {
        return UsageError("no command after '--'");
    }
    if (!ParseDelayRange(wakeDelay, options.wakeDelayMs, options.wakeDelayMaxMs)) {
        return UsageError("'" + wakeDelay +
                          "' is not a wake delay: give milliseconds (300) or a range (300-800), "
                          "at most 60000");
    }
    for (const std::string& text : lineTexts) {
        SimulatedLine line;
        if (!SimulatedLine::Parse(text, line)) {
            return UsageError("'" + text +
                              "' is not a line: give a baud rate, 'silent', 'noise' or 'gps:RATE'");
        }
        parsed.lines.push_back(line);
    }
    if (parsed.lines.size() > 32) {
        return UsageError("at most 32 lines (COM1 to COM32)");
    }
    options.banner = Unescape(options.banner);
    return std::nullopt;
}

// Serves the lines until a signal stops it, or for as long as the command runs.
int Serve(SimCommandLine& parsed) {
    std::ofstream logFile;
    if (parsed.logPath == "-" || (parsed.verbose && parsed.logPath.empty())) {
        parsed.options.log = &std::cerr;
    } else if (!parsed.logPath.empty()) {
        logFile.open(parsed.logPath, std::ios::app);
        if (!logFile) {
            std::fprintf(stderr, "brinevane-sim: cannot write the log %s: %s\n",
                         parsed.logPath.c_str(), std::strerror(errno));
            return 1;
        }
        parsed.options.log = &logFile;
    }

    // Blocked before the simulator's thread exists, so that it inherits the mask and
    // only sigwaitinfo below takes these signals.
    const sigset_t signals = HandledSignals();
    sigprocmask(SIG_BLOCK, &signals, nullptr);

    InstrumentSimulator simulator(parsed.lines, parsed.options);
    std::string error;
    if (!simulator.Start(&error)) {
        std::fprintf(stderr, "brinevane-sim: cannot make the lines: %s\n", error.c_str());
        return 1;
    }
    const std::string ports = simulator.PortsVariable();
    if (!parsed.command.empty()) {
        setenv("BRINEVANE_PORTS", ports.c_str(), 1);
        const int status = RunCommand(parsed.command, signals);
        simulator.Stop();
        return status;
    }

    std::printf("BRINEVANE_PORTS=%s\n", ports.c_str());
    std::fflush(stdout);
    sigset_t stopSignals = signals;
    sigdelset(&stopSignals, SIGCHLD);
    int signal = 0;
    while (sigwait(&stopSignals, &signal) != 0 || signal == SIGUSR1 || signal == SIGUSR2) {
    }
    simulator.Stop();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    SimCommandLine parsed;
    if (const std::optional<int> status = ReadCommandLine(argc, argv, parsed)) {
        return *status;
    }
    return Serve(parsed);
}
