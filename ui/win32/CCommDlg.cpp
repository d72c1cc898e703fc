#include "ui/win32/CCommDlg.h"

#include <cstdlib>

#include "res/resource.h"
#include "ui/win32/CJobProgressDlg.h"
#include "ui/win32/CNetworkPortDlg.h"
#include "ui/win32/CWizardApp.h"
#include "ui/win32/WinText.h"
#include "ui/wizard/WizardTexts.h"

CCommDlg::CCommDlg() : CWizardPage(IDD_COMM), m_page(CWizardApp::Instance().Run()) {}

void CCommDlg::OnInitDialog() {
    for (const std::string& rate : CommPage::BaudList()) {
        SendDlgItemMessageW(Hwnd(), IDC_1007, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(Widen(rate).c_str()));
    }
}

bool CCommDlg::OnSetActive() {
    SetWizardButtons(CommPage::kButtonsShown);
    FillPortList();
    SelectBaudRate();
    return true;
}

bool CCommDlg::OnCommand(int id, int code) {
    if ((id == IDC_1006 || id == IDC_1007) && code == CBN_SELCHANGE) {
        // Only a choice from the list: typed text never sends this.
        if (id == IDC_1006) {
            m_page.OnPortChosen(Selected(IDC_1006));
            ShowPortDevice();
        } else {
            m_page.OnBaudChosen(Selected(IDC_1007));
        }
        return true;
    }
    if ((id == IDC_1006 || id == IDC_1007) && code == CBN_KILLFOCUS) {
        ShowSettings();  // what is on screen is what will be used
        return true;
    }
    if (id == IDC_ADD_NETWORK_PORT && code == BN_CLICKED) {
        OnAddNetworkPort();
        return true;
    }
    return false;
}

void CCommDlg::FillPortList() {
    SendDlgItemMessageW(Hwnd(), IDC_1006, CB_RESETCONTENT, 0, 0);
    for (const std::string& name : CommPage::PortList()) {
        SendDlgItemMessageW(Hwnd(), IDC_1006, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(Widen(name).c_str()));
    }
    SelectPort();
}

void CCommDlg::ShowSettings() {
    SelectPort();
    SelectBaudRate();
}

void CCommDlg::SelectPort() {
    const int index = m_page.PortSelection(Entries(IDC_1006));
    SendDlgItemMessageW(Hwnd(), IDC_1006, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (index < 0) {
        SetDlgItemTextW(Hwnd(), IDC_1006, L"");
    }
    ShowPortDevice();
}

void CCommDlg::SelectBaudRate() {
    const int index = m_page.BaudSelection(Entries(IDC_1007));
    SendDlgItemMessageW(Hwnd(), IDC_1007, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (index < 0) {
        SetDlgItemTextW(Hwnd(), IDC_1007, L"");
    }
}

void CCommDlg::ShowPortDevice() {
    SetItemText(Hwnd(), IDC_PORT_DEVICE, CommPage::PortDevice(Selected(IDC_1006)));
}

std::vector<std::string> CCommDlg::Entries(int list) const {
    std::vector<std::string> entries;
    const LRESULT count = SendDlgItemMessageW(Hwnd(), list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendDlgItemMessageW(Hwnd(), list, CB_GETLBTEXTLEN, i, 0);
        std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendDlgItemMessageW(Hwnd(), list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        entries.push_back(Narrow(text));
    }
    return entries;
}

std::string CCommDlg::Selected(int list) const {
    const LRESULT index = SendDlgItemMessageW(Hwnd(), list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return {};
    }
    const std::vector<std::string> entries = Entries(list);
    return static_cast<std::size_t>(index) < entries.size() ? entries[index] : std::string();
}

void CCommDlg::OnAddNetworkPort() {
    CNetworkPortDlg dialog;
    if (!dialog.DoModal(Sheet())) {
        return;
    }
    std::string problem;
    if (m_page.AddNetworkPort(dialog.Address(), &problem).empty()) {
        Warn(Sheet(), wizard_text::kNetworkPortNotAdded, problem);
        return;
    }
    FillPortList();
}

bool CCommDlg::OnWizardNext() {
    SetWizardButtons(kWizardButtonsBusy);
    ShowSettings();  // Next can come while typed text is still in an edit field
    CJobProgressDlg connection;
    connection.SetMode(JobProgress::MODE_CONNECTION);
    if (CommPage::ConnectionEndsProgram(static_cast<int>(connection.DoModal()))) {
        // The dialog has told the user why; without an instrument there is nothing left
        // to do, and the failure shows in the exit code.
        std::exit(CommPage::kExitConnectionFailed);
    }
    return true;
}
