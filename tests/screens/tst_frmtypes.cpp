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
        const auto [ext, selected, explanation] =
            fetchRow<QString, int, QString>({"ext", "selected", "explanation"});
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
        const auto [control, ext, typeName] =
            fetchRow<QString, QString, QString>({"control", "ext", "typeName"});
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
