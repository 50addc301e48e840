#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The arithmetic of the school calendar. A school year is written "2009-2010": its first four
// characters are the year of August to December, its last four the year of January to July.
// Weeks are worked out from month names and day numbers, not from dates; only the calendar
// window checks a real weekday.
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

// A day key is a month name followed by a two-digit day ("August31"). When the day lies past
// the end of its month, the key of the first day of the next month in the list (the entry at
// monthIndex + 1, July being followed by August, which sets monthIndex to -1) is returned;
// otherwise the key unchanged. One step of roll-over per call.
QString rollOverDay(const QString &key, int &monthIndex, const QString &schoolYear);

// The entries of the day list for a week starting on the given date of the month at
// monthIndex of the list: daysPerWeek entries "Monday, August 24", named by position from
// firstDay. monthIndex is updated as rollOverDay does.
QStringList schoolDays(int monthIndex, int date, int firstDay, int daysPerWeek,
                       const QString &schoolYear);

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
// The weekday number used by the week settings: 1 = Sunday ... 7 = Saturday.
int weekdayNumber(const QDate &date);

} // namespace calendar
