// The activity and assessment list dialogs: fifteen entries and their punctuation stored with
// quotes made apostrophes (entry 15 never touched), Enter moving from box to box, the
// time-on-task choices, the assessment heading and show box, Cancel, and the written settings.
#include "dialogharness.h"
#include "platform/ui.h"
#include "settings/frmsetupassess.h"
#include "settings/frmsetuptasks.h"
#include "settings/settingsstore.h"
#include "support/datarows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

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

    static void addDialogColumn() { QTest::addColumn<QString>("dialog"); }

private Q_SLOTS:
    void init() { h = std::make_unique<DialogHarness>(); }
    void cleanup()
    {
        h->platform.verifyAllAnswered();
        h.reset();
    }

    void entriesAreStoredWithoutDoubleQuotes_data()
    {
        addDialogColumn();
        QTest::addColumn<int>("box"); // -1: the punctuation field
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
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
            row("no punctuation", -1, "", "");
        }
    }

    void entriesAreStoredWithoutDoubleQuotes()
    {
        QFETCH(QString, dialog);
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
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

    void entrySixteenIsNeverTouched_data()
    {
        addDialogColumn();
        for (const QString &dialog : listDialogs)
            QTest::newRow(qPrintable(dialog)) << dialog;
    }

    void entrySixteenIsNeverTouched()
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
        QVERIFY(!d->findChild<QLineEdit *>(QStringLiteral("txtActivity(15)")));
        const QStringList list = h->m.*listOf(dialog);
        QCOMPARE(list.size(), 16);
        QCOMPARE(list[14], QStringLiteral("Item 14"));
        QCOMPARE(list[15], QStringLiteral("Kept aside"));
    }

    void enterMovesToTheNextBox_data()
    {
        addDialogColumn();
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("next");
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
        QFETCH(QString, dialog);
        QFETCH(int, box);
        QFETCH(QString, next);
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
        addDialogColumn();
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("selected");
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
        QFETCH(QString, dialog);
        QFETCH(QString, field);
        QFETCH(QString, selected);
        h->m.blnShowTime = true;
        auto d = makeList(dialog, h->ctx);
        h->open<ActivityListDialog>(*d, [&](ActivityListDialog &dlg) {
            auto *box = dlg.findChild<QLineEdit *>(field);
            QVERIFY(box);
            box->setText(QStringLiteral("Something long"));
            box->setCursorPosition(4);
            box->deselect();
            DialogHarness::moveFocusTo(box);
            QCOMPARE(box->selectedText(), selected);
            dlg.hide();
        });
    }

    void cancelAsksBeforeForgetting_data()
    {
        addDialogColumn();
        QTest::addColumn<bool>("yes");
        for (const QString &dialog : listDialogs) {
            dataRow(qPrintable(dialog + QStringLiteral(": yes")), dialog, true);
            dataRow(qPrintable(dialog + QStringLiteral(": no")), dialog, false);
        }
    }

    void cancelAsksBeforeForgetting()
    {
        QFETCH(QString, dialog);
        QFETCH(bool, yes);
        auto d = makeList(dialog, h->ctx);
        h->open<ActivityListDialog>(*d, [&](ActivityListDialog &dlg) {
            DialogHarness::typeInto(dlg.txtActivity[0], QStringLiteral("Changed"));
            h->platform.answerMessage(yes ? Platform::Answer::Yes : Platform::Answer::No,
                                      QStringLiteral("Quit without saving changes?"),
                                      QStringLiteral("Abandon Changes?"));
            DialogHarness::click(dlg.cmdCancel);
            QCOMPARE(dlg.isVisible(), !yes);
            dlg.hide();
        });
        QCOMPARE(h->platform.lastPrompt().buttons, Platform::Buttons::YesNo);
        QCOMPARE(h->platform.lastPrompt().icon, Platform::Icon::Question);
        QVERIFY(h->m.record() == SettingsRecord());
    }

    void everyShowingReadsTheSettings_data()
    {
        addDialogColumn();
        for (const QString &dialog : listDialogs)
            QTest::newRow(qPrintable(dialog)) << dialog;
    }

    // Settings imported (or otherwise changed) between two showings are what the dialog shows,
    // and a Done then cannot put the old list back.
    void everyShowingReadsTheSettings()
    {
        QFETCH(QString, dialog);
        auto d = makeList(dialog, h->ctx);
        h->open<ActivityListDialog>(
            *d, [](ActivityListDialog &dlg) { DialogHarness::click(dlg.cmdDone); });
        (h->m.*listOf(dialog))[1] = QStringLiteral("Imported entry");
        h->m.*punctOf(dialog) = QStringLiteral(";");
        h->open<ActivityListDialog>(*d, [&](ActivityListDialog &dlg) {
            QCOMPARE(dlg.txtActivity[1]->text(), QStringLiteral("Imported entry"));
            QCOMPARE(dlg.txtPunct->text(), QStringLiteral(";"));
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE((h->m.*listOf(dialog))[1], QStringLiteral("Imported entry"));
    }

    void doneWritesTheSettings_data()
    {
        addDialogColumn();
        for (const QString &dialog : listDialogs)
            QTest::newRow(qPrintable(dialog)) << dialog;
    }

    void doneWritesTheSettings()
    {
        QFETCH(QString, dialog);
        h->useStore();
        auto d = makeList(dialog, h->ctx);
        h->open<ActivityListDialog>(*d, [&](ActivityListDialog &dlg) {
            DialogHarness::typeInto(dlg.txtActivity[9], QStringLiteral("Jigsaw, round two"));
            DialogHarness::click(dlg.cmdDone);
        });
        const SettingsRecord readBack = h->stored();
        QCOMPARE((readBack.*listOf(dialog))[9], QStringLiteral("Jigsaw, round two"));
        QVERIFY(readBack == h->m.record());
    }

    // frmSetupTasks

    void timeUnitFallsBackToMin_data()
    {
        QTest::addColumn<bool>("timeOn");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<bool>("told");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char *tag, bool timeOn, const QString &unit, bool told,
                            const QString &stored) { dataRow(tag, timeOn, unit, told, stored); };
        row("blank, time on", true, "", true, "min");
        row("blanks, time on", true, "   ", true, "min");
        row("blank, time off", false, "", false, "min");
        row("given", true, "minutes", false, "minutes");
        row("given, time off", false, "hrs", false, "hrs");
        row("quoted", true, "\"m\"", false, "''m''");
    }

    void timeUnitFallsBackToMin()
    {
        QFETCH(bool, timeOn);
        QFETCH(QString, unit);
        QFETCH(bool, told);
        QFETCH(QString, stored);
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

    void templateShowsItsOption_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("option");
        dataRow("brackets", QStringLiteral("[X] "), QStringLiteral("optBrackets"));
        dataRow("parentheses", QStringLiteral("(X) "), QStringLiteral("optParentheses"));
        dataRow("none yet", QString(), QStringLiteral("optParentheses"));
    }

    void templateShowsItsOption()
    {
        QFETCH(QString, stored);
        QFETCH(QString, option);
        h->m.strTimeTemplate = stored;
        h->m.blnShowTime = !stored.isEmpty();
        frmSetupTasks d(h->ctx);
        h->open<frmSetupTasks>(d, [&](frmSetupTasks &dlg) {
            QVERIFY(dlg.findChild<QRadioButton *>(option)->isChecked());
            QCOMPARE(dlg.TimeFrame->isVisible(), !stored.isEmpty());
            if (stored.isEmpty())
                DialogHarness::click(dlg.chkTime);
            QVERIFY(dlg.TimeFrame->isVisible());
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strTimeTemplate, option == QLatin1String("optBrackets")
                                           ? QStringLiteral("[X] ")
                                           : QStringLiteral("(X) "));
        QVERIFY(h->m.blnShowTime);
    }

    void uncheckingTimeEmptiesTheTemplateUntilCheckedAgain()
    {
        h->m.blnShowTime = true;
        h->m.strTimeTemplate = QStringLiteral("(X) ");
        frmSetupTasks d(h->ctx);
        h->open<frmSetupTasks>(d, [](frmSetupTasks &dlg) {
            DialogHarness::click(dlg.optBrackets);
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strTimeTemplate, QStringLiteral("[X] "));
        h->open<frmSetupTasks>(d, [](frmSetupTasks &dlg) {
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
        QVERIFY(h->m.blnShowTime);
    }

    // frmSetUpAssess

    void assessmentHeading_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char *tag, const QString &typed, const QString &stored) {
            dataRow(tag, typed, stored);
        };
        row("colons", "Checks for Understanding::", "Checks for Understanding");
        row("only colons", ":::", "Assessment");
        row("blanks", "   ", "Assessment");
        row("nothing", "", "Assessment");
        row("quotes", "\"Show what you know\"", "''Show what you know''");
    }

    void assessmentHeading()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        frmSetUpAssess d(h->ctx);
        h->open<frmSetUpAssess>(d, [&](frmSetUpAssess &dlg) {
            QCOMPARE(dlg.lblHeading->text(), QStringLiteral("Assessment"));
            QCOMPARE(ui::backColor(dlg.txtNewHeading), ui::buttonFace());
            DialogHarness::click(dlg.cmdChange);
            QCOMPARE(ui::backColor(dlg.txtNewHeading), ui::white());
            QCOMPARE(dlg.focusWidget(), dlg.txtNewHeading);
            QTest::keyClicks(dlg.txtNewHeading, typed);
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strAssessHeading, stored);
        h->open<frmSetUpAssess>(d, [&](frmSetUpAssess &dlg) {
            QCOMPARE(dlg.lblHeading->text(), stored);
            QCOMPARE(dlg.txtNewHeading->text(), QString());
            dlg.hide();
        });
    }

    void enterInTheNewHeadingIsDone()
    {
        frmSetUpAssess d(h->ctx);
        h->open<frmSetUpAssess>(d, [](frmSetUpAssess &dlg) {
            DialogHarness::click(dlg.cmdChange);
            QTest::keyClicks(dlg.txtNewHeading, QStringLiteral("Checks:"));
            QTest::keyClick(dlg.txtNewHeading, Qt::Key_Return);
            QVERIFY(dlg.isHidden());
        });
        QCOMPARE(h->m.strAssessHeading, QStringLiteral("Checks"));
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
        QCOMPARE(h->m.strAssessHeading, QStringLiteral("Assessment"));
        h->open<frmSetUpAssess>(d, [&](frmSetUpAssess &dlg) {
            follows(dlg, !shownBefore);
            dlg.hide();
        });
    }
};

QTEST_MAIN(TestActivityLists)
#include "tst_activitylists.moc"
