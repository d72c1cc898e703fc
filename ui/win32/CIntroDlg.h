#pragma once
#include "ui/win32/CWizardPage.h"

// The first page: take the default port settings, or let the wizard search for the
// instrument when the page is left.
class CIntroDlg : public CWizardPage {
  public:
    CIntroDlg();

  protected:
    bool OnSetActive() override;
    bool OnKillActive() override;
    bool OnCommand(int id, int code) override;

  private:
    bool Checked(int id) const;
};
