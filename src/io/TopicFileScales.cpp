// SPDX-License-Identifier: GPL-3.0-or-later
#include "TopicFileScales.h"

#include "io/INIFile.h"
#include "model/VeltraneTopic.h"
#include "support/VariantConversion.h"
#include "support/VeltraneError.h"

#include <charconv>
#include <cmath>

namespace TopicFileScales {

namespace {

const QString AttributesSection = QStringLiteral("Attributes");

QString attributeKey(int16_t attributeID, const char *suffix)
{
    return QStringLiteral("Attribute%1_%2").arg(attributeID).arg(QLatin1String(suffix));
}

QString valueKey(int16_t attributeID)
{
    return QStringLiteral("Rating%1_Value").arg(attributeID);
}

[[noreturn]] void badKey(int32_t number, const QString &section, const QString &key, const QString &problem)
{
    const QString headline = number == ErrTypeMismatch ? QStringLiteral("Type mismatch")
                                                       : QStringLiteral("Invalid property value");
    throw VeltraneError(number, ErrorSource("modLoadSave"),
                        QStringLiteral("%1: %2 in [%3] %4").arg(headline, key, section, problem));
}

double finiteNumber(const INIFile &ini, const QString &section, const QString &key)
{
    const std::optional<double> number = ini.GetNumericParameterValue(section, key);
    if (!number)
        badKey(ErrTypeMismatch, section, key, QStringLiteral("is missing or not a number"));
    if (!std::isfinite(*number))
        badKey(ErrInvalidPropertyValue, section, key, QStringLiteral("is too large"));
    return *number;
}

// Measured values are kept to the last bit, so that a saved topic rates every cell exactly
// as before: the shortest decimal text that reads back as the same number, never with an
// exponent (the file's reader takes none). Values a person types ("1299", "0.5") read as
// the file's usual numeric form.
QString exactNumber(double value)
{
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return result.ec == std::errc() ? QString::fromLatin1(text, result.ptr - text) : INIFile::FormatNumericValue(value);
}

QString pointsText(const QList<ValuePoint> &points)
{
    QStringList pairs;
    for (const ValuePoint &point : points)
        pairs.append(exactNumber(point.Value) + u':' + exactNumber(point.Rating));
    return pairs.join(u';');
}

// "value:rating" pairs joined by ";"; a trailing ";" is allowed.
std::optional<QList<ValuePoint>> parsePoints(const QString &text)
{
    QList<ValuePoint> points;
    QStringList pairs = text.split(u';');
    if (pairs.last().trimmed().isEmpty())
        pairs.removeLast();
    for (const QString &pair : pairs) {
        const QStringList parts = pair.split(u':');
        if (parts.size() != 2)
            return std::nullopt;
        const std::optional<double> value = INIFile::ParseNumericValue(parts[0]);
        const std::optional<double> rating = INIFile::ParseNumericValue(parts[1]);
        if (!value || !rating)
            return std::nullopt;
        points.append({*value, *rating});
    }
    return points;
}

void readScale(const INIFile &ini, VeltraneTopic &topic, int16_t attributeID)
{
    const QString unitKey = attributeKey(attributeID, "Unit");
    const QString worstKey = attributeKey(attributeID, "Worst");
    const QString bestKey = attributeKey(attributeID, "Best");
    const QString pointsKey = attributeKey(attributeID, "Points");
    const std::optional<QString> unit = ini.GetParameterLine(AttributesSection, unitKey);
    const std::optional<QString> points = ini.GetParameterLine(AttributesSection, pointsKey);
    const bool anchored = ini.GetParameterLine(AttributesSection, worstKey) || ini.GetParameterLine(AttributesSection, bestKey);
    if (!unit && !points && !anchored)
        return;

    // Each part is checked on its own first, so that the message names the key at fault.
    AttributeScale scale;
    scale.Unit = unit.value_or(QString());
    if (!ValueFunction::IsValid({scale.Unit, 0, 1, {}}))
        badKey(ErrInvalidPropertyValue, AttributesSection, unitKey, ValueFunction::Problem({scale.Unit, 0, 1, {}}));
    scale.Worst = finiteNumber(ini, AttributesSection, worstKey);
    scale.Best = finiteNumber(ini, AttributesSection, bestKey);
    if (!ValueFunction::IsValid({QString(), scale.Worst, scale.Best, {}}))
        badKey(ErrInvalidPropertyValue, AttributesSection, bestKey, QStringLiteral("equals %1").arg(worstKey));
    if (points && !points->trimmed().isEmpty()) {
        const std::optional<QList<ValuePoint>> parsed = parsePoints(*points);
        if (!parsed)
            badKey(ErrTypeMismatch, AttributesSection, pointsKey, QStringLiteral("is not a list of value:rating pairs"));
        scale.Points = *parsed;
        if (!ValueFunction::IsValid(scale))
            badKey(ErrInvalidPropertyValue, AttributesSection, pointsKey, ValueFunction::Problem(scale));
    }
    topic.SetScale(attributeID, scale);
}

void readDirection(const INIFile &ini, VeltraneTopic &topic, int16_t attributeID)
{
    const QString key = attributeKey(attributeID, "LowerBetter");
    const std::optional<QString> text = ini.GetParameterLine(AttributesSection, key);
    if (!text)
        return;
    bool lowerBetter = false;
    try {
        lowerBetter = VariantToBool(*text);
    } catch (const VeltraneError &) {
        badKey(ErrTypeMismatch, AttributesSection, key, QStringLiteral("is not True, False or a number"));
    }
    if (topic.HasScale(attributeID) && lowerBetter != topic.IsLowerBetter(attributeID))
        badKey(ErrInvalidPropertyValue, AttributesSection, key,
               QStringLiteral("contradicts the attribute's Worst and Best"));
    topic.SetLowerBetter(attributeID, lowerBetter);
}

} // namespace

void WriteAttribute(INIFile &ini, const VeltraneTopic &topic, int16_t attributeID)
{
    if (!topic.HasScale(attributeID)) {
        if (topic.IsLowerBetter(attributeID))
            ini.AddParameter(attributeKey(attributeID, "LowerBetter"), QStringLiteral("True"));
        return;
    }
    const AttributeScale scale = topic.GetScale(attributeID);
    ini.AddParameter(attributeKey(attributeID, "Unit"), scale.Unit);
    ini.AddParameter(attributeKey(attributeID, "Worst"), exactNumber(scale.Worst));
    ini.AddParameter(attributeKey(attributeID, "Best"), exactNumber(scale.Best));
    if (!scale.Points.isEmpty())
        ini.AddParameter(attributeKey(attributeID, "Points"), pointsText(scale.Points));
}

void WriteValue(INIFile &ini, const VeltraneTopic &topic, int16_t optionID, int16_t attributeID)
{
    if (topic.HasValue(optionID, attributeID))
        ini.AddParameter(valueKey(attributeID), exactNumber(topic.GetValue(optionID, attributeID)));
}

void Read(const INIFile &ini, VeltraneTopic &topic)
{
    for (int16_t attribute = 0; attribute < topic.TotalAttributes(); ++attribute) {
        readScale(ini, topic, attribute);
        readDirection(ini, topic, attribute);
    }
    for (int16_t option = 0; option < topic.TotalOptions(); ++option) {
        const QString section = QStringLiteral("Option%1").arg(option);
        for (int16_t attribute = 0; attribute < topic.TotalAttributes(); ++attribute) {
            const QString key = valueKey(attribute);
            if (!ini.GetParameterLine(section, key))
                continue;
            const double value = finiteNumber(ini, section, key);
            if (!topic.HasScale(attribute))
                badKey(ErrInvalidPropertyValue, section, key, QStringLiteral("belongs to an attribute without a scale"));
            topic.SetValue(option, attribute, value);
        }
    }
}

} // namespace TopicFileScales
