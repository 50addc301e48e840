#pragma once

#include <QString>
#include <QStringList>

class QDataStream;

// How far a plan has come: what it is for, the step and the school day it stands at, and the
// entries of the day that are not yet in the document. The step driver hands it out and takes
// it back (PlanStart::progress and PlanStart::resume); the recovery copy keeps it beside the
// document, so a plan taken up again goes on exactly where it stood and writes nothing twice.
struct PlanProgress {
    // What the plan is for
    bool weekly = true;
    QString course;
    QString period;
    QString month;
    QString date;
    QString unitTopic;

    // Where it stands: intStep, the school day, and what has been written of the plan
    int step = 0;
    int dayIndex = -1;
    QString day;
    bool dayWritten = false;
    bool standardsAdded = false;

    // The day's entries not yet written (texts with CR LF line breaks)
    QString objective;
    bool objectiveOpen = false; // the objective may still be edited
    QStringList listed;         // the list as shown, short forms
    QStringList entries;        // the full entries that will be written
    QString closure;
    QString specialNote;
    QString unitText;
    QString materialsListing; // the materials step's listing being built

    bool operator==(const PlanProgress &) const = default;

    // Checked after reading: every value the screen will index or switch on is in range.
    bool isValid() const;
};

QDataStream &operator<<(QDataStream &out, const PlanProgress &p);
QDataStream &operator>>(QDataStream &in, PlanProgress &p);
