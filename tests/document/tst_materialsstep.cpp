// The materials step of a plan: the lists the settings fill, the listing built from the ticked
// items of each kind, what Proceed writes, the listing editor with its Enter-twice rule, Done and
// Cancel, and the end of a unit plan after the step.
#include "document/frmeditmat.h"
#include "document/materialsstep.h"
#include "plan/planstart.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/planfixture.h"

#include <QGroupBox>
#include <QLabel>

using Answer = Platform::Answer;
Q_DECLARE_METATYPE(Platform::Answer)

namespace
{
const QString MaterialsHeading = QStringLiteral("[I][U]Materials/Supplies/Technology:[/U][/I]\n");
const QStringList TwoOfEachKind = {"T0Algebra 1", "T0Workbook", "R0Projector",
                                   "R0Tiles",     "M0Rulers",   "M0Tape"};
} // namespace

class TestMaterialsStep : public planfixture::WindowTest
{
    Q_OBJECT

    // A weekly plan whose first day has been written up to the materials step.
    void toMaterialsStep(const QStringList &materials = TwoOfEachKind)
    {
        m->strMaterials = materials;
        m->blnShowAssessment = false;
        m->blnShowStandards = false;
        m->blnShowUnitGoal = false;
        planfixture::beginWeeklyPlan(*w, *platform);
        w->txtObjective->setPlainText(QStringLiteral("One"));
        addItem(0, QStringLiteral("x"));
        w->cmdDone1->click();
        QCOMPARE(m->intStep, 3);
        QVERIFY(!w->fraLists->isHidden());
    }

    // The editor is shown; the action runs while it is on screen with its window active.
    void inEditor(const std::function<void(frmEditMat &)> &action)
    {
        platform->actInDialog(QStringLiteral("frmEditMat"), [action](QDialog *d) {
            auto *editor = static_cast<frmEditMat *>(d);
            editor->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(editor));
            action(*editor);
        });
        w->cmdEditMat->click();
    }

    // "E" is Enter, "<" moves the caret to the start, anything else is typed.
    static void typeKeys(QPlainTextEdit *field, const QString &keys)
    {
        for (const QChar key : keys) {
            if (key == QLatin1Char('E'))
                QTest::keyClick(field, Qt::Key_Return);
            else if (key == QLatin1Char('<'))
                field->moveCursor(QTextCursor::Start);
            else
                QTest::keyClick(field, key.toLatin1());
        }
    }

private Q_SLOTS:
    void init()
    {
        load();
        w->showMain();
    }

    void cleanup() { finish(); }

    void listsFollowTheSettings()
    {
        m->strMaterialEdit = QStringLiteral("Text(s): edited\r\n");
        toMaterialsStep(
            {"T1Algebra 1 textbook", "R0Graphing tool", "M2Rulers", "M1   ", "X1Hidden kind"});
        QCOMPARE(planfixture::itemTexts(w->lstTexts), QStringList({"Algebra 1 textbook"}));
        QVERIFY(ui::isTicked(w->lstTexts, 0));
        QCOMPARE(planfixture::itemTexts(w->lstResources), QStringList({"Graphing tool"}));
        QVERIFY(!ui::isTicked(w->lstResources, 0));
        QCOMPARE(planfixture::itemTexts(w->lstMaterials), QStringList({"Rulers"}));
        QVERIFY(ui::isTicked(w->lstMaterials, 0));
        QCOMPARE(w->txtSample->toPlainText(), QStringLiteral("Text(s): edited\n"));
        QVERIFY(m->strMaterialEdit.isEmpty());
        QVERIFY(!w->cboOldPlans->isEnabled());

        // While New Plan clears the screen, the lists are left alone.
        w->lstTexts->clear();
        w->plan->blnNewPlanRequested = true;
        w->PrepareStep();
        QCOMPARE(w->lstTexts->count(), 0);
        QVERIFY(!w->plan->blnNewPlanRequested);
    }

    void listingSurvivesActivationAndRebuildingAsks()
    {
        toMaterialsStep();
        QVERIFY(!w->cmdProceed->isEnabled());
        ui::setTicked(w->lstTexts, 0, true);
        w->cmdPosition->click();
        const QString listing = QStringLiteral("Text(s): Algebra 1\n\n");
        QCOMPARE(w->txtSample->toPlainText(), listing);
        // Coming back from a settings screen keeps the listing built in this step.
        w->Form_Activate();
        QCOMPARE(w->txtSample->toPlainText(), listing);
        ui::setTicked(w->lstTexts, 0, true);
        ui::setTicked(w->lstTexts, 1, true);
        platform->answerMessage(
            Answer::Cancel,
            QStringLiteral("Rebuilding the Materials Listing will replace the current contents, "
                           "including any changes you've made by editing.\r\n\r\nYou can make "
                           "additional changes to the Listing after it has been placed in the "
                           "Lesson Plan Document.\r\n\r\nContinue with rebuild?"),
            QStringLiteral("Possible Loss of Edited Content"));
        w->cmdPosition->click();
        QCOMPARE(w->txtSample->toPlainText(), listing);
        platform->answerMessage(Answer::OK);
        w->cmdPosition->click();
        QCOMPARE(w->txtSample->toPlainText(), QStringLiteral("Text(s): Algebra 1;   Workbook\n\n"));
    }

    void listingFromTheTickedKinds_data()
    {
        dataColumns<bool, bool, QString, QString>({"texts", "materials", "listing", "written"});
        const QString t = QStringLiteral("Text(s): Algebra 1;   Workbook\n");
        const QString r = QStringLiteral("Resource(s): Tiles\n");
        const QString mm = QStringLiteral("Materials/Supplies/Technology: Rulers;   Tape");
        dataRow("none", false, false, "", "");
        dataRow("textbooks: one break written", true, false, t + "\n", t);
        dataRow("materials", false, true, mm + "\n", mm + "\n");
        dataRow("all three", true, true, t + r + mm + "\n", t + r + mm + "\n");
    }

    void listingFromTheTickedKinds()
    {
        const auto [texts, materials, listing, written] =
            fetchRow<bool, bool, QString, QString>({"texts", "materials", "listing", "written"});
        toMaterialsStep();
        for (int i : {0, 1}) {
            ui::setTicked(w->lstTexts, i, texts);
            ui::setTicked(w->lstMaterials, i, materials);
        }
        ui::setTicked(w->lstResources, 1, texts && materials);
        w->cmdPosition->click();
        QCOMPARE(w->txtSample->toPlainText(), listing);
        QVERIFY(w->cmdProceed->isEnabled());

        const QString before = dumpDocument(*w->RTxtComposite);
        w->cmdProceed->click();
        // An empty listing writes nothing, not even the heading.
        QCOMPARE(dumpDocument(*w->RTxtComposite),
                 written.isEmpty() ? before : before + MaterialsHeading + written);
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Tuesday, September 8"));
        QCOMPARE(m->intStep, 1);
        QVERIFY(w->fraLists->isHidden());
    }

    void editorDoneHandsTheListingBack_data()
    {
        dataColumns<QString, QString, QString, QString>({"listing", "typed", "shown", "field"});
        dataRow("unchanged", "Text(s): A\n\n", "", "Text(s): A\n", "Text(s): A");
        dataRow("several breaks stripped", "Resource(s): B\nMaterials/Supplies/Technology: C\n\n\n",
                " and D", "Resource(s): B\nMaterials/Supplies/Technology: C and D\n",
                "Resource(s): B\nMaterials/Supplies/Technology: C");
        dataRow("quotes", "Text(s): A\n\n", " \"new\"", "Text(s): A ''new''\n", "Text(s): A");
        dataRow("empty", "", "", "\n", "");
    }

    void editorDoneHandsTheListingBack()
    {
        const auto [listing, typed, shown, field] =
            fetchRow<QString, QString, QString, QString>({"listing", "typed", "shown", "field"});
        toMaterialsStep();
        w->txtSample->setPlainText(listing);
        inEditor([&](frmEditMat &d) {
            QCOMPARE(d.windowTitle(),
                     QStringLiteral(" EDIT MATERIALS/SUPPLIES/TECHNOLOGY LISTING"));
            QCOMPARE(d.txtEdit->toPlainText(), field);
            // The caret waits at the end, and with it the hint.
            QCOMPARE(d.txtEdit->textCursor().position(), int(field.size()));
            QVERIFY(d.lblTwice->isVisible());
            QCOMPARE(d.lblTwice->text(),
                     QStringLiteral("When finished, hit <ENTER> twice or click 'Done'"));
            QTest::keyClicks(d.txtEdit, typed);
            d.cmdDone->click();
            QVERIFY(d.isHidden());
        });
        // The step was prepared again around the edited listing.
        QCOMPARE(w->txtSample->toPlainText(), shown);
        QCOMPARE(m->strMaterialEdit, QString());
        QVERIFY(!w->fraLists->isHidden());
        QCOMPARE(m->intStep, 3);
    }

    void enterTwiceAtTheEnd_data()
    {
        dataColumns<QString, bool, QString>({"keys", "accepted", "shown"});
        dataRow("Enter twice", "EE", true, "Text(s): A\n");
        dataRow("a second line, then Enter twice", "E.EE", true, "Text(s): A\n.\n");
        dataRow("a key between", "E.E", false, "Text(s): A\n\n");
        dataRow("away from the end", "<EE", false, "Text(s): A\n\n");
    }

    void enterTwiceAtTheEnd()
    {
        const auto [keys, accepted, shown] =
            fetchRow<QString, bool, QString>({"keys", "accepted", "shown"});
        toMaterialsStep();
        w->txtSample->setPlainText(QStringLiteral("Text(s): A\n\n"));
        inEditor([&](frmEditMat &d) {
            typeKeys(d.txtEdit, keys);
            QCOMPARE(d.isHidden(), accepted);
        });
        // An editor closed without Done (here by the test) leaves the listing as it was.
        QCOMPARE(w->txtSample->toPlainText(), shown);
    }

    void anEnterOfAnEarlierShowingDoesNotCount()
    {
        toMaterialsStep();
        w->txtSample->setPlainText(QStringLiteral("Text(s): A\n\n"));
        inEditor([&](frmEditMat &d) {
            typeKeys(d.txtEdit, QStringLiteral("E"));
            d.cmdDone->click();
        });
        QCOMPARE(w->txtSample->toPlainText(), QStringLiteral("Text(s): A\n"));
        inEditor([&](frmEditMat &d) {
            typeKeys(d.txtEdit, QStringLiteral("E"));
            QVERIFY(d.isVisible());
            typeKeys(d.txtEdit, QStringLiteral("E"));
            QVERIFY(d.isHidden());
        });
    }

    void cancelAsks_data()
    {
        dataColumns<bool, Answer, QString>({"escape", "answer", "shown"});
        dataRow("Cancel, No, then Done", false, Answer::No, "Text(s): A and B\n");
        dataRow("Esc, Yes", true, Answer::Yes, "Text(s): A\n\n");
    }

    void cancelAsks()
    {
        const auto [escape, answer, shown] =
            fetchRow<bool, Answer, QString>({"escape", "answer", "shown"});
        toMaterialsStep();
        w->txtSample->setPlainText(QStringLiteral("Text(s): A\n\n"));
        inEditor([&](frmEditMat &d) {
            QTest::keyClicks(d.txtEdit, QStringLiteral(" and B"));
            platform->answerMessage(answer, QStringLiteral("Quit without saving changes?"),
                                    QStringLiteral("Abandon Changes?"));
            if (escape)
                QTest::keyClick(d.txtEdit, Qt::Key_Escape);
            else
                d.cmdCancel->click();
            QCOMPARE(platform->lastPrompt().buttons, Platform::Buttons::YesNo);
            QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Question);
            QCOMPARE(d.isHidden(), answer == Answer::Yes);
            if (d.isVisible())
                d.cmdDone->click();
        });
        QCOMPARE(w->txtSample->toPlainText(), shown);
        QVERIFY(!w->fraLists->isHidden());
    }

    void unitPlanEndsAfterTheStep()
    {
        m->strMaterials = {"T1Algebra 1"};
        m->blnShowAssessment = false;
        m->blnShowStandards = false;
        planfixture::beginUnitPlan(*w, *platform, QStringLiteral("Fractions"));
        w->txtObjective->setPlainText(QStringLiteral("Two weeks"));
        addItem(0, QStringLiteral("x"));
        w->cmdDone1->click();
        QCOMPARE(m->intStep, 3);
        w->cmdPosition->click();
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("End of Unit"));
        w->cmdProceed->click();
        QVERIFY(dumpDocument(*w->RTxtComposite)
                    .endsWith(MaterialsHeading + QStringLiteral("Text(s): Algebra 1\n")));
        // The plan is over: the step is not offered again, however often the window activates.
        QCOMPARE(m->intStep, 0);
        QVERIFY(w->fraLists->isHidden());
        w->Form_Activate();
        QVERIFY(w->fraLists->isHidden());
        QCOMPARE(m->intStep, 0);
    }
};

QTEST_MAIN(TestMaterialsStep)
#include "tst_materialsstep.moc"
