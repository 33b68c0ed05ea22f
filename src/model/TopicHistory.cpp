// SPDX-License-Identifier: GPL-3.0-or-later
#include "TopicHistory.h"

TopicHistory::TopicHistory()
{
    Clear(VeltraneTopic());
}

void TopicHistory::Clear(const VeltraneTopic &topic)
{
    m_states.clear();
    m_bytes = 0;
    m_current = 0;
    m_clean = 0;
    Append({topic, {}, {}, 0});
}

bool TopicHistory::Record(const VeltraneTopic &topic, const QString &description, const QString &mergeKey)
{
    if (SameState(topic, m_states[m_current].topic))
        return false;

    while (CanRedo()) {
        m_bytes -= m_states.back().bytes;
        m_states.pop_back();
    }
    if (m_clean > m_current)
        m_clean = -1;

    const State &last = m_states[m_current];
    if (!mergeKey.isEmpty() && mergeKey == last.mergeKey && m_current > 0 && m_current != m_clean) {
        m_bytes -= last.bytes;
        m_states.pop_back();
        --m_current;
        // Back where the merged moves began: the step undid itself.
        if (SameState(topic, m_states[m_current].topic))
            return true;
    }
    Append({topic, description, mergeKey, 0});
    ++m_current;
    while (m_current > MaxSteps || (m_bytes > MaxBytes && m_current > 0))
        DropOldest();
    return true;
}

QString TopicHistory::UndoDescription() const
{
    return CanUndo() ? m_states[m_current].description : QString();
}

QString TopicHistory::RedoDescription() const
{
    return CanRedo() ? m_states[m_current + 1].description : QString();
}

bool TopicHistory::Undo(VeltraneTopic &topic)
{
    if (!CanUndo())
        return false;
    --m_current;
    Restore(m_states[m_current], topic);
    return true;
}

bool TopicHistory::Redo(VeltraneTopic &topic)
{
    if (!CanRedo())
        return false;
    ++m_current;
    Restore(m_states[m_current], topic);
    return true;
}

qsizetype TopicHistory::SizeOf(const VeltraneTopic &topic)
{
    qsizetype bytes = qsizetype(sizeof(State)) + (topic.Title().size() + topic.Description().size()) * 2;
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j)
        bytes += qsizetype(sizeof(TopicAttribute)) + topic.GetAttributeName(j).size() * 2;
    for (int16_t i = 0; i < topic.TotalOptions(); ++i)
        bytes += qsizetype(sizeof(TopicOption)) + topic.GetOptionName(i).size() * 2
                 + topic.TotalAttributes() * qsizetype(sizeof(double) + sizeof(std::optional<double>));
    return bytes;
}

bool TopicHistory::SameState(const VeltraneTopic &a, const VeltraneTopic &b)
{
    if (a.NormaliseWeights() == b.NormaliseWeights())
        return a == b;
    VeltraneTopic likeB = a;
    likeB.SetNormaliseWeights(b.NormaliseWeights());
    return likeB == b;
}

void TopicHistory::Restore(const State &state, VeltraneTopic &topic)
{
    const bool normalise = topic.NormaliseWeights();
    topic = state.topic;
    topic.SetNormaliseWeights(normalise);
}

void TopicHistory::Append(State state)
{
    state.bytes = SizeOf(state.topic);
    m_bytes += state.bytes;
    m_states.push_back(std::move(state));
}

void TopicHistory::DropOldest()
{
    m_bytes -= m_states.front().bytes;
    m_states.pop_front();
    --m_current;
    if (m_clean >= 0)
        --m_clean; // from 0 to -1: the clean state went with it
}
