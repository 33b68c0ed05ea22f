#pragma once

#include "support/MsgBox.h"

#include <QList>
#include <QString>

// Answers every message box from a queue (Yes or OK when it runs dry) and keeps what
// was shown.
class MsgBoxRecorder
{
public:
    struct Box
    {
        QString prompt;
        int buttons;
        QString title;
    };

    explicit MsgBoxRecorder(QList<int> answers = {})
        : m_answers(std::move(answers))
    {
        SetMsgBoxHandler([this](const QString &prompt, int buttons, const QString &title) {
            boxes.append({prompt, buttons, title});
            if (!m_answers.isEmpty())
                return m_answers.takeFirst();
            return (buttons & 7) == vbYesNo || (buttons & 7) == vbYesNoCancel ? int(vbYes) : int(vbOK);
        });
    }
    ~MsgBoxRecorder() { SetMsgBoxHandler({}); }
    MsgBoxRecorder(const MsgBoxRecorder &) = delete;
    MsgBoxRecorder &operator=(const MsgBoxRecorder &) = delete;

    void answer(QList<int> answers) { m_answers = std::move(answers); }

    QList<Box> boxes;

private:
    QList<int> m_answers;
};
