// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "WindowDriver.h"

#include "ui/main/MeterSlider.h"
#include "ui/support/VLabel.h"

#include <QLabel>
#include <QLocale>

using namespace WindowDriver;

// A price typed into a cell shows in dollars, rates on its scale, moves with the slider,
// and every step of it comes back with undo; the marks beside the names follow.
TEST_F(MainWindowTest, ATypedPriceShowsInItsUnitAndTheSliderMovesIt)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    frmMain::InstallWindowHooks();
    const auto topic = ShowTopic(2, 2);
    topic->SetAttributeName(0, "Price");
    topic->SetOptionName(0, "Laptop A");
    topic->SetOptionName(1, "Laptop C");
    window->resize(700, 500);
    Activate(*window);
    window->ResetHistory();

    window->ApplyMeasure(0, AttributeScale{"$", 2000, 800, {}}, false);
    const auto *mark = Find<QLabel>("lblMeasureMark(0)");
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->text(), "($)");
    EXPECT_TRUE(mark->isVisible());
    EXPECT_GE(mark->x(), window->lblAttribute[0]->geometry().right());

    // The price goes in as people write it; Tab leads on to a cell rated by hand, whose
    // edit takes a rating and nothing else again.
    Click(*window->lblRating[0]);
    Type("1,299.50 $");
    Key(Qt::Key_Tab);
    Type("0.55 x");
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 1), 0.55);
    EXPECT_EQ(topic->GetValue(0, 0), 1299.5);
    EXPECT_NEAR(topic->GetRating(0, 0), 0.584, 0.0005);
    EXPECT_EQ(window->lblRating[0]->Caption(), "1,299.5 $");
    EXPECT_EQ(window->lblRating[0]->toolTip(), "1,299.5 $ rates 0.584");
    // The slider's range is told in dollars: Laptop A leads while it is cheap enough.
    EXPECT_EQ(window->sliderRating[0]->toolTip(),
              "Laptop A stays best while its Price is at most 1,460 $. Above 1,460 $, Laptop C is best.");

    // Dragging the slider moves the price along the scale; the label follows.
    window->sliderRating[0]->SetValue(75);
    EXPECT_DOUBLE_EQ(topic->GetValue(0, 0), 1100);
    EXPECT_EQ(window->lblRating[0]->Caption(), "1,100 $");

    // A programmed slider move is no finished drag: the typed rating, then the typed price
    // are the last steps.
    window->Undo();
    window->Undo();
    EXPECT_FALSE(modParameters::CurrentTopic->HasValue(0, 0));
    window->Undo();
    EXPECT_FALSE(modParameters::CurrentTopic->HasScale(0));
    EXPECT_TRUE(mark->isHidden());

    // Rated by hand, lower being better: the arrow shows.
    window->ApplyMeasure(1, std::nullopt, true);
    EXPECT_TRUE(modParameters::CurrentTopic->CountsAgainst(1));
    EXPECT_EQ(Find<QLabel>("lblMeasureMark(1)")->text(), "\u2193");
    QLocale::setDefault(before);
}
