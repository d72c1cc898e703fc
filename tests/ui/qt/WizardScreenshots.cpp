// Walks the real wizard on a screen (Xvfb) against the simulator and saves a picture of
// every page, of the progress dialog and of the failure messages. scripts/screenshots
// runs it; not a test.
//
//   ui_screenshots DIR                       the way through: pages, progress, About
//   ui_screenshots DIR --connection-failure  the message after a failed connection
//   ui_screenshots DIR --search-failure      the message after a search that found nothing
//   ui_screenshots DIR --minimum-size        the first and the last page at the wizard's
//                                            minimum size, where a long text would be cut
//
// The wizard speaks the user's language (LANG and the rest), as brinevane-setup does.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <set>

#include "platform/os/UserLanguage.h"
#include "ui/qt/CAboutDlg.h"
#include "ui/qt/CCommDlg.h"
#include "ui/qt/CFinishDlg.h"
#include "ui/qt/CIntroDlg.h"
#include "ui/qt/CJobProgressDlg.h"
#include "ui/qt/CWizardApp.h"
#include "ui/qt/CWizardSheet.h"
#include "ui/qt/QtCatalog.h"

namespace {

constexpr int kSettleMs = 400;
constexpr int kGiveUpMs = 60000;

class Photographer {
  public:
    // Pictures only of the names in only, when it is not empty.
    Photographer(QString directory, std::set<QString> only)
        : m_directory(std::move(directory)), m_only(std::move(only)) {}

    // Saves the part of the screen that shows the wizard and the window over it.
    void Take(const QString& name, QWidget* over = nullptr) {
        if (!m_taken.insert(name).second || (!m_only.empty() && m_only.count(name) == 0)) {
            return;
        }
        QRect area = CWizardApp::Instance().Sheet()->frameGeometry();
        if (over != nullptr) {
            area = area.united(over->frameGeometry());
        }
        QScreen* screen = QGuiApplication::primaryScreen();
        area = area.adjusted(-6, -6, 6, 6).intersected(screen->geometry());
        QPixmap picture = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (over != nullptr) {
            // Without a window manager nothing frames the window on top: draw its edge.
            QPainter painter(&picture);
            painter.setPen(QColor(80, 80, 80));
            painter.drawRect(
                over->frameGeometry().translated(-area.topLeft()).adjusted(-1, -1, 0, 0));
        }
        const QString path = QDir(m_directory).filePath(name + ".png");
        if (!picture.save(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            QCoreApplication::exit(2);
        }
        std::printf("%s\n", qPrintable(path));
        std::fflush(stdout);
    }
    bool Taken(const QString& name) const { return m_taken.count(name) != 0; }

  private:
    QString m_directory;
    std::set<QString> m_only;
    std::set<QString> m_taken;
};

// Something to do once a condition has held long enough for the screen to show it.
struct Step {
    std::function<bool()> ready;
    std::function<void()> act;
};

void Later(std::function<void()> action) {
    QTimer::singleShot(0, std::move(action));
}

QWizardPage* CurrentPage() {
    CWizardSheet* sheet = CWizardApp::Instance().Sheet();
    return sheet != nullptr && sheet->isVisible() ? sheet->currentPage() : nullptr;
}

void Press(QWizard::WizardButton which) {
    Later([which] { CWizardApp::Instance().Sheet()->button(which)->click(); });
}

// The job's progress dialog once its bar has come this far (the search's, then the
// connection's: one at a time, in that order).
CJobProgressDlg* ProgressShowing(int minimum) {
    auto* dlg = qobject_cast<CJobProgressDlg*>(QApplication::activeModalWidget());
    if (dlg == nullptr || dlg->windowTitle().isEmpty()) {
        return nullptr;
    }
    const auto* bar = dlg->findChild<QProgressBar*>("IDC_1005");
    return bar != nullptr && bar->value() >= minimum ? dlg : nullptr;
}

QMessageBox* MessageShowing() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

std::vector<Step> Tour(Photographer& camera) {
    return {
        {[] { return qobject_cast<CIntroDlg*>(CurrentPage()) != nullptr; },
         [&camera] {
             camera.Take("01-intro");
             Press(QWizard::NextButton);
         }},
        {[] { return ProgressShowing(15) != nullptr; },
         [&camera] { camera.Take("02-search-progress", QApplication::activeModalWidget()); }},
        {[] { return qobject_cast<CCommDlg*>(CurrentPage()) != nullptr; },
         [&camera] {
             camera.Take("03-settings");
             Press(QWizard::NextButton);
         }},
        {[] { return ProgressShowing(10) != nullptr; },
         [&camera] { camera.Take("04-connection-progress", QApplication::activeModalWidget()); }},
        {[] { return qobject_cast<CFinishDlg*>(CurrentPage()) != nullptr; },
         [&camera] {
             camera.Take("05-finish");
             CWizardSheet* sheet = CWizardApp::Instance().Sheet();
             Later([sheet] { sheet->button(QWizard::CustomButton1)->click(); });
         }},
        {[] { return qobject_cast<CAboutDlg*>(QApplication::activeModalWidget()) != nullptr; },
         [&camera] {
             QWidget* about = QApplication::activeModalWidget();
             camera.Take("06-about", about);
             Later([about] { static_cast<QDialog*>(about)->accept(); });
             Press(QWizard::FinishButton);
         }},
    };
}

std::vector<Step> ConnectionFailure(Photographer& camera) {
    return {
        {[] { return qobject_cast<CIntroDlg*>(CurrentPage()) != nullptr; },
         [] {
             CurrentPage()->findChild<QCheckBox*>("IDC_1003")->setChecked(true);
             Press(QWizard::NextButton);
         }},
        {[] { return qobject_cast<CCommDlg*>(CurrentPage()) != nullptr; },
         [] { Press(QWizard::NextButton); }},
        {[] { return MessageShowing() != nullptr; },
         [&camera] {
             QMessageBox* box = MessageShowing();
             camera.Take("07-connection-failed", box);
             Later([box] { box->accept(); });  // the program then ends with exit code 1
         }},
    };
}

std::vector<Step> SearchFailure(Photographer& camera) {
    return {
        {[] { return qobject_cast<CIntroDlg*>(CurrentPage()) != nullptr; },
         [] { Press(QWizard::NextButton); }},
        {[] { return MessageShowing() != nullptr; },
         [&camera] {
             QMessageBox* box = MessageShowing();
             camera.Take("08-search-failed", box);
             Later([box] { box->accept(); });
         }},
        {[] { return qobject_cast<CCommDlg*>(CurrentPage()) != nullptr; },
         [] { Press(QWizard::CancelButton); }},
    };
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtCatalog::Use(QString::fromStdString(UserLanguage::Current()));
    if (argc < 2) {
        std::fprintf(
            stderr,
            "usage: ui_screenshots DIR [--connection-failure|--search-failure|--minimum-size]\n");
        return 2;
    }
    QDir().mkpath(argv[1]);
    const QString mode = argc > 2 ? argv[2] : "";
    const bool minimumSize = mode == "--minimum-size";
    Photographer camera(
        argv[1], minimumSize ? std::set<QString>{"01-intro", "05-finish"} : std::set<QString>{});
    std::vector<Step> steps = mode == "--connection-failure" ? ConnectionFailure(camera)
                              : mode == "--search-failure"   ? SearchFailure(camera)
                                                             : Tour(camera);

    // One step at a time: a step acts once its condition has held for a moment, so that
    // the screen shows what it is about to photograph.
    std::size_t next = 0;
    QElapsedTimer heldFor;
    QElapsedTimer running;
    running.start();
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (running.elapsed() > kGiveUpMs) {
            std::fprintf(stderr, "ui_screenshots: step %zu never came\n", next + 1);
            std::_Exit(3);
        }
        if (next >= steps.size()) {
            return;
        }
        if (!steps[next].ready()) {
            heldFor.invalidate();
            return;
        }
        if (!heldFor.isValid()) {
            heldFor.start();
        } else if (heldFor.elapsed() >= kSettleMs) {
            heldFor.invalidate();
            steps[next++].act();
        }
    });
    watcher.start(50);
    QTimer::singleShot(0, [minimumSize] {
        CWizardSheet* sheet = CWizardApp::Instance().Sheet();
        sheet->move(24, 24);
        if (minimumSize) {
            sheet->resize(sheet->minimumSizeHint());
        }
    });

    CWizardApp::Instance().InitInstance();
    if (CWizardApp::Instance().ExitCode() != 0) {
        return CWizardApp::Instance().ExitCode();
    }
    return next == steps.size() ? 0 : 3;
}
