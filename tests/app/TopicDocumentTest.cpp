// SPDX-License-Identifier: GPL-3.0-or-later
// The open topic's document without a window: TopicChanged follows the history through
// steps, undo, redo, a save and a fresh start, and every report says what changed.
#include "ProgramState.h"
#include "app/TopicDocument.h"
#include "model/VeltraneTopic.h"

#include <QList>

#include <gtest/gtest.h>

TEST(TopicDocument, TopicChangedFollowsTheHistory)
{
    ProgramState state;
    modParameters::CurrentTopic = std::make_shared<VeltraneTopic>();
    modParameters::TopicChanged = false;
    TopicDocument document;
    QList<TopicDocument::Changes> heard;
    QObject::connect(&document, &TopicDocument::Changed, [&heard](TopicDocument::Changes what) { heard << what; });
    VeltraneTopic &topic = *document.Topic();
    EXPECT_EQ(&topic, modParameters::CurrentTopic.get());

    topic.SetRating(0, 0, 0.9);
    document.Report(TopicDocument::Values);
    EXPECT_TRUE(modParameters::TopicChanged);
    ASSERT_TRUE(document.Record("Change Rating"));
    topic.SetOptionName(0, "Bus");
    document.Report(TopicDocument::Names);
    document.Record("Rename Option");
    EXPECT_EQ(heard, (QList<TopicDocument::Changes>{TopicDocument::Values, TopicDocument::Names}));

    // Back at the state the topic started from, it counts as unchanged; forward, changed.
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(modParameters::TopicChanged);
    ASSERT_TRUE(document.Undo());
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_EQ(topic.GetRating(0, 0), VeltraneTopic::DefaultRating);
    EXPECT_FALSE(document.Undo());
    ASSERT_TRUE(document.Redo());
    EXPECT_TRUE(modParameters::TopicChanged);

    // A save clears the flag in the file code; that state becomes the clean one.
    modParameters::SetTopicChanged(false);
    document.NoteSaved();
    document.Undo();
    EXPECT_TRUE(modParameters::TopicChanged);
    document.Redo();
    EXPECT_FALSE(modParameters::TopicChanged);

    // A fresh start keeps the flag: a New whose title was typed counts as changed.
    document.Replace(std::make_shared<VeltraneTopic>(), true);
    document.Reset();
    EXPECT_FALSE(document.History().CanUndo());
    EXPECT_TRUE(modParameters::TopicChanged);
    document.Topic()->SetRating(0, 0, 0.2);
    document.Record("Change Rating");
    document.Undo();
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_EQ(heard.back(), TopicDocument::Changes(TopicDocument::Everything));
}
