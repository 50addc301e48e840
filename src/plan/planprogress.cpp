#include "plan/planprogress.h"

#include <QDataStream>

namespace
{
constexpr int LastStep = 4;
// The day list never holds more than a week of days.
constexpr int LastDayIndex = 13;
} // namespace

bool PlanProgress::isValid() const
{
    return step >= 0 && step <= LastStep && dayIndex >= -1 && dayIndex <= LastDayIndex &&
           listed.size() == entries.size();
}

QDataStream &operator<<(QDataStream &out, const PlanProgress &p)
{
    out << p.weekly << p.course << p.period << p.month << p.date << p.unitTopic << qint32(p.step)
        << qint32(p.dayIndex) << p.day << p.dayWritten << p.standardsAdded << p.objective
        << p.objectiveOpen << p.listed << p.entries << p.closure << p.specialNote << p.unitText
        << p.materialsListing;
    return out;
}

QDataStream &operator>>(QDataStream &in, PlanProgress &p)
{
    qint32 step = 0;
    qint32 dayIndex = -1;
    in >> p.weekly >> p.course >> p.period >> p.month >> p.date >> p.unitTopic >> step >>
        dayIndex >> p.day >> p.dayWritten >> p.standardsAdded >> p.objective >> p.objectiveOpen >>
        p.listed >> p.entries >> p.closure >> p.specialNote >> p.unitText >> p.materialsListing;
    p.step = step;
    p.dayIndex = dayIndex;
    return in;
}
