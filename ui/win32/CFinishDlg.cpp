#include "ui/win32/CFinishDlg.h"

#include <string>

#include "res/resource.h"
#include "ui/win32/CWizardApp.h"
#include "ui/win32/WinText.h"
#include "ui/wizard/FinishPage.h"

CFinishDlg::CFinishDlg() : CWizardPage(IDD_FINISH) {}

bool CFinishDlg::OnSetActive() {
    EnableWindow(GetDlgItem(Sheet(), IDCANCEL), FALSE);
    SetWizardButtons(FinishPage::kButtonsShown);
    // An edit control breaks lines only at CR LF.
    std::string text;
    for (const char c : FinishPage(CWizardApp::Instance().Run()).Text()) {
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    SetItemText(Hwnd(), IDC_FINISH_TEXT, text);
    return true;
}
