// Reads arbitrary bytes as a CSV sheet. Reading must never crash, and the grid must be
// the one that a plain transcription of the splitting rule gives for the file's text, as
// every text file is decoded and split into lines.
#include "FuzzSupport.h"
#include "io/CSVFile.h"
#include "io/TextFileReader.h"
#include "support/VeltraneError.h"

#include <QStringDecoder>

#include <cerrno>

namespace {

// The next separator from position p (1-based; 0 when there is none), word for word.
qsizetype nextSeparator(const QString &line, qsizetype p)
{
    if (p == 0)
        p = 1;
    if (p <= line.size() && line[p - 1] == u'"') {
        const qsizetype quote = line.indexOf(u'"', p);
        if (quote < 0)
            return 0;
        return line.indexOf(u',', quote + 1) + 1;
    }
    return line.indexOf(u',', p - 1) + 1;
}

struct Grid
{
    QList<QStringList> rows;
    bool failed = false;
};

Grid referenceGrid(QByteArrayView bytes)
{
    // The reader keeps its text as UTF-8, which has no room for the unpaired surrogates a
    // broken UTF-16 file may hold: they read as U+FFFD, as they would be saved.
    const QString text = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(
        TextFileReader::DecodeText(bytes).toUtf8());
    Grid grid;
    for (const QString &line : TextFileReader::SplitLines(text)) {
        QStringList cells;
        const auto add = [&](const QString &cell) {
            if (cell == u"\"")
                return false;
            cells << (cell.size() >= 2 && cell.startsWith(u'"') && cell.endsWith(u'"') ? cell.mid(1, cell.size() - 2)
                                                                                      : cell);
            return true;
        };
        qsizetype pos = 1;
        for (qsizetype s = nextSeparator(line, 1); s >= 1; s = nextSeparator(line, pos)) {
            if (!add(line.mid(pos - 1, s - pos))) {
                grid.failed = true;
                return grid;
            }
            pos = s + 1;
        }
        if (pos <= line.size() && !add(line.mid(pos - 1))) {
            grid.failed = true;
            return grid;
        }
        grid.rows << cells;
    }
    return grid;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Grid expected = referenceGrid(QByteArrayView(data, qsizetype(size)));
    CSVFile csv;
    try {
        csv.Load(FuzzFile(QStringLiteral("input.csv"), data, size));
        if (expected.failed)
            std::abort();
    } catch (const VeltraneError &error) {
        if (!expected.failed || error.number() != EINVAL)
            std::abort();
    }
    if (csv.Rows() != expected.rows.size())
        std::abort();
    int32_t columns = 0;
    for (int32_t row = 0; row < csv.Rows(); ++row) {
        const QStringList &cells = expected.rows[row];
        if (csv.CellsInRow(row) != cells.size())
            std::abort();
        columns = std::max(columns, int32_t(cells.size()));
        for (int32_t column = 0; column <= cells.size(); ++column) {
            if (csv.GetCellData(row, column) != cells.value(column))
                std::abort();
        }
    }
    if (csv.Columns() != columns || !csv.GetCellData(csv.Rows(), 0).isEmpty() || csv.CellsInRow(csv.Rows()) != 0)
        std::abort();
    return 0;
}
