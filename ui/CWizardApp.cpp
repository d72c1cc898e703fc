#include "ui/CWizardApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMetaObject>
#include <QThread>
#include <cstdio>

#include "platform/Alert.h"
#include "ui/CCommDlg.h"
#include "ui/CFinishDlg.h"
#include "ui/CIntroDlg.h"
#include "ui/CWizardSheet.h"
#include "ui/MessageSink.h"

namespace {

// A worker's alert waits until the user has seen it, as a message box from that thread
// would; the box itself must be shown on the UI thread.
void ShowAlertOnUiThread(const std::string& text) {
    const QString message = QString::fromStdString(text);
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    const bool onUiThread = QThread::currentThread() == app->thread();
    QMetaObject::invokeMethod(
        app, [message] { MessageSink::Show(nullptr, message); },
        onUiThread ? Qt::DirectConnection : Qt::BlockingQueuedConnection);
}

}  // namespace

CWizardApp& CWizardApp::Instance() {
    static CWizardApp app;
    return app;
}

CWizardSheet* CWizardApp::Sheet() const {
    return m_pSheet.data();
}

void CWizardApp::BuildWizard(CWizardSheet& sheet) {
    m_pSheet = &sheet;
    sheet.AddPage(new CIntroDlg());
    sheet.AddPage(new CCommDlg());
    sheet.AddPage(new CFinishDlg());
}

bool CWizardApp::InitInstance() {
    QApplication::setWindowIcon(CWizardSheet::ApplicationIcon());
    platform::SetAlertHook(&ShowAlertOnUiThread);
    {
        CWizardSheet sheet;
        BuildWizard(sheet);
        sheet.exec();
    }
    platform::SetAlertHook(nullptr);
    return false;
}

void CWizardApp::ExitProcess(int code) {
    m_nExitCode = code;
    QCoreApplication::exit(code);
}

QString CWizardApp::Title() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
