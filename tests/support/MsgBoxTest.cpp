#include "support/MsgBox.h"

#include <gtest/gtest.h>

TEST(MsgBox, HandlerSeesPromptButtonsAndTitleAndAnswers)
{
    QString seenPrompt, seenTitle;
    int seenButtons = -1;
    SetMsgBoxHandler([&](const QString &prompt, int buttons, const QString &title) {
        seenPrompt = prompt;
        seenButtons = buttons;
        seenTitle = title;
        return int(vbNo);
    });
    EXPECT_EQ(MsgBox("Line 1\rLine 2", vbYesNoCancel + vbQuestion, "Save Topic"), vbNo);
    EXPECT_EQ(seenPrompt, "Line 1\rLine 2");
    EXPECT_EQ(seenButtons, 35);
    EXPECT_EQ(seenTitle, "Save Topic");
    SetMsgBoxHandler({});
}

TEST(MsgBox, HandlerTakesPrecedenceOverThePresenterUntilCleared)
{
    SetMsgBoxPresenter([](const QString &, int, const QString &) { return int(vbCancel); });
    SetMsgBoxHandler([](const QString &, int, const QString &) { return int(vbYes); });
    EXPECT_EQ(MsgBox("?", vbYesNoCancel), vbYes);
    SetMsgBoxHandler({});
    EXPECT_EQ(MsgBox("?", vbYesNoCancel), vbCancel);
    SetMsgBoxPresenter({});
}

TEST(MsgBox, WithoutAnyPresenterTheFirstButtonAnswers)
{
    EXPECT_EQ(MsgBox("note", vbOKOnly + vbInformation), vbOK);
    EXPECT_EQ(MsgBox("sure?", vbYesNo + vbQuestion), vbYes);
}
