#pragma once

#include <QString>
#include <QTest>
#include <initializer_list>
#include <type_traits>

// One row of a data table on one line: dataRow("tag", a, b, c) is
// QTest::newRow("tag") << a << b << c, with string literals taken as QString.
template <class T> auto rowValue(const T &value)
{
    if constexpr (std::is_convertible_v<const T &, const char *>)
        return QString::fromUtf8(value);
    else
        return value;
}

template <class... T> void dataRow(const char *tag, const T &...values)
{
    (QTest::newRow(tag) << ... << rowValue(values));
}

// The columns of a data table on one line: dataColumns<QString, int>({"name", "count"}).
template <class... T> void dataColumns(std::initializer_list<const char *> names)
{
    Q_ASSERT(names.size() == sizeof...(T));
    auto name = names.begin();
    (QTest::addColumn<T>(*name++), ...);
}
