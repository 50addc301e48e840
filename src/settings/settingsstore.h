#pragma once

#include "settings/settings.h"

#include <QString>
#include <QStringList>

// What came of reading a settings file.
//  - ok == false: the file was refused (missing, unreadable, a folder, too large, or not a
//    Quillmark settings file at all). The record was left exactly as it was and message says why.
//  - ok == true: the file was ours and was read key by key. Every value that was missing, of the
//    wrong type or out of range was reset to its default (or, for lists, brought back into
//    shape); those keys are listed in resetKeys. Texts longer than MaxTextLength were cut and
//    are listed in shortenedKeys. message tells the teacher about both; it is empty when
//    everything was read as stored.
struct LoadResult {
    bool ok = false;
    QString message;
    QStringList resetKeys;
    QStringList shortenedKeys;
};

// Keeps the settings record in an INI file read and written through QSettings.
//
// Layout:
//   [Quillmark]           FormatVersion=1 marks the file as ours
//   [Settings]            one key per text, flag and number, named like the record's member
//   [strCourses] ...      one section per list, written as a QSettings array
//                         (size=N, 1\value=..., 2\value=...), so that empty entries, entries
//                         with commas and one-entry lists come back exactly as written
//
// The defaults are those of a default-constructed SettingsRecord; the store never restates them.
class SettingsStore
{
public:
    // Limits that keep a hostile file from flooding the screens. save() refuses a record that
    // breaks them, so that whatever was saved always reads back unchanged.
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;
    static constexpr int MaxListCount = 1000;
    static constexpr int MaxTextLength = 10000;
    static constexpr int FormatVersion = 1;

    explicit SettingsStore(const QString &iniPath = defaultPath());

    // quillmark.ini in the program's configuration folder.
    static QString defaultPath();

    QString path() const { return m_path; }
    bool exists() const;

    // Fills record from the store. On refusal the record is untouched.
    LoadResult load(SettingsRecord &record) const;
    // Writes the whole record; on failure returns false, sets *error (when given) to a message
    // for the teacher and leaves any file that was there as it was.
    bool save(const SettingsRecord &record, QString *error = nullptr) const;

    // The same format, to and from a file the teacher picks.
    static LoadResult importFrom(const QString &path, SettingsRecord &record);
    static bool exportTo(const QString &path, const SettingsRecord &record,
                         QString *error = nullptr);

private:
    QString m_path;
};
