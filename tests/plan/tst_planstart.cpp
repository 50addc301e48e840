// Beginning a plan: the choices that make Begin Plan available, the heading and course lines it
// writes, and the screen the step driver prepares for each step.
#include "plan/frmcal.h"
#include "plan/planstart.h"
#include "plan/schoolcalendar.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/planfixture.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>

class TestPlanStart : public planfixture::WindowTest
{
    Q_OBJECT

    void begin() { planfixture::beginWeeklyPlan(*w, *platform); }

    // Begun, then moved on to the given step by the step driver.
    void beginAtStep(int step)
    {
        begin();
        m->intStep = step;
        w->PrepareStep();
    }

private Q_SLOTS:
    void init()
    {
        load();
        m->blnShowUnitGoal = false;
        w->showMain();
    }

    void cleanup() { finish(); }

    void beginBecomesAvailableStepByStep()
    {
        QVERIFY(!w->cmdBegin->isEnabled());
        QVERIFY(!w->cboMonth->isEnabled());
        planfixture::answerPlanType(*platform, true);
        w->cboCourses->setCurrentIndex(0);
        QVERIFY2(!w->cboMonth->isEnabled(), "the period comes before the week");
        w->txtPeriod->setText(QStringLiteral("3"));
        QVERIFY(w->cboMonth->isEnabled());
        w->cboMonth->setCurrentIndex(1); // September
        QCOMPARE(w->cboDate->count(), 30);
        QVERIFY(!w->cmdBegin->isEnabled());
        QCOMPARE(w->lblYear->text(), QStringLiteral("2009"));
        w->cboDate->setCurrentIndex(6);
        QVERIFY(w->cmdBegin->isEnabled());
        QVERIFY(m->blnReadyToBegin);
        QCOMPARE(
            planfixture::itemTexts(w->cboDay),
            QStringList({"Monday, September 7", "Tuesday, September 8", "Wednesday, September 9",
                         "Thursday, September 10", "Friday, September 11"}));
        QCOMPARE(w->cboDay->currentIndex(), 0);
        QCOMPARE(w->lblUnchanged->text(), QStringLiteral("Revise objective for September 7?"));
        QVERIFY(!w->lblNewDay->isHidden());
        QCOMPARE(w->lblNewDay->text(),
                 QStringLiteral("\r\nSetting Date\r\nto\r\nMonday, September 7"));

        // Another month empties the dates; Begin waits for a date again.
        w->cboMonth->setCurrentIndex(4); // December
        QCOMPARE(w->cboDate->currentIndex(), -1);
        QVERIFY(!w->cmdBegin->isEnabled());
        // A December week reaching January is labelled with the day chosen.
        w->cboDate->setCurrentIndex(27);
        w->cboDay->setCurrentIndex(4);
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Friday, January 1"));
        QCOMPARE(w->lblYear->text(), QStringLiteral("2010"));
    }

    void planTypeQuestion()
    {
        platform->actInDialog(QStringLiteral("frmWeekly"), [](QDialog *d) {
            auto *dialog = static_cast<frmWeekly *>(d);
            dialog->optUnit->click();
            dialog->chkAsk->click();
            dialog->cmdOK->click();
        });
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
        planfixture::answerPlanType(*platform, true);
        w->cboCourses->setCurrentIndex(0);
        w->txtPeriod->setText(QStringLiteral("3"));
        w->cboMonth->setCurrentIndex(1);
        w->cboDate->setCurrentIndex(6);
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
        dataColumns<int, QString>({"order", "heading"});
        const QString t = QStringLiteral("Your Name Here...");
        const QString wk = QStringLiteral("Week of September 7");
        const QString y = QStringLiteral("2009-2010 Lesson Plans");
        dataRow("0", 0, "[U]" + t + "     " + wk + "     " + y + "[/U]\n\n");
        dataRow("1", 1, "[U]" + wk + "     " + t + "     " + y + "[/U]\n\n");
        dataRow("2", 2, "[U]" + y + "     " + wk + "     " + t + "[/U]\n\n");
        dataRow("3", 3, "[U]" + t + "          " + y + "     " + wk + "[/U]\n\n");
        dataRow("unknown order: no heading", 7, "");
    }

    void headingLine()
    {
        const auto [order, heading] = fetchRow<int, QString>({"order", "heading"});
        m->intDisplayOrder = order;
        begin();
        QCOMPARE(dumpDocument(*w->RTxtComposite),
                 heading + "[B]Subject: \"Course/Subject #1\"    Period 3[/B]\n");
    }

    void schoolNameAndNoPeriod()
    {
        m->blnUseSchoolName = true;
        m->strSchoolName = QStringLiteral("Lincoln High");
        m->blnShowPeriod = false;
        planfixture::answerPlanType(*platform, true);
        w->cboCourses->setCurrentIndex(1);
        QVERIFY2(w->cboMonth->isEnabled(), "without a period the week comes right away");
        w->cboMonth->setCurrentIndex(0);
        w->cboDate->setCurrentIndex(23);
        w->cmdBegin->click();
        QCOMPARE(dumpDocument(*w->RTxtComposite),
                 QStringLiteral("LINCOLN HIGH\n[U]Your Name Here...     Week of August 24     "
                                "2009-2010 Lesson Plans[/U]\n\n[B]Subject: \"Course/Subject "
                                "#2\"[/B]\n"));
    }

    void unitPlan_data()
    {
        dataColumns<bool, QString>({"shown", "dump"});
        const QString head =
            QStringLiteral("[U]Your Name Here...     Unit Plan     2009-2010 Lesson "
                           "Plans[/U]\n\n[B]Subject: \"Course/Subject #1\"    "
                           "Period 2[/B]\n");
        dataRow("topic, objective and timeline shown", true,
                head + "\n[B]Unit Topic: Fractions[/B]\n");
        dataRow("none shown", false, head);
    }

    void unitPlan()
    {
        const auto [shown, dump] = fetchRow<bool, QString>({"shown", "dump"});
        m->blnShowUnitTopic = shown;
        m->blnShowDailyObj = shown;
        m->blnShowTimeline = shown;
        planfixture::answerPlanType(*platform, false);
        w->cboCourses->setCurrentIndex(0);
        w->txtPeriod->setText(QStringLiteral("2"));
        QVERIFY(w->txtUnit->isEnabled());
        w->txtUnit->setText(QStringLiteral("Fractions"));
        QVERIFY(w->cmdBegin->isEnabled());
        if (shown)
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
        w->lstAdd->addItem(QStringLiteral("left over"));
        begin();
        QCOMPARE(m->intStep, 1);
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));
        QCOMPARE(w->helpContextId(), 10004);
        QVERIFY(!w->fraDay->isHidden());
        QVERIFY(w->fraBlank->isHidden());
        QVERIFY(w->RTxtComposite->isEnabled());
        QCOMPARE(w->RTxtComposite->BackColor(), ui::white());
        for (QWidget *locked : std::initializer_list<QWidget *>{
                 w->cboCourses, w->txtPeriod, w->cboMonth, w->cboDate, w->cmdBegin})
            QVERIFY2(!locked->isEnabled(), qPrintable(locked->objectName()));
        QVERIFY(w->cboDay->isEnabled());
        QCOMPARE(w->FrameLabel->text(), QStringLiteral("  Strategies:"));
        QCOMPARE(ui::backColor(w->lstAdd), ui::lightYellow());
        QCOMPARE(w->lblTask[0]->text(), QStringLiteral("Lecture"));
        QCOMPARE(w->lblTask[7]->text(), QStringLiteral("And create your own"));
        QCOMPARE(w->lblTask[8]->text(), QString());
        QCOMPARE(w->cmdDone1->text(), QStringLiteral("Strategies List &Finished"));
        QCOMPARE(w->optTask[15]->text(),
                 QStringLiteral("( No entries... Non-Instructiona&l Day )"));
        QVERIFY(!w->cmdNote->isHidden());
        QVERIFY(w->txtObjective->isEnabled());
    }

    void stepScreens_data()
    {
        dataColumns<int, int, QString>({"step", "help", "frame"});
        dataRow("assessment", 2, 10007, "fraDay");
        dataRow("materials", 3, 10008, "fraLists");
        dataRow("standards", 4, 10009, "fraStandards");
    }

    void stepScreens()
    {
        const auto [step, help, frame] = fetchRow<int, int, QString>({"step", "help", "frame"});
        beginAtStep(step);
        QCOMPARE(w->helpContextId(), help);
        for (QWidget *f : std::initializer_list<QWidget *>{w->fraDay, w->fraLists, w->fraStandards})
            QCOMPARE(!f->isHidden(), f->objectName() == frame);
        QCOMPARE(m->intStep, step);
    }

    void assessmentStep()
    {
        m->blnShowTime = true;
        m->strTimeOnTask = QStringLiteral("5 min");
        m->strAssessHeading = QStringLiteral("A");
        begin();
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
        begin();
        w->lstAdd->addItem(QStringLiteral("Lecture: chapter 2"));
        m->strActivities[0] = QStringLiteral("Guided Reading");
        m->strTasksHeading = QStringLiteral("Procedures");
        w->Form_Activate();
        QCOMPARE(w->lblTask[0]->text(), QStringLiteral("Guided Reading"));
        QCOMPARE(w->cmdDone1->text(), QStringLiteral("Procedures List &Finished"));
        QCOMPARE(w->lstAdd->count(), 1);
        QCOMPARE(m->intStep, 1);
    }

    // What the standards step shows; which standards come ticked is the standards screen's.
    void standardsStep_data()
    {
        dataColumns<bool, QString, QString, QString, QStringList>(
            {"once", "mode", "button", "when", "lines"});
        dataRow("each day, full text", false, "NO PREFIXES", "&Add to Plan",
                "Select or deselect items from the list as necessary.",
                QStringList{"A-1-2B    Graphs", " Blank prefix", "No prefix"});
        dataRow("once at the end, prefixes", true, "PREFIXED", "Cont&inue",
                "Your settings specify that the ''Educational Standards'' should be printed at "
                "the end of the Lesson Plan Document. Select or deselect items from the list as "
                "necessary. This window will be displayed for each day as the Plan is being "
                "developed.",
                QStringList{"A-1-2B    Graphs", "          Blank prefix", "         No prefix"});
    }

    void standardsStep()
    {
        const auto [once, mode, button, when, lines] =
            fetchRow<bool, QString, QString, QString, QStringList>(
                {"once", "mode", "button", "when", "lines"});
        m->blnStandardsOnce = once;
        m->strStandardsMode = mode;
        m->strStdCodes = {QStringLiteral("A-1-2B"), QStringLiteral(" "), QString()};
        m->strStdTexts = {QStringLiteral("Graphs"), QStringLiteral("Blank prefix"),
                          QStringLiteral("No prefix")};
        begin();
        m->blnReadyToBegin = true;
        m->intStep = 4;
        w->PrepareStep();
        QCOMPARE(m->blnReadyToBegin, !once);
        QCOMPARE(w->cmdAddToPlan->text(), button);
        QCOMPARE(w->lblWhen->text(), when);
        QCOMPARE(!w->lblArrows->isHidden(), once);
        QCOMPARE(planfixture::itemTexts(w->lstChooseStandards), lines);
    }

    void weekBeginsOnItsFirstDay_data()
    {
        dataColumns<int, int, int, QString, QString>({"month", "date", "answer", "icon", "week"});
        const int yes = int(Platform::Answer::Yes), no = int(Platform::Answer::No);
        dataRow("a Wednesday, its week taken", 5, 6, yes, "question", "January 4");
        dataRow("a Wednesday, its week declined", 5, 6, no, "question", "");
        dataRow("a Thursday whose week begins in the month before", 2, 1, yes, "question",
                "September 28");
        dataRow("a Saturday whose week begins before the school year", 0, 1,
                int(Platform::Answer::OK), "exclamation", "");
    }

    // No day is ever written under a weekday it does not have: a date that is not the first day
    // of the school week is not taken as one; the week that holds it is offered instead.
    void weekBeginsOnItsFirstDay()
    {
        const auto [month, date, answer, icon, week] =
            fetchRow<int, int, int, QString, QString>({"month", "date", "answer", "icon", "week"});
        m->strSchoolYear = QStringLiteral("2026-2027");
        w->Form_Activate();
        planfixture::answerPlanType(*platform, true);
        w->cboCourses->setCurrentIndex(0);
        w->txtPeriod->setText(QStringLiteral("3"));
        w->cboMonth->setCurrentIndex(month);
        platform->answerMessage(Platform::Answer(answer), QString(), QStringLiteral("Week of"));
        w->cboDate->setCurrentIndex(date - 1);
        QCOMPARE(platform->lastPrompt().icon,
                 icon == "question" ? Platform::Icon::Question : Platform::Icon::Exclamation);
        if (week.isEmpty()) {
            QCOMPARE(w->cboDate->currentText(), QString());
            QCOMPARE(w->cboDay->count(), 0);
            QVERIFY(!w->cmdBegin->isEnabled());
            return;
        }
        QCOMPARE(w->cboMonth->currentText() + QLatin1Char(' ') + w->cboDate->currentText(), week);
        QVERIFY(w->cboDay->itemText(0).startsWith(QStringLiteral("Monday, ") + week));
        QVERIFY(w->cboDay->itemText(4).startsWith(QStringLiteral("Friday, ")));
        QVERIFY(w->cmdBegin->isEnabled());
        w->cmdBegin->click();
        QVERIFY(dumpDocument(*w->RTxtComposite).contains(QStringLiteral("Week of ") + week));
    }

    void calendarPicksTheWeek()
    {
        platform->todayDate = QDate(2026, 9, 15);
        planfixture::answerPlanType(*platform, true);
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
        // Said in the window itself, not only in a title the window manager may not show.
        QVERIFY(!cal->lblChoose->isHidden());
        QVERIFY(cal->lblChoose->text().contains(QStringLiteral("Wednesday, September 16")));
        QVERIFY(!w->cmdBegin->isEnabled());

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
};

QTEST_MAIN(TestPlanStart)
#include "tst_planstart.moc"
