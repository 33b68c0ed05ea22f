#include "CSVFile.h"

#include "io/TextFileReader.h"
#include "support/LargeBuffer.h"
#include "support/VeltraneError.h"
#include "support/modPath.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

namespace {

// Spreadsheets can be large, but a sheet of more than a gigabyte is no topic.
constexpr qsizetype MaxFileSize = qsizetype(1) << 30;

constexpr char Quote = '"';
constexpr char Comma = ',';

bool isAscii(QByteArrayView bytes)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        std::memcpy(&word, data + i, 8);
        if (word & 0x8080808080808080u)
            return false;
    }
    for (; i < size; ++i) {
        if (data[i] & 0x80)
            return false;
    }
    return true;
}

// Whether the bytes are UTF-8 as Qt's decoder (and so TextFileReader) reads it. The check
// goes piece by piece, cut only where a character starts, so that a large sheet is
// never decoded whole.
bool isUtf8(QByteArrayView bytes)
{
    constexpr qsizetype Piece = 1 << 20;
    QString buffer;
    for (qsizetype from = 0; from < bytes.size();) {
        qsizetype to = std::min(from + Piece, bytes.size());
        while (to < bytes.size() && (uchar(bytes[to]) & 0xC0) == 0x80)
            ++to;
        const QByteArrayView piece = bytes.sliced(from, to - from);
        if (!isAscii(piece)) {
            QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            buffer.resize(decoder.requiredSpace(piece.size()));
            decoder.appendToBuffer(buffer.data(), piece);
            if (decoder.hasError())
                return false;
        }
        from = to;
    }
    return true;
}

// Which bytes end a cell or a line.
struct Stops
{
    bool table[256] = {};
    constexpr Stops()
    {
        table[uchar(Comma)] = table[uchar('\r')] = table[uchar('\n')] = true;
    }
};
constexpr Stops CellStops;

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

const char *findLineEnd(const char *from, const char *end)
{
    while (from < end && !isLineEnd(*from))
        ++from;
    return from;
}

// From the quote that opens a cell, the end of its quoted part: just past the quote that
// closes it, or nullptr when it is never closed. A doubled quote stands for one quote and
// closes nothing. The quoted part may run over line ends, as spreadsheets write a line
// break inside a cell, but only when the quote that closes it also ends the cell (a comma,
// a line end or the end of the file follows): a stray quote on a later line must not
// swallow the lines before it.
const char *pastQuotedPart(const char *open, const char *end)
{
    bool crossedLine = false;
    for (const char *p = open + 1;;) {
        const auto *quote = static_cast<const char *>(std::memchr(p, Quote, size_t(end - p)));
        if (!quote)
            return nullptr;
        crossedLine = crossedLine || findLineEnd(p, quote) < quote;
        if (quote + 1 < end && quote[1] == Quote) {
            p = quote + 2;
            continue;
        }
        const char *after = quote + 1;
        if (crossedLine && after < end && *after != Comma && !isLineEnd(*after))
            return nullptr;
        return after;
    }
}

} // namespace

void CSVFile::Reset()
{
    m_text = QByteArray();
    m_rows = {};
    m_cellEnds = {};
    m_columns = 0;
}

bool CSVFile::Load(const QString &fileName)
{
    const QString path = MakeFullPath(fileName, QCoreApplication::applicationDirPath());
    pAddText(TextFileReader::ReadFileBytes(path, ErrorSource("CSVFile"), MaxFileSize));
    return true;
}

void CSVFile::pAddText(QByteArray &&bytes)
{
    // The text is kept as UTF-8. Most files already are; anything else (UTF-16, Windows-1252)
    // is decoded by the rules every text file is read by, then stored as UTF-8.
    qsizetype skip = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        skip = 3;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")
        || !isUtf8(QByteArrayView(bytes).sliced(skip))) {
        bytes = TextFileReader::DecodeText(bytes).toUtf8();
        skip = 0;
    }
    // Positions are kept in 32 bits.
    if (qsizetype(std::numeric_limits<uint32_t>::max()) - m_text.size() <= bytes.size())
        throw VeltraneError::FileTooLarge(ErrorSource("CSVFile"));

    const auto start = uint32_t(m_text.size() + skip);
    if (m_text.isEmpty())
        m_text = std::move(bytes);
    else
        m_text.append(bytes);
    bytes = QByteArray();
    pSplitLines(start);
}

// One pass over the text. Lines end as TextFileReader::SplitLines ends them (CR LF, CR
// or LF; a line end at the very end starts no further line). A line is cut at commas; a
// cell that opens with a double quote runs to the first comma after the quote that closes
// it (pastQuotedPart), or to the line's end when there is none.
void CSVFile::pSplitLines(uint32_t start)
{
    const char *const data = m_text.constData();
    const char *const end = data + m_text.size();
    const char *line = data + start;

    // A count ahead (fast, it is vectorised) spares the lists the copies of growing.
    const auto lineEnds = size_t(std::count(line, end, '\n') + std::count(line, end, '\r'));
    m_rows.reserve(m_rows.size() + lineEnds + 1);
    m_cellEnds.reserve(m_cellEnds.size() + size_t(std::count(line, end, Comma)) + lineEnds + 1);
    AdviseLargeBuffer(m_rows.data(), m_rows.capacity() * sizeof(Row));
    AdviseLargeBuffer(m_cellEnds.data(), m_cellEnds.capacity() * sizeof(uint32_t));
    while (line < end) {
        const auto firstCell = uint32_t(m_cellEnds.size());
        m_rows.push_back({uint32_t(line - data), firstCell});

        const auto addCell = [&](const char *from, const char *to) {
            // A lone double quote both opens and closes a quoted cell, which cannot be
            // stripped: the line is rejected.
            if (to - from == 1 && *from == Quote) {
                m_cellEnds.resize(firstCell);
                m_rows.pop_back();
                throw VeltraneError(EINVAL, ErrorSource("CSVFile"),
                                    QStringLiteral("Invalid argument: a cell holds a single double quote (line %1)")
                                        .arg(m_rows.size() + 1));
            }
            m_cellEnds.push_back(uint32_t(to - data));
        };

        const char *cell = line;
        const char *stop = cell;
        for (;;) {
            stop = cell;
            if (stop < end && *stop == Quote) {
                stop = pastQuotedPart(stop, end);
                if (!stop) {
                    // Never closed: the rest of the line is the cell.
                    stop = findLineEnd(cell, end);
                    addCell(cell, stop);
                    break;
                }
            }
            while (stop < end && !CellStops.table[uchar(*stop)])
                ++stop;
            if (stop < end && *stop == Comma) {
                addCell(cell, stop);
                cell = stop + 1;
                continue;
            }
            // A comma at the end of a line leaves no empty cell after it.
            if (cell < stop)
                addCell(cell, stop);
            break;
        }

        const auto cells = int32_t(m_cellEnds.size() - firstCell);
        if (cells > m_columns)
            m_columns = cells;
        if (stop == end)
            break;
        line = stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
    }
}

int32_t CSVFile::CellsInRow(int32_t row) const
{
    if (row < 0 || row >= Rows())
        return 0;
    const uint32_t next = size_t(row) + 1 < m_rows.size() ? m_rows[size_t(row) + 1].firstCell
                                                          : uint32_t(m_cellEnds.size());
    return int32_t(next - m_rows[size_t(row)].firstCell);
}

QString CSVFile::GetCellData(int32_t row, int32_t column) const
{
    if (column < 0 || column >= m_columns || column >= CellsInRow(row))
        return {};
    const Row &line = m_rows[size_t(row)];
    const size_t index = line.firstCell + size_t(column);
    const uint32_t start = column == 0 ? line.start : m_cellEnds[index - 1] + 1;
    QByteArrayView cell = QByteArrayView(m_text).sliced(start, m_cellEnds[index] - start);
    const bool quoted = cell.size() >= 2 && cell.front() == Quote && cell.back() == Quote;
    if (quoted)
        cell = cell.sliced(1, cell.size() - 2);
    // Decoded as the text it was cut from: a byte-order mark inside is a character.
    QString text = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(cell);
    if (quoted)
        text.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return text;
}
