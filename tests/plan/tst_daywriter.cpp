// Whole plans, compared as formatted runs: the day's heading lines, the lists, the closure,
// the materials and standards, non-instructional days and the end of the plan.
#include "document/standardsstep.h"
#include "plan/daywriter.h"
#include "plan/planstart.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/planfixture.h"

#include <QGroupBox>
#include <QLabel>

namespace
{
const QString Heading = QStringLiteral("[U]Your Name Here...     Week of September 7     2009-2010 "
                                       "Lesson Plans[/U]\n\n[B]Subject: \"Course/Subject #1\"    "
                                       "Period 3[/B]\n");
const QString Goal = QStringLiteral("[I]Unit Goal: Fractions[/I]\n");
} // namespace

class TestDayWriter : public planfixture::WindowTest
{
    Q_OBJECT

    // One ordinary day with the default settings: objective, two activities and a closure,
    // one assessment, no materials ticked (skipped), the course's standards added.
    void defaultDay(const QString &objective, const std::function<void()> &midway = {})
    {
        w->txtObjective->setPlainText(objective);
        addItem(0, QStringLiteral("chapter 2"));
        if (midway)
            midway();
        addItem(2, QStringLiteral("worksheet"));
        w->txtClosure->setPlainText(QStringLiteral("Homework p. 12"));
        w->cmdDone1->click();
        QCOMPARE(m->intStep, 2);
        addItem(0, QStringLiteral("on fractions"));
        w->cmdDone1->click();
        QCOMPARE(m->intStep, 3);
        w->cmdSkip->click();
        QCOMPARE(m->intStep, 4);
        w->cmdAddToPlan->click();
    }

    static QString expectedDay(const QString &day, const QString &objective)
    {
        return QStringLiteral("\n[B]") + day + QStringLiteral("[/B]\n[I]Daily Objective: ") +
               objective +
               QStringLiteral("[/I]\n[I][U]Strategies:[/U][/I]\n1. Lecture: chapter 2\n2. "
                              "Classroom Practice: worksheet\n[I][U]Closing:[/U][/I]\nHomework "
                              "p. 12\n[I][U]Assessment:[/U][/I]\n1. Quiz on fractions\n"
                              "[I][U]Educational Standards:[/U][/I]\nA-1-2C   The full text of "
                              "another Educational Standard will display here.\nA-2-1A   The full "
                              "text of a third Educational Standard will display here.\n");
    }

    // Only the activities (and, when asked, the standards) are shown.
    void hideAllBut(bool standards)
    {
        m->blnShowAssessment = false;
        m->blnShowMaterials = false;
        m->blnShowStandards = standards;
        m->blnShowUnitGoal = false;
        m->blnShowClosure = false;
    }

    // A school year changed on a settings screen while a list is being built, and a later
    // return to the window: the plan under way keeps its week, its step and its list.
    void changeSchoolYearMidList()
    {
        m->strSchoolYear = QStringLiteral("2010-2011");
        w->cmdSettings->click();
        w->cmdSettings->click();
        QCOMPARE(w->lstAdd->count(), 1);
        QCOMPARE(m->intStep, 1);
    }

    // The day's objective and one activity, up to the standards step.
    void toStandardsStep()
    {
        w->txtObjective->setPlainText(QStringLiteral("One"));
        addItem(0, QStringLiteral("x"));
        w->cmdDone1->click();
        QCOMPARE(m->intStep, 4);
    }

private Q_SLOTS:
    void init()
    {
        load();
        w->showMain();
    }

    void cleanup() { finish(); }

    void wholeWeekWithTheDefaults_data()
    {
        QTest::addColumn<bool>("yearChanged");
        dataRow("as begun", false);
        dataRow("school year changed on Wednesday", true);
    }

    // A whole week comes out day by day, also when the school year is changed in the middle of
    // it: nothing of the plan under way is lost, and the lists follow the new year afterwards.
    void wholeWeekWithTheDefaults()
    {
        QFETCH(bool, yearChanged);
        // The goal's trailing line break is not written.
        planfixture::beginWeeklyPlan(*w, *platform, 1, 7, QStringLiteral("Fractions\r\n"));
        const QStringList days = {"Monday, September 7", "Tuesday, September 8",
                                  "Wednesday, September 9", "Thursday, September 10",
                                  "Friday, September 11"};
        QString expected = Heading + Goal;
        for (int d = 0; d < days.size(); ++d) {
            QCOMPARE(w->cboDay->currentText(), days.at(d));
            const QString objective = QStringLiteral("Objective %1").arg(d + 1);
            if (d == days.size() - 1)
                platform->answerMessage(Platform::Answer::OK, QString(),
                                        QStringLiteral("End of Week"));
            if (yearChanged && d == 2)
                defaultDay(objective, [this] { changeSchoolYearMidList(); });
            else
                defaultDay(objective);
            expected += expectedDay(days.at(d), objective);
        }
        QCOMPARE(dumpDocument(*w->RTxtComposite).split(QLatin1Char('\n')),
                 expected.split(QLatin1Char('\n')));
        QCOMPARE(m->intStep, 0);
        QVERIFY(!w->cmdBegin->isEnabled());
        QVERIFY(w->cmdEnlarge->isEnabled());
        // The choice of standards is remembered for the course.
        QCOMPARE(m->strStdChoices.at(0), QStringLiteral("01100"));
        if (!yearChanged)
            return;
        // 7 September 2010 is a Tuesday: the date must be picked again for the next plan.
        w->Form_Activate();
        QCOMPARE(w->lblYear->text(), QStringLiteral("2010"));
        QCOMPARE(w->cboDate->currentText(), QString());
        QVERIFY(!w->cmdBegin->isEnabled());
    }

    // A special note written for one day was offered again, filled in, on the next day, and
    // one click wrote it a second time.
    void timesAndTheSpecialNoteWrittenOnce()
    {
        m->blnShowTime = true;
        m->strTimeTemplate = QStringLiteral("[X] ");
        m->blnShowMaterials = false;
        m->blnShowStandards = false;
        m->blnShowUnitGoal = false;
        planfixture::beginWeeklyPlan(*w, *platform);
        platform->actInDialog(QStringLiteral("frmSpecialNote"), [](QDialog *d) {
            static_cast<frmSpecialNote *>(d)->setEntryText(QStringLiteral("Assembly"));
            static_cast<frmSpecialNote *>(d)->cmdUnitDone->click();
        });
        w->cmdNote->click();
        w->txtObjective->setPlainText(QStringLiteral("Ratios"));
        platform->actInDialog(QStringLiteral("frmTimeOnTask"), [](QDialog *d) {
            static_cast<frmTimeOnTask *>(d)->txtTime->setText(QStringLiteral("15"));
            static_cast<frmTimeOnTask *>(d)->cmdUnitDone->click();
        });
        addItem(0, QStringLiteral("Chapter 3"));
        w->cmdDone1->click();
        addItem(1, QStringLiteral("Ch. 3"));
        w->cmdDone1->click();
        QCOMPARE(dumpDocument(*w->RTxtComposite).split(QLatin1Char('\n')),
                 (Heading + QStringLiteral("\n[B]Monday, September 7[/B]\n[Assembly]\n[I]Daily "
                                           "Objective: Ratios[/I]\n[I][U]Strategies:[/U][/I]\n1. "
                                           "[15 min] Lecture: Chapter 3\n[I][U]Assessment:[/U][/I]"
                                           "\n1. Chapter Test Ch. 3\n"))
                     .split(QLatin1Char('\n')));
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Tuesday, September 8"));
        QCOMPARE(m->intStep, 1);
        platform->actInDialog(QStringLiteral("frmSpecialNote"), [](QDialog *d) {
            QCOMPARE(static_cast<frmSpecialNote *>(d)->txtNote->toPlainText(), QString());
            static_cast<frmSpecialNote *>(d)->cmdUnitDone->click();
        });
        w->cmdNote->click();
        QVERIFY(m->strSpecialNote.isEmpty());
    }

    // The day ends with the activities; the next day starts with the objective carried over, and
    // the last day ends the week.
    void everythingHiddenGoesStraightToTheNextDay()
    {
        hideAllBut(false);
        m->intDaysPerWeek = 2;
        planfixture::beginWeeklyPlan(*w, *platform);
        w->txtObjective->setPlainText(QStringLiteral("One"));
        addItem(3, QStringLiteral("last night's"));
        QVERIFY(w->txtClosure->isHidden());
        w->cmdDone1->click();
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Tuesday, September 8"));
        QCOMPARE(m->intStep, 1);
        QCOMPARE(w->txtObjective->toPlainText(), QStringLiteral("One"));
        QCOMPARE(ui::backColor(w->txtObjective), ui::lightRed());
        QVERIFY(!w->lblUnchanged->isHidden());
        QVERIFY(!w->cmdContinue->isHidden());
        QVERIFY(!w->cmdNewUnit->isHidden());
        QVERIFY(w->optDummy->isChecked());
        w->txtObjective->setPlainText(QStringLiteral("Two"));
        addItem(4, QString());
        platform->answerMessage(
            Platform::Answer::OK,
            QStringLiteral("End of Week. Save or print the Lesson Plan Document."),
            QStringLiteral("End of Week"));
        w->cmdDone1->click();
        QCOMPARE(m->intStep, 0);
        QVERIFY(w->fraDay->isHidden());
        QVERIFY(!w->fraBlank->isHidden());
        QVERIFY(w->txtObjective->toPlainText().isEmpty());
        QVERIFY(!m->blnReadyToBegin);
        QCOMPARE(dumpDocument(*w->RTxtComposite),
                 Heading + QStringLiteral("\n[B]Monday, September 7[/B]\n[I]Daily Objective: "
                                          "One[/I]\n[I][U]Strategies:[/U][/I]\n1. Review Homework: "
                                          "last night's\n\n[B]Tuesday, September 8[/B]\n[I]Daily "
                                          "Objective: Two[/I]\n[I][U]Strategies:[/U][/I]\n1. Exit "
                                          "Cards:\n"));
    }

    // Answering No to a non-instructional day disabled the special note of a day still open.
    void nonInstructionalDays()
    {
        m->blnShowAssessment = false;
        m->blnShowMaterials = false;
        m->blnShowStandards = false;
        m->blnShowUnitGoal = false;
        m->intDaysPerWeek = 4;
        planfixture::beginWeeklyPlan(*w, *platform);
        const QString question =
            QStringLiteral("Add Monday, September 7, to the Lesson Plan Document\r\nwithout "
                           "instructional activities for the day?\r\n(A Special Note will be "
                           "requested if the\r\nPage Configuration has been set up to include "
                           "one.)");

        // Yes without a note
        platform->answerMessage(Platform::Answer::Yes, question,
                                QStringLiteral("Non-Instructional Day"));
        platform->actInDialog(QStringLiteral("frmSpecialNote"), [](QDialog *d) {
            auto *note = static_cast<frmSpecialNote *>(d);
            QVERIFY(!note->lblInstruct->isHidden());
            note->cmdUnitDone->click();
        });
        w->optTask[15]->click();
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Tuesday, September 8"));

        // Yes with a note
        platform->answerMessage(Platform::Answer::Yes);
        platform->actInDialog(QStringLiteral("frmSpecialNote"), [](QDialog *d) {
            static_cast<frmSpecialNote *>(d)->setEntryText(QStringLiteral("Field trip"));
            static_cast<frmSpecialNote *>(d)->cmdUnitDone->click();
        });
        w->optTask[15]->click();
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Wednesday, September 9"));

        // No: the day stays open for activities, and for its special note.
        platform->answerMessage(Platform::Answer::No);
        w->optTask[15]->click();
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Wednesday, September 9"));
        QCOMPARE(w->optTask[15]->text(), QStringLiteral("( Blank &Line for Free-Form Typing )"));
        QVERIFY(!w->optTask[15]->isChecked());
        QVERIFY(w->cmdNote->isEnabled());

        QCOMPARE(dumpDocument(*w->RTxtComposite),
                 Heading + QStringLiteral("\n[B]Monday, September 7[/B]\n\n[B]Tuesday, "
                                          "September 8[/B]\n[Field trip]\n"));
    }

    // A unit plan without materials or standards stayed at step 1 after "End of Unit": the entry
    // panel was live and a second list could be written under the finished plan.
    void unitPlan()
    {
        m->blnShowMaterials = false;
        m->blnShowStandards = false;
        m->blnShowAssessment = false;
        planfixture::beginUnitPlan(*w, *platform, QStringLiteral("Fractions"));
        platform->answerMessage(Platform::Answer::OK,
                                QStringLiteral("Please fill in a Time Frame for this Unit Plan."),
                                QStringLiteral("Missing Data"));
        addItem(0, QStringLiteral("adding"));
        // A unit plan under way, too, loses nothing to a change of school year.
        changeSchoolYearMidList();
        const QString before = dumpDocument(*w->RTxtComposite);
        w->cmdDone1->click();
        QCOMPARE(dumpDocument(*w->RTxtComposite), before);

        w->txtObjective->setPlainText(QStringLiteral("Two weeks"));
        platform->answerMessage(Platform::Answer::OK,
                                QStringLiteral("End of Unit. Save or print the Lesson Plan "
                                               "Document."),
                                QStringLiteral("End of Unit"));
        w->cmdDone1->click();
        QCOMPARE(dumpDocument(*w->RTxtComposite),
                 QStringLiteral("[U]Your Name Here...     Unit Plan     2009-2010 Lesson "
                                "Plans[/U]\n\n[B]Subject: \"Course/Subject #1\"    Period 3[/B]\n\n"
                                "[B]Unit Topic: Fractions[/B]\nTimeline: Two weeks\n[B][I]Daily "
                                "Objective: Add fractions[/I][/B]\n\n[I][U]Strategies:[/U][/I]\n1. "
                                "Lecture: adding\n"));
        // Closed until a new plan, also after the window is activated again.
        w->Form_Activate();
        QCOMPARE(m->intStep, 0);
        QVERIFY(w->fraDay->isHidden());
        QVERIFY(w->cmdDone1->isHidden());
    }

    void standardsBlock_data()
    {
        dataColumns<QString, bool, bool, QList<int>, QString>(
            {"mode", "once", "weekly", "ticked", "block"});
        const QString h = QStringLiteral("[I][U]Educational Standards:[/U][/I]\n");
        dataRow("full text", "NO PREFIXES", false, true, QList<int>{0, 1},
                h + "A-1   First\nB-2   Second\n");
        dataRow("nothing ticked", "NO PREFIXES", false, true, QList<int>{}, h);
        dataRow("prefixes on one line", "PREFIXED", false, true, QList<int>{0, 1, 3},
                h + "A-1;   B-2;   \n");
        dataRow("once in a unit plan", "NO PREFIXES", true, false, QList<int>{0},
                h + "A-1   First");
        dataRow("blank and empty prefixes", "NO PREFIXES", false, true, QList<int>{2, 3},
                h + " Third\nFourth\n");
        dataRow("unknown mode counts as full text", "Prefixed", false, true, QList<int>{1},
                h + "B-2   Second\n");
    }

    void standardsBlock()
    {
        const auto [mode, once, weekly, ticked, block] =
            fetchRow<QString, bool, bool, QList<int>, QString>(
                {"mode", "once", "weekly", "ticked", "block"});
        m->strStandardsMode = mode;
        m->blnStandardsOnce = once;
        m->blnWeeklyPlans = weekly;
        m->strStdCodes = {QStringLiteral("A-1"), QStringLiteral("B-2"), QStringLiteral(" "),
                          QString()};
        m->strStdTexts = {QStringLiteral("First"), QStringLiteral("Second"),
                          QStringLiteral("Third"), QStringLiteral("Fourth")};
        w->RTxtComposite->setEnabled(true);
        m->intStep = 4;
        w->PrepareStep();
        for (int i = 0; i < w->lstChooseStandards->count(); ++i)
            ui::setTicked(w->lstChooseStandards, i, ticked.contains(i));
        w->standards->WriteStandards();
        QCOMPARE(dumpDocument(*w->RTxtComposite), block);
        QVERIFY(w->plan->blnStandardsAdded);
    }

    // The standards come ticked as last chosen for the plan's course, and the choice is kept.
    void standardsChoiceRememberedPerCourse_data()
    {
        dataColumns<int, QString, QString>({"course", "preselected", "chosen"});
        dataRow("first course", 0, "01100", "10001");
        dataRow("third course", 2, "00110", "11111");
    }

    void standardsChoiceRememberedPerCourse()
    {
        const auto [course, preselected, chosen] =
            fetchRow<int, QString, QString>({"course", "preselected", "chosen"});
        hideAllBut(true);
        planfixture::answerPlanType(*platform, true);
        w->cboCourses->setCurrentIndex(course);
        w->txtPeriod->setText(QStringLiteral("3"));
        w->cboMonth->setCurrentIndex(1);
        w->cboDate->setCurrentIndex(6);
        w->cmdBegin->click();
        for (const QString &offered : {preselected, chosen}) {
            toStandardsStep();
            QCOMPARE(w->plan->intCourseIndex, course);
            QString ticked;
            for (int i = 0; i < w->lstChooseStandards->count(); ++i)
                ticked += ui::isTicked(w->lstChooseStandards, i) ? u'1' : u'0';
            QCOMPARE(ticked, offered);
            for (int i = 0; i < chosen.size(); ++i)
                ui::setTicked(w->lstChooseStandards, i, chosen.at(i) == u'1');
            w->cmdAddToPlan->click();
            QCOMPARE(m->strStdChoices.at(course), chosen);
        }
    }

    // Standards once a plan: each day's step only continues; the last day's choice is written
    // after the last day, after an empty line and with no break after it.
    void standardsOnceWrittenAfterTheLastDay()
    {
        hideAllBut(true);
        m->blnStandardsOnce = true;
        m->strStandardsMode = QStringLiteral("PREFIXED");
        m->intDaysPerWeek = 2;
        planfixture::beginWeeklyPlan(*w, *platform);
        QString expected = dumpDocument(*w->RTxtComposite);
        for (const QString day : {"Monday, September 7", "Tuesday, September 8"}) {
            toStandardsStep();
            QCOMPARE(w->cmdAddToPlan->text(), QStringLiteral("Cont&inue"));
            for (int i = 0; i < w->lstChooseStandards->count(); ++i)
                ui::setTicked(w->lstChooseStandards, i, i == 1 || (i == 4 && day.startsWith(u'T')));
            if (day.startsWith(u'T'))
                platform->answerMessage(Platform::Answer::OK, QString(),
                                        QStringLiteral("End of Week"));
            w->cmdAddToPlan->click();
            expected += QStringLiteral("\n[B]") + day +
                        QStringLiteral("[/B]\n[I]Daily Objective: One[/I]\n[I][U]Strategies:[/U]"
                                       "[/I]\n1. Lecture: x\n");
        }
        expected += QStringLiteral("\n[I][U]Educational Standards:[/U][/I]\nA-1-2C;   B-3-5D");
        QCOMPARE(dumpDocument(*w->RTxtComposite).split(QLatin1Char('\n')),
                 expected.split(QLatin1Char('\n')));
        QCOMPARE(m->strStdChoices.at(0), QStringLiteral("01001"));
        QCOMPARE(m->intStep, 0);
    }
};

QTEST_MAIN(TestDayWriter)
#include "tst_daywriter.moc"
