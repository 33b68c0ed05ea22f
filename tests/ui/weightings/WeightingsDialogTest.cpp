// SPDX-License-Identifier: GPL-3.0-or-later
#include "../main/MainWindowFixture.h"

#include "model/WeightingMethods.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/VLabel.h"
#include "ui/weightings/ComparePage.h"
#include "ui/weightings/RankPage.h"
#include "ui/weightings/SwingPage.h"
#include "ui/weightings/WeightingPreview.h"
#include "ui/weightings/frmWeightings.h"

#include <QAccessible>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

namespace {

class WeightingsDialogTest : public MainWindowTest
{
protected:
    // Price, Quality and Safety; Car A best on price, Car B on quality, Car C on safety.
    std::shared_ptr<VeltraneTopic> ShowCars()
    {
        auto topic = ShowTopic(3, 3);
        const char *attributes[] = {"Price", "Quality", "Safety"};
        const char *options[] = {"Car A", "Car B", "Car C"};
        for (int16_t k = 0; k < 3; ++k) {
            topic->SetAttributeName(k, QString::fromLatin1(attributes[k]));
            topic->SetOptionName(k, QString::fromLatin1(options[k]));
            for (int16_t j = 0; j < 3; ++j)
                topic->SetRating(k, j, k == j ? 0.9 : 0.2);
        }
        window->UpdateSliderArrays(false);
        window->ResetHistory();
        return topic;
    }

    // Opens the dialog by its key, on the tab given.
    frmWeightings &Open(int tab)
    {
        QKeyEvent f8(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
        EXPECT_TRUE(window->Form_KeyDown(&f8));
        EXPECT_TRUE(window->Weightings);
        window->Weightings->tabMethods->setCurrentIndex(tab);
        return *window->Weightings;
    }

    QList<double> Weightings() const
    {
        QList<double> weightings;
        for (int16_t j = 0; j < modParameters::CurrentTopic->TotalAttributes(); ++j)
            weightings.append(modParameters::CurrentTopic->GetWeighting(j));
        return weightings;
    }

    // Applies the dialog and checks that the preview told what the main window then shows:
    // the weightings, and the best option with its score.
    void ApplyAsPreviewed(frmWeightings &dialog)
    {
        const QList<double> previewed = dialog.Preview->Weightings();
        const int16_t best = dialog.Preview->BestOption();
        const double score = dialog.Preview->BestScore();
        ASSERT_TRUE(dialog.btnApply->isEnabled());
        dialog.btnApply->click();
        EXPECT_TRUE(dialog.isHidden());
        EXPECT_EQ(Weightings(), previewed);
        EXPECT_EQ(modParameters::CurrentTopic->GetScore(best), score);
        EXPECT_EQ(window->sliderScore[size_t(best)]->FullColor(), frmMain::BestScoreColour);
        EXPECT_TRUE(modParameters::CurrentTopic->WeightingsMatchMethod());
    }
};

} // namespace

TEST_F(WeightingsDialogTest, RankingByKeysWithATieIsOneUndoStep)
{
    ShowCars();
    const QList<double> before = Weightings();
    frmWeightings &dialog = Open(frmWeightings::RankTab);
    EXPECT_TRUE(dialog.lblNoLongerMatch->isHidden());
    // Equal weightings start as one tie; Safety first, then Price, then Quality.
    RankPage &rank = *dialog.Rank;
    EXPECT_EQ(rank.Inputs().Ranks, QList<int>({1, 1, 1}));
    for (int row = 1; row <= 2; ++row) {
        rank.lstRanks->setCurrentRow(row);
        ASSERT_TRUE(rank.chkTied->isChecked());
        rank.chkTied->click();
    }
    QKeyEvent altUp(QEvent::KeyPress, Qt::Key_Up, Qt::AltModifier);
    QApplication::sendEvent(rank.lstRanks, &altUp);
    QApplication::sendEvent(rank.lstRanks, &altUp);
    EXPECT_EQ(rank.Inputs().Ranks, QList<int>({2, 3, 1}));
    rank.lstRanks->setCurrentRow(2);
    rank.chkTied->click(); // Quality tied with Price
    EXPECT_EQ(rank.Inputs().Ranks, QList<int>({2, 2, 1}));
    EXPECT_TRUE(rank.lstRanks->item(2)->text().contains(QLatin1String("tied")));

    ApplyAsPreviewed(dialog);
    EXPECT_EQ(Weightings(), QList<double>({0.194, 0.194, 0.611}));
    EXPECT_EQ(modParameters::CurrentTopic->MethodInputs().Ranks, QList<int>({2, 2, 1}));
    EXPECT_TRUE(modParameters::TopicChanged);
    EXPECT_EQ(window->History.UndoDescription(), "Set Weightings from the ranking");
    window->Undo();
    EXPECT_EQ(Weightings(), before);
    EXPECT_EQ(modParameters::CurrentTopic->MethodInputs().Kind, WeightingMethodInputs::Method::None);
}

TEST_F(WeightingsDialogTest, SwingAnswersComeBackAndAHandMoveNoLongerMatches)
{
    auto topic = ShowCars();
    // A measured attribute's swing runs between its anchors, in its unit.
    topic->SetScale(0, AttributeScale{QStringLiteral("$"), 2000, 800, {}});
    const QLocale locale;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(SwingPage::SwingRange(*topic, 0), "from 2,000 $ to 800 $");
    QLocale::setDefault(locale);
    EXPECT_EQ(SwingPage::SwingRange(*topic, 1), "from its worst to its best rating");
    frmWeightings &dialog = Open(frmWeightings::SwingTab);
    EXPECT_TRUE(dialog.Swing->Problem().isEmpty());
    const int points[] = {100, 60, 30};
    for (int j = 0; j < 3; ++j)
        dialog.Swing->txtSwing[size_t(j)]->setValue(points[j]);
    EXPECT_EQ(dialog.Swing->sliderSwing[1]->value(), 60);
    ApplyAsPreviewed(dialog);
    EXPECT_EQ(Weightings(), QList<double>({0.526, 0.316, 0.158}));

    // Reopened on the same answers; Cancel changes nothing, not even with all points 0.
    frmWeightings &again = Open(frmWeightings::SwingTab);
    EXPECT_EQ(again.tabMethods->currentIndex(), frmWeightings::SwingTab);
    EXPECT_EQ(again.Swing->Inputs().Points, QList<double>({100, 60, 30}));
    EXPECT_TRUE(again.lblNoLongerMatch->isHidden());
    for (QSlider *slider : again.Swing->sliderSwing)
        slider->setValue(0);
    EXPECT_FALSE(again.btnApply->isEnabled());
    EXPECT_FALSE(again.Preview->ShownProblem().isEmpty());
    again.btnCancel->click();
    EXPECT_EQ(Weightings(), QList<double>({0.526, 0.316, 0.158}));

    window->sliderWeighting[0]->SetValue(40);
    frmWeightings &moved = Open(frmWeightings::SwingTab);
    EXPECT_FALSE(moved.lblNoLongerMatch->isHidden());
    EXPECT_TRUE(moved.lblNoLongerMatch->text().contains(QLatin1String("no longer match")));
    moved.reject();
}

TEST_F(WeightingsDialogTest, ComparisonsNameTheContradictionAndApplyWithNormalisedWeightings)
{
    auto topic = ShowCars();
    topic->SetNormaliseWeights(true);
    frmWeightings &dialog = Open(frmWeightings::CompareTab);
    ComparePage &compare = *dialog.Compare;
    ASSERT_EQ(compare.sliderPair.size(), 3u);
    // Price 3 times Quality, Quality 3 times Safety, but Safety 3 times Price.
    compare.sliderPair[0]->setValue(-2);
    compare.sliderPair[2]->setValue(-2);
    compare.sliderPair[1]->setValue(2);
    EXPECT_EQ(compare.lblPair[1]->text(), "Safety matters moderately more (1 : 3)");
    EXPECT_EQ(compare.sliderPair[1]->accessibleDescription(), compare.lblPair[1]->text());
    EXPECT_TRUE(compare.lblConsistency->text().contains(QLatin1String("contradict")));
    EXPECT_TRUE(compare.lblConsistency->text().contains(QLatin1String("Price against Quality")));
    ASSERT_TRUE(compare.btnUseFitting->isVisibleTo(&dialog));
    compare.UseFittingValue();
    EXPECT_GT(WeightingMethods::Pairwise(compare.Inputs().Judgements).ConsistencyRatio, 0);

    // Consistent answers 4 : 2 : 1.
    compare.sliderPair[0]->setValue(-1);
    compare.sliderPair[1]->setValue(-3);
    compare.sliderPair[2]->setValue(-1);
    EXPECT_TRUE(compare.btnUseFitting->isHidden());
    ApplyAsPreviewed(dialog);
    EXPECT_EQ(Weightings(), QList<double>({0.571, 0.286, 0.143}));
    EXPECT_EQ(topic->MethodInputs().Kind, WeightingMethodInputs::Method::Compare);
}

TEST_F(WeightingsDialogTest, TheButtonNeverCoversAnotherControl)
{
    auto topic = ShowTopic(2, 4);
    for (int16_t j = 0; j < 4; ++j)
        topic->SetAttributeName(j, j % 2 ? QStringLiteral("Battery life in hours") : QStringLiteral("Fan"));
    window->UpdateSliderArrays(false);
    int shown = 0;
    for (const bool weightingsShown : {true, false}) {
        if (window->ShowWeightings != weightingsShown)
            window->btnToggleWeightings_Click();
        for (int width = window->MinWindowWidth; width <= 1400; width += 97) {
            window->resize(width, 500);
            window->Form_Resize();
            if (window->btnWeightings->isHidden())
                continue;
            ++shown;
            const QRect button = window->btnWeightings->geometry();
            for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (control == window->btnWeightings || control->isHidden()
                    || control->objectName().startsWith(QLatin1String("pic"))
                    || control->objectName().startsWith(QLatin1String("shp")))
                    continue;
                EXPECT_FALSE(button.intersects(control->geometry()))
                    << width << " " << control->objectName().toStdString();
            }
        }
    }
    EXPECT_GT(shown, 8);
    EXPECT_TRUE(window->btnWeightings->toolTip().contains(QLatin1String("F8")));
}

TEST_F(WeightingsDialogTest, EveryControlAKeyReachesHasANameForScreenReaders)
{
    ShowCars();
    frmWeightings &dialog = Open(frmWeightings::RankTab);
    dialog.show();
    int named = 0;
    for (int tab = 0; tab < 3; ++tab) {
        dialog.tabMethods->setCurrentIndex(tab);
        for (QWidget *control : dialog.findChildren<QWidget *>()) {
            // A spin box's own text field is read out as part of the box.
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(&dialog)
                || qobject_cast<QAbstractSpinBox *>(control->parentWidget()))
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_TRUE(accessible);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
            ++named;
        }
    }
    EXPECT_GT(named, 15);
    dialog.reject();
}
