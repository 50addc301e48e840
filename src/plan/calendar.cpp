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
    return schoolYear.left(4).toInt();
}

int secondYear(const QString &schoolYear)
{
    return schoolYear.right(4).toInt();
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

static QString nextMonthKey(int monthIndex)
{
    const QStringList &months = schoolMonths();
    const int next = monthIndex + 1;
    const QString month = next >= 0 && next < months.size() ? months.at(next) : months.first();
    return month + QStringLiteral("01");
}

QString rollOverDay(const QString &key, int &monthIndex, const QString &schoolYear)
{
    if (key.size() < 3)
        return key;
    const QString month = key.left(key.size() - 2);
    const int day = key.right(2).toInt();
    if (month == QLatin1String("September") || month == QLatin1String("November") ||
        month == QLatin1String("April") || month == QLatin1String("June")) {
        if (day > 30)
            return nextMonthKey(monthIndex);
    } else if (month == QLatin1String("February")) {
        const bool leap = isLeapYear(secondYear(schoolYear));
        if (day > 28 && !(leap && day <= 29))
            return nextMonthKey(monthIndex);
    } else if (day > 31) {
        if (monthIndex + 1 == schoolMonths().size())
            monthIndex = -1;
        return nextMonthKey(monthIndex);
    }
    return key;
}

QStringList schoolDays(int monthIndex, int date, int firstDay, int daysPerWeek,
                       const QString &schoolYear)
{
    const QStringList &months = schoolMonths();
    QStringList days;
    if (monthIndex < 0 || monthIndex >= months.size())
        return days;
    QString key =
        months.at(monthIndex) + QStringLiteral("%1").arg(date - 1, 2, 10, QLatin1Char('0'));
    for (int i = 0; i < daysPerWeek; ++i) {
        const QString month = key.left(key.size() - 2);
        const int day = key.right(2).toInt() + 1;
        key = rollOverDay(month + QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')),
                          monthIndex, schoolYear);
        const int name = firstDay + i;
        days.append((name >= 0 && name < strDayNames.size() ? strDayNames.at(name) : QString()) +
                    QStringLiteral(", ") + key.left(key.size() - 2) + QLatin1Char(' ') +
                    QString::number(key.right(2).toInt()));
    }
    return days;
}

QString yearLabel(const QString &month, const QString &dayText, const QString &schoolYear)
{
    if (month.isEmpty())
        return QString();
    const int index = int(schoolMonths().indexOf(month));
    if (index >= 0 && index <= 3)
        return schoolYear.left(4);
    if (month == QLatin1String("December"))
        return dayText.contains(QLatin1String("January")) ? schoolYear.right(4)
                                                          : schoolYear.left(4);
    return schoolYear.right(4);
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

int weekdayNumber(const QDate &date)
{
    return date.dayOfWeek() % 7 + 1;
}

} // namespace calendar
