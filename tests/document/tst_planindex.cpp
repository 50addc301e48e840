// The plans' full-text index: it follows the folder (new, changed, deleted, unreadable files),
// finds words without case and accents, survives a damaged file and two writers at once.
#include "document/planindex.h"
#include "support/datarows.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <unistd.h>

namespace
{
bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray rtfPlan(const char *text)
{
    return QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 ") + text +
           "\\par}";
}

QStringList names(const QList<SearchHit> &hits)
{
    QStringList list;
    for (const SearchHit &h : hits)
        list.append(QFileInfo(h.path).fileName());
    return list;
}
} // namespace

class TestPlanIndex : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString plans() const { return dir->filePath(QStringLiteral("plans")); }
    QString plan(const char *name) const { return plans() + QLatin1Char('/') + name; }
    QString indexPath() const { return dir->filePath(QStringLiteral("index.sqlite")); }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(plans()));
        QVERIFY(writeFile(plan("LPlans-- a.doc"), rtfPlan("Fractions with unlike denominators")));
    }

    // The index must follow the folder: a file it missed, kept stale or kept after deletion
    // gives wrong hits; an unreadable or huge file must be skipped and counted, not hang it.
    void followsTheFolder_data()
    {
        dataColumns<int, int, int, int, int, QString, QStringList>(
            {"added", "changed", "removed", "skipped", "listed", "word", "hits"});
        dataRow("nothing", 0, 0, 0, 0, 1, "fractions", QStringList{"LPlans-- a.doc"});
        dataRow("new file", 1, 0, 0, 0, 2, "photosynthesis", QStringList{"b.rtf"});
        dataRow("changed file", 0, 1, 0, 0, 1, "fractions", QStringList{});
        dataRow("deleted file", 0, 0, 1, 0, 0, "fractions", QStringList{});
        dataRow("file of 60 MB", 0, 0, 0, 1, 2, "fractions", QStringList{"LPlans-- a.doc"});
        dataRow("no read permission", 0, 0, 0, 1, 2, "secret", QStringList{});
        dataRow("folder vanished", 0, 0, 0, 0, 1, "fractions", QStringList{"LPlans-- a.doc"});
        dataRow("not a library file", 0, 0, 0, 0, 1, "photosynthesis", QStringList{});
        dataRow("deleted while being read", 0, 0, 0, 0, 1, "photosynthesis", QStringList{});
    }

    void followsTheFolder()
    {
        const QLatin1String change(QTest::currentDataTag());
        const auto [added, changed, removed, skipped, listed, word, hits] =
            fetchRow<int, int, int, int, int, QString, QStringList>(
                {"added", "changed", "removed", "skipped", "listed", "word", "hits"});
        PlanIndex index(indexPath());
        QVERIFY(index.open());
        QCOMPARE(index.update({plans()}).added, 1);

        if (change == QLatin1String("new file")) {
            QVERIFY(writeFile(plan("b.rtf"), rtfPlan("Photosynthesis in leaves")));
        } else if (change == QLatin1String("changed file")) {
            QVERIFY(writeFile(plan("LPlans-- a.doc"), rtfPlan("Osmosis")));
        } else if (change == QLatin1String("deleted file")) {
            QVERIFY(QFile::remove(plan("LPlans-- a.doc")));
        } else if (change == QLatin1String("file of 60 MB")) {
            QFile big(plan("big.rtf"));
            QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(60LL << 20));
        } else if (change == QLatin1String("no read permission")) {
            if (geteuid() == 0)
                QSKIP("root reads every file");
            QVERIFY(writeFile(plan("locked.rtf"), rtfPlan("secret")));
            QVERIFY(QFile::setPermissions(plan("locked.rtf"), QFileDevice::WriteOwner));
        } else if (change == QLatin1String("folder vanished")) {
            QVERIFY(QDir(plans()).removeRecursively());
        } else if (change == QLatin1String("deleted while being read")) {
            QVERIFY(writeFile(plan("b.rtf"), rtfPlan("Photosynthesis in leaves")));
        } else if (change == QLatin1String("not a library file")) {
            QVERIFY(writeFile(plan("photo.png"), rtfPlan("Photosynthesis")));
        }
        // The folder is listed before the files are read; a file can go in between.
        const auto deleteNew = [&](int, int) {
            if (change == QLatin1String("deleted while being read"))
                QFile::remove(plan("b.rtf"));
        };
        const IndexReport report = index.update({plans()}, deleteNew);
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        QCOMPARE(report.added, added);
        QCOMPARE(report.changed, changed);
        QCOMPARE(report.removed, removed);
        QCOMPARE(report.skipped.size(), skipped);
        QCOMPARE(report.missingFolders.size(), change == QLatin1String("folder vanished") ? 1 : 0);
        QCOMPARE(index.files().size(), listed);
        QCOMPARE(names(index.search(word)), hits);
        // Brought up to date, the next start reads nothing but what could not be read.
        const IndexReport again = index.update({plans()});
        QCOMPARE(again.added + again.changed + again.removed, 0);
        QCOMPARE(again.skipped.size(), skipped);
    }

    // Teachers type without accents and capitals; a search that compares them, needs only one
    // of the words or matches inside words finds the wrong plans.
    void caseAndAccents_data()
    {
        dataColumns<QString, bool, QStringList>({"typed", "found", "marked"});
        dataRow("plain for accented", "cafe", true, QStringList{"Café"});
        dataRow("capitals and accents typed", "CAFÉ ÉLÈVES", true, QStringList{"Café", "élèves"});
        dataRow("beginning of a word", "denom", true, QStringList{"Denominators"});
        dataRow("every word is needed", "cafe zebra", false, QStringList{"Café"});
        dataRow("not inside a word", "afe", false, QStringList{});
        dataRow("punctuation typed", "naïve, (recipe)", true, QStringList{"NAÏVE", "recipe"});
        dataRow("nothing but signs", "--", false, QStringList{});
    }

    void caseAndAccents()
    {
        const auto [typed, found, marked] =
            fetchRow<QString, bool, QStringList>({"typed", "found", "marked"});
        const char *line = "Les \\'e9l\\'e8ves: the Caf\\'e9 recipe, NA\\'cfVE Denominators";
        QVERIFY(writeFile(plan("LPlans-- a.doc"), rtfPlan(line)));
        PlanIndex index(indexPath());
        QVERIFY(index.open());
        index.update({plans()});
        const QList<SearchHit> hits = index.search(typed);
        QCOMPARE(hits.size(), found ? 1 : 0);
        const QString text = QStringLiteral("Les élèves: the Café recipe, NAÏVE Denominators");
        if (found)
            QCOMPARE(hits.first().context, text);
        // The viewer marks the same words the index found.
        QStringList shown;
        for (const auto &[start, length] : findMatches(text, searchWords(typed)))
            shown.append(text.mid(start, length));
        shown.sort(Qt::CaseInsensitive);
        QStringList expected = marked;
        expected.sort(Qt::CaseInsensitive);
        QCOMPARE(shown, expected);
    }

    // A damaged or foreign index file must be made anew, without a crash or a question.
    void damagedIndexIsRebuilt_data()
    {
        QTest::addColumn<QString>("damage");
        dataRow("garbage", "garbage");
        dataRow("cut short", "cut short");
        dataRow("a folder in its place", "folder");
    }

    void damagedIndexIsRebuilt()
    {
        QFETCH(QString, damage);
        {
            PlanIndex index(indexPath());
            QVERIFY(index.open());
            index.update({plans()});
        }
        if (damage == u"garbage") {
            QVERIFY(writeFile(indexPath(), QByteArray(70000, '\x5a')));
        } else if (damage == u"cut short") {
            QFile f(indexPath());
            QVERIFY(f.open(QIODevice::ReadWrite) && f.resize(3000));
        } else {
            for (const char *suffix : {"", "-wal", "-shm"})
                QFile::remove(indexPath() + QLatin1String(suffix));
            QVERIFY(QDir().mkpath(indexPath()));
        }
        PlanIndex index(indexPath());
        QString error;
        const bool opened = index.open(&error);
        if (damage == u"folder") {
            // Nothing can be made there: the program goes on without search.
            QVERIFY(!opened);
            QVERIFY(!error.isEmpty());
            QVERIFY(index.search(QStringLiteral("fractions")).isEmpty());
            QVERIFY(!index.update({plans()}).error.isEmpty());
            return;
        }
        QVERIFY2(opened, qPrintable(error));
        QVERIFY(index.wasRebuilt());
        QCOMPARE(index.update({plans()}).added, 1);
        QCOMPARE(names(index.search(QStringLiteral("fractions"))), QStringList{"LPlans-- a.doc"});
    }

    // Two windows indexing the same folder at once must not corrupt the index or list a plan
    // twice; the second waits for the first's lock instead of failing.
    void twoWritersAtOnce()
    {
        for (int i = 0; i < 300; ++i)
            QVERIFY(writeFile(plans() + QStringLiteral("/LPlans-- %1.doc").arg(i),
                              rtfPlan(i % 2 ? "odd week" : "even week")));
        {
            PlanIndex first(indexPath());
            QVERIFY(first.open()); // made once, so both threads open the same tables
        }
        IndexReport reports[2];
        const auto run = [&](int k) {
            PlanIndex index(indexPath());
            if (index.open())
                reports[k] = index.update({plans()});
        };
        std::thread a(run, 0), b(run, 1);
        a.join();
        b.join();
        QVERIFY2(reports[0].error.isEmpty(), qPrintable(reports[0].error));
        QVERIFY2(reports[1].error.isEmpty(), qPrintable(reports[1].error));
        PlanIndex index(indexPath());
        QVERIFY(index.open());
        QCOMPARE(index.files().size(), 301);
        QCOMPARE(index.search(QStringLiteral("odd"), 1000).size(), 150);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "check");
        db.setDatabaseName(indexPath());
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO fts(fts) VALUES('integrity-check')")));
        q.finish();
        db.close();
    }
};

QTEST_MAIN(TestPlanIndex)
#include "tst_planindex.moc"
