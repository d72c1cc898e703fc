#pragma once
#include "ui/win32/CWizardPage.h"

// The last page, shown once the instrument has answered: only Finish is left.
class CFinishDlg : public CWizardPage {
  public:
    CFinishDlg();

  protected:
    bool OnSetActive() override;
};
