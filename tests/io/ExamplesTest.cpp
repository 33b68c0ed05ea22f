// The files in examples/ are written by the program itself. Run this test with
// VELTRANE_UPDATE_EXAMPLES=1 to write them again after a deliberate change.
#include "io/modLoadSave.h"

#include "IoTestSupport.h"

using namespace modLoadSave;

namespace {

// A larger topic for demonstrations: ten laptops on ten attributes.
std::shared_ptr<VeltraneTopic> LaptopTopic()
{
    const QStringList attributes{"Price",   "Battery life", "Weight", "Screen",  "Keyboard",
                                 "Speed",   "Storage",      "Ports",  "Build",   "Support"};
    const double weightings[10] = {0.9, 0.7, 0.5, 0.6, 0.4, 0.8, 0.3, 0.2, 0.5, 0.1};
    const QStringList options{"Aster 14", "Birch Pro", "Cedar Air", "Dune 15",  "Elm Go",
                              "Fjord X",  "Grove 13",  "Heath 16",  "Iris Lite", "Juniper S"};
    const double ratings[10][10] = {
        {0.8, 0.6, 0.7, 0.5, 0.6, 0.5, 0.4, 0.6, 0.5, 0.7}, {0.3, 0.8, 0.6, 0.9, 0.8, 0.9, 0.8, 0.7, 0.9, 0.8},
        {0.6, 0.9, 0.9, 0.7, 0.5, 0.6, 0.5, 0.3, 0.8, 0.6}, {0.7, 0.4, 0.3, 0.8, 0.7, 0.7, 0.9, 0.9, 0.6, 0.5},
        {0.9, 0.5, 0.8, 0.4, 0.4, 0.3, 0.3, 0.5, 0.4, 0.4}, {0.2, 0.7, 0.5, 1, 0.9, 1, 1, 0.8, 1, 0.9},
        {0.5, 0.8, 0.8, 0.6, 0.7, 0.6, 0.6, 0.4, 0.7, 0.7}, {0.4, 0.3, 0.2, 0.9, 0.6, 0.9, 0.9, 1, 0.7, 0.6},
        {1, 0.6, 1, 0.3, 0.3, 0.2, 0.2, 0.2, 0.3, 0.3},     {0.6, 0.7, 0.6, 0.7, 0.8, 0.7, 0.7, 0.6, 0.8, 0.95},
    };
    auto topic = std::make_shared<VeltraneTopic>();
    topic->SetRounding(3);
    topic->SetTitle(QStringLiteral("Choosing a laptop"));
    topic->SetTotalAttributes(10);
    topic->SetTotalOptions(10);
    for (int16_t a = 0; a < 10; ++a) {
        topic->SetAttributeName(a, attributes[a]);
        topic->SetWeighting(a, weightings[a]);
    }
    for (int16_t o = 0; o < 10; ++o) {
        topic->SetOptionName(o, options[o]);
        for (int16_t a = 0; a < 10; ++a)
            topic->SetRating(o, a, ratings[o][a]);
    }
    return topic;
}

// Four laptops measured in their own units: price in dollars (lower is better, bent at
// 1,200 $), battery life in hours, weight in kilograms; the keyboard rated by hand and the
// fan noise rated by hand with lower being better.
std::shared_ptr<VeltraneTopic> MeasuredLaptopTopic()
{
    auto topic = std::make_shared<VeltraneTopic>();
    topic->SetRounding(3);
    topic->SetTitle(QStringLiteral("Choosing a laptop"));
    topic->SetTotalAttributes(5);
    topic->SetTotalOptions(4);
    const QStringList attributes{"Price", "Battery life", "Weight", "Keyboard", "Fan noise"};
    const double weightings[5] = {0.8, 0.6, 0.4, 0.5, 0.3};
    for (int16_t a = 0; a < 5; ++a) {
        topic->SetAttributeName(a, attributes[a]);
        topic->SetWeighting(a, weightings[a]);
    }
    topic->SetScale(0, {"$", 2000, 800, {{1200, 0.8}}});
    topic->SetScale(1, {"h", 5, 15, {}});
    topic->SetScale(2, {"kg", 2.5, 1, {}});
    topic->SetLowerBetter(4, true);
    const QStringList options{"Aster 14", "Birch Pro", "Cedar Air", "Dune 15"};
    const double values[4][3] = {{1299, 9, 1.37}, {1849, 14, 1.6}, {999, 11.5, 1.1}, {1099, 7, 2.3}};
    const double ratings[4][2] = {{0.6, 0.4}, {0.9, 0.2}, {0.5, 0.3}, {0.7, 0.7}};
    for (int16_t o = 0; o < 4; ++o) {
        topic->SetOptionName(o, options[o]);
        for (int16_t a = 0; a < 3; ++a)
            topic->SetValue(o, a, values[o][a]);
        topic->SetRating(o, 3, ratings[o][0]);
        topic->SetRating(o, 4, ratings[o][1]);
    }
    return topic;
}

// Writes `name` with `write` and compares it with the committed example (or replaces it).
void expectExample(const QString &name, const std::function<bool(const QString &)> &write)
{
    ScratchFolder folder;
    ASSERT_TRUE(write(folder.path(name)));
    const QByteArray written = ScratchFolder::read(folder.path(name));
    const QString committed = QStringLiteral(VELTRANE_SOURCE_DIR "/examples/") + name;
    if (qEnvironmentVariableIsSet("VELTRANE_UPDATE_EXAMPLES")) {
        QFile file(committed);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(written);
    }
    EXPECT_EQ(written, ScratchFolder::read(committed)) << name.toStdString();
}

} // namespace

TEST(Examples, CommittedFilesAreWhatTheProgramWrites)
{
    ParametersGuard guard;
    MsgBoxRecorder boxes;
    expectExample("car.vtp", [](const QString &path) { return SaveTopicFile(path, *CarTopic()); });
    expectExample("large.vtp", [](const QString &path) { return SaveTopicFile(path, *LaptopTopic()); });
    expectExample("laptop-measured.vtp", [](const QString &path) { return SaveTopicFile(path, *MeasuredLaptopTopic()); });
    modParameters::DisplayAsDecimal = true;
    expectExample("car.csv", [](const QString &path) { return ExportTopicCSV(path, *CarTopic()); });
    expectExample("large.csv", [](const QString &path) { return ExportTopicCSV(path, *LaptopTopic()); });
    modParameters::DisplayAsDecimal = false;
    expectExample("car-percent.csv", [](const QString &path) { return ExportTopicCSV(path, *CarTopic()); });
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(Examples, LoadAndImportToTheirTopics)
{
    ParametersGuard guard;
    MsgBoxRecorder boxes;
    const QString examples = QStringLiteral(VELTRANE_SOURCE_DIR "/examples/");
    auto topic = std::make_shared<VeltraneTopic>();
    ASSERT_TRUE(LoadTopicFile(examples + "large.vtp", topic));
    EXPECT_EQ(TopicSummary(*topic), TopicSummary(*LaptopTopic()));
    for (const char *name : {"car.csv", "car-percent.csv"}) {
        ASSERT_TRUE(ImportTopicCSV(examples + name, topic));
        EXPECT_EQ(TopicSummary(*topic), TopicSummary(*CarTopic())) << name;
    }
    ASSERT_TRUE(ImportTopicCSV(examples + "large.csv", topic));
    EXPECT_EQ(TopicSummary(*topic), TopicSummary(*LaptopTopic()));
    EXPECT_TRUE(boxes.boxes.isEmpty());
}
