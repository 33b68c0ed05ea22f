#include "MainWindowFixture.h"

#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/VLabel.h"

#include <QWindow>

namespace {

const char *const Arrays[] = {"lblAttribute", "sliderWeighting", "lblWeighting", "lblOption", "sliderScore",
                              "lblScore",     "lblScoreTitle",   "sliderRating", "lblRating"};

} // namespace

TEST_F(MainWindowTest, ArraysGrowAndShrinkHighestIndexFirst)
{
    ShowTopic(3, 3);
    for (int k = 0; k < 9; ++k) {
        ASSERT_NE(Element<MeterSlider>("sliderRating", k), nullptr) << k;
        EXPECT_TRUE(Element("lblRating", k)->isVisible());
    }
    ASSERT_NE(Element("lblScoreTitle", 2), nullptr);
    ASSERT_EQ(Element("lblAttribute", 3), nullptr);

    std::vector<QWidget *> firsts;
    for (const char *array : Arrays)
        firsts.push_back(Element(array, 0));

    QStringList destroyed;
    QObject listening; // goes before the list does
    for (QObject *child : window->children())
        QObject::connect(child, &QObject::destroyed, &listening,
                         [&destroyed, name = child->objectName()] { destroyed << name; });

    ShowTopic(2, 2);
    const QStringList expected = {
        "lblAttribute(2)", "sliderWeighting(2)", "lblWeighting(2)",                      // attributes
        "sliderScore(2)",  "lblScore(2)",        "lblScoreTitle(2)", "lblOption(2)",     // options
        "sliderRating(8)", "lblRating(8)",       "sliderRating(7)",  "lblRating(7)",     // cells
        "sliderRating(6)", "lblRating(6)",       "sliderRating(5)",  "lblRating(5)",
        "sliderRating(4)", "lblRating(4)"};
    EXPECT_EQ(destroyed, expected);
    EXPECT_EQ(window->sliderRating.size(), 4u);
    EXPECT_EQ(Element("sliderRating", 4), nullptr);

    // Element 0 of every array survives every change, down to one option and attribute.
    ShowTopic(1, 1);
    ShowTopic(4, 2);
    for (size_t a = 0; a < std::size(Arrays); ++a)
        EXPECT_EQ(Element(Arrays[a], 0), firsts[a]) << Arrays[a];
    EXPECT_EQ(window->lblRating.size(), 8u);
    EXPECT_EQ(window->lblOption[3]->Caption(), "Option 4");
    EXPECT_EQ(window->lblAttribute[1]->Caption(), "Attribute 2");
}

TEST_F(MainWindowTest, ButtonsFollowTheLimits)
{
    ShowTopic(1, 1);
    EXPECT_FALSE(window->btnRemoveAttribute->isEnabled());
    EXPECT_FALSE(window->btnRemoveOption->isEnabled());
    EXPECT_TRUE(window->btnAddAttribute->isEnabled());
    EXPECT_TRUE(window->btnAddOption->isEnabled());
    EXPECT_FALSE(window->sliderWeighting[0]->isEnabled()) << "a single weighting cannot change";

    ShowTopic(10, 10);
    EXPECT_FALSE(window->btnAddAttribute->isEnabled());
    EXPECT_FALSE(window->btnAddOption->isEnabled());
    EXPECT_TRUE(window->btnRemoveAttribute->isEnabled());
    EXPECT_TRUE(window->sliderWeighting[0]->isEnabled());

    modParameters::CurrentTopic->DeleteAttribute(3);
    window->UpdateSliderArrays(false);
    EXPECT_TRUE(window->btnAddAttribute->isEnabled());
    EXPECT_FALSE(window->btnAddOption->isEnabled());
    EXPECT_EQ(window->lblAttribute[3]->Caption(), "Attribute 5") << "names move with their attribute";
}

TEST_F(MainWindowTest, IndexesMapToIdentifiers)
{
    ShowTopic(3, 4);
    EXPECT_EQ(window->TranslateToIndex(2, 3), 11);
    EXPECT_EQ(window->GetOptionIDFromIndex(11), 2);
    EXPECT_EQ(window->GetAttributeIDFromIndex(11), 3);
    EXPECT_EQ(window->GetOptionIDFromIndex(4), 1);
    EXPECT_EQ(window->GetAttributeIDFromIndex(4), 0);

    // While topic and controls disagree, the loaded weighting labels count.
    modParameters::CurrentTopic->SetTotalAttributes(3);
    EXPECT_EQ(window->GetAttributeIDFromIndex(5), 2);
    EXPECT_EQ(window->GetAttributeIDFromIndex(5, true), 1);
    EXPECT_EQ(window->GetOptionIDFromIndex(5, true), 1);
    EXPECT_EQ(window->GetOptionIDFromIndex(5), 1);
    EXPECT_EQ(window->GetOptionIDFromIndex(9, true), 2);
    EXPECT_EQ(window->GetOptionIDFromIndex(9), 3);
}

TEST_F(MainWindowTest, FixedControlsCarryTheirDesign)
{
    EXPECT_EQ(window->objectName(), "frmMain");
    EXPECT_EQ(Find<VLabel>("lblScores")->Caption(), "Scores");
    EXPECT_EQ(Find<VLabel>("lblWeightings")->Caption(), "Weightings");
    EXPECT_EQ(Find<VLabel>("lblRatings")->Caption(), "Ratings");
    EXPECT_EQ(Find<VLabel>("lblLoading")->Caption(), "Loading...");
    EXPECT_EQ(QFontInfo(window->lblTitle->font()).family(), QFontInfo(QFont("Comic Neue")).family());
    EXPECT_TRUE(window->lblTitle->font().bold());
    EXPECT_DOUBLE_EQ(window->lblTitle->font().pointSizeF(), 12);
    EXPECT_DOUBLE_EQ(window->lblScores->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(window->lblOption[0]->font().pointSizeF(), 8.25);
    EXPECT_EQ(Find("btnNew")->toolTip(), "Start New Topic");
    EXPECT_EQ(Find("btnLoad")->toolTip(), "Load Topic");
    EXPECT_EQ(Find("btnSave")->toolTip(), "Save Topic");
    EXPECT_EQ(Find("btnSettings")->toolTip(), "Change Veltrane Settings");
    EXPECT_EQ(Find("btnAddOption")->toolTip(), "Add Option");
    EXPECT_EQ(Find("btnAddAttribute")->toolTip(), "Add Attribute");
    EXPECT_EQ(Find("btnRemoveOption")->toolTip(), "Delete Option");
    EXPECT_EQ(Find("btnRemoveAttribute")->toolTip(), "Delete Attribute");
    EXPECT_EQ(Find("btnToggleWeightings")->toolTip(), "Hide Weightings");
    for (const char *name : {"txtEditBox", "txtFontCalc", "txtHiddenButton", "txtTabDetectorForward",
                             "txtTabDetectorBack", "picMask", "picCapture", "picScoreFrame", "picWeightingFrame",
                             "picRatingFrame", "shpHighlight", "shpHighlight2", "shpHighlight3", "lblHighlight",
                             "imgResizeTab", "btnImageStore", "tmrTabFixer"})
        EXPECT_NE(window->findChild<QObject *>(name), nullptr) << name;
    EXPECT_EQ(Find("txtHiddenButton")->x(), -500);
    EXPECT_EQ(Element<MeterSlider>("sliderRating", 0)->FullColor(), 0x32CB96u);
    EXPECT_EQ(Element<MeterSlider>("sliderWeighting", 0)->FullColor(), 0xE3CE6Cu);
}

// The mask is painted light towards its bottom-right corner, whenever a person can see it:
// during a load in the window on the screen, and when a window not yet shown shows it.
TEST_F(MainWindowTest, LoadingMaskShowsItsGradient)
{
    const auto gradientShown = [](PictureBox &mask) {
        const QImage image = mask.grab().toImage();
        return QColor(image.pixel(1, 1)) == QColor(145, 200, 255)
               && QColor(image.pixel(image.width() - 2, image.height() - 2)).blue() == 255
               && QColor(image.pixel(image.width() - 2, image.height() - 2)).red() > 215;
    };
    for (int turn = 0; turn < 100 && !window->windowHandle()->isExposed(); ++turn)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(window->windowHandle()->isExposed());
    window->StartLoad();
    EXPECT_TRUE(gradientShown(*window->picMask));
    window->EndLoad();

    frmMain unshown;
    unshown.StartLoad();
    EXPECT_TRUE(gradientShown(*unshown.picMask));
    unshown.EndLoad();
}
