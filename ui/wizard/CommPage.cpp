#include "ui/wizard/CommPage.h"

#include <algorithm>
#include <cctype>

#include "jobs/PortVerdict.h"
#include "serial/BaudRates.h"
#include "serial/BaudText.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "ui/wizard/WizardRun.h"
#include "ui/wizard/WizardTexts.h"

namespace {

constexpr char kNetworkScheme[] = WZ_ADD_NETWORK_PORT_START;

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
        what = "nothing came back";
    } else if (verdict.code == "other-device") {
        what = "another device at " + std::to_string(verdict.rate) + " baud";
    } else if (verdict.code == "rate-not-tried") {
        what = "answers at a rate not searched";
    } else {
        what = verdict.code;  // "noise", "in-use", "permission-denied", "gone", ...
        std::replace(what.begin(), what.end(), '-', ' ');
    }
    return "(search: " + what + ")";
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
               ? name + " has gone: plug its adapter in again, or choose another port."
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
        warn(wizard_text::kNetworkPortNotAdded, problem);
        offered = *typed;
    }
}
