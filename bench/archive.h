// Plans the way the program writes them, generated for the benchmarks: a week is a heading, the
// course line and five days, each with its objective, numbered activities with their time on
// task, closure, assessment, materials and standards.
#pragma once

#include "platform/rtf/rtfformat.h"

#include <QTextCursor>
#include <QTextDocument>

namespace bench
{

// A piece of a plan with the attributes it is written with.
struct Piece {
    QString text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// One school day, about 900 bytes of RTF.
inline QList<Piece> dayPieces(int week, int day)
{
    static const char *const days[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    static const char *const activities[] = {
        "Warm-up: three fraction strips on the board",
        "Mini-lesson on common denominators \u2013 the café recipe problem",
        "Partner practice, worksheet 4b (problems 1\u201312)",
        "Gallery walk: groups post one solution each"};
    QList<Piece> pieces;
    pieces.append({QStringLiteral("%1, week %2\n").arg(QLatin1String(days[day % 5])).arg(week + 1),
                   true, false, true});
    pieces.append({QStringLiteral("Objective: "), true});
    pieces.append({QStringLiteral("Students will compare fractions with unlike denominators and "
                                  "explain their reasoning to a partner.\n")});
    pieces.append({QStringLiteral("Activities\n"), true, false, true});
    for (int i = 0; i < 4; ++i) {
        pieces.append({QStringLiteral("%1. %2 ").arg(i + 1).arg(QString::fromUtf8(activities[i]))});
        pieces.append({QStringLiteral("(%1 minutes)\n").arg(5 + 5 * i), false, true});
    }
    pieces.append({QStringLiteral("Closure: "), true});
    pieces.append({QStringLiteral(
        "Exit ticket with two questions; naïve answers welcome, and one question each "
        "student still has about fractions.\n")});
    pieces.append({QStringLiteral("Assessment: "), true});
    pieces.append({QStringLiteral("Observation checklist\tExit ticket\n")});
    pieces.append({QStringLiteral("Materials: "), true});
    pieces.append({QStringLiteral("fraction strips, worksheet 4b, chart paper, markers, sticky "
                                  "notes, the recipe cards from Monday\n")});
    pieces.append({QStringLiteral("Standards: "), true});
    pieces.append({QStringLiteral("5.NF.A.1 \u2192 add and subtract fractions\n")});
    return pieces;
}

// The heading of a weekly plan.
inline QList<Piece> weekPieces(int week)
{
    return {{QStringLiteral("Lesson Plans \u2013 Algebra I, Period 3\n"), true},
            {QStringLiteral("Week %1 \u2013 Unit: Fractions\n").arg(week + 1), false, true}};
}

inline void insert(QTextCursor &cursor, const QList<Piece> &pieces)
{
    for (const Piece &piece : pieces) {
        QTextCharFormat format;
        format.setFontWeight(piece.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(piece.italic);
        format.setFontUnderline(piece.underline);
        cursor.insertText(piece.text, format);
    }
}

// A document of `days` school days, in weeks.
inline void writeDays(QTextDocument &doc, int days)
{
    doc.setDefaultFont(rtf::defaultFont());
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (int day = 0; day < days; ++day) {
        if (day % 5 == 0)
            insert(cursor, weekPieces(day / 5));
        insert(cursor, dayPieces(day / 5, day % 5));
    }
    cursor.endEditBlock();
}

} // namespace bench
