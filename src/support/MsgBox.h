#pragma once

#include <QString>

#include <functional>

// Buttons, icons and answers of a message box, with their usual values.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbYes = 6,
    vbNo = 7,
};

// Shows prompt (line breaks are single CR characters) with the buttons and icon of
// `buttons`; an empty title means the program title. Returns the answer.
int MsgBox(const QString &prompt, int buttons = vbOKOnly, const QString &title = {});

using MsgBoxHandler = std::function<int(const QString &prompt, int buttons, const QString &title)>;

// Replaces the on-screen box for the whole process (tests answer and record through it);
// an empty function brings the on-screen box back.
void SetMsgBoxHandler(MsgBoxHandler handler);

// The on-screen box, installed by the window library at start-up. Without one, a box is
// written to standard error and answered with its first button.
void SetMsgBoxPresenter(MsgBoxHandler presenter);
