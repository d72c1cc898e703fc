#include "ui/win32/CIntroDlg.h"

#include "res/resource.h"
#include "ui/win32/CJobProgressDlg.h"
#include "ui/win32/CWizardApp.h"
#include "ui/wizard/IntroPage.h"
#include "ui/wizard/WizardTexts.h"

CIntroDlg::CIntroDlg() : CWizardPage(IDD_INTRO, wizard_text::kIntroTitle) {}

bool CIntroDlg::OnSetActive() {
    ShowWindow(GetDlgItem(Sheet(), IDHELP), SW_HIDE);
    SetWizardButtons(IntroPage::kButtonsShown);
    return true;
}

bool CIntroDlg::OnKillActive() {
    SetWizardButtons(kWizardButtonsBusy);
    IntroPage page(CWizardApp::Instance().Run());
    if (page.OnKillActive(Checked(IDC_1003), Checked(IDC_QUICK_SEARCH))) {
        CJobProgressDlg search;
        search.SetMode(JobProgress::MODE_SEARCH);
        search.DoModal();
    }
    return true;
}

bool CIntroDlg::OnCommand(int id, int code) {
    if (id == IDC_1003 && code == BN_CLICKED) {
        EnableWindow(Item(IDC_QUICK_SEARCH), IntroPage::QuickSearchEnabled(Checked(IDC_1003)));
        return true;
    }
    return false;
}

bool CIntroDlg::Checked(int id) const {
    return IsDlgButtonChecked(Hwnd(), id) == BST_CHECKED;
}
