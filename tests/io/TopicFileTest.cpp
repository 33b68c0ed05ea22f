#include "io/modLoadSave.h"

#include "IoTestSupport.h"


using namespace modLoadSave;

namespace {

const QByteArray CarFile = ";\r\n"
                           "; Veltrane - Parameter Settings\r\n"
                           ";\r\n"
                           "; Be careful when hand editing this file - incorrect entries may cause unwanted behaviour!\r\n"
                           ";\r\n"
                           "\r\n"
                           "[Veltrane]\r\n"
                           "AppVersion=1.0.0\r\n"
                           "\r\n"
                           "[Topic]\r\n"
                           "Name=Choosing a car\r\n"
                           "TotalOptions=2\r\n"
                           "TotalAttributes=2\r\n"
                           "InvertWeights=False\r\n"
                           "\r\n"
                           "[Attributes]\r\n"
                           "Attribute0_Name=Price\r\n"
                           "Attribute0_Weighting=0.5\r\n"
                           "Attribute1_Name=Quality\r\n"
                           "Attribute1_Weighting=0.25\r\n"
                           "\r\n"
                           "[Option0]\r\n"
                           "Name=Car A\r\n"
                           "Rating0=0.8\r\n"
                           "Rating1=0.4\r\n"
                           "\r\n"
                           "[Option1]\r\n"
                           "Name=Car B\r\n"
                           "Rating0=0.3\r\n"
                           "Rating1=0.9\r\n"
                           "\r\n";

// A hand-written topic file: the worked example with `from` replaced by `to`.
QByteArray carFileWith(const QByteArray &from, const QByteArray &to)
{
    QByteArray file = CarFile;
    EXPECT_TRUE(file.contains(from)) << from.constData();
    return file.replace(from, to);
}

// Loads bytes into a topic that is expected to stay as it was; returns the boxes shown.
QList<MsgBoxRecorder::Box> failedLoad(const QByteArray &bytes)
{
    ScratchFolder folder;
    MsgBoxRecorder boxes;
    auto topic = std::make_shared<VeltraneTopic>();
    const auto before = topic;
    EXPECT_FALSE(LoadTopicFile(folder.write("bad.vtp", bytes), topic));
    EXPECT_EQ(topic, before);
    return boxes.boxes;
}

} // namespace

TEST(TopicFile, WorkedExampleIsWrittenByteForByte)
{
    ParametersGuard guard;
    ScratchFolder folder;
    modParameters::TopicChanged = true;
    ASSERT_TRUE(SaveTopicFile(folder.path("car.vtp"), *CarTopic()));
    EXPECT_EQ(ScratchFolder::read(folder.path("car.vtp")), CarFile);
    EXPECT_FALSE(modParameters::TopicChanged);

    // What the topic reports is written: normalised weightings, default names as text,
    // the inverted flag.
    auto topic = CarTopic();
    topic->SetNormaliseWeights(true);
    topic->SetInvertWeights(true);
    topic->SetOptionName(1, QString());
    ASSERT_TRUE(SaveTopicFile(folder.path("normalised.vtp"), *topic));
    const QByteArray normalised = ScratchFolder::read(folder.path("normalised.vtp"));
    EXPECT_TRUE(normalised.contains("\r\nAttribute0_Weighting=0.667\r\nAttribute1_Name=Quality\r\n"
                                    "Attribute1_Weighting=0.333\r\n"));
    EXPECT_TRUE(normalised.contains("\r\nInvertWeights=True\r\n"));
    EXPECT_TRUE(normalised.contains("[Option1]\r\nName=Option 2\r\n"));

    // With one attribute its weighting is 1.
    auto single = std::make_shared<VeltraneTopic>();
    single->SetRounding(3);
    ASSERT_TRUE(SaveTopicFile(folder.path("single.vtp"), *single));
    EXPECT_TRUE(ScratchFolder::read(folder.path("single.vtp"))
                    .contains("Attribute0_Name=Attribute 1\r\nAttribute0_Weighting=1\r\n"));
}

TEST(TopicFile, SavedTopicLoadsBackWithTheCurrentNormaliseSetting)
{
    ParametersGuard guard;
    ScratchFolder folder;
    auto original = CarTopic();
    original->SetAttributeName(1, QString());
    ASSERT_TRUE(SaveTopicFile(folder.path("car.vtp"), *original));

    MsgBoxRecorder boxes;
    auto topic = std::make_shared<VeltraneTopic>();
    topic->SetNormaliseWeights(true);
    ASSERT_TRUE(LoadTopicFile(folder.path("car.vtp"), topic));
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_TRUE(topic->NormaliseWeights());
    EXPECT_EQ(topic->Rounding(), 3);
    topic->SetNormaliseWeights(false);
    EXPECT_EQ(TopicSummary(*topic),
              "Choosing a car |  | Price=0.5 | Attribute 2=0.25 | Car A: 0.8 0.4 | Car B: 0.3 0.9");
    EXPECT_TRUE(topic->Description().isEmpty());
}

TEST(TopicFile, HandWrittenFilesLoadLeniently)
{
    ParametersGuard guard;
    ScratchFolder folder;
    MsgBoxRecorder boxes;
    auto topic = std::make_shared<VeltraneTopic>();
    // No program section, a description, lower-case keys, a comma decimal, a name cut at
    // ";", LF line ends, InvertWeights as a number.
    const QByteArray file = "[topic]\nname=Hand made\ndescription=Notes\ntotaloptions=1\ntotalattributes=2\n"
                            "invertweights=-1\n[ATTRIBUTES]\nattribute0_name=Cost;total\nattribute0_weighting=0,25\n"
                            "Attribute1_Weighting=1\n[option0]\nrating0=0\nrating1=1\n";
    ASSERT_TRUE(LoadTopicFile(folder.write("hand.vtp", file), topic));
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(topic->Description(), "Notes");
    EXPECT_EQ(TopicSummary(*topic), "Hand made | inverted | Cost=0.25 | Attribute 2=1 | Option 1: 0 1");

    // TotalOptions=0 gives one option, read from Option0.
    ASSERT_TRUE(LoadTopicFile(folder.write("zero.vtp", carFileWith("TotalOptions=2", "TotalOptions=0")), topic));
    EXPECT_EQ(topic->TotalOptions(), 1);
    EXPECT_EQ(topic->GetOptionName(0), "Car A");
    EXPECT_TRUE(boxes.boxes.isEmpty());

    // The version is ignored.
    ASSERT_TRUE(LoadTopicFile(folder.write("v.vtp", carFileWith("AppVersion=1.0.0", "AppVersion=9.9.9")), topic));
}

TEST(TopicFile, MoreThanTenOptionsOrAttributesAreCutWithOneMessage)
{
    ParametersGuard guard;
    ScratchFolder folder;
    QByteArray file = "[Topic]\r\nName=Big\r\nTotalOptions=12\r\nTotalAttributes=15\r\nInvertWeights=false\r\n"
                      "[Attributes]\r\n";
    // Only the first ten of each are given: the rest must never be read.
    for (int a = 0; a < 10; ++a)
        file += QStringLiteral("Attribute%1_Weighting=0.%1\r\n").arg(a).toUtf8();
    for (int o = 0; o < 10; ++o) {
        file += QStringLiteral("[Option%1]\r\nName=O%1\r\n").arg(o).toUtf8();
        for (int a = 0; a < 10; ++a)
            file += QStringLiteral("Rating%1=1\r\n").arg(a).toUtf8();
    }
    MsgBoxRecorder boxes;
    auto topic = std::make_shared<VeltraneTopic>();
    ASSERT_TRUE(LoadTopicFile(folder.write("big.vtp", file), topic));
    EXPECT_EQ(topic->TotalOptions(), 10);
    EXPECT_EQ(topic->TotalAttributes(), 10);
    EXPECT_EQ(topic->GetOptionName(9), "O9");
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].prompt,
              "The file contained more options/attributes than this version of Veltrane can display.  "
              "These extra options/attributes have been ignored.");
    EXPECT_EQ(boxes.boxes[0].buttons, vbInformation);

    // Exactly ten of each: no message.
    boxes.boxes.clear();
    ASSERT_TRUE(LoadTopicFile(folder.write("ten.vtp", QByteArray(file).replace("TotalOptions=12", "TotalOptions=10")
                                                          .replace("TotalAttributes=15", "TotalAttributes=10")),
                              topic));
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(TopicFile, OutOfRangeValuesStopTheLoadWithTheirMessage)
{
    ParametersGuard guard;
    auto boxes = failedLoad(carFileWith("Attribute1_Weighting=0.25", "Attribute1_Weighting=1.5"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, "Invalid weighting for attribute 1.\r\rUnable to load file.");
    EXPECT_EQ(boxes[0].buttons, vbCritical);
    EXPECT_EQ(boxes[0].title, "Veltrane");

    boxes = failedLoad(carFileWith("Name=Car B\r\nRating0=0.3\r\nRating1=0.9",
                                   "Name=Car B\r\nRating0=0.3\r\nRating1=0.9\r\nRating2=1.01")
                           .replace("TotalAttributes=2", "TotalAttributes=3")
                           .replace("Attribute1_Weighting=0.25", "Attribute1_Weighting=0.25\r\nAttribute2_Weighting=0")
                           .replace("Rating1=0.4", "Rating1=0.4\r\nRating2=0"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, "Invalid rating for attribute 2, option 1.\r\rUnable to load file.");

    boxes = failedLoad(carFileWith("Rating0=0.8", "Rating0=-0.1"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, "Invalid rating for attribute 0, option 0.\r\rUnable to load file.");
}

TEST(TopicFile, MissingOrUnreadableValuesGiveTheLoadErrorMessage)
{
    ParametersGuard guard;
    const auto expectLoadError = [](const QList<MsgBoxRecorder::Box> &boxes) {
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_TRUE(boxes[0].prompt.startsWith("An error occurred whilst loading the file!\r\rError "))
            << boxes[0].prompt.toStdString();
        EXPECT_EQ(boxes[0].buttons, vbCritical);
    };
    expectLoadError(failedLoad(carFileWith("Rating1=0.9\r\n", "")));
    expectLoadError(failedLoad(carFileWith("Attribute0_Weighting=0.5", "Attribute0_Weighting=half")));
    expectLoadError(failedLoad(carFileWith("Attribute0_Weighting=0.5", "Attribute0_Weighting=0.5.0")));
    expectLoadError(failedLoad("[\r\n"));

    // The header's required keys: the design's numbers, and a description that names the key.
    const struct {
        QByteArray from, to;
        const char *error;
    } badHeaders[] = {
        {"TotalOptions=2\r\n", "", "13\rType mismatch: TotalOptions in [Topic] is missing or not a number"},
        {"TotalAttributes=2", "TotalAttributes=two", "13\rType mismatch: TotalAttributes in [Topic] is missing or not a number"},
        {"TotalOptions=2", "TotalOptions=99999", "6\rOverflow: TotalOptions in [Topic] is outside -32768 to 32767"},
        {"TotalAttributes=2", "TotalAttributes=-1e12", "6\rOverflow: TotalAttributes in [Topic] is outside -32768 to 32767"},
        {"InvertWeights=False", "InvertWeights=maybe",
         "13\rType mismatch: InvertWeights in [Topic] is missing or not True, False or a number"},
        {"InvertWeights=False\r\n", "",
         "13\rType mismatch: InvertWeights in [Topic] is missing or not True, False or a number"},
    };
    for (const auto &bad : badHeaders) {
        const auto boxes = failedLoad(carFileWith(bad.from, bad.to));
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].prompt, "An error occurred whilst loading the file!\r\rError " + QString::fromLatin1(bad.error));
    }

    ScratchFolder folder;
    MsgBoxRecorder boxes;
    auto topic = std::make_shared<VeltraneTopic>();
    EXPECT_FALSE(LoadTopicFile(folder.path("missing.vtp"), topic));
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].prompt,
              "An error occurred whilst loading the file!\r\rError 2\rNo such file or directory");
}

TEST(TopicFile, FailedSaveShowsTheErrorAndKeepsTheOldFile)
{
    ParametersGuard guard;
    ScratchFolder folder;
    MsgBoxRecorder boxes;
    modParameters::TopicChanged = true;
    EXPECT_FALSE(SaveTopicFile(folder.path("no/such/folder/car.vtp"), *CarTopic()));
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].prompt, "An error occurred whilst saving the file!\r\rError 2\rNo such file or directory");
    EXPECT_EQ(boxes.boxes[0].buttons, vbCritical);
    EXPECT_TRUE(modParameters::TopicChanged);

    // A save that fails half-way leaves the previous file as it was.
    boxes.boxes.clear();
    const QString old = folder.write("old.vtp", "previous contents");
    {
        FileSizeLimit limit(20);
        EXPECT_FALSE(SaveTopicFile(old, *CarTopic()));
    }
    EXPECT_EQ(ScratchFolder::read(old), "previous contents");
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].prompt, "An error occurred whilst saving the file!\r\rError 27\rFile too large");
}

TEST(TopicFile, SpreadsOtherThanTheDefaultAreWrittenAfterTheTopicKeysAndReadBack)
{
    ParametersGuard guard;
    ScratchFolder folder;
    auto topic = CarTopic();
    topic->SetRatingSpread(0.25);
    topic->SetWeightingSpread(0);
    ASSERT_TRUE(SaveTopicFile(folder.path("spread.vtp"), *topic));
    EXPECT_EQ(ScratchFolder::read(folder.path("spread.vtp")),
              carFileWith("InvertWeights=False\r\n", "InvertWeights=False\r\nRatingSpread=0.25\r\nWeightingSpread=0\r\n"));

    auto loaded = std::make_shared<VeltraneTopic>();
    ASSERT_TRUE(LoadTopicFile(folder.path("spread.vtp"), loaded));
    EXPECT_EQ(loaded->RatingSpread(), 0.25);
    EXPECT_EQ(loaded->WeightingSpread(), 0);

    // Only the one that differs is written; absent keys give the default.
    topic->SetWeightingSpread(VeltraneTopic::DefaultSpread);
    ASSERT_TRUE(SaveTopicFile(folder.path("one.vtp"), *topic));
    EXPECT_FALSE(ScratchFolder::read(folder.path("one.vtp")).contains("WeightingSpread"));
    ASSERT_TRUE(LoadTopicFile(folder.path("one.vtp"), loaded));
    EXPECT_EQ(loaded->WeightingSpread(), VeltraneTopic::DefaultSpread);
}

TEST(TopicFile, HandEditedSpreadsOutsideTheRangeOrNotNumbersGiveTheLoadErrorMessage)
{
    ParametersGuard guard;
    for (const char *key : {"RatingSpread", "WeightingSpread"}) {
        for (const char *value : {"-1", "2", "abc", "1e308", "0.51"}) {
            const QByteArray line = QByteArray(key) + '=' + value;
            const auto boxes = failedLoad(carFileWith("InvertWeights=False", "InvertWeights=False\r\n" + line));
            ASSERT_EQ(boxes.size(), 1) << line.constData();
            EXPECT_TRUE(boxes[0].prompt.startsWith("An error occurred whilst loading the file!\r\rError "))
                << boxes[0].prompt.toStdString();
            EXPECT_EQ(boxes[0].buttons, vbCritical);
        }
    }
    const auto boxes = failedLoad(carFileWith("InvertWeights=False", "InvertWeights=False\r\nRatingSpread=2"));
    EXPECT_EQ(boxes[0].prompt, "An error occurred whilst loading the file!\r\rError -2147220501\r"
                               "Invalid rating spread supplied to SetRatingSpread().");
}

TEST(TopicFile, NotesAreWrittenAfterTheNameAndReadBackWhole)
{
    ParametersGuard guard;
    ScratchFolder folder;
    MsgBoxRecorder boxes;
    // A one-line note stays readable in the file; anything the reader would trim, cut or
    // split goes between quotes, escaped. Nothing else in the file changes.
    const QList<std::pair<QString, QByteArray>> cases = {
        {"Bought in May", "Bought in May"},
        {"C:\\cars\\new", "C:\\cars\\new"},
        {"first\nsecond\r\nthird", "\"first\\nsecond\\r\\nthird\""},
        {"  cheap; but slow\t", "\"  cheap\\u003b but slow\\t\""},
        {"\"quoted\"", "\"\"quoted\"\""},
        {QString("bell \a nul ") + QChar(0) + QChar(0xD800) + " \\n", "\"bell \\u0007 nul \\u0000\\ud800 \\\\n\""},
        {QString::fromUtf8("caf\u00e9 \U0001F697"), "caf\xc3\xa9 \xf0\x9f\x9a\x97"},
    };
    for (const auto &[notes, value] : cases) {
        auto topic = CarTopic();
        topic->SetDescription(notes);
        ASSERT_TRUE(SaveTopicFile(folder.path("notes.vtp"), *topic));
        EXPECT_EQ(ScratchFolder::read(folder.path("notes.vtp")),
                  carFileWith("Name=Choosing a car\r\n", "Name=Choosing a car\r\nDescription=" + value + "\r\n"));
        auto again = std::make_shared<VeltraneTopic>();
        ASSERT_TRUE(LoadTopicFile(folder.path("notes.vtp"), again));
        EXPECT_EQ(again->Description(), notes);
        EXPECT_EQ(TopicSummary(*again), TopicSummary(*topic));
    }

    // A megabyte of notes with every control character comes back whole.
    QString large;
    for (int i = 0; large.size() < 1024 * 1024; ++i)
        large += QChar(char16_t(i % 0x80)) + QStringLiteral("line %1;\n").arg(i);
    auto topic = CarTopic();
    topic->SetDescription(large);
    ASSERT_TRUE(SaveTopicFile(folder.path("large.vtp"), *topic));
    auto again = std::make_shared<VeltraneTopic>();
    ASSERT_TRUE(LoadTopicFile(folder.path("large.vtp"), again));
    EXPECT_TRUE(again->Description() == large);
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(TopicFile, ScalesValuesAndDirectionsAreWrittenBesideTheDesignKeysAndReadBack)
{
    ParametersGuard guard;
    ScratchFolder folder;
    auto topic = CarTopic();
    topic->SetScale(0, {QStringLiteral("$;net"), 2000, 800, {{1500, 0.6}, {1000.5, 0.9}}});
    topic->SetValue(0, 0, 1299);
    topic->SetLowerBetter(1, true);
    ASSERT_TRUE(SaveTopicFile(folder.path("measured.vtp"), *topic));
    QByteArray expected = carFileWith("Attribute0_Weighting=0.5\r\n",
                                      "Attribute0_Weighting=0.5\r\nAttribute0_Unit=$;net\r\nAttribute0_Worst=2000\r\n"
                                      "Attribute0_Best=800\r\nAttribute0_Points=1500:0.6;1000.5:0.9\r\n");
    expected.replace("Attribute1_Weighting=0.25\r\n", "Attribute1_Weighting=0.25\r\nAttribute1_LowerBetter=True\r\n");
    expected.replace("Rating0=0.8\r\n", "Rating0=0.721\r\nRating0_Value=1299\r\n");
    EXPECT_EQ(ScratchFolder::read(folder.path("measured.vtp")), expected);

    auto loaded = std::make_shared<VeltraneTopic>();
    ASSERT_TRUE(LoadTopicFile(folder.path("measured.vtp"), loaded));
    EXPECT_EQ(*loaded, *topic);

    // The value decides the rating, whatever the rating key says.
    const QString edited = folder.write("edited.vtp", carFileWith("Attribute0_Weighting=0.5\r\n",
                                                                  "Attribute0_Weighting=0.5\r\nAttribute0_Worst=5\r\n"
                                                                  "Attribute0_Best=15\r\n")
                                                          .replace("Rating0=0.3\r\n", "Rating0=0.3\r\nRating0_Value=9\r\n"));
    ASSERT_TRUE(LoadTopicFile(edited, loaded));
    EXPECT_EQ(loaded->GetScale(0).Unit, "");
    EXPECT_EQ(loaded->GetRating(1, 0), 0.4);
    EXPECT_EQ(loaded->GetRating(0, 0), 0.8);
}

TEST(TopicFile, HandEditedScalesAndValuesThatAreNotValidNameTheirKey)
{
    ParametersGuard guard;
    const QByteArray scale = "Attribute0_Weighting=0.5\r\nAttribute0_Unit=$\r\nAttribute0_Worst=2000\r\nAttribute0_Best=800\r\n";
    const struct {
        QByteArray from, to, named;
    } cases[] = {
        {"Attribute0_Best=800", "Attribute0_Best=2000", "Attribute0_Best in [Attributes]"},
        {"Attribute0_Best=800", "Attribute0_Best=800\r\nAttribute0_Points=900:0.5;1500:0.8", "Attribute0_Points in [Attributes]"},
        {"Attribute0_Best=800", "Attribute0_Best=800\r\nAttribute0_Points=abc", "Attribute0_Points in [Attributes]"},
        {"Attribute0_Unit=$", "Attribute0_Unit=" + QByteArray(10000, 'u'), "Attribute0_Unit in [Attributes]"},
        {"Attribute0_Best=800", "Attribute0_Best=nan", "Attribute0_Best in [Attributes]"},
        {"Attribute0_Worst=2000\r\n", "", "Attribute0_Worst in [Attributes]"},
        {"Rating0=0.8", "Rating0=0.8\r\nRating0_Value=1e999", "Rating0_Value in [Option0]"},
        {"Rating0=0.8", "Rating0=0.8\r\nRating0_Value=1" + QByteArray(400, '0'), "Rating0_Value in [Option0]"},
        {"Rating0=0.8", "Rating0=0.8\r\nRating0_Value=nan", "Rating0_Value in [Option0]"},
        {"Rating1=0.9", "Rating1=0.9\r\nRating1_Value=3", "Rating1_Value in [Option1]"},
        {"Attribute0_Best=800", "Attribute0_Best=800\r\nAttribute0_LowerBetter=False", "Attribute0_LowerBetter in [Attributes]"},
        {"Attribute1_Weighting=0.25", "Attribute1_Weighting=0.25\r\nAttribute1_LowerBetter=maybe", "Attribute1_LowerBetter in [Attributes]"},
    };
    for (const auto &bad : cases) {
        QByteArray file = carFileWith("Attribute0_Weighting=0.5\r\n", scale);
        EXPECT_TRUE(file.contains(bad.from)) << bad.from.constData();
        SCOPED_TRACE(bad.named.constData());
        const auto boxes = failedLoad(file.replace(bad.from, bad.to));
        ASSERT_EQ(boxes.size(), 1) << bad.named.constData();
        EXPECT_TRUE(boxes[0].prompt.startsWith("An error occurred whilst loading the file!\r\rError "));
        EXPECT_TRUE(boxes[0].prompt.contains(QString::fromLatin1(bad.named))) << boxes[0].prompt.left(300).toStdString();
        EXPECT_EQ(boxes[0].buttons, vbCritical);
    }
}
