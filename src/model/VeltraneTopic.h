#pragma once

#include "WeightingMethodInputs.h"

#include <QList>
#include <QLoggingCategory>
#include <QString>

#include <cstdint>

// The developer dump of OutputDebugInfo; silent unless enabled with
// QT_LOGGING_RULES="veltrane.topic.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcVeltraneTopic)

struct TopicAttribute
{
    QString Name; // empty: the default name is shown
    double Weighting = 0;

    bool operator==(const TopicAttribute &) const = default;
};

struct TopicOption
{
    QString Name; // empty: the default name is shown
    QList<double> Ratings; // one per attribute, in attribute order

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
    double pGetWeighting(int16_t attributeID, bool normalised, bool noRound) const;
    double pRound(double value) const;

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
