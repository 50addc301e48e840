#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The arithmetic of the school calendar. A school year is written "2009-2010" (readSchoolYear):
// the year of August to December, then the year of January to July. A week is named from the
// real dates it holds, so no day is ever written under the wrong weekday.
namespace calendar
{

// "August" to "July": the order of the month list, a school year starting in August.
const QStringList &schoolMonths();

// Gregorian rule: divisible by 4, and by 400 or not by 100.
bool isLeapYear(int year);

// The year of August to December, and the year of January to July (0 when unreadable).
int firstYear(const QString &schoolYear);
int secondYear(const QString &schoolYear);

// Number of dates offered for a month of the list; February lies in the second year.
int daysInMonth(const QString &month, const QString &schoolYear);

// The real date of a day of the month at monthIndex of the list (August 0 ... July 11) in the
// school year; invalid when there is no such day or the school year cannot be read.
QDate dateOf(int monthIndex, int day, const QString &schoolYear);

// The entries of the day list for a week of daysPerWeek days starting on start, each named
// from its own date: "Monday, August 24". A week may run past July into August.
QStringList schoolDays(const QDate &start, int daysPerWeek);
// One entry of the day list: "Monday, August 24".
QString dayEntry(const QDate &date);

// The index into strDayNames of a date's weekday (0 = Sunday ... 6 = Saturday), and the first
// day of the week that holds the date when weeks begin on firstDay.
int weekdayIndex(const QDate &date);
QDate weekStart(const QDate &date, int firstDay);

// The year shown beside the week lists: empty without a month; the first year for August to
// November; for December the second year once the chosen day lies in January; else the second.
QString yearLabel(const QString &month, const QString &dayText, const QString &schoolYear);

// Where the calendar window opens: today's month and day within the school year. A 29 February
// that the school year does not have becomes 28 February.
QDate calendarStart(const QDate &today, const QString &schoolYear);
// The range the calendar window allows: 1 August of the first year to 31 July of the second.
QDate calendarFirst(const QString &schoolYear);
QDate calendarLast(const QString &schoolYear);

// The month list index of a real date's month (August 0 ... July 11).
int monthListIndex(const QDate &date);

} // namespace calendar
