#include "document/filenames.h"

#include "settings/settings.h"

#include <QDir>
#include <QFileInfo>

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

QString planFileName(const PlanNameParts &p)
{
    const QString two = QStringLiteral("  ");
    QString name = QStringLiteral("LPlans-- ");
    if (p.useSchoolAbbrev)
        name += fileNameSafe(p.schoolAbbrev) + two;
    name += fileNameSafe(p.teacher) + two + fileNameSafe(p.course);
    if (p.showPeriod)
        name += two + fileNameSafe(p.periodHeading) + QLatin1Char(' ') + fileNameSafe(p.period);
    if (p.weekly)
        name += QStringLiteral("  Week of ") + fileNameSafe(p.month.left(3)) + QLatin1Char(' ') +
                fileNameSafe(p.date) + QLatin1Char(' ') + fileNameSafe(p.year);
    else
        name += QStringLiteral("  Unit Plan '") + fileNameSafe(p.unitTopic) + QLatin1Char('\'');
    return name + QLatin1Char('.') + fileNameSafe(p.extension);
}

QString pathInFolder(const QString &folder, const QString &name)
{
    return QDir(QDir::fromNativeSeparators(folder)).filePath(name);
}

QString folderForDisplay(const QString &folder)
{
    QString shown = QDir::toNativeSeparators(folder);
    if (!shown.endsWith(QDir::separator()))
        shown += QDir::separator();
    return shown;
}

QString nameInFolder(const QString &path, const QString &folder)
{
    const QString file =
        QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
    const QString dir =
        QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(folder)).absoluteFilePath());
    const QString prefix = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
    if (!folder.isEmpty() && file.startsWith(prefix))
        return QDir::toNativeSeparators(file.mid(prefix.size()));
    return QDir::toNativeSeparators(path);
}

bool samePlanPath(const QString &a, const QString &b)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    const auto clean = [](const QString &p) {
        return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(p)).absoluteFilePath());
    };
    return QString::compare(clean(a), clean(b), cs) == 0;
}

bool beginsAsRtf(const QByteArray &head)
{
    return head.startsWith("{\\rtf");
}
