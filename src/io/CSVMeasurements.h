// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class CSVFile;
class VeltraneTopic;

// The block of a CSV export that holds measured values, after an empty line below the
// ratings: a "Measurements" row with the measured attributes' names, rows "Unit",
// "Worst", "Best" (and "Points" when a scale has break points), then one row per option
// with its values. Column k + 1 belongs to attribute k, as in the rows above, so a
// spreadsheet shows the values under their ratings.
namespace CSVMeasurements {

// The block, or the empty text for a topic that measures nothing. Every field goes
// through `field`, the export's own quoting.
QString Render(const VeltraneTopic &topic, const std::function<QString(const QString &)> &field);

// Reads the block when the file has one, after the ratings: a value re-rates its cell.
// False after the invalid-data message naming the cell that is not valid.
bool Read(const CSVFile &csv, VeltraneTopic &topic);

} // namespace CSVMeasurements
