#include "settings/settingsstore.h"

#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>

namespace
{

const QString MarkerGroup = QStringLiteral("Quillmark");
const QString VersionKey = QStringLiteral("Quillmark/FormatVersion");
const QString SettingsGroup = QStringLiteral("Settings");
const QString FileName = QStringLiteral("quillmark.ini");

// The key of every setting is the name of its member in SettingsRecord.
#define QM_SETTING(member) #member, &SettingsRecord::member

struct TextSetting {
    const char *key;
    QString SettingsRecord::*member;
};

struct FlagSetting {
    const char *key;
    bool SettingsRecord::*member;
};

struct NumberSetting {
    const char *key;
    int SettingsRecord::*member;
    int min;
    int max;
};

// Every text here is a single line: names, headings, punctuation, folder and file type.
const TextSetting textSettings[] = {
    {QM_SETTING(strTeacherName)},     {QM_SETTING(strSchoolYear)},
    {QM_SETTING(strSchoolName)},      {QM_SETTING(strSchoolAbbrev)},
    {QM_SETTING(strCourseHeading)},   {QM_SETTING(strPeriodHeading)},
    {QM_SETTING(strUnitGoalHeading)}, {QM_SETTING(strDailyObjHeading)},
    {QM_SETTING(strTasksHeading)},    {QM_SETTING(strActivityPunct)},
    {QM_SETTING(strTimeTemplate)},    {QM_SETTING(strTimeUnit)},
    {QM_SETTING(strClosureHeading)},  {QM_SETTING(strAssessHeading)},
    {QM_SETTING(strAssessPunct)},     {QM_SETTING(strStandardsHeading)},
    {QM_SETTING(strStandardsMode)},   {QM_SETTING(strNoteOpen)},
    {QM_SETTING(strNoteClose)},       {QM_SETTING(strUnitTopicHeading)},
    {QM_SETTING(strTimelineHeading)}, {QM_SETTING(strStorageFolder)},
    {QM_SETTING(strFileExt)},         {QM_SETTING(strFileTypeName)},
};

const FlagSetting flagSettings[] = {
    {QM_SETTING(blnUseSchoolName)},  {QM_SETTING(blnUseSchoolAbbrev)},
    {QM_SETTING(blnWeeklyPlans)},    {QM_SETTING(blnShowPeriod)},
    {QM_SETTING(blnShowUnitGoal)},   {QM_SETTING(blnShowDailyObj)},
    {QM_SETTING(blnShowTime)},       {QM_SETTING(blnShowClosure)},
    {QM_SETTING(blnShowAssessment)}, {QM_SETTING(blnShowMaterials)},
    {QM_SETTING(blnShowStandards)},  {QM_SETTING(blnStandardsOnce)},
    {QM_SETTING(blnShowNote)},       {QM_SETTING(blnShowUnitTopic)},
    {QM_SETTING(blnShowTimeline)},
};

const NumberSetting numberSettings[] = {
    {QM_SETTING(intDisplayOrder), 0, 3},
    {QM_SETTING(intFirstDay), 0, 6},
    {QM_SETTING(intDaysPerWeek), 2, 7},
};

enum class ListKind {
    Courses,    // exactly CourseCount single-line entries
    PickList,   // exactly ActivityCount single-line entries, the last one always empty
    Materials,  // kind letter, checked digit, text
    StdCodes,   // single line, parallel to StdTexts
    StdTexts,   // may hold line breaks
    StdChoices, // exactly StdChoiceCount strings of 0/1 digits
};

struct ListSetting {
    const char *key;
    QStringList SettingsRecord::*member;
    ListKind kind;
};

const ListSetting listSettings[] = {
    {QM_SETTING(strCourses), ListKind::Courses},
    {QM_SETTING(strActivities), ListKind::PickList},
    {QM_SETTING(strAssessments), ListKind::PickList},
    {QM_SETTING(strMaterials), ListKind::Materials},
    {QM_SETTING(strStdCodes), ListKind::StdCodes},
    {QM_SETTING(strStdTexts), ListKind::StdTexts},
    {QM_SETTING(strStdChoices), ListKind::StdChoices},
};

#undef QM_SETTING

const ListSetting &listSetting(ListKind kind)
{
    for (const ListSetting &l : listSettings) {
        if (l.kind == kind)
            return l;
    }
    return listSettings[0];
}

// Valid (open, close) pairs for the special note.
const std::pair<QLatin1StringView, QLatin1StringView> notePairs[] = {
    {QLatin1StringView("["), QLatin1StringView("]")},
    {QLatin1StringView("[ "), QLatin1StringView(" ]")},
    {QLatin1StringView("( "), QLatin1StringView(" )")},
    {QLatin1StringView(""), QLatin1StringView("")},
};

const QLatin1StringView timeTemplates[] = {QLatin1StringView("(X) "), QLatin1StringView("[X] ")};

// The document file types offered: the extension and the names the file-type screen stores with
// it (the first is the one it writes; "Word Document" is the factory name of "doc").
struct FileType {
    QLatin1StringView ext;
    QLatin1StringView name;
    QLatin1StringView otherName;
};
const FileType fileTypes[] = {
    {QLatin1StringView("rtf"), QLatin1StringView("Rich Text"), {}},
    {QLatin1StringView("doc"), QLatin1StringView("''Word'' Document"),
     QLatin1StringView("Word Document")},
    {QLatin1StringView("wps"), QLatin1StringView("''Works'' Word Processor Document"), {}},
    {QLatin1StringView("wpd"), QLatin1StringView("WordPerfect Document"), {}},
};

QString refused(const QString &reason)
{
    return reason + QStringLiteral(" No settings were changed.");
}

QString settingKey(const char *key)
{
    return SettingsGroup + QLatin1Char('/') + QLatin1StringView(key);
}

// Stored texts never hold a double quote; single-line texts never hold a line break or any
// other control character, and multi-line texts keep only their breaks and tabs.
QString cleanText(const QString &text, bool multiLine)
{
    QString result = ReplaceQuotes(text);
    if (!multiLine)
        result.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar &c : result) {
        if (c.unicode() >= 0x20 || c == QLatin1Char('\t'))
            continue;
        if (multiLine && (c == QLatin1Char('\r') || c == QLatin1Char('\n')))
            continue;
        c = QLatin1Char(' ');
    }
    return result;
}

// Cuts a text down to the longest length allowed, never in the middle of a surrogate pair.
bool capLength(QString &text)
{
    if (text.size() <= SettingsStore::MaxTextLength)
        return false;
    text.truncate(SettingsStore::MaxTextLength);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    return true;
}

bool isMaterialEntry(const QString &entry)
{
    return entry.size() >= 2 && entry.at(1).isDigit() && entry.at(1).unicode() < 0x80;
}

// Reads one record from a parsed file. The record starts with the defaults; every key that
// cannot be used as stored is noted.
class RecordReader
{
public:
    explicit RecordReader(const QSettings &settings) : m_settings(settings) {}

    void read(SettingsRecord &record)
    {
        readScalars(record);
        checkScalarRules(record);
        readFixedList(record, listSetting(ListKind::Courses), SettingsRecord::CourseCount);
        for (const ListSetting &l : listSettings) {
            if (l.kind == ListKind::PickList)
                readPickList(record, l);
        }
        readMaterials(record);
        readStandards(record);
        readChoices(record);
    }

    QStringList resetKeys;
    QStringList shortenedKeys;

private:
    void reset(const char *key) { note(resetKeys, key); }
    void shortened(const char *key) { note(shortenedKeys, key); }
    static void note(QStringList &keys, const char *key)
    {
        const QString name = QLatin1StringView(key);
        if (!keys.contains(name))
            keys.append(name);
    }

    // The stored text, or nothing when the key is missing or holds something that is not text
    // (such as a value saved as a binary blob). A text written without quotes around its commas
    // comes back from QSettings in pieces; put it back together rather than lose it.
    std::optional<QString> text(const QString &key) const
    {
        if (!m_settings.contains(key))
            return std::nullopt;
        const QVariant value = m_settings.value(key);
        switch (value.typeId()) {
        case QMetaType::QString:
            return value.toString();
        case QMetaType::QStringList:
            return value.toStringList().join(QStringLiteral(", "));
        default:
            return std::nullopt;
        }
    }

    void readScalars(SettingsRecord &record)
    {
        for (const TextSetting &t : textSettings) {
            const std::optional<QString> value = text(settingKey(t.key));
            if (!value) {
                reset(t.key);
                continue;
            }
            QString s = cleanText(*value, false);
            if (capLength(s))
                shortened(t.key);
            record.*t.member = s;
        }
        for (const FlagSetting &f : flagSettings) {
            const std::optional<QString> value = text(settingKey(f.key));
            const QString s = value.value_or(QString()).trimmed();
            if (s.compare(QLatin1StringView("true"), Qt::CaseInsensitive) == 0 ||
                s == QLatin1StringView("1"))
                record.*f.member = true;
            else if (s.compare(QLatin1StringView("false"), Qt::CaseInsensitive) == 0 ||
                     s == QLatin1StringView("0"))
                record.*f.member = false;
            else
                reset(f.key);
        }
        for (const NumberSetting &n : numberSettings) {
            const std::optional<QString> value = text(settingKey(n.key));
            bool ok = false;
            const int number = value.value_or(QString()).trimmed().toInt(&ok);
            if (ok && number >= n.min && number <= n.max)
                record.*n.member = number;
            else
                reset(n.key);
        }
    }

    // Values that are only meaningful in certain combinations.
    void checkScalarRules(SettingsRecord &record)
    {
        const SettingsRecord defaults;

        if (record.strStandardsMode != QLatin1StringView("PREFIXED") &&
            record.strStandardsMode != QLatin1StringView("NO PREFIXES")) {
            record.strStandardsMode = defaults.strStandardsMode;
            reset("strStandardsMode");
        }

        bool pairOk = false;
        for (const auto &[open, close] : notePairs)
            pairOk = pairOk || (record.strNoteOpen == open && record.strNoteClose == close);
        if (!pairOk) {
            record.strNoteOpen = defaults.strNoteOpen;
            record.strNoteClose = defaults.strNoteClose;
            reset("strNoteOpen");
            reset("strNoteClose");
        }

        // Only a school year that can be read gives real dates to the weeks.
        if (!readSchoolYear(record.strSchoolYear)) {
            record.strSchoolYear = defaults.strSchoolYear;
            reset("strSchoolYear");
        }

        // A file type the file-type screen does not offer would name saved plans "*.exe".
        const FileType *type = nullptr;
        for (const FileType &t : fileTypes)
            if (record.strFileExt == t.ext)
                type = &t;
        if (!type) {
            record.strFileExt = defaults.strFileExt;
            record.strFileTypeName = defaults.strFileTypeName;
            reset("strFileExt");
        } else if (record.strFileTypeName != type->name &&
                   (type->otherName.isEmpty() || record.strFileTypeName != type->otherName)) {
            record.strFileTypeName = type->name;
            reset("strFileTypeName");
        }

        // A blank unit simply means the usual one.
        if (record.strTimeUnit.trimmed().isEmpty())
            record.strTimeUnit = defaults.strTimeUnit;

        // The template is set while times are shown and empty otherwise. A damaged template
        // keeps the times shown with the first style.
        if (record.blnShowTime) {
            if (record.strTimeTemplate != timeTemplates[0] &&
                record.strTimeTemplate != timeTemplates[1]) {
                record.strTimeTemplate = timeTemplates[0];
                reset("strTimeTemplate");
            }
        } else if (!record.strTimeTemplate.isEmpty()) {
            record.strTimeTemplate.clear();
            reset("strTimeTemplate");
        }
    }

    struct ArrayRead {
        bool present = false;
        bool damaged = false;
        bool shortened = false;
        QStringList items;
    };

    // Reads at most limit entries of a list stored as a QSettings array. A list without a
    // usable size is not present at all; missing or unreadable entries read as empty.
    ArrayRead readArray(const char *key, int limit, bool multiLine) const
    {
        const QString prefix = QLatin1StringView(key) + QLatin1Char('/');
        ArrayRead result;
        const std::optional<QString> sizeText = text(prefix + QLatin1StringView("size"));
        bool ok = false;
        int count = sizeText.value_or(QString()).trimmed().toInt(&ok);
        if (!ok || count < 0) {
            // The size is written after the entries, so a file cut short inside a list loses it
            // first: keep the entries that made it.
            count = 0;
            while (count < limit && m_settings.contains(prefix + QString::number(count + 1) +
                                                        QLatin1StringView("/value")))
                ++count;
            if (count == 0)
                return result;
            result.damaged = true;
        }
        result.present = true;
        if (count > limit) {
            result.damaged = true;
            count = limit;
        }
        result.items.reserve(count);
        for (int i = 0; i < count; ++i) {
            const std::optional<QString> value =
                text(prefix + QString::number(i + 1) + QLatin1StringView("/value"));
            QString item;
            if (value)
                item = cleanText(*value, multiLine);
            else
                result.damaged = true;
            if (capLength(item))
                result.shortened = true;
            result.items.append(item);
        }
        return result;
    }

    // A list the screens index directly: exactly size entries, padded with empty ones.
    QStringList readFixedList(SettingsRecord &record, const ListSetting &l, int size)
    {
        ArrayRead list = readArray(l.key, size, false);
        if (list.shortened)
            shortened(l.key);
        if (!list.present) {
            reset(l.key);
            return record.*l.member;
        }
        if (list.damaged || list.items.size() != size)
            reset(l.key);
        while (list.items.size() < size)
            list.items.append(QString());
        record.*l.member = list.items;
        return list.items;
    }

    // Activities and assessments: only the first fifteen are ever shown, the last stays empty.
    void readPickList(SettingsRecord &record, const ListSetting &l)
    {
        const int last = SettingsRecord::ActivityCount - 1;
        QStringList &items = record.*l.member;
        readFixedList(record, l, SettingsRecord::ActivityCount);
        if (!items[last].isEmpty()) {
            items[last].clear();
            reset(l.key);
        }
    }

    // Entries must keep their kind letter and checked digit; anything shorter or without the
    // digit cannot be shown or edited and is left out. Entries with an unknown kind letter
    // are kept as they are.
    void readMaterials(SettingsRecord &record)
    {
        const ListSetting &l = listSetting(ListKind::Materials);
        ArrayRead list = readArray(l.key, SettingsStore::MaxListCount, false);
        if (list.shortened)
            shortened(l.key);
        if (!list.present) {
            reset(l.key);
            return;
        }
        const qsizetype before = list.items.size();
        list.items.removeIf([](const QString &entry) { return !isMaterialEntry(entry); });
        if (list.damaged || list.items.size() != before)
            reset(l.key);
        record.*l.member = list.items;
    }

    // Codes and texts go together by position. A list that is missing while its partner was
    // read is taken as empty so that nothing readable is thrown away; the shorter one is then
    // padded with empty entries.
    void readStandards(SettingsRecord &record)
    {
        const ListSetting &c = listSetting(ListKind::StdCodes);
        const ListSetting &t = listSetting(ListKind::StdTexts);
        const ArrayRead codes = readArray(c.key, SettingsStore::MaxListCount, false);
        const ArrayRead texts = readArray(t.key, SettingsStore::MaxListCount, true);
        if (codes.shortened)
            shortened(c.key);
        if (texts.shortened)
            shortened(t.key);
        if (!codes.present && !texts.present) {
            reset(c.key);
            reset(t.key);
            return;
        }
        QStringList codeItems = codes.items;
        QStringList textItems = texts.items;
        if (!codes.present || codes.damaged || codeItems.size() < textItems.size())
            reset(c.key);
        if (!texts.present || texts.damaged || textItems.size() < codeItems.size())
            reset(t.key);
        while (codeItems.size() < textItems.size())
            codeItems.append(QString());
        while (textItems.size() < codeItems.size())
            textItems.append(QString());
        record.*c.member = codeItems;
        record.*t.member = textItems;
    }

    // One digit per standard; anything but 0 and 1 counts as not chosen.
    void readChoices(SettingsRecord &record)
    {
        const ListSetting &l = listSetting(ListKind::StdChoices);
        QStringList items = readFixedList(record, l, SettingsRecord::StdChoiceCount);
        bool changed = false;
        for (QString &choice : items) {
            for (QChar &digit : choice) {
                if (digit != QLatin1Char('0') && digit != QLatin1Char('1')) {
                    digit = QLatin1Char('0');
                    changed = true;
                }
            }
        }
        if (changed) {
            reset(l.key);
            record.*l.member = items;
        }
    }

    const QSettings &m_settings;
};

void writeRecord(QSettings &settings, const SettingsRecord &record)
{
    settings.setValue(VersionKey, SettingsStore::FormatVersion);
    settings.beginGroup(SettingsGroup);
    for (const TextSetting &t : textSettings)
        settings.setValue(QLatin1StringView(t.key), record.*t.member);
    for (const FlagSetting &f : flagSettings)
        settings.setValue(QLatin1StringView(f.key), record.*f.member);
    for (const NumberSetting &n : numberSettings)
        settings.setValue(QLatin1StringView(n.key), record.*n.member);
    settings.endGroup();
    for (const ListSetting &l : listSettings) {
        const QStringList &items = record.*l.member;
        settings.beginWriteArray(QLatin1StringView(l.key), int(items.size()));
        for (int i = 0; i < items.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("value"), items.at(i));
        }
        settings.endArray();
    }
}

// Whether a file read back holds exactly the record's values, and nothing else.
bool holdsRecord(const QSettings &settings, const SettingsRecord &record)
{
    if (settings.status() != QSettings::NoError)
        return false;
    int keys = 0;
    const auto same = [&](const QString &key, const QString &value) {
        ++keys;
        const QVariant stored = settings.value(key);
        return stored.typeId() == QMetaType::QString && stored.toString() == value;
    };
    bool ok = same(VersionKey, QString::number(SettingsStore::FormatVersion));
    for (const TextSetting &t : textSettings)
        ok = ok && same(settingKey(t.key), record.*t.member);
    for (const FlagSetting &f : flagSettings)
        ok = ok && same(settingKey(f.key),
                        record.*f.member ? QStringLiteral("true") : QStringLiteral("false"));
    for (const NumberSetting &n : numberSettings)
        ok = ok && same(settingKey(n.key), QString::number(record.*n.member));
    for (const ListSetting &l : listSettings) {
        const QString prefix = QLatin1StringView(l.key) + QLatin1Char('/');
        const QStringList &items = record.*l.member;
        ok = ok && same(prefix + QStringLiteral("size"), QString::number(items.size()));
        for (int i = 0; ok && i < items.size(); ++i)
            ok = same(prefix + QString::number(i + 1) + QStringLiteral("/value"), items.at(i));
    }
    return ok && settings.allKeys().size() == keys;
}

// What keeps a record from being saved in a form that reads back unchanged, or an empty string.
QString limitProblem(const SettingsRecord &record)
{
    for (const TextSetting &t : textSettings) {
        if ((record.*t.member).size() > SettingsStore::MaxTextLength)
            return QStringLiteral("%1 is longer than %2 characters.")
                .arg(QLatin1StringView(t.key))
                .arg(SettingsStore::MaxTextLength);
    }
    for (const ListSetting &l : listSettings) {
        const QStringList &items = record.*l.member;
        if (items.size() > SettingsStore::MaxListCount)
            return QStringLiteral("%1 has more than %2 entries.")
                .arg(QLatin1StringView(l.key))
                .arg(SettingsStore::MaxListCount);
        for (const QString &item : items) {
            if (item.size() > SettingsStore::MaxTextLength)
                return QStringLiteral("An entry of %1 is longer than %2 characters.")
                    .arg(QLatin1StringView(l.key))
                    .arg(SettingsStore::MaxTextLength);
        }
    }
    return QString();
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

LoadResult refuse(const QString &message)
{
    LoadResult result;
    result.message = refused(message);
    return result;
}

bool writeFile(const QString &path, const SettingsRecord &record, QString *error)
{
    const QString failed = QStringLiteral("The settings could not be saved to \"%1\": ")
                               .arg(QDir::toNativeSeparators(path));
    const QString problem = limitProblem(record);
    if (!problem.isEmpty())
        return fail(error, failed + problem);
    if (QFileInfo(path).isDir())
        return fail(error, failed + QStringLiteral("it is a folder."));

    // Build the whole file aside first so that its size can be checked and the teacher's file
    // is only ever replaced in one step by a complete new one.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail(error, failed + scratch.errorString());
    const QString scratchPath = scratch.filePath(FileName);
    {
        QSettings settings(scratchPath, QSettings::IniFormat);
        writeRecord(settings, record);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return fail(error, failed + QStringLiteral("the settings could not be written."));
    }
    // QSettings does not notice a write that the disk cut short, so the scratch file is read
    // back and must hold every value of the record before it may replace the teacher's file.
    QFile built(scratchPath);
    if (!built.open(QIODevice::ReadOnly))
        return fail(error, failed + built.errorString());
    const QByteArray bytes = built.readAll();
    // Read back under another name: QSettings would answer from its cache of the file it wrote.
    const QString checkPath = scratch.filePath(QStringLiteral("check.ini"));
    if (!safefile::write(checkPath, bytes) ||
        !holdsRecord(QSettings(checkPath, QSettings::IniFormat), record))
        return fail(error, failed + QStringLiteral("they could not be written in full to the "
                                                   "temporary folder \"%1\" (is the disk full?).")
                                        .arg(QDir::toNativeSeparators(scratch.path())));
    if (bytes.size() > SettingsStore::MaxFileSize)
        return fail(error, failed + QStringLiteral("they would take more than %1 MB.")
                                        .arg(SettingsStore::MaxFileSize / (1024 * 1024)));

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(error, failed + QStringLiteral("the folder \"%1\" could not be created.")
                                        .arg(QDir::toNativeSeparators(folder)));
    QString reason;
    if (!safefile::write(path, bytes, &reason))
        return fail(error, failed + reason);
    return true;
}

LoadResult readFile(const QString &path, SettingsRecord &record)
{
    const QString quoted = QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
    const QString notOurs = QStringLiteral("%1 is not a Quillmark settings file.").arg(quoted);
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(QStringLiteral("The settings file %1 was not found.").arg(quoted));
    if (info.isDir())
        return refuse(QStringLiteral("%1 is a folder, not a Quillmark settings file.").arg(quoted));
    if (!info.isFile())
        return refuse(notOurs);
    const QString tooLarge =
        QStringLiteral("%1 is too large to be a Quillmark settings file.").arg(quoted);
    if (info.size() > SettingsStore::MaxFileSize)
        return refuse(tooLarge);

    // Read no more than the limit, whatever size the file claims, and parse exactly what
    // was checked.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("The settings file %1 could not be read: %2.")
                          .arg(quoted, file.errorString()));
    const QByteArray bytes = file.read(SettingsStore::MaxFileSize + 1);
    if (bytes.size() > SettingsStore::MaxFileSize)
        return refuse(tooLarge);

    QTemporaryDir scratch;
    QFile copy(scratch.filePath(FileName));
    if (!scratch.isValid() || !copy.open(QIODevice::WriteOnly) ||
        copy.write(bytes) != bytes.size() || !copy.flush())
        return refuse(QStringLiteral("The settings file %1 could not be read.").arg(quoted));
    copy.close();

    // QSettings reports a format error for damaged lines but keeps everything it could read,
    // which is what we want from a file that was cut short.
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return refuse(QStringLiteral("The settings file %1 could not be read.").arg(quoted));
    const QVariant marker = settings.value(VersionKey);
    bool ok = false;
    const int version =
        marker.typeId() == QMetaType::QString ? marker.toString().trimmed().toInt(&ok) : 0;
    if (!ok || version < 1)
        return refuse(notOurs);
    if (version > SettingsStore::FormatVersion)
        return refuse(QStringLiteral("%1 was saved by a newer version of Quillmark and cannot be "
                                     "read by this one.")
                          .arg(quoted));

    SettingsRecord loaded;
    RecordReader reader(settings);
    reader.read(loaded);
    record = loaded;

    LoadResult result;
    result.ok = true;
    result.resetKeys = reader.resetKeys;
    result.shortenedKeys = reader.shortenedKeys;
    QStringList said;
    if (!result.resetKeys.isEmpty())
        said << QStringLiteral("Some settings could not be read and were reset: %1.")
                    .arg(result.resetKeys.join(QStringLiteral(", ")));
    if (!result.shortenedKeys.isEmpty())
        said << QStringLiteral("Some settings were longer than %1 characters and were shortened: "
                               "%2.")
                    .arg(SettingsStore::MaxTextLength)
                    .arg(result.shortenedKeys.join(QStringLiteral(", ")));
    result.message = said.join(QLatin1Char(' '));
    return result;
}

} // namespace

SettingsStore::SettingsStore(const QString &iniPath) : m_path(iniPath) {}

QString SettingsStore::defaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // Without an organization or application name Qt hands back the shared configuration
    // folder itself; keep our file in a folder of its own there.
    if (folder.isEmpty() || QDir(folder) == QDir(shared))
        folder = shared.isEmpty() ? QDir::homePath() + QStringLiteral("/.quillmark")
                                  : shared + QStringLiteral("/Quillmark");
    return folder + QLatin1Char('/') + FileName;
}

bool SettingsStore::exists() const
{
    return QFileInfo::exists(m_path);
}

LoadResult SettingsStore::load(SettingsRecord &record) const
{
    return readFile(m_path, record);
}

bool SettingsStore::save(const SettingsRecord &record, QString *error) const
{
    return writeFile(m_path, record, error);
}

LoadResult SettingsStore::importFrom(const QString &path, SettingsRecord &record)
{
    return readFile(path, record);
}

bool SettingsStore::exportTo(const QString &path, const SettingsRecord &record, QString *error)
{
    return writeFile(path, record, error);
}
