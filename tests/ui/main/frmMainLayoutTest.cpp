#include "MainWindowFixture.h"
#include "WindowDriver.h"

#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/main/ShapeControl.h"
#include "ui/support/VLabel.h"

#include <QLabel>

#include <algorithm>

using namespace WindowDriver;

namespace {

struct Case
{
    int options;
    int attributes;
    int width;  // 0: the minimum width
    int height; // 0: the minimum height
};

} // namespace

class LayoutFormulas : public MainWindowTest, public ::testing::WithParamInterface<Case>
{
};

// Every placement rule checked against expectations computed from the rules themselves
// and the labels' measured heights.
TEST_P(LayoutFormulas, PlaceEveryControlByTheRules)
{
    const Case c = GetParam();
    const int O = c.options;
    const int A = c.attributes;
    ShowTopic(O, A);

    const int titleH = window->lblTitle->height();
    const int scoresH = window->lblScores->height();
    const int weightingsH = window->lblWeightings->height();
    const int ratingsH = window->lblRatings->height();
    const int weightingH = window->lblWeighting[0]->height();
    const int ratingH = window->lblRating[0]->height();

    const int header = titleH + 10 + 10 + (15 + scoresH + 10) + (15 + weightingsH + 10) + (15 + ratingsH + 10);
    ASSERT_EQ(window->HeaderHeight, header);
    const int minW = 70 * A + 160 - 10;
    const int minH = 15 * O + header + 30 + weightingH + 5 + (ratingH + 15) * O;
    ASSERT_EQ(window->MinWindowWidth, minW);
    ASSERT_EQ(window->MinWindowHeight, minH);

    const int W = c.width ? c.width : minW;
    const int H = c.height ? c.height : minH;
    window->resize(W, H);
    ASSERT_EQ(window->size(), QSize(W, H));

    // Metrics: the weighting row takes two shares, each option row one per panel.
    const int groups = 2 * O;
    const int avail0 = H - header - 5 * O - (ratingH + 5) * O;
    const int w0 = avail0 - weightingH - 5;
    const int weightingSpace = RoundHalfEven(w0 / double(groups + 2) * 2);
    const int rowSpace = RoundHalfEven((w0 - weightingSpace) / double(groups));
    const int column = RoundHalfEven((W - 160 + 10) / double(A));
    EXPECT_EQ(window->WeightingSpace, weightingSpace);
    EXPECT_EQ(window->ScoreRowSpace, rowSpace);
    EXPECT_EQ(window->RatingRowSpace, rowSpace);
    EXPECT_EQ(window->ColumnWidth, column);

    // Title row.
    EXPECT_EQ(window->lblTitle->pos(), QPoint(20, 10));
    EXPECT_EQ(window->btnSettings->x(), W - 20 - window->btnSettings->width());
    EXPECT_EQ(window->btnSave->x(), window->btnSettings->x() - window->btnSave->width() - 10);
    EXPECT_EQ(window->btnLoad->x(), window->btnSave->x() - window->btnLoad->width() - 10);
    EXPECT_EQ(window->btnNew->x(), window->btnLoad->x() - window->btnNew->width() - 10);
    EXPECT_EQ(window->btnSave->y(), RoundHalfEven(10 + titleH / 2.0 - window->btnSave->height() / 2.0));
    EXPECT_EQ(window->lblTitle->width(), window->btnNew->x() - 10 - 20);
    EXPECT_EQ(window->imgResizeTab->geometry(), QRect(W - 13, H - 13, 13, 13));
    EXPECT_TRUE(window->imgResizeTab->isVisible());

    // Panels.
    const QRect score = window->picScoreFrame->geometry();
    const QRect weighting = window->picWeightingFrame->geometry();
    const QRect rating = window->picRatingFrame->geometry();
    EXPECT_EQ(score, QRect(10, 10 + titleH + 10, W - 20, scoresH + 15 + (5 + rowSpace) * O));
    EXPECT_EQ(weighting,
              QRect(10, score.y() + score.height() + 10, W - 20, weightingsH + 15 + weightingSpace + weightingH + 5));
    EXPECT_EQ(rating,
              QRect(10, weighting.y() + weighting.height() + 10, W - 20, ratingsH + 15 + (rowSpace + ratingH + 5) * O));
    EXPECT_EQ(window->lblScores->pos(), QPoint(20, score.y() + 5));
    EXPECT_EQ(window->lblWeightings->pos(),
              QPoint(window->btnAddAttribute->x() + window->btnAddAttribute->width() + 5, weighting.y() + 5));
    EXPECT_EQ(window->lblRatings->pos(),
              QPoint(window->btnAddOption->x() + window->btnAddOption->width() + 5, rating.y() + 5));
    EXPECT_EQ(window->btnAddAttribute->pos(), QPoint(15, weighting.y() + 4));
    EXPECT_EQ(window->btnAddOption->pos(), QPoint(14, rating.y() + 4));
    EXPECT_EQ(window->btnToggleScore->pos(), QPoint(10 + score.width() - window->btnToggleScore->width() - 10, score.y() + 5));
    EXPECT_EQ(window->btnToggleRatings->y(), rating.y() + 5);

    // Score bars start 20 pixels right of the widest title (at least 100 wide).
    const int right = score.x() + score.width() - window->lblScore[0]->width() - 20;
    int maxTitle = 0;
    for (VLabel *title : window->lblScoreTitle)
        maxTitle = std::max(maxTitle, title->width());
    const int barLeft = window->lblScores->x() + std::max(maxTitle, 100) + 20;
    const int scoreRowH = RoundHalfEven((score.height() - scoresH - 15) / double(O) - 5);
    for (int i = 0; i < O; ++i) {
        const MeterSlider *bar = window->sliderScore[i];
        EXPECT_EQ(bar->geometry(), QRect(barLeft, window->lblScores->y() + scoresH + 5 + (5 + scoreRowH) * i,
                                         right - barLeft, scoreRowH))
            << "score bar " << i;
        const VLabel *title = window->lblScoreTitle[i];
        EXPECT_EQ(title->x() + title->width(), barLeft - 10);
        EXPECT_EQ(title->y(), RoundHalfEven(bar->y() + bar->height() / 2.0 - title->height() / 2.0));
        const VLabel *value = window->lblScore[i];
        EXPECT_EQ(value->pos(), QPoint(score.x() + score.width() - 10 - value->width(), title->y()));
    }

    // Weighting row: one column per attribute, names on the heading line.
    const int sliderWidth = column - 10;
    const int sliderH = weighting.height() - weightingsH - 15 - weightingH - 5;
    for (int j = 0; j < A; ++j) {
        const int x = 10 + 100 + 30 + j * column;
        const MeterSlider *slider = window->sliderWeighting[j];
        EXPECT_EQ(slider->geometry(), QRect(x, window->lblWeightings->y() + weightingsH + 5, sliderWidth, sliderH))
            << "weighting " << j;
        const VLabel *value = window->lblWeighting[j];
        EXPECT_EQ(value->y(), slider->y() + sliderH);
        EXPECT_EQ(value->x(), RoundHalfEven(x + sliderWidth / 2.0 - value->width() / 2.0));
        const VLabel *name = window->lblAttribute[j];
        EXPECT_NEAR(name->x() + name->width() / 2.0, x + sliderWidth / 2.0, 1.0);
        EXPECT_LE(name->width(), std::max(column - 10, 1));
        EXPECT_EQ(name->y(), RoundHalfEven(window->lblWeightings->y() + weightingsH / 2.0 - name->height() / 2.0));
    }

    // Rating cells, option by option.
    const int rowH = RoundHalfEven((rating.height() - ratingsH - 15) / double(O) - ratingH - 5);
    for (int k = 0; k < O * A; ++k) {
        const int i = k / A;
        const int j = k % A;
        const MeterSlider *slider = window->sliderRating[k];
        const QRect expected(10 + 130 + j * column, (rowH + ratingH + 5) * i + window->lblRatings->y() + ratingsH + 5,
                             sliderWidth, rowH);
        EXPECT_EQ(slider->geometry(), expected) << "cell " << k;
        const VLabel *value = window->lblRating[k];
        EXPECT_EQ(value->pos(), QPoint(RoundHalfEven(expected.x() + sliderWidth / 2.0 - value->width() / 2.0),
                                       expected.y() + rowH));
        if (j == 0) {
            const VLabel *name = window->lblOption[i];
            EXPECT_EQ(name->x(), 30);
            EXPECT_EQ(name->y(), RoundHalfEven(expected.y() + rowH / 2.0 - name->height() / 2.0));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SizesAndCounts, LayoutFormulas,
                         ::testing::Values(Case{1, 1, 0, 0}, Case{1, 1, 640, 480}, Case{3, 3, 0, 0},
                                           Case{3, 3, 800, 600}, Case{3, 3, 1000, 700}, Case{10, 10, 0, 0},
                                           Case{10, 10, 1200, 900}, Case{2, 5, 777, 555}));

TEST_F(MainWindowTest, OneAttributeGivesTheWholeWidthToItsColumn)
{
    ShowTopic(2, 1);
    EXPECT_EQ(window->MinWindowWidth, 220);
    window->resize(500, window->MinWindowHeight + 40);
    EXPECT_EQ(window->ColumnWidth, 500 - 150);
}

TEST_F(MainWindowTest, TooSmallWindowSnapsBackToTheMinimum)
{
    ShowTopic(3, 3);
    window->resize(100, 100);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(window->MinWindowWidth, window->MinWindowHeight));
    window->resize(window->MinWindowWidth + 50, 50);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(window->MinWindowWidth + 50, window->MinWindowHeight));

    // Growing the topic raises the minimum and the window follows.
    ShowTopic(6, 6);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(window->MinWindowWidth, window->MinWindowHeight));
}

TEST_F(MainWindowTest, TogglesCollapsePanelsToTheirHeadings)
{
    ShowTopic(3, 3);
    window->resize(800, 600);
    ASSERT_EQ(window->btnToggleScore->toolTip(), "Hide Scores");
    Press(*window->btnToggleScore, QPoint(3, 3));
    Release(*window->btnToggleScore, QPoint(3, 3));
    EXPECT_FALSE(window->ShowScores);
    EXPECT_EQ(window->btnToggleScore->toolTip(), "Show Scores");
    EXPECT_EQ(window->picScoreFrame->height(), window->lblScores->height() + 10);
    EXPECT_FALSE(window->sliderScore[0]->isVisible());
    EXPECT_FALSE(window->lblScoreTitle[2]->isVisible());

    window->btnToggleRatings_Click();
    EXPECT_EQ(window->btnToggleRatings->toolTip(), "Show Ratings");
    EXPECT_FALSE(window->btnAddOption->isVisible());
    EXPECT_TRUE(window->btnAddAttribute->isVisible());
    EXPECT_FALSE(window->lblOption[1]->isVisible());
    EXPECT_EQ(window->lblRatings->x(), window->picRatingFrame->x() + 10);

    window->btnToggleWeightings_Click();
    EXPECT_FALSE(window->btnAddAttribute->isVisible());
    EXPECT_EQ(window->lblWeightings->x(), window->picWeightingFrame->x() + 10);
    EXPECT_EQ(window->ScoreRowSpace, 0);
    EXPECT_EQ(window->RatingRowSpace, 0);
    EXPECT_TRUE(window->lblAttribute[2]->isVisible()) << "attribute names stay on the heading line";

    window->btnToggleScore_Click();
    EXPECT_TRUE(window->ShowScores);
    EXPECT_EQ(window->btnToggleScore->toolTip(), "Hide Scores");
    EXPECT_TRUE(window->sliderScore[2]->isVisible());
}

TEST_F(MainWindowTest, LoadingMaskCoversTheWindowWithCentredText)
{
    ShowTopic(2, 2);
    window->resize(700, 500);
    window->StartLoad();
    EXPECT_TRUE(window->IsLoading);
    EXPECT_TRUE(window->picMask->isVisible());
    EXPECT_EQ(window->picMask->geometry(), QRect(0, 0, 700, 500));
    const QWidget *text = window->lblLoading;
    EXPECT_EQ(text->x(), RoundHalfEven((700 - text->width()) / 2.0));
    EXPECT_EQ(text->y(), RoundHalfEven((500 - text->height()) / 2.0));
    // The mask follows a resize while loading.
    window->resize(800, 560);
    EXPECT_EQ(window->picMask->size(), QSize(800, 560));
    window->EndLoad();
    EXPECT_FALSE(window->IsLoading);
    EXPECT_FALSE(window->picMask->isVisible());
}

TEST_F(MainWindowTest, HoveringANameBringsItsRemoveButton)
{
    ShowTopic(3, 3);
    window->resize(800, 600);
    VLabel *option = window->lblOption[1];
    SendMouse(*option, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);

    const QRect frame(option->x() - 4, option->y(), option->width() + 9, option->height() + 3);
    EXPECT_EQ(window->shpHighlight->geometry(), frame);
    const QWidget *remove = window->btnRemoveOption;
    ASSERT_TRUE(remove->isVisible());
    EXPECT_EQ(remove->x(), RoundHalfEven(10 - remove->width() / 2.0 + 3));
    EXPECT_EQ(remove->y(), RoundHalfEven(frame.y() + frame.height() / 2.0 - remove->height() / 2.0));
    EXPECT_EQ(window->HighlightedOption, option);

    VLabel *attribute = window->lblAttribute[2];
    SendMouse(*attribute, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
    const QRect attributeFrame(attribute->x() - 4, attribute->y(), attribute->width() + 9, attribute->height() + 3);
    const QWidget *removeAttribute = window->btnRemoveAttribute;
    ASSERT_TRUE(removeAttribute->isVisible());
    EXPECT_EQ(removeAttribute->x(), RoundHalfEven(attributeFrame.x() - removeAttribute->width() / 2.0 - 5));
    EXPECT_EQ(window->lblHighlight->geometry(),
              QRect(attributeFrame.x() - 5, attributeFrame.y(), attributeFrame.width() + 5, attributeFrame.height()));

    // The empty area clears everything; so does the New button.
    SendMouse(*window, QEvent::MouseMove, QPoint(3, window->height() - 3), Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(window->shpHighlight->isVisible());
    EXPECT_FALSE(window->btnRemoveOption->isVisible());
    EXPECT_FALSE(window->btnRemoveAttribute->isVisible());
    EXPECT_EQ(window->HighlightedOption, nullptr);

    // While suppressed (window capture) the highlight stays away.
    window->SuppressHighlight = true;
    SendMouse(*option, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(window->shpHighlight->isVisible());
}

// A topic that needs more than the screen gets what the screen has, within its available
// area; a window with room stays exactly where it was put.
TEST_F(MainWindowTest, TheWindowStaysOnTheScreen)
{
    const QRect area = window->screen()->availableGeometry();
    ShowTopic(2, 2);
    window->move(area.left() + 10, area.top() + 20);
    QApplication::processEvents();
    EXPECT_EQ(window->frameGeometry().topLeft(), area.topLeft() + QPoint(10, 20));

    window->move(area.right() - 200, area.bottom() - 100);
    ShowTopic(10, 10);
    QApplication::processEvents();
    EXPECT_TRUE(area.contains(window->frameGeometry())) << window->frameGeometry().x() << ","
                                                        << window->frameGeometry().y();
    const QSize frame = window->frameGeometry().size() - window->size();
    EXPECT_EQ(window->size(), QSize(window->MinWindowWidth, window->MinWindowHeight).boundedTo(area.size() - frame));
}

// The fifth of five long attribute names at the design size stops short of the weighting
// panel's collapse button on its line; the others keep their column's width.
TEST_F(MainWindowTest, AttributeNamesKeepClearOfTheCollapseButton)
{
    ShowTopic(2, 5);
    for (int j = 0; j < 5; ++j)
        window->lblAttribute[size_t(j)]->SetCaption(QStringLiteral("Performance per watt %1").arg(j));
    window->Form_Resize();
    const QRect button = window->btnToggleWeightings->geometry();
    const VLabel *last = window->lblAttribute[4];
    EXPECT_LT(last->geometry().right(), button.left());
    EXPECT_NE(last->Caption(), "Performance per watt 4");
    EXPECT_EQ(modParameters::CurrentTopic->GetAttributeName(4), "Performance per watt 4");
    EXPECT_EQ(window->AttributeNameRoom(0), window->ColumnWidth - 10);
}
