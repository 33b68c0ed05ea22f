#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class VeltraneTopic;

// The CSV export and import of topics, for spreadsheets.
namespace modLoadSave {

// The topic in the export layout: title, program, attribute names, weightings, then one
// line per option with its ratings and score; values as decimals or percentages by
// DisplayAsDecimal, in the user's locale. Every line ends with CR LF.
QString RenderTopicCSV(const VeltraneTopic &topic);

// Writes RenderTopicCSV to the file. False (after a message) when it cannot be written;
// the previous file is then left as it was.
bool ExportTopicCSV(const QString &fileName, const VeltraneTopic &topic);

// Builds a new topic from the marker rows of a CSV file (a title, "Attributes",
// "Weightings", "Ratings" or "Options"); it replaces `topic` only when the whole file
// was read. Every failure is shown to the user and leaves `topic` as it was.
bool ImportTopicCSV(const QString &fileName, std::shared_ptr<VeltraneTopic> &topic);

// A weighting or rating cell read by the value rule.
struct CSVValue
{
    enum Kind { Blank, Invalid, Number };
    Kind kind = Blank;
    // From 0 to 1, or above 1 up to 100 for a value written without "%".
    double value = 0;
};

// Blank, a number in the user's locale ("%" divides it by 100), or invalid: not a
// number, negative, above 100% or above 100.
CSVValue ParseCSVValue(const QString &cell);

// The invalid-data message for a 0-based row and column.
void ShowCSVDataError(int32_t row, int32_t column);

// Asks whether numbers above 1 are percentages; true for Yes.
bool AskTreatAsPercentages();

} // namespace modLoadSave
