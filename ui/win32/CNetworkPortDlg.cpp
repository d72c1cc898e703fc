#include "ui/win32/CNetworkPortDlg.h"

#include "res/resource.h"
#include "ui/win32/CWizardApp.h"
#include "ui/win32/WinPlacement.h"
#include "ui/win32/WinText.h"

bool CNetworkPortDlg::DoModal(HWND owner, const std::string& offered) {
    m_offered = offered;
    return DialogBoxParamW(CWizardApp::Instance().Module(), MAKEINTRESOURCEW(IDD_ADD_NETWORK_PORT),
                           owner, &CNetworkPortDlg::DialogProc,
                           reinterpret_cast<LPARAM>(this)) == IDOK;
}

INT_PTR CALLBACK CNetworkPortDlg::DialogProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        WinPlacement::CentreOnOwner(window);
        TranslateTexts(window);
        SetItemText(window, IDC_ADDRESS, reinterpret_cast<CNetworkPortDlg*>(lParam)->m_offered);
        HWND edit = GetDlgItem(window, IDC_ADDRESS);
        SetFocus(edit);
        const int end = GetWindowTextLengthW(edit);
        SendMessageW(edit, EM_SETSEL, end, end);
        return FALSE;  // the focus is set
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        auto* self = reinterpret_cast<CNetworkPortDlg*>(GetWindowLongPtrW(window, DWLP_USER));
        if (LOWORD(wParam) == IDOK && self != nullptr) {
            self->m_address = WindowText(GetDlgItem(window, IDC_ADDRESS));
        }
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
