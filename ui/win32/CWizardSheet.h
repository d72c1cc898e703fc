#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

class CWizardPage;

// The wizard window: a property sheet in wizard mode with the pages in order, the version
// in its title, the application icon, and About in its system menu.
class CWizardSheet {
  public:
    CWizardSheet();
    ~CWizardSheet();
    CWizardSheet(const CWizardSheet&) = delete;
    CWizardSheet& operator=(const CWizardSheet&) = delete;

    void AddPage(CWizardPage& page);
    // Runs the wizard until Finish or Cancel.
    INT_PTR DoModal();
    HWND Hwnd() const { return m_hWnd; }
    // Takes the sheet's window on, once: its title, system menu and icons. From the
    // sheet's own start-up callback, or from the first page made, whichever comes first.
    void Attach(HWND window);
    // The version goes after the page's caption, which a page change puts in the title.
    void RefreshTitle();

  private:
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    void OnInitDialog();
    // " v. 1.05", from the version resource of the program's own file; empty without one.
    static std::string FileVersionSuffix();

    std::vector<PROPSHEETPAGEW> m_pages;
    HWND m_hWnd = nullptr;
    HICON m_hIcon = nullptr;
    std::string m_versionSuffix;
};
