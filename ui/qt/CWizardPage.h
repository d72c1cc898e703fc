#pragma once
#include <QWizardPage>

#include "ui/wizard/WizardButtons.h"

class CWizardSheet;

// A page of the wizard with the hooks the sheet calls: on every showing, when the page is
// left with Next, and on Next itself.
class CWizardPage : public QWizardPage {
    Q_OBJECT
  public:
    explicit CWizardPage(QWidget* parent = nullptr);

    // The page is being shown, going forward or back.
    virtual bool OnSetActive() { return true; }
    // The page is being left with Next; false keeps it.
    virtual bool OnKillActive() { return true; }
    // Next was pressed; false keeps the page.
    virtual bool OnWizardNext() { return true; }

    bool validatePage() override;

  protected:
    static CWizardSheet* Sheet();
    static void SetWizardButtons(int buttons);
};
