// The school calendar's arithmetic: reading a school year, month lengths, the school days of a
// week named from their real dates, the year label and where the calendar window opens.
#include "plan/calendar.h"
#include "settings/settings.h"
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
        dataRow("2009-10 short form", "2009-10", 28);
        dataRow("2011-12 short form", "2011-12", 29);
    }

    // A school year written in another way must not lose its second year (a 29 February that
    // does not exist, weeks of a year 0).
    void februaryLength()
    {
        const auto [schoolYear, days] = fetchRow<QString, int>({"schoolYear", "days"});
        QCOMPARE(calendar::daysInMonth(QStringLiteral("February"), schoolYear), days);
    }

    void schoolDays_data()
    {
        dataColumns<QString, int, int, QString, QStringList>(
            {"month", "date", "daysPerWeek", "schoolYear", "days"});
        dataRow("30 September rolls into October", "September", 30, 5, "2013-2014",
                QStringList{"Monday, September 30", "Tuesday, October 1", "Wednesday, October 2",
                            "Thursday, October 3", "Friday, October 4"});
        dataRow("29 July rolls into August", "July", 29, 5, "2012-2013",
                QStringList{"Monday, July 29", "Tuesday, July 30", "Wednesday, July 31",
                            "Thursday, August 1", "Friday, August 2"});
        dataRow("28 February of a leap year", "February", 28, 3, "2027-2028",
                QStringList{"Monday, February 28", "Tuesday, February 29", "Wednesday, March 1"});
        dataRow("named from the real date", "August", 24, 2, "2010-2011",
                QStringList{"Tuesday, August 24", "Wednesday, August 25"});
        dataRow("Sunday to Saturday", "August", 1, 7, "2010-2011",
                QStringList{"Sunday, August 1", "Monday, August 2", "Tuesday, August 3",
                            "Wednesday, August 4", "Thursday, August 5", "Friday, August 6",
                            "Saturday, August 7"});
        dataRow("December into January", "December", 30, 3, "2013-14",
                QStringList{"Monday, December 30", "Tuesday, December 31", "Wednesday, January 1"});
        dataRow("no such date", "February", 30, 5, "2013-2014", QStringList());
        dataRow("no readable school year", "March", 3, 5, "next year", QStringList());
    }

    // Every day of a week is written under its own weekday, in the right month.
    void schoolDays()
    {
        const auto [month, date, daysPerWeek, schoolYear, days] =
            fetchRow<QString, int, int, QString, QStringList>(
                {"month", "date", "daysPerWeek", "schoolYear", "days"});
        const int index = int(calendar::schoolMonths().indexOf(month));
        QCOMPARE(calendar::schoolDays(calendar::dateOf(index, date, schoolYear), daysPerWeek),
                 days);
    }

    void yearLabel_data()
    {
        dataColumns<QString, QString, QString, QString>({"month", "day", "year", "label"});
        dataRow("no month", "", "", "2009-2010", "");
        dataRow("December", "December", "Monday, December 28", "2009-2010", "2009");
        dataRow("December week reaching January", "December", "Friday, January 1", "2009-2010",
                "2010");
        dataRow("January", "January", "", "2009-2010", "2010");
        dataRow("January of a short form", "January", "", "2009-10", "2010");
    }

    // The year beside the week lists is a year, whatever way the school year is written.
    void yearLabel()
    {
        const auto [month, day, year, label] =
            fetchRow<QString, QString, QString, QString>({"month", "day", "year", "label"});
        QCOMPARE(calendar::yearLabel(month, day, year), label);
    }

    void readSchoolYear_data()
    {
        dataColumns<QString, int, int>({"text", "first", "second"});
        dataRow("usual", "2009-2010", 2009, 2010);
        dataRow("as the year list writes it", "2009 - 2010", 2009, 2010);
        dataRow("short second year", "2009-10", 2009, 2010);
        dataRow("short across a century", "2099-00", 2099, 2100);
        dataRow("en dash",
                "2024\u2013"
                "2025",
                2024, 2025);
        dataRow("slash", "2024/25", 2024, 2025);
        dataRow("not consecutive", "2009-2011", 0, 0);
        dataRow("one year", "2009", 0, 0);
        dataRow("words", "this year", 0, 0);
        dataRow("other digits", "\u0662\u0660\u0660\u0669-2010", 0, 0);
    }

    // A school year that cannot be read is refused, never read as the year 0.
    void readSchoolYear()
    {
        const auto [text, first, second] = fetchRow<QString, int, int>({"text", "first", "second"});
        int a = 0;
        int b = 0;
        QCOMPARE(::readSchoolYear(text, &a, &b), first != 0);
        QCOMPARE(a, first);
        QCOMPARE(b, second);
    }

    void schoolYearOf_data()
    {
        dataColumns<QDate, QString>({"today", "year"});
        dataRow("first of August starts one", QDate(2026, 8, 1), "2026-2027");
        dataRow("December", QDate(2026, 12, 31), "2026-2027");
        dataRow("January belongs to the one begun", QDate(2027, 1, 6), "2026-2027");
        dataRow("31 July ends one", QDate(2026, 7, 31), "2025-2026");
    }

    // A fresh install plans for the school year of today, not for one long gone.
    void schoolYearOf()
    {
        const auto [today, year] = fetchRow<QDate, QString>({"today", "year"});
        QCOMPARE(::schoolYearOf(today), year);
        QVERIFY(::readSchoolYear(year));
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

    // The week offered for a date that is not the first school day is the one that holds it.
    void weekStartAndMonthIndexOfRealDates()
    {
        QCOMPARE(calendar::weekStart(QDate(2027, 1, 6), 1), QDate(2027, 1, 4));
        QCOMPARE(calendar::weekStart(QDate(2026, 8, 1), 1), QDate(2026, 7, 27));
        QCOMPARE(calendar::weekStart(QDate(2009, 9, 6), 1), QDate(2009, 8, 31)); // a Sunday
        QCOMPARE(calendar::weekStart(QDate(2009, 9, 6), 0), QDate(2009, 9, 6));
        QCOMPARE(calendar::weekStart(QDate(2009, 9, 12), 5), QDate(2009, 9, 11));
        QCOMPARE(calendar::monthListIndex(QDate(2009, 8, 3)), 0);
        QCOMPARE(calendar::monthListIndex(QDate(2010, 7, 3)), 11);
        QCOMPARE(calendar::monthListIndex(QDate(2010, 1, 3)), 5);
    }
};

QTEST_APPLESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
