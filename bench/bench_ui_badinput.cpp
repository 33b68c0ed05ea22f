// Input far outside what a person would make, fed to the live main window: a topic file
// whose title and names run to 200,000 characters, loaded and painted, with the tooltip
// of such a name shown; a CSV file with 10,000 columns in one row, imported and shown; and
// "1e999" pasted into a number edit and committed. Each iteration is one piece of work the
// window does without returning to the event loop, so its time is the stall a person sees.
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "ui/main/frmMain.h"
#include "ui/support/VLabel.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolTip>

#include <benchmark/benchmark.h>

#include "WindowBenchMain.h"

#include <memory>

namespace {

QTemporaryDir &Folder()
{
    static QTemporaryDir folder;
    return folder;
}

QString Write(const char *name, const QByteArray &bytes)
{
    const QString path = Folder().filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}

QByteArray LongName(qsizetype length)
{
    const QByteArray word = "Laptop with a rather long name ";
    QByteArray name;
    name.reserve(length);
    while (name.size() < length)
        name += word;
    name.truncate(length);
    return name;
}

frmMain &Window()
{
    static frmMain *window = [] {
        modParameters::ShowSettingsOnNew = false;
        modParameters::CurrentTopic = std::make_shared<VeltraneTopic>();
        auto *created = new frmMain;
        created->Form_Load();
        created->resize(800, 600);
        created->show();
        QApplication::processEvents();
        return created;
    }();
    return *window;
}

// What Load does once the file is chosen, up to the painted window.
void LoadAndPaint(frmMain &window, const QString &file)
{
    if (!modLoadSave::OpenTopicFile(file, modParameters::CurrentTopic))
        std::abort();
    window.StartLoad();
    window.UpdateSliderArrays(false);
    window.EndLoad();
    window.RepaintGradients();
    window.ResetHistory();
    window.repaint();
    QApplication::processEvents();
}

void ShowSmallTopic(frmMain &window)
{
    modParameters::CurrentTopic = std::make_shared<VeltraneTopic>();
    modParameters::CurrentTopic->SetTotalAttributes(2);
    modParameters::CurrentTopic->SetTotalOptions(2);
    window.UpdateSliderArrays(false);
    QApplication::processEvents();
}

QString LongNameTopicFile()
{
    const QByteArray name = LongName(200000);
    return Write("long.vtp", "[Topic]\nName=" + name + "\nTotalOptions=2\nTotalAttributes=2\nInvertWeights=False\n\n[Attributes]\n"
                             "Attribute0_Name=" + name + "\nAttribute0_Weighting=0.5\nAttribute1_Name=Short\nAttribute1_Weighting=0.5\n\n[Option0]\nName=" + name
                             + "\nRating0=0.5\nRating1=0.5\n\n[Option1]\nName=Short\nRating0=0.5\nRating1=0.5\n");
}

void LoadTopicWithLongNames(benchmark::State &state)
{
    frmMain &window = Window();
    const QString file = LongNameTopicFile();
    for (auto _ : state) {
        state.PauseTiming();
        ShowSmallTopic(window);
        state.ResumeTiming();
        LoadAndPaint(window, file);
    }
    state.counters["name"] = double(modParameters::CurrentTopic->GetOptionName(0).size());
}

// The tooltips of two long names in turn, so that every one is laid out afresh.
void TooltipOfALongName(benchmark::State &state)
{
    frmMain &window = Window();
    LoadAndPaint(window, LongNameTopicFile());
    VLabel *labels[] = {window.lblOption[0], window.lblAttribute[0]};
    const QPoint at(5, 5);
    int turn = 0;
    for (auto _ : state) {
        VLabel &label = *labels[turn++ % 2];
        QHelpEvent help(QEvent::ToolTip, at, label.mapToGlobal(at));
        QApplication::sendEvent(&label, &help);
        QApplication::processEvents();
    }
    state.counters["tooltip"] = double(window.lblOption[0]->toolTip().size());
    state.counters["shown"] = double(QToolTip::text().size());
    QToolTip::hideText();
}

void ImportCsvWith10000Columns(benchmark::State &state)
{
    frmMain &window = Window();
    // Every row of the table holds 10,000 columns; the topic keeps the first ten.
    QByteArray names = "Attributes";
    QByteArray weightings = "Weightings";
    QByteArray ratings = "Laptop";
    for (int j = 0; j < 10000; ++j) {
        names += ",Column " + QByteArray::number(j + 1);
        weightings += ",0.5";
        ratings += ",0.25";
    }
    const QString file = Write("wide.csv", "Topic: Wide\r\n\r\n" + names + "\r\n" + weightings
                                               + "\r\n\r\nRatings\r\n" + ratings + "\r\n");
    for (auto _ : state) {
        state.PauseTiming();
        ShowSmallTopic(window);
        state.ResumeTiming();
        LoadAndPaint(window, file);
    }
    state.counters["attributes"] = modParameters::CurrentTopic->TotalAttributes();
}

void PasteHugeNumberAndCommit(benchmark::State &state)
{
    frmMain &window = Window();
    ShowSmallTopic(window);
    QApplication::clipboard()->setText(QStringLiteral("1e999"));
    for (auto _ : state) {
        window.lblRating[0]->setText(QStringLiteral("0.500"));
        window.BeginEdit(window.lblRating[0], frmMain::EditNumber);
        window.txtEditBox->paste();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(window.txtEditBox, &enter);
        QApplication::processEvents();
    }
    state.counters["rating"] = modParameters::CurrentTopic->GetRating(0, 0);
}

} // namespace

BENCHMARK(LoadTopicWithLongNames)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(TooltipOfALongName)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(ImportCsvWith10000Columns)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(PasteHugeNumberAndCommit)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv);
}
