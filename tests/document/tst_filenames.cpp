// The names plans are saved under, and the small path rules around them.
#include "document/filenames.h"
#include "platform/safefile.h"
#include "support/datarows.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestFileNames : public QObject
{
    Q_OBJECT

    static PlanNameParts teacherAlgebra()
    {
        PlanNameParts p;
        p.teacher = QStringLiteral("A. Teacher");
        p.course = QStringLiteral("Algebra 1");
        p.showPeriod = true;
        p.periodHeading = QStringLiteral("Period");
        p.period = QStringLiteral("3");
        p.weekly = true;
        p.month = QStringLiteral("September");
        p.date = QStringLiteral("14");
        p.year = QStringLiteral("2009");
        p.unitTopic = QStringLiteral("Fractions");
        p.extension = QStringLiteral("doc");
        return p;
    }

private Q_SLOTS:
    // A built name must read back into the course, period and week the earlier-plans list
    // shows; a school abbreviation must not be taken for the course.
    void planName_data()
    {
        dataColumns<bool, bool, bool, QString, QString>(
            {"weekly", "abbrev", "period", "name", "title"});
        dataRow("weekly, period", true, false, true,
                "LPlans-- A. Teacher  Algebra 1  Period 3  Week of Sep 14 2009.doc",
                "Algebra 1 \u00b7 Period 3 \u00b7 Week of Sep 14 2009");
        dataRow("unit, no period", false, false, false,
                "LPlans-- A. Teacher  Algebra 1  Unit Plan 'Fractions'.doc",
                "Algebra 1 \u00b7 Unit Plan 'Fractions'");
        dataRow("unit, school and period", false, true, true,
                "LPlans-- LHS  A. Teacher  Algebra 1  Period 3  Unit Plan 'Fractions'.doc",
                "Algebra 1 \u00b7 Period 3 \u00b7 Unit Plan 'Fractions'");
        dataRow("weekly, school, no period", true, true, false,
                "LPlans-- LHS  A. Teacher  Algebra 1  Week of Sep 14 2009.doc",
                "Algebra 1 \u00b7 Week of Sep 14 2009");
    }

    void planName()
    {
        const auto [weekly, abbrev, period, name, title] =
            fetchRow<bool, bool, bool, QString, QString>(
                {"weekly", "abbrev", "period", "name", "title"});
        PlanNameParts p = teacherAlgebra();
        p.weekly = weekly;
        p.useSchoolAbbrev = abbrev;
        p.schoolAbbrev = QStringLiteral("LHS");
        p.showPeriod = period;
        QCOMPARE(planFileName(p), name);
        const PlanTitle read = planTitle(name, QStringLiteral("Period"));
        QVERIFY(read.isPlan);
        QCOMPARE(read.text, title);
        QCOMPARE(read.week, weekly ? QDate(2009, 9, 14) : QDate());
        // Names the program did not build are shown as they are.
        for (const QString &other :
             {QStringLiteral("notes.rtf"),
              QStringLiteral("LPlans-- A. Teacher  Week of Feb 30 2009.doc")})
            QCOMPARE(planTitle(other, QStringLiteral("Period")).text, other);
    }

    void entriesAreMadeSafe_data()
    {
        dataColumns<QString, QString, QString, QString>({"course", "period", "topic", "name"});
        dataRow("period and topic", "Algebra 1", "3/4", "Ratios: \"parts\"",
                "LPlans-- A. Teacher  Algebra 1  Period 3_4  Unit Plan 'Ratios_ ''parts'''.doc");
        dataRow("already safe stays as it was", "Course_Subject #1", "3_4", "Ratios_ ''parts''",
                "LPlans-- A. Teacher  Course_Subject #1  Period 3_4  Unit Plan 'Ratios_ "
                "''parts'''.doc");
    }

    void entriesAreMadeSafe()
    {
        const auto [course, period, topic, name] =
            fetchRow<QString, QString, QString, QString>({"course", "period", "topic", "name"});
        PlanNameParts p = teacherAlgebra();
        p.weekly = false;
        p.course = course;
        p.period = period;
        p.unitTopic = topic;
        const QString built = planFileName(p);
        QCOMPARE(built, name);
        QVERIFY2(!built.contains(QLatin1Char('/')), "a slash would make the name a folder");
    }

    void fileNameSafe_data()
    {
        dataColumns<QString, QString, bool>({"text", "safe", "replaced"});
        dataRow("plain", "Algebra 1", "Algebra 1", false);
        dataRow("quote only", "The \"best\"", "The ''best''", false);
        dataRow("all nine characters", "a/b\\c*d:e<f>g|h`i?j", "a_b_c_d_e_f_g_h_i_j", true);
        dataRow("control characters", "Unit\t1\r\n", "Unit_1__", true);
    }

    void fileNameSafe()
    {
        const auto [text, safe, replaced] =
            fetchRow<QString, QString, bool>({"text", "safe", "replaced"});
        bool any = !replaced;
        QCOMPARE(::fileNameSafe(text, &any), safe);
        QCOMPARE(any, replaced);
        // Safe once is safe for good: names built again come out the same.
        QCOMPARE(::fileNameSafe(safe, &any), safe);
        QVERIFY(!any);
    }

    // A name past the file system's limit could never be saved: it is shortened, keeping the
    // week or unit and the extension, and a real file of that name can be written.
    void longNamesFit_data()
    {
        dataColumns<bool, int, int, QString>({"weekly", "teacher", "topic", "ends"});
        dataRow("weekly, long teacher and course", true, 200, 0, "  Week of Sep 14 2009.doc");
        dataRow("unit, long teacher", false, 200, 9, "  Unit Plan 'Fractions'.doc");
        dataRow("unit, long topic", false, 10, 300, "'.doc");
    }

    void longNamesFit()
    {
        const auto [weekly, teacher, topic, ends] =
            fetchRow<bool, int, int, QString>({"weekly", "teacher", "topic", "ends"});
        PlanNameParts p = teacherAlgebra();
        p.weekly = weekly;
        p.teacher = QString(teacher, QChar(0xe9)); // two bytes each in UTF-8
        p.course = QString(100, QLatin1Char('c'));
        if (topic != 9)
            p.unitTopic = QString(topic, QChar(0x6587)); // three bytes each
        const QString name = planFileName(p);
        QVERIFY2(name.toUtf8().size() <= MaxFileNameBytes, qPrintable(name));
        QVERIFY(name.startsWith(QLatin1StringView("LPlans-- ")));
        QVERIFY2(name.endsWith(ends), qPrintable(name));
        QTemporaryDir dir;
        QString error;
        QVERIFY2(safefile::write(dir.filePath(name), "{\\rtf1 plan}", &error), qPrintable(error));
    }

    void folderJoining_data()
    {
        dataColumns<QString, QString>({"folder", "path"});
        dataRow("no trailing separator", "/home/t/Plans", "/home/t/Plans/x.doc");
        dataRow("trailing separator", "/home/t/Plans/", "/home/t/Plans/x.doc");
    }

    void folderJoining()
    {
        const auto [folder, path] = fetchRow<QString, QString>({"folder", "path"});
        QCOMPARE(pathInFolder(folder, QStringLiteral("x.doc")), path);
        QCOMPARE(folderForDisplay(folder),
                 QDir::toNativeSeparators(QStringLiteral("/home/t/Plans/")));
        QCOMPARE(nameInFolder(path, folder), QStringLiteral("x.doc"));
    }

    void samePath_data()
    {
        dataColumns<QString, QString, bool>({"a", "b", "same"});
        dataRow("doubled separator", "/p//x.doc", "/p/x.doc", true);
        dataRow("other file", "/p/x.doc", "/p/y.doc", false);
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
        dataRow("case", "/p/X.doc", "/p/x.doc", true);
#else
        dataRow("case", "/p/X.doc", "/p/x.doc", false);
#endif
    }

    void samePath()
    {
        const auto [a, b, same] = fetchRow<QString, QString, bool>({"a", "b", "same"});
        QCOMPARE(samePlanPath(a, b), same);
    }

    void rtfHead_data()
    {
        dataColumns<QByteArray, bool>({"head", "rtf"});
        dataRow("exactly five", QByteArray("{\\rtf"), true);
        dataRow("short", QByteArray("{\\rt"), false);
        dataRow("text", QByteArray("Monday"), false);
        dataRow("capital", QByteArray("{\\RTF1"), false);
        dataRow("byte-order mark and blank lines first", QByteArray("\xef\xbb\xbf\r\n\n{\\rtf1"),
                true);
        dataRow("empty", QByteArray(), false);
    }

    void rtfHead()
    {
        const auto [head, rtf] = fetchRow<QByteArray, bool>({"head", "rtf"});
        QCOMPARE(beginsAsRtf(head), rtf);
    }
};

QTEST_APPLESS_MAIN(TestFileNames)
#include "tst_filenames.moc"
