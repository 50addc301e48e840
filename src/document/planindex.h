#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// The words of a search as the index compares them: split where the index splits text (at
// everything that is not a letter or a digit), without case and accents.
QStringList searchWords(const QString &typed);

// Text without case and accents, with the position in the text of each folded character, so
// that matches found in the folded text can be marked in the original.
QString foldForSearch(const QString &text, QList<int> *positions = nullptr);

// Where the words (already folded) begin a word of the text: each match as (start, length) in
// the original text, in order, covering the whole word of the text. A word matches the
// beginning of a word of the text, as in the index's search.
QList<std::pair<int, int>> findMatches(const QString &text, const QStringList &words);

// The plain text of a plan file, read with the program's own RTF reader.
QString planText(const QByteArray &data);

// One file the index knows.
struct IndexedFile {
    QString path;
    qint64 size = 0;
    QDateTime modified;
    bool readable = true; // false: the file could not be read or was too large to index
};

// One plan found by a search, best first.
struct SearchHit {
    QString path;
    QString context; // the first line of the plan that holds one of the words
    double score = 0;
    QDateTime modified;
};

// What bringing the index up to date did.
struct IndexReport {
    int added = 0;
    int changed = 0;
    int removed = 0;
    int unchanged = 0;
    QStringList skipped;        // files that could not be read or were too large, with the reason
    QStringList missingFolders; // folders that could not be reached; their entries are kept
    bool rebuilt = false;       // the index was damaged or missing and was made anew
    bool cancelled = false;
    QString error; // the index could not be written at all
};

// The full-text index of the plans in the library folders: one SQLite file with an FTS5 table.
// It is only a cache of the plan files: it is brought up to date from the files' sizes and
// times, and a damaged index is deleted and built again. Several connections (threads or
// programs) may use one file; SQLite's locking lets one write at a time, the others wait.
//
// One object belongs to one thread.
class PlanIndex
{
public:
    explicit PlanIndex(QString databasePath);
    ~PlanIndex();
    PlanIndex(const PlanIndex &) = delete;
    PlanIndex &operator=(const PlanIndex &) = delete;

    // Opens the index, making it anew when it is missing or damaged. False only when no index
    // can be made at that place (the error says why); the program then works without it.
    bool open(QString *error = nullptr);
    bool isOpen() const;
    // Whether the last open had to make the index anew over a damaged or foreign file.
    bool wasRebuilt() const { return rebuilt_; }

    // The folders the teacher browsed to, remembered across runs.
    QStringList folders() const;
    void rememberFolder(const QString &folder);

    // Brings the index up to date with the files of the folders: new and changed files are
    // read, files that are gone are dropped. Folders that cannot be reached keep their entries.
    // progress(done, total) is called now and then; cancel stops between files.
    IndexReport update(const QStringList &folders,
                       const std::function<void(int, int)> &progress = {},
                       const std::atomic_bool *cancel = nullptr);
    // Reads one file into the index at once (a plan just saved). False when it cannot be read.
    bool indexFile(const QString &path, QString *error = nullptr);

    // Every file the index lists, in no particular order.
    QList<IndexedFile> files() const;
    // Plans holding every one of the words typed (the last one, unless followed by a blank or
    // a sign, as the beginning of a word), best and newest first: the newest few
    // hundred that match, the best of them first.
    QList<SearchHit> search(const QString &typed, int limit = 100) const;

    // Files larger than this are listed but not read: a plan is far smaller.
    static constexpr qint64 maxIndexedSize = 8 * 1024 * 1024;
    // Whether a file of the folder belongs to the library.
    static bool isLibraryFile(const QString &fileName);
    // The index file in the program's data folder.
    static QString defaultPath();

private:
    bool openOnce(QString *error);
    bool createSchema(QString *error);
    void close();
    bool rebuild(QString *error);

    QString path_;
    QString connection_;
    bool rebuilt_ = false;
};
