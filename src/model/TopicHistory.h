// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/VeltraneTopic.h"

#include <QString>

#include <deque>

// The undo history of the open topic: a copy of the topic's whole state after every step,
// with a short description of the step. Copies rather than inverse commands: a topic is
// small, its lists are shared until changed, and a copy restores exactly what was stored,
// unrounded, whatever the step did.
//
// The normalising switch rides on the topic but is a program preference (it is read from
// the settings and kept across New and Load, never stored in a topic file): states are
// compared without it, and restoring a state keeps the topic's current switch.
class TopicHistory
{
public:
    // Undo steps kept at most, and bytes of states at most; the oldest steps go first.
    static constexpr qsizetype MaxSteps = 1000;
    static constexpr qsizetype MaxBytes = 8 * 1024 * 1024;

    TopicHistory();

    // Starts afresh from topic: nothing to undo or redo, and this state is the clean one.
    void Clear(const VeltraneTopic &topic);

    // Records the topic as it stands after a change as a new step, dropping whatever could
    // have been redone. Nothing is recorded when the topic equals the current state; then
    // false. A step whose merge key is not empty and equals the key of the current step
    // replaces that step instead, as long as it is the newest step and not the clean one;
    // a merged step that comes back to the state before it disappears.
    bool Record(const VeltraneTopic &topic, const QString &description, const QString &mergeKey = {});

    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current + 1 < qsizetype(m_states.size()); }
    // What Undo and Redo would take back or do again; empty when they cannot.
    QString UndoDescription() const;
    QString RedoDescription() const;

    // Puts the state before (after) the current step into topic and moves there; with
    // nothing to undo (redo) the topic stays as it is and the result is false.
    bool Undo(VeltraneTopic &topic);
    bool Redo(VeltraneTopic &topic);

    // The current state is the one in the topic file (loaded or saved).
    void MarkClean() { m_clean = m_current; }
    bool IsClean() const { return m_current == m_clean; }

    qsizetype UndoSteps() const { return m_current; }
    qsizetype Bytes() const { return m_bytes; }
    // What one state of the topic takes up, at most (copies share unchanged lists).
    static qsizetype SizeOf(const VeltraneTopic &topic);

private:
    struct State
    {
        VeltraneTopic topic;
        QString description; // of the step that led here
        QString mergeKey;
        qsizetype bytes = 0;
    };

    static bool SameState(const VeltraneTopic &a, const VeltraneTopic &b);
    static void Restore(const State &state, VeltraneTopic &topic);
    void Append(State state);
    void DropOldest();

    std::deque<State> m_states; // m_states[0] is the oldest state, before every step
    qsizetype m_current = 0;
    qsizetype m_clean = 0; // -1 once the clean state is gone
    qsizetype m_bytes = 0;
};
