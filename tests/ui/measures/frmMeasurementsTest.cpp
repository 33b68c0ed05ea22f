// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/MeasurementTable.h"
#include "ui/measures/frmMeasurements.h"
#include "ui/support/MeasureText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

template <typename Widget>
Widget *find(const QWidget &dialog, const QString &name)
{
    auto *widget = dialog.findChild<Widget *>(name);
    EXPECT_TRUE(widget) << name.toStdString();
    return widget;
}

} // namespace

TEST(MeasureText, ShowsSixDigitsInTheLocaleAndReadsTypedValuesBack)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(MeasureText(1299, "$"), "1,299 $");
    EXPECT_EQ(MeasureText(9, "h"), "9 h");
    EXPECT_EQ(MeasureText(1412.34567, "$"), "1,412.35 $");
    EXPECT_EQ(MeasureText(1234567, {}), "1,234,570");
    EXPECT_EQ(MeasureText(0.000123456789, "g"), "0.000123457 g");
    EXPECT_EQ(MeasureText(-0.0000001, {}), "-0.0000001");
    EXPECT_EQ(ParseMeasureText("1,299 $", "$"), 1299);
    EXPECT_EQ(ParseMeasureText("1299.5", "$"), 1299.5);
    EXPECT_EQ(ParseMeasureText("1.4kg", "kg"), 1.4);
    EXPECT_FALSE(ParseMeasureText("cheap", "$").has_value());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(MeasureText(1299.5, "\u20ac"), "1.299,5 \u20ac");
    EXPECT_EQ(ParseMeasureText("1.299,5", "\u20ac"), 1299.5);
    EXPECT_EQ(ParseMeasureText("2.5", {}), 2.5); // not grouped by threes: the C locale's reading
    QLocale::setDefault(QLocale::c());
}

TEST(frmMeasurements, ChoosesNamesColumnsRowsAndAnchors)
{
    QLocale::setDefault(QLocale::c());
    QString sheet = "Product,Price ($),Battery (h),Colour\n";
    for (int i = 1; i <= 30; ++i)
        sheet += QStringLiteral("Laptop %1,%2,%3,%4\n").arg(i).arg(700 + 50 * i).arg(4 + i % 9).arg(i % 2 ? "red" : "blue");
    const MeasurementTable table = MeasurementTable::FromText(sheet);
    frmMeasurements dialog(table, MeasurementImport::DefaultChoice(table, "Laptops"));

    EXPECT_EQ(find<QComboBox>(dialog, "cboNames")->currentText(), "Product");
    EXPECT_EQ(find<QLabel>(dialog, "lblRowsChosen")->text(), "10 of 30 chosen");
    EXPECT_EQ(find<QComboBox>(dialog, "cboDirection(1)")->currentText(), "Lower is better");
    EXPECT_EQ(find<QLineEdit>(dialog, "txtWorst(1)")->text(), "1200");
    EXPECT_EQ(find<QLineEdit>(dialog, "txtBest(1)")->text(), "750");
    EXPECT_EQ(find<QComboBox>(dialog, "cboDirection(3)")->count(), 1); // colours are not measured

    // Eleven rows are too many: OK is refused and the dialog says why.
    auto *rows = find<QListWidget>(dialog, "lstRows");
    rows->item(20)->setCheckState(Qt::Checked);
    EXPECT_EQ(find<QLabel>(dialog, "lblProblem")->text(), "Choose at most 10 rows as options.");
    EXPECT_FALSE(find<QPushButton>(dialog, "btnOK")->isEnabled());

    // Search finds the row; the anchors follow the chosen rows until typed.
    find<QLineEdit>(dialog, "txtFilter")->setText("laptop 2");
    EXPECT_FALSE(rows->item(20)->isHidden());
    EXPECT_TRUE(rows->item(2)->isHidden());
    rows->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_TRUE(find<QPushButton>(dialog, "btnOK")->isEnabled());
    EXPECT_EQ(find<QLineEdit>(dialog, "txtBest(1)")->text(), "800");
    find<QLineEdit>(dialog, "txtWorst(2)")->setText("3");
    emit find<QLineEdit>(dialog, "txtWorst(2)")->textEdited("3");
    find<QComboBox>(dialog, "cboDirection(2)")->setCurrentIndex(1);
    find<QCheckBox>(dialog, "chkUse(3)")->setChecked(true);

    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const MeasurementChoice choice = dialog.Choice();
    EXPECT_EQ(choice.NameColumn, 0);
    EXPECT_EQ(choice.Rows.size(), 10);
    EXPECT_EQ(choice.Rows.last(), 20);
    ASSERT_EQ(choice.Attributes.size(), 3);
    EXPECT_EQ(choice.Attributes[1].Kind, MeasuredColumnChoice::LowerIsBetter);
    EXPECT_EQ(choice.Attributes[1].Best, 3); // the typed anchor took the other role
    EXPECT_EQ(choice.Attributes[2].Kind, MeasuredColumnChoice::NotMeasured);
}
