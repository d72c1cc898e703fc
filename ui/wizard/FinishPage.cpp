#include "ui/wizard/FinishPage.h"

#include "jobs/JobTexts.h"
#include "serial/PortMap.h"
#include "ui/wizard/WizardRun.h"

namespace {

// "COM2 (/dev/ttyUSB0, FTDI FT232R USB UART, serial A1)": the port as the technician will
// give it to other software, and which cable that is.
std::string PortAndDevice(const std::string& name) {
    const std::shared_ptr<const PortMap> map = PortMap::Current();
    const PortInfo* info = map ? map->FindByName(name) : nullptr;
    if (info == nullptr || info->path.empty()) {
        return name;
    }
    std::string what = info->path;
    const std::string product =
        info->vendor + (info->vendor.empty() || info->product.empty() ? "" : " ") + info->product;
    if (!product.empty()) {
        what += ", " + product;
    }
    if (!info->serialNumber.empty()) {
        what += ", serial " + info->serialNumber;
    }
    return name + " (" + what + ")";
}

}  // namespace

std::string FinishPage::Text() const {
    const RunSettings& settings = m_run.Settings();
    const WizardRun::FoundInstrument& found = m_run.Found();
    // The same words whether the search found the port or the user chose it.
    std::string text = "Your Brinevane ADCP answered on " + PortAndDevice(settings.m_strPortName) +
                       " at " + std::to_string(settings.m_nBaudRate) + " baud.";
    const bool named = !found.banner.empty() && found.portName == settings.m_strPortName &&
                       found.baud == settings.m_nBaudRate;
    if (named) {
        text += "\n\nIt said: " + found.banner;
    }
    if (!m_run.ConnectionRateApplied()) {
        text +=
            "\n\n" + JobTexts::RateNotAppliedSentence(settings.m_strPortName, settings.m_nBaudRate);
    }
    return text + "\n\nPress 'Finish' to close the wizard.";
}
