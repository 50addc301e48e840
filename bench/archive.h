// Plans the way the program writes them, generated for the benchmarks: a week is a heading, the
// course line and five days, each with its objective, numbered activities with their time on
// task, closure, assessment, materials and standards.
#pragma once

#include "platform/rtf/rtfformat.h"

#include <QTextCursor>
#include <QTextDocument>

namespace bench
{

inline QTextCharFormat runFormat(bool bold, bool italic, bool underline)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontUnderline(underline);
    return format;
}

// One school day, about a kilobyte of RTF.
inline void writeDay(QTextCursor &cursor, int week, int day)
{
    static const char *const days[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    const QTextCharFormat plain = runFormat(false, false, false);
    const QTextCharFormat bold = runFormat(true, false, false);
    const QTextCharFormat heading = runFormat(true, false, true);
    const QTextCharFormat italic = runFormat(false, true, false);
    cursor.insertText(QStringLiteral("%1, week %2\n").arg(QLatin1String(days[day])).arg(week + 1),
                      heading);
    cursor.insertText(QStringLiteral("Objective: "), bold);
    cursor.insertText(QStringLiteral("Students will compare fractions with unlike denominators "
                                     "and explain their reasoning to a partner.\n"),
                      plain);
    cursor.insertText(QStringLiteral("Activities\n"), heading);
    static const char *const activities[] = {
        "Warm-up: three fraction strips on the board",
        "Mini-lesson on common denominators \u2013 the café recipe problem",
        "Partner practice, worksheet 4b (problems 1\u201312)",
        "Gallery walk: groups post one solution each"};
    for (int i = 0; i < 4; ++i) {
        cursor.insertText(
            QStringLiteral("%1. %2 ").arg(i + 1).arg(QString::fromUtf8(activities[i])), plain);
        cursor.insertText(QStringLiteral("(%1 minutes)\n").arg(5 + 5 * i), italic);
    }
    cursor.insertText(QStringLiteral("Closure: "), bold);
    cursor.insertText(QStringLiteral("Exit ticket with two questions; naïve answers welcome.\n"),
                      plain);
    cursor.insertText(QStringLiteral("Assessment: "), bold);
    cursor.insertText(QStringLiteral("Observation checklist\tExit ticket\n"), plain);
    cursor.insertText(QStringLiteral("Materials: "), bold);
    cursor.insertText(QStringLiteral("fraction strips, worksheet 4b, chart paper, markers, "
                                     "sticky notes, the recipe cards from Monday\n"),
                      plain);
    cursor.insertText(QStringLiteral("Standards: "), bold);
    cursor.insertText(QStringLiteral("5.NF.A.1 \u2192 add and subtract fractions\n"), plain);
}

inline void writeWeekHeading(QTextCursor &cursor, int week)
{
    cursor.insertText(QStringLiteral("Lesson Plans \u2013 Algebra I, Period 3\n"),
                      runFormat(true, false, false));
    cursor.insertText(QStringLiteral("Week %1 \u2013 Unit: Fractions\n").arg(week + 1),
                      runFormat(false, true, false));
}

// A document of `days` school days, in weeks.
inline void writeDays(QTextDocument &doc, int days)
{
    doc.setDefaultFont(rtf::defaultFont());
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (int day = 0; day < days; ++day) {
        if (day % 5 == 0)
            writeWeekHeading(cursor, day / 5);
        writeDay(cursor, day / 5, day % 5);
    }
    cursor.endEditBlock();
}

} // namespace bench
