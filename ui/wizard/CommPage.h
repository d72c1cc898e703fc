#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/wizard/WizardButtons.h"

class WizardRun;
struct PortVerdict;

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

    // One entry of the port list: the name, which is what the edit field shows and the
    // settings take, and the detail drawn beside it.
    struct PortEntry {
        std::string name;
        std::string detail;
        bool operator==(const PortEntry& other) const {
            return name == other.name && detail == other.detail;
        }
        bool operator!=(const PortEntry& other) const { return !(*this == other); }
    };
    // The ports that exist now, as the list shows them: each with what the last search made
    // of it, when it gave no answer.
    std::vector<PortEntry> PortEntries() const;
    // "(search: another device at 4800 baud)": a search's verdict on a port, in a few words.
    static std::string VerdictNote(const PortVerdict& verdict);

    // While the page is shown the list follows adapters plugged in and out: it is made
    // again when the ports change, looked at this often, and the port chosen stays chosen
    // while it is there.
    static constexpr int kFollowMs = 400;
    // The page is being shown: the list is made afresh, and a port that went before is
    // not news.
    void OnShown();
    // Makes the list again from the ports that exist; the entries to show.
    const std::vector<PortEntry>& ListPorts();
    const std::vector<PortEntry>& ListedPorts() const { return m_listed; }
    // True when the ports that exist are no longer those listed: the list must be made again.
    bool PortsChanged() const { return PortEntries() != m_listed; }
    // The listed entry of the current setting, or -1.
    int ListedSelection() const;
    // The line under the port list: the device of the port chosen; or, when that port was
    // in the list while the page was shown and has gone from it, that it went.
    std::string PortNote() const;

    // A device server's port typed by the user: on success it is added to the list for
    // this run, becomes the port setting, and its name is returned; otherwise empty, with
    // what was wrong in problem. HOST:PORT alone is taken as rfc2217://HOST:PORT.
    std::string AddNetworkPort(const std::string& address, std::string* problem);
    // "Add network port...": asks for an address until one is added or the user gives up.
    // ask shows the dialog with the text offered and gives the text typed, or nothing when
    // cancelled; warn says why an address was refused, and it is offered again as typed,
    // for correction. The name of the port added, or empty.
    using AskAddress = std::function<std::optional<std::string>(const std::string& offered)>;
    using WarnUser = std::function<void(const std::string& text, const std::string& detail)>;
    std::string AskNetworkPort(const AskAddress& ask, const WarnUser& warn);
    // What an address typed without a scheme means.
    static std::string NetworkAddress(const std::string& typed);

    // After the connection's progress dialog ended with result: true when the program must
    // now end with kExitConnectionFailed (the dialog has told the user why).
    static bool ConnectionEndsProgram(int result) { return result == 0; }

  private:
    std::vector<std::string> ListedNames() const;

    WizardRun& m_run;
    std::vector<PortEntry> m_listed;
    // Whether the port chosen has been in the list since the page was shown.
    bool m_chosenListed = false;
};
