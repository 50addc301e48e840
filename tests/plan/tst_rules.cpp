// The pure rules under the plans: the school calendar, the names plans are saved under and the
// quotes every stored text gives up.
#include "document/filenames.h"
#include "plan/calendar.h"
#include "platform/safefile.h"
#include "settings/settings.h"
#include "support/datarows.h"

#include <QTemporaryDir>
#include <QTest>

class TestRules : public QObject
{
    Q_OBJECT

    static PlanNameParts parts(bool weekly, bool abbrev, const QString &period,
                               const QString &topic)
    {
        // clang-format off
        return {abbrev, u"LHS"_qs, u"A. Teacher"_qs, u"Algebra 1"_qs, !period.isEmpty(), u"Period"_qs,
                period, weekly, u"September"_qs, u"14"_qs, u"2009"_qs, topic, u"doc"_qs};
        // clang-format on
    }

private Q_SLOTS:
    void schoolYear_data()
    {
        dataColumns<QString, int, int, int>({"text", "first", "second", "february"});
        dataRow("short form of a leap year", "2011-12", 2011, 2012, 29);
        dataRow("short across a century, which is no leap year", "2099-00", 2099, 2100, 28);
        dataRow("every 400 years a leap year", "1999 - 2000", 1999, 2000, 29);
        dataRow("en dash", "2024\u20132025", 2024, 2025, 28);
        dataRow("slash", "2024/25", 2024, 2025, 28);
        dataRow("not consecutive", "2009-2011", 0, 0, 0);
        dataRow("one year", "2009", 0, 0, 0);
        dataRow("other digits", "\u0662\u0660\u0660\u0669-2010", 0, 0, 0);
    }

    // A school year written another way must keep its second year (no 29 February that does not
    // exist, no weeks of the year 0), and one that cannot be read is refused, never read as 0.
    void schoolYear()
    {
        const auto [text, first, second, february] =
            fetchRow<QString, int, int, int>({"text", "first", "second", "february"});
        int a = 0, b = 0;
        QCOMPARE(readSchoolYear(text, &a, &b), first != 0);
        QCOMPARE(QList<int>({a, b}), QList<int>({first, second}));
        // February has its days and no more; an unreadable year gives no dates at all.
        QCOMPARE(first ? calendar::daysInMonth(u"February"_qs, text) : 0, february);
        QVERIFY(!calendar::dateOf(6, february + 1, text).isValid());
        QCOMPARE(calendar::schoolDays(calendar::dateOf(6, february, text), 1).isEmpty(), !first);
        QCOMPARE(calendar::yearLabel(QStringLiteral("May"), QString(), text).isEmpty(), !first);
    }

    void schoolDays_data()
    {
        dataColumns<QString, QString, QString>({"schoolYear", "days", "year"});
        dataRow("into October", "2013-2014", "Monday, September 30|Tuesday, October 1", "2013");
        dataRow("into December", "2009-10", "Monday, November 30|Tuesday, December 1", "2009");
        dataRow("December", "2009-10", "Monday, December 28|Tuesday, December 29", "2009");
        dataRow("into January", "2013-14", "Tuesday, December 31|Wednesday, January 1", "2014");
        dataRow("leap day", "2027-28", "Tuesday, February 29|Wednesday, March 1", "2028");
        dataRow("July into August", "2012-2013", "Wednesday, July 31|Thursday, August 1", "2013");
        dataRow("Saturday into Sunday", "2010-2011", "Saturday, August 7|Sunday, August 8", "2010");
    }

    // Every day of a week is written under its own weekday, in the right month, and the year
    // beside the week lists is that of the month (December's week may reach into January).
    void schoolDays()
    {
        const auto [schoolYear, days, year] =
            fetchRow<QString, QString, QString>({"schoolYear", "days", "year"});
        const QStringList first = days.section(u'|', 0, 0).split(u' '); // weekday, month, day
        const QDate start = calendar::dateOf(int(calendar::schoolMonths().indexOf(first.at(1))),
                                             first.at(2).toInt(), schoolYear);
        const QStringList list = calendar::schoolDays(start, int(days.count(u'|')) + 1);
        QCOMPARE(list.join(u'|'), days);
        QCOMPARE(calendar::yearLabel(first.at(1), list.last(), schoolYear), year);
    }

    void dates_data()
    {
        dataColumns<QString, QString, QString, QString>({"today", "schoolYear", "shown", "monday"});
        dataRow("1 August starts one", "2026-08-01", "2009-2010", "2009-08-01", "2026-07-27");
        dataRow("a Sunday", "2026-09-06", "2009-2010", "2009-09-06", "2026-08-31");
        dataRow("31 July ends one", "2026-07-31", "2009-2010", "2010-07-31", "2026-07-27");
        dataRow("29 February lacking", "2024-02-29", "2009-2010", "2010-02-28", "2024-02-26");
        dataRow("29 February kept", "2024-02-29", "2011-2012", "2012-02-29", "2024-02-26");
    }

    // The calendar opens on today within the plan's school year, a fresh install plans for the
    // school year that holds today, and the week offered for a day is the one that holds it.
    void dates()
    {
        const auto [iso, schoolYear, shown, monday] = fetchRow<QString, QString, QString, QString>(
            {"today", "schoolYear", "shown", "monday"});
        const QDate today = QDate::fromString(iso, Qt::ISODate);
        const QDate start = calendar::calendarStart(today, schoolYear);
        QCOMPARE(start.toString(Qt::ISODate), shown);
        const QString now = schoolYearOf(today);
        QVERIFY2(today >= calendar::calendarFirst(now) && today <= calendar::calendarLast(now),
                 qPrintable(now));
        QCOMPARE(calendar::weekStart(today, 1).toString(Qt::ISODate), monday);
    }

    void planName_data()
    {
        dataColumns<bool, bool, QString, QString, QString>(
            {"weekly", "abbrev", "period", "topic", "name"});
        dataRow("weekly, period", true, false, "3", "", "Algebra 1  Period 3  Week of Sep 14 2009");
        dataRow("school", true, true, "", "", "LHS  A. Teacher  Algebra 1  Week of Sep 14 2009");
        dataRow("unit, school and period", false, true, "3", "Fractions",
                "LHS  A. Teacher  Algebra 1  Period 3  Unit Plan 'Fractions'");
        // Quotes become two apostrophes; the nine characters and control characters become "_".
        dataRow("unit, unsafe period and topic", false, false, "1/2\\3*4:5<6>7|8`9?0",
                "O'Neil: \"Holes\"\t\r\n\x7f!",
                "Algebra 1  Period 1_2_3_4_5_6_7_8_9_0  Unit Plan 'O'Neil_ ''Holes''____!'");
    }

    // A built name reads back into the course, period and week the earlier-plans list shows; a
    // school abbreviation is not taken for the course; names we did not build are left alone.
    void planName()
    {
        auto [weekly, abbrev, period, topic, name] =
            fetchRow<bool, bool, QString, QString, QString>(
                {"weekly", "abbrev", "period", "topic", "name"});
        name = u"LPlans-- "_qs + (abbrev ? name : u"A. Teacher  "_qs + name) + u".doc"_qs;
        QCOMPARE(planFileName(parts(weekly, abbrev, period, topic)), name);
        bool replaced = true; // a safe name comes back as it was
        QCOMPARE(fileNameSafe(name, &replaced), name);
        QVERIFY(!replaced);
        const PlanTitle read = planTitle(name, QStringLiteral("Period"));
        QCOMPARE(read.text, name.chopped(4).split(u"  "_qs).mid(abbrev ? 2 : 1).join(u" \u00b7 "));
        QCOMPARE(read.week, weekly ? QDate(2009, 9, 14) : QDate());
        const QString noWeek = QStringLiteral("LPlans-- A. T  Week of Feb 30 2009.doc");
        QCOMPARE(planTitle(noWeek, QStringLiteral("Period")).text, noWeek);
    }

    void longNamesFit_data()
    {
        dataColumns<bool, int, int, QString>({"weekly", "teacher", "topic", "ends"});
        dataRow("weekly, long teacher and course", true, 200, 0, "  Week of Sep 14 2009.doc");
        dataRow("unit, long teacher", false, 200, 0, "  Unit Plan 'Fractions'.doc");
        dataRow("unit, long topic", false, 10, 300, "'.doc");
    }

    // A name past the file system's limit could never be saved: it is cut, keeping the week or
    // unit and the extension, and a real file of that name can be written.
    void longNamesFit()
    {
        const auto [weekly, teacher, topic, ends] =
            fetchRow<bool, int, int, QString>({"weekly", "teacher", "topic", "ends"});
        // Two bytes a character in UTF-8 for the teacher, three for a long topic.
        PlanNameParts p =
            parts(weekly, false, u"3"_qs, topic ? QString(topic, QChar(0x6587)) : u"Fractions"_qs);
        p.teacher = QString(teacher, QChar(0xe9));
        p.course = QStringLiteral("c ").repeated(50); // a cut before a blank drops the blank
        const QString name = planFileName(p);
        QVERIFY2(name.toUtf8().size() <= MaxFileNameBytes && name.endsWith(ends) &&
                     !name.contains(QStringLiteral("   ")),
                 qPrintable(name));
        QTemporaryDir dir;
        // The folder as the teacher types it, with its separator.
        const QString path = pathInFolder(dir.path() + u'/', name);
        QVERIFY2(safefile::write(path, "{\\rtf1}"), qPrintable(name));
        QVERIFY(samePlanPath(path, dir.path() + u"//"_qs + name) &&
                nameInFolder(path, dir.path()) == name);
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
