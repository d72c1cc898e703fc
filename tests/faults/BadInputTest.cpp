// Bad input from people and from the environment: port names that are no port, a
// malformed BRINEVANE_PORTS, a command line that makes no sense. Each is answered with a
// message that names the problem, and nothing that is not a serial line is ever opened.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "jobs/CProgramThread.h"
#include "serial/PortMap.h"
#include "tests/faults/FaultSupport.h"
#include "tests/jobs/JobRecorder.h"
#include "tests/tools/ChildProcess.h"
#include "tools/sim/InstrumentSimulator.h"

namespace {

namespace fs = std::filesystem;
using namespace faults;
using ::testing::HasSubstr;

struct ProbeRun {
    int status;
    std::string out;
    std::string err;
};

ProbeRun Probe(std::vector<std::string> args) {
    args.insert(args.begin(), PROBE_PROGRAM);
    ChildProcess probe(args);
    const int status = probe.Wait(seconds(20));
    return {status, probe.out, probe.err};
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A folder of things that are not serial lines, watched so that any open of one of them
// shows: a regular file, a FIFO (whose open could block), a folder and a symlink to the
// file. Made under /dev/shm so that they can also be named as device paths.
class NotALineFolder {
  public:
    NotALineFolder() {
        char pattern[] = "/dev/shm/brinevane-faults-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            return;
        }
        dir = pattern;
        std::ofstream(dir + "/file") << "not a tty\n";
        if (mkfifo((dir + "/fifo").c_str(), 0600) != 0) {
            return;
        }
        fs::create_directory(dir + "/folder");
        fs::create_symlink(dir + "/file", dir + "/link");
        m_watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_watch >= 0 && inotify_add_watch(m_watch, dir.c_str(), IN_OPEN | IN_ACCESS) >= 0) {
            m_ok = true;
        }
    }
    ~NotALineFolder() {
        if (m_watch >= 0) {
            close(m_watch);
        }
        if (!dir.empty()) {
            std::error_code ignored;
            fs::remove_all(dir, ignored);
        }
    }
    bool Ok() const { return m_ok; }
    // Whether anything in the folder was opened since the last call.
    bool SomethingOpened() {
        char events[4096];
        bool opened = false;
        while (read(m_watch, events, sizeof events) > 0) {
            opened = true;
        }
        return opened;
    }

    std::string dir;
    const std::vector<std::string> entries{"file", "fifo", "folder", "link"};

  private:
    int m_watch = -1;
    bool m_ok = false;
};

TEST(BadInputTest, PortNamesThatNameNoPortAreRefusedAsUsageErrors) {
    setenv(PortMap::kEnvironmentVariable, "", 1);
    for (const std::string& name :
         {std::string(), std::string("COM0"), std::string("COM1x"), std::string("cow1"),
          std::string("COM") + std::string(10000, '1'), std::string("../../etc/passwd"),
          std::string("/etc/passwd"), std::string("COM1\n/dev/null")}) {
        const ProbeRun run = Probe({"connect", name, "9600"});
        EXPECT_EQ(run.status, 2) << name.substr(0, 40);
        EXPECT_EQ(run.out, "");
        EXPECT_THAT(run.err, HasSubstr("is not a port name: use COM1 to COM32, a device path"))
            << name.substr(0, 40);
    }
}

TEST(BadInputTest, DevicePathsThatAreNoSerialLineAreRefusedWithoutOpeningThem) {
    NotALineFolder folder;
    if (!folder.Ok()) {
        GTEST_SKIP() << "cannot make a watched folder under /dev/shm";
    }
    setenv(PortMap::kEnvironmentVariable, "", 1);
    for (const std::string& entry : folder.entries) {
        const std::string path = folder.dir + "/" + entry;
        const auto start = Clock::now();
        const ProbeRun run = Probe({"connect", path, "9600"});
        EXPECT_LT(MsSince(start), 2000) << entry;  // refused, not waited on
        EXPECT_EQ(run.status, 1) << entry;
        EXPECT_EQ(run.err, path + " is not a serial device\n");
        EXPECT_FALSE(folder.SomethingOpened()) << entry << " was opened";
    }
    std::ifstream(folder.dir + "/file").get();
    ASSERT_TRUE(folder.SomethingOpened()) << "the watch sees no open";

    const ProbeRun null = Probe({"connect", "/dev/null", "9600"});
    EXPECT_EQ(null.status, 1);
    EXPECT_THAT(null.err, HasSubstr("/dev/null is not a serial device"));
    const ProbeRun escape = Probe({"connect", "/dev/../etc/passwd", "9600"});
    EXPECT_EQ(escape.status, 1);
    EXPECT_THAT(escape.err, HasSubstr("/dev/../etc/passwd is not a serial port on this computer"));
    const ProbeRun tooLong = Probe({"connect", "/dev/" + std::string(10000, 'x'), "9600"});
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_THAT(tooLong.err, HasSubstr("could not be opened: File name too long"));
}

// BRINEVANE_PORTS may map a COM name to anything at all: what is not a serial line is
// neither listed as a port by the search nor opened by a connection.
TEST(BadInputTest, MappedPathsThatAreNoSerialLineAreNeverOpened) {
    NotALineFolder folder;
    if (!folder.Ok()) {
        GTEST_SKIP() << "cannot make a watched folder under /dev/shm";
    }
    std::string ports = "COM5=/dev/null";
    for (std::size_t i = 0; i < folder.entries.size(); ++i) {
        ports += ",COM" + std::to_string(i + 1) + "=" + folder.dir + "/" + folder.entries[i];
    }
    setenv(PortMap::kEnvironmentVariable, ports.c_str(), 1);

    const auto start = Clock::now();
    const ProbeRun search = Probe({"search"});
    EXPECT_LT(MsSince(start), 2000);  // nothing to probe
    EXPECT_EQ(search.status, 1);
    EXPECT_THAT(search.err, HasSubstr("No Brinevane ADCPs were detected!"));
    // Said of the device itself, not of the processes that happen to hold /dev/null open.
    EXPECT_THAT(search.err, HasSubstr("COM1 (" + folder.dir + "/" + folder.entries[0] +
                                      ") is not a serial device"));
    EXPECT_FALSE(folder.SomethingOpened());

    for (std::size_t i = 0; i < folder.entries.size(); ++i) {
        const std::string port = "COM" + std::to_string(i + 1);
        const ProbeRun run = Probe({"connect", port, "9600"});
        EXPECT_EQ(run.status, 1) << port;
        EXPECT_THAT(run.err, HasSubstr(port + " (" + folder.dir + "/" + folder.entries[i] +
                                       ") is not a serial device"));
        EXPECT_FALSE(folder.SomethingOpened()) << folder.entries[i] << " was opened";
    }
}

TEST(BadInputTest, EachMalformedPortsEntryIsReportedOnceAndTheGoodOnesStillWork) {
    InstrumentSimulator simulator({SimulatedLine::AtRate(9600)});
    ASSERT_TRUE(simulator.Start());
    const std::vector<std::string> bad{
        "COM2",  "COM0=/dev/null", "COM33=/dev/null", "COM99999999999=/dev/null",
        "COM3=", "COM4=relative",  "COM6=/dev/null",  "cow7=/dev/null"};
    std::string ports = "COM6=" + simulator.SlavePath(0);
    for (const std::string& entry : bad) {
        ports += "," + entry;
    }
    setenv(PortMap::kEnvironmentVariable, ports.c_str(), 1);

    const ProbeRun search = Probe({"search"});
    EXPECT_EQ(search.status, 0) << search.err;
    EXPECT_EQ(search.out, "COM6 9600\n");
    for (const std::string& entry : bad) {
        EXPECT_EQ(Occurrences(search.err, "skipping entry '" + entry + "'"), 1u) << entry;
    }
    EXPECT_EQ(Occurrences(search.err, "\n"), bad.size());  // nothing else was said

    const ProbeRun connect = Probe({"connect", "COM6", "9600"});
    EXPECT_EQ(connect.status, 0) << connect.err;
    EXPECT_EQ(Occurrences(connect.err, "BRINEVANE_PORTS: skipping entry"), bad.size());
    const ProbeRun list = Probe({"ports"});
    EXPECT_EQ(list.out, "COM6  " + simulator.SlavePath(0) + "\n");
}

TEST(BadInputTest, CommandLinesThatMakeNoSenseGetTheUsageAndExitTwo) {
    setenv(PortMap::kEnvironmentVariable, "", 1);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--bogus", "search"},
             {"-v"},
             {"search", "extra"},
             {"ports", "COM1"},
             {"connect"},
             {"connect", "COM1", ""},
             {"connect", "COM1", "-9600"},
             {"connect", "COM1", "+9600"},
             {"connect", "COM1", " 9600"},
             {"connect", "COM1", "9600.0"},
             {"connect", "COM1", "0x2580"},
             {"connect", "COM1", "0"},
             {"connect", "COM1", "99999999999"},
             {"connect", "COM1", "9600", "--rate=5"},
         }) {
        const ProbeRun run = Probe(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(run.out, "");
        EXPECT_THAT(run.err, HasSubstr("Run 'brinevane-probe --help' for usage.\n"))
            << ::testing::PrintToString(args);
    }
}

// After a search that found nothing the wizard connects with no port chosen at all.
TEST(BadInputTest, AConnectionWithNoPortChosenSaysSo) {
    UsePorts("");
    JobRecorder host;
    RunSettings settings;  // empty name, rate 0
    auto* job = new CProgramThread(settings);
    ASSERT_TRUE(job->Create("program", host.window, host.stop, host.stopped));
    ASSERT_TRUE(host.WaitFor(PR_ERROR, NOTIFY_FAIL, seconds(2)));
    EXPECT_EQ(job->GetFailure().Explain(),
              "No serial port was chosen: choose one from the list of ports");
    EXPECT_TRUE(host.Stop());
}

}  // namespace
