// Values in the main window: the refresh that brings every slider and label in line with
// the topic, the slider notifications, the caption-change handling of the labels and the
// two conversions between model values and display text.

#include "frmMain.h"

#include "app/modStartup.h"
#include "frmMain_Internal.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/MsgBox.h"
#include "support/DecimalRound.h"
#include "support/NumericText.h"
#include "support/VeltraneError.h"
#include "ui/main/DecisionInsight.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/DisplayNumber.h"
#include "ui/support/VLabel.h"
#include "ui/support/libmodTextMetrics.h"


#include <QSignalBlocker>

#include <algorithm>

namespace {

// A name label's handling fits the caption it has just stored; the shortened text is
// shown, not handled as a new caption.
void fitQuietly(VLabel &label, int32_t limit)
{
    const QSignalBlocker quiet(label);
    FitLabelCaption(label, limit);
}

// The caption of an option or attribute name label enters the topic; the label keeps the
// full text in its tag and shows as much of it as fits within limit pixels. A new name is
// reported to the document; true when the name changed.
template <typename Get, typename Set>
bool storeName(TopicDocument &document, VLabel &label, int16_t id, const QString &kind, Get get, Set set, int limit)
{
    const QString caption = label.Caption();
    label.SetTag(caption);
    const bool changed = get(id) != caption;
    // Set even when unchanged: a default name shown once is the attribute's own from then
    // on, and keeps its number when an earlier one is removed.
    set(id, caption);
    if (changed)
        document.Report(TopicDocument::Names);
    // Before the first layout there is no width yet; 0 and -1 would mean something else.
    fitQuietly(label, std::max(limit, 1));
    const QString defaultName = kind + QString::number(id + 1);
    const QString name = get(id);
    label.setToolTip(name == defaultName ? defaultName : defaultName + QStringLiteral(": ") + name);
    return changed;
}

} // namespace

void frmMain::UpdateSettings()
{
    // 1. Slider values written here are not the user's moves. Every number is shown as the
    // topic holds it; nothing shown here goes back into the topic.
    const QScopedValueRollback<bool> suppress(SuppressEvents, true);
    const std::shared_ptr<VeltraneTopic> keep = modParameters::CurrentTopic;
    const VeltraneTopic &topic = *keep;
    const int16_t A = topic.TotalAttributes();
    const int16_t O = topic.TotalOptions();

    // 2. Title and window caption.
    lblTitle->SetCaption(topic.Title());
    setWindowTitle(topic.Title() + QStringLiteral(" - ") + modParameters::ProductTitle);

    // 3. Weightings.
    for (int16_t j = 0; j < A && size_t(j) < lblWeighting.size(); ++j) {
        sliderWeighting[j]->SetValue(float(topic.GetWeighting(j) * 100));
        lblWeighting[j]->ShowCaption(FormatNumberForDisplay(topic.GetWeighting(j)));
    }

    // 4. Ratings and scores, the best score found on the way.
    int16_t best = 0;
    for (int16_t i = 0; i < O && size_t(i) < lblScore.size(); ++i) {
        for (int16_t j = 0; j < A; ++j) {
            const int16_t k = TranslateToIndex(i, j);
            if (size_t(k) >= lblRating.size())
                break;
            sliderRating[k]->SetValue(float(topic.GetRating(i, j) * 100));
            lblRating[k]->ShowCaption(RatingCaption(topic, i, j));
        }
        // Strictly greater: among equal scores the lowest option keeps it.
        if (topic.GetScore(i) > topic.GetScore(best))
            best = i;
        sliderScore[i]->SetValue(float(topic.GetScore(i) * 100));
        lblScore[i]->ShowCaption(FormatNumberForDisplay(topic.GetScore(i)));
    }

    // 5. Every best score in gold.
    const double bestScore = topic.GetScore(best);
    for (int16_t i = 0; i < O && size_t(i) < sliderScore.size(); ++i)
        sliderScore[i]->SetFullColor(topic.GetScore(i) == bestScore ? BestScoreColour : OtherScoreColour);

    // 6. - 7. Marked changed; the suppression ends with the scope.
    modStartup::MarkTopicChanged();

    Insight->Refresh();
    ShowMeasures();
    PlaceWeightingsButton(); // clear of the marks just shown
}

void frmMain::sliderRating_Change(int16_t Index)
{
    if (!SuppressEvents)
        StoreRatingStep(Index);
}

void frmMain::sliderRating_UserAdjusted(int16_t Index)
{
    StoreRatingStep(Index);
}

// A user's move raises the value change first, then the adjustment, and a release where
// the press was raises one more: once the first has stored the move, the slider shows what
// the topic holds, or a position shown as the same number, and there is nothing to store
// (storing it again would run the whole refresh again).
bool frmMain::SliderHolds(const MeterSlider &slider, double current)
{
    const float value = slider.Value();
    return value == float(current * 100) || ShownValue(value / 100.0) == ShownValue(current);
}

void frmMain::StoreRatingStep(int16_t Index)
{
    if (size_t(Index) >= sliderRating.size())
        return;
    const int16_t option = GetOptionIDFromIndex(Index);
    const int16_t attribute = GetAttributeIDFromIndex(Index);
    VeltraneTopic &topic = *modParameters::CurrentTopic;
    const MeterSlider &slider = *sliderRating[Index];
    if (SliderHolds(slider, topic.GetRating(option, attribute)))
        return;
    StoreValue([&] { topic.SetRating(option, attribute, ShownValue(slider.Value() / 100.0)); });
    // The number follows at once while the slider is still being dragged.
    if (size_t(Index) < lblRating.size())
        lblRating[Index]->repaint();
}

void frmMain::sliderWeighting_Change(int16_t Index)
{
    if (!SuppressEvents)
        StoreWeightingStep(Index);
}

void frmMain::sliderWeighting_UserAdjusted(int16_t Index)
{
    StoreWeightingStep(Index);
}

void frmMain::StoreWeightingStep(int16_t Index)
{
    if (size_t(Index) >= sliderWeighting.size())
        return;
    VeltraneTopic &topic = *modParameters::CurrentTopic;
    const MeterSlider &slider = *sliderWeighting[Index];
    if (SliderHolds(slider, topic.GetWeighting(Index)))
        return;
    StoreValue([&] { topic.SetWeighting(Index, ShownValue(slider.Value() / 100.0)); });
    if (size_t(Index) < lblWeighting.size())
        lblWeighting[Index]->repaint();
}

// A value the topic rejects (out of range, or a text that is no number) leaves the topic
// as it is; the refresh that follows shows the topic's values again either way.
void frmMain::StoreValue(const std::function<void()> &store)
{
    try {
        store();
        ++ValueStoreCount;
        Document.Report(TopicDocument::Values);
    } catch (const VeltraneError &error) {
        if (error.number() != ErrTypeMismatch)
            MsgBox(error.description(), vbExclamation);
    }
    UpdateSettings();
}

// A weighting or rating goes into the topic as its label will show it, rounded once here:
// the topic then holds the very number the window shows, and the refresh has nothing to
// write back.
double frmMain::ShownValue(double Value)
{
    const int16_t places = modParameters::CurrentTopic->Rounding();
    return NormaliseNumericInput(FormatNumberForDisplay(places < 0 ? Value : RoundDecimal(Value, places)));
}

// A file may hold ratings to more places than their labels show. They are rounded once as
// the topic comes in, as a typed value is, so that the scores are those of the numbers
// shown. A measured attribute's ratings are left exactly as they are, as is a weighting:
// the topic rounds those itself.
void frmMain::ShowLoadedTopic(const QString &Step)
{
    VeltraneTopic &topic = *modParameters::CurrentTopic;
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j) {
        if (topic.HasScale(j))
            continue;
        for (int16_t i = 0; i < topic.TotalOptions(); ++i)
            topic.SetRating(i, j, ShownValue(topic.GetRating(i, j)));
    }
    StartLoad();
    show();
    UpdateSliderArrays(false);
    EndLoad();
    RepaintGradients();
    if (Step.isEmpty())
        ResetHistory();
    else
        RecordStep(Step);
}

void frmMain::RefreshCaption(VLabel *label, const QString &caption, void (frmMain::*handler)())
{
    if (label->Caption() == caption)
        (this->*handler)();
    else
        label->SetCaption(caption);
}

void frmMain::RefreshCaption(VLabel *label, int16_t index, const QString &caption,
                             void (frmMain::*handler)(int16_t))
{
    if (label->Caption() == caption)
        (this->*handler)(index);
    else
        label->SetCaption(caption);
}

void frmMain::lblTitle_Change()
{
    VeltraneTopic &topic = *modParameters::CurrentTopic;
    const QString caption = lblTitle->Caption();
    if (topic.Title() != caption) {
        topic.SetTitle(caption);
        Document.Report(TopicDocument::Names);
    }
    fitQuietly(*lblTitle, -1);
    lblTitle->setToolTip(topic.Title() != lblTitle->Caption() ? topic.Title() : QString());
    setWindowTitle(topic.Title() + QStringLiteral(" - ") + modParameters::ProductTitle);
}

void frmMain::lblAttribute_Change(int16_t Index)
{
    VeltraneTopic &topic = *modParameters::CurrentTopic;
    if (Index >= topic.TotalAttributes() || size_t(Index) >= lblAttribute.size())
        return;
    const bool renamed = storeName(
        Document, *lblAttribute[Index], Index, QStringLiteral("Attribute "),
        [&topic](int16_t id) { return topic.GetAttributeName(id); },
        [&topic](int16_t id, const QString &name) { topic.SetAttributeName(id, name); },
        std::max(1, AttributeNameRoom(Index) - MarkRoom(Index)));
    PlaceWeightingsButton(); // the name's new width may take or leave room in the heading row
    // The tooltips and the analysis window name it.
    if (renamed)
        Insight->Refresh();
}

void frmMain::lblOption_Change(int16_t Index)
{
    VeltraneTopic &topic = *modParameters::CurrentTopic;
    if (Index >= topic.TotalOptions() || size_t(Index) >= lblOption.size())
        return;
    const bool renamed = storeName(
        Document, *lblOption[Index], Index, QStringLiteral("Option "),
        [&topic](int16_t id) { return topic.GetOptionName(id); },
        [&topic](int16_t id, const QString &name) { topic.SetOptionName(id, name); }, lblWeightings->width());
    if (size_t(Index) < lblScoreTitle.size())
        lblScoreTitle[Index]->SetCaption(topic.GetOptionName(Index));
    if (renamed)
        Insight->Refresh();
}

void frmMain::lblScoreTitle_Change(int16_t Index)
{
    const VeltraneTopic &topic = *modParameters::CurrentTopic;
    if (Index >= topic.TotalOptions() || size_t(Index) >= lblScoreTitle.size())
        return;
    // The score panel always shows the model's name.
    lblScoreTitle[Index]->ShowCaption(topic.GetOptionName(Index));
    UpdateScoreBars();
}

void frmMain::lblWeighting_Change(int16_t Index)
{
    if (Index >= modParameters::CurrentTopic->TotalAttributes() || size_t(Index) >= lblWeighting.size())
        return;
    StoreValue([this, Index] {
        modParameters::CurrentTopic->SetWeighting(Index, ShownValue(NormaliseNumericInput(lblWeighting[Index]->Caption())));
    });
}

void frmMain::lblRating_Change(int16_t Index)
{
    VeltraneTopic &topic = *modParameters::CurrentTopic;
    const int cells = int(topic.TotalOptions()) * topic.TotalAttributes();
    if (Index >= cells || size_t(Index) >= lblRating.size() || StoreMeasuredCaption(Index))
        return;
    StoreValue([&] {
        topic.SetRating(GetOptionIDFromIndex(Index), GetAttributeIDFromIndex(Index),
                        ShownValue(NormaliseNumericInput(lblRating[Index]->Caption())));
    });
}

QString frmMain::FormatNumberForDisplay(double Number)
{
    return DisplayNumberText(Number);
}

double frmMain::NormaliseNumericInput(const QVariant &Value)
{
    QString text = Value.toString();
    if (text.contains(u'%'))
        text.chop(1);
    // A decimal comma is read in every locale, as the edit box lets it in.
    text.replace(u',', u'.');
    const std::optional<double> number = ParseNumericText(text);
    if (!number)
        throw VeltraneError::TypeMismatch(ErrorSource("frmMain"));
    const double D = modParameters::DisplayAsDecimal ? 1 : 100;
    return std::min(*number, D) / D;
}
