// Plans through the main window: what may begin a plan and which week it takes,
// the day's entries and their editors, and whole plans written day by day,
// compared as documents.
#include "document/completion.h"
#include "document/frmeditmat.h"
#include "document/recovery.h"
#include "plan/dayentries.h"
#include "plan/frmcal.h"
#include "plan/schoolcalendar.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/golden.h"
#include "support/planfixture.h"

#include <QCalendarWidget>
#include <QDir>
#include <QLabel>

using Answer = Platform::Answer;
using planfixture::itemTexts;

class TestPlan : public planfixture::WindowTest
{
    Q_OBJECT

    QStringList flags; // the settings of the model flow's row

    bool has(const char *flag) const { return flags.contains(QLatin1String(flag)); }
    QString text(const char *key) const
    {
        return flags.filter(QLatin1String(key) + u'=').value(0).section(u'=', 1);
    }
    int number(const char *key, int otherwise) const
    {
        return text(key).isEmpty() ? otherwise : text(key).toInt();
    }

    // The plan type, course and period given, ready for the week.
    void choose(bool weekly, int course = 0)
    {
        planfixture::answerPlanType(*platform, weekly);
        w->cboCourses->setCurrentIndex(course);
        w->txtPeriod->setText(QStringLiteral("3"));
    }

    void beginWeekly(const QString &objective = QStringLiteral("Add fractions"))
    {
        m->blnShowUnitGoal = false;
        planfixture::beginWeeklyPlan(*w, *platform);
        w->txtObjective->setPlainText(objective);
    }

    // Keys: E is Enter, < the caret to the start, L Left, D Down, S Shift; the
    // rest is typed.
    static void typeKeys(QWidget *field, const QString &keys)
    {
        const Qt::Key named[] = {Qt::Key_Return, Qt::Key_Left, Qt::Key_Down, Qt::Key_Shift};
        for (const QChar key : keys) {
            if (key == u'<')
                static_cast<QPlainTextEdit *>(field)->moveCursor(QTextCursor::Start);
            else if (const auto k = QStringLiteral("ELDS").indexOf(key); k >= 0)
                QTest::keyClick(field, named[k]);
            else
                QTest::keyClick(field, key.toLatin1());
        }
    }

    void setTime(const QString &minutes)
    {
        platform->actInDialog(QStringLiteral("frmTimeOnTask"), [minutes](QDialog *d) {
            static_cast<frmTimeOnTask *>(d)->txtTime->setText(minutes);
            static_cast<frmTimeOnTask *>(d)->cmdUnitDone->click();
        });
    }

    void writeNote(const QString &note)
    {
        platform->actInDialog(QStringLiteral("frmSpecialNote"), [note](QDialog *d) {
            auto *dialog = static_cast<frmSpecialNote *>(d);
            QCOMPARE(dialog->txtNote->toPlainText(),
                     QString()); // never offered twice
            dialog->setEntryText(note);
            dialog->cmdUnitDone->click();
        });
    }

    // A weekly plan whose first day is written up to the materials step.
    void toMaterialsStep()
    {
        m->strMaterials = {"T0Algebra 1", "T0Workbook", "M0Rulers"};
        m->blnShowAssessment = false;
        m->blnShowStandards = false;
        beginWeekly(QStringLiteral("One"));
        addItem(0, QStringLiteral("x"));
        w->cmdDone1->click();
        w->txtSample->setPlainText(QStringLiteral("Text(s): A\n\n"));
    }

    // The listing editor shown; the action runs while it is on screen with its
    // window active.
    void inEditor(const std::function<void(frmEditMat &)> &action)
    {
        platform->actInDialog(QStringLiteral("frmEditMat"), [action](QDialog *d) {
            auto *editor = static_cast<frmEditMat *>(d);
            editor->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(editor));
            action(*editor);
        });
        w->cmdEditMat->click();
    }

    // One day of the model flow, every step the settings show.
    void writeDay(int day, bool last)
    {
        if (has("offday") && day == 1) {
            platform->answerMessage(Answer::Yes, QString(),
                                    QStringLiteral("Non-Instructional Day"));
            writeNote(QStringLiteral("Field trip"));
            w->optTask[15]->click();
            return;
        }
        if (has("offday") && day == 2) {
            // No leaves the day open, its special note too.
            platform->answerMessage(Answer::No, QString(), QStringLiteral("Non-Instructional Day"));
            w->optTask[15]->click();
            QVERIFY(w->cmdNote->isEnabled());
        }
        if (has("note") && day < 2) {
            writeNote(day == 0 ? QStringLiteral("Assembly") : QString());
            w->cmdNote->click();
        }
        if (has("cont") && day == 1)
            w->cmdContinue->click();
        else if (m->blnWeeklyPlans)
            w->txtObjective->setPlainText(QStringLiteral("Objective %1").arg(day + 1));
        if (m->blnShowTime)
            setTime(QStringLiteral("15"));
        addItem(0, QStringLiteral("chapter 2"));
        if (has("yearchange") && day == (m->blnWeeklyPlans ? 2 : 0)) {
            // A settings screen visited while the list is built: the plan under way
            // keeps it.
            m->strSchoolYear = QStringLiteral("2010-2011");
            w->cmdSettings->click();
            QCOMPARE(w->lstAdd->count(), 1);
        }
        if (m->blnShowTime)
            setTime(QString());
        addItem(2, QStringLiteral("worksheet"));
        if (!w->txtClosure->isHidden())
            w->txtClosure->setPlainText(QStringLiteral("Homework p. 12"));
        if (!m->blnWeeklyPlans && m->blnShowTimeline) {
            platform->answerMessage(Answer::OK, QString(), QStringLiteral("Missing Data"));
            w->cmdDone1->click();
            QCOMPARE(m->intStep, 1);
            w->txtObjective->setPlainText(QStringLiteral("Two weeks"));
        }
        if (last)
            platform->answerMessage(Answer::OK, QString(),
                                    QStringLiteral("End of ") + w->strWeekOrUnit);
        w->cmdDone1->click();
        if (m->intStep == 2) {
            addItem(1, QStringLiteral("on fractions"));
            w->cmdDone1->click();
        }
        if (m->intStep == 3) {
            w->cmdPosition->click();
            w->cmdProceed->click();
        }
        if (m->intStep == 4) {
            if (const QString ticks = text("ticks"); day == 0 && !ticks.isEmpty())
                for (int i = 0; i < w->lstChooseStandards->count(); ++i)
                    ui::setTicked(w->lstChooseStandards, i, ticks.at(i) == u'1');
            w->cmdAddToPlan->click();
        }
        QCOMPARE(m->intStep, last ? 0 : 1);
    }

private Q_SLOTS:
    void init()
    {
        QDir(PlanRecovery::folder()).removeRecursively(); // a plan left by an earlier run
        load();
        w->showMain();
    }

    void cleanup() { finish(); }

    void modelFlow_data()
    {
        QTest::addColumn<QString>("settings");
        dataRow("week-defaults", "yearchange choice=01100");
        dataRow("week-time-note-continued",
                "time note cont school noperiod order=1 nogoal nomaterials "
                "nostandards days=2");
        dataRow("week-activities-offday",
                "offday order=2 nogoal noassessment nomaterials nostandards "
                "noclosure days=4");
        dataRow("week-standards-once", "once prefixed course=2 order=3 nogoal "
                                       "nolisting days=2 ticks=10001 choice=10001");
        dataRow("unit-standards-once", "unit once oddmode");
        dataRow("unit-listing", "unit noassessment nostandards");
        dataRow("unit-bare", "unit yearchange order=7 notopic noobjective "
                             "noassessment nomaterials nostandards");
    }

    // Each setting shows in the written plan. A day, list, closure, note, listing
    // or standards block lost, doubled, misnumbered or out of order; a setting
    // that has no effect; a plan that can be written on past its end or loses its
    // list to a settings screen.
    void modelFlow()
    {
        QFETCH(QString, settings);
        flags = settings.split(QLatin1Char(' '));
        const bool weekly = !has("unit");
        const int course = number("course", 0);
        m->intDisplayOrder = number("order", 0);
        m->intDaysPerWeek = number("days", 5);
        m->blnShowTime = has("time");
        m->strTimeTemplate = QStringLiteral("[X] ");
        m->blnUseSchoolName = has("school");
        m->strSchoolName = QStringLiteral("Lincoln High");
        m->blnShowPeriod = !has("noperiod");
        m->blnShowUnitGoal = weekly && !has("nogoal");
        m->blnShowUnitTopic = !has("notopic");
        m->blnShowDailyObj = !has("noobjective");
        m->blnShowAssessment = !has("noassessment");
        m->blnShowClosure = !has("noclosure");
        m->blnShowMaterials = !has("nomaterials");
        m->blnShowStandards = !has("nostandards");
        m->blnStandardsOnce = has("once");
        m->strStandardsMode = has("prefixed") ? "PREFIXED" : "NO PREFIXES";
        if (has("oddmode")) // an unknown mode counts as full text
            m->strStandardsMode = QStringLiteral("Prefixed");
        m->strStdCodes[2] = QStringLiteral(" "); // a blank prefix
        // Ticked when begun: the textbook and the rulers; the empty and unknown
        // kinds never show.
        m->strMaterials = {"T1Algebra 1 textbook", "R0Graphing tool", "M2Rulers", "M1   ", "X1Odd"};
        if (has("nolisting")) // nothing ticked: not even the heading is written
            m->strMaterials = {"T0Algebra 1"};

        choose(weekly, course);
        if (weekly) {
            w->cboMonth->setCurrentIndex(1);
            w->cboDate->setCurrentIndex(6); // Monday, September 7
            if (m->blnShowUnitGoal)         // its trailing line break is not written
                planfixture::answerUnitGoal(*platform, QStringLiteral("Fractions\r\n"));
        } else {
            w->txtUnit->setText(QStringLiteral("Fractions"));
            if (m->blnShowDailyObj)
                planfixture::answerUnitGoal(*platform, QStringLiteral("Add fractions"));
        }
        w->cmdBegin->click();
        const int days = weekly ? m->intDaysPerWeek : 1;
        for (int day = 0; day < days; ++day)
            writeDay(day, day == days - 1);

        // The plan is closed, also when the window is activated again.
        w->Form_Activate();
        QCOMPARE(m->intStep, 0);
        QVERIFY(w->fraDay->isHidden());
        QVERIFY(w->cmdDone1->isHidden());
        QVERIFY(!w->cmdBegin->isEnabled());
        if (const QString choice = text("choice"); !choice.isEmpty())
            QCOMPARE(m->strStdChoices.at(course), choice);
        if (has("yearchange") && weekly) {
            // 7 September 2010 is a Tuesday: the next plan's date must be picked
            // again.
            QCOMPARE(w->lblYear->text(), QStringLiteral("2010"));
            QCOMPARE(w->cboDate->currentText(), QString());
        }
        const QString name = QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".dump");
        const QString written = dumpDocument(*w->RTxtComposite);
        QCOMPARE(written.split(u'\n'), goldenDump(name, written).split(u'\n'));
    }

    // Begin Plan with a blank period, or an item chosen before the day's
    // objective, went on and wrote a plan with a hole where the teacher was asked
    // for data.
    void refusals()
    {
        m->blnShowUnitGoal = false;
        choose(true);
        w->cboMonth->setCurrentIndex(1);
        w->cboDate->setCurrentIndex(6);
        w->txtPeriod->setText(QStringLiteral("   "));
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Missing Data"));
        w->cmdBegin->click();
        QCOMPARE(w->RTxtComposite->Text(), QString());
        w->txtPeriod->setText(QStringLiteral("3"));
        w->cmdBegin->click();
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Missing Data"));
        w->optTask[2]->click();
        QVERIFY(w->txtDescription->isHidden());
        for (QRadioButton *option : std::as_const(w->optTask))
            QVERIFY(!option->isChecked());
    }

    // Begin Plan offered before the week is complete, a date list of the wrong
    // month, or a week reaching into January labelled with the old year.
    void beginWaitsForTheWeek()
    {
        choose(true);
        w->cboMonth->setCurrentIndex(1); // September
        QCOMPARE(w->cboDate->count(), 30);
        QVERIFY(!w->cmdBegin->isEnabled());
        w->cboDate->setCurrentIndex(6);
        QVERIFY(w->cmdBegin->isEnabled());
        w->cboMonth->setCurrentIndex(4); // December: the date goes, Begin waits again
        QCOMPARE(w->cboDate->currentIndex(), -1);
        QVERIFY(!w->cmdBegin->isEnabled());
        w->cboDate->setCurrentIndex(27);
        w->cboDay->setCurrentIndex(4);
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Friday, January 1"));
        QCOMPARE(w->lblYear->text(), QStringLiteral("2010"));
    }

    void weekBeginsOnItsFirstDay_data()
    {
        dataColumns<int, int, int, QString>({"month", "date", "answer", "week"});
        dataRow("a Wednesday, its week taken", 5, 6, int(Answer::Yes), "January 4");
        dataRow("a Wednesday, its week declined", 5, 6, int(Answer::No), "");
        dataRow("a Thursday whose week begins in the month before", 2, 1, int(Answer::Yes),
                "September 28");
        dataRow("a Saturday whose week begins before the school year", 0, 1, int(Answer::OK), "");
    }

    // A day written under a weekday it does not have: a date that is not the
    // first day of the school week is not taken as one; the week that holds it is
    // offered instead.
    void weekBeginsOnItsFirstDay()
    {
        const auto [month, date, answer, week] =
            fetchRow<int, int, int, QString>({"month", "date", "answer", "week"});
        m->strSchoolYear = QStringLiteral("2026-2027");
        w->Form_Activate();
        choose(true);
        w->cboMonth->setCurrentIndex(month);
        platform->answerMessage(Answer(answer), QString(), QStringLiteral("Week of"));
        w->cboDate->setCurrentIndex(date - 1);
        QCOMPARE(platform->lastPrompt().icon, answer == int(Answer::OK)
                                                  ? Platform::Icon::Exclamation
                                                  : Platform::Icon::Question);
        QCOMPARE(w->cmdBegin->isEnabled(), !week.isEmpty());
        if (week.isEmpty()) {
            QCOMPARE(w->cboDay->count(), 0);
            return;
        }
        QCOMPARE(w->cboMonth->currentText() + QLatin1Char(' ') + w->cboDate->currentText(), week);
        QVERIFY(w->cboDay->itemText(0).startsWith(QStringLiteral("Monday, ") + week));
        QVERIFY(w->cboDay->itemText(4).startsWith(QStringLiteral("Friday, ")));
    }

    // The calendar took a Wednesday as the first day of a week, or ignored the
    // same date again.
    void calendarPicksTheWeek()
    {
        choose(true);
        w->calendar->imgCal_Click();
        frmCal *cal = w->calendar->calendarWindow();
        QCOMPARE(cal->Calendar->minimumDate(), QDate(2009, 8, 1));
        QCOMPARE(cal->Calendar->maximumDate(), QDate(2010, 7, 31));
        cal->Calendar_DateClick(QDate(2009, 9, 16)); // a Wednesday
        QVERIFY(cal->isVisible());
        QVERIFY(!w->cmdBegin->isEnabled());
        cal->Calendar_DateClick(QDate(2009, 9, 14));
        QVERIFY(cal->isHidden());
        QCOMPARE(w->cboDay->itemText(0), QStringLiteral("Monday, September 14"));
        QVERIFY(w->cmdBegin->isEnabled());
        w->cboDay->setCurrentIndex(3);
        w->calendar->imgCal_Click();
        cal->Calendar_DateClick(QDate(2009, 9, 14));
        QCOMPARE(w->cboDay->currentIndex(), 0);
    }

    void enterTwice_data()
    {
        dataColumns<bool, QString, bool, QString>({"listing", "keys", "accepted", "result"});
        dataRow("entry: Enter twice at the end", false, "xEE", true, "Lecture: x");
        dataRow("entry: a second line", false, "xE.EE", true, "Lecture: x\r\n    .");
        dataRow("entry: the caret moved between", false, "xELE", false, "");
        dataRow("entry: Down changes nothing", false, "xEDE", true, "Lecture: x");
        dataRow("entry: away from the end", false, "xE.<EE", false, "");
        dataRow("listing: Enter twice", true, "EE", true, "Text(s): A\n");
        dataRow("listing: a second line", true, "E.EE", true, "Text(s): A\n.\n");
        dataRow("listing: a key between", true, "E.E", false, "Text(s): A\n\n");
        dataRow("listing: away from the end", true, "<EE", false, "Text(s): A\n\n");
    }

    // Enter twice accepts an entry or the materials listing only at the end of
    // the text and only when nothing came between; anything else is a line break.
    void enterTwice()
    {
        const auto [listing, keys, accepted, result] =
            fetchRow<bool, QString, bool, QString>({"listing", "keys", "accepted", "result"});
        if (listing) {
            toMaterialsStep();
            inEditor([&](frmEditMat &d) {
                typeKeys(d.txtEdit, keys);
                QCOMPARE(d.isHidden(), accepted);
            });
            QCOMPARE(w->txtSample->toPlainText(),
                     result); // closed without Done: as it was
            return;
        }
        beginWeekly();
        w->optTask[0]->click();
        typeKeys(w->txtDescription, keys);
        QCOMPARE(itemTexts(w->lstBuild), accepted ? QStringList{result} : QStringList());
        QCOMPARE(w->txtDescription->isHidden(), accepted);
    }

    // An Enter typed at the editor's last showing counted: one Enter closed it at
    // once.
    void staleEnterInTheListingEditor()
    {
        toMaterialsStep();
        inEditor([](frmEditMat &d) {
            typeKeys(d.txtEdit, QStringLiteral("E"));
            d.cmdDone->click();
        });
        QCOMPARE(w->txtSample->toPlainText(), QStringLiteral("Text(s): A\n"));
        inEditor([](frmEditMat &d) {
            typeKeys(d.txtEdit, QStringLiteral("E"));
            QVERIFY(d.isVisible());
            typeKeys(d.txtEdit, QStringLiteral("E"));
            QVERIFY(d.isHidden());
        });
    }

    // Choosing another item dropped a typed description without asking, or asked
    // about keys that change nothing.
    void typedDescriptionAsksBeforeReplacing()
    {
        beginWeekly();
        w->optTask[0]->click();
        typeKeys(w->txtDescription, QStringLiteral("LS"));
        w->optTask[2]->click(); // nothing typed: no question
        typeKeys(w->txtDescription, QStringLiteral("notes"));
        platform->answerMessage(Answer::Cancel, QString(),
                                QStringLiteral("Edited Content To Be Deleted..."));
        w->optTask[1]->click();
        QVERIFY(w->txtDescription->toPlainText().endsWith(QStringLiteral(": notes")));
        platform->answerMessage(Answer::OK);
        w->optTask[1]->click();
        QCOMPARE(w->txtDescription->toPlainText(), QStringLiteral("Think-Pair-Share: "));
    }

    // An edit or a deletion landing on another entry, or the two lists out of
    // step.
    void editingAndDeletingKeepTheOrder()
    {
        m->blnShowTime = true;
        m->strTimeTemplate = QStringLiteral("[X] ");
        beginWeekly();
        for (int i = 0; i < 3; ++i) {
            setTime(QStringLiteral("10"));
            addItem(i, QStringLiteral("item %1").arg(i));
        }
        w->lstAdd->setCurrentRow(-1);
        w->entries->lstAdd_DblClick(); // no entry chosen: no question
        for (const QString &edit : {QStringLiteral("[10 min] Pairs \"it\""), QStringLiteral(" ")}) {
            w->lstAdd->setCurrentRow(edit.size() > 1 ? 1 : 0);
            platform->answerMessage(Answer::Yes, QString(), QStringLiteral("Data Change"));
            platform->actInDialog(QStringLiteral("frmEdit"), [edit](QDialog *d) {
                static_cast<frmEdit *>(d)->setEntryText(edit);
                static_cast<frmEdit *>(d)->cmdDone->click();
            });
            w->entries->lstAdd_DblClick();
        }
        QCOMPARE(itemTexts(w->lstBuild),
                 QStringList({"[10 min] Pairs \"it\"", "[10 min] Classroom Practice: item 2"}));
        QCOMPARE(itemTexts(w->lstAdd), QStringList({"Pairs ''it''", "Classroom Practice:..."}));
    }

    // Esc and the close box left the plan's dialogs past Cancel: no question, and
    // the cancelled time on task, special note or entry was used all the same.
    // One row per dialog, way of closing and answer; whatever the way, the dialog
    // asks, and Yes drops what Cancel drops.
    void closingTheDialogs_data()
    {
        dataColumns<QString, QString, bool>({"dialog", "how", "yes"});
        for (const char *dialog :
             {"frmTimeOnTask", "frmSpecialNote", "frmUnit", "frmEdit", "frmNew"})
            for (const char *how : {"Cancel", "Esc", "close box"})
                for (const bool yes : {true, false})
                    QTest::addRow("%s: %s, %s", dialog, how, yes ? "Yes" : "No")
                        << QString::fromLatin1(dialog) << QString::fromLatin1(how) << yes;
    }

    void closingTheDialogs()
    {
        const auto [dialog, how, yes] = fetchRow<QString, QString, bool>({"dialog", "how", "yes"});
        m->blnShowTime = true;
        m->strTimeTemplate = QStringLiteral("[X] ");
        beginWeekly();
        setTime(QStringLiteral("15"));
        addItem(0, QStringLiteral("one"));
        writeNote(QStringLiteral("Assembly"));
        w->cmdNote->click();
        const QString document = dumpDocument(*w->RTxtComposite);
        if (dialog == QLatin1String("frmEdit"))
            platform->answerMessage(Answer::Yes, QString(), QStringLiteral("Data Change"));
        platform->actInDialog(dialog, [&](QDialog *d) {
            auto *box = d->findChild<QLineEdit *>();
            auto *text = d->findChild<QPlainTextEdit *>();
            if (box)
                box->setText(QStringLiteral("20"));
            else if (text)
                text->setPlainText(QStringLiteral("changed"));
            QWidget *field = box ? static_cast<QWidget *>(box) : text;
            platform->answerMessage(yes ? Answer::Yes : Answer::No, QString(),
                                    dialog == QLatin1String("frmNew") ? "Cancel Actions?"
                                                                      : "Abandon Changes?");
            if (how == QLatin1String("Cancel"))
                d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
            else if (how == QLatin1String("Esc"))
                QTest::keyClick(field ? field : d, Qt::Key_Escape);
            else
                d->close();
            QCOMPARE(d->isVisible(), !yes);
        });
        if (dialog == QLatin1String("frmTimeOnTask")) {
            addItem(1, QStringLiteral("two"));
            if (yes)
                QCOMPARE(w->lstBuild->item(1)->text(), QStringLiteral("Think-Pair-Share: two"));
        } else if (dialog == QLatin1String("frmSpecialNote")) {
            w->cmdNote->click();
            QCOMPARE(m->strSpecialNote, yes ? QString() : QStringLiteral("Assembly"));
        } else if (dialog == QLatin1String("frmUnit")) {
            w->entries->cmdNewUnit_Click();
        } else if (dialog == QLatin1String("frmEdit")) {
            w->lstAdd->setCurrentRow(0);
            w->entries->lstAdd_DblClick();
        } else {
            w->completion->cmdClose_Click();
        }
        QCOMPARE(itemTexts(w->lstBuild).first(), QStringLiteral("[15 min] Lecture: one"));
        QCOMPARE(dumpDocument(*w->RTxtComposite), document);
        QCOMPARE(m->intStep, 1);
    }

    void listingEditorCancelAsks_data()
    {
        dataColumns<bool, bool, QString>({"escape", "yes", "shown"});
        dataRow("Cancel, No, then Done", false, false, "Text(s): A and ''B''\n");
        dataRow("Esc, Yes", true, true, "Text(s): A\n\n");
    }

    // The listing editor dropped edits on Cancel or Esc without asking, or Done
    // kept the quotes and the empty lines the document cannot take.
    void listingEditorCancelAsks()
    {
        const auto [escape, yes, shown] = fetchRow<bool, bool, QString>({"escape", "yes", "shown"});
        toMaterialsStep();
        inEditor([&](frmEditMat &d) {
            QTest::keyClicks(d.txtEdit, QStringLiteral(" and \"B\""));
            platform->answerMessage(yes ? Answer::Yes : Answer::No, QString(),
                                    QStringLiteral("Abandon Changes?"));
            if (escape)
                QTest::keyClick(d.txtEdit, Qt::Key_Escape);
            else
                d.cmdCancel->click();
            QCOMPARE(d.isHidden(), yes);
            if (d.isVisible())
                d.cmdDone->click();
        });
        QCOMPARE(w->txtSample->toPlainText(), shown);
        QCOMPARE(m->intStep, 3);
    }

    // Building the listing again dropped the teacher's edits without asking.
    void rebuildingTheListingAsks()
    {
        toMaterialsStep();
        w->txtSample->clear();
        ui::setTicked(w->lstTexts, 0, true);
        w->cmdPosition->click();
        w->Form_Activate(); // back from a settings screen: the listing stays
        QCOMPARE(w->txtSample->toPlainText(), QStringLiteral("Text(s): Algebra 1\n\n"));
        for (int i : {0, 1})
            ui::setTicked(w->lstTexts, i, true);
        platform->answerMessage(Answer::Cancel, QString(),
                                QStringLiteral("Possible Loss of Edited Content"));
        w->cmdPosition->click();
        QCOMPARE(w->txtSample->toPlainText(), QStringLiteral("Text(s): Algebra 1\n\n"));
        platform->answerMessage(Answer::OK);
        w->cmdPosition->click();
        QCOMPARE(w->txtSample->toPlainText(), QStringLiteral("Text(s): Algebra 1;   Workbook\n\n"));
    }

    // A long list heading ran over the lists beside it.
    void longHeadingIsFitted()
    {
        m->strTasksHeading = QString(80, QLatin1Char('W'));
        beginWeekly();
        const QString caption = w->FrameLabel->text();
        QVERIFY(ui::captionWidthTwips(w->FrameLabel, caption) <= 2750 + 300);
    }

    // An entry's lines: a trailing line break wrote an empty line into the plan, continuation
    // lines lost their place under the text, a short time ran into the description, a long
    // description overran the list it is shown in.
    void entryText_data()
    {
        dataColumns<QString, QString, QString, QString>({"time", "description", "entry", "short"});
        dataRow("no time, trailing breaks", "", "Warm-up\r\n \r\n", "Warm-up", "Warm-up     ");
        dataRow("short time padded", "5", "Quiz", "(5 min.) Quiz", "Quiz");
        dataRow("long time not padded", "100-120", "Quiz", "(100-120 min.)Quiz", "Quiz");
        dataRow("two lines indented", "10", "Read\r\nDiscuss", "(10 min.) Read\r\n     Discuss",
                "Read  Discuss");
        dataRow("cut at 22", "", "Think-Pair-Share about fractions",
                "Think-Pair-Share about fractions", "Think-Pair-Share ab...");
    }
    void entryText()
    {
        const auto [time, description, entry, shortForm] =
            fetchRow<QString, QString, QString, QString>({"time", "description", "entry", "short"});
        const QString timeText = DayEntries::timeText(QStringLiteral("(X min.)"), time);
        QCOMPARE(DayEntries::fullEntry(timeText, time, description), entry);
        QCOMPARE(DayEntries::shortForm(description), shortForm);
    }
};

QTEST_MAIN(TestPlan)
#include "tst_plan.moc"
