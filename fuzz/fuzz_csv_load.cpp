// Reads arbitrary bytes as a CSV sheet. Reading must never crash, and the grid must be
// the one that a plain transcription of the splitting rule gives for the file's text, as
// every text file is decoded, walked character by character. Read as a table of
// measurements, the same bytes give a table or a message; a numeric column has a finite
// value or none in every row, and the proposal that the dialog starts from makes a topic
// whose scales are valid and whose measured cells are rated by them.
#include "FuzzSupport.h"
#include "io/CSVFile.h"
#include "io/MeasurementImport.h"
#include "io/MeasurementTable.h"
#include "model/VeltraneTopic.h"
#include "io/TextFileReader.h"
#include "support/VeltraneError.h"

#include <QStringDecoder>

#include <cerrno>

namespace {

struct Grid
{
    QList<QStringList> rows;
    bool failed = false;
};

bool lineEndAt(const QString &text, qsizetype i)
{
    return i < text.size() && (text[i] == u'\r' || text[i] == u'\n');
}

// Where the quoted part opened at `open` ends (just past its closing quote), or -1 when
// it is never closed: a doubled quote is one quote; a single one closes, but after a line
// end only when a comma, a line end or the end of the text follows it.
qsizetype pastQuotedPart(const QString &text, qsizetype open)
{
    bool crossed = false;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (lineEndAt(text, i)) {
            crossed = true;
        } else if (text[i] == u'"') {
            if (i + 1 < text.size() && text[i + 1] == u'"') {
                ++i;
                continue;
            }
            if (crossed && i + 1 < text.size() && text[i + 1] != u',' && !lineEndAt(text, i + 1))
                return -1;
            return i + 1;
        }
    }
    return -1;
}

Grid referenceGrid(QByteArrayView bytes)
{
    // The reader keeps its text as UTF-8, which has no room for the unpaired surrogates a
    // broken UTF-16 file may hold: they read as U+FFFD, as they would be saved.
    const QString text = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(
        TextFileReader::DecodeText(bytes).toUtf8());
    Grid grid;
    qsizetype i = 0;
    while (i < text.size()) {
        QStringList cells;
        for (;;) {
            const qsizetype start = i;
            if (i < text.size() && text[i] == u'"') {
                i = pastQuotedPart(text, start);
                if (i < 0) {
                    i = start;
                    while (i < text.size() && !lineEndAt(text, i))
                        ++i;
                }
            }
            while (i < text.size() && text[i] != u',' && !lineEndAt(text, i))
                ++i;
            QString cell = text.mid(start, i - start);
            if (cell == u"\"") {
                grid.failed = true;
                return grid;
            }
            if (cell.size() >= 2 && cell.startsWith(u'"') && cell.endsWith(u'"'))
                cell = cell.mid(1, cell.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
            const bool comma = i < text.size() && text[i] == u',';
            // A comma at the end of a line leaves no empty cell after it.
            if (comma || start < i)
                cells << cell;
            if (!comma)
                break;
            ++i;
        }
        grid.rows << cells;
        if (i < text.size())
            i += text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
    }
    return grid;
}

void checkMeasurementTable(const QString &fileName)
{
    std::optional<MeasurementTable> table;
    try {
        table = MeasurementTable::FromFile(fileName);
    } catch (const VeltraneError &error) {
        if (error.description().isEmpty())
            std::abort();
        return;
    }
    if (table->RowCount() < 1 || table->ColumnCount() < 1)
        std::abort();
    for (int c = 0; c < table->ColumnCount(); ++c) {
        const MeasurementColumn &column = table->Column(c);
        if (column.Numeric != column.Problem.isEmpty())
            std::abort();
        for (int32_t r = 0; r < table->RowCount(); ++r) {
            const std::optional<double> value = table->Value(r, c);
            if ((value && (!column.Numeric || !std::isfinite(*value))))
                std::abort();
        }
    }
    const MeasurementChoice choice = MeasurementImport::DefaultChoice(*table, QStringLiteral("Sheet"));
    if (!MeasurementImport::Problem(*table, choice).isEmpty())
        return;
    const auto topic = MeasurementImport::BuildTopic(*table, choice, false);
    if (topic->TotalAttributes() != choice.Attributes.size() || topic->TotalOptions() != choice.Rows.size())
        std::abort();
    for (int16_t j = 0; j < topic->TotalAttributes(); ++j) {
        if (!ValueFunction::IsValid(topic->GetScale(j)))
            std::abort();
        for (int16_t i = 0; i < topic->TotalOptions(); ++i) {
            const double rating = topic->GetRating(i, j);
            if (!(rating >= 0 && rating <= 1))
                std::abort();
        }
    }
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
    checkMeasurementTable(FuzzFile(QStringLiteral("input.csv"), data, size));
    return 0;
}
