// The materials setup dialog: its lists, adding, editing and deleting items, Done and Cancel.
#include "dialogharness.h"
#include "screens/frmmaterials.h"
#include "support/planfixture.h"

namespace
{
const QString CrLf = QStringLiteral("\r\n");
// 31 characters are shown as the first 28 and "...", 30 whole.
const QString Long31 = QStringLiteral("Algebra For Starters: Volume 1A");
const QString Long30 = QStringLiteral("Algebra For Starters: Volume 1");

QStringList lines(const QListWidget *list)
{
    return DialogHarness::items(list, true);
}

// A platform that also notes the text an input box offers.
class OfferingPlatform : public ScriptedPlatform
{
public:
    QString offered;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override
    {
        offered = defaultText;
        return ScriptedPlatform::inputBox(prompt, title, defaultText);
    }
};
} // namespace

class TestFrmMaterials : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;
    LessonPlanModule *m = nullptr;
    OfferingPlatform *platform = nullptr;
    std::unique_ptr<frmMaterials> dlg;

    void open(const std::function<void(frmMaterials &)> &action)
    {
        h->open<frmMaterials>(*dlg, action);
    }

    // Opens list i and makes its line row the chosen one, as a click on it does.
    static void choose(frmMaterials &d, int i, int row)
    {
        d.cmdChoose.at(i)->click();
        d.lstMaterials.at(i)->setCurrentRow(row);
    }

private Q_SLOTS:
    void init()
    {
        auto offering = std::make_unique<OfferingPlatform>();
        platform = offering.get();
        h = std::make_unique<DialogHarness>(std::move(offering));
        m = &h->m;
        m->strMaterials = {"T0Algebra 1",  "T1Workbook", "R2Projector",
                           "X1Kept aside", "M0Rulers",   "M0   "};
        dlg = std::make_unique<frmMaterials>(h->ctx);
    }

    void cleanup()
    {
        platform->verifyAllAnswered();
        dlg.reset();
        h.reset();
    }

    void openingFillsAndLocksTheLists_data()
    {
        dataColumns<bool, int>({"show", "step"});
        dataRow("shown, no plan", true, 0);
        dataRow("hidden, no plan", false, 0);
        dataRow("shown, in the materials step", true, 3);
        dataRow("shown, in the standards step", true, 4);
    }

    void openingFillsAndLocksTheLists()
    {
        const auto [show, step] = fetchRow<bool, int>({"show", "step"});
        m->blnShowMaterials = show;
        m->intStep = step;
        open([&](frmMaterials &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("  MATERIALS  SETUP"));
            QCOMPARE(lines(d.lstMaterials.at(0)), QStringList({"Algebra 1", "Workbook [x]"}));
            QCOMPARE(lines(d.lstMaterials.at(1)), QStringList({"Projector [x]"}));
            QCOMPARE(lines(d.lstMaterials.at(2)), QStringList({"Rulers"}));
            QCOMPARE(d.chkShowMaterials->isChecked(), show);
            QCOMPARE(d.chkShowMaterials->isEnabled(), step != 3);
            for (int i = 0; i < frmMaterials::KindCount; ++i) {
                QCOMPARE(d.cmdChoose.at(i)->isEnabled(), show);
                QVERIFY(!d.fraMaterials.at(i)->isEnabled());
                QVERIFY(!d.lstMaterials.at(i)->isEnabled());
                QCOMPARE(d.lstMaterials.at(i)->currentRow(), -1);
                QVERIFY(!d.cmdAdd.at(i)->isEnabled());
                QVERIFY(!d.cmdEdit.at(i)->isEnabled());
                QVERIFY(!d.cmdDelete.at(i)->isEnabled());
            }
            QCOMPARE(d.lblAlways.at(2)->text(), QStringLiteral("Always include checked "
                                                               "Materials/Supplies/Technology in "
                                                               "Lesson Plan Documents"));
            d.cmdDone->click();
        });
    }

    void oneKindAtATime()
    {
        open([&](frmMaterials &d) {
            d.cmdChoose.at(1)->click();
            QVERIFY(d.fraMaterials.at(1)->isEnabled() && d.lstMaterials.at(1)->isEnabled());
            QVERIFY(d.cmdAdd.at(1)->isEnabled());
            QVERIFY(d.cmdAdd.at(1)->hasFocus());
            QVERIFY(!d.cmdEdit.at(1)->isEnabled() && !d.cmdDelete.at(1)->isEnabled());
            d.lstMaterials.at(1)->setCurrentRow(0);
            QVERIFY(d.cmdEdit.at(1)->isEnabled() && d.cmdDelete.at(1)->isEnabled());
            // Opening another kind locks this one again.
            d.cmdChoose.at(2)->click();
            QVERIFY(!d.lstMaterials.at(1)->isEnabled() && !d.cmdEdit.at(1)->isEnabled());
            QCOMPARE(d.lstMaterials.at(1)->currentRow(), -1);
            QVERIFY(d.lstMaterials.at(2)->isEnabled());
            // Unticking the show box takes the kinds away.
            DialogHarness::click(d.chkShowMaterials);
            for (QPushButton *choose : std::as_const(d.cmdChoose))
                QVERIFY(!choose->isEnabled());
            d.cmdDone->click();
        });
        QVERIFY(!m->blnShowMaterials);
    }

    void addingAnItem_data()
    {
        dataColumns<int, QString, Answer, QString, QString>(
            {"kind", "typed", "always", "shown", "line"});
        dataRow("textbook, always", 0, "Geometry", Answer::Yes, "Geometry", "Geometry [x]");
        dataRow("resource, not always", 1, "Globe", Answer::No, "Globe", "Globe");
        dataRow("30 characters shown whole", 2, Long30, Answer::No, Long30, Long30);
        dataRow("31 characters shortened", 2, Long31, Answer::Yes,
                "Algebra For Starters: Volume...", Long31 + " [x]");
        dataRow("quotes", 0, "\"Hatchet\" by Paulsen", Answer::No, "''Hatchet'' by Paulsen",
                "''Hatchet'' by Paulsen");
        dataRow("blank answer", 0, "   ", Answer::Yes, "", "Workbook [x]");
    }

    void addingAnItem()
    {
        const auto [kind, typed, always, shown, line] =
            fetchRow<int, QString, Answer, QString, QString>(
                {"kind", "typed", "always", "shown", "line"});
        const QString word = frmMaterials::kindWord(kind);
        open([&](frmMaterials &d) {
            d.cmdChoose.at(kind)->click();
            platform->answerInput(typed, word + QStringLiteral(" Addition"));
            // A blank answer adds nothing and asks nothing more.
            if (!shown.isEmpty())
                platform->answerMessage(always,
                                        QStringLiteral("Always include ") + CrLf + "\"" + shown +
                                            "\"" + CrLf + QStringLiteral("in Lesson Plans?"),
                                        QStringLiteral("Always Include?"));
            d.cmdAdd.at(kind)->click();
            QCOMPARE(platform->prompts().at(1).text,
                     QStringLiteral("New ") + word + QStringLiteral(":"));
            QCOMPARE(platform->lastPrompt().icon,
                     shown.isEmpty() ? Platform::Icon::None : Platform::Icon::Question);
            QCOMPARE(lines(d.lstMaterials.at(kind)).last(), line);
            d.cmdDone->click();
        });
        // Stored whole, after the items of its kind.
        const QString letter = QStringLiteral("TRM").at(kind);
        const QString entry =
            letter + (always == Answer::Yes ? "1" : "0") + QString(line).remove(" [x]");
        QVERIFY2(m->strMaterials.contains(entry), qPrintable(m->strMaterials.join('|')));
        QCOMPARE(m->strMaterials.size(), shown.isEmpty() ? 5 : 6);
    }

    void editingAnItem_data()
    {
        dataColumns<QString, Answer, QString, QString>({"typed", "always", "shown", "line"});
        dataRow("renamed, always", "Algebra 2", Answer::Yes, "Algebra 2", "Algebra 2 [x]");
        dataRow("31 characters, not always", Long31, Answer::No, "Algebra For Starters: Volume...",
                Long31);
        dataRow("cancelled", "", Answer::No, "", "Algebra 1");
    }

    void editingAnItem()
    {
        const auto [typed, always, shown, line] =
            fetchRow<QString, Answer, QString, QString>({"typed", "always", "shown", "line"});
        open([&](frmMaterials &d) {
            choose(d, 0, 0);
            platform->answerInput(typed, QStringLiteral("Textbook..."));
            if (!shown.isEmpty())
                platform->answerMessage(always,
                                        QStringLiteral("Always include ") + CrLf + shown + CrLf +
                                            QStringLiteral("in Lesson Plans?"),
                                        QStringLiteral("Always Include?"));
            d.cmdEdit.at(0)->click();
            QCOMPARE(platform->offered, QStringLiteral("Algebra 1"));
            QCOMPARE(lines(d.lstMaterials.at(0)), QStringList({line, "Workbook [x]"}));
            d.cmdDone->click();
        });
        QCOMPARE(m->strMaterials.first(), QStringLiteral("T") +
                                              (always == Answer::Yes ? "1" : "0") +
                                              QString(line).remove(" [x]"));
    }

    void deletingAnItem_data()
    {
        dataColumns<QString, QString, Answer>({"item", "shown", "answer"});
        dataRow("Yes", "Rulers", "Rulers", Answer::Yes);
        dataRow("No", "Rulers", "Rulers", Answer::No);
        dataRow("31 characters", Long31, "Algebra For Starters: Volume...", Answer::Yes);
    }

    void deletingAnItem()
    {
        const auto [item, shown, answer] =
            fetchRow<QString, QString, Answer>({"item", "shown", "answer"});
        m->strMaterials = {"M0" + item, "M1Tape"};
        open([&](frmMaterials &d) {
            choose(d, 2, 0);
            platform->answerMessage(answer,
                                    QStringLiteral("Delete \"") + shown + QStringLiteral("\"?") +
                                        CrLf + CrLf +
                                        QStringLiteral("This action cannot be undone."),
                                    QStringLiteral("Deletion Check"));
            d.cmdDelete.at(2)->click();
            QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Question);
            QCOMPARE(d.lstMaterials.at(2)->count(), answer == Answer::Yes ? 1 : 2);
            // After a deletion nothing is chosen, so nothing more goes unasked.
            QCOMPARE(d.cmdDelete.at(2)->isEnabled(), answer != Answer::Yes);
            d.cmdDone->click();
        });
        QCOMPARE(m->strMaterials, answer == Answer::Yes ? QStringList({"M1Tape"})
                                                        : QStringList({"M0" + item, "M1Tape"}));
    }

    void doneOrCancel_data() { DialogHarness::closeRows(); }

    void doneOrCancel()
    {
        QFETCH(Close, how);
        h->useStore(how == Close::DoneStoreFails);
        dlg = std::make_unique<frmMaterials>(h->ctx);
        const QStringList before = m->strMaterials;
        open([&](frmMaterials &d) {
            // Every resource deleted, a material ticked, a textbook unticked, none shown.
            choose(d, 1, 0);
            platform->answerMessage(Answer::Yes);
            d.cmdDelete.at(1)->click();
            d.cmdChoose.at(2)->click();
            ui::setTicked(d.lstMaterials.at(2), 0, true);
            d.cmdChoose.at(0)->click();
            ui::setTicked(d.lstMaterials.at(0), 1, false);
            DialogHarness::click(d.chkShowMaterials);
            h->close(d, d.cmdDone, d.cmdCancel, how);
        });
        // Done: kinds in order, digits from the check marks; the entry of no known kind is
        // kept, the one without text is gone.
        const bool kept = how == Close::Done;
        QCOMPARE(m->strMaterials,
                 kept ? QStringList({"T0Algebra 1", "T0Workbook", "M1Rulers", "X1Kept aside"})
                      : before);
        QCOMPARE(m->blnShowMaterials, !kept);
        if (kept)
            QCOMPARE(h->stored(), m->record());
        // Shown again, the dialog starts from the settings.
        open([&](frmMaterials &d) {
            QCOMPARE(d.lstMaterials.at(1)->count(), kept ? 0 : 1);
            QCOMPARE(d.chkShowMaterials->isChecked(), !kept);
        });
    }

    // Done under the materials step hands the new lists and check marks to the step.
    void doneRefreshesTheMaterialsStep()
    {
        const QStringList materials = m->strMaterials;
        frmMain &w = h->withMain();
        m->strMaterials = materials;
        m->blnShowAssessment = false;
        m->blnShowStandards = false;
        m->blnShowUnitGoal = false;
        w.showMain();
        dlg = std::make_unique<frmMaterials>(h->ctx);
        planfixture::beginWeeklyPlan(w, *platform);
        w.txtObjective->setPlainText(QStringLiteral("One"));
        w.optTask[0]->click();
        w.txtDescription->insertPlainText(QStringLiteral("x"));
        w.cmdOK->click();
        w.cmdDone1->click();
        QCOMPARE(m->intStep, 3);
        QCOMPARE(lines(w.lstTexts), QStringList({"Algebra 1", "Workbook [x]"}));
        platform->actInDialog(QStringLiteral("frmMaterials"), [&](QDialog *) {
            QVERIFY(!dlg->chkShowMaterials->isEnabled());
            dlg->cmdChoose.at(0)->click();
            ui::setTicked(dlg->lstMaterials.at(0), 0, true);
            ui::setTicked(dlg->lstMaterials.at(0), 1, false);
            platform->answerInput(QStringLiteral("Number line"));
            platform->answerMessage(Answer::Yes);
            dlg->cmdChoose.at(2)->click();
            dlg->cmdAdd.at(2)->click();
            dlg->cmdDone->click();
        });
        w.showDialog(dlg.get());
        QCOMPARE(lines(w.lstTexts), QStringList({"Algebra 1 [x]", "Workbook"}));
        QCOMPARE(lines(w.lstResources), QStringList({"Projector [x]"}));
        QCOMPARE(lines(w.lstMaterials), QStringList({"Rulers", "Number line [x]"}));
        dlg.reset();
    }
};

QTEST_MAIN(TestFrmMaterials)
#include "tst_frmmaterials.moc"
