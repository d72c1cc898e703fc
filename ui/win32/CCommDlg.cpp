#include "ui/win32/CCommDlg.h"

#include <algorithm>
#include <cstdlib>

#include "res/resource.h"
#include "ui/win32/CJobProgressDlg.h"
#include "ui/win32/CNetworkPortDlg.h"
#include "ui/win32/CWizardApp.h"
#include "ui/win32/WinText.h"
#include "ui/wizard/WizardTexts.h"

CCommDlg::CCommDlg()
    : CWizardPage(IDD_COMM, wizard_text::kCommTitle), m_page(CWizardApp::Instance().Run()) {}

namespace {
constexpr UINT_PTR kFollowTimer = 1;
// Between an entry's name and its device, as in the other view's list.
constexpr wchar_t kDetailGap[] = L"    ";
}  // namespace

void CCommDlg::OnInitDialog() {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (GetComboBoxInfo(Item(IDC_1006), &parts) && parts.hwndItem != nullptr) {
        SetWindowSubclass(parts.hwndItem, &CCommDlg::PortFieldProc, 0,
                          reinterpret_cast<DWORD_PTR>(this));
    }
    for (const std::string& rate : CommPage::BaudList()) {
        SendDlgItemMessageW(Hwnd(), IDC_1007, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(Widen(rate).c_str()));
    }
}

bool CCommDlg::OnSetActive() {
    SetWizardButtons(CommPage::kButtonsShown);
    m_page.OnShown();
    FillPortList();
    SelectBaudRate();
    SetTimer(Hwnd(), kFollowTimer, CommPage::kFollowMs, nullptr);
    return true;
}

bool CCommDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    if (message == WM_TIMER && wParam == kFollowTimer) {
        FollowPorts();
        return true;
    }
    return false;
}

void CCommDlg::FollowPorts() {
    if (!IsWindowVisible(Hwnd())) {
        KillTimer(Hwnd(), kFollowTimer);  // another page is shown: it starts again with this one
        return;
    }
    if (SendDlgItemMessageW(Hwnd(), IDC_1006, CB_GETDROPPEDSTATE, 0, 0) != FALSE) {
        return;  // never under the user's eyes while the list is open
    }
    if (m_page.PortsChanged()) {
        FillPortList();
    }
}

std::wstring CCommDlg::EntryText(const CommPage::PortEntry& entry) {
    return Widen(entry.name) + (entry.detail.empty() ? L"" : kDetailGap + Widen(entry.detail));
}

LRESULT CALLBACK CCommDlg::PortFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data) {
    // The list writes the whole entry into its field; the field shows the name alone, which
    // is what the settings take.
    if (message == WM_SETTEXT && lParam != 0) {
        const auto* self = reinterpret_cast<const CCommDlg*>(data);
        const std::wstring text = reinterpret_cast<const wchar_t*>(lParam);
        for (const CommPage::PortEntry& entry : self->m_page.ListedPorts()) {
            if (!entry.detail.empty() && text == EntryText(entry)) {
                const std::wstring name = Widen(entry.name);
                return DefSubclassProc(window, message, wParam,
                                       reinterpret_cast<LPARAM>(name.c_str()));
            }
        }
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &CCommDlg::PortFieldProc, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool CCommDlg::OnCommand(int id, int code) {
    if ((id == IDC_1006 || id == IDC_1007) && code == CBN_SELCHANGE) {
        // Only a choice from the list: typed text never sends this.
        if (id == IDC_1006) {
            const int index =
                static_cast<int>(SendDlgItemMessageW(Hwnd(), IDC_1006, CB_GETCURSEL, 0, 0));
            const std::vector<CommPage::PortEntry>& ports = m_page.ListedPorts();
            if (index >= 0 && static_cast<std::size_t>(index) < ports.size()) {
                m_page.OnPortChosen(ports[static_cast<std::size_t>(index)].name);
            }
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
    HWND list = Item(IDC_1006);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    // The open list is as wide as its entries with their details, whatever the field's width.
    HDC dc = GetDC(list);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    RECT field{};
    GetWindowRect(list, &field);
    LONG widest = field.right - field.left;
    for (const CommPage::PortEntry& entry : m_page.ListPorts()) {
        const std::wstring shown = EntryText(entry);
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
        SIZE size{};
        GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
        widest = std::max<LONG>(widest, size.cx + GetSystemMetrics(SM_CXVSCROLL) + 8);
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    SendMessageW(list, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest), 0);
    SelectPort();
}

void CCommDlg::ShowSettings() {
    SelectPort();
    SelectBaudRate();
}

void CCommDlg::SelectPort() {
    const int index = m_page.ListedSelection();
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
    SetItemText(Hwnd(), IDC_PORT_DEVICE, m_page.PortNote());
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
    const auto ask = [this](const std::string& offered) -> std::optional<std::string> {
        CNetworkPortDlg dialog;
        if (!dialog.DoModal(Sheet(), offered)) {
            return std::nullopt;
        }
        return dialog.Address();
    };
    const auto warn = [this](const std::string& text, const std::string& detail) {
        Warn(Sheet(), text, detail);
    };
    if (!m_page.AskNetworkPort(ask, warn).empty()) {
        FillPortList();
    }
}

bool CCommDlg::OnWizardNext() {
    KillTimer(Hwnd(), kFollowTimer);
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
