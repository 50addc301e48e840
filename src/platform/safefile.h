#pragma once

#include <QByteArray>
#include <QString>

// Writing the program's files so that a failure never costs what was there.
namespace safefile
{
// Replaces the file at path with data in one step: either every byte reaches the disk and the
// new file takes the old one's place, or the call fails, any file that was there is left byte
// for byte as it was, and *error (when given) holds the system's reason, such as "No space
// left on device".
bool write(const QString &path, const QByteArray &data, QString *error = nullptr);

// Keeps the file at path beside itself as path + suffix, copied or (when move) moved there,
// never over a kept file that differs from it: a further one gets path + suffix + "-2", "-3",
// and so on. Returns the kept file's path, or an empty string when nothing could be kept.
QString keepAside(const QString &path, const QString &suffix, bool move);
// Moves the files of the folder from into the folder to, where no file of the same name is
// there already (those stay where they are), and removes from once it is empty.
void adoptFolder(const QString &from, const QString &to);
} // namespace safefile
