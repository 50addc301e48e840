// The activity and assessment list dialogs (their Done/Cancel flow: tst_sectionheadings).
#include "dialogharness.h"
#include "settings/frmsetupassess.h"
#include "settings/frmsetuptasks.h"

namespace
{
std::unique_ptr<ActivityListDialog> makeList(const QString &name, ScreenContext &ctx)
{
    if (name == QLatin1String("frmSetupTasks"))
        return std::make_unique<frmSetupTasks>(ctx);
    return std::make_unique<frmSetUpAssess>(ctx);
}
QStringList SettingsRecord::*listOf(const QString &name)
{
    return name == QLatin1String("frmSetupTasks") ? &SettingsRecord::strActivities
                                                  : &SettingsRecord::strAssessments;
}
QString SettingsRecord::*punctOf(const QString &name)
{
    return name == QLatin1String("frmSetupTasks") ? &SettingsRecord::strActivityPunct
                                                  : &SettingsRecord::strAssessPunct;
}
const QStringList listDialogs = {QStringLiteral("frmSetupTasks"), QStringLiteral("frmSetUpAssess")};
} // namespace

class TestActivityLists : public QObject
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

    void entriesAreStoredWithoutDoubleQuotes_data()
    {
        // box: -1: the punctuation field
        dataColumns<QString, int, QString, QString>({"dialog", "box", "typed", "stored"});
        for (const QString &dialog : listDialogs) {
            const auto row = [&dialog](const char *tag, int box, const QString &typed,
                                       const QString &stored) {
                dataRow(qPrintable(dialog + QStringLiteral(": ") + QLatin1String(tag)), dialog, box,
                        typed, stored);
            };
            row("quoted word", 2, "Read \"Hatchet\" aloud", "Read ''Hatchet'' aloud");
            row("last box", 14, "\"Quick\" write", "''Quick'' write");
            row("emptied box", 0, "", "");
            row("punctuation", -1, ".\"", ".''");
        }
    }

    void entriesAreStoredWithoutDoubleQuotes()
    {
        const auto [dialog, box, typed, stored] =
            fetchRow<QString, int, QString, QString>({"dialog", "box", "typed", "stored"});
        auto d = makeList(dialog, h->ctx);
        const QStringList before = h->m.*listOf(dialog);
        h->open<ActivityListDialog>(*d, [&](ActivityListDialog &dlg) {
            DialogHarness::typeInto(box < 0 ? dlg.txtPunct : dlg.txtActivity[box], typed);
            DialogHarness::click(dlg.cmdDone);
            QVERIFY(dlg.isHidden());
        });
        if (box < 0) {
            QCOMPARE(h->m.*punctOf(dialog), stored);
            QCOMPARE(h->m.*listOf(dialog), before);
        } else {
            QStringList expected = before;
            expected[box] = stored;
            QCOMPARE(h->m.*listOf(dialog), expected);
        }
    }

    void doneKeepsTheSixteenthEntry_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const QString &dialog : listDialogs)
            QTest::newRow(qPrintable(dialog)) << dialog;
    }

    // Fifteen boxes for sixteen entries: the last one is never touched. Settings imported (or
    // otherwise changed) between two showings are what the dialog shows, and a Done then cannot
    // put the old list back.
    void doneKeepsTheSixteenthEntry()
    {
        QFETCH(QString, dialog);
        (h->m.*listOf(dialog))[15] = QStringLiteral("Kept aside");
        auto d = makeList(dialog, h->ctx);
        h->open<ActivityListDialog>(*d, [&](ActivityListDialog &dlg) {
            for (int i = 0; i < dlg.txtActivity.size(); ++i)
                DialogHarness::typeInto(dlg.txtActivity[i], QStringLiteral("Item %1").arg(i));
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(d->txtActivity.size(), 15);
        const QStringList list = h->m.*listOf(dialog);
        QCOMPARE(list.size(), 16);
        QCOMPARE(list[14], QStringLiteral("Item 14"));
        QCOMPARE(list[15], QStringLiteral("Kept aside"));

        (h->m.*listOf(dialog))[1] = QStringLiteral("Imported entry");
        h->m.*punctOf(dialog) = QStringLiteral(";");
        h->open<ActivityListDialog>(*d, [&](ActivityListDialog &dlg) {
            QCOMPARE(dlg.txtActivity[1]->text(), QStringLiteral("Imported entry"));
            QCOMPARE(dlg.txtPunct->text(), QStringLiteral(";"));
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE((h->m.*listOf(dialog))[1], QStringLiteral("Imported entry"));
    }

    void enterMovesToTheNextBox_data()
    {
        dataColumns<QString, int, QString>({"dialog", "box", "next"});
        for (const QString &dialog : listDialogs) {
            dataRow(qPrintable(dialog + QStringLiteral(": first")), dialog, 0,
                    QStringLiteral("txtActivity(1)"));
            dataRow(qPrintable(dialog + QStringLiteral(": middle")), dialog, 7,
                    QStringLiteral("txtActivity(8)"));
            dataRow(qPrintable(dialog + QStringLiteral(": last")), dialog, 14,
                    QStringLiteral("cmdDone"));
        }
    }

    void enterMovesToTheNextBox()
    {
        const auto [dialog, box, next] = fetchRow<QString, int, QString>({"dialog", "box", "next"});
        auto d = makeList(dialog, h->ctx);
        h->open<ActivityListDialog>(*d, [&](ActivityListDialog &dlg) {
            dlg.txtActivity[box]->setFocus(Qt::TabFocusReason);
            QTest::keyClick(dlg.txtActivity[box], Qt::Key_Return);
            QVERIFY(dlg.focusWidget());
            QCOMPARE(dlg.focusWidget()->objectName(), next);
            // Enter moves on; it never closes the dialog.
            QVERIFY(dlg.isVisible());
            dlg.hide();
        });
    }

    void focusSelectsTheText_data()
    {
        dataColumns<QString, QString, QString>({"dialog", "field", "selected"});
        for (const QString &dialog : listDialogs) {
            dataRow(qPrintable(dialog + QStringLiteral(": entry")), dialog,
                    QStringLiteral("txtActivity(3)"), QStringLiteral("Something long"));
            dataRow(qPrintable(dialog + QStringLiteral(": punctuation")), dialog,
                    QStringLiteral("txtPunct"), QStringLiteral("Som"));
        }
        dataRow("unit", QStringLiteral("frmSetupTasks"), QStringLiteral("txtUnit"),
                QStringLiteral("Som"));
    }

    void focusSelectsTheText()
    {
        const auto [dialog, field, selected] =
            fetchRow<QString, QString, QString>({"dialog", "field", "selected"});
        h->m.blnShowTime = true;
        auto d = makeList(dialog, h->ctx);
        h->open<ActivityListDialog>(*d, [&](ActivityListDialog &dlg) {
            auto *box = dlg.findChild<QLineEdit *>(field);
            QVERIFY(box);
            box->setText(QStringLiteral("Something long"));
            box->setCursorPosition(4);
            box->deselect();
            box->setFocus(Qt::TabFocusReason);
            QCOMPARE(box->selectedText(), selected);
            dlg.hide();
        });
    }

    void timeUnitFallsBackToMin_data()
    {
        dataColumns<bool, QString, bool, QString>({"timeOn", "unit", "told", "stored"});
        dataRow("blank, time on", true, "", true, "min");
        dataRow("blanks, time on", true, "   ", true, "min");
        dataRow("blank, time off", false, "", false, "min");
        dataRow("given, time off", false, "hrs", false, "hrs");
        dataRow("quoted", true, "\"m\"", false, "''m''");
    }

    void timeUnitFallsBackToMin()
    {
        const auto [timeOn, unit, told, stored] =
            fetchRow<bool, QString, bool, QString>({"timeOn", "unit", "told", "stored"});
        h->m.blnShowTime = true; // so the unit field can be reached
        frmSetupTasks d(h->ctx);
        h->open<frmSetupTasks>(d, [&](frmSetupTasks &dlg) {
            DialogHarness::typeInto(dlg.txtUnit, unit);
            if (!timeOn)
                DialogHarness::click(dlg.chkTime);
            if (told)
                h->platform.answerMessage(
                    Platform::Answer::OK,
                    QStringLiteral(
                        "The time unit cannot be blank. The default unit 'min' will be used."),
                    QStringLiteral("Missing Entry"));
            DialogHarness::click(dlg.cmdDone);
            QVERIFY(dlg.isHidden());
        });
        if (told) {
            QCOMPARE(h->platform.prompts().size(), 2); // the dialog and the one message
            QCOMPARE(h->platform.lastPrompt().icon, Platform::Icon::Information);
            QCOMPARE(h->platform.lastPrompt().buttons, Platform::Buttons::OK);
        }
        QCOMPARE(h->m.strTimeUnit, stored);
        QCOMPARE(h->m.blnShowTime, timeOn);
    }

    // No template yet: checking the box offers parentheses. Unchecking it empties the
    // template; checking it again brings back the option last chosen.
    void timeTemplateFollowsTheTimeBox()
    {
        h->m.blnShowTime = false;
        h->m.strTimeTemplate.clear();
        frmSetupTasks d(h->ctx);
        h->open<frmSetupTasks>(d, [](frmSetupTasks &dlg) {
            QVERIFY(!dlg.TimeFrame->isVisible());
            DialogHarness::click(dlg.chkTime);
            QVERIFY(dlg.TimeFrame->isVisible());
            QVERIFY(dlg.optParentheses->isChecked());
            DialogHarness::click(dlg.optBrackets);
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strTimeTemplate, QStringLiteral("[X] "));
        QVERIFY(h->m.blnShowTime);
        h->open<frmSetupTasks>(d, [](frmSetupTasks &dlg) {
            QVERIFY(dlg.optBrackets->isChecked());
            DialogHarness::click(dlg.chkTime);
            QVERIFY(!dlg.TimeFrame->isVisible());
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strTimeTemplate, QString());
        QVERIFY(!h->m.blnShowTime);
        h->open<frmSetupTasks>(d, [](frmSetupTasks &dlg) {
            QVERIFY(!dlg.chkTime->isChecked());
            DialogHarness::click(dlg.chkTime);
            QVERIFY(dlg.optBrackets->isChecked());
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strTimeTemplate, QStringLiteral("[X] "));
    }

    void assessmentHeading_data()
    {
        // byEnter: Enter in the new heading is Done
        dataColumns<QString, QString, bool>({"typed", "stored", "byEnter"});
        dataRow("colons", "Checks for Understanding::", "Checks for Understanding", false);
        dataRow("Enter", "Checks:", "Checks", true);
        dataRow("only colons", ":::", "Assessment", false);
        dataRow("blanks", "   ", "Assessment", false);
        dataRow("nothing", "", "Assessment", false);
        dataRow("quotes", "\"Show what you know\"", "''Show what you know''", false);
    }

    void assessmentHeading()
    {
        const auto [typed, stored, byEnter] =
            fetchRow<QString, QString, bool>({"typed", "stored", "byEnter"});
        frmSetUpAssess d(h->ctx);
        h->open<frmSetUpAssess>(d, [&](frmSetUpAssess &dlg) {
            QCOMPARE(dlg.lblHeading->text(), QStringLiteral("Assessment"));
            QCOMPARE(ui::backColor(dlg.txtNewHeading), ui::buttonFace());
            DialogHarness::click(dlg.cmdChange);
            QCOMPARE(ui::backColor(dlg.txtNewHeading), ui::white());
            QCOMPARE(dlg.focusWidget(), dlg.txtNewHeading);
            QTest::keyClicks(dlg.txtNewHeading, typed);
            if (byEnter)
                QTest::keyClick(dlg.txtNewHeading, Qt::Key_Return);
            else
                DialogHarness::click(dlg.cmdDone);
            QVERIFY(dlg.isHidden());
        });
        QCOMPARE(h->m.strAssessHeading, stored);
        h->open<frmSetUpAssess>(d, [&](frmSetUpAssess &dlg) {
            QCOMPARE(dlg.lblHeading->text(), stored);
            QCOMPARE(dlg.txtNewHeading->text(), QString());
            dlg.hide();
        });
    }

    void showBoxEnablesTheList_data()
    {
        QTest::addColumn<bool>("shownBefore");
        dataRow("hide assessments", true);
        dataRow("show assessments", false);
    }

    void showBoxEnablesTheList()
    {
        QFETCH(bool, shownBefore);
        h->m.blnShowAssessment = shownBefore;
        frmSetUpAssess d(h->ctx);
        const auto follows = [](frmSetUpAssess &dlg, bool on) {
            QCOMPARE(dlg.chkShowAssessment->isChecked(), on);
            QCOMPARE(dlg.fraAssessment->isVisible(), on);
            QCOMPARE(dlg.txtPunct->isEnabled(), on);
            for (int i = 0; i < 15; ++i) {
                QCOMPARE(dlg.txtActivity[i]->isEnabled(), on);
                QCOMPARE(dlg.Label1[i]->isEnabled(), on);
            }
        };
        h->open<frmSetUpAssess>(d, [&](frmSetUpAssess &dlg) {
            follows(dlg, shownBefore);
            DialogHarness::click(dlg.chkShowAssessment);
            follows(dlg, !shownBefore);
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.blnShowAssessment, !shownBefore);
        h->open<frmSetUpAssess>(d, [&](frmSetUpAssess &dlg) {
            follows(dlg, !shownBefore);
            dlg.hide();
        });
    }
};

QTEST_MAIN(TestActivityLists)
#include "tst_activitylists.moc"
