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
    explicit CWizardSheet(QWidget* parent = nullptr);

    void AddPage(CWizardPage* page);
    // Sets which of Back, Next and Finish are enabled, once the events already queued have
    // been handled, so that it takes effect after the wizard's own page change.
    void SetWizardButtons(int buttons);

    void ShowAbout();
    // Gives the keyboard back once a dialog or box of the wizard has closed: to the window
    // that showed it, or to the wizard when that has gone. A window manager does not always
    // do it, and keys would go nowhere.
    static void TakeFocusBack(QWidget* owner);

    // The suffix for this program's own version: " v. 1.05".
    static QString ProductVersionSuffix();
    static QIcon ApplicationIcon();
    // Makes the forms' icons available; any number of calls.
    static void LoadResources();

  protected:
    // Keeps the focus shown for every control of the wizard that takes it.
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void OnCurrentIdChanged(int id);
    // Gives every page the same minimum size: the widest page's width, and the height the
    // tallest needs at that width.
    void EvenOutPages();
    void ApplyWizardButtons(int buttons);
};
