// SPDX-License-Identifier: GPL-3.0-or-later
// Each analysis view on its own: built, handed a topic and read, with no main window and
// nothing of the program-wide state; then drawn into an image as a report would draw it.
#include "model/TopicConfidence.h"
#include "model/TopicStability.h"
#include "model/VeltraneTopic.h"
#include "ui/analysis/ConfidenceRunner.h"
#include "ui/analysis/ConfidenceView.h"
#include "ui/analysis/ContributionChart.h"
#include "ui/analysis/SensitivityChart.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Car A leads Car B by 0.167 on Price (stored 0.5) and Quality (0.25).
VeltraneTopic Cars()
{
    VeltraneTopic topic;
    topic.SetRounding(3);
    topic.SetTotalAttributes(2);
    topic.SetTotalOptions(2);
    topic.SetAttributeName(0, "Price");
    topic.SetAttributeName(1, "Quality");
    topic.SetOptionName(0, "Car A");
    topic.SetOptionName(1, "Car B");
    topic.SetWeighting(0, 0.5);
    topic.SetWeighting(1, 0.25);
    topic.SetRating(0, 0, 0.8);
    topic.SetRating(0, 1, 0.4);
    topic.SetRating(1, 0, 0.3);
    topic.SetRating(1, 1, 0.9);
    return topic;
}

// The view drawn off the screen at that size: how many pixels differ from its background.
int PaintedPixels(AnalysisView &view, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    view.Render(painter, size);
    painter.end();
    int painted = 0;
    for (int y = 0; y < size.height(); y += 4) {
        for (int x = 0; x < size.width(); x += 4)
            painted += image.pixelColor(x, y) != image.pixelColor(0, 0);
    }
    return painted;
}

} // namespace

TEST(AnalysisViews, TheSensitivityChartShowsTheTopicItIsHanded)
{
    SensitivityChart chart;
    VeltraneTopic topic = Cars();
    chart.Refresh(topic);
    EXPECT_EQ(chart.CurrentWeighting(), 0.5);
    ASSERT_EQ(chart.Crossovers().size(), 1);
    EXPECT_NEAR(chart.Crossovers()[0].Value, 0.25, 1e-9);
    EXPECT_EQ(chart.cboAttribute->count(), 2);
    // Every line is the topic's own score wherever the slider would put the weighting.
    const int now = int(chart.SampleWeightings().indexOf(0.5));
    ASSERT_GE(now, 0);
    EXPECT_NEAR(chart.SampleScores()[now][1], TopicStability::AllRanges(topic).Scores[1], 1e-12);

    // The view keeps its own copy: picking another attribute needs no topic.
    topic.SetAttributeName(1, "Comfort");
    chart.cboAttribute->setCurrentIndex(1);
    EXPECT_EQ(chart.Attribute(), 1);
    EXPECT_EQ(chart.CurrentWeighting(), 0.25);
    EXPECT_TRUE(chart.accessibleDescription().contains("Quality weighting")) << chart.accessibleDescription().toStdString();
    const QSize before = chart.size();
    EXPECT_GT(PaintedPixels(chart, QSize(640, 400)), 100);
    EXPECT_EQ(chart.size(), before) << "drawing off the screen leaves the view's own size";
}

TEST(AnalysisViews, TheContributionChartSplitsEveryScore)
{
    ContributionChart chart;
    const VeltraneTopic topic = Cars();
    chart.Refresh(topic);
    ASSERT_EQ(chart.Shares().size(), 2);
    for (int16_t i = 0; i < 2; ++i) {
        for (int16_t j = 0; j < 2; ++j)
            EXPECT_EQ(chart.Shares()[i][j], topic.pGetOptionSubTotal(i, j)) << i << j;
    }
    EXPECT_EQ(chart.Leader(), 0);
    EXPECT_TRUE(chart.SharesLead(0));
    EXPECT_FALSE(chart.SharesLead(1));
    EXPECT_TRUE(chart.accessibleDescription().startsWith("Car A scores 0.667: Price 0.533, Quality 0.133."))
        << chart.accessibleDescription().toStdString();
    EXPECT_GT(PaintedPixels(chart, QSize(500, 300)), 100);

    // A lead below what the scores are shown with: both bars are gold in the main window,
    // and both are marked here, though the stable ranges still name one leader.
    VeltraneTopic level = topic;
    level.SetRating(1, 0, 0.8);
    level.SetRating(1, 1, 0.3998); // 0.66660 against Car A's 0.66667: both read 0.667
    chart.Refresh(level);
    EXPECT_EQ(level.GetScore(0), level.GetScore(1));
    EXPECT_EQ(chart.Leader(), 0);
    EXPECT_TRUE(chart.SharesLead(0));
    EXPECT_TRUE(chart.SharesLead(1));

    chart.Refresh(VeltraneTopic());
    EXPECT_EQ(chart.Shares().size(), 1);
}

TEST(AnalysisViews, TheConfidenceViewShowsTheFiguresOfTheTopicItIsHanded)
{
    ConfidenceRunner runner;
    ConfidenceView view(&runner);
    VeltraneTopic topic = Cars();
    topic.SetRatingSpread(0.25);
    view.resize(600, 300);
    view.show();
    view.Refresh(topic);
    EXPECT_EQ(view.sldRatingSpread->value(), 25);
    EXPECT_EQ(view.lblWeightingSpread->text(), QString::fromUtf8("Every weighting may be off by up to \u00B10.100"));
    QElapsedTimer clock;
    clock.start();
    while (!view.Figures() && clock.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    ASSERT_TRUE(view.Figures());
    EXPECT_EQ(view.Figures()->Best,
              TopicConfidence::Simulate(topic, TopicConfidence::ShownDraws, TopicConfidence::SeedOf(topic)).Best);
    // A view on the screen is drawn at its own size, scaled into the box.
    EXPECT_GT(PaintedPixels(view, QSize(300, 150)), 50);
    EXPECT_EQ(view.size(), QSize(600, 300));
}
