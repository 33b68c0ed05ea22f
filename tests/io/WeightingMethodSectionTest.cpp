// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/modLoadSave.h"

#include "IoTestSupport.h"

using namespace modLoadSave;

namespace {

using Method = WeightingMethodInputs::Method;

// The worked example with a third attribute, Safety, and the answers of one method applied.
std::shared_ptr<VeltraneTopic> CarWith(Method method)
{
    auto topic = CarTopic();
    topic->AddAttribute(QStringLiteral("Safety"));
    WeightingMethodInputs inputs;
    inputs.Kind = method;
    inputs.Ranks = {2, 1, 2};
    inputs.Points = {100, 37.5, 0};
    inputs.Judgements = {{1, 1.0 / 3, 5}, {3, 1, 7}, {1.0 / 5, 1.0 / 7, 1}};
    topic->ApplyWeightingMethod(inputs);
    return topic;
}

// What a save writes after the options.
QByteArray SectionOf(const QByteArray &file)
{
    const qsizetype at = file.indexOf("[WeightingMethod]");
    return at < 0 ? QByteArray() : file.mid(at);
}

} // namespace

TEST(WeightingMethodSection, AnswersRoundTripAfterTheOptions)
{
    ParametersGuard guard;
    ScratchFolder folder;
    const QByteArray expected[] = {
        "[WeightingMethod]\r\nMethod=Rank\r\nRank0=2\r\nRank1=1\r\nRank2=2\r\n\r\n",
        "[WeightingMethod]\r\nMethod=Swing\r\nPoints0=100\r\nPoints1=37.5\r\nPoints2=0\r\n\r\n",
        "[WeightingMethod]\r\nMethod=Compare\r\nPair0_1=1/3\r\nPair0_2=5\r\nPair1_2=7\r\n\r\n",
    };
    const Method methods[] = {Method::Rank, Method::Swing, Method::Compare};
    for (int m = 0; m < 3; ++m) {
        for (const bool normalise : {false, true}) {
            auto topic = CarWith(methods[m]);
            topic->SetNormaliseWeights(normalise);
            const QString path = folder.path(QStringLiteral("car%1.vtp").arg(m));
            ASSERT_TRUE(SaveTopicFile(path, *topic));
            const QByteArray file = ScratchFolder::read(path);
            EXPECT_EQ(SectionOf(file), expected[m]);
            EXPECT_TRUE(file.indexOf("[Option1]") < file.indexOf("[WeightingMethod]"));

            MsgBoxRecorder boxes;
            auto loaded = std::make_shared<VeltraneTopic>();
            loaded->SetNormaliseWeights(normalise);
            ASSERT_TRUE(LoadTopicFile(path, loaded));
            EXPECT_TRUE(boxes.boxes.isEmpty());
            EXPECT_EQ(loaded->MethodInputs(), topic->MethodInputs());
            // However the file wrote the weightings, they still match the answers.
            EXPECT_TRUE(loaded->WeightingsMatchMethod()) << m << normalise;
        }
    }
    // A weighting changed by hand in the file no longer matches.
    const QByteArray edited = ScratchFolder::read(folder.path("car2.vtp")).replace("Attribute0_Weighting=", "X=");
    auto loaded = std::make_shared<VeltraneTopic>();
    ASSERT_TRUE(LoadTopicFile(folder.write("edited.vtp", edited + "[Attributes]\r\nAttribute0_Weighting=0.3\r\n"),
                              loaded));
    EXPECT_EQ(loaded->MethodInputs().Kind, Method::Compare);
    EXPECT_FALSE(loaded->WeightingsMatchMethod());
}

TEST(WeightingMethodSection, HandEditedAnswersGiveTheLoadErrorNamingTheKey)
{
    ParametersGuard guard;
    ScratchFolder folder;
    const QByteArray good = ScratchFolder::read(
        [&] {
            const QString path = folder.path("good.vtp");
            EXPECT_TRUE(SaveTopicFile(path, *CarWith(Method::Compare)));
            return path;
        }());
    const QByteArray pairs = "Pair0_1=1/3\r\nPair0_2=5\r\nPair1_2=7\r\n";
    ASSERT_TRUE(good.contains(pairs));
    struct Case
    {
        QByteArray section;
        const char *key;
    };
    const Case cases[] = {
        {"Method=Compare\r\nPair0_1=1/3\r\nPair1_2=7\r\n", "Pair0_2 in [WeightingMethod] is missing"},
        {"Method=Compare\r\nPair0_1=0\r\nPair0_2=5\r\nPair1_2=7\r\n", "Pair0_1 in [WeightingMethod] is 0, outside"},
        {"Method=Compare\r\nPair0_1=-3\r\nPair0_2=5\r\nPair1_2=7\r\n", "Pair0_1 in [WeightingMethod] is -3, outside"},
        {"Method=Compare\r\nPair0_1=abc\r\nPair0_2=5\r\nPair1_2=7\r\n", "Pair0_1 in [WeightingMethod] is missing"},
        {"Method=Compare\r\nPair0_1=1e308\r\nPair0_2=5\r\nPair1_2=7\r\n", "Pair0_1 in [WeightingMethod] is missing"},
        {"Method=Compare\r\nPair0_1=1/0\r\nPair0_2=5\r\nPair1_2=7\r\n", "Pair0_1 in [WeightingMethod] is missing"},
        {"Method=Compare\r\nPair0_1=" + QByteArray(309, '9') + "\r\nPair0_2=5\r\nPair1_2=7\r\n",
         "Pair0_1 in [WeightingMethod] is 9999"},
        {"Method=Compare\r\n" + pairs + "Pair2_3=4\r\n", "Pair2_3 in [WeightingMethod] compares an attribute"},
        {"Method=Compare\r\n" + pairs + "Pair1_0=4\r\n", "Pair1_0 in [WeightingMethod] is not a pair"},
        {"Method=Rank\r\nRank0=1\r\nRank1=2\r\n", "Rank2 in [WeightingMethod] is missing"},
        {"Method=Rank\r\nRank0=1\r\nRank1=2\r\nRank2=3\r\nRank3=3\r\n", "Rank3 in [WeightingMethod] is for an attribute"},
        {"Method=Rank\r\nRank0=1\r\nRank1=2.5\r\nRank2=3\r\n", "Rank1 in [WeightingMethod] is 2.5, not a whole"},
        {"Method=Rank\r\nRank0=1\r\nRank1=0\r\nRank2=4\r\n", "Rank1 in [WeightingMethod] is 0, not a whole"},
        {"Method=Swing\r\nPoints0=0\r\nPoints1=0\r\nPoints2=0\r\n", "Points0 to Points2 in [WeightingMethod] give no"},
        {"Method=Swing\r\nPoints0=10\r\nPoints1=101\r\nPoints2=0\r\n", "Points1 in [WeightingMethod] is 101, outside"},
        {"Method=Ranking\r\n", "Method in [WeightingMethod] is \"Ranking\", not Rank"},
        {pairs, "Method in [WeightingMethod] is \"\""},
    };
    for (const Case &bad : cases) {
        QByteArray file = good;
        file.replace(SectionOf(good), "[WeightingMethod]\r\n" + bad.section);
        MsgBoxRecorder boxes;
        auto topic = std::make_shared<VeltraneTopic>();
        const auto before = topic;
        EXPECT_FALSE(LoadTopicFile(folder.write("bad.vtp", file), topic)) << bad.key;
        EXPECT_EQ(topic, before);
        ASSERT_EQ(boxes.boxes.size(), 1) << bad.key;
        EXPECT_TRUE(boxes.boxes[0].prompt.startsWith("An error occurred whilst loading the file!\r\rError "));
        EXPECT_TRUE(boxes.boxes[0].prompt.contains(QLatin1String(bad.key))) << boxes.boxes[0].prompt.toStdString();
    }
}
