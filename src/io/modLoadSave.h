#pragma once

#include "io/modLoadSaveCSV.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class VeltraneTopic;

// Topic files and the open and save dialogs that lead to them and to the CSV export
// and import. Every failure is shown to the user here; the results say whether the
// topic was saved or loaded.
namespace modLoadSave {

// What a file name says the file is. One rule for every path that picks a reader or a
// writer by the name: the last four characters, compared exactly (lower case). The Save
// dialog writes a CSV file, a picture or a decision report by it and a topic file for every
// other name; the Open dialog imports a CSV file by it and reads every other name as a topic
// file; the command line takes a topic file only, and a drop a topic or a CSV file only.
enum class FileType { TopicFile, CsvFile, JpegImage, BitmapImage, DecisionReport, Other };
FileType FileTypeOf(const QString &fileName);

// Writes the topic as a topic file. False (after a message) when it cannot be written;
// the previous file is then left as it was. Clears TopicChanged on success.
bool SaveTopicFile(const QString &fileName, const VeltraneTopic &topic);

// Reads a topic file into a new topic that replaces `topic` only when every value was
// accepted; on any failure a message is shown and `topic` stays as it was.
bool LoadTopicFile(const QString &fileName, std::shared_ptr<VeltraneTopic> &topic);

// The Save dialog, then the topic file, the CSV export or a screenshot by the chosen
// extension. True only when the topic itself was saved (a screenshot is not a save).
bool SaveTopicAs(const VeltraneTopic &topic);

// The Open dialog, then the topic file or the CSV import by the chosen extension, or a
// table of measurements by the dialog's third type. On success `topic` is the new one and
// TopicChanged is cleared, except for a topic made from a table, which is saved nowhere
// yet; `fromTable`, when given, tells which it was.
bool OpenTopic(std::shared_ptr<VeltraneTopic> &topic, bool *fromTable = nullptr);

// What the Open dialog leads to once a file is chosen (also a file dropped on the window).
bool OpenTopicFile(const QString &fileName, std::shared_ptr<VeltraneTopic> &topic);

// Whether the name is that of a topic file or a CSV file, as the Open dialog offers them.
bool IsOpenableFileName(const QString &fileName);

// Asks whether to save unsaved changes first; true when the caller may discard the topic.
bool CheckSaveTopic(const VeltraneTopic &topic);

// The messages of a file that could not be written or read, with the failure's code
// and description.
void ShowSaveError(int32_t number, const QString &description);
void ShowLoadError(int32_t number, const QString &description);

// The information that a file held more options or attributes than can be shown.
void ShowExtraItemsIgnored();

// The NormaliseWeights setting a loaded or imported topic takes over: that of the topic
// it replaces (else of the current topic), since the files do not store it.
bool NormaliseSettingOf(const std::shared_ptr<VeltraneTopic> &replaced);

// Runs a load or import: a failure it raises is shown as the load-error message and
// gives false.
bool ReportingLoadFailures(const std::function<bool()> &load);

} // namespace modLoadSave
