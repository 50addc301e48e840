#pragma once

#include <QString>
#include <QTest>
#include <array>
#include <tuple>
#include <type_traits>
#include <utility>

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

// The columns of a data table on one line: dataColumns<int, QString>({"order", "line"}).
template <class... T> void dataColumns(const std::array<const char *, sizeof...(T)> &names)
{
    std::size_t i = 0;
    (QTest::addColumn<T>(names[i++]), ...);
}

// The current row's values, as QFETCH takes them one by one:
// const auto [order, line] = fetchRow<int, QString>({"order", "line"}).
template <class... T> std::tuple<T...> fetchRow(const std::array<const char *, sizeof...(T)> &names)
{
    return [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        return std::tuple<T...>(*static_cast<T *>(QTest::qData(names[I], qMetaTypeId<T>()))...);
    }
    (std::index_sequence_for<T...>());
}
