#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>

// A page of the wizard on its own dialog template, with the hooks the property sheet's
// notifications call: on every showing, when the page is left, and on Next.
class CWizardPage {
  public:
    // title: the page's caption, one of the wizard's texts, shown in the user's language.
    CWizardPage(int templateId, const char* title);
    virtual ~CWizardPage() = default;
    CWizardPage(const CWizardPage&) = delete;
    CWizardPage& operator=(const CWizardPage&) = delete;

    // What the sheet needs to make the page.
    PROPSHEETPAGEW Describe();
    HWND Hwnd() const { return m_hWnd; }

  protected:
    virtual void OnInitDialog() {}
    // The page is being shown, going forward or back.
    virtual bool OnSetActive() { return true; }
    // The page is being left; false keeps it.
    virtual bool OnKillActive() { return true; }
    // Next was pressed; false keeps the page.
    virtual bool OnWizardNext() { return true; }
    // A control's command; true when handled.
    virtual bool OnCommand(int id, int code) {
        (void)id;
        (void)code;
        return false;
    }
    // Any other message to the page (timers, owner-drawn controls); true when handled.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        (void)message;
        (void)wParam;
        (void)lParam;
        return false;
    }

    // The property sheet's window.
    HWND Sheet() const { return GetParent(m_hWnd); }
    HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
    // Posted, so that it takes effect after the sheet's own page change.
    void SetWizardButtons(int buttons) const;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnNotify(const NMHDR& header);

    int m_nTemplate;
    std::wstring m_title;
    HWND m_hWnd = nullptr;
};
