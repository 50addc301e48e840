// The plan library: its index follows the folders, finds words without case and accents, survives
// damage and two programs at once; the list, browsing, search, viewer, copy and print.
#include "document/frmsearch.h"
#include "document/viewer.h"
#include "documentkit.h"
#include "support/datarows.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <unistd.h>

namespace
{
// A plan of one paragraph as a word processor writes it.
bool writeRtf(const QString &path, const char *text)
{
    QFile f(path);
    const QByteArray rtf =
        QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 ") + text +
        "\\par}";
    return f.open(QIODevice::WriteOnly) && f.write(rtf) == rtf.size();
}
bool setModified(const QString &path, const QDateTime &when)
{
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.setFileTime(when, QFileDevice::FileModificationTime);
}
} // namespace

class TestLibrary : public DocumentTest
{
    Q_OBJECT

    QString plans() const { return dir->filePath(QStringLiteral("earlier")); }
    QString plan(const QString &name) const { return plans() + QLatin1Char('/') + name; }
    QString indexPath() const { return dir->filePath(QStringLiteral("index.sqlite")); }

    void pick(int index)
    {
        w->cboOldPlans->setCurrentIndex(index);
        Q_EMIT w->cboOldPlans->activated(index);
    }
    // A plan with a bold passage in another folder, which joins the library; the list is
    // filled again once the index has caught up with that folder.
    QString addEarlier(const QString &name)
    {
        const QString path = plan(name);
        if (writePlan(path, QStringLiteral("Old plan")).isEmpty())
            w->library->addPlan(path);
        return QTest::qWaitFor([&] { return !w->library->isIndexing(); }) ? path : QString();
    }

private Q_SLOTS:
    void init()
    {
        open();
        QVERIFY(QDir().mkpath(plans()));
        QVERIFY(writeRtf(plan("LPlans-- a.doc"), "Fractions with unlike denominators"));
    }
    void cleanup() { finish(); }

    // The index must follow the folder: a file it missed, kept stale or kept after deletion
    // gives wrong hits; an unreadable or huge file must be skipped and counted, not hang it.
    void followsTheFolder_data()
    {
        // Added, changed, removed, skipped, unchanged, folders missing; then listed and found.
        dataColumns<QString, QList<qsizetype>>({"word", "counts"});
        dataRow("unchanged", "fractions", QList<qsizetype>{0, 0, 0, 0, 1, 0, 1, 1});
        dataRow("new file", "photosynthesis", QList<qsizetype>{1, 0, 0, 0, 1, 0, 2, 1});
        dataRow("changed file", "fractions", QList<qsizetype>{0, 1, 0, 0, 0, 0, 1, 0});
        dataRow("changed, same size", "fractions", QList<qsizetype>{0, 1, 0, 0, 0, 0, 1, 0});
        dataRow("deleted file", "fractions", QList<qsizetype>{0, 0, 1, 0, 0, 0, 0, 0});
        dataRow("file of 60 MB", "fractions", QList<qsizetype>{0, 0, 0, 1, 1, 0, 2, 1});
        dataRow("no read permission", "secret", QList<qsizetype>{0, 0, 0, 1, 1, 0, 2, 0});
        dataRow("folder vanished", "fractions", QList<qsizetype>{0, 0, 0, 0, 0, 1, 1, 1});
        dataRow("not a library file", "photosynthesis", QList<qsizetype>{0, 0, 0, 0, 1, 0, 1, 0});
        dataRow("deleted while being read", "photosynthesis",
                QList<qsizetype>{0, 0, 0, 0, 1, 0, 1, 0});
    }
    void followsTheFolder()
    {
        const QByteArray change(QTest::currentDataTag());
        const auto [word, counts] = fetchRow<QString, QList<qsizetype>>({"word", "counts"});
        PlanIndex index(indexPath());
        QVERIFY(index.open() && index.update({plans()}).added == 1);
        if (change == "new file" || change == "deleted while being read")
            QVERIFY(writeRtf(plan("b.rtf"), "Photosynthesis in leaves"));
        else if (change == "changed file")
            QVERIFY(writeRtf(plan("LPlans-- a.doc"), "Osmosis"));
        else if (change == "changed, same size") // a word put right: only the time tells
            QVERIFY(writeRtf(plan("LPlans-- a.doc"), "Fractures with unlike denominators") &&
                    setModified(plan("LPlans-- a.doc"), QDateTime::currentDateTime().addSecs(60)));
        else if (change == "deleted file")
            QVERIFY(QFile::remove(plan("LPlans-- a.doc")));
        else if (change == "file of 60 MB")
            QVERIFY(writeRtf(plan("big.rtf"), "") && QFile::resize(plan("big.rtf"), 60LL << 20));
        else if (change == "no read permission" && geteuid() == 0)
            QSKIP("root reads every file");
        else if (change == "no read permission")
            QVERIFY(writeRtf(plan("locked.rtf"), "secret") &&
                    QFile::setPermissions(plan("locked.rtf"), QFileDevice::WriteOwner));
        else if (change == "folder vanished")
            QVERIFY(QDir(plans()).removeRecursively());
        else if (change == "not a library file")
            QVERIFY(writeRtf(plan("photo.png"), "Photosynthesis"));
        // The folder is listed before the files are read; a file can go in between.
        const IndexReport report = index.update({plans()}, [&](int, int) {
            if (change == "deleted while being read")
                QFile::remove(plan("b.rtf"));
        });
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        const QList<qsizetype> found{report.added,         report.changed,
                                     report.removed,       report.skipped.size(),
                                     report.unchanged,     report.missingFolders.size(),
                                     index.files().size(), index.search(word).size()};
        QCOMPARE(found, counts);
        // Brought up to date, the next start reads nothing but what could not be read.
        const IndexReport again = index.update({plans()});
        QCOMPARE(again.added + again.changed + again.removed, 0);
        QCOMPARE(again.skipped.size(), counts.at(3));
    }
    // Teachers type without accents and capitals; a search that compares them, needs only one
    // of the words or matches inside words finds the wrong plans, and the viewer marks the same.
    void caseAndAccents_data()
    {
        dataColumns<QString, bool, QStringList>({"typed", "found", "marked"});
        dataRow("plain for accented", "cafe", true, QStringList{"Café"});
        dataRow("capitals and accents typed", "CAFÉ ÉLÈVES", true, QStringList{"élèves", "Café"});
        dataRow("beginning of a word", "denom", true, QStringList{"Denominators"});
        dataRow("one word the beginning of another", "denominators denom", true,
                QStringList{"Denominators"});
        dataRow("every word is needed", "cafe zebra", false, QStringList{"Café"});
        dataRow("not inside a word", "afe", false, QStringList{});
        dataRow("punctuation typed", "naïve, (recipe)", true, QStringList{"recipe", "NAÏVE"});
        dataRow("nothing but signs", "--", false, QStringList{});
    }
    void caseAndAccents()
    {
        const auto [typed, found, marked] =
            fetchRow<QString, bool, QStringList>({"typed", "found", "marked"});
        const char *line = "Les \\'e9l\\'e8ves: the Caf\\'e9 recipe, NA\\'cfVE Denominators";
        QVERIFY(writeRtf(plan("LPlans-- a.doc"), line));
        PlanIndex index(indexPath());
        QVERIFY(index.open() && index.update({plans()}).error.isEmpty());
        const QList<SearchHit> hits = index.search(typed);
        const QString text = QStringLiteral("Les élèves: the Café recipe, NAÏVE Denominators");
        QCOMPARE(hits.value(0).context, found ? text : QString());
        QStringList shown;
        for (const auto &[start, length] : findMatches(text, searchWords(typed)))
            shown.append(text.mid(start, length));
        QCOMPARE(shown, marked);
    }
    // A damaged or foreign index file must be made anew, without a crash or a question; where
    // none can be made the program goes on without search.
    void damagedIndexIsRebuilt_data()
    {
        QTest::addColumn<int>("keep");
        dataRow("garbage", -1);
        dataRow("cut short", 3000);
        dataRow("a folder in its place", 0);
    }
    void damagedIndexIsRebuilt()
    {
        QFETCH(int, keep);
        PlanIndex(indexPath()).open();
        QFile f(indexPath());
        if (keep < 0)
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(70000, 'Z')) == 70000);
        else if (keep > 0)
            QVERIFY(f.open(QIODevice::ReadWrite) && f.resize(keep));
        else
            QVERIFY(f.remove() && QDir().mkpath(indexPath()));
        PlanIndex index(indexPath());
        QString error;
        QCOMPARE(index.open(&error), keep != 0);
        QCOMPARE(error.isEmpty(), keep != 0);
        QVERIFY(index.wasRebuilt());
        QCOMPARE(index.update({plans()}).error.isEmpty(), keep != 0);
        QCOMPARE(index.search(QStringLiteral("fractions")).size(), keep != 0 ? 1 : 0);
    }
    // Two windows indexing the same folder at once, each its own process, must not corrupt the
    // index or list a plan twice; the second waits for the first's lock instead of failing.
    void twoProgramsAtOnce()
    {
        for (int i = 0; i < 300; ++i)
            QVERIFY(
                writeRtf(plan(QStringLiteral("LPlans-- %1.doc").arg(i)), i % 2 ? "odd" : "even"));
        QProcess programs[2];
        for (QProcess &p : programs)
            p.start(QCoreApplication::applicationFilePath(), {"--index", indexPath(), plans()});
        for (QProcess &p : programs)
            QVERIFY2(p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit &&
                         p.exitCode() == 0,
                     p.readAllStandardError().constData());
        PlanIndex index(indexPath());
        QVERIFY(index.open() && !index.wasRebuilt());
        QCOMPARE(index.files().size(), 301);
        QCOMPARE(index.search(QStringLiteral("odd"), 1000).size(), 150);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "check");
        db.setDatabaseName(indexPath());
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO fts(fts) VALUES('integrity-check')")));
    }
    // A file browsed to must join the library with the other plans of its folder and stay
    // there after a restart; a cancelled browse changes nothing; View Previous on the browse
    // entry must open the file dialog instead of doing nothing.
    void browsingAddsItsFolderToTheLibrary()
    {
        QTRY_VERIFY(!w->library->isIndexing());
        platform->answerOpenFile(QString());
        w->cmdPrev->click();
        QCOMPARE(listed(), QStringList{PlanFiles::browseEntry()});
        const QString week = plan("LPlans-- A. Teacher  Math 7  Period 2  Week of Dec 7 2026.doc");
        for (const QString &path : {week,
                                    plan("LPlans-- A. Teacher  Math 7  Period 2  Week of "
                                         "Nov 30 2026.doc"),
                                    plan("LPlans-- A. Teacher  Science 7  Unit Plan 'Cells'.doc")})
            QVERIFY(writePlan(path, QStringLiteral("Old")).isEmpty());
        platform->answerOpenFile(QStringLiteral("  ") + week + QStringLiteral(" "));
        pick(w->cboOldPlans->count() - 1);
        QVERIFY(platform->lastPrompt().text.endsWith(m->strStorageFolder));
        QCOMPARE(w->strPlanPaths.value(w->cboOldPlans->currentIndex()), week);
        QVERIFY(w->cmdPrev->isEnabled());
        // By course, newest week first, files that are no plans last.
        const QStringList titles{"Math 7 \u00b7 Period 2 \u00b7 Week of Dec 7 2026",
                                 "Math 7 \u00b7 Period 2 \u00b7 Week of Nov 30 2026",
                                 "Science 7 \u00b7 Unit Plan 'Cells'", "LPlans-- a.doc",
                                 PlanFiles::browseEntry()};
        QTRY_COMPARE(planfixture::itemTexts(w->cboOldPlans), titles);
        QCOMPARE(w->cboOldPlans->currentIndex(), 0);
        // The next run lists the folder again.
        w.reset();
        makeWindow();
        w->showMain();
        QTRY_COMPARE(planfixture::itemTexts(w->cboOldPlans), titles);
    }
    // An update held up by another window's writing showed nothing in the main window, and
    // what it could not read was told only in the search window.
    void updateShowsItsProgressAndNotes()
    {
        QTRY_VERIFY(!w->library->isIndexing());
        QVERIFY(writeNoPlan(plan("LPlans-- huge.doc"), true));
        addEarlier(QStringLiteral("b.doc"));
        QLabel *status = w->library->statusLine();
        QVERIFY(writePlan(plan("c.doc"), QStringLiteral("New")).isEmpty());
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        other.setDatabaseName(PlanIndex::defaultPath());
        QVERIFY(other.open() && QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE")));
        w->library->refresh();
        QVERIFY(!status->isVisible());
        QTRY_VERIFY(status->isVisible());
        QVERIFY2(status->text().contains(QStringLiteral(" of 2")), qPrintable(status->text()));
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("ROLLBACK")));
        QTRY_VERIFY(!w->library->isIndexing());
        QVERIFY(status->isVisible() && status->text().contains(QStringLiteral("could not be")));
        QCOMPARE(listed().size(), 5);
    }
    // A search must find plans whatever the case and accents typed, show a line of context,
    // open the plan with every match marked, and F3 and Shift+F3 must step through them.
    void searchOpensThePlanAtItsMatches()
    {
        QVERIFY(QDir().mkpath(folder()));
        for (const auto &[name, text] :
             {std::pair{"Math 7  Week of Dec 7 2026",
                        "Fractions\\par The Caf\\'e9 recipe\\par A caf\\'e9 again, CAFE three"},
              std::pair{"Math 7  Week of Nov 30 2026", "Nothing of the kind"},
              std::pair{"Science 7  Week of Dec 7 2026", "Cafeteria visit"}})
            QVERIFY(writeRtf(folder() + QStringLiteral("/LPlans-- A. Teacher  %1.doc").arg(name),
                             text));
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
    // A file that is no plan must be shown as text after a warning; one too large for the
    // viewer or deleted since it was listed must be reported by name, not shown or crash.
    void filesThatAreNoPlans_data()
    {
        QTest::addColumn<int>("prompts");
        dataRow("not a plan", 1);
        dataRow("too large", 2);
        dataRow("vanished", 1);
    }
    void filesThatAreNoPlans()
    {
        QFETCH(int, prompts);
        const QByteArray tag(QTest::currentDataTag());
        const QString path = tag == "vanished" ? addEarlier(QStringLiteral("gone.doc"))
                                               : dir->filePath(QStringLiteral("notes.txt"));
        if (tag == "vanished") {
            QVERIFY(QFile::remove(path));
            pick(w->strPlanPaths.indexOf(path));
        } else {
            QVERIFY(writeNoPlan(path, tag == "too large"));
            platform->answerOpenFile(path);
            pick(w->cboOldPlans->count() - 1);
        }
        for (int i = 0; i < prompts; ++i)
            platform->answerMessage(Platform::Answer::OK, QString(),
                                    QStringLiteral("File Reading"));
        w->cmdPrev->click();
        QVERIFY(platform->lastPrompt().text.contains(
            tag == "too large" ? QStringLiteral("too large") : QDir::toNativeSeparators(path)));
        QCOMPARE(w->viewer->isViewing(), tag == "not a plan");
        if (tag == "not a plan")
            QCOMPARE(w->rtfPrevious->Text(), QStringLiteral("Monday: fractions"));
    }
    // A passage copied from an earlier plan with Ctrl+C went past the copy buffer and was
    // pasted without its formatting; printing that plan marked the current one printed.
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
        beginPlan();
        pick(w->strPlanPaths.indexOf(addEarlier(QStringLiteral("b.doc"))));
        w->cmdPrev->click();
        w->rtfPrevious->setSelStart(start);
        w->rtfPrevious->setSelLength(length);
        // The right mouse button offers the copy menu.
        Q_EMIT w->rtfPrevious->customContextMenuRequested(QPoint(5, 5));
        QTRY_VERIFY(w->mnuCopyHeading->isVisible());
        w->mnuCopyHeading->hide();
        if (key)
            QTest::keyClick(w->rtfPrevious, Qt::Key_C, Qt::ControlModifier);
        else
            w->mnuCopyOnly->trigger();
        QCOMPARE(m->strClipText, text);
        QCOMPARE(platform->clipboard, text);
        QCOMPARE(platform->clipboardRtf, m->strClipRTF);
        RichTextBox pasted;
        pasted.setTextRTF(m->strClipRTF);
        QCOMPARE(dumpDocument(pasted), dump);
        const QString pdf = dir->filePath(QStringLiteral("earlier.pdf"));
        answerPrintToPdf(pdf);
        w->cmdPrintThis->click();
        QVERIFY(isPdf(pdf));
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));
        QVERIFY(w->fraPrevious->isHidden());
    }
};

// With --index <index> <folder> the test is the other window: it brings the index of that
// folder up to date and says what went wrong.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (argc != 4 || qstrcmp(argv[1], "--index") != 0) {
        TestLibrary test;
        return QTest::qExec(&test, argc, argv);
    }
    PlanIndex index(QString::fromLocal8Bit(argv[2]));
    QString error;
    if (index.open(&error))
        error = index.update({QString::fromLocal8Bit(argv[3])}).error;
    qWarning("%s", qPrintable(error));
    return error.isEmpty() ? 0 : 1;
}
#include "tst_library.moc"
