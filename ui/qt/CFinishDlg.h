#pragma once
#include <memory>

#include "ui/qt/CWizardPage.h"

namespace Ui {
class CFinishDlg;
}

// The last page, shown once the instrument has answered: only Finish is left.
class CFinishDlg : public CWizardPage {
    Q_OBJECT
  public:
    explicit CFinishDlg(QWidget* parent = nullptr);
    ~CFinishDlg() override;

    bool OnSetActive() override;

  private:
    std::unique_ptr<Ui::CFinishDlg> m_ui;
};
