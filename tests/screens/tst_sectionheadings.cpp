// The section heading dialogs and the Done/Cancel/store flow they share.
#include "dialogharness.h"
#include "screens/frmdailyobj.h"
#include "screens/frmnote.h"
#include "screens/frmperiodgroup.h"
#include "screens/frmsetupclosure.h"
#include "screens/frmtasks.h"
#include "screens/frmunitgoal.h"
#include "screens/frmunittopic.h"

#include <QMap>

namespace
{
template <class D> std::unique_ptr<SectionHeadingDialog> make(ScreenContext &ctx)
{
    return std::make_unique<D>(ctx);
}
std::unique_ptr<SectionHeadingDialog> makeDialog(const QString &name, ScreenContext &ctx)
{
    static const QMap<QString, std::unique_ptr<SectionHeadingDialog> (*)(ScreenContext &)> made = {
        {"frmUnitGoal", &make<frmUnitGoal>},
        {"frmDailyObj", &make<frmDailyObj>},
        {"frmSetupClosure", &make<frmSetupClosure>},
        {"frmUnitTopic", &make<frmUnitTopic>},
        {"frmPeriodGroup", &make<frmPeriodGroup>},
        {"frmTasks", &make<frmTasks>},
        {"frmNote", &make<frmNote>}};
    return made.value(name)(ctx);
}

// A heading the teacher can type: the dialog, what opens the field, the field, the setting.
struct HeadingField {
    QString dialog;
    QString opener;
    QString box;
    QString SettingsRecord::*heading;
};
const QMap<QString, HeadingField> &headingFields()
{
    static const QMap<QString, HeadingField> fields = {
        {"unit goal", {"frmUnitGoal", "cmdChange", "txtUnit", &SettingsRecord::strUnitGoalHeading}},
        {"objective", {"frmDailyObj", "cmdChange", "txtObj", &SettingsRecord::strDailyObjHeading}},
        {"closure",
         {"frmSetupClosure", "cmdChange", "txtClosure", &SettingsRecord::strClosureHeading}},
        {"unit topic",
         {"frmUnitTopic", "cmdChangeTopic", "txtTopic", &SettingsRecord::strUnitTopicHeading}},
        {"time frame",
         {"frmUnitTopic", "cmdChangeTime", "txtTime", &SettingsRecord::strTimelineHeading}},
        {"period", {"frmPeriodGroup", "optOther", "txtOther", &SettingsRecord::strPeriodHeading}},
        {"tasks", {"frmTasks", "optOther", "txtOther", &SettingsRecord::strTasksHeading}},
    };
    return fields;
}

// A section's show box: the dialog, the box, the frame it shows, the setting.
struct ShowBox {
    QString dialog;
    QString check;
    QString frame;
    bool SettingsRecord::*show;
};
const QMap<QString, ShowBox> &showBoxes()
{
    static const QMap<QString, ShowBox> boxes = {
        {"unit goal",
         {"frmUnitGoal", "chkShowUnitGoal", "Frame", &SettingsRecord::blnShowUnitGoal}},
        {"objective", {"frmDailyObj", "chkShowObj", "Frame", &SettingsRecord::blnShowDailyObj}},
        {"closure",
         {"frmSetupClosure", "chkShowClosure", "Frame", &SettingsRecord::blnShowClosure}},
        {"unit topic",
         {"frmUnitTopic", "chkShowTopic", "Frame", &SettingsRecord::blnShowUnitTopic}},
        {"time frame", {"frmUnitTopic", "chkShowTime", "Frame1", &SettingsRecord::blnShowTimeline}},
        {"period", {"frmPeriodGroup", "chkPeriod", "fraPeriod", &SettingsRecord::blnShowPeriod}},
        {"note", {"frmNote", "chkNote", "NoteFrame", &SettingsRecord::blnShowNote}},
    };
    return boxes;
}

template <class T> T *child(QWidget *parent, const QString &name)
{
    auto *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}
} // namespace

class TestSectionHeadings : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;

    static QString SettingsRecord::*chosenHeading(const QString &dialog)
    {
        return dialog == QLatin1String("frmTasks") ? &SettingsRecord::strTasksHeading
                                                   : &SettingsRecord::strPeriodHeading;
    }

    static QString checkedNoteOption(frmNote &dlg)
    {
        QStringList checked;
        for (QRadioButton *b : {dlg.optBrackets, dlg.optParentheses, dlg.optOther})
            if (b->isChecked())
                checked << b->objectName();
        return checked.join(QLatin1Char(','));
    }

private Q_SLOTS:
    void init() { h = std::make_unique<DialogHarness>(); }
    void cleanup()
    {
        h->platform.verifyAllAnswered();
        h.reset();
    }

    void typedHeadingIsCleanedOnDone_data()
    {
        // erased: characters taken back with Backspace
        dataColumns<QString, QString, int, QString>({"field", "typed", "erased", "stored"});
        for (const QString &field : headingFields().keys()) {
            const auto row = [&field](const char *tag, const QString &typed, int erased,
                                      const QString &stored) {
                dataRow(qPrintable(field + QStringLiteral(": ") + QLatin1String(tag)), field, typed,
                        erased, stored);
            };
            const QString old = SettingsRecord().*headingFields()[field].heading;
            row("colons", "Aims:::", 0, "Aims");
            row("only a colon", ":", 0, "");
            row("quotes", "The \"big\" idea", 0, "The ''big'' idea");
            if (field != QLatin1String("period"))
                row("inner colon", "Aim: one", 0, "Aim: one");
            row("nothing typed", "", 0, old);
            // Emptying the field keeps the heading in all but the unit topic dialog, where it
            // empties the heading; never what was left of the typing on the way.
            const bool empties = headingFields()[field].dialog == QLatin1String("frmUnitTopic");
            row("typed and erased", "Aims", 4, empties ? QString() : old);
            row("partly erased", "Aimless", 3, "Aiml");
        }
    }

    void typedHeadingIsCleanedOnDone()
    {
        const auto [field, typed, erased, stored] =
            fetchRow<QString, QString, int, QString>({"field", "typed", "erased", "stored"});
        const HeadingField f = headingFields()[field];
        auto d = makeDialog(f.dialog, h->ctx);
        h->open<SectionHeadingDialog>(*d, [&](SectionHeadingDialog &dlg) {
            auto *opener = child<QAbstractButton>(&dlg, f.opener);
            auto *box = child<QLineEdit>(&dlg, f.box);
            QVERIFY(opener && box);
            QVERIFY(!box->isEnabled()); // closed until Change (or Other) opens it
            QCOMPARE(box->maxLength(), 50);
            DialogHarness::click(opener);
            QVERIFY(box->isEnabled());
            QCOMPARE(dlg.focusWidget(), box);
            QTest::keyClicks(box, typed);
            for (int i = 0; i < erased; ++i)
                QTest::keyClick(box, Qt::Key_Backspace);
            DialogHarness::click(dlg.cmdDone);
            QVERIFY(dlg.isHidden());
        });
        QCOMPARE(h->m.*f.heading, stored);
    }

    void showBoxHidesTheFrame_data()
    {
        dataColumns<QString, bool>({"section", "shownBefore"});
        for (const QString &section : showBoxes().keys()) {
            dataRow(qPrintable(section + QStringLiteral(", shown")), section, true);
            dataRow(qPrintable(section + QStringLiteral(", hidden")), section, false);
        }
    }

    void showBoxHidesTheFrame()
    {
        const auto [section, shownBefore] = fetchRow<QString, bool>({"section", "shownBefore"});
        const ShowBox s = showBoxes()[section];
        frmMain &main = h->withMain();
        h->m.*s.show = shownBefore;
        main.cmdNote->setVisible(h->m.blnShowNote);
        SettingsRecord expected = h->m.record();
        expected.*s.show = !shownBefore; // and nothing else: the heading stays as it was
        auto d = makeDialog(s.dialog, h->ctx);
        h->open<SectionHeadingDialog>(*d, [&](SectionHeadingDialog &dlg) {
            auto *check = child<QCheckBox>(&dlg, s.check);
            auto *frame = child<QGroupBox>(&dlg, s.frame);
            QVERIFY(check && frame);
            QCOMPARE(check->isChecked(), shownBefore);
            QCOMPARE(frame->isVisible(), shownBefore);
            DialogHarness::click(check);
            QCOMPARE(frame->isVisible(), !shownBefore);
            DialogHarness::click(dlg.cmdDone);
        });
        QVERIFY(h->m.record() == expected);
        // The main window's Special Note button follows the note's box.
        QCOMPARE(main.cmdNote->isHidden(), !h->m.blnShowNote);
    }

    void noteEnclosure_data()
    {
        // shown: the option checked at opening
        // chosen: the option clicked, if any
        dataColumns<QString, QString, QString, QString, QString, QString>(
            {"startOpen", "startClose", "shown", "chosen", "open", "close"});
        dataRow("factory pair", "[", "]", "optBrackets", "", "[", "]");
        dataRow("parentheses", "( ", " )", "optParentheses", "", "( ", " )");
        dataRow("none", "", "", "optOther", "", "", "");
        dataRow("another pair is kept", "<<", ">>", "", "", "<<", ">>");
        dataRow("to parentheses", "[", "]", "optBrackets", "optParentheses", "( ", " )");
        dataRow("to none", "[", "]", "optBrackets", "optOther", "", "");
        dataRow("to brackets", "", "", "optOther", "optBrackets", "[ ", " ]");
        dataRow("from another pair", "<<", ">>", "", "optParentheses", "( ", " )");
    }

    void noteEnclosure()
    {
        const auto [startOpen, startClose, shown, chosen, open, close] =
            fetchRow<QString, QString, QString, QString, QString, QString>(
                {"startOpen", "startClose", "shown", "chosen", "open", "close"});
        h->m.strNoteOpen = startOpen;
        h->m.strNoteClose = startClose;
        frmNote d(h->ctx);
        h->open<frmNote>(d, [&](frmNote &dlg) {
            QCOMPARE(checkedNoteOption(dlg), shown);
            if (!chosen.isEmpty())
                DialogHarness::click(child<QRadioButton>(&dlg, chosen));
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strNoteOpen, open);
        QCOMPARE(h->m.strNoteClose, close);
        // A pair no option stands for clears the selection of the showing before.
        h->m.strNoteOpen = QStringLiteral("{");
        h->open<frmNote>(d, [&](frmNote &dlg) {
            QCOMPARE(checkedNoteOption(dlg), QString());
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strNoteOpen, QStringLiteral("{"));
    }

    void objectiveIsNamedAfterThePlanType_data()
    {
        dataColumns<bool, QString, QString>({"weekly", "title", "checkCaption"});
        dataRow("weekly", true, "Daily Objective Heading", "&Show Daily Objective");
        dataRow("unit", false, "Unit Objective Heading", "&Show Unit Objective");
    }

    void objectiveIsNamedAfterThePlanType()
    {
        const auto [weekly, title, checkCaption] =
            fetchRow<bool, QString, QString>({"weekly", "title", "checkCaption"});
        h->m.blnWeeklyPlans = weekly;
        frmDailyObj d(h->ctx);
        h->open<frmDailyObj>(d, [&](frmDailyObj &dlg) {
            QCOMPARE(dlg.windowTitle(), title);
            QCOMPARE(dlg.chkShowObj->text(), checkCaption);
            QCOMPARE(dlg.UnitLabel->text(), QStringLiteral("Daily Objective:"));
            dlg.hide();
        });
    }

    void chosenHeading_data()
    {
        // option: checked at opening
        dataColumns<QString, QString, QString, QString, QStringList, QString, QString>(
            {"dialog", "heading", "option", "otherText", "clicks", "typed", "stored"});
        const QStringList none;
        // Longer than the field: read from a file, or lengthened when its quotes were doubled.
        const QString longer =
            QString(30, QLatin1Char('x')) + QStringLiteral("''") + QString(30, QLatin1Char('y'));
        const auto row = [](const char *tag, const char *dialog, const QString &heading,
                            const char *option, const QString &otherText, const QStringList &clicks,
                            const char *typed, const QString &stored) {
            dataRow(tag, dialog, heading, option, otherText, clicks, typed, stored);
        };
        row("tasks: Tasks", "frmTasks", "Tasks", "optTasks", "", none, "", "Tasks");
        row("tasks: Lessons", "frmTasks", "Lessons", "optOther", "Lessons", none, "", "Lessons");
        row("tasks: lower case", "frmTasks", "tasks", "optOther", "tasks", none, "", "tasks");
        row("tasks: long", "frmTasks", longer, "optOther", longer, none, "", longer);
        row("tasks: a word", "frmTasks", "Strategies", "optStrategies", "", {"optActivities"}, "",
            "Activities");
        row("tasks: other, nothing typed", "frmTasks", "Strategies", "optStrategies", "",
            {"optTasks", "optOther"}, "", "Tasks");
        row("tasks: other, then a word", "frmTasks", "Lessons", "optOther", "Lessons",
            {"optOther", "optStrategies"}, "", "Strategies");
        row("period: a word", "frmPeriodGroup", "Period", "optPeriod", "", {"optGroup"}, "",
            "Group");
        row("period: other, nothing typed", "frmPeriodGroup", "Period", "optPeriod", "",
            {"optOther"}, "", "Period");
    }

    void chosenHeading()
    {
        const auto [dialog, heading, option, otherText, clicks, typed, stored] =
            fetchRow<QString, QString, QString, QString, QStringList, QString, QString>(
                {"dialog", "heading", "option", "otherText", "clicks", "typed", "stored"});
        h->m.*chosenHeading(dialog) = heading;
        auto d = makeDialog(dialog, h->ctx);
        h->open<SectionHeadingDialog>(*d, [&](SectionHeadingDialog &dlg) {
            auto *other = child<QLineEdit>(&dlg, QStringLiteral("txtOther"));
            QVERIFY(child<QRadioButton>(&dlg, option)->isChecked());
            QCOMPARE(other->text(), otherText);
            for (const QString &name : clicks)
                DialogHarness::click(child<QRadioButton>(&dlg, name));
            if (!typed.isEmpty())
                DialogHarness::typeInto(other, typed);
            const QString last = clicks.isEmpty() ? option : clicks.last();
            QCOMPARE(other->isEnabled(), last == QLatin1String("optOther"));
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.*chosenHeading(dialog), stored);
    }

    void periodHeadingMustSuitAFileName_data()
    {
        // leaveField: the field is left before Done
        dataColumns<QString, bool, bool, QString>({"typed", "leaveField", "warned", "stored"});
        dataRow("slash, field left", "Pd/Grp", true, true, "Pd_Grp");
        dataRow("slash, Done at once", "Pd/Grp", false, true, "Pd_Grp");
        dataRow("trailing colon", "Block:", true, false, "Block");
        dataRow("inner colon", "Block:A", true, true, "Block_A");
        dataRow("quotes", "The \"A\" Block", true, false, "The ''A'' Block");
    }

    void periodHeadingMustSuitAFileName()
    {
        const auto [typed, leaveField, warned, stored] =
            fetchRow<QString, bool, bool, QString>({"typed", "leaveField", "warned", "stored"});
        frmPeriodGroup d(h->ctx);
        h->open<frmPeriodGroup>(d, [&](frmPeriodGroup &dlg) {
            if (warned)
                h->platform.answerMessage(Answer::OK, QString(), "Illegal Characters");
            DialogHarness::click(dlg.optOther);
            QTest::keyClicks(dlg.txtOther, typed);
            if (leaveField)
                dlg.cmdHelp->setFocus(Qt::TabFocusReason);
            dlg.cmdDone_Click();
            QVERIFY(dlg.isHidden());
        });
        QCOMPARE(h->m.strPeriodHeading, stored);
    }

    void unitTopicNoteStandsInForTheTopic()
    {
        h->m.strUnitTopicHeading = QStringLiteral("Theme");
        h->m.strTimelineHeading = QStringLiteral("Weeks");
        frmUnitTopic d(h->ctx);
        h->open<frmUnitTopic>(d, [&](frmUnitTopic &dlg) {
            QCOMPARE(dlg.TopicLabel->text(), QStringLiteral("Theme"));
            QCOMPARE(dlg.TimeLabel->text(), QStringLiteral("Weeks"));
            QVERIFY(!dlg.lblTopicNote->isVisible());
            DialogHarness::click(dlg.chkShowTopic);
            QVERIFY(dlg.lblTopicNote->isVisible());
            QVERIFY(dlg.Frame1->isVisible());
            DialogHarness::click(dlg.chkShowTopic);
            QVERIFY(!dlg.lblTopicNote->isVisible());
            dlg.hide();
        });
    }

    // The Done/Cancel flow every section heading and activity list dialog shares.
    void doneOrCancel_data()
    {
        dataColumns<QString, QString, Close>({"dialog", "click", "how"});
        const QList<QPair<QString, QString>> changes = {{"frmUnitGoal", "chkShowUnitGoal"},
                                                        {"frmUnitTopic", "chkShowTime"},
                                                        {"frmDailyObj", "chkShowObj"},
                                                        {"frmSetupClosure", "chkShowClosure"},
                                                        {"frmPeriodGroup", "optGroup"},
                                                        {"frmTasks", "optActivities"},
                                                        {"frmNote", "optOther"}};
        for (const auto &[dialog, click] : changes)
            for (const auto &[name, how] : DialogHarness::closings())
                dataRow(qPrintable(dialog + QStringLiteral(", ") + QLatin1String(name)), dialog,
                        click, how);
    }

    void doneOrCancel()
    {
        const auto [dialog, click, how] =
            fetchRow<QString, QString, Close>({"dialog", "click", "how"});
        h->useStore(how == Close::DoneStoreFails);
        auto d = makeDialog(dialog, h->ctx);
        h->open<SectionHeadingDialog>(*d, [&](SectionHeadingDialog &dlg) {
            DialogHarness::click(child<QAbstractButton>(&dlg, click));
            h->close(dlg, dlg.cmdDone, dlg.cmdCancel, how);
        });
        if (how == Close::Done) {
            QVERIFY(h->m.record() != SettingsRecord());
            QVERIFY(h->stored() == h->m.record());
        } else if (how == Close::DoneStoreFails) {
            QVERIFY(h->m.record() == SettingsRecord()); // nothing applied that was not stored
        } else {
            QCOMPARE(h->platform.lastPrompt().icon, Platform::Icon::Question);
            QVERIFY(h->m.record() == SettingsRecord());
            // The next showing starts again from the settings.
            h->open<SectionHeadingDialog>(
                *d, [](SectionHeadingDialog &dlg) { DialogHarness::click(dlg.cmdDone); });
            QVERIFY(h->m.record() == SettingsRecord());
        }
    }
};

QTEST_MAIN(TestSectionHeadings)
#include "tst_sectionheadings.moc"
