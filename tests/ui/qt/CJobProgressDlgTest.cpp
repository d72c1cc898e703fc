// The progress dialog's handler tables, its stop sequence and its failures, with jobs
// that stand in for the real ones, and one real connection against the simulator.
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "jobs/JobFactory.h"
#include "jobs/JobMessages.h"
#include "serial/PortMap.h"
#include "tests/ui/qt/MessageRecorder.h"
#include "tools/sim/InstrumentSimulator.h"
#include "ui/qt/CJobProgressDlg.h"
#include "ui/qt/CWizardApp.h"

namespace {

std::atomic<int> g_jobsEnded{0};

// Waits for its stop and posts nothing: the test plays the notifications.
class QuietSearch : public CSearchThread {
  public:
    ~QuietSearch() override { ++g_jobsEnded; }

  protected:
    void Run() override {
        while (m_bRunning && !IsStopRequested()) {
            SleepOrStop(10);
        }
    }
};

class QuietProgram : public CProgramThread {
  public:
    explicit QuietProgram(const RunSettings& settings) : CProgramThread(settings) {}
    ~QuietProgram() override { ++g_jobsEnded; }

  protected:
    void Run() override {
        while (m_bRunning && !IsStopRequested()) {
            SleepOrStop(10);
        }
    }
};

std::atomic<bool> g_releaseDeafJob{false};

// Finds an instrument at once, then does not hear the stop: it ends only when the test
// lets it go.
class DeafSearch : public CSearchThread {
  public:
    ~DeafSearch() override { ++g_jobsEnded; }

  protected:
    void Run() override {
        Notify(WM_SEARCH_NOTIFY, SR_INIT, NOTIFY_BEGIN);
        Notify(WM_SEARCH_NOTIFY, SR_FOUND, NOTIFY_END);
        for (int i = 0; i < 1000 && !g_releaseDeafJob; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
};

class TestProgressDlg : public CJobProgressDlg {
  public:
    using CJobProgressDlg::OnInitDialog;

    std::function<CSearchThread*()> makeSearch;
    std::function<CProgramThread*()> makeProgram;

    int Position() const { return findChild<QProgressBar*>("IDC_1005")->value(); }

  protected:
    CSearchThread* NewSearchThread(const RunSettings& settings) override {
        return makeSearch ? makeSearch() : JobFactory::NewSearch(settings);
    }
    CProgramThread* NewProgramThread(const RunSettings& settings) override {
        return makeProgram ? makeProgram() : JobFactory::NewConnection(settings);
    }
};

RunSettings g_quietSettings;

}  // namespace

class CJobProgressDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        g_jobsEnded = 0;
        CWizardApp::Instance().Settings() = RunSettings{"COM7", 4800};
    }

    void searchHandlerTable() {
        MessageRecorder messages;
        TestProgressDlg dlg;
        dlg.makeSearch = [] { return new QuietSearch(); };
        dlg.SetMode(CJobProgressDlg::MODE_SEARCH);
        QVERIFY(dlg.OnInitDialog());

        dlg.OnSearchNotify(SR_FOUND, NOTIFY_BEGIN);
        QCOMPARE(dlg.Position(), 0);
        QCOMPARE(dlg.windowTitle(), QString());

        dlg.OnSearchNotify(SR_INIT, NOTIFY_BEGIN);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Searching..."));
        QCOMPARE(dlg.Position(), 5);
        for (int step = 2; step <= 20; ++step) {
            dlg.OnSearchNotify(SR_SEARCH, NOTIFY_END);
        }
        QCOMPARE(dlg.Position(), 100);
        dlg.OnSearchNotify(SR_SEARCH, NOTIFY_BEGIN);  // the 21st step starts over
        QCOMPARE(dlg.Position(), 5);

        dlg.OnSearchNotify(SR_ERROR, NOTIFY_FAIL);
        QCOMPARE(messages.Texts(), QStringList{"No Brinevane ADCPs were detected!"});
        QCOMPARE(dlg.result(), 0);
        QCOMPARE(dlg.Position(), 5);  // a failure does not fill the bar
        QTRY_COMPARE_WITH_TIMEOUT(g_jobsEnded.load(), 1, 2000);

        // The dialog has ended: a late success changes neither the settings nor the bar.
        dlg.OnSearchNotify(SR_FOUND, NOTIFY_END);
        dlg.OnSearchNotify(SR_ERROR, NOTIFY_END);
        QCOMPARE(CWizardApp::Instance().Settings().m_strPortName, std::string("COM7"));
        QCOMPARE(CWizardApp::Instance().Settings().m_nBaudRate, 4800);
        QCOMPARE(dlg.Position(), 5);
        QCOMPARE(messages.Texts().size(), 1);
    }

    void connectionHandlerTable() {
        MessageRecorder messages;
        TestProgressDlg dlg;
        dlg.makeProgram = [] { return new QuietProgram(g_quietSettings); };
        dlg.SetMode(CJobProgressDlg::MODE_CONNECTION);
        QVERIFY(dlg.OnInitDialog());

        dlg.OnProgramNotify(PR_DONE, NOTIFY_FAIL);
        QCOMPARE(dlg.Position(), 0);
        dlg.OnProgramNotify(PR_INIT, NOTIFY_BEGIN);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Programming..."));
        QCOMPARE(dlg.Position(), 10);
        dlg.OnProgramNotify(PR_INIT, NOTIFY_END);
        QCOMPARE(dlg.Position(), 20);
        QCOMPARE(g_jobsEnded.load(), 0);

        dlg.OnProgramNotify(PR_DONE, NOTIFY_END);
        QCOMPARE(dlg.Position(), 100);
        QCOMPARE(dlg.result(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(g_jobsEnded.load(), 1, 2000);
        dlg.OnProgramNotify(PR_ERROR, NOTIFY_FAIL);  // too late to count
        QCOMPARE(dlg.result(), 1);
        QVERIFY(messages.Texts().isEmpty());
    }

    void jobThatNeverStops() {
        MessageRecorder messages;
        TestProgressDlg dlg;
        dlg.makeSearch = [] { return new DeafSearch(); };
        dlg.SetMode(CJobProgressDlg::MODE_SEARCH);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(dlg.DoModal(), 1);
        QVERIFY(clock.elapsed() >= 900);
        QCOMPARE(messages.Texts(), QStringList{"Could not stop search thread!"});
        QCOMPARE(g_jobsEnded.load(), 0);
        // The job ends later on its own, on events the dialog no longer holds alone.
        g_releaseDeafJob = true;
        QTRY_COMPARE_WITH_TIMEOUT(g_jobsEnded.load(), 1, 3000);
    }

    void jobThatCannotBeCreated() {
        MessageRecorder messages;
        {
            TestProgressDlg dlg;
            dlg.makeSearch = []() -> CSearchThread* { return nullptr; };
            dlg.SetMode(CJobProgressDlg::MODE_SEARCH);
            QCOMPARE(dlg.DoModal(), 0);
        }
        {
            TestProgressDlg dlg;
            dlg.makeProgram = []() -> CProgramThread* { return nullptr; };
            dlg.SetMode(CJobProgressDlg::MODE_CONNECTION);
            QCOMPARE(dlg.DoModal(), 0);
        }
        QCOMPARE(messages.Texts(),
                 (QStringList{"Error creating search thread!", "Error creating program thread!"}));
    }

    void searchShowsWhatItProbesAndCanBeCancelled() {
        InstrumentSimulator sim({SimulatedLine::Silent()});
        std::string error;
        QVERIFY2(sim.Start(&error), error.c_str());
        qputenv("BRINEVANE_PORTS", QByteArray::fromStdString(sim.PortsVariable()));
        PortMap::Refresh();
        MessageRecorder messages;
        CJobProgressDlg dlg;
        dlg.SetMode(CJobProgressDlg::MODE_SEARCH);
        QString probing;
        QString remaining;
        QTimer::singleShot(600, &dlg, [&] {
            probing = dlg.findChild<QLabel*>("IDC_PROBING")->text();
            remaining = dlg.findChild<QLabel*>("IDC_REMAINING")->text();
            dlg.findChild<QPushButton*>("IDCANCEL")->click();
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(dlg.DoModal(), 0);  // as a failed search: the wizard goes on to the settings
        QVERIFY(clock.elapsed() < 1500);
        QCOMPARE(probing, QString::fromStdString("COM1 (" + sim.SlavePath(0) + ") at 9600 baud"));
        QCOMPARE(remaining, QStringLiteral("probe 1 of 8, about 18 s left"));
        QVERIFY(messages.Texts().isEmpty());
        QCOMPARE(CWizardApp::Instance().Settings().m_strPortName, std::string("COM7"));
        QCOMPARE(sim.BreaksSeen(0), 1);  // no rate was tried after the cancel
    }

    void failedConnectionIsReportedOnce() {
        InstrumentSimulator sim({SimulatedLine::AtRate(19200)});
        std::string error;
        QVERIFY2(sim.Start(&error), error.c_str());
        qputenv("BRINEVANE_PORTS", QByteArray::fromStdString(sim.PortsVariable()));
        PortMap::Refresh();
        CWizardApp::Instance().Settings() = RunSettings{"COM1", 9600};

        // The message box's own loop delivers the job's second failure notice meanwhile.
        MessageRecorder messages(300);
        CJobProgressDlg dlg;
        dlg.SetMode(CJobProgressDlg::MODE_CONNECTION);
        QCOMPARE(dlg.DoModal(), 0);
        QCOMPARE(messages.Texts(), QStringList{"Error during programming!"});
        QVERIFY2(messages.Detail(0).startsWith("No prompt at 9600 baud on COM1"),
                 qPrintable(messages.Detail(0)));
    }
};

QTEST_MAIN(CJobProgressDlgTest)
#include "CJobProgressDlgTest.moc"
