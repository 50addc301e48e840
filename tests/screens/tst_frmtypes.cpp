// The file type dialog: the option of the saved type, the explanation shown for each type, what
// Done stores, the " / DOCX" label, Cancel and storing.
#include "dialogharness.h"
#include "platform/richtextbox.h"
#include "screens/frmtypes.h"
#include "support/docdump.h"

class TestFrmTypes : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;
    std::unique_ptr<frmTypes> dlg;

    void open(const std::function<void(frmTypes &)> &action) { h->open<frmTypes>(*dlg, action); }

    static int checkedType(const frmTypes &d)
    {
        for (int i = 0; i < d.optType.size(); ++i)
            if (d.optType.at(i)->isChecked())
                return i;
        return -1;
    }

private Q_SLOTS:
    void init()
    {
        h = std::make_unique<DialogHarness>();
        dlg = std::make_unique<frmTypes>(h->ctx);
    }

    void cleanup()
    {
        h->platform.verifyAllAnswered();
        dlg.reset();
        h.reset();
    }

    void savedTypeIsSelected_data()
    {
        dataColumns<QString, int, QString>({"ext", "selected", "explanation"});
        dataRow("rtf", "rtf", 0, "Files stored as rtf (rich text files) are");
        dataRow("doc", "doc", 1, "Files stored as doc (Word document files) are");
        dataRow("wps", "wps", 2, "Files stored as wps  (''Works'' document files)");
        dataRow("wpd", "wpd", 3, "Files stored as wpd  (WordPerfect document files)");
        dataRow("capitals", "DOC", -1, "");
        dataRow("docx", "docx", -1, "");
    }

    void savedTypeIsSelected()
    {
        QFETCH(QString, ext);
        QFETCH(int, selected);
        QFETCH(QString, explanation);
        // A type that matches nothing also clears what an earlier showing selected.
        h->m.strFileExt = QStringLiteral("wpd");
        open([](frmTypes &d) { d.cmdDone->click(); });
        h->m.strFileExt = ext;
        open([&](frmTypes &d) {
            QCOMPARE(checkedType(d), selected);
            QVERIFY2(d.rtfTypes->Text().startsWith(explanation), qPrintable(d.rtfTypes->Text()));
            QCOMPARE(d.rtfTypes->Text().isEmpty(), explanation.isEmpty());
            QCOMPARE(d.rtfTypes->SelStart(), 0);
            d.cmdDone->click();
        });
        // Done without a choice keeps the saved type.
        QCOMPARE(h->m.strFileExt, ext);
    }

    void choiceIsStored_data()
    {
        dataColumns<QString, QString, QString>({"control", "ext", "typeName"});
        dataRow("RTF", "optType(0)", "rtf", "Rich Text");
        dataRow("DOC", "optType(1)", "doc", "''Word'' Document");
        dataRow("WPS", "optType(2)", "wps", "''Works'' Word Processor Document");
        dataRow("WPD", "optType(3)", "wpd", "WordPerfect Document");
        dataRow("the DOCX label", "lblDocX", "doc", "''Word'' Document");
    }

    void choiceIsStored()
    {
        QFETCH(QString, control);
        QFETCH(QString, ext);
        QFETCH(QString, typeName);
        h->m.strFileExt = QStringLiteral("rtf");
        open([&](frmTypes &d) {
            auto *clicked = d.findChild<QWidget *>(control);
            QVERIFY(clicked);
            QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(8, clicked->height() / 2));
            QCOMPARE(d.strExtEdit, ext);
            d.cmdDone->click();
            QVERIFY(d.isHidden());
        });
        QCOMPARE(h->m.strFileExt, ext);
        QCOMPARE(h->m.strFileTypeName, typeName);
    }

    void explanationIsFormattedAndNotEdited()
    {
        open([](frmTypes &d) {
            QVERIFY(d.rtfTypes->isReadOnly());
            const QString doc = dumpDocument(*d.rtfTypes);
            QVERIFY2(doc.startsWith(QStringLiteral("Files stored as [B]doc[/B] (Word document "
                                                   "files) are [B]Word-compatible[/B].")),
                     qPrintable(doc));
            QVERIFY(doc.contains(QStringLiteral("[B][I]Microsoft Word[/I][/B] \u00ae.")));
            QCOMPARE(d.rtfTypes->SelFontName(), QStringLiteral("Arial"));
            QCOMPARE(d.rtfTypes->SelFontSize(), 10);
            QTest::mouseClick(d.rtfTypes->viewport(), Qt::LeftButton);
            QCOMPARE(d.focusWidget(), d.cmdDone);
        });
    }

    void cancelAsks_data()
    {
        dataColumns<Answer, bool>({"answer", "escape"});
        dataRow("yes", Answer::Yes, false);
        dataRow("no", Answer::No, false);
        dataRow("Esc, yes", Answer::Yes, true);
    }

    void cancelAsks()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, escape);
        open([&](frmTypes &d) {
            h->answerAbandon(answer);
            d.optType.at(2)->click();
            DialogHarness::cancel(d, d.cmdCancel, escape);
            QCOMPARE(d.isHidden(), answer == Answer::Yes);
        });
        QCOMPARE(h->platform.lastPrompt().icon, Platform::Icon::Question);
        QCOMPARE(h->m.strFileExt, QStringLiteral("doc"));
        QCOMPARE(h->m.strFileTypeName, QStringLiteral("Word Document"));
    }

    void doneStoresTheSettings_data()
    {
        QTest::addColumn<bool>("blocked");
        dataRow("stored", false);
        dataRow("store fails", true);
    }

    void doneStoresTheSettings()
    {
        QFETCH(bool, blocked);
        h->useStore(blocked);
        dlg = std::make_unique<frmTypes>(h->ctx);
        open([&](frmTypes &d) {
            if (blocked)
                h->answerNotSaved();
            d.optType.at(0)->click();
            d.cmdDone->click();
            // A failed store leaves the dialog open and the settings as they were.
            QCOMPARE(d.isVisible(), blocked);
        });
        QCOMPARE(h->m.strFileExt, blocked ? QStringLiteral("doc") : QStringLiteral("rtf"));
        if (!blocked)
            QCOMPARE(h->stored().strFileTypeName, QStringLiteral("Rich Text"));
    }
};

QTEST_MAIN(TestFrmTypes)
#include "tst_frmtypes.moc"
