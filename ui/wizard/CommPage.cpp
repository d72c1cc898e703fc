#include "ui/wizard/CommPage.h"

#include <algorithm>
#include <cctype>

#include "jobs/PortVerdict.h"
#include "platform/os/Translation.h"
#include "serial/BaudRates.h"
#include "serial/BaudText.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "ui/wizard/WizardRun.h"
#include "ui/wizard/WizardTexts.h"

namespace {

constexpr char kNetworkScheme[] = WZ_ADD_NETWORK_PORT_START;

// Why a search passed a port over, in the words of the port list: its verdict's code, read
// out. A code not here is shown as it is, its dashes as spaces.
struct CodeWords {
    const char* code;
    const char* words;
};
constexpr CodeWords kVerdictWords[] = {
    {"noise", BV_NOOP("CommPage", "noise")},
    {"in-use", BV_NOOP("CommPage", "in use")},
    {"permission-denied", BV_NOOP("CommPage", "permission denied")},
    {"gone", BV_NOOP("CommPage", "gone")},
    {"not-there", BV_NOOP("CommPage", "not there")},
    {"not-serial", BV_NOOP("CommPage", "not serial")},
    {"not-a-port", BV_NOOP("CommPage", "not a port")},
    {"own-terminal", BV_NOOP("CommPage", "own terminal")},
    {"device-changed", BV_NOOP("CommPage", "device changed")},
    {"open-failed", BV_NOOP("CommPage", "open failed")},
    {"refused", BV_NOOP("CommPage", "refused")},
    {"not-resolved", BV_NOOP("CommPage", "not resolved")},
    {"lookup-failed", BV_NOOP("CommPage", "lookup failed")},
    {"no-answer", BV_NOOP("CommPage", "no answer")},
    {"not-rfc2217", BV_NOOP("CommPage", "not rfc2217")},
    {"setting-refused", BV_NOOP("CommPage", "setting refused")},
    {"raw-tcp", BV_NOOP("CommPage", "raw tcp")},
    {"flood", BV_NOOP("CommPage", "flood")},
};

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

std::string Trimmed(const std::string& text) {
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

}  // namespace

std::vector<std::string> CommPage::PortList() {
    std::vector<std::string> names;
    {
        CSerial serial;  // never opened: listing must not touch the ports
        serial.EnumeratePorts();
        for (int i = 0; i < PortMap::kMaxPorts; ++i) {
            const int port = serial.NextAvailablePort();
            if (port != 0) {
                names.push_back(PortMap::PortName(port));
            }
        }
    }
    std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

std::vector<std::string> CommPage::BaudList() {
    auto rates = SearchRates();
    std::sort(rates.begin(), rates.end());
    std::vector<std::string> texts;
    texts.reserve(rates.size());
    for (const std::uint32_t rate : rates) {
        texts.push_back(std::to_string(rate));
    }
    return texts;
}

int CommPage::PortSelection(const std::vector<std::string>& ports) const {
    const auto found = std::find(ports.begin(), ports.end(), m_run.Settings().m_strPortName);
    return found == ports.end() ? -1 : static_cast<int>(found - ports.begin());
}

int CommPage::BaudSelection(const std::vector<std::string>& rates) const {
    const std::int32_t baud = m_run.Settings().m_nBaudRate;
    for (std::size_t i = 0; i < rates.size(); ++i) {
        if (ReadBaudText(rates[i]) == baud) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CommPage::OnPortChosen(const std::string& text) {
    m_run.Settings().m_strPortName = text;
    m_chosenListed = true;
}

void CommPage::OnBaudChosen(const std::string& text) {
    m_run.Settings().m_nBaudRate = ReadBaudText(text);
}

std::string CommPage::PortDevice(const std::string& name) {
    if (name.empty()) {
        return {};
    }
    const std::shared_ptr<const PortMap> map = PortMap::Current();
    const PortInfo* info = map ? map->FindByName(name) : nullptr;
    if (info == nullptr) {
        return {};
    }
    std::string device = info->path;
    const std::string description = info->Description();
    if (!description.empty()) {
        device += '\n' + description;
    }
    return device;
}

std::string CommPage::PortDetail(const std::string& name) {
    std::string detail = PortDevice(name);
    const std::size_t newline = detail.find('\n');
    return newline == std::string::npos ? detail : detail.replace(newline, 1, "  ");
}

std::vector<CommPage::PortEntry> CommPage::PortEntries() const {
    std::vector<PortEntry> entries;
    for (std::string& name : PortList()) {
        std::string detail = PortDetail(name);
        for (const PortVerdict& verdict : m_run.Verdicts()) {
            if (verdict.portName == name) {
                detail += (detail.empty() ? "" : "  ") + VerdictNote(verdict);
            }
        }
        entries.push_back({std::move(name), std::move(detail)});
    }
    return entries;
}

std::string CommPage::VerdictNote(const PortVerdict& verdict) {
    std::string what;
    if (verdict.code == "silent") {
        what = TrText("CommPage", "nothing came back");
    } else if (verdict.code == "other-device") {
        what = platform::FillText(TrText("CommPage", "another device at %1 baud"),
                                  {std::to_string(verdict.rate)});
    } else if (verdict.code == "rate-not-tried") {
        what = TrText("CommPage", "answers at a rate not searched");
    } else {
        const auto* known =
            std::find_if(std::begin(kVerdictWords), std::end(kVerdictWords),
                         [&verdict](const CodeWords& each) { return verdict.code == each.code; });
        if (known != std::end(kVerdictWords)) {
            what = TrText("CommPage", known->words);
        } else {
            what = verdict.code;
            std::replace(what.begin(), what.end(), '-', ' ');
        }
    }
    //: What the last search made of a port, beside it in the port list.
    return platform::FillText(TrText("CommPage", "(search: %1)"), {what});
}

void CommPage::OnShown() {
    m_chosenListed = false;
    m_listed.clear();
}

const std::vector<CommPage::PortEntry>& CommPage::ListPorts() {
    m_listed = PortEntries();
    m_chosenListed = m_chosenListed || ListedSelection() >= 0;
    return m_listed;
}

std::vector<std::string> CommPage::ListedNames() const {
    std::vector<std::string> names;
    names.reserve(m_listed.size());
    for (const PortEntry& entry : m_listed) {
        names.push_back(entry.name);
    }
    return names;
}

int CommPage::ListedSelection() const {
    return PortSelection(ListedNames());
}

std::string CommPage::PortNote() const {
    const std::string& name = m_run.Settings().m_strPortName;
    if (ListedSelection() >= 0) {
        return PortDevice(name);
    }
    return m_chosenListed && !name.empty()
               ? platform::FillText(
                     TrText("CommPage",
                            "%1 has gone: plug its adapter in again, or choose another port."),
                     {name})
               : std::string();
}

std::string CommPage::NetworkAddress(const std::string& typed) {
    std::string address = Trimmed(typed);
    if (address.empty() || address.find("://") != std::string::npos) {
        return address;
    }
    // A device server is most often given as host and port; the scheme that sets the
    // line's rate is the one meant.
    return std::string(kNetworkScheme) + address;
}

std::string CommPage::AddNetworkPort(const std::string& address, std::string* problem) {
    std::string name = PortMap::AddNetworkPort(NetworkAddress(address), problem);
    if (!name.empty()) {
        m_run.Settings().m_strPortName = name;
    }
    return name;
}

std::string CommPage::AskNetworkPort(const AskAddress& ask, const WarnUser& warn) {
    std::string offered = kNetworkScheme;
    for (;;) {
        const std::optional<std::string> typed = ask(offered);
        if (!typed) {
            return {};
        }
        std::string problem;
        std::string name = AddNetworkPort(*typed, &problem);
        if (!name.empty()) {
            return name;
        }
        warn(wizard_text::Tr(wizard_text::kNetworkPortNotAdded), problem);
        offered = *typed;
    }
}
