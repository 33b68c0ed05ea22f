// The control arrays of the main window: creating and destroying their elements to follow
// the topic's counts, mapping element indexes to identifiers, and the loading mask.

#include "frmMain.h"

#include "frmMain_Internal.h"
#include "gfx/ColourValue.h"
#include "gfx/modFormElements.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "ui/main/AccessibleWidgets.h"
#include "ui/main/ControlArray.h"
#include "ui/main/DecisionInsight.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/VLabel.h"
#include "ui/support/libmodUnsorted_ui.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int NameLabelWidth = 100;

template <typename Control>
Control *element(QWidget *parent, const QString &arrayName, int16_t index, const std::vector<Control *> &array)
{
    auto *control = new Control(parent);
    control->setObjectName(ControlArrayElementName(arrayName, index));
    // A new element starts as a copy of element 0, hidden until it is placed.
    if (!array.empty()) {
        control->setFont(array.front()->font());
        control->resize(array.front()->size());
        control->hide();
    }
    return control;
}

template <typename Control>
void destroyLast(std::vector<Control *> &array)
{
    delete array.back();
    array.pop_back();
}

VLabel *nameLabel(QWidget *parent, const QString &arrayName, int16_t index, const QString &caption,
                  int16_t alignment, const std::vector<VLabel *> &array)
{
    VLabel *label = element(parent, arrayName, index, array);
    if (array.empty()) {
        label->setFont(frmMainFonts::Comic(8.25, true));
        label->resize(NameLabelWidth, QFontMetrics(label->font()).height());
    }
    label->SetAlignment(alignment);
    label->SetCaption(caption);
    return label;
}

MeterSlider *slider(QWidget *parent, const QString &arrayName, int16_t index, float value, uint32_t colour,
                    bool enabled, const std::vector<MeterSlider *> &array)
{
    MeterSlider *control = element(parent, arrayName, index, array);
    if (array.empty())
        control->resize(130, 18);
    control->SetValue(value);
    control->SetFullColor(colour);
    control->setEnabled(enabled);
    return control;
}

} // namespace

VLabel *frmMain::CreateValueLabel(const QString &arrayName, int16_t index)
{
    auto *label = new VLabel(this);
    label->setObjectName(ControlArrayElementName(arrayName, index));
    label->SetAlignment(2);
    label->SetAutoSize(true);
    label->SetCaption(QStringLiteral("0.500"));
    if (index > 0)
        label->hide();
    return label;
}

void frmMain::CreateAttributeElements(int16_t j)
{
    // A new slider has no accessible name yet: the names are made again.
    Insight->SlidersRebuilt();
    VLabel *name = nameLabel(this, QStringLiteral("lblAttribute"), j, QStringLiteral("Attribute Label"), 2,
                             lblAttribute);
    lblAttribute.push_back(name);
    WireEditableLabel(name, j, &frmMain::lblAttribute_Change, &frmMain::lblAttribute_Click, HighlightAttribute);
    DescribeEditableLabel(*name, QStringLiteral("Attribute name"));

    MeterSlider *weighting = slider(this, QStringLiteral("sliderWeighting"), j, 50, RGB(108, 206, 227), false,
                                    sliderWeighting);
    sliderWeighting.push_back(weighting);
    connect(weighting, &MeterSlider::ValueChanged, this, &frmMain::sliderWeighting_Change);
    connect(weighting, &MeterSlider::UserAdjusted, this, &frmMain::sliderWeighting_UserAdjusted);
    connect(weighting, &MeterSlider::AdjustmentEnded, this,
            [this](int16_t index, bool byKey) { SliderAdjustmentEnded(true, index, byKey); });

    VLabel *value = CreateValueLabel(QStringLiteral("lblWeighting"), j);
    lblWeighting.push_back(value);
    WireEditableLabel(value, j, &frmMain::lblWeighting_Change, &frmMain::lblWeighting_Click, HighlightPlain);
    DescribeEditableLabel(*value, QStringLiteral("Weighting"));
}

void frmMain::CreateOptionElements(int16_t i)
{
    Insight->SlidersRebuilt();
    MeterSlider *score = slider(this, QStringLiteral("sliderScore"), i, 100, OtherScoreColour, false, sliderScore);
    score->SetIndicator(true);
    sliderScore.push_back(score);

    lblScore.push_back(CreateValueLabel(QStringLiteral("lblScore"), i));

    VLabel *title = nameLabel(this, QStringLiteral("lblScoreTitle"), i, QStringLiteral("Score Label"), 1,
                              lblScoreTitle);
    lblScoreTitle.push_back(title);
    connect(title, &VLabel::Change, this, [this, i] { lblScoreTitle_Change(i); });

    VLabel *name = nameLabel(this, QStringLiteral("lblOption"), i, QStringLiteral("Option Label"), 0, lblOption);
    lblOption.push_back(name);
    WireEditableLabel(name, i, &frmMain::lblOption_Change, &frmMain::lblOption_Click, HighlightOption);
    DescribeEditableLabel(*name, QStringLiteral("Option name"));
}

void frmMain::CreateCellElements(int16_t k)
{
    Insight->SlidersRebuilt();
    MeterSlider *rating = slider(this, QStringLiteral("sliderRating"), k, 50, RGB(150, 203, 50), true, sliderRating);
    sliderRating.push_back(rating);
    connect(rating, &MeterSlider::ValueChanged, this, &frmMain::sliderRating_Change);
    connect(rating, &MeterSlider::UserAdjusted, this, &frmMain::sliderRating_UserAdjusted);
    connect(rating, &MeterSlider::AdjustmentEnded, this,
            [this](int16_t index, bool byKey) { SliderAdjustmentEnded(false, index, byKey); });

    VLabel *value = CreateValueLabel(QStringLiteral("lblRating"), k);
    lblRating.push_back(value);
    WireEditableLabel(value, k, &frmMain::lblRating_Change, &frmMain::lblRating_Click, HighlightPlain);
    DescribeEditableLabel(*value, QStringLiteral("Rating"));
}

void frmMain::StartLoad()
{
    IsLoading = true;
    GradientsHeld = true;
    // The topic shown may be replaced: nothing may point at its labels any more.
    HighlightControl(nullptr, HighlightPlain);
    PositionLoadingMask();
    picMask->raise();
    picMask->show();
    repaint();
}

void frmMain::EndLoad()
{
    picMask->hide();
    IsLoading = false;
    GradientsHeld = false;
    // Every load repaints the background when it ends; should one not, it comes with the
    // next turn of the event loop.
    if (GradientsDue) {
        QTimer::singleShot(0, this, [this] {
            if (GradientsDue)
                RepaintGradients();
        });
    }
}

void frmMain::PositionLoadingMask()
{
    picMask->setGeometry(0, 0, width(), height());
    lblLoading->move(CInt((picMask->width() - lblLoading->width()) / 2.0),
                     CInt((picMask->height() - lblLoading->height()) / 2.0));
    MaskGradientDue = true;
    if (windowHandle() && windowHandle()->isExposed())
        PaintLoadingMask();
    picMask->update();
}

void frmMain::PaintLoadingMask()
{
    if (!MaskGradientDue)
        return;
    MaskGradientDue = false;
    DrawCornerGradient(*picMask, RGB(145, 200, 255), RGB(223, 239, 255));
}

void frmMain::UpdateSliderArrays(bool SkipRedrawForm)
{
    const VeltraneTopic &topic = *modParameters::CurrentTopic;
    const int16_t A = topic.TotalAttributes();
    const int16_t O = topic.TotalOptions();

    // 1. The highlight and its remove buttons belong to the labels about to change.
    HighlightControl(nullptr, HighlightPlain);
    std::optional<QScopedValueRollback<bool>> suppress(std::in_place, SuppressEvents, true);
    const size_t optionElementsBefore = lblOption.size();

    // 2. - 4. Attributes.
    for (int16_t j = 0; j < A; ++j) {
        if (size_t(j) >= lblAttribute.size()) {
            CreateAttributeElements(j);
            lblAttribute[j]->show();
            sliderWeighting[j]->show();
            lblWeighting[j]->show();
        }
        lblAttribute[j]->SetCaption(topic.GetAttributeName(j));
        sliderWeighting[j]->setEnabled(true);
    }
    while (lblAttribute.size() > size_t(A)) {
        destroyLast(lblAttribute);
        destroyLast(sliderWeighting);
        destroyLast(lblWeighting);
    }
    sliderWeighting[0]->setEnabled(A != 1);

    // 5. - 6. Options.
    for (int16_t i = 0; i < O; ++i) {
        if (size_t(i) >= lblOption.size()) {
            CreateOptionElements(i);
            sliderScore[i]->show();
            lblScore[i]->show();
            lblScoreTitle[i]->show();
            lblOption[i]->show();
        }
        lblOption[i]->SetCaption(topic.GetOptionName(i));
    }
    while (lblOption.size() > size_t(O)) {
        destroyLast(sliderScore);
        destroyLast(lblScore);
        destroyLast(lblScoreTitle);
        destroyLast(lblOption);
    }

    // 7. Cells.
    const int cells = int(O) * int(A);
    for (int k = 0; k < cells; ++k) {
        if (size_t(k) >= sliderRating.size()) {
            CreateCellElements(int16_t(k));
            sliderRating[k]->show();
            lblRating[k]->show();
        }
    }
    while (sliderRating.size() > size_t(cells)) {
        destroyLast(sliderRating);
        destroyLast(lblRating);
    }

    // 8. Within the limits of what the window can show.
    btnRemoveAttribute->setEnabled(A != 1);
    btnAddAttribute->setEnabled(A < modParameters::ShownLimit);
    btnRemoveOption->setEnabled(O != 1);
    btnAddOption->setEnabled(O < modParameters::ShownLimit);

    // 9. Minimum size, and the values shown.
    ComputeMinimumSize();
    UpdateSettings();
    suppress.reset();
    UpdateTabOrder();

    // 10. Laid out and painted when shown.
    if (!isVisible())
        return;
    SuspendRedraw(this);
    if (!SkipRedrawForm) {
        if (optionElementsBefore != size_t(O))
            Form_Resize();
        else
            ArrangeMatrix(false);
    }
    ResumeRedraw(this);
    repaint();
    QCoreApplication::processEvents();
    RepaintGradients();
}

int16_t frmMain::TranslateToIndex(int16_t OptionID, int16_t AttributeID) const
{
    return int16_t(OptionID * modParameters::CurrentTopic->TotalAttributes() + AttributeID);
}

int16_t frmMain::GetOptionIDFromIndex(int16_t Index, bool UseControlValues) const
{
    const int n = UseControlValues ? int(lblWeighting.size()) : modParameters::CurrentTopic->TotalAttributes();
    return int16_t(Index / n);
}

int16_t frmMain::GetAttributeIDFromIndex(int16_t Index, bool UseControlValues) const
{
    const int n = UseControlValues ? int(lblWeighting.size()) : modParameters::CurrentTopic->TotalAttributes();
    return int16_t(Index % n);
}
