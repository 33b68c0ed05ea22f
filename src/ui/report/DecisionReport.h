#pragma once

#include <QLocale>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class VeltraneTopic;

// The decision report: a PDF that explains a decision without the program. In this order:
// the title, the notes, the date and version; the decision in one sentence; the matrix
// (measured values with their units); the contributions chart; how sure the decision is
// (the closest change, every weighting's stable range, the sensitivity chart of the
// narrowest); the chances of each place; and the answers to the weighting method applied. The charts are the analysis window's own, so the topic
// must be the open one.
namespace DecisionReport {

// A4, or Letter where the locale's territory uses it.
QPageSize::PageSizeId PageSizeFor(const QLocale &locale);

// Lays the report out on the device and draws it; false when the device fails.
bool Paint(QPagedPaintDevice &device, const VeltraneTopic &topic);

// Writes the report to the file through a temporary file, so that a failed write leaves
// any earlier file as it was; on failure shows the save-error message and returns false.
bool Save(const QString &fileName, const VeltraneTopic &topic);

} // namespace DecisionReport
