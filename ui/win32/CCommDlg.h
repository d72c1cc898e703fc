#pragma once
#include <string>
#include <vector>

#include "ui/win32/CWizardPage.h"
#include "ui/wizard/CommPage.h"

// The port and baud rate to use: the ports that exist and the supported rates, with the
// current settings selected. Only a choice from a list changes the settings. Next checks
// that the instrument answers there; when it does not, the program ends.
class CCommDlg : public CWizardPage {
  public:
    CCommDlg();

  protected:
    void OnInitDialog() override;
    bool OnSetActive() override;
    bool OnWizardNext() override;
    bool OnCommand(int id, int code) override;

  private:
    void FillPortList();
    // Select the entries of the current settings; typed text in the edit fields goes.
    void ShowSettings();
    void SelectPort();
    void SelectBaudRate();
    void ShowPortDevice();
    // Asks for a device server's address and adds its port to the list for this run.
    void OnAddNetworkPort();
    std::vector<std::string> Entries(int list) const;
    // The entry now selected in a list; empty when none is.
    std::string Selected(int list) const;

    CommPage m_page;
};
