// The setup screen and its settings dialogs: the Done/Cancel promise every dialog keeps, the
// rules each applies on Done, the sample page and its regions.
#include "dialogharness.h"
#include "plan/planstart.h"
#include "platform/richtextbox.h"
#include "screens/frmdailyobj.h"
#include "screens/frmeditstandard.h"
#include "screens/frmmaterials.h"
#include "screens/frmnote.h"
#include "screens/frmpageconfig.h"
#include "screens/frmperiodgroup.h"
#include "screens/frmsetupclosure.h"
#include "screens/frmsetupcourselist.h"
#include "screens/frmsetupnamecourses.h"
#include "screens/frmstandards.h"
#include "screens/frmstandardswizard.h"
#include "screens/frmtasks.h"
#include "screens/frmtypes.h"
#include "screens/frmunitgoal.h"
#include "screens/frmunittopic.h"
#include "settings/frmsetupassess.h"
#include "settings/frmsetuptasks.h"
#include "support/docdump.h"
#include "support/fulldisk.h"
#include "support/golden.h"
#include "support/planfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMap>
#include <QMouseEvent>
#include <QRegularExpression>
#include <map>

namespace
{
template <class D> std::unique_ptr<QDialog> make(ScreenContext &ctx)
{
    return std::make_unique<D>(ctx);
}
// The editor of one standard as Add opens it: the sixth entry, nothing in it yet.
std::unique_ptr<QDialog> addStandard(ScreenContext &ctx)
{
    auto editor = std::make_unique<frmEditStandard>(ctx);
    editor->SetUp(5);
    editor->SetMode(QStringLiteral("ADD"));
    return editor;
}
// Every settings dialog with one edit in it: a click on a control, or text typed into a field.
struct Dialog {
    std::unique_ptr<QDialog> (*make)(ScreenContext &);
    const char *control;
    const char *typed;
};
const QMap<QString, Dialog> dialogs = {
    {"frmUnitGoal", {&make<frmUnitGoal>, "chkShowUnitGoal", nullptr}},
    {"frmUnitTopic", {&make<frmUnitTopic>, "chkShowTime", nullptr}},
    {"frmDailyObj", {&make<frmDailyObj>, "chkShowObj", nullptr}},
    {"frmSetupClosure", {&make<frmSetupClosure>, "chkShowClosure", nullptr}},
    {"frmPeriodGroup", {&make<frmPeriodGroup>, "optGroup", nullptr}},
    {"frmTasks", {&make<frmTasks>, "optActivities", nullptr}},
    {"frmNote", {&make<frmNote>, "optOther", nullptr}},
    {"frmSetupTasks", {&make<frmSetupTasks>, "chkTime", nullptr}},
    {"frmSetUpAssess", {&make<frmSetUpAssess>, "txtActivity(14)", "Exit slip"}},
    {"frmMaterials", {&make<frmMaterials>, "chkShowMaterials", nullptr}},
    {"frmTypes", {&make<frmTypes>, "optType(0)", nullptr}},
    {"frmSetupCourseList", {&make<frmSetupCourseList>, "txtCourse(9)", "Drama"}},
    {"frmSetupNameCourses", {&make<frmSetupNameCourses>, "txtTName", "Bo"}},
    {"frmStandards", {&make<frmStandards>, "chkOncePerWeek", nullptr}},
    {"frmEditStandard", {&addStandard, "txtPre", "C-2-1"}}};

// A text the teacher can type: the dialog, what opens the field, the field, the setting (none:
// the fourth course).
struct TypedField {
    QString dialog, opener, box;
    QString SettingsRecord::*setting;
    bool heading = true;
};
using R = SettingsRecord;
const QMap<QString, TypedField> typedFields = {
    {"unit goal", {"frmUnitGoal", "cmdChange", "txtUnit", &R::strUnitGoalHeading}},
    {"objective", {"frmDailyObj", "cmdChange", "txtObj", &R::strDailyObjHeading}},
    {"closure", {"frmSetupClosure", "cmdChange", "txtClosure", &R::strClosureHeading}},
    {"unit topic", {"frmUnitTopic", "cmdChangeTopic", "txtTopic", &R::strUnitTopicHeading}},
    {"time frame", {"frmUnitTopic", "cmdChangeTime", "txtTime", &R::strTimelineHeading}},
    {"tasks", {"frmTasks", "optOther", "txtOther", &R::strTasksHeading}},
    {"period", {"frmPeriodGroup", "optOther", "txtOther", &R::strPeriodHeading}},
    {"assessment", {"frmSetUpAssess", "cmdChange", "txtNewHeading", &R::strAssessHeading}},
    {"courses", {"frmSetupCourseList", "cmdChange", "txtNewHeading", &R::strCourseHeading}},
    {"standards", {"frmStandards", "cmdChange", "txtNewHeading", &R::strStandardsHeading}},
    {"instructor", {"frmSetupNameCourses", "", "txtTName", &R::strTeacherName, false}},
    {"abbreviation", {"frmSetupNameCourses", "chkUseAbb", "txtAbbrev", &R::strSchoolAbbrev, false}},
    {"school", {"frmSetupNameCourses", "chkUseFull", "txtFull", &R::strSchoolName, false}},
    {"course", {"frmSetupCourseList", "", "txtCourse(3)", nullptr, false}}};

// Two settings one choice sets together, compared as "first|second".
const QMap<QString, std::pair<QString R::*, QString R::*>> pairs = {
    {"frmNote", {&R::strNoteOpen, &R::strNoteClose}},
    {"frmTypes", {&R::strFileExt, &R::strFileTypeName}},
    {"frmSetupTasks", {&R::strTimeUnit, &R::strTimeTemplate}}};

template <class T = QAbstractButton> T *child(QWidget *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}
void done(QDialog &dialog)
{
    child(&dialog, "cmdDone")->click();
}

// The pointer as the teacher moves it and clicks: through the application, so event filters
// see it.
void mouse(QWidget *widget, QEvent::Type type)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), button,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Every line of the sample page and the storage line: name, bold/italic/underline, text.
QString pageDump(const QWidget &page)
{
    QString dump;
    for (const QLabel *l : page.findChildren<QLabel *>(QRegularExpression("Label\\d?$|^lblFile")))
        dump +=
            QStringLiteral("%1 %2%3%4 \"%5\"\n")
                .arg(l->objectName(), l->font().bold() ? "B" : "-", l->font().italic() ? "I" : "-",
                     l->font().underline() ? "U" : "-", QString(l->text()).replace("\r\n", "|"));
    return dump;
}
} // namespace

class TestScreens : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;
    std::map<QString, std::unique_ptr<QDialog>> made; // one of each dialog per test
    std::unique_ptr<frmPageConfig> screen;

    // Shows the named dialog with the action inside it.
    void show(const QString &name, const std::function<void(QDialog &)> &action)
    {
        std::unique_ptr<QDialog> &d = made[name];
        if (!d)
            d = dialogs.value(name).make(h->ctx);
        // Made active, so that focus moves as for a teacher.
        h->platform.actInDialog(name, [&](QDialog *dlg) {
            dlg->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dlg));
            action(*dlg);
        });
        h->platform.showModal(d.get());
    }
    template <class D> void show(const std::function<void(D &)> &action)
    {
        show(D::staticMetaObject.className(), [&](QDialog &d) { action(static_cast<D &>(d)); });
    }

    // The teacher picks an entry of a drop-down list.
    static void pick(QComboBox *box, int i)
    {
        box->setCurrentIndex(i);
        Q_EMIT box->activated(i);
    }

    // The setup screen on show, storing into a working store.
    frmPageConfig &page()
    {
        h->useStore();
        screen = std::make_unique<frmPageConfig>(h->ctx);
        screen->show();
        return *screen;
    }

private Q_SLOTS:
    void init() { h = std::make_unique<DialogHarness>(); }
    void cleanup()
    {
        h->platform.verifyAllAnswered();
        screen.reset();
        made.clear();
        h.reset();
    }

    // Done that does not store, Cancel, Esc or the close box that keeps edits without asking,
    // or a failing store that closes the dialog, applies what was not stored or loses the edits.
    void closing_data()
    {
        dataColumns<QString, Close>({"dialog", "how"});
        for (const QString &name : dialogs.keys())
            for (int how = 0; how < 6; ++how)
                QTest::addRow("%s: %s", qPrintable(name), DialogHarness::closings[how])
                    << name << Close(how);
    }

    void closing()
    {
        const auto [name, how] = fetchRow<QString, Close>({"dialog", "how"});
        const Dialog edit = dialogs.value(name);
        // Settings as the dialog itself names them (the file type dialog renames the factory
        // type), so that only the edit below can change them.
        show(name, done);
        made.erase(name); // the next one is made with the store
        h->useStore(how == Close::DoneStoreFails);
        const SettingsRecord before = h->m.record();
        show(name, [&](QDialog &dlg) {
            if (edit.typed)
                DialogHarness::typeInto(child<QLineEdit>(&dlg, edit.control), edit.typed);
            else
                DialogHarness::click(child(&dlg, edit.control));
            h->close(dlg, child(&dlg, "cmdDone"), child(&dlg, "cmdCancel"), how);
            QVERIFY(h->m.record() == before || how == Close::Done);
            if (how == Close::DoneStoreFails) { // the edits are still there to store
                h->unblockStore();
                done(dlg);
                QVERIFY(dlg.isHidden());
            }
        });
        const bool stored = how == Close::Done || how == Close::DoneStoreFails;
        QCOMPARE(h->m.record() != before, stored);
        QCOMPARE(h->store->exists(), stored);
        if (stored) {
            QVERIFY(h->stored() == h->m.record());
            return;
        }
        // The next showing starts again from the settings, not from the dropped edits.
        show(name, done);
        QVERIFY(h->m.record() == before);
    }

    // A typed heading kept with its colons or double quotes, replaced by a heading of colons,
    // lost on Done or Enter, or taken from what was left of the typing on the way; a text
    // that names the plan files (instructor, abbreviation, period heading, course) kept with a
    // character no file name may hold or not told, or cut short by the quote rule.
    void typedText_data()
    {
        // end: Done, Enter in the field, or the focus leaving it before Done
        dataColumns<QString, QString, int, QString, bool, QString>(
            {"field", "typed", "erased", "end", "warned", "stored"});
        const auto row = [](const QString &field, const char *tag, const QString &typed, int erased,
                            const char *end, bool warned, const QString &stored) {
            QTest::addRow("%s: %s", qPrintable(field), tag)
                << field << typed << erased << QString(end) << warned << stored;
        };
        for (auto it = typedFields.cbegin(); it != typedFields.cend(); ++it) {
            if (!it->heading)
                continue;
            const QString old = SettingsRecord().*it->setting;
            // The section headings take a lone colon as no heading; the list headings keep
            // theirs.
            const bool list = it->box == QLatin1String("txtNewHeading");
            row(it.key(), "colons", "Aims:::", 0, "Done", false, "Aims");
            row(it.key(), "only colons", "::", 0, "Done", false, list ? old : QString());
            row(it.key(), "quotes", "The \"big\" idea", 0, "Done", false, "The ''big'' idea");
            row(it.key(), "nothing typed", "", 0, "Done", false, old);
            // Emptying the field keeps the heading in all but the unit topic dialog.
            row(it.key(), "typed and erased", "Aims", 4, "Done", false,
                it->dialog == QLatin1String("frmUnitTopic") ? QString() : old);
            row(it.key(), "partly erased", "Aimless", 3, "Done", false, "Aiml");
            if (it->dialog == QLatin1String("frmSetUpAssess") ||
                it->dialog == QLatin1String("frmStandards"))
                row(it.key(), "Enter", "Checks:", 0, "Enter", false, "Checks");
        }
        row("instructor", "slash, left", "A/B Lee", 0, "leave", true, "A_B Lee");
        row("instructor", "bar, Done at once", "Ann|Lee", 0, "Done", true, "Ann_Lee");
        row("abbreviation", "quote longer than the box", "ABCDEF\"G", 0, "leave", false,
            "ABCDEF''G");
        row("school", "quotes", "Elm \"North\"", 0, "Done", false, "Elm ''North''");
        row("period", "inner colon, left", "Block:A", 0, "leave", true, "Block_A");
        row("course", "slash", "Math 7/8", 0, "Done", true, "Math 7_8");
    }

    void typedText()
    {
        const auto [field, typed, erased, end, warned, stored] =
            fetchRow<QString, QString, int, QString, bool, QString>(
                {"field", "typed", "erased", "end", "warned", "stored"});
        const TypedField f = typedFields[field];
        show(f.dialog, [&](QDialog &dlg) {
            if (warned)
                h->platform.answerMessage(Answer::OK, QString(), "Illegal Characters");
            auto *box = child<QLineEdit>(&dlg, f.box);
            if (f.opener.isEmpty())
                box->setFocus(Qt::MouseFocusReason);
            else
                DialogHarness::click(child(&dlg, f.opener));
            QCOMPARE(dlg.focusWidget(), box);
            box->selectAll();
            QTest::keyClicks(box, typed);
            for (int i = 0; i < erased; ++i)
                QTest::keyClick(box, Qt::Key_Backspace);
            if (end == QLatin1String("Enter"))
                QTest::keyClick(box, Qt::Key_Return);
            else if (end == QLatin1String("leave"))
                child(&dlg, "cmdHelp")->setFocus(Qt::TabFocusReason);
            if (end != QLatin1String("Enter"))
                done(dlg);
            QVERIFY(dlg.isHidden());
        });
        QCOMPARE(f.setting ? h->m.*f.setting : h->m.strCourses.at(3), stored);
    }

    // The instructor dialog's order choices and its sample showed the heading's parts in
    // another order than the plans get them.
    void headingOrderMatchesThePlans()
    {
        for (int order = 0; order < 4; ++order) {
            const QString plan = PlanStart::headingLine(
                order, QStringLiteral("Teacher"), QStringLiteral("Week"), QStringLiteral("Year"));
            const QString sample =
                frmSetupNameCourses::sampleHeading(order, QString(), QStringLiteral("Teacher"),
                                                   QStringLiteral("Year"), QStringLiteral("Week"));
            QCOMPARE(sample.simplified(), plan.simplified());
            QString caption = frmSetupNameCourses::orderCaption(order, QStringLiteral("Week"));
            QCOMPARE(
                caption.remove(u'&')
                    .remove(u'-')
                    .replace(QStringLiteral("School Year"), QStringLiteral("Year Lesson Plans"))
                    .simplified(),
                plan.simplified());
        }
    }

    // A stored heading that is none of the choices and longer than the box (quotes doubled, or
    // read from a file) was cut when its dialog opened, and Done stored the cut heading.
    void longCustomHeadingIsKeptWhole_data()
    {
        dataColumns<QString>({"field"});
        dataRow("tasks", "tasks");
        dataRow("period", "period");
    }
    void longCustomHeadingIsKeptWhole()
    {
        const auto [field] = fetchRow<QString>({"field"});
        const TypedField f = typedFields[field];
        const QString heading = QString(60, QLatin1Char('a')) + QStringLiteral(" ''b''");
        h->m.*f.setting = heading;
        show(f.dialog, [&](QDialog &dlg) { done(dlg); });
        QCOMPARE(h->m.*f.setting, heading);
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
        const bool tasks = dialog == QLatin1String("frmSetupTasks");
        QStringList &list = tasks ? h->m.strActivities : h->m.strAssessments;
        list[15] = QStringLiteral("Kept aside");
        show(dialog, [&](QDialog &dlg) {
            auto &lists = static_cast<ActivityListDialog &>(dlg);
            for (int i = 0; i < lists.txtActivity.size(); ++i)
                DialogHarness::typeInto(lists.txtActivity[i], QStringLiteral("\"%1\"").arg(i));
            DialogHarness::typeInto(lists.txtActivity[3], QString());
            DialogHarness::typeInto(lists.txtPunct, QStringLiteral(".\""));
            done(dlg);
        });
        QCOMPARE(list.size(), 16);
        QCOMPARE(list.mid(2, 3), QStringList({"''2''", "", "''4''"}));
        QCOMPARE(list.mid(14), QStringList({"''14''", "Kept aside"}));
        QCOMPARE(tasks ? h->m.strActivityPunct : h->m.strAssessPunct, QStringLiteral(".''"));

        list[1] = QStringLiteral("Imported entry");
        const SettingsRecord imported = h->m.record();
        show(dialog, done);
        QVERIFY(h->m.record() == imported);
    }

    // A choice stored as half of its pair (the note's enclosure, the file type and its name,
    // the time unit and template) or shown as another option than the one stored; Done without
    // a choice overwriting a pair of another kind or a capitalised type; the DOCX label not
    // choosing its type; a blank time unit stored (the plan would print "15 " alone) or not told.
    void choiceStoresItsPair_data()
    {
        dataColumns<QString, QString, QString, QString, QString>(
            {"dialog", "before", "shown", "clicked", "stored"});
        dataRow("note: other pair", "frmNote", "<<|>>", "", "", "<<|>>");
        dataRow("note: to ( )", "frmNote", "[|]", "optBrackets", "optParentheses", "( | )");
        dataRow("note: to [ ]", "frmNote", "( | )", "optParentheses", "optBrackets", "[ | ]");
        dataRow("type: DOC, label", "frmTypes", "DOC|Word", "", "lblDocX", "doc|''Word'' Document");
        dataRow("type: no choice", "frmTypes", "docx|Word 2007", "", "", "docx|Word 2007");
        dataRow("time: blank", "frmSetupTasks", "   |", "optParentheses", "optBrackets",
                "min|[X] ");
    }

    void choiceStoresItsPair()
    {
        const auto [dialog, before, shown, clicked, stored] =
            fetchRow<QString, QString, QString, QString, QString>(
                {"dialog", "before", "shown", "clicked", "stored"});
        const auto [first, second] = pairs.value(dialog);
        h->m.*first = before.section(QLatin1Char('|'), 0, 0);
        h->m.*second = before.section(QLatin1Char('|'), 1);
        h->m.blnShowNote = h->m.blnShowTime = true; // the choices on show
        show(dialog, [&](QDialog &dlg) {
            QString checked;
            for (const QRadioButton *option : dlg.findChildren<QRadioButton *>())
                checked += option->isChecked() ? option->objectName() : QString();
            QCOMPARE(checked, shown);
            if (dialog == QLatin1String("frmSetupTasks")) // its unit is blank
                h->platform.answerMessage(Answer::OK, QString(), QStringLiteral("Missing Entry"));
            if (auto *control = clicked.isEmpty() ? nullptr : child<QWidget>(&dlg, clicked))
                QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
            done(dlg);
        });
        QCOMPARE(h->m.*first + QLatin1Char('|') + h->m.*second, stored);
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
        show<frmMaterials>([&](frmMaterials &d) {
            QCOMPARE(d.lstMaterials.at(2)->count(), 1);
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

    // The main window's course list not refilled, listing an emptied course, or losing the
    // course picked for the plan under way while it is still listed.
    void coursesRefillTheMainList()
    {
        QComboBox *courses = h->withMain().cboCourses;
        courses->blockSignals(true); // no plan-type question here
        courses->setCurrentIndex(1);
        courses->blockSignals(false);
        for (const QString &second : {h->m.strCourses.at(1), QString()}) {
            show<frmSetupCourseList>([&](frmSetupCourseList &d) {
                d.txtCourse.at(0)->setText(QStringLiteral("Algebra 1"));
                d.txtCourse.at(1)->setText(second);
                d.txtCourse.at(2)->clear();
                d.txtCourse.at(4)->setText(QStringLiteral("Art"));
                d.cmdDone->click();
            });
            QCOMPARE(courses->count(), second.isEmpty() ? 2 : 3);
            QCOMPARE(courses->currentText() + courses->itemText(0), second + "Algebra 1");
        }
    }

    // A school box that takes effect at once but is not stored at once (the next start would
    // show another box), one shown ticked although its store failed, or Cancel undoing it.
    void schoolBoxesAreStoredAtOnce()
    {
        h->useStore(true);
        show<frmSetupNameCourses>([&](frmSetupNameCourses &d) {
            for (bool works : {false, true}) {
                for (QCheckBox *box : {d.chkUseFull, d.chkUseAbb}) {
                    if (!works)
                        h->answerNotSaved();
                    box->click();
                    QCOMPARE(box->isChecked(), works);
                }
                QCOMPARE(d.txtFull->isEnabled() + d.txtAbbrev->isEnabled(), works ? 2 : 0);
                if (!works)
                    h->unblockStore();
            }
            h->answerAbandon(Answer::Yes);
            d.cmdCancel->click();
        });
        QVERIFY(h->m.blnUseSchoolName && h->m.blnUseSchoolAbbrev);
        QCOMPARE(h->stored(), h->m.record());
    }

    // A week choice that leaves unit plans chosen, an end-day list that does not run on past
    // Saturday, the days per week lost when the start day moves, or a changed week that leaves
    // the main window's dates of the old week (or an unchanged one that clears them).
    void instructionalWeek_data()
    {
        dataColumns<int, int, QString, int>({"start", "end", "endDay", "days"});
        dataRow("same start day", 1, -1, "Fri", 5);
        dataRow("fewer days", -1, 2, "Thu", 4);
        dataRow("past Saturday", 5, -1, "Tue", 5);
    }

    void instructionalWeek()
    {
        const auto [start, end, endDay, days] =
            fetchRow<int, int, QString, int>({"start", "end", "endDay", "days"});
        frmMain &main = h->withMain();
        h->m.blnWeeklyPlans = false;
        main.cboDay->addItem(QStringLiteral("Monday, September 14"));
        show<frmSetupNameCourses>([&](frmSetupNameCourses &d) {
            if (start >= 0)
                pick(d.cboStartDay, start);
            if (end >= 0)
                pick(d.cboEndDay, end);
            QCOMPARE(d.cboEndDay->currentText(), endDay);
            done(d);
        });
        QVERIFY(h->m.blnWeeklyPlans);
        QCOMPARE(h->m.intFirstDay, start < 0 ? 1 : start);
        QCOMPARE(h->m.intDaysPerWeek, days);
        const bool changed = h->m.intFirstDay != 1 || days != 5;
        QCOMPARE(main.cboDay->count(), changed ? 0 : 1);
    }

    // A standard's line breaks or double quotes stored as typed (both would break the settings
    // file and the plan's line); a deletion without asking, Edit/Delete then acting on the
    // line that moved up, or the courses' choices still counting the deleted position; list
    // edits (recorded at once, the screen says) undone by Cancel, or the top section's kept.
    void editingAStandard_data()
    {
        dataColumns<int, Answer, QString>({"row", "answer", "choices"});
        dataRow("edit: quotes, line breaks", 2, Answer::OK, "01101,,0110,1,01,11111");
        dataRow("delete the second", 1, Answer::Yes, "0101,,010,1,0,1111");
        dataRow("delete the last", 4, Answer::Yes, "0110,,0110,1,01,1111");
        dataRow("delete, No", 1, Answer::No, "01101,,0110,1,01,11111");
    }

    void editingAStandard()
    {
        const auto [row, answer, choices] =
            fetchRow<int, Answer, QString>({"row", "answer", "choices"});
        h->useStore();
        h->m.strStdChoices = R::padded(QStringLiteral("01101,,0110,1,01,11111").split(','), 10);
        SettingsRecord expected = h->m.record();
        expected.strStdChoices = R::padded(choices.split(','), 10);
        if (answer == Answer::Yes) {
            expected.strStdCodes.removeAt(row);
            expected.strStdTexts.removeAt(row);
        } else if (answer == Answer::OK) {
            expected.strStdCodes[row] = "''A''";
            expected.strStdTexts[row] = "Says ''hi''   and bye.   ";
        }
        show<frmStandards>([&](frmStandards &d) {
            DialogHarness::click(d.optPrefix);
            h->platform.actInDialog("frmEditStandard", [&](QDialog *dlg) {
                auto *e = static_cast<frmEditStandard *>(dlg);
                if (answer != Answer::OK) {
                    h->platform.answerMessage(answer, QString(), QStringLiteral("Deletion Check"));
                    return e->cmdDelete->click();
                }
                e->txtPre->setText("\"A\"");
                e->txtSta->setPlainText("Says \"hi\"\nand bye.\n");
                e->cmdDone->click();
            });
            d.lstStandards->setCurrentRow(row);
            d.cmdEdit->click();
            QVERIFY(!d.cmdEdit->isEnabled());
            h->answerAbandon(Answer::Yes);
            d.cmdCancel->click();
        });
        QCOMPARE(h->m.record(), expected);
        QCOMPARE(answer == Answer::No ? expected : h->stored(), expected);
        QCOMPARE(h->store->exists(), answer != Answer::No);
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
                    .endsWith(QStringLiteral("\nB-3-5D   The full text of a fifth Educational "
                                             "Standard will display here.\n")));
    }

    // The sample page showing what the plan would not: a long heading uncut, the time
    // template's "X" not replaced (or a small "x" replaced), a hidden section still shown or
    // its place lost, another plan type's style, the heading line in another layout or
    // blanked by an unknown order, a long folder that does not fit.
    void preview_data()
    {
        QTest::addColumn<QString>("setup");
        for (const char *setup : {"weekly", "unit", "weekly-hidden", "unit-hidden", "order-7"})
            QTest::newRow(setup) << QString::fromLatin1(setup);
    }

    void preview()
    {
        QFETCH(QString, setup);
        LessonPlanModule &m = h->m;
        frmPageConfig &p = page();
        const bool weekly = !setup.startsWith(QLatin1String("unit"));
        m.blnWeeklyPlans = weekly;
        if (!setup.contains(QLatin1Char('-'))) {
            m.strUnitGoalHeading = "Long-Range Unit Goal for the Third Marking Period";
            m.strDailyObjHeading = "Daily Objective for the Lesson of the Day";
            m.strTimelineHeading = "Projected Time Frame for This Unit of Study";
            m.strTimeTemplate = weekly ? "X/X" : "x:";
            m.strStandardsMode = weekly ? "PREFIXED" : "NO PREFIXES";
            m.intDisplayOrder = weekly ? 2 : 3;
            m.blnUseSchoolName = !weekly;
        }
        // A folder of 50 characters is cut in the middle, one of 49 is not.
        m.strStorageFolder = QStringLiteral("/home/teacher/Documents/Lesson Plans/Algebra One")
                                 .append(setup == QLatin1String("weekly") ? "s2" : "2");
        if (setup.endsWith(QLatin1String("hidden")))
            for (bool *flag :
                 {&m.blnShowPeriod, &m.blnShowUnitGoal, &m.blnShowUnitTopic, &m.blnShowTimeline,
                  &m.blnShowNote, &m.blnShowDailyObj, &m.blnShowClosure, &m.blnShowAssessment,
                  &m.blnShowMaterials, &m.blnShowStandards})
                *flag = false;
        if (setup == QLatin1String("order-7"))
            m.intDisplayOrder = 7;
        p.Form_Activate();
        QCOMPARE(pageDump(p), goldenDump(setup + ".dump", pageDump(p)));
    }

    // A region opening another section's dialog, Done pressable while a dialog is open, or a
    // new dialog made at every click; the pointer resting on a region right after a dialog
    // closed moving the focus (and with it the next Enter) before the click that closed the
    // dialog has passed.
    void regionsOpenTheirDialogs()
    {
        frmPageConfig &p = page();
        QApplication::setActiveWindow(&p);
        QVERIFY(QTest::qWaitForWindowActive(&p));
        const QStringList names =
            QStringLiteral(
                "frmSetupNameCourses frmSetupCourseList frmPeriodGroup frmUnitGoal frmNote "
                "frmDailyObj "
                "frmTasks frmSetupTasks frmSetupClosure frmSetUpAssess frmMaterials frmStandards")
                .split(' ');
        for (int i = 0; i < 12; ++i) {
            h->platform.actInDialog(names[i],
                                    [&](QDialog *) { QVERIFY(!p.DoneButton->isEnabled()); });
            mouse(p.HighlightLabel[i], QEvent::MouseButtonPress);
            mouse(p.HighlightLabel[i], QEvent::MouseButtonRelease);
        }
        QTRY_VERIFY(!p.blnBusy);
        h->platform.actInDialog(QStringLiteral("frmNote"), {});
        p.NoteButton->click();
        QCOMPARE(p.findChildren<QDialog *>(QStringLiteral("frmNote")).size(), 1);
        mouse(p.HighlightLabel[5], QEvent::MouseMove);
        QVERIFY(p.SettingsLabel[1]->isHidden());
        QCOMPARE(p.HighlightLabel[5]->frameShape(), QFrame::NoFrame);
        QVERIFY(QApplication::focusWidget() != p.ObjectiveButton);

        QTRY_VERIFY(!p.blnBusy);
        mouse(p.HighlightLabel[5], QEvent::MouseMove);
        QCOMPARE(p.HighlightLabel[5]->frameShape(), QFrame::Box);
        QCOMPARE(QApplication::focusWidget(), p.ObjectiveButton);
        QCOMPARE(ui::backColor(p.ObjectiveLabel), ui::yellow());
    }

    // Done leaving the setup without the instructor's name every plan's heading carries, or
    // asking for it when it is there; the instructor's dialog then left by Cancel or Esc while
    // no name is stored, or storing another year than the one picked.
    void doneNeedsTheInstructor_data()
    {
        dataColumns<QString, QString>({"name", "typed"});
        dataRow("named", "Ms. Quorrel", "");
        dataRow("empty, then named", "", "Bo");
        dataRow("blanks, left so", "   ", "");
    }

    void doneNeedsTheInstructor()
    {
        const auto [name, typed] = fetchRow<QString, QString>({"name", "typed"});
        frmPageConfig &p = page();
        h->m.strTeacherName = name;
        if (name.trimmed().isEmpty())
            h->platform.actInDialog("frmSetupNameCourses", [&](QDialog *dlg) {
                auto &d = static_cast<frmSetupNameCourses &>(*dlg);
                if (!typed.isEmpty()) {
                    h->platform.answerMessage(Answer::OK, QString(), "Information Required.");
                    d.txtTName->setText(typed);
                    d.cmdCancel->click();
                }
                QTest::keyClick(&d, Qt::Key_Escape);
                QVERIFY(d.isVisible());
                pick(d.cboYr, 4);
                done(d);
            });
        p.DoneButton->click();
        QCOMPARE(p.isHidden(), !(name + typed).trimmed().isEmpty());
        QCOMPARE(h->m.strSchoolYear, typed.isEmpty() ? "2009-2010" : "2012 - 2013");
    }

    // An export that could not be written (the disk full) reported as done; an import of what
    // is no settings file (a folder), or one while a plan is under way (the instructor's dialog
    // is held back too), changing the settings; an export that does not import as the same
    // settings, or an import that misses the store, the sample page or the main course list.
    void importExport_data()
    {
        dataColumns<QString, QString>({"fault", "title"});
        dataRow("export, disk full", "full disk", "Settings Not Exported");
        dataRow("import, a folder", "folder", "Settings Not Imported");
        dataRow("import during a plan", "plan", "Warning");
        dataRow("round trip", "", "Settings Imported");
    }

    void importExport()
    {
        const auto [fault, title] = fetchRow<QString, QString>({"fault", "title"});
        frmMain &main = h->withMain();
        frmPageConfig &p = page();
        h->m.blnShowTime = true;
        h->m.strTimeTemplate = QStringLiteral("[X] ");
        h->m.strCourses[4] = QStringLiteral("Geometry, Honors");
        const SettingsRecord exported = h->m.record(), factory;
        const QString file = h->dir.filePath(QStringLiteral("export/my settings.ini"));
        const bool full = fault == QLatin1String("full disk");
        h->platform.answerMessage(Answer::Yes, QString(), "Import/Export Settings");
        h->platform.answerSaveFile(file);
        h->platform.answerMessage(Answer::OK, QString(), full ? title : "Settings Exported");
        auto disk = full ? std::make_unique<FullDisk>(100) : nullptr;
        p.cmdImport->click();
        if (full)
            return;
        h->m.record() = factory;
        if (fault == QLatin1String("plan")) {
            main.RTxtComposite->setText(QStringLiteral("A plan"));
            h->platform.answerMessage(Answer::OK, QString(), title);
            p.TeacherYearButton->click();
        }
        h->platform.answerMessage(Answer::No, QString(), "Import/Export Settings");
        if (fault != QLatin1String("plan"))
            h->platform.answerOpenFile(fault.isEmpty() ? file : h->dir.path());
        h->platform.answerMessage(Answer::OK, QString(), title);
        p.cmdImport->click();
        QCOMPARE(h->m.record(), fault.isEmpty() ? exported : factory);
        QCOMPARE(h->store->exists() ? h->stored() : factory, fault.isEmpty() ? exported : factory);
        if (!fault.isEmpty())
            return;
        QCOMPARE(p.Task1Label->text(), QStringLiteral("1. [15 min]  Review Homework"));
        QCOMPARE(main.cboCourses->count(), 4);
    }

    // A storage folder that does not exist taken (every plan would fail to save), a chosen
    // folder not stored, or Cancel changing it.
    void storageFolderChooser_data()
    {
        dataColumns<QString, bool>({"answer", "changes"});
        dataRow("chosen with separator", "plans/", true);
        dataRow("cancel", "", false);
        dataRow("missing folder", "no such folder", false);
    }

    void storageFolderChooser()
    {
        const auto [answer, changes] = fetchRow<QString, bool>({"answer", "changes"});
        frmPageConfig &p = page();
        QVERIFY(QDir(h->dir.path()).mkdir(QStringLiteral("plans")));
        h->platform.answerFolder(answer.isEmpty() ? QString() : h->dir.filePath(answer));
        if (!answer.isEmpty() && !changes)
            h->platform.answerMessage(Answer::OK, QString(), QStringLiteral("Storage Folder"));
        const QString before = h->m.strStorageFolder;
        p.cmdNewLocation->click();
        const QString expected =
            changes ? QDir::toNativeSeparators(h->dir.filePath(QStringLiteral("plans"))) : before;
        QCOMPARE(h->m.strStorageFolder, expected);
        QCOMPARE(h->store->exists(), changes);
        if (changes)
            QCOMPARE(h->stored().strStorageFolder, expected);
    }

    // Standards shown without a list to show (the wizard cancelled), an emptied list stored,
    // the wizard's standard stored with its double quotes, or the answer not stored.
    void standardsWizard()
    {
        frmPageConfig &p = page();
        h->m.strStandardsMode.clear();
        for (const bool made : {false, true}) {
            h->platform.answerMessage(Answer::Yes, QString(), "State/Local Standards");
            h->platform.actInDialog("frmStandardsWizard", [&](QDialog *d) {
                auto *wizard = qobject_cast<frmStandardsWizard *>(d);
                if (!made) {
                    h->answerAbandon(Answer::Yes);
                    return wizard->cmdCancel->click();
                }
                h->platform.answerMessage(Answer::OK, QString(), QStringLiteral("Missing Data"));
                wizard->lstStandards->setCurrentRow(0);
                while (wizard->cmdRemove->isEnabled())
                    wizard->cmdRemove->click();
                wizard->cmdDone->click(); // an empty list is no list
                wizard->txtCode->setText(QStringLiteral("4.A"));
                wizard->txtText->setText(QStringLiteral("Factor \"perfect\" squares"));
                wizard->optPrefix->setChecked(true);
                wizard->cmdDone->click();
            });
            p.StateButton->click();
            QCOMPARE(h->m.blnShowStandards, made);
            QCOMPARE(h->stored().blnShowStandards, made);
        }
        QCOMPARE(h->m.strStandardsMode, QStringLiteral("PREFIXED"));
        QCOMPARE(h->m.strStdTexts, QStringList{"Factor ''perfect'' squares"});
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
