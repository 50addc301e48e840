#include "settings/settingsstore.h"
#include "support/datarows.h"
#include "support/fulldisk.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>
#include <unistd.h>

using Mutation = std::function<QByteArray(const QByteArray &)>;
using Fix = std::function<void(SettingsRecord &)>;
Q_DECLARE_METATYPE(SettingsRecord)
Q_DECLARE_METATYPE(Mutation)
Q_DECLARE_METATYPE(Fix)

namespace
{

QString quotedPath(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

// A record with every setting away from its default, full of texts that INI files and
// QSettings are known to mangle.
SettingsRecord awkwardRecord()
{
    SettingsRecord r;
    r.strTeacherName = QStringLiteral("Ms. O'Neil, Grade 5; Room=12 [East] \\ back");
    r.strSchoolYear = QStringLiteral("2024\u20132025");
    r.strSchoolName = QStringLiteral("  \u00c9cole Saint-\u00c9loi  ");
    r.blnUseSchoolName = true;
    r.strSchoolAbbrev = QStringLiteral("@SSE");
    r.blnUseSchoolAbbrev = true;
    r.intDisplayOrder = 3;
    r.blnWeeklyPlans = false;
    r.intFirstDay = 5;
    r.intDaysPerWeek = 4;
    r.strCourses = {
        QStringLiteral("Math, Period 1"), QString(),
        QStringLiteral("Science; Lab"),   QStringLiteral("Art = Fun"),
        QStringLiteral("[History]"),      QStringLiteral("C:\\Courses\\Music"),
        QStringLiteral(" Reading "),      QStringLiteral("\u65e5\u672c\u8a9e \U0001F34E"),
        QStringLiteral("#not a comment"), QStringLiteral("Last")};
    r.strCourseHeading = QStringLiteral("Class");
    r.blnShowPeriod = false;
    r.strPeriodHeading = QStringLiteral("Block");
    r.blnShowUnitGoal = false;
    r.strUnitGoalHeading = QStringLiteral("Goal:");
    r.blnShowDailyObj = false;
    r.strDailyObjHeading = QStringLiteral("Objective %1");
    r.strTasksHeading = QStringLiteral("Tasks & Things");
    r.strActivityPunct = QStringLiteral(" -");
    r.blnShowTime = true;
    r.strTimeTemplate = QStringLiteral("[X] ");
    r.strTimeUnit = QStringLiteral("minutes");
    r.blnShowClosure = false;
    r.strClosureHeading = QStringLiteral("Wrap-up");
    r.blnShowAssessment = false;
    r.strAssessHeading = QStringLiteral("Check");
    r.strAssessPunct = QStringLiteral(";");
    r.blnShowMaterials = false;
    r.blnShowStandards = false;
    r.strStandardsHeading = QStringLiteral("Standards");
    r.strStandardsMode = QStringLiteral("PREFIXED");
    r.blnStandardsOnce = true;
    r.blnShowNote = false;
    r.strNoteOpen = QStringLiteral("( ");
    r.strNoteClose = QStringLiteral(" )");
    r.blnShowUnitTopic = false;
    r.strUnitTopicHeading = QStringLiteral("Topic");
    r.blnShowTimeline = false;
    r.strTimelineHeading = QStringLiteral("Schedule");
    r.strActivities.clear();
    r.strAssessments.clear();
    for (int i = 0; i < SettingsRecord::ActivityCount - 1; ++i) {
        r.strActivities.append(i == 4 ? QString()
                                      : QStringLiteral("Activity %1, part=%2").arg(i).arg(i));
        r.strAssessments.append(i % 5 == 0 ? QStringLiteral(" ; ")
                                           : QStringLiteral("Check \\%1").arg(i));
    }
    r.strActivities.append(QString());
    r.strAssessments.append(QString());
    r.strMaterials = {QStringLiteral("T1Book, vol. 2"), QStringLiteral("R0"),
                      QStringLiteral("M1 spaced "), QStringLiteral("Z1Unknown kinds stay")};
    r.strStdCodes = {QStringLiteral("A-1"), QString(), QStringLiteral("C;3")};
    r.strStdTexts = {QStringLiteral("Line one\r\nline two"), QStringLiteral("Tab\there"),
                     QString()};
    r.strStdChoices = {QStringLiteral("101"),        QString(),           QStringLiteral("1"),
                       QStringLiteral("0000000001"), QStringLiteral("0"), QStringLiteral("11"),
                       QStringLiteral("010"),        QString(),           QStringLiteral("111"),
                       QStringLiteral("1")};
    r.strStorageFolder = QStringLiteral("/home/teacher/Lesson Plans");
    r.strFileExt = QStringLiteral("rtf");
    r.strFileTypeName = QStringLiteral("Rich Text");
    return r;
}

QStringList singleLineTexts(const SettingsRecord &r)
{
    QStringList texts = {
        r.strTeacherName,     r.strSchoolYear,    r.strSchoolName,      r.strSchoolAbbrev,
        r.strCourseHeading,   r.strPeriodHeading, r.strUnitGoalHeading, r.strDailyObjHeading,
        r.strTasksHeading,    r.strActivityPunct, r.strTimeTemplate,    r.strTimeUnit,
        r.strClosureHeading,  r.strAssessHeading, r.strAssessPunct,     r.strStandardsHeading,
        r.strStandardsMode,   r.strNoteOpen,      r.strNoteClose,       r.strUnitTopicHeading,
        r.strTimelineHeading, r.strStorageFolder, r.strFileExt,         r.strFileTypeName};
    texts << r.strCourses << r.strActivities << r.strAssessments << r.strMaterials << r.strStdCodes
          << r.strStdChoices;
    return texts;
}

// Everything the screens rely on when they index lists and build texts; empty when all hold.
QString invariantProblem(const SettingsRecord &r)
{
    if (r.intDisplayOrder < 0 || r.intDisplayOrder > 3)
        return QStringLiteral("intDisplayOrder");
    if (r.intFirstDay < 0 || r.intFirstDay > 6)
        return QStringLiteral("intFirstDay");
    if (r.intDaysPerWeek < 2 || r.intDaysPerWeek > 7)
        return QStringLiteral("intDaysPerWeek");
    if (r.strCourses.size() != SettingsRecord::CourseCount)
        return QStringLiteral("strCourses size");
    if (r.strActivities.size() != SettingsRecord::ActivityCount ||
        !r.strActivities.last().isEmpty())
        return QStringLiteral("strActivities");
    if (r.strAssessments.size() != SettingsRecord::ActivityCount ||
        !r.strAssessments.last().isEmpty())
        return QStringLiteral("strAssessments");
    if (r.strStdChoices.size() != SettingsRecord::StdChoiceCount)
        return QStringLiteral("strStdChoices size");
    for (const QString &choice : r.strStdChoices) {
        if (choice.contains(QRegularExpression(QStringLiteral("[^01]"))))
            return QStringLiteral("strStdChoices digits");
    }
    if (r.strStdCodes.size() != r.strStdTexts.size() ||
        r.strStdCodes.size() > SettingsStore::MaxListCount)
        return QStringLiteral("standards sizes");
    if (r.strMaterials.size() > SettingsStore::MaxListCount)
        return QStringLiteral("strMaterials size");
    for (const QString &m : r.strMaterials) {
        if (m.size() < 2 || !m.at(1).isDigit())
            return QStringLiteral("strMaterials entry");
    }
    if (r.strStandardsMode != QLatin1StringView("PREFIXED") &&
        r.strStandardsMode != QLatin1StringView("NO PREFIXES"))
        return QStringLiteral("strStandardsMode");
    const QString notes = r.strNoteOpen + QLatin1Char('|') + r.strNoteClose;
    if (!QStringList({QStringLiteral("[|]"), QStringLiteral("[ | ]"), QStringLiteral("( | )"),
                      QStringLiteral("|")})
             .contains(notes))
        return QStringLiteral("note pair");
    if (r.blnShowTime ? (r.strTimeTemplate != QLatin1StringView("(X) ") &&
                         r.strTimeTemplate != QLatin1StringView("[X] "))
                      : !r.strTimeTemplate.isEmpty())
        return QStringLiteral("strTimeTemplate");
    if (r.strTimeUnit.trimmed().isEmpty())
        return QStringLiteral("strTimeUnit");
    for (const QString &t : singleLineTexts(r)) {
        if (t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\r')) ||
            t.contains(QLatin1Char('\n')) || t.size() > SettingsStore::MaxTextLength)
            return QStringLiteral("single-line text: ") + t.left(40);
    }
    for (const QString &t : r.strStdTexts) {
        if (t.contains(QLatin1Char('"')) || t.size() > SettingsStore::MaxTextLength)
            return QStringLiteral("strStdTexts text");
    }
    return QString();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Changes one key of an INI text: a value replaces the line (or is added to the section),
// no value removes it.
Mutation setKey(const QString &section, const QString &key, std::optional<QByteArray> value)
{
    return [=](const QByteArray &ini) {
        QList<QByteArray> lines = ini.split('\n');
        const QByteArray header = '[' + section.toUtf8() + ']';
        QString current;
        qsizetype sectionEnd = -1;
        bool done = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            if (line.startsWith('[')) {
                current = QString::fromUtf8(line);
                continue;
            }
            if (current != QLatin1StringView(header))
                continue;
            sectionEnd = i + 1;
            if (line.left(line.indexOf('=')).trimmed() != key.toUtf8() || done)
                continue;
            done = true;
            if (value)
                lines[i] = key.toUtf8() + '=' + *value;
            else
                lines.removeAt(i--);
        }
        if (!done && value) {
            if (sectionEnd < 0) {
                lines << header;
                sectionEnd = lines.size();
            }
            lines.insert(sectionEnd, key.toUtf8() + '=' + *value);
        }
        return lines.join('\n');
    };
}

Mutation both(const Mutation &a, const Mutation &b)
{
    return [=](const QByteArray &ini) { return b(a(ini)); };
}

Mutation removeSection(const QString &section)
{
    return [=](const QByteArray &ini) {
        QList<QByteArray> kept;
        bool inside = false;
        for (const QByteArray &line : ini.split('\n')) {
            if (line.startsWith('['))
                inside = line.trimmed() == '[' + section.toUtf8() + ']';
            if (!inside)
                kept << line;
        }
        return kept.join('\n');
    };
}

Mutation setting(const char *key, std::optional<QByteArray> value)
{
    return setKey(QStringLiteral("Settings"), QLatin1StringView(key), value);
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_fileNumber = 0;

    QString freshPath() { return m_dir.filePath(QStringLiteral("s%1.ini").arg(++m_fileNumber)); }

    QString exportedAwkward()
    {
        const QString path = freshPath();
        QString error;
        if (!SettingsStore::exportTo(path, awkwardRecord(), &error))
            qWarning() << error;
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        QCOMPARE(invariantProblem(SettingsRecord()), QString());
        QCOMPARE(invariantProblem(awkwardRecord()), QString());
    }

    void roundTrip_data()
    {
        QTest::addColumn<SettingsRecord>("record");

        dataRow("defaults", SettingsRecord());
        dataRow("every setting changed", awkwardRecord());

        SettingsRecord one = awkwardRecord();
        one.strMaterials = {QStringLiteral("T0")};
        one.strStdCodes = {QString()};
        one.strStdTexts = {QStringLiteral("Only one")};
        dataRow("one-entry lists", one);

        SettingsRecord none = awkwardRecord();
        none.strMaterials.clear();
        none.strStdCodes.clear();
        none.strStdTexts.clear();
        none.strStdChoices.fill(QString());
        none.strCourses.fill(QString());
        dataRow("empty lists", none);

        SettingsRecord big;
        big.strStdCodes.clear();
        big.strStdTexts.clear();
        for (int i = 0; i < SettingsStore::MaxListCount; ++i) {
            big.strStdCodes.append(QStringLiteral("S-%1").arg(i));
            big.strStdTexts.append(QStringLiteral("Text %1,\r\n=%1").arg(i));
        }
        big.strStdTexts.last() =
            QString(SettingsStore::MaxTextLength - 1, QChar(0x00e9)) + QLatin1Char('\\');
        big.strStdChoices.fill(QString(SettingsStore::MaxListCount, QLatin1Char('1')));
        dataRow("at the limits", big);
    }

    void roundTrip()
    {
        QFETCH(SettingsRecord, record);
        const QString path = freshPath();
        const SettingsStore store(path);
        QVERIFY(!store.exists());
        QString error;
        QVERIFY2(store.save(record, &error), qPrintable(error));
        QVERIFY(store.exists());

        SettingsRecord loaded = awkwardRecord();
        loaded.strMaterials.clear();
        const LoadResult result = store.load(loaded);
        QVERIFY(result.ok);
        QCOMPARE(result.resetKeys, QStringList());
        QCOMPARE(result.message, QString());
        QCOMPARE(loaded.strCourses, record.strCourses);
        QCOMPARE(loaded.strMaterials, record.strMaterials);
        QCOMPARE(loaded.strStdTexts, record.strStdTexts);
        QVERIFY(loaded == record);
    }

    void exportImportRoundTrip()
    {
        const QString path = m_dir.filePath(QStringLiteral("Export folder/my settings.ini"));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QString error;
        QVERIFY2(SettingsStore::exportTo(path, awkwardRecord(), &error), qPrintable(error));
        SettingsRecord imported;
        const LoadResult result = SettingsStore::importFrom(path, imported);
        QVERIFY(result.ok);
        QCOMPARE(result.resetKeys, QStringList());
        QVERIFY(imported == awkwardRecord());

        // An export is an ordinary settings file: the store reads it too.
        SettingsRecord loaded;
        QVERIFY(SettingsStore(path).load(loaded).ok);
        QVERIFY(loaded == imported);
    }

    // Saving a smaller record over a larger one must not leave old list entries behind.
    void saveReplacesEverything()
    {
        const QString path = freshPath();
        const SettingsStore store(path);
        SettingsRecord record = awkwardRecord();
        QVERIFY(store.save(record));
        record.strMaterials = {QStringLiteral("M1Glue")};
        record.strStdCodes = {QStringLiteral("X")};
        record.strStdTexts = {QStringLiteral("Y")};
        QVERIFY(store.save(record));
        SettingsRecord loaded;
        const LoadResult result = store.load(loaded);
        QCOMPARE(result.resetKeys, QStringList());
        QVERIFY(loaded == record);
        QVERIFY(!readAll(path).contains("Book, vol. 2"));
    }

    void defaultPathIsOurs()
    {
        const QString path = SettingsStore::defaultPath();
        QVERIFY(path.endsWith(QLatin1StringView("/quillmark.ini")));
        QVERIFY(QDir::isAbsolutePath(path));
        const QString config =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QVERIFY2(path.startsWith(config + QLatin1Char('/')), qPrintable(path));
        QVERIFY(QFileInfo(path).absolutePath() != QDir(config).absolutePath());

        // The first save creates the folder.
        QDir(QFileInfo(path).absolutePath()).removeRecursively();
        const SettingsStore store;
        QCOMPARE(store.path(), path);
        QVERIFY(!store.exists());
        QString error;
        QVERIFY2(store.save(awkwardRecord(), &error), qPrintable(error));
        QVERIFY(store.exists());
        SettingsRecord loaded;
        QVERIFY(store.load(loaded).ok);
        QVERIFY(loaded == awkwardRecord());
    }

    // Files that are ours but damaged: each bad value falls back on its own.
    void damagedValues_data()
    {
        QTest::addColumn<Mutation>("mutation");
        QTest::addColumn<Fix>("fix");
        QTest::addColumn<QStringList>("resetKeys");

        const SettingsRecord d;
        const auto row = [](const char *name, const Mutation &m, const Fix &f,
                            const QStringList &keys) { dataRow(name, m, f, keys); };
        const Fix same = [](SettingsRecord &) {};
        const Mutation strCourses3 =
            setKey(QStringLiteral("strCourses"), QStringLiteral("size"), "3");
        const QString materials = QStringLiteral("strMaterials");

        row("first day out of range", setting("intFirstDay", "9"),
            [d](SettingsRecord &r) { r.intFirstDay = d.intFirstDay; }, {"intFirstDay"});
        row("days per week below two and display order negative",
            both(setting("intDaysPerWeek", "1"), setting("intDisplayOrder", "-1")),
            [d](SettingsRecord &r) {
                r.intDaysPerWeek = d.intDaysPerWeek;
                r.intDisplayOrder = d.intDisplayOrder;
            },
            {"intDisplayOrder", "intDaysPerWeek"});
        row("number with letters", setting("intDaysPerWeek", "7x"),
            [d](SettingsRecord &r) { r.intDaysPerWeek = d.intDaysPerWeek; }, {"intDaysPerWeek"});
        row("number too big for an int", setting("intDisplayOrder", "99999999999"),
            [d](SettingsRecord &r) { r.intDisplayOrder = d.intDisplayOrder; }, {"intDisplayOrder"});
        row("flag holding a word", setting("blnShowPeriod", "banana"),
            [d](SettingsRecord &r) { r.blnShowPeriod = d.blnShowPeriod; }, {"blnShowPeriod"});
        row("flags written by hand",
            both(setting("blnShowPeriod", "TRUE"), setting("blnWeeklyPlans", "1")),
            [](SettingsRecord &r) { r.blnShowPeriod = r.blnWeeklyPlans = true; }, {});
        row("missing name", setting("strTeacherName", std::nullopt),
            [d](SettingsRecord &r) { r.strTeacherName = d.strTeacherName; }, {"strTeacherName"});
        row("binary blob where a text belongs",
            both(setting("strSchoolName", "@ByteArray(abc)"),
                 setting("intFirstDay", "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\x3)")),
            [d](SettingsRecord &r) {
                r.strSchoolName = d.strSchoolName;
                r.intFirstDay = d.intFirstDay;
            },
            {"strSchoolName", "intFirstDay"});
        row("commas without quotes are kept", setting("strTeacherName", "Smith, Jane,Room 4"),
            [](SettingsRecord &r) { r.strTeacherName = QStringLiteral("Smith, Jane, Room 4"); },
            {});
        row("double quotes become apostrophes", setting("strCourseHeading", "Read \\\"Holes\\\""),
            [](SettingsRecord &r) { r.strCourseHeading = QStringLiteral("Read ''Holes''"); }, {});
        row("line breaks in a heading are flattened",
            both(setting("strCourseHeading", "Sub\\r\\nject\\nline"),
                 setKey(QStringLiteral("strStdTexts"), QStringLiteral("2\\value"), "a\\nb")),
            [](SettingsRecord &r) {
                r.strCourseHeading = QStringLiteral("Sub ject line");
                r.strStdTexts[1] = QStringLiteral("a\nb");
            },
            {});
        row("text longer than the limit",
            setting("strSchoolName", QByteArray(SettingsStore::MaxTextLength + 5, 'w')),
            [](SettingsRecord &r) {
                r.strSchoolName = QString(SettingsStore::MaxTextLength, QLatin1Char('w'));
            },
            {"strSchoolName (shortened)"});
        row("school year in its short form", setting("strSchoolYear", "2009-10"),
            [](SettingsRecord &r) { r.strSchoolYear = QStringLiteral("2009-10"); }, {});
        row("school year that is no school year", setting("strSchoolYear", "2009-2011"),
            [d](SettingsRecord &r) { r.strSchoolYear = d.strSchoolYear; }, {"strSchoolYear"});
        row("file type not offered", setting("strFileExt", "exe"),
            [d](SettingsRecord &r) {
                r.strFileExt = d.strFileExt;
                r.strFileTypeName = d.strFileTypeName;
            },
            {"strFileExt"});
        row("file type named as another", setting("strFileTypeName", "WordPerfect Document"), same,
            {"strFileTypeName"});
        row("unknown standards mode", setting("strStandardsMode", "prefixed"),
            [d](SettingsRecord &r) { r.strStandardsMode = d.strStandardsMode; },
            {"strStandardsMode"});
        row("mismatched note marks", setting("strNoteClose", "]"),
            [d](SettingsRecord &r) {
                r.strNoteOpen = d.strNoteOpen;
                r.strNoteClose = d.strNoteClose;
            },
            {"strNoteOpen", "strNoteClose"});
        row("unknown time template while times are shown", setting("strTimeTemplate", "<X>"),
            [](SettingsRecord &r) { r.strTimeTemplate = QStringLiteral("(X) "); },
            {"strTimeTemplate"});
        row("time template while times are hidden", setting("blnShowTime", "false"),
            [](SettingsRecord &r) {
                r.blnShowTime = false;
                r.strTimeTemplate.clear();
            },
            {"strTimeTemplate"});
        row("blank time unit means the usual one", setting("strTimeUnit", "\"   \""),
            [d](SettingsRecord &r) { r.strTimeUnit = d.strTimeUnit; }, {});
        row("too few courses", strCourses3,
            [](SettingsRecord &r) {
                for (int i = 3; i < SettingsRecord::CourseCount; ++i)
                    r.strCourses[i].clear();
            },
            {"strCourses"});
        row("too many courses",
            both(setKey(QStringLiteral("strCourses"), QStringLiteral("size"), "12"),
                 setKey(QStringLiteral("strCourses"), QStringLiteral("11\\value"), "Extra")),
            same, {"strCourses"});
        row("course entry missing",
            setKey(QStringLiteral("strCourses"), QStringLiteral("1\\value"), std::nullopt),
            [](SettingsRecord &r) { r.strCourses[0].clear(); }, {"strCourses"});
        row("last activity filled in",
            setKey(QStringLiteral("strActivities"), QStringLiteral("16\\value"), "Hidden"), same,
            {"strActivities"});
        row("assessments without a size keep their entries",
            setKey(QStringLiteral("strAssessments"), QStringLiteral("size"), "lots"), same,
            {"strAssessments"});
        row("course list cut off before its size",
            both(setKey(QStringLiteral("strCourses"), QStringLiteral("size"), std::nullopt),
                 setKey(QStringLiteral("strCourses"), QStringLiteral("10\\value"), std::nullopt)),
            [](SettingsRecord &r) { r.strCourses[9].clear(); }, {"strCourses"});
        row("activities section gone", removeSection(QStringLiteral("strActivities")),
            [d](SettingsRecord &r) { r.strActivities = d.strActivities; }, {"strActivities"});
        row("malformed materials are left out",
            both(setKey(materials, QStringLiteral("size"), "7"),
                 both(setKey(materials, QStringLiteral("5\\value"), "X"),
                      setKey(materials, QStringLiteral("6\\value"), "TxNo digit"))),
            same, {"strMaterials"});
        row("material list claiming two billion entries",
            setKey(materials, QStringLiteral("size"), "2000000000"), same, {"strMaterials"});
        row("fewer standard texts than codes",
            setKey(QStringLiteral("strStdTexts"), QStringLiteral("size"), "1"),
            [](SettingsRecord &r) { r.strStdTexts[1].clear(); }, {"strStdTexts"});
        row("standard codes gone", removeSection(QStringLiteral("strStdCodes")),
            [](SettingsRecord &r) { r.strStdCodes.fill(QString()); }, {"strStdCodes"});
        row("both standard lists gone",
            both(removeSection(QStringLiteral("strStdCodes")),
                 removeSection(QStringLiteral("strStdTexts"))),
            [d](SettingsRecord &r) {
                r.strStdCodes = d.strStdCodes;
                r.strStdTexts = d.strStdTexts;
            },
            {"strStdCodes", "strStdTexts"});
        row("choices with other digits",
            setKey(QStringLiteral("strStdChoices"), QStringLiteral("1\\value"), "01x2"),
            [](SettingsRecord &r) { r.strStdChoices[0] = QStringLiteral("0100"); },
            {"strStdChoices"});
    }

    void damagedValues()
    {
        QFETCH(Mutation, mutation);
        QFETCH(Fix, fix);
        QFETCH(QStringList, resetKeys);

        const QString path = exportedAwkward();
        const QByteArray original = readAll(path);
        const QByteArray damaged = mutation(original);
        QVERIFY(damaged != original);
        QVERIFY(writeAll(path, damaged));

        SettingsRecord expected = awkwardRecord();
        fix(expected);
        SettingsRecord loaded = awkwardRecord();
        loaded.strTeacherName = QStringLiteral("left over from before");
        const LoadResult result = SettingsStore(path).load(loaded);
        QVERIFY(result.ok);
        QCOMPARE(invariantProblem(loaded), QString());
        QVERIFY(loaded == expected);
        QStringList reported = result.resetKeys;
        for (const QString &key : result.shortenedKeys)
            reported << key + QStringLiteral(" (shortened)");
        QCOMPARE(reported, resetKeys);
        QCOMPARE(result.message.isEmpty(), resetKeys.isEmpty());
        QCOMPARE(result.message.contains(QLatin1StringView("were reset")),
                 !result.resetKeys.isEmpty());
        QCOMPARE(result.message.contains(QLatin1StringView("were shortened")),
                 !result.shortenedKeys.isEmpty());
    }

    // A file of ours with nothing but the marker: every key falls back and is named once.
    void onlyTheMarker()
    {
        const QString path = freshPath();
        QVERIFY(writeAll(path, "[Quillmark]\nFormatVersion=1\n"));
        SettingsRecord loaded = awkwardRecord();
        const LoadResult result = SettingsStore(path).load(loaded);
        QVERIFY(result.ok);
        QVERIFY(loaded == SettingsRecord());
        for (const char *key : {"strTeacherName", "blnShowTime", "intFirstDay", "strCourses",
                                "strMaterials", "strStdCodes", "strStdTexts", "strStdChoices"})
            QVERIFY2(result.resetKeys.contains(QLatin1StringView(key)), key);
        QCOMPARE(QSet<QString>(result.resetKeys.begin(), result.resetKeys.end()).size(),
                 result.resetKeys.size());
    }

    // A file of ours that was cut short or scribbled over still gives a usable record.
    void damagedFile_data()
    {
        QTest::addColumn<Mutation>("mutation");
        QTest::addColumn<bool>("cutShort");

        const auto cut = [](double fraction) {
            return Mutation([fraction](const QByteArray &ini) {
                return ini.left(qMax<qsizetype>(30, qsizetype(double(ini.size()) * fraction)));
            });
        };
        QByteArray garbage(4096, '\0');
        QRandomGenerator random(7);
        random.fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);

        dataRow("cut just after the marker", cut(0.02), true);
        dataRow("cut in half", cut(0.5), true);
        dataRow("garbage in the middle", Mutation([garbage](const QByteArray &ini) {
                    return QByteArray(ini).replace(ini.size() / 2, 300, garbage.left(300));
                }),
                false);
        dataRow("garbage appended",
                Mutation([garbage](const QByteArray &ini) { return ini + garbage; }), false);
    }

    void damagedFile()
    {
        QFETCH(Mutation, mutation);
        QFETCH(bool, cutShort);
        const QString path = exportedAwkward();
        const QByteArray damaged = mutation(readAll(path));
        QVERIFY(damaged.startsWith("[Quillmark]\nFormatVersion=1\n"));
        QVERIFY(writeAll(path, damaged));

        SettingsRecord loaded;
        const LoadResult result = SettingsStore(path).load(loaded);
        QVERIFY(result.ok);
        QCOMPARE(invariantProblem(loaded), QString());
        QCOMPARE(result.message.isEmpty(), result.resetKeys.isEmpty());
        if (!cutShort)
            return;
        // Whatever was cut off is named; the standards come last in the file and the
        // settings section comes first.
        QVERIFY(result.resetKeys.contains(QStringLiteral("strStdTexts")));
        if (damaged.size() > readAll(exportedAwkward()).size() / 2)
            QCOMPARE(loaded.strTeacherName, awkwardRecord().strTeacherName);
    }

    // Files that are not ours at all are refused and change nothing.
    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // written to the file unless null
        QTest::addColumn<QString>("kind");       // how the path is made
        QTest::addColumn<QString>("message");    // %1 stands for the quoted path

        const QString notOurs = QStringLiteral("%1 is not a Quillmark settings file.");
        QByteArray garbage(4096, '\0');
        QRandomGenerator random(42);
        random.fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
        QByteArray printableGarbage = garbage;
        for (char &c : printableGarbage)
            c = char(c == 0 ? 1 : c);

        dataRow("missing file", QByteArray(), QStringLiteral("missing"),
                QStringLiteral("The settings file %1 was not found."));
        dataRow("empty file", QByteArray(""), QStringLiteral("file"), notOurs);
        dataRow("binary garbage", garbage, QStringLiteral("file"), notOurs);
        dataRow("garbage without zero bytes", printableGarbage, QStringLiteral("file"), notOurs);
        dataRow("another program's INI",
                QByteArray("[General]\nstrTeacherName=Mallory\n[Window]\nwidth=3\n"),
                QStringLiteral("file"), notOurs);
        dataRow("marker with a word for a version",
                QByteArray("[Quillmark]\nFormatVersion=one\n[Settings]\nintFirstDay=2\n"),
                QStringLiteral("file"), notOurs);
        dataRow(
            "newer format", QByteArray("[Quillmark]\nFormatVersion=2\n[Settings]\nintFirstDay=2\n"),
            QStringLiteral("file"),
            QStringLiteral(
                "%1 was saved by a newer version of Quillmark and cannot be read by this one."));
        dataRow("a folder", QByteArray(), QStringLiteral("folder"),
                QStringLiteral("%1 is a folder, not a Quillmark settings file."));
        dataRow("a device", QByteArray(), QStringLiteral("device"), notOurs);
        dataRow("huge file", QByteArray(), QStringLiteral("huge"),
                QStringLiteral("%1 is too large to be a Quillmark settings file."));
        dataRow("unreadable file", QByteArray(), QStringLiteral("unreadable"),
                QStringLiteral("The settings file %1 could not be read: Permission denied."));
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, kind);
        QFETCH(QString, message);

        QString path = freshPath();
        if (kind == QLatin1StringView("file")) {
            QVERIFY(writeAll(path, content));
        } else if (kind == QLatin1StringView("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1StringView("device")) {
            path = QStringLiteral("/dev/null");
        } else if (kind == QLatin1StringView("huge")) {
            // Our own file, grown past the limit.
            QVERIFY(SettingsStore::exportTo(path, SettingsRecord()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Append));
            QVERIFY(file.write(QByteArray(SettingsStore::MaxFileSize, '\n')) > 0);
        } else if (kind == QLatin1StringView("unreadable")) {
            if (geteuid() == 0)
                QSKIP("Running as root, which reads any file.");
            QVERIFY(SettingsStore::exportTo(path, SettingsRecord()));
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        }

        SettingsRecord record = awkwardRecord();
        const LoadResult loaded = SettingsStore(path).load(record);
        QVERIFY(!loaded.ok);
        QCOMPARE(loaded.message,
                 message.arg(quotedPath(path)) + QStringLiteral(" No settings were changed."));
        QCOMPARE(loaded.resetKeys, QStringList());
        QVERIFY(record == awkwardRecord());

        SettingsRecord imported = awkwardRecord();
        QCOMPARE(SettingsStore::importFrom(path, imported).message, loaded.message);
        QVERIFY(imported == awkwardRecord());
        if (kind == QLatin1StringView("unreadable"))
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // A failed save says why and leaves whatever was there alone.
    void saveFailure_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");

        dataRow("target is a folder", QStringLiteral("folder"), QStringLiteral("it is a folder."));
        dataRow("folder is really a file", QStringLiteral("parentFile"), QString());
        dataRow("read-only folder", QStringLiteral("readOnly"), QString());
        dataRow("too many standards", QStringLiteral("tooMany"),
                QStringLiteral("strStdCodes has more than %1 entries.")
                    .arg(SettingsStore::MaxListCount));
        dataRow("text too long", QStringLiteral("tooLong"),
                QStringLiteral("strTeacherName is longer than %1 "
                               "characters.")
                    .arg(SettingsStore::MaxTextLength));
        dataRow("too large altogether", QStringLiteral("tooLarge"),
                QStringLiteral("they would take more than 4 MB."));
        dataRow("full disk", QStringLiteral("full"), QString());
    }

    void saveFailure()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);

        const QString folder = m_dir.filePath(QStringLiteral("save-%1").arg(++m_fileNumber));
        QVERIFY(QDir().mkpath(folder));
        QString target = folder + QStringLiteral("/quillmark.ini");
        QString guarded = target; // the file that must survive untouched
        SettingsRecord record = awkwardRecord();

        QVERIFY(SettingsStore::exportTo(target, SettingsRecord()));
        if (kind == QLatin1StringView("folder")) {
            target = folder;
        } else if (kind == QLatin1StringView("parentFile")) {
            target = guarded + QStringLiteral("/quillmark.ini");
        } else if (kind == QLatin1StringView("readOnly")) {
            if (geteuid() == 0)
                QSKIP("Running as root, which writes anywhere.");
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        } else if (kind == QLatin1StringView("tooMany")) {
            record.strStdCodes = QStringList(SettingsStore::MaxListCount + 1, QStringLiteral("C"));
            record.strStdTexts = record.strStdCodes;
        } else if (kind == QLatin1StringView("tooLong")) {
            record.strTeacherName = QString(SettingsStore::MaxTextLength + 1, QLatin1Char('n'));
        } else if (kind == QLatin1StringView("tooLarge")) {
            record.strStdCodes = QStringList(500, QStringLiteral("C"));
            record.strStdTexts =
                QStringList(500, QString(SettingsStore::MaxTextLength, QLatin1Char('t')));
        }
        const QByteArray before = readAll(guarded);
        const QStringList entriesBefore = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);

        const auto restore = qScopeGuard([&folder] {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        });
        std::optional<FullDisk> full;
        if (kind == QLatin1StringView("full"))
            full.emplace(0);
        QString error;
        QVERIFY(!SettingsStore(target).save(record, &error));
        const QString start =
            QStringLiteral("The settings could not be saved to %1: ").arg(quotedPath(target));
        QVERIFY2(error.startsWith(start), qPrintable(error));
        QVERIFY(error.size() > start.size());
        if (!reason.isEmpty())
            QCOMPARE(error.mid(start.size()), reason);
        QCOMPARE(readAll(guarded), before);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), entriesBefore);

        QString exportError;
        QVERIFY(!SettingsStore::exportTo(target, record, &exportError));
        QCOMPARE(exportError, error);
        QCOMPARE(readAll(guarded), before);
    }
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
