#include "MsgBox.h"

#include <QTextStream>

namespace {

MsgBoxHandler &handler()
{
    static MsgBoxHandler instance;
    return instance;
}

MsgBoxHandler &presenter()
{
    static MsgBoxHandler instance;
    return instance;
}

int firstButton(int buttons)
{
    switch (buttons & 7) {
    case vbYesNoCancel:
    case vbYesNo:
        return vbYes;
    default:
        return vbOK;
    }
}

} // namespace

int MsgBox(const QString &prompt, int buttons, const QString &title)
{
    if (handler())
        return handler()(prompt, buttons, title);
    if (presenter())
        return presenter()(prompt, buttons, title);
    QTextStream(stderr) << QString(prompt).replace(QLatin1Char('\r'), QLatin1Char('\n')) << Qt::endl;
    return firstButton(buttons);
}

void SetMsgBoxHandler(MsgBoxHandler newHandler)
{
    handler() = std::move(newHandler);
}

void SetMsgBoxPresenter(MsgBoxHandler newPresenter)
{
    presenter() = std::move(newPresenter);
}
