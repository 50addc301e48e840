#include "document/filenames.h"

#include "settings/settings.h"

QString fileNameSafe(const QString &text, bool *replaced)
{
    QString result = ReplaceQuotes(text);
    bool any = false;
    static const QString illegal = QStringLiteral("/\\*:<>|`?");
    for (QChar &c : result) {
        if (illegal.contains(c)) {
            c = QLatin1Char('_');
            any = true;
        }
    }
    if (replaced)
        *replaced = any;
    return result;
}
