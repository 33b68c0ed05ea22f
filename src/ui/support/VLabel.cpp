#include "VLabel.h"

#include "gfx/ColourValue.h"
#include "ui/support/MouseState.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

VLabel::VLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

VLabel::VLabel(const QString &caption, QWidget *parent) : VLabel(parent)
{
    QLabel::setText(caption);
}

void VLabel::SetCaption(const QString &caption)
{
    if (ShowCaption(caption))
        emit Change();
}

bool VLabel::ShowCaption(const QString &caption)
{
    if (caption == text())
        return false;
    QLabel::setText(caption);
    if (m_autoSize)
        fitToText();
    return true;
}

int16_t VLabel::Alignment() const
{
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignRight)
        return 1;
    if (horizontal & Qt::AlignHCenter)
        return 2;
    return 0;
}

void VLabel::SetAlignment(int16_t alignment)
{
    const Qt::Alignment horizontal = alignment == 1 ? Qt::AlignRight
                                     : alignment == 2 ? Qt::AlignHCenter
                                                      : Qt::AlignLeft;
    setAlignment(horizontal | (this->alignment() & Qt::AlignVertical_Mask));
}

void VLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize)
        fitToText();
}

uint32_t VLabel::ForeColor() const
{
    return ColourValue(palette().color(QPalette::WindowText));
}

void VLabel::SetForeColor(uint32_t colour)
{
    QPalette changed = palette();
    changed.setColor(QPalette::WindowText, ColourFromValue(colour));
    setPalette(changed);
}

void VLabel::fitToText()
{
    resize(sizeHint());
}

void VLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_autoSize)
        fitToText();
}

// The label keeps its presses, so that a click on it never counts as a click on the
// window behind it.
void VLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void VLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool clicked = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (clicked)
        emit Click();
}

void VLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit MouseMove(MouseButtonState(event->buttons()), ShiftState(event->modifiers()),
                   float(event->position().x()), float(event->position().y()));
}

// Coming under the pointer counts as a movement over the label, also when the label was
// placed under a pointer that stood still.
void VLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    emit MouseMove(MouseButtonState(QGuiApplication::mouseButtons()), ShiftState(QGuiApplication::keyboardModifiers()),
                   float(event->position().x()), float(event->position().y()));
}

void VLabel::keyPressEvent(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            emit EditKey();
            return;
        case Qt::Key_Delete:
            emit DeleteKey();
            return;
        default:
            break;
        }
    }
    QLabel::keyPressEvent(event);
}

// The focus frame is drawn over the text's edges in the selection colour, so that it
// stands out on every part of the gradient.
void VLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

// A tooltip shows at most this many characters of its text: beyond that no screen holds
// it, and laying out a name of many thousands of characters would stall the window.
constexpr qsizetype MaxShownToolTip = 500;

bool VLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().size() > MaxShownToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), toolTip().left(MaxShownToolTip) + QChar(0x2026), this);
        return true;
    }
    return QLabel::event(event);
}
