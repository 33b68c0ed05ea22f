#pragma once

#include "AttributeScale.h"
#include "WeightingMethodInputs.h"

#include <QList>
#include <QLoggingCategory>
#include <QString>

#include <cstdint>
#include <optional>

// The developer dump of OutputDebugInfo; silent unless enabled with
// QT_LOGGING_RULES="veltrane.topic.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcVeltraneTopic)

struct TopicAttribute
{
    QString Name; // empty: the default name is shown
    double Weighting = 0;
    std::optional<AttributeScale> Scale; // measured in a unit; none: rated by hand
    bool LowerBetter = false;            // rated by hand, and its ratings count as 1 - r

    bool operator==(const TopicAttribute &) const = default;
};

struct TopicOption
{
    QString Name; // empty: the default name is shown
    QList<double> Ratings; // one per attribute, in attribute order
    QList<std::optional<double>> Values; // the measured value behind each rating, if any

    bool operator==(const TopicOption &) const = default;
};

// One decision: options (rows) rated on attributes (columns), each attribute
// weighted; scores are weighted means of the ratings. Identifiers are 0-based
// positions and shift down when an earlier element is deleted.
class VeltraneTopic
{
public:
    static constexpr double DefaultRating = 0.5;
    // How far every rating (weighting) may be off, for the confidence figures.
    static constexpr double DefaultSpread = 0.1;
    static constexpr double MaxSpread = 0.5;

    VeltraneTopic();

    QString Title() const { return m_title; }
    void SetTitle(const QString &title) { m_title = title; }
    QString Description() const { return m_description; }
    void SetDescription(const QString &description) { m_description = description; }
    bool InvertWeights() const { return m_invertWeights; }
    void SetInvertWeights(bool invert) { m_invertWeights = invert; }
    bool NormaliseWeights() const { return m_normaliseWeights; }
    void SetNormaliseWeights(bool normalise) { m_normaliseWeights = normalise; }
    int16_t Rounding() const { return m_rounding; }
    void SetRounding(int16_t places);
    // Every rating (weighting) lies somewhere within its value plus or minus the spread,
    // 0..MaxSpread, stored unchanged.
    double RatingSpread() const { return m_ratingSpread; }
    void SetRatingSpread(double spread);
    double WeightingSpread() const { return m_weightingSpread; }
    void SetWeightingSpread(double spread);

    int16_t TotalAttributes() const { return int16_t(m_attributes.size()); }
    void SetTotalAttributes(int16_t count);
    int16_t TotalOptions() const { return int16_t(m_options.size()); }
    void SetTotalOptions(int16_t count);

    QString GetAttributeName(int16_t attributeID) const;
    void SetAttributeName(int16_t attributeID, const QString &name);
    QString GetOptionName(int16_t optionID) const;
    void SetOptionName(int16_t optionID, const QString &name);

    void AddAttribute(const QString &name);
    void AddOption(const QString &name);
    void DeleteAttribute(int16_t attributeID);
    void DeleteOption(int16_t optionID);

    double GetWeighting(int16_t attributeID) const;
    void SetWeighting(int16_t attributeID, double weighting);
    // Normalise true rescales the other attributes so that all weightings add up to 1.
    void pSetWeighting(int16_t attributeID, double weighting, bool normalise);
    double DefaultWeighting() const;

    double GetRating(int16_t optionID, int16_t attributeID) const;
    void SetRating(int16_t optionID, int16_t attributeID, double rating);

    // An attribute measured in a unit has a scale; an option's value on it sets its rating
    // through the scale's value function, and a rating set by hand moves the value along.
    // A cell without a value is rated by hand, measured attribute or not.
    bool HasScale(int16_t AttributeID) const;
    // The attribute's scale; an attribute rated by hand gives AttributeScale().
    AttributeScale GetScale(int16_t AttributeID) const;
    // Re-rates every option that has a value on the attribute. A measured attribute takes
    // its direction from the anchors, so the lower-is-better flag goes.
    void SetScale(int16_t AttributeID, const AttributeScale &Scale);
    // Keeps the ratings, forgets the values and the scale.
    void ClearScale(int16_t AttributeID);
    bool HasValue(int16_t OptionID, int16_t AttributeID) const;
    // NaN for a cell without a value.
    double GetValue(int16_t OptionID, int16_t AttributeID) const;
    // Any finite value, also beyond the anchors; the rating becomes the value's, unrounded.
    void SetValue(int16_t OptionID, int16_t AttributeID, double Value);
    // Keeps the rating.
    void ClearValue(int16_t OptionID, int16_t AttributeID);

    // A measured attribute is lower-is-better when its Best lies below its Worst; one rated
    // by hand when its flag says so, and then its ratings count against (1 - r).
    bool IsLowerBetter(int16_t AttributeID) const;
    // Measured attributes refuse a direction other than their anchors'.
    void SetLowerBetter(int16_t AttributeID, bool LowerBetter);
    // Whether the attribute's ratings count as 1 - r in scores, before InvertWeights turns
    // every attribute around.
    bool CountsAgainst(int16_t AttributeID) const;

    // Normalised, unrounded weighting of the attribute times the option's rating on it.
    double pGetOptionSubTotal(int16_t optionID, int16_t attributeID) const;
    double GetScore(int16_t optionID) const;

    void OutputDebugInfo() const;

    // The answers to the weighting method applied last; Kind None when none was. They must
    // be for as many attributes as the topic has and give weightings, else the
    // invalid-procedure-call error is raised and nothing changes.
    const WeightingMethodInputs &MethodInputs() const { return m_methodInputs; }
    void SetMethodInputs(const WeightingMethodInputs &inputs);
    // Stores the weightings the answers give, each on its own (so they are kept exactly,
    // normalising or not), and keeps the answers. Checked first: bad answers change nothing.
    void ApplyWeightingMethod(const WeightingMethodInputs &inputs);
    // Whether the stored weightings are still what the method gave, as Apply stored them
    // or as a topic file wrote them (rounded, normalised or not); false without a method.
    bool WeightingsMatchMethod() const;

    // Every stored value alike, unrounded.
    bool operator==(const VeltraneTopic &) const = default;

    // What one attribute with the given stored weighting counts for in a score, when the
    // stored weightings of all `count` attributes add up to `sum`: the normalised,
    // unrounded weighting.
    static double NormalisedShare(double weighting, double sum, qsizetype count);

private:
    friend struct ScoreMatrix;

    double pGetWeighting(int16_t attributeID, bool normalised, bool noRound) const;
    double pRound(double value) const;

    TopicOption pNewOption(const QString &name) const;
    void pCheckAttribute(int16_t attributeID, const char *operation) const;
    void pCheckOption(int16_t optionID, const char *operation) const;
    [[noreturn]] void pRaise(int32_t number, const QString &message) const;

    QString m_title = QStringLiteral("New Topic");
    QString m_description;
    bool m_invertWeights = false;
    bool m_normaliseWeights = false;
    int16_t m_rounding = -1;
    double m_ratingSpread = DefaultSpread;
    double m_weightingSpread = DefaultSpread;
    QList<TopicAttribute> m_attributes;
    QList<TopicOption> m_options;
    WeightingMethodInputs m_methodInputs;
};
