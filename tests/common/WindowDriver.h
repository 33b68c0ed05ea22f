#pragma once

// Drives windows the way a person would, for the window tests: activation (without it no
// focus change reaches a control), keys and typed text to the control with the focus,
// mouse clicks and movement, and answers to a modal dialog from inside its own loop.
// Header only: the core test programs, which have no widgets, never include it.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace WindowDriver {

inline void Activate(QWidget &window)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
}

// The control with the focus, else the active window.
inline QWidget *Target()
{
    if (QWidget *focus = QApplication::focusWidget())
        return focus;
    return QApplication::activeWindow();
}

inline int KeyOf(QChar c)
{
    if (c.isLetter() && c.unicode() < 128)
        return Qt::Key_A + (c.toUpper().unicode() - 'A');
    if (c.isDigit() && c.unicode() < 128)
        return Qt::Key_0 + (c.unicode() - '0');
    return c.unicode() < 128 ? int(c.unicode()) : int(Qt::Key_unknown);
}

inline bool Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {})
{
    QWidget *target = Target();
    if (!target)
        return false;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    if (QWidget *after = Target()) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(after, &release);
    }
    return press.isAccepted();
}

// A key press sent straight to one widget, with no release after it.
inline void SendKey(QWidget &widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

inline void Type(const QString &text)
{
    for (const QChar c : text)
        Key(KeyOf(c), Qt::NoModifier, QString(c));
}

// Delivers a mouse event the way the event loop would, including propagation to parents.
inline void SendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons buttons = Qt::LeftButton, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, buttons, modifiers);
    QApplication::sendEvent(&widget, &event);
}

inline void Press(QWidget &widget, QPoint at) { SendMouse(widget, QEvent::MouseButtonPress, at); }
inline void Release(QWidget &widget, QPoint at)
{
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
inline void Drag(QWidget &widget, QPoint at) { SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }

inline void Click(QWidget &widget, QPoint at)
{
    Press(widget, at);
    Release(widget, at);
}

inline void Click(QWidget &widget)
{
    Click(widget, widget.rect().center());
}

inline void Hover(QWidget &widget, QPoint at)
{
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

inline void Hover(QWidget &widget)
{
    Hover(widget, widget.rect().center());
}

// The visible top-level window of that design name, or nullptr.
inline QWidget *OpenWindow(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible())
            return window;
    }
    return nullptr;
}

inline void AnswerWhenOpen(const QString &name, const std::function<void(QWidget &)> &answer, int attemptsLeft)
{
    if (QWidget *window = OpenWindow(name)) {
        Activate(*window);
        answer(*window);
        // A dialog the answer did not close would hold the test forever.
        QTimer::singleShot(3000, window, [window, name] {
            if (window->isVisible()) {
                ADD_FAILURE() << name.toStdString() << " stayed open";
                window->hide();
            }
        });
        return;
    }
    if (attemptsLeft > 0)
        QTimer::singleShot(10, [name, answer, attemptsLeft] { AnswerWhenOpen(name, answer, attemptsLeft - 1); });
    else
        ADD_FAILURE() << name.toStdString() << " never opened";
}

// Runs `answer` on the window of that design name once it is open (from inside the
// modal loop that shows it).
inline void WhenOpen(const QString &name, const std::function<void(QWidget &)> &answer)
{
    QTimer::singleShot(0, [name, answer] { AnswerWhenOpen(name, answer, 300); });
}

} // namespace WindowDriver
