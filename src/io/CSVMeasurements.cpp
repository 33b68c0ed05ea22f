// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSVMeasurements.h"

#include "io/CSVFile.h"
#include "io/modLoadSaveCSV.h"
#include "model/VeltraneTopic.h"
#include "support/NumberText.h"
#include "support/NumericText.h"
#include "support/libmodGenericTextFunctions.h"

#include <cmath>

namespace CSVMeasurements {

namespace {

const QString LineEnd = QStringLiteral("\r\n");

QString pointsText(const QList<ValuePoint> &points)
{
    QStringList pairs;
    for (const ValuePoint &point : points)
        pairs.append(NumberToText(point.Value) + u':' + NumberToText(point.Rating));
    return pairs.join(u';');
}

std::optional<double> finite(const QString &text)
{
    const std::optional<double> number = ParseNumericText(text);
    return number && std::isfinite(*number) ? number : std::nullopt;
}

std::optional<QList<ValuePoint>> parsePoints(const QString &text)
{
    QList<ValuePoint> points;
    for (const QString &pair : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(u':');
        const std::optional<double> value = parts.size() == 2 ? finite(parts[0]) : std::nullopt;
        const std::optional<double> rating = parts.size() == 2 ? finite(parts[1]) : std::nullopt;
        if (!value || !rating)
            return std::nullopt;
        points.append({*value, *rating});
    }
    return points;
}

QString markerOf(const CSVFile &csv, int32_t row)
{
    QString marker = TrimBlanks(csv.GetCellData(row, 0)).toLower();
    if (marker.endsWith(u':'))
        marker.chop(1);
    return marker;
}

} // namespace

QString Render(const VeltraneTopic &topic, const std::function<QString(const QString &)> &field)
{
    const int16_t attributes = topic.TotalAttributes();
    QList<AttributeScale> scales;
    bool measured = false;
    bool bent = false;
    for (int16_t attribute = 0; attribute < attributes; ++attribute) {
        scales.append(topic.GetScale(attribute));
        measured = measured || topic.HasScale(attribute);
        bent = bent || !scales.last().Points.isEmpty();
    }
    if (!measured)
        return {};

    // One row of the heading: its marker, then a field per measured attribute.
    const auto headingRow = [&](const QString &marker, const std::function<QString(int16_t)> &text) {
        QString row = marker;
        for (int16_t attribute = 0; attribute < attributes; ++attribute)
            row += u',' + (topic.HasScale(attribute) ? field(text(attribute)) : QString());
        return row + LineEnd;
    };
    QString block = LineEnd;
    block += headingRow(QStringLiteral("Measurements"), [&](int16_t a) { return topic.GetAttributeName(a); });
    block += headingRow(QStringLiteral("Unit"), [&](int16_t a) { return scales[a].Unit; });
    block += headingRow(QStringLiteral("Worst"), [&](int16_t a) { return NumberToText(scales[a].Worst); });
    block += headingRow(QStringLiteral("Best"), [&](int16_t a) { return NumberToText(scales[a].Best); });
    if (bent)
        block += headingRow(QStringLiteral("Points"), [&](int16_t a) { return pointsText(scales[a].Points); });
    for (int16_t option = 0; option < topic.TotalOptions(); ++option) {
        block += field(topic.GetOptionName(option));
        for (int16_t attribute = 0; attribute < attributes; ++attribute) {
            block += u',';
            if (topic.HasValue(option, attribute))
                block += field(NumberToText(topic.GetValue(option, attribute)));
        }
        block += LineEnd;
    }
    return block;
}

bool Read(const CSVFile &csv, VeltraneTopic &topic)
{
    const int32_t rows = csv.Rows();
    int32_t heading = 0;
    while (heading < rows && markerOf(csv, heading) != u"measurements")
        ++heading;
    if (heading == rows)
        return true;

    int32_t unitRow = -1, worstRow = -1, bestRow = -1, pointsRow = -1;
    int32_t row = heading + 1;
    for (; row < rows; ++row) {
        const QString marker = markerOf(csv, row);
        int32_t *found = marker == u"unit" ? &unitRow
                         : marker == u"worst" ? &worstRow
                         : marker == u"best" ? &bestRow
                         : marker == u"points" ? &pointsRow
                                               : nullptr;
        if (!found)
            break;
        *found = row;
    }
    const auto cell = [&](int32_t at, int16_t attribute) {
        return at < 0 ? QString() : TrimBlanks(csv.GetCellData(at, attribute + 1));
    };
    const auto bad = [](int32_t at, int16_t attribute) {
        modLoadSave::ShowCSVDataError(at, attribute + 1);
        return false;
    };

    for (int16_t attribute = 0; attribute < topic.TotalAttributes(); ++attribute) {
        const QString worst = cell(worstRow, attribute);
        const QString best = cell(bestRow, attribute);
        if (worst.isEmpty() && best.isEmpty())
            continue;
        AttributeScale scale{cell(unitRow, attribute), 0, 1, {}};
        if (!ValueFunction::IsValid({scale.Unit, 0, 1, {}}))
            return bad(unitRow, attribute);
        const std::optional<double> worstValue = finite(worst);
        if (!worstValue)
            return bad(worstRow, attribute);
        const std::optional<double> bestValue = finite(best);
        if (!bestValue || *bestValue == *worstValue)
            return bad(bestRow, attribute);
        scale.Worst = *worstValue;
        scale.Best = *bestValue;
        const std::optional<QList<ValuePoint>> points = parsePoints(cell(pointsRow, attribute));
        if (!points)
            return bad(pointsRow, attribute);
        scale.Points = *points;
        if (!ValueFunction::IsValid(scale))
            return bad(pointsRow, attribute);
        topic.SetScale(attribute, scale);
    }

    // The option rows, in the topic's order, up to the first without a name.
    for (int16_t option = 0; option < topic.TotalOptions() && row < rows; ++option, ++row) {
        if (TrimBlanks(csv.GetCellData(row, 0)).isEmpty())
            break;
        for (int16_t attribute = 0; attribute < topic.TotalAttributes(); ++attribute) {
            const QString text = cell(row, attribute);
            if (text.isEmpty())
                continue;
            const std::optional<double> value = finite(text);
            if (!value || !topic.HasScale(attribute))
                return bad(row, attribute);
            topic.SetValue(option, attribute, *value);
        }
    }
    return true;
}

} // namespace CSVMeasurements
