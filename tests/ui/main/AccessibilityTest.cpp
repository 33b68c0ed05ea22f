// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/VLabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QLineEdit>

namespace {

class AccessibilityTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        topic = ShowTopic(2, 2);
        window->ResetHistory();
        Element<VLabel>("lblOption", 0)->SetCaption(QStringLiteral("Car A"));
        Element<VLabel>("lblAttribute", 1)->SetCaption(QStringLiteral("Price"));
    }

    static QAccessibleInterface *Of(QWidget *widget)
    {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        EXPECT_NE(face, nullptr);
        return face;
    }

    std::shared_ptr<VeltraneTopic> topic;
};

} // namespace

TEST_F(AccessibilityTest, SlidersAreNamedSettableSlidersAndScoresAreProgressBars)
{
    // Option 0, attribute 1: the second cell.
    QAccessibleInterface *rating = Of(Element("sliderRating", 1));
    EXPECT_EQ(rating->role(), QAccessible::Slider);
    EXPECT_EQ(rating->text(QAccessible::Name), "Rating of Car A on Price");
    QAccessibleValueInterface *value = rating->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toDouble(), 0);
    EXPECT_EQ(value->maximumValue().toDouble(), 100);
    EXPECT_EQ(value->currentValue().toDouble(), 50);
    EXPECT_EQ(Of(Element("sliderWeighting", 1))->text(QAccessible::Name), "Weighting of Price");

    // Set as a screen reader does: the topic is scored and the change can be undone.
    value->setCurrentValue(90.0);
    EXPECT_EQ(Element<MeterSlider>("sliderRating", 1)->Value(), 90);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 1), 0.9);
    EXPECT_DOUBLE_EQ(topic->GetScore(0), 0.7);
    EXPECT_EQ(window->History.UndoSteps(), 1);

    QAccessibleInterface *score = Of(Element("sliderScore", 0));
    EXPECT_EQ(score->role(), QAccessible::ProgressBar);
    EXPECT_EQ(score->text(QAccessible::Name), "Score of Car A");
    EXPECT_TRUE(score->state().readOnly);
    EXPECT_EQ(score->valueInterface()->currentValue().toDouble(), 70);
    score->valueInterface()->setCurrentValue(10.0);
    EXPECT_EQ(Element<MeterSlider>("sliderScore", 0)->Value(), 70);

    // Names follow renames, and the rows added later are named too.
    Element<VLabel>("lblOption", 0)->SetCaption(QStringLiteral("Car B"));
    EXPECT_EQ(rating->text(QAccessible::Name), "Rating of Car B on Price");
    EXPECT_EQ(score->text(QAccessible::Name), "Score of Car B");
    window->btnAddOption_Click();
    EXPECT_EQ(Of(Element("sliderRating", 5))->text(QAccessible::Name), "Rating of Option 3 on Price");
}

TEST_F(AccessibilityTest, ImageButtonsArePushButtonsNamedByTheirTooltips)
{
    QAccessibleInterface *save = Of(window->btnSave);
    EXPECT_EQ(save->role(), QAccessible::Button);
    EXPECT_EQ(save->text(QAccessible::Name), "Save Topic");
    EXPECT_EQ(Of(window->btnToggleScore)->text(QAccessible::Name), window->btnToggleScore->toolTip());

    QAccessibleInterface *add = Of(window->btnAddAttribute);
    ASSERT_NE(add->actionInterface(), nullptr);
    EXPECT_TRUE(add->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    add->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(topic->TotalAttributes(), 3);

    // A disabled button is not pressed.
    window->btnRemoveAttribute->setEnabled(false);
    Of(window->btnRemoveAttribute)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(topic->TotalAttributes(), 3);
}

TEST_F(AccessibilityTest, EditableLabelsSayWhatTheyHoldAndAPressEdits)
{
    window->show();
    QAccessibleInterface *option = Of(Element("lblOption", 0));
    EXPECT_EQ(option->role(), QAccessible::StaticText);
    EXPECT_EQ(option->text(QAccessible::Name), "Car A");
    EXPECT_EQ(option->text(QAccessible::Description), "Option name; click to edit");
    EXPECT_EQ(Of(Element("lblRating", 0))->text(QAccessible::Description), "Rating; click to edit");
    EXPECT_EQ(Of(window->lblTitle)->text(QAccessible::Description), "Topic title; click to edit");

    option->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(window->txtEditBox->isHidden());
    EXPECT_EQ(window->txtEditBox->text(), "Car A");

    // A label that only shows a text is plain static text.
    QAccessibleInterface *scoreTitle = Of(Element("lblScoreTitle", 0));
    EXPECT_EQ(scoreTitle->text(QAccessible::Name), "Car A");
    EXPECT_FALSE(scoreTitle->text(QAccessible::Description).contains("edit"));
    EXPECT_FALSE(scoreTitle->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

TEST_F(AccessibilityTest, TheSliderFocusMarkShowsOnScreenButNotInPictures)
{
    window->show();
    window->activateWindow();
    auto *slider = Element<MeterSlider>("sliderRating", 1);
    slider->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    if (!slider->hasFocus())
        GTEST_SKIP() << "this platform gives no focus";
    slider->SetStableRange(20, 60); // its marks must not leave their colour to the focus mark
    const QRect area = slider->geometry();
    const QImage focused = window->grab().toImage().copy(area);
    window->CaptureWindow();
    const QImage captured = window->picCapture->Picture().copy(area);
    EXPECT_TRUE(slider->hasFocus());
    EXPECT_EQ(window->grab().toImage().copy(area), focused);

    window->setFocus();
    QApplication::processEvents();
    const QImage unfocused = window->grab().toImage().copy(area);
    EXPECT_NE(focused, unfocused);
    // The mark keeps to the edge: the value shows through it.
    const QRect inside = QRect(QPoint(), area.size()).adjusted(2, 2, -2, -2);
    EXPECT_EQ(focused.copy(inside), unfocused.copy(inside));
    EXPECT_EQ(captured, unfocused.convertToFormat(captured.format()));
}
