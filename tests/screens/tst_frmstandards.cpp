// The standards screen, the editor of one standard, and the plan's standards step reading them.
#include "dialogharness.h"
#include "plan/planstart.h"
#include "platform/richtextbox.h"
#include "screens/frmeditstandard.h"
#include "screens/frmstandards.h"
#include "support/docdump.h"
#include "support/planfixture.h"

namespace
{
const QString CrLf = QStringLiteral("\r\n");

QStringList lines(const QListWidget *list)
{
    return DialogHarness::items(list, true);
}
} // namespace

class TestFrmStandards : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;
    std::unique_ptr<frmStandards> dlg;

    void makeDialog(SettingsStore *store = nullptr)
    {
        dlg.reset();
        h->ctx.store = store;
        dlg = std::make_unique<frmStandards>(h->ctx);
    }

    void open(const std::function<void(frmStandards &)> &action)
    {
        h->open<frmStandards>(*dlg, action);
    }

    // The editor of one standard, opened by Add or Edit/Delete; the action acts inside it.
    void inEditor(const std::function<void(frmEditStandard &)> &action)
    {
        h->platform.actInDialog(QStringLiteral("frmEditStandard"), [action](QDialog *d) {
            action(*static_cast<frmEditStandard *>(d));
        });
    }

    void editRow(frmStandards &d, int row)
    {
        d.lstStandards->setCurrentRow(row);
        QVERIFY(d.cmdEdit->isEnabled());
        d.cmdEdit->click();
    }

    frmMain &mw() { return *h->main; }

    // A weekly plan with only the standards after the day's list.
    void toPlan()
    {
        frmMain &w = h->withMain();
        for (bool *shown : {&h->m.blnShowAssessment, &h->m.blnShowMaterials, &h->m.blnShowUnitGoal,
                            &h->m.blnShowClosure, &h->m.blnShowDailyObj})
            *shown = false;
        w.showMain();
        planfixture::beginWeeklyPlan(w, h->platform);
    }

    // Writes today's activity list; the standards step follows.
    void toStandardsStep(const QString &objective)
    {
        mw().txtObjective->setPlainText(objective);
        mw().optTask[0]->click();
        mw().txtDescription->insertPlainText(QStringLiteral("x"));
        mw().cmdOK->click();
        mw().cmdDone1->click();
        QCOMPARE(h->m.intStep, 4);
    }

private Q_SLOTS:
    void init()
    {
        h = std::make_unique<DialogHarness>();
        makeDialog();
    }

    void cleanup()
    {
        h->platform.verifyAllAnswered();
        dlg.reset();
        h.reset();
    }

    void openingShowsTheSettings_data()
    {
        dataColumns<QString, bool, bool, int, QString>({"mode", "once", "show", "step", "option"});
        dataRow("full text", "NO PREFIXES", false, true, 0, "optFullText");
        dataRow("prefixes, once", "PREFIXED", true, true, 0, "optPrefix");
        dataRow("unknown mode counts as full text", "", false, true, 0, "optFullText");
        dataRow("not shown", "NO PREFIXES", false, false, 0, "optFullText");
        dataRow("in the standards step", "PREFIXED", false, true, 4, "optPrefix");
    }

    void openingShowsTheSettings()
    {
        const auto [mode, once, show, step, option] =
            fetchRow<QString, bool, bool, int, QString>({"mode", "once", "show", "step", "option"});
        LessonPlanModule &m = h->m;
        m.strStandardsMode = mode;
        m.blnStandardsOnce = once;
        m.blnShowStandards = show;
        m.intStep = step;
        m.strStandardsHeading = QStringLiteral("State Goals");
        m.strStdCodes = {"A-1", "  ", ""};
        m.strStdTexts = {"Counting", "Spaced", "Bare"};
        open([&](frmStandards &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("  EDIT STANDARDS  LIST"));
            QCOMPARE(lines(d.lstStandards), QStringList({"A-1   Counting", "  Spaced", "Bare"}));
            QCOMPARE(d.lblHeading->text(), QStringLiteral("State Goals"));
            QVERIFY(!d.txtNewHeading->isEnabled());
            QCOMPARE(ui::backColor(d.txtNewHeading), ui::buttonFace());
            QVERIFY(d.findChild<QRadioButton *>(option)->isChecked());
            QCOMPARE(d.chkOncePerWeek->isChecked(), once);
            QCOMPARE(d.chkShowStandards->isChecked(), show);
            QCOMPARE(d.chkShowStandards->isEnabled(), step != 4);
            QCOMPARE(d.fraStandards->isVisible(), show);
            QCOMPARE(d.lblChanges->isVisible(), show);
            QCOMPARE(d.lstStandards->isEnabled(), show);
            QVERIFY(!d.cmdEdit->isEnabled());
            QCOMPARE(d.lblCaution->text(), QStringLiteral("\nCaution !"));
            QCOMPARE(d.lblChanges->text(),
                     QStringLiteral("To make changes, double-click an entry below or use the "
                                    "'Edit/Delete' button.\nChanges are recorded immediately and "
                                    "will not be undone by using the 'Cancel' button."));
            if (d.chkShowStandards->isEnabled()) {
                // The box shows and hides the options at once.
                DialogHarness::click(d.chkShowStandards);
                QCOMPARE(d.fraStandards->isVisible(), !show);
                QCOMPARE(d.lstStandards->isEnabled(), !show);
            }
            d.cmdDone->click();
        });
        QCOMPARE(m.blnShowStandards, step == 4 ? show : !show);
        QCOMPARE(m.strStandardsMode, option == QLatin1String("optPrefix")
                                         ? QStringLiteral("PREFIXED")
                                         : QStringLiteral("NO PREFIXES"));
    }

    void doneTakesTheTopSection_data()
    {
        dataColumns<QString, bool, bool, QString, bool>(
            {"typed", "prefix", "once", "heading", "byEnter"});
        dataRow("two trailing colons", "Benchmarks::", false, false, "Benchmarks", false);
        dataRow("Enter in the heading", "Benchmarks:", true, false, "Benchmarks", true);
        dataRow("quotes", "\"Core\" Standards", true, true, "''Core'' Standards", false);
        dataRow("nothing typed", "", true, false, "Educational Standards", false);
        dataRow("only colons", "::", false, true, "Educational Standards", false);
        dataRow("blanks", "   ", false, false, "Educational Standards", false);
    }

    void doneTakesTheTopSection()
    {
        const auto [typed, prefix, once, heading, byEnter] =
            fetchRow<QString, bool, bool, QString, bool>(
                {"typed", "prefix", "once", "heading", "byEnter"});
        LessonPlanModule &m = h->m;
        open([&](frmStandards &d) {
            d.cmdChange->click();
            QVERIFY(d.txtNewHeading->isEnabled());
            QCOMPARE(ui::backColor(d.txtNewHeading), ui::white());
            DialogHarness::typeInto(d.txtNewHeading, typed);
            DialogHarness::click(prefix ? d.optPrefix : d.optFullText);
            if (once)
                DialogHarness::click(d.chkOncePerWeek);
            if (byEnter)
                QTest::keyClick(d.txtNewHeading, Qt::Key_Return);
            else
                d.cmdDone->click();
            QVERIFY(d.isHidden());
        });
        QCOMPARE(m.strStandardsHeading, heading);
        QCOMPARE(m.strStandardsMode,
                 prefix ? QStringLiteral("PREFIXED") : QStringLiteral("NO PREFIXES"));
        QCOMPARE(m.blnStandardsOnce, once);
        QVERIFY(m.blnShowStandards);
        // A display-mode choice counts as an edit of the standards.
        QVERIFY(m.blnStandardsEdited);
        open([&](frmStandards &d) {
            QCOMPARE(d.lblHeading->text(), heading);
            QCOMPARE(d.txtNewHeading->text(), QString());
            d.cmdDone->click();
        });
    }

    void cancelKeepsTheListEdits_data()
    {
        dataColumns<bool, Answer>({"escape", "answer"});
        dataRow("Cancel, Yes", false, Answer::Yes);
        dataRow("Cancel, No", false, Answer::No);
        dataRow("Esc, Yes", true, Answer::Yes);
    }

    void cancelKeepsTheListEdits()
    {
        const auto [escape, answer] = fetchRow<bool, Answer>({"escape", "answer"});
        makeDialog(&h->useStore()); // list edits are stored at once
        LessonPlanModule &m = h->m;
        open([&](frmStandards &d) {
            d.cmdChange->click();
            DialogHarness::typeInto(d.txtNewHeading, QStringLiteral("Benchmarks"));
            DialogHarness::click(d.optPrefix);
            DialogHarness::click(d.chkOncePerWeek);
            inEditor([](frmEditStandard &e) {
                e.txtPre->setText(QStringLiteral("C-1"));
                e.cmdDone->click();
            });
            editRow(d, 0);
            h->platform.answerMessage(
                answer,
                QStringLiteral("Quit without saving changes to the selections in the top section "
                               "of this screen?") +
                    CrLf + CrLf +
                    QStringLiteral("(Any additions, deletions, and changes displayed in the "
                                   "Standards List text field have already been recorded.)"),
                QStringLiteral("Abandon Changes?"));
            DialogHarness::cancel(d, d.cmdCancel, escape);
            QCOMPARE(d.isVisible(), answer == Answer::No);
            // The list edit shows whichever the answer.
            QCOMPARE(d.lstStandards->item(0)->text(),
                     QStringLiteral("C-1   The full text of an Educational Standard will display "
                                    "here."));
        });
        QCOMPARE(m.strStdCodes.at(0), QStringLiteral("C-1"));
        QCOMPARE(m.strStandardsHeading, QStringLiteral("Educational Standards"));
        QCOMPARE(m.strStandardsMode, QStringLiteral("NO PREFIXES"));
        QVERIFY(!m.blnStandardsOnce);
        QVERIFY(m.blnStandardsEdited);
        QCOMPARE(h->stored(), m.record());
    }

    void addingAStandard_data() { DialogHarness::closeRows(); }

    void addingAStandard()
    {
        QFETCH(Close, how);
        makeDialog(&h->useStore(how == Close::DoneStoreFails));
        const int count = how == Close::Done ? 6 : 5;
        LessonPlanModule &m = h->m;
        const QStringList choices = m.strStdChoices;
        open([&](frmStandards &d) {
            inEditor([&](frmEditStandard &e) {
                QCOMPARE(e.windowTitle(), QStringLiteral(" ADD STANDARD"));
                QVERIFY(!e.cmdDelete->isEnabled());
                QCOMPARE(e.txtPre->text(), QString());
                QCOMPARE(e.txtSta->toPlainText(), QString());
                // Nothing to record yet.
                QVERIFY(!e.cmdDone->isEnabled());
                e.txtPre->setText(QStringLiteral("C-2-1"));
                e.txtSta->setPlainText(QStringLiteral("Reads maps."));
                QVERIFY(e.cmdDone->isEnabled());
                h->close(e, e.cmdDone, e.cmdCancel, how);
            });
            d.cmdAdd->click();
            QCOMPARE(d.lstStandards->count(), count);
            if (count == 6)
                QCOMPARE(d.lstStandards->item(5)->text(), QStringLiteral("C-2-1   Reads maps."));
            QVERIFY(d.cmdDone->hasFocus());
            d.cmdDone->click();
        });
        // An addition cancelled leaves no empty standard behind.
        QCOMPARE(m.strStdCodes.size(), count);
        QCOMPARE(m.strStdTexts.size(), count);
        QCOMPARE(m.strStdCodes.last(), count == 6 ? "C-2-1" : "B-3-5D");
        QCOMPARE(m.strStdChoices, choices);
    }

    void editingAStandard_data()
    {
        dataColumns<QString, QString, QString, QString, QString>(
            {"code", "text", "storedCode", "storedText", "line"});
        dataRow("plain", "A-9", "Adds.", "A-9", "Adds.", "A-9   Adds.");
        dataRow("line breaks become three blanks", "A-9", "Adds\nand subtracts.\n", "A-9",
                "Adds   and subtracts.   ", "A-9   Adds   and subtracts.   ");
        dataRow("quotes", "\"A\"", "Says \"hello\".", "''A''", "Says ''hello''.",
                "''A''   Says ''hello''.");
        dataRow("blank number/prefix", " ", "Adds.", " ", "Adds.", " Adds.");
        dataRow("text only", "", "Adds.", "", "Adds.", "Adds.");
    }

    void editingAStandard()
    {
        const auto [code, text, storedCode, storedText, line] =
            fetchRow<QString, QString, QString, QString, QString>(
                {"code", "text", "storedCode", "storedText", "line"});
        LessonPlanModule &m = h->m;
        open([&](frmStandards &d) {
            inEditor([&](frmEditStandard &e) {
                QCOMPARE(e.windowTitle(), QStringLiteral(" EDIT STANDARD"));
                QVERIFY(e.cmdDelete->isEnabled());
                QCOMPARE(e.txtPre->text(), QStringLiteral("A-2-1A"));
                e.txtPre->setText(code);
                e.txtSta->setPlainText(text);
                e.cmdDone->click();
            });
            editRow(d, 2);
            QCOMPARE(d.lstStandards->item(2)->text(), line);
            QVERIFY(!d.cmdEdit->isEnabled());
            d.cmdDone->click();
        });
        QCOMPARE(m.strStdCodes.at(2), storedCode);
        QCOMPARE(m.strStdTexts.at(2), storedText);
        QCOMPARE(m.strStdCodes.size(), 5);
        QVERIFY(m.blnStandardsEdited);
    }

    void deletingAStandard_data()
    {
        dataColumns<int, Answer, QStringList, QStringList>({"row", "answer", "choices", "left"});
        const QStringList choices = {"01101", "", "0110", "1", "01", "11111"};
        dataRow("second of five", 1, Answer::Yes, choices,
                QStringList({"0101", "", "010", "1", "0", "1111"}));
        dataRow("last of five", 4, Answer::Yes, choices,
                QStringList({"0110", "", "0110", "1", "01", "1111"}));
        dataRow("No", 1, Answer::No, choices, choices);
    }

    void deletingAStandard()
    {
        const auto [row, answer, choices, left] =
            fetchRow<int, Answer, QStringList, QStringList>({"row", "answer", "choices", "left"});
        makeDialog(&h->useStore());
        LessonPlanModule &m = h->m;
        m.strStdChoices = SettingsRecord::padded(choices, 10);
        QStringList codes = m.strStdCodes;
        QStringList texts = m.strStdTexts;
        if (answer == Answer::Yes) {
            codes.removeAt(row);
            texts.removeAt(row);
        }
        open([&](frmStandards &d) {
            QStringList shown = lines(d.lstStandards);
            if (answer == Answer::Yes)
                shown.removeAt(row);
            inEditor([&](frmEditStandard &e) {
                h->platform.answerMessage(answer,
                                          QStringLiteral("Delete this entry?") + CrLf + CrLf +
                                              QStringLiteral("Note:") + CrLf +
                                              QStringLiteral("This process cannot be undone."),
                                          QStringLiteral("Deletion Check"));
                e.cmdDelete->click();
                QCOMPARE(h->platform.lastPrompt().icon, Platform::Icon::Exclamation);
                QCOMPARE(h->platform.lastPrompt().buttons, Platform::Buttons::YesNo);
                QCOMPARE(e.isHidden(), answer == Answer::Yes);
            });
            editRow(d, row);
            QCOMPARE(lines(d.lstStandards), shown);
            // Edit/Delete waits for a new choice rather than act on the line that moved up.
            QVERIFY(!d.cmdEdit->isEnabled());
            d.cmdDone->click();
        });
        QCOMPARE(m.strStdCodes, codes);
        QCOMPARE(m.strStdTexts, texts);
        if (answer == Answer::Yes)
            QCOMPARE(h->stored(), m.record());
        QCOMPARE(m.strStdChoices, SettingsRecord::padded(left, 10));
    }

    void failingStoreKeepsTheScreenOpen()
    {
        makeDialog(&h->useStore(true));
        open([&](frmStandards &d) {
            d.chkOncePerWeek->setChecked(true);
            h->answerNotSaved();
            d.cmdDone->click();
            QVERIFY(d.isVisible());
        });
        QVERIFY(!h->m.blnStandardsOnce);
    }

    // The standards step of a plan, reading what the screens keep (the choices of each course
    // and the standards written once a plan are tested with the plan).

    void aCourseInNoSlotIsNotRemembered()
    {
        toPlan();
        // The plan's course was renamed in the settings while the plan was under way.
        h->m.strCourses[0] = QStringLiteral("Algebra");
        const QStringList choices = h->m.strStdChoices;
        toStandardsStep(QStringLiteral("One"));
        QCOMPARE(mw().plan->intCourseIndex, 10);
        QVERIFY(!lines(mw().lstChooseStandards).join(QString()).contains(QStringLiteral("[x]")));
        ui::setTicked(mw().lstChooseStandards, 4, true);
        mw().cmdAddToPlan->click();
        QCOMPARE(h->m.strStdChoices, choices);
        QVERIFY(dumpDocument(*mw().RTxtComposite)
                    .endsWith(QStringLiteral("[I][U]Educational Standards:[/U][/I]\nB-3-5D   The "
                                             "full text of a fifth Educational Standard will "
                                             "display here.\n")));
    }
};

QTEST_MAIN(TestFrmStandards)
#include "tst_frmstandards.moc"
