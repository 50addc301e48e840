// The earlier-plans viewer: the list of plans, browsing for others, viewing one read-only,
// copying a passage with its formatting, and printing it.
#include "document/viewer.h"
#include "documentkit.h"
#include "support/datarows.h"

#include <QAction>
#include <QGroupBox>
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

    QString earlierPlan(const QString &name, const QString &bold = QStringLiteral("Old plan"))
    {
        const QString path = dir->filePath(QStringLiteral("earlier/") + name);
        const QString error = writePlan(path, bold);
        if (!error.isEmpty())
            qWarning("%s", qPrintable(error));
        return path;
    }

    static QString filter()
    {
        return QStringLiteral("Lesson Plan Documents|LPlans--*.*|All Files (*.*)|*.*");
    }

private Q_SLOTS:
    void init() { open(); }
    void cleanup() { finish(); }

    void browsingAddsTheFileAboveTheBrowseEntry_data()
    {
        QTest::addColumn<int>("saved");
        dataRow("empty list", 0);
        dataRow("after a saved plan", 1);
    }

    void browsingAddsTheFileAboveTheBrowseEntry()
    {
        QFETCH(int, saved);
        QStringList expected;
        for (int i = 0; i < saved; ++i) {
            w->files->addPlanToList(earlierPlan(QStringLiteral("saved.doc")), true);
            expected << QStringLiteral("saved.doc");
        }
        // Browsing cancelled leaves the list as it was.
        const QStringList paths = w->strPlanPaths;
        platform->answerOpenFile(QString());
        pickBrowse();
        QCOMPARE(listed(), expected + QStringList{PlanFiles::browseEntry()});
        QCOMPARE(w->strPlanPaths, paths);
        QCOMPARE(w->cboOldPlans->currentIndex(), 0);
        QCOMPARE(w->cmdPrev->isEnabled(), saved > 0);

        const QString path = earlierPlan(QStringLiteral("LPlans-- Term 1.doc"));
        platform->answerOpenFile(QStringLiteral("  ") + path + QStringLiteral(" "));
        pickBrowse();
        const auto &asked = platform->lastPrompt();
        QCOMPARE(asked.title, QStringLiteral("Select a File to Open"));
        QCOMPARE(asked.text, filter() + QStringLiteral(" in ") + w->strOpenDialogFolder);
        QCOMPARE(w->strOpenDialogFolder, m->strStorageFolder);
        expected << QStringLiteral("LPlans-- Term 1.doc") << PlanFiles::browseEntry();
        QCOMPARE(listed(), expected);
        QCOMPARE(w->cboOldPlans->currentIndex(), saved);
        QCOMPARE(w->strPlanPaths.size(), saved + 1);
        QCOMPARE(w->strPlanPaths.at(saved), path);
        QVERIFY(w->cmdPrev->isEnabled());

        // The same document chosen again is listed again.
        platform->answerOpenFile(path);
        pickBrowse();
        QCOMPARE(w->cboOldPlans->count(), saved + 3);
        QCOMPARE(w->cboOldPlans->currentIndex(), saved + 1);
        QCOMPARE(w->strPlanPaths.size(), saved + 2);
    }

    void viewPreviousShowsAndHidesThePlan()
    {
        w->files->addPlanToList(earlierPlan(QStringLiteral("a.doc"), QStringLiteral("First")),
                                true);
        w->files->addPlanToList(earlierPlan(QStringLiteral("b.doc"), QStringLiteral("Second")),
                                true);
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
        w->files->addPlanToList(path, true);
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
        w->files->addPlanToList(earlierPlan(QStringLiteral("a.doc")), true);
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
        w->files->addPlanToList(earlierPlan(QStringLiteral("a.doc")), true);
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
