// SPDX-License-Identifier: GPL-3.0-or-later
// Measured values in the main window: a cell with a value shows it in its unit and takes a
// typed value, its slider's stable range speaks in the unit, the attribute names carry a
// mark for a unit and for ratings that count against, and "Measure in units…" on a name
// gives the attribute its scale.

#include "frmMain.h"

#include "io/modParameters.h"
#include "model/TopicStability.h"
#include "model/VeltraneTopic.h"
#include "support/MsgBox.h"
#include "support/VeltraneError.h"
#include "ui/main/MeterSlider.h"
#include "ui/measures/AttributeMarks.h"
#include "ui/measures/frmScale.h"
#include "ui/support/MeasureText.h"
#include "ui/support/VLabel.h"

#include <QHashFunctions>
#include <QLocale>

namespace {

// What a person calls the cell's quantity: the attribute's name.
QString valueRangeText(const VeltraneTopic &topic, int16_t leader, const StableRange &range, int16_t option,
                       int16_t attribute)
{
    const AttributeScale scale = topic.GetScale(attribute);
    const QString name = topic.GetOptionName(leader);
    const QString quantity = topic.GetAttributeName(attribute);
    const auto text = [&scale](double value) { return MeasureText(value, scale.Unit); };
    // A rating's range runs one way along the values or the other: for a lower-is-better
    // scale the top of the rating range is the bottom of the value range.
    const bool rising = !ValueFunction::IsLowerBetter(scale);
    const double low = ValueFunction::ValueOf(scale, rising ? range.From : range.To);
    const double high = ValueFunction::ValueOf(scale, rising ? range.To : range.From);
    // Beyond an anchor every value rates alike, so a range that reaches it has no end there.
    const bool openBelow = rising ? range.From <= 0 : range.To >= 1;
    const bool openAbove = rising ? range.To >= 1 : range.From <= 0;
    const int16_t leaderBelow = rising ? range.LeaderBelow : range.LeaderAbove;
    const int16_t leaderAbove = rising ? range.LeaderAbove : range.LeaderBelow;
    Q_UNUSED(option);

    QString sentence;
    if (openBelow && openAbove)
        sentence = QStringLiteral("%1 stays best whatever its %2.").arg(name, quantity);
    else if (range.From == range.To)
        sentence = QStringLiteral("%1 is best only while its %2 is %3.").arg(name, quantity, text(low));
    else if (openBelow)
        sentence = QStringLiteral("%1 stays best while its %2 is at most %3.").arg(name, quantity, text(high));
    else if (openAbove)
        sentence = QStringLiteral("%1 stays best while its %2 is at least %3.").arg(name, quantity, text(low));
    else
        sentence = QStringLiteral("%1 stays best while its %2 is between %3 and %4.")
                       .arg(name, quantity, text(low), text(high));
    if (!openBelow && leaderBelow >= 0)
        sentence += QStringLiteral(" Below %1, %2 is best.").arg(text(low), topic.GetOptionName(leaderBelow));
    if (!openAbove && leaderAbove >= 0)
        sentence += QStringLiteral(" Above %1, %2 is best.").arg(text(high), topic.GetOptionName(leaderAbove));
    return sentence;
}

QString markTip(const VeltraneTopic &topic, int16_t attribute, bool reversed)
{
    QString tip;
    if (topic.HasScale(attribute)) {
        const AttributeScale scale = topic.GetScale(attribute);
        tip = QStringLiteral("Measured%1: %2 rates 0, %3 rates 1.")
                  .arg(scale.Unit.isEmpty() ? QString() : QStringLiteral(" in ") + scale.Unit,
                       MeasureText(scale.Worst, scale.Unit), MeasureText(scale.Best, scale.Unit));
    }
    if (reversed) {
        if (!tip.isEmpty())
            tip += u' ';
        tip += topic.InvertWeights() ? QStringLiteral("Negative attributes: a higher rating counts against an option.")
                                     : QStringLiteral("Lower is better: a higher rating counts against an option.");
    }
    return tip;
}

} // namespace

QString frmMain::MeasuredRangeText(const VeltraneTopic &topic, int16_t leader, const StableRange &range,
                                   int16_t OptionID, int16_t AttributeID)
{
    return valueRangeText(topic, leader, range, OptionID, AttributeID);
}

QString frmMain::RatingCaption(const VeltraneTopic &topic, int16_t OptionID, int16_t AttributeID)
{
    if (topic.HasValue(OptionID, AttributeID))
        return MeasureText(topic.GetValue(OptionID, AttributeID), topic.GetScale(AttributeID).Unit);
    return FormatNumberForDisplay(topic.GetRating(OptionID, AttributeID));
}

bool frmMain::StoreMeasuredCaption(int16_t Index)
{
    VeltraneTopic &topic = *modParameters::CurrentTopic;
    const int16_t option = GetOptionIDFromIndex(Index);
    const int16_t attribute = GetAttributeIDFromIndex(Index);
    if (!topic.HasScale(attribute))
        return false;
    const QString caption = lblRating[Index]->Caption();
    if (caption == RatingCaption(topic, option, attribute))
        return true;
    const std::optional<double> value = ParseMeasureText(caption, topic.GetScale(attribute).Unit);
    if (!value) {
        UpdateSettings();
        return true;
    }
    StoreValue([&] { topic.SetValue(option, attribute, *value); });
    return true;
}

int frmMain::MarkRoom(int16_t AttributeID) const
{
    return Marks ? Marks->Room(AttributeID) : 0;
}

void frmMain::ShowMeasures()
{
    const std::shared_ptr<VeltraneTopic> keep = modParameters::CurrentTopic;
    if (!keep)
        return;
    const VeltraneTopic &topic = *keep;
    const int16_t A = std::min<int16_t>(topic.TotalAttributes(), int16_t(lblAttribute.size()));
    const int16_t O = topic.TotalOptions();

    // What the marks and the cells' tooltips show of each attribute: its direction and scale.
    const size_t display = qHashMulti(0, modParameters::DisplayAsDecimal, QLocale().name());
    QList<AttributeScale> scales;
    size_t marksSource = qHashMulti(display, topic.InvertWeights());
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j) {
        scales << topic.GetScale(j);
        marksSource = qHashMulti(marksSource, j < A ? lblAttribute[j] : nullptr, topic.CountsAgainst(j),
                                 topic.HasScale(j), scales[j].Unit, scales[j].Worst, scales[j].Best);
        for (const ValuePoint &point : scales[j].Points)
            marksSource = qHashMulti(marksSource, point.Value, point.Rating);
    }
    if (!Marks)
        Marks = new AttributeMarks(this, [this](int attribute) { MeasureAttribute(int16_t(attribute)); });
    if (marksSource != Marks->Source) {
        Marks->Source = marksSource;
        QList<QWidget *> names;
        QStringList marks, tips;
        for (int16_t j = 0; j < A; ++j) {
            const bool reversed = topic.InvertWeights() != topic.CountsAgainst(j);
            names << lblAttribute[j];
            marks << AttributeMarks::MarkText(reversed, topic.HasScale(j), scales[j].Unit);
            tips << markTip(topic, j, reversed);
        }
        QList<int> before;
        for (int16_t j = 0; j < A; ++j)
            before << Marks->Room(j);
        Marks->Update(names, marks, tips);
        // A name whose mark grew or shrank is fitted again beside it.
        for (int16_t j = 0; j < A; ++j) {
            if (Marks->Room(j) != before[j])
                RefreshCaption(lblAttribute[j], j, topic.GetAttributeName(j), &frmMain::lblAttribute_Change);
        }
    }

    // A cell's tooltip is made again only when its value or its attribute's scale changed.
    MeasureTipSources.resize(lblRating.size(), 0);
    for (int16_t i = 0; i < O; ++i) {
        for (int16_t j = 0; j < topic.TotalAttributes(); ++j) {
            const int16_t k = TranslateToIndex(i, j);
            if (size_t(k) >= lblRating.size())
                break;
            const bool measured = topic.HasValue(i, j);
            const size_t source = measured ? qHashMulti(marksSource, topic.GetValue(i, j), lblRating[k]) : 0;
            if (MeasureTipSources[k] == source)
                continue;
            MeasureTipSources[k] = source;
            const QString tip = measured ? QStringLiteral("%1 rates %2").arg(
                                               MeasureText(topic.GetValue(i, j), scales[j].Unit),
                                               FormatNumberForDisplay(topic.GetRating(i, j)))
                                         : QString();
            if (lblRating[k]->toolTip() != tip) {
                lblRating[k]->setToolTip(tip);
                lblRating[k]->setAccessibleDescription(tip);
                sliderRating[k]->setAccessibleDescription(tip);
            }
        }
    }
}

void frmMain::MeasureAttribute(int16_t AttributeID)
{
    const std::shared_ptr<VeltraneTopic> keep = modParameters::CurrentTopic;
    if (!keep || AttributeID >= keep->TotalAttributes())
        return;
    CommitOpenEdit();
    const VeltraneTopic &topic = *keep;
    frmScale dialog(topic.GetAttributeName(AttributeID),
                    topic.HasScale(AttributeID) ? std::optional(topic.GetScale(AttributeID)) : std::nullopt,
                    topic.CountsAgainst(AttributeID), this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyMeasure(AttributeID, dialog.Scale(), dialog.LowerBetter());
}

void frmMain::ApplyMeasure(int16_t AttributeID, const std::optional<AttributeScale> &Scale, bool LowerBetter)
{
    VeltraneTopic &topic = *modParameters::CurrentTopic;
    const QString name = QuotedName(topic.GetAttributeName(AttributeID));
    StoreValue([&] {
        if (Scale) {
            topic.SetScale(AttributeID, *Scale);
        } else {
            topic.ClearScale(AttributeID);
            topic.SetLowerBetter(AttributeID, LowerBetter);
        }
    });
    RecordStep(Scale ? QStringLiteral("Measure ") + name + QStringLiteral(" in Units")
                     : QStringLiteral("Rate ") + name + QStringLiteral(" by Hand"));
}
