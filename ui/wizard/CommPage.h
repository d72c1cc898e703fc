#pragma once
#include <string>
#include <vector>

#include "ui/wizard/WizardButtons.h"

class WizardRun;

// The communication settings page's rules: the ports that exist and the supported rates,
// with the current settings selected; only a choice from a list changes the settings. Next
// checks that the instrument answers there; when it does not, the program ends.
class CommPage {
  public:
    static constexpr int kButtonsShown = PSWIZB_BACK | PSWIZB_NEXT;
    // The process's exit code when the instrument did not answer.
    static constexpr int kExitConnectionFailed = 1;

    explicit CommPage(WizardRun& run) : m_run(run) {}

    // The names of the ports that exist, in text order as a sorted list keeps them: COM1,
    // COM10, COM2. Listing never opens a port.
    static std::vector<std::string> PortList();
    // The rates offered: the ones the search tries, ascending.
    static std::vector<std::string> BaudList();
    // The entry of the current setting in each list, or -1 when there is none.
    int PortSelection(const std::vector<std::string>& ports) const;
    int BaudSelection(const std::vector<std::string>& rates) const;

    // The user chose an entry from a list.
    void OnPortChosen(const std::string& text);
    void OnBaudChosen(const std::string& text);

    // What the port is on this computer: its device, and on a second line what is known
    // of it. Empty for a port not in the map.
    static std::string PortDevice(const std::string& name);
    // The same on one line, shown beside the port's name in the list.
    static std::string PortDetail(const std::string& name);

    // While the page is shown the list follows adapters plugged in and out: it is made
    // again this often, and the port chosen stays chosen while it is there.
    static constexpr int kFollowMs = 400;
    // The line under the port list: the device of the port chosen; or, when that port was
    // in the list while the page was shown and has gone from it, that it went.
    std::string PortNote(const std::vector<std::string>& ports, bool chosenWasListed) const;

    // A device server's port typed by the user: on success it is added to the list for
    // this run, becomes the port setting, and its name is returned; otherwise empty, with
    // what was wrong in problem.
    std::string AddNetworkPort(const std::string& address, std::string* problem);

    // After the connection's progress dialog ended with result: true when the program must
    // now end with kExitConnectionFailed (the dialog has told the user why).
    static bool ConnectionEndsProgram(int result) { return result == 0; }

  private:
    WizardRun& m_run;
};
