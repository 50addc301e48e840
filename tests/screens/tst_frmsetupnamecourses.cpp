// The instructor, school year and plan type dialog.
#include "dialogharness.h"
#include "screens/frmsetupnamecourses.h"

class TestFrmSetupNameCourses : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;
    LessonPlanModule *m = nullptr;
    ScriptedPlatform *platform = nullptr;
    frmMain *main = nullptr;
    std::unique_ptr<frmSetupNameCourses> dlg;

    void makeDialog() { dlg = std::make_unique<frmSetupNameCourses>(h->ctx); }

    void open(const std::function<void(frmSetupNameCourses &)> &action)
    {
        h->open<frmSetupNameCourses>(*dlg, action);
    }

    static void pick(QComboBox *list, int index) { DialogHarness::pick(list, index); }

    static const QString &illegal()
    {
        static const QString text = QStringLiteral(
            "The entry you made will be used as part of the File Name if the Lesson Plan Document "
            "is saved. One or more characters that are not legal in Windows file names are being "
            "replaced by ''_''.");
        return text;
    }

private Q_SLOTS:
    void init()
    {
        h = std::make_unique<DialogHarness>();
        m = &h->m;
        platform = &h->platform;
        main = &h->withMain();
        makeDialog();
    }

    void cleanup()
    {
        platform->verifyAllAnswered();
        dlg.reset();
        h.reset();
    }

    void headingOrder_data()
    {
        dataColumns<int, bool, QString, QString, QString>(
            {"order", "weekly", "school", "caption", "sample"});
        const QString s3(3, ' '), s8(8, ' '), g = QStringLiteral("     ---     ");
        const QString n = "Ann Lee", y = "2009 - 2010 Lesson Plans", w = "Week of October 20";
        dataRow("0 weekly", 0, true, "", "   &Teacher" + g + "Week" + g + "School Year",
                s3 + n + s8 + w + s8 + y + s3);
        dataRow("1 weekly", 1, true, "", "   &Week" + g + "Teacher" + g + "School Year",
                s3 + w + s8 + n + s8 + y + s3);
        dataRow("2 weekly", 2, true, "", "   &School Year" + g + "Week" + g + "Teacher",
                s3 + y + s8 + w + s8 + n + s3);
        dataRow("3 weekly", 3, true, "", "   T&eacher" + g + "School Year" + g + "Week",
                s3 + n + s8 + y + s8 + w + s3);
        dataRow("1 unit", 1, false, "", "   &Unit" + g + "Teacher" + g + "School Year",
                s3 + "Unit Plan" + s8 + n + s8 + y + s3);
        dataRow("school in capitals", 0, true, "Elm School",
                "   &Teacher" + g + "Week" + g + "School Year",
                "  ELM SCHOOL\r\n" + s3 + n + s8 + w + s8 + y + s3);
    }

    // The order option captions follow the plan type at once; the sample line follows the
    // order and the year picked, which is the year Done stores.
    void headingOrder()
    {
        const auto [order, weekly, school, caption, sample] =
            fetchRow<int, bool, QString, QString, QString>(
                {"order", "weekly", "school", "caption", "sample"});
        open([&](frmSetupNameCourses &d) {
            QCOMPARE(d.windowTitle(),
                     QStringLiteral("  INSTRUCTOR, SCHOOL, YEAR, AND PLAN TYPE SETUP"));
            d.txtTName->setText(QStringLiteral("Ann Lee"));
            if (!school.isEmpty()) {
                d.chkUseFull->click();
                d.txtFull->setText(school);
            }
            (weekly ? d.optUnit : d.optWeekly)->click();
            (weekly ? d.optWeekly : d.optUnit)->click();
            d.optOrder.at(order)->click();
            QCOMPARE(d.optOrder.at(order)->text(), caption);
            QCOMPARE(m->strSampleHeading, sample);
            QCOMPARE(d.lblSample->text(), ui::fromCrLf(sample));
            pick(d.cboYr, 5);
            QCOMPARE(m->strSampleHeading, QString(sample).replace("2009 - 2010", "2013 - 2014"));
        });
    }

    void yearList_data()
    {
        dataColumns<QDate, QString, QString, QString>({"today", "saved", "selected", "last"});
        const auto row = [](const char *tag, QDate today, const char *saved, const char *selected,
                            const char *last) {
            dataRow(tag, today, QString(saved), QString(selected), QString(last));
        };
        row("default year written without blanks", {2009, 9, 8}, "2009-2010", "2009 - 2010",
            "2025 - 2026");
        row("short form", {2009, 9, 8}, "2012-13", "2012 - 2013", "2025 - 2026");
        row("a year beyond the list is kept", {2009, 9, 8}, "2040-2041", "2040 - 2041",
            "2040 - 2041");
        row("this year can be chosen in 2026", {2026, 8, 20}, "2026 - 2027", "2026 - 2027",
            "2031 - 2032");
        row("years ahead", {2030, 1, 5}, "2034 - 2035", "2034 - 2035", "2035 - 2036");
    }

    // Done stores the year the teacher saw selected, which is the saved one, never another.
    void yearList()
    {
        const auto [today, saved, selected, last] =
            fetchRow<QDate, QString, QString, QString>({"today", "saved", "selected", "last"});
        platform->todayDate = today;
        m->strSchoolYear = saved;
        open([&](frmSetupNameCourses &d) {
            QCOMPARE(d.cboYr->itemText(0), QStringLiteral("2008 - 2009"));
            QCOMPARE(d.cboYr->itemText(d.cboYr->count() - 1), last);
            QCOMPARE(d.cboYr->currentText(), selected);
            d.cmdDone->click();
        });
        QVERIFY(dlg->isHidden());
        QCOMPARE(m->strSchoolYear, selected);
    }

    void doneAndCancelNeedANameAndAYear_data()
    {
        dataColumns<QString, bool>({"typed", "enabled"});
        dataRow("name", "Ann Lee", true);
        dataRow("empty", "", false);
        dataRow("blanks only", "   ", false);
    }

    void doneAndCancelNeedANameAndAYear()
    {
        const auto [typed, enabled] = fetchRow<QString, bool>({"typed", "enabled"});
        open([&](frmSetupNameCourses &d) {
            d.txtTName->setText(typed);
            QCOMPARE(d.cmdDone->isEnabled(), enabled);
            QCOMPARE(d.cmdCancel->isEnabled(), enabled);
            // Emptying the box keeps the last name typed.
            QCOMPARE(d.strNameEntry, typed.isEmpty() ? QStringLiteral("Your Name Here...") : typed);
        });
    }

    void cancelWithoutSavedNameOrYear_data()
    {
        dataColumns<QString, QString>({"name", "year"});
        dataRow("no name", QString(), QStringLiteral("2009-2010"));
        dataRow("no year", QStringLiteral("Ann Lee"), QString());
    }

    void cancelWithoutSavedNameOrYear()
    {
        const auto [name, year] = fetchRow<QString, QString>({"name", "year"});
        m->strTeacherName = name;
        m->strSchoolYear = year;
        open([&](frmSetupNameCourses &d) {
            platform->answerMessage(Answer::OK,
                                    "You cannot quit this screen without saving the Instructor's "
                                    "Name\r\nand the Academic Year.",
                                    "Information Required.");
            d.txtTName->setText(QStringLiteral("Bo"));
            d.cmdCancel->click();
            QVERIFY(d.isVisible());
            QVERIFY(!d.cmdCancel->isEnabled());
            // Esc cannot get round it either.
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(d.isVisible());
        });
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Exclamation);
        QCOMPARE(m->strTeacherName, name);
    }

    void doneOrCancel_data() { DialogHarness::closeRows(); }

    void doneOrCancel()
    {
        QFETCH(Close, how);
        const SettingsStore &store = h->useStore(how == Close::DoneStoreFails);
        makeDialog();
        open([&](frmSetupNameCourses &d) {
            d.txtTName->setText(QStringLiteral("Bo"));
            d.optUnit->click();
            h->close(d, d.cmdDone, d.cmdCancel, how);
        });
        // What was not stored is not in effect either.
        const bool kept = how == Close::Done;
        QCOMPARE(m->strTeacherName,
                 kept ? QStringLiteral("Bo") : QStringLiteral("Your Name Here..."));
        QCOMPARE(m->blnWeeklyPlans, !kept);
        QCOMPARE(QFile::exists(store.path()), kept);
        if (how != Close::DoneStoreFails)
            return;
        const auto &prompt = platform->lastPrompt();
        QVERIFY2(prompt.text.startsWith(QStringLiteral("Error ''")), qPrintable(prompt.text));
        QVERIFY(prompt.text.endsWith(
            QStringLiteral("'' occurred while storing data. The settings have not been saved.")));
        QVERIFY(prompt.text.size() > 75); // the system's description is in between
        QCOMPARE(prompt.buttons, Platform::Buttons::OK);
        QCOMPARE(prompt.icon, Platform::Icon::Exclamation);
    }

    void weekControlsChooseWeeklyPlans_data()
    {
        QTest::addColumn<QString>("control");
        dataRow("start day", "cboStartDay");
        dataRow("end day", "cboEndDay");
        dataRow("week label", "lblWk1");
    }

    void weekControlsChooseWeeklyPlans()
    {
        QFETCH(QString, control);
        m->blnWeeklyPlans = false;
        open([&](frmSetupNameCourses &d) {
            QVERIFY(d.optUnit->isChecked());
            QCOMPARE(d.strPlanWord, QStringLiteral("Unit"));
            QVERIFY(m->strSampleHeading.contains(QStringLiteral("Unit Plan")));
            if (auto *list = d.findChild<QComboBox *>(control))
                pick(list, 2);
            else
                QTest::mouseClick(d.lblWk1, Qt::LeftButton);
            QVERIFY(d.optWeekly->isChecked());
            QCOMPARE(d.strPlanWord, QStringLiteral("Week"));
            QVERIFY(m->strSampleHeading.contains(QStringLiteral("Week of October 20")));
            d.cmdDone->click();
        });
        QVERIFY(m->blnWeeklyPlans);
    }

    void endDayListKeepsTheDaysPerWeek_data()
    {
        // newEnd: the end day picked afterwards, if any
        dataColumns<int, int, int, QStringList, QString, int, bool>(
            {"firstDay", "days", "newStart", "endDays", "endDay", "newEnd", "reset"});
        dataRow("same week", 1, 5, 1, QStringList{"Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}, "Fri",
                -1, false);
        dataRow("Mon-Fri to Tue", 1, 5, 2, QStringList{"Wed", "Thu", "Fri", "Sat", "Sun", "Mon"},
                "Sat", -1, true);
        dataRow("fewer days", 1, 5, 1, QStringList{"Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}, "Fri",
                2, true);
        dataRow("wraps past Saturday", 6, 2, 5,
                QStringList{"Sat", "Sun", "Mon", "Tue", "Wed", "Thu"}, "Sat", -1, true);
        dataRow("seven days", 0, 7, 3, QStringList{"Thu", "Fri", "Sat", "Sun", "Mon", "Tue"}, "Tue",
                -1, true);
    }

    // A changed week also empties the main window's date and day lists.
    void endDayListKeepsTheDaysPerWeek()
    {
        const auto [firstDay, days, newStart, endDays, endDay, newEnd, reset] =
            fetchRow<int, int, int, QStringList, QString, int, bool>(
                {"firstDay", "days", "newStart", "endDays", "endDay", "newEnd", "reset"});
        m->intFirstDay = firstDay;
        m->intDaysPerWeek = days;
        main->cboDate->addItems({"7", "14"});
        main->cboDate->setCurrentIndex(1);
        main->cboDay->addItems({"Monday, September 14", "Tuesday, September 15"});
        main->cmdBegin->setEnabled(true);
        open([&](frmSetupNameCourses &d) {
            QCOMPARE(DialogHarness::items(d.cboStartDay),
                     QStringList({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}));
            QCOMPARE(d.cboStartDay->currentIndex(), firstDay);
            QCOMPARE(d.cboEndDay->currentIndex(), days - 2);
            pick(d.cboStartDay, newStart);
            QCOMPARE(DialogHarness::items(d.cboEndDay), endDays);
            QCOMPARE(d.cboEndDay->currentText(), endDay);
            if (newEnd >= 0)
                pick(d.cboEndDay, newEnd);
            d.cmdDone->click();
        });
        QCOMPARE(m->intFirstDay, newStart);
        QCOMPARE(m->intDaysPerWeek, newEnd < 0 ? days : newEnd + 2);
        QCOMPARE(main->cboDate->currentIndex(), reset ? -1 : 1);
        QCOMPARE(main->cboDay->count(), reset ? 0 : 2);
        QCOMPARE(main->cmdBegin->isEnabled(), !reset);
    }

    // A year picked and then cancelled leaves the main window's week as it was.
    void cancelledYearKeepsTheMainWeek()
    {
        main->cboDay->addItems({"Monday, September 14", "Tuesday, September 15"});
        open([&](frmSetupNameCourses &d) {
            platform->answerMessage(Answer::Yes, "Quit without saving changes?");
            pick(d.cboYr, 4);
            d.cmdCancel->click();
        });
        QCOMPARE(main->cboDay->count(), 2);
        QCOMPARE(m->strSchoolYear, QStringLiteral("2009-2010"));
    }

    void nameAndAbbreviationMadeSafeWhenLeft_data()
    {
        // left: or Done by its access key, the field still focused
        dataColumns<QString, QString, QString, bool, bool>(
            {"field", "typed", "safe", "warned", "left"});
        dataRow("slash in name", "txtTName", "A/B Lee", "A_B Lee", true, true);
        dataRow("quote in name", "txtTName", "Ann \"Al\"", "Ann ''Al''", false, true);
        dataRow("name, Done at once", "txtTName", "Ann|Lee", "Ann_Lee", true, false);
        dataRow("abbreviation", "txtAbbrev", "E*S?", "E_S_", true, true);
        // The quote rule makes it longer than the box allows; nothing may be cut off.
        dataRow("long abbreviation", "txtAbbrev", "ABCDEF\"G", "ABCDEF''G", false, true);
    }

    void nameAndAbbreviationMadeSafeWhenLeft()
    {
        const auto [field, typed, safe, warned, left] =
            fetchRow<QString, QString, QString, bool, bool>(
                {"field", "typed", "safe", "warned", "left"});
        open([&](frmSetupNameCourses &d) {
            if (warned)
                platform->answerMessage(Answer::OK, illegal(), "Illegal Characters");
            d.chkUseAbb->click();
            auto *box = d.findChild<QLineEdit *>(field);
            box->setFocus();
            box->setText(typed);
            if (left) {
                DialogHarness::leave(box);
                QCOMPARE(box->text(), safe);
            }
            d.cmdDone->click();
        });
        QCOMPARE(field == "txtTName" ? m->strTeacherName : m->strSchoolAbbrev, safe);
    }

    void schoolBoxesTakeEffectAtOnce_data()
    {
        dataColumns<QString, QString, bool>({"box", "field", "storeFails"});
        dataRow("school name", QStringLiteral("chkUseFull"), QStringLiteral("txtFull"), false);
        dataRow("abbreviation", QStringLiteral("chkUseAbb"), QStringLiteral("txtAbbrev"), false);
        dataRow("school name, store fails", QStringLiteral("chkUseFull"), QStringLiteral("txtFull"),
                true);
        dataRow("abbreviation, store fails", QStringLiteral("chkUseAbb"),
                QStringLiteral("txtAbbrev"), true);
    }

    // A box that takes effect at once is stored at once, so the next start shows what the
    // screen showed; a failed store leaves the box as it was.
    void schoolBoxesTakeEffectAtOnce()
    {
        const auto [box, field, storeFails] =
            fetchRow<QString, QString, bool>({"box", "field", "storeFails"});
        const SettingsStore &store = h->useStore(storeFails);
        makeDialog();
        const bool SettingsRecord::*flag = box == "chkUseFull"
                                               ? &SettingsRecord::blnUseSchoolName
                                               : &SettingsRecord::blnUseSchoolAbbrev;
        open([&](frmSetupNameCourses &d) {
            auto *edit = d.findChild<QLineEdit *>(field);
            QVERIFY(!edit->isEnabled());
            QCOMPARE(ui::backColor(edit), ui::buttonFace());
            QCOMPARE(d.lblSample->y(), ui::twips(1650));
            if (storeFails)
                h->answerNotSaved();
            auto *check = d.findChild<QCheckBox *>(box);
            check->click();
            QCOMPARE(check->isChecked(), !storeFails);
            QCOMPARE(edit->isEnabled(), !storeFails);
            QCOMPARE(ui::backColor(edit), storeFails ? ui::buttonFace() : ui::windowColor());
            QCOMPARE((*m).*flag, !storeFails);
            QCOMPARE(d.lblSample->y(), ui::twips(box == "chkUseFull" && !storeFails ? 1590 : 1650));
            h->answerAbandon(Answer::Yes);
            d.cmdCancel->click();
        });
        // Cancel does not undo the box, and the store holds what the screen showed.
        QCOMPARE((*m).*flag, !storeFails);
        QCOMPARE(QFile::exists(store.path()), !storeFails);
        if (!storeFails)
            QVERIFY(h->stored().*flag);
    }

    void doneStoresTheSettings()
    {
        h->useStore();
        makeDialog();
        open([&](frmSetupNameCourses &d) {
            d.chkUseFull->click();
            d.txtFull->setText(QStringLiteral("Elm \"North\" School"));
            d.chkUseAbb->click();
            d.txtAbbrev->setText(QStringLiteral("ENS"));
            d.optUnit->click();
            d.optOrder.at(2)->click();
            d.cmdDone->click();
            QVERIFY(d.isHidden());
        });
        const SettingsRecord read = h->stored();
        QCOMPARE(read, m->record());
        QCOMPARE(read.strSchoolName, QStringLiteral("Elm ''North'' School"));
        QCOMPARE(read.strSchoolAbbrev, QStringLiteral("ENS"));
        QVERIFY(read.blnUseSchoolName && read.blnUseSchoolAbbrev && !read.blnWeeklyPlans);
        QCOMPARE(read.intDisplayOrder, 2);
        // Opening again shows what was stored, the abbreviation included.
        open([&](frmSetupNameCourses &d) {
            QCOMPARE(d.txtAbbrev->text(), QStringLiteral("ENS"));
            QVERIFY(d.optOrder.at(2)->isChecked());
            d.cmdDone->click();
        });
        QCOMPARE(m->strSchoolAbbrev, QStringLiteral("ENS"));
    }

    void doneWithoutChangesKeepsEverySetting_data()
    {
        QTest::addColumn<bool>("useBoxes");
        dataRow("school boxes ticked", true);
        dataRow("school boxes clear", false);
    }

    void doneWithoutChangesKeepsEverySetting()
    {
        QFETCH(bool, useBoxes);
        m->strTeacherName = QStringLiteral("Ann Lee");
        m->strSchoolYear = QStringLiteral("2012 - 2013");
        m->strSchoolName = QStringLiteral("Elm School");
        m->strSchoolAbbrev = QStringLiteral("ELM");
        m->blnUseSchoolName = useBoxes;
        m->blnUseSchoolAbbrev = useBoxes;
        m->blnWeeklyPlans = false;
        m->intDisplayOrder = 3;
        m->intFirstDay = 0;
        m->intDaysPerWeek = 6;
        const SettingsRecord before = m->record();
        open([](frmSetupNameCourses &d) { d.cmdDone->click(); });
        QVERIFY(dlg->isHidden());
        QCOMPARE(m->record(), before);
    }
};

QTEST_MAIN(TestFrmSetupNameCourses)
#include "tst_frmsetupnamecourses.moc"
