#include "MainWindowFixture.h"
#include "WindowDriver.h"

#include "support/VeltraneError.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/VLabel.h"

#include <QLocale>

using namespace WindowDriver;

namespace {

constexpr uint32_t Gold = 0x0CC0FE;
constexpr uint32_t Orange = 0x0980FD;

// Moves a slider to a whole value the way a user does it from the keyboard.
void KeyTo(MeterSlider &slider, int value)
{
    SendKey(slider, Qt::Key_Home);
    for (int i = 0; i < value / 10; ++i)
        SendKey(slider, Qt::Key_PageUp);
    for (int i = 0; i < value % 10; ++i)
        SendKey(slider, Qt::Key_Right);
}

} // namespace

TEST_F(MainWindowTest, RatingSliderRescoresLive)
{
    auto topic = ShowTopic(2, 2);
    window->resize(700, 500);
    modParameters::TopicChanged = false;
    for (MeterSlider *bar : window->sliderScore)
        EXPECT_EQ(bar->FullColor(), Gold) << "all scores equal: all gold";

    KeyTo(*window->sliderRating[1], 75); // option 0, attribute 1
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 1), 0.75);
    EXPECT_EQ(window->lblRating[1]->Caption(), "0.750");
    EXPECT_DOUBLE_EQ(topic->GetScore(0), 0.625);
    EXPECT_EQ(window->lblScore[0]->Caption(), "0.625");
    EXPECT_EQ(window->lblScore[1]->Caption(), "0.500");
    EXPECT_FLOAT_EQ(window->sliderScore[0]->Value(), 62.5f);
    EXPECT_EQ(window->sliderScore[0]->FullColor(), Gold);
    EXPECT_EQ(window->sliderScore[1]->FullColor(), Orange);
    EXPECT_TRUE(modParameters::TopicChanged);

    // A drag with the mouse: the value under the pointer is stored and shown.
    MeterSlider &cell = *window->sliderRating[3]; // option 1, attribute 1
    Press(cell, QPoint(cell.width() - 2, cell.height() / 2));
    Drag(cell, QPoint(cell.width(), cell.height() / 2));
    Release(cell, QPoint(cell.width(), cell.height() / 2));
    EXPECT_DOUBLE_EQ(topic->GetRating(1, 1), 1.0);
    EXPECT_EQ(window->lblRating[3]->Caption(), "1.000");
    EXPECT_EQ(window->lblScore[1]->Caption(), "0.750");
    EXPECT_EQ(window->sliderScore[1]->FullColor(), Gold);
    EXPECT_EQ(window->sliderScore[0]->FullColor(), Orange);

    // The same values as percentages.
    modParameters::DisplayAsDecimal = false;
    window->UpdateSettings();
    EXPECT_EQ(window->lblRating[1]->Caption(), "75.0%");
    EXPECT_EQ(window->lblScore[0]->Caption(), "62.5%");
    KeyTo(*window->sliderRating[0], 25);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 0), 0.25);
    EXPECT_EQ(window->lblRating[0]->Caption(), "25.0%");
    EXPECT_EQ(window->lblScore[0]->Caption(), "50.0%");
}

TEST_F(MainWindowTest, EqualBestScoresAreAllGold)
{
    auto topic = ShowTopic(3, 2);
    topic->SetRating(0, 0, 0.9);
    topic->SetRating(2, 0, 0.9);
    window->UpdateSettings();
    EXPECT_EQ(window->sliderScore[0]->FullColor(), Gold);
    EXPECT_EQ(window->sliderScore[1]->FullColor(), Orange);
    EXPECT_EQ(window->sliderScore[2]->FullColor(), Gold);
}

TEST_F(MainWindowTest, NormalisedWeightingSliderMovesTheOthers)
{
    auto topic = ShowTopic(2, 3);
    topic->SetNormaliseWeights(true);
    window->UpdateSettings();
    EXPECT_EQ(window->lblWeighting[1]->Caption(), "0.333");
    KeyTo(*window->sliderWeighting[0], 80);
    EXPECT_DOUBLE_EQ(topic->GetWeighting(0), 0.8);
    EXPECT_EQ(window->lblWeighting[0]->Caption(), "0.800");
    EXPECT_EQ(window->lblWeighting[1]->Caption(), "0.100");
    EXPECT_EQ(window->lblWeighting[2]->Caption(), "0.100");
    EXPECT_FLOAT_EQ(window->sliderWeighting[2]->Value(), 10.0f);
}

TEST_F(MainWindowTest, DisplayConversionsFollowTheDisplayForm)
{
    ShowTopic(1, 1);
    QLocale::setDefault(QLocale::c());
    modParameters::DisplayAsDecimal = true;
    EXPECT_EQ(frmMain::FormatNumberForDisplay(0.5), "0.500");
    EXPECT_EQ(frmMain::FormatNumberForDisplay(1), "1.000");
    EXPECT_DOUBLE_EQ(frmMain::NormaliseNumericInput("0.75"), 0.75);
    EXPECT_DOUBLE_EQ(frmMain::NormaliseNumericInput("3"), 1.0);
    EXPECT_DOUBLE_EQ(frmMain::NormaliseNumericInput("50%"), 1.0) << "a left-over percentage is not halved";
    EXPECT_THROW(frmMain::NormaliseNumericInput("."), VeltraneError);

    modParameters::DisplayAsDecimal = false;
    EXPECT_EQ(frmMain::FormatNumberForDisplay(0.5), "50.0%");
    EXPECT_DOUBLE_EQ(frmMain::NormaliseNumericInput("75"), 0.75);
    EXPECT_DOUBLE_EQ(frmMain::NormaliseNumericInput("75%"), 0.75);
    EXPECT_DOUBLE_EQ(frmMain::NormaliseNumericInput("150"), 1.0);
    modParameters::CurrentTopic->SetRounding(2);
    EXPECT_EQ(frmMain::FormatNumberForDisplay(0.5), "50%");
    modParameters::CurrentTopic->SetRounding(4);
    EXPECT_EQ(frmMain::FormatNumberForDisplay(0.1234), "12.34%");

    QLocale::setDefault(QLocale(QLocale::German));
    modParameters::DisplayAsDecimal = true;
    modParameters::CurrentTopic->SetRounding(3);
    EXPECT_EQ(frmMain::FormatNumberForDisplay(0.25), "0,250");
    EXPECT_DOUBLE_EQ(frmMain::NormaliseNumericInput("0,25"), 0.25);
    QLocale::setDefault(QLocale::c());
}

TEST_F(MainWindowTest, EditedCaptionsEnterTheTopic)
{
    auto topic = ShowTopic(3, 3);
    window->resize(700, 500);
    modParameters::TopicChanged = false;

    window->lblTitle->SetCaption("Which car?");
    EXPECT_EQ(topic->Title(), "Which car?");
    EXPECT_EQ(window->windowTitle(), "Which car? - Veltrane");
    EXPECT_TRUE(modParameters::TopicChanged);

    window->lblAttribute[2]->SetCaption("Speed");
    EXPECT_EQ(topic->GetAttributeName(2), "Speed");
    EXPECT_EQ(window->lblAttribute[2]->toolTip(), "Attribute 3: Speed");
    window->lblAttribute[2]->SetCaption("Attribute 3");
    EXPECT_EQ(window->lblAttribute[2]->toolTip(), "Attribute 3");

    const QString longName = "A remarkably long option name that cannot fit anywhere near the column";
    window->lblOption[1]->SetCaption(longName);
    EXPECT_EQ(topic->GetOptionName(1), longName);
    EXPECT_TRUE(window->lblOption[1]->Caption().endsWith(QChar(0x2026)));
    EXPECT_EQ(window->lblOption[1]->Tag(), longName);
    EXPECT_EQ(window->lblOption[1]->toolTip(), "Option 2: " + longName);

    window->lblRating[4]->SetCaption("0.25");
    EXPECT_DOUBLE_EQ(topic->GetRating(1, 1), 0.25);
    EXPECT_EQ(window->lblRating[4]->Caption(), "0.250");
    EXPECT_FLOAT_EQ(window->sliderRating[4]->Value(), 25.0f);

    window->lblWeighting[0]->SetCaption("1");
    EXPECT_DOUBLE_EQ(topic->GetWeighting(0), 1.0);
    EXPECT_EQ(window->lblWeighting[0]->Caption(), "1.000");

    // Text that is no number changes nothing and the display shows the topic again.
    window->lblRating[4]->SetCaption("abc");
    EXPECT_DOUBLE_EQ(topic->GetRating(1, 1), 0.25);
    EXPECT_EQ(window->lblRating[4]->Caption(), "0.250");
}

TEST_F(MainWindowTest, ScoreTitlesAreShortenedWithTheFullNameAsTooltip)
{
    auto topic = ShowTopic(3, 2);
    window->resize(window->MinWindowWidth, window->MinWindowHeight);
    EXPECT_EQ(window->lblScoreTitle[0]->toolTip(), "Scores for option 1");
    EXPECT_EQ(window->sliderScore[0]->x(), window->lblScores->x() + 100 + 20) << "short names: 100 wide column";

    const QString longName = "The third and by far the longest option of them all, with a name to match";
    topic->SetOptionName(2, longName);
    window->UpdateSliderArrays(false);
    const VLabel *title = window->lblScoreTitle[2];
    EXPECT_TRUE(title->Caption().endsWith(QChar(0x2026)));
    EXPECT_EQ(title->toolTip(), "Scores for option 3: " + longName);
    EXPECT_EQ(window->sliderScore[0]->x(), window->lblScores->x() + title->width() + 20);
    EXPECT_EQ(title->x() + title->width(), window->sliderScore[2]->x() - 10);
}

// A refresh shows the topic as it is, whatever it holds: more places than the labels show,
// normalised weightings that do not add up to 1, in either display form.
TEST_F(MainWindowTest, ARefreshStoresNothing)
{
    auto topic = ShowTopic(2, 3);
    topic->SetNormaliseWeights(true);
    topic->pSetWeighting(0, 0.5, false);
    topic->pSetWeighting(1, 0.3, false);
    topic->SetRating(0, 0, 0.2004);
    const VeltraneTopic before = *topic;
    const int stores = window->ValueStores();
    for (const bool decimal : {false, true}) {
        modParameters::DisplayAsDecimal = decimal;
        window->UpdateSettings();
    }
    EXPECT_EQ(window->lblRating[0]->Caption(), "0.200");
    EXPECT_EQ(window->lblWeighting[0]->Caption(), "0.385");
    EXPECT_TRUE(*topic == before);
    EXPECT_EQ(window->ValueStores(), stores);
}

TEST_F(MainWindowTest, OneSliderStepStoresOnce)
{
    auto topic = ShowTopic(2, 3);
    int before = window->ValueStores();
    SendKey(*window->sliderRating[1], Qt::Key_Right);
    EXPECT_EQ(window->ValueStores() - before, 1) << "the value change and the adjustment are one step";
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 1), 0.51);

    // Normalised weightings, unrounded or rounded, as decimals or percentages: at every
    // point of the track one store, and the moved weighting holds what its label shows.
    topic->SetNormaliseWeights(true);
    for (const int16_t rounding : {int16_t(-1), int16_t(3)}) {
        for (const bool decimal : {true, false}) {
            topic->SetRounding(rounding);
            modParameters::DisplayAsDecimal = decimal;
            window->UpdateSettings();
            MeterSlider &slider = *window->sliderWeighting[1];
            for (int x = 1; x < slider.width(); ++x) {
                const float was = slider.Value();
                before = window->ValueStores();
                Press(slider, QPoint(x, slider.height() / 2));
                Release(slider, QPoint(x, slider.height() / 2));
                EXPECT_EQ(window->ValueStores() - before, slider.Value() == was ? 0 : 1) << x;
                ASSERT_DOUBLE_EQ(frmMain::NormaliseNumericInput(window->lblWeighting[1]->Caption()),
                                 topic->GetWeighting(1)) << "at " << x;
                for (int16_t j = 0; j < topic->TotalAttributes(); ++j)
                    ASSERT_EQ(window->lblWeighting[j]->Caption(), frmMain::FormatNumberForDisplay(topic->GetWeighting(j)))
                        << "at " << x << ", weighting " << j;
            }
        }
    }
}

// Typed into any of ten normalised weightings of every size, a value shows as typed: the
// others make room for it and nothing moves it again.
TEST_F(MainWindowTest, ATypedWeightingShowsAsTyped)
{
    auto topic = ShowTopic(1, 10);
    topic->SetNormaliseWeights(true);
    for (int16_t j = 0; j < 10; ++j)
        topic->pSetWeighting(j, 0.02 + 0.09 * j, false);
    window->UpdateSettings();
    for (const QString typed : {"0.37", "0.99", "0.123", "0.5", "0.001"}) {
        for (int16_t j = 0; j < 10; ++j) {
            const int before = window->ValueStores();
            const bool unchanged = window->lblWeighting[j]->Caption() == typed;
            window->lblWeighting[j]->SetCaption(typed);
            EXPECT_EQ(window->ValueStores() - before, unchanged ? 0 : 1);
            EXPECT_EQ(window->lblWeighting[j]->Caption(), frmMain::FormatNumberForDisplay(typed.toDouble()))
                << typed.toStdString() << " into " << j;
            EXPECT_DOUBLE_EQ(topic->GetWeighting(j), typed.toDouble());
        }
    }
}
