// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TopicHistory.h"

#include <gtest/gtest.h>

namespace {

VeltraneTopic Topic(double rating)
{
    VeltraneTopic topic;
    topic.SetTotalAttributes(3);
    topic.SetTotalOptions(2);
    topic.SetRating(1, 2, rating);
    return topic;
}

TEST(TopicHistoryTest, UndoAndRedoRestoreEveryStoredValueUnrounded)
{
    VeltraneTopic topic = Topic(0.5);
    TopicHistory history;
    history.Clear(topic);
    const VeltraneTopic before = topic;

    topic.SetTitle(QStringLiteral("Car"));
    topic.SetDescription(QStringLiteral("Which one"));
    topic.SetInvertWeights(true);
    topic.SetRounding(2);
    topic.SetOptionName(0, QStringLiteral("Red"));
    topic.AddAttribute(QStringLiteral("Price"));
    topic.pSetWeighting(1, 0.123456789, false);
    topic.SetRating(0, 3, 0.987654321);
    ASSERT_TRUE(history.Record(topic, QStringLiteral("Many")));
    const VeltraneTopic after = topic;

    // The switch is the program's: it stays as the person set it.
    topic.SetNormaliseWeights(true);
    ASSERT_TRUE(history.Undo(topic));
    EXPECT_TRUE(topic.NormaliseWeights());
    topic.SetNormaliseWeights(false);
    EXPECT_EQ(topic, before);
    ASSERT_TRUE(history.Redo(topic));
    EXPECT_EQ(topic, after);
    topic.SetRounding(-1);
    EXPECT_EQ(topic.GetRating(0, 3), 0.987654321);
}

TEST(TopicHistoryTest, NothingToUndoOrRedoLeavesTheTopicAlone)
{
    VeltraneTopic topic = Topic(0.5);
    TopicHistory history;
    history.Clear(topic);
    EXPECT_FALSE(history.Record(topic, QStringLiteral("Nothing")));
    topic.SetRating(0, 0, 0.25);
    EXPECT_FALSE(history.Undo(topic) || history.Redo(topic) || history.CanUndo() || history.CanRedo());
    EXPECT_EQ(topic.GetRating(0, 0), 0.25);
    EXPECT_EQ(history.UndoDescription(), QString());
    // The normalising switch alone is no step.
    topic = Topic(0.5);
    topic.SetNormaliseWeights(true);
    EXPECT_FALSE(history.Record(topic, QStringLiteral("Switch")));
}

TEST(TopicHistoryTest, CleanFollowsThePosition)
{
    VeltraneTopic topic = Topic(0.1);
    TopicHistory history;
    history.Clear(topic);
    EXPECT_TRUE(history.IsClean());
    for (double rating : {0.2, 0.3, 0.4})
        history.Record(Topic(rating), QStringLiteral("Rating %1").arg(rating));
    EXPECT_FALSE(history.IsClean());
    history.Undo(topic);
    history.MarkClean(); // saved at 0.3
    EXPECT_EQ(history.UndoDescription(), QStringLiteral("Rating 0.3"));
    EXPECT_EQ(history.RedoDescription(), QStringLiteral("Rating 0.4"));
    history.Undo(topic);
    EXPECT_FALSE(history.IsClean());
    history.Redo(topic);
    EXPECT_TRUE(history.IsClean());
    EXPECT_EQ(topic.GetRating(1, 2), 0.3);

    // A new step after undoing past the saved state makes that state unreachable.
    history.Undo(topic);
    history.Record(Topic(0.9), QStringLiteral("Other"));
    EXPECT_FALSE(history.CanRedo());
    history.Undo(topic);
    history.Undo(topic);
    while (history.CanRedo()) {
        EXPECT_FALSE(history.IsClean());
        history.Redo(topic);
    }
    EXPECT_FALSE(history.IsClean());
}

TEST(TopicHistoryTest, MovesWithOneKeyMergeIntoOneStep)
{
    VeltraneTopic topic = Topic(0.1);
    TopicHistory history;
    history.Clear(topic);
    history.Record(Topic(0.2), QStringLiteral("Move"), QStringLiteral("a"));
    history.Record(Topic(0.3), QStringLiteral("Move"), QStringLiteral("a"));
    EXPECT_EQ(history.UndoSteps(), 1);
    history.Record(Topic(0.4), QStringLiteral("Move"), QStringLiteral("b"));
    EXPECT_EQ(history.UndoSteps(), 2);
    history.Undo(topic);
    EXPECT_EQ(topic.GetRating(1, 2), 0.3);

    // The saved state is never merged away.
    history.Redo(topic);
    history.MarkClean();
    history.Record(Topic(0.5), QStringLiteral("Move"), QStringLiteral("b"));
    EXPECT_EQ(history.UndoSteps(), 3);
    history.Undo(topic);
    EXPECT_TRUE(history.IsClean());

    // Moving back to where the moves began leaves no step.
    history.Redo(topic);
    history.Record(Topic(0.6), QStringLiteral("Move"), QStringLiteral("c"));
    history.Record(Topic(0.5), QStringLiteral("Move"), QStringLiteral("c"));
    EXPECT_EQ(history.UndoSteps(), 3);
    EXPECT_EQ(history.UndoDescription(), QStringLiteral("Move"));
}

TEST(TopicHistoryTest, LimitsDropTheOldestStepsAndKeepWorking)
{
    VeltraneTopic topic = Topic(0);
    TopicHistory history;
    history.Clear(topic);
    for (int step = 1; step <= TopicHistory::MaxSteps + 5; ++step)
        history.Record(Topic(step / 10000.0), QString::number(step));
    EXPECT_EQ(history.UndoSteps(), TopicHistory::MaxSteps);
    while (history.Undo(topic)) {
    }
    EXPECT_EQ(topic.GetRating(1, 2), 0.0005);
    EXPECT_FALSE(history.IsClean()); // the loaded state went first

    // A description of 1 MB: eight states fit at most.
    VeltraneTopic large = Topic(0);
    large.SetDescription(QString(512 * 1024, u'x'));
    history.Clear(large);
    for (int step = 1; step <= 20; ++step) {
        large.SetRating(0, 0, step / 100.0);
        history.Record(large, QString::number(step));
        EXPECT_LE(history.Bytes(), TopicHistory::MaxBytes);
    }
    EXPECT_EQ(history.UndoSteps(), 6);
    EXPECT_EQ(history.UndoDescription(), QStringLiteral("20"));
}

} // namespace
