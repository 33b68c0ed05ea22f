// Reading tables of measurements as the Load dialog's third type does: a sheet of 10,000
// laptops with units and thousands separators, with commas or with semicolons and decimal
// commas, then the proposal the dialog opens with; and the files that hold no table, a
// binary file and an empty one, which must be told at once.
#include "io/MeasurementImport.h"
#include "io/MeasurementTable.h"
#include "support/VeltraneError.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "CoreBenchMain.h"

namespace {

enum Sheet { Commas, Semicolons, Binary, Empty };

QString makeSheet(const QTemporaryDir &dir, Sheet kind)
{
    const QString path = dir.filePath(QStringLiteral("sheet%1.csv").arg(int(kind)));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    if (kind == Binary) {
        QByteArray bytes(2'000'000, '\0');
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 131) % 256);
        file.write(bytes);
        return path;
    }
    if (kind == Empty)
        return path;
    const char separator = kind == Commas ? ',' : ';';
    QByteArray text = kind == Commas ? "Product,Price ($),Battery,Weight,RAM,Screen (in),Notes\r\n"
                                     : "Produkt;Preis (\xe2\x82\xac);Akku;Gewicht;RAM;Bildschirm (in);Notiz\r\n";
    for (int row = 0; row < 10'000; ++row) {
        const int price = 499 + (row * 37) % 2500;
        const QByteArray thousands = QByteArray::number(price / 1000);
        const QByteArray rest = QByteArray::number(price % 1000).rightJustified(3, '0');
        text += "\"Laptop " + QByteArray::number(row) + ", model " + QByteArray::number(row % 7) + "\"";
        text += separator;
        text += kind == Commas ? "\"" + thousands + "," + rest + "\"" : thousands + "." + rest + ",00 \xe2\x82\xac";
        text += separator + QByteArray::number(4 + row % 15) + (kind == Commas ? ".5 h" : ",5 h");
        text += separator + QByteArray::number(1 + row % 3) + (kind == Commas ? ".37kg" : ",37kg");
        text += separator + QByteArray::number(8 << (row % 3)) + "GB";
        text += separator + QByteArray::number(13 + row % 5);
        text += separator + QByteArray(row % 4 ? "light" : "") + "\r\n";
    }
    file.write(text);
    return path;
}

void TableOfMeasurements(benchmark::State &state)
{
    static QTemporaryDir dir;
    const auto kind = Sheet(state.range(0));
    const QString path = makeSheet(dir, kind);
    int32_t rows = 0;
    for (auto _ : state) {
        try {
            const MeasurementTable table = MeasurementTable::FromFile(path);
            const MeasurementChoice choice = MeasurementImport::DefaultChoice(table, QStringLiteral("Laptops"));
            rows = table.RowCount();
            benchmark::DoNotOptimize(choice);
        } catch (const VeltraneError &error) {
            benchmark::DoNotOptimize(error.description());
        }
    }
    state.counters["rows"] = rows;
}

} // namespace

BENCHMARK(TableOfMeasurements)
    ->Arg(Commas)->Arg(Semicolons)->Arg(Binary)->Arg(Empty)
    ->ArgName("commas0_semicolons1_binary2_empty3")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return RunCoreBenchmarks(argc, argv);
}
