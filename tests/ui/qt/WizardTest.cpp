// The wizard driven as a user would, against the simulator: both ways through the first
// page, the settings page, the connection and its end.
#include <unistd.h>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QtTest>

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/os/UserLanguage.h"
#include "serial/BaudRates.h"
#include "tests/ui/qt/MessageRecorder.h"
#include "tools/sim/InstrumentSimulator.h"
#include "ui/qt/CAboutDlg.h"
#include "ui/qt/CCommDlg.h"
#include "ui/qt/CWizardApp.h"
#include "ui/qt/CWizardSheet.h"
#include "ui/qt/PortEntryDelegate.h"
#include "ui/qt/QtCatalog.h"

namespace {

constexpr char kFailingConnectionChild[] = "--failing-connection-child";

// The lines of a simulator as BRINEVANE_PORTS, under port names of our choosing.
void MapPorts(const InstrumentSimulator& sim, const QStringList& names) {
    QStringList entries;
    for (int i = 0; i < names.size(); ++i) {
        entries << names[i] + "=" + QString::fromStdString(sim.SlavePath(i));
    }
    qputenv("BRINEVANE_PORTS", entries.join(',').toUtf8());
}

// The real wizard, shown, with the run settings as at the program's start.
class Wizard {
  public:
    Wizard() {
        CWizardApp::Instance().Settings() = RunSettings{};
        CWizardApp::Instance().Found() = CWizardApp::FoundInstrument{};
        CWizardApp::Instance().ConnectionRateApplied() = true;
        CWizardApp::Instance().BuildWizard(sheet);
        sheet.show();
        Settle();
    }

    // Lets the queued button states take effect.
    static void Settle() { QCoreApplication::processEvents(); }

    void Press(QWizard::WizardButton which) {
        Settle();
        QAbstractButton* button = sheet.button(which);
        QVERIFY2(button->isVisible() && button->isEnabled(), "button not available");
        button->click();
        Settle();
    }
    bool Enabled(QWizard::WizardButton which) const {
        return sheet.button(which)->isVisible() && sheet.button(which)->isEnabled();
    }
    QCheckBox* SpecifyPort() const { return sheet.findChild<QCheckBox*>("IDC_1003"); }
    QComboBox* PortList() const { return sheet.findChild<QComboBox*>("IDC_1006"); }
    QComboBox* BaudList() const { return sheet.findChild<QComboBox*>("IDC_1007"); }
    QString PortDevice() const { return sheet.findChild<QLabel*>("IDC_PORT_DEVICE")->text(); }
    // The line under the port list whole, as its tooltip holds it (the label may cut it).
    QString PortDeviceNote() const {
        return sheet.findChild<QLabel*>("IDC_PORT_DEVICE")->toolTip();
    }
    // The settings page's "Add network port...": each time its dialog comes, the next of the
    // texts is typed into it where the caret is (none left: it is cancelled). Gives the text
    // each dialog came with; notes whether any came with its text selected, and the widest.
    QStringList AddNetworkPort(const QStringList& typed) {
        QStringList offered;
        QTimer typist;
        QObject::connect(&typist, &QTimer::timeout, [this, &offered, &typed] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            // A tick to let the dialog settle, then the next types.
            if (dialog == nullptr || dialog->property("typed").toBool() ||
                !dialog->property("seen").toBool()) {
                if (dialog != nullptr) {
                    dialog->setProperty("seen", true);
                }
                return;
            }
            dialog->setProperty("typed", true);
            auto* field = dialog->findChild<QLineEdit*>();
            offered << field->text();
            offeredSelected = offeredSelected || field->hasSelectedText() ||
                              field->cursorPosition() != field->text().size();
            widestDialog = std::max(widestDialog, dialog->frameGeometry().width());
            if (offered.size() > typed.size()) {
                dialog->reject();
                return;
            }
            QTest::keyClicks(field, typed[offered.size() - 1]);
            dialog->accept();
        });
        typist.start(10);
        sheet.findChild<QAbstractButton*>("IDC_ADD_NETWORK_PORT")->click();
        Settle();
        return offered;
    }
    bool offeredSelected = false;
    int widestDialog = 0;
    QStringList Ports() const {
        QStringList names;
        for (int i = 0; i < PortList()->count(); ++i) {
            names << PortList()->itemText(i);
        }
        return names;
    }
    static RunSettings& Settings() { return CWizardApp::Instance().Settings(); }

    CWizardSheet sheet;
};

bool StartSimulator(InstrumentSimulator& sim) {
    std::string error;
    if (!sim.Start(&error)) {
        qWarning("simulator: %s", error.c_str());
        return false;
    }
    return true;
}

void ExpectTextsWhole(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) {
            continue;
        }
        const bool whole = label->wordWrap()
                               ? label->heightForWidth(label->width()) <= label->height()
                               : label->sizeHint().width() <= label->width();
        QVERIFY2(whole, qPrintable("cut: " + label->objectName() + " " + label->text()));
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible()) {
            QVERIFY2(button->sizeHint().width() <= button->width(),
                     qPrintable("clipped: " + button->text()));
        }
    }
}

// No two controls shown at once take the same Alt key: the page's, and the wizard's buttons.
void ExpectDistinctAccelerators(QWidget* window) {
    QMap<QKeySequence, QString> taken;
    const auto take = [&taken](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) {
            return;
        }
        QVERIFY2(!taken.contains(key),
                 qPrintable(taken.value(key) + " and " + text + " share " + key.toString()));
        taken.insert(key, text);
    };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible()) {
            take(button->text());
        }
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && label->buddy() != nullptr) {
            take(label->text());
        }
    }
}

// The wizard at its minimum size: every text whole on each page and in the About box
// (labels wrapped to their height, one-line labels and buttons to their width), each Alt
// key taken once, and the window as wide on each page.
void ExpectLayoutAtMinimumSize() {
    InstrumentSimulator sim({SimulatedLine::AtRate(9600)});
    QVERIFY(StartSimulator(sim));
    MapPorts(sim, {"COM1"});
    Wizard wizard;
    wizard.sheet.resize(wizard.sheet.minimumSizeHint());
    QList<int> widths;
    for (int page = 0; page < 3; ++page) {
        Wizard::Settle();
        widths << wizard.sheet.width();
        ExpectTextsWhole(&wizard.sheet);
        ExpectDistinctAccelerators(&wizard.sheet);
        if (QTest::currentTestFailed()) {
            return;
        }
        if (page == 0) {
            wizard.SpecifyPort()->setChecked(true);
        }
        if (page < 2) {
            wizard.Press(QWizard::NextButton);
        }
    }
    QCOMPARE(widths, QList<int>(3, widths.front()));
    CAboutDlg about(&wizard.sheet);
    about.show();
    Wizard::Settle();
    ExpectTextsWhole(&about);
}

// The child process of failedConnectionEndsProcess: the program as main runs it, taken
// down the check box path to a port where no instrument answers. Messages go to stdout
// for the parent to read.
int RunFailingConnection() {
    MessageSink::Replace([](QWidget*, const QString& text, const QString& detail) {
        std::printf("message: %s | %s\n", qPrintable(text), qPrintable(detail));
        std::fflush(stdout);
    });
    const auto next = [] { CWizardApp::Instance().Sheet()->button(QWizard::NextButton)->click(); };
    QTimer::singleShot(100, [next] {
        CWizardSheet* sheet = CWizardApp::Instance().Sheet();
        QObject::connect(sheet, &QWizard::currentIdChanged, [sheet](int id) {
            std::printf("page: %s\n", qPrintable(sheet->page(id)->objectName()));
        });
        sheet->findChild<QCheckBox*>("IDC_1003")->setChecked(true);
        next();
        QTimer::singleShot(100, next);
    });
    CWizardApp::Instance().InitInstance();
    return CWizardApp::Instance().ExitCode();
}

}  // namespace

class WizardTest : public QObject {
    Q_OBJECT

  private slots:
    void versionTitle() {
        CWizardSheet sheet;
        QVERIFY(sheet.windowTitle().endsWith(CWizardSheet::ProductVersionSuffix()));
    }

    void baudListOffersTheSearchedRates() {
        // The form keeps its own list; it must be the rates the search tries, ascending.
        Wizard wizard;
        QStringList offered;
        for (int i = 0; i < wizard.BaudList()->count(); ++i) {
            offered << wizard.BaudList()->itemText(i);
        }
        auto searched = SearchRates();
        std::sort(searched.begin(), searched.end());
        QStringList expected;
        for (const std::uint32_t rate : searched) {
            expected << QString::number(rate);
        }
        QCOMPARE(offered, expected);
    }

    void aboutButton() {
        qputenv("BRINEVANE_PORTS", "");
        Wizard wizard;
        QVERIFY(!wizard.sheet.button(QWizard::HelpButton)->isVisible());
        QVERIFY(!wizard.sheet.windowIcon().availableSizes().isEmpty());
        QAbstractButton* about = wizard.sheet.button(QWizard::CustomButton1);
        QCOMPARE(about->text(), QStringLiteral("&About Brinevane Setup..."));
        QVERIFY(about->isVisible());
        QVERIFY(about->x() < wizard.sheet.button(QWizard::NextButton)->x());

        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget())) {
                const auto* icon = box->findChild<QLabel*>("IDC_ABOUT_ICON");
                shown = !icon->pixmap().isNull();
                box->accept();
            }
        });
        about->click();
        QVERIFY(shown);
    }

    void demoNoticeOnFirstPage() {
        qputenv("BRINEVANE_PORTS", "");
        for (const bool demo : {false, true}) {
            CWizardApp::Instance().SetDemo(demo);
            Wizard wizard;
            const auto* notice = wizard.sheet.findChild<QLabel*>("IDC_DEMO_TEXT");
            QCOMPARE(notice->isVisible(), demo);
            QVERIFY(notice->text().contains("simulated"));
        }
        CWizardApp::Instance().SetDemo(false);
    }

    // Every control answers to Alt and a letter of its own on its page, and Tab goes through
    // them as they are drawn: the page's from the top, then the buttons from the left.
    void keyboardReachesEveryControl() {
        InstrumentSimulator sim({SimulatedLine::AtRate(9600)});
        QVERIFY(StartSimulator(sim));
        MapPorts(sim, {"COM1"});
        Wizard wizard;
        QApplication::setActiveWindow(&wizard.sheet);
        // Where the keys go is shown from the start, not only after a first Tab.
        QVERIFY(wizard.sheet.testAttribute(Qt::WA_KeyboardFocusChange));
        const QStringList buttons{"&About Brinevane Setup...", "< &Back", "&Next >", "Cancel"};
        const QStringList pages[] = {
            {"I would like to &specify the port settings.",
             "&Quick search: all ports at once, the likeliest baud rate first"},
            {"Serial &Port:", "A&dd network port...", "Baud &Rate:"}};
        for (int page = 0; page < 2; ++page) {
            // What the user reaches with Tab from About, named as the screen names it: a
            // list by its label.
            QStringList reached;
            QWidget* about = wizard.sheet.button(QWizard::CustomButton1);
            about->setFocus();
            for (QWidget* widget = about; reached.size() < 8;) {
                QString text;
                if (auto* field = qobject_cast<QLineEdit*>(widget)) {
                    widget = field->parentWidget();
                }
                if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                    text = button->text();
                }
                for (QLabel* label : wizard.sheet.findChildren<QLabel*>()) {
                    text = label->buddy() == widget ? label->text() : text;
                }
                if (!reached.isEmpty() && widget == about) {
                    break;
                }
                reached << text;
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                widget = QApplication::focusWidget();
            }
            // Back is not there on the first page.
            QCOMPARE(reached, buttons.mid(0, 1) + buttons.mid(page == 0 ? 2 : 1) + pages[page]);
            QString letters;
            for (const QString& text : reached) {
                const int amp = text.indexOf('&');
                QVERIFY2(amp >= 0 || text == "Cancel", qPrintable("no mnemonic: " + text));
                QVERIFY2(amp < 0 || !letters.contains(text.at(amp + 1).toLower()),
                         qPrintable("a letter twice: " + text));
                letters += amp < 0 ? QChar() : text.at(amp + 1).toLower();
            }
            wizard.SpecifyPort()->setChecked(true);
            wizard.Press(QWizard::NextButton);
        }
    }

    // From the window's own minimum size up, every page shows all of its texts and labels,
    // and the window keeps its width from page to page (run at 2x scaling too).
    void pagesLayOutFromTheMinimumSize() { ExpectLayoutAtMinimumSize(); }

    // The same in every language: German and French run long, Chinese and Japanese need
    // their own glyphs (a CJK font), and no text may be cut for it.
    void pagesLayOutInEveryLanguage() {
        for (const char* language : UserLanguage::kCatalogs) {
            QVERIFY(QtCatalog::Use(QString::fromLatin1(language)));
            ExpectLayoutAtMinimumSize();
            QtCatalog::Use(QString());
            if (QTest::currentTestFailed()) {
                qWarning("in %s", language);
                return;
            }
        }
    }

    void checkBoxPath() {
        // COM2 and COM10 are lines with nothing on them; no search runs on this path.
        InstrumentSimulator sim(
            {SimulatedLine::AtRate(9600), SimulatedLine::Silent(), SimulatedLine::Silent()});
        QVERIFY(StartSimulator(sim));
        MapPorts(sim, {"COM1", "COM2", "COM10"});
        MessageRecorder messages;
        Wizard wizard;
        QVERIFY(wizard.Enabled(QWizard::NextButton));
        QVERIFY(!wizard.Enabled(QWizard::BackButton));

        wizard.SpecifyPort()->setChecked(true);
        wizard.Press(QWizard::NextButton);
        QVERIFY(qobject_cast<CCommDlg*>(wizard.sheet.currentPage()));
        QCOMPARE(Wizard::Settings().m_strPortName, std::string("COM1"));
        QCOMPARE(Wizard::Settings().m_nBaudRate, 9600);
        QCOMPARE(wizard.Ports(), (QStringList{"COM1", "COM10", "COM2"}));
        QCOMPARE(wizard.PortList()->currentText(), QStringLiteral("COM1"));
        QCOMPARE(wizard.BaudList()->currentText(), QStringLiteral("9600"));
        QVERIFY(wizard.sheet.findChild<QLabel*>("IDC_PORT_DEVICE")
                    ->text()
                    .startsWith(QString::fromStdString(sim.SlavePath(0))));
        QVERIFY(wizard.Enabled(QWizard::BackButton));
        QVERIFY(wizard.Enabled(QWizard::NextButton));

        // Only a choice from a list writes the settings; typed text is never read, and
        // once editing ends the fields show the settings again, even for typed text that
        // names another entry.
        QTest::keyClick(wizard.PortList(), Qt::Key_Down);
        QCOMPARE(Wizard::Settings().m_strPortName, std::string("COM10"));
        const auto type = [](QComboBox* list, const char* text) {
            list->lineEdit()->setFocus();
            list->lineEdit()->selectAll();
            QTest::keyClicks(list->lineEdit(), text);
        };
        type(wizard.BaudList(), "4800");
        type(wizard.PortList(), "COM2");  // the baud field loses the focus
        QCOMPARE(Wizard::Settings().m_nBaudRate, 9600);
        QCOMPARE(wizard.BaudList()->currentText(), QStringLiteral("9600"));
        wizard.BaudList()->setFocus();
        Wizard::Settle();
        QCOMPARE(Wizard::Settings().m_strPortName, std::string("COM10"));
        QCOMPARE(wizard.PortList()->currentText(), QStringLiteral("COM10"));
        QVERIFY(wizard.sheet.findChild<QLabel*>("IDC_PORT_DEVICE")
                    ->text()
                    .startsWith(QString::fromStdString(sim.SlavePath(2))));
        QCOMPARE(wizard.BaudList()->count(), 8);

        // Back and Next again: every port once, and the box sets COM1 and 9600 anew.
        wizard.Press(QWizard::BackButton);
        QVERIFY(!wizard.Enabled(QWizard::BackButton));
        wizard.Press(QWizard::NextButton);
        QCOMPARE(wizard.Ports(), (QStringList{"COM1", "COM10", "COM2"}));
        QCOMPARE(wizard.PortList()->currentText(), QStringLiteral("COM1"));
        QCOMPARE(Wizard::Settings().m_strPortName, std::string("COM1"));
        QVERIFY(messages.Texts().isEmpty());
    }

    void searchFindsInstrument() {
        // COM1 does not exist, so the search goes straight to COM2.
        InstrumentSimulator sim({SimulatedLine::AtRate(19200)});
        QVERIFY(StartSimulator(sim));
        MapPorts(sim, {"COM2"});
        MessageRecorder messages;
        Wizard wizard;
        wizard.Press(QWizard::NextButton);
        QVERIFY(messages.Texts().isEmpty());
        QCOMPARE(Wizard::Settings().m_strPortName, std::string("COM2"));
        QCOMPARE(Wizard::Settings().m_nBaudRate, 19200);
        QVERIFY(qobject_cast<CCommDlg*>(wizard.sheet.currentPage()));
        QCOMPARE(wizard.PortList()->currentText(), QStringLiteral("COM2"));
        QCOMPARE(wizard.BaudList()->currentText(), QStringLiteral("19200"));
        // The connection to what was found succeeds, and the last page names the instrument.
        wizard.Press(QWizard::NextButton);
        QCOMPARE(wizard.sheet.currentPage()->objectName(), QStringLiteral("CFinishDlg"));
        const auto* text = wizard.sheet.currentPage()->findChild<QLabel*>("IDC_FINISH_TEXT");
        QVERIFY(text != nullptr);
        QVERIFY(text->text().contains("It said: Brinevane 600 kHz ADCP / Firmware version 51.40"));
    }

    void quickSearchFromTheFirstPage() {
        // The instrument on COM2 answers first, at 9600, but COM1's answer at 19200 is the
        // one a search port by port gives.
        InstrumentSimulator sim({SimulatedLine::AtRate(19200), SimulatedLine::AtRate(9600)});
        QVERIFY(StartSimulator(sim));
        MapPorts(sim, {"COM1", "COM2"});
        MessageRecorder messages;
        Wizard wizard;
        auto* quick = wizard.sheet.findChild<QCheckBox*>("IDC_QUICK_SEARCH");
        QCOMPARE(quick->text(),
                 QStringLiteral("&Quick search: all ports at once, the likeliest baud rate first"));
        QVERIFY(!quick->isChecked());
        wizard.SpecifyPort()->setChecked(true);
        QVERIFY(!quick->isEnabled());
        wizard.SpecifyPort()->setChecked(false);
        quick->setChecked(true);
        wizard.Press(QWizard::NextButton);
        QVERIFY(messages.Texts().isEmpty());
        QVERIFY(Wizard::Settings().m_bParallelSearch);
        QVERIFY(Wizard::Settings().m_bFastSearch);
        QCOMPARE(Wizard::Settings().m_strPortName, std::string("COM1"));
        QCOMPARE(Wizard::Settings().m_nBaudRate, 19200);
    }

    void searchFindsNothing() {
        qputenv("BRINEVANE_PORTS", "");
        MessageRecorder messages;
        Wizard wizard;
        wizard.Press(QWizard::NextButton);
        QCOMPARE(messages.Texts(), QStringList{"No Brinevane ADCPs were detected!"});
        QVERIFY(messages.Detail(0).startsWith("No serial port was found"));
        QVERIFY(qobject_cast<CCommDlg*>(wizard.sheet.currentPage()));
        QCOMPARE(wizard.PortList()->count(), 0);
        QCOMPARE(wizard.BaudList()->currentIndex(), -1);
        QCOMPARE(wizard.BaudList()->currentText(), QString());
        QCOMPARE(Wizard::Settings().m_strPortName, std::string());
        QCOMPARE(Wizard::Settings().m_nBaudRate, 0);
    }

    // A search that found nothing says what each port did, in the box and in the list.
    void failedSearchSaysWhatEachPortDid() {
        InstrumentSimulator sim({SimulatedLine::Silent()});
        QVERIFY(StartSimulator(sim));
        MapPorts(sim, {"COM1"});
        MessageRecorder messages;
        Wizard wizard;
        wizard.sheet.findChild<QCheckBox*>("IDC_QUICK_SEARCH")->setChecked(true);
        wizard.Press(QWizard::NextButton);
        QCOMPARE(messages.Texts(), QStringList{"No Brinevane ADCPs were detected!"});
        QVERIFY2(messages.Detail(0).startsWith("COM1: nothing came back"),
                 qPrintable(messages.Detail(0)));
        QVERIFY(wizard.PortList()
                    ->itemData(0, PortEntryDelegate::kDetailRole)
                    .toString()
                    .endsWith("(search: nothing came back)"));
    }

    void connectionSucceeds() {
        InstrumentSimulator sim({SimulatedLine::AtRate(9600)});
        QVERIFY(StartSimulator(sim));
        MapPorts(sim, {"COM1"});
        MessageRecorder messages;
        Wizard wizard;
        wizard.SpecifyPort()->setChecked(true);
        wizard.Press(QWizard::NextButton);
        // Next while typed text is still in the field: the connection runs at the setting,
        // and the field shows it.
        wizard.BaudList()->lineEdit()->setFocus();
        wizard.BaudList()->lineEdit()->selectAll();
        QTest::keyClicks(wizard.BaudList()->lineEdit(), "19200");
        wizard.Press(QWizard::NextButton);
        QCOMPARE(wizard.BaudList()->currentText(), QStringLiteral("9600"));
        QVERIFY(messages.Texts().isEmpty());
        QCOMPARE(wizard.sheet.currentPage()->objectName(), QStringLiteral("CFinishDlg"));
        QVERIFY(!wizard.sheet.button(QWizard::CancelButton)->isEnabled());
        QVERIFY(!wizard.Enabled(QWizard::BackButton));
        QVERIFY(wizard.Enabled(QWizard::FinishButton));
        QCOMPARE(sim.LineFeedsSeen(0), 1);
        // The text is reached with Tab and selected from the keyboard; Enter still finishes.
        QApplication::setActiveWindow(&wizard.sheet);
        auto* text = wizard.sheet.currentPage()->findChild<QLabel*>("IDC_FINISH_TEXT");
        wizard.sheet.button(QWizard::FinishButton)->setFocus();
        for (int tabs = 0; tabs < 8 && QApplication::focusWidget() != text; ++tabs) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(text->selectedText().contains("answered on COM1"));
        QTest::keyClick(text, Qt::Key_Return);
        QVERIFY(!wizard.sheet.isVisible());
        QCOMPARE(wizard.sheet.result(), int(QDialog::Accepted));
    }

    void failedConnectionEndsProcess() {
        // The instrument talks at 19200; the check box path connects at 9600.
        InstrumentSimulator sim({SimulatedLine::AtRate(19200)});
        QVERIFY(StartSimulator(sim));
        MapPorts(sim, {"COM1"});
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {kFailingConnectionChild});
        QVERIFY(child.waitForFinished(15000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), CCommDlg::kExitConnectionFailed);
        QCOMPARE(output.count("message: "), 1);
        QVERIFY2(output.contains("message: Error during programming! | No prompt at 9600 baud"),
                 qPrintable(output));
        QVERIFY2(output.contains("page: CCommDlg"), qPrintable(output));
        QVERIFY(!output.contains("page: CFinishDlg"));
    }

    // Adapters plugged in and out while the settings page is shown: the list follows, each
    // entry with its device beside its name, the port chosen stays chosen while it is there,
    // and the page says when it went.
    void portListFollowsAdapters() {
        InstrumentSimulator sim({SimulatedLine::AtRate(9600), SimulatedLine::Silent()});
        QVERIFY(StartSimulator(sim));
        QTemporaryDir folder;
        const QString link = folder.filePath("adapter");
        const QString first = QString::fromStdString(sim.SlavePath(0));
        qputenv("BRINEVANE_PORTS", ("COM1=" + first + ",COM3=" + link).toUtf8());
        const auto plug = [&sim, &link] {
            return symlink(sim.SlavePath(1).c_str(), link.toUtf8().constData()) == 0;
        };
        MessageRecorder messages;
        Wizard wizard;
        wizard.SpecifyPort()->setChecked(true);
        wizard.Press(QWizard::NextButton);
        QCOMPARE(wizard.Ports(), QStringList{"COM1"});
        QCOMPARE(wizard.PortList()->itemData(0, PortEntryDelegate::kDetailRole).toString(), first);

        QVERIFY(plug());
        QTRY_COMPARE_WITH_TIMEOUT(wizard.Ports(), (QStringList{"COM1", "COM3"}), 5000);
        QCOMPARE(wizard.PortList()->currentText(), QStringLiteral("COM1"));
        QCOMPARE(wizard.PortList()->itemData(1, PortEntryDelegate::kDetailRole).toString(), link);
        QTest::keyClick(wizard.PortList(), Qt::Key_Down);
        QCOMPARE(Wizard::Settings().m_strPortName, std::string("COM3"));

        unlink(link.toUtf8().constData());
        QTRY_COMPARE_WITH_TIMEOUT(wizard.Ports(), QStringList{"COM1"}, 5000);
        QCOMPARE(wizard.PortList()->currentIndex(), -1);
        QVERIFY(wizard.PortDeviceNote().startsWith("COM3 has gone"));
        auto* note = wizard.sheet.findChild<QLabel*>("IDC_PORT_DEVICE");
        QCOMPARE(note->text(), wizard.PortDeviceNote());  // wrapped whole, not cut
        QVERIFY(note->heightForWidth(note->width()) <= note->height());
        QCOMPARE(Wizard::Settings().m_strPortName, std::string("COM3"));
        QVERIFY(plug());
        QTRY_COMPARE_WITH_TIMEOUT(wizard.PortList()->currentText(), QStringLiteral("COM3"), 5000);
        QCOMPARE(wizard.PortDeviceNote(), link);
        QVERIFY(messages.Texts().isEmpty());
    }

    // Run under a window manager on a display of its own (under_window_manager): after every
    // box the wizard is the active window again, with a focused control, so that keys go
    // on reaching it. Each box is closed with Enter or Escape once it has the focus itself.
    void focusComesBackAfterEveryBox() {
        if (QGuiApplication::platformName() != "xcb") {
            QSKIP("needs a window manager on X (run through under_window_manager)");
        }
        qputenv("BRINEVANE_PORTS", "");
        Wizard wizard;
        // The window manager may be slow to give a new window the keys on a loaded machine;
        // asking for them here changes nothing of what is checked: that each box gives them back.
        wizard.sheet.activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(wizard.sheet.isActiveWindow(), 15000);
        QStringList closed;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&closed] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr || !box->isActiveWindow() || box->property("closing").toBool()) {
                return;
            }
            box->setProperty("closing", true);
            closed << box->metaObject()->className();
            QTest::keyClick(box,
                            qobject_cast<QInputDialog*>(box) ? Qt::Key_Escape : Qt::Key_Return);
        });
        closer.start(50);
        const auto wizardHasTheKeys = [&wizard] {
            return wizard.sheet.isActiveWindow() && QApplication::focusWidget() != nullptr &&
                   wizard.sheet.isAncestorOf(QApplication::focusWidget());
        };
        wizard.Press(QWizard::NextButton);  // the search finds nothing, and says so
        QTRY_VERIFY_WITH_TIMEOUT(wizardHasTheKeys(), 15000);
        wizard.sheet.button(QWizard::CustomButton1)->click();  // About
        QTRY_VERIFY_WITH_TIMEOUT(wizardHasTheKeys(), 15000);
        wizard.sheet.findChild<QAbstractButton*>("IDC_ADD_NETWORK_PORT")->click();  // Escape
        QTRY_VERIFY_WITH_TIMEOUT(wizardHasTheKeys(), 15000);
        QCOMPARE(closed, (QStringList{"QMessageBox", "CAboutDlg", "QInputDialog"}));
    }

    // Last: the port it adds stays in this process's map for the rest of the run.
    void networkPortAddedWithTheButton() {
        // No local port: the instrument is behind a device server on loopback.
        SimulatorOptions options;
        options.listen = "127.0.0.1:0";
        InstrumentSimulator sim({SimulatedLine::AtRate(9600)}, options);
        QVERIFY(StartSimulator(sim));
        const QString address = QString::fromStdString(sim.SlavePath(0));
        QVERIFY(address.startsWith("rfc2217://127.0.0.1:"));
        qputenv("BRINEVANE_PORTS", "");
        MessageRecorder messages;
        Wizard wizard;
        wizard.SpecifyPort()->setChecked(true);
        wizard.Press(QWizard::NextButton);
        QCOMPARE(wizard.PortList()->count(), 0);

        // What is typed goes after the scheme offered. A wrong address is said why and offered
        // again as typed, to be corrected or left.
        QCOMPARE(wizard.AddNetworkPort({"portserver"}),
                 (QStringList{"rfc2217://", "rfc2217://portserver"}));
        QCOMPARE(messages.Texts(), QStringList{"The network port was not added."});
        QCOMPARE(wizard.PortList()->count(), 0);
        const int width = wizard.PortList()->width();
        QCOMPARE(wizard.AddNetworkPort({address.mid(int(std::strlen("rfc2217://")))}).size(), 1);
        QVERIFY(!wizard.offeredSelected);
        // Its prompt wraps: the dialog fits a 1280-pixel screen at twice the scale.
        QVERIFY2(wizard.widestDialog <= 640, qPrintable(QString::number(wizard.widestDialog)));
        QCOMPARE(wizard.Ports(), QStringList{"COM1"});
        // However long the address, the field keeps its width.
        QCOMPARE(wizard.PortList()->width(), width);
        QCOMPARE(wizard.PortList()->currentText(), QStringLiteral("COM1"));
        QVERIFY(wizard.PortDevice().startsWith(address));

        // The port stays for the run: back on the first page, a search finds it.
        wizard.Press(QWizard::BackButton);
        wizard.SpecifyPort()->setChecked(false);
        wizard.Press(QWizard::NextButton);
        QCOMPARE(Wizard::Settings().m_strPortName, std::string("COM1"));
        QCOMPARE(Wizard::Settings().m_nBaudRate, 9600);
        wizard.Press(QWizard::NextButton);
        QCOMPARE(wizard.sheet.currentPage()->objectName(), QStringLiteral("CFinishDlg"));
        QCOMPARE(messages.Texts().size(), 1);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], kFailingConnectionChild) == 0) {
        return RunFailingConnection();
    }
    WizardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WizardTest.moc"
