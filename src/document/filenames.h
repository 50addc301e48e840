#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class Platform;

// Entries that become part of a plan's file name: a double quote becomes two apostrophes, and
// each of the characters / \ * : < > | ` ? and every control character (a tab, a line break)
// becomes "_". *replaced tells whether any of those
// characters was found (the quote rule alone does not count).
QString fileNameSafe(const QString &text, bool *replaced = nullptr);

// fileNameSafe, telling the teacher with the "Illegal Characters" message when characters
// had to be replaced. Used when an entry field that feeds the file name is left.
QString MakeFileNameSafe(const QString &text, Platform &platform);

// What a plan's file name is built from.
struct PlanNameParts {
    bool useSchoolAbbrev = false;
    QString schoolAbbrev;
    QString teacher;
    QString course;
    bool showPeriod = false;
    QString periodHeading;
    QString period;
    bool weekly = true;
    QString month; // the month's full name; its first three letters are used
    QString date;
    QString year;
    QString unitTopic;
    QString extension; // without the dot
};

// "LPlans-- " + [abbreviation "  "] + teacher "  " course + ["  " heading " " period] + the week
// or unit part + "." extension. Every entry is made safe on its own (silently), so a course name
// holding a slash still gives a name the file system takes; entries that were safe already come
// out unchanged, so earlier files keep their names.
// A name longer than MaxFileNameBytes (in UTF-8) is shortened: the teacher, course and period
// give way first, then the unit topic; the week and the extension are always kept.
QString planFileName(const PlanNameParts &parts);

// The longest plan file name: file systems take 255 bytes, and a save first writes a
// temporary file named after the plan with seven characters more.
constexpr qsizetype MaxFileNameBytes = 240;

// The file at the folder under the name, joined with the platform's separator.
QString pathInFolder(const QString &folder, const QString &name);
// The folder as the teacher reads it in messages: native separators, ending in one.
QString folderForDisplay(const QString &folder);
// The path as the teacher reads it, relative to the folder when it lies inside it.
QString nameInFolder(const QString &path, const QString &folder);
// Whether two paths name the same file (ignoring case where the file system does).
bool samePlanPath(const QString &a, const QString &b);

// Whether the first bytes of a file are those of a rich-text document ("{\rtf", after a
// byte-order mark or blank lines that some word processors write first).
bool beginsAsRtf(const QByteArray &head);

// What a built plan file name says, read back for the earlier-plans list.
struct PlanTitle {
    bool isPlan = false; // false: the name is not one the program builds
    QString course;
    QString period; // "Period 2", empty when the name holds none
    QString plan;   // "Week of Dec 7 2026" or "Unit Plan 'Cells'"
    QDate week;     // the week's first day; invalid for unit plans
    QString text;   // "Math 7 · Period 2 · Week of Dec 7 2026", or the file name
};

// Reads a file name built by planFileName back into its parts. The period heading of the
// settings tells a name with a school abbreviation from one with a period.
PlanTitle planTitle(const QString &fileName, const QString &periodHeading);
