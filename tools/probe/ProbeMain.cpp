// brinevane-probe: the instrument jobs from a terminal.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "jobs/CSearchThread.h"
#include "jobs/JobMessages.h"
#include "platform/devices/SerialDevices.h"
#include "platform/os/ConsoleSignals.h"
#include "platform/os/Trace.h"
#include "platform/ports/CommDriverRegistry.h"
#include "serial/BaudRates.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "tools/probe/ConsoleJobHost.h"
#include "tools/probe/ProbeOutput.h"

#ifndef BRINEVANE_VERSION
#define BRINEVANE_VERSION "0.0.0"
#endif

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int UsageError(const std::string& text) {
    std::fprintf(stderr, "brinevane-probe: %s\nRun 'brinevane-probe --help' for usage.\n",
                 text.c_str());
    return kExitUsage;
}

// Shows on a terminal what the job is probing, as the job says, and how far it has come.
void ShowProgress(const CThread::Probing& probing, bool search) {
    const std::string what = JobHost::Describe(probing);
    if (what.empty()) {
        return;
    }
    const std::string remaining = JobHost::Remaining(probing);
    std::fprintf(stderr, "\r\033[K%s %s%s...", search ? "Searching" : "Connecting to", what.c_str(),
                 search && !remaining.empty() ? (" (" + remaining + ")").c_str() : "");
    std::fflush(stderr);
}

void ClearProgressLine() {
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
}

// What the connect command takes for a port, for its help and its usage errors: the
// network ports only where their drivers are there.
std::string PortChoices(bool example = false) {
    const std::vector<std::string> schemes = platform::CommDriverRegistry::Process().Schemes();
    std::string text = std::string("COM1 to COM32") + (schemes.empty() ? ", or" : ",") +
                       " a device path such as " + platform::DevicePathExample();
    if (example && !schemes.empty()) {
        return text + ", or a network port such as " + schemes.front() + "host:4001";
    }
    for (std::size_t i = 0; i < schemes.size(); ++i) {
        text += (i == 0 ? ", or a network port: " : " or ") + schemes[i] + "HOST:PORT";
    }
    return text;
}

// Why the result could not be written, for the message at the end (0: it could).
int g_writeError = 0;

void PrintLine(const std::string& text) {
    if (std::printf("%s\n", text.c_str()) < 0 && g_writeError == 0) {
        g_writeError = errno;
    }
}

int ListPorts(bool json) {
    // The ports that exist: a map entry whose device has gone is not a port any more.
    std::vector<PortInfo> ports = PortMap::Refresh()->Ports();
    ports.erase(
        std::remove_if(ports.begin(), ports.end(),
                       [](const PortInfo& port) {
                           return !platform::CommDriverRegistry::Process().Exists(port.path);
                       }),
        ports.end());
    if (json) {
        PrintLine(ProbeOutput::PortsJson(ports));
        return kExitSuccess;
    }
    for (const PortInfo& port : ports) {
        std::string line = port.name + "  " + port.path;
        const std::string description = port.Description();
        if (!description.empty()) {
            line += "  " + description;
        }
        PrintLine(line);
    }
    if (ports.empty()) {
        std::fprintf(stderr, "No serial ports were found.\n");
    }
    return kExitSuccess;
}

int Report(const ConsoleJobHost::Outcome& outcome, int signal, bool json, bool verbose) {
    using Status = ConsoleJobHost::Status;
    if (!outcome.stopFailure.empty()) {
        std::fprintf(stderr, "%s\n", outcome.stopFailure.c_str());
    }
    if (outcome.status == Status::Success) {
        if (json) {
            const PortInfo* info = PortMap::Current()->FindByName(outcome.portName);
            PrintLine(
                ProbeOutput::OutcomeJson(outcome, info != nullptr ? info->path : outcome.portName));
        } else {
            PrintLine(outcome.portName + " " + std::to_string(outcome.baud));
        }
        if (!outcome.rateApplied) {
            std::fprintf(stderr,
                         "the rate %d was not applied: %s passes raw bytes, and its device "
                         "server sets the line's rate\n",
                         static_cast<int>(outcome.baud), outcome.portName.c_str());
        }
        // Which instrument answered; the result line stays the same for scripts.
        if (verbose && !outcome.banner.empty()) {
            std::fprintf(stderr, "instrument: %s\n", outcome.banner.c_str());
        }
        return kExitSuccess;
    }
    if (outcome.status == Status::Interrupted) {
        std::fprintf(stderr, "Interrupted.\n");
        if (json) {
            PrintLine(ProbeOutput::OutcomeJson(outcome, std::string()));
        }
        return 128 + (signal != 0 ? signal : SIGINT);
    }
    std::fprintf(stderr, "%s\n", outcome.message.c_str());
    if (!outcome.reason.empty()) {
        std::fprintf(stderr, "%s\n", outcome.reason.c_str());
    }
    if (json) {
        PrintLine(ProbeOutput::OutcomeJson(outcome, std::string()));
    }
    return kExitFailure;
}

}  // namespace

int Run(int argc, char** argv) {
    CLI::App app{"Finds a Brinevane ADCP on a serial port and checks that it answers.",
                 "brinevane-probe"};
    app.set_version_flag("--version", std::string("brinevane-probe ") + BRINEVANE_VERSION);
    app.require_subcommand(1);
    app.fallthrough();
    bool verbose = false;
    bool json = false;
    app.add_flag("-v,--verbose", verbose, "Write each job notification (and the trace) to stderr");
    app.add_flag("--json", json, "Write the result as one JSON object on stdout");

    app.add_subcommand("ports", "List the serial ports and the devices behind them");
    CLI::App* search = app.add_subcommand("search", "Try every port at every rate for the prompt");
    bool parallel = false;
    search->add_flag("--parallel", parallel, "Search all ports at the same time");
    bool fast = false;
    search->add_flag("--fast", fast,
                     "Try each port's likeliest rate first, read from what the rates tried heard");
    CLI::App* connect =
        app.add_subcommand("connect", "Check that the instrument answers on a port");
    std::string portName;
    std::string baudText;
    connect->add_option("port", portName, PortChoices())->required();
    connect->add_option("baud", baudText, "Baud rate, for example 9600")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return UsageError(e.what());
    }

    std::int32_t baud = 0;
    if (connect->parsed()) {
        if (PortMap::PortNumber(portName) == 0 && !platform::IsUserDevicePath(portName) &&
            !platform::CommDriverRegistry::Process().Exists(portName)) {
            return UsageError("'" + portName + "' is not a port name: use " + PortChoices(true));
        }
        if (const int number = PortMap::PortNumber(portName)) {
            portName = PortMap::PortName(number);  // com1 is reported as COM1
        }
        if (baudText.empty() || baudText.size() > 9 ||
            !std::all_of(baudText.begin(), baudText.end(), ::isdigit)) {
            return UsageError("'" + baudText + "' is not a baud rate: give a number, such as 9600");
        }
        baud = std::stoi(baudText);
        if (!IsAcceptedRate(static_cast<std::uint32_t>(baud))) {
            std::string rates;
            for (const BaudRate& entry : kBaudRates) {
                rates += (rates.empty() ? "" : ", ") + std::to_string(entry.rate);
            }
            return UsageError(baudText +
                              " baud is not a rate the serial port supports; use one of " + rates);
        }
    }

    platform::SetTraceEnabled(verbose);
    if (app.got_subcommand("ports")) {
        return ListPorts(json);
    }

    ConsoleJobHost host;
    const platform::ConsoleSignals signals([&host] { host.Interrupt(); });
    const bool showProgress = !verbose && platform::ConsoleSignals::ErrorStreamShowsEscapes();
    if (verbose) {
        std::size_t triesShown = 0;
        host.SetObserver([&host, triesShown](const ConsoleJobHost::Notification& n) mutable {
            // Each rate the search tries, and why, as the job recorded it.
            const std::vector<std::string> tries = host.Probing().tries;
            for (; triesShown < tries.size(); ++triesShown) {
                std::fprintf(stderr, "try %s\n", tries[triesShown].c_str());
            }
            std::fprintf(stderr, "notify %d %d %s %s\n", static_cast<int>(n.state),
                         static_cast<int>(n.code), StateName(n.message, n.state), CodeName(n.code));
        });
    }
    if (showProgress) {
        const bool searching = search->parsed();
        host.SetRefresh([&host, searching] { ShowProgress(host.Probing(), searching); });
    }

    PortMap::Refresh();
    const ConsoleJobHost::Outcome outcome =
        search->parsed() ? host.RunSearch(parallel, fast) : host.RunConnection(portName, baud);
    if (showProgress) {
        ClearProgressLine();
    }
    return Report(outcome, signals.Caught(), json, verbose);
}

int main(int argc, char** argv) {
    // A failed write is reported as any other; a user signal must not end a search half done.
    platform::ConsoleSignals::IgnoreStraySignals();
    int status = kExitFailure;
    try {
        status = Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brinevane-probe: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "brinevane-probe: an unexpected error\n");
    }
    // The result counts only once it has been written out.
    if (std::fflush(stdout) != 0 && g_writeError == 0) {
        g_writeError = errno;
    }
    if (g_writeError != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "brinevane-probe: cannot write the result: %s\n",
                     std::strerror(g_writeError != 0 ? g_writeError : EIO));
        return status == kExitSuccess ? kExitFailure : status;
    }
    return status;
}
