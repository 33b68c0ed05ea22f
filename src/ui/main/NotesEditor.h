// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QPlainTextEdit;

// The topic's notes in a text box of their own: what the decision is about, what was
// thought, what was chosen in the end. OK keeps the text, Cancel and Escape drop it. It
// blocks the main window while open, so the topic it edits cannot change under it.
class NotesEditor : public QDialog
{
    Q_OBJECT

public:
    NotesEditor(const QString &topicTitle, const QString &notes, QWidget *parent = nullptr);

    QString Notes() const;

    QPlainTextEdit *txtNotes = nullptr;
    QDialogButtonBox *buttons = nullptr;
};
