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

}  // namespace

int main(int argc, char** argv) {
    // Everything after "--" is the command to run; CLI11 sees only what comes before.
    std::vector<std::string> command;
    int ownArgs = argc;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            ownArgs = i;
            command.assign(argv + i + 1, argv + argc);
            break;
        }
    }

    CLI::App app{
        "Plays a Brinevane ADCP on pseudo-terminals: one line per LINE, an instrument at that "
        "rate, 'silent' for a line with nothing on it or 'noise' for one that carries random "
        "bytes. The line behaves as a wire: at another rate each side decodes garbage. With "
        "--listen the lines are network ports (rfc2217://), where a break and a rate change "
        "arrive as protocol messages. Prints "
        "BRINEVANE_PORTS=... and runs "
        "until interrupted, or runs COMMAND with BRINEVANE_PORTS set and exits with its status.",
        "brinevane-sim"};
    app.footer("Usage: brinevane-sim [OPTIONS] LINE... [-- COMMAND [ARGS...]]");
    app.set_version_flag("-V,--version", std::string("brinevane-sim ") + BRINEVANE_VERSION);
    std::vector<std::string> lineTexts;
    std::string banner = SimulatorOptions().banner;
    std::uint32_t replyDelayMs = 0;
    std::uint32_t breakMs = SimulatorOptions().breakMs;
    bool echo = false;
    std::uint32_t streamMs = 0;
    std::string logPath;
    std::string listen;
    app.add_option("lines", lineTexts, "A baud rate (19200), 'silent' or 'noise', one per line")
        ->required();
    app.add_option("--banner", banner,
                   "Text sent after a break, before the prompt (\\r and \\n understood)");
    app.add_flag("--echo", echo, "The instrument sends back every byte it decodes");
    app.add_option("--stream", streamMs,
                   "The instrument streams a binary record every so many milliseconds until a "
                   "break wakes it")
        ->check(CLI::Range(1, 60000));
    app.add_option("--reply-delay", replyDelayMs, "Milliseconds the instrument takes to answer")
        ->check(CLI::Range(0, 60000));
    app.add_option("--break-ms", breakMs, "How long a host's break is taken to last")
        ->check(CLI::Range(0, 60000));
    app.add_option("--listen", listen,
                   "Serve the lines over RFC 2217 at HOST:PORT instead of on ptys (127.0.0.1:0: a "
                   "free loopback port for each line; a PORT above 0: line N on PORT+N-1)");
    app.add_option("--log", logPath, "Write what the instrument sees to this file ('-': stderr)");
    bool verbose = false;
    app.add_flag("-v,--verbose", verbose, "Write what the instrument sees to stderr (as --log -)");
    try {
        app.parse(ownArgs, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return UsageError(e.what());
    }
    if (ownArgs != argc && command.empty()) {
        return UsageError("no command after '--'");
    }

    std::vector<SimulatedLine> lines;
    for (const std::string& text : lineTexts) {
        SimulatedLine line;
        if (!SimulatedLine::Parse(text, line)) {
            return UsageError("'" + text +
                              "' is not a line: give a baud rate, 'silent' or 'noise'");
        }
        lines.push_back(line);
    }
    if (lines.size() > 32) {
        return UsageError("at most 32 lines (COM1 to COM32)");
    }

    SimulatorOptions options;
    options.banner = Unescape(banner);
    options.replyDelayMs = replyDelayMs;
    options.breakMs = breakMs;
    options.echo = echo;
    options.streamMs = streamMs;
    options.listen = listen;
    std::ofstream logFile;
    if (logPath == "-" || (verbose && logPath.empty())) {
        options.log = &std::cerr;
    } else if (!logPath.empty()) {
        logFile.open(logPath, std::ios::app);
        if (!logFile) {
            std::fprintf(stderr, "brinevane-sim: cannot write the log %s: %s\n", logPath.c_str(),
                         std::strerror(errno));
            return 1;
        }
        options.log = &logFile;
    }

    // Blocked before the simulator's thread exists, so that it inherits the mask and
    // only sigwaitinfo below takes these signals.
    const sigset_t signals = HandledSignals();
    sigprocmask(SIG_BLOCK, &signals, nullptr);

    InstrumentSimulator simulator(lines, options);
    std::string error;
    if (!simulator.Start(&error)) {
        std::fprintf(stderr, "brinevane-sim: cannot make the lines: %s\n", error.c_str());
        return 1;
    }
    const std::string ports = simulator.PortsVariable();
    if (!command.empty()) {
        setenv("BRINEVANE_PORTS", ports.c_str(), 1);
        const int status = RunCommand(command, signals);
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
