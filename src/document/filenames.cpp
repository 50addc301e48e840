#include "document/filenames.h"

#include "platform/rtf/rtfreader.h"
#include "settings/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

QString fileNameSafe(const QString &text, bool *replaced)
{
    QString result = ReplaceQuotes(text);
    bool any = false;
    static const QString illegal = QStringLiteral("/\\*:<>|`?");
    for (QChar &c : result) {
        if (illegal.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f) {
            c = QLatin1Char('_');
            any = true;
        }
    }
    if (replaced)
        *replaced = any;
    return result;
}

namespace
{
qsizetype encodedSize(const QString &text)
{
    return text.toUtf8().size();
}

// The text cut at its end to at most the given number of UTF-8 bytes, never inside a
// surrogate pair, without the blanks the cut leaves at its end.
QString cutToBytes(QString text, qsizetype bytes)
{
    while (!text.isEmpty() && encodedSize(text) > bytes) {
        text.chop(1);
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
    }
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}
} // namespace

QString planFileName(const PlanNameParts &p)
{
    const QString two = QStringLiteral("  ");
    const QString prefix = QStringLiteral("LPlans-- ");
    QString who;
    if (p.useSchoolAbbrev)
        who += fileNameSafe(p.schoolAbbrev) + two;
    who += fileNameSafe(p.teacher) + two + fileNameSafe(p.course);
    if (p.showPeriod)
        who += two + fileNameSafe(p.periodHeading) + QLatin1Char(' ') + fileNameSafe(p.period);
    const QString extension = QLatin1Char('.') + fileNameSafe(p.extension);
    if (p.weekly) {
        const QString week = QStringLiteral("  Week of ") + fileNameSafe(p.month.left(3)) +
                             QLatin1Char(' ') + fileNameSafe(p.date) + QLatin1Char(' ') +
                             fileNameSafe(p.year);
        const QString name = prefix + who + week + extension;
        if (encodedSize(name) <= MaxFileNameBytes)
            return name;
        // Too long for the file system: the teacher, course and period give way, the week
        // and the file type stay.
        const QString cut =
            prefix + cutToBytes(who, MaxFileNameBytes - encodedSize(prefix + week + extension)) +
            week;
        // Only a school year of absurd length is left too long here.
        return cutToBytes(cut, MaxFileNameBytes - encodedSize(extension)) + extension;
    }
    const QString topic = fileNameSafe(p.unitTopic);
    const QString name =
        prefix + who + QStringLiteral("  Unit Plan '") + topic + QLatin1Char('\'') + extension;
    if (encodedSize(name) <= MaxFileNameBytes)
        return name;
    // The topic keeps at least half of the room; the rest goes to the teacher and course.
    const QString fixed = prefix + QStringLiteral("  Unit Plan ''") + extension;
    const qsizetype room = MaxFileNameBytes - encodedSize(fixed);
    const QString cutTopic = cutToBytes(topic, std::max(room / 2, room - encodedSize(who)));
    const QString cutWho = cutToBytes(who, room - encodedSize(cutTopic));
    return prefix + cutWho + QStringLiteral("  Unit Plan '") + cutTopic + QLatin1Char('\'') +
           extension;
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
    return rtf::looksLikeRtf(head);
}

PlanTitle planTitle(const QString &fileName, const QString &periodHeading)
{
    PlanTitle t;
    t.text = fileName;
    const QString prefix = QStringLiteral("LPlans-- ");
    if (!fileName.startsWith(prefix))
        return t;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString body = fileName.mid(prefix.size(), dot > 0 ? dot - prefix.size() : -1);
    QStringList parts = body.split(QStringLiteral("  "));
    if (parts.size() < 3)
        return t;
    const QString last = parts.takeLast();
    static const QRegularExpression week(
        QStringLiteral("^Week of ([A-Z][a-z]{2}) (\\d{1,2}) (\\d{4})$"));
    static const QRegularExpression unit(QStringLiteral("^Unit Plan '(.*)'$"));
    if (const auto m = week.match(last); m.hasMatch()) {
        static const QStringList months{
            QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
            QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"),
            QStringLiteral("Jul"), QStringLiteral("Aug"), QStringLiteral("Sep"),
            QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
        const int month = int(months.indexOf(m.captured(1))) + 1;
        t.week = QDate(m.captured(3).toInt(), month, m.captured(2).toInt());
        if (!t.week.isValid())
            return t;
    } else if (!unit.match(last).hasMatch()) {
        return t;
    }
    t.plan = last;
    // Left: [abbreviation] teacher course [heading period].
    const bool withPeriod =
        parts.size() == 4 || (parts.size() == 3 && !periodHeading.isEmpty() &&
                              parts.last().startsWith(periodHeading + QLatin1Char(' ')));
    if (withPeriod)
        t.period = parts.takeLast();
    if (parts.size() != 2 && parts.size() != 3)
        return PlanTitle{false, {}, {}, {}, {}, fileName};
    t.course = parts.last();
    t.isPlan = true;
    QStringList shown{t.course};
    if (!t.period.isEmpty())
        shown.append(t.period);
    shown.append(t.plan);
    t.text = shown.join(QStringLiteral(" \u00b7 "));
    return t;
}
