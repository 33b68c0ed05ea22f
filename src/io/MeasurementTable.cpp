// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasurementTable.h"

#include "io/TextFileReader.h"
#include "support/VeltraneError.h"

#include <QLocale>

#include <charconv>
#include <cmath>

namespace {

QString errorSource()
{
    return ErrorSource("MeasurementTable");
}

[[noreturn]] void notATable(const QString &why)
{
    throw VeltraneError(ErrInvalidPropertyValue, errorSource(), why);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == QChar::Nbsp || c == QChar(0x202F);
}

QString trimmed(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    return text.mid(start, end - start);
}

// The separator the header line (the first that is not blank) uses most, counted outside
// quotes; a comma when it uses none.
QChar separatorOf(QStringView text)
{
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u'\r' || text[start] == u'\n' || isBlank(text[start])))
        ++start;
    for (const QChar c : text.sliced(start)) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted)
            c == u',' ? ++commas : c == u';' ? ++semicolons : c == u'\t' ? ++tabs : 0;
    }
    if (tabs > commas && tabs > semicolons)
        return u'\t';
    return semicolons > commas ? u';' : u',';
}

// Rows of cells as spreadsheets write them: a cell that starts with a double quote runs
// to the quote that closes it, may hold separators and line breaks, and "" inside it is
// one quote. Rows without any text are left out; `numbers` gets each row's number as a
// spreadsheet shows it, from 1.
std::vector<QStringList> splitRows(QStringView text, QChar separator, std::vector<int32_t> &numbers)
{
    std::vector<QStringList> rows;
    int32_t number = 0;
    QStringList row;
    QString cell;
    bool quoted = false;
    bool any = false; // the row has some text
    const auto endCell = [&] {
        any = any || !trimmed(cell).isEmpty();
        row.append(cell);
        cell.clear();
    };
    const auto endRow = [&] {
        endCell();
        ++number;
        if (any) {
            rows.push_back(std::move(row));
            numbers.push_back(number);
        }
        row = QStringList();
        any = false;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                cell += c;
            else if (i + 1 < size && text[i + 1] == u'"')
                cell += text[++i];
            else
                quoted = false;
        } else if (c == u'"' && trimmed(cell).isEmpty()) {
            cell.clear();
            quoted = true;
        } else if (c == separator) {
            endCell();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            endRow();
        } else {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty())
        endRow();
    return rows;
}

// How numbers are written: the decimal separator and the characters that group thousands.
struct NumberStyle {
    QChar decimal;
    QString groups;
};

const NumberStyle PointStyle{u'.', QStringLiteral(",' \u00a0\u202f")};
const NumberStyle CommaStyle{u',', QStringLiteral(".' \u00a0\u202f")};

bool isMinus(QChar c)
{
    return c == u'-' || c == QChar(0x2212);
}

// A number in the style: a sign, digits grouped by threes or not at all, a fraction, an
// exponent. Nothing for anything else.
std::optional<double> parseNumber(QStringView body, const NumberStyle &style)
{
    std::string plain;
    qsizetype i = 0;
    const qsizetype size = body.size();
    if (i < size && (isMinus(body[i]) || body[i] == u'+')) {
        if (isMinus(body[i]))
            plain += '-';
        ++i;
    }
    int digits = 0;      // in the integer part
    int groupDigits = 0; // since the last group separator
    QChar group;
    for (; i < size; ++i) {
        const QChar c = body[i];
        if (c.isDigit() && c.unicode() < 128) {
            plain += char(c.unicode());
            ++digits;
            ++groupDigits;
        } else if (style.groups.contains(c) && digits > 0 && (group.isNull() || group == c)) {
            if (group.isNull() ? groupDigits > 3 : groupDigits != 3)
                return std::nullopt;
            group = c;
            groupDigits = 0;
        } else {
            break;
        }
    }
    if (!group.isNull() && groupDigits != 3)
        return std::nullopt;
    int fraction = 0;
    if (i < size && body[i] == style.decimal) {
        plain += '.';
        for (++i; i < size && body[i].isDigit() && body[i].unicode() < 128; ++i, ++fraction)
            plain += char(body[i].unicode());
    }
    if (digits + fraction == 0)
        return std::nullopt;
    if (i < size && (body[i] == u'e' || body[i] == u'E')) {
        plain += 'e';
        ++i;
        if (i < size && (isMinus(body[i]) || body[i] == u'+'))
            plain += isMinus(body[i++]) ? '-' : '+';
        const qsizetype start = i;
        for (; i < size && body[i].isDigit() && body[i].unicode() < 128; ++i)
            plain += char(body[i].unicode());
        if (i == start)
            return std::nullopt;
    }
    if (i != size)
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A currency sign with letters at most ("$", "US$", "kr") or a three-letter code ("CHF").
bool isCurrency(const QString &text)
{
    bool sign = false;
    bool upper = text.size() == 3;
    for (const QChar c : text) {
        sign = sign || c.category() == QChar::Symbol_Currency;
        upper = upper && c >= u'A' && c <= u'Z';
    }
    return sign ? text.size() <= 4 : upper;
}

// A cell split into the text of its number and the unit written before or after it.
struct CellParts {
    QString body;
    QString unit;
};

std::optional<CellParts> splitCell(const QString &text)
{
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isDigit()) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return std::nullopt;
    // A fraction without a leading digit (".5") and a sign belong to the number.
    if (first > 0 && (text[first - 1] == u'.' || text[first - 1] == u','))
        --first;
    if (first > 0 && (isMinus(text[first - 1]) || text[first - 1] == u'+'))
        --first;
    const QString before = trimmed(text.left(first));
    const QString after = trimmed(text.mid(last + 1));
    if (!before.isEmpty() && !after.isEmpty())
        return std::nullopt;
    // Before a number only money is written ("$1,299", "US$ 5", "CHF 12"); a word there
    // names something ("Laptop 3", "HP 14").
    if (!before.isEmpty() && !isCurrency(before))
        return std::nullopt;
    return CellParts{text.mid(first, last + 1 - first), before.isEmpty() ? after : before};
}

bool saysNothing(const QString &text)
{
    static const QStringList nothing{QStringLiteral("-"), QStringLiteral("\u2013"), QStringLiteral("\u2014"),
                                     QStringLiteral("?"), QStringLiteral("n/a"), QStringLiteral("na")};
    return text.isEmpty() || nothing.contains(text.toLower());
}

// "Price ($)" and "Weight [kg]": the name and the unit in brackets at its end.
std::pair<QString, QString> splitHeader(const QString &header)
{
    const QString text = trimmed(header);
    if (text.size() > 2 && (text.endsWith(u')') || text.endsWith(u']'))) {
        const QChar open = text.endsWith(u')') ? u'(' : u'[';
        const qsizetype at = text.lastIndexOf(open);
        const QString unit = trimmed(text.mid(at + 1, text.size() - at - 2));
        if (at > 0 && !unit.isEmpty() && unit.size() <= 16)
            return {trimmed(text.left(at)), unit};
    }
    return {text, QString()};
}

QString quotedCell(const QString &text)
{
    return u'\u201c' + (text.size() > 40 ? text.left(40) + u'\u2026' : text) + u'\u201d';
}

} // namespace

MeasurementTable MeasurementTable::FromFile(const QString &fileName)
{
    const QByteArray bytes = TextFileReader::ReadFileBytes(fileName, errorSource());
    const bool utf16 = bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff");
    if (!utf16 && bytes.contains('\0'))
        notATable(QStringLiteral("This file holds binary data, not a table of measurements."));
    return FromText(TextFileReader::DecodeText(bytes));
}

MeasurementTable MeasurementTable::FromText(const QString &text)
{
    MeasurementTable table;
    table.m_separator = separatorOf(text);
    std::vector<QStringList> rows = splitRows(text, table.m_separator, table.m_sheetRows);
    if (rows.empty())
        notATable(QStringLiteral("This file is empty: a table of measurements needs a header row and a row per item."));
    if (rows.size() == 1)
        notATable(QStringLiteral("This table has a header row but no rows below it."));

    qsizetype columns = 0;
    for (const QStringList &row : rows)
        columns = std::max(columns, row.size());
    const QStringList &header = rows.front();
    for (qsizetype c = 0; c < columns; ++c) {
        MeasurementColumn column;
        const auto [name, unit] = splitHeader(c < header.size() ? header[c] : QString());
        column.Name = name.isEmpty() ? QStringLiteral("Column %1").arg(c + 1) : name;
        column.Unit = unit;
        table.m_columns.append(column);
    }
    rows.erase(rows.begin());
    table.m_sheetRows.erase(table.m_sheetRows.begin());
    table.m_rows = std::move(rows);
    table.pReadColumns();
    return table;
}

QString MeasurementTable::Text(int32_t row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= m_rows[row].size())
        return {};
    return trimmed(m_rows[row][column]);
}

std::optional<double> MeasurementTable::Value(int32_t row, int column) const
{
    if (column < 0 || column >= ColumnCount() || row < 0 || row >= RowCount() || m_values[column].empty())
        return std::nullopt;
    return m_values[column][row];
}

void MeasurementTable::pReadColumns()
{
    // Sheets saved with semicolons come from locales that write a decimal comma; otherwise
    // the user's own locale says which reading to try first.
    const bool commaFirst = m_separator == u';' || QLocale().decimalPoint() == u",";
    const NumberStyle styles[] = {commaFirst ? CommaStyle : PointStyle, commaFirst ? PointStyle : CommaStyle};

    m_values.assign(m_columns.size(), {});
    for (int c = 0; c < ColumnCount(); ++c) {
        MeasurementColumn &column = m_columns[c];
        std::vector<std::optional<double>> values(m_rows.size());
        int32_t textRow = -1;  // the first cell that is no number in any style
        int32_t unitRow = -1;  // the first cell whose unit differs from the one before
        QString cellUnit;
        bool filled = false;
        std::optional<NumberStyle> chosen;
        for (const NumberStyle &style : styles) {
            textRow = unitRow = -1;
            cellUnit.clear();
            filled = false;
            for (int32_t r = 0; r < RowCount() && textRow < 0; ++r) {
                const QString text = Text(r, c);
                if (saysNothing(text)) {
                    values[r].reset();
                    continue;
                }
                filled = true;
                const std::optional<CellParts> parts = splitCell(text);
                values[r] = parts ? parseNumber(parts->body, style) : std::nullopt;
                if (!values[r]) {
                    textRow = r;
                    break;
                }
                if (!parts->unit.isEmpty()) {
                    if (cellUnit.isEmpty())
                        cellUnit = parts->unit;
                    else if (parts->unit != cellUnit && unitRow < 0)
                        unitRow = r;
                }
            }
            if (textRow < 0) {
                chosen = style;
                break;
            }
        }
        if (!filled) {
            column.Problem = QStringLiteral("Every cell of this column is empty.");
        } else if (!chosen) {
            // Told by the reading the sheet most likely uses.
            textRow = -1;
            for (int32_t r = 0; r < RowCount() && textRow < 0; ++r) {
                const QString text = Text(r, c);
                const std::optional<CellParts> parts = saysNothing(text) ? std::nullopt : splitCell(text);
                if (!saysNothing(text) && !(parts && parseNumber(parts->body, styles[0])))
                    textRow = r;
            }
            column.ProblemRow = textRow;
            column.Problem = QStringLiteral("%1 in row %2 is not a number.").arg(quotedCell(Text(textRow, c))).arg(m_sheetRows[textRow]);
        } else if (unitRow >= 0) {
            column.ProblemRow = unitRow;
            column.Problem = QStringLiteral("%1 in row %2 has another unit than %3.")
                                 .arg(quotedCell(Text(unitRow, c)))
                                 .arg(m_sheetRows[unitRow])
                                 .arg(quotedCell(cellUnit));
        } else if (cellUnit.size() > 16) {
            column.Problem = QStringLiteral("%1 is too long for a unit.").arg(quotedCell(cellUnit));
        } else {
            column.Numeric = true;
            if (!cellUnit.isEmpty())
                column.Unit = cellUnit;
            m_values[c] = std::move(values);
        }
    }
}
