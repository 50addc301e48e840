#include "settings/settings.h"

#include <QRegularExpression>

const QStringList strDayNames = {
    QStringLiteral("Sunday"),    QStringLiteral("Monday"),    QStringLiteral("Tuesday"),
    QStringLiteral("Wednesday"), QStringLiteral("Thursday"),  QStringLiteral("Friday"),
    QStringLiteral("Saturday"),  QStringLiteral("Sunday"),    QStringLiteral("Monday"),
    QStringLiteral("Tuesday"),   QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
    QStringLiteral("Friday"),    QStringLiteral("Saturday")};

QString ReplaceQuotes(const QString &text)
{
    QString result = text;
    return result.replace(QLatin1Char('"'), QStringLiteral("''"));
}

bool readSchoolYear(const QString &text, int *first, int *second)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([0-9]{4})\\s*[-\\x{2013}/]\\s*([0-9]{4}|[0-9]{2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const int from = match.captured(1).toInt();
    int to = match.captured(2).toInt();
    // "2009-10": the second year shares the century of the first, or the next one ("2099-00").
    if (match.capturedLength(2) == 2) {
        to += from - from % 100;
        if (to < from)
            to += 100;
    }
    if (from < 1000 || to != from + 1)
        return false;
    if (first)
        *first = from;
    if (second)
        *second = to;
    return true;
}

QString schoolYearOf(const QDate &day)
{
    const int first = day.month() >= 8 ? day.year() : day.year() - 1;
    return QString::number(first) + QLatin1Char('-') + QString::number(first + 1);
}
