#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "serial/PortMap.h"
#include "tests/support/FakeHost.h"
#include "tests/tools/ChildProcess.h"
#include "tools/probe/ProgressLine.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::Not;
using ::testing::StartsWith;

class ProbeCliTest : public ::testing::Test {
  protected:
    void StartSimulator(std::vector<SimulatedLine> lines) {
        simulator = std::make_unique<InstrumentSimulator>(std::move(lines));
        ASSERT_TRUE(simulator->Start());
        setenv(PortMap::kEnvironmentVariable, simulator->PortsVariable().c_str(), 1);
    }

    // Runs brinevane-probe with the arguments; its output lands in out and err.
    int Probe(std::vector<std::string> args) {
        args.insert(args.begin(), PROBE_PROGRAM);
        ChildProcess probe(args);
        const int status = probe.Wait(seconds(60));
        out = probe.out;
        err = probe.err;
        return status;
    }

    std::unique_ptr<InstrumentSimulator> simulator;
    std::string out;
    std::string err;
};

TEST_F(ProbeCliTest, UsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"scan"},
             {"search", "--slow"},
             {"connect", "COM1"},
             {"connect", "COM1", "fast"},
             {"connect", "COM1", "96\xd9\xa0\xd9\xa0"},  // Arabic-Indic zeros are no digits here
             {"connect", "COM1", "9600", "extra"},
             {"connect", "COM1", "12345"},
             {"connect", "LPT1", "9600"},
             {"connect", "COM33", "9600"},
         }) {
        EXPECT_EQ(Probe(args), 2) << ::testing::PrintToString(args);
        EXPECT_FALSE(err.empty());
        EXPECT_EQ(out, "");
    }
    EXPECT_EQ(Probe({"connect", "COM1", "fast"}), 2);
    EXPECT_THAT(err, HasSubstr("'fast' is not a baud rate"));
    EXPECT_EQ(Probe({"connect", "LPT1", "9600"}), 2);
    EXPECT_THAT(err, HasSubstr("'LPT1' is not a port name"));
}

TEST_F(ProbeCliTest, HelpAndVersion) {
    EXPECT_EQ(Probe({"--help"}), 0);
    EXPECT_THAT(out, HasSubstr("connect"));
    const std::string help = out;
    EXPECT_EQ(Probe({"help"}), 0);
    EXPECT_EQ(out, help);
    EXPECT_EQ(Probe({"--json", "help", "connect"}), 0);
    EXPECT_THAT(out, HasSubstr("Check that the instrument answers on a port"));
    for (const char* version : {"--version", "-V"}) {
        EXPECT_EQ(Probe({version}), 0);
        EXPECT_THAT(out, MatchesRegex("brinevane-probe [0-9]+\\.[0-9]+\\.[0-9]+\n"));
    }
}

// A slip of the keyboard is answered with the word meant and the commands there are; with
// --json a script reading stdout is told as well.
TEST_F(ProbeCliTest, TyposGetTheUsageWithTheWordMeant) {
    for (const auto& [args, meant] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"conect", "COM1", "19200"}, "connect"},
             {{"-v", "serch"}, "search"},
             {{"help", "prots"}, "ports"},
             {{"search", "--paralel"}, "--parallel"},
             {{"--jsno", "ports"}, "--json"},
         }) {
        EXPECT_EQ(Probe(args), 2) << args[0];
        EXPECT_THAT(err, HasSubstr("; did you mean " + meant + "?\n"));
        EXPECT_EQ(out, "");
    }
    EXPECT_EQ(Probe({"conect"}), 2);
    EXPECT_THAT(err, HasSubstr("\n  connect  Check that the instrument answers on a port\n"));
    EXPECT_EQ(Probe({"scan"}), 2);
    EXPECT_THAT(err, StartsWith("brinevane-probe: 'scan' is not a command\n"));

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--json", "conect"}, {"--json"}, {"--json", "connect", "COM1", "fast"}}) {
        EXPECT_EQ(Probe(args), 2);
        const auto json = nlohmann::json::parse(out);
        EXPECT_EQ(json["ok"], false);
        EXPECT_EQ(json["reason_code"], "usage");
        EXPECT_THAT(err, HasSubstr(json["reason"].get<std::string>()));
    }
}

TEST_F(ProbeCliTest, PortsListsEachPortWithItsDevice) {
    StartSimulator({SimulatedLine::AtRate(9600), SimulatedLine::Silent()});
    EXPECT_EQ(Probe({"ports"}), 0);
    EXPECT_EQ(out,
              "COM1  " + simulator->SlavePath(0) + "\nCOM2  " + simulator->SlavePath(1) + "\n");
    EXPECT_EQ(Probe({"ports", "--json"}), 0);
    const auto json = nlohmann::json::parse(out);
    ASSERT_EQ(json["ports"].size(), 2u);
    EXPECT_EQ(json["ports"][1]["name"], "COM2");
    EXPECT_EQ(json["ports"][1]["device"], simulator->SlavePath(1));
}

TEST_F(ProbeCliTest, SearchPrintsThePortAndRateFound) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    EXPECT_EQ(Probe({"search"}), 0);
    EXPECT_EQ(out, "COM1 9600\n");
    EXPECT_EQ(Probe({"--json", "search"}), 0);
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["ok"], true);
    EXPECT_EQ(json["port"], "COM1");
    EXPECT_EQ(json["baud"], 9600);
    EXPECT_EQ(json["device"], simulator->SlavePath(0));
    const std::string banner =
        "Brinevane 600 kHz ADCP / Firmware version 51.40, serial number 10473";
    EXPECT_EQ(json["banner"], banner);
    EXPECT_EQ(json["ports"], nlohmann::json::array());
    EXPECT_EQ(Probe({"-v", "search"}), 0);
    EXPECT_EQ(out, "COM1 9600\n");
    EXPECT_THAT(err, HasSubstr("instrument: " + banner + "\n"));
}

TEST_F(ProbeCliTest, ParallelSearchGivesTheAnswerOfTheSearchPortByPort) {
    StartSimulator({SimulatedLine::AtRate(19200), SimulatedLine::AtRate(9600)});
    EXPECT_EQ(Probe({"search", "--parallel"}), 0) << err;
    EXPECT_EQ(out, "COM1 19200\n");
    // The fast search too, and -v says why each rate was tried.
    EXPECT_EQ(Probe({"-v", "search", "--fast", "--parallel"}), 0) << err;
    EXPECT_EQ(out, "COM1 19200\n");
    EXPECT_THAT(err, HasSubstr("try COM1 at 9600 baud: the first rate\n"));
    EXPECT_THAT(err, HasSubstr("try COM1 at 115200 baud: garbage at 9600 points to"));
}

TEST_F(ProbeCliTest, SearchWithoutPortsFindsNothing) {
    setenv(PortMap::kEnvironmentVariable, "", 1);
    EXPECT_EQ(Probe({"search"}), 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err,
              "No Brinevane ADCPs were detected!\n"
              "no serial port was found on this computer: connect the instrument and try again\n");
}

TEST_F(ProbeCliTest, SpeaksTheUsersLanguageButJsonStaysEnglish) {
    struct EnglishAgain {
        ~EnglishAgain() { setenv("LC_MESSAGES", "C", 1); }
    } englishAgain;
    setenv("LC_MESSAGES", "ja_JP.UTF-8", 1);
    EXPECT_EQ(Probe({"help", "connect"}), 0);
    // Each explanation starts at one column, though a Japanese label takes 3 bytes for 2.
    std::istringstream lines(out);
    std::vector<int> columns;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t gap = line.rfind("  ");
        if (line.rfind("  ", 0) == 0 && gap != std::string::npos && gap > 2) {
            columns.push_back(ProgressLine::Columns(line.substr(0, gap + 2)));
        }
    }
    ASSERT_EQ(columns.size(), 3U) << out;  // port, baud, --help
    EXPECT_THAT(columns, ::testing::Each(columns.front())) << out;

    setenv("LC_MESSAGES", "de_DE.UTF-8", 1);
    EXPECT_EQ(Probe({"connect"}), 2);  // the parser's own complaints too
    EXPECT_THAT(err, HasSubstr("port muss angegeben werden"));
    EXPECT_EQ(Probe({"ports", "a", "b"}), 2);
    EXPECT_THAT(err, HasSubstr("Unerwartete Argumente: a b"));
    setenv(PortMap::kEnvironmentVariable, "", 1);
    EXPECT_EQ(Probe({"search"}), 1);
    EXPECT_THAT(err, Not(HasSubstr("No Brinevane ADCPs were detected!")));
    EXPECT_EQ(Probe({"--json", "search"}), 1);
    EXPECT_EQ(nlohmann::json::parse(out)["reason"],
              "no serial port was found on this computer: connect the instrument and try again");
}

TEST_F(ProbeCliTest, SearchSaysWhichPortItHadToPassOver) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    const int held = open(simulator->SlavePath(0).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Probe({"search"}), 1);
    EXPECT_THAT(err,
                HasSubstr("No Brinevane ADCPs were detected!\nCOM1 (" + simulator->SlavePath(0) +
                          ") is in use by tools_probe_tes (pid " + std::to_string(getpid()) + ")"));
    EXPECT_EQ(Probe({"--json", "search"}), 1);
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["reason_code"], "in-use");
    ASSERT_EQ(json["ports"].size(), 1U);
    EXPECT_EQ(json["ports"][0]["verdict"], "in-use");
    EXPECT_EQ(json["ports"][0]["detail"], json["reason"]);
    close(held);
}

// A found instrument's JSON has the verdicts on the ports passed over before it.
TEST_F(ProbeCliTest, ASearchThatFindsTellsThePortsItPassedOverOnTheWay) {
    StartSimulator({SimulatedLine::AtRate(9600), SimulatedLine::AtRate(9600)});
    const int held = open(simulator->SlavePath(0).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Probe({"--json", "search"}), 0) << err;
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["port"], "COM2");
    ASSERT_EQ(json["ports"].size(), 1U);
    EXPECT_EQ(json["ports"][0], nlohmann::json({{"port", "COM1"},
                                                {"device", simulator->SlavePath(0)},
                                                {"verdict", "in-use"},
                                                {"detail", json["ports"][0]["detail"]}}));
    close(held);
}

// The port was opened and probed at every rate: that is what the user is told, though
// another process (this test, serving the simulated line) holds the device open too.
TEST_F(ProbeCliTest, ASilentPortIsExplainedAsSilent) {
    StartSimulator({SimulatedLine::Silent()});
    EXPECT_EQ(Probe({"--json", "search"}), 1);
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["reason"],
              "no prompt from COM1 at any baud rate: check that the instrument "
              "is on and cabled");
    EXPECT_EQ(json["reason_code"], "no-prompt");
    ASSERT_EQ(json["ports"].size(), 1U);
    EXPECT_EQ(json["ports"][0]["port"], "COM1");
    EXPECT_EQ(json["ports"][0]["device"], simulator->SlavePath(0));
    EXPECT_EQ(json["ports"][0]["verdict"], "silent");
    // On a terminal, the port's own line follows the message.
    EXPECT_THAT(err, HasSubstr("No Brinevane ADCPs were detected!\nCOM1 (" +
                               simulator->SlavePath(0) + "): nothing came back at any rate"));
}

// A GPS's sentences are readable only at its rate: another device, there.
TEST_F(ProbeCliTest, AGpsIsAnotherDeviceAtItsRate) {
    StartSimulator({SimulatedLine::Gps(4800)});
    EXPECT_EQ(Probe({"--json", "search", "--fast"}), 1);
    const auto json = nlohmann::json::parse(out);
    ASSERT_EQ(json["ports"].size(), 1U) << out;
    EXPECT_EQ(json["ports"][0]["verdict"], "other-device") << out;
    EXPECT_EQ(json["ports"][0]["rate"], 4800) << out;
}

TEST_F(ProbeCliTest, ConnectTakesPortNamesInAnyCaseAndReportsThemInCapitals) {
    StartSimulator({SimulatedLine::AtRate(19200)});
    EXPECT_EQ(Probe({"connect", "com1", "19200"}), 0);
    EXPECT_EQ(out, "COM1 19200\n");
}

TEST_F(ProbeCliTest, ConnectVerboseShowsEachNotification) {
    StartSimulator({SimulatedLine::AtRate(19200)});
    EXPECT_EQ(Probe({"connect", "COM1", "19200", "-v"}), 0);
    EXPECT_EQ(out, "COM1 19200\n");
    EXPECT_THAT(err, HasSubstr("notify 0 0 PR_INIT NOTIFY_BEGIN\n"));
    EXPECT_THAT(err, HasSubstr("notify 4 1 PR_DONE NOTIFY_END\n"));
}

TEST_F(ProbeCliTest, ConnectFailuresSayWhy) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    EXPECT_EQ(Probe({"connect", "COM5", "9600"}), 1);
    // The reason leads: the message box text of the wizard tells a terminal user nothing.
    EXPECT_EQ(err, "COM5 is not a serial port on this computer\n");

    const int held = open(simulator->SlavePath(0).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Probe({"--json", "connect", "COM1", "9600"}), 1);
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["ok"], false);
    EXPECT_EQ(json["error"], "Error during programming!");
    EXPECT_THAT(json["reason"].get<std::string>(),
                HasSubstr("is in use by tools_probe_tes (pid " + std::to_string(getpid()) + ")"));
    EXPECT_EQ(json["reason_code"], "in-use");
    close(held);
}

TEST_F(ProbeCliTest, ConnectAtTheWrongRateHearsNoPrompt) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    EXPECT_EQ(Probe({"connect", "COM1", "4800"}), 1);
    EXPECT_THAT(err, StartsWith("no prompt at 4800 baud on COM1"));
}

TEST_F(ProbeCliTest, PermissionDeniedNamesTheDevicesGroup) {
    if (getuid() != 0 || access("/usr/bin/setpriv", X_OK) != 0) {
        GTEST_SKIP() << "needs root to run the probe as an unprivileged user";
    }
    StartSimulator({SimulatedLine::AtRate(9600)});
    const std::string device = simulator->SlavePath(0);
    // Owned as a USB adapter is on Debian: root and the 'dialout' group.
    const group* dialout = getgrnam("dialout");
    ASSERT_NE(dialout, nullptr);
    ASSERT_EQ(chown(device.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(device.c_str(), 0660), 0);
    ChildProcess probe({"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                        PROBE_PROGRAM, "connect", device, "9600"});
    EXPECT_EQ(probe.Wait(seconds(10)), 1);
    EXPECT_THAT(probe.err, HasSubstr("Permission denied on " + device +
                                     ": add your user to the "
                                     "'dialout' group"));

    // A search passes the port over, and says why.
    ChildProcess search({"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                         PROBE_PROGRAM, "search"});
    EXPECT_EQ(search.Wait(seconds(10)), 1);
    EXPECT_THAT(search.err, HasSubstr("No Brinevane ADCPs were detected!\nPermission denied on " +
                                      device + " (COM1): add your user to the 'dialout' group"));
}

// Ctrl-C, and a closed terminal's SIGHUP, stop a search cleanly, whatever stray signal
// came first (a SIGUSR1 used to end the thread that watches for them).
TEST_F(ProbeCliTest, InterruptedSearchStopsCleanly) {
    StartSimulator({SimulatedLine::Silent()});
    for (const int stop : {SIGINT, SIGHUP}) {
        ChildProcess probe({PROBE_PROGRAM, "search"});
        std::this_thread::sleep_for(milliseconds(500));
        kill(probe.Pid(), SIGUSR1);
        std::this_thread::sleep_for(milliseconds(200));
        kill(probe.Pid(), stop);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(probe.Wait(seconds(5)), 128 + stop);
        EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1500));
        EXPECT_THAT(probe.err, HasSubstr("Interrupted."));
        EXPECT_EQ(probe.err.find("Could not stop"), std::string::npos);
    }
}

// Names can hold any bytes; the JSON stays valid (the bytes that are not UTF-8 replaced)
// and a found instrument's result is not lost over it.
TEST_F(ProbeCliTest, JsonOfNamesThatAreNotUtf8) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    char folder[] = "/tmp/brinevane-utf8-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string link = std::string(folder) + "/line\xff\xfe";
    ASSERT_EQ(symlink(simulator->SlavePath(0).c_str(), link.c_str()), 0);
    setenv(PortMap::kEnvironmentVariable, ("COM1=" + link).c_str(), 1);
    ASSERT_EQ(Probe({"--json", "search"}), 0) << out << err;
    const auto found = nlohmann::json::parse(out);
    EXPECT_EQ(found["port"], "COM1");
    EXPECT_THAT(found["device"].get<std::string>(), HasSubstr("line\xef\xbf\xbd"));
    EXPECT_EQ(Probe({"--json", "connect", "/dev/\xff", "9600"}), 1);
    EXPECT_EQ(nlohmann::json::parse(out)["ok"], false);
    unlink(link.c_str());
    rmdir(folder);
}

// A result that cannot be written is no success.
TEST_F(ProbeCliTest, AResultThatCannotBeWrittenFails) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    const std::string probe = PROBE_PROGRAM;
    for (const std::string redirect : {" >/dev/full", " >&-"}) {
        ChildProcess shell(
            {"/bin/sh", "-c", "exec " + probe + " --json connect COM1 9600" + redirect});
        EXPECT_EQ(shell.Wait(seconds(10)), 1) << redirect;
        EXPECT_THAT(shell.err, HasSubstr("brinevane-probe: cannot write the result: ")) << redirect;
    }
}

// On a terminal a found instrument's device and what it said are shown; stdout keeps the
// one result line that scripts read.
TEST_F(ProbeCliTest, OnATerminalTheDeviceAndBannerGoToStderr) {
    StartSimulator({SimulatedLine::AtRate(9600)});
    ChildProcess probe({PROBE_PROGRAM, "search"}, 80);
    EXPECT_EQ(probe.Wait(seconds(30)), 0);
    EXPECT_EQ(probe.out, "COM1 9600\n");
    EXPECT_THAT(probe.err, HasSubstr("\r\033[Kdevice: " + simulator->SlavePath(0) +
                                     "\ninstrument: Brinevane 600 kHz ADCP"));
}

// The progress line is drawn again in place: wider than the terminal it would wrap, and each
// redraw would leave a line behind. It fits the width the terminal has at each redraw.
TEST_F(ProbeCliTest, TheProgressLineFitsTheTerminalAndFollowsItsWidth) {
    StartSimulator({SimulatedLine::Silent()});
    char folder[] = "/tmp/brinevane-a-long-folder-name-for-the-progress-line-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string link = std::string(folder) + "/adapter";
    ASSERT_EQ(symlink(simulator->SlavePath(0).c_str(), link.c_str()), 0);
    setenv(PortMap::kEnvironmentVariable, ("COM10=" + link).c_str(), 1);

    ChildProcess probe({PROBE_PROGRAM, "search"}, 50);
    std::this_thread::sleep_for(milliseconds(1500));
    probe.Resize(30);
    std::this_thread::sleep_for(milliseconds(1500));
    kill(probe.Pid(), SIGINT);
    EXPECT_EQ(probe.Wait(seconds(10)), 128 + SIGINT);
    unlink(link.c_str());
    rmdir(folder);

    const std::string drawn = probe.err.substr(0, probe.err.find("Interrupted."));
    EXPECT_EQ(drawn.find('\n'), std::string::npos) << drawn;
    std::vector<std::string> lines;
    for (std::size_t at = 0; (at = drawn.find("\r\033[K", at)) != std::string::npos;) {
        at += 4;
        lines.push_back(drawn.substr(at, drawn.find('\r', at) - at));
    }
    ASSERT_GE(lines.size(), 4u) << drawn;
    for (const std::string& line : lines) {
        EXPECT_LT(line.size(), 50u) << line;
    }
    // What matters is kept while the device is left out: the port, the rate, the time left.
    EXPECT_THAT(lines.front(),
                MatchesRegex("Searching COM10 at 9600 baud \\(about [0-9]+ s left\\)\\.\\.\\."));
    EXPECT_LT(lines[lines.size() - 2].size(), 30u) << lines[lines.size() - 2];
}

// A user plugging adapters in sees the name each one takes: the ports there, then each one
// as it comes and goes, until Ctrl-C or a termination request, which end it cleanly.
TEST_F(ProbeCliTest, PortsWatchPrintsEachPortAsItComesAndGoes) {
    StartSimulator({SimulatedLine::AtRate(9600), SimulatedLine::Silent()});
    char folder[] = "/tmp/brinevane-watch-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string link = std::string(folder) + "/adapter";
    const std::string first = simulator->SlavePath(0);
    setenv(PortMap::kEnvironmentVariable, ("COM1=" + first + ",COM3=" + link).c_str(), 1);
    for (const int stop : {SIGINT, SIGTERM}) {
        const bool json = stop == SIGTERM;
        ChildProcess watch(
            json ? std::vector<std::string>{PROBE_PROGRAM, "--json", "ports", "--watch"}
                 : std::vector<std::string>{PROBE_PROGRAM, "ports", "--watch"});
        ASSERT_TRUE(watch.ReadUntil("\n", seconds(10)));
        ASSERT_EQ(symlink(simulator->SlavePath(1).c_str(), link.c_str()), 0);
        EXPECT_TRUE(watch.ReadUntil(json ? "\"added\"" : "+ COM3", seconds(5))) << watch.out;
        unlink(link.c_str());
        EXPECT_TRUE(watch.ReadUntil(json ? "\"removed\"" : "- COM3", seconds(5))) << watch.out;
        kill(watch.Pid(), stop);
        EXPECT_EQ(watch.Wait(seconds(5)), 0);
        if (!json) {
            EXPECT_EQ(watch.out,
                      "COM1  " + first + "\n+ COM3  " + link + "\n- COM3  " + link + "\n");
            continue;
        }
        std::istringstream lines(watch.out);
        std::string line;
        std::vector<nlohmann::json> objects;
        while (std::getline(lines, line)) {
            objects.push_back(nlohmann::json::parse(line));
        }
        ASSERT_EQ(objects.size(), 3u);
        EXPECT_EQ(objects[0]["ports"][0]["device"], first);
        EXPECT_EQ(objects[1]["added"]["name"], "COM3");
        EXPECT_EQ(objects[2]["removed"]["device"], link);
    }
    rmdir(folder);
}

// Adapters plugged in and out of a host, found by the real discovery: each keeps its name
// while it is there, and its maker, product and serial number are shown.
TEST_F(ProbeCliTest, PortsWatchFollowsUsbAdapters) {
    PlayInFakeHost(2, [](FakeHost& host) {
        const std::string adapter = "  FTDI FT232R USB UART (serial ";
        host.Plug("ttyUSB0", "1-1", "A1", host.Line(0));
        ChildProcess watch({PROBE_PROGRAM, "ports", "--watch"});
        ASSERT_TRUE(watch.ReadUntil("COM1  /dev/ttyUSB0" + adapter + "A1)\n", seconds(10)))
            << watch.out << watch.err;
        host.Plug("ttyUSB1", "1-2", "B2", host.Line(1));
        EXPECT_TRUE(watch.ReadUntil("+ COM2  /dev/ttyUSB1" + adapter + "B2)\n", seconds(5)));
        host.Unplug("ttyUSB0", "1-1");
        EXPECT_TRUE(watch.ReadUntil("- COM1  /dev/ttyUSB0" + adapter + "A1)\n", seconds(5)));
        // Back in another socket, under another tty: the name it had.
        host.Plug("ttyUSB2", "1-3", "A1", host.Line(0));
        EXPECT_TRUE(watch.ReadUntil("+ COM1  /dev/ttyUSB2" + adapter + "A1)\n", seconds(5)))
            << watch.out;
        kill(watch.Pid(), SIGINT);
        EXPECT_EQ(watch.Wait(seconds(5)), 0);
        EXPECT_EQ(std::count(watch.out.begin(), watch.out.end(), '\n'), 4) << watch.out;
    });
}

}  // namespace
