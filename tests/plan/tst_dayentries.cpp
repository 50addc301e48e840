// The day's entries: the objective, choosing and describing items, time on task, the list and
// its editor, the unit goal and the special note.
#include "document/completion.h"
#include "plan/dayentries.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/planfixture.h"

#include <QLabel>

using planfixture::itemTexts;

class TestDayEntries : public planfixture::WindowTest
{
    Q_OBJECT

    // A weekly plan begun, its objective given.
    void begin(const QString &objective = QStringLiteral("Add fractions"))
    {
        planfixture::beginWeeklyPlan(*w, *platform);
        w->txtObjective->setPlainText(objective);
    }

private Q_SLOTS:
    void init()
    {
        load();
        w->showMain();
    }

    void cleanup() { finish(); }

    void shortForms_data()
    {
        dataColumns<QString, QString>({"description", "listed"});
        dataRow("21 characters whole", "Lecture: chapter 2 ab", "Lecture: chapter 2 ab");
        dataRow("22 characters cut", "Lecture: chapter 2 abc", "Lecture: chapter 2 ...");
        dataRow("breaks as two blanks", "Line one\r\n    two", "Line one      two");
    }

    void shortForms()
    {
        const auto [description, listed] = fetchRow<QString, QString>({"description", "listed"});
        QCOMPARE(DayEntries::shortForm(description), listed);
    }

    void secondLineClearsTheTimeText()
    {
        QCOMPARE(DayEntries::fullEntry(QStringLiteral("[15 min] "), QStringLiteral("15 min"),
                                       QStringLiteral("Lecture: one\r\ntwo  \r\n")),
                 QStringLiteral("[15 min] Lecture: one\r\n") + QString(15, QLatin1Char(' ')) +
                     QStringLiteral("two"));
        QCOMPARE(DayEntries::fullEntry(QString(), QString(), QStringLiteral("a\r\nb")),
                 QStringLiteral("a\r\nb"));
    }

    void choosingAnItemStartsItsDescription()
    {
        begin();
        w->optTask[0]->click();
        QCOMPARE(w->txtDescription->toPlainText(), QStringLiteral("Lecture: "));
        QVERIFY(!w->txtDescription->isHidden());
        QVERIFY(!w->cmdOK->isHidden());
        QCOMPARE(w->optTask[15]->text(), QStringLiteral("( Blank &Line for Free-Form Typing )"));
        w->cmdOK->click();
        QVERIFY2(w->lstAdd->count() == 1, "the starting text alone is a description");
        w->optTask[15]->click();
        QCOMPARE(w->txtDescription->toPlainText(), QString());
    }

    void missingObjectiveIsRefused()
    {
        begin(QString());
        platform->answerMessage(
            Platform::Answer::OK,
            QStringLiteral("Please fill in an objective for Monday, September 7."),
            QStringLiteral("Missing Data"));
        w->optTask[2]->click();
        QVERIFY(w->txtDescription->isHidden());
        for (QRadioButton *option : std::as_const(w->optTask))
            QVERIFY(!option->isChecked());
    }

    void enterTwiceAcceptsOnlyAtTheEnd()
    {
        begin();
        w->optTask[0]->click();
        QTest::keyClicks(w->txtDescription, QStringLiteral("chapter 2"));
        QTest::keyClick(w->txtDescription, Qt::Key_Return);
        QCOMPARE(w->txtDescription->toPlainText(), QStringLiteral("Lecture: chapter 2\n    "));
        QTest::keyClicks(w->txtDescription, QStringLiteral("pages 4-6"));
        // Enter twice in the middle only breaks lines.
        QTextCursor cursor = w->txtDescription->textCursor();
        cursor.setPosition(3);
        w->txtDescription->setTextCursor(cursor);
        QTest::keyClick(w->txtDescription, Qt::Key_Return);
        QTest::keyClick(w->txtDescription, Qt::Key_Return);
        QCOMPARE(w->lstAdd->count(), 0);
        w->txtDescription->setPlainText(QStringLiteral("Lecture: chapter 2\n    pages 4-6"));
        w->txtDescription->moveCursor(QTextCursor::End);
        QTest::keyClick(w->txtDescription, Qt::Key_Return);
        QTest::keyClick(w->txtDescription, Qt::Key_Return);
        QCOMPARE(itemTexts(w->lstAdd), QStringList({"Lecture: chapter 2 ..."}));
        QCOMPARE(itemTexts(w->lstBuild), QStringList({"Lecture: chapter 2\r\n    pages 4-6"}));
        QVERIFY(w->txtDescription->isHidden());
        QVERIFY(!w->cmdDone1->isHidden());
        QVERIFY2(!w->txtClosure->isHidden(), "the activity step offers the closure");
        QCOMPARE(ui::backColor(w->txtClosure), ui::lightYellow());
    }

    void editedDescriptionAsksBeforeReplacing()
    {
        begin();
        w->optTask[0]->click();
        QTest::keyClicks(w->txtDescription, QStringLiteral("my notes"));
        platform->answerMessage(Platform::Answer::Cancel,
                                QStringLiteral("Selecting this item will replace any text already "
                                               "added to the Description field."),
                                QStringLiteral("Edited Content To Be Deleted..."));
        w->optTask[1]->click();
        QCOMPARE(w->txtDescription->toPlainText(), QStringLiteral("Lecture: my notes"));
        for (QRadioButton *option : std::as_const(w->optTask))
            QVERIFY(!option->isChecked());
        platform->answerMessage(Platform::Answer::OK);
        w->optTask[1]->click();
        QCOMPARE(w->txtDescription->toPlainText(), QStringLiteral("Think-Pair-Share: "));
    }

    void timeOnTask_data()
    {
        dataColumns<QString, QString>({"typed", "entry"});
        dataRow("5", "5", "[ 5 min]  Lecture: notes");
        dataRow("none", "", "Lecture: notes");
    }

    void timeOnTask()
    {
        const auto [typed, entry] = fetchRow<QString, QString>({"typed", "entry"});
        m->blnShowTime = true;
        m->strTimeTemplate = QStringLiteral("[X] ");
        begin();
        platform->actInDialog(QStringLiteral("frmTimeOnTask"), [&](QDialog *d) {
            auto *dialog = static_cast<frmTimeOnTask *>(d);
            QCOMPARE(dialog->lblTime->text(), QStringLiteral("Time on Task ''Lecture: notes'' "));
            QCOMPARE(dialog->lblMin->text(), QStringLiteral("min."));
            dialog->txtTime->setText(typed);
            dialog->cmdUnitDone->click();
        });
        addItem(0, QStringLiteral("notes"));
        QCOMPARE(itemTexts(w->lstBuild), QStringList({entry}));
    }

    void assessmentTakesNoTimeAndNoClosure()
    {
        m->blnShowTime = true;
        m->strTimeTemplate = QStringLiteral("[X] ");
        begin();
        m->intStep = 2;
        w->PrepareStep();
        addItem(0, QStringLiteral("on fractions"));
        QCOMPARE(itemTexts(w->lstBuild), QStringList({"Quiz on fractions"}));
        QVERIFY(w->txtClosure->isHidden());
    }

    void editingAndDeletingKeepTheOrder()
    {
        m->blnShowTime = true;
        m->strTimeTemplate = QStringLiteral("[X] ");
        begin();
        for (int i = 0; i < 3; ++i) {
            platform->actInDialog(QStringLiteral("frmTimeOnTask"), [](QDialog *d) {
                static_cast<frmTimeOnTask *>(d)->txtTime->setText(QStringLiteral("10"));
                static_cast<frmTimeOnTask *>(d)->cmdUnitDone->click();
            });
            addItem(i, QStringLiteral("item %1").arg(i));
        }

        // Double-clicking with no entry chosen does nothing.
        w->lstAdd->setCurrentRow(-1);
        w->entries->lstAdd_DblClick();

        w->lstAdd->setCurrentRow(1);
        platform->answerMessage(Platform::Answer::Yes,
                                QStringLiteral("Edit this entry?\r\n\r\n[10 min] Think-Pair-Share: "
                                               "item 1"),
                                QStringLiteral("Data Change"));
        platform->actInDialog(QStringLiteral("frmEdit"), [](QDialog *d) {
            auto *editor = static_cast<frmEdit *>(d);
            editor->setEntryText(QStringLiteral("[10 min] Pairs discuss \"it\""));
            editor->cmdDone->click();
        });
        w->entries->lstAdd_DblClick();
        QCOMPARE(itemTexts(w->lstBuild),
                 QStringList({"[10 min] Lecture: item 0", "[10 min] Pairs discuss \"it\"",
                              "[10 min] Classroom Practice: item 2"}));
        QCOMPARE(w->lstAdd->item(1)->text(), QStringLiteral("Pairs discuss ''it''"));

        w->lstAdd->setCurrentRow(0);
        platform->answerMessage(Platform::Answer::Yes);
        platform->actInDialog(QStringLiteral("frmEdit"), [](QDialog *d) {
            auto *editor = static_cast<frmEdit *>(d);
            editor->setEntryText(QStringLiteral("  "));
            editor->cmdDone->click();
        });
        w->entries->lstAdd_DblClick();
        QCOMPARE(itemTexts(w->lstBuild), QStringList({"[10 min] Pairs discuss \"it\"",
                                                      "[10 min] Classroom Practice: item 2"}));
        QCOMPARE(itemTexts(w->lstAdd),
                 QStringList({"Pairs discuss ''it''", "Classroom Practice:..."}));
    }

    void unitGoalAcceptedWithEnterTwice()
    {
        platform->actInDialog(QStringLiteral("frmUnit"), [](QDialog *d) {
            auto *dialog = static_cast<frmUnit *>(d);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Unit Goal (Unit Goal)"));
            dialog->txtUnit->setFocus();
            QTest::keyClicks(dialog->txtUnit, QStringLiteral("Ratios"));
            QTest::keyClick(dialog->txtUnit, Qt::Key_Return);
            QTest::keyClick(dialog->txtUnit, Qt::Key_Return);
        });
        w->RTxtComposite->setEnabled(true);
        w->entries->cmdNewUnit_Click();
        QCOMPARE(dumpDocument(*w->RTxtComposite), QStringLiteral("\n[I]Unit Goal: Ratios[/I]\n"));
        QVERIFY(w->entries->unitDialog()->txtUnit->toPlainText().isEmpty());
    }

    // Esc and the close box left the plan's dialogs past Cancel: no question, and the cancelled
    // time on task, special note or entry was used all the same. One row per dialog, way of
    // closing and answer; whatever the way, the dialog asks, and Yes drops what Cancel drops.
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
        begin();
        // Before: an item given 15 minutes and a note, each with Done.
        platform->actInDialog(QStringLiteral("frmTimeOnTask"), [](QDialog *d) {
            static_cast<frmTimeOnTask *>(d)->txtTime->setText(QStringLiteral("15"));
            static_cast<frmTimeOnTask *>(d)->cmdUnitDone->click();
        });
        addItem(0, QStringLiteral("one"));
        platform->actInDialog(QStringLiteral("frmSpecialNote"), [](QDialog *d) {
            static_cast<frmSpecialNote *>(d)->setEntryText(QStringLiteral("Assembly"));
            static_cast<frmSpecialNote *>(d)->cmdUnitDone->click();
        });
        w->cmdNote->click();
        const QString document = dumpDocument(*w->RTxtComposite);

        if (dialog == QLatin1String("frmEdit"))
            platform->answerMessage(Platform::Answer::Yes, QString(),
                                    QStringLiteral("Data Change"));
        platform->actInDialog(dialog, [&](QDialog *d) {
            QWidget *field = d->findChild<QPlainTextEdit *>();
            if (auto *box = d->findChild<QLineEdit *>())
                field = box;
            if (auto *text = qobject_cast<QPlainTextEdit *>(field))
                text->setPlainText(QStringLiteral("changed"));
            else if (auto *box = qobject_cast<QLineEdit *>(field))
                box->setText(QStringLiteral("20"));
            platform->answerMessage(yes ? Platform::Answer::Yes : Platform::Answer::No, QString(),
                                    dialog == QLatin1String("frmNew")
                                        ? QStringLiteral("Cancel Actions?")
                                        : QStringLiteral("Abandon Changes?"));
            if (how == QLatin1String("Cancel"))
                d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
            else if (how == QLatin1String("Esc"))
                QTest::keyClick(field ? field : d, Qt::Key_Escape);
            else
                d->close();
            QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Question);
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
        // Back to the plan under construction, its course kept.
        QCOMPARE(m->intStep, 1);
        QVERIFY(!w->cboCourses->isEnabled());
    }

    // Keys that change nothing (an arrow, Shift) counted as typing: choosing another item asked
    // about an edited description, and a Down between two Enters kept them from accepting it.
    void onlyTypingCounts()
    {
        begin();
        w->optTask[0]->click();
        QTest::keyClick(w->txtDescription, Qt::Key_Left);
        QTest::keyClick(w->txtDescription, Qt::Key_Shift);
        w->optTask[1]->click();
        QTest::keyClicks(w->txtDescription, QStringLiteral("x"));
        // A caret taken away from the end still keeps two Enters apart.
        for (const auto key : {Qt::Key_Return, Qt::Key_Left, Qt::Key_Return})
            QTest::keyClick(w->txtDescription, key);
        QCOMPARE(w->lstBuild->count(), 0);
        w->txtDescription->moveCursor(QTextCursor::End);
        for (const auto key : {Qt::Key_Return, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(w->txtDescription, key);
        QCOMPARE(itemTexts(w->lstBuild), QStringList({"Think-Pair-Share: x"}));
    }

    void continuedObjective()
    {
        begin();
        w->cmdContinue->show();
        w->cmdContinue->click();
        QCOMPARE(w->txtObjective->toPlainText(), QStringLiteral("Add fractions (cont.)"));
        QVERIFY(w->cmdContinue->isHidden());
        w->entries->cmdContinue_Click();
        QCOMPARE(w->txtObjective->toPlainText(), QStringLiteral("Add fractions (cont.)"));
    }

    void longHeadingIsFitted()
    {
        m->strTasksHeading = QString(80, QLatin1Char('W'));
        m->blnShowUnitGoal = false;
        begin();
        const QString caption = w->FrameLabel->text();
        QVERIFY(caption.endsWith(QStringLiteral("... ")));
        QVERIFY(ui::captionWidthTwips(w->FrameLabel, caption) <= 2750 + 300);
        QVERIFY(caption.size() < 80);
    }
};

QTEST_MAIN(TestDayEntries)
#include "tst_dayentries.moc"
