// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/TopicHistory.h"

#include <QFlags>
#include <QObject>

#include <memory>

class VeltraneTopic;

// The open topic together with its undo history and whether it has unsaved changes. The
// topic itself stays modParameters::CurrentTopic, which the file code, start-up and tests
// read and assign; the document hands out that same topic, and New, Load and an import
// make a fresh start through Reset. Every change to the topic is reported here in one
// call, every step is recorded here, and TopicChanged follows the history: after every
// recorded step, undo, redo, save and load it equals !History().IsClean() (after New too,
// unless New's dialog got a title). Views are handed the topic and refresh on Changed.
class TopicDocument : public QObject
{
    Q_OBJECT

public:
    enum Change : unsigned {
        Values = 0x01,    // weightings and ratings, and with them the scores
        Names = 0x02,     // the title and the option and attribute names
        Structure = 0x04, // the counts of options and attributes
        Spreads = 0x08,   // how far ratings and weightings may be off
        Settings = 0x10,  // inverted or normalised weightings, the display form
        Replaced = 0x20,  // a new, loaded or imported topic
        Notes = 0x40,     // the topic's notes
        Everything = 0x7f
    };
    Q_DECLARE_FLAGS(Changes, Change)

    explicit TopicDocument(QObject *parent = nullptr);

    // The open topic (never null once start-up has made one).
    const std::shared_ptr<VeltraneTopic> &Topic() const;
    const TopicHistory &History() const { return m_history; }

    // Starts afresh from the open topic as it stands: nothing to undo or redo, and this is
    // the state undoing leads back to as unchanged. TopicChanged stays: a new topic whose
    // title was typed in the settings dialog counts as changed from the start, as designed.
    void Reset();
    // A change made to the open topic: it has unsaved changes now (not while the main
    // window rebuilds its controls), and the views hear what changed.
    void Report(Changes what);
    // Records the topic as it stands as one step, unless nothing changed (see
    // TopicHistory::Record); true when a step was recorded or merged.
    bool Record(const QString &description, const QString &mergeKey = {});
    // Takes back (does again) one step; false with nothing to undo (redo). The topic
    // counts as changed unless it is back at the saved state.
    bool Undo();
    bool Redo();
    // After a save command: the topic counts as saved where the file code cleared
    // TopicChanged, and that state is where undoing leads back to unchanged.
    void NoteSaved();
    // TopicChanged as the history says: whether the topic is away from its saved state.
    void FollowHistory();
    // Puts the topic in place of the open one, with whether it has unsaved changes (New
    // does so before its dialog, and puts the old topic back when the dialog is cancelled).
    // The history stays as it is until Reset.
    void Replace(std::shared_ptr<VeltraneTopic> topic, bool changed);

signals:
    void Changed(TopicDocument::Changes what);

private:
    VeltraneTopic *Current();
    bool Step(bool (TopicHistory::*step)(VeltraneTopic &));

    TopicHistory m_history;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TopicDocument::Changes)
