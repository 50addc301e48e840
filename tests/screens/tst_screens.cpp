// The settings dialogs of the setup screen: the Done/Cancel promise every one of them keeps,
// their headings, lists and the rules each applies on Done.
#include "dialogharness.h"
#include "plan/planstart.h"
#include "screens/frmdailyobj.h"
#include "screens/frmeditstandard.h"
#include "screens/frmmaterials.h"
#include "screens/frmnote.h"
#include "screens/frmperiodgroup.h"
#include "screens/frmsetupclosure.h"
#include "screens/frmsetupcourselist.h"
#include "screens/frmstandards.h"
#include "screens/frmtasks.h"
#include "screens/frmtypes.h"
#include "screens/frmunitgoal.h"
#include "screens/frmunittopic.h"
#include "settings/frmsetupassess.h"
#include "settings/frmsetuptasks.h"
#include "support/docdump.h"
#include "support/planfixture.h"

#include <QMap>
#include <QSignalBlocker>

namespace
{
template <class D> std::unique_ptr<QDialog> make(ScreenContext &ctx)
{
    return std::make_unique<D>(ctx);
}
const QMap<QString, std::unique_ptr<QDialog> (*)(ScreenContext &)> makers = {
    {"frmUnitGoal", &make<frmUnitGoal>},
    {"frmUnitTopic", &make<frmUnitTopic>},
    {"frmDailyObj", &make<frmDailyObj>},
    {"frmSetupClosure", &make<frmSetupClosure>},
    {"frmPeriodGroup", &make<frmPeriodGroup>},
    {"frmTasks", &make<frmTasks>},
    {"frmNote", &make<frmNote>},
    {"frmSetupTasks", &make<frmSetupTasks>},
    {"frmSetUpAssess", &make<frmSetUpAssess>},
    {"frmMaterials", &make<frmMaterials>},
    {"frmTypes", &make<frmTypes>},
    {"frmSetupCourseList", &make<frmSetupCourseList>},
    {"frmStandards", &make<frmStandards>}};

// One edit in each dialog that keeps the plain Done/Cancel promise: a click on a control, or
// text typed into a field.
const QMap<QString, QPair<const char *, const char *>> edits = {
    {"frmUnitGoal", {"chkShowUnitGoal", nullptr}},
    {"frmUnitTopic", {"chkShowTime", nullptr}},
    {"frmDailyObj", {"chkShowObj", nullptr}},
    {"frmSetupClosure", {"chkShowClosure", nullptr}},
    {"frmPeriodGroup", {"optGroup", nullptr}},
    {"frmTasks", {"optActivities", nullptr}},
    {"frmNote", {"optOther", nullptr}},
    {"frmSetupTasks", {"txtActivity(0)", "Debate"}},
    {"frmSetUpAssess", {"txtActivity(14)", "Exit slip"}},
    {"frmMaterials", {"chkShowMaterials", nullptr}},
    {"frmTypes", {"optType(0)", nullptr}},
    {"frmSetupCourseList", {"txtCourse(9)", "Drama"}}};

// A heading the teacher can type: the dialog, what opens the field, the field, the setting.
struct HeadingField {
    QString dialog;
    QString opener;
    QString box;
    QString SettingsRecord::*heading;
};
const QMap<QString, HeadingField> headingFields = {
    {"unit goal", {"frmUnitGoal", "cmdChange", "txtUnit", &SettingsRecord::strUnitGoalHeading}},
    {"objective", {"frmDailyObj", "cmdChange", "txtObj", &SettingsRecord::strDailyObjHeading}},
    {"closure", {"frmSetupClosure", "cmdChange", "txtClosure", &SettingsRecord::strClosureHeading}},
    {"unit topic",
     {"frmUnitTopic", "cmdChangeTopic", "txtTopic", &SettingsRecord::strUnitTopicHeading}},
    {"time frame",
     {"frmUnitTopic", "cmdChangeTime", "txtTime", &SettingsRecord::strTimelineHeading}},
    {"tasks", {"frmTasks", "optOther", "txtOther", &SettingsRecord::strTasksHeading}},
    {"period", {"frmPeriodGroup", "optOther", "txtOther", &SettingsRecord::strPeriodHeading}},
    {"assessment",
     {"frmSetUpAssess", "cmdChange", "txtNewHeading", &SettingsRecord::strAssessHeading}},
    {"courses",
     {"frmSetupCourseList", "cmdChange", "txtNewHeading", &SettingsRecord::strCourseHeading}},
    {"standards",
     {"frmStandards", "cmdChange", "txtNewHeading", &SettingsRecord::strStandardsHeading}}};

template <class T> T *child(QWidget *parent, const QString &name)
{
    auto *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}
QAbstractButton *button(QWidget *dialog, const char *name)
{
    return child<QAbstractButton>(dialog, QString::fromLatin1(name));
}
} // namespace

class TestScreens : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;

    // Shows the named dialog (made afresh when none is given) with the action inside it.
    void show(const QString &name, const std::function<void(QDialog &)> &action,
              std::unique_ptr<QDialog> *kept = nullptr)
    {
        std::unique_ptr<QDialog> made;
        std::unique_ptr<QDialog> &d = kept ? *kept : made;
        if (!d)
            d = makers.value(name)(h->ctx);
        h->open<QDialog>(*d, action);
    }

    // The editor of one standard, opened by Add or Edit/Delete; the action acts inside it.
    void inEditor(const std::function<void(frmEditStandard &)> &action)
    {
        h->platform.actInDialog(QStringLiteral("frmEditStandard"), [action](QDialog *d) {
            action(*static_cast<frmEditStandard *>(d));
        });
    }

private Q_SLOTS:
    void init() { h = std::make_unique<DialogHarness>(); }
    void cleanup()
    {
        h->platform.verifyAllAnswered();
        h.reset();
    }

    // Done that does not store, Cancel or Esc that keeps edits without asking, or a failing
    // store that closes the dialog, applies what was not stored or loses the edits.
    void closing_data()
    {
        dataColumns<QString, Close>({"dialog", "how"});
        for (const QString &name : edits.keys())
            for (const auto &[tag, how] : DialogHarness::closings())
                QTest::addRow("%s: %s", qPrintable(name), tag) << name << how;
    }

    void closing()
    {
        const auto [name, how] = fetchRow<QString, Close>({"dialog", "how"});
        const auto [control, typed] = edits.value(name);
        std::unique_ptr<QDialog> d;
        // Settings as the dialog itself names them (the file type dialog renames the factory
        // type), so that only the edit below can change them.
        show(name, [](QDialog &dlg) { button(&dlg, "cmdDone")->click(); });
        h->useStore(how == Close::DoneStoreFails);
        const SettingsRecord before = h->m.record();
        show(
            name,
            [&](QDialog &dlg) {
                if (typed)
                    DialogHarness::typeInto(child<QLineEdit>(&dlg, control), typed);
                else
                    DialogHarness::click(button(&dlg, control));
                h->close(dlg, button(&dlg, "cmdDone"), button(&dlg, "cmdCancel"), how);
                QVERIFY(h->m.record() == before || how == Close::Done);
                if (how == Close::DoneStoreFails) { // the edits are still there to store
                    h->unblockStore();
                    button(&dlg, "cmdDone")->click();
                    QVERIFY(dlg.isHidden());
                }
            },
            &d);
        const bool stored = how == Close::Done || how == Close::DoneStoreFails;
        QCOMPARE(h->m.record() != before, stored);
        if (stored) {
            QVERIFY(h->stored() == h->m.record());
            return;
        }
        // The next showing starts again from the settings, not from the dropped edits.
        show(
            name, [](QDialog &dlg) { button(&dlg, "cmdDone")->click(); }, &d);
        QVERIFY(h->m.record() == before);
    }

    // A typed heading kept with its colons or double quotes, replaced by a heading of colons,
    // lost on Done or Enter, or taken from what was left of the typing on the way.
    void typedHeadingIsCleanedOnDone_data()
    {
        dataColumns<QString, QString, int, bool, QString>(
            {"field", "typed", "erased", "enter", "stored"});
        for (auto it = headingFields.cbegin(); it != headingFields.cend(); ++it) {
            const auto row = [&it](const char *tag, const QString &typed, int erased, bool enter,
                                   const QString &stored) {
                QTest::addRow("%s: %s", qPrintable(it.key()), tag)
                    << it.key() << typed << erased << enter << stored;
            };
            const QString old = SettingsRecord().*it->heading;
            // The section headings take a lone colon as no heading; the list headings keep
            // theirs.
            const bool list = it->box == QLatin1String("txtNewHeading");
            row("colons", "Aims:::", 0, false, "Aims");
            row("only colons", "::", 0, false, list ? old : QString());
            row("quotes", "The \"big\" idea", 0, false, "The ''big'' idea");
            row("nothing typed", "", 0, false, old);
            // Emptying the field keeps the heading in all but the unit topic dialog.
            row("typed and erased", "Aims", 4, false,
                it->dialog == QLatin1String("frmUnitTopic") ? QString() : old);
            row("partly erased", "Aimless", 3, false, "Aiml");
            if (it->dialog == QLatin1String("frmSetUpAssess") ||
                it->dialog == QLatin1String("frmStandards"))
                row("Enter", "Checks:", 0, true, "Checks");
        }
    }

    void typedHeadingIsCleanedOnDone()
    {
        const auto [field, typed, erased, enter, stored] =
            fetchRow<QString, QString, int, bool, QString>(
                {"field", "typed", "erased", "enter", "stored"});
        const HeadingField f = headingFields[field];
        show(f.dialog, [&](QDialog &dlg) {
            auto *box = child<QLineEdit>(&dlg, f.box);
            DialogHarness::click(child<QAbstractButton>(&dlg, f.opener));
            QCOMPARE(dlg.focusWidget(), box);
            QTest::keyClicks(box, typed);
            for (int i = 0; i < erased; ++i)
                QTest::keyClick(box, Qt::Key_Backspace);
            if (enter)
                QTest::keyClick(box, Qt::Key_Return);
            else
                button(&dlg, "cmdDone")->click();
            QVERIFY(dlg.isHidden());
        });
        QCOMPARE(h->m.*f.heading, stored);
    }

    // The tasks or period heading stored as another word than the option chosen, an "Other"
    // heading read back as one of the fixed words, or a period heading or course name with a
    // character no file name may hold (both name the plan files).
    void chosenHeading_data()
    {
        dataColumns<QString, QString, QString, QStringList, QString, QString, QString>(
            {"dialog", "heading", "option", "clicks", "typed", "warned", "stored"});
        const QString longer =
            QString(30, QLatin1Char('x')) + QStringLiteral("''") + QString(30, QLatin1Char('y'));
        const QStringList none;
        dataRow("longer than the field", "frmTasks", longer, "optOther", none, "", "", longer);
        dataRow("a word", "frmTasks", "Lessons", "optOther", QStringList{"optActivities"}, "", "",
                "Activities");
        dataRow("other, nothing typed", "frmTasks", "Strategies", "optStrategies",
                QStringList{"optTasks", "optOther"}, "", "", "Tasks");
        dataRow("period: slash", "frmPeriodGroup", "Period", "optPeriod", QStringList{"optOther"},
                "Pd/Grp", "Illegal Characters", "Pd_Grp");
        dataRow("period: inner colon", "frmPeriodGroup", "Period", "optPeriod",
                QStringList{"optOther"}, "Block:A", "Illegal Characters", "Block_A");
        dataRow("course: slash", "frmSetupCourseList", "", "", none, "Math 7/8",
                "Illegal Characters", "Math 7_8");
    }

    void chosenHeading()
    {
        const auto [dialog, heading, option, clicks, typed, warned, stored] =
            fetchRow<QString, QString, QString, QStringList, QString, QString, QString>(
                {"dialog", "heading", "option", "clicks", "typed", "warned", "stored"});
        QString SettingsRecord::*setting = dialog == QLatin1String("frmTasks")
                                               ? &SettingsRecord::strTasksHeading
                                               : &SettingsRecord::strPeriodHeading;
        if (!option.isEmpty())
            h->m.*setting = heading;
        show(dialog, [&](QDialog &dlg) {
            auto *other = child<QLineEdit>(&dlg, option.isEmpty() ? "txtCourse(3)" : "txtOther");
            if (!option.isEmpty()) {
                QVERIFY(child<QRadioButton>(&dlg, option)->isChecked());
                QCOMPARE(other->text(), option == QLatin1String("optOther") ? heading : QString());
            }
            for (const QString &name : clicks)
                DialogHarness::click(child<QRadioButton>(&dlg, name));
            if (!warned.isEmpty())
                h->platform.answerMessage(Answer::OK, QString(), warned);
            if (!typed.isEmpty())
                DialogHarness::typeInto(other, typed); // Done at once, the focus still there
            button(&dlg, "cmdDone")->click();
        });
        QCOMPARE(option.isEmpty() ? h->m.strCourses.at(3) : h->m.*setting, stored);
    }

    // The note's enclosure stored as another pair than the option chosen, a pair of another
    // kind lost when nothing is chosen, or an option left over from the showing before.
    void noteEnclosure_data()
    {
        dataColumns<QString, QString, QString, QString>({"start", "shown", "chosen", "stored"});
        dataRow("another pair is kept", "<<|>>", "", "", "<<|>>");
        dataRow("to parentheses", "[|]", "optBrackets", "optParentheses", "( | )");
        dataRow("to none", "( | )", "optParentheses", "optOther", "|");
        dataRow("to brackets", "|", "optOther", "optBrackets", "[ | ]");
    }

    void noteEnclosure()
    {
        const auto [start, shown, chosen, stored] =
            fetchRow<QString, QString, QString, QString>({"start", "shown", "chosen", "stored"});
        std::unique_ptr<QDialog> d;
        for (const QString &pair : {start, QStringLiteral("{|}")}) {
            h->m.strNoteOpen = pair.section(QLatin1Char('|'), 0, 0);
            h->m.strNoteClose = pair.section(QLatin1Char('|'), 1);
            show(
                "frmNote",
                [&](QDialog &dlg) {
                    QString checked;
                    for (auto *b : dlg.findChildren<QRadioButton *>())
                        checked += b->isChecked() ? b->objectName() : QString();
                    QCOMPARE(checked, pair == start ? shown : QString());
                    if (pair == start && !chosen.isEmpty())
                        DialogHarness::click(child<QRadioButton>(&dlg, chosen));
                    button(&dlg, "cmdDone")->click();
                },
                &d);
            QCOMPARE(h->m.strNoteOpen + "|" + h->m.strNoteClose, pair == start ? stored : pair);
        }
    }

    // A double quote stored as typed (it would end the value in the settings file and the
    // plan), an entry stored in another place than its box, or the sixteenth entry (there are
    // fifteen boxes) dropped, overwritten, or put back over settings imported since.
    void activityLists_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("activities") << QStringLiteral("frmSetupTasks");
        QTest::newRow("assessments") << QStringLiteral("frmSetUpAssess");
    }

    void activityLists()
    {
        QFETCH(QString, dialog);
        QStringList SettingsRecord::*list = dialog == QLatin1String("frmSetupTasks")
                                                ? &SettingsRecord::strActivities
                                                : &SettingsRecord::strAssessments;
        (h->m.*list)[15] = QStringLiteral("Kept aside");
        std::unique_ptr<QDialog> d;
        show(
            dialog,
            [&](QDialog &dlg) {
                auto &lists = static_cast<ActivityListDialog &>(dlg);
                for (int i = 0; i < lists.txtActivity.size(); ++i)
                    DialogHarness::typeInto(lists.txtActivity[i], QStringLiteral("\"%1\"").arg(i));
                DialogHarness::typeInto(lists.txtActivity[3], QString());
                DialogHarness::typeInto(lists.txtPunct, QStringLiteral(".\""));
                button(&dlg, "cmdDone")->click();
            },
            &d);
        const QStringList stored = h->m.*list;
        QCOMPARE(stored.size(), 16);
        QCOMPARE(stored.mid(2, 3), QStringList({"''2''", "", "''4''"}));
        QCOMPARE(stored.mid(14), QStringList({"''14''", "Kept aside"}));
        QCOMPARE(dialog == QLatin1String("frmSetupTasks") ? h->m.strActivityPunct
                                                          : h->m.strAssessPunct,
                 QStringLiteral(".''"));

        (h->m.*list)[1] = QStringLiteral("Imported entry");
        const SettingsRecord imported = h->m.record();
        show(
            dialog, [](QDialog &dlg) { button(&dlg, "cmdDone")->click(); }, &d);
        QVERIFY(h->m.record() == imported);
    }

    // A blank time unit stored (the plan would print "15 " with no unit) or not told, the
    // template not emptied when the time is turned off, or the option last chosen forgotten
    // when it is turned on again.
    void timeOnTask()
    {
        h->m.blnShowTime = true;
        h->m.strTimeTemplate.clear();
        frmSetupTasks d(h->ctx);
        const auto showTasks = [&](const std::function<void(frmSetupTasks &)> &act) {
            h->open<frmSetupTasks>(d, [&](frmSetupTasks &dlg) {
                act(dlg);
                DialogHarness::click(dlg.cmdDone);
            });
        };
        showTasks([&](frmSetupTasks &dlg) {
            DialogHarness::typeInto(dlg.txtUnit, QStringLiteral("   "));
            DialogHarness::click(dlg.optBrackets);
            h->platform.answerMessage(Answer::OK, QString(), QStringLiteral("Missing Entry"));
        });
        QCOMPARE(h->m.strTimeUnit, QStringLiteral("min"));
        QCOMPARE(h->m.strTimeTemplate, QStringLiteral("[X] "));
        showTasks([](frmSetupTasks &dlg) {
            DialogHarness::typeInto(dlg.txtUnit, QString());
            DialogHarness::click(dlg.chkTime); // time off: a blank unit needs no word
        });
        QCOMPARE(h->m.strTimeTemplate, QString());
        QCOMPARE(h->m.strTimeUnit, QStringLiteral("min"));
        showTasks([](frmSetupTasks &dlg) {
            DialogHarness::click(dlg.chkTime);
            QVERIFY(dlg.optBrackets->isChecked());
        });
        QCOMPARE(h->m.strTimeTemplate, QStringLiteral("[X] "));
    }

    // Add, edit and delete materials in one showing: an item stored shortened or with its
    // double quotes, an entry of no known kind lost or an empty one revived, a deletion
    // without asking, a second Delete removing the next item unasked, or the check marks
    // stored as other digits.
    void materials()
    {
        h->m.strMaterials = {"T0Algebra 1",  "T1Workbook", "R2Projector",
                             "X1Kept aside", "M0Rulers",   "M0   "};
        const QString long31 = QStringLiteral("Algebra For Starters: Volume 1A");
        auto &p = h->platform;
        show("frmMaterials", [&](QDialog &dlg) {
            auto &d = static_cast<frmMaterials &>(dlg);
            QCOMPARE(DialogHarness::items(d.lstMaterials.at(2)), QStringList({"Rulers"}));
            d.cmdChoose.at(0)->click();
            p.answerInput(QStringLiteral("\"Hatchet\" by Paulsen"));
            p.answerMessage(Answer::Yes, QString(), QStringLiteral("Always Include?"));
            d.cmdAdd.at(0)->click();
            p.answerInput(QStringLiteral("   "));
            d.cmdAdd.at(0)->click(); // a blank answer adds nothing and asks nothing more
            d.lstMaterials.at(0)->setCurrentRow(0);
            p.answerInput(long31);
            p.answerMessage(Answer::No, "Always include \r\nAlgebra For Starters: Volume...\r\nin "
                                        "Lesson Plans?");
            d.cmdEdit.at(0)->click();
            d.cmdChoose.at(1)->click();
            d.lstMaterials.at(1)->setCurrentRow(0);
            p.answerMessage(Answer::No, QString(), QStringLiteral("Deletion Check"));
            d.cmdDelete.at(1)->click();
            p.answerMessage(Answer::Yes, QString(), QStringLiteral("Deletion Check"));
            d.cmdDelete.at(1)->click();
            QVERIFY(!d.cmdDelete.at(1)->isEnabled());
            d.cmdChoose.at(2)->click();
            ui::setTicked(d.lstMaterials.at(2), 0, true);
            d.cmdDone->click();
        });
        QCOMPARE(h->m.strMaterials,
                 QStringList({"T0" + long31, "T1Workbook", "T1''Hatchet'' by Paulsen", "M1Rulers",
                              "X1Kept aside"}));
    }

    // The saved file type shown as another one, a choice stored under another type name, or a
    // setting matching no type keeping the selection of an earlier showing.
    void fileType_data()
    {
        dataColumns<QString, int, QString, QString, QString>(
            {"ext", "selected", "control", "chosen", "typeName"});
        dataRow("wps, to wpd", "wps", 2, "optType(3)", "wpd", "WordPerfect Document");
        dataRow("capitals, the DOCX label", "DOC", -1, "lblDocX", "doc", "''Word'' Document");
        // Done without a choice keeps the saved type (and the name the first showing gave).
        dataRow("docx, no choice", "docx", -1, "", "docx", "WordPerfect Document");
    }

    void fileType()
    {
        const auto [ext, selected, control, chosen, typeName] =
            fetchRow<QString, int, QString, QString, QString>(
                {"ext", "selected", "control", "chosen", "typeName"});
        std::unique_ptr<QDialog> d;
        h->m.strFileExt = QStringLiteral("wpd");
        show(
            "frmTypes", [](QDialog &dlg) { button(&dlg, "cmdDone")->click(); }, &d);
        h->m.strFileExt = ext;
        show(
            "frmTypes",
            [&](QDialog &dlg) {
                const auto &types = static_cast<frmTypes &>(dlg);
                for (int i = 0; i < types.optType.size(); ++i)
                    QCOMPARE(types.optType.at(i)->isChecked(), i == selected);
                if (auto *clicked = dlg.findChild<QWidget *>(control))
                    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(8, 8));
                button(&dlg, "cmdDone")->click();
            },
            &d);
        QCOMPARE(h->m.strFileExt, chosen);
        QCOMPARE(h->m.strFileTypeName, typeName);
    }

    // The main window's course list not refilled, listing an emptied course, or losing the
    // course picked for the plan under way.
    void coursesRefillTheMainList_data()
    {
        dataColumns<QString, QStringList, int>({"second", "listed", "picked"});
        dataRow("picked course still listed", "Course/Subject #2",
                QStringList{"Algebra 1", "Course/Subject #2", "Art"}, 1);
        dataRow("picked course emptied", "", QStringList{"Algebra 1", "Art"}, -1);
    }

    void coursesRefillTheMainList()
    {
        const auto [second, listed, picked] =
            fetchRow<QString, QStringList, int>({"second", "listed", "picked"});
        frmMain &main = h->withMain();
        {
            const QSignalBlocker quiet(main.cboCourses); // no plan-type question here
            main.cboCourses->setCurrentIndex(1);
        }
        show("frmSetupCourseList", [&](QDialog &dlg) {
            auto &d = static_cast<frmSetupCourseList &>(dlg);
            d.txtCourse.at(0)->setText(QStringLiteral("Algebra 1"));
            d.txtCourse.at(1)->setText(second);
            d.txtCourse.at(2)->clear();
            d.txtCourse.at(4)->setText(QStringLiteral("Art"));
            d.cmdDone->click();
        });
        QCOMPARE(DialogHarness::items(main.cboCourses), listed);
        QCOMPARE(main.cboCourses->currentIndex(), picked);
    }

    // Standards: Cancel or Esc dropping the top section without asking, or undoing list edits
    // already stored (the screen says they are recorded at once); a failing store closing the
    // screen, applying what was not stored or losing it.
    void standardsTopSection_data()
    {
        dataColumns<QString, Answer>({"how", "answer"});
        dataRow("Cancel, Yes", "cancel", Answer::Yes);
        dataRow("Cancel, No", "cancel", Answer::No);
        dataRow("Esc, Yes", "escape", Answer::Yes);
        dataRow("Done, store fails", "done", Answer::OK);
    }

    void standardsTopSection()
    {
        const auto [how, answer] = fetchRow<QString, Answer>({"how", "answer"});
        LessonPlanModule &m = h->m;
        h->useStore(how == QLatin1String("done"));
        show("frmStandards", [&](QDialog &dlg) {
            auto &d = static_cast<frmStandards &>(dlg);
            DialogHarness::click(d.optPrefix);
            DialogHarness::click(d.chkOncePerWeek);
            if (how == QLatin1String("done")) {
                h->answerNotSaved();
                d.cmdDone->click();
                QVERIFY(d.isVisible() && !m.blnStandardsOnce);
                h->unblockStore();
                return d.cmdDone->click();
            }
            inEditor([](frmEditStandard &e) {
                e.txtPre->setText(QStringLiteral("C-1"));
                e.cmdDone->click();
            });
            d.lstStandards->setCurrentRow(0);
            d.cmdEdit->click();
            h->platform.answerMessage(answer, QString(), QStringLiteral("Abandon Changes?"));
            DialogHarness::cancel(d, d.cmdCancel, how == QLatin1String("escape"));
            QCOMPARE(d.isVisible(), answer == Answer::No);
        });
        const bool done = how == QLatin1String("done");
        QCOMPARE(m.strStdCodes.at(0), done ? QStringLiteral("A-1-2B") : QStringLiteral("C-1"));
        QCOMPARE(m.strStandardsMode,
                 done ? QStringLiteral("PREFIXED") : QStringLiteral("NO PREFIXES"));
        QCOMPARE(m.blnStandardsOnce, done);
        QVERIFY(m.blnStandardsEdited);
        QCOMPARE(h->stored(), m.record());
    }

    // A standard added although its editor was cancelled or could not store it, an empty
    // standard left behind, or the courses' choices shifted by an addition.
    void addingAStandard_data() { DialogHarness::closeRows(); }

    void addingAStandard()
    {
        QFETCH(Close, how);
        h->useStore(how == Close::DoneStoreFails);
        const int count = how == Close::Done ? 6 : 5;
        const QStringList choices = h->m.strStdChoices;
        show("frmStandards", [&](QDialog &dlg) {
            auto &d = static_cast<frmStandards &>(dlg);
            inEditor([&](frmEditStandard &e) {
                QVERIFY(!e.cmdDone->isEnabled()); // nothing to record yet
                e.txtPre->setText(QStringLiteral("C-2-1"));
                e.txtSta->setPlainText(QStringLiteral("Reads maps."));
                h->close(e, e.cmdDone, e.cmdCancel, how);
            });
            d.cmdAdd->click();
            QCOMPARE(d.lstStandards->count(), count);
            d.cmdDone->click();
        });
        QCOMPARE(h->m.strStdCodes.size(), count);
        QCOMPARE(h->m.strStdTexts.size(), count);
        QCOMPARE(h->m.strStdCodes.last(), count == 6 ? "C-2-1" : "B-3-5D");
        QCOMPARE(h->m.strStdChoices, choices);
    }

    // A standard's line breaks or double quotes stored as typed (both would break the settings
    // file and the plan's line); a deletion without asking, Edit/Delete then acting on the
    // line that moved up, or the courses' choices still counting the deleted position.
    void editingAStandard_data()
    {
        dataColumns<int, QString, QString, Answer, QStringList>(
            {"row", "code", "text", "answer", "left"});
        const QStringList choices = {"01101", "", "0110", "1", "01", "11111"};
        dataRow("line breaks become three blanks", 2, "A-9", "Adds\nand subtracts.\n", Answer::OK,
                choices);
        dataRow("quotes", 2, "\"A\"", "Says \"hello\".", Answer::OK, choices);
        dataRow("delete the second", 1, "", "", Answer::Yes,
                QStringList({"0101", "", "010", "1", "0", "1111"}));
        dataRow("delete the last", 4, "", "", Answer::Yes,
                QStringList({"0110", "", "0110", "1", "01", "1111"}));
        dataRow("delete, No", 1, "", "", Answer::No, choices);
    }

    void editingAStandard()
    {
        const auto [row, code, text, answer, left] =
            fetchRow<int, QString, QString, Answer, QStringList>(
                {"row", "code", "text", "answer", "left"});
        LessonPlanModule &m = h->m;
        h->useStore();
        m.strStdChoices = SettingsRecord::padded({"01101", "", "0110", "1", "01", "11111"}, 10);
        SettingsRecord expected = m.record();
        expected.strStdChoices = SettingsRecord::padded(left, 10);
        if (answer == Answer::Yes) {
            expected.strStdCodes.removeAt(row);
            expected.strStdTexts.removeAt(row);
        } else if (answer == Answer::OK) {
            expected.strStdCodes[row] = QString(code).replace("\"", "''");
            expected.strStdTexts[row] = QString(text).replace("\"", "''").replace("\n", "   ");
        }
        show("frmStandards", [&](QDialog &dlg) {
            auto &d = static_cast<frmStandards &>(dlg);
            inEditor([&](frmEditStandard &e) {
                if (answer != Answer::OK) {
                    h->platform.answerMessage(answer, QString(), QStringLiteral("Deletion Check"));
                    return e.cmdDelete->click();
                }
                e.txtPre->setText(code);
                e.txtSta->setPlainText(text);
                e.cmdDone->click();
            });
            d.lstStandards->setCurrentRow(row);
            d.cmdEdit->click();
            QVERIFY(!d.cmdEdit->isEnabled());
            d.cmdDone->click();
        });
        QCOMPARE(m.strStdCodes, expected.strStdCodes);
        QCOMPARE(m.strStdTexts, expected.strStdTexts);
        QCOMPARE(m.strStdChoices, expected.strStdChoices);
        if (answer != Answer::No)
            QCOMPARE(h->stored(), m.record());
    }

    // A plan whose course was renamed in no slot of the list: its standard choices written
    // over another course's (slot 10 is no course).
    void aCourseInNoSlotIsNotRemembered()
    {
        frmMain &w = h->withMain();
        for (bool *shown : {&h->m.blnShowAssessment, &h->m.blnShowMaterials, &h->m.blnShowUnitGoal,
                            &h->m.blnShowClosure, &h->m.blnShowDailyObj})
            *shown = false;
        w.showMain();
        planfixture::beginWeeklyPlan(w, h->platform);
        h->m.strCourses[0] = QStringLiteral("Algebra");
        const QStringList choices = h->m.strStdChoices;
        w.txtObjective->setPlainText(QStringLiteral("One"));
        w.optTask[0]->click();
        w.txtDescription->insertPlainText(QStringLiteral("x"));
        w.cmdOK->click();
        w.cmdDone1->click();
        QCOMPARE(w.plan->intCourseIndex, 10);
        ui::setTicked(w.lstChooseStandards, 4, true);
        w.cmdAddToPlan->click();
        QCOMPARE(h->m.strStdChoices, choices);
        QVERIFY(dumpDocument(*w.RTxtComposite)
                    .endsWith(QStringLiteral("\nB-3-5D   The full text "
                                             "of a fifth Educational "
                                             "Standard will display "
                                             "here.\n")));
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
