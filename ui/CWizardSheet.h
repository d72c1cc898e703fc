#pragma once
#include <QIcon>
#include <QString>
#include <QWizard>

class CWizardPage;

// The wizard window: the pages in order, the version in the title, the application icon
// and an About button at the left of the button row.
class CWizardSheet : public QWizard {
    Q_OBJECT
  public:
    // Which of the wizard's buttons are enabled.
    enum WizardButtons : int {
        PSWIZB_BACK = 1,
        PSWIZB_NEXT = 2,
        PSWIZB_FINISH = 4,
    };

    explicit CWizardSheet(QWidget* parent = nullptr);

    void AddPage(CWizardPage* page);
    // Sets which of Back, Next and Finish are enabled, once the events already queued have
    // been handled, so that it takes effect after the wizard's own page change.
    void SetWizardButtons(int buttons);

    void ShowAbout();

    // " v. 1.05" for 1.5.x.x, " v. 2.10.003" for 2.10.3.x: the build number never shows.
    static QString VersionSuffix(unsigned major, unsigned minor, unsigned patch, unsigned build);
    // The suffix for this program's own version.
    static QString ProductVersionSuffix();
    static QIcon ApplicationIcon();
    // Makes the forms' icons available; any number of calls.
    static void LoadResources();

  private:
    void OnCurrentIdChanged(int id);
    void ApplyWizardButtons(int buttons);
};
