#include "ui/qt/CWizardApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QMetaObject>
#include <QThread>
#include <cstdio>

#include "platform/os/Alert.h"
#include "platform/os/Trace.h"
#include "platform/os/Translation.h"
#include "res/version.h"
#include "ui/qt/CCommDlg.h"
#include "ui/qt/CFinishDlg.h"
#include "ui/qt/CIntroDlg.h"
#include "ui/qt/CWizardSheet.h"
#include "ui/qt/MessageSink.h"

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

// The options QApplication takes for itself; they are read here only so that they are not
// refused as unknown.
constexpr const char* kQtValueOptions[] = {"platform",    "platformpluginpath", "platformtheme",
                                           "plugin",      "qmljsdebugger",      "qwindowgeometry",
                                           "qwindowicon", "qwindowtitle",       "session",
                                           "style",       "stylesheet",         "display",
                                           "geometry"};
constexpr const char* kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// Reads Qt's own options, hidden from --help, so that they are not refused as unknown.
void AddQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// --help, and for --help-all Qt's own options after ours.
void PrintHelp(const QCommandLineParser& parser, bool withQtOptions) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    if (!withQtOptions) {
        return;
    }
    QStringList qtOptions;
    for (const char* name : kQtValueOptions) {
        qtOptions << QStringLiteral("-%1 VALUE").arg(QString::fromLatin1(name));
    }
    for (const char* name : kQtFlagOptions) {
        qtOptions << QStringLiteral("-%1").arg(QString::fromLatin1(name));
    }
    std::printf("\n%s\n  %s\n",
                TrText("CWizardApp", "Qt's options (see the Qt documentation):").c_str(),
                qPrintable(qtOptions.join(QStringLiteral(", "))));
}

// Whether QApplication will find somewhere to show its windows.
bool HasDisplay(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("platform")) || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

CWizardApp& CWizardApp::Instance() {
    static CWizardApp app;
    return app;
}

std::optional<int> CWizardApp::ParseCommandLine(const QStringList& arguments) {
    constexpr int kExitUsage = 2;
    const QString program = QStringLiteral("brinevane-setup");
    QCoreApplication::setApplicationName(program);
    QCoreApplication::setApplicationVersion(QStringLiteral(BRINEVANE_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CWizardApp", "Finds a Brinevane ADCP on a serial port and checks that it answers."));
    // Qt's own options are written with one dash: -platform offscreen.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    // -V and -v as in brinevane-probe and brinevane-sim, rather than Qt's own -v.
    const QCommandLineOption version(
        {QStringLiteral("V"), QStringLiteral("version")},
        QCoreApplication::translate("CWizardApp", "Displays version information."));
    parser.addOption(version);
    const QCommandLineOption verbose(
        {QStringLiteral("v"), QStringLiteral("verbose")},
        QCoreApplication::translate("CWizardApp",
                                    "Write each job notification (and the trace) to stderr."));
    parser.addOption(verbose);
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QCoreApplication::translate(
            "CWizardApp",
            "Say on the first page that the instrument is simulated (brinevane-sim)."));
    parser.addOption(demo);
    AddQtOptions(parser);

    const auto usageError = [&program](const QString& text) {
        std::fprintf(stderr, "%s: %s\n%s\n", qPrintable(program), qPrintable(text),
                     platform::FillText(TrText("CWizardApp", "Run '%1 --help' for usage."),
                                        {qPrintable(program)})
                         .c_str());
        return kExitUsage;
    };
    if (!parser.parse(arguments)) {
        return usageError(parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        PrintHelp(parser, parser.isSet(QStringLiteral("help-all")));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(program), BRINEVANE_VERSION_TEXT);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(QCoreApplication::translate("CWizardApp", "unexpected argument '%1'")
                              .arg(parser.positionalArguments().constFirst()));
    }
    // Without a display QApplication would abort; say why instead.
    if (!HasDisplay(parser)) {
        std::fprintf(
            stderr, "%s: %s\n", qPrintable(program),
            TrText("CWizardApp",
                   "there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the "
                   "wizard cannot open a window. Run it from a desktop session, or use "
                   "brinevane-probe on a terminal.")
                .c_str());
        return kExitUsage;
    }
    m_run.SetDemo(parser.isSet(demo));
    m_run.SetVerbose(parser.isSet(verbose));
    platform::SetTraceEnabled(parser.isSet(verbose) || platform::TraceEnabled());
    return std::nullopt;
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
