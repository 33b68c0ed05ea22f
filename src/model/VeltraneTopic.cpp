#include "VeltraneTopic.h"

#include "ScoreMatrix.h"
#include "support/DecimalRound.h"
#include "support/NumberText.h"
#include "support/VeltraneError.h"

#include <algorithm>
#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcVeltraneTopic, "veltrane.topic", QtWarningMsg)

namespace {

constexpr int32_t ErrBadAttribute = vbObjectError + 1001;
constexpr int32_t ErrBadOption = vbObjectError + 1002;
constexpr int32_t ErrBadValue = vbObjectError + 1003;

constexpr qsizetype MaxCount = std::numeric_limits<int16_t>::max();

bool isUnitValue(double value)
{
    return value >= 0 && value <= 1; // false for NaN
}

} // namespace

VeltraneTopic::VeltraneTopic()
{
    m_attributes.append({QString(), 0.5, std::nullopt, false});
    m_options.append(pNewOption(QString()));
}

void VeltraneTopic::SetRounding(int16_t places)
{
    if (places < 0)
        m_rounding = -1;
    else
        m_rounding = places == 0 ? 1 : places;
}

void VeltraneTopic::SetRatingSpread(double spread)
{
    if (!(spread >= 0 && spread <= MaxSpread))
        pRaise(ErrBadValue, QStringLiteral("Invalid rating spread supplied to SetRatingSpread()."));
    m_ratingSpread = spread;
}

void VeltraneTopic::SetWeightingSpread(double spread)
{
    if (!(spread >= 0 && spread <= MaxSpread))
        pRaise(ErrBadValue, QStringLiteral("Invalid weighting spread supplied to SetWeightingSpread()."));
    m_weightingSpread = spread;
}

void VeltraneTopic::SetTotalAttributes(int16_t count)
{
    if (count < 1)
        count = 1;
    while (TotalAttributes() > count)
        DeleteAttribute(int16_t(TotalAttributes() - 1));
    while (TotalAttributes() < count)
        AddAttribute(QString());
}

void VeltraneTopic::SetTotalOptions(int16_t count)
{
    if (count < 1)
        count = 1;
    while (TotalOptions() > count)
        DeleteOption(int16_t(TotalOptions() - 1));
    while (TotalOptions() < count)
        AddOption(QString());
}

QString VeltraneTopic::GetAttributeName(int16_t attributeID) const
{
    pCheckAttribute(attributeID, "GetAttributeName");
    const QString &name = m_attributes[attributeID].Name;
    return name.isEmpty() ? QStringLiteral("Attribute %1").arg(attributeID + 1) : name;
}

void VeltraneTopic::SetAttributeName(int16_t attributeID, const QString &name)
{
    pCheckAttribute(attributeID, "SetAttributeName");
    m_attributes[attributeID].Name = name;
}

QString VeltraneTopic::GetOptionName(int16_t optionID) const
{
    pCheckOption(optionID, "GetOptionName");
    const QString &name = m_options[optionID].Name;
    return name.isEmpty() ? QStringLiteral("Option %1").arg(optionID + 1) : name;
}

void VeltraneTopic::SetOptionName(int16_t optionID, const QString &name)
{
    pCheckOption(optionID, "SetOptionName");
    m_options[optionID].Name = name;
}

void VeltraneTopic::AddAttribute(const QString &name)
{
    if (m_attributes.size() >= MaxCount)
        pRaise(ErrOverflow, QStringLiteral("Overflow"));
    const auto id = int16_t(m_attributes.size());
    // The new attribute takes part in DefaultWeighting with weighting 0, so the result
    // is the mean of the weightings the topic had before.
    m_attributes.append({name, 0, std::nullopt, false});
    pSetWeighting(id, DefaultWeighting(), false); // a mean of values in 0..1 always passes
    for (TopicOption &option : m_options) {
        option.Ratings.append(DefaultRating);
        option.Values.append(std::nullopt);
    }
    m_methodInputs.AddAttribute();
}

void VeltraneTopic::AddOption(const QString &name)
{
    if (m_options.size() >= MaxCount)
        pRaise(ErrOverflow, QStringLiteral("Overflow"));
    m_options.append(pNewOption(name));
}

void VeltraneTopic::DeleteAttribute(int16_t attributeID)
{
    pCheckAttribute(attributeID, "DeleteAttribute");
    if (m_attributes.size() > 1) {
        m_attributes.removeAt(attributeID);
        for (TopicOption &option : m_options) {
            option.Ratings.removeAt(attributeID);
            option.Values.removeAt(attributeID);
        }
        m_methodInputs.DeleteAttribute(attributeID);
        return;
    }
    // The list never becomes empty: the one attribute starts afresh.
    m_attributes[0] = {QString(), DefaultWeighting(), std::nullopt, false};
    for (TopicOption &option : m_options) {
        option.Ratings[0] = DefaultRating;
        option.Values[0] = std::nullopt;
    }
    m_methodInputs = {};
}

void VeltraneTopic::DeleteOption(int16_t optionID)
{
    pCheckOption(optionID, "DeleteOption");
    if (m_options.size() > 1) {
        m_options.removeAt(optionID);
        return;
    }
    m_options[0] = pNewOption(QString());
}

double VeltraneTopic::GetWeighting(int16_t attributeID) const
{
    return pGetWeighting(attributeID, m_normaliseWeights, false);
}

void VeltraneTopic::SetWeighting(int16_t attributeID, double weighting)
{
    pSetWeighting(attributeID, weighting, m_normaliseWeights);
}

void VeltraneTopic::pSetWeighting(int16_t attributeID, double weighting, bool normalise)
{
    pCheckAttribute(attributeID, "SetWeighting");
    if (!isUnitValue(weighting))
        pRaise(ErrBadValue, QStringLiteral("Invalid weighting supplied to SetWeighting()."));
    weighting = pRound(weighting);

    const auto count = int16_t(m_attributes.size());
    if (normalise && count > 1) {
        // The others share what is left in proportion to their current normalised
        // (rounded) weightings, or equally when those are all 0.
        const double remaining = 1 - weighting;
        QList<double> shares(count, 0.0);
        double sum = 0;
        for (int16_t i = 0; i < count; ++i) {
            if (i != attributeID) {
                shares[i] = pGetWeighting(i, true, false);
                sum += shares[i];
            }
        }
        const double factor = sum != 0 ? remaining / sum : 0;
        for (int16_t i = 0; i < count; ++i) {
            if (i != attributeID)
                shares[i] = sum != 0 ? shares[i] * factor : remaining / (count - 1);
        }
        for (int16_t i = 0; i < count; ++i) {
            if (i != attributeID)
                m_attributes[i].Weighting = shares[i];
        }
    }
    m_attributes[attributeID].Weighting = weighting;
}

double VeltraneTopic::pGetWeighting(int16_t attributeID, bool normalised, bool noRound) const
{
    pCheckAttribute(attributeID, "GetWeighting");
    const auto count = m_attributes.size();
    if (count == 1)
        return 1.0;

    double x = m_attributes[attributeID].Weighting;
    if (normalised) {
        double sum = 0;
        for (const TopicAttribute &attribute : m_attributes)
            sum += attribute.Weighting;
        x = NormalisedShare(x, sum, count);
    }
    return noRound ? x : pRound(x);
}

double VeltraneTopic::NormalisedShare(double weighting, double sum, qsizetype count)
{
    if (count == 1)
        return 1.0;
    if (sum == 0)
        return 1.0 / double(count);
    // Two divisions, in this order, so that every caller gets the very same bits.
    return weighting != 0 ? 1 / (sum / weighting) : 0;
}

double VeltraneTopic::DefaultWeighting() const
{
    // With a single attribute there is no mean to take; its effective weighting is 1 anyway.
    const auto count = int16_t(m_attributes.size());
    if (!m_normaliseWeights || count < 2)
        return 0.5;
    double sum = 0;
    for (int16_t i = 0; i < count; ++i)
        sum += pGetWeighting(i, false, false);
    return sum / (count - 1);
}

double VeltraneTopic::GetRating(int16_t optionID, int16_t attributeID) const
{
    pCheckOption(optionID, "GetRating");
    pCheckAttribute(attributeID, "GetRating");
    return pRound(m_options[optionID].Ratings[attributeID]);
}

void VeltraneTopic::SetRating(int16_t optionID, int16_t attributeID, double rating)
{
    pCheckOption(optionID, "SetRating");
    pCheckAttribute(attributeID, "SetRating");
    if (!isUnitValue(rating))
        pRaise(ErrBadValue, QStringLiteral("Invalid Rating supplied to SetRating()."));
    TopicOption &option = m_options[optionID];
    // The value follows a new rating; the same rating again keeps a value that lies beyond
    // an anchor (a price above the worst one rates 0 and stays what it is).
    std::optional<double> &value = option.Values[attributeID];
    if (value && rating != option.Ratings[attributeID])
        value = ValueFunction::ValueOf(*m_attributes[attributeID].Scale, rating);
    option.Ratings[attributeID] = rating;
}

bool VeltraneTopic::HasScale(int16_t AttributeID) const
{
    pCheckAttribute(AttributeID, "HasScale");
    return m_attributes[AttributeID].Scale.has_value();
}

AttributeScale VeltraneTopic::GetScale(int16_t AttributeID) const
{
    pCheckAttribute(AttributeID, "GetScale");
    return m_attributes[AttributeID].Scale.value_or(AttributeScale());
}

void VeltraneTopic::SetScale(int16_t AttributeID, const AttributeScale &Scale)
{
    pCheckAttribute(AttributeID, "SetScale");
    if (!ValueFunction::IsValid(Scale))
        pRaise(ErrBadValue, QStringLiteral("Invalid scale supplied to SetScale()."));
    TopicAttribute &attribute = m_attributes[AttributeID];
    attribute.Scale = Scale;
    attribute.LowerBetter = false;
    for (TopicOption &option : m_options) {
        if (const std::optional<double> &value = option.Values[AttributeID])
            option.Ratings[AttributeID] = ValueFunction::RatingOf(Scale, *value);
    }
}

void VeltraneTopic::ClearScale(int16_t AttributeID)
{
    pCheckAttribute(AttributeID, "ClearScale");
    m_attributes[AttributeID].Scale.reset();
    for (TopicOption &option : m_options)
        option.Values[AttributeID].reset();
}

bool VeltraneTopic::HasValue(int16_t OptionID, int16_t AttributeID) const
{
    pCheckOption(OptionID, "HasValue");
    pCheckAttribute(AttributeID, "HasValue");
    return m_options[OptionID].Values[AttributeID].has_value();
}

double VeltraneTopic::GetValue(int16_t OptionID, int16_t AttributeID) const
{
    pCheckOption(OptionID, "GetValue");
    pCheckAttribute(AttributeID, "GetValue");
    return m_options[OptionID].Values[AttributeID].value_or(std::numeric_limits<double>::quiet_NaN());
}

void VeltraneTopic::SetValue(int16_t OptionID, int16_t AttributeID, double Value)
{
    pCheckOption(OptionID, "SetValue");
    pCheckAttribute(AttributeID, "SetValue");
    const std::optional<AttributeScale> &scale = m_attributes[AttributeID].Scale;
    if (!scale)
        pRaise(ErrBadValue, QStringLiteral("Invalid value supplied to SetValue(): attribute %1 has no scale.")
                                .arg(AttributeID));
    if (!std::isfinite(Value))
        pRaise(ErrBadValue, QStringLiteral("Invalid value supplied to SetValue()."));
    TopicOption &option = m_options[OptionID];
    option.Values[AttributeID] = Value;
    option.Ratings[AttributeID] = ValueFunction::RatingOf(*scale, Value);
}

void VeltraneTopic::ClearValue(int16_t OptionID, int16_t AttributeID)
{
    pCheckOption(OptionID, "ClearValue");
    pCheckAttribute(AttributeID, "ClearValue");
    m_options[OptionID].Values[AttributeID].reset();
}

bool VeltraneTopic::IsLowerBetter(int16_t AttributeID) const
{
    pCheckAttribute(AttributeID, "IsLowerBetter");
    const TopicAttribute &attribute = m_attributes[AttributeID];
    return attribute.Scale ? ValueFunction::IsLowerBetter(*attribute.Scale) : attribute.LowerBetter;
}

void VeltraneTopic::SetLowerBetter(int16_t AttributeID, bool LowerBetter)
{
    pCheckAttribute(AttributeID, "SetLowerBetter");
    TopicAttribute &attribute = m_attributes[AttributeID];
    if (attribute.Scale) {
        if (LowerBetter != ValueFunction::IsLowerBetter(*attribute.Scale))
            pRaise(ErrBadValue, QStringLiteral("Invalid direction supplied to SetLowerBetter(): attribute %1 "
                                               "takes its direction from its scale.")
                                    .arg(AttributeID));
        return;
    }
    attribute.LowerBetter = LowerBetter;
}

bool VeltraneTopic::CountsAgainst(int16_t AttributeID) const
{
    pCheckAttribute(AttributeID, "CountsAgainst");
    return m_attributes[AttributeID].LowerBetter;
}

double VeltraneTopic::pGetOptionSubTotal(int16_t optionID, int16_t attributeID) const
{
    pCheckOption(optionID, "pGetOptionSubTotal");
    pCheckAttribute(attributeID, "pGetOptionSubTotal");
    return ScoreMatrix::Of(*this).Share(optionID, attributeID);
}

double VeltraneTopic::GetScore(int16_t optionID) const
{
    pCheckOption(optionID, "GetScore");
    return pRound(ScoreMatrix::Of(*this).Score(optionID));
}

void VeltraneTopic::OutputDebugInfo() const
{
    if (!lcVeltraneTopic().isDebugEnabled())
        return;
    qCDebug(lcVeltraneTopic).noquote() << QStringLiteral("Topic \"%1\": %2 attributes, %3 options")
                                              .arg(m_title, QString::number(TotalAttributes()),
                                                   QString::number(TotalOptions()));
    for (int16_t i = 0; i < TotalAttributes(); ++i) {
        qCDebug(lcVeltraneTopic).noquote()
            << QStringLiteral("  Attribute %1 \"%2\" weighting %3")
                   .arg(i)
                   .arg(GetAttributeName(i), NumberToText(pGetWeighting(i, true, false), QLocale::c()));
    }
    for (int16_t i = 0; i < TotalOptions(); ++i)
        qCDebug(lcVeltraneTopic).noquote() << QStringLiteral("  Option %1 \"%2\"").arg(i).arg(GetOptionName(i));
}

void VeltraneTopic::SetMethodInputs(const WeightingMethodInputs &inputs)
{
    if (inputs.Kind != WeightingMethodInputs::Method::None && inputs.Count() != TotalAttributes())
        throw VeltraneError(ErrInvalidProcedureCall, ErrorSource("VeltraneTopic"),
                            QStringLiteral("The weighting method's answers are for %1 attributes; the topic has %2.")
                                .arg(inputs.Count())
                                .arg(TotalAttributes()));
    inputs.Weights(); // raises when the answers break the method's rules
    // Only the applied method's answers are kept, so that equal answers compare equal.
    WeightingMethodInputs kept;
    kept.Kind = inputs.Kind;
    if (inputs.Kind == WeightingMethodInputs::Method::Rank)
        kept.Ranks = inputs.Ranks;
    else if (inputs.Kind == WeightingMethodInputs::Method::Swing)
        kept.Points = inputs.Points;
    else if (inputs.Kind == WeightingMethodInputs::Method::Compare) {
        // Below the diagonal exactly the reciprocals of the judgements above it, as a
        // topic file gives them back.
        kept.Judgements = inputs.Judgements;
        for (qsizetype i = 0; i < kept.Judgements.size(); ++i)
            for (qsizetype j = 0; j <= i; ++j)
                kept.Judgements[i][j] = i == j ? 1 : 1 / kept.Judgements[j][i];
    }
    m_methodInputs = kept;
}

void VeltraneTopic::ApplyWeightingMethod(const WeightingMethodInputs &inputs)
{
    VeltraneTopic applied = *this;
    applied.SetMethodInputs(inputs);
    const QList<double> weights = applied.m_methodInputs.Weights();
    for (qsizetype i = 0; i < weights.size(); ++i)
        applied.pSetWeighting(int16_t(i), std::clamp(weights[i], 0.0, 1.0), false);
    *this = std::move(applied);
}

bool VeltraneTopic::WeightingsMatchMethod() const
{
    if (m_methodInputs.Kind == WeightingMethodInputs::Method::None)
        return false;
    // A single attribute counts 1 whatever is stored, and a topic file writes it so.
    if (m_attributes.size() == 1)
        return true;
    const QList<double> weights = m_methodInputs.Weights();
    // Apply stores every weighting rounded; a topic file holds them as they read,
    // normalised or not.
    QList<double> stored;
    double sum = 0;
    for (double weight : weights)
        sum += stored.emplace_back(pRound(std::clamp(weight, 0.0, 1.0)));
    QList<double> normalised;
    for (double weight : stored)
        normalised.append(pRound(NormalisedShare(weight, sum, stored.size())));
    const auto holds = [this](const QList<double> &values) {
        for (qsizetype i = 0; i < values.size(); ++i)
            if (m_attributes[i].Weighting != values[i])
                return false;
        return true;
    };
    return holds(stored) || holds(normalised);
}

double VeltraneTopic::pRound(double value) const
{
    return m_rounding == -1 ? value : RoundDecimal(value, m_rounding);
}

TopicOption VeltraneTopic::pNewOption(const QString &name) const
{
    const qsizetype count = m_attributes.size();
    return {name, QList<double>(count, DefaultRating), QList<std::optional<double>>(count)};
}

void VeltraneTopic::pCheckAttribute(int16_t attributeID, const char *operation) const
{
    if (attributeID < 0 || attributeID >= m_attributes.size())
        pRaise(ErrBadAttribute,
               QStringLiteral("Attribute %1 not found in %2().").arg(attributeID).arg(QLatin1String(operation)));
}

void VeltraneTopic::pCheckOption(int16_t optionID, const char *operation) const
{
    if (optionID < 0 || optionID >= m_options.size())
        pRaise(ErrBadOption,
               QStringLiteral("Option %1 not found in %2().").arg(optionID).arg(QLatin1String(operation)));
}

void VeltraneTopic::pRaise(int32_t number, const QString &message) const
{
    throw VeltraneError(number, ErrorSource("VeltraneTopic"), message);
}
