// The main window frame: what it shows after start-up, how its labels follow the settings at
// every activation, where it puts the focus, help, hover hints and exit.
#include "platform/richtextbox.h"
#include "platform/safefile.h"
#include "platform/ui.h"
#include "settings/settingsstore.h"
#include "support/datarows.h"
#include "support/planfixture.h"

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>

using Answer = Platform::Answer;
Q_DECLARE_METATYPE(Platform::Answer)

using planfixture::itemTexts;

class TestFrmMain : public planfixture::WindowTest
{
    Q_OBJECT

    // Settings are changed the way a settings screen does: in place, then the window is
    // activated again.
    void activate() { w->Form_Activate(); }

    static void enter(QWidget *widget)
    {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(widget, &event);
    }

private Q_SLOTS:
    void init()
    {
        load();
        // The plan-type question is not what these tests are about.
        w->SetBlnAskUnit(false);
    }

    void cleanup() { finish(); }

    void startsWithTheDefaultLists()
    {
        QCOMPARE(itemTexts(w->cboMonth),
                 QStringList({"August", "September", "October", "November", "December", "January",
                              "February", "March", "April", "May", "June", "July"}));
        QCOMPARE(w->cboMonth->currentText(), QString());
        QCOMPARE(w->cboOldPlans->count(), 1);
        QCOMPARE(w->cboOldPlans->itemText(0),
                 QStringLiteral("--- Browse for a Lesson Plan Document File ---"));
        QCOMPARE(itemTexts(w->cboCourses),
                 QStringList({"Course/Subject #1", "Course/Subject #2", "Course/Subject #3"}));
        QCOMPARE(w->cboCourses->currentIndex(), -1);
        QCOMPARE(w->lblTopicNote->text(),
                 QStringLiteral("Excluded from the Lesson Plan but used as part\r\nof the "
                                "filename when the Document is saved."));
        QCOMPARE(m->intStep, 0);
        QCOMPARE(m->strPlanSaved, QStringLiteral("Y"));
    }

    void controlsCarryTheirNamesAndCaptions_data()
    {
        dataColumns<QString, QString, QString>({"name", "caption", "tip"});
        dataRow("begin", "cmdBegin", "&Begin Plan",
                "Start constructing the new Lesson Plan Document");
        dataRow("settings", "cmdSettings", "Change &Settings",
                "Change the current program settings");
        dataRow("help", "cmdHelp", "&Help", "Click for Help");
        dataRow("exit", "cmdExit", "E&xit", "Quit the Program");
        dataRow("continue", "cmdContinue", " ( con&t.) ?", "Mark the Objective as a continuation");
        dataRow("prev", "cmdPrev", "&<<< View Previous",
                "View the previous Plan and/or copy text to the current Plan");
        dataRow("ok", "cmdOK", "O&K  >>>",
                "Accept the Description above and add it to the current Plan");
        dataRow("done1", "cmdDone1", "Actvity List &Finished",
                "Accept the list at the right and add the items to the current "
                "Plan");
        dataRow("free item", "optTask(15)", "( Blank &Line )", "Select this item");
        dataRow("item 11", "optTask(10)", "&I.", "Select this item");
        dataRow("enlarge", "cmdEnlarge", "Large Edito&r", "Open a larger document editor window");
        dataRow("proceed", "cmdProceed", "Proc&eed to Next Step",
                "Add the Materials to the current Plan and continue");
    }

    void controlsCarryTheirNamesAndCaptions()
    {
        const auto [name, caption, tip] =
            fetchRow<QString, QString, QString>({"name", "caption", "tip"});
        auto *control = w->findChild<QAbstractButton *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->text(), caption);
        QCOMPARE(control->toolTip(), tip);
    }

    void courseListSkipsEmptySlots()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("quillmark.ini")));
        SettingsRecord saved;
        saved.strCourses = SettingsRecord::padded({}, 10);
        saved.strCourses[0] = QStringLiteral("Algebra 1");
        saved.strCourses[5] = QStringLiteral("Geometry");
        QVERIFY(store.save(saved));
        makeWindow(&store);
        QCOMPARE(itemTexts(w->cboCourses), QStringList({"Algebra 1", "Geometry"}));
    }

    // A settings file that could not be read in full is kept aside before the next Done can
    // overwrite it, never over a copy kept earlier.
    void damagedStoreIsKeptAndReported_data()
    {
        dataColumns<QByteArray, QString, QString, QString>({"content", "title", "kept", "teacher"});
        const QByteArray garbage =
            QByteArrayLiteral("\x01\x02\xff\xfe not settings at all \x00\x7f");
        const QByteArray partly =
            "[Quillmark]\nFormatVersion=1\n[Settings]\nstrTeacherName=Ms. K\n";
        dataRow("unreadable", garbage, "Settings Not Loaded", ".unreadable", "Your Name Here...");
        dataRow("unreadable, a copy kept before", garbage, "Settings Not Loaded", ".unreadable-2",
                "Your Name Here...");
        dataRow("partly damaged", partly, "Settings Reset", ".damaged", "Ms. K");
    }

    void damagedStoreIsKeptAndReported()
    {
        const auto [content, title, kept, teacher] =
            fetchRow<QByteArray, QString, QString, QString>(
                {"content", "title", "kept", "teacher"});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quillmark.ini"));
        const QByteArray earlier = "kept from an earlier start";
        if (kept.endsWith(QLatin1String("-2")))
            QVERIFY(safefile::write(path + QStringLiteral(".unreadable"), earlier));
        QVERIFY(safefile::write(path, content));
        SettingsStore store(path);
        platform->answerMessage(Platform::Answer::OK, QString(), title);
        makeWindow(&store);
        QVERIFY2(platform->lastPrompt().text.contains(path + kept),
                 qPrintable(platform->lastPrompt().text));
        const auto bytes = [](const QString &file) {
            QFile f(file);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
        };
        QCOMPARE(bytes(path + kept), content);
        if (kept.endsWith(QLatin1String("-2")))
            QCOMPARE(bytes(path + QStringLiteral(".unreadable")), earlier);
        QCOMPARE(m->strTeacherName, teacher);
    }

    void labelsCarryTheHeadings_data()
    {
        dataColumns<QString, QString, QString>({"label", "heading", "caption"});
        dataRow("period", "lblPdGrp", "Period", "Period/&Group (Period):");
        dataRow("period, long", "lblPdGrp", "Instructional Group Designation",
                "Period/&Group (Instruc...):");
        dataRow("closure", "lblClosure", "Closing", "&Assignment (Closing):");
        dataRow("closure, 17 characters", "lblClosure", "ABCDEFGHIJKLMNOPQ",
                "&Assignment (ABCDEFGHIJKLMNOPQ):");
        dataRow("closure, 18 characters", "lblClosure", "ABCDEFGHIJKLMNOPQR",
                "&Assignment (ABCDEFGHIJKLMNOP...):");
    }

    void labelsCarryTheHeadings()
    {
        const auto [label, heading, caption] =
            fetchRow<QString, QString, QString>({"label", "heading", "caption"});
        (label == QLatin1String("lblPdGrp") ? m->strPeriodHeading : m->strClosureHeading) = heading;
        activate();
        QCOMPARE(w->findChild<QLabel *>(label)->text(), caption);
    }

    void periodHiddenWhenNotShown()
    {
        m->blnShowPeriod = false;
        activate();
        QVERIFY(w->lblPdGrp->isHidden());
        QVERIFY(w->txtPeriod->isHidden());
        m->blnShowPeriod = true;
        activate();
        QVERIFY(!w->lblPdGrp->isHidden());
        QVERIFY(!w->txtPeriod->isHidden());
    }

    void closureHiddenOnlyWhenSwitchedOff()
    {
        w->txtClosure->hide();
        m->blnShowClosure = true;
        activate();
        QVERIFY2(w->txtClosure->isHidden(), "a shown closure setting leaves the field as it is");
        w->txtClosure->show();
        w->lblClosure->show();
        m->blnShowClosure = false;
        activate();
        QVERIFY(w->txtClosure->isHidden());
        QVERIFY(w->lblClosure->isHidden());
    }

    void weeklyOrUnitLabels_data()
    {
        dataColumns<bool, QString, QString>({"weekly", "caption", "weekOrUnit"});
        dataRow("weekly", true, "Daily &Objective (Daily Objective):", "Week");
        dataRow("unit, no timeline", false, "&Time Frame (Timeline):", "Unit");
    }

    void weeklyOrUnitLabels()
    {
        const auto [weekly, caption, weekOrUnit] =
            fetchRow<bool, QString, QString>({"weekly", "caption", "weekOrUnit"});
        // The objective shows in weekly plans, the time frame with the timeline.
        m->blnWeeklyPlans = weekly;
        m->blnShowDailyObj = true;
        m->blnShowTimeline = false;
        activate();
        QCOMPARE(w->lblObjective->text(), caption);
        QCOMPARE(!w->txtObjective->isHidden(), weekly);
        QCOMPARE(!w->lblObjective->isHidden(), weekly);
        QCOMPARE(w->strWeekOrUnit, weekOrUnit);
        QCOMPARE(!w->fraWeeklyPlan->isHidden(), weekly);
        QCOMPARE(!w->fraUnitPlan->isHidden(), !weekly);
        QCOMPARE(w->lblSample->text(),
                 weekly ? QStringLiteral("Materials Listing for  Plan:")
                        : QStringLiteral("Materials Listing for current Unit Plan:"));
        QCOMPARE(w->txtObjective->toolTip(),
                 weekly ? QStringLiteral("Type the day's goal")
                        : QStringLiteral("Type the expected time frame for completing this Unit's "
                                         "instruction"));
    }

    void windowCaptionAndStorageFolder()
    {
        m->strTeacherName = QStringLiteral("A. Teacher");
        m->strSchoolYear = QStringLiteral("2011-2012");
        m->strStorageFolder = QStringLiteral("/home/teacher/Plans");
        m->blnShowUnitTopic = false;
        activate();
        QCOMPARE(w->windowTitle(), QStringLiteral("Lesson Plans      A. Teacher      2011-2012"));
        QCOMPARE(w->strOpenDialogFolder, QStringLiteral("/home/teacher/Plans"));
        QVERIFY(!w->lblTopicNote->isHidden());
    }

    void dateListsFollowTheSchoolYear_data()
    {
        dataColumns<QString, int, QString, int, QString>(
            {"year", "firstDay", "date", "dates", "label"});
        dataRow("another teacher only", "2009-2010", 1, "1", 28, "2010");
        dataRow("short form of the same year", "2009-10", 1, "1", 28, "2010");
        dataRow("a year where 1 February is a Monday", "2015-2016", 1, "1", 29, "2016");
        dataRow("a year where it is a Tuesday", "2010-2011", 1, "", 28, "2011");
        dataRow("weeks from Sunday", "2009-2010", 0, "", 28, "2010");
    }

    // After a change of the school year or week the date lists never offer a week that is not
    // there: the date stays while it still begins a week of the year, or it must be picked
    // again and Begin Plan waits, whatever asks for it.
    void dateListsFollowTheSchoolYear()
    {
        const auto [year, firstDay, date, dates, label] =
            fetchRow<QString, int, QString, int, QString>(
                {"year", "firstDay", "date", "dates", "label"});
        activate();
        w->cboCourses->setCurrentIndex(0);
        w->txtPeriod->setText(QStringLiteral("3"));
        w->cboMonth->setCurrentIndex(6); // February
        w->cboDate->setCurrentIndex(0);  // Monday, 1 February 2010
        QVERIFY(w->cmdBegin->isEnabled());

        m->strTeacherName = QStringLiteral("Someone Else");
        m->strSchoolYear = year;
        m->intFirstDay = firstDay;
        activate();
        QCOMPARE(w->cboDate->count(), dates);
        QCOMPARE(w->cboDate->currentText(), date);
        QCOMPARE(w->lblYear->text(), label);
        const bool kept = !date.isEmpty();
        QCOMPARE(w->cboDay->currentText(), kept ? QStringLiteral("Monday, February 1") : QString());
        QCOMPARE(w->cmdBegin->isEnabled(), kept);
        QCOMPARE(m->blnReadyToBegin, kept);
        w->EnableControls(true);
        QCOMPARE(w->cmdBegin->isEnabled(), kept);
        QCOMPARE(w->strLastSchoolYear, year);
    }

    void freshInstallYear_data()
    {
        dataColumns<QByteArray, QString, QString>({"stored", "year", "reset"});
        dataRow("nothing stored", QByteArray(), "2026-2027", "");
        dataRow("a stored year is kept", QByteArray("2012-2013"), "2012-2013", "");
        dataRow("a stored year that cannot be read", QByteArray("20x2-2013"), "2026-2027",
                "Settings Reset");
    }

    // A new teacher's first plan is for this school year, not for 2009-2010; a stored year
    // stays as it was.
    void freshInstallYear()
    {
        const auto [stored, year, reset] =
            fetchRow<QByteArray, QString, QString>({"stored", "year", "reset"});
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("quillmark.ini")));
        if (!stored.isEmpty()) {
            SettingsRecord saved;
            saved.strSchoolYear = QString::fromLatin1(stored);
            QVERIFY(store.save(saved));
        }
        if (!reset.isEmpty())
            platform->answerMessage(Platform::Answer::OK, QString(), reset);
        platform->todayDate = QDate(2027, 1, 6);
        makeWindow(&store);
        QCOMPARE(m->strSchoolYear, year);
        activate();
        QVERIFY(w->windowTitle().endsWith(year));
    }

    void stepDriverRunsAtEveryActivation()
    {
        m->intStep = 2;
        activate();
        // A weekly plan without a chosen date is no plan at all.
        QCOMPARE(m->intStep, 0);
        QCOMPARE(w->helpContextId(), 10002);
    }

    void carriedOverObjectiveIsFlagged_data()
    {
        dataColumns<QString, bool, bool, bool>(
            {"objective", "revised", "unchangedShown", "continueShown"});
        dataRow("plain", "Solve linear equations", false, true, true);
        dataRow("continued", "Solve linear equations (cont.)", false, true, false);
        dataRow("blank", "   ", false, false, false);
        // The teacher has been in the objective (a dialog such as the note closed since).
        dataRow("revised", "Solve linear equations", true, false, true);
    }

    // The carried-over objective is not flagged, or the question to revise it comes back after
    // the teacher has revised it.
    void carriedOverObjectiveIsFlagged()
    {
        const auto [objective, revised, unchangedShown, continueShown] =
            fetchRow<QString, bool, bool, bool>(
                {"objective", "revised", "unchangedShown", "continueShown"});
        w->lblUnchanged->hide();
        w->cmdContinue->hide();
        w->cmdNewUnit->show();
        w->txtObjective->setPlainText(objective);
        ui::setBackColor(w->txtObjective, revised ? ui::white() : ui::lightRed());
        activate();
        QCOMPARE(!w->lblUnchanged->isHidden(), unchangedShown);
        QCOMPARE(!w->cmdContinue->isHidden(), continueShown);
    }

    // Unlocking the plan choices never offers Begin Plan for a week not chosen.
    void enableControls()
    {
        const QList<QWidget *> locked = {w->cboCourses, w->txtPeriod, w->txtUnit, w->cboMonth,
                                         w->imgCal,     w->cboDate,   w->cmdBegin};
        w->optTask[3]->setChecked(true);
        w->EnableControls(false);
        for (QWidget *c : locked)
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
        QVERIFY(w->optTask[3]->isChecked());
        w->EnableControls(true);
        for (QWidget *c : locked)
            QVERIFY2(c->isEnabled() == (c != w->cmdBegin), qPrintable(c->objectName()));
        for (QRadioButton *option : std::as_const(w->optTask))
            QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    }

    void focusGoesToTheFirstMissingEntry_data()
    {
        dataColumns<bool, int, QString, QString>({"weekly", "course", "period", "focused"});
        dataRow("no course", true, -1, "", "cboCourses");
        dataRow("no period", true, 0, "  ", "txtPeriod");
        dataRow("no month", true, 0, "3", "cboMonth");
        dataRow("no unit topic", false, 1, "3", "txtUnit");
    }

    void focusGoesToTheFirstMissingEntry()
    {
        const auto [weekly, course, period, focused] =
            fetchRow<bool, int, QString, QString>({"weekly", "course", "period", "focused"});
        m->blnWeeklyPlans = weekly;
        w->showMain();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->cboCourses->setCurrentIndex(course);
        w->txtPeriod->setText(period);
        w->txtUnit->clear();
        w->txtUnit->setEnabled(true); // as choosing the course does
        w->cboMonth->setEnabled(false);
        w->SetNextFocus();
        QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                 : QString(),
                     focused);
        if (focused == QLatin1String("cboMonth"))
            QVERIFY(w->cboMonth->isEnabled() && w->imgCal->isEnabled());
        QVERIFY(!w->cboDay->isEnabled() || !weekly);
    }

    void beginFollowsTheDocumentOnceTheDayIsKnown()
    {
        w->cboCourses->setCurrentIndex(0);
        w->txtPeriod->setText(QStringLiteral("3"));
        w->cboMonth->setCurrentIndex(1);
        w->cboDate->setCurrentIndex(6);
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Monday, September 7"));
        w->RTxtComposite->setText(QStringLiteral("A plan"));
        w->SetNextFocus();
        QVERIFY2(!w->cmdBegin->isEnabled(), "a plan under way cannot be begun again");
        QVERIFY(w->cboDay->isEnabled());
        w->RTxtComposite->setText(QString());
        w->SetNextFocus();
        QVERIFY(w->cmdBegin->isEnabled());
    }

    void hoverHints()
    {
        enter(w->cmdHelp);
        QCOMPARE(ui::backColor(w->cmdHelp), ui::yellow());
        QCOMPARE(ui::backColor(w->cmdSettings), ui::buttonFace());
        enter(w->cmdSettings);
        QCOMPARE(ui::backColor(w->cmdSettings), ui::yellow());
        QCOMPARE(ui::backColor(w->cmdHelp), ui::buttonFace());
        enter(w->lblSavePrint);
        QCOMPARE(ui::backColor(w->cmdSettings), ui::buttonFace());

        enter(w->lstAdd);
        QVERIFY2(w->lblDblClick->isHidden(), "an empty list offers nothing to edit");
        w->lstAdd->addItem(QStringLiteral("Lecture: chapter 2"));
        enter(w->lstAdd);
        QVERIFY(!w->lblDblClick->isHidden());
        enter(w->lblDblClick);
        QVERIFY(w->lblDblClick->isHidden());

        enter(w->imgCal);
        QCOMPARE(w->imgCal->pixmap().toImage(), w->imgCal2->pixmap().toImage());
        enter(w->Label2);
        QCOMPARE(w->imgCal->pixmap().toImage(), w->imgCal1->pixmap().toImage());

        enter(w->cmdHelp);
        w->lstAdd->addItem(QStringLiteral("x"));
        enter(w->lstAdd);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &move);
        QCOMPARE(ui::backColor(w->cmdHelp), ui::buttonFace());
        QVERIFY(w->lblDblClick->isHidden());
    }

    void helpOpensAtTheCurrentTopic()
    {
        w->cmdHelp->click();
        w->showMain();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->setHelpContextId(10004);
        QTest::keyClick(w.get(), Qt::Key_F1);
        QCOMPARE(platform->helpTopics(), QList<int>({10002, 10004}));
    }

    void settingsChangesShowOnReturn()
    {
        QDialog screen;
        screen.setObjectName(QStringLiteral("frmPageConfig"));
        w->settingsScreen = [&] { return &screen; };
        m->strPlanSaved = QStringLiteral("N");
        platform->actInDialog(QStringLiteral("frmPageConfig"), [&](QDialog *) {
            m->strClosureHeading = QStringLiteral("Homework");
        });
        w->cmdSettings->click();
        QCOMPARE(m->strSavedBeforeSettings, QStringLiteral("N"));
        QCOMPARE(w->lblClosure->text(), QStringLiteral("&Assignment (Homework):"));
        QCOMPARE(ui::backColor(w->cmdSettings), ui::buttonFace());
    }

    void exitAsksBeforeGivingUpAnUnsavedPlan_data()
    {
        // An empty question: nothing is asked.
        dataColumns<QString, QString, QString, bool, QString, Answer>(
            {"saved", "printed", "document", "byButton", "question", "answer"});
        const QString neither = QStringLiteral(
            "The current Lesson Plan has not been printed or saved.\r\nExit anyway?");
        const QString printedOnly = QStringLiteral(
            "The current Lesson Plan has been printed but not saved.\r\nExit anyway?");
        dataRow("saved", "Y", "N", "A plan", true, "", Answer::OK);
        dataRow("empty document", "N", "N", "", true, "", Answer::OK);
        dataRow("unsaved, Exit, No", "N", "N", "A plan", true, neither, Answer::No);
        dataRow("unsaved, window closed, Yes", "N", "N", "A plan", false, neither, Answer::Yes);
        dataRow("printed, not saved, No", "N", "Y", "A plan", true, printedOnly, Answer::No);
    }

    void exitAsksBeforeGivingUpAnUnsavedPlan()
    {
        const auto [saved, printed, document, byButton, question, answer] =
            fetchRow<QString, QString, QString, bool, QString, Answer>(
                {"saved", "printed", "document", "byButton", "question", "answer"});
        w->showMain();
        QWidget other;
        other.show();
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        w->RTxtComposite->setText(document);
        m->strPlanSaved = saved;
        m->strPlanPrinted = printed;
        if (!question.isEmpty())
            platform->answerMessage(answer, question, QStringLiteral("Exit Quillmark"));
        if (byButton)
            w->cmdExit->click();
        else
            w->close();
        QCOMPARE(platform->prompts().size(), question.isEmpty() ? 0 : 1);
        if (!question.isEmpty()) {
            QCOMPARE(platform->lastPrompt().buttons, Platform::Buttons::YesNo);
            QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Exclamation);
        }
        const bool exits = answer != Answer::No;
        QCOMPARE(unloaded.count(), exits ? 1 : 0);
        QCOMPARE(w->isHidden(), exits);
        QCOMPARE(other.isHidden(), exits);
        QCOMPARE(w->RTxtComposite->Text(), document);
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
