// The materials step of a plan: the listing built from the ticked items of each kind, what
// Proceed writes, the listing editor with its Enter-twice rule, Done and Cancel, and the end of
// a unit plan after the step.
#include "app/frmmain.h"
#include "document/frmeditmat.h"
#include "document/materialsstep.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/planfixture.h"
#include "support/scriptedplatform.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <memory>

using Answer = Platform::Answer;
Q_DECLARE_METATYPE(Platform::Answer)

namespace
{
const QString MaterialsHeading = QStringLiteral("[I][U]Materials/Supplies/Technology:[/U][/I]\n");
}

class TestMaterialsStep : public QObject
{
    Q_OBJECT

    std::unique_ptr<LessonPlanModule> m;
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<frmMain> w;

    // A weekly plan whose first day has been written up to the materials step: two items of
    // each kind, none of them always included.
    void toMaterialsStep()
    {
        m->strMaterials = {"T0Algebra 1", "T0Workbook", "R0Projector",
                           "R0Tiles",     "M0Rulers",   "M0Tape"};
        m->blnShowAssessment = false;
        m->blnShowStandards = false;
        m->blnShowUnitGoal = false;
        planfixture::beginWeeklyPlan(*w, *platform);
        w->txtObjective->setPlainText(QStringLiteral("One"));
        w->optTask[0]->click();
        w->txtDescription->insertPlainText(QStringLiteral("x"));
        w->cmdOK->click();
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

    static void typeKeys(QPlainTextEdit *field, const QString &keys)
    {
        // "E" is Enter, "<" moves the caret to the start, "." types a full stop.
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
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m = std::make_unique<LessonPlanModule>();
        platform = std::make_unique<ScriptedPlatform>();
        w = std::make_unique<frmMain>(*m, *platform);
        w->Form_Load();
        w->showMain();
    }

    void cleanup()
    {
        platform->verifyAllAnswered();
        w.reset();
    }

    void listingFromTheTickedKinds_data()
    {
        QTest::addColumn<bool>("texts");
        QTest::addColumn<bool>("resources");
        QTest::addColumn<bool>("materials");
        QTest::addColumn<QString>("listing");
        QTest::addColumn<QString>("written");
        const QString t = QStringLiteral("Text(s): Algebra 1;   Workbook\n");
        const QString r = QStringLiteral("Resource(s): Tiles\n");
        const QString mm = QStringLiteral("Materials/Supplies/Technology: Rulers;   Tape");
        dataRow("none", false, false, false, "", "");
        dataRow("textbooks", true, false, false, t + "\n", t);
        dataRow("resources", false, true, false, r + "\n", r);
        dataRow("materials", false, false, true, mm + "\n", mm + "\n");
        dataRow("textbooks, resources", true, true, false, t + r + "\n", t + r);
        dataRow("textbooks, materials", true, false, true, t + mm + "\n", t + mm + "\n");
        dataRow("resources, materials", false, true, true, r + mm + "\n", r + mm + "\n");
        dataRow("all three", true, true, true, t + r + mm + "\n", t + r + mm + "\n");
    }

    void listingFromTheTickedKinds()
    {
        QFETCH(bool, texts);
        QFETCH(bool, resources);
        QFETCH(bool, materials);
        QFETCH(QString, listing);
        QFETCH(QString, written);
        toMaterialsStep();
        if (texts) {
            ui::setTicked(w->lstTexts, 0, true);
            ui::setTicked(w->lstTexts, 1, true);
        }
        if (resources)
            ui::setTicked(w->lstResources, 1, true);
        if (materials) {
            ui::setTicked(w->lstMaterials, 0, true);
            ui::setTicked(w->lstMaterials, 1, true);
        }
        w->cmdPosition->click();
        QCOMPARE(w->txtSample->toPlainText(), listing);
        QCOMPARE(ui::toCrLf(w->txtSample->toPlainText()),
                 QString(listing).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
        QVERIFY(w->cmdProceed->isEnabled());

        const QString before = dumpDocument(*w->RTxtComposite);
        w->cmdProceed->click();
        // An empty listing writes nothing, not even the heading.
        QCOMPARE(dumpDocument(*w->RTxtComposite),
                 written.isEmpty() ? before : before + MaterialsHeading + written);
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Tuesday, September 8"));
        QCOMPARE(m->intStep, 1);
    }

    void editorDoneHandsTheListingBack_data()
    {
        QTest::addColumn<QString>("listing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("field");
        dataRow("unchanged", "Text(s): A\n\n", "", "Text(s): A\n", "Text(s): A");
        dataRow("several breaks stripped", "Resource(s): B\nMaterials/Supplies/Technology: C\n\n\n",
                " and D", "Resource(s): B\nMaterials/Supplies/Technology: C and D\n",
                "Resource(s): B\nMaterials/Supplies/Technology: C");
        dataRow("quotes", "Text(s): A\n\n", " \"new\"", "Text(s): A ''new''\n", "Text(s): A");
        dataRow("ending in a break", "Text(s): A\n", "E", "Text(s): A\n", "Text(s): A");
        dataRow("empty", "", "", "\n", "");
    }

    void editorDoneHandsTheListingBack()
    {
        QFETCH(QString, listing);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, field);
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
            if (typed == QLatin1String("E"))
                typeKeys(d.txtEdit, typed);
            else
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
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("shown");
        dataRow("Enter twice", "EE", true, "Text(s): A\n");
        dataRow("typing, then Enter twice", ".EE", true, "Text(s): A.\n");
        dataRow("a second line, then Enter twice", "E.EE", true, "Text(s): A\n.\n");
        dataRow("a key between", "E.E", false, "Text(s): A\n\n");
        dataRow("away from the end", "<EE", false, "Text(s): A\n\n");
    }

    void enterTwiceAtTheEnd()
    {
        QFETCH(QString, keys);
        QFETCH(bool, accepted);
        QFETCH(QString, shown);
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
        QTest::addColumn<bool>("escape");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("shown");
        dataRow("Cancel, Yes", false, Answer::Yes, "Text(s): A\n\n");
        dataRow("Cancel, No, then Done", false, Answer::No, "Text(s): A and B\n");
        dataRow("Esc, Yes", true, Answer::Yes, "Text(s): A\n\n");
        dataRow("Esc, No, then Done", true, Answer::No, "Text(s): A and B\n");
    }

    void cancelAsks()
    {
        QFETCH(bool, escape);
        QFETCH(Answer, answer);
        QFETCH(QString, shown);
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
        w->optTask[0]->click();
        w->txtDescription->insertPlainText(QStringLiteral("x"));
        w->cmdOK->click();
        w->cmdDone1->click();
        QCOMPARE(m->intStep, 3);
        w->cmdPosition->click();
        platform->answerMessage(Answer::OK,
                                QStringLiteral("End of Unit. Save or print the Lesson Plan "
                                               "Document."),
                                QStringLiteral("End of Unit"));
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
