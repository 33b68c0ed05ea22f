// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorOf.h"
#include "model/VeltraneTopic.h"
#include "model/WeightingMethods.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Matrix = QList<QList<double>>;

void ExpectWeights(const QList<double> &actual, const QList<double> &expected, double tolerance)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "weight " << i;
}

void ExpectInvalid(const std::function<void()> &call, const char *saying)
{
    const VeltraneError error = ErrorOf(call);
    EXPECT_EQ(error.number(), ErrInvalidProcedureCall);
    EXPECT_EQ(error.source(), "veltrane.WeightingMethods");
    EXPECT_TRUE(error.description().contains(QLatin1String(saying))) << error.description().toStdString();
}

// The matrix whose judgements all fit the given weights exactly.
Matrix Consistent(const QList<double> &weights)
{
    Matrix judgements;
    for (double row : weights) {
        judgements.emplaceBack();
        for (double column : weights)
            judgements.back().append(row / column);
    }
    return judgements;
}

const Matrix SaatyExample{{1, 1.0 / 5, 3, 1.0 / 2, 5},
                          {5, 1, 7, 1, 7},
                          {1.0 / 3, 1.0 / 7, 1, 1.0 / 4, 3},
                          {2, 1, 4, 1, 7},
                          {1.0 / 5, 1.0 / 7, 1.0 / 3, 1.0 / 7, 1}};

TEST(WeightingMethodsTest, RankOrderCentroidFigures)
{
    ExpectWeights(WeightingMethods::RankOrderCentroid({1, 2, 3}), {0.6111, 0.2778, 0.1111}, 5e-5);
    ExpectWeights(WeightingMethods::RankOrderCentroid({1, 2, 3, 4}), {0.5208, 0.2708, 0.1458, 0.0625}, 5e-5);
    const QList<double> ten = WeightingMethods::RankOrderCentroid({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_NEAR(ten.front(), 0.2929, 5e-5);
    EXPECT_NEAR(ten.back(), 0.0100, 5e-5);
    ExpectWeights(WeightingMethods::RankOrderCentroid({4}), {1}, 0);
}

TEST(WeightingMethodsTest, RanksCountOnlyByTheirOrderAndTiesShareTheirPlaces)
{
    // Places of 4 are worth 0.5208, 0.2708, 0.1458, 0.0625.
    ExpectWeights(WeightingMethods::RankOrderCentroid({30, 7, 12, 1}),
                  WeightingMethods::RankOrderCentroid({4, 2, 3, 1}), 0);
    ExpectWeights(WeightingMethods::RankOrderCentroid({2, 1, 2, 3}),
                  {(0.270833 + 0.145833) / 2, 0.520833, (0.270833 + 0.145833) / 2, 0.0625}, 1e-6);
    ExpectWeights(WeightingMethods::RankOrderCentroid({5, 5, 5}), {1.0 / 3, 1.0 / 3, 1.0 / 3}, 1e-15);
    for (int n = 1; n <= 10; ++n) {
        QList<int> ranks;
        for (int i = 0; i < n; ++i)
            ranks.append(1 + i / 2); // pairs of ties
        double sum = 0;
        for (double weight : WeightingMethods::RankOrderCentroid(ranks))
            sum += weight;
        EXPECT_NEAR(sum, 1, 1e-15) << n;
    }
}

TEST(WeightingMethodsTest, SwingFigures)
{
    ExpectWeights(WeightingMethods::Swing({100, 60, 30}), {0.526, 0.316, 0.158}, 5e-4);
    ExpectWeights(WeightingMethods::Swing({0, 40}), {0, 1}, 0);
}

TEST(WeightingMethodsTest, PairwiseSaatyExample)
{
    const PairwiseResult result = WeightingMethods::Pairwise(SaatyExample);
    ExpectWeights(result.Weights, {0.152, 0.433, 0.072, 0.305, 0.038}, 5e-4);
    EXPECT_NEAR(result.LambdaMax, 5.225, 5e-4);
    EXPECT_NEAR(result.ConsistencyIndex, (result.LambdaMax - 5) / 4, 1e-15);
    EXPECT_NEAR(result.ConsistencyRatio, 0.050, 5e-4);
    // Found to 1e-12: A·w = λw in every row.
    for (qsizetype i = 0; i < 5; ++i) {
        double row = 0;
        for (qsizetype j = 0; j < 5; ++j)
            row += SaatyExample[i][j] * result.Weights[j];
        EXPECT_NEAR(row, result.LambdaMax * result.Weights[i], 1e-12) << i;
    }
    EXPECT_LT(result.WorstRow, result.WorstColumn);
    EXPECT_GE(result.WorstRow, 0);
}

TEST(WeightingMethodsTest, ConsistentMatricesGiveTheirWeightsBack)
{
    const PairwiseResult known = WeightingMethods::Pairwise({{1, 2, 4}, {1.0 / 2, 1, 2}, {1.0 / 4, 1.0 / 2, 1}});
    ExpectWeights(known.Weights, {4.0 / 7, 2.0 / 7, 1.0 / 7}, 1e-12);
    EXPECT_NEAR(known.LambdaMax, 3, 1e-12);
    EXPECT_NEAR(known.ConsistencyRatio, 0, 1e-12);
    EXPECT_EQ(known.WorstRow, -1);
    EXPECT_EQ(known.WorstColumn, -1);

    // Every size, and weights that span the whole 1 to 9 scale and beyond.
    for (qsizetype n = 2; n <= 10; ++n) {
        QList<double> weights;
        double sum = 0;
        for (qsizetype i = 0; i < n; ++i)
            sum += weights.emplace_back(std::pow(1.7, double((i * 7) % n)));
        for (double &weight : weights)
            weight /= sum;
        const PairwiseResult result = WeightingMethods::Pairwise(Consistent(weights));
        ExpectWeights(result.Weights, weights, 1e-12);
        EXPECT_NEAR(result.LambdaMax, double(n), 1e-11) << n;
        EXPECT_NEAR(result.ConsistencyRatio, 0, 1e-11) << n;
    }
}

TEST(WeightingMethodsTest, TheWorstJudgementIsTheOneThatWasChanged)
{
    // Four attributes with weights 8:4:2:1; one judgement is turned round.
    Matrix judgements = Consistent({8, 4, 2, 1});
    judgements[1][3] = 1.0 / 4;
    judgements[3][1] = 4;
    const PairwiseResult result = WeightingMethods::Pairwise(judgements);
    EXPECT_GT(result.ConsistencyRatio, WeightingMethods::AcceptableRatio);
    EXPECT_EQ(result.WorstRow, 1);
    EXPECT_EQ(result.WorstColumn, 3);
    // Two attributes can never contradict each other.
    EXPECT_EQ(WeightingMethods::Pairwise({{1, 9}, {1.0 / 9, 1}}).ConsistencyRatio, 0);
}

TEST(WeightingMethodsTest, BadInputRaisesTheInvalidProcedureCallError)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ExpectInvalid([] { WeightingMethods::RankOrderCentroid({}); }, "at least one");
    ExpectInvalid([] { WeightingMethods::RankOrderCentroid({1, 0}); }, "Rank 0 of attribute 1");
    ExpectInvalid([] { WeightingMethods::Swing({}); }, "at least one");
    ExpectInvalid([] { WeightingMethods::Swing({50, 100.5}); }, "Attribute 1 has 100.5 points");
    ExpectInvalid([] { WeightingMethods::Swing({-1, 50}); }, "Attribute 0 has -1 points");
    ExpectInvalid([=] { WeightingMethods::Swing({nan}); }, "Attribute 0 has nan points");
    ExpectInvalid([] { WeightingMethods::Swing({0, 0, 0}); }, "Every attribute has 0 points");

    ExpectInvalid([] { WeightingMethods::Pairwise({{1}}); }, "2 to 10 attributes, not 1");
    ExpectInvalid([] { WeightingMethods::Pairwise(Consistent(QList<double>(11, 1.0))); }, "not 11");
    ExpectInvalid([] { WeightingMethods::Pairwise({{1, 2}, {0.5}}); }, "Row 1 of the judgements has 1 entries");
    ExpectInvalid([] { WeightingMethods::Pairwise({{1, 0}, {0, 1}}); }, "[0][1] is 0;");
    ExpectInvalid([] { WeightingMethods::Pairwise({{1, -3}, {-1.0 / 3, 1}}); }, "[0][1] is -3;");
    ExpectInvalid([=] { WeightingMethods::Pairwise({{1, 2}, {nan, 1}}); }, "[1][0] is nan;");
    ExpectInvalid([] { WeightingMethods::Pairwise({{1, 3}, {3, 1}}); }, "[0][1] = 3 and [1][0] = 3 are not reciprocal");
    ExpectInvalid([] { WeightingMethods::Pairwise({{2, 1}, {1, 1}}); }, "[0][0] is 2;");
}

} // namespace

namespace {

using Method = WeightingMethodInputs::Method;

WeightingMethodInputs Answers(Method method, qsizetype count)
{
    WeightingMethodInputs inputs;
    inputs.Kind = method;
    for (qsizetype i = 0; i < count; ++i) {
        inputs.Ranks.append(int(i / 2 + 1));
        inputs.Points.append(100.0 - 10 * double(i));
    }
    QList<double> weights;
    for (qsizetype i = 0; i < count; ++i)
        weights.append(double(count - i));
    inputs.Judgements = Consistent(weights);
    return inputs;
}

VeltraneTopic TopicOf(qsizetype attributes, int16_t rounding)
{
    VeltraneTopic topic;
    topic.SetRounding(rounding);
    topic.SetTotalAttributes(int16_t(attributes));
    return topic;
}

} // namespace

TEST(WeightingMethodsTest, ApplyStoresEachWeightingAndTheAnswers)
{
    for (const bool normalise : {false, true}) {
        VeltraneTopic topic = TopicOf(3, 3);
        topic.SetNormaliseWeights(normalise);
        topic.ApplyWeightingMethod(Answers(Method::Swing, 3)); // 100, 90, 80
        EXPECT_EQ(topic.GetWeighting(0), 0.37);
        EXPECT_EQ(topic.GetWeighting(1), 0.333);
        EXPECT_EQ(topic.GetWeighting(2), 0.296);
        EXPECT_EQ(topic.MethodInputs().Points, QList<double>({100, 90, 80}));
        EXPECT_TRUE(topic.WeightingsMatchMethod());
        topic.SetWeighting(1, 0.4);
        EXPECT_FALSE(topic.WeightingsMatchMethod());
    }
    // Bad answers change nothing, whatever the kind of fault.
    VeltraneTopic topic = TopicOf(3, 3);
    const VeltraneTopic before = topic;
    for (WeightingMethodInputs bad : {Answers(Method::Rank, 3), Answers(Method::Swing, 3), Answers(Method::Compare, 3)}) {
        bad.Points = {0, 0, 0};
        bad.Ranks.append(0);
        bad.Judgements[0][2] = -1;
        EXPECT_EQ(ErrorOf([&] { topic.ApplyWeightingMethod(bad); }).number(), ErrInvalidProcedureCall);
        EXPECT_EQ(topic, before);
    }
    EXPECT_FALSE(topic.WeightingsMatchMethod());
}

TEST(WeightingMethodsTest, AnswersFollowTheAttributes)
{
    for (const Method method : {Method::Rank, Method::Swing, Method::Compare}) {
        VeltraneTopic topic = TopicOf(4, -1);
        topic.ApplyWeightingMethod(Answers(method, 4));
        topic.AddAttribute(QString());
        ASSERT_EQ(topic.MethodInputs().Count(), 5);
        EXPECT_FALSE(topic.WeightingsMatchMethod());
        topic.DeleteAttribute(4);
        topic.DeleteAttribute(0);
        ASSERT_EQ(topic.MethodInputs().Count(), 3);
        topic.SetMethodInputs(topic.MethodInputs()); // still answers a topic file could hold
        topic.SetTotalAttributes(1);
        EXPECT_EQ(topic.MethodInputs().Kind, method == Method::Compare ? Method::None : method);
        // One attribute counts 1 whatever is stored, as its topic file then says.
        EXPECT_EQ(topic.WeightingsMatchMethod(), method != Method::Compare);
        topic.DeleteAttribute(0);
        EXPECT_EQ(topic.MethodInputs().Kind, Method::None);
    }
    VeltraneTopic ranked = TopicOf(4, -1);
    ranked.ApplyWeightingMethod(Answers(Method::Rank, 4)); // 1, 1, 2, 2
    ranked.AddAttribute(QString());
    EXPECT_EQ(ranked.MethodInputs().Ranks, QList<int>({1, 1, 2, 2, 3}));
    ranked.DeleteAttribute(2);
    ranked.DeleteAttribute(2);
    EXPECT_EQ(ranked.MethodInputs().Ranks, QList<int>({1, 1, 2}));
}
