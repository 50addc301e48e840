// The school calendar's arithmetic: month lengths, roll-over into the next month, the school
// days of a week named by position, the year label and where the calendar window opens.
#include "plan/calendar.h"
#include "support/datarows.h"

#include <QTest>

class TestCalendar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void februaryLength_data()
    {
        dataColumns<QString, int>({"schoolYear", "days"});
        dataRow("2011-2012 leap", "2011-2012", 29);
        dataRow("2099-2100 century", "2099-2100", 28);
        dataRow("1999-2000 400 years", "1999-2000", 29);
    }

    void februaryLength()
    {
        const auto [schoolYear, days] = fetchRow<QString, int>({"schoolYear", "days"});
        QCOMPARE(calendar::daysInMonth(QStringLiteral("February"), schoolYear), days);
    }

    void monthLengths()
    {
        const QList<int> expected = {31, 30, 31, 30, 31, 31, 28, 31, 30, 31, 30, 31};
        for (int i = 0; i < 12; ++i)
            QCOMPARE(
                calendar::daysInMonth(calendar::schoolMonths().at(i), QStringLiteral("2009-2010")),
                expected.at(i));
    }

    void schoolDays_data()
    {
        dataColumns<QString, int, int, int, QString, QStringList>(
            {"month", "date", "firstDay", "daysPerWeek", "schoolYear", "days"});
        dataRow("30 September rolls into October", "September", 30, 1, 5, "2009-2010",
                QStringList{"Monday, September 30", "Tuesday, October 1", "Wednesday, October 2",
                            "Thursday, October 3", "Friday, October 4"});
        dataRow("29 July rolls into August", "July", 29, 1, 5, "2009-2010",
                QStringList{"Monday, July 29", "Tuesday, July 30", "Wednesday, July 31",
                            "Thursday, August 1", "Friday, August 2"});
        dataRow("28 February of a leap year", "February", 28, 1, 3, "2011-2012",
                QStringList{"Monday, February 28", "Tuesday, February 29", "Wednesday, March 1"});
        dataRow("named by position, not by the real weekday", "August", 24, 1, 2, "2010-2011",
                QStringList{"Monday, August 24", "Tuesday, August 25"});
        dataRow("Sunday to Saturday", "August", 1, 0, 7, "2009-2010",
                QStringList{"Sunday, August 1", "Monday, August 2", "Tuesday, August 3",
                            "Wednesday, August 4", "Thursday, August 5", "Friday, August 6",
                            "Saturday, August 7"});
        dataRow("Friday start wraps the day names", "March", 5, 5, 4, "2009-2010",
                QStringList{"Friday, March 5", "Saturday, March 6", "Sunday, March 7",
                            "Monday, March 8"});
        dataRow("December into January", "December", 30, 1, 3, "2009-2010",
                QStringList{"Monday, December 30", "Tuesday, December 31", "Wednesday, January 1"});
    }

    void schoolDays()
    {
        const auto [month, date, firstDay, daysPerWeek, schoolYear, days] =
            fetchRow<QString, int, int, int, QString, QStringList>(
                {"month", "date", "firstDay", "daysPerWeek", "schoolYear", "days"});
        const int index = int(calendar::schoolMonths().indexOf(month));
        QCOMPARE(calendar::schoolDays(index, date, firstDay, daysPerWeek, schoolYear), days);
    }

    void julyRollOverWrapsTheMonthIndex()
    {
        int index = 11;
        QCOMPARE(
            calendar::rollOverDay(QStringLiteral("July32"), index, QStringLiteral("2009-2010")),
            QStringLiteral("August01"));
        QCOMPARE(index, -1);
        index = 3;
        QCOMPARE(
            calendar::rollOverDay(QStringLiteral("November30"), index, QStringLiteral("2009-2010")),
            QStringLiteral("November30"));
        QCOMPARE(
            calendar::rollOverDay(QStringLiteral("November31"), index, QStringLiteral("2009-2010")),
            QStringLiteral("December01"));
        QCOMPARE(index, 3);
    }

    void yearLabel_data()
    {
        dataColumns<QString, QString, QString>({"month", "day", "label"});
        dataRow("no month", "", "", "");
        dataRow("December", "December", "Monday, December 28", "2009");
        dataRow("December week reaching January", "December", "Friday, January 1", "2010");
        dataRow("January", "January", "", "2010");
    }

    void yearLabel()
    {
        const auto [month, day, label] =
            fetchRow<QString, QString, QString>({"month", "day", "label"});
        QCOMPARE(calendar::yearLabel(month, day, QStringLiteral("2009-2010")), label);
    }

    void calendarOpensOnTodayWithinTheSchoolYear_data()
    {
        dataColumns<QDate, QDate>({"today", "shown"});
        dataRow("autumn", QDate(2026, 9, 14), QDate(2009, 9, 14));
        dataRow("July belongs to the second year", QDate(2026, 7, 31), QDate(2010, 7, 31));
        dataRow("29 February the school year lacks", QDate(2024, 2, 29), QDate(2010, 2, 28));
    }

    void calendarOpensOnTodayWithinTheSchoolYear()
    {
        const auto [today, shown] = fetchRow<QDate, QDate>({"today", "shown"});
        const QDate start = calendar::calendarStart(today, QStringLiteral("2009-2010"));
        QVERIFY(start.isValid());
        QCOMPARE(start, shown);
        QVERIFY(start >= calendar::calendarFirst(QStringLiteral("2009-2010")));
        QVERIFY(start <= calendar::calendarLast(QStringLiteral("2009-2010")));
    }

    void leapDayKeptInALeapSchoolYear()
    {
        QCOMPARE(calendar::calendarStart(QDate(2024, 2, 29), QStringLiteral("2011-2012")),
                 QDate(2012, 2, 29));
    }

    void weekdayAndMonthIndexOfRealDates()
    {
        QCOMPARE(calendar::weekdayNumber(QDate(2009, 9, 6)), 1);  // a Sunday
        QCOMPARE(calendar::weekdayNumber(QDate(2009, 9, 7)), 2);  // a Monday
        QCOMPARE(calendar::weekdayNumber(QDate(2009, 9, 12)), 7); // a Saturday
        QCOMPARE(calendar::monthListIndex(QDate(2009, 8, 3)), 0);
        QCOMPARE(calendar::monthListIndex(QDate(2010, 7, 3)), 11);
        QCOMPARE(calendar::monthListIndex(QDate(2010, 1, 3)), 5);
    }
};

QTEST_APPLESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
