#include "settings/settings.h"
#include "support/datarows.h"

#include <QStandardPaths>
#include <QTest>

// The factory state of the settings record and the small rules that come with it.
class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void defaultListShapes()
    {
        const SettingsRecord record;
        QCOMPARE(record.strActivities.size(), SettingsRecord::ActivityCount);
        QCOMPARE(record.strAssessments.size(), SettingsRecord::ActivityCount);
        QVERIFY(record.strActivities.last().isEmpty());
        QVERIFY(record.strAssessments.last().isEmpty());
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

    void dayNames_data()
    {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("expected");

        dataRow("Friday, four days, over the weekend", 5, 4,
                QStringList{QStringLiteral("Friday"), QStringLiteral("Saturday"),
                            QStringLiteral("Sunday"), QStringLiteral("Monday")});
        dataRow("Saturday, whole week", 6, 7,
                QStringList{QStringLiteral("Saturday"), QStringLiteral("Sunday"),
                            QStringLiteral("Monday"), QStringLiteral("Tuesday"),
                            QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                            QStringLiteral("Friday")});
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

        dataRow("quoted word", QStringLiteral("Read \"Holes\" tonight"),
                QStringLiteral("Read ''Holes'' tonight"));
        dataRow("empty", QString(), QString());
        dataRow("only quotes", QStringLiteral("\"\"\""), QStringLiteral("''''''"));
        dataRow("apostrophes stay", QStringLiteral("O'Neil's"), QStringLiteral("O'Neil's"));
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

        dataRow("course 1", 0, QStringList{QStringLiteral("A-1-2C"), QStringLiteral("A-2-1A")});
        dataRow("course 2", 1, QStringList{QStringLiteral("A-1-2B"), QStringLiteral("A-2-1A")});
        dataRow("course 3", 2, QStringList{QStringLiteral("A-2-1A"), QStringLiteral("B-1-1A")});
        dataRow("course 4, unnamed", 3, QStringList());
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
