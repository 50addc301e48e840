// Finishing a plan: the saved and printed state, printing, clearing the screen, and the New
// Plan dialog that prints, saves and clears in that order.
#include "document/frmnew.h"
#include "documentkit.h"
#include "plan/planstart.h"
#include "platform/ui.h"
#include "support/datarows.h"

#include <QGroupBox>
#include <QLabel>

using Answer = Platform::Answer;
using Kind = ScriptedPlatform::Kind;

class TestCompletion : public DocumentTest
{
    Q_OBJECT

    QString pdfPath() const { return dir->filePath(QStringLiteral("plan.pdf")); }

    QList<Kind> promptKinds() const
    {
        QList<Kind> kinds;
        for (const auto &p : platform->prompts())
            kinds << p.kind;
        return kinds;
    }

    // Opens New Plan and, inside the dialog, ticks the boxes and presses Done.
    void newPlan(bool print, bool save, bool clear)
    {
        platform->actInDialog(QStringLiteral("frmNew"), [=, this](QDialog *d) {
            auto *dialog = static_cast<frmNew *>(d);
            QVERIFY(w->plan->blnNewPlanRequested);
            dialog->chkPrint->setChecked(print);
            dialog->chkSave->setChecked(save);
            dialog->chkClear->setChecked(clear);
            dialog->cmdDone->click();
            QVERIFY(dialog->isHidden());
        });
    }

private Q_SLOTS:
    void init() { open(); }
    void cleanup() { finish(); }

    void clearingAsksWhileSomethingIsNotDone_data()
    {
        dataColumns<QString, QString, QString, Answer>({"saved", "printed", "status", "answer"});
        dataRow("both done, nothing asked", "Y", "Y", "", Answer::OK);
        dataRow("only saved, No", "Y", "N",
                "The current Lesson Plan has been saved but not printed.", Answer::No);
        dataRow("only printed, Yes", "N", "Y",
                "The current Lesson Plan has been printed but not saved.", Answer::Yes);
    }

    void clearingAsksWhileSomethingIsNotDone()
    {
        const auto [saved, printed, status, answer] =
            fetchRow<QString, QString, QString, Answer>({"saved", "printed", "status", "answer"});
        beginPlan();
        const QString before = dumpDocument(*w->RTxtComposite);
        m->strPlanSaved = saved;
        m->strPlanPrinted = printed;
        m->strSavedBeforeSettings = QStringLiteral("Y");
        QCOMPARE(w->completion->GetSavePrintStatus(), status);
        if (!status.isEmpty())
            platform->answerMessage(answer,
                                    status + QStringLiteral("\r\nProceed with clearing the Lesson "
                                                            "Plan Document anyway?"),
                                    QStringLiteral("Reminder..."));
        w->completion->ClearScreen(true);
        QCOMPARE(platform->prompts().size(), 1 + (status.isEmpty() ? 0 : 1));
        if (answer != Answer::No) {
            QCOMPARE(w->RTxtComposite->Text(), QString());
            QVERIFY(!w->RTxtComposite->isEnabled());
            QCOMPARE(w->RTxtComposite->BackColor(), ui::buttonFace());
            QCOMPARE(m->intStep, 0);
            for (QWidget *b :
                 std::initializer_list<QWidget *>{w->cmdStore, w->cmdPrint, w->cmdClose})
                QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
            QVERIFY(w->fraDay->isHidden());
            QVERIFY(!w->fraBlank->isHidden());
            QVERIFY(w->txtPeriod->text().isEmpty());
            QCOMPARE(m->strSavedBeforeSettings,
                     status.isEmpty() ? QStringLiteral("Y") : QStringLiteral("N"));
        } else {
            QCOMPARE(dumpDocument(*w->RTxtComposite), before);
            QCOMPARE(m->intStep, 1);
            QVERIFY(w->cmdStore->isEnabled());
            QVERIFY(!w->fraDay->isHidden());
            QCOMPARE(w->txtPeriod->text(), QStringLiteral("3"));
            QCOMPARE(m->strPlanSaved, saved);
        }
    }

    void typingAfterASaveMarksThePlanUnsaved()
    {
        beginPlan();
        platform->answerSaveFile(pathInFolder(folder(), QStringLiteral("week.doc")));
        w->cmdStore->click();
        m->strPlanPrinted = QStringLiteral("Y");
        QVERIFY(!w->lblSavePrint->isHidden());
        w->RTxtComposite->setFocus();
        w->RTxtComposite->MoveToEnd();
        QTest::keyClick(w->RTxtComposite, Qt::Key_X);
        QVERIFY(w->RTxtComposite->Text().endsWith(QLatin1Char('x')));
        QVERIFY(w->lblSavePrint->isHidden());
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));
        for (QWidget *b : std::initializer_list<QWidget *>{w->cmdStore, w->cmdPrint, w->cmdClose})
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    }

    void printingTheCurrentPlan_data()
    {
        QTest::addColumn<bool>("accept");
        dataRow("printed to a PDF file", true);
        dataRow("print dialog cancelled", false);
    }

    void printingTheCurrentPlan()
    {
        QFETCH(bool, accept);
        beginPlan();
        if (accept)
            answerPrintToPdf(pdfPath());
        else
            platform->answerPrint(false);
        w->cmdPrint->click();
        QCOMPARE(isPdf(pdfPath()), accept);
        QCOMPARE(m->strPlanPrinted, accept ? QStringLiteral("Y") : QStringLiteral("N"));
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
    }

    void printingThatFailsIsReported()
    {
        beginPlan();
        const QString blocked = dir->filePath(QStringLiteral("no-such-folder/plan.pdf"));
        answerPrintToPdf(blocked);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        platform->answerMessage(Answer::OK,
                                QStringLiteral("The Lesson Plan Document could not be "
                                               "printed.\r\n\r\nThe file \"") +
                                    QDir::toNativeSeparators(blocked) +
                                    QStringLiteral("\" could not be written."),
                                QStringLiteral("Printing"));
        w->cmdPrint->click();
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));
    }

    void newPlanDialogLooksAsItShould()
    {
        beginPlan();
        platform->actInDialog(QStringLiteral("frmNew"), [this](QDialog *d) {
            auto *dialog = static_cast<frmNew *>(d);
            QCOMPARE(dialog->windowTitle(),
                     QStringLiteral(" CURRENT PLAN COMPLETE... START NEW PLAN?"));
            QCOMPARE(dialog->lblInstructions->text(),
                     QStringLiteral("Select one or more of the instructions below.\r\nThey will "
                                    "be processed in order from the top of the list."));
            QCOMPARE(dialog->chkPrint->text(), QStringLiteral("&Print the Lesson Plan Document"));
            QCOMPARE(dialog->chkSave->text(), QStringLiteral("Sa&ve the Lesson Plan Document"));
            QCOMPARE(dialog->chkClear->text(),
                     QStringLiteral("Clear the Form and Begin a &New Lesson Plan Document"));
            QVERIFY(!dialog->chkPrint->isChecked());
            QVERIFY(!dialog->chkSave->isChecked());
            QVERIFY(dialog->chkClear->isChecked());
            QVERIFY(dialog->chkPrint->y() < dialog->chkSave->y());
            QVERIFY(dialog->chkSave->y() < dialog->chkClear->y());
            // Ticks left from the last time are reset at every showing.
            dialog->chkPrint->setChecked(true);
            dialog->chkClear->setChecked(false);
            dialog->hide();
        });
        w->cmdClose->click();
        QVERIFY2(!w->plan->blnNewPlanRequested, "the step driver clears the request");
        auto *dialog = w->completion->newPlanDialog();
        platform->actInDialog(QStringLiteral("frmNew"), [dialog](QDialog *) {
            QVERIFY(!dialog->chkPrint->isChecked());
            QVERIFY(dialog->chkClear->isChecked());
            dialog->hide();
        });
        w->cmdClose->click();
    }

    void newPlanRunsPrintSaveClearInOrder_data()
    {
        dataColumns<bool, bool, bool, QString, bool>(
            {"print", "save", "clear", "reminder", "cleared"});
        dataRow("all three: nothing to remind", true, true, true, QString(), true);
        dataRow("save and clear", false, true, true,
                "The current Lesson Plan has been saved but not printed.", true);
        dataRow("print and save, no clearing", true, true, false, QString(), false);
    }

    void newPlanRunsPrintSaveClearInOrder()
    {
        const auto [print, save, clear, reminder, cleared] =
            fetchRow<bool, bool, bool, QString, bool>(
                {"print", "save", "clear", "reminder", "cleared"});
        beginPlan();
        const qsizetype before = platform->prompts().size();
        newPlan(print, save, clear);
        QList<Kind> expected{Kind::Dialog};
        if (print) {
            answerPrintToPdf(pdfPath());
            expected << Kind::Print;
        }
        if (save) {
            platform->answerSaveFile(pathInFolder(folder(), QStringLiteral("week.doc")));
            expected << Kind::SaveFile;
        }
        if (!reminder.isEmpty()) {
            platform->answerMessage(Answer::Yes,
                                    reminder + QStringLiteral("\r\nProceed with clearing the "
                                                              "Lesson Plan Document anyway?"),
                                    QStringLiteral("Reminder..."));
            expected << Kind::Message;
        }
        w->cmdClose->click();
        QCOMPARE(promptKinds().mid(before), expected);
        QCOMPARE(isPdf(pdfPath()), print);
        QCOMPARE(QFileInfo::exists(pathInFolder(folder(), QStringLiteral("week.doc"))), save);
        QCOMPARE(w->RTxtComposite->Text().isEmpty(), cleared);
        QCOMPARE(m->intStep, cleared ? 0 : 1);
        // Leaving the dialog unlocks the plan's target for the next plan.
        QVERIFY(w->cboCourses->isEnabled());
        QVERIFY(!w->txtObjective->isEnabled());
    }

    void failedSaveInNewPlanStillRemindsBeforeClearing()
    {
        beginPlan();
        const QString file = blockerFile();
        m->strStorageFolder = file;
        newPlan(false, true, true);
        platform->answerSaveFile(file + QStringLiteral("/week.doc"));
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("ERROR"));
        platform->answerMessage(Answer::No, QString(), QStringLiteral("Reminder..."));
        w->cmdClose->click();
        QVERIFY(!w->RTxtComposite->Text().isEmpty());
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
    }

    void newPlanWithoutPeriodForgetsTheCourse()
    {
        m->blnShowPeriod = false;
        beginPlan();
        m->strPlanSaved = QStringLiteral("Y");
        m->strPlanPrinted = QStringLiteral("Y");
        m->blnReadyToBegin = true;
        newPlan(false, false, true);
        w->cmdClose->click();
        QCOMPARE(w->cboCourses->currentIndex(), -1);
        QVERIFY(!m->blnReadyToBegin);
    }

    void missingStandardsAreOfferedOnceForAllTickedActions()
    {
        m->blnStandardsOnce = true;
        beginPlan();
        newPlan(true, true, false);
        platform->answerMessage(Answer::No,
                                QStringLiteral("Your settings specify that the Standards "
                                               "(Educational Standards) should be printed at the "
                                               "end of the Lesson Plan Document. This step has "
                                               "not yet been completed.\r\n\r\nAdd the current "
                                               "selections to the Plan before printing and "
                                               "saving?"),
                                QStringLiteral("Missing Standards (Educational Standards)"));
        platform->answerPrint(false);
        platform->answerSaveFile(QString());
        w->cmdClose->click();
    }
};

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
