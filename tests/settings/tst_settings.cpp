#include "settings/settings.h"

#include <QStandardPaths>
#include <QTest>

// The factory state of the settings record and the small rules that come with it.
class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void defaultCourses()
    {
        const SettingsRecord record;
        QCOMPARE(record.strCourses.size(), SettingsRecord::CourseCount);
        QCOMPARE(record.strCourses.mid(0, 3), QStringList({QStringLiteral("Course/Subject #1"),
                                                           QStringLiteral("Course/Subject #2"),
                                                           QStringLiteral("Course/Subject #3")}));
        for (int i = 3; i < SettingsRecord::CourseCount; ++i)
            QVERIFY2(record.strCourses.at(i).isEmpty(), qPrintable(QString::number(i)));
    }

    void defaultListShapes()
    {
        const SettingsRecord record;
        QCOMPARE(record.strActivities.size(), SettingsRecord::ActivityCount);
        QCOMPARE(record.strAssessments.size(), SettingsRecord::ActivityCount);
        QVERIFY(record.strActivities.last().isEmpty());
        QVERIFY(record.strAssessments.last().isEmpty());
        QCOMPARE(record.strActivities.first(), QStringLiteral("Lecture"));
        QCOMPARE(record.strAssessments.at(3),
                 QStringLiteral("Teacher Observation of Student Performance"));
        QCOMPARE(record.strStdCodes.size(), record.strStdTexts.size());
        QCOMPARE(record.strStdChoices.size(), SettingsRecord::StdChoiceCount);
        // One material of each kind, none checked.
        QStringList kinds;
        for (const QString &entry : record.strMaterials) {
            QVERIFY(entry.size() > 2);
            QCOMPARE(entry.at(1), QLatin1Char('0'));
            kinds.append(entry.left(1));
        }
        QCOMPARE(kinds,
                 QStringList({QStringLiteral("T"), QStringLiteral("R"), QStringLiteral("M")}));
    }

    void defaultScalars()
    {
        const SettingsRecord record;
        QCOMPARE(record.strTeacherName, QStringLiteral("Your Name Here..."));
        QCOMPARE(record.intFirstDay, 1);
        QCOMPARE(record.intDaysPerWeek, 5);
        QCOMPARE(record.strStandardsMode, QStringLiteral("NO PREFIXES"));
        QCOMPARE(record.strNoteOpen, QStringLiteral("["));
        QCOMPARE(record.strNoteClose, QStringLiteral("]"));
        // Times are hidden by default, so the template is empty.
        QVERIFY(!record.blnShowTime);
        QVERIFY(record.strTimeTemplate.isEmpty());
        QCOMPARE(record.strTimeUnit, QStringLiteral("min"));
    }

    void dayNames_data()
    {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("Friday, four days, over the weekend")
            << 5 << 4
            << QStringList{QStringLiteral("Friday"), QStringLiteral("Saturday"),
                           QStringLiteral("Sunday"), QStringLiteral("Monday")};
        QTest::newRow("default school week")
            << SettingsRecord().intFirstDay << SettingsRecord().intDaysPerWeek
            << QStringList{QStringLiteral("Monday"), QStringLiteral("Tuesday"),
                           QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                           QStringLiteral("Friday")};
        QTest::newRow("Saturday, whole week")
            << 6 << 7 << QStringList{QStringLiteral("Saturday"),  QStringLiteral("Sunday"),
                                     QStringLiteral("Monday"),    QStringLiteral("Tuesday"),
                                     QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                                     QStringLiteral("Friday")};
    }

    void dayNames()
    {
        QFETCH(int, firstDay);
        QFETCH(int, days);
        QFETCH(QStringList, expected);
        // The longest week from the last weekday must stay inside the table.
        QVERIFY(strDayNames.size() >= 6 + 7);
        QCOMPARE(strDayNames.mid(firstDay, days), expected);
    }

    void replaceQuotes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("quoted word")
            << QStringLiteral("Read \"Holes\" tonight") << QStringLiteral("Read ''Holes'' tonight");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("only quotes") << QStringLiteral("\"\"\"") << QStringLiteral("''''''");
        QTest::newRow("apostrophes stay")
            << QStringLiteral("O'Neil's") << QStringLiteral("O'Neil's");
    }

    void replaceQuotes()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString result = ReplaceQuotes(text);
        QCOMPARE(result, expected);
        QVERIFY(!result.contains(QLatin1Char('"')));
        // Already clean text comes back unchanged.
        QCOMPARE(ReplaceQuotes(result), result);
    }

    void defaultStandardChoices_data()
    {
        QTest::addColumn<int>("course");
        QTest::addColumn<QStringList>("expectedCodes");

        QTest::newRow("course 1") << 0
                                  << QStringList{QStringLiteral("A-1-2C"),
                                                 QStringLiteral("A-2-1A")};
        QTest::newRow("course 2") << 1
                                  << QStringList{QStringLiteral("A-1-2B"),
                                                 QStringLiteral("A-2-1A")};
        QTest::newRow("course 3") << 2
                                  << QStringList{QStringLiteral("A-2-1A"),
                                                 QStringLiteral("B-1-1A")};
        QTest::newRow("course 4, unnamed") << 3 << QStringList();
        QTest::newRow("course 10, unnamed") << 9 << QStringList();
    }

    void defaultStandardChoices()
    {
        QFETCH(int, course);
        QFETCH(QStringList, expectedCodes);
        const SettingsRecord record;
        // Digit j (counting from 1) preselects standard j - 1.
        const QString choice = record.strStdChoices.at(course);
        QStringList codes;
        for (int j = 0; j < choice.size(); ++j) {
            QVERIFY(choice.at(j) == QLatin1Char('0') || choice.at(j) == QLatin1Char('1'));
            if (choice.at(j) != QLatin1Char('0')) {
                QVERIFY(j < record.strStdCodes.size());
                codes.append(record.strStdCodes.at(j));
            }
        }
        QCOMPARE(codes, expectedCodes);
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
