// Drawing duties of the main window on top of its layout: the score panel's title column
// and bars, the painted background, and the hover highlight with its remove buttons.

#include "frmMain.h"

#include "frmMain_Internal.h"
#include "gfx/modFormElements.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/main/ShapeControl.h"
#include "ui/support/VLabel.h"
#include "ui/support/libmodTextMetrics.h"


#include <QSignalBlocker>

#include <algorithm>

void frmMain::UpdateScoreBars()
{
    const VeltraneTopic &topic = *modParameters::CurrentTopic;
    const int optionCount = topic.TotalOptions();

    // 1. - 2. The room between the panel heading and the score labels.
    const int right = picScoreFrame->x() + picScoreFrame->width() - lblScore[0]->width() - 20;
    const int room = right - lblScores->x() - 100 - 10;
    const int half = CInt(room / 2.0);

    // 3. - 4. Titles fitted, tooltips, and the widest title.
    int maxTitle = 0;
    for (size_t i = 0; i < lblScoreTitle.size(); ++i) {
        VLabel *title = lblScoreTitle[i];
        {
            // The fitted text is shown; the title's handling would put the name back.
            const QSignalBlocker quiet(title);
            FitLabelCaption(*title, 100 + (room - half));
        }
        maxTitle = std::max(maxTitle, title->width());
        if (int(i) < optionCount) {
            const QString name = topic.GetOptionName(int16_t(i));
            QString tip = QStringLiteral("Scores for option ") + QString::number(i + 1);
            if (title->Caption() != name)
                tip += QStringLiteral(": ") + name;
            title->setToolTip(tip);
        }
    }
    maxTitle = std::max(maxTitle, 100);

    // 5. - 6. Titles right-aligned against the bars.
    const int barLeft = lblScores->x() + maxTitle + 20;
    for (size_t i = 0; i < lblScoreTitle.size(); ++i) {
        VLabel *title = lblScoreTitle[i];
        title->move(barLeft - 10 - title->width(), title->y());
        if (i < sliderScore.size())
            sliderScore[i]->setGeometry(barLeft, sliderScore[i]->y(), right - barLeft, sliderScore[i]->height());
    }
}

void frmMain::RepaintGradients()
{
    GradientsDue = GradientsHeld;
    if (!GradientsHeld)
        PaintMainBackground(*this);
}

void frmMain::HighlightControl(QWidget *Target, int16_t Kind)
{
    // 1. - 2. Held during a capture; no target removes it.
    if (SuppressHighlight)
        return;
    if (!Target || Target == this) {
        for (QWidget *piece : {static_cast<QWidget *>(shpHighlight), static_cast<QWidget *>(shpHighlight2),
                               static_cast<QWidget *>(shpHighlight3), static_cast<QWidget *>(lblHighlight),
                               static_cast<QWidget *>(btnRemoveAttribute), static_cast<QWidget *>(btnRemoveOption)})
            piece->hide();
        HighlightTarget = nullptr;
        HighlightedOption = nullptr;
        HighlightedAttribute = nullptr;
        return;
    }
    HighlightTarget = Target;
    // The pieces of a name highlighted before go with it, so that no remove button stays
    // beside a name the pointer has left.
    if (Kind != HighlightAttribute) {
        btnRemoveAttribute->hide();
        HighlightedAttribute = nullptr;
    }
    if (Kind != HighlightOption) {
        btnRemoveOption->hide();
        HighlightedOption = nullptr;
    }
    if (Kind == HighlightPlain)
        shpHighlight3->hide();

    // 3. The frame.
    const QRect frame(Target->x() - 4, Target->y(), Target->width() + 9, Target->height() + 3);
    shpHighlight->setGeometry(frame);

    // 4. - 6. The remove button beside a name, joined to the frame by the connector.
    if (Kind == HighlightAttribute) {
        btnRemoveAttribute->move(CInt(frame.x() - btnRemoveAttribute->width() / 2.0 - 5),
                                 CInt(frame.y() + frame.height() / 2.0 - btnRemoveAttribute->height() / 2.0));
        btnRemoveAttribute->show();
        btnRemoveAttribute->raise();
        shpHighlight3->setGeometry(frame.x() - 5, frame.y(), 15, frame.height() + 1);
        shpHighlight3->show();
        HighlightedAttribute = qobject_cast<VLabel *>(Target);
    } else if (Kind == HighlightOption) {
        btnRemoveOption->move(CInt(10 - btnRemoveOption->width() / 2.0 + 3),
                              CInt(frame.y() + frame.height() / 2.0 - btnRemoveOption->height() / 2.0));
        btnRemoveOption->show();
        btnRemoveOption->raise();
        shpHighlight3->setGeometry(frame.x() - 13, frame.y(), 15, frame.height() + 1);
        shpHighlight3->show();
        HighlightedOption = qobject_cast<VLabel *>(Target);
    } else {
        shpHighlight3->move(frame.x(), shpHighlight3->y());
    }

    // 7. - 8. The cover catches the mouse in the frame's margins; the shadow lies under it.
    const int connectorLeft = shpHighlight3->x();
    const int coverWidth = !shpHighlight3->isHidden() ? frame.x() - connectorLeft + frame.width() : frame.width();
    lblHighlight->setGeometry(connectorLeft, frame.y(), coverWidth, frame.height());
    shpHighlight2->setGeometry(lblHighlight->x() + 1, lblHighlight->y() + 1, lblHighlight->width(),
                               lblHighlight->height());

    // 9. Behind every other control: cover lowest, then shadow, frame and connector.
    shpHighlight3->lower();
    shpHighlight->lower();
    shpHighlight2->lower();
    lblHighlight->lower();
    shpHighlight->show();
    shpHighlight2->show();
    lblHighlight->show();
}

void frmMain::WireHighlight(VLabel *label, int16_t kind)
{
    connect(label, &VLabel::MouseMove, this, [this, label, kind] { HighlightControl(label, kind); });
}

void frmMain::WireEditableLabel(VLabel *label, int16_t index, void (frmMain::*change)(int16_t),
                                void (frmMain::*click)(int16_t), int16_t kind)
{
    connect(label, &VLabel::Change, this, [this, index, change] { (this->*change)(index); });
    connect(label, &VLabel::Click, this, [this, index, click] { (this->*click)(index); });
    WireHighlight(label, kind);
    WireKeyboardEdit(label, [this, index, click] { (this->*click)(index); }, kind);
}
