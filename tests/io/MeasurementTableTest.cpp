// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/MeasurementImport.h"
#include "io/MeasurementTable.h"
#include "io/modLoadSave.h"

#include "ErrorOf.h"
#include "IoTestSupport.h"

namespace {

// Laptops as a shop lists them: quoted names with commas, units in the cells and in the
// header, thousands separators, a cell that says nothing.
const QString Laptops = "Product,Price ($),Battery,Weight,RAM,Notes\r\n"
                        "\"Aero 14, silver\",\"1,299\",9 h,1.37kg,8GB,\"says \"\"fast\"\"\"\r\n"
                        "Brik 15,$899.50,12.5 h,2.1kg,16GB,\r\n"
                        "\r\n"
                        "Cove 13,\"2,049\",n/a,1.1kg,512MB,light\r\n";

QString messageOf(const QByteArray &bytes)
{
    ScratchFolder folder;
    return ErrorOf([&] { MeasurementTable::FromFile(folder.write("sheet.csv", bytes)); }).description();
}

} // namespace

TEST(MeasurementTable, ReadsCellsUnitsAndNumbersAsSheetsWriteThem)
{
    const MeasurementTable table = MeasurementTable::FromText(Laptops);
    ASSERT_EQ(table.RowCount(), 3);
    ASSERT_EQ(table.ColumnCount(), 6);
    EXPECT_EQ(table.Text(0, 0), "Aero 14, silver");
    EXPECT_EQ(table.Text(0, 5), "says \"fast\"");

    const MeasurementColumn &price = table.Column(1);
    EXPECT_EQ(price.Name, "Price");
    EXPECT_EQ(price.Unit, "$");
    EXPECT_TRUE(price.Numeric);
    EXPECT_EQ(table.Value(0, 1), 1299);
    EXPECT_EQ(table.Value(1, 1), 899.5);
    EXPECT_EQ(table.Value(2, 1), 2049);

    EXPECT_EQ(table.Column(2).Unit, "h");
    EXPECT_EQ(table.Value(1, 2), 12.5);
    EXPECT_FALSE(table.Value(2, 2).has_value()); // n/a
    EXPECT_EQ(table.Column(3).Unit, "kg");
    EXPECT_EQ(table.Value(2, 3), 1.1);

    // GB and MB are not one unit; text is not a number. Either says which cell.
    EXPECT_FALSE(table.Column(4).Numeric);
    EXPECT_EQ(table.Column(4).ProblemRow, 2);
    EXPECT_EQ(table.Column(4).Problem, "\u201c512MB\u201d in row 5 has another unit than \u201cGB\u201d.");
    EXPECT_FALSE(table.Column(5).Numeric);
    EXPECT_EQ(table.Column(5).ProblemRow, 0);
    EXPECT_FALSE(table.Value(0, 5).has_value());
}

TEST(MeasurementTable, SemicolonSheetsReadTheDecimalComma)
{
    const MeasurementTable table = MeasurementTable::FromText("Modell;Preis [\u20ac];Gewicht (kg)\n"
                                                              "A;1.299,00 \u20ac;1,37\n"
                                                              "B;899;2\n");
    EXPECT_EQ(table.Separator(), u';');
    EXPECT_EQ(table.Column(1).Unit, "\u20ac");
    EXPECT_EQ(table.Value(0, 1), 1299);
    EXPECT_EQ(table.Value(1, 1), 899);
    EXPECT_EQ(table.Column(2).Unit, "kg");
    EXPECT_EQ(table.Value(0, 2), 1.37);

    // A comma sheet: a column that only reads with a decimal comma still reads.
    EXPECT_EQ(MeasurementTable::FromText("a,b\nx,\"1,5\"\ny,2\n").Value(0, 1), 1.5);
    EXPECT_EQ(MeasurementTable::FromText("a\tb\nx\t-3.5e2\n").Value(0, 1), -350);
    EXPECT_FALSE(MeasurementTable::FromText("a,b\nx,1.2.3\ny,2\n").Column(1).Numeric);
    EXPECT_FALSE(MeasurementTable::FromText("a,b\nx,5 to 7 h\n").Column(1).Numeric);
    EXPECT_FALSE(MeasurementTable::FromText("a,b\nx,Laptop 3\n").Column(1).Numeric);
    EXPECT_EQ(MeasurementTable::FromText("a,b\nx,CHF 12\n").Column(1).Unit, "CHF");
}

TEST(MeasurementTable, FilesWithoutATableSayWhy)
{
    EXPECT_EQ(messageOf(QByteArray("PK\x03\x04\0\0binary", 12)), "This file holds binary data, not a table of measurements.");
    EXPECT_EQ(messageOf(""), "This file is empty: a table of measurements needs a header row and a row per item.");
    EXPECT_EQ(messageOf("\r\n ; \r\n"), "This file is empty: a table of measurements needs a header row and a row per item.");
    EXPECT_EQ(messageOf("Name,Price\r\n"), "This table has a header row but no rows below it.");
}

TEST(MeasurementTable, ChoiceMakesATopicWithScalesAndValues)
{
    ParametersGuard guard;
    const MeasurementTable table = MeasurementTable::FromText(Laptops);
    MeasurementChoice choice = MeasurementImport::DefaultChoice(table, "Laptops");
    EXPECT_EQ(choice.NameColumn, 0);
    ASSERT_EQ(choice.Attributes.size(), 3);
    EXPECT_EQ(choice.Attributes[0].Kind, MeasuredColumnChoice::LowerIsBetter); // a price
    EXPECT_EQ(choice.Attributes[0].Worst, 2049);
    EXPECT_EQ(choice.Attributes[0].Best, 899.5);
    EXPECT_EQ(choice.Attributes[1].Kind, MeasuredColumnChoice::HigherIsBetter);
    EXPECT_EQ(choice.Attributes[1].Worst, 9);
    EXPECT_EQ(MeasurementImport::Problem(table, choice), "");

    // Only two rows, the notes rated by hand, the battery anchored by the person.
    choice.Rows = {2, 0};
    choice.Attributes[1].Worst = 5;
    choice.Attributes[1].Best = 15;
    choice.Attributes.append({5, MeasuredColumnChoice::NotMeasured, 0, 0});
    const auto topic = MeasurementImport::BuildTopic(table, choice, false);
    EXPECT_EQ(topic->Title(), "Laptops");
    EXPECT_EQ(topic->TotalOptions(), 2);
    EXPECT_EQ(topic->GetOptionName(0), "Cove 13");
    EXPECT_EQ(topic->GetAttributeName(3), "Notes");
    EXPECT_EQ(topic->GetScale(0), (AttributeScale{"$", 2049, 899.5, {}}));
    EXPECT_EQ(topic->GetRating(0, 0), 0);
    EXPECT_FALSE(topic->HasValue(0, 1));
    EXPECT_EQ(topic->GetRating(1, 1), 0.4);
    EXPECT_FALSE(topic->HasScale(3));

    // What cannot make a topic is told before.
    MeasurementChoice bad = choice;
    bad.Attributes[1].Best = 5;
    EXPECT_EQ(MeasurementImport::Problem(table, bad), "The worst and best values of \u201cBattery\u201d must differ.");
    bad = choice;
    bad.Attributes[3].Kind = MeasuredColumnChoice::HigherIsBetter;
    EXPECT_EQ(MeasurementImport::Problem(table, bad), "\u201cNotes\u201d cannot be measured: "
                                                      "\u201csays \"fast\"\u201d in row 2 is not a number.");
    bad = choice;
    for (int32_t row = 0; bad.Rows.size() <= 10; ++row)
        bad.Rows.append(row % 3);
    EXPECT_EQ(MeasurementImport::Problem(table, bad), "Choose at most 10 rows as options.");
}

TEST(MeasurementTable, TheLoadDialogsThirdTypeMakesATopicOrChangesNothing)
{
    ParametersGuard guard;
    ScratchFolder folder;
    MsgBoxRecorder boxes;
    const QString sheet = folder.write("laptops.csv", Laptops.toUtf8());
    SetFileDialogHandler([&](const CommonDialog &, bool) { return FileDialogAnswer(sheet, 3); });
    bool cancel = true;
    windowHooks().chooseMeasurements = [&](const MeasurementTable &table, MeasurementChoice &choice) {
        EXPECT_EQ(table.RowCount(), 3);
        choice.Rows = {1};
        return !cancel;
    };
    auto topic = CarTopic();
    const auto before = topic;
    EXPECT_FALSE(modLoadSave::OpenTopic(topic));
    EXPECT_EQ(topic, before);
    cancel = false;
    modParameters::TopicChanged = false;
    EXPECT_TRUE(modLoadSave::OpenTopic(topic));
    EXPECT_EQ(topic->Title(), "laptops");
    EXPECT_EQ(topic->GetOptionName(0), "Brik 15");
    EXPECT_EQ(topic->GetValue(0, 0), 899.5);
    EXPECT_TRUE(modParameters::TopicChanged);
    EXPECT_TRUE(boxes.boxes.isEmpty());

    // A file that is no table: a message, and the topic stays.
    folder.write("laptops.csv", "");
    EXPECT_FALSE(modLoadSave::OpenTopic(topic));
    EXPECT_EQ(boxes.prompts(), QStringList{"This file is empty: a table of measurements needs a header row and a row per item."});
    SetFileDialogHandler({});
    windowHooks().chooseMeasurements = {};
}
