#include "ErrorOf.h"
#include "model/VeltraneTopic.h"
#include "support/VeltraneError.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>

#include <cmath>
#include <functional>
#include <limits>

namespace {

void ExpectError(const std::function<void()> &call, int32_t number, const QString &message)
{
    const VeltraneError error = ErrorOf(call);
    EXPECT_EQ(error.number(), number) << message.toStdString();
    EXPECT_EQ(error.description(), message);
    EXPECT_EQ(error.source(), "veltrane.VeltraneTopic");
}

// The stored weighting, read without normalising or rounding. A single attribute
// always reads 1, so a second one is added to see what is stored.
double Stored(VeltraneTopic topic, int16_t id)
{
    topic.SetNormaliseWeights(false);
    topic.SetRounding(-1);
    if (topic.TotalAttributes() == 1)
        topic.AddAttribute(QString());
    return topic.GetWeighting(id);
}

VeltraneTopic TopicWithWeightings(std::initializer_list<double> weightings, bool normalise, int16_t rounding = 3)
{
    VeltraneTopic topic;
    topic.SetRounding(rounding);
    topic.SetTotalAttributes(int16_t(weightings.size()));
    int16_t id = 0;
    for (double w : weightings)
        topic.pSetWeighting(id++, w, false);
    topic.SetNormaliseWeights(normalise);
    return topic;
}

constexpr int32_t BadAttribute = vbObjectError + 1001;
constexpr int32_t BadOption = vbObjectError + 1002;
constexpr int32_t BadValue = vbObjectError + 1003;

} // namespace

TEST(VeltraneTopic, NewTopicHasOneDefaultAttributeAndOption)
{
    const VeltraneTopic topic;
    EXPECT_EQ(topic.Title(), "New Topic");
    EXPECT_EQ(topic.Description(), "");
    EXPECT_FALSE(topic.InvertWeights());
    EXPECT_FALSE(topic.NormaliseWeights());
    EXPECT_EQ(topic.Rounding(), -1);
    EXPECT_EQ(topic.TotalAttributes(), 1);
    EXPECT_EQ(topic.TotalOptions(), 1);
    EXPECT_EQ(topic.GetAttributeName(0), "Attribute 1");
    EXPECT_EQ(topic.GetOptionName(0), "Option 1");
    EXPECT_EQ(Stored(topic, 0), 0.5);
    EXPECT_EQ(topic.GetRating(0, 0), 0.5);
}

TEST(VeltraneTopic, RoundingPropertyStoresZeroAsOneAndNegativesAsMinusOne)
{
    VeltraneTopic topic;
    topic.SetRounding(0);
    EXPECT_EQ(topic.Rounding(), 1);
    topic.SetRounding(-7);
    EXPECT_EQ(topic.Rounding(), -1);
    topic.SetRounding(4);
    EXPECT_EQ(topic.Rounding(), 4);
}

TEST(VeltraneTopic, EmptyNameBringsTheDefaultBackButBlanksStay)
{
    VeltraneTopic topic;
    topic.SetAttributeName(0, "Price");
    EXPECT_EQ(topic.GetAttributeName(0), "Price");
    topic.SetAttributeName(0, "");
    EXPECT_EQ(topic.GetAttributeName(0), "Attribute 1");
    topic.SetAttributeName(0, " ");
    EXPECT_EQ(topic.GetAttributeName(0), " ");
    topic.SetOptionName(0, "  Car A ");
    EXPECT_EQ(topic.GetOptionName(0), "  Car A ");
}

TEST(VeltraneTopic, DeletingAnAttributeShiftsLaterAttributesAndTheirRatings)
{
    VeltraneTopic topic;
    topic.SetTotalAttributes(3);
    topic.SetTotalOptions(2);
    const char *names[] = {"Price", "Quality", "Size"};
    for (int16_t a = 0; a < 3; ++a) {
        topic.SetAttributeName(a, names[a]);
        topic.pSetWeighting(a, 0.1 * (a + 1), false);
        for (int16_t o = 0; o < 2; ++o)
            topic.SetRating(o, a, 0.1 * (a + 1) + 0.5 * o);
    }
    topic.DeleteAttribute(0);
    ASSERT_EQ(topic.TotalAttributes(), 2);
    EXPECT_EQ(topic.GetAttributeName(0), "Quality");
    EXPECT_EQ(topic.GetAttributeName(1), "Size");
    EXPECT_DOUBLE_EQ(Stored(topic, 0), 0.2);
    EXPECT_DOUBLE_EQ(Stored(topic, 1), 0.3);
    EXPECT_DOUBLE_EQ(topic.GetRating(0, 0), 0.2);
    EXPECT_DOUBLE_EQ(topic.GetRating(1, 1), 0.8);
    ExpectError([&] { topic.GetAttributeName(2); }, BadAttribute, "Attribute 2 not found in GetAttributeName().");
}

TEST(VeltraneTopic, DefaultNamesFollowThePositionWhileStoredNamesMove)
{
    VeltraneTopic topic;
    topic.SetTotalOptions(3);
    topic.SetOptionName(0, "First");
    topic.DeleteOption(0);
    EXPECT_EQ(topic.GetOptionName(0), "Option 1");
    EXPECT_EQ(topic.GetOptionName(1), "Option 2");

    topic.SetOptionName(1, "Kept");
    topic.SetRating(1, 0, 0.9);
    topic.DeleteOption(0);
    EXPECT_EQ(topic.GetOptionName(0), "Kept");
    EXPECT_EQ(topic.GetRating(0, 0), 0.9);
}

TEST(VeltraneTopic, DeletingTheOnlyOptionOrAttributeResetsIt)
{
    VeltraneTopic topic;
    topic.SetTotalAttributes(3);
    topic.SetOptionName(0, "Only");
    topic.SetRating(0, 2, 0.9);
    topic.DeleteOption(0);
    EXPECT_EQ(topic.TotalOptions(), 1);
    EXPECT_EQ(topic.GetOptionName(0), "Option 1");
    for (int16_t a = 0; a < 3; ++a)
        EXPECT_EQ(topic.GetRating(0, a), 0.5);

    for (bool normalise : {false, true}) {
        VeltraneTopic single;
        single.SetTotalOptions(2);
        single.SetAttributeName(0, "Price");
        single.pSetWeighting(0, 0.9, false);
        single.SetRating(0, 0, 0.1);
        single.SetRating(1, 0, 1);
        single.SetNormaliseWeights(normalise);
        single.DeleteAttribute(0);
        EXPECT_EQ(single.TotalAttributes(), 1);
        EXPECT_EQ(single.GetAttributeName(0), "Attribute 1");
        EXPECT_EQ(Stored(single, 0), 0.5);
        EXPECT_EQ(single.GetRating(0, 0), 0.5);
        EXPECT_EQ(single.GetRating(1, 0), 0.5);
    }
}

TEST(VeltraneTopic, WritingTheTotalsGrowsAndShrinksAtTheEnd)
{
    VeltraneTopic topic;
    topic.SetTotalAttributes(0);
    EXPECT_EQ(topic.TotalAttributes(), 1);
    topic.SetTotalAttributes(-5);
    EXPECT_EQ(topic.TotalAttributes(), 1);

    topic.SetTotalAttributes(2);
    topic.SetTotalOptions(2);
    topic.SetAttributeName(1, "Second");
    topic.SetTotalAttributes(5);
    ASSERT_EQ(topic.TotalAttributes(), 5);
    EXPECT_EQ(topic.GetAttributeName(1), "Second");
    for (int16_t a = 2; a < 5; ++a) {
        EXPECT_EQ(topic.GetAttributeName(a), QString("Attribute %1").arg(a + 1));
        EXPECT_EQ(Stored(topic, a), 0.5);
        EXPECT_EQ(topic.GetRating(0, a), 0.5);
        EXPECT_EQ(topic.GetRating(1, a), 0.5);
    }
    topic.SetAttributeName(4, "Last");
    topic.SetTotalAttributes(2);
    EXPECT_EQ(topic.TotalAttributes(), 2);
    EXPECT_EQ(topic.GetAttributeName(1), "Second");

    topic.SetTotalOptions(0);
    EXPECT_EQ(topic.TotalOptions(), 1);
    topic.SetTotalOptions(4);
    EXPECT_EQ(topic.TotalOptions(), 4);
    EXPECT_EQ(topic.GetRating(3, 1), 0.5);
}

TEST(VeltraneTopic, EveryIdentifierIsCheckedWithItsOwnCodeAndMessage)
{
    VeltraneTopic topic;
    topic.SetTotalAttributes(3);
    topic.SetTotalOptions(3);
    for (int16_t bad : {int16_t(-1), int16_t(3)}) {
        const QString id = QString::number(bad);
        ExpectError([&] { topic.GetAttributeName(bad); }, BadAttribute, "Attribute " + id + " not found in GetAttributeName().");
        ExpectError([&] { topic.SetAttributeName(bad, "x"); }, BadAttribute, "Attribute " + id + " not found in SetAttributeName().");
        ExpectError([&] { topic.GetOptionName(bad); }, BadOption, "Option " + id + " not found in GetOptionName().");
        ExpectError([&] { topic.SetOptionName(bad, "x"); }, BadOption, "Option " + id + " not found in SetOptionName().");
        ExpectError([&] { topic.DeleteAttribute(bad); }, BadAttribute, "Attribute " + id + " not found in DeleteAttribute().");
        ExpectError([&] { topic.DeleteOption(bad); }, BadOption, "Option " + id + " not found in DeleteOption().");
        ExpectError([&] { topic.SetWeighting(bad, 0.5); }, BadAttribute, "Attribute " + id + " not found in SetWeighting().");
        ExpectError([&] { topic.pSetWeighting(bad, 0.5, true); }, BadAttribute, "Attribute " + id + " not found in SetWeighting().");
        ExpectError([&] { topic.GetWeighting(bad); }, BadAttribute, "Attribute " + id + " not found in GetWeighting().");
        ExpectError([&] { topic.SetRating(bad, 0, 0.5); }, BadOption, "Option " + id + " not found in SetRating().");
        ExpectError([&] { topic.SetRating(0, bad, 0.5); }, BadAttribute, "Attribute " + id + " not found in SetRating().");
        ExpectError([&] { topic.GetRating(bad, 0); }, BadOption, "Option " + id + " not found in GetRating().");
        ExpectError([&] { topic.GetRating(0, bad); }, BadAttribute, "Attribute " + id + " not found in GetRating().");
        ExpectError([&] { topic.pGetOptionSubTotal(bad, 0); }, BadOption, "Option " + id + " not found in pGetOptionSubTotal().");
        ExpectError([&] { topic.pGetOptionSubTotal(0, bad); }, BadAttribute, "Attribute " + id + " not found in pGetOptionSubTotal().");
        ExpectError([&] { topic.GetScore(bad); }, BadOption, "Option " + id + " not found in GetScore().");
    }
    EXPECT_EQ(BadAttribute, -2147220503);
    EXPECT_EQ(topic.TotalAttributes(), 3);
    EXPECT_EQ(topic.TotalOptions(), 3);
}

TEST(VeltraneTopic, OptionIsCheckedBeforeAttributeAndIdentifiersBeforeTheValue)
{
    VeltraneTopic topic;
    ExpectError([&] { topic.SetRating(7, 9, 1.5); }, BadOption, "Option 7 not found in SetRating().");
    ExpectError([&] { topic.SetRating(0, 9, 1.5); }, BadAttribute, "Attribute 9 not found in SetRating().");
    ExpectError([&] { topic.GetRating(7, 9); }, BadOption, "Option 7 not found in GetRating().");
    ExpectError([&] { topic.SetWeighting(4, -2); }, BadAttribute, "Attribute 4 not found in SetWeighting().");
}

TEST(VeltraneTopic, ValuesOutsideZeroToOneAreRejectedAndChangeNothing)
{
    VeltraneTopic topic = TopicWithWeightings({0.5, 0.25, 0.25}, true);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double bad : {1.0000001, -0.0001, nan, std::numeric_limits<double>::infinity()}) {
        ExpectError([&] { topic.SetWeighting(0, bad); }, BadValue, "Invalid weighting supplied to SetWeighting().");
        ExpectError([&] { topic.pSetWeighting(1, bad, false); }, BadValue, "Invalid weighting supplied to SetWeighting().");
        ExpectError([&] { topic.SetRating(0, 0, bad); }, BadValue, "Invalid Rating supplied to SetRating().");
    }
    EXPECT_EQ(Stored(topic, 0), 0.5);
    EXPECT_EQ(Stored(topic, 1), 0.25);
    EXPECT_EQ(Stored(topic, 2), 0.25);
    EXPECT_EQ(topic.GetRating(0, 0), 0.5);

    topic.SetNormaliseWeights(false);
    topic.SetWeighting(0, 1);
    topic.SetWeighting(1, 0);
    topic.SetRating(0, 0, 0);
    topic.SetRating(0, 1, 1);
    EXPECT_EQ(Stored(topic, 0), 1);
    EXPECT_EQ(Stored(topic, 1), 0);
}

TEST(VeltraneTopic, GrowingPastTheSixteenBitRangeOverflowsAndChangesNothing)
{
    VeltraneTopic topic;
    topic.SetTotalOptions(32767);
    ExpectError([&] { topic.AddOption("one too many"); }, 6, "Overflow");
    EXPECT_EQ(topic.TotalOptions(), 32767);

    VeltraneTopic wide;
    wide.SetTotalAttributes(32767);
    ExpectError([&] { wide.AddAttribute("one too many"); }, 6, "Overflow");
    EXPECT_EQ(wide.TotalAttributes(), 32767);
    EXPECT_EQ(wide.GetRating(0, 32766), 0.5);
}

TEST(VeltraneTopic, WeightingsAreRoundedOnStoreButRatingsOnlyOnRead)
{
    VeltraneTopic topic;
    topic.SetTotalAttributes(2);
    topic.SetRounding(3);
    topic.SetWeighting(0, 0.12345);
    EXPECT_EQ(Stored(topic, 0), 0.123);
    topic.SetRating(0, 0, 0.12345);
    EXPECT_EQ(topic.GetRating(0, 0), 0.123);
    topic.SetRounding(-1);
    EXPECT_EQ(topic.GetRating(0, 0), 0.12345);
}

TEST(VeltraneTopic, RoundingTiesGoToTheEvenDigit)
{
    VeltraneTopic topic;
    topic.SetTotalAttributes(2);
    topic.SetRounding(3);
    topic.SetRating(0, 0, 0.0625);
    EXPECT_EQ(topic.GetRating(0, 0), 0.062);
    topic.SetRating(0, 0, 0.1875);
    EXPECT_EQ(topic.GetRating(0, 0), 0.188);
    topic.SetWeighting(1, 0.0625);
    EXPECT_EQ(Stored(topic, 1), 0.062);
    topic.SetRounding(1);
    topic.SetRating(0, 0, 0.25);
    EXPECT_EQ(topic.GetRating(0, 0), 0.2);
    topic.SetRating(0, 0, 0.75);
    EXPECT_EQ(topic.GetRating(0, 0), 0.8);
}

TEST(VeltraneTopic, ASingleAttributeAlwaysWeighsOne)
{
    for (double stored : {0.0, 0.3, 1.0}) {
        for (bool normalise : {false, true}) {
            VeltraneTopic topic;
            topic.SetRounding(3);
            topic.pSetWeighting(0, stored, false);
            topic.SetNormaliseWeights(normalise);
            EXPECT_EQ(topic.GetWeighting(0), 1.0);
            topic.SetRating(0, 0, 0.4567);
            EXPECT_EQ(topic.GetScore(0), 0.457);
            topic.SetInvertWeights(true);
            EXPECT_EQ(topic.GetScore(0), 0.543);
        }
    }
}

TEST(VeltraneTopic, AllWeightingsZeroCountEqually)
{
    VeltraneTopic topic = TopicWithWeightings({0, 0}, true);
    EXPECT_EQ(topic.GetWeighting(0), 0.5);
    EXPECT_EQ(topic.GetWeighting(1), 0.5);
    topic.SetRating(0, 0, 0.2);
    topic.SetRating(0, 1, 0.6);
    EXPECT_EQ(topic.GetScore(0), 0.4);
}

TEST(VeltraneTopic, WorkedScoringExample)
{
    VeltraneTopic topic = TopicWithWeightings({0.5, 0.25}, false);
    topic.SetTotalOptions(2);
    topic.SetAttributeName(0, "Price");
    topic.SetAttributeName(1, "Quality");
    topic.SetOptionName(0, "Car A");
    topic.SetOptionName(1, "Car B");
    topic.SetRating(0, 0, 0.8);
    topic.SetRating(0, 1, 0.4);
    topic.SetRating(1, 0, 0.3);
    topic.SetRating(1, 1, 0.9);

    EXPECT_EQ(topic.GetWeighting(0), 0.5);
    EXPECT_EQ(topic.GetWeighting(1), 0.25);
    topic.SetNormaliseWeights(true);
    EXPECT_EQ(topic.GetWeighting(0), 0.667);
    EXPECT_EQ(topic.GetWeighting(1), 0.333);
    EXPECT_EQ(topic.GetScore(0), 0.667);
    EXPECT_EQ(topic.GetScore(1), 0.5);
    EXPECT_DOUBLE_EQ(topic.pGetOptionSubTotal(0, 0), 0.8 / 1.5);
    topic.SetInvertWeights(true);
    EXPECT_EQ(topic.GetScore(0), 0.333);
    EXPECT_EQ(topic.GetScore(1), 0.5);
    EXPECT_DOUBLE_EQ(topic.pGetOptionSubTotal(0, 0), 0.2 / 1.5);
}

TEST(VeltraneTopic, SwitchingNormalisationChangesNoStoredValueNorScore)
{
    VeltraneTopic topic = TopicWithWeightings({0.5, 0.25}, false);
    topic.SetRating(0, 0, 0.8);
    topic.SetRating(0, 1, 0.4);
    const double score = topic.GetScore(0);
    topic.SetNormaliseWeights(true);
    EXPECT_EQ(Stored(topic, 0), 0.5);
    EXPECT_EQ(Stored(topic, 1), 0.25);
    EXPECT_EQ(topic.GetScore(0), score);
}

TEST(VeltraneTopic, InvertedRatingsOfZeroScoreOne)
{
    VeltraneTopic topic = TopicWithWeightings({0.2, 0.7, 0.1}, false);
    topic.SetTotalOptions(2);
    topic.SetInvertWeights(true);
    for (int16_t o = 0; o < 2; ++o)
        for (int16_t a = 0; a < 3; ++a)
            topic.SetRating(o, a, 0);
    EXPECT_EQ(topic.GetScore(0), 1);
    EXPECT_EQ(topic.GetScore(1), 1);
}

TEST(VeltraneTopic, NormalisingEditRescalesTheOthers)
{
    {
        VeltraneTopic topic = TopicWithWeightings({0.5, 0.25, 0.25}, true);
        topic.SetWeighting(0, 0.8);
        EXPECT_EQ(Stored(topic, 0), 0.8);
        EXPECT_NEAR(Stored(topic, 1), 0.1, 1e-15);
        EXPECT_NEAR(Stored(topic, 2), 0.1, 1e-15);
        EXPECT_EQ(topic.GetWeighting(1), 0.1);
        EXPECT_EQ(topic.GetWeighting(2), 0.1);
    }
    {
        VeltraneTopic topic = TopicWithWeightings({0.5, 0.5, 0.5}, true);
        topic.SetWeighting(0, 0.6);
        EXPECT_EQ(Stored(topic, 0), 0.6);
        EXPECT_DOUBLE_EQ(Stored(topic, 1), 0.333 * (0.4 / 0.666));
        EXPECT_NEAR(Stored(topic, 1), 0.2, 1e-15);
        EXPECT_NEAR(Stored(topic, 2), 0.2, 1e-15);
    }
    for (auto start : {std::initializer_list<double>{0.3, 0, 0}, std::initializer_list<double>{0, 0, 0}}) {
        VeltraneTopic topic = TopicWithWeightings(start, true);
        topic.SetWeighting(0, 0.4);
        EXPECT_EQ(Stored(topic, 0), 0.4);
        EXPECT_NEAR(Stored(topic, 1), 0.3, 1e-15);
        EXPECT_NEAR(Stored(topic, 2), 0.3, 1e-15);
    }
    {
        VeltraneTopic topic = TopicWithWeightings({0.5, 0.5}, true);
        topic.SetRating(0, 0, 0.7);
        topic.SetRating(0, 1, 0.1);
        topic.SetWeighting(0, 1);
        EXPECT_EQ(Stored(topic, 1), 0);
        EXPECT_EQ(topic.GetWeighting(1), 0);
        EXPECT_EQ(topic.GetScore(0), 0.7);
    }
}

TEST(VeltraneTopic, EditWithoutNormalisingLeavesTheOthersAlone)
{
    VeltraneTopic topic = TopicWithWeightings({0.5, 0.25, 0.25}, false);
    topic.SetWeighting(0, 0.8);
    EXPECT_EQ(Stored(topic, 1), 0.25);
    topic.SetNormaliseWeights(true);
    topic.pSetWeighting(0, 0.1, false);
    EXPECT_EQ(Stored(topic, 1), 0.25);
    EXPECT_EQ(Stored(topic, 2), 0.25);
}

TEST(VeltraneTopic, NewAttributeTakesTheMeanWeightingWhenNormalising)
{
    VeltraneTopic topic = TopicWithWeightings({0.5, 0.2}, true);
    EXPECT_DOUBLE_EQ(topic.DefaultWeighting(), 0.7);
    topic.AddAttribute("Size");
    EXPECT_EQ(topic.TotalAttributes(), 3);
    EXPECT_EQ(topic.GetAttributeName(2), "Size");
    EXPECT_EQ(Stored(topic, 2), 0.35);
    EXPECT_EQ(topic.GetWeighting(0), 0.476);
    EXPECT_EQ(topic.GetWeighting(1), 0.19);
    EXPECT_EQ(topic.GetWeighting(2), 0.333);
    EXPECT_EQ(topic.GetRating(0, 2), 0.5);

    topic.SetNormaliseWeights(false);
    EXPECT_EQ(topic.DefaultWeighting(), 0.5);
    topic.AddAttribute("");
    EXPECT_EQ(Stored(topic, 3), 0.5);
}

TEST(VeltraneTopic, NewAttributeWeightingIsRoundedToTheTopicsPlaces)
{
    VeltraneTopic topic = TopicWithWeightings({0.111, 0.222, 0.444}, true);
    topic.AddAttribute("");
    // (0.111 + 0.222 + 0.444) / 3 = 0.259
    EXPECT_EQ(Stored(topic, 3), 0.259);
    // Each stored weighting is rounded first: (0.1 + 0.2 + 0.4 + 0.3) / 4 = 0.25, a tie.
    topic.SetRounding(1);
    topic.AddAttribute("");
    EXPECT_EQ(Stored(topic, 4), 0.2);
}

namespace {
QStringList capturedLog;
void CaptureMessage(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QByteArray(context.category) == "veltrane.topic")
        capturedLog << message;
}
} // namespace

TEST(VeltraneTopic, DebugDumpIsSilentUnlessEnabledAndChangesNothing)
{
    VeltraneTopic topic = TopicWithWeightings({0.5, 0.25}, false);
    topic.SetAttributeName(0, "Price");
    topic.SetOptionName(0, "Car A");
    capturedLog.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CaptureMessage);
    topic.OutputDebugInfo();
    EXPECT_TRUE(capturedLog.isEmpty());

    QLoggingCategory::setFilterRules("veltrane.topic.debug=true");
    topic.OutputDebugInfo();
    QLoggingCategory::setFilterRules({});
    qInstallMessageHandler(previous);

    const QString dump = capturedLog.join('\n');
    EXPECT_TRUE(dump.contains("\"Price\" weighting 0.667")) << dump.toStdString();
    EXPECT_TRUE(dump.contains("\"Attribute 2\" weighting 0.333")) << dump.toStdString();
    EXPECT_TRUE(dump.contains("\"Car A\"")) << dump.toStdString();
    EXPECT_EQ(Stored(topic, 0), 0.5);
    EXPECT_FALSE(topic.NormaliseWeights());
}
