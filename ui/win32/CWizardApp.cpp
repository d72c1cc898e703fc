#include "ui/win32/CWizardApp.h"

#include <commctrl.h>

#include "platform/os/Alert.h"
#include "ui/win32/CCommDlg.h"
#include "ui/win32/CFinishDlg.h"
#include "ui/win32/CIntroDlg.h"
#include "ui/win32/CWizardSheet.h"
#include "ui/win32/WinText.h"

CWizardApp& CWizardApp::Instance() {
    static CWizardApp app;
    return app;
}

bool CWizardApp::InitInstance(HINSTANCE instance) {
    m_hInstance = instance;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    // A worker's alert is a message box from its own thread, which Windows allows.
    platform::SetAlertHook([](const std::string& text) { Warn(nullptr, text); });
    {
        CWizardSheet sheet;
        m_pSheet = &sheet;
        CIntroDlg intro;
        CCommDlg comm;
        CFinishDlg finish;
        sheet.AddPage(intro);
        sheet.AddPage(comm);
        sheet.AddPage(finish);
        sheet.DoModal();
        m_pSheet = nullptr;
    }
    platform::SetAlertHook(nullptr);
    return false;
}

std::string CWizardApp::Title() {
    wchar_t path[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length);
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        name.erase(0, slash + 1);
    }
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos && dot > 0) {
        name.erase(dot);
    }
    return Narrow(name);
}
