#pragma once
#include "ui/win32/CWizardPage.h"

// The last page, shown once the instrument has answered: only Finish is left.
class CFinishDlg : public CWizardPage {
  public:
    CFinishDlg();

  protected:
    void OnInitDialog() override;
    bool OnSetActive() override;

  private:
    // The text's own keys: it keeps the arrows and selection, and leaves Enter and Tab to
    // the wizard, so that Enter presses Finish even with the text focused.
    static LRESULT CALLBACK TextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);
};
