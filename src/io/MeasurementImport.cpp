// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasurementImport.h"

#include "io/MeasurementTable.h"
#include "io/WindowHooks.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/MsgBox.h"
#include "support/VeltraneError.h"

#include <cmath>

namespace MeasurementImport {

namespace {

// Prices count against: a currency sign as the unit, or a name that says so.
bool looksLikePrice(const MeasurementColumn &column)
{
    for (const QChar c : column.Unit) {
        if (c.category() == QChar::Symbol_Currency)
            return true;
    }
    const QString name = column.Name.toLower();
    return name.contains(u"price") || name.contains(u"cost");
}

AttributeScale scaleOf(const MeasurementTable &table, const MeasuredColumnChoice &choice)
{
    return {table.Column(choice.Column).Unit.left(ValueFunction::MaxUnitLength), choice.Worst, choice.Best, {}};
}

} // namespace

std::optional<std::pair<double, double>> Range(const MeasurementTable &table, int column, const QList<int32_t> &rows)
{
    std::optional<std::pair<double, double>> range;
    for (const int32_t row : rows) {
        const std::optional<double> value = table.Value(row, column);
        if (!value)
            continue;
        if (!range)
            range = std::pair(*value, *value);
        range->first = std::min(range->first, *value);
        range->second = std::max(range->second, *value);
    }
    return range;
}

void SetDefaultAnchors(const MeasurementTable &table, const QList<int32_t> &rows, MeasuredColumnChoice &choice)
{
    auto [low, high] = Range(table, choice.Column, rows).value_or(std::pair(0.0, 1.0));
    if (low == high) // one value (or all alike): reach as far again below it
        low -= low != 0 ? std::abs(low) : 1;
    const bool lower = choice.Kind == MeasuredColumnChoice::LowerIsBetter;
    choice.Worst = lower ? high : low;
    choice.Best = lower ? low : high;
}

MeasurementChoice DefaultChoice(const MeasurementTable &table, const QString &title)
{
    MeasurementChoice choice;
    choice.Title = title;
    for (int32_t row = 0; row < std::min<int32_t>(table.RowCount(), modParameters::MaxOptions); ++row)
        choice.Rows.append(row);
    for (int column = 0; column < table.ColumnCount(); ++column) {
        const MeasurementColumn &read = table.Column(column);
        if (!read.Numeric) {
            if (choice.NameColumn < 0 && read.ProblemRow >= 0)
                choice.NameColumn = column;
            continue;
        }
        if (choice.Attributes.size() >= modParameters::MaxAttributes)
            continue;
        MeasuredColumnChoice attribute;
        attribute.Column = column;
        attribute.Kind = looksLikePrice(read) ? MeasuredColumnChoice::LowerIsBetter : MeasuredColumnChoice::HigherIsBetter;
        SetDefaultAnchors(table, choice.Rows, attribute);
        choice.Attributes.append(attribute);
    }
    return choice;
}

QString Problem(const MeasurementTable &table, const MeasurementChoice &choice)
{
    if (choice.Attributes.isEmpty())
        return QStringLiteral("Choose at least one column as an attribute.");
    if (choice.Attributes.size() > modParameters::MaxAttributes)
        return QStringLiteral("Choose at most %1 columns as attributes.").arg(modParameters::MaxAttributes);
    if (choice.Rows.isEmpty())
        return QStringLiteral("Choose at least one row as an option.");
    if (choice.Rows.size() > modParameters::MaxOptions)
        return QStringLiteral("Choose at most %1 rows as options.").arg(modParameters::MaxOptions);
    for (const int32_t row : choice.Rows) {
        if (row < 0 || row >= table.RowCount())
            return QStringLiteral("Row %1 is not in the table.").arg(row + 1);
    }
    if (choice.NameColumn >= table.ColumnCount())
        return QStringLiteral("The column that names the options is not in the table.");
    for (const MeasuredColumnChoice &attribute : choice.Attributes) {
        if (attribute.Column < 0 || attribute.Column >= table.ColumnCount())
            return QStringLiteral("A chosen column is not in the table.");
        if (attribute.Kind == MeasuredColumnChoice::NotMeasured)
            continue;
        const MeasurementColumn &column = table.Column(attribute.Column);
        if (!column.Numeric)
            return QStringLiteral("\u201c%1\u201d cannot be measured: %2").arg(column.Name, column.Problem);
        if (attribute.Worst == attribute.Best)
            return QStringLiteral("The worst and best values of \u201c%1\u201d must differ.").arg(column.Name);
        const QString problem = ValueFunction::Problem(scaleOf(table, attribute));
        if (!problem.isEmpty())
            return QStringLiteral("\u201c%1\u201d: %2").arg(column.Name, problem);
    }
    return {};
}

std::shared_ptr<VeltraneTopic> BuildTopic(const MeasurementTable &table, const MeasurementChoice &choice,
                                          bool normaliseWeights)
{
    auto topic = std::make_shared<VeltraneTopic>();
    topic->SetRounding(3);
    topic->SetTitle(choice.Title);
    topic->SetTotalAttributes(int16_t(choice.Attributes.size()));
    topic->SetTotalOptions(int16_t(choice.Rows.size()));
    for (int16_t option = 0; option < topic->TotalOptions(); ++option) {
        if (choice.NameColumn >= 0)
            topic->SetOptionName(option, table.Text(choice.Rows[option], choice.NameColumn));
    }
    for (int16_t attribute = 0; attribute < topic->TotalAttributes(); ++attribute) {
        const MeasuredColumnChoice &chosen = choice.Attributes[attribute];
        topic->SetAttributeName(attribute, table.Column(chosen.Column).Name);
        if (chosen.Kind == MeasuredColumnChoice::NotMeasured)
            continue;
        topic->SetScale(attribute, scaleOf(table, chosen));
        for (int16_t option = 0; option < topic->TotalOptions(); ++option) {
            if (const std::optional<double> value = table.Value(choice.Rows[option], chosen.Column))
                topic->SetValue(option, attribute, *value);
        }
    }
    topic->SetNormaliseWeights(normaliseWeights);
    return topic;
}

bool ImportTableOfMeasurements(const QString &fileName, std::shared_ptr<VeltraneTopic> &topic)
{
    std::optional<MeasurementTable> table;
    try {
        table = MeasurementTable::FromFile(fileName);
    } catch (const VeltraneError &error) {
        // A file that holds no table is told in plain words; a failure to read it with
        // the system's error, as every load.
        if (error.number() == ErrInvalidPropertyValue)
            MsgBox(error.description(), vbExclamation, modParameters::ProductTitle);
        else
            modLoadSave::ShowLoadError(error.number(), error.description());
        return false;
    }

    QString title = fileName.section(u'/', -1);
    if (title.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        title.chop(4);
    MeasurementChoice choice = DefaultChoice(*table, title);
    if (windowHooks().chooseMeasurements && !windowHooks().chooseMeasurements(*table, choice))
        return false;
    const QString problem = Problem(*table, choice);
    if (!problem.isEmpty()) {
        MsgBox(problem, vbExclamation, modParameters::ProductTitle);
        return false;
    }
    topic = BuildTopic(*table, choice, modLoadSave::NormaliseSettingOf(topic));
    return true;
}

} // namespace MeasurementImport
