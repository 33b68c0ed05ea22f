// SPDX-License-Identifier: GPL-3.0-or-later
// How sure the decision is, as the main window shows it: the slider marks and tooltips,
// the best bar's tooltip, the setting that switches them off, the chart button's place,
// the analysis window following the sliders, and the confidence figures following every
// change without ever showing those of an older state.
#include "../main/MainWindowFixture.h"

#include "WindowDriver.h"
#include "model/TopicConfidence.h"
#include "ui/analysis/ConfidenceRunner.h"
#include "ui/analysis/ConfidenceView.h"
#include "ui/analysis/ContributionChart.h"
#include "ui/analysis/SensitivityChart.h"
#include "ui/analysis/frmAnalysis.h"
#include "ui/main/DecisionInsight.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/DisplayNumber.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>
#include <QTabBar>

#include <cmath>

namespace {

class StabilityWindowTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        modParameters::ShowStability = true;
    }

    // Car A leads Car B by 0.167 on Price (stored 0.5) and Quality (0.25).
    void ShowCars()
    {
        auto topic = ShowTopic(2, 2);
        topic->SetAttributeName(0, "Price");
        topic->SetAttributeName(1, "Quality");
        topic->SetOptionName(0, "Car A");
        topic->SetOptionName(1, "Car B");
        topic->SetWeighting(0, 0.5);
        topic->SetWeighting(1, 0.25);
        topic->SetRating(0, 0, 0.8);
        topic->SetRating(0, 1, 0.4);
        topic->SetRating(1, 0, 0.3);
        topic->SetRating(1, 1, 0.9);
        window->UpdateSettings();
    }

    MeterSlider &Slider(const char *array, int index) const { return *Element<MeterSlider>(array, index); }

    frmAnalysis &OpenAnalysis()
    {
        WindowDriver::Activate(*window);
        QKeyEvent f9(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier);
        window->Form_KeyDown(&f9);
        return *window->Insight->Analysis();
    }

    // Lets the background count finish; the figures shown, if any.
    static std::optional<Confidence> Settled(ConfidenceRunner &runner, const ConfidenceView &view)
    {
        QElapsedTimer clock;
        clock.start();
        while ((runner.IsBusy() || !view.Figures()) && clock.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        QApplication::processEvents();
        return view.Figures();
    }

    static QList<double> Expected()
    {
        const VeltraneTopic &topic = *modParameters::CurrentTopic;
        return TopicConfidence::Simulate(topic, TopicConfidence::ShownDraws, TopicConfidence::SeedOf(topic)).Best;
    }
};

} // namespace

TEST_F(StabilityWindowTest, SlidersAndTheBestBarSayHowFarValuesMayMove)
{
    ShowCars();
    // Car A's Price rating may fall to 0.55 before Car B leads.
    MeterSlider &price = Slider("sliderRating", 0);
    EXPECT_EQ(price.toolTip(), "Car A stays best from 0.550 to 1.000. Below 0.550, Car B is best.");
    EXPECT_NEAR(price.StableFrom(), 55, 1e-3);
    EXPECT_EQ(price.StableTo(), 100);
    // Car A's Quality rating cannot lose it the lead: no marks.
    EXPECT_FALSE(Slider("sliderRating", 1).HasStableRange());
    EXPECT_EQ(Slider("sliderRating", 1).toolTip(), "Car A stays best anywhere on this slider.");
    EXPECT_EQ(Slider("sliderWeighting", 0).toolTip(),
              "Car A stays best from 0.250 to 1.000. Below 0.250, Car B is best.");

    EXPECT_EQ(Slider("sliderScore", 0).toolTip(),
              "Best by 0.167 ahead of Car B. The smallest change that makes another option best: "
              "Price weighting from 0.500 down to 0.250 (Car B).");
    EXPECT_EQ(Slider("sliderScore", 1).toolTip(), "");

    modParameters::DisplayAsDecimal = false;
    window->UpdateSettings();
    EXPECT_EQ(price.toolTip(), "Car A stays best from 55.0% to 100.0%. Below 55.0%, Car B is best.");

    // The setting takes all of it away, and brings it back.
    modParameters::ShowStability = false;
    window->UpdateSettings();
    for (const char *array : {"sliderRating", "sliderWeighting", "sliderScore"}) {
        for (int index = 0; index < 2; ++index) {
            EXPECT_FALSE(Slider(array, index).HasStableRange()) << array << index;
            EXPECT_EQ(Slider(array, index).toolTip(), "") << array << index;
        }
    }
    modParameters::ShowStability = true;
    window->UpdateSettings();
    EXPECT_TRUE(price.HasStableRange());
}

TEST_F(StabilityWindowTest, OneOptionOrOneAttributeHasNothingToMark)
{
    ShowTopic(1, 3);
    EXPECT_EQ(Slider("sliderScore", 0).toolTip(), "Option 1 is the only option.");
    EXPECT_FALSE(Slider("sliderRating", 2).HasStableRange());

    ShowTopic(3, 1);
    // A single attribute's weighting is fixed; all options tie, the first one counts.
    EXPECT_EQ(Slider("sliderWeighting", 0).toolTip(), "");
    EXPECT_TRUE(Slider("sliderScore", 0).toolTip().startsWith("Level with Option 2;"));
}

TEST_F(StabilityWindowTest, TheChartButtonKeepsToTheFreeStretchOfTheScoreHeading)
{
    for (const auto &[options, attributes] : {std::pair{1, 1}, std::pair{2, 2}, std::pair{10, 10}}) {
        ShowTopic(options, attributes);
        for (const QSize size : {QSize(220, 200), QSize(607, 415), QSize(1400, 900)}) {
            window->resize(size);
            window->Form_Resize();
            const QRect button = window->btnAnalysis->geometry();
            EXPECT_EQ(button.y(), window->btnToggleScore->y());
            EXPECT_LT(button.right(), window->btnToggleScore->x());
            for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (control == window->btnAnalysis || control->isHidden() || control->objectName().startsWith("pic"))
                    continue;
                EXPECT_FALSE(button.intersects(control->geometry()))
                    << control->objectName().toStdString() << " at " << window->width() << "x" << window->height();
            }
        }
    }
}

TEST_F(StabilityWindowTest, TheChartFollowsASliderWhileItMoves)
{
    ShowCars();
    WindowDriver::Activate(*window);
    QKeyEvent f9(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier);
    ASSERT_TRUE(window->Form_KeyDown(&f9));
    frmAnalysis *analysis = window->Insight->Analysis();
    ASSERT_TRUE(analysis && analysis->isVisible());
    EXPECT_EQ(analysis->tabViews->tabText(0), "Sensitivity");
    EXPECT_EQ(analysis->tabViews->tabText(1), "Contributions");

    SensitivityChart &chart = *analysis->Sensitivity;
    EXPECT_EQ(chart.CurrentWeighting(), 0.5);
    ASSERT_EQ(chart.Crossovers().size(), 1);
    EXPECT_NEAR(chart.Crossovers()[0].Value, 0.25, 1e-9);
    EXPECT_EQ(chart.Crossovers()[0].Before, 1);
    EXPECT_EQ(chart.Crossovers()[0].After, 0);
    // A screen reader hears the same in words.
    EXPECT_EQ(chart.accessibleDescription(),
              "Every option's score as the Price weighting moves from 0 to 1. At 0.500, the weighting now, Car A is "
              "best. At 0.250, Car A takes over from Car B.");

    // The score axis fits the lines on round steps; the box brings the whole scale back.
    const SensitivityChart::Axis fitted = chart.ScoreAxis();
    for (const QList<double> &scores : chart.SampleScores()) {
        for (const double score : scores)
            EXPECT_TRUE(fitted.Low <= score && score <= fitted.High) << score;
    }
    EXPECT_LE((fitted.High - fitted.Low) / fitted.Step, 6 + 1e-9);
    chart.chkFullScale->setChecked(true);
    EXPECT_EQ(chart.ScoreAxis().Low, 0);
    EXPECT_EQ(chart.ScoreAxis().High, 1);
    chart.chkFullScale->setChecked(false);

    // Dragging the Price weighting: the chart's current line goes along at every step.
    MeterSlider &price = Slider("sliderWeighting", 0);
    WindowDriver::Press(price, QPoint(price.width() / 2, 5));
    for (const double at : {0.7, 0.3}) {
        WindowDriver::Drag(price, QPoint(int(1 + (price.width() - 2) * at), 5));
        EXPECT_EQ(chart.CurrentWeighting(), modParameters::CurrentTopic->GetWeighting(0));
        EXPECT_NEAR(chart.CurrentWeighting(), at, 0.01);
    }
    WindowDriver::Release(price, QPoint(int(1 + (price.width() - 2) * 0.3), 5));

    // The other view follows a rating once it is in sight; every share is weighting x rating.
    analysis->ShowView(1);
    Slider("sliderRating", 0).setFocus();
    WindowDriver::Key(Qt::Key_Home);
    const ContributionChart &contributions = *analysis->Contributions;
    ASSERT_EQ(contributions.Shares().size(), 2);
    EXPECT_EQ(contributions.Shares()[0][0], 0);
    EXPECT_DOUBLE_EQ(contributions.Shares()[1][1], modParameters::CurrentTopic->pGetOptionSubTotal(1, 1));
    EXPECT_EQ(contributions.Leader(), 1);
    const VeltraneTopic &now = *modParameters::CurrentTopic;
    EXPECT_TRUE(contributions.accessibleDescription().startsWith(
        QStringLiteral("Car A scores %1: Price 0.000, Quality %2. Car B scores ")
            .arg(DisplayNumberText(now.GetScore(0)), DisplayNumberText(now.pGetOptionSubTotal(0, 1)))))
        << contributions.accessibleDescription().toStdString();

    // Closing it asks nothing; it stays ready for the next F9.
    analysis->close();
    EXPECT_TRUE(boxes.prompts().isEmpty());
    EXPECT_FALSE(analysis->isVisible());
    window->Form_KeyDown(&f9);
    EXPECT_EQ(window->Insight->Analysis(), analysis);
}

TEST_F(StabilityWindowTest, ConfidenceFiguresFollowSlidersAndSpreadsAndUndo)
{
    ShowCars();
    window->ResetHistory();
    modParameters::TopicChanged = false;
    frmAnalysis &analysis = OpenAnalysis();
    analysis.ShowView(2);
    EXPECT_EQ(analysis.tabViews->tabText(2), "Confidence");
    ConfidenceView &view = *analysis.Chances;
    ConfidenceRunner &runner = window->Insight->Figures();

    std::optional<Confidence> shown = Settled(runner, view);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->Best, Expected());
    EXPECT_EQ(shown->Draws, 10000);
    EXPECT_EQ(view.lblRatingSpread->text(), QString::fromUtf8("Every rating may be off by up to \u00B10.100"));
    EXPECT_TRUE(Slider("sliderScore", 0)
                    .toolTip()
                    .endsWith(QStringLiteral("\nBest in %1 of 10,000 draws when every rating may be off by "
                                             "\u00B10.100 and every weighting by \u00B10.100")
                                  .arg(DisplayChanceText(shown->Best[0]))));

    // A slider move: nothing of the old state is shown, then the new figures.
    WindowDriver::SendKey(Slider("sliderRating", 0), Qt::Key_Home);
    EXPECT_FALSE(view.Figures());
    shown = Settled(runner, view);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->Best, Expected());
    EXPECT_GT(shown->Best[1], 0.5);
    window->ResetHistory();
    modParameters::TopicChanged = false;

    // A spread change is a change of the topic, one undo step, and the figures follow.
    view.sldRatingSpread->setValue(25);
    EXPECT_EQ(modParameters::CurrentTopic->RatingSpread(), 0.25);
    EXPECT_TRUE(modParameters::TopicChanged);
    EXPECT_EQ(view.lblRatingSpread->text(), QString::fromUtf8("Every rating may be off by up to \u00B10.250"));
    EXPECT_EQ(window->History.UndoDescription(), "Change Rating Spread");
    shown = Settled(runner, view);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->Best, Expected());

    window->Undo();
    EXPECT_EQ(modParameters::CurrentTopic->RatingSpread(), 0.1);
    EXPECT_EQ(view.sldRatingSpread->value(), 10);
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_EQ(Settled(runner, view)->Best, Expected());
}

TEST_F(StabilityWindowTest, OnlyTheFiguresOfTheNewestStateAreShown)
{
    ShowCars();
    frmAnalysis &analysis = OpenAnalysis();
    analysis.ShowView(2);
    ConfidenceView &view = *analysis.Chances;
    ConfidenceRunner &runner = window->Insight->Figures();
    Settled(runner, view);

    // Whenever figures arrive, they are those of the topic as it stands.
    int arrivals = 0;
    QObject::connect(&runner, &ConfidenceRunner::Ready, &view, [&] {
        ++arrivals;
        ASSERT_TRUE(view.Figures());
        EXPECT_EQ(view.Figures()->Best, Expected());
    });
    // Two quick changes: the first one's count is still running when the second comes.
    view.sldWeightingSpread->setValue(30);
    EXPECT_TRUE(runner.IsBusy());
    view.sldWeightingSpread->setValue(0);
    WindowDriver::SendKey(Slider("sliderRating", 0), Qt::Key_End);
    EXPECT_EQ(modParameters::CurrentTopic->GetRating(0, 0), 1);
    EXPECT_FALSE(view.Figures());
    const std::optional<Confidence> shown = Settled(runner, view);
    ASSERT_TRUE(shown);
    EXPECT_EQ(arrivals, 1);
    EXPECT_EQ(shown->Best, Expected());
}

// A lead, a move or a range end smaller than the display shows is said in words.
TEST_F(StabilityWindowTest, WhatTheDisplayCannotShowIsSaidInWords)
{
    ShowCars();
    VeltraneTopic topic = *modParameters::CurrentTopic;
    topic.SetRating(1, 0, 0.5497); // Car B 0.0002 behind Car A
    TopicRanges ranges = TopicStability::AllRanges(topic);
    ranges.Closest = SliderChange{false, 1, 0, 0.5497, 0.5499, 1};
    EXPECT_EQ(DecisionInsight::GoldBarToolTip(topic, ranges),
              "Level with Car B as shown; ahead of it by less than 0.001. "
              "The smallest change that makes another option best: any increase of Car B's Price rating (Car B).");
    EXPECT_EQ(DecisionInsight::StableRangeText(topic, 0, {0.25, std::nextafter(1.0, 0.0), 1, 1}),
              "Car A stays best from 0.250 to just below 1.000. Below 0.250, Car B is best. At 1.000, Car B is best.");
}
