#pragma once

#include <QFile>
#include <QString>

// The expected document dump kept in the test's data folder (tests/data/<area>/<name>), for
// QCOMPARE(dump, goldenDump("case.dump", dump)); QUILLMARK_REGOLD=1 writes the dump there
// instead (review the diff before committing it).
inline QString goldenDump(const QString &name, const QString &actual)
{
    QFile file(QStringLiteral(QUILLMARK_TEST_DATA "/") + name);
    if (qEnvironmentVariableIsSet("QUILLMARK_REGOLD") && file.open(QIODevice::WriteOnly)) {
        file.write(actual.toUtf8());
        return actual;
    }
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                          : QStringLiteral("<no file ") + name + u'>';
}
