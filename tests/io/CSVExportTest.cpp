#include "io/modLoadSave.h"

#include "IoTestSupport.h"


using namespace modLoadSave;

namespace {

const QByteArray CarPercent = "Topic: Choosing a car\r\n"
                              "Exported from Veltrane v1.0\r\n"
                              "\r\n"
                              "Attributes,Price,Quality\r\n"
                              "Weightings,50%,25%\r\n"
                              "\r\n"
                              "Ratings,,,,Score\r\n"
                              "Car A,80%,40%,,66.7%\r\n"
                              "Car B,30%,90%,,50%\r\n";

const QByteArray CarDecimal = "Topic: Choosing a car\r\n"
                              "Exported from Veltrane v1.0\r\n"
                              "\r\n"
                              "Attributes,Price,Quality\r\n"
                              "Weightings,0.5,0.25\r\n"
                              "\r\n"
                              "Ratings,,,,Score\r\n"
                              "Car A,0.8,0.4,,0.667\r\n"
                              "Car B,0.3,0.9,,0.5\r\n";

} // namespace

TEST(CSVExport, WorkedExampleInBothDisplayForms)
{
    ParametersGuard guard;
    ScratchFolder folder;
    MsgBoxRecorder boxes;
    modParameters::TopicChanged = true;
    modParameters::DisplayAsDecimal = false;
    ASSERT_TRUE(ExportTopicCSV(folder.path("percent.csv"), *CarTopic()));
    EXPECT_EQ(ScratchFolder::read(folder.path("percent.csv")), CarPercent);
    modParameters::DisplayAsDecimal = true;
    ASSERT_TRUE(ExportTopicCSV(folder.path("decimal.csv"), *CarTopic()));
    EXPECT_EQ(ScratchFolder::read(folder.path("decimal.csv")), CarDecimal);
    // An export is not a save of the topic.
    EXPECT_TRUE(modParameters::TopicChanged);
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(CSVExport, FieldsAreQuotedAsSpreadsheetsQuoteThem)
{
    ParametersGuard guard;
    auto topic = CarTopic();
    topic->SetTitle("Cars, vans");
    topic->SetAttributeName(0, "\"Best\" price, total");
    topic->SetAttributeName(1, "two\nlines");
    topic->SetOptionName(0, "=A; @b");
    const QString text = RenderTopicCSV(*topic);
    EXPECT_TRUE(text.startsWith("\"Topic: Cars, vans\"\r\n"));
    EXPECT_TRUE(text.contains("\r\nAttributes,\"\"\"Best\"\" price, total\",\"two\nlines\"\r\n"));
    // Names without a comma, quote or line break keep their bytes.
    EXPECT_TRUE(text.contains("\r\n=A; @b,0.8,0.4,,0.667\r\n"));
}

// Every name of the list survives an export and an import, in either place and either
// display form, with nothing lost or moved to another column.
TEST(CSVExport, AwkwardNamesComeBackWhole)
{
    ParametersGuard guard;
    ScratchFolder folder;
    MsgBoxRecorder boxes;
    const QStringList names = {"Price, total", "\"Best\" price, total", "Say \"hi\"", "\"", "\"\"", "a\"\"b,",
                               "semi;colon", "=SUM(A1:A3)", "+1", "-2", "@cmd", "two\r\nlines", "cr\ronly",
                               "lf\n\"x,\"", "end,", QString(10000, u'x') + ",\"" + QString(5, u'y')};
    for (const bool decimal : {true, false}) {
        modParameters::DisplayAsDecimal = decimal;
        for (qsizetype i = 0; i < names.size(); ++i) {
            auto topic = CarTopic();
            topic->SetTitle(names[i]);
            topic->SetAttributeName(0, names[i]);
            topic->SetAttributeName(1, names[(i + 1) % names.size()]);
            topic->SetOptionName(0, names[(i + 2) % names.size()]);
            topic->SetOptionName(1, names[i]);
            const QString file = folder.path("names.csv");
            ASSERT_TRUE(ExportTopicCSV(file, *topic));
            auto imported = std::make_shared<VeltraneTopic>();
            ASSERT_TRUE(ImportTopicCSV(file, imported)) << i;
            EXPECT_EQ(TopicSummary(*imported), TopicSummary(*topic)) << i;
        }
    }
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(CSVExport, CommaLocaleRoundTrip)
{
    ParametersGuard guard;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ScratchFolder folder;
    MsgBoxRecorder boxes;
    for (const bool decimal : {true, false}) {
        modParameters::DisplayAsDecimal = decimal;
        const QString name = folder.path(decimal ? "de-decimal.csv" : "de-percent.csv");
        ASSERT_TRUE(ExportTopicCSV(name, *CarTopic()));
        const QByteArray bytes = ScratchFolder::read(name);
        if (decimal)
            EXPECT_TRUE(bytes.contains("\r\nWeightings,\"0,5\",\"0,25\"\r\n")) << bytes.constData();
        else
            EXPECT_TRUE(bytes.contains("\r\nCar A,80%,40%,,\"66,7%\"\r\n")) << bytes.constData();
        auto imported = std::make_shared<VeltraneTopic>();
        ASSERT_TRUE(ImportTopicCSV(name, imported));
        EXPECT_EQ(TopicSummary(*imported), TopicSummary(*CarTopic()));
    }
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(CSVExport, FailedExportShowsTheErrorAndKeepsTheOldFile)
{
    ParametersGuard guard;
    ScratchFolder folder;
    MsgBoxRecorder boxes;
    EXPECT_FALSE(ExportTopicCSV(folder.path("missing/folder/car.csv"), *CarTopic()));
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].prompt, "An error occurred whilst saving the file!\r\rError 2\rNo such file or directory");
    EXPECT_EQ(boxes.boxes[0].buttons, vbCritical);

    // A save that fails half-way leaves the previous file as it was.
    boxes.boxes.clear();
    const QString old = folder.write("old.csv", "previous contents");
    {
        FileSizeLimit limit(20);
        EXPECT_FALSE(ExportTopicCSV(old, *CarTopic()));
    }
    EXPECT_EQ(ScratchFolder::read(old), "previous contents");
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].prompt, "An error occurred whilst saving the file!\r\rError 27\rFile too large");
}
