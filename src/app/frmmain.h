#pragma once

#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>
#include <functional>

#include "document/edittools.h"
#include "settings/settings.h"

class Platform;
class DayEntries;
class DocumentEditing;
class DayWriter;
class MaterialsStep;
class StandardsStep;
class PlanCompletion;
class PlanFiles;
class PlanLibrary;
class PlanRecovery;
class PlanStart;
class PlanViewer;
class SchoolCalendar;
class SettingsStore;
class RichTextBox;
class QAction;
class QComboBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// The main window: it builds and owns every control of the main screen and keeps its labels in
// step with the settings each time it becomes active. The plan's behaviour lives in the
// components of each area; the frame guides the focus, opens help and settings, and exits.
class frmMain : public QWidget, public EditControls
{
    Q_OBJECT
    // The editing tools beside the document (fraEdit, its buttons and mnuEdit) are EditControls.
public:
    frmMain(LessonPlanModule &m, Platform &platform, SettingsStore *store = nullptr,
            QWidget *parent = nullptr);
    ~frmMain() override;

    // Start-up: fills the lists and captions, then the settings (hidden; the splash shows it).
    void Form_Load();
    // Runs when the main window becomes active: at its first showing and whenever a dialog of
    // the program closes. Rebuilds every label derived from the settings and prepares the step.
    void Form_Activate();
    // Shows the window and runs its activation.
    void showMain();
    // Shows one of the program's dialogs modally; the main window is active again afterwards.
    int showDialog(QDialog *dialog);

    void Load();
    void FillLists();
    void SetBlnAskUnit(bool b);
    void EnableControls(bool b);
    void SetNextFocus();
    void PrepareStep();
    // A plan is under way or its document is still on the screen (Begin Plan is locked until
    // the screen is cleared).
    bool planInProgress() const;
    // The caption over the materials listing names the day (or the unit) it is for.
    void refreshMaterialsCaption();

    // Asks for the goal of a new unit of study (weekly plans) or the unit objective (unit
    // plans); empties the special note kept for the day.
    void cmdNewUnit_Click();
    void clearSpecialNote();

    void cmdSettings_Click();
    void cmdHelp_Click();
    void cmdExit_Click();

    int helpContextId() const { return helpContextId_; }
    void setHelpContextId(int id) { helpContextId_ = id; }

    // The module state and the platform every component of the window uses.
    LessonPlanModule &m;
    Platform &platform;

    // Form-level state
    bool blnAskUnit = true;
    QString strWeekOrUnit;
    QString strLastSchoolYear;
    // The folder the file-open dialog starts in (set at every activation).
    QString strOpenDialogFolder;
    // Where later screens plug into the frame: the document setup screen shown by Change
    // Settings.
    std::function<QDialog *()> settingsScreen;

    // The components of the window, one per area; they reach each other through the frame.
    SchoolCalendar *calendar = nullptr;
    PlanStart *plan = nullptr;
    PlanCompletion *completion = nullptr;
    PlanFiles *files = nullptr;
    PlanViewer *viewer = nullptr;
    PlanLibrary *library = nullptr;
    DayEntries *entries = nullptr;
    DayWriter *writer = nullptr;
    MaterialsStep *materials = nullptr;
    StandardsStep *standards = nullptr;
    DocumentEditing *editing = nullptr;
    PlanRecovery *recovery = nullptr;

    // --- Plan target: course, period, week or unit -------------------------------------
    QLabel *Label2 = nullptr;
    QComboBox *cboCourses = nullptr;
    QLabel *lblPdGrp = nullptr;
    QLineEdit *txtPeriod = nullptr;
    QGroupBox *fraWeeklyPlan = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboDay = nullptr;
    QLabel *imgCal = nullptr;
    QLabel *imgCal1 = nullptr;
    QLabel *imgCal2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *lblYear = nullptr;
    QGroupBox *fraUnitPlan = nullptr;
    QLabel *lblUnit = nullptr;
    QLineEdit *txtUnit = nullptr;
    QLabel *lblTopicNote = nullptr;
    QPushButton *cmdBegin = nullptr;
    QLabel *lblNewDay = nullptr;
    QTimer *NewDayTimer = nullptr;

    // --- Day entries --------------------------------------------------------------------
    QLabel *lblObjective = nullptr;
    QPlainTextEdit *txtObjective = nullptr;
    QPushButton *cmdContinue = nullptr;
    QLabel *lblUnchanged = nullptr;
    QPushButton *cmdNewUnit = nullptr;
    QPushButton *cmdNote = nullptr;
    QFrame *fraDay = nullptr;
    QLabel *FrameLabel = nullptr;
    QLabel *lblResize = nullptr;
    QVector<QRadioButton *> optTask; // 0..15; 15 is the free item
    QVector<QLabel *> lblTask;       // 0..14
    QRadioButton *optDummy = nullptr;
    QFrame *fraBlank = nullptr;
    QLabel *lblDescription = nullptr;
    QPlainTextEdit *txtDescription = nullptr;
    QLabel *lblTwice = nullptr;
    QPushButton *cmdOK = nullptr;
    QLabel *lblList = nullptr;
    QListWidget *lstAdd = nullptr;
    QListWidget *lstBuild = nullptr;
    QLabel *lblDblClick = nullptr;
    QLabel *lblCover = nullptr;
    QPushButton *cmdDone1 = nullptr;
    QLabel *lblClosure = nullptr;
    QPlainTextEdit *txtClosure = nullptr;

    // --- Materials step -----------------------------------------------------------------
    QGroupBox *fraLists = nullptr;
    QLabel *lblTexts = nullptr;
    QListWidget *lstTexts = nullptr;
    QLabel *lblResources = nullptr;
    QListWidget *lstResources = nullptr;
    QLabel *lblMaterials = nullptr;
    QListWidget *lstMaterials = nullptr;
    QPushButton *cmdPosition = nullptr;
    QLabel *lblSample = nullptr;
    QPlainTextEdit *txtSample = nullptr;
    QPushButton *cmdEditMat = nullptr;
    QPushButton *cmdSkip = nullptr;
    QPushButton *cmdProceed = nullptr;

    // --- Standards step -----------------------------------------------------------------
    QGroupBox *fraStandards = nullptr;
    QLabel *lblStandards = nullptr;
    QLabel *lblArrows = nullptr;
    QLabel *lblLabel = nullptr;
    QListWidget *lstChooseStandards = nullptr;
    QLabel *lblSetting = nullptr;
    QLabel *lblWhen = nullptr;
    QPushButton *cmdAddToPlan = nullptr;
    QLabel *lblEditStandards = nullptr;

    // --- Earlier plans ------------------------------------------------------------------
    QComboBox *cboOldPlans = nullptr;
    QPushButton *cmdPrev = nullptr;
    QGroupBox *fraPrevious = nullptr;
    RichTextBox *rtfPrevious = nullptr;
    QLabel *lblCopy = nullptr;
    QPushButton *cmdPrintThis = nullptr;
    QPushButton *cmdPdfThis = nullptr;
    QMenu *mnuCopyHeading = nullptr;
    QAction *mnuCopyOnly = nullptr;
    QStringList strPlanPaths;

    // --- The Lesson Plan Document -------------------------------------------------------
    QGroupBox *fraCurrent = nullptr;
    QLabel *Label9 = nullptr;
    RichTextBox *RTxtComposite = nullptr;
    QLabel *lblCurrentDoc = nullptr;
    QLabel *lblDocument = nullptr;
    QPushButton *cmdClose = nullptr;
    QPushButton *cmdStore = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdPdf = nullptr;
    QPushButton *cmdEnlarge = nullptr;
    QLabel *lblSavePrint = nullptr;

    // --- Settings, help, exit -----------------------------------------------------------
    QPushButton *cmdSettings = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdExit = nullptr;

Q_SIGNALS:
    // Sent once every window of the program has been closed at exit.
    void unloaded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Builds every control and lays the window out (frmmain_layout.cpp).
    void createControls();
    void createTopBand(QWidget *band);
    void createDayBand(QWidget *band);
    void createDocumentBand(QWidget *band);
    void createOverlays();
    void createMenus();
    void setDesignState();
    void connectFrame();

    void Form_Unload();
    // Where the window's size and place are kept between runs.
    static QString windowStatePath();
    // Puts the window where it was left when that is on a screen, and keeps it on the screen.
    void placeWindow();
    // The step frames and the earlier-plan viewer over the window's bands.
    void placeStepFrames();
    // Hover hints: the Help and Settings buttons light up under the pointer.
    void hoverOver(QObject *watched);
    void resetHoverColors();

    SettingsStore *store_ = nullptr;
    int helpContextId_ = 10002;
    bool unloading_ = false;
};
