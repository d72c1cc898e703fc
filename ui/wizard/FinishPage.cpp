#include "ui/wizard/FinishPage.h"

#include "jobs/JobTexts.h"
#include "platform/os/Translation.h"
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
        //: After the adapter's maker and product: its serial number.
        what += platform::FillText(TrText("FinishPage", ", serial %1"), {info->serialNumber});
    }
    return name + " (" + what + ")";
}

}  // namespace

std::string FinishPage::Text() const {
    const RunSettings& settings = m_run.Settings();
    const WizardRun::FoundInstrument& found = m_run.Found();
    // The same words whether the search found the port or the user chose it.
    //: %1 is the port with its device, "COM2 (/dev/ttyUSB0, FTDI FT232R USB UART)"; %2 the
    //: rate, "19200".
    std::string text = platform::FillText(
        TrText("FinishPage", "Your Brinevane ADCP answered on %1 at %2 baud."),
        {PortAndDevice(settings.m_strPortName), std::to_string(settings.m_nBaudRate)});
    const bool named = !found.banner.empty() && found.portName == settings.m_strPortName &&
                       found.baud == settings.m_nBaudRate;
    if (named) {
        //: %1 is what the instrument wrote before its prompt, as it wrote it.
        text += "\n\n" + platform::FillText(TrText("FinishPage", "It said: %1"), {found.banner});
    }
    if (!m_run.ConnectionRateApplied()) {
        text +=
            "\n\n" + JobTexts::RateNotAppliedSentence(settings.m_strPortName, settings.m_nBaudRate);
    }
    //: 'Finish' is the wizard's button "&Finish": quote it as the button reads in your
    //: language, without its "&".
    return text + "\n\n" + TrText("FinishPage", "Press 'Finish' to close the wizard.");
}
