#include <QApplication>
#include <QCoreApplication>

#include "ui/qt/CWizardApp.h"

int main(int argc, char* argv[]) {
    // The command line is read before QApplication exists, because that needs a display:
    // --help and --version answer on any terminal.
    {
        const QCoreApplication commandLine(argc, argv);
        if (const std::optional<int> exitCode =
                CWizardApp::Instance().ParseCommandLine(QCoreApplication::arguments())) {
            return *exitCode;
        }
    }
    QApplication app(argc, argv);
    CWizardApp::Instance().InitInstance();
    return CWizardApp::Instance().ExitCode();
}
