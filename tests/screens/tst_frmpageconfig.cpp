// The document setup screen: its sample page, its regions, import/export, the storage folder.
#include "dialogharness.h"
#include "platform/richtextbox.h"
#include "screens/frmpageconfig.h"
#include "screens/frmstandardswizard.h"

#include <QFrame>
#include <QMouseEvent>
#include <QTimer>

namespace
{
const QString Blank = QString(20, QLatin1Char(' '));
enum Style { Plain = 0, B = 1, I = 2, U = 4 };

int styleOf(const QLabel *label)
{
    const QFont f = label->font();
    return (f.bold() ? B : 0) | (f.italic() ? I : 0) | (f.underline() ? U : 0);
}

// The pointer as the teacher moves it: through the application, so event filters see it.
void pointAt(QWidget *widget)
{
    const QPointF at(3, 3);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void clickOn(QWidget *widget)
{
    const QPointF at(3, 3);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}
} // namespace

class TestFrmPageConfig : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;
    LessonPlanModule *m = nullptr;
    ScriptedPlatform *platform = nullptr;
    SettingsStore *store = nullptr;
    frmMain *main = nullptr;
    std::unique_ptr<frmPageConfig> w;

    void makeScreen(bool withMain = false)
    {
        w.reset();
        if (withMain && !main)
            main = &h->withMain();
        w = std::make_unique<frmPageConfig>(h->ctx);
        w->show();
    }

    void activateScreen()
    {
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

    QLabel *label(const QString &name) const { return w->findChild<QLabel *>(name); }

    void setPlanInProgress(bool inProgress)
    {
        main->RTxtComposite->setText(inProgress ? QStringLiteral("A plan") : QString());
    }

    static void applySetup(LessonPlanModule &m, const QString &setup)
    {
        if (setup.startsWith(QLatin1String("unit")))
            m.blnWeeklyPlans = false;
        // "template:<t>" and "mode:<m>" set the time template and the standards mode.
        if (setup.startsWith(QLatin1String("template:")))
            m.strTimeTemplate = setup.mid(9);
        if (setup.startsWith(QLatin1String("mode:")))
            m.strStandardsMode = setup.mid(5);
        if (setup.contains(QLatin1String("long"))) {
            m.strUnitGoalHeading =
                QStringLiteral("Long-Range Unit Goal for the Third Marking Period");
            m.strDailyObjHeading = QStringLiteral("Daily Objective for the Lesson of the Day");
            m.strUnitTopicHeading = QStringLiteral("Unit Topic and Focus of Instruction");
            m.strTimelineHeading = QStringLiteral("Projected Time Frame for This Unit of Study");
        }
        if (setup.endsWith(QLatin1String("hidden"))) {
            for (bool *flag :
                 {&m.blnShowPeriod, &m.blnShowUnitGoal, &m.blnShowUnitTopic, &m.blnShowTimeline,
                  &m.blnShowNote, &m.blnShowDailyObj, &m.blnShowClosure, &m.blnShowAssessment,
                  &m.blnShowMaterials, &m.blnShowStandards})
                *flag = false;
        }
    }

private Q_SLOTS:
    void init()
    {
        h = std::make_unique<DialogHarness>();
        m = &h->m;
        platform = &h->platform;
        store = &h->useStore();
        makeScreen();
    }

    void cleanup()
    {
        platform->verifyAllAnswered();
        w.reset();
        main = nullptr;
        h.reset();
    }

    void preview_data()
    {
        dataColumns<QString, QString, QString, int>({"setup", "name", "text", "style"});
        const QString weeklyHeading =
            QStringLiteral("Ms. Quorrel      Week of October 19       2009-2010 Lesson Plans");
        const QString unitHeading =
            QStringLiteral("Ms. Quorrel      Unit Plan       2009-2010 Lesson Plans");
        const QString objective =
            QStringLiteral("Daily Objective: Students will factor perfect square trinomials.");
        const QString task2 = QStringLiteral("2.  Teacher Lecture: Topic... Perfect Square "
                                             "Trinomials");
        auto row = [](const char *setup, const char *name, const QString &text, int style) {
            QTest::addRow("%s %s", setup, name) << setup << name << text << style;
        };
        row("weekly", "HeadingLabel", weeklyHeading, Plain);
        row("weekly", "CourseLabel", "Subject: ''Algebra 1''", B);
        row("weekly", "PeriodLabel", "Period 3", B);
        row("weekly", "OverviewLabel", "Unit Goal: Methods of Factoring", I);
        row("weekly", "DayLabel", "Monday, October 19", B);
        row("weekly", "NoteLabel", "[Short Session - Assembly Day]", Plain);
        row("weekly", "ObjectiveLabel", objective, I);
        row("weekly", "TasksHeadingLabel", "Strategies:", I | U);
        row("weekly", "Task2Label", task2, Plain);
        row("weekly", "ClosureHeadingLabel", "Closing:", I | U);
        row("weekly", "AssessmentHeadingLabel", "Assessment:", I | U);
        row("weekly", "AssessmentLabel2", "2. Quiz Factoring Polynomials", Plain);
        row("weekly", "MaterialsHeadingLabel", "Materials/Supplies/Technology:", I | U);
        row("weekly", "MaterialsLabel",
            "Text(s): Algebra For Starters, 2008; Resource(s): Starters Workbook", Plain);
        row("weekly", "StateHLabel", "Educational Standards:", I | U);
        row("weekly", "StateLabel",
            "Standard 23A-2  The student will factor perfect square trinomials.", Plain);
        row("weekly", "lblType", "Word Document", B);
        row("weekly", "lblTypeCompletion", " (doc) files", Plain);

        row("unit", "HeadingLabel", unitHeading, Plain);
        row("unit", "OverviewLabel", "Unit Topic: Factoring Perfect Square Trinomials", B);
        row("unit", "DayLabel", "Timeline: 4 sessions... October 19-22", Plain);
        row("unit", "NoteLabel", "[Short Session October 21- Assembly Day]", Plain);
        row("unit", "ObjectiveLabel", objective, B | I);

        // Long headings are cut with their sample text: at 60 characters, the objective at 68.
        row("weekly long", "OverviewLabel",
            "Long-Range Unit Goal for the Third Marking Period: Methods o", I);
        row("weekly long", "ObjectiveLabel",
            "Daily Objective for the Lesson of the Day: Students will factor perf", I);
        row("unit long", "DayLabel", "Projected Time Frame for This Unit of Study: 4 sessions... O",
            Plain);
        // Every "X" of the time template (and only the capital) becomes the time on task.
        row("template:(X) ", "Task1Label", "1. (15 min)  Review Homework", Plain);
        row("template:X/X", "Task2Label",
            "2. 25 min/25 min Teacher Lecture: Topic... Perfect Square Trinomials", Plain);
        row("template:x:", "Task1Label", "1. x: Review Homework", Plain);
        row("mode:PREFIXED", "StateLabel", "3A-1, 4B, 2C", Plain);
        row("mode:", "StateLabel", Blank, Plain);

        // Every section hidden: the places stay, only the fixed lines remain.
        for (const char *setup : {"weekly hidden", "unit hidden"}) {
            const bool weekly = QByteArray(setup).startsWith("weekly");
            row(setup, "HeadingLabel", weekly ? weeklyHeading : unitHeading, Plain);
            row(setup, "PeriodLabel", Blank, B);
            row(setup, "OverviewLabel", Blank, weekly ? I : B);
            row(setup, "DayLabel", weekly ? QStringLiteral("Monday, October 19") : Blank,
                weekly ? B : Plain);
            row(setup, "NoteLabel", Blank, Plain);
            row(setup, "ObjectiveLabel", Blank, weekly ? I : B | I);
            row(setup, "Task1Label", "1.  Review Homework", Plain);
            for (const char *name : {"ClosureHeadingLabel", "AssessmentHeadingLabel",
                                     "MaterialsHeadingLabel", "StateHLabel"})
                row(setup, name, Blank, I);
            for (const char *name : {"ClosureLabel", "AssessmentLabel1", "AssessmentLabel2",
                                     "MaterialsLabel", "StateLabel"})
                row(setup, name, Blank, Plain);
        }
    }

    void preview()
    {
        const auto [setup, name, text, style] =
            fetchRow<QString, QString, QString, int>({"setup", "name", "text", "style"});
        applySetup(*m, setup);
        w->Form_Activate();
        QLabel *l = label(name);
        QVERIFY2(l, qPrintable(name));
        QCOMPARE(l->text(), text);
        QCOMPARE(styleOf(l), style);
    }

    void headingOrder_data()
    {
        dataColumns<int, bool, QString, int, int>({"order", "school", "text", "top", "rule"});
        dataRow("0", 0, false, "Ms. Quorrel      Week of October 19       2009-2010 Lesson Plans",
                750, 930);
        dataRow("1", 1, false, "Week of October 19        Ms. Quorrel     2009-2010 Lesson Plans",
                750, 930);
        dataRow("2", 2, false, "2009-2010 Lesson Plans      Week of October 19       Ms. Quorrel",
                750, 930);
        dataRow("3 with school", 3, true,
                "BRINDLEWOOD SCHOOL\r\nMs. Quorrel        2009-2010 Lesson Plans     Week of "
                "October 19",
                630, 1035);
        // An order that does not exist leaves the line as it was.
        dataRow("out of range", 7, false,
                "Ms. Quorrel      Week of October 19       2009-2010 Lesson Plans", 750, 930);
    }

    void headingOrder()
    {
        const auto [order, school, text, top, rule] =
            fetchRow<int, bool, QString, int, int>({"order", "school", "text", "top", "rule"});
        m->intDisplayOrder = order;
        m->blnUseSchoolName = school;
        w->Form_Activate();
        QCOMPARE(w->HeadingLabel->text(), text);
        QCOMPARE(w->HeadingLabel->y(), ui::twips(top));
        QCOMPARE(w->Line1->y(), ui::twips(rule));
        QCOMPARE(w->Line1->x(), ui::twips(3240));
    }

    void storageFolder_data()
    {
        dataColumns<QString, QString>({"folder", "shown"});
        dataRow("49 characters", "/home/teacher/Documents/Lesson Plans/Algebra Ones",
                " in folder /home/teacher/Documents/Lesson Plans/"
                "Algebra Ones");
        dataRow("50 characters", "/home/teacher/Documents/Lesson Plans/Algebra Ones2",
                " in folder /home/teac...r/Documents/Lesson Plans/"
                "Algebra Ones2");
    }

    void storageFolder()
    {
        const auto [folder, shown] = fetchRow<QString, QString>({"folder", "shown"});
        m->strStorageFolder = folder;
        w->Form_Activate();
        QCOMPARE(w->lblFileLocation->text(), shown);
        // The three parts of the first line read as one sentence.
        QCOMPARE(w->lblType->x(), w->lblLocationHeading->x() + w->lblLocationHeading->width());
        QCOMPARE(w->lblTypeCompletion->x(), w->lblType->x() + w->lblType->width());
    }

    void planTypeSwitch_data()
    {
        QTest::addColumn<bool>("toWeekly");
        dataRow("weekly to unit", false);
        dataRow("unit to weekly", true);
    }

    void planTypeSwitch()
    {
        QFETCH(bool, toWeekly);
        m->blnWeeklyPlans = !toWeekly;
        w->Form_Activate();
        platform->actInDialog(QStringLiteral("frmSetupNameCourses"),
                              [&](QDialog *) { m->blnWeeklyPlans = toWeekly; });
        w->TeacherYearButton->click();

        QCOMPARE(w->OverviewButton->text(), toWeekly ? QStringLiteral("&Unit Goal")
                                                     : QStringLiteral("&Unit Topic / Time Frame"));
        QCOMPARE(w->ObjectiveButton->text(),
                 toWeekly ? QStringLiteral("Daily &Objective") : QStringLiteral("Unit &Objective"));
        QCOMPARE(w->HighlightLabel[3]->height(), ui::twips(toWeekly ? 255 : 470));
        QCOMPARE(w->Line1->width(), ui::twips((toWeekly ? 7685 : 8125) - 3240));
        QVERIFY(w->HeadingLabel->text().contains(toWeekly ? QStringLiteral("Week of October 19")
                                                          : QStringLiteral("Unit Plan")));
        QCOMPARE(styleOf(w->ObjectiveLabel), toWeekly ? int(I) : B | I);

        platform->actInDialog(
            toWeekly ? QStringLiteral("frmUnitGoal") : QStringLiteral("frmUnitTopic"), {});
        w->OverviewButton->click();
    }

    void regionClickOpensItsDialog_data()
    {
        dataColumns<int, QString>({"index", "dialog"});
        const QStringList dialogs =
            QStringLiteral("frmSetupNameCourses frmSetupCourseList frmPeriodGroup frmUnitGoal "
                           "frmNote frmDailyObj frmTasks frmSetupTasks frmSetupClosure "
                           "frmSetUpAssess frmMaterials frmStandards")
                .split(QLatin1Char(' '));
        for (int i = 0; i < dialogs.size(); ++i)
            QTest::addRow("%d %s", i, qPrintable(dialogs[i])) << i << dialogs[i];
    }

    void regionClickOpensItsDialog()
    {
        const auto [index, dialog] = fetchRow<int, QString>({"index", "dialog"});
        QDialog materials(w.get());
        materials.setObjectName(QStringLiteral("frmMaterials"));
        QDialog standards(w.get());
        standards.setObjectName(QStringLiteral("frmStandards"));
        w->materialsDialog = [&materials] { return &materials; };
        w->standardsDialog = [&standards] { return &standards; };

        bool doneWasEnabled = true;
        platform->actInDialog(dialog,
                              [&](QDialog *) { doneWasEnabled = w->DoneButton->isEnabled(); });
        clickOn(w->HighlightLabel[index]);
        QVERIFY(!doneWasEnabled);
        QVERIFY(w->DoneButton->isEnabled());
        QVERIFY(w->blnBusy);
        QVERIFY(w->DelayTimer->isActive());
        // A second click opens the same kept dialog.
        QDialog *first = w->findChild<QDialog *>(dialog);
        QTRY_VERIFY(!w->blnBusy);
        platform->actInDialog(dialog, {});
        w->sectionButton(index)->click();
        QCOMPARE(w->findChildren<QDialog *>(dialog).size(), 1);
        QCOMPARE(w->findChild<QDialog *>(dialog), first);
    }

    void pointingRightAfterADialogDoesNothing()
    {
        activateScreen();
        platform->actInDialog(QStringLiteral("frmNote"), {});
        w->NoteButton->click();
        QVERIFY(w->DelayTimer->isActive());

        pointAt(w->HighlightLabel[5]);
        QVERIFY(w->SettingsLabel[1]->isHidden());
        QCOMPARE(w->HighlightLabel[5]->frameShape(), QFrame::NoFrame);
        QVERIFY(QApplication::focusWidget() != w->ObjectiveButton);

        QTRY_VERIFY(!w->blnBusy);
        QVERIFY(!w->DelayTimer->isActive());
        pointAt(w->HighlightLabel[5]);
        QVERIFY(!w->SettingsLabel[1]->isHidden());
        QCOMPARE(w->SettingsLabel[1]->text(), QStringLiteral("Click to Select"));
        QCOMPARE(w->HighlightLabel[5]->frameShape(), QFrame::Box);
        QCOMPARE(QApplication::focusWidget(), w->ObjectiveButton);
        QCOMPARE(w->objFocusButton, w->ObjectiveButton);
        QCOMPARE(ui::backColor(w->ObjectiveLabel), ui::yellow());

        // Moving on to the tasks whitens the objective and frames only the tasks.
        pointAt(w->HighlightLabel[7]);
        QCOMPARE(ui::backColor(w->ObjectiveLabel), ui::white());
        QCOMPARE(ui::backColor(w->Task2Label), ui::yellow());
        QCOMPARE(w->HighlightLabel[5]->frameShape(), QFrame::NoFrame);
        QCOMPARE(w->HighlightLabel[7]->frameShape(), QFrame::Box);

        // The bare screen takes the frame and the hint away.
        pointAt(w.get());
        QVERIFY(w->SettingsLabel[1]->isHidden());
        QCOMPARE(w->HighlightLabel[7]->frameShape(), QFrame::NoFrame);
    }

    void focusPaintsItsSection_data()
    {
        dataColumns<QString, bool, QStringList>({"button", "weekly", "painted"});
        dataRow("instructor", "TeacherYearButton", true, QStringList{"HeadingLabel"});
        dataRow("overview weekly", "OverviewButton", true, QStringList{"OverviewLabel"});
        dataRow("overview unit", "OverviewButton", false, QStringList{"OverviewLabel", "DayLabel"});
        dataRow("tasks", "TaskButton", true, QStringList{"Task1Label", "Task2Label", "Task3Label"});
        dataRow("assessment", "AssessmentButton", true,
                QStringList{"AssessmentHeadingLabel", "AssessmentLabel1", "AssessmentLabel2"});
        dataRow("standards", "StateButton", true, QStringList{"StateHLabel", "StateLabel"});
    }

    void focusPaintsItsSection()
    {
        const auto [button, weekly, painted] =
            fetchRow<QString, bool, QStringList>({"button", "weekly", "painted"});
        m->blnWeeklyPlans = weekly;
        w->Form_Activate();
        activateScreen();
        w->DoneButton->setFocus();
        w->findChild<QPushButton *>(button)->setFocus();
        const QStringList page = {"HeadingLabel",     "CourseLabel",      "OverviewLabel",
                                  "DayLabel",         "ObjectiveLabel",   "Task1Label",
                                  "Task2Label",       "Task3Label",       "AssessmentHeadingLabel",
                                  "AssessmentLabel1", "AssessmentLabel2", "StateHLabel",
                                  "StateLabel"};
        for (const QString &name : page)
            QCOMPARE(ui::backColor(label(name)),
                     painted.contains(name) ? ui::yellow() : ui::white());
        w->DoneButton->setFocus();
        for (const QString &name : page)
            QCOMPARE(ui::backColor(label(name)), ui::white());
    }

    // During a plan the instructor settings and importing wait; other sections, and exporting,
    // stay open.
    void aPlanInProgressHoldsBackSomeChanges()
    {
        makeScreen(true);
        setPlanInProgress(true);
        platform->answerMessage(
            Answer::OK,
            QStringLiteral("There is a Lesson Plan Document in progress.\r\n\r\nYou will not be "
                           "able to change these particular settings at this time.\r\n\r\nEditing "
                           "changes can be made directly to the document in the\r\n'Current Plan "
                           "Document Under Construction' field."),
            QStringLiteral("Warning"));
        w->TeacherYearButton->click();
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Exclamation);
        QCOMPARE(platform->lastPrompt().buttons, Platform::Buttons::OK);
        QVERIFY(w->DelayTimer->isActive());
        platform->actInDialog(QStringLiteral("frmSetupCourseList"), {});
        w->CourseButton->click();
        const SettingsRecord before = m->record();
        platform->answerMessage(Answer::No);
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Warning"));
        w->cmdImport->click();
        QVERIFY(m->record() == before);
        // Exporting is harmless during a plan; Cancel does nothing at all.
        platform->answerMessage(Answer::Cancel);
        w->cmdImport->click();
        platform->answerMessage(Answer::Yes);
        platform->answerSaveFile(QString());
        w->cmdImport->click();

        setPlanInProgress(false);
        platform->actInDialog(QStringLiteral("frmSetupNameCourses"), {});
        w->TeacherYearButton->click();
    }

    void doneNeedsTheInstructor_data()
    {
        dataColumns<QString, bool, QString, bool, bool>(
            {"name", "asked", "typed", "closes", "escape"});
        dataRow("named", "Ms. Quorrel", false, "", true, false);
        dataRow("empty, then named", "", true, "Mr. Brindle", true, false);
        dataRow("blanks, then named", "   ", true, "Mr. Brindle", true, false);
        dataRow("still empty", "", true, "", false, false);
        // Escape and the close box act as Done.
        dataRow("escape, empty, then named", "", true, "Ms. Q", true, true);
    }

    void doneNeedsTheInstructor()
    {
        const auto [name, asked, typed, closes, escape] =
            fetchRow<QString, bool, QString, bool, bool>(
                {"name", "asked", "typed", "closes", "escape"});
        m->strTeacherName = name;
        if (asked)
            platform->actInDialog(QStringLiteral("frmSetupNameCourses"),
                                  [&](QDialog *) { m->strTeacherName = typed; });
        if (escape)
            QTest::keyClick(w.get(), Qt::Key_Escape);
        else
            w->DoneButton->click();
        QCOMPARE(w->isHidden(), closes);
    }

    void exportThenImportGivesTheSameSettings()
    {
        // What the file holds is the settings store's (tested with it); here, what follows it.
        m->blnWeeklyPlans = false;
        m->strCourses[0] = QStringLiteral("Algebra 1");
        m->strCourses[4] = QStringLiteral("Geometry, Honors");
        m->blnShowTime = true;
        m->strTimeTemplate = QStringLiteral("[X] ");
        const SettingsRecord exported = m->record();
        platform->answerMessage(Answer::Yes);
        platform->answerSaveFile(h->dir.path()); // a folder, not a file
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Settings Not Exported"));
        w->cmdImport->click();
        QVERIFY(platform->lastPrompt().text.contains(QStringLiteral("it is a folder.")));
        const QString path = h->dir.filePath(QStringLiteral("export/my settings.ini"));
        platform->answerMessage(Answer::Yes, QString(), QStringLiteral("Import/Export Settings"));
        platform->answerSaveFile(path);
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Settings Exported"));
        w->cmdImport->click();
        QVERIFY(QFile::exists(path));
        QVERIFY(!store->exists()); // exporting stores nothing

        w.reset();
        *m = LessonPlanModule();
        makeScreen(true);
        QCOMPARE(main->cboCourses->count(), 3);
        platform->answerMessage(Answer::No, QString(), QStringLiteral("Import/Export Settings"));
        platform->answerOpenFile(path);
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Settings Imported"));
        w->cmdImport->click();
        QVERIFY(m->record() == exported);
        QVERIFY(h->stored() == exported);
        QCOMPARE(w->ObjectiveButton->text(), QStringLiteral("Unit &Objective"));
        QCOMPARE(w->Task1Label->text(), QStringLiteral("1. [15 min]  Review Homework"));
        QCOMPARE(DialogHarness::items(main->cboCourses),
                 QStringList(
                     {"Algebra 1", "Course/Subject #2", "Course/Subject #3", "Geometry, Honors"}));
    }

    // Why a file is refused is the settings store's to say (tested with it).
    void refusedImportChangesNothing()
    {
        makeScreen(true);
        const QString path = h->dir.filePath(QStringLiteral("other.ini"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[General]\nfoo=bar\n");
        f.close();
        m->strTeacherName = QStringLiteral("Ms. Quorrel");
        m->strCourses[0] = QStringLiteral("Algebra 1");
        main->cboCourses->setItemText(0, QStringLiteral("Algebra 1"));
        const SettingsRecord before = m->record();
        platform->answerMessage(Answer::No);
        platform->answerOpenFile(path);
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Settings Not Imported"));
        w->cmdImport->click();
        QVERIFY(platform->lastPrompt().text.endsWith(QStringLiteral("No settings were changed.")));
        QVERIFY(m->record() == before);
        QVERIFY(!store->exists());
        QCOMPARE(main->cboCourses->itemText(0), QStringLiteral("Algebra 1"));
    }

    void storageFolderChooser_data()
    {
        dataColumns<QString, bool>({"answer", "changes"});
        dataRow("chosen", "plans", true);
        dataRow("chosen with separator", "plans/", true);
        dataRow("cancel", "", false);
        dataRow("missing folder", "no such folder", false);
    }

    void storageFolderChooser()
    {
        const auto [answer, changes] = fetchRow<QString, bool>({"answer", "changes"});
        QVERIFY(QDir(h->dir.path()).mkdir(QStringLiteral("plans")));
        const QString chosen = answer.isEmpty() ? QString() : h->dir.filePath(answer);
        platform->answerFolder(chosen);
        if (!answer.isEmpty() && !changes)
            platform->answerMessage(Answer::OK, QString(), QStringLiteral("Storage Folder"));
        w->cmdNewLocation->click();
        const QString before = SettingsRecord().strStorageFolder;
        QCOMPARE(platform->prompts().first().text, before);
        const QString expected =
            changes ? QDir::toNativeSeparators(h->dir.filePath(QStringLiteral("plans"))) : before;
        QCOMPARE(m->strStorageFolder, expected);
        QCOMPARE(store->exists(), changes);
        if (changes) {
            QCOMPARE(w->lblFileLocation->text(), QStringLiteral(" in folder ") + expected);
            QCOMPARE(h->stored().strStorageFolder, expected);
        }
    }

    void standardsQuestion_data()
    {
        dataColumns<Answer, bool, bool, QString, QString>(
            {"answer", "wizardDone", "shown", "mode", "heading"});
        dataRow("yes, list made", Answer::Yes, true, true, "PREFIXED", "Educational Standards:");
        dataRow("yes, wizard cancelled", Answer::Yes, false, false, "", Blank);
        dataRow("no", Answer::No, false, false, "", Blank);
    }

    void standardsQuestion()
    {
        const auto [answer, wizardDone, shown, mode, heading] =
            fetchRow<Answer, bool, bool, QString, QString>(
                {"answer", "wizardDone", "shown", "mode", "heading"});
        m->strStandardsMode.clear();
        platform->answerMessage(
            answer,
            QStringLiteral("There are no state or local standards recorded for use in your Lesson "
                           "Plan Documents.\r\nA wizard is available to assist you in setting "
                           "these up.\r\n\r\nDo you want to set up a standards list?"),
            QStringLiteral("State/Local Standards"));
        if (answer == Answer::Yes) {
            platform->actInDialog(QStringLiteral("frmStandardsWizard"), [&](QDialog *d) {
                auto *wizard = qobject_cast<frmStandardsWizard *>(d);
                QVERIFY(wizard);
                QVERIFY(m->blnShowStandards);
                if (wizardDone) {
                    wizard->txtCode->setText(QStringLiteral("4.A"));
                    wizard->txtText->setText(QStringLiteral("Factor \"perfect\" squares"));
                    wizard->optPrefix->setChecked(true);
                    wizard->cmdDone->click();
                } else {
                    platform->answerMessage(Answer::Yes, QString(),
                                            QStringLiteral("Abandon Changes?"));
                    wizard->cmdCancel->click();
                }
            });
        }
        w->StateButton->click();
        QCOMPARE(m->blnShowStandards, shown);
        QCOMPARE(m->strStandardsMode, mode);
        QCOMPARE(w->StateHLabel->text(), heading);
        QVERIFY(w->DelayTimer->isActive());
        QCOMPARE(h->stored().blnShowStandards, shown);
        if (wizardDone) {
            QCOMPARE(m->strStdCodes.last(), QStringLiteral("4.A"));
            QCOMPARE(m->strStdTexts.last(), QStringLiteral("Factor ''perfect'' squares"));
            QCOMPARE(w->StateLabel->text(), QStringLiteral("3A-1, 4B, 2C"));
        }
    }

    void wizardNeedsAStandard()
    {
        m->strStdCodes.clear();
        m->strStdTexts.clear();
        m->strStdChoices[0] = QStringLiteral("0110");
        frmStandardsWizard wizard(h->ctx);
        wizard.show();
        QCOMPARE(wizard.lstStandards->count(), 0);
        QVERIFY(!wizard.cmdAdd->isEnabled());
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Missing Data"));
        wizard.cmdDone->click();
        QVERIFY(wizard.isVisible());
        QVERIFY(m->strStandardsMode == QLatin1String("NO PREFIXES"));

        wizard.txtCode->setText(QStringLiteral("1.A"));
        wizard.cmdAdd->click();
        wizard.txtText->setText(QStringLiteral("Typed but not added"));
        wizard.optFullText->setChecked(true);
        wizard.cmdDone->click();
        QVERIFY(wizard.isHidden());
        QCOMPARE(m->strStdCodes, QStringList({"1.A", ""}));
        QCOMPARE(m->strStdTexts, QStringList({"", "Typed but not added"}));
        QCOMPARE(m->strStandardsMode, QStringLiteral("NO PREFIXES"));
        // Choices counted positions in the old list.
        QCOMPARE(m->strStdChoices, SettingsRecord::padded({}, SettingsRecord::StdChoiceCount));
    }

    void helpTopics()
    {
        activateScreen();
        w->cmdHelp->click();
        w->cmdNewLocation->setFocus();
        w->cmdHelp->click();
        w->DoneButton->setFocus();
        QTest::keyClick(w.get(), Qt::Key_F1);
        QCOMPARE(platform->helpTopics(), QList<int>({10010, 10037, 10010}));
    }
};

QTEST_MAIN(TestFrmPageConfig)
#include "tst_frmpageconfig.moc"
