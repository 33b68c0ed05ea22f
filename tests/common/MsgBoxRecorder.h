#pragma once

#include "support/MsgBox.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers every message box from a queue (then the fallback: Yes to a question, OK to
// anything else, unless a fallback answer is set) and keeps what was shown.
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
            if (fallback != 0)
                return fallback;
            return (buttons & 7) == vbYesNo || (buttons & 7) == vbYesNoCancel ? int(vbYes) : int(vbOK);
        });
    }
    ~MsgBoxRecorder() { SetMsgBoxHandler({}); }
    MsgBoxRecorder(const MsgBoxRecorder &) = delete;
    MsgBoxRecorder &operator=(const MsgBoxRecorder &) = delete;

    void answer(QList<int> answers) { m_answers = std::move(answers); }

    QStringList prompts() const
    {
        QStringList shown;
        for (const Box &box : boxes)
            shown << box.prompt;
        return shown;
    }

    QList<Box> boxes;
    int fallback = 0;

private:
    QList<int> m_answers;
};
