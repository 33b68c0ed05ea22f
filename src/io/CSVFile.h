#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// A comma-separated file read into a grid of text cells. A line is split at commas; a
// cell that starts with a double quote runs to the first comma after the quote that
// closes it, so it may hold commas, doubled quotes (each read as one) and line breaks.
// Nothing else is interpreted: no numbers, no trimming.
//
// The cells are kept as positions in the UTF-8 text that was read, not as strings of
// their own, so a large sheet costs little more memory than its file.
class CSVFile
{
public:
    // Removes all rows; Columns becomes 0.
    void Reset();

    // Appends one row per line of the file (a relative name is taken from the program's
    // folder). Throws VeltraneError when the file cannot be read, or when a cell is a
    // single double quote; the rows of earlier lines stay. Returns true.
    bool Load(const QString &fileName);

    int32_t Rows() const { return int32_t(m_rows.size()); }
    int32_t Columns() const { return m_columns; }
    // The cell's text, without the quotes that enclose it and with each doubled quote
    // inside them read as one; empty outside the grid.
    QString GetCellData(int32_t row, int32_t column) const;
    int32_t CellsInRow(int32_t row) const;

private:
    struct Row
    {
        uint32_t start; // position of the line in m_text
        uint32_t firstCell; // index of its first cell in m_cellEnds
    };

    void pAddText(QByteArray &&bytes);
    void pSplitLines(uint32_t start);

    QByteArray m_text; // UTF-8
    std::vector<Row> m_rows;
    // Where each cell ends; a cell starts just after the separator that ends the one
    // before it, or at its line's start.
    std::vector<uint32_t> m_cellEnds;
    int32_t m_columns = 0;
};
