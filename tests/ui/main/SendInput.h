#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

// Delivers input the way the event loop would, including propagation to parents.
inline void SendMouse(QWidget &widget, QEvent::Type type, QPoint at,
                      Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons buttons = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, buttons, modifiers);
    QApplication::sendEvent(&widget, &event);
}

inline void Press(QWidget &widget, QPoint at) { SendMouse(widget, QEvent::MouseButtonPress, at); }
inline void Release(QWidget &widget, QPoint at)
{
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
inline void Drag(QWidget &widget, QPoint at)
{
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}

inline void SendKey(QWidget &widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}
