// The special note dialog: which characters enclose the note, whether the note is offered at
// all (the main window's Special Note button follows), and that a Done without a choice keeps
// the enclosure the settings hold.
#include "app/frmmain.h"
#include "dialogharness.h"
#include "screens/frmnote.h"
#include "settings/settingsstore.h"
#include "support/datarows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

class TestFrmNote : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;

    QString checkedOption(frmNote &dlg)
    {
        QStringList checked;
        for (QRadioButton *b : {dlg.optBrackets, dlg.optParentheses, dlg.optOther})
            if (b->isChecked())
                checked << b->objectName();
        return checked.join(QLatin1Char(','));
    }

private Q_SLOTS:
    void init() { h = std::make_unique<DialogHarness>(); }
    void cleanup()
    {
        h->platform.verifyAllAnswered();
        h.reset();
    }

    void openingShowsTheEnclosureAndDoneKeepsIt_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        QTest::addColumn<QString>("option");
        const auto row = [](const char *tag, const QString &open, const QString &close,
                            const QString &option) { dataRow(tag, open, close, option); };
        row("factory pair", "[", "]", "optBrackets");
        row("brackets", "[ ", " ]", "optBrackets");
        row("parentheses", "( ", " )", "optParentheses");
        row("tight parentheses", "(", ")", "optParentheses");
        row("none", "", "", "optOther");
        row("another pair", "<<", ">>", "");
    }

    void openingShowsTheEnclosureAndDoneKeepsIt()
    {
        QFETCH(QString, open);
        QFETCH(QString, close);
        QFETCH(QString, option);
        h->m.strNoteOpen = open;
        h->m.strNoteClose = close;
        frmNote d(h->ctx);
        // Twice: the second showing must not keep the first one's selection.
        for (int showing = 0; showing < 2; ++showing) {
            h->open<frmNote>(d, [&](frmNote &dlg) {
                QCOMPARE(checkedOption(dlg), option);
                DialogHarness::click(dlg.cmdDone);
            });
            QCOMPARE(h->m.strNoteOpen, open);
            QCOMPARE(h->m.strNoteClose, close);
        }
    }

    void choosingAnOptionSetsThePair_data()
    {
        QTest::addColumn<QString>("startOpen");
        QTest::addColumn<QString>("startClose");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        const auto row = [](const char *tag, const QString &startOpen, const QString &startClose,
                            const QString &option, const QString &open, const QString &close) {
            dataRow(tag, startOpen, startClose, option, open, close);
        };
        row("to parentheses", "[", "]", "optParentheses", "( ", " )");
        row("to none", "[", "]", "optOther", "", "");
        row("to brackets", "", "", "optBrackets", "[ ", " ]");
        row("from another pair", "<<", ">>", "optParentheses", "( ", " )");
    }

    void choosingAnOptionSetsThePair()
    {
        QFETCH(QString, startOpen);
        QFETCH(QString, startClose);
        QFETCH(QString, option);
        QFETCH(QString, open);
        QFETCH(QString, close);
        h->m.strNoteOpen = startOpen;
        h->m.strNoteClose = startClose;
        frmNote d(h->ctx);
        h->open<frmNote>(d, [&](frmNote &dlg) {
            DialogHarness::click(dlg.findChild<QRadioButton *>(option));
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strNoteOpen, open);
        QCOMPARE(h->m.strNoteClose, close);
    }

    void mainWindowButtonFollowsTheShowBox_data()
    {
        QTest::addColumn<bool>("shownBefore");
        dataRow("hide the note", true);
        dataRow("show the note", false);
    }

    void mainWindowButtonFollowsTheShowBox()
    {
        QFETCH(bool, shownBefore);
        frmMain main(h->m, h->platform);
        h->ctx.main = &main;
        h->m.blnShowNote = shownBefore;
        main.cmdNote->setVisible(shownBefore);
        frmNote d(h->ctx);
        h->open<frmNote>(d, [&](frmNote &dlg) {
            QCOMPARE(dlg.chkNote->isChecked(), shownBefore);
            QCOMPARE(dlg.NoteFrame->isVisible(), shownBefore);
            DialogHarness::click(dlg.chkNote);
            QCOMPARE(dlg.NoteFrame->isVisible(), !shownBefore);
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.blnShowNote, !shownBefore);
        QCOMPARE(main.cmdNote->isHidden(), shownBefore);
        QCOMPARE(h->m.strNoteOpen, QStringLiteral("["));
    }

    void doneWritesTheEnclosure()
    {
        h->useStore();
        frmNote d(h->ctx);
        h->open<frmNote>(d, [&](frmNote &dlg) {
            DialogHarness::click(dlg.optOther);
            DialogHarness::click(dlg.cmdDone);
        });
        const SettingsRecord readBack = h->stored();
        QCOMPARE(readBack.strNoteOpen, QString());
        QCOMPARE(readBack.strNoteClose, QString());
        QVERIFY(readBack.blnShowNote);
    }

    void cancelKeepsTheEnclosure()
    {
        frmNote d(h->ctx);
        h->open<frmNote>(d, [&](frmNote &dlg) {
            DialogHarness::click(dlg.optParentheses);
            h->platform.answerMessage(Platform::Answer::Yes,
                                      QStringLiteral("Quit without saving changes?"),
                                      QStringLiteral("Abandon Changes?"));
            DialogHarness::click(dlg.cmdCancel);
            QVERIFY(dlg.isHidden());
        });
        QCOMPARE(h->m.strNoteOpen, QStringLiteral("["));
        // The next showing starts again from the settings.
        h->open<frmNote>(d, [&](frmNote &dlg) {
            QCOMPARE(checkedOption(dlg), QStringLiteral("optBrackets"));
            DialogHarness::click(dlg.cmdDone);
        });
        QCOMPARE(h->m.strNoteOpen, QStringLiteral("["));
        QCOMPARE(h->m.strNoteClose, QStringLiteral("]"));
    }
};

QTEST_MAIN(TestFrmNote)
#include "tst_frmnote.moc"
