// From a captured window-sized picture to its screenshot forms: the copy into the DIB
// section, the JPEG file at quality 100 and the BMP file.
#include "gfx/cDIBSection.h"
#include "gfx/mIntelJPEGLibrary.h"
#include "gfx/modBitmapFile.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A window-sized picture with gradients and text, like a screenshot of the matrix.
QImage WindowPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient background(0, 0, width, height);
    background.setColorAt(0, QColor(145, 200, 255));
    background.setColorAt(1, QColor(223, 239, 255));
    painter.fillRect(picture.rect(), background);
    for (int row = 0; row < 10; ++row) {
        painter.fillRect(150, 40 + row * 30, (width - 200) * (row + 1) / 10, 18, QColor(254, 192, 12));
        painter.drawText(20, 54 + row * 30, QStringLiteral("Option %1").arg(row + 1));
    }
    return picture;
}

void BM_CreateFromPicture(benchmark::State &state)
{
    const QImage picture = WindowPicture(int(state.range(0)), int(state.range(1)));
    cDIBSection section;
    for (auto _ : state) {
        section.CreateFromPicture(picture);
        benchmark::DoNotOptimize(section.DIBSectionBitsPtr());
    }
}
BENCHMARK(BM_CreateFromPicture)->Args({607, 415})->Args({1920, 1080});

void BM_WriteJpegFile(benchmark::State &state)
{
    cDIBSection section;
    section.CreateFromPicture(WindowPicture(int(state.range(0)), int(state.range(1))));
    QTemporaryDir dir;
    const QString name = dir.filePath("shot.jpg");
    for (auto _ : state)
        benchmark::DoNotOptimize(mIntelJPEGLibrary::WriteJpegFile(section, name, 100));
}
BENCHMARK(BM_WriteJpegFile)->Args({607, 415})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

void BM_WriteBitmapFile(benchmark::State &state)
{
    cDIBSection section;
    section.CreateFromPicture(WindowPicture(int(state.range(0)), int(state.range(1))));
    QTemporaryDir dir;
    const QString name = dir.filePath("shot.bmp");
    for (auto _ : state)
        benchmark::DoNotOptimize(modBitmapFile::WriteBitmapFile(section, name));
}
BENCHMARK(BM_WriteBitmapFile)->Args({607, 415})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the picture's text needs fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
