#include "app/frmmain.h"

#include "document/completion.h"
#include "document/editing.h"
#include "document/library.h"
#include "document/materialsstep.h"
#include "document/planfiles.h"
#include "document/recovery.h"
#include "document/standardsstep.h"
#include "document/viewer.h"
#include "plan/calendar.h"
#include "plan/dayentries.h"
#include "plan/daywriter.h"
#include "plan/planstart.h"
#include "plan/schoolcalendar.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "platform/safefile.h"
#include "platform/ui.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyle>
#include <QTextDocument>
#include <algorithm>
#include <utility>

namespace
{
// A control's own Visible flag, whether or not its window is on screen yet.
bool shown(const QWidget *w)
{
    return w && !w->isHidden();
}
void focus(QWidget *w)
{
    // Moving the focus to a hidden or disabled control is passed over.
    if (w && w->isEnabled() && !w->isHidden())
        w->setFocus(Qt::OtherFocusReason);
}
const QString ViewPreviousCaption = QStringLiteral("&<<< View Previous");
} // namespace

frmMain::frmMain(LessonPlanModule &m, Platform &platform, SettingsStore *store, QWidget *parent)
    : QWidget(parent), m(m), platform(platform), store_(store)
{
    createControls();
    calendar = new SchoolCalendar(*this);
    plan = new PlanStart(*this);
    completion = new PlanCompletion(*this);
    files = new PlanFiles(*this);
    library = new PlanLibrary(*this);
    viewer = new PlanViewer(*this);
    entries = new DayEntries(*this);
    writer = new DayWriter(*this);
    materials = new MaterialsStep(*this);
    standards = new StandardsStep(*this);
    editing = new DocumentEditing(*this);
    recovery = new PlanRecovery(*this);
    connectFrame();
}

frmMain::~frmMain()
{
    // The components watch the window's controls through event filters and signals. They go
    // first, so that nothing the controls send while they are destroyed reaches a component
    // whose window is already half gone.
    delete recovery;
    delete editing;
    delete standards;
    delete materials;
    delete writer;
    delete entries;
    delete viewer;
    delete library;
    delete files;
    delete completion;
    delete plan;
    delete calendar;
}

void frmMain::connectFrame()
{
    connect(cmdSettings, &QPushButton::clicked, this, &frmMain::cmdSettings_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &frmMain::cmdHelp_Click);
    // The desktop's usual keys for saving and printing, beside the access keys.
    for (const auto &[keys, button] :
         {std::pair{QKeySequence::Save, cmdStore}, std::pair{QKeySequence::Print, cmdPrint}}) {
        auto *shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, button, [b = button] {
            if (b->isEnabled() && !b->isHidden())
                b->click();
        });
    }

    for (QWidget *w : {static_cast<QWidget *>(cmdHelp), static_cast<QWidget *>(cmdSettings),
                       static_cast<QWidget *>(lblSavePrint), static_cast<QWidget *>(lstAdd),
                       static_cast<QWidget *>(lblDblClick), static_cast<QWidget *>(imgCal),
                       static_cast<QWidget *>(fraWeeklyPlan), static_cast<QWidget *>(Label2)})
        w->installEventFilter(this);
}

void frmMain::Form_Load()
{
    fillList(cboMonth, calendar::schoolMonths());
    cboOldPlans->addItem(QStringLiteral("--- Browse for a Lesson Plan Document File ---"));
    lblList->setText(QStringLiteral("Adding to Plan:"));
    lblEditStandards->setText(QStringLiteral("To Add, Edit, or Delete listed items, click the") +
                              QStringLiteral("\r\n") +
                              QStringLiteral("'Change Settings' Button and choose 'State/Local "
                                             "Standards'"));
    lblTopicNote->setText(QStringLiteral("Excluded from the Lesson Plan but used as part") +
                          QStringLiteral("\r\n") +
                          QStringLiteral("of the filename when the Document is saved."));
    Load();
}

void frmMain::Load()
{
    blnAskUnit = true;
    m.blnStandardsEdited = false;
    m.strPlanSaved = QStringLiteral("Y");
    FillLists();
    m.intStep = 0;
}

void frmMain::FillLists()
{
    // A fresh install plans for the school year of today.
    m.record() = SettingsRecord();
    m.strSchoolYear = schoolYearOf(platform.today());
    if (store_ && store_->exists()) {
        const LoadResult result = store_->load(m.record());
        // A file that could not be read in full is kept beside the store before anything can
        // overwrite it, so that the next save cannot destroy what the teacher may want back.
        const QString kept = result.message.isEmpty()
                                 ? QString()
                                 : safefile::keepAside(store_->path(),
                                                       result.ok ? QStringLiteral(".damaged")
                                                                 : QStringLiteral(".unreadable"),
                                                       false);
        const QString keptText = kept.isEmpty()
                                     ? QString()
                                     : QStringLiteral(" The file as it was is kept as ") +
                                           QDir::toNativeSeparators(kept) + QStringLiteral(".");
        if (!result.ok) {
            platform.messageBox(result.message + QStringLiteral("\r\n\r\n") +
                                    QStringLiteral("Quillmark starts with the default settings.") +
                                    keptText,
                                QStringLiteral("Settings Not Loaded"), Platform::Buttons::OK,
                                Platform::Icon::Exclamation);
        } else if (!result.message.isEmpty()) {
            if (result.resetKeys.contains(QLatin1String("strSchoolYear")))
                m.strSchoolYear = schoolYearOf(platform.today());
            platform.messageBox(result.message + keptText, QStringLiteral("Settings Reset"),
                                Platform::Buttons::OK, Platform::Icon::Information);
        }
    }
    QStringList courses;
    for (int i = 0; i < SettingsRecord::CourseCount && i < m.strCourses.size(); ++i)
        if (!m.strCourses.at(i).isEmpty())
            courses << m.strCourses.at(i);
    fillList(cboCourses, courses);
}

void frmMain::SetBlnAskUnit(bool b)
{
    blnAskUnit = b;
}

QString frmMain::windowStatePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/window.ini");
}

void frmMain::placeWindow()
{
    // The window opens where the teacher left it, as long as that is still on a screen (a
    // second monitor may be gone); otherwise it is centred on the main screen.
    const QSettings state(windowStatePath(), QSettings::IniFormat);
    const QRect place = state.value(QStringLiteral("MainWindow/place")).toRect();
    if (place.isValid() && QGuiApplication::screenAt(place.center())) {
        resize(place.size());
        move(place.topLeft());
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        // Until the window is on screen its title bar is not known: leave room for one.
        const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
        resize(width(), std::min(height(), free.height() - titleBar));
        move(free.center() - rect().center() - QPoint(0, titleBar / 2));
    }
    ui::keepOnScreen(this);
    if (state.value(QStringLiteral("MainWindow/maximized")).toBool())
        setWindowState(windowState() | Qt::WindowMaximized);
}

void frmMain::showMain()
{
    placeWindow();
    show();
    // The frame around the window is known now.
    ui::keepOnScreen(this);
    Form_Activate();
    // The settings are loaded: the plan library catches up with its folders.
    library->refresh();
    recovery->checkAtStartup();
}

int frmMain::showDialog(QDialog *dialog)
{
    const int result = platform.showModal(dialog);
    Form_Activate();
    return result;
}

void frmMain::Form_Activate()
{
    // 1. A weekly plan needs a date and a course.
    if (m.blnWeeklyPlans && (cboDate->currentText().isEmpty() || cboCourses->currentIndex() < 0))
        m.intStep = 0;

    // 2. The calendar never stays open behind the main window.
    calendar->hideCalendar();

    // 3. Period label
    QString caption = QStringLiteral("Period/&Group (") + m.strPeriodHeading + QStringLiteral("):");
    if (ui::captionWidthTwips(lblPdGrp, caption) > 2400)
        caption = QStringLiteral("Period/&Group (") + m.strPeriodHeading.left(7) +
                  QStringLiteral("...):");
    lblPdGrp->setText(caption);
    lblTopicNote->setVisible(!m.blnShowUnitTopic);

    // 4. Window caption
    setWindowTitle(QStringLiteral("Lesson Plans      ") + m.strTeacherName +
                   QStringLiteral("      ") + m.strSchoolYear);

    // 5. Closure label
    const QString closure = m.strClosureHeading.size() > 17
                                ? m.strClosureHeading.left(16) + QStringLiteral("...")
                                : m.strClosureHeading;
    lblClosure->setText(QStringLiteral("&Assignment (") + closure + QStringLiteral("):"));
    if (!m.blnShowClosure) {
        lblClosure->hide();
        txtClosure->hide();
    }

    // 6. The file-open dialog starts in the storage folder.
    strOpenDialogFolder = m.strStorageFolder;

    // 7. Period
    lblPdGrp->setVisible(m.blnShowPeriod);
    txtPeriod->setVisible(m.blnShowPeriod);

    // 8. Objective (weekly) or time frame (unit)
    if (m.blnWeeklyPlans) {
        lblObjective->setText(QStringLiteral("Daily &Objective (") + m.strDailyObjHeading +
                              QStringLiteral("):"));
        txtObjective->setVisible(m.blnShowDailyObj);
        lblObjective->setVisible(m.blnShowDailyObj);
        strWeekOrUnit = QStringLiteral("Week");
        txtObjective->setToolTip(QStringLiteral("Type the day's goal"));
    } else {
        lblObjective->setText(QStringLiteral("&Time Frame (") + m.strTimelineHeading +
                              QStringLiteral("):"));
        txtObjective->setVisible(m.blnShowTimeline);
        lblObjective->setVisible(m.blnShowTimeline);
        strWeekOrUnit = QStringLiteral("Unit");
        txtObjective->setToolTip(
            QStringLiteral("Type the expected time frame for completing this Unit's instruction"));
    }

    // 9. Materials caption
    refreshMaterialsCaption();

    // 10. The date lists follow the school year and the school week; a plan under way keeps
    //     the week it was begun with, and its days, until its last day is done.
    if (calendar->followSettings())
        strLastSchoolYear = m.strSchoolYear;

    // 11. Week or unit entry
    fraWeeklyPlan->setVisible(m.blnWeeklyPlans);
    fraUnitPlan->setVisible(!m.blnWeeklyPlans);

    // 12.
    if (lstAdd->count() > 0)
        lblList->show();

    // 13. The objective carried over from the day before
    const QString objective = txtObjective->toPlainText().trimmed();
    if (shown(cmdNewUnit) && !objective.isEmpty()) {
        // The question stays answered once the teacher has been in the objective (which turns
        // it from the carried-over colour to white), also after a dialog such as the note.
        lblUnchanged->setVisible(m.blnShowDailyObj &&
                                 ui::backColor(txtObjective) == ui::lightRed());
        if (!objective.endsWith(QLatin1String("(cont.)")) && shown(txtObjective))
            cmdContinue->setVisible(m.blnShowDailyObj);
    }

    // 14. The step frames lie at fixed places.
    placeStepFrames();

    // 15.
    PrepareStep();
}

void frmMain::placeStepFrames()
{
    if (layout())
        layout()->activate();
    // The materials and standards steps cover the day band, at most as wide as the window.
    const int stepWidth = std::min(ui::twips(10365), width() - 2 * ui::twips(120));
    fraStandards->setGeometry(ui::twips(120), ui::twips(1200), stepWidth, ui::twips(5365));
    fraLists->setGeometry(ui::twips(120), ui::twips(1200), stepWidth, ui::twips(5365));
    // The viewer takes the place of the day's item panel: the week, the objective, the list
    // with the editing tools and the document it is copied into stay in sight.
    if (const auto *panel = findChild<QWidget *>(QStringLiteral("dayPanel")))
        fraPrevious->setGeometry(QRect(panel->mapTo(this, QPoint(0, 0)), panel->size()));
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeStepFrames();
}

void frmMain::refreshMaterialsCaption()
{
    if (strWeekOrUnit == QLatin1String("Unit"))
        lblSample->setText(QStringLiteral("Materials Listing for current Unit Plan:"));
    else
        lblSample->setText(QStringLiteral("Materials Listing for ") + cboDay->currentText() +
                           QStringLiteral(" Plan:"));
}

void frmMain::PrepareStep()
{
    plan->PrepareStep();
    // The step changes the captions the controls are read out by.
    ui::nameControls(this);
    recovery->saveCopy();
}

bool frmMain::planInProgress() const
{
    return m.intStep != 0 || !RTxtComposite->document()->isEmpty();
}

void frmMain::EnableControls(bool b)
{
    for (QWidget *w : {static_cast<QWidget *>(cboCourses), static_cast<QWidget *>(txtPeriod),
                       static_cast<QWidget *>(txtUnit), static_cast<QWidget *>(cboMonth),
                       static_cast<QWidget *>(imgCal), static_cast<QWidget *>(cboDate),
                       static_cast<QWidget *>(cmdBegin)})
        w->setEnabled(b);
    if (b && m.blnWeeklyPlans)
        cmdBegin->setEnabled(calendar->weekComplete());
    if (b) {
        focus(cboCourses);
        // Auto-exclusive option buttons cannot be unchecked one by one.
        for (QRadioButton *option : std::as_const(optTask)) {
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
    }
}

void frmMain::SetNextFocus()
{
    if (cboCourses->currentText().isEmpty()) {
        focus(cboCourses);
    } else if (m.blnShowPeriod && txtPeriod->text().trimmed().isEmpty()) {
        focus(txtPeriod);
    } else if (m.blnWeeklyPlans) {
        if (cboMonth->currentText().isEmpty()) {
            imgCal->setEnabled(true);
            cboMonth->setEnabled(true);
            focus(cboMonth);
        } else if (!cboDay->currentText().isEmpty()) {
            cmdBegin->setEnabled(!planInProgress() && calendar->weekComplete());
            if (cmdBegin->isEnabled())
                focus(cmdBegin);
        }
    } else {
        if (txtUnit->text().trimmed().isEmpty())
            focus(txtUnit);
        else if (cmdBegin->isEnabled())
            focus(cmdBegin);
    }
    if (m.blnWeeklyPlans)
        cboDay->setEnabled(!cboMonth->currentText().isEmpty() && !cboDate->currentText().isEmpty());
}

void frmMain::cmdSettings_Click()
{
    m.strSavedBeforeSettings = m.strPlanSaved;
    if (settingsScreen)
        platform.showModal(settingsScreen());
    ui::setBackColor(cmdSettings, ui::buttonFace());
    if (cmdPrev->text() == ViewPreviousCaption)
        SetNextFocus();
    else
        viewer->cmdPrev_Click();
    Form_Activate();
}

void frmMain::cmdNewUnit_Click()
{
    entries->cmdNewUnit_Click();
}

void frmMain::clearSpecialNote()
{
    entries->clearSpecialNote();
}

void frmMain::cmdHelp_Click()
{
    platform.showHelp(helpContextId_);
}

void frmMain::cmdExit_Click()
{
    close();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // A plan in the document that has not been saved is not given up without a word.
    if (!unloading_ && m.strPlanSaved == QLatin1String("N") && !RTxtComposite->Text().isEmpty()) {
        const auto answer = platform.messageBox(
            PlanCompletion::GetSavePrintStatus(m.strPlanSaved, m.strPlanPrinted) +
                QStringLiteral("\r\nExit anyway?"),
            QStringLiteral("Exit Quillmark"), Platform::Buttons::YesNo,
            Platform::Icon::Exclamation);
        if (answer != Platform::Answer::Yes) {
            event->ignore();
            return;
        }
    }
    event->accept();
    // The teacher has chosen to end: nothing is left to recover.
    recovery->discard();
    Form_Unload();
}

void frmMain::Form_Unload()
{
    if (unloading_)
        return;
    unloading_ = true;
    QSettings state(windowStatePath(), QSettings::IniFormat);
    state.setValue(QStringLiteral("MainWindow/place"), QRect(pos(), size()));
    state.setValue(QStringLiteral("MainWindow/maximized"), isMaximized());
    // Every other window of the program closes with the main window.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w != this && !w->isHidden())
            w->close();
    for (QWidget *w : windows)
        if (w != this)
            w->hide();
    Q_EMIT unloaded();
}

void frmMain::resetHoverColors()
{
    ui::setBackColor(cmdHelp, ui::buttonFace());
    ui::setBackColor(cmdSettings, ui::buttonFace());
}

void frmMain::hoverOver(QObject *watched)
{
    if (watched == cmdHelp) {
        ui::setBackColor(cmdHelp, ui::yellow());
        ui::setBackColor(cmdSettings, ui::buttonFace());
    } else if (watched == cmdSettings) {
        ui::setBackColor(cmdSettings, ui::yellow());
        ui::setBackColor(cmdHelp, ui::buttonFace());
    } else if (watched == lblSavePrint) {
        resetHoverColors();
    } else if (watched == lstAdd) {
        if (lstAdd->count() > 0)
            lblDblClick->show();
    } else if (watched == lblDblClick) {
        lblDblClick->hide();
    } else if (watched == imgCal) {
        imgCal->setPixmap(imgCal2->pixmap());
    } else if (watched == fraWeeklyPlan || watched == Label2) {
        imgCal->setPixmap(imgCal1->pixmap());
    }
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        hoverOver(watched);
    // Leaving a lit button is moving over the rest of the window, also where a control (the
    // document frame) takes the pointer's moves or the pointer leaves the window at once.
    else if (event->type() == QEvent::Leave && (watched == cmdHelp || watched == cmdSettings))
        ui::setBackColor(static_cast<QWidget *>(watched), ui::buttonFace());
    return QWidget::eventFilter(watched, event);
}

void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    // The pointer is over the window's background.
    resetHoverColors();
    lblDblClick->hide();
    QWidget::mouseMoveEvent(event);
}
