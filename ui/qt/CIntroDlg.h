#pragma once
#include <memory>

#include "ui/qt/CWizardPage.h"

namespace Ui {
class CIntroDlg;
}

// The first page: take the default port settings, or let the wizard search for the
// instrument when the page is left.
class CIntroDlg : public CWizardPage {
    Q_OBJECT
  public:
    explicit CIntroDlg(QWidget* parent = nullptr);
    ~CIntroDlg() override;

    bool OnSetActive() override;
    bool OnKillActive() override;

  private:
    std::unique_ptr<Ui::CIntroDlg> m_ui;
};
