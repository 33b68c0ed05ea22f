// Layout of the main window: every control is placed by arithmetic on the window's inner
// size, the topic's counts and the heights of a few template labels.

#include "frmMain.h"

#include "app/ProgramSettings.h"
#include "frmMain_Internal.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/VLabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QWindow>

#include <algorithm>

void frmMain::PlaceFixedControls()
{
    // 1. Focus catchers only; out of sight.
    for (QLineEdit *box : {txtTabDetectorForward, txtTabDetectorBack, txtHiddenButton})
        box->move(-500, box->y());
    // 2. - 4. Mask, capture picture and title at their fixed places.
    picMask->move(0, 0);
    picCapture->move(0, 0);
    lblTitle->move(20, 10);
    picScoreFrame->move(10, lblTitle->y() + lblTitle->height() + 10);
    picWeightingFrame->move(10, picWeightingFrame->y());
    picRatingFrame->move(10, picRatingFrame->y());
    // 5. The command buttons level with the title.
    const int buttonTop = CInt(lblTitle->y() + lblTitle->height() / 2.0 - btnSave->height() / 2.0);
    for (ImageButton *button : {btnSave, btnLoad, btnNew, btnSettings})
        button->move(button->x(), buttonTop);
    // 6. - 7. Panel headings and their buttons.
    lblScores->move(picScoreFrame->x() + 10, picScoreFrame->y() + 5);
    btnToggleScore->move(btnToggleScore->x(), picScoreFrame->y() + 5);
    btnAnalysis->move(btnAnalysis->x(), picScoreFrame->y() + 5);
    btnAddAttribute->move(picWeightingFrame->x() + 5, btnAddAttribute->y());
    btnAddOption->move(picRatingFrame->x() + 4, btnAddOption->y());
}

int frmMain::AttributeColumnLeft(int16_t j) const
{
    return picWeightingFrame->x() + 100 + 30 + j * ColumnWidth;
}

int frmMain::AttributeNameRoom(int16_t j) const
{
    const int columnRoom = ColumnWidth - 10;
    const double centre = AttributeColumnLeft(j) + columnRoom / 2.0;
    const int clearOfButton = int(2 * (btnToggleWeightings->x() - 4 - centre));
    return std::max(1, std::min(columnRoom, clearOfButton));
}

void frmMain::ComputeMinimumSize()
{
    const VeltraneTopic &topic = *modParameters::CurrentTopic;
    const int A = topic.TotalAttributes();
    const int O = topic.TotalOptions();
    MinWindowWidth = 70 * A + OptionColumnWidth - 10;
    MinWindowHeight = 15 * O + HeaderHeight + 30 + lblWeighting[0]->height() + 5
                      + (lblRating[0]->height() + 15) * O;
    // What the window manager is told; the resize handling enforces the same limit itself.
    // A window smaller than that grows at once, and stays on the screen.
    const bool grows = width() < MinWindowWidth || height() < MinWindowHeight;
    setMinimumSize(MinimumInnerSize());
    if (grows)
        KeepOnScreen();
}

void frmMain::Form_Resize()
{
    // 1. Nothing to lay out while minimized or suppressed.
    if ((windowState() & Qt::WindowMinimized) || SuppressEvents || !modParameters::CurrentTopic)
        return;
    const bool maximized = windowState() & Qt::WindowMaximized;

    // 2. Snap back to the minimum inner size (no larger than the screen allows), staying on
    //    the screen; the size change raises a new resize.
    if (!maximized) {
        const QSize minimum = MinimumInnerSize();
        if (height() < minimum.height() || width() < minimum.width()) {
            resize(height() < minimum.height() ? width() : minimum.width(), std::max(height(), minimum.height()));
            KeepOnScreen();
            return;
        }
    }

    // 3. - 4. New metrics, and the size recorded for the next start.
    ComputeLayoutMetrics();
    const QRect outer = frameGeometry();
    ProgramSettings::TrackWindowResize(PlacementState(), ToTwips(outer.width()), ToTwips(outer.height()));
    if (maximized) {
        imgResizeTab->hide();
    } else {
        imgResizeTab->move(width() - imgResizeTab->width(), height() - imgResizeTab->height());
        imgResizeTab->show();
        imgResizeTab->raise();
    }

    // 5. The loading mask keeps covering the window.
    if (IsLoading)
        PositionLoadingMask();

    // 6. Command buttons, right-aligned on the title row.
    btnSettings->move(width() - 20 - btnSettings->width(), btnSettings->y());
    btnSave->move(btnSettings->x() - btnSave->width() - 10, btnSave->y());
    btnLoad->move(btnSave->x() - btnLoad->width() - 10, btnLoad->y());
    btnNew->move(btnLoad->x() - btnNew->width() - 10, btnNew->y());

    // 7. Title width.
    const VeltraneTopic &topic = *modParameters::CurrentTopic;
    const int O = topic.TotalOptions();
    lblTitle->resize(btnNew->x() - 10 - lblTitle->x(), lblTitle->height());
    RefreshCaption(lblTitle, topic.Title(), &frmMain::lblTitle_Change);

    // 8. Score panel.
    const int scoreHeight = ShowScores ? lblScores->height() + 15 + (5 + ScoreRowSpace) * O
                                       : lblScores->height() + 10;
    picScoreFrame->resize(width() - 20, scoreHeight);
    btnToggleScore->move(picScoreFrame->x() + picScoreFrame->width() - btnToggleScore->width() - 10,
                         btnToggleScore->y());
    // Not a design control: it keeps to the free stretch of the heading row, left of the toggle.
    btnAnalysis->move(btnToggleScore->x() - btnAnalysis->width() - 6, btnToggleScore->y());

    // 9. Weighting panel.
    picWeightingFrame->move(picWeightingFrame->x(), picScoreFrame->y() + picScoreFrame->height() + 10);
    const int weightingHeight = ShowWeightings ? lblWeightings->height() + 15 + WeightingSpace
                                                     + lblWeighting[0]->height() + 5
                                               : lblWeightings->height() + 10;
    picWeightingFrame->resize(picScoreFrame->width(), weightingHeight);
    const bool addAttributeShown = ShowWeightings || ShowRatings;
    btnAddAttribute->setVisible(addAttributeShown);
    lblWeightings->move(addAttributeShown ? btnAddAttribute->x() + btnAddAttribute->width() + 5
                                          : picWeightingFrame->x() + 10,
                        picWeightingFrame->y() + 5);
    btnToggleWeightings->move(picWeightingFrame->x() + picWeightingFrame->width() - btnToggleWeightings->width() - 10,
                              picWeightingFrame->y() + 5);

    // 10. Rating panel.
    picRatingFrame->move(picRatingFrame->x(), picWeightingFrame->y() + picWeightingFrame->height() + 10);
    const int ratingHeight = ShowRatings
                                 ? lblRatings->height() + 15 + (RatingRowSpace + lblRating[0]->height() + 5) * O
                                 : lblRatings->height() + 10;
    picRatingFrame->resize(picWeightingFrame->width(), ratingHeight);
    btnAddOption->setVisible(ShowRatings);
    lblRatings->move(ShowRatings ? btnAddOption->x() + btnAddOption->width() + 5 : picRatingFrame->x() + 10,
                     picRatingFrame->y() + 5);
    btnToggleRatings->move(picRatingFrame->x() + picRatingFrame->width() - btnToggleRatings->width() - 10,
                           picRatingFrame->y() + 5);

    // 11. The add buttons in their panels' heading rows.
    btnAddAttribute->move(btnAddAttribute->x(), picWeightingFrame->y() + 4);
    btnAddOption->move(btnAddOption->x(), picRatingFrame->y() + 4);

    // 12. An open edit follows its label.
    if (txtEditBox->isVisible() && EditLabel)
        txtEditBox->setGeometry(EditLabel->x(), EditLabel->y(), EditLabel->width(), txtEditBox->height());

    // 13. The matrix inside the panels, then the gradients.
    ArrangeMatrix(true);
    RepaintGradients();
}

void frmMain::ComputeLayoutMetrics()
{
    const VeltraneTopic &topic = *modParameters::CurrentTopic;
    const int A = topic.TotalAttributes();
    const int O = topic.TotalOptions();

    int avail = height() - HeaderHeight;
    int groups = 0;
    if (ShowScores) {
        groups = O;
        avail -= 5 * O;
    }
    if (ShowRatings) {
        groups += O;
        avail -= (lblRating[0]->height() + 5) * O;
    }
    // The weighting row gets two shares, each shown option row one share per shown panel.
    if (ShowWeightings) {
        const int w0 = avail - lblWeighting[0]->height() - 5;
        WeightingSpace = int16_t(CInt(w0 / double(groups + 2) * 2));
        avail = w0 - WeightingSpace;
    }
    if (groups <= 0) {
        ScoreRowSpace = RatingRowSpace = 0;
    } else {
        ScoreRowSpace = RatingRowSpace = int16_t(CInt(avail / double(groups)));
    }
    ColumnWidth = int16_t(CInt((width() - OptionColumnWidth + 10) / double(A)));
}

void frmMain::ArrangeMatrix(bool FromResize)
{
    const VeltraneTopic &topic = *modParameters::CurrentTopic;
    const int A = topic.TotalAttributes();
    const int O = topic.TotalOptions();

    // 1. Outside a resize, a window below its minimum size goes through the resize instead.
    if (!FromResize) {
        ComputeLayoutMetrics();
        if (height() < MinWindowHeight || width() < MinWindowWidth) {
            Form_Resize();
            return;
        }
    }

    // 2. Score panel.
    {
        const int barWidth = picScoreFrame->width() - 50 - 100 - lblScore[0]->width();
        const int rowH = CInt((picScoreFrame->height() - lblScores->height() - 15) / double(O) - 5);
        for (size_t i = 0; i < sliderScore.size(); ++i) {
            MeterSlider *bar = sliderScore[i];
            VLabel *title = lblScoreTitle[i];
            VLabel *score = lblScore[i];
            if (!ShowScores) {
                bar->hide();
                title->hide();
                score->hide();
                continue;
            }
            bar->resize(barWidth, rowH);
            bar->move(bar->x(), lblScores->y() + lblScores->height() + 5 + (5 + rowH) * int(i));
            const int titleHeight = i > 0 ? lblScoreTitle[0]->height() : title->height();
            title->setGeometry(lblScores->x() + 10, CInt(bar->y() + bar->height() / 2.0 - titleHeight / 2.0), 100,
                               titleHeight);
            score->move(picScoreFrame->x() + picScoreFrame->width() - 10 - score->width(), title->y());
            bar->move(title->x() + 100 + 10, bar->y());
            if (int(i) < O)
                RefreshCaption(title, int16_t(i), topic.GetOptionName(int16_t(i)), &frmMain::lblScoreTitle_Change);
            bar->show();
            title->show();
            score->show();
        }
    }

    // 3. Weighting panel; the attribute names share the heading line and always show.
    const int sliderWidth = ColumnWidth - 10;
    {
        const int sliderH = picWeightingFrame->height() - lblWeightings->height() - 15 - lblWeighting[0]->height() - 5;
        for (size_t j = 0; j < lblAttribute.size(); ++j) {
            const int x = AttributeColumnLeft(int16_t(j));
            VLabel *name = lblAttribute[j];
            name->move(CInt(x + sliderWidth / 2.0 - name->width() / 2.0),
                       CInt(lblWeightings->y() + lblWeightings->height() / 2.0 - name->height() / 2.0));
            MeterSlider *weighting = sliderWeighting[j];
            VLabel *value = lblWeighting[j];
            if (ShowWeightings) {
                weighting->setGeometry(x, lblWeightings->y() + lblWeightings->height() + 5, sliderWidth, sliderH);
                value->move(CInt(weighting->x() + weighting->width() / 2.0 - value->width() / 2.0),
                            weighting->y() + weighting->height());
                weighting->show();
                value->show();
            } else {
                weighting->hide();
                value->hide();
            }
            if (int(j) < A)
                RefreshCaption(name, int16_t(j), topic.GetAttributeName(int16_t(j)), &frmMain::lblAttribute_Change);
        }
    }

    // 4. Rating panel, cell by cell along each option's row.
    {
        const int rowH = CInt((picRatingFrame->height() - lblRatings->height() - 15) / double(O)
                              - lblRating[0]->height() - 5);
        for (size_t k = 0; k < sliderRating.size(); ++k) {
            const int16_t i = GetOptionIDFromIndex(int16_t(k), true);
            const int16_t j = GetAttributeIDFromIndex(int16_t(k), true);
            MeterSlider *rating = sliderRating[k];
            VLabel *value = lblRating[k];
            VLabel *name = size_t(i) < lblOption.size() ? lblOption[i] : nullptr;
            if (!ShowRatings) {
                if (j == 0 && name)
                    name->hide();
                rating->hide();
                value->hide();
                continue;
            }
            const int left = j == 0 ? picRatingFrame->x() + 100 + 30 : sliderRating[k - 1]->x() + ColumnWidth;
            const int top = (rowH + lblRating[0]->height() + 5) * i + lblRatings->y() + lblRatings->height() + 5;
            rating->setGeometry(left, top, sliderWidth, rowH);
            if (j == 0 && name) {
                const int nameHeight = i > 0 ? lblOption[0]->height() : name->height();
                name->setGeometry(picRatingFrame->x() + 20,
                                  CInt(rating->y() + rating->height() / 2.0 - nameHeight / 2.0), 100, nameHeight);
                name->show();
            }
            value->move(CInt(rating->x() + rating->width() / 2.0 - value->width() / 2.0),
                        rating->y() + rating->height());
            rating->show();
            value->show();
        }
    }
    PlaceWeightingsButton();
    KeepButtonsOnTop();
}

// A name label may be placed across a button (a long last attribute name reaches the
// panel toggle); the buttons stay above every label, so they always get the click. Labels
// created later would otherwise lie above them.
void frmMain::KeepButtonsOnTop()
{
    for (ImageButton *button : findChildren<ImageButton *>(Qt::FindDirectChildrenOnly))
        button->raise();
    if (!txtEditBox->isHidden())
        txtEditBox->raise();
    if (!picMask->isHidden())
        picMask->raise();
}

void frmMain::UpdateToggleButtons()
{
    struct Toggle
    {
        ImageButton *button;
        bool shown;
        const char *what;
    };
    for (const Toggle &toggle : {Toggle{btnToggleScore, ShowScores, "Scores"},
                                 Toggle{btnToggleWeightings, ShowWeightings, "Weightings"},
                                 Toggle{btnToggleRatings, ShowRatings, "Ratings"}}) {
        const QImage normal = toggle.shown ? btnImageStore->Picture() : btnImageStore->DownPicture();
        const QImage over = toggle.shown ? btnImageStore->OverPicture() : btnImageStore->DisabledPicture();
        toggle.button->SetPicture(normal);
        toggle.button->SetOverPicture(over);
        toggle.button->SetDownPicture(over);
        toggle.button->SetDisabledPicture(normal);
        toggle.button->setToolTip((toggle.shown ? QStringLiteral("Hide ") : QStringLiteral("Show "))
                                  + QLatin1String(toggle.what));
    }
}

void frmMain::btnToggleScore_Click()
{
    ShowScores = !ShowScores;
    UpdateToggleButtons();
    Form_Resize();
}

void frmMain::btnToggleWeightings_Click()
{
    ShowWeightings = !ShowWeightings;
    UpdateToggleButtons();
    Form_Resize();
}

void frmMain::btnToggleRatings_Click()
{
    ShowRatings = !ShowRatings;
    UpdateToggleButtons();
    Form_Resize();
}

void frmMain::imgResizeTab_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    // Hand the drag to the window manager, as if the frame's corner had been grabbed.
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QWindow *window = windowHandle())
        window->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
}
