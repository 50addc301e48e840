#include "settings/settings.h"

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
