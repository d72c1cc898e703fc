// The wizard's page rules, without a view: what each page writes into the run and what
// it offers, as both the Qt and the Win32 wizard show it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

#include "tests/support/FakeHost.h"
#include "ui/wizard/CommPage.h"
#include "ui/wizard/FinishPage.h"
#include "ui/wizard/IntroPage.h"
#include "ui/wizard/JobProgress.h"
#include "ui/wizard/WizardRun.h"
#include "ui/wizard/WizardTexts.h"

namespace {

using Strings = std::vector<std::string>;

// A terminal device that exists for as long as the object does.
class Pty {
  public:
    Pty() : m_fd(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (m_fd >= 0 && grantpt(m_fd) == 0 && unlockpt(m_fd) == 0) {
            m_path = ptsname(m_fd);
        }
    }
    ~Pty() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    const std::string& Path() const { return m_path; }

  private:
    int m_fd;
    std::string m_path;
};

TEST(WizardTexts, VersionSuffixHidesTheBuildNumber) {
    EXPECT_EQ(wizard_text::VersionSuffix(1, 5, 0, 0), " v. 1.05");
    EXPECT_EQ(wizard_text::VersionSuffix(2, 10, 3, 0), " v. 2.10.003");
    EXPECT_EQ(wizard_text::VersionSuffix(1, 5, 0, 9), " v. 1.05");
}

TEST(IntroPage, TheBoxTakesTheDefaultsAndTheSearchLeavesTheSettings) {
    WizardRun run;
    run.Settings() = {"COM3", 19200, false, false};
    IntroPage page(run);
    EXPECT_FALSE(page.OnKillActive(true, true));  // no search, whatever was found before
    EXPECT_EQ(run.Settings().m_strPortName, "COM1");
    EXPECT_EQ(run.Settings().m_nBaudRate, 9600);
    EXPECT_FALSE(run.Settings().m_bParallelSearch);

    EXPECT_TRUE(page.OnKillActive(false, true));
    EXPECT_EQ(run.Settings().m_strPortName, "COM1");
    EXPECT_EQ(run.Settings().m_nBaudRate, 9600);
    // The quick search: every port at once, the likeliest rate first.
    EXPECT_TRUE(run.Settings().m_bParallelSearch);
    EXPECT_TRUE(run.Settings().m_bFastSearch);
}

TEST(CommPage, PortsInTextOrderAndTheExactNameSelected) {
    const Pty one, two, ten;
    ASSERT_FALSE(ten.Path().empty());
    const std::string map =
        "COM2=" + two.Path() + ",COM10=" + ten.Path() + ",COM1=" + one.Path() + ",COM3=/dev/null";
    ASSERT_EQ(setenv("BRINEVANE_PORTS", map.c_str(), 1), 0);
    const Strings ports = CommPage::PortList();
    EXPECT_EQ(ports, (Strings{"COM1", "COM10", "COM2"}));
    EXPECT_EQ(CommPage::PortList(), ports);  // listed afresh, each once

    WizardRun run;
    CommPage page(run);
    EXPECT_EQ(page.PortSelection(ports), -1);  // no port yet
    run.Settings().m_strPortName = "com10";
    EXPECT_EQ(page.PortSelection(ports), -1);
    page.OnPortChosen("COM10");
    EXPECT_EQ(page.PortSelection(ports), 1);
    EXPECT_EQ(CommPage::PortDevice("COM10"), ten.Path());
    EXPECT_EQ(CommPage::PortDevice("COM5"), "");

    ASSERT_EQ(setenv("BRINEVANE_PORTS", "", 1), 0);
    EXPECT_TRUE(CommPage::PortList().empty());
    unsetenv("BRINEVANE_PORTS");
}

// The last page names where the instrument answered, as the technician will give it to
// other software; the settings page says when the port chosen went while it was shown.
TEST(CommPage, PortsAreNamedWithTheirDevices) {
    const Pty two;
    ASSERT_EQ(setenv("BRINEVANE_PORTS", ("COM2=" + two.Path()).c_str(), 1), 0);
    ASSERT_EQ(CommPage::PortList().size(), 1u);  // as the page lists them
    WizardRun run;
    run.Settings().m_strPortName = "COM2";
    run.Settings().m_nBaudRate = 19200;
    EXPECT_EQ(FinishPage(run).Text(), "Your Brinevane ADCP answered on COM2 (" + two.Path() +
                                          ") at 19200 baud.\n\nPress "
                                          "'Finish' to close the wizard.");
    CommPage page(run);
    EXPECT_EQ(CommPage::PortDetail("COM2"), two.Path());
    page.OnShown();
    EXPECT_EQ(page.ListPorts(), (std::vector<CommPage::PortEntry>{{"COM2", two.Path()}}));
    EXPECT_EQ(page.PortNote(), two.Path());
    EXPECT_FALSE(page.PortsChanged());

    // The port goes while the page is shown: the page says so; shown again, it does not.
    ASSERT_EQ(setenv("BRINEVANE_PORTS", "", 1), 0);
    EXPECT_TRUE(page.PortsChanged());
    EXPECT_TRUE(page.ListPorts().empty());
    EXPECT_EQ(page.ListedSelection(), -1);
    EXPECT_EQ(page.PortNote(), "COM2 has gone: plug its adapter in again, or choose another port.");
    page.OnShown();
    page.ListPorts();
    EXPECT_EQ(page.PortNote(), "");
    unsetenv("BRINEVANE_PORTS");
}

TEST(CommPage, RatesAscendingAndReadAsTheListShowsThem) {
    const Strings rates = CommPage::BaudList();
    EXPECT_EQ(rates,
              (Strings{"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}));
    WizardRun run;
    CommPage page(run);
    EXPECT_EQ(page.BaudSelection(rates), -1);  // rate 0
    page.OnBaudChosen("115200");
    EXPECT_EQ(run.Settings().m_nBaudRate, 115200);
    EXPECT_EQ(page.BaudSelection(rates), 7);
    page.OnBaudChosen(" 4800 baud");
    EXPECT_EQ(run.Settings().m_nBaudRate, 4800);
}

TEST(CommPage, AWrongNetworkAddressIsOfferedAgainAsTyped) {
    ASSERT_EQ(setenv("BRINEVANE_PORTS", "", 1), 0);
    WizardRun run;
    run.Settings().m_strPortName = "COM2";
    CommPage page(run);
    std::string problem;
    EXPECT_EQ(page.AddNetworkPort("  gopher://example:70 ", &problem), "");
    EXPECT_FALSE(problem.empty());
    EXPECT_EQ(run.Settings().m_strPortName, "COM2");

    EXPECT_EQ(CommPage::NetworkAddress(" 127.0.0.1:4001 "), "rfc2217://127.0.0.1:4001");
    EXPECT_EQ(CommPage::NetworkAddress("socket://10.0.0.5:4001"), "socket://10.0.0.5:4001");
    // The user types a wrong address, is told why, corrects it as offered, and the port is
    // added; then a second time gives up.
    const Strings typed{"gopher://example:70", "127.0.0.1:4001"};
    Strings offered, warned;
    const auto ask = [&](const std::string& text) -> std::optional<std::string> {
        offered.push_back(text);
        if (offered.size() > typed.size()) {
            return std::nullopt;
        }
        return typed[offered.size() - 1];
    };
    const auto warn = [&warned](const std::string& text, const std::string&) {
        warned.push_back(text);
    };
    EXPECT_EQ(page.AskNetworkPort(ask, warn), "COM1");
    EXPECT_EQ(offered, (Strings{"rfc2217://", "gopher://example:70"}));
    EXPECT_EQ(warned, Strings{"The network port was not added."});
    EXPECT_EQ(run.Settings().m_strPortName, "COM1");
    EXPECT_EQ(CommPage::PortDevice("COM1"), "rfc2217://127.0.0.1:4001");
    offered.clear();
    EXPECT_EQ(page.AskNetworkPort(
                  [&](const std::string& text) -> std::optional<std::string> {
                      offered.push_back(text);
                      return std::nullopt;
                  },
                  warn),
              "");
    EXPECT_EQ(offered, Strings{"rfc2217://"});
    unsetenv("BRINEVANE_PORTS");
    EXPECT_TRUE(CommPage::ConnectionEndsProgram(0));
    EXPECT_FALSE(CommPage::ConnectionEndsProgram(1));
}

// A search that found nothing says what each port did, and the port list says it beside
// each port, so that the user picks knowingly.
TEST(JobProgress, AFailedSearchSaysWhatEachPortDid) {
    const Pty one;
    ASSERT_EQ(setenv("BRINEVANE_PORTS", ("COM1=" + one.Path()).c_str(), 1), 0);
    JobHost::Outcome failed;
    failed.reason = "no prompt from COM1 or COM2";
    PortVerdict silent;
    silent.portName = "COM1";
    silent.code = "silent";
    silent.detail = "nothing came back at any rate";
    silent.probed = true;
    PortVerdict held;
    held.portName = "COM2";
    held.code = "in-use";
    held.detail = "COM2 is in use by another program";
    failed.ports = {silent, held};
    EXPECT_EQ(JobProgress::FailureDetail(failed),
              "COM1: nothing came back at any rate\nCOM2 is in use by another program");
    failed.ports.clear();
    EXPECT_EQ(JobProgress::FailureDetail(failed), "No prompt from COM1 or COM2");

    WizardRun run;
    run.Verdicts() = {silent, held};
    CommPage page(run);
    page.OnShown();
    EXPECT_EQ(
        page.ListPorts(),
        (std::vector<CommPage::PortEntry>{{"COM1", one.Path() + "  (search: nothing came back)"}}));
    PortVerdict other;
    other.code = "other-device";
    other.rate = 4800;
    EXPECT_EQ(CommPage::VerdictNote(other), "(search: another device at 4800 baud)");
    EXPECT_EQ(CommPage::VerdictNote(held), "(search: in use)");
    unsetenv("BRINEVANE_PORTS");
}

TEST(FinishPage, NamesTheInstrumentOnlyWhereItWasHeard) {
    WizardRun run;
    JobProgress progress(run);
    JobHost::Outcome found;
    found.portName = "COM2";
    found.baud = 19200;
    found.banner = "Brinevane 600 kHz ADCP";
    progress.OnSuccess(JobProgress::MODE_SEARCH, found);
    EXPECT_EQ(run.Settings().m_strPortName, "COM2");
    EXPECT_EQ(run.Settings().m_nBaudRate, 19200);

    const std::string named = FinishPage(run).Text();
    EXPECT_NE(named.find("It said: Brinevane 600 kHz ADCP"), std::string::npos);
    EXPECT_EQ(named.find("you chose"), std::string::npos);  // a search found it
    EXPECT_EQ(named.find("not applied"), std::string::npos);

    run.Settings().m_nBaudRate = 9600;  // the user chose another rate, which answered too
    JobHost::Outcome raw;
    raw.rateApplied = false;
    progress.OnSuccess(JobProgress::MODE_CONNECTION, raw);
    EXPECT_EQ(run.Settings().m_strPortName, "COM2");  // a connection stores no settings
    const std::string text = FinishPage(run).Text();
    EXPECT_EQ(text.find("It said"), std::string::npos);
    EXPECT_NE(text.find("The baud rate 9600 was not applied: COM2 passes raw bytes"),
              std::string::npos);
    EXPECT_NE(text.find("Press 'Finish'"), std::string::npos);
}

}  // namespace

namespace {

// USB adapters plugged in and out of a host, found by the real discovery, as the settings
// page lists them while it is shown: each entry with its device and description, the names
// kept with their adapters, and the note when the port chosen went.
TEST(CommPage, TheListFollowsUsbAdapters) {
    PlayInFakeHost(2, [](FakeHost& host) {
        const std::string adapter = "  FTDI FT232R USB UART (serial ";
        host.Plug("ttyUSB0", "1-1", "A1", host.Line(0));
        WizardRun run;
        CommPage page(run);
        page.OnShown();
        EXPECT_EQ(CommPage::PortList(), Strings{"COM1"});
        EXPECT_EQ(CommPage::PortDetail("COM1"), "/dev/ttyUSB0" + adapter + "A1)");
        page.OnPortChosen("COM1");

        host.Plug("ttyUSB1", "1-2", "B2", host.Line(1));
        EXPECT_EQ(CommPage::PortList(), (Strings{"COM1", "COM2"}));
        EXPECT_EQ(CommPage::PortDetail("COM2"), "/dev/ttyUSB1" + adapter + "B2)");
        host.Unplug("ttyUSB0", "1-1");
        EXPECT_TRUE(page.PortsChanged());
        EXPECT_EQ(page.ListPorts().size(), 1u);
        EXPECT_EQ(page.ListedPorts().front().name, "COM2");
        EXPECT_EQ(page.PortNote(),
                  "COM1 has gone: plug its adapter in again, or choose another port.");
        // Back in another socket, under another tty: the name it had, chosen again.
        host.Plug("ttyUSB2", "1-3", "A1", host.Line(0));
        EXPECT_TRUE(page.PortsChanged());
        EXPECT_EQ(page.ListPorts().size(), 2u);
        EXPECT_EQ(page.ListedSelection(), 0);
        EXPECT_EQ(page.PortNote(), "/dev/ttyUSB2\nFTDI FT232R USB UART (serial A1)");
    });
}

}  // namespace
