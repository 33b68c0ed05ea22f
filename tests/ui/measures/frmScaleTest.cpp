// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/measures/ScaleDrawing.h"
#include "ui/measures/frmScale.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

TEST(frmScale, EditsAScaleThatTheDrawingFollows)
{
    QLocale::setDefault(QLocale::c());
    frmScale dialog("Price", AttributeScale{"$", 2000, 800, {{1500, 0.6}}}, false);
    auto *worst = dialog.findChild<QLineEdit *>("txtWorst");
    auto *points = dialog.findChild<QTableWidget *>("tblPoints");
    auto *drawing = dialog.findChild<ScaleDrawing *>("picFunction");
    ASSERT_TRUE(worst && points && drawing);
    EXPECT_EQ(worst->text(), "2000");
    EXPECT_EQ(points->rowCount(), 1);
    EXPECT_EQ(drawing->Scale(), (AttributeScale{"$", 2000, 800, {{1500, 0.6}}}));

    // A point out of the anchors' span: OK is refused, the drawing shows none.
    dialog.findChild<QPushButton *>("btnAddPoint")->click();
    points->item(1, 0)->setText("2500");
    points->item(1, 1)->setText("0.3");
    EXPECT_FALSE(dialog.findChild<QPushButton *>("btnOK")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QLabel *>("lblProblem")->text().isEmpty());
    EXPECT_FALSE(drawing->Scale().has_value());
    // Points typed out of order are taken from worst to best.
    points->item(1, 0)->setText("1800");
    EXPECT_EQ(dialog.Scale(), (AttributeScale{"$", 2000, 800, {{1800, 0.3}, {1500, 0.6}}}));
    worst->setText("1,900 $");
    EXPECT_EQ(drawing->Scale()->Worst, 1900);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.Measured());
}

TEST(frmScale, RatedByHandOffersLowerIsBetterAndDropsTheScale)
{
    frmScale byHand("Noise", std::nullopt, true);
    EXPECT_TRUE(byHand.findChild<QRadioButton *>("optByHand")->isChecked());
    EXPECT_TRUE(byHand.LowerBetter());
    byHand.findChild<QRadioButton *>("optMeasured")->setChecked(true);
    EXPECT_FALSE(byHand.findChild<QPushButton *>("btnOK")->isEnabled()); // nothing typed yet
    EXPECT_FALSE(byHand.LowerBetter());

    frmScale measured("Price", AttributeScale{"$", 2000, 800, {}}, false);
    measured.findChild<QRadioButton *>("optByHand")->setChecked(true);
    EXPECT_FALSE(measured.Measured());
    EXPECT_FALSE(measured.Scale().has_value());
    EXPECT_TRUE(measured.findChild<QPushButton *>("btnOK")->isEnabled());
}
