#include "modStartup.h"

#include "app/ProgramSettings.h"
#include "app/ScriptedRun.h"
#include "app/cRegistry_Wrapper.h"
#include "io/WindowHooks.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/MsgBox.h"
#include "support/VeltraneError.h"
#include "support/libmodCommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstring>
#include <optional>

namespace modStartup {

namespace {

const QString VendorKey = QStringLiteral("Software\\Tormask");

// An ordinary file as the command line may name it: a regular file or a link to one,
// not a folder and not hidden.
bool isExistingFile(const QString &name)
{
    const QFileInfo info(name);
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

// Shown in a box and written to standard error too, so that someone who started the
// program from a terminal reads there why nothing opened.
void commandLineMessage(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextStream(stderr) << "veltrane: " << line << '\n';
    MsgBox(text, vbExclamation | vbOKOnly);
}

QString helpText()
{
    return ScriptedRun::UsageText()
           + QStringLiteral(
               "\n"
               "Veltrane weighs the options of a decision against the attributes that matter.\n"
               "\n"
               "  TOPIC.vtp               open this topic file in the window\n"
               "  /uninstall              remove Veltrane's settings from the registry store and end\n"
               "  --scores TOPIC          print every option's score, place and chance of being best\n"
               "                          (10,000 draws within the topic's spreads) and the closest\n"
               "                          change that makes another option best\n"
               "  --json                  with --scores: print the same as JSON\n"
               "  --export TOPIC OUT.csv  write the topic's CSV export\n"
               "  --report TOPIC OUT.pdf  write the decision report as a PDF file (A4, or Letter\n"
               "                          where the locale uses it)\n"
               "  --help                  show this help and end\n"
               "  --version               show the version and end\n"
               "\n"
               "TOPIC is a topic file or a CSV file (name ending in .csv) as the window's Load reads it.\n"
               "None of these commands needs a display. Messages go to standard error; the exit\n"
               "status is 0 on success, 1 when the topic cannot be read or the output written,\n"
               "and 2 when the arguments make no sense (the usage is printed).\n"
               "\n"
               "Settings are kept in $VELTRANE_REGISTRY_DIR when it is set,\n"
               "otherwise in $XDG_CONFIG_HOME/veltrane/registry (~/.config/veltrane/registry).\n");
}

} // namespace

bool PrintHelpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const bool help = std::strcmp(argv[i], "--help") == 0;
        if (help || std::strcmp(argv[i], "--version") == 0) {
            QTextStream out(stdout);
            if (help)
                out << helpText();
            else
                out << modParameters::ProductTitle << ' ' << modParameters::AppVersion << '\n';
            return true;
        }
    }
    return false;
}

int Main(int argc, char **argv)
{
    using namespace modParameters;
    IsStarting = true;
    ProductTitle = QStringLiteral("Veltrane");
    QCoreApplication::setApplicationName(ProductTitle);
    ProgramSettings::ReadLastUsedDir();

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    UninstallRequested = false;
    ProcessCommandLine(arguments);
    if (UninstallRequested) {
        Uninstall();
        return 0;
    }

    ProgramSettings::ReadDisplaySettings();
    ProgramSettings::ReadRecentTopics();
    ProgramSettings::ReadAnalysisPlacement();
    SetTopicChanged(false);
    CurrentTopic = std::make_shared<VeltraneTopic>();
    CurrentTopic->SetNormaliseWeights(ProgramSettings::ReadNormaliseWeights());
    MaxOptions = ShownLimit;
    MaxAttributes = ShownLimit;

    const WindowHooks &hooks = windowHooks();
    if (!hooks.loadMainWindow) {
        QTextStream(stderr) << "veltrane: this build has no main window\n";
        return 1;
    }
    const bool loaded = hooks.loadMainWindow();
    IsStarting = false;
    if (!loaded)
        return 1;
    // The start dialog may already have closed the window again.
    if (hooks.isFormLoaded && !hooks.isFormLoaded(QStringLiteral("frmMain")))
        return 0;
    return QCoreApplication::exec();
}

void ProcessCommandLine(const QStringList &arguments)
{
    using namespace modParameters;
    if (arguments.isEmpty())
        return;
    if (arguments.size() > 1) {
        commandLineMessage(InvalidArgumentCountMessage);
        return;
    }
    const QString &argument = arguments.first();
    if (argument.toLower() == QLatin1String("/uninstall")) {
        UninstallRequested = true;
        return;
    }
    if (!IsValidFileName(argument, true)) {
        commandLineMessage(InvalidFileNameMessage + argument);
        return;
    }
    if (!isExistingFile(argument)) {
        commandLineMessage(FileNotFoundMessage + argument);
        return;
    }
    // The text after the last "." is exactly "vtp" just when the name ends in ".vtp".
    if (modLoadSave::FileTypeOf(argument) != modLoadSave::FileType::TopicFile) {
        commandLineMessage(UnrecognisedFileTypeMessage + argument);
        return;
    }
    CommandLineFile = argument;
    CommandLineFileType = QStringLiteral("VTP");
}

QString CommandLineFilePath()
{
    return QFileInfo(modParameters::CommandLineFile).absoluteFilePath();
}

void Uninstall()
{
    if (MsgBox(UninstallQuestion, vbQuestion | vbYesNo) != vbYes)
        return;
    try {
        for (int32_t hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            RegDeleteKeyIfExists(hive, ProgramSettings::Key);
            if (RegKeyHasNoSubkeys(hive, VendorKey))
                RegDeleteKeyIfExists(hive, VendorKey);
        }
    } catch (const VeltraneError &error) {
        MsgBox(QStringLiteral("An error occurred whilst removing the settings!\r\rError %1\r%2")
                   .arg(error.number())
                   .arg(error.description()),
               vbCritical);
    }
}

void MarkTopicChanged()
{
    const WindowHooks &hooks = windowHooks();
    if (!(hooks.mainWindowIsLoading && hooks.mainWindowIsLoading()))
        modParameters::SetTopicChanged(true);
}

bool SaveProgramSettings()
{
    using namespace modParameters;
    using ProgramSettings::Hive;
    using ProgramSettings::Key;
    std::optional<VeltraneError> failure;
    const auto attempt = [&](const std::function<void()> &write) {
        try {
            write();
        } catch (const VeltraneError &error) {
            if (!failure)
                failure = error;
        }
    };
    attempt([] { RegSetString(Hive, Key, QStringLiteral("LastUsedDir"), LastUsedDir); });
    attempt([] { RegSetBool(Hive, Key, QStringLiteral("ShowSettingsOnNew"), ShowSettingsOnNew, true); });
    if (CurrentTopic)
        attempt([] { RegSetBool(Hive, Key, QStringLiteral("NormaliseWeights"), CurrentTopic->NormaliseWeights(), true); });
    attempt([] { RegSetBool(Hive, Key, QStringLiteral("DisplayAsDecimal"), DisplayAsDecimal, true); });
    attempt([] { RegSetLong(Hive, Key, QStringLiteral("WindowLeft"), WindowLeft, true); });
    attempt([] { RegSetLong(Hive, Key, QStringLiteral("WindowTop"), WindowTop, true); });
    attempt([] { RegSetLong(Hive, Key, QStringLiteral("WindowWidth"), WindowWidth, true); });
    attempt([] { RegSetLong(Hive, Key, QStringLiteral("WindowHeight"), WindowHeight, true); });
    attempt([] { RegSetBool(Hive, Key, QStringLiteral("Maximized"), Maximized, true); });
    attempt([] { RegSetBool(Hive, Key, QStringLiteral("ShowStability"), ShowStability, true); });
    attempt(ProgramSettings::WriteRecentTopics);
    if (AnalysisWidth > 0) {
        attempt([] { RegSetLong(Hive, Key, QStringLiteral("AnalysisLeft"), AnalysisLeft, true); });
        attempt([] { RegSetLong(Hive, Key, QStringLiteral("AnalysisTop"), AnalysisTop, true); });
        attempt([] { RegSetLong(Hive, Key, QStringLiteral("AnalysisWidth"), AnalysisWidth, true); });
        attempt([] { RegSetLong(Hive, Key, QStringLiteral("AnalysisHeight"), AnalysisHeight, true); });
    }
    if (failure) {
        MsgBox(QStringLiteral("An error occurred whilst saving the settings!\r\rError %1\r%2")
                   .arg(failure->number())
                   .arg(failure->description()),
               vbCritical);
    }
    return !failure;
}

bool QueryUnloadMainWindow(const std::function<void()> &beforeSaving)
{
    using modParameters::CurrentTopic;
    try {
        if (CurrentTopic && !modLoadSave::CheckSaveTopic(*CurrentTopic))
            return false;
    } catch (const VeltraneError &error) {
        modLoadSave::ShowSaveError(error.number(), error.description());
        return false;
    }
    if (beforeSaving)
        beforeSaving();
    SaveProgramSettings();
    return true;
}

} // namespace modStartup
