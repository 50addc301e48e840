#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace safefile
{

bool write(const QString &path, const QByteArray &data, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself. A buffered QSaveFile can miss the
    // failure of its last flush and then commit a short file over a good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    qint64 written = 0;
    while (written < data.size()) {
        // A write cut short by the disk filling up returns what it wrote without an error;
        // writing the rest fails and brings the system's reason.
        const qint64 n = file.write(data.constData() + written, data.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fail(reason);
        }
        written += n;
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

namespace
{
QByteArray contents(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    const QByteArray data = *ok ? file.readAll() : QByteArray();
    *ok = *ok && file.error() == QFileDevice::NoError;
    return data;
}
} // namespace

QString keepAside(const QString &path, const QString &suffix, bool move)
{
    bool ok = false;
    const QByteArray data = contents(path, &ok);
    if (!ok)
        return QString();
    for (int n = 1; n < 1000; ++n) {
        const QString kept =
            path + suffix + (n == 1 ? QString() : QLatin1Char('-') + QString::number(n));
        if (QFileInfo::exists(kept)) {
            bool same = false;
            if (contents(kept, &same) != data || !same)
                continue;
            // The same bytes are kept already.
            if (move)
                QFile::remove(path);
            return kept;
        }
        if (move ? QFile::rename(path, kept) : write(kept, data))
            return kept;
        return QString();
    }
    return QString();
}

void adoptFolder(const QString &from, const QString &to)
{
    const QDir earlier(from);
    if (!earlier.exists() || !QDir().mkpath(to))
        return;
    for (const QString &name : earlier.entryList(QDir::Files | QDir::Hidden)) {
        const QString target = QDir(to).filePath(name);
        if (!QFileInfo::exists(target))
            QFile::rename(earlier.filePath(name), target);
    }
    QDir().rmdir(from);
}

} // namespace safefile
