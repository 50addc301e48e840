// The section heading dialogs of the setup screen: what the teacher types or picks becomes the
// heading word (colons dropped, quotes made apostrophes, file-name characters corrected for the
// period heading), the show boxes hide the heading frames, Cancel asks before it forgets, and
// Done writes the settings.
#include "dialogharness.h"
#include "screens/frmdailyobj.h"
#include "screens/frmnote.h"
#include "screens/frmperiodgroup.h"
#include "screens/frmsetupclosure.h"
#include "screens/frmtasks.h"
#include "screens/frmunitgoal.h"
#include "screens/frmunittopic.h"
#include "settings/settingsstore.h"
#include "support/datarows.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

namespace
{
std::unique_ptr<SectionHeadingDialog> makeDialog(const QString &name, ScreenContext &ctx)
{
    if (name == QLatin1String("frmUnitGoal"))
        return std::make_unique<frmUnitGoal>(ctx);
    if (name == QLatin1String("frmDailyObj"))
        return std::make_unique<frmDailyObj>(ctx);
    if (name == QLatin1String("frmSetupClosure"))
        return std::make_unique<frmSetupClosure>(ctx);
    if (name == QLatin1String("frmUnitTopic"))
        return std::make_unique<frmUnitTopic>(ctx);
    if (name == QLatin1String("frmPeriodGroup"))
        return std::make_unique<frmPeriodGroup>(ctx);
    if (name == QLatin1String("frmTasks"))
        return std::make_unique<frmTasks>(ctx);
    if (name == QLatin1String("frmNote"))
        return std::make_unique<frmNote>(ctx);
    return nullptr;
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

private Q_SLOTS:
    void init() { h = std::make_unique<DialogHarness>(); }
    void cleanup()
    {
        h->platform.verifyAllAnswered();
        h.reset();
    }

    void typedHeadingIsCleanedOnDone_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("erased"); // characters taken back with Backspace
        QTest::addColumn<QString>("stored");
        for (const QString &field : headingFields().keys()) {
            const auto row = [&field](const char *tag, const QString &typed, int erased,
                                      const QString &stored) {
                dataRow(qPrintable(field + QStringLiteral(": ") + QLatin1String(tag)), field, typed,
                        erased, stored);
            };
            const QString old = SettingsRecord().*headingFields()[field].heading;
            row("colon", "Aims:", 0, "Aims");
            row("colons", "Aims:::", 0, "Aims");
            row("only a colon", ":", 0, "");
            row("quotes", "The \"big\" idea", 0, "The ''big'' idea");
            // (A colon inside the period heading is a file-name character: see below.)
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
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, erased);
        QFETCH(QString, stored);
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
        QTest::addColumn<QString>("section");
        QTest::addColumn<bool>("shownBefore");
        for (const QString &section : showBoxes().keys()) {
            dataRow(qPrintable(section + QStringLiteral(", shown")), section, true);
            dataRow(qPrintable(section + QStringLiteral(", hidden")), section, false);
        }
    }

    void showBoxHidesTheFrame()
    {
        QFETCH(QString, section);
        QFETCH(bool, shownBefore);
        const ShowBox s = showBoxes()[section];
        h->m.*s.show = shownBefore;
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
    }

    void objectiveIsNamedAfterThePlanType_data()
    {
        QTest::addColumn<bool>("weekly");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("checkCaption");
        dataRow("weekly", true, QStringLiteral("Daily Objective Heading"),
                QStringLiteral("&Show Daily Objective"));
        dataRow("unit", false, QStringLiteral("Unit Objective Heading"),
                QStringLiteral("&Show Unit Objective"));
    }

    void objectiveIsNamedAfterThePlanType()
    {
        QFETCH(bool, weekly);
        QFETCH(QString, title);
        QFETCH(QString, checkCaption);
        h->m.blnWeeklyPlans = weekly;
        frmDailyObj d(h->ctx);
        h->open<frmDailyObj>(d, [&](frmDailyObj &dlg) {
            QCOMPARE(dlg.windowTitle(), title);
            QCOMPARE(dlg.chkShowObj->text(), checkCaption);
            QCOMPARE(dlg.UnitLabel->text(), QStringLiteral("Daily Objective:"));
            DialogHarness::click(dlg.cmdChange);
            QTest::keyClicks(dlg.txtObj, QStringLiteral("Target"));
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strDailyObjHeading, QStringLiteral("Target"));
    }

    void chosenHeadingShowsItsOption_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("otherText");
        const auto row = [](const char *tag, const QString &dialog, const QString &heading,
                            const QString &option, const QString &otherText) {
            dataRow(tag, dialog, heading, option, otherText);
        };
        row("tasks: Tasks", "frmTasks", "Tasks", "optTasks", "");
        row("tasks: Strategies", "frmTasks", "Strategies", "optStrategies", "");
        row("tasks: Activities", "frmTasks", "Activities", "optActivities", "");
        row("tasks: Lessons", "frmTasks", "Lessons", "optOther", "Lessons");
        row("tasks: lower case", "frmTasks", "tasks", "optOther", "tasks");
        row("period: Period", "frmPeriodGroup", "Period", "optPeriod", "");
        row("period: Group", "frmPeriodGroup", "Group", "optGroup", "");
        row("period: Block", "frmPeriodGroup", "Block", "optOther", "Block");
        // Longer than the field: read from a file, or lengthened when its quotes were doubled.
        const QString longHeading =
            QString(30, QLatin1Char('x')) + QStringLiteral("''") + QString(30, QLatin1Char('y'));
        row("tasks: long", "frmTasks", longHeading, "optOther", longHeading);
        row("period: long", "frmPeriodGroup", longHeading, "optOther", longHeading);
    }

    void chosenHeadingShowsItsOption()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, heading);
        QFETCH(QString, option);
        QFETCH(QString, otherText);
        QString SettingsRecord::*setting = dialog == QLatin1String("frmTasks")
                                               ? &SettingsRecord::strTasksHeading
                                               : &SettingsRecord::strPeriodHeading;
        h->m.*setting = heading;
        auto d = makeDialog(dialog, h->ctx);
        h->open<SectionHeadingDialog>(*d, [&](SectionHeadingDialog &dlg) {
            auto *chosen = child<QRadioButton>(&dlg, option);
            QVERIFY(chosen);
            QVERIFY(chosen->isChecked());
            auto *other = child<QLineEdit>(&dlg, QStringLiteral("txtOther"));
            QCOMPARE(other->text(), otherText);
            QCOMPARE(other->isEnabled(), option == QLatin1String("optOther"));
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.*setting, heading);
    }

    void choosingAnOption_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char *tag, const QString &dialog, const QString &heading,
                            const QStringList &clicks, const QString &typed,
                            const QString &stored) {
            dataRow(tag, dialog, heading, clicks, typed, stored);
        };
        row("tasks: a word", "frmTasks", "Strategies", {"optActivities"}, "", "Activities");
        row("tasks: other typed", "frmTasks", "Strategies", {"optOther"}, "Lessons", "Lessons");
        row("tasks: other, nothing typed", "frmTasks", "Strategies", {"optTasks", "optOther"}, "",
            "Tasks");
        row("tasks: other, then a word", "frmTasks", "Lessons", {"optOther", "optStrategies"}, "",
            "Strategies");
        row("period: a word", "frmPeriodGroup", "Period", {"optGroup"}, "", "Group");
        row("period: other, nothing typed", "frmPeriodGroup", "Period", {"optOther"}, "", "Period");
        row("period: other typed", "frmPeriodGroup", "Period", {"optOther"}, "Block", "Block");
    }

    void choosingAnOption()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, heading);
        QFETCH(QStringList, clicks);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QString SettingsRecord::*setting = dialog == QLatin1String("frmTasks")
                                               ? &SettingsRecord::strTasksHeading
                                               : &SettingsRecord::strPeriodHeading;
        h->m.*setting = heading;
        auto d = makeDialog(dialog, h->ctx);
        h->open<SectionHeadingDialog>(*d, [&](SectionHeadingDialog &dlg) {
            for (const QString &name : clicks)
                DialogHarness::click(child<QRadioButton>(&dlg, name));
            auto *other = child<QLineEdit>(&dlg, QStringLiteral("txtOther"));
            if (!typed.isEmpty())
                DialogHarness::typeInto(other, typed);
            QCOMPARE(other->isEnabled(), clicks.last() == QLatin1String("optOther"));
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.*setting, stored);
    }

    void periodHeadingMustSuitAFileName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("leaveField"); // the field is left before Done
        QTest::addColumn<bool>("warned");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char *tag, const QString &typed, bool leaveField, bool warned,
                            const QString &stored) {
            dataRow(tag, typed, leaveField, warned, stored);
        };
        row("slash, field left", "Pd/Grp", true, true, "Pd_Grp");
        row("slash, Done at once", "Pd/Grp", false, true, "Pd_Grp");
        row("star and question", "Pd*?", true, true, "Pd__");
        row("trailing colon", "Block:", true, false, "Block");
        row("inner colon", "Block:A", true, true, "Block_A");
        row("quotes", "The \"A\" Block", true, false, "The ''A'' Block");
    }

    void periodHeadingMustSuitAFileName()
    {
        QFETCH(QString, typed);
        QFETCH(bool, leaveField);
        QFETCH(bool, warned);
        QFETCH(QString, stored);
        frmPeriodGroup d(h->ctx);
        h->open<frmPeriodGroup>(d, [&](frmPeriodGroup &dlg) {
            if (warned)
                h->platform.answerMessage(Platform::Answer::OK, QString(),
                                          QStringLiteral("Illegal Characters"));
            DialogHarness::click(dlg.optOther);
            QTest::keyClicks(dlg.txtOther, typed);
            if (leaveField)
                DialogHarness::moveFocusTo(dlg.cmdHelp);
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
            QVERIFY(dlg.Frame->isVisible());
            QVERIFY(!dlg.lblTopicNote->isVisible());
            DialogHarness::click(dlg.chkShowTopic);
            QVERIFY(!dlg.Frame->isVisible());
            QVERIFY(dlg.lblTopicNote->isVisible());
            QVERIFY(dlg.Frame1->isVisible());
            DialogHarness::click(dlg.chkShowTopic);
            QVERIFY(!dlg.lblTopicNote->isVisible());
            dlg.hide();
        });
    }

    void cancelAsksBeforeForgetting_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("check");
        QTest::addColumn<bool>("escape"); // Esc instead of the Cancel button
        QTest::addColumn<bool>("yes");
        const QList<QPair<QString, QString>> dialogs = {
            {"frmUnitGoal", "chkShowUnitGoal"},    {"frmDailyObj", "chkShowObj"},
            {"frmSetupClosure", "chkShowClosure"}, {"frmUnitTopic", "chkShowTime"},
            {"frmPeriodGroup", "chkPeriod"},       {"frmNote", "chkNote"},
            {"frmTasks", "optActivities"}};
        for (const auto &[dialog, check] : dialogs) {
            dataRow(qPrintable(dialog + QStringLiteral(", yes")), dialog, check, false, true);
            dataRow(qPrintable(dialog + QStringLiteral(", no")), dialog, check, false, false);
        }
        dataRow("escape, yes", "frmUnitGoal", "chkShowUnitGoal", true, true);
        dataRow("escape, no", "frmTasks", "optTasks", true, false);
    }

    void cancelAsksBeforeForgetting()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, check);
        QFETCH(bool, escape);
        QFETCH(bool, yes);
        auto d = makeDialog(dialog, h->ctx);
        h->open<SectionHeadingDialog>(*d, [&](SectionHeadingDialog &dlg) {
            h->platform.answerMessage(yes ? Platform::Answer::Yes : Platform::Answer::No,
                                      QStringLiteral("Quit without saving changes?"),
                                      QStringLiteral("Abandon Changes?"));
            DialogHarness::click(child<QAbstractButton>(&dlg, check));
            if (escape)
                QTest::keyClick(&dlg, Qt::Key_Escape);
            else
                DialogHarness::click(dlg.cmdCancel);
            QCOMPARE(dlg.isVisible(), !yes);
            dlg.hide();
        });
        const auto &asked = h->platform.lastPrompt();
        QCOMPARE(asked.buttons, Platform::Buttons::YesNo);
        QCOMPARE(asked.icon, Platform::Icon::Question);
        QVERIFY(h->m.record() == SettingsRecord());
    }

    void doneWritesTheSettings_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("click");
        const QList<QPair<QString, QString>> changes = {
            {"frmUnitGoal", "chkShowUnitGoal"}, {"frmUnitTopic", "chkShowTopic"},
            {"frmDailyObj", "chkShowObj"},      {"frmSetupClosure", "chkShowClosure"},
            {"frmPeriodGroup", "optGroup"},     {"frmTasks", "optActivities"},
            {"frmNote", "optParentheses"}};
        for (const auto &[dialog, click] : changes)
            QTest::newRow(qPrintable(dialog)) << dialog << click;
    }

    void doneWritesTheSettings()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, click);
        h->useStore();
        auto d = makeDialog(dialog, h->ctx);
        h->open<SectionHeadingDialog>(*d, [&](SectionHeadingDialog &dlg) {
            DialogHarness::click(child<QAbstractButton>(&dlg, click));
            DialogHarness::click(dlg.cmdDone);
        });
        QVERIFY(h->m.record() != SettingsRecord());
        QVERIFY(h->stored() == h->m.record());
    }

    void failedWriteKeepsTheDialogOpen()
    {
        h->useStore(true);
        frmUnitGoal d(h->ctx);
        h->open<frmUnitGoal>(d, [&](frmUnitGoal &dlg) {
            h->platform.answerMessage(Platform::Answer::OK, QString(),
                                      QStringLiteral("Settings Not Saved"));
            DialogHarness::click(dlg.chkShowUnitGoal);
            DialogHarness::click(dlg.cmdDone);
            QVERIFY(dlg.isVisible());
            dlg.hide();
        });
    }
};

QTEST_MAIN(TestSectionHeadings)
#include "tst_sectionheadings.moc"
