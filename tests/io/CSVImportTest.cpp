#include "io/modLoadSave.h"

#include "IoTestSupport.h"

using namespace modLoadSave;

namespace {

const QString DataErrorTail = "\r\rFile could not be loaded.\r\rPlease load the file into a spreadsheet program such as "
                              "Microsoft Excel and verify that it contains valid data.  In some cases simply loading "
                              "and resaving the file will solve the problem.";

const QString Question = "This CSV file contains numbers greater than 1, which aren't marked as percentages.\r\r"
                         "Do you want to treat them as percentage values?";

// Imports bytes with the given answers; the boxes shown are left in `boxes`.
struct Import
{
    explicit Import(const QByteArray &bytes, QList<int> answers = {}, bool normalise = false)
        : boxes(std::move(answers))
    {
        topic->SetNormaliseWeights(normalise);
        before = topic;
        ok = ImportTopicCSV(folder.write("sheet.csv", bytes), topic);
    }

    ScratchFolder folder;
    MsgBoxRecorder boxes;
    std::shared_ptr<VeltraneTopic> topic = std::make_shared<VeltraneTopic>();
    std::shared_ptr<VeltraneTopic> before;
    bool ok = false;
};

void expectDataError(const Import &import, int row, int column)
{
    EXPECT_FALSE(import.ok);
    EXPECT_EQ(import.topic, import.before);
    ASSERT_FALSE(import.boxes.boxes.isEmpty());
    const auto &box = import.boxes.boxes.last();
    EXPECT_EQ(box.prompt,
              QStringLiteral("Invalid data encountered in CSV file at Row %1, Column %2.").arg(row).arg(column)
                  + DataErrorTail);
    EXPECT_EQ(box.buttons, vbExclamation);
}

} // namespace

TEST(CSVImport, WorkedExampleInBothFormsAsksNothing)
{
    ParametersGuard guard;
    for (const QByteArray &file :
         {QByteArray("Topic: Choosing a car\r\nExported from Veltrane v1.0\r\n\r\nAttributes,Price,Quality\r\n"
                     "Weightings,50%,25%\r\n\r\nRatings,,,,Score\r\nCar A,80%,40%,,66.7%\r\nCar B,30%,90%,,50%\r\n"),
          QByteArray("Topic: Choosing a car\r\nExported from Veltrane v1.0\r\n\r\nAttributes,Price,Quality\r\n"
                     "Weightings,0.5,0.25\r\n\r\nRatings,,,,Score\r\nCar A,0.8,0.4,,0.667\r\nCar B,0.3,0.9,,0.5\r\n")}) {
        const Import import(file);
        ASSERT_TRUE(import.ok);
        EXPECT_TRUE(import.boxes.boxes.isEmpty());
        EXPECT_EQ(TopicSummary(*import.topic), TopicSummary(*CarTopic()));
        EXPECT_EQ(import.topic->Rounding(), 3);
    }
}

TEST(CSVImport, TitleMarkers)
{
    ParametersGuard guard;
    const auto titleOf = [](const QByteArray &firstRows) {
        const Import import(firstRows + "\r\nAttributes,A\r\n");
        EXPECT_TRUE(import.ok);
        return import.topic->Title();
    };
    EXPECT_EQ(titleOf("Topic,Holidays"), "Holidays");
    EXPECT_EQ(titleOf("  TOPIC: , Holidays "), "Holidays");
    EXPECT_EQ(titleOf("Topic: Holidays, and more"), "Holidays");
    EXPECT_EQ(titleOf("topic:Holidays"), "Holidays");
    EXPECT_EQ(titleOf("Topics"), "s");
    EXPECT_EQ(titleOf("Topic\r\nTopic: Second\r\nTopic: Third"), "Second");
    // Without a title the new topic keeps its own.
    EXPECT_EQ(titleOf("Nothing here"), "New Topic");
}

TEST(CSVImport, PercentageQuestionIsAskedOnce)
{
    ParametersGuard guard;
    const QByteArray file = "Attributes,Price,Quality\r\nWeightings,50,25\r\nRatings\r\nCar A,80,0.5\r\nCar B,30,90\r\n";
    const Import yes(file, {vbYes});
    ASSERT_TRUE(yes.ok);
    ASSERT_EQ(yes.boxes.boxes.size(), 1);
    EXPECT_EQ(yes.boxes.boxes[0].prompt, Question);
    EXPECT_EQ(yes.boxes.boxes[0].buttons, vbQuestion + vbYesNo);
    // 0.5 is never divided.
    EXPECT_EQ(TopicSummary(*yes.topic), "New Topic |  | Price=0.5 | Quality=0.25 | Car A: 0.8 0.5 | Car B: 0.3 0.9");

    const Import no(file, {vbNo});
    ASSERT_EQ(no.boxes.boxes.size(), 2);
    EXPECT_EQ(no.boxes.boxes[0].prompt, Question);
    expectDataError(no, 2, 2);
}

TEST(CSVImport, InvalidCellsNameTheirRowAndColumn)
{
    ParametersGuard guard;
    expectDataError(Import("Attributes,A,B\r\nWeightings,0.5,150%\r\n"), 2, 3);
    expectDataError(Import("Attributes,A,B\r\nWeightings,-0.2,1\r\n"), 2, 2);
    expectDataError(Import("x\r\nAttributes,A,B\r\nRatings\r\nO1,0.5,abc\r\n"), 4, 3);
    expectDataError(Import("Attributes,A\r\nRatings\r\nO1,100.5\r\n"), 3, 2);
    // Values in range are fine: 100 without "%" after Yes, 100% and 0.
    const Import edges("Attributes,A,B,C\r\nWeightings,100,100%,0\r\n", {vbYes});
    ASSERT_TRUE(edges.ok);
    EXPECT_EQ(TopicSummary(*edges.topic), "New Topic |  | A=1 | B=1 | C=0 | Option 1: 0.5 0.5 0.5 | Option 2: 0.5 0.5 0.5");
}

TEST(CSVImport, RatingsHeaderNamesTheAttributesUpToScore)
{
    ParametersGuard guard;
    const Import import("Ratings, Price ,Quality,Score\r\nCar A,0.8,0.4,0.6\r\nCar B,,0.9\r\n");
    ASSERT_TRUE(import.ok);
    EXPECT_TRUE(import.boxes.boxes.isEmpty());
    // No weightings row: default weightings; a blank rating stays 0.5.
    EXPECT_EQ(TopicSummary(*import.topic), "New Topic |  | Price=0.5 | Quality=0.5 | Car A: 0.8 0.4 | Car B: 0.5 0.9");

    const Import named("Attributes,Price,Score,Size\r\nRatings\r\nCar,0.1,0.2,0.3\r\n");
    ASSERT_TRUE(named.ok);
    EXPECT_EQ(named.topic->TotalAttributes(), 3);
    const Import colon("Attributes,Price,score:,Size\r\n");
    EXPECT_EQ(colon.topic->TotalAttributes(), 1);
}

TEST(CSVImport, MissingPartsGetTwoDefaults)
{
    ParametersGuard guard;
    const Import names("Attributes,A,B,C\r\n");
    ASSERT_TRUE(names.ok);
    EXPECT_EQ(TopicSummary(*names.topic),
              "New Topic |  | A=0.5 | B=0.5 | C=0.5 | Option 1: 0.5 0.5 0.5 | Option 2: 0.5 0.5 0.5");

    // Options without attribute names: two unnamed attributes, ratings not read.
    const Import options("Options\r\nFirst\r\nSecond\r\nThird\r\n");
    ASSERT_TRUE(options.ok);
    EXPECT_EQ(TopicSummary(*options.topic),
              "New Topic |  | Attribute 1=0.5 | Attribute 2=0.5 | First: 0.5 0.5 | Second: 0.5 0.5 | Third: 0.5 0.5");
}

TEST(CSVImport, NoDataGivesItsMessage)
{
    ParametersGuard guard;
    for (const QByteArray &file : {QByteArray("Topic: Holidays\r\n"), QByteArray(""), QByteArray("Attributes\r\n"),
                                   QByteArray("Ratings\r\n\r\nA,1\r\n"), QByteArray("Weightings,1,2\r\n")}) {
        const Import import(file);
        EXPECT_FALSE(import.ok);
        EXPECT_EQ(import.topic, import.before);
        ASSERT_EQ(import.boxes.boxes.size(), 1);
        EXPECT_EQ(import.boxes.boxes[0].prompt,
                  "This file does not contain any topic data that Veltrane is able to interpret.");
        EXPECT_EQ(import.boxes.boxes[0].buttons, vbExclamation);
    }
}

TEST(CSVImport, TenOptionsFitElevenAreCut)
{
    ParametersGuard guard;
    QByteArray ten = "Attributes,A\r\nRatings\r\n";
    for (int o = 1; o <= 10; ++o)
        ten += "O" + QByteArray::number(o) + ",0.1\r\n";
    const Import fits(ten);
    ASSERT_TRUE(fits.ok);
    EXPECT_EQ(fits.topic->TotalOptions(), 10);
    EXPECT_TRUE(fits.boxes.boxes.isEmpty());

    // The eleventh option is not read at all, not even its invalid rating.
    const Import cut(ten + "O11,oops\r\n");
    ASSERT_TRUE(cut.ok);
    EXPECT_EQ(cut.topic->TotalOptions(), 10);
    ASSERT_EQ(cut.boxes.boxes.size(), 1);
    EXPECT_EQ(cut.boxes.boxes[0].prompt, "The file contained more options/attributes than this version of Veltrane "
                                         "can display.  These extra options/attributes have been ignored.");
    EXPECT_EQ(cut.boxes.boxes[0].buttons, vbInformation);

    const Import attributes("Attributes,1,2,3,4,5,6,7,8,9,10,11\r\nWeightings,0,0,0,0,0,0,0,0,0,0,oops\r\n");
    ASSERT_TRUE(attributes.ok);
    EXPECT_EQ(attributes.topic->TotalAttributes(), 10);
    EXPECT_EQ(attributes.topic->GetAttributeName(9), "10");
    EXPECT_EQ(attributes.boxes.boxes.size(), 1);
}

TEST(CSVImport, BlankWeightingFollowsNormalise)
{
    ParametersGuard guard;
    // (A blank first cell would not make this the weightings row at all.)
    const QByteArray file = "Attributes,A,B,C\r\nWeightings,0.2, ,0.4\r\n";
    const Import off(file);
    ASSERT_TRUE(off.ok);
    EXPECT_EQ(off.topic->GetWeighting(1), 0.5);
    EXPECT_FALSE(off.topic->NormaliseWeights());

    const Import on(file, {}, true);
    ASSERT_TRUE(on.ok);
    EXPECT_TRUE(on.topic->NormaliseWeights());
    on.topic->SetNormaliseWeights(false);
    EXPECT_EQ(on.topic->GetWeighting(0), 0.2);
    EXPECT_EQ(on.topic->GetWeighting(1), 0);
    EXPECT_EQ(on.topic->GetWeighting(2), 0.4);

    const Import skipped("Attributes,A,B\r\nWeightings,,0.2\r\n");
    ASSERT_TRUE(skipped.ok);
    EXPECT_EQ(skipped.topic->GetWeighting(1), 0.5);
}

TEST(CSVImport, OptionRowsEndAtAnEmptyFirstCell)
{
    ParametersGuard guard;
    const Import import("Attributes,A\r\nRatings\r\nOne,0.1\r\n,0.2\r\nTwo,bad\r\nWeightings,0.3\r\n");
    ASSERT_TRUE(import.ok);
    EXPECT_EQ(TopicSummary(*import.topic), "New Topic |  | A=1 | One: 0.1");
    // The row after the option rows and their closing row is scanned again.
    EXPECT_EQ(import.topic->TotalAttributes(), 1);
    const Import weighted("Attributes,A,B\r\nRatings\r\nOne,0.1,0.2\r\n\r\nWeightings,0.3,0.4\r\n");
    ASSERT_TRUE(weighted.ok);
    EXPECT_EQ(weighted.topic->GetWeighting(1), 0.4);
}

TEST(CSVImport, UnreadableFilesGiveTheLoadErrorAndKeepTheTopic)
{
    ParametersGuard guard;
    const Import quote("Attributes,A,\"\r\n");
    EXPECT_FALSE(quote.ok);
    EXPECT_EQ(quote.topic, quote.before);
    ASSERT_EQ(quote.boxes.boxes.size(), 1);
    EXPECT_TRUE(quote.boxes.boxes[0].prompt.startsWith("An error occurred whilst loading the file!\r\rError 22\r"));
    EXPECT_EQ(quote.boxes.boxes[0].buttons, vbCritical);

    ScratchFolder folder;
    MsgBoxRecorder boxes;
    auto topic = CarTopic();
    const auto before = topic;
    modParameters::TopicChanged = true;
    EXPECT_FALSE(ImportTopicCSV(folder.path("missing.csv"), topic));
    EXPECT_EQ(topic, before);
    EXPECT_TRUE(modParameters::TopicChanged);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].prompt,
              "An error occurred whilst loading the file!\r\rError 2\rNo such file or directory");
}

TEST(CSVImport, ValueRule)
{
    ParametersGuard guard;
    const auto value = [](const QString &cell) {
        const CSVValue parsed = ParseCSVValue(cell);
        return parsed.kind == CSVValue::Blank     ? QStringLiteral("blank")
               : parsed.kind == CSVValue::Invalid ? QStringLiteral("invalid")
                                                  : QString::number(parsed.value);
    };
    EXPECT_EQ(value(""), "blank");
    EXPECT_EQ(value("  "), "blank");
    EXPECT_EQ(value("%"), "blank");
    EXPECT_EQ(value(" 50% "), "0.5");
    EXPECT_EQ(value("50 %"), "0.5");
    EXPECT_EQ(value("0.25"), "0.25");
    EXPECT_EQ(value("42"), "42");
    EXPECT_EQ(value("100"), "100");
    EXPECT_EQ(value("100.5"), "invalid");
    EXPECT_EQ(value("100%"), "1");
    EXPECT_EQ(value("101%"), "invalid");
    EXPECT_EQ(value("-0.2"), "invalid");
    EXPECT_EQ(value("abc"), "invalid");
    EXPECT_EQ(value("1e999"), "invalid");
    EXPECT_EQ(value("5%%"), "invalid");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(value("0,25"), "0.25");
    EXPECT_EQ(value("66,7%"), "0.667");
}

TEST(CSVImport, MeasurementsBlockFollowsTheRatingsAndComesBack)
{
    ParametersGuard guard;
    auto topic = CarTopic();
    topic->AddAttribute("Battery");
    topic->SetScale(0, {"$", 2000, 800, {{1500, 0.6}}});
    topic->SetScale(2, {"h", 5, 15, {}});
    topic->SetValue(0, 0, 1299.5);
    topic->SetValue(1, 2, 9);
    topic->SetValue(0, 2, 20);
    modParameters::DisplayAsDecimal = false;
    const QString text = RenderTopicCSV(*topic);
    EXPECT_TRUE(text.endsWith("Car B,30%,90%,40%,,46%\r\n"
                              "\r\n"
                              "Measurements,Price,,Battery\r\n"
                              "Unit,$,,h\r\n"
                              "Worst,2000,,5\r\n"
                              "Best,800,,15\r\n"
                              "Points,1500:0.6,,\r\n"
                              "Car A,1299.5,,20\r\n"
                              "Car B,,,9\r\n"))
        << text.toStdString();

    const Import back(text.toUtf8());
    ASSERT_TRUE(back.ok);
    EXPECT_TRUE(back.boxes.boxes.isEmpty());
    EXPECT_EQ(back.topic->GetScale(0), topic->GetScale(0));
    EXPECT_EQ(back.topic->GetScale(2), topic->GetScale(2));
    EXPECT_FALSE(back.topic->HasScale(1));
    EXPECT_EQ(back.topic->GetValue(0, 0), 1299.5);
    EXPECT_EQ(back.topic->GetRating(0, 0), topic->GetRating(0, 0));
    EXPECT_FALSE(back.topic->HasValue(1, 0));
    EXPECT_EQ(back.topic->GetRating(1, 0), 0.3);
    EXPECT_EQ(back.topic->GetValue(0, 2), 20);
    EXPECT_EQ(back.topic->GetValue(1, 2), 9);

    // A decimal comma is quoted as a field and read in the user's locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString german = RenderTopicCSV(*topic);
    EXPECT_TRUE(german.contains("Car A,\"1299,5\",,20\r\n")) << german.toStdString();
    const Import local(german.toUtf8());
    QLocale::setDefault(QLocale::c());
    ASSERT_TRUE(local.ok);
    EXPECT_EQ(local.topic->GetValue(0, 0), 1299.5);
}

TEST(CSVImport, MeasurementsThatAreNotValidNameTheirCell)
{
    ParametersGuard guard;
    const QByteArray sheet = "Attributes,Price,Looks\r\nRatings\r\nA,0.5,0.5\r\nB,0.5,0.5\r\n\r\n"
                             "Measurements,Price\r\nUnit,$\r\nWorst,2000\r\nBest,800\r\n";
    const Import good(sheet + "A,1100\r\nB,\r\n");
    ASSERT_TRUE(good.ok);
    EXPECT_EQ(good.topic->GetRating(0, 0), 0.75);
    EXPECT_FALSE(good.topic->HasValue(1, 0));
    expectDataError(Import(sheet + "A,cheap\r\n"), 10, 2);
    expectDataError(Import(sheet + "A,1100,3\r\n"), 10, 3); // Looks has no scale
    expectDataError(Import(QByteArray(sheet).replace("Best,800", "Best,2000")), 9, 2);
    expectDataError(Import(QByteArray(sheet).replace("Best,800", "Best,800\r\nPoints,900:0.5;1500:0.8")), 10, 2);
    expectDataError(Import(QByteArray(sheet).replace("Unit,$", "Unit," + QByteArray(17, 'u'))), 7, 2);
}
