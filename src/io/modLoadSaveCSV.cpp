#include "modLoadSaveCSV.h"

#include "VeltraneVersion.h"
#include "io/CSVFile.h"
#include "io/CSVMeasurements.h"
#include "io/TextFileWriter.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/MsgBox.h"
#include "support/NumberText.h"
#include "support/NumericText.h"
#include "support/VeltraneError.h"
#include "support/libmodGenericTextFunctions.h"

#include <algorithm>
#include <cmath>

namespace modLoadSave {

namespace {

const QString LineEnd = QStringLiteral("\r\n");

// A field that holds a comma, a double quote or a line break is written as spreadsheets
// write it: in double quotes, each quote inside doubled. Any other field is written as it
// is, so that plain names keep the bytes they always had.
QString csvField(const QString &text)
{
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == u',' || c == u'"' || c == u'\r' || c == u'\n';
    });
    if (plain)
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString csvValue(double value)
{
    if (modParameters::DisplayAsDecimal)
        return csvField(NumberToText(value));
    return csvField(NumberToText(value * 100) + u'%');
}

bool isAttributesMarker(const QString &marker)
{
    return marker == u"attributes" || marker == u"attributes:";
}

bool isWeightingsMarker(const QString &marker)
{
    return marker == u"weightings" || marker == u"weightings:";
}

bool isOptionsMarker(const QString &marker)
{
    return marker == u"ratings" || marker == u"ratings:" || marker == u"options" || marker == u"options:";
}

// What one import has found and built so far.
class CSVImport
{
public:
    explicit CSVImport(const CSVFile &csv)
        : m_csv(csv)
    {
    }

    // Fills `topic`; false after a message when the file cannot be used.
    bool build(VeltraneTopic &topic);
    bool cut() const { return m_cut; }

private:
    QString cell(int32_t row, int32_t column) const { return TrimBlanks(m_csv.GetCellData(row, column)); }
    void scan(VeltraneTopic &topic);
    void readAttributeNames(VeltraneTopic &topic);
    bool readWeightings(VeltraneTopic &topic);
    bool readOptions(VeltraneTopic &topic);
    // The value of a weighting or rating cell, or nothing after the invalid-data message;
    // `blank` tells an empty cell.
    std::optional<double> value(int32_t row, int32_t column, bool &blank);

    const CSVFile &m_csv;
    int32_t m_namesRow = -1;
    bool m_namesRowIsHeader = false;
    int32_t m_weightingsRow = -1;
    int32_t m_firstOptionRow = -1;
    bool m_asked = false;
    bool m_percentages = false;
    bool m_cut = false;
};

bool CSVImport::build(VeltraneTopic &topic)
{
    scan(topic);
    if (m_firstOptionRow < 0 && m_namesRow < 0) {
        MsgBox(QStringLiteral("This file does not contain any topic data that Veltrane is able to interpret."),
               vbExclamation, modParameters::ProductTitle);
        return false;
    }
    // A sheet without an attributes row may name its attributes in the ratings header.
    if (m_firstOptionRow >= 0 && m_namesRow < 0 && !cell(m_firstOptionRow, 1).isEmpty()) {
        m_namesRow = m_firstOptionRow - 1;
        m_namesRowIsHeader = true;
    }

    if (m_namesRow >= 0)
        readAttributeNames(topic);
    else
        topic.SetTotalAttributes(2);
    if (m_namesRow >= 0 && m_weightingsRow >= 0 && !readWeightings(topic))
        return false;
    if (m_firstOptionRow >= 0)
        return readOptions(topic);
    topic.SetTotalOptions(2);
    return true;
}

void CSVImport::scan(VeltraneTopic &topic)
{
    bool titleFound = false;
    const int32_t rows = m_csv.Rows();
    for (int32_t row = 0; row < rows; ++row) {
        const QString first = cell(row, 0);
        const QString marker = first.toLower();
        if (marker.isEmpty())
            continue;

        if (!titleFound) {
            QString title;
            if (marker == u"topic" || marker == u"topic:")
                title = cell(row, 1);
            else if (marker.startsWith(u"topic:"))
                title = first.mid(6);
            else if (marker.startsWith(u"topic"))
                title = first.mid(5);
            title = TrimBlanks(title);
            if (!title.isEmpty()) {
                topic.SetTitle(title);
                titleFound = true;
            }
        }

        if (isAttributesMarker(marker) && m_namesRow < 0 && !cell(row, 1).isEmpty()) {
            m_namesRow = row;
        } else if (isWeightingsMarker(marker) && m_weightingsRow < 0 && !cell(row, 1).isEmpty()) {
            m_weightingsRow = row;
        } else if (isOptionsMarker(marker) && m_firstOptionRow < 0 && !cell(row + 1, 0).isEmpty()) {
            m_firstOptionRow = row + 1;
            // Skip the option rows and the empty row that ends them.
            row = m_firstOptionRow;
            while (row < rows && !cell(row, 0).isEmpty())
                ++row;
        }
    }
}

void CSVImport::readAttributeNames(VeltraneTopic &topic)
{
    const int32_t last = m_csv.CellsInRow(m_namesRow);
    for (int32_t column = 1; column < last; ++column) {
        const QString name = cell(m_namesRow, column);
        const QString lower = name.toLower();
        if (name.isEmpty() || lower == u"score:" || (m_namesRowIsHeader && lower == u"score"))
            break;
        if (column > modParameters::MaxAttributes) {
            m_cut = true;
            break;
        }
        if (column == 1)
            topic.SetAttributeName(0, name);
        else
            topic.AddAttribute(name);
    }
}

std::optional<double> CSVImport::value(int32_t row, int32_t column, bool &blank)
{
    const CSVValue parsed = ParseCSVValue(m_csv.GetCellData(row, column));
    blank = parsed.kind == CSVValue::Blank;
    if (parsed.kind == CSVValue::Invalid) {
        ShowCSVDataError(row, column);
        return std::nullopt;
    }
    if (parsed.value <= 1)
        return parsed.value;
    // The question is asked once; its answer holds for the rest of the file.
    if (!m_asked) {
        m_asked = true;
        m_percentages = AskTreatAsPercentages();
    }
    if (!m_percentages) {
        ShowCSVDataError(row, column);
        return std::nullopt;
    }
    return parsed.value / 100;
}

bool CSVImport::readWeightings(VeltraneTopic &topic)
{
    for (int16_t attribute = 0; attribute < topic.TotalAttributes(); ++attribute) {
        bool blank = false;
        const std::optional<double> weighting = value(m_weightingsRow, attribute + 1, blank);
        if (!weighting)
            return false;
        if (blank) {
            if (topic.NormaliseWeights())
                topic.pSetWeighting(attribute, 0, false);
            continue;
        }
        topic.pSetWeighting(attribute, *weighting, false);
    }
    return true;
}

bool CSVImport::readOptions(VeltraneTopic &topic)
{
    for (int32_t option = 0;; ++option) {
        const int32_t row = m_firstOptionRow + option;
        const QString name = cell(row, 0);
        if (name.isEmpty())
            return true;
        if (option + 1 > modParameters::MaxOptions) {
            m_cut = true;
            return true;
        }
        if (option == 0)
            topic.SetOptionName(0, name);
        else
            topic.AddOption(name);
        if (m_namesRow < 0)
            continue;
        for (int16_t attribute = 0; attribute < topic.TotalAttributes(); ++attribute) {
            bool blank = false;
            const std::optional<double> rating = value(row, attribute + 1, blank);
            if (!rating)
                return false;
            if (!blank)
                topic.SetRating(int16_t(option), attribute, *rating);
        }
    }
}

} // namespace

QString RenderTopicCSV(const VeltraneTopic &topic)
{
    const int16_t attributes = topic.TotalAttributes();
    QString text = csvField(QStringLiteral("Topic: ") + topic.Title()) + LineEnd;
    text += QStringLiteral("Exported from %1 v%2.%3")
                .arg(modParameters::ProductTitle)
                .arg(VELTRANE_VERSION_MAJOR)
                .arg(VELTRANE_VERSION_MINOR)
        + LineEnd;
    text += LineEnd;
    text += QStringLiteral("Attributes");
    for (int16_t attribute = 0; attribute < attributes; ++attribute)
        text += u',' + csvField(topic.GetAttributeName(attribute));
    text += LineEnd + QStringLiteral("Weightings");
    for (int16_t attribute = 0; attribute < attributes; ++attribute)
        text += u',' + csvValue(topic.GetWeighting(attribute));
    text += LineEnd + LineEnd + QStringLiteral("Ratings") + QString(attributes, u',') + QStringLiteral(",,Score")
        + LineEnd;
    for (int16_t option = 0; option < topic.TotalOptions(); ++option) {
        text += csvField(topic.GetOptionName(option));
        for (int16_t attribute = 0; attribute < attributes; ++attribute)
            text += u',' + csvValue(topic.GetRating(option, attribute));
        text += QStringLiteral(",,") + csvValue(topic.GetScore(option)) + LineEnd;
    }
    return text + CSVMeasurements::Render(topic, csvField);
}

bool ExportTopicCSV(const QString &fileName, const VeltraneTopic &topic)
{
    try {
        const QString text = RenderTopicCSV(topic);
        TextFileWriter::SaveTextFile(fileName, text, ErrorSource("modLoadSave"));
    } catch (const VeltraneError &error) {
        ShowSaveError(error.number(), error.description());
        return false;
    }
    return true;
}

bool ImportTopicCSV(const QString &fileName, std::shared_ptr<VeltraneTopic> &topic)
{
    return ReportingLoadFailures([&] {
        CSVFile csv;
        csv.Load(fileName);
        auto imported = std::make_shared<VeltraneTopic>();
        imported->SetRounding(3);
        imported->SetNormaliseWeights(NormaliseSettingOf(topic));
        CSVImport import(csv);
        if (!import.build(*imported) || !CSVMeasurements::Read(csv, *imported))
            return false;
        topic = std::move(imported);
        if (import.cut())
            ShowExtraItemsIgnored();
        return true;
    });
}

CSVValue ParseCSVValue(const QString &cell)
{
    QString text = TrimBlanks(cell);
    const bool percent = text.endsWith(u'%');
    if (percent)
        text.chop(1);
    if (text.isEmpty())
        return {CSVValue::Blank, 0};
    const std::optional<double> number = ParseNumericText(text);
    if (!number || !std::isfinite(*number) || *number < 0 || *number > 100)
        return {CSVValue::Invalid, 0};
    return {CSVValue::Number, percent ? *number / 100 : *number};
}

void ShowCSVDataError(int32_t row, int32_t column)
{
    MsgBox(QStringLiteral("Invalid data encountered in CSV file at Row %1, Column %2.\r\r"
                          "File could not be loaded.\r\r"
                          "Please load the file into a spreadsheet program such as Microsoft Excel and verify "
                          "that it contains valid data.  In some cases simply loading and resaving the file will "
                          "solve the problem.")
               .arg(qint64(row) + 1)
               .arg(qint64(column) + 1),
           vbExclamation, modParameters::ProductTitle);
}

bool AskTreatAsPercentages()
{
    return MsgBox(QStringLiteral("This CSV file contains numbers greater than 1, which aren't marked as percentages."
                                 "\r\rDo you want to treat them as percentage values?"),
                  vbQuestion + vbYesNo, modParameters::ProductTitle)
        == vbYes;
}

} // namespace modLoadSave
