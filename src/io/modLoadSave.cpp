#include "modLoadSave.h"

#include "io/INIFile.h"
#include "io/INITextValue.h"
#include "io/MeasurementImport.h"
#include "io/RecentTopics.h"
#include "io/TopicFileScales.h"
#include "io/WeightingMethodSection.h"
#include "io/WindowHooks.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/CommonDialog.h"
#include "support/MsgBox.h"
#include "support/VariantConversion.h"
#include "support/VeltraneError.h"
#include "support/modPath.h"

#include <limits>
#include <new>

namespace modLoadSave {

namespace {

const QString TopicAndCsvFilter = QStringLiteral("Veltrane Topic (*.vtp)|*.vtp|Excel CSV file (*.csv)|*.csv");
// A sheet of measurements (a list of laptops from a shop) is a CSV file too; its type,
// third in the list, leads to the table import instead of the topic import.
const QString MeasurementsFilter = QStringLiteral("|Table of measurements (*.csv)|*.csv");
constexpr int32_t MeasurementsFilterIndex = 3;
// Both kinds in one list as well, so that neither is hidden behind the other.
const QString OpenFilter = TopicAndCsvFilter + MeasurementsFilter + QStringLiteral("|All supported files|*.vtp;*.csv");
const QString SaveFilter = TopicAndCsvFilter
    + QStringLiteral("|Screenshot - JPG Image (*.jpg)|*.jpg|Screenshot - Bitmap Image (*.bmp)|*.bmp")
    + QStringLiteral("|Decision report (*.pdf)|*.pdf");
constexpr int32_t SaveFlags = cdlOFNLongNames | cdlOFNNoReadOnlyReturn | cdlOFNPathMustExist | cdlOFNOverwritePrompt;
constexpr int32_t OpenFlags = cdlOFNLongNames | cdlOFNFileMustExist | cdlOFNHideReadOnly;

QString errorSource()
{
    return ErrorSource("modLoadSave");
}

void showFileError(const QString &headline, int32_t number, const QString &description)
{
    MsgBox(headline + QStringLiteral("\r\rError ") + QString::number(number) + u'\r' + description,
           vbCritical, modParameters::ProductTitle);
}

// A required value of [Topic] that is missing or does not convert fails with the run-time's
// number and headline, and the description names the key, so that whoever edited the file
// by hand can find it.
[[noreturn]] void badTopicValue(int32_t number, const QString &key, const QString &problem)
{
    const QString headline = number == ErrOverflow ? QStringLiteral("Overflow") : QStringLiteral("Type mismatch");
    throw VeltraneError(number, errorSource(), QStringLiteral("%1: %2 in [Topic] %3").arg(headline, key, problem));
}

// A count as the file gives it: a whole number in 16 bits.
int16_t requiredCount(const INIFile &ini, const QString &key)
{
    const QString outOfRange = QStringLiteral("is outside -32768 to 32767");
    int32_t count = 0;
    try {
        count = VariantToLong(ini.GetParameterValue(QStringLiteral("Topic"), key));
    } catch (const VeltraneError &error) {
        badTopicValue(error.number(), key,
                      error.number() == ErrOverflow ? outOfRange : QStringLiteral("is missing or not a number"));
    }
    if (count < std::numeric_limits<int16_t>::min() || count > std::numeric_limits<int16_t>::max())
        badTopicValue(ErrOverflow, key, outOfRange);
    return int16_t(count);
}

bool requiredTruthValue(const INIFile &ini, const QString &key)
{
    try {
        return VariantToBool(ini.GetParameterValue(QStringLiteral("Topic"), key));
    } catch (const VeltraneError &error) {
        badTopicValue(error.number(), key, QStringLiteral("is missing or not True, False or a number"));
    }
}

// A number of [Topic] that may be left out: the default when the key is absent.
double optionalTopicNumber(const INIFile &ini, const QString &key, double defaultValue)
{
    const std::optional<double> number =
        ini.GetNumericParameterValue(QStringLiteral("Topic"), key, std::optional(defaultValue));
    if (!number)
        badTopicValue(13, key, QStringLiteral("is not a number"));
    return *number;
}

double requiredNumber(const INIFile &ini, const QString &section, const QString &key)
{
    const std::optional<double> number = ini.GetNumericParameterValue(section, key);
    if (!number)
        throw VeltraneError::TypeMismatch(
            errorSource(), QStringLiteral("Type mismatch: %1 in [%2] is missing or not a number").arg(key, section));
    return *number;
}

// Shows the dialog; the chosen name, or nothing when the user cancelled.
std::optional<QString> chooseFile(CommonDialog &dialog, bool save)
{
    dialog.SetInitDir(modParameters::LastUsedDir);
    dialog.SetCancelError(true);
    if (windowHooks().dialogOwner)
        dialog.SetOwner(windowHooks().dialogOwner());
    try {
        save ? dialog.ShowSave() : dialog.ShowOpen();
    } catch (const VeltraneError &error) {
        if (error.number() == cdlCancel)
            return std::nullopt;
        throw;
    }
    return dialog.FileName();
}

bool isSettingsDialogLoaded()
{
    return windowHooks().isFormLoaded && windowHooks().isFormLoaded(QStringLiteral("frmOptions"));
}

// The folder is remembered and the settings dialog steps aside before a file is read.
void beforeOpening(const QString &fileName)
{
    modParameters::LastUsedDir = GetFolderOfPath(fileName);
    if (isSettingsDialogLoaded() && windowHooks().hideSettingsDialog)
        windowHooks().hideSettingsDialog();
}

} // namespace

void ShowSaveError(int32_t number, const QString &description)
{
    showFileError(QStringLiteral("An error occurred whilst saving the file!"), number, description);
}

void ShowLoadError(int32_t number, const QString &description)
{
    showFileError(QStringLiteral("An error occurred whilst loading the file!"), number, description);
}

void ShowExtraItemsIgnored()
{
    MsgBox(QStringLiteral("The file contained more options/attributes than this version of Veltrane can display.  "
                          "These extra options/attributes have been ignored."),
           vbInformation, modParameters::ProductTitle);
}

bool NormaliseSettingOf(const std::shared_ptr<VeltraneTopic> &replaced)
{
    const VeltraneTopic *setting = replaced ? replaced.get() : modParameters::CurrentTopic.get();
    return setting && setting->NormaliseWeights();
}

bool ReportingLoadFailures(const std::function<bool()> &load)
{
    try {
        return load();
    } catch (const VeltraneError &error) {
        ShowLoadError(error.number(), error.description());
    } catch (const std::bad_alloc &) {
        const VeltraneError error = VeltraneError::OutOfMemory(errorSource());
        ShowLoadError(error.number(), error.description());
    }
    return false;
}

bool SaveTopicFile(const QString &fileName, const VeltraneTopic &topic)
{
    INIFile ini;
    ini.AddComment(QString());
    ini.AddComment(modParameters::ProductTitle + QStringLiteral(" - Parameter Settings"));
    ini.AddComment(QString());
    ini.AddComment(
        QStringLiteral("Be careful when hand editing this file - incorrect entries may cause unwanted behaviour!"));
    ini.AddComment(QString());

    ini.UseSection(QStringLiteral("Veltrane"));
    ini.AddParameter(QStringLiteral("AppVersion"), modParameters::AppVersion);

    ini.UseSection(QStringLiteral("Topic"));
    ini.AddParameter(QStringLiteral("Name"), topic.Title());
    // The notes, only when there are some: a topic without them keeps its bytes.
    if (!topic.Description().isEmpty())
        ini.AddParameter(QStringLiteral("Description"), INITextValue::Encode(topic.Description()));
    ini.AddParameter(QStringLiteral("TotalOptions"), QString::number(topic.TotalOptions()));
    ini.AddParameter(QStringLiteral("TotalAttributes"), QString::number(topic.TotalAttributes()));
    ini.AddParameter(QStringLiteral("InvertWeights"),
                     topic.InvertWeights() ? QStringLiteral("True") : QStringLiteral("False"));
    // Spreads left at their default are not written, so such a topic's file stays as it was.
    if (topic.RatingSpread() != VeltraneTopic::DefaultSpread)
        ini.AddNumericParameter(QStringLiteral("RatingSpread"), topic.RatingSpread());
    if (topic.WeightingSpread() != VeltraneTopic::DefaultSpread)
        ini.AddNumericParameter(QStringLiteral("WeightingSpread"), topic.WeightingSpread());

    ini.UseSection(QStringLiteral("Attributes"));
    for (int16_t attribute = 0; attribute < topic.TotalAttributes(); ++attribute) {
        ini.AddParameter(QStringLiteral("Attribute%1_Name").arg(attribute), topic.GetAttributeName(attribute));
        ini.AddNumericParameter(QStringLiteral("Attribute%1_Weighting").arg(attribute), topic.GetWeighting(attribute));
        TopicFileScales::WriteAttribute(ini, topic, attribute);
    }
    for (int16_t option = 0; option < topic.TotalOptions(); ++option) {
        ini.UseSection(QStringLiteral("Option%1").arg(option));
        ini.AddParameter(QStringLiteral("Name"), topic.GetOptionName(option));
        for (int16_t attribute = 0; attribute < topic.TotalAttributes(); ++attribute) {
            ini.AddNumericParameter(QStringLiteral("Rating%1").arg(attribute), topic.GetRating(option, attribute));
            TopicFileScales::WriteValue(ini, topic, option, attribute);
        }
    }
    WeightingMethodSection::Write(ini, topic);

    if (!ini.WriteFile(fileName)) {
        ShowSaveError(ini.LastErrorNumber(), ini.LastErrorDescription());
        return false;
    }
    modParameters::SetTopicChanged(false);
    return true;
}

bool LoadTopicFile(const QString &fileName, std::shared_ptr<VeltraneTopic> &topic)
{
    return ReportingLoadFailures([&] {
        INIFile ini;
        ini.ReadFile(fileName);

        auto loaded = std::make_shared<VeltraneTopic>();
        loaded->SetRounding(3);
        loaded->SetTitle(ini.GetParameterValue(QStringLiteral("Topic"), QStringLiteral("Name")));
        loaded->SetDescription(
            INITextValue::Decode(ini.GetParameterValue(QStringLiteral("Topic"), QStringLiteral("Description"))));

        // Counts beyond the limits are cut before the topic grows to them; the elements
        // past the limits are never read.
        const int16_t options = requiredCount(ini, QStringLiteral("TotalOptions"));
        const int16_t attributes = requiredCount(ini, QStringLiteral("TotalAttributes"));
        loaded->SetTotalOptions(std::min(options, modParameters::MaxOptions));
        loaded->SetTotalAttributes(std::min(attributes, modParameters::MaxAttributes));
        loaded->SetInvertWeights(requiredTruthValue(ini, QStringLiteral("InvertWeights")));
        const bool cut = options > modParameters::MaxOptions || attributes > modParameters::MaxAttributes;
        // Out of range, the topic's own check fails the load with the load-error message.
        loaded->SetRatingSpread(
            optionalTopicNumber(ini, QStringLiteral("RatingSpread"), VeltraneTopic::DefaultSpread));
        loaded->SetWeightingSpread(
            optionalTopicNumber(ini, QStringLiteral("WeightingSpread"), VeltraneTopic::DefaultSpread));

        const QString attributesSection = QStringLiteral("Attributes");
        for (int16_t attribute = 0; attribute < loaded->TotalAttributes(); ++attribute) {
            loaded->SetAttributeName(
                attribute, ini.GetParameterValue(attributesSection, QStringLiteral("Attribute%1_Name").arg(attribute)));
            const double weighting =
                requiredNumber(ini, attributesSection, QStringLiteral("Attribute%1_Weighting").arg(attribute));
            if (!(weighting >= 0 && weighting <= 1)) {
                MsgBox(QStringLiteral("Invalid weighting for attribute %1.\r\rUnable to load file.").arg(attribute),
                       vbCritical, modParameters::ProductTitle);
                return false;
            }
            loaded->SetWeighting(attribute, weighting);
        }

        for (int16_t option = 0; option < loaded->TotalOptions(); ++option) {
            const QString section = QStringLiteral("Option%1").arg(option);
            loaded->SetOptionName(option, ini.GetParameterValue(section, QStringLiteral("Name")));
            for (int16_t attribute = 0; attribute < loaded->TotalAttributes(); ++attribute) {
                const double rating = requiredNumber(ini, section, QStringLiteral("Rating%1").arg(attribute));
                if (!(rating >= 0 && rating <= 1)) {
                    MsgBox(QStringLiteral("Invalid rating for attribute %1, option %2.\r\rUnable to load file.")
                               .arg(attribute)
                               .arg(option),
                           vbCritical, modParameters::ProductTitle);
                    return false;
                }
                loaded->SetRating(option, attribute, rating);
            }
        }

        // Answers for attributes past the limit would not fit the attributes kept.
        if (attributes <= modParameters::MaxAttributes)
            WeightingMethodSection::Read(ini, *loaded);
        TopicFileScales::Read(ini, *loaded);

        // The setting is taken last, so that every weighting above was stored as read.
        loaded->SetNormaliseWeights(NormaliseSettingOf(topic));
        topic = std::move(loaded);
        if (cut)
            ShowExtraItemsIgnored();
        return true;
    });
}

bool SaveTopicAs(const VeltraneTopic &topic)
{
    CommonDialog dialog;
    dialog.SetFlags(SaveFlags);
    QString initialName = topic.Title();
    dialog.SetFileName(MakeValidFileName(initialName));
    dialog.SetFilter(SaveFilter);
    const std::optional<QString> chosen = chooseFile(dialog, true);
    if (!chosen)
        return false;
    // A name typed without an extension is saved as the type chosen in the dialog, and
    // so can be found again; one typed with an extension is used as typed.
    const QString fileName = WithFilterExtension(*chosen, SaveFilter, dialog.FilterIndex());
    modParameters::LastUsedDir = GetFolderOfPath(fileName);

    const FileType type = FileTypeOf(fileName);
    if (type == FileType::JpegImage || type == FileType::BitmapImage) {
        // A screenshot leaves the topic unsaved, so it reports false: a caller about to
        // discard the topic must not take the picture for a save.
        if (windowHooks().saveScreenshot)
            windowHooks().saveScreenshot(fileName, type == FileType::JpegImage);
        return false;
    }
    if (type == FileType::DecisionReport) {
        // Like a screenshot, a report is no save of the topic.
        if (windowHooks().saveReport)
            windowHooks().saveReport(fileName, topic);
        return false;
    }
    const bool saved = type == FileType::CsvFile ? ExportTopicCSV(fileName, topic) : SaveTopicFile(fileName, topic);
    if (saved)
        RecentTopics::Note(fileName);
    return saved;
}

bool OpenTopic(std::shared_ptr<VeltraneTopic> &topic, bool *fromTable)
{
    if (fromTable)
        *fromTable = false;
    CommonDialog dialog;
    dialog.SetFlags(OpenFlags);
    dialog.SetFileName(QString());
    dialog.SetFilter(OpenFilter);
    const std::optional<QString> chosen = chooseFile(dialog, false);
    if (!chosen)
        return false;
    if (dialog.FilterIndex() != MeasurementsFilterIndex)
        return OpenTopicFile(*chosen, topic);
    beforeOpening(*chosen);
    // A topic made from a table has not been saved anywhere yet.
    const bool made = MeasurementImport::ImportTableOfMeasurements(*chosen, topic);
    if (made)
        modParameters::SetTopicChanged(true);
    if (fromTable)
        *fromTable = made;
    return made;
}

bool OpenTopicFile(const QString &fileName, std::shared_ptr<VeltraneTopic> &topic)
{
    beforeOpening(fileName);
    const bool loaded = FileTypeOf(fileName) == FileType::CsvFile ? ImportTopicCSV(fileName, topic)
                                                                  : LoadTopicFile(fileName, topic);
    if (loaded) {
        modParameters::SetTopicChanged(false);
        RecentTopics::Note(fileName);
    }
    return loaded;
}

FileType FileTypeOf(const QString &fileName)
{
    const QStringView extension = QStringView(fileName).right(4);
    if (extension == u".vtp")
        return FileType::TopicFile;
    if (extension == u".csv")
        return FileType::CsvFile;
    if (extension == u".jpg")
        return FileType::JpegImage;
    if (extension == u".bmp")
        return FileType::BitmapImage;
    if (extension == u".pdf")
        return FileType::DecisionReport;
    return FileType::Other;
}

bool IsOpenableFileName(const QString &fileName)
{
    const FileType type = FileTypeOf(fileName);
    return type == FileType::TopicFile || type == FileType::CsvFile;
}

bool CheckSaveTopic(const VeltraneTopic &topic)
{
    if (!modParameters::TopicChanged)
        return true;
    switch (MsgBox(QStringLiteral("Do you want to save this topic first?"), vbYesNoCancel + vbQuestion,
                   QStringLiteral("Save Topic"))) {
    case vbYes:
        return SaveTopicAs(topic);
    case vbNo:
        return true;
    default:
        return false;
    }
}

} // namespace modLoadSave
