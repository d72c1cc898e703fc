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
    // The list following adapters, and the port list's field showing the name alone.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void FillPortList();
    // Makes the list again when the ports have changed, keeping the port chosen.
    void FollowPorts();
    // An entry of the port list as the list shows it: the name, and the device beside it.
    static std::wstring EntryText(const CommPage::PortEntry& entry);
    // The port list's field: it shows the name of the entry chosen, without its device.
    static LRESULT CALLBACK PortFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR data);
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
