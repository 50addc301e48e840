// The file type dialog: the saved type, the explanations, the choice, Done and Cancel.
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

    void savedTypeAndChoice_data()
    {
        dataColumns<QString, int, QString, QString, QString, QString>(
            {"ext", "selected", "explanation", "control", "chosen", "typeName"});
        dataRow("rtf", "rtf", 0, "Files stored as rtf (rich text files) are", "optType(1)", "doc",
                "''Word'' Document");
        dataRow("doc", "doc", 1, "Files stored as doc (Word document files) are", "optType(2)",
                "wps", "''Works'' Word Processor Document");
        dataRow("wps", "wps", 2, "Files stored as wps  (''Works'' document files)", "optType(3)",
                "wpd", "WordPerfect Document");
        dataRow("wpd", "wpd", 3, "Files stored as wpd  (WordPerfect document files)", "optType(0)",
                "rtf", "Rich Text");
        dataRow("capitals, the DOCX label", "DOC", -1, "", "lblDocX", "doc", "''Word'' Document");
        // Done without a choice keeps the saved type (and the name the first showing gave).
        dataRow("docx, no choice", "docx", -1, "", "", "docx", "WordPerfect Document");
    }

    void savedTypeAndChoice()
    {
        const auto [ext, selected, explanation, control, chosen, typeName] =
            fetchRow<QString, int, QString, QString, QString, QString>(
                {"ext", "selected", "explanation", "control", "chosen", "typeName"});
        // A type that matches nothing also clears what an earlier showing selected.
        h->m.strFileExt = QStringLiteral("wpd");
        open([](frmTypes &d) { d.cmdDone->click(); });
        h->m.strFileExt = ext;
        open([&](frmTypes &d) {
            QCOMPARE(checkedType(d), selected);
            QVERIFY2(d.rtfTypes->Text().startsWith(explanation), qPrintable(d.rtfTypes->Text()));
            QCOMPARE(d.rtfTypes->Text().isEmpty(), explanation.isEmpty());
            QCOMPARE(d.rtfTypes->SelStart(), 0);
            if (auto *clicked = d.findChild<QWidget *>(control)) {
                QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(8, clicked->height() / 2));
                QCOMPARE(d.strExtEdit, chosen);
            }
            d.cmdDone->click();
        });
        QCOMPARE(h->m.strFileExt, chosen);
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

    void doneOrCancel_data() { DialogHarness::closeRows(); }

    void doneOrCancel()
    {
        QFETCH(Close, how);
        h->useStore(how == Close::DoneStoreFails);
        dlg = std::make_unique<frmTypes>(h->ctx);
        open([&](frmTypes &d) {
            d.optType.at(0)->click();
            h->close(d, d.cmdDone, d.cmdCancel, how);
        });
        const bool kept = how == Close::Done;
        QCOMPARE(h->m.strFileExt, kept ? QStringLiteral("rtf") : QStringLiteral("doc"));
        QCOMPARE(h->m.strFileTypeName,
                 kept ? QStringLiteral("Rich Text") : QStringLiteral("Word Document"));
        if (kept)
            QCOMPARE(h->stored(), h->m.record());
    }
};

QTEST_MAIN(TestFrmTypes)
#include "tst_frmtypes.moc"
