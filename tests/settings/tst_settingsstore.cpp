// The settings file: what was saved reads back unchanged, a damaged file still gives a record
// the screens can use, files that are not ours are refused, and a failed save keeps what was
// there. The record with every setting changed lives in tests/data/settings/awkward.ini.
#include "platform/safefile.h"
#include "settings/settingsstore.h"
#include "support/datarows.h"
#include "support/fulldisk.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>
#include <unistd.h>

using Mutation = std::function<QByteArray(const QByteArray &)>;
Q_DECLARE_METATYPE(SettingsRecord)
Q_DECLARE_METATYPE(Mutation)

namespace
{

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

// Every key of an INI file with its value, as QSettings reads it.
QVariantMap keysOf(const QString &path)
{
    const QSettings settings(path, QSettings::IniFormat);
    QVariantMap keys;
    for (const QString &key : settings.allKeys())
        keys.insert(key, settings.value(key));
    return keys;
}

// The setting a key belongs to: "Settings/strTeacherName" and
// "strCourses/3/value" belong to strTeacherName and strCourses.
QString settingOf(const QString &key)
{
    return key.startsWith(u"Settings/") ? key.mid(9) : key.section(u'/', 0, 0);
}

QByteArray garbage(quint32 seed)
{
    QByteArray bytes(4096, '\0');
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return bytes;
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_fileNumber = 0;
    QString m_awkwardPath; // every setting changed, with texts INI files mangle
    SettingsRecord m_awkward;
    QVariantMap m_defaults; // the keys of a file saved from the defaults

    QString freshPath() { return m_dir.filePath(QStringLiteral("s%1.ini").arg(++m_fileNumber)); }

    QString awkwardCopy()
    {
        const QString path = freshPath();
        if (!writeAll(path, readAll(m_awkwardPath)))
            qWarning() << "could not copy" << m_awkwardPath;
        return path;
    }

    // The oracle for every record the store hands out: saved into a new folder, it reloads
    // unchanged with nothing reset, over a record holding other values. Returns the file.
    QString reloadsUnchanged(const SettingsRecord &record)
    {
        const QString path =
            m_dir.filePath(QStringLiteral("new %1/quillmark.ini").arg(++m_fileNumber));
        QString error;
        SettingsRecord again = m_awkward;
        again.strTeacherName = QStringLiteral("left over from before");
        if (SettingsStore(path).exists() || !SettingsStore::exportTo(path, record, &error))
            QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        else if (const LoadResult r = SettingsStore::importFrom(path, again);
                 !r.ok || !r.message.isEmpty())
            QTest::qFail(qPrintable(u"reloaded with: "_qs + r.message), __FILE__, __LINE__);
        else if (!(again == record))
            QTest::qFail("the record did not reload unchanged", __FILE__, __LINE__);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        m_awkwardPath = QStringLiteral(QUILLMARK_TEST_DATA "/awkward.ini");
        const LoadResult result = SettingsStore(m_awkwardPath).load(m_awkward);
        QVERIFY(result.ok);
        QCOMPARE(result.message, QString());
        const QString defaults = freshPath();
        QVERIFY(SettingsStore(defaults).save(SettingsRecord()));
        m_defaults = keysOf(defaults);
    }

    void roundTrip_data()
    {
        QTest::addColumn<SettingsRecord>("record");
        dataRow("defaults", SettingsRecord());
        dataRow("every setting changed", m_awkward);

        SettingsRecord one = m_awkward;
        one.strMaterials = {QStringLiteral("T0")};
        one.strStdCodes = {QString()};
        one.strStdTexts = {QStringLiteral("Only one")};
        dataRow("one-entry lists", one);

        SettingsRecord none = m_awkward;
        none.strMaterials = none.strStdCodes = none.strStdTexts = QStringList();
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

    // Whatever the teacher saved comes back exactly, into a folder the first save creates; the
    // record with every setting changed is written key for key as the file it came from.
    void roundTrip()
    {
        QFETCH(SettingsRecord, record);
        const QString path = reloadsUnchanged(record);
        if (qstrcmp(QTest::currentDataTag(), "every setting changed") == 0)
            QCOMPARE(keysOf(path), keysOf(m_awkwardPath));
    }

    // Saving a smaller record over a larger one must not leave old list entries behind.
    void saveReplacesEverything()
    {
        const QString path = awkwardCopy();
        SettingsRecord record = m_awkward;
        record.strMaterials = {QStringLiteral("M1Glue")};
        record.strStdCodes = {QStringLiteral("X")};
        record.strStdTexts = {QStringLiteral("Y")};
        QVERIFY(SettingsStore(path).save(record));
        SettingsRecord loaded;
        QCOMPARE(SettingsStore(path).load(loaded).message, QString());
        QVERIFY(loaded == record);
        QCOMPARE(keysOf(path), keysOf(reloadsUnchanged(record)));
    }

    // The settings live in a folder of their own under the configuration folder, never loose
    // in the folder every program shares.
    void defaultPathIsOurs()
    {
        const QFileInfo path(SettingsStore::defaultPath());
        const QString config =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QCOMPARE(path.fileName(), u"quillmark.ini");
        QVERIFY2(path.absolutePath().startsWith(config + u'/'), qPrintable(path.filePath()));
        QCOMPARE(SettingsStore().path(), path.filePath());
    }

    // Files an earlier version kept one folder deeper are taken over at start-up: one that
    // replaces the newer file of the same name, or a folder removed with that file still in
    // it, loses settings.
    void earlierFolderIsAdopted()
    {
        const QString to = m_dir.filePath(u"adopt"_qs), from = to + u"/Quillmark"_qs;
        QVERIFY(QDir().mkpath(from) && writeAll(from + u"/a.ini"_qs, "earlier") &&
                writeAll(from + u"/.b"_qs, "hidden") && writeAll(to + u"/a.ini"_qs, "newer"));
        safefile::adoptFolder(from, to);
        QCOMPARE(readAll(to + u"/a.ini"_qs) + readAll(to + u"/.b"_qs), QByteArray("newerhidden"));
        QCOMPARE(readAll(from + u"/a.ini"_qs), QByteArray("earlier"));
        QVERIFY(QFile::remove(from + u"/a.ini"_qs));
        safefile::adoptFolder(from, to);
        QVERIFY(!QFileInfo::exists(from));
    }

    // A file of ours with damaged values: each falls back on its own, the rest is kept. The
    // cases are in tests/data/settings/damaged-values.txt, which says how they are written.
    void damagedValues_data()
    {
        dataColumns<QStringList, QByteArray, QByteArray, QStringList>(
            {"removed", "damage", "expect", "reset"});
        QByteArray tag, damage, expect, *part = nullptr;
        QStringList removed, reset;
        const auto flush = [&] {
            if (part)
                QTest::addRow("%s", tag.constData()) << removed << damage << expect << reset;
            damage.clear(), expect.clear(), removed.clear(), reset.clear();
        };
        const auto names = [](const QByteArray &line) {
            return QString::fromUtf8(line.mid(line.indexOf(':') + 1).simplified())
                .split(QStringLiteral(", "), Qt::SkipEmptyParts);
        };
        for (const QByteArray &line :
             readAll(QStringLiteral(QUILLMARK_TEST_DATA "/damaged-values.txt")).split('\n')) {
            if (line.startsWith("== ")) {
                flush();
                tag = line.mid(3);
                part = &damage;
            } else if (line.startsWith("removed:") || line.startsWith("reset:")) {
                (line.startsWith("reset:") ? reset : removed) = names(line);
            } else if (line == "-- expect") {
                part = &expect;
            } else if (part) {
                *part += line + '\n';
            }
        }
        flush();
        const QByteArray wide(SettingsStore::MaxTextLength, 'w');
        dataRow("text longer than the limit", QStringList(),
                "[Settings]\nstrSchoolName=" + wide + "www", "[Settings]\nstrSchoolName=" + wide,
                QStringList{"strSchoolName (shortened)"});
    }

    void damagedValues()
    {
        const auto [removed, damage, expect, reset] =
            fetchRow<QStringList, QByteArray, QByteArray, QStringList>(
                {"removed", "damage", "expect", "reset"});
        const QString path = awkwardCopy();
        const QString snippet = freshPath();
        QVERIFY(writeAll(snippet, damage));
        {
            QSettings settings(path, QSettings::IniFormat);
            for (const QString &key : removed + keysOf(snippet).keys())
                settings.remove(key);
        }
        QVERIFY(writeAll(path, readAll(path) + '\n' + damage));

        SettingsRecord loaded = m_awkward;
        loaded.strTeacherName = QStringLiteral("left over from before");
        const LoadResult result = SettingsStore(path).load(loaded);
        QVERIFY(result.ok);
        QStringList reported = result.resetKeys;
        for (const QString &key : result.shortenedKeys)
            reported << key + QStringLiteral(" (shortened)");
        QCOMPARE(reported, reset);
        QCOMPARE(result.message.isEmpty(), reset.isEmpty());
        const QString saved = reloadsUnchanged(loaded);
        if (QTest::currentTestFailed())
            return;

        QVERIFY(writeAll(snippet, expect));
        const QVariantMap expected = keysOf(snippet);
        const QVariantMap before = keysOf(m_awkwardPath);
        const QVariantMap after = keysOf(saved);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const bool factory = it.value() == QStringLiteral("(default)");
            QCOMPARE(after.value(it.key()), factory ? m_defaults.value(it.key()) : it.value());
        }
        // Nothing else changed.
        const QStringList touched = result.resetKeys + result.shortenedKeys + expected.keys();
        for (const QString &key : before.keys() + after.keys()) {
            if (before.value(key) != after.value(key))
                QVERIFY2(touched.contains(settingOf(key)) || touched.contains(key),
                         qPrintable(key));
        }
    }

    // A file of ours that was cut short or scribbled over still gives a usable record.
    void damagedFile_data()
    {
        QTest::addColumn<Mutation>("mutation");
        const QByteArray noise = garbage(7);
        dataRow("only the marker", Mutation([](const QByteArray &ini) { return ini.left(28); }));
        dataRow("cut in half",
                Mutation([](const QByteArray &ini) { return ini.left(ini.size() / 2); }));
        dataRow("garbage in the middle", Mutation([noise](const QByteArray &ini) {
                    return QByteArray(ini).replace(ini.size() / 2, 300, noise.left(300));
                }));
        dataRow("garbage appended",
                Mutation([noise](const QByteArray &ini) { return ini + noise; }));
    }

    void damagedFile()
    {
        QFETCH(Mutation, mutation);
        const QString path = awkwardCopy();
        const QByteArray damaged = mutation(readAll(path));
        QVERIFY(damaged.startsWith("[Quillmark]\nFormatVersion=1\n"));
        QVERIFY(writeAll(path, damaged));

        SettingsRecord loaded = m_awkward;
        const LoadResult result = SettingsStore(path).load(loaded);
        QVERIFY(result.ok);
        QCOMPARE(result.message.isEmpty(), result.resetKeys.isEmpty());
        QCOMPARE(QSet<QString>(result.resetKeys.begin(), result.resetKeys.end()).size(),
                 result.resetKeys.size());
        reloadsUnchanged(loaded);
        if (damaged.size() == 28) // nothing but the marker: every key falls back
            QVERIFY(loaded == SettingsRecord());
        else if (damaged.size() < readAll(m_awkwardPath).size()) // what was cut off is named
            QVERIFY(result.resetKeys.contains(QStringLiteral("strStdTexts")));
    }

    // Files that are not ours at all are refused and change nothing.
    void refusedFiles_data()
    {
        dataColumns<QByteArray, QString, QString>({"content", "kind", "message"});
        const QString notOurs = QStringLiteral("%1 is not a Quillmark settings file.");
        QByteArray printable = garbage(42);
        printable.replace('\0', '\1');
        dataRow("missing file", QByteArray(), "missing", "The settings file %1 was not found.");
        dataRow("empty file", QByteArray(""), "file", notOurs);
        dataRow("binary garbage", garbage(42), "file", notOurs);
        dataRow("garbage without zero bytes", printable, "file", notOurs);
        dataRow("another program's INI",
                QByteArray("[General]\nstrTeacherName=Mallory\n[Window]\nwidth=3\n"), "file",
                notOurs);
        dataRow("marker with a word for a version",
                QByteArray("[Quillmark]\nFormatVersion=one\n[Settings]\nintFirstDay=2\n"), "file",
                notOurs);
        dataRow("newer format",
                QByteArray("[Quillmark]\nFormatVersion=2\n[Settings]\nintFirstDay=2\n"), "file",
                "%1 was saved by a newer version of Quillmark and cannot be read by "
                "this one.");
        dataRow("a folder", QByteArray(), "folder",
                "%1 is a folder, not a Quillmark settings file.");
        dataRow("a device", QByteArray(), "device", notOurs);
        dataRow("huge file", QByteArray(), "huge",
                "%1 is too large to be a Quillmark settings file.");
        dataRow("unreadable file", QByteArray(), "unreadable",
                "The settings file %1 could not be read: Permission denied.");
    }

    void refusedFiles()
    {
        const auto [content, kind, message] =
            fetchRow<QByteArray, QString, QString>({"content", "kind", "message"});
        QString path = kind == u"device" ? QStringLiteral("/dev/null") : freshPath();
        if (kind == u"file") {
            QVERIFY(writeAll(path, content));
        } else if (kind == u"folder") {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == u"huge") { // our own file, grown past the limit
            QVERIFY(writeAll(path, readAll(m_awkwardPath) +
                                       QByteArray(SettingsStore::MaxFileSize, '\n')));
        } else if (kind == u"unreadable") {
            if (geteuid() == 0)
                QSKIP("Running as root, which reads any file.");
            QVERIFY(writeAll(path, readAll(m_awkwardPath)));
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        }
        SettingsRecord record = m_awkward;
        const LoadResult loaded = SettingsStore(path).load(record);
        QVERIFY(!loaded.ok);
        const QString quoted = u'"' + QDir::toNativeSeparators(path) + u'"';
        QCOMPARE(loaded.message,
                 message.arg(quoted) + QStringLiteral(" No settings were changed."));
        QCOMPARE(loaded.resetKeys, QStringList());
        QVERIFY(record == m_awkward);
    }

    // A failed save says why and leaves whatever was there alone, byte for byte.
    void saveFailure_data()
    {
        dataColumns<QString, QString>({"kind", "reason"});
        dataRow("target is a folder", "folder", "it is a folder.");
        dataRow("folder is really a file", "parentFile", "");
        dataRow("read-only folder", "readOnly", "");
        dataRow("too many standards", "tooMany",
                QStringLiteral("strStdCodes has more than %1 entries.")
                    .arg(SettingsStore::MaxListCount));
        dataRow("text too long", "tooLong",
                QStringLiteral("strTeacherName is longer than %1 characters.")
                    .arg(SettingsStore::MaxTextLength));
        dataRow("too large altogether", "tooLarge", "they would take more than 4 MB.");
        dataRow("full disk", "full", "");
        dataRow("disk full part way", "partly", "");
    }

    void saveFailure()
    {
        const auto [kind, reason] = fetchRow<QString, QString>({"kind", "reason"});
        const QString folder = m_dir.filePath(QStringLiteral("save-%1").arg(++m_fileNumber));
        QVERIFY(QDir().mkpath(folder));
        const QString guarded = folder + QStringLiteral("/quillmark.ini"); // must survive
        QVERIFY(SettingsStore(guarded).save(SettingsRecord()));
        QString target = guarded;
        SettingsRecord record = m_awkward;
        if (kind == u"folder") {
            target = folder;
        } else if (kind == u"parentFile") {
            target = guarded + QStringLiteral("/quillmark.ini");
        } else if (kind == u"readOnly") {
            if (geteuid() == 0)
                QSKIP("Running as root, which writes anywhere.");
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        } else if (kind == u"tooMany") {
            record.strStdCodes = QStringList(SettingsStore::MaxListCount + 1, QStringLiteral("C"));
            record.strStdTexts = record.strStdCodes;
        } else if (kind == u"tooLong") {
            record.strTeacherName = QString(SettingsStore::MaxTextLength + 1, QLatin1Char('n'));
        } else if (kind == u"tooLarge") {
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
        if (kind == u"full" || kind == u"partly")
            full.emplace(kind == u"full" ? 0 : 1024);
        QString error;
        QVERIFY(!SettingsStore(target).save(record, &error));
        const QString start = QStringLiteral("The settings could not be saved to \"%1\": ")
                                  .arg(QDir::toNativeSeparators(target));
        QVERIFY2(error.startsWith(start) && error.size() > start.size(), qPrintable(error));
        if (!reason.isEmpty())
            QCOMPARE(error.mid(start.size()), reason);
        QCOMPARE(readAll(guarded), before);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), entriesBefore);
    }
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
