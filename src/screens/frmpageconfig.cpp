#include "screens/frmpageconfig.h"

#include "screens/frmmaterials.h"
#include "screens/frmstandards.h"

#include "app/frmmain.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "screens/frmdailyobj.h"
#include "screens/frmnote.h"
#include "screens/frmperiodgroup.h"
#include "screens/frmsetupclosure.h"
#include "screens/frmsetupcourselist.h"
#include "screens/frmsetupnamecourses.h"
#include "screens/frmstandardswizard.h"
#include "screens/frmtasks.h"
#include "screens/frmtypes.h"
#include "screens/frmunitgoal.h"
#include "screens/frmunittopic.h"
#include "screens/screencontext.h"
#include "screens/storesettings.h"
#include "settings/frmsetupassess.h"
#include "settings/frmsetuptasks.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <array>

namespace
{

const QString CrLf = QStringLiteral("\r\n");
const QString SettingsFilter =
    QStringLiteral("Quillmark Settings (*.ini)|*.ini|All Files (*.*)|*.*");

// A section dialog is created the first time it is wanted and kept.
template <typename Dialog> QDialog *made(QDialog *&slot, ScreenContext &ctx, QWidget *parent)
{
    if (!slot)
        slot = new Dialog(ctx, parent);
    return slot;
}

bool standardsRecorded(const QString &mode)
{
    return mode == QLatin1String("NO PREFIXES") || mode == QLatin1String("PREFIXED");
}

} // namespace

frmPageConfig::frmPageConfig(ScreenContext &ctx, QWidget *parent)
    : Form(ctx.platform, parent), ctx(ctx), m(ctx.m)
{
    setHelpContextId(HelpContext);
    createControls();
    connectControls();
}

frmPageConfig::~frmPageConfig() = default;

void frmPageConfig::connectControls()
{
    using Handler = void (frmPageConfig::*)();
    const Handler clicks[] = {
        &frmPageConfig::TeacherYearButton_Click, &frmPageConfig::CourseButton_Click,
        &frmPageConfig::PeriodButton_Click,      &frmPageConfig::OverviewButton_Click,
        &frmPageConfig::NoteButton_Click,        &frmPageConfig::ObjectiveButton_Click,
        &frmPageConfig::TaskHeadingButton_Click, &frmPageConfig::TaskButton_Click,
        &frmPageConfig::ClosureButton_Click,     &frmPageConfig::AssessmentButton_Click,
        &frmPageConfig::MaterialsButton_Click,   &frmPageConfig::StateButton_Click,
    };
    for (int i = 0; i < 12; ++i)
        connect(sectionButton(i), &QPushButton::clicked, this, clicks[i]);
    connect(cmdNewType, &QPushButton::clicked, this, &frmPageConfig::cmdNewType_Click);
    connect(cmdNewLocation, &QPushButton::clicked, this, &frmPageConfig::cmdNewLocation_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmPageConfig::cmdImport_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmPageConfig::cmdHelp_Click);
    connect(DoneButton, &QPushButton::clicked, this, &frmPageConfig::DoneButton_Click);
    connect(DelayTimer, &QTimer::timeout, this, &frmPageConfig::DelayTimer_Timer);
    highlightOnHover(cmdHelp);
}

QPushButton *frmPageConfig::sectionButton(int index) const
{
    const std::array<QPushButton *, 12> buttons = {
        TeacherYearButton, CourseButton,     PeriodButton,      OverviewButton,
        NoteButton,        ObjectiveButton,  TaskHeadingButton, TaskButton,
        ClosureButton,     AssessmentButton, MaterialsButton,   StateButton};
    return index >= 0 && index < 12 ? buttons[size_t(index)] : nullptr;
}

// ---- Loading and activation -------------------------------------------------------------

void frmPageConfig::Form_Load()
{
    blnBusy = false;
}

void frmPageConfig::Form_Activate()
{
    RefreshPreview();
    objLastLabel = HeadingLabel;
    // The three parts of the storage line, each as wide as its text, read as one sentence.
    for (QLabel *l : {lblLocationHeading, lblType, lblTypeCompletion, lblFileLocation})
        l->resize(l->fontMetrics().horizontalAdvance(l->text()) + 1, l->height());
    lblType->move(lblLocationHeading->x() + lblLocationHeading->width(), lblType->y());
    lblTypeCompletion->move(lblType->x() + lblType->width(), lblTypeCompletion->y());
}

// ---- Section buttons ----------------------------------------------------------------------

void frmPageConfig::showSectionDialog(QDialog *dialog)
{
    blnBusy = true;
    DoneButton->setEnabled(false);
    if (dialog)
        platform.showModal(dialog);
    DoneButton->setEnabled(true);
    // Back to this screen, whatever the window manager does, so that pointing at the page can
    // move the focus here again.
    if (isVisible())
        activateWindow();
    // The screen is active again: rebuild what the dialog may have changed.
    Form_Activate();
    DelayTimer->start();
}

bool frmPageConfig::planInProgress() const
{
    return ctx.main && ctx.main->planInProgress();
}

void frmPageConfig::TeacherYearButton_Click()
{
    if (planInProgress()) {
        blnBusy = true;
        platform.messageBox(
            QStringLiteral("There is a Lesson Plan Document in progress.") + CrLf + CrLf +
                QStringLiteral("You will not be able to change these particular settings at this "
                               "time.") +
                CrLf + CrLf +
                QStringLiteral("Editing changes can be made directly to the document in the") +
                CrLf + QStringLiteral("'Current Plan Document Under Construction' field."),
            QStringLiteral("Warning"), Platform::Buttons::OK, Platform::Icon::Exclamation);
    } else {
        showSectionDialog(nameCoursesDialog());
    }
    DelayTimer->start();
}

void frmPageConfig::CourseButton_Click()
{
    showSectionDialog(courseListDialog());
}

void frmPageConfig::PeriodButton_Click()
{
    showSectionDialog(periodGroupDialog());
}

void frmPageConfig::OverviewButton_Click()
{
    if (!frmOverviewDialog)
        RefreshPreview();
    showSectionDialog((this->*frmOverviewDialog)());
}

void frmPageConfig::NoteButton_Click()
{
    showSectionDialog(noteDialog());
}

void frmPageConfig::ObjectiveButton_Click()
{
    showSectionDialog(dailyObjDialog());
}

void frmPageConfig::TaskHeadingButton_Click()
{
    showSectionDialog(tasksDialog());
}

void frmPageConfig::TaskButton_Click()
{
    showSectionDialog(setupTasksDialog());
}

void frmPageConfig::ClosureButton_Click()
{
    showSectionDialog(closureDialog());
}

void frmPageConfig::AssessmentButton_Click()
{
    showSectionDialog(setUpAssessDialog());
}

void frmPageConfig::MaterialsButton_Click()
{
    showSectionDialog(materialsDialog ? materialsDialog()
                                      : made<frmMaterials>(materials_, ctx, this));
}

void frmPageConfig::StateButton_Click()
{
    blnBusy = true;
    if (!standardsRecorded(m.strStandardsMode)) {
        const Platform::Answer answer = platform.messageBox(
            QStringLiteral("There are no state or local standards recorded for use in your Lesson "
                           "Plan Documents.") +
                CrLf + QStringLiteral("A wizard is available to assist you in setting these up.") +
                CrLf + CrLf + QStringLiteral("Do you want to set up a standards list?"),
            QStringLiteral("State/Local Standards"), Platform::Buttons::YesNo,
            Platform::Icon::Question);
        if (answer == Platform::Answer::Yes) {
            m.blnShowStandards = true;
            showSectionDialog(standardsWizardDialog());
            // A wizard left without a list leaves nothing to print.
            if (!standardsRecorded(m.strStandardsMode)) {
                m.blnShowStandards = false;
                storeChanges();
            }
        } else {
            m.blnShowStandards = false;
            storeChanges();
        }
        RefreshPreview();
    } else {
        showSectionDialog(standardsDialog ? standardsDialog()
                                          : made<frmStandards>(standards_, ctx, this));
    }
    DelayTimer->start();
}

// ---- Painting on focus ------------------------------------------------------------------

QList<QLabel *> frmPageConfig::sectionLabels(int index) const
{
    switch (index) {
    case 0:
        return {HeadingLabel};
    case 1:
        return {CourseLabel};
    case 2:
        return {PeriodLabel};
    case 3:
        return {OverviewLabel, DayLabel};
    case 4:
        return {NoteLabel};
    case 5:
        return {ObjectiveLabel};
    case 6:
        return {TasksHeadingLabel};
    case 7:
        return {Task1Label, Task2Label, Task3Label};
    case 8:
        return {ClosureHeadingLabel, ClosureLabel};
    case 9:
        return {AssessmentHeadingLabel, AssessmentLabel1, AssessmentLabel2};
    case 10:
        return {MaterialsHeadingLabel, MaterialsLabel};
    case 11:
        return {StateHLabel, StateLabel};
    default:
        return {};
    }
}

void frmPageConfig::paintSection(int index, bool focused)
{
    for (QLabel *label : sectionLabels(index)) {
        // The day line belongs to the overview only in unit plans, where it is the time frame.
        if (focused && label == DayLabel && m.blnWeeklyPlans)
            continue;
        ui::setBackColor(label, focused ? ui::yellow() : ui::white());
    }
}

// ---- Pointing at the preview ------------------------------------------------------------

void frmPageConfig::HighlightLabel_MouseMove(int Index)
{
    if (blnBusy || Index < 0 || Index >= HighlightLabel.size())
        return;
    SettingsLabel[1]->show();
    for (QLabel *region : std::as_const(HighlightLabel))
        region->setFrameShape(QFrame::NoFrame);
    HighlightLabel[Index]->setFrameShape(QFrame::Box);
    HighlightLabel[Index]->setLineWidth(1);
    objFocusButton = sectionButton(Index);
    objFocusButton->setFocus(Qt::MouseFocusReason);
}

void frmPageConfig::HighlightLabel_Click(int Index)
{
    using Handler = void (frmPageConfig::*)();
    static const Handler clicks[] = {
        &frmPageConfig::TeacherYearButton_Click, &frmPageConfig::CourseButton_Click,
        &frmPageConfig::PeriodButton_Click,      &frmPageConfig::OverviewButton_Click,
        &frmPageConfig::NoteButton_Click,        &frmPageConfig::ObjectiveButton_Click,
        &frmPageConfig::TaskHeadingButton_Click, &frmPageConfig::TaskButton_Click,
        &frmPageConfig::ClosureButton_Click,     &frmPageConfig::AssessmentButton_Click,
        &frmPageConfig::MaterialsButton_Click,   &frmPageConfig::StateButton_Click,
    };
    if (Index < 0 || Index >= 12)
        return;
    blnBusy = true;
    const Handler click = clicks[Index];
    (this->*click)();
    DelayTimer->start();
}

void frmPageConfig::Form_MouseMove()
{
    ui::setBackColor(cmdHelp, ui::buttonFace());
    SettingsLabel[1]->hide();
    for (QLabel *region : std::as_const(HighlightLabel))
        region->setFrameShape(QFrame::NoFrame);
}

void frmPageConfig::HeadingLabel_MouseMove()
{
    if (objLastLabel)
        ui::setBackColor(objLastLabel, ui::white());
    ui::setBackColor(HeadingLabel, ui::yellow());
    objLastLabel = HeadingLabel;
}

void frmPageConfig::CourseLabel_MouseMove()
{
    if (objLastLabel)
        ui::setBackColor(objLastLabel, ui::white());
    ui::setBackColor(CourseLabel, ui::yellow());
    objLastLabel = CourseLabel;
}

void frmPageConfig::DelayTimer_Timer()
{
    blnBusy = false;
    DelayTimer->stop();
}

bool frmPageConfig::eventFilter(QObject *watched, QEvent *event)
{
    const auto *widget = qobject_cast<QWidget *>(watched);
    const int region = HighlightLabel.indexOf(qobject_cast<QLabel *>(watched));
    switch (event->type()) {
    case QEvent::MouseMove:
        if (region >= 0) {
            HighlightLabel_MouseMove(region);
            return true;
        }
        if (watched == HeadingLabel)
            HeadingLabel_MouseMove();
        else if (watched == CourseLabel)
            CourseLabel_MouseMove();
        break;
    case QEvent::MouseButtonRelease:
        if (region >= 0) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton &&
                HighlightLabel[region]->rect().contains(mouse->position().toPoint()))
                HighlightLabel_Click(region);
            return true;
        }
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (widget == cmdNewLocation) {
            if (event->type() == QEvent::FocusIn)
                cmdNewLocation_GotFocus();
            else
                cmdNewLocation_LostFocus();
            break;
        }
        for (int i = 0; i < 12; ++i)
            if (widget && widget == sectionButton(i))
                paintSection(i, event->type() == QEvent::FocusIn);
        break;
    default:
        break;
    }
    return Form::eventFilter(watched, event);
}

void frmPageConfig::mouseMoveEvent(QMouseEvent *event)
{
    Form::mouseMoveEvent(event);
    Form_MouseMove();
}

// ---- Help, file type and storage folder -------------------------------------------------

void frmPageConfig::cmdHelp_MouseMove()
{
    ui::setBackColor(cmdHelp, ui::yellow());
}

void frmPageConfig::cmdHelp_Click()
{
    showContextHelp();
}

void frmPageConfig::cmdNewLocation_GotFocus()
{
    setHelpContextId(LocationHelpContext);
}

void frmPageConfig::cmdNewLocation_LostFocus()
{
    // The folder topic belongs to the folder button only; elsewhere F1 opens the screen's.
    setHelpContextId(HelpContext);
}

void frmPageConfig::cmdNewType_Click()
{
    showSectionDialog(typesDialog());
}

void frmPageConfig::cmdNewLocation_Click()
{
    const QString chosen = platform.chooseFolder(
        QStringLiteral("Choose the Folder for Lesson Plan Documents"), m.strStorageFolder);
    if (chosen.isEmpty())
        return;
    // Documents are saved into this folder, so it must be one we can write in.
    const QString folder = QDir::toNativeSeparators(QDir::cleanPath(chosen));
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable()) {
        platform.messageBox(QStringLiteral("Lesson Plan Documents cannot be stored in the folder") +
                                CrLf + folder + CrLf + CrLf +
                                QStringLiteral("It does not exist or cannot be written to. The "
                                               "storage folder has not been changed."),
                            QStringLiteral("Storage Folder"), Platform::Buttons::OK,
                            Platform::Icon::Exclamation);
        return;
    }
    m.strStorageFolder = folder;
    storeChanges();
    Form_Activate();
}

void frmPageConfig::storeChanges()
{
    storeSettings(m.record(), ctx.store, platform);
}

// ---- Import and export ------------------------------------------------------------------

void frmPageConfig::cmdImport_Click()
{
    blnBusy = true;
    const Platform::Answer answer = platform.messageBox(
        QStringLiteral("Do you want to EXPORT your current settings to a settings file?") + CrLf +
            CrLf +
            QStringLiteral("Click 'Yes' to export them, 'No' to IMPORT the settings of a settings "
                           "file instead (they replace all of your current settings), or "
                           "'Cancel' to leave everything as it is."),
        QStringLiteral("Import/Export Settings"), Platform::Buttons::YesNoCancel,
        Platform::Icon::Question);
    if (answer == Platform::Answer::Yes)
        exportSettings();
    else if (answer == Platform::Answer::No)
        importSettings();
    DelayTimer->start();
}

void frmPageConfig::exportSettings()
{
    const QString folder =
        QFileInfo(m.strStorageFolder).isDir() ? m.strStorageFolder : QDir::homePath();
    const QString path =
        platform.saveFileName(QStringLiteral("Export Settings"), SettingsFilter,
                              QDir(folder).filePath(QStringLiteral("Quillmark Settings.ini")));
    if (path.isEmpty())
        return;
    QString error;
    if (!SettingsStore::exportTo(path, m.record(), &error)) {
        platform.messageBox(QStringLiteral("The settings were not exported.") + CrLf + CrLf + error,
                            QStringLiteral("Settings Not Exported"), Platform::Buttons::OK,
                            Platform::Icon::Exclamation);
        return;
    }
    platform.messageBox(QStringLiteral("Your settings have been exported to") + CrLf +
                            QDir::toNativeSeparators(path),
                        QStringLiteral("Settings Exported"), Platform::Buttons::OK,
                        Platform::Icon::Information);
}

void frmPageConfig::importSettings()
{
    // Imported settings may change the instructor, year, plan type and course list of the plan
    // under construction; like the Instructor button, import waits until the plan is cleared.
    if (planInProgress()) {
        platform.messageBox(
            QStringLiteral("There is a Lesson Plan Document in progress.") + CrLf + CrLf +
                QStringLiteral("Settings cannot be imported until the current plan has been "
                               "cleared from the screen. Your settings have not been changed."),
            QStringLiteral("Warning"), Platform::Buttons::OK, Platform::Icon::Exclamation);
        return;
    }
    const QString folder =
        QFileInfo(m.strStorageFolder).isDir() ? m.strStorageFolder : QDir::homePath();
    const QString path =
        platform.openFileName(QStringLiteral("Import Settings"), SettingsFilter, folder);
    if (path.isEmpty())
        return;
    SettingsRecord imported = m.record();
    const LoadResult result = SettingsStore::importFrom(path, imported);
    if (!result.ok) {
        platform.messageBox(result.message, QStringLiteral("Settings Not Imported"),
                            Platform::Buttons::OK, Platform::Icon::Exclamation);
        return;
    }
    if (result.resetKeys.contains(QLatin1String("strSchoolYear")))
        imported.strSchoolYear = schoolYearOf(platform.today());
    m.record() = imported;
    storeChanges();
    Form_Activate();
    refillMainCourses();
    QString text = QStringLiteral("Your settings have been imported from") + CrLf +
                   QDir::toNativeSeparators(path);
    if (!result.message.isEmpty())
        text += CrLf + CrLf + result.message;
    platform.messageBox(text, QStringLiteral("Settings Imported"), Platform::Buttons::OK,
                        Platform::Icon::Information);
}

// The main window lists the filled course slots in order; the picked course stays picked when it
// is still in the list.
void frmPageConfig::refillMainCourses()
{
    if (!ctx.main || !ctx.main->cboCourses)
        return;
    QComboBox *list = ctx.main->cboCourses;
    const QString picked = list->currentIndex() >= 0 ? list->currentText() : QString();
    const QSignalBlocker quiet(list);
    list->clear();
    for (int i = 0; i < SettingsRecord::CourseCount && i < m.strCourses.size(); ++i)
        if (!m.strCourses.at(i).isEmpty())
            list->addItem(m.strCourses.at(i));
    list->setCurrentIndex(picked.isEmpty() ? -1 : list->findText(picked, Qt::MatchExactly));
}

// ---- Done -------------------------------------------------------------------------------

void frmPageConfig::DoneButton_Click()
{
    // Every plan's heading carries the instructor's name.
    if (m.strTeacherName.trimmed().isEmpty()) {
        platform.showModal(nameCoursesDialog());
        Form_Activate();
        if (m.strTeacherName.trimmed().isEmpty())
            return;
    }
    accept();
}

void frmPageConfig::reject()
{
    DoneButton_Click();
}

// ---- The dialogs --------------------------------------------------------------------------

QDialog *frmPageConfig::nameCoursesDialog()
{
    return made<frmSetupNameCourses>(nameCourses_, ctx, this);
}
QDialog *frmPageConfig::courseListDialog()
{
    return made<frmSetupCourseList>(courseList_, ctx, this);
}
QDialog *frmPageConfig::periodGroupDialog()
{
    return made<frmPeriodGroup>(periodGroup_, ctx, this);
}
QDialog *frmPageConfig::unitGoalDialog()
{
    return made<frmUnitGoal>(unitGoal_, ctx, this);
}
QDialog *frmPageConfig::unitTopicDialog()
{
    return made<frmUnitTopic>(unitTopic_, ctx, this);
}
QDialog *frmPageConfig::noteDialog()
{
    return made<frmNote>(note_, ctx, this);
}
QDialog *frmPageConfig::dailyObjDialog()
{
    return made<frmDailyObj>(dailyObj_, ctx, this);
}
QDialog *frmPageConfig::tasksDialog()
{
    return made<frmTasks>(tasks_, ctx, this);
}
QDialog *frmPageConfig::setupTasksDialog()
{
    return made<frmSetupTasks>(setupTasks_, ctx, this);
}
QDialog *frmPageConfig::closureDialog()
{
    return made<frmSetupClosure>(closure_, ctx, this);
}
QDialog *frmPageConfig::setUpAssessDialog()
{
    return made<frmSetUpAssess>(setUpAssess_, ctx, this);
}
QDialog *frmPageConfig::typesDialog()
{
    return made<frmTypes>(types_, ctx, this);
}
QDialog *frmPageConfig::standardsWizardDialog()
{
    return made<frmStandardsWizard>(standardsWizard_, ctx, this);
}
