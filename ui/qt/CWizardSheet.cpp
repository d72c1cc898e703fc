#include "ui/qt/CWizardSheet.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMetaObject>
#include <algorithm>

#include "ui/qt/CAboutDlg.h"
#include "ui/qt/CWizardApp.h"
#include "ui/qt/CWizardPage.h"
#include "ui/qt/LabelledComboBoxAccessible.h"
#include "ui/qt/QtCatalog.h"
#include "ui/qt/SelectableLabelAccessible.h"
#include "ui/wizard/WizardButtons.h"
#include "ui/wizard/WizardTexts.h"

namespace {

// What a screen reader is told about the controls whose Qt descriptions fall short.
QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox")) {
        return new LabelledComboBoxAccessible(static_cast<QComboBox*>(object));
    }
    if (className == QLatin1String("QLabel")) {
        auto* label = static_cast<QLabel*>(object);
        if (label->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard)) {
            return new SelectableLabelAccessible(label);
        }
    }
    return nullptr;
}

}  // namespace

CWizardSheet::CWizardSheet(QWidget* parent) : QWizard(parent) {
    // Asked before Qt's own, as the factory installed last is; once for the program.
    static const bool accessibleFactoryInstalled = [] {
        QAccessible::installFactory(&AccessibleFactory);
        return true;
    }();
    (void)accessibleFactoryInstalled;
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::HaveHelpButton, false);
    setWindowTitle(QString::fromUtf8(wizard_text::kProgramName) + ProductVersionSuffix());
    setWindowIcon(ApplicationIcon());

    // No window manager here has a per-window system menu to carry the About item: it
    // takes the left end of the button row, where the eye starts reading it.
    // The buttons the pages quote ("Press 'Next'") are named from the wizard's own catalog,
    // so that a page and its button always agree, whether or not Qt's catalog is there.
    setButtonText(QWizard::BackButton, QtCatalog::Wizard(wizard_text::kBack));
    setButtonText(QWizard::NextButton, QtCatalog::Wizard(wizard_text::kNext));
    setButtonText(QWizard::FinishButton, QtCatalog::Wizard(wizard_text::kFinish));
    setButtonText(QWizard::CancelButton, QtCatalog::Wizard(wizard_text::kCancel));
    setOption(QWizard::HaveCustomButton1, true);
    setButtonText(QWizard::CustomButton1, QtCatalog::Wizard(wizard_text::kAboutItem));
    setButtonLayout({QWizard::CustomButton1, QWizard::Stretch, QWizard::BackButton,
                     QWizard::NextButton, QWizard::FinishButton, QWizard::CancelButton});
    // No page commits, yet QWizard makes a Commit button and keeps it hidden among the
    // others, where a screen reader would still list it. A window of its own that is never
    // shown keeps it out of the wizard's accessibility tree; the wizard still owns it.
    auto* unusedButtons = new QWidget(this, Qt::Window);
    button(QWizard::CommitButton)->setParent(unusedButtons);
    connect(this, &QWizard::customButtonClicked, this, [this](int which) {
        if (which == QWizard::CustomButton1) {
            ShowAbout();
        }
    });
    connect(this, &QWizard::currentIdChanged, this, &CWizardSheet::OnCurrentIdChanged);
    // The focus is shown from the start, not only once Tab has been pressed: a keyboard
    // user must see where Enter and Space go. Qt forgets it at each focus change that is
    // not a key's, so it is said again at every one.
    setAttribute(Qt::WA_KeyboardFocusChange);
    qApp->installEventFilter(this);
}

bool CWizardSheet::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this) {
            setAttribute(Qt::WA_KeyboardFocusChange);
        }
    }
    return QWizard::eventFilter(watched, e);
}

void CWizardSheet::AddPage(CWizardPage* page) {
    // A screen reader names the page after its title, which the wizard draws apart from it.
    page->setAccessibleName(page->title());
    addPage(page);
    EvenOutPages();
    // Tab goes as the eye reads: the page's controls, then the buttons from the left, About
    // first (QWizard puts it after Cancel).
    setTabOrder(button(QWizard::CustomButton1), button(QWizard::BackButton));
    setTabOrder(button(QWizard::BackButton), button(QWizard::NextButton));
    setTabOrder(button(QWizard::NextButton), button(QWizard::FinishButton));
    setTabOrder(button(QWizard::FinishButton), button(QWizard::CancelButton));
}

void CWizardSheet::SetWizardButtons(int buttons) {
    QMetaObject::invokeMethod(
        this, [this, buttons] { ApplyWizardButtons(buttons); }, Qt::QueuedConnection);
}

void CWizardSheet::ApplyWizardButtons(int buttons) {
    button(QWizard::BackButton)->setEnabled((buttons & PSWIZB_BACK) != 0);
    button(QWizard::NextButton)->setEnabled((buttons & PSWIZB_NEXT) != 0);
    button(QWizard::FinishButton)->setEnabled((buttons & PSWIZB_FINISH) != 0);
}

void CWizardSheet::OnCurrentIdChanged(int id) {
    // QWizard initialises a page only on the way forward; the pages' own hook runs on
    // every showing, Back included.
    if (auto* page = qobject_cast<CWizardPage*>(this->page(id))) {
        page->OnSetActive();
    }
    EvenOutPages();  // the page may say more now
}

void CWizardSheet::EvenOutPages() {
    // Every page as wide as the widest would be, so that the window keeps its width from page
    // to page; and as tall as the tallest needs at that width, since a label that wraps
    // asks for its height only for a width: at the window's minimum size no text is cut.
    const QList<int> ids = pageIds();
    int width = 0;
    for (const int id : ids) {
        width = std::max(width, page(id)->sizeHint().width());
    }
    int height = 0;
    for (const int id : ids) {
        QWidget* each = page(id);
        const int needed =
            each->layout() != nullptr ? each->layout()->totalHeightForWidth(width) : -1;
        height = std::max(height, needed > 0 ? needed : each->minimumSizeHint().height());
    }
    for (const int id : ids) {
        page(id)->setMinimumSize(width, height);
    }
}

void CWizardSheet::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
    TakeFocusBack(this);
}

void CWizardSheet::TakeFocusBack(QWidget* owner) {
    QWidget* window = owner != nullptr ? owner->window() : nullptr;
    if (window == nullptr || !window->isVisible()) {
        window = CWizardApp::Instance().Sheet();
    }
    if (window != nullptr && window->isVisible()) {
        window->raise();
        window->activateWindow();
    }
}

QString CWizardSheet::ProductVersionSuffix() {
    return QString::fromStdString(wizard_text::ProductVersionSuffix());
}

void CWizardSheet::LoadResources() {
    // The icons are compiled into a static library, whose resources register only when
    // asked to.
    static const bool loaded = [] {
        Q_INIT_RESOURCE(brinevane);
        return true;
    }();
    Q_UNUSED(loaded);
}

QIcon CWizardSheet::ApplicationIcon() {
    LoadResources();
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icons/brinevane-setup-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
