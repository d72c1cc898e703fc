#pragma once
#include <QTimer>
#include <memory>

#include "ui/qt/CWizardPage.h"
#include "ui/wizard/CommPage.h"

class QComboBox;

namespace Ui {
class CCommDlg;
}

// The port and baud rate to use: the ports that exist and the supported rates, with the
// current settings selected. Only a choice from a list changes the settings. Next checks
// that the instrument answers there; when it does not, the program ends.
class CCommDlg : public CWizardPage {
    Q_OBJECT
  public:
    // The process's exit code when the instrument did not answer.
    static constexpr int kExitConnectionFailed = CommPage::kExitConnectionFailed;

    explicit CCommDlg(QWidget* parent = nullptr);
    ~CCommDlg() override;

    bool OnSetActive() override;
    bool OnWizardNext() override;

  protected:
    // The line under the port list is fitted to its width again when that changes.
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    // Calls handler for an entry the user chooses from the list, and for nothing else.
    void ConnectListChoice(QComboBox* list, void (CCommDlg::*handler)(int));
    void FillPortList();
    // Makes the list again when the ports have changed, keeping the port chosen.
    void FollowPorts();
    // Select the entries of the current settings; typed text in the edit fields goes.
    void ShowSettings();
    void SelectPort();
    void SelectBaudRate();
    void OnPortSelChange(int index);
    void OnBaudSelChange(int index);
    void ShowPortDevice();
    // Asks for a device server's address and adds its port to the list for this run.
    void OnAddNetworkPort();

    std::unique_ptr<Ui::CCommDlg> m_ui;
    CommPage m_page;
    bool m_bEditingFinishing = false;
    QTimer m_follow;
};
