#include "document/planindex.h"

#include "document/filenames.h"
#include "platform/rtf/rtfreader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>
#include <QVariant>

#include <algorithm>

namespace
{
// Bumped whenever the tables change; an index of another version is made anew.
constexpr int schemaVersion = 2;
// Files read between two commits: other writers get their turn in between.
constexpr int batchSize = 200;
// Plans of one day share a range of ids.
constexpr qint64 idsPerDay = 1'000'000;
// A search ranks this many of the newest plans that match.
constexpr int newestRanked = 200;

QString connectionName()
{
    static std::atomic_int next{0};
    return QStringLiteral("planindex-%1").arg(next++);
}

bool isDamage(const QSqlError &e)
{
    // SQLITE_CORRUPT (11) and SQLITE_NOTADB (26), with their extended codes.
    const int code = e.nativeErrorCode().toInt() & 0xff;
    return code == 11 || code == 26;
}

// Starts a transaction that writes. It takes the write lock at once, waiting for another
// writer: one that read first and wrote later would fail at once when another program had
// written in between.
QSqlError begin(QSqlDatabase &db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    return q.lastError();
}

bool isLetterOrDigit(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}
} // namespace

QString foldForSearch(const QString &text, QList<int> *positions)
{
    QString out;
    out.reserve(text.size());
    if (positions) {
        positions->clear();
        positions->reserve(text.size());
    }
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            out += c.toLower();
            if (positions)
                positions->append(i);
            continue;
        }
        QString piece(c);
        if (c.isHighSurrogate() && i + 1 < text.size())
            piece += text.at(i + 1);
        const QString decomposed = piece.normalized(QString::NormalizationForm_KD);
        for (const QChar d : decomposed) {
            if (d.isMark())
                continue;
            for (const QChar f : QString(d).toCaseFolded()) {
                out += f;
                if (positions)
                    positions->append(i);
            }
        }
        if (piece.size() == 2)
            ++i;
    }
    return out;
}

QStringList searchWords(const QString &typed)
{
    QStringList words;
    const QString folded = foldForSearch(typed);
    QString word;
    for (const QChar c : folded) {
        if (isLetterOrDigit(c)) {
            word += c;
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty())
        words.append(word);
    words.removeDuplicates();
    return words;
}

QList<std::pair<int, int>> findMatches(const QString &text, const QStringList &words)
{
    QList<int> positions;
    const QString folded = foldForSearch(text, &positions);
    QList<std::pair<int, int>> found;
    for (const QString &word : words) {
        if (word.isEmpty())
            continue;
        for (qsizetype at = folded.indexOf(word); at >= 0; at = folded.indexOf(word, at + 1)) {
            if (at > 0 && isLetterOrDigit(folded.at(at - 1)))
                continue;
            const int start = positions.at(at);
            // The whole word of the text is marked, not only its typed beginning.
            qsizetype after = at + word.size();
            while (after < folded.size() && isLetterOrDigit(folded.at(after)))
                ++after;
            const int end = after < folded.size() ? positions.at(after) : int(text.size());
            found.append({start, std::max(1, end - start)});
        }
    }
    std::sort(found.begin(), found.end());
    // Overlapping matches (one word the beginning of another) become one.
    QList<std::pair<int, int>> merged;
    for (const auto &m : std::as_const(found)) {
        if (!merged.isEmpty() && m.first < merged.last().first + merged.last().second) {
            auto &last = merged.last();
            last.second = std::max(last.first + last.second, m.first + m.second) - last.first;
        } else {
            merged.append(m);
        }
    }
    return merged;
}

QString planText(const QByteArray &data)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    rtf::read(data, cursor);
    return doc.toPlainText();
}

PlanIndex::PlanIndex(QString databasePath)
    : path_(std::move(databasePath)), connection_(connectionName())
{
}

PlanIndex::~PlanIndex()
{
    close();
}

QString PlanIndex::defaultPath()
{
    // A folder of its own: SQLite keeps its journal files beside the index.
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                        QStringLiteral("/library");
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("plans.sqlite"));
}

bool PlanIndex::isLibraryFile(const QString &fileName)
{
    if (fileName.startsWith(QLatin1String("LPlans--"), Qt::CaseInsensitive))
        return true;
    static const QStringList types{QStringLiteral("rtf"), QStringLiteral("doc"),
                                   QStringLiteral("wps"), QStringLiteral("wpd")};
    return types.contains(QFileInfo(fileName).suffix(), Qt::CaseInsensitive);
}

bool PlanIndex::isOpen() const
{
    return QSqlDatabase::contains(connection_) &&
           QSqlDatabase::database(connection_, false).isOpen();
}

void PlanIndex::close()
{
    if (!QSqlDatabase::contains(connection_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

bool PlanIndex::open(QString *error)
{
    rebuilt_ = false;
    QString why;
    if (openOnce(&why))
        return true;
    // Whatever is at that place is no index of ours that can be used: it is only a cache of
    // the plan files, so it is made anew.
    rebuilt_ = true;
    if (rebuild(error))
        return true;
    if (error && error->isEmpty())
        *error = why;
    return false;
}

bool PlanIndex::rebuild(QString *error)
{
    close();
    for (const char *suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path_ + QLatin1String(suffix));
    return openOnce(error);
}

bool PlanIndex::openOnce(QString *error)
{
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    // A second window or program writing at the same time is waited for, not failed.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    const int version = q.value(0).toInt();
    q.finish();
    if (version == 0) {
        if (!createSchema(error))
            return false;
    } else if (version != schemaVersion) {
        if (error)
            *error = QStringLiteral("index of another version");
        return false;
    }
    // Readers go on while one connection writes.
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.finish();
    q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    // A damaged file often opens; reading a little of each table shows it.
    for (const char *probe : {"SELECT id, path FROM files ORDER BY id DESC LIMIT 1",
                              "SELECT rowid FROM fts WHERE fts MATCH 'a' LIMIT 1",
                              "SELECT path FROM folders LIMIT 1"}) {
        if (!q.exec(QLatin1String(probe))) {
            if (error)
                *error = q.lastError().text();
            return false;
        }
        while (q.next()) {
        }
    }
    return true;
}

bool PlanIndex::createSchema(QString *error)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    const char *const statements[] = {
        "BEGIN IMMEDIATE",
        "CREATE TABLE IF NOT EXISTS folders(path TEXT PRIMARY KEY)",
        "CREATE TABLE IF NOT EXISTS files(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE, "
        "folder TEXT NOT NULL, size INTEGER NOT NULL, mtime INTEGER NOT NULL, "
        "readable INTEGER NOT NULL)",
        "CREATE VIRTUAL TABLE IF NOT EXISTS fts USING fts5(body, "
        "tokenize=\"unicode61 remove_diacritics 2\")",
        "PRAGMA user_version=2",
        "COMMIT"};
    static_assert(schemaVersion == 2);
    for (const char *statement : statements) {
        if (!q.exec(QLatin1String(statement))) {
            if (error)
                *error = q.lastError().text();
            db.rollback();
            return false;
        }
    }
    return true;
}

QStringList PlanIndex::folders() const
{
    QStringList list;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (q.exec(QStringLiteral("SELECT path FROM folders ORDER BY path")))
        while (q.next())
            list.append(q.value(0).toString());
    return list;
}

void PlanIndex::rememberFolder(const QString &folder)
{
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("INSERT OR IGNORE INTO folders(path) VALUES(?)"));
    q.addBindValue(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    q.exec();
}

namespace
{
struct Known {
    qint64 id = 0;
    QString folder; // shared with the other entries of its folder
    qint64 size = 0;
    qint64 mtime = 0;
    bool readable = false;
    bool present = false; // found in its folder by this update
};

// A file to read: its path and the folder it was listed in.
struct ToRead {
    QString path;
    QString folder;
};

struct Read {
    QString path;
    QString folder;
    qint64 size = 0;
    qint64 mtime = 0;
    bool gone = false;
    bool readable = false;
    QString text;
    QString reason;
};

// Reads one file for the index. Its size and time are taken before its text, so that a file
// that changes while it is read is read again next time.
Read readFile(const QString &path, const QString &folder)
{
    Read r;
    r.path = path;
    r.folder = folder;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists()) {
        r.gone = true;
        return r;
    }
    r.size = info.size();
    r.mtime = info.lastModified().toMSecsSinceEpoch();
    if (r.size > PlanIndex::maxIndexedSize) {
        r.reason = QStringLiteral("too large to search (%1 MB)").arg(r.size >> 20);
        return r;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            r.gone = true;
        r.reason = file.errorString();
        return r;
    }
    const QByteArray data = file.read(PlanIndex::maxIndexedSize + 1);
    if (file.error() != QFileDevice::NoError) {
        r.reason = file.errorString();
        return r;
    }
    r.text = planText(data);
    r.readable = true;
    return r;
}

qint64 idOf(QSqlDatabase &db, const QString &path)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT id FROM files WHERE path = ?"));
    q.addBindValue(path);
    if (q.exec() && q.next())
        return q.value(0).toLongLong();
    return 0;
}

// Each write says what went wrong, so that a failure (a full disk, a damaged file) is reported
// with SQLite's reason and code instead of passing for success.
QSqlError drop(QSqlDatabase &db, qint64 id)
{
    QSqlQuery q(db);
    for (const char *sql : {"DELETE FROM fts WHERE rowid = ?", "DELETE FROM files WHERE id = ?"}) {
        q.prepare(QLatin1String(sql));
        q.addBindValue(id);
        if (!q.exec())
            return q.lastError();
    }
    return {};
}

// Writes one file's entry; whatever was there for the path is replaced, so two writers that
// both read the same file leave one entry.
QSqlError store(QSqlDatabase &db, const Read &r)
{
    if (const qint64 old = idOf(db, r.path))
        if (const QSqlError e = drop(db, old); e.isValid())
            return e;
    // The id orders the plans newest first: the plan's week (or the file's day), then a count.
    // A search takes its newest matches by id without sorting them all.
    const PlanTitle title = planTitle(r.path.mid(r.path.lastIndexOf(QLatin1Char('/')) + 1), {});
    const QDate day =
        title.week.isValid() ? title.week : QDateTime::fromMSecsSinceEpoch(r.mtime).date();
    const qint64 base = std::max<qint64>(0, day.toJulianDay()) * idsPerDay;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT max(id) FROM files WHERE id >= ? AND id < ?"));
    q.addBindValue(base);
    q.addBindValue(base + idsPerDay);
    if (!q.exec() || !q.next())
        return q.lastError();
    const qint64 id = q.value(0).isNull() ? base : q.value(0).toLongLong() + 1;
    q.prepare(QStringLiteral(
        "INSERT INTO files(id, path, folder, size, mtime, readable) VALUES(?, ?, ?, ?, ?, ?)"));
    q.addBindValue(id);
    q.addBindValue(r.path);
    q.addBindValue(r.folder);
    q.addBindValue(r.size);
    q.addBindValue(r.mtime);
    q.addBindValue(r.readable ? 1 : 0);
    if (!q.exec())
        return q.lastError();
    if (!r.readable)
        return {};
    q.prepare(QStringLiteral("INSERT INTO fts(rowid, body) VALUES(?, ?)"));
    q.addBindValue(id);
    q.addBindValue(r.text);
    return q.exec() ? QSqlError() : q.lastError();
}
} // namespace

IndexReport PlanIndex::update(const QStringList &folderList,
                              const std::function<void(int, int)> &progress,
                              const std::atomic_bool *cancel)
{
    IndexReport report;
    report.rebuilt = rebuilt_;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen()) {
        report.error = QStringLiteral("The search index is not open.");
        return report;
    }

    // What the index holds, in one query. This and the listing of the folders are all that a
    // start with nothing changed costs, so nothing per file is kept but its path and entry.
    QHash<QString, Known> known;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT count(*) FROM files")) || !q.next()) {
            report.error = q.lastError().text();
            return report;
        }
        known.reserve(q.value(0).toLongLong());
        if (!q.exec(QStringLiteral("SELECT id, path, folder, size, mtime, readable FROM files"))) {
            report.error = q.lastError().text();
            return report;
        }
        QSet<QString> folderNames;
        while (q.next()) {
            const QString folder = *folderNames.insert(q.value(2).toString());
            known.insert(q.value(1).toString(),
                         {q.value(0).toLongLong(), folder, q.value(3).toLongLong(),
                          q.value(4).toLongLong(), q.value(5).toBool()});
        }
    }

    // What the folders hold now: the library's files, and any other file browsed to. Files
    // that could not be read are tried again each time.
    QStringList listed;
    QStringList reachable;
    QList<ToRead> toRead;
    for (const QString &given : folderList) {
        const QString folder = QDir::cleanPath(QFileInfo(given).absoluteFilePath());
        listed.append(folder);
        if (reachable.contains(folder))
            continue;
        QDir dir(folder);
        if (given.isEmpty() || !dir.exists() || !dir.isReadable()) {
            report.missingFolders.append(QDir::toNativeSeparators(folder));
            continue;
        }
        reachable.append(folder);
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
        while (it.hasNext()) {
            it.next();
            const QString path = it.filePath();
            const auto k = known.find(path);
            if (k == known.end()) {
                if (isLibraryFile(it.fileName()))
                    toRead.append({path, folder});
                continue;
            }
            k->present = true;
            const QFileInfo info = it.fileInfo();
            if (k->size != info.size() || k->mtime != info.lastModified().toMSecsSinceEpoch() ||
                !k->readable)
                toRead.append({path, folder});
            else
                ++report.unchanged;
        }
    }
    // Entries of files that are gone from a folder that was reached, or of folders no longer
    // in the library. A folder that could not be reached keeps its entries.
    QList<qint64> toDrop;
    for (auto it = known.cbegin(); it != known.cend(); ++it)
        if (!it->present && (!listed.contains(it->folder) || reachable.contains(it->folder)))
            toDrop.append(it->id);

    const int total = int(toRead.size() + (toDrop.isEmpty() ? 0 : 1));
    int done = 0;
    if (progress)
        progress(done, total);
    const auto fail = [&](const QSqlError &e) {
        db.rollback();
        report.error = e.text();
        if (isDamage(e))
            rebuild(nullptr);
        return report;
    };

    if (!toDrop.isEmpty()) {
        if (const QSqlError e = begin(db); e.isValid())
            return fail(e);
        for (const qint64 id : std::as_const(toDrop))
            if (const QSqlError e = drop(db, id); e.isValid())
                return fail(e);
        if (!db.commit())
            return fail(db.lastError());
        report.removed += int(toDrop.size());
        ++done;
    }

    for (qsizetype from = 0; from < toRead.size(); from += batchSize) {
        if (cancel && cancel->load()) {
            report.cancelled = true;
            break;
        }
        // The slow part, reading, happens outside the transaction.
        QList<Read> batch;
        for (qsizetype i = from; i < std::min(toRead.size(), from + batchSize); ++i) {
            if (cancel && cancel->load())
                break;
            batch.append(readFile(toRead.at(i).path, toRead.at(i).folder));
        }
        if (const QSqlError e = begin(db); e.isValid())
            return fail(e);
        for (const Read &r : std::as_const(batch)) {
            const bool wasKnown = known.contains(r.path);
            if (r.gone) {
                // Deleted while the library was being read.
                if (const qint64 id = idOf(db, r.path))
                    if (const QSqlError e = drop(db, id); e.isValid())
                        return fail(e);
                if (wasKnown)
                    ++report.removed;
                continue;
            }
            if (const QSqlError e = store(db, r); e.isValid())
                return fail(e);
            if (!r.readable)
                report.skipped.append(QDir::toNativeSeparators(r.path) + QStringLiteral(": ") +
                                      r.reason);
            else if (wasKnown)
                ++report.changed;
            else
                ++report.added;
        }
        if (!db.commit())
            return fail(db.lastError());
        done += int(batch.size());
        if (progress)
            progress(done, total);
    }
    return report;
}

bool PlanIndex::indexFile(const QString &path, QString *error)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const QFileInfo info(path);
    const Read r =
        readFile(QDir::cleanPath(info.absoluteFilePath()), QDir::cleanPath(info.absolutePath()));
    const QSqlError started = db.isOpen()
                                  ? begin(db)
                                  : QSqlError(QStringLiteral("The search index is not open."), {},
                                              QSqlError::ConnectionError);
    if (started.isValid()) {
        if (error)
            *error = started.text();
        return false;
    }
    if (const QSqlError e = r.gone ? drop(db, idOf(db, r.path)) : store(db, r); e.isValid()) {
        db.rollback();
        if (error)
            *error = e.text();
        if (isDamage(e))
            rebuild(nullptr);
        return false;
    }
    if (!db.commit()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    if (error && !r.readable)
        *error = r.reason;
    return r.readable;
}

QList<IndexedFile> PlanIndex::files() const
{
    QList<IndexedFile> list;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT path, size, mtime, readable FROM files")))
        while (q.next())
            list.append({q.value(0).toString(), q.value(1).toLongLong(),
                         QDateTime::fromMSecsSinceEpoch(q.value(2).toLongLong()),
                         q.value(3).toBool()});
    return list;
}

namespace
{
// The line of the snippet that holds its first match, without the marks.
QString contextLine(const QString &snippet)
{
    const qsizetype mark = snippet.indexOf(QChar(2));
    qsizetype from = mark < 0 ? 0 : snippet.lastIndexOf(QLatin1Char('\n'), mark) + 1;
    qsizetype to = mark < 0 ? -1 : snippet.indexOf(QLatin1Char('\n'), mark);
    QString line = snippet.mid(from, to < 0 ? -1 : to - from);
    line.remove(QChar(2));
    line.remove(QChar(3));
    return line.trimmed();
}
} // namespace

QList<SearchHit> PlanIndex::search(const QString &typed, int limit) const
{
    QList<SearchHit> hits;
    const QStringList words = searchWords(typed);
    if (words.isEmpty())
        return hits;
    // Every word; the last one, while it is being typed, as the beginning of a word of the
    // plan ("frac" finds "fractions"). Whole words are found much faster than beginnings.
    const bool typing = !typed.isEmpty() && isLetterOrDigit(typed.back());
    QStringList terms;
    for (const QString &w : words)
        terms.append(
            QLatin1Char('"') + QString(w).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
            QLatin1Char('"') + (typing && &w == &words.back() ? QStringLiteral("*") : QString()));
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen())
        return hits;
    // The newest matches come by id without a sort of all of them; of those the best come
    // first, the newer of two equally good ones first.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT rowid, bm25(fts), snippet(fts, 0, char(2), char(3), '\u2026', 24) FROM fts "
        "WHERE fts MATCH ? ORDER BY rowid DESC LIMIT ?"));
    q.addBindValue(terms.join(QLatin1Char(' ')));
    q.addBindValue(std::max(limit, newestRanked));
    if (!q.exec())
        return hits;
    struct Found {
        qint64 id;
        double score;
        QString snippet;
    };
    QList<Found> found;
    while (q.next())
        found.append({q.value(0).toLongLong(), q.value(1).toDouble(), q.value(2).toString()});
    q.finish();
    std::stable_sort(found.begin(), found.end(),
                     [](const Found &a, const Found &b) { return a.score < b.score; });
    if (found.size() > limit)
        found.resize(limit);
    QSqlQuery file(db);
    file.prepare(QStringLiteral("SELECT path, mtime FROM files WHERE id = ?"));
    for (const Found &f : std::as_const(found)) {
        file.addBindValue(f.id);
        if (!file.exec() || !file.next())
            continue;
        SearchHit hit;
        hit.path = file.value(0).toString();
        hit.modified = QDateTime::fromMSecsSinceEpoch(file.value(1).toLongLong());
        hit.score = f.score;
        hit.context = contextLine(f.snippet);
        hits.append(hit);
    }
    return hits;
}
