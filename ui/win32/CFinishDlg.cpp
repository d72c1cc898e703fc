#include "ui/win32/CFinishDlg.h"

#include "res/resource.h"
#include "ui/win32/CWizardApp.h"
#include "ui/win32/WinText.h"
#include "ui/wizard/FinishPage.h"

CFinishDlg::CFinishDlg() : CWizardPage(IDD_FINISH) {}

bool CFinishDlg::OnSetActive() {
    EnableWindow(GetDlgItem(Sheet(), IDCANCEL), FALSE);
    SetWizardButtons(FinishPage::kButtonsShown);
    SetItemText(Hwnd(), IDC_FINISH_TEXT, FinishPage(CWizardApp::Instance().Run()).Text());
    return true;
}
