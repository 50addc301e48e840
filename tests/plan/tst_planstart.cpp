// Beginning a plan: the choices that make Begin Plan available, the heading and course lines it
// writes, and the screen the step driver prepares for each step.
#include "app/frmmain.h"
#include "plan/frmcal.h"
#include "plan/frmweekly.h"
#include "plan/planstart.h"
#include "plan/schoolcalendar.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/scriptedplatform.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <memory>

class TestPlanStart : public QObject
{
    Q_OBJECT

    std::unique_ptr<LessonPlanModule> m;
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<frmMain> w;

    // The plan-type question, answered with OK (and optionally a changed choice).
    void answerPlanType(bool weekly, bool dontAsk = false)
    {
        platform->actInDialog(QStringLiteral("frmWeekly"), [=](QDialog *d) {
            auto *dialog = static_cast<frmWeekly *>(d);
            (weekly ? dialog->optWeekly : dialog->optUnit)->click();
            if (dontAsk)
                dialog->chkAsk->click();
            dialog->cmdOK->click();
        });
    }

    // A teacher's way to a weekly plan: course, period, month and date.
    void chooseWeek(int course, const QString &period, int month, int date)
    {
        answerPlanType(true);
        w->cboCourses->setCurrentIndex(course);
        w->txtPeriod->setText(period);
        w->cboMonth->setCurrentIndex(month);
        w->cboDate->setCurrentIndex(date - 1);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m = std::make_unique<LessonPlanModule>();
        platform = std::make_unique<ScriptedPlatform>();
        w = std::make_unique<frmMain>(*m, *platform);
        w->Form_Load();
        // The unit goal has tests of its own.
        m->blnShowUnitGoal = false;
        w->showMain();
    }

    void cleanup()
    {
        platform->verifyAllAnswered();
        w.reset();
    }

    void beginBecomesAvailableStepByStep()
    {
        QVERIFY(!w->cmdBegin->isEnabled());
        QVERIFY(!w->cboMonth->isEnabled());
        answerPlanType(true);
        w->cboCourses->setCurrentIndex(0);
        QVERIFY2(!w->cboMonth->isEnabled(), "the period comes before the week");
        w->txtPeriod->setText(QStringLiteral("3"));
        QVERIFY(w->cboMonth->isEnabled());
        QVERIFY(!w->cmdBegin->isEnabled());
        w->cboMonth->setCurrentIndex(1); // September
        QCOMPARE(w->cboDate->count(), 30);
        QVERIFY(!w->cmdBegin->isEnabled());
        QCOMPARE(w->lblYear->text(), QStringLiteral("2009"));
        w->cboDate->setCurrentIndex(6);
        QVERIFY(w->cmdBegin->isEnabled());
        QVERIFY(m->blnReadyToBegin);
        QStringList days;
        for (int i = 0; i < w->cboDay->count(); ++i)
            days << w->cboDay->itemText(i);
        QCOMPARE(days, QStringList({"Monday, September 7", "Tuesday, September 8",
                                    "Wednesday, September 9", "Thursday, September 10",
                                    "Friday, September 11"}));
        QCOMPARE(w->cboDay->currentIndex(), 0);
        QCOMPARE(w->lblUnchanged->text(), QStringLiteral("Revise objective for September 7?"));
        QVERIFY(!w->lblNewDay->isHidden());
        QCOMPARE(w->lblNewDay->text(),
                 QStringLiteral("\r\nSetting Date\r\nto\r\nMonday, September 7"));

        // Another month empties the dates; Begin waits for a date again.
        w->cboMonth->setCurrentIndex(2);
        QCOMPARE(w->cboDate->currentIndex(), -1);
        QVERIFY(!w->cmdBegin->isEnabled());
    }

    void planTypeQuestion()
    {
        answerPlanType(false, true);
        w->cboCourses->setCurrentIndex(1);
        QVERIFY2(!m->blnWeeklyPlans, "the choice changes the setting at once");
        QVERIFY(!w->blnAskUnit);
        QVERIFY(!w->fraUnitPlan->isHidden());
        QVERIFY(w->fraWeeklyPlan->isHidden());
        // "Don't ask" holds for the rest of the run: no further question.
        w->cboCourses->setCurrentIndex(2);
        QCOMPARE(platform->prompts().size(), 1);
    }

    void missingPeriodIsRefused()
    {
        chooseWeek(0, QStringLiteral("3"), 1, 7);
        w->txtPeriod->setText(QStringLiteral("   "));
        platform->answerMessage(Platform::Answer::OK,
                                QStringLiteral("Fill in the Period/Group (Period)..."),
                                QStringLiteral("Missing Data"));
        w->cmdBegin->click();
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Question);
        QCOMPARE(m->intStep, 0);
        QCOMPARE(w->RTxtComposite->Text(), QString());
    }

    void headingLine_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("line");
        const QString t = QStringLiteral("Your Name Here...");
        const QString wk = QStringLiteral("Week of September 7");
        const QString y = QStringLiteral("2009-2010 Lesson Plans");
        dataRow("0", 0, t + "     " + wk + "     " + y);
        dataRow("1", 1, wk + "     " + t + "     " + y);
        dataRow("2", 2, y + "     " + wk + "     " + t);
        dataRow("3", 3, t + "          " + y + "     " + wk);
    }

    void headingLine()
    {
        QFETCH(int, order);
        QFETCH(QString, line);
        m->intDisplayOrder = order;
        chooseWeek(0, QStringLiteral("3"), 1, 7);
        w->cmdBegin->click();
        QCOMPARE(dumpDocument(*w->RTxtComposite),
                 "[U]" + line + "[/U]\n\n[B]Subject: \"Course/Subject #1\"    Period 3[/B]\n");
    }

    void unknownDisplayOrderWritesNoHeading()
    {
        m->intDisplayOrder = 7;
        m->blnShowUnitGoal = false;
        chooseWeek(0, QStringLiteral("3"), 1, 7);
        w->cmdBegin->click();
        QCOMPARE(dumpDocument(*w->RTxtComposite),
                 QStringLiteral("[B]Subject: \"Course/Subject #1\"    Period 3[/B]\n"));
    }

    void schoolNameAndNoPeriod()
    {
        m->blnUseSchoolName = true;
        m->strSchoolName = QStringLiteral("Lincoln High");
        m->blnShowPeriod = false;
        m->blnShowUnitGoal = false;
        answerPlanType(true);
        w->cboCourses->setCurrentIndex(1);
        QVERIFY2(w->cboMonth->isEnabled(), "without a period the week comes right away");
        w->cboMonth->setCurrentIndex(0);
        w->cboDate->setCurrentIndex(23);
        w->cmdBegin->click();
        QCOMPARE(platform->prompts().size(), 1);
        QCOMPARE(dumpDocument(*w->RTxtComposite),
                 QStringLiteral("LINCOLN HIGH\n[U]Your Name Here...     Week of August 24     "
                                "2009-2010 Lesson Plans[/U]\n\n[B]Subject: \"Course/Subject "
                                "#2\"[/B]\n"));
    }

    void unitPlan_data()
    {
        QTest::addColumn<bool>("topic");
        QTest::addColumn<bool>("objective");
        QTest::addColumn<bool>("timeline");
        QTest::addColumn<QString>("dump");
        const QString head =
            QStringLiteral("[U]Your Name Here...     Unit Plan     2009-2010 Lesson "
                           "Plans[/U]\n\n[B]Subject: \"Course/Subject #1\"    "
                           "Period 2[/B]\n");
        dataRow("all shown", true, true, true, head + "\n[B]Unit Topic: Fractions[/B]\n");
        dataRow("none shown", false, false, false, head);
    }

    void unitPlan()
    {
        QFETCH(bool, topic);
        QFETCH(bool, objective);
        QFETCH(bool, timeline);
        QFETCH(QString, dump);
        m->blnShowUnitTopic = topic;
        m->blnShowDailyObj = objective;
        m->blnShowTimeline = timeline;
        answerPlanType(false);
        w->cboCourses->setCurrentIndex(0);
        w->txtPeriod->setText(QStringLiteral("2"));
        QVERIFY(w->txtUnit->isEnabled());
        w->txtUnit->setText(QStringLiteral("Fractions"));
        QVERIFY(w->cmdBegin->isEnabled());
        if (objective)
            platform->actInDialog(QStringLiteral("frmUnit"), [](QDialog *d) { d->hide(); });
        w->cmdBegin->click();
        QCOMPARE(dumpDocument(*w->RTxtComposite), dump);
        QCOMPARE(w->optTask[15]->text(), QStringLiteral("( Blank &Line for Free-Form Typing )"));
        // The bold attribute stays on for what is written next.
        w->RTxtComposite->MoveToEnd();
        QVERIFY(w->RTxtComposite->SelBold());
    }

    void beginPreparesTheActivityStep()
    {
        m->strPlanSaved = QStringLiteral("Y");
        chooseWeek(0, QStringLiteral("3"), 1, 7);
        w->lstAdd->addItem(QStringLiteral("left over"));
        w->cmdBegin->click();
        QCOMPARE(m->intStep, 1);
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));
        QCOMPARE(w->helpContextId(), 10004);
        QVERIFY(!w->fraDay->isHidden());
        QVERIFY(w->fraBlank->isHidden());
        QVERIFY(w->RTxtComposite->isEnabled());
        QCOMPARE(w->RTxtComposite->BackColor(), ui::white());
        for (QWidget *locked :
             {static_cast<QWidget *>(w->cboCourses), static_cast<QWidget *>(w->txtPeriod),
              static_cast<QWidget *>(w->cboMonth), static_cast<QWidget *>(w->cboDate),
              static_cast<QWidget *>(w->cmdBegin)})
            QVERIFY2(!locked->isEnabled(), qPrintable(locked->objectName()));
        QVERIFY(w->cboDay->isEnabled());
        QCOMPARE(w->FrameLabel->text(), QStringLiteral("  Strategies:"));
        QCOMPARE(ui::backColor(w->FrameLabel), ui::lightYellow());
        QCOMPARE(ui::backColor(w->lstAdd), ui::lightYellow());
        QCOMPARE(w->lblTask[0]->text(), QStringLiteral("Lecture"));
        QCOMPARE(w->lblTask[7]->text(), QStringLiteral("And create your own"));
        QCOMPARE(w->lblTask[8]->text(), QString());
        QCOMPARE(w->cmdDone1->text(), QStringLiteral("Strategies List &Finished"));
        QCOMPARE(w->cmdOK->text(), QStringLiteral("O&K  >>>"));
        QCOMPARE(w->optTask[15]->text(),
                 QStringLiteral("( No entries... Non-Instructiona&l Day )"));
        QVERIFY(!w->cmdNote->isHidden());
        QCOMPARE(ui::backColor(w->txtObjective), ui::white());
        QVERIFY(w->txtObjective->isEnabled());
    }

    void stepScreens_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("help");
        QTest::addColumn<QString>("frame");
        dataRow("assessment", 2, 10007, "fraDay");
        dataRow("materials", 3, 10008, "fraLists");
        dataRow("standards", 4, 10009, "fraStandards");
    }

    void stepScreens()
    {
        QFETCH(int, step);
        QFETCH(int, help);
        QFETCH(QString, frame);
        chooseWeek(0, QStringLiteral("3"), 1, 7);
        w->cmdBegin->click();
        m->intStep = step;
        w->PrepareStep();
        QCOMPARE(w->helpContextId(), help);
        for (QWidget *f :
             {static_cast<QWidget *>(w->fraLists), static_cast<QWidget *>(w->fraStandards)})
            QCOMPARE(!f->isHidden(), f->objectName() == frame);
        QCOMPARE(m->intStep, step);
    }

    void assessmentStep()
    {
        m->blnShowTime = true;
        m->strTimeOnTask = QStringLiteral("5 min");
        m->strAssessHeading = QStringLiteral("A");
        chooseWeek(0, QStringLiteral("3"), 1, 7);
        w->cmdBegin->click();
        QCOMPARE(w->cmdOK->text(), QStringLiteral("'Time on Task' and O&K >>>"));
        m->intStep = 2;
        w->PrepareStep();
        QCOMPARE(w->FrameLabel->text(), QStringLiteral("  A:"));
        QCOMPARE(w->cmdDone1->text(), QStringLiteral("A List &Finished"));
        QCOMPARE(ui::backColor(w->lstAdd), ui::lightCyan());
        QCOMPARE(w->lblTask[1]->text(), QStringLiteral("Chapter Test"));
        QCOMPARE(w->cmdOK->text(), QStringLiteral("O&K  >>>"));
        QVERIFY(m->strTimeOnTask.isEmpty());
    }

    void activationDuringStepOneRecaptionsWithoutClearing()
    {
        chooseWeek(0, QStringLiteral("3"), 1, 7);
        w->cmdBegin->click();
        w->lstAdd->addItem(QStringLiteral("Lecture: chapter 2"));
        m->strActivities[0] = QStringLiteral("Guided Reading");
        m->strTasksHeading = QStringLiteral("Procedures");
        w->Form_Activate();
        QCOMPARE(w->lblTask[0]->text(), QStringLiteral("Guided Reading"));
        QCOMPARE(w->cmdDone1->text(), QStringLiteral("Procedures List &Finished"));
        QCOMPARE(w->lstAdd->count(), 1);
        QCOMPARE(m->intStep, 1);
    }

    void materialsListsFollowTheSettings()
    {
        m->strMaterials = {QStringLiteral("T1Algebra 1 textbook"),
                           QStringLiteral("R0Graphing tool"), QStringLiteral("M2Rulers"),
                           QStringLiteral("X1Hidden kind")};
        m->strMaterialEdit = QStringLiteral("Text(s): Algebra 1 textbook\r\n");
        chooseWeek(0, QStringLiteral("3"), 1, 7);
        w->cmdBegin->click();
        m->intStep = 3;
        w->PrepareStep();
        QCOMPARE(w->lstTexts->count(), 1);
        QVERIFY(ui::isTicked(w->lstTexts, 0));
        QCOMPARE(w->lstResources->item(0)->text(), QStringLiteral("Graphing tool"));
        QVERIFY(!ui::isTicked(w->lstResources, 0));
        QVERIFY(ui::isTicked(w->lstMaterials, 0));
        QCOMPARE(w->lstMaterials->count(), 1);
        QCOMPARE(w->txtSample->toPlainText(), QStringLiteral("Text(s): Algebra 1 textbook\n"));
        QVERIFY(m->strMaterialEdit.isEmpty());
        QVERIFY(!w->cboOldPlans->isEnabled());
        QVERIFY(w->fraDay->isHidden());

        // While New Plan clears the screen, the lists are left alone.
        w->lstTexts->clear();
        w->plan->blnNewPlanRequested = true;
        w->PrepareStep();
        QCOMPARE(w->lstTexts->count(), 0);
        QVERIFY(!w->plan->blnNewPlanRequested);
    }

    void standardsPreselectedPerCourse_data()
    {
        QTest::addColumn<int>("course");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<bool>>("ticked");
        QTest::addColumn<QString>("firstLine");
        dataRow("third course, prefixed", 2, "PREFIXED",
                QList<bool>{false, false, true, true, false},
                "A-1-2B    The full text of an Educational "
                "Standard will display here.");
    }

    void standardsPreselectedPerCourse()
    {
        QFETCH(int, course);
        QFETCH(QString, mode);
        QFETCH(QList<bool>, ticked);
        QFETCH(QString, firstLine);
        m->strStandardsMode = mode;
        chooseWeek(course, QStringLiteral("3"), 1, 7);
        w->cmdBegin->click();
        m->intStep = 4;
        w->PrepareStep();
        QCOMPARE(w->plan->intCourseIndex, course);
        QCOMPARE(w->lstChooseStandards->count(), ticked.size());
        for (int i = 0; i < ticked.size(); ++i)
            QCOMPARE(ui::isTicked(w->lstChooseStandards, i), ticked.at(i));
        QCOMPARE(w->lstChooseStandards->item(0)->text(), firstLine);
        QCOMPARE(!w->lblArrows->isHidden(), mode == QLatin1String("PREFIXED"));
        QCOMPARE(w->cmdAddToPlan->text(), QStringLiteral("&Add to Plan"));
    }

    void standardsOnceAtTheEnd()
    {
        m->blnStandardsOnce = true;
        m->strStdCodes = {QStringLiteral(" "), QString()};
        m->strStdTexts = {QStringLiteral("Blank prefix"), QStringLiteral("No prefix")};
        m->strStandardsMode = QStringLiteral("PREFIXED");
        chooseWeek(0, QStringLiteral("3"), 1, 7);
        w->cmdBegin->click();
        m->blnReadyToBegin = true;
        m->intStep = 4;
        w->PrepareStep();
        QVERIFY(!m->blnReadyToBegin);
        QCOMPARE(w->cmdAddToPlan->text(), QStringLiteral("Cont&inue"));
        QCOMPARE(
            w->lblWhen->text(),
            QStringLiteral("Your settings specify that the ''Educational Standards'' should be "
                           "printed at the end of the Lesson Plan Document. Select or deselect "
                           "items from the list as necessary. This window will be displayed "
                           "for each day as the Plan is being developed."));
        QCOMPARE(w->lstChooseStandards->item(0)->text(), QStringLiteral("          Blank prefix"));
        QCOMPARE(w->lstChooseStandards->item(1)->text(), QStringLiteral("         No prefix"));
    }

    void advanceDayThroughTheWeek()
    {
        m->intDaysPerWeek = 2;
        chooseWeek(0, QStringLiteral("3"), 1, 7);
        w->cmdBegin->click();
        w->txtObjective->setPlainText(QStringLiteral("Graph lines"));
        w->calendar->AdvanceDay();
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Tuesday, September 8"));
        QCOMPARE(ui::backColor(w->txtObjective), ui::lightRed());
        QVERIFY(!w->lblUnchanged->isHidden());
        QVERIFY(!w->cmdContinue->isHidden());
        QVERIFY(!w->cmdNewUnit->isHidden());
        QVERIFY(w->optDummy->isChecked());

        platform->answerMessage(
            Platform::Answer::OK,
            QStringLiteral("End of Week. Save or print the Lesson Plan Document."),
            QStringLiteral("End of Week"));
        w->calendar->AdvanceDay();
        QCOMPARE(m->intStep, 0);
        QVERIFY(!w->cboDay->isEnabled());
        QVERIFY(w->fraDay->isHidden());
        QVERIFY(!w->fraBlank->isHidden());
        QVERIFY(w->txtObjective->toPlainText().isEmpty());
        QVERIFY(!m->blnReadyToBegin);
    }

    void calendarPicksTheWeek()
    {
        platform->todayDate = QDate(2026, 9, 15);
        answerPlanType(true);
        w->cboCourses->setCurrentIndex(0);
        w->txtPeriod->setText(QStringLiteral("3"));
        w->calendar->imgCal_Click();
        frmCal *cal = w->calendar->calendarWindow();
        QVERIFY(cal->isVisible());
        QCOMPARE(cal->windowTitle(), QStringLiteral("Week of... (MONDAY)"));
        QCOMPARE(cal->Calendar->selectedDate(), QDate(2009, 9, 15));
        QCOMPARE(cal->Calendar->minimumDate(), QDate(2009, 8, 1));
        QCOMPARE(cal->Calendar->maximumDate(), QDate(2010, 7, 31));

        cal->Calendar_DateClick(QDate(2009, 9, 16)); // a Wednesday
        QCOMPARE(cal->windowTitle(), QStringLiteral("Choose a MONDAY"));
        QVERIFY(cal->isVisible());

        cal->Calendar_DateClick(QDate(2009, 9, 14));
        QVERIFY(cal->isHidden());
        QCOMPARE(w->cboMonth->currentText(), QStringLiteral("September"));
        QCOMPARE(w->cboDate->currentText(), QStringLiteral("14"));
        QCOMPARE(w->cboDay->itemText(0), QStringLiteral("Monday, September 14"));
        QVERIFY(w->cmdBegin->isEnabled());

        // The same date again still picks it.
        w->cboDay->setCurrentIndex(3);
        w->calendar->imgCal_Click();
        cal->Calendar_DateClick(QDate(2009, 9, 14));
        QCOMPARE(w->cboDay->currentIndex(), 0);
    }

    void decemberWeekReachingJanuary()
    {
        chooseWeek(0, QStringLiteral("3"), 4, 30);
        QCOMPARE(w->lblYear->text(), QStringLiteral("2009"));
        w->cboDay->setCurrentIndex(2);
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Wednesday, January 1"));
        QCOMPARE(w->lblYear->text(), QStringLiteral("2010"));
    }
};

QTEST_MAIN(TestPlanStart)
#include "tst_planstart.moc"
