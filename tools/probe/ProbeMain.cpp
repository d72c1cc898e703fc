// brinevane-probe: the instrument jobs from a terminal.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "jobs/CSearchThread.h"
#include "jobs/JobTexts.h"
#include "platform/devices/SerialDevices.h"
#include "platform/os/ConsoleSignals.h"
#include "platform/os/Event.h"
#include "platform/os/Trace.h"
#include "platform/os/Translation.h"
#include "platform/os/UserLanguage.h"
#include "platform/ports/CommDriverRegistry.h"
#include "serial/BaudRates.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "serial/PortWatcher.h"
#include "tools/probe/ConsoleJobHost.h"
#include "tools/probe/HelpFormatter.h"
#include "tools/probe/ProbeOutput.h"
#include "tools/probe/ProbeUsage.h"
#include "tools/probe/ProgressLine.h"
#include "translations/Catalog.h"

#ifndef BRINEVANE_VERSION
#define BRINEVANE_VERSION "0.0.0"
#endif

using platform::FillText;

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;

// What the connect command takes for a port, for its help and its usage errors: the
// network ports only where their drivers are there.
std::string PortChoices(bool example = false) {
    const std::vector<std::string> schemes = platform::CommDriverRegistry::Process().Schemes();
    const std::string device = platform::DevicePathExample();
    if (schemes.empty()) {
        //: %1 is a device path (/dev/ttyUSB0).
        return FillText(TrText("ProbeMain", "COM1 to COM32, or a device path such as %1"),
                        {device});
    }
    if (example) {
        //: %1 is a device path (/dev/ttyUSB0), %2 a network port's address
        //: (rfc2217://host:4001).
        return FillText(TrText("ProbeMain",
                               "COM1 to COM32, a device path such as %1, or a "
                               "network port such as %2"),
                        {device, schemes.front() + "host:4001"});
    }
    std::string forms;
    for (const std::string& scheme : schemes) {
        //: Two forms a network port's address may take (rfc2217://HOST:PORT).
        forms = forms.empty()
                    ? scheme + "HOST:PORT"
                    : FillText(TrText("ProbeMain", "%1 or %2"), {forms, scheme + "HOST:PORT"});
    }
    //: %1 is a device path (/dev/ttyUSB0), %2 the forms of a network port's address
    //: (rfc2217://HOST:PORT or socket://HOST:PORT).
    return FillText(TrText("ProbeMain",
                           "COM1 to COM32, a device path such as %1, or a network "
                           "port: %2"),
                    {device, forms});
}

// Why the result could not be written, for the message at the end (0: it could).
int g_writeError = 0;

void PrintLine(const std::string& text) {
    if (std::printf("%s\n", text.c_str()) < 0 && g_writeError == 0) {
        g_writeError = errno;
    }
}

// "COM1  /dev/ttyUSB0  FTDI FT232R USB UART (serial A12345)"
std::string PortLine(const PortInfo& port) {
    std::string line = port.name + "  " + port.path;
    const std::string description = port.Description();
    return description.empty() ? line : line + "  " + description;
}

int ListPorts(bool json) {
    // The ports that exist: a map entry whose device has gone is not a port any more.
    const std::vector<PortInfo> ports = PortWatcher::PresentPorts();
    if (json) {
        PrintLine(ProbeOutput::PortsJson(ports));
        return kExitSuccess;
    }
    for (const PortInfo& port : ports) {
        PrintLine(PortLine(port));
    }
    if (ports.empty()) {
        std::fprintf(stderr, "%s\n", TrText("ProbeMain", "No serial ports were found.").c_str());
    }
    return kExitSuccess;
}

// The ports there now, then each port as it comes ("+ COM3 ...") and goes ("- COM3 ..."),
// until a stop signal: a user plugging adapters in sees which name each one takes.
int WatchPorts(bool json) {
    platform::Event stop;
    const platform::ConsoleSignals signals([&stop] { stop.Set(); });
    PortWatcher watcher;
    static_cast<void>(watcher.Poll());  // the ports there now, listed whole below
    if (json) {
        PrintLine(ProbeOutput::PortsJson(watcher.Ports()));
    } else {
        for (const PortInfo& port : watcher.Ports()) {
            PrintLine(PortLine(port));
        }
        std::fprintf(stderr, "%s\n",
                     TrText("ProbeMain", "Watching for serial ports coming and going; Ctrl-C ends.")
                         .c_str());
    }
    std::fflush(stdout);
    watcher.Watch(stop, [json, &stop](const PortWatcher::Change& change) {
        PrintLine(json ? ProbeOutput::PortChangeJson(change.port, change.arrived)
                       : (change.arrived ? "+ " : "- ") + PortLine(change.port));
        if (std::fflush(stdout) != 0 || g_writeError != 0) {
            stop.Set();  // nobody reads any more (a closed pipe): watching is over
        }
    });
    return g_writeError == 0 ? kExitSuccess : kExitFailure;
}

// On a terminal, what the program found besides the result line that scripts read.
void DescribeFound(const ConsoleJobHost::Outcome& outcome, const PortInfo* info) {
    if (info != nullptr && info->path != outcome.portName) {
        const std::string description = info->Description();
        //: %1 is a device path (/dev/ttyUSB0).
        const std::string line =
            description.empty()
                ? FillText(TrText("ProbeMain", "device: %1"), {info->path})
                //: %1 is a device path (/dev/ttyUSB0), %2 what the system says the device is.
                : FillText(TrText("ProbeMain", "device: %1, %2"), {info->path, description});
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    if (!outcome.banner.empty()) {
        //: %1 is what the instrument said before its prompt.
        std::fprintf(stderr, "%s\n",
                     FillText(TrText("ProbeMain", "instrument: %1"), {outcome.banner}).c_str());
    }
}

// "COM3 (/dev/ttyUSB1, FTDI FT232R USB UART): something answers the break, ...": what a
// search made of a port; a port it passed over is told in the words it recorded.
std::string VerdictLine(const PortVerdict& verdict) {
    if (!verdict.probed) {
        return verdict.detail;
    }
    std::string where;
    if (!verdict.device.empty() && verdict.device != verdict.portName) {
        where = verdict.device;
    }
    if (const PortInfo* info = PortMap::Current()->FindByName(verdict.portName)) {
        const std::string description = info->Description();
        if (!description.empty()) {
            where += (where.empty() ? "" : ", ") + description;
        }
    }
    if (where.empty()) {
        //: A port's verdict: %1 is a port name (COM3), %2 what its line did.
        return FillText(TrText("ProbeMain", "%1: %2"), {verdict.portName, verdict.detail});
    }
    //: A port's verdict: %1 is a port name (COM3), %2 its device, %3 what its line did.
    return FillText(TrText("ProbeMain", "%1 (%2): %3"), {verdict.portName, where, verdict.detail});
}

int Report(const ConsoleJobHost::Outcome& outcome, int signal, bool json, bool verbose,
           bool connection) {
    using Status = ConsoleJobHost::Status;
    if (!outcome.stopFailure.empty()) {
        std::fprintf(stderr, "%s\n", outcome.stopFailure.c_str());
    }
    if (outcome.status == Status::Success) {
        const PortInfo* info = PortMap::Current()->FindByName(outcome.portName);
        if (json) {
            PrintLine(ProbeOutput::OutcomeJson(
                outcome, info != nullptr ? info->path : outcome.portName, !connection));
        } else {
            PrintLine(outcome.portName + " " + std::to_string(outcome.baud));
        }
        if (!outcome.rateApplied) {
            std::fprintf(stderr, "%s\n",
                         JobTexts::RateNotAppliedLine(outcome.portName, outcome.baud).c_str());
        }
        // Which instrument answered, and where; the result line stays the same for scripts.
        if (verbose || platform::ConsoleSignals::ErrorStreamShowsEscapes()) {
            DescribeFound(outcome, info);
        }
        return kExitSuccess;
    }
    if (outcome.status == Status::Interrupted) {
        std::fprintf(stderr, "%s\n", TrText("ProbeMain", "Interrupted.").c_str());
        if (json) {
            PrintLine(ProbeOutput::OutcomeJson(outcome, std::string()));
        }
        return 128 + (signal != 0 ? signal : SIGINT);
    }
    // A failed connection's message is the wizard's message box text, which tells a terminal
    // user nothing the reason does not: the reason comes first. A search says what it did not
    // find, then what it made of each port it looked at (or why it had none to look at).
    if (!connection || outcome.reason.empty()) {
        std::fprintf(stderr, "%s\n", outcome.message.c_str());
    }
    for (const PortVerdict& verdict : outcome.ports) {
        std::fprintf(stderr, "%s\n", VerdictLine(verdict).c_str());
    }
    if (!outcome.reason.empty() && outcome.ports.empty()) {
        std::fprintf(stderr, "%s\n", outcome.reason.c_str());
    }
    if (json) {
        PrintLine(ProbeOutput::OutcomeJson(outcome, std::string(), !connection));
    }
    return kExitFailure;
}

// The parser's own complaints, in the user's language: the first argument a command
// requires that is missing, and the words no command or option takes.
std::optional<std::string> MissingArgument(const CLI::App& app) {
    for (const CLI::App* command : app.get_subcommands()) {
        for (const CLI::Option* option : command->get_options()) {
            if (option->get_required() && option->count() == 0) {
                //: %1 is the name of the argument, as the help shows it: port, baud.
                return FillText(TrText("ProbeMain", "%1 is required"), {option->get_name()});
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> UnexpectedArguments(const CLI::App& app) {
    // In the order typed (the parser's own message lists them backwards).
    const std::vector<std::string> words = app.remaining(true);
    if (words.empty())
        return std::nullopt;
    std::string list;
    for (const std::string& word : words) {
        list += (list.empty() ? "" : " ") + word;
    }
    //: %1 is what the user typed that no command or option takes (one word, or several).
    return FillText(words.size() > 1
                        ? TrText("ProbeMain", "The following arguments were not expected: %1")
                        : TrText("ProbeMain", "The following argument was not expected: %1"),
                    {list});
}

// The parse of a command line that the usage has let through: the exit status when the
// parser answered (help, version) or refused it, else nothing.
std::optional<int> Parse(CLI::App& app, const ProbeUsage& usage, int argc, char** argv) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::RequiredError& e) {
        // No command at all: the commands there are.
        if (app.get_subcommands().empty()) {
            return usage.Error(TrText("ProbeMain", "a command is required"), true);
        }
        return usage.Error(MissingArgument(app).value_or(e.what()));
    } catch (const CLI::ExtrasError& e) {
        return usage.Error(UnexpectedArguments(app).value_or(e.what()));
    } catch (const CLI::ParseError& e) {
        return usage.Error(e.what());
    }
    return std::nullopt;
}

// The connect command's port (com1 becomes COM1) and rate, checked before any job starts:
// the usage error's status when either is not one, else nothing.
std::optional<int> CheckConnection(const ProbeUsage& usage, std::string& portName,
                                   const std::string& baudText, std::int32_t& baud) {
    if (PortMap::PortNumber(portName) == 0 && !platform::IsUserDevicePath(portName) &&
        !platform::CommDriverRegistry::Process().Exists(portName)) {
        //: %1 is what the user typed, %2 the forms a port may take.
        return usage.Error(FillText(TrText("ProbeMain", "'%1' is not a port name: use %2"),
                                    {portName, PortChoices(true)}));
    }
    if (const int number = PortMap::PortNumber(portName)) {
        portName = PortMap::PortName(number);
    }
    // isdigit on a plain char is undefined for bytes above 0x7F, which a typed word may hold.
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (baudText.empty() || baudText.size() > 9 ||
        !std::all_of(baudText.begin(), baudText.end(), digit)) {
        //: %1 is what the user typed.
        return usage.Error(
            FillText(TrText("ProbeMain", "'%1' is not a baud rate: give a number, such as 9600"),
                     {baudText}));
    }
    baud = std::stoi(baudText);
    if (!IsAcceptedRate(static_cast<std::uint32_t>(baud))) {
        std::string rates;
        for (const BaudRate& entry : kBaudRates) {
            rates += (rates.empty() ? "" : ", ") + std::to_string(entry.rate);
        }
        //: %1 is the rate the user gave, %2 the list of rates (1200, 2400, ...).
        return usage.Error(FillText(TrText("ProbeMain",
                                           "%1 baud is not a rate the serial port "
                                           "supports; use one of %2"),
                                    {baudText, rates}));
    }
    return std::nullopt;
}

// What the command line asked of the job.
struct JobRequest {
    bool search = false;  // else a connection to portName at baud
    bool parallel = false;
    bool fast = false;
    std::string portName;
    std::int32_t baud = 0;
    bool verbose = false;
    bool json = false;
};

// Runs the search or the connection until its outcome or a stop signal, showing its
// notifications (-v) or, on a terminal, what it is probing; the exit status.
int RunJob(const JobRequest& request) {
    ConsoleJobHost host;
    const platform::ConsoleSignals signals([&host] { host.Interrupt(); });
    const bool showProgress =
        !request.verbose && platform::ConsoleSignals::ErrorStreamShowsEscapes();
    std::size_t triesShown = 0;
    // Each rate the search tries, and why, as the job recorded it, as the try begins.
    const auto showTries = [&host, &triesShown] {
        const std::vector<std::string> tries = host.Probing().tries;
        for (; triesShown < tries.size(); ++triesShown) {
            std::fprintf(stderr, "try %s\n", tries[triesShown].c_str());
        }
    };
    if (request.verbose) {
        host.SetRefresh(showTries);
        host.SetObserver([&showTries](const ConsoleJobHost::Notification& n) {
            showTries();
            std::fprintf(stderr, "%s\n",
                         JobTexts::NotificationLine(n.message, n.state, n.code).c_str());
        });
    }
    ProgressLine progress(request.search);
    if (showProgress) {
        host.SetRefresh([&host, &progress] { progress.Show(host.Probing()); });
    }

    PortMap::Refresh();
    const ConsoleJobHost::Outcome outcome =
        request.search ? host.RunSearch(request.parallel, request.fast)
                       : host.RunConnection(request.portName, request.baud);
    if (showProgress) {
        progress.Clear();
    }
    return Report(outcome, signals.Caught(), request.json, request.verbose, !request.search);
}

}  // namespace

int Run(int argc, char** argv) {
    CLI::App app{
        TrText("ProbeMain", "Finds a Brinevane ADCP on a serial port and checks that it answers."),
        "brinevane-probe"};
    app.formatter(std::make_shared<HelpFormatter>());
    app.set_help_flag("-h,--help", TrText("ProbeMain", "Print this help message and exit"));
    app.set_version_flag("-V,--version", std::string("brinevane-probe ") + BRINEVANE_VERSION,
                         TrText("ProbeMain", "Display program version information and exit"));
    app.require_subcommand(1);
    app.fallthrough();
    JobRequest request;
    app.add_flag("-v,--verbose", request.verbose,
                 TrText("ProbeMain", "Write each job notification (and the trace) to stderr"));
    app.add_flag("--json", request.json,
                 TrText("ProbeMain", "Write the result as one JSON object on stdout"));

    CLI::App* ports = app.add_subcommand(
        "ports", TrText("ProbeMain", "List the serial ports and the devices behind them"));
    bool watch = false;
    ports->add_flag(
        "--watch", watch,
        TrText("ProbeMain", "Then print each port as it comes and goes, until stopped"));
    CLI::App* search = app.add_subcommand(
        "search", TrText("ProbeMain", "Try every port at every rate for the prompt"));
    search->add_flag("--parallel", request.parallel,
                     TrText("ProbeMain", "Search all ports at the same time"));
    search->add_flag("--fast", request.fast,
                     TrText("ProbeMain",
                            "Try each port's likeliest rate first, read from what "
                            "the rates tried heard"));
    CLI::App* connect = app.add_subcommand(
        "connect", TrText("ProbeMain", "Check that the instrument answers on a port"));
    std::string baudText;
    connect->add_option("port", request.portName, PortChoices())->required();
    connect->add_option("baud", baudText, TrText("ProbeMain", "Baud rate, for example 9600"))
        ->required();

    ProbeUsage::NameGroups(app);

    // A word that is no command or option gets the nearest one; "help" is --help.
    const ProbeUsage usage(app, argc, argv);
    if (const std::optional<int> answered = usage.Answer(app)) {
        return *answered;
    }
    if (const std::optional<int> answered = Parse(app, usage, argc, argv)) {
        return *answered;
    }
    if (connect->parsed()) {
        if (const std::optional<int> refused =
                CheckConnection(usage, request.portName, baudText, request.baud)) {
            return *refused;
        }
    }

    platform::SetTraceEnabled(request.verbose);
    if (ports->parsed()) {
        return watch ? WatchPorts(request.json) : ListPorts(request.json);
    }
    request.search = search->parsed();
    return RunJob(request);
}

int main(int argc, char** argv) {
    // A failed write is reported as any other; a user signal must not end a search half done.
    platform::ConsoleSignals::IgnoreStraySignals();
    // People read the messages in their language; with --json a program reads them, and they
    // stay English whatever the locale, as the fields and codes beside them are.
    Catalog::Use(ProbeUsage::AsksForJson(argc, argv) ? std::string() : UserLanguage::Current());
    int status = kExitFailure;
    try {
        status = Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brinevane-probe: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "brinevane-probe: %s\n",
                     TrText("ProbeMain", "an unexpected error").c_str());
    }
    // The result counts only once it has been written out.
    if (std::fflush(stdout) != 0 && g_writeError == 0) {
        g_writeError = errno;
    }
    if (g_writeError != 0 || std::ferror(stdout) != 0) {
        //: %1 is the system's reason (Broken pipe).
        std::fprintf(stderr, "brinevane-probe: %s\n",
                     FillText(TrText("ProbeMain", "cannot write the result: %1"),
                              {std::strerror(g_writeError != 0 ? g_writeError : EIO)})
                         .c_str());
        return status == kExitSuccess ? kExitFailure : status;
    }
    return status;
}
