// The earlier-plans viewer: the list of plans, browsing for others, viewing one read-only,
// copying a passage with its formatting, and printing it.
#include "document/frmsearch.h"
#include "document/viewer.h"
#include "documentkit.h"
#include "support/datarows.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

using Answer = Platform::Answer;

class TestViewer : public DocumentTest
{
    Q_OBJECT

    // The teacher picks a list entry.
    void pick(int index)
    {
        w->cboOldPlans->setCurrentIndex(index);
        Q_EMIT w->cboOldPlans->activated(index);
    }

    void pickBrowse() { pick(w->cboOldPlans->count() - 1); }

    QString earlierPlan(const char *name, const QString &bold = QStringLiteral("Old plan"))
    {
        return earlierPlan(QString::fromUtf8(name), bold);
    }

    QString earlierPlan(const QString &name, const QString &bold = QStringLiteral("Old plan"))
    {
        const QString path = dir->filePath(QStringLiteral("earlier/") + name);
        const QString error = writePlan(path, bold);
        if (!error.isEmpty())
            qWarning("%s", qPrintable(error));
        return path;
    }

    // A plan of another folder joins the library; the list is filled again once the index
    // has caught up with that folder.
    void addEarlier(const QString &path)
    {
        w->library->addPlan(path);
        QTRY_VERIFY(!w->library->isIndexing());
    }

    static QString filter()
    {
        return QStringLiteral("Lesson Plan Documents|LPlans--*.*|All Files (*.*)|*.*");
    }

private Q_SLOTS:
    void init() { open(); }
    void cleanup() { finish(); }

    // A file browsed to must join the library with the other plans of its folder and stay
    // there after a restart; a cancelled browse changes nothing; View Previous on the browse
    // entry must open the file dialog instead of doing nothing.
    void browsingAddsItsFolderToTheLibrary()
    {
        QTRY_VERIFY(!w->library->isIndexing());
        platform->answerOpenFile(QString());
        w->cmdPrev->click();
        QCOMPARE(platform->lastPrompt().title, QStringLiteral("Select a File to Open"));
        QCOMPARE(listed(), QStringList{PlanFiles::browseEntry()});

        const QString week =
            earlierPlan("LPlans-- A. Teacher  Math 7  Period 2  Week of Dec 7 2026.doc");
        earlierPlan("LPlans-- A. Teacher  Math 7  Period 2  Week of Nov 30 2026.doc");
        earlierPlan("LPlans-- A. Teacher  Science 7  Unit Plan 'Cells'.doc");
        earlierPlan("notes.rtf");
        platform->answerOpenFile(QStringLiteral("  ") + week + QStringLiteral(" "));
        pickBrowse();
        const auto &asked = platform->lastPrompt();
        QCOMPARE(asked.text, filter() + QStringLiteral(" in ") + w->strOpenDialogFolder);
        QCOMPARE(w->strOpenDialogFolder, m->strStorageFolder);
        QCOMPARE(w->strPlanPaths.value(w->cboOldPlans->currentIndex()), week);
        QVERIFY(w->cmdPrev->isEnabled());
        // By course, newest week first, files that are no plans last; the name as tooltip.
        const QStringList titles{"Math 7 \u00b7 Period 2 \u00b7 Week of Dec 7 2026",
                                 "Math 7 \u00b7 Period 2 \u00b7 Week of Nov 30 2026",
                                 "Science 7 \u00b7 Unit Plan 'Cells'", "notes.rtf",
                                 PlanFiles::browseEntry()};
        QTRY_COMPARE(planfixture::itemTexts(w->cboOldPlans), titles);
        QCOMPARE(w->cboOldPlans->currentIndex(), 0);
        QCOMPARE(w->cboOldPlans->itemData(0, Qt::ToolTipRole).toString(),
                 QDir::toNativeSeparators(week));

        // The next run lists the folder again.
        w.reset();
        makeWindow();
        w->showMain();
        QTRY_COMPARE(planfixture::itemTexts(w->cboOldPlans), titles);
    }

    // A search must find plans whatever the case and accents typed, show a line of context,
    // open the plan with every match marked, and F3 and Shift+F3 must step through them.
    void searchOpensThePlanAtItsMatches()
    {
        QVERIFY(QDir().mkpath(folder()));
        const auto plan = [&](const char *name, const char *text) {
            QFile f(pathInFolder(folder(), QString::fromUtf8(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("{\\rtf1\\ansi\\ansicpg1252 ") + text + "\\par}");
        };
        plan("LPlans-- A. Teacher  Math 7  Week of Dec 7 2026.doc",
             "Fractions\\par The Caf\\'e9 recipe\\par A caf\\'e9 again, CAFE three");
        plan("LPlans-- A. Teacher  Math 7  Week of Nov 30 2026.doc", "Nothing of the kind");
        plan("LPlans-- A. Teacher  Science 7  Week of Dec 7 2026.doc", "Cafeteria visit");
        QTest::keySequence(w.get(), QKeySequence::Find);
        frmSearch *search = w->library->searchWindow();
        QVERIFY(search && search->isVisible());
        QTRY_VERIFY(!w->library->isIndexing());
        QTest::keyClicks(search->txtSearch, QStringLiteral("CAF\u00c9"));
        QTRY_COMPARE(planfixture::itemTexts(search->lstHits),
                     QStringList({"Math 7 \u00b7 Week of Dec 7 2026\nThe Caf\u00e9 recipe",
                                  "Science 7 \u00b7 Week of Dec 7 2026\nCafeteria visit"}));

        QTest::keyClick(search->txtSearch, Qt::Key_Return);
        QVERIFY(w->viewer->isViewing());
        QCOMPARE(w->viewer->matchCount(), 3);
        QCOMPARE(w->rtfPrevious->extraSelections().size(), 3);
        QCOMPARE(w->rtfPrevious->textCursor().position(), 14); // "Fractions\nThe |Café"
        QTest::keyClick(search, Qt::Key_F3);
        QCOMPARE(w->viewer->currentMatch(), 1);
        QTest::keyClick(search, Qt::Key_F3, Qt::ShiftModifier);
        QTest::keyClick(search, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(w->viewer->currentMatch(), 2);
        QCOMPARE(w->rtfPrevious->textCursor().position(), 40); // "A café again, |CAFE three"
    }

    void viewPreviousShowsAndHidesThePlan()
    {
        addEarlier(earlierPlan(QStringLiteral("a.doc"), QStringLiteral("First")));
        addEarlier(earlierPlan(QStringLiteral("b.doc"), QStringLiteral("Second")));
        QVERIFY(w->fraPrevious->isHidden());
        pick(1);
        QVERIFY(w->cmdPrev->isEnabled());
        w->cmdPrev->click();
        QVERIFY(!w->fraPrevious->isHidden());
        QCOMPARE(dumpDocument(*w->rtfPrevious), QStringLiteral("[B]Second[/B] and plain"));
        QVERIFY(w->rtfPrevious->isReadOnly());
        QCOMPARE(w->cmdPrev->text(), PlanViewer::closeCaption());

        // The button closes the viewer again.
        w->cmdPrev->click();
        QVERIFY(w->fraPrevious->isHidden());
        QCOMPARE(w->cmdPrev->text(), QStringLiteral("&<<< View Previous"));

        // Going back to the list closes it too.
        w->cmdPrev->click();
        QVERIFY(!w->fraPrevious->isHidden());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        moveFocus(w->cboOldPlans);
        QVERIFY(w->fraPrevious->isHidden());
        QCOMPARE(w->cmdPrev->text(), QStringLiteral("&<<< View Previous"));
        QCOMPARE(w->helpContextId(), 10038);

        // And so does coming back from the settings.
        w->cmdPrev->click();
        QVERIFY(!w->fraPrevious->isHidden());
        w->cmdSettings_Click();
        QVERIFY(w->fraPrevious->isHidden());
        QCOMPARE(w->cmdPrev->text(), QStringLiteral("&<<< View Previous"));
    }

    void documentsThatAreNoPlans_data()
    {
        QTest::addColumn<bool>("huge");
        dataRow("plain text is warned about and shown", false);
        dataRow("too large is refused", true);
    }

    void documentsThatAreNoPlans()
    {
        QFETCH(bool, huge);
        const QString path = dir->filePath(QStringLiteral("notes.txt"));
        QVERIFY(writeNoPlan(path, huge));
        platform->answerOpenFile(path);
        pickBrowse();
        platform->answerMessage(
            Answer::OK,
            QStringLiteral("The file \r\n\"") + QDir::toNativeSeparators(path) +
                QStringLiteral("\"\r\nis not a Lesson Plan Document file or has been edited by "
                               "another Word Processing program.\r\n\r\nIt may not display or "
                               "print properly from the Quillmark's internal viewer."),
            QStringLiteral("File Reading"));
        if (huge)
            platform->answerMessage(Answer::OK, QString(), QStringLiteral("File Reading"));
        w->cmdPrev->click();
        if (huge) {
            QVERIFY2(platform->lastPrompt().text.contains(QStringLiteral("too large")),
                     qPrintable(platform->lastPrompt().text));
            QVERIFY(w->fraPrevious->isHidden());
            QCOMPARE(w->cmdPrev->text(), QStringLiteral("&<<< View Previous"));
        } else {
            QVERIFY(!w->fraPrevious->isHidden());
            QCOMPARE(w->rtfPrevious->Text(), QStringLiteral("Monday: fractions"));
        }
    }

    void vanishedFileIsReported()
    {
        const QString path = earlierPlan(QStringLiteral("gone.doc"));
        addEarlier(path);
        QVERIFY(QFile::remove(path));
        pick(0);
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("File Reading"));
        w->cmdPrev->click();
        QVERIFY(platform->lastPrompt().text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(w->fraPrevious->isHidden());
    }

    // A passage copied from an earlier plan with Ctrl+C went past the copy buffer and was
    // pasted without its formatting.
    void copyingKeepsTheFormatting_data()
    {
        dataColumns<int, int, QString, QString, bool>({"start", "length", "text", "dump", "key"});
        dataRow("bold and plain", 4, 8, "plan and", "[B]plan[/B] and", false);
        dataRow("plain only", 13, 5, "plain", "plain", false);
        dataRow("bold and plain, ctrl+c", 4, 8, "plan and", "[B]plan[/B] and", true);
    }

    void copyingKeepsTheFormatting()
    {
        const auto [start, length, text, dump, key] =
            fetchRow<int, int, QString, QString, bool>({"start", "length", "text", "dump", "key"});
        addEarlier(earlierPlan(QStringLiteral("a.doc")));
        pick(0);
        w->cmdPrev->click();
        w->rtfPrevious->setSelStart(start);
        w->rtfPrevious->setSelLength(length);

        // The right mouse button offers the copy menu.
        Q_EMIT w->rtfPrevious->customContextMenuRequested(QPoint(5, 5));
        QTRY_VERIFY(w->mnuCopyHeading->isVisible());
        QVERIFY(w->mnuCopyOnly->isEnabled());
        w->mnuCopyHeading->hide();

        if (key)
            QTest::keyClick(w->rtfPrevious, Qt::Key_C, Qt::ControlModifier);
        else
            w->mnuCopyOnly->trigger();
        QCOMPARE(m->strClipText, text);
        QCOMPARE(platform->clipboard, text);
        QCOMPARE(platform->clipboardRtf, m->strClipRTF);
        QVERIFY(m->strClipRTF.startsWith(QLatin1String("{\\rtf")));
        RichTextBox pasted;
        pasted.setTextRTF(m->strClipRTF);
        QCOMPARE(dumpDocument(pasted), dump);
    }

    void printThisFilePrintsTheViewedPlan()
    {
        beginPlan();
        addEarlier(earlierPlan(QStringLiteral("a.doc")));
        pick(0);
        w->cmdPrev->click();
        const QString pdf = dir->filePath(QStringLiteral("earlier.pdf"));
        answerPrintToPdf(pdf);
        w->cmdPrintThis->click();
        QVERIFY(isPdf(pdf));
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));
        QVERIFY(w->fraPrevious->isHidden());
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
