#include "plan/calendar.h"

#include "settings/settings.h"

namespace calendar
{

const QStringList &schoolMonths()
{
    static const QStringList months = {
        QStringLiteral("August"),   QStringLiteral("September"), QStringLiteral("October"),
        QStringLiteral("November"), QStringLiteral("December"),  QStringLiteral("January"),
        QStringLiteral("February"), QStringLiteral("March"),     QStringLiteral("April"),
        QStringLiteral("May"),      QStringLiteral("June"),      QStringLiteral("July")};
    return months;
}

bool isLeapYear(int year)
{
    return year % 4 == 0 && (year % 400 == 0 || year % 100 != 0);
}

int firstYear(const QString &schoolYear)
{
    int first = 0;
    readSchoolYear(schoolYear, &first);
    return first;
}

int secondYear(const QString &schoolYear)
{
    int second = 0;
    readSchoolYear(schoolYear, nullptr, &second);
    return second;
}

int daysInMonth(const QString &month, const QString &schoolYear)
{
    if (month == QLatin1String("September") || month == QLatin1String("April") ||
        month == QLatin1String("June") || month == QLatin1String("November"))
        return 30;
    if (month == QLatin1String("February"))
        return isLeapYear(secondYear(schoolYear)) ? 29 : 28;
    return 31;
}

QDate dateOf(int monthIndex, int day, const QString &schoolYear)
{
    int first = 0;
    int second = 0;
    if (monthIndex < 0 || monthIndex >= schoolMonths().size() ||
        !readSchoolYear(schoolYear, &first, &second))
        return QDate();
    // August (0) to December (4) lie in the first year, January (5) to July (11) in the second.
    return QDate(monthIndex <= 4 ? first : second, (monthIndex + 7) % 12 + 1, day);
}

QString dayEntry(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return strDayNames.at(weekdayIndex(date)) + QStringLiteral(", ") +
           schoolMonths().at(monthListIndex(date)) + QLatin1Char(' ') + QString::number(date.day());
}

QStringList schoolDays(const QDate &start, int daysPerWeek)
{
    QStringList days;
    if (!start.isValid())
        return days;
    for (int i = 0; i < daysPerWeek; ++i)
        days.append(dayEntry(start.addDays(i)));
    return days;
}

int weekdayIndex(const QDate &date)
{
    return date.dayOfWeek() % 7;
}

QDate weekStart(const QDate &date, int firstDay)
{
    return date.addDays(-((weekdayIndex(date) - firstDay + 7) % 7));
}

QString yearLabel(const QString &month, const QString &dayText, const QString &schoolYear)
{
    int first = 0;
    int second = 0;
    if (month.isEmpty() || !readSchoolYear(schoolYear, &first, &second))
        return QString();
    const int index = int(schoolMonths().indexOf(month));
    if (index >= 0 && index <= 3)
        return QString::number(first);
    if (month == QLatin1String("December"))
        return QString::number(dayText.contains(QLatin1String("January")) ? second : first);
    return QString::number(second);
}

QDate calendarStart(const QDate &today, const QString &schoolYear)
{
    const int year = firstYear(schoolYear) + (today.month() <= 7 ? 1 : 0);
    int day = today.day();
    if (today.month() == 2 && day == 29 && !isLeapYear(year))
        day = 28;
    return QDate(year, today.month(), day);
}

QDate calendarFirst(const QString &schoolYear)
{
    return QDate(firstYear(schoolYear), 8, 1);
}

QDate calendarLast(const QString &schoolYear)
{
    return QDate(secondYear(schoolYear), 7, 31);
}

int monthListIndex(const QDate &date)
{
    return (date.month() + 4) % 12;
}

} // namespace calendar
