// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// One column of a table of measurements, as read.
struct MeasurementColumn {
    QString Name;            // the header's text, without a unit in brackets
    QString Unit;            // the unit every filled cell shares, else the header's; may be empty
    bool Numeric = false;    // every filled cell is a number (and at least one cell is filled)
    int32_t ProblemRow = -1; // the row whose cell keeps the column from being numeric
    QString Problem;         // why, in words for a person; empty for a numeric column
};

// A sheet as people keep one, for example a list of laptops saved from a shop: a header
// row, then one row per item. Cells are separated by commas, semicolons or tabs (the one
// the header uses most), quoted as spreadsheets quote them; numbers are read in the C or
// the user's locale, with thousands separators, and with a unit before or after them
// ("1,299 $", "1.37kg", "$1,299") or in the header ("Price ($)", "Weight [kg]").
// Cells that say nothing ("", "-", "n/a", "?") give no value.
class MeasurementTable
{
public:
    // Reads a file. Throws VeltraneError when it cannot be read (the system's error) or
    // holds no table (binary data, nothing at all, a header without rows), with a
    // description a person understands.
    static MeasurementTable FromFile(const QString &fileName);
    static MeasurementTable FromText(const QString &text);

    QChar Separator() const { return m_separator; }
    int32_t RowCount() const { return int32_t(m_rows.size()); }
    int ColumnCount() const { return int(m_columns.size()); }
    const MeasurementColumn &Column(int column) const { return m_columns[column]; }
    // A cell's text, trimmed; empty outside the table.
    QString Text(int32_t row, int column) const;
    // A cell's number in its column's unit; none for a cell without a value or in a
    // column that is not numeric.
    std::optional<double> Value(int32_t row, int column) const;

private:
    void pReadColumns();

    QChar m_separator = u',';
    std::vector<QStringList> m_rows; // below the header
    std::vector<int32_t> m_sheetRows; // each row's number in the sheet, from 1
    QList<MeasurementColumn> m_columns;
    std::vector<std::vector<std::optional<double>>> m_values; // [column][row], numeric columns only
};
