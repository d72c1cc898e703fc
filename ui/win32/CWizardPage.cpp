#include "ui/win32/CWizardPage.h"

#include "ui/win32/CWizardApp.h"
#include "ui/win32/CWizardSheet.h"
#include "ui/win32/WinText.h"
#include "ui/wizard/WizardTexts.h"

CWizardPage::CWizardPage(int templateId, const char* title)
    : m_nTemplate(templateId), m_title(Widen(wizard_text::Tr(title))) {}

PROPSHEETPAGEW CWizardPage::Describe() {
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof page;
    page.hInstance = CWizardApp::Instance().Module();
    page.pszTemplate = MAKEINTRESOURCEW(m_nTemplate);
    page.dwFlags = PSP_USETITLE;
    page.pszTitle = m_title.c_str();
    page.pfnDlgProc = &CWizardPage::DialogProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

void CWizardPage::SetWizardButtons(int buttons) const {
    PostMessageW(Sheet(), PSM_SETWIZBUTTONS, 0, buttons);
}

INT_PTR CALLBACK CWizardPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        auto* self = reinterpret_cast<CWizardPage*>(page->lParam);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = window;
        TranslateTexts(window);
        if (CWizardSheet* sheet = CWizardApp::Instance().Sheet()) {
            sheet->Attach(GetParent(window));
        }
        self->OnInitDialog();
        return TRUE;
    }
    auto* self = reinterpret_cast<CWizardPage*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_NOTIFY:
            return self->OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_COMMAND:
            return self->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        default:
            return self->OnMessage(message, wParam, lParam) ? TRUE : FALSE;
    }
}

INT_PTR CWizardPage::OnNotify(const NMHDR& header) {
    LONG_PTR result = 0;
    switch (header.code) {
        case PSN_SETACTIVE:
            result = OnSetActive() ? 0 : -1;
            if (CWizardSheet* sheet = CWizardApp::Instance().Sheet()) {
                sheet->RefreshTitle();
            }
            break;
        case PSN_KILLACTIVE:
            result = OnKillActive() ? FALSE : TRUE;
            break;
        case PSN_WIZNEXT:
            result = OnWizardNext() ? 0 : -1;
            break;
        default:
            return FALSE;
    }
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
