#pragma once

#include "platform/form.h"

#include <QList>
#include <QString>
#include <QVector>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
struct ScreenContext;
struct LessonPlanModule;

// The Lesson Plan Document setup screen: the hub of the settings. A column of twelve section
// buttons, each opening the dialog of one section of a day's plan; a miniature sample page that
// shows what a day's plan looks like with the current settings, whose regions can be pointed at
// and clicked like the buttons; and a band that tells where and as what documents are stored.
//
// Section indexes 0 to 11 are shared by the section buttons, HighlightLabel(0..11) and the
// dispatch of clicks on the preview.
class frmPageConfig : public Form
{
    Q_OBJECT
public:
    explicit frmPageConfig(ScreenContext &ctx, QWidget *parent = nullptr);
    ~frmPageConfig() override;

    void Form_Load() override;
    // At every showing and every time a dialog opened from here has closed.
    void Form_Activate() override;

    // Buttons 10 and 11 open the materials and standards list dialogs; these let another
    // dialog take their place (tests use that).
    std::function<QDialog *()> materialsDialog;
    std::function<QDialog *()> standardsDialog;

    // Section buttons
    void TeacherYearButton_Click();
    void CourseButton_Click();
    void PeriodButton_Click();
    void OverviewButton_Click();
    void NoteButton_Click();
    void ObjectiveButton_Click();
    void TaskHeadingButton_Click();
    void TaskButton_Click();
    void ClosureButton_Click();
    void AssessmentButton_Click();
    void MaterialsButton_Click();
    void StateButton_Click();

    // A section button with the focus paints the preview labels of its section yellow.
    void TeacherYearButton_GotFocus() { paintSection(0, true); }
    void TeacherYearButton_LostFocus() { paintSection(0, false); }
    void CourseButton_GotFocus() { paintSection(1, true); }
    void CourseButton_LostFocus() { paintSection(1, false); }
    void PeriodButton_GotFocus() { paintSection(2, true); }
    void PeriodButton_LostFocus() { paintSection(2, false); }
    void OverviewButton_GotFocus() { paintSection(3, true); }
    void OverviewButton_LostFocus() { paintSection(3, false); }
    void NoteButton_GotFocus() { paintSection(4, true); }
    void NoteButton_LostFocus() { paintSection(4, false); }
    void ObjectiveButton_GotFocus() { paintSection(5, true); }
    void ObjectiveButton_LostFocus() { paintSection(5, false); }
    void TaskHeadingButton_GotFocus() { paintSection(6, true); }
    void TaskHeadingButton_LostFocus() { paintSection(6, false); }
    void TaskButton_GotFocus() { paintSection(7, true); }
    void TaskButton_LostFocus() { paintSection(7, false); }
    void ClosureButton_GotFocus() { paintSection(8, true); }
    void ClosureButton_LostFocus() { paintSection(8, false); }
    void AssessmentButton_GotFocus() { paintSection(9, true); }
    void AssessmentButton_LostFocus() { paintSection(9, false); }
    void MaterialsButton_GotFocus() { paintSection(10, true); }
    void MaterialsButton_LostFocus() { paintSection(10, false); }
    void StateButton_GotFocus() { paintSection(11, true); }
    void StateButton_LostFocus() { paintSection(11, false); }

    // The preview
    void HighlightLabel_MouseMove(int Index);
    void HighlightLabel_Click(int Index);
    void Form_MouseMove();
    void HeadingLabel_MouseMove();
    void CourseLabel_MouseMove();
    void DelayTimer_Timer();

    // Storage band, help, import/export, Done
    void cmdHelp_MouseMove();
    void cmdHelp_Click();
    void cmdNewLocation_GotFocus();
    void cmdNewLocation_LostFocus();
    void cmdNewType_Click();
    void cmdNewLocation_Click();
    void cmdImport_Click();
    void DoneButton_Click();

    // The section button of an index, or none outside 0 to 11.
    QPushButton *sectionButton(int index) const;

    // Screen state
    bool blnBusy = false;
    QLabel *objLastLabel = nullptr;
    QPushButton *objFocusButton = nullptr;
    QString strSamplePeriod;
    // The dialog OverviewButton opens: the unit goal (weekly plans) or unit topic (unit plans).
    using DialogGetter = QDialog *(frmPageConfig::*)();
    DialogGetter frmOverviewDialog = nullptr;

    // Help context of the screen, and of the storage folder button.
    static constexpr int HelpContext = 10010;
    static constexpr int LocationHelpContext = 10037;

    // Button column
    QVector<QLabel *> SettingsLabel; // 0 "Change Formatting:", 1 "Click to Select"
    QPushButton *TeacherYearButton = nullptr;
    QPushButton *CourseButton = nullptr;
    QPushButton *PeriodButton = nullptr;
    QPushButton *OverviewButton = nullptr;
    QPushButton *NoteButton = nullptr;
    QPushButton *ObjectiveButton = nullptr;
    QPushButton *TaskHeadingButton = nullptr;
    QPushButton *TaskButton = nullptr;
    QPushButton *ClosureButton = nullptr;
    QPushButton *AssessmentButton = nullptr;
    QPushButton *MaterialsButton = nullptr;
    QPushButton *StateButton = nullptr;
    QFrame *Shape2 = nullptr;

    // The sample page
    QFrame *Shape1 = nullptr;
    QFrame *Line1 = nullptr;
    QLabel *HeadingLabel = nullptr;
    QLabel *CourseLabel = nullptr;
    QLabel *PeriodLabel = nullptr;
    QLabel *OverviewLabel = nullptr;
    QLabel *DayLabel = nullptr;
    QLabel *NoteLabel = nullptr;
    QLabel *ObjectiveLabel = nullptr;
    QLabel *TasksHeadingLabel = nullptr;
    QLabel *Task1Label = nullptr;
    QLabel *Task2Label = nullptr;
    QLabel *Task3Label = nullptr;
    QLabel *ClosureHeadingLabel = nullptr;
    QLabel *ClosureLabel = nullptr;
    QLabel *AssessmentHeadingLabel = nullptr;
    QLabel *AssessmentLabel1 = nullptr;
    QLabel *AssessmentLabel2 = nullptr;
    QLabel *MaterialsHeadingLabel = nullptr;
    QLabel *MaterialsLabel = nullptr;
    QLabel *StateHLabel = nullptr;
    QLabel *StateLabel = nullptr;
    QVector<QLabel *> HighlightLabel; // 0..11, transparent, laid over the preview regions

    // Storage band and the buttons below it
    QLabel *lblYellowBG = nullptr;
    QLabel *lblLocationHeading = nullptr;
    QLabel *lblType = nullptr;
    QLabel *lblTypeCompletion = nullptr;
    QLabel *lblFileLocation = nullptr;
    QPushButton *cmdNewType = nullptr;
    QPushButton *cmdNewLocation = nullptr;
    QFrame *shpImport = nullptr;
    QPushButton *cmdImport = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *DoneButton = nullptr;
    QTimer *DelayTimer = nullptr;

public Q_SLOTS:
    // Escape and the window's close box act as Done, so the instructor check always applies.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Controls and their fixed places (frmpageconfig_layout.cpp).
    void createControls();
    void createButtonColumn();
    void createStorageBand();
    void connectControls();
    // The sample page (frmpageconfig_preview.cpp).
    void createPreview();
    void RefreshPreview();

    // Shows a section's dialog: busy, Done disabled meanwhile, the screen active again after it.
    void showSectionDialog(QDialog *dialog);
    void paintSection(int index, bool focused);
    QList<QLabel *> sectionLabels(int index) const;
    // A plan has been begun on the main window and not cleared since.
    bool planInProgress() const;
    void storeChanges();
    void exportSettings();
    void importSettings();
    void refillMainCourses();

    // The section dialogs, created on first use and kept.
    QDialog *nameCoursesDialog();
    QDialog *courseListDialog();
    QDialog *periodGroupDialog();
    QDialog *unitGoalDialog();
    QDialog *unitTopicDialog();
    QDialog *noteDialog();
    QDialog *dailyObjDialog();
    QDialog *tasksDialog();
    QDialog *setupTasksDialog();
    QDialog *closureDialog();
    QDialog *setUpAssessDialog();
    QDialog *typesDialog();
    QDialog *standardsWizardDialog();

    ScreenContext &ctx;
    LessonPlanModule &m;
    QDialog *nameCourses_ = nullptr;
    QDialog *courseList_ = nullptr;
    QDialog *periodGroup_ = nullptr;
    QDialog *unitGoal_ = nullptr;
    QDialog *unitTopic_ = nullptr;
    QDialog *note_ = nullptr;
    QDialog *dailyObj_ = nullptr;
    QDialog *tasks_ = nullptr;
    QDialog *setupTasks_ = nullptr;
    QDialog *closure_ = nullptr;
    QDialog *setUpAssess_ = nullptr;
    QDialog *types_ = nullptr;
    QDialog *standardsWizard_ = nullptr;
    QDialog *materials_ = nullptr;
    QDialog *standards_ = nullptr;
};
