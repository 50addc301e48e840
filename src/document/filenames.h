#pragma once

#include <QString>

class Platform;

// Entries that become part of a plan's file name: a double quote becomes two apostrophes, and
// each of the characters / \ * : < > | ` ? becomes "_". *replaced tells whether any of those
// characters was found (the quote rule alone does not count).
QString fileNameSafe(const QString &text, bool *replaced = nullptr);

// fileNameSafe, telling the teacher with the "Illegal Characters" message when characters
// had to be replaced. Used when an entry field that feeds the file name is left.
QString MakeFileNameSafe(const QString &text, Platform &platform);
