// Reading a large spreadsheet export: a generated sheet of about 100 MB in the layout of
// the program's own export, with quoted names, percentages and the odd empty line.
#include "io/CSVFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "CoreBenchMain.h"

#include <sys/resource.h>

#include <cstdint>
#include <random>

namespace {

constexpr qint64 SheetBytes = 100 * 1000 * 1000;

// Writes the sheet in pieces, so that making it costs the process no memory to speak of.
QString makeSheet(const QTemporaryDir &dir)
{
    const QString path = dir.filePath("sheet.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> permille(0, 1000);
    QByteArray chunk;
    qint64 written = 0;
    int64_t row = 0;
    while (written < SheetBytes) {
        chunk.clear();
        for (int i = 0; i < 1000; ++i, ++row) {
            if (row % 50 == 0) {
                chunk += "Topic: Sheet " + QByteArray::number(row) + "\r\nExported from Veltrane v1.0\r\n\r\n"
                         "Attributes,Price,Quality,Size,\"Range, urban\",Comfort,Safety,Looks,Noise,Boot,Service\r\n"
                         "Weightings,50%,25%,12.5%,100%,0%,33.3%,66.7%,75%,5%,90%\r\n\r\nRatings,,,,,,,,,,,,Score\r\n";
                continue;
            }
            chunk += (row % 7 == 0 ? "\"Car " + QByteArray::number(row) + ", estate\"" : "Car " + QByteArray::number(row));
            for (int a = 0; a < 10; ++a)
                chunk += ',' + QByteArray::number(permille(random) / 1000.0);
            chunk += ",," + QByteArray::number(permille(random) / 10.0) + "%\r\n";
        }
        written += file.write(chunk);
    }
    return path;
}

long peakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_CSVFileLoad(benchmark::State &state)
{
    static QTemporaryDir dir;
    static const QString sheet = makeSheet(dir);
    const qint64 size = QFile(sheet).size();
    if (size <= 0) {
        state.SkipWithError("cannot write the sheet");
        return;
    }
    // Taken once, before the first load of the process.
    static const long baseline = peakResidentKilobytes();
    int32_t rows = 0;
    for (auto _ : state) {
        CSVFile csv;
        csv.Load(sheet);
        rows = csv.Rows();
        benchmark::DoNotOptimize(rows);
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["rows"] = rows;
    state.counters["file_MB"] = double(size) / 1e6;
    state.counters["peak_RSS_MB"] = double(peakResidentKilobytes()) * 1024 / 1e6;
    // What a load added to the process at its peak, as a multiple of the file's size.
    state.counters["peak_per_file"] = double(peakResidentKilobytes() - baseline) * 1024 / double(size);
}

BENCHMARK(BM_CSVFileLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    return RunCoreBenchmarks(argc, argv);
}
