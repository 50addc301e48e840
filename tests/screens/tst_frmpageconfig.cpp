// The document setup screen: its sample page, its regions, import/export, the storage folder.
#include "dialogharness.h"
#include "platform/richtextbox.h"
#include "screens/frmpageconfig.h"
#include "screens/frmstandardswizard.h"

#include <QFrame>
#include <QMouseEvent>

namespace
{
const QString Blank = QString(20, QLatin1Char(' '));
enum Style { Plain = 0, B = 1, I = 2, U = 4 };

int styleOf(const QLabel *label)
{
    const QFont f = label->font();
    return (f.bold() ? B : 0) | (f.italic() ? I : 0) | (f.underline() ? U : 0);
}

// The pointer as the teacher moves it and clicks: through the application, so event filters
// see it.
void mouse(QWidget *widget, QEvent::Type type)
{
    const QPointF at(3, 3);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
} // namespace

class TestFrmPageConfig : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;
    LessonPlanModule *m = nullptr;
    ScriptedPlatform *platform = nullptr;
    SettingsStore *store = nullptr;
    frmMain *main = nullptr;
    std::unique_ptr<frmPageConfig> w;

    void makeScreen(bool withMain = false)
    {
        w.reset();
        if (withMain && !main)
            main = &h->withMain();
        w = std::make_unique<frmPageConfig>(h->ctx);
        w->show();
    }

    QLabel *label(const QString &name) const { return w->findChild<QLabel *>(name); }

private Q_SLOTS:
    void init()
    {
        h = std::make_unique<DialogHarness>();
        m = &h->m;
        platform = &h->platform;
        store = &h->useStore();
        makeScreen();
    }

    void cleanup()
    {
        platform->verifyAllAnswered();
        w.reset();
        main = nullptr;
        h.reset();
    }

    // The sample page showing what the plan would not: a long heading uncut, the time
    // template's "X" not replaced, a hidden section still shown, another plan type's style,
    // the heading line in another layout, a long folder that does not fit.
    void preview_data()
    {
        dataColumns<QString, QString, QString, int>({"setup", "name", "text", "style"});
        const auto row = [](const char *setup, const char *name, const QString &text, int style) {
            QTest::addRow("%s %s", setup, name) << setup << name << text << style;
        };
        row("unit", "ObjectiveLabel",
            "Daily Objective: Students will factor perfect square trinomials.", B | I);
        // Long headings are cut with their sample text: at 60 characters, the objective at 68.
        row("weekly long", "OverviewLabel",
            "Long-Range Unit Goal for the Third Marking Period: Methods o", I);
        row("weekly long", "ObjectiveLabel",
            "Daily Objective for the Lesson of the Day: Students will factor perf", I);
        row("unit long", "DayLabel", "Projected Time Frame for This Unit of Study: 4 sessions... O",
            Plain);
        // Every "X" of the time template (and only the capital) becomes the time on task.
        row("template:X/X", "Task2Label",
            "2. 25 min/25 min Teacher Lecture: Topic... Perfect Square Trinomials", Plain);
        row("template:x:", "Task1Label", "1. x: Review Homework", Plain);
        row("mode:PREFIXED", "StateLabel", "3A-1, 4B, 2C", Plain);
        // Every section hidden: the places stay, only the fixed lines remain.
        row("weekly hidden", "DayLabel", "Monday, October 19", B);
        row("unit hidden", "DayLabel", Blank, Plain);
        row("weekly hidden", "ObjectiveLabel", Blank, I);
        // The four heading layouts in their order, the school line above the fourth; an
        // unknown order leaves the line as it was. A long storage folder is cut in the middle.
        const QString first = QStringLiteral("Ms. Quorrel      Week of October 19       2009-2010 "
                                             "Lesson Plans");
        row("order:2", "HeadingLabel",
            "2009-2010 Lesson Plans      Week of October 19       Ms. "
            "Quorrel",
            Plain);
        row("order:3 school", "HeadingLabel",
            "BRINDLEWOOD SCHOOL\r\nMs. Quorrel        2009-2010 "
            "Lesson Plans     Week of October 19",
            Plain);
        row("order:7", "HeadingLabel", first, Plain);
        row("folder:/home/teacher/Documents/Lesson Plans/Algebra Ones2", "lblFileLocation",
            " in folder /home/teac...r/Documents/Lesson Plans/Algebra Ones2", -1);
    }

    void preview()
    {
        const auto [setup, name, text, style] =
            fetchRow<QString, QString, QString, int>({"setup", "name", "text", "style"});
        m->blnWeeklyPlans = !setup.startsWith(QLatin1String("unit"));
        if (setup.startsWith(QLatin1String("template:")))
            m->strTimeTemplate = setup.mid(9);
        if (setup.startsWith(QLatin1String("mode:")))
            m->strStandardsMode = setup.mid(5);
        if (setup.startsWith(QLatin1String("order:"))) {
            m->intDisplayOrder = setup.mid(6, 1).toInt();
            m->blnUseSchoolName = setup.endsWith(QLatin1String("school"));
        }
        if (setup.startsWith(QLatin1String("folder:")))
            m->strStorageFolder = setup.mid(7);
        if (setup.contains(QLatin1String("long"))) {
            m->strUnitGoalHeading =
                QStringLiteral("Long-Range Unit Goal for the Third Marking Period");
            m->strDailyObjHeading = QStringLiteral("Daily Objective for the Lesson of the Day");
            m->strTimelineHeading = QStringLiteral("Projected Time Frame for This Unit of Study");
        }
        if (setup.endsWith(QLatin1String("hidden")))
            for (bool *flag :
                 {&m->blnShowPeriod, &m->blnShowUnitGoal, &m->blnShowUnitTopic, &m->blnShowTimeline,
                  &m->blnShowNote, &m->blnShowDailyObj, &m->blnShowClosure, &m->blnShowAssessment,
                  &m->blnShowMaterials, &m->blnShowStandards})
                *flag = false;
        w->Form_Activate();
        QLabel *l = label(name);
        QVERIFY2(l, qPrintable(name));
        QCOMPARE(l->text(), text);
        if (style >= 0)
            QCOMPARE(styleOf(l), style);
    }

    // A region opening another section's dialog, Done pressable while a dialog is open, or a
    // new dialog made at every click.
    void regionClickOpensItsDialog_data()
    {
        dataColumns<int, QString>({"index", "dialog"});
        const QStringList dialogs =
            QStringLiteral("frmSetupNameCourses frmSetupCourseList frmPeriodGroup frmUnitGoal "
                           "frmNote frmDailyObj frmTasks frmSetupTasks frmSetupClosure "
                           "frmSetUpAssess frmMaterials frmStandards")
                .split(QLatin1Char(' '));
        for (int i = 0; i < dialogs.size(); ++i)
            QTest::addRow("%d %s", i, qPrintable(dialogs[i])) << i << dialogs[i];
    }

    void regionClickOpensItsDialog()
    {
        const auto [index, dialog] = fetchRow<int, QString>({"index", "dialog"});
        QDialog materials(w.get()), standards(w.get());
        materials.setObjectName(QStringLiteral("frmMaterials"));
        standards.setObjectName(QStringLiteral("frmStandards"));
        w->materialsDialog = [&materials] { return &materials; };
        w->standardsDialog = [&standards] { return &standards; };
        bool doneWasEnabled = true;
        platform->actInDialog(dialog,
                              [&](QDialog *) { doneWasEnabled = w->DoneButton->isEnabled(); });
        mouse(w->HighlightLabel[index], QEvent::MouseButtonPress);
        mouse(w->HighlightLabel[index], QEvent::MouseButtonRelease);
        QVERIFY(!doneWasEnabled);
        QVERIFY(w->DoneButton->isEnabled());
        QDialog *first = w->findChild<QDialog *>(dialog);
        QTRY_VERIFY(!w->blnBusy);
        platform->actInDialog(dialog, {});
        w->sectionButton(index)->click();
        QCOMPARE(w->findChildren<QDialog *>(dialog).size(), 1);
        QCOMPARE(w->findChild<QDialog *>(dialog), first);
    }

    // The pointer resting on a region right after a dialog closed: it must not move the focus
    // (and with it the next Enter) until the click that closed the dialog has passed.
    void pointingRightAfterADialogDoesNothing()
    {
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        platform->actInDialog(QStringLiteral("frmNote"), {});
        w->NoteButton->click();
        mouse(w->HighlightLabel[5], QEvent::MouseMove);
        QVERIFY(w->SettingsLabel[1]->isHidden());
        QCOMPARE(w->HighlightLabel[5]->frameShape(), QFrame::NoFrame);
        QVERIFY(QApplication::focusWidget() != w->ObjectiveButton);

        QTRY_VERIFY(!w->blnBusy);
        mouse(w->HighlightLabel[5], QEvent::MouseMove);
        QCOMPARE(w->HighlightLabel[5]->frameShape(), QFrame::Box);
        QCOMPARE(QApplication::focusWidget(), w->ObjectiveButton);
        QCOMPARE(ui::backColor(w->ObjectiveLabel), ui::yellow());
        mouse(w->HighlightLabel[7], QEvent::MouseMove);
        QCOMPARE(ui::backColor(w->ObjectiveLabel), ui::white());
        QCOMPARE(ui::backColor(w->Task2Label), ui::yellow());
        mouse(w.get(), QEvent::MouseMove);
        QVERIFY(w->SettingsLabel[1]->isHidden());
    }

    // During a plan: the instructor settings or an import changing the plan under way. Other
    // sections, and exporting, stay open; Cancel at the question does nothing at all.
    void aPlanInProgressHoldsBackSomeChanges()
    {
        makeScreen(true);
        main->RTxtComposite->setText(QStringLiteral("A plan"));
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Warning"));
        w->TeacherYearButton->click();
        platform->actInDialog(QStringLiteral("frmSetupCourseList"), {});
        w->CourseButton->click();
        const SettingsRecord before = m->record();
        platform->answerMessage(Answer::No);
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Warning"));
        w->cmdImport->click();
        QVERIFY(m->record() == before);
        platform->answerMessage(Answer::Cancel);
        w->cmdImport->click();
        platform->answerMessage(Answer::Yes);
        platform->answerSaveFile(QString());
        w->cmdImport->click();

        main->RTxtComposite->setText(QString());
        platform->actInDialog(QStringLiteral("frmSetupNameCourses"), {});
        w->TeacherYearButton->click();
    }

    // Done, Esc or the close box leaving the setup without an instructor name, or asking again
    // when the name is there.
    void doneNeedsTheInstructor_data()
    {
        dataColumns<QString, bool, QString, bool, bool>(
            {"name", "asked", "typed", "closes", "escape"});
        dataRow("named", "Ms. Quorrel", false, "", true, false);
        dataRow("blanks, then named", "   ", true, "Mr. Brindle", true, false);
        dataRow("still empty", "", true, "", false, false);
        dataRow("escape, empty, then named", "", true, "Ms. Q", true, true);
    }

    void doneNeedsTheInstructor()
    {
        const auto [name, asked, typed, closes, escape] =
            fetchRow<QString, bool, QString, bool, bool>(
                {"name", "asked", "typed", "closes", "escape"});
        m->strTeacherName = name;
        if (asked)
            platform->actInDialog(QStringLiteral("frmSetupNameCourses"),
                                  [&](QDialog *) { m->strTeacherName = typed; });
        if (escape)
            QTest::keyClick(w.get(), Qt::Key_Escape);
        else
            w->DoneButton->click();
        QCOMPARE(w->isHidden(), closes);
    }

    // An export onto a folder reported as done or an export that stores; a refused import
    // changing or storing anything (why it is refused is the store's to say); an import that
    // does not reach the store, the sample page and the main window's course list.
    void exportThenImport()
    {
        m->blnWeeklyPlans = false;
        m->strCourses[4] = QStringLiteral("Geometry, Honors");
        m->blnShowTime = true;
        m->strTimeTemplate = QStringLiteral("[X] ");
        const SettingsRecord exported = m->record();
        const QString path = h->dir.filePath(QStringLiteral("export/my settings.ini"));
        for (const QString &target : {h->dir.path(), path}) { // a folder, then a file
            platform->answerMessage(Answer::Yes);
            platform->answerSaveFile(target);
            platform->answerMessage(Answer::OK, QString(),
                                    target == path ? "Settings Exported" : "Settings Not Exported");
            w->cmdImport->click();
        }
        QVERIFY(!store->exists());

        *m = LessonPlanModule();
        makeScreen(true);
        const SettingsRecord factory = m->record();
        const QString other = h->dir.filePath(QStringLiteral("other.ini"));
        QFile f(other);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("[General]\nfoo=bar\n") > 0);
        f.close();
        for (const QString &source : {other, path}) {
            platform->answerMessage(Answer::No);
            platform->answerOpenFile(source);
            platform->answerMessage(Answer::OK, QString(),
                                    source == path ? "Settings Imported" : "Settings Not Imported");
            w->cmdImport->click();
            QVERIFY(m->record() == (source == path ? exported : factory));
            QCOMPARE(store->exists(), source == path);
        }
        QVERIFY(h->stored() == exported);
        QCOMPARE(w->Task1Label->text(), QStringLiteral("1. [15 min]  Review Homework"));
        QCOMPARE(main->cboCourses->count(), 4);
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
        QVERIFY(QDir(h->dir.path()).mkdir(QStringLiteral("plans")));
        platform->answerFolder(answer.isEmpty() ? QString() : h->dir.filePath(answer));
        if (!answer.isEmpty() && !changes)
            platform->answerMessage(Answer::OK, QString(), QStringLiteral("Storage Folder"));
        const QString before = m->strStorageFolder;
        w->cmdNewLocation->click();
        const QString expected =
            changes ? QDir::toNativeSeparators(h->dir.filePath(QStringLiteral("plans"))) : before;
        QCOMPARE(m->strStorageFolder, expected);
        QCOMPARE(store->exists(), changes);
        if (changes)
            QCOMPARE(h->stored().strStorageFolder, expected);
    }

    // Standards shown without a list to show, the wizard's standard stored with its double
    // quotes, or the answer not stored.
    void standardsQuestion_data()
    {
        dataColumns<Answer, bool, bool, QString>({"answer", "wizardDone", "shown", "mode"});
        dataRow("yes, list made", Answer::Yes, true, true, "PREFIXED");
        dataRow("yes, wizard cancelled", Answer::Yes, false, false, "");
        dataRow("no", Answer::No, false, false, "");
    }

    void standardsQuestion()
    {
        const auto [answer, wizardDone, shown, mode] =
            fetchRow<Answer, bool, bool, QString>({"answer", "wizardDone", "shown", "mode"});
        m->strStandardsMode.clear();
        platform->answerMessage(answer, QString(), QStringLiteral("State/Local Standards"));
        if (answer == Answer::Yes)
            platform->actInDialog(QStringLiteral("frmStandardsWizard"), [&](QDialog *d) {
                auto *wizard = qobject_cast<frmStandardsWizard *>(d);
                if (!wizardDone) {
                    platform->answerMessage(Answer::Yes, QString(), "Abandon Changes?");
                    return wizard->cmdCancel->click();
                }
                wizard->txtCode->setText(QStringLiteral("4.A"));
                wizard->txtText->setText(QStringLiteral("Factor \"perfect\" squares"));
                wizard->optPrefix->setChecked(true);
                wizard->cmdDone->click();
            });
        w->StateButton->click();
        QCOMPARE(m->blnShowStandards, shown);
        QCOMPARE(m->strStandardsMode, mode);
        QCOMPARE(h->stored().blnShowStandards, shown);
        if (wizardDone)
            QCOMPARE(m->strStdTexts.last(), QStringLiteral("Factor ''perfect'' squares"));
    }
};

QTEST_MAIN(TestFrmPageConfig)
#include "tst_frmpageconfig.moc"
