#include <QApplication>
#include <QCoreApplication>

#include "platform/os/UserLanguage.h"
#include "ui/qt/CWizardApp.h"
#include "ui/qt/QtCatalog.h"

int main(int argc, char* argv[]) {
    // The command line is read before QApplication exists, because that needs a display:
    // --help and --version answer on any terminal.
    const QString language = QString::fromStdString(UserLanguage::Current());
    {
        const QCoreApplication commandLine(argc, argv);
        QtCatalog::Use(language);
        if (const std::optional<int> exitCode =
                CWizardApp::Instance().ParseCommandLine(QCoreApplication::arguments())) {
            return *exitCode;
        }
    }
    QApplication app(argc, argv);
    QtCatalog::Install();
    CWizardApp::Instance().InitInstance();
    return CWizardApp::Instance().ExitCode();
}
