#include "ui/win32/CFinishDlg.h"

#include <string>

#include "res/resource.h"
#include "ui/win32/CWizardApp.h"
#include "ui/win32/WinText.h"
#include "ui/wizard/FinishPage.h"
#include "ui/wizard/WizardTexts.h"

CFinishDlg::CFinishDlg() : CWizardPage(IDD_FINISH, wizard_text::kFinishTitle) {}

void CFinishDlg::OnInitDialog() {
    SetWindowSubclass(Item(IDC_FINISH_TEXT), &CFinishDlg::TextProc, 0, 0);
}

LRESULT CALLBACK CFinishDlg::TextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR data) {
    (void)data;
    if (message == WM_GETDLGCODE) {
        // A multi-line edit asks for every key; a read-only text has no use for Enter or Tab.
        const LRESULT code = DefSubclassProc(window, message, wParam, lParam);
        return code & ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB);
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &CFinishDlg::TextProc, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

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
