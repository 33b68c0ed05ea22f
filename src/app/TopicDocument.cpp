// SPDX-License-Identifier: GPL-3.0-or-later
#include "TopicDocument.h"

#include "app/modStartup.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"

TopicDocument::TopicDocument(QObject *parent) : QObject(parent)
{
    if (modParameters::CurrentTopic)
        Reset();
}

const std::shared_ptr<VeltraneTopic> &TopicDocument::Topic() const
{
    return modParameters::CurrentTopic;
}

void TopicDocument::Reset()
{
    if (!modParameters::CurrentTopic)
        return;
    m_history.Clear(*modParameters::CurrentTopic);
    emit Changed(Everything);
}

void TopicDocument::Report(Changes what)
{
    modStartup::MarkTopicChanged();
    emit Changed(what);
}

bool TopicDocument::Record(const QString &description, const QString &mergeKey)
{
    VeltraneTopic *topic = Current();
    if (!topic)
        return false;
    const bool recorded = m_history.Record(*topic, description, mergeKey);
    // Moves that came back to the saved state leave the topic as saved.
    if (m_history.IsClean())
        modParameters::SetTopicChanged(false);
    return recorded;
}

bool TopicDocument::Undo()
{
    return Step(&TopicHistory::Undo);
}

bool TopicDocument::Redo()
{
    return Step(&TopicHistory::Redo);
}

bool TopicDocument::Step(bool (TopicHistory::*step)(VeltraneTopic &))
{
    VeltraneTopic *topic = Current();
    if (!topic || !(m_history.*step)(*topic))
        return false;
    FollowHistory();
    emit Changed(Everything);
    return true;
}

void TopicDocument::NoteSaved()
{
    if (!modParameters::TopicChanged)
        m_history.MarkClean();
}

void TopicDocument::Replace(std::shared_ptr<VeltraneTopic> topic, bool changed)
{
    modParameters::CurrentTopic = std::move(topic);
    modParameters::SetTopicChanged(changed);
    emit Changed(Everything);
}

// The document keeps no reference of its own: a topic that a load replaced is released
// at once, and one put in place without a fresh start goes on from the history as it is.
VeltraneTopic *TopicDocument::Current()
{
    return modParameters::CurrentTopic.get();
}

void TopicDocument::FollowHistory()
{
    modParameters::SetTopicChanged(!m_history.IsClean());
}
