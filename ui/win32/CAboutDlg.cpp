#include "ui/win32/CAboutDlg.h"

#include "res/resource.h"
#include "ui/win32/CWizardApp.h"
#include "ui/win32/WinPlacement.h"
#include "ui/win32/WinText.h"
#include "ui/wizard/WizardTexts.h"

INT_PTR CAboutDlg::DoModal(HWND owner) {
    return DialogBoxParamW(CWizardApp::Instance().Module(), MAKEINTRESOURCEW(IDD_ABOUTBOX), owner,
                           &CAboutDlg::DialogProc, 0);
}

INT_PTR CALLBACK CAboutDlg::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    switch (message) {
        case WM_INITDIALOG:
            WinPlacement::CentreOnOwner(window);
            TranslateTexts(window);
            SetItemText(
                window, IDC_ABOUT_NAME,
                std::string(wizard_text::kProgramName) + wizard_text::ProductVersionSuffix());
            SetItemText(window, IDC_ABOUT_COPYRIGHT,
                        wizard_text::Tr(wizard_text::kAboutCopyright) + "\r\n" +
                            wizard_text::Tr(wizard_text::kAboutLicence));
            SetItemText(window, IDC_ABOUT_WEB, wizard_text::HomePage());
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(window, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}
