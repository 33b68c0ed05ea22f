// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class MeasurementTable;
class VeltraneTopic;

// One column of the table that becomes an attribute.
struct MeasuredColumnChoice {
    enum Direction { HigherIsBetter, LowerIsBetter, NotMeasured };
    int Column = -1;
    Direction Kind = HigherIsBetter;
    double Worst = 0; // the anchors of a measured column
    double Best = 1;
};

// What a person chose from a table of measurements: the column that names the options,
// the columns that become attributes and the rows that become options.
struct MeasurementChoice {
    QString Title;
    int NameColumn = -1; // -1: the options keep their default names
    QList<MeasuredColumnChoice> Attributes;
    QList<int32_t> Rows;
};

// Turning a table of measurements into a topic: each chosen column an attribute with a
// scale in the column's unit, each chosen row an option with its values.
namespace MeasurementImport {

// The lowest and highest value of a numeric column over the rows; none when none of
// them has a value.
std::optional<std::pair<double, double>> Range(const MeasurementTable &table, int column, const QList<int32_t> &rows);

// Anchors from the lowest and highest value of the rows: the lowest is worst when higher
// is better, and the other way round. Equal values (or none) still give two anchors
// that differ.
void SetDefaultAnchors(const MeasurementTable &table, const QList<int32_t> &rows, MeasuredColumnChoice &choice);

// A first proposal: the first column that is not numeric names the options, the numeric
// columns (up to the attribute limit) are measured, higher is better except for prices,
// and the first rows up to the option limit are the options.
MeasurementChoice DefaultChoice(const MeasurementTable &table, const QString &title);

// Why the choice cannot make a topic ("Choose at most 10 rows."); empty when it can.
QString Problem(const MeasurementTable &table, const MeasurementChoice &choice);

// The topic of a choice (which must have no Problem): rounding 3, the given
// NormaliseWeights, an empty cell leaves its option without a value.
std::shared_ptr<VeltraneTopic> BuildTopic(const MeasurementTable &table, const MeasurementChoice &choice,
                                          bool normaliseWeights);

// The Load dialog's "Table of measurements": reads the file, lets the person choose in
// the window's dialog (WindowHooks::chooseMeasurements) and makes the topic. False,
// with `topic` as it was, when the file holds no table (after a message) or the person
// cancelled.
bool ImportTableOfMeasurements(const QString &fileName, std::shared_ptr<VeltraneTopic> &topic);

} // namespace MeasurementImport
