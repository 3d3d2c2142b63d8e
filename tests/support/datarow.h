// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>
#include <QTest>

namespace DataRow {

inline QString column(const char *text)
{
    return QString::fromUtf8(text);
}
template<class T>
const T &column(const T &value)
{
    return value;
}

} // namespace DataRow

// One row of a test's data table, on one line: text written in quotes goes
// in as a QString column, every other value as it is.
template<class... Values>
void addDataRow(const char *tag, const Values &...values)
{
    (QTest::newRow(tag) << ... << DataRow::column(values));
}
