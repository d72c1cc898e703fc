// brinevane-probe: the instrument jobs from a terminal.
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "jobs/CSearchThread.h"
#include "jobs/JobMessages.h"
#include "platform/CommDriverRegistry.h"
#include "platform/Trace.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "tools/probe/ConsoleJobHost.h"

#ifndef BRINEVANE_VERSION
#define BRINEVANE_VERSION "0.0.0"
#endif

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr std::uint32_t kAcceptedRates[] = {50,    110,    300,    600,   1200,  2400,
                                            4800,  9600,   14400,  19200, 38400, 56000,
                                            57600, 115200, 128000, 256000};

int UsageError(const std::string& text) {
    std::fprintf(stderr, "brinevane-probe: %s\nRun 'brinevane-probe --help' for usage.\n",
                 text.c_str());
    return kExitUsage;
}

// SIGINT and SIGTERM are taken by a thread of their own (sigwait), which can stop the job
// through the host's lock-taking Interrupt; a signal handler could not.
class SignalWatcher {
  public:
    explicit SignalWatcher(ConsoleJobHost& host) : m_host(host) {
        sigset_t set = Signals();
        pthread_sigmask(SIG_BLOCK, &set, nullptr);
        m_thread = std::thread([this] { Watch(); });
    }
    ~SignalWatcher() {
        pthread_kill(m_thread.native_handle(), SIGUSR1);
        m_thread.join();
    }
    // 0 when no signal came; else the signal that stopped the run.
    int Caught() const { return m_caught; }

  private:
    static sigset_t Signals() {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGINT);
        sigaddset(&set, SIGTERM);
        sigaddset(&set, SIGUSR1);  // our own wake-up at the end
        return set;
    }
    void Watch() {
        const sigset_t set = Signals();
        for (;;) {
            int signal = 0;
            if (sigwait(&set, &signal) != 0 || signal == SIGUSR1) {
                return;
            }
            m_caught = signal;
            m_host.Interrupt();
        }
    }

    ConsoleJobHost& m_host;
    std::thread m_thread;
    std::atomic<int> m_caught{0};
};

// Shows on a terminal which port and rate the search is trying. The job says only which
// step it is at; the ports come in the order of the port map and the rates in the
// search's own order, so counting the steps tells which port and rate are being tried.
class SearchProgress {
    static constexpr int kRateCount =
        static_cast<int>(sizeof CSearchThread::kRates / sizeof CSearchThread::kRates[0]);

  public:
    void operator()(const ConsoleJobHost::Notification& n) {
        if (n.message != WM_SEARCH_NOTIFY || n.state != SR_SEARCH) {
            return;
        }
        if (n.code == NOTIFY_BEGIN) {
            ++m_port;
            m_rate = 0;
        } else if (n.code == NOTIFY_END && m_port >= 0) {
            ++m_rate;
        } else {
            return;
        }
        const auto ports = PortMap::Current()->Ports();
        if (m_port < static_cast<int>(ports.size()) && m_rate < kRateCount &&
            CSearchThread::kRates[m_rate] != 0) {
            std::fprintf(stderr, "\r\033[KSearching %s at %d baud...", ports[m_port].name.c_str(),
                         static_cast<int>(CSearchThread::kRates[m_rate]));
            std::fflush(stderr);
        }
    }

  private:
    int m_port = -1;
    int m_rate = 0;
};

void ClearProgressLine() {
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
}

void PrintJson(const nlohmann::json& object) {
    std::cout << object.dump() << std::endl;
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
        nlohmann::json list = nlohmann::json::array();
        for (const PortInfo& port : ports) {
            list.push_back({{"name", port.name},
                            {"device", port.path},
                            {"description", port.Description()},
                            {"byId", port.byIdPath},
                            {"vendor", port.vendor},
                            {"product", port.product},
                            {"serialNumber", port.serialNumber}});
        }
        PrintJson({{"ports", list}});
        return kExitSuccess;
    }
    for (const PortInfo& port : ports) {
        std::string line = port.name + "  " + port.path;
        const std::string description = port.Description();
        if (!description.empty()) {
            line += "  " + description;
        }
        std::printf("%s\n", line.c_str());
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
            PrintJson({{"ok", true},
                       {"port", outcome.portName},
                       {"baud", outcome.baud},
                       {"device", info != nullptr ? info->path : outcome.portName},
                       {"banner", outcome.banner}});
        } else {
            std::printf("%s %d\n", outcome.portName.c_str(), static_cast<int>(outcome.baud));
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
            PrintJson({{"ok", false}, {"error", "Interrupted."}});
        }
        return 128 + (signal != 0 ? signal : SIGINT);
    }
    std::fprintf(stderr, "%s\n", outcome.message.c_str());
    if (!outcome.reason.empty()) {
        std::fprintf(stderr, "%s\n", outcome.reason.c_str());
    }
    if (json) {
        nlohmann::json object = {{"ok", false}, {"error", outcome.message}};
        if (!outcome.reason.empty()) {
            object["reason"] = outcome.reason;
        }
        PrintJson(object);
    }
    return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
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
    CLI::App* connect =
        app.add_subcommand("connect", "Check that the instrument answers on a port");
    std::string portName;
    std::string baudText;
    connect->add_option("port", portName, "COM1 to COM32, or a device path such as /dev/ttyUSB0")
        ->required();
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
        if (PortMap::PortNumber(portName) == 0 && portName.compare(0, 5, "/dev/") != 0) {
            return UsageError("'" + portName +
                              "' is not a port name: use COM1 to COM32, or a device path such as "
                              "/dev/ttyUSB0");
        }
        if (baudText.empty() || baudText.size() > 9 ||
            !std::all_of(baudText.begin(), baudText.end(), ::isdigit)) {
            return UsageError("'" + baudText + "' is not a baud rate: give a number, such as 9600");
        }
        baud = std::stoi(baudText);
        if (std::find(std::begin(kAcceptedRates), std::end(kAcceptedRates),
                      static_cast<std::uint32_t>(baud)) == std::end(kAcceptedRates)) {
            std::string rates;
            for (const std::uint32_t rate : kAcceptedRates) {
                rates += (rates.empty() ? "" : ", ") + std::to_string(rate);
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
    SignalWatcher signals(host);
    const bool showProgress = !verbose && isatty(STDERR_FILENO) == 1;
    SearchProgress progress;
    host.SetObserver([&](const ConsoleJobHost::Notification& n) {
        if (verbose) {
            std::fprintf(stderr, "notify %d %d\n", static_cast<int>(n.state),
                         static_cast<int>(n.code));
        } else if (showProgress && n.message == WM_SEARCH_NOTIFY) {
            progress(n);
        } else if (showProgress && n.state == PR_INIT && n.code == NOTIFY_BEGIN) {
            std::fprintf(stderr, "\r\033[KConnecting to %s at %d baud...", portName.c_str(),
                         static_cast<int>(baud));
            std::fflush(stderr);
        }
    });

    PortMap::Refresh();
    const ConsoleJobHost::Outcome outcome =
        search->parsed() ? host.RunSearch() : host.RunConnection(portName, baud);
    if (showProgress) {
        ClearProgressLine();
    }
    return Report(outcome, signals.Caught(), json, verbose);
}
