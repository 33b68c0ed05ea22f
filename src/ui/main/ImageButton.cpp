#include "ImageButton.h"

#include "ui/support/MouseState.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void ImageButton::setPictureOf(QImage &slot, const QImage &picture)
{
    slot = picture;
    updateGeometry();
    update();
}

void ImageButton::SetPicture(const QImage &picture) { setPictureOf(m_picture, picture); }
void ImageButton::SetOverPicture(const QImage &picture) { setPictureOf(m_overPicture, picture); }
void ImageButton::SetDownPicture(const QImage &picture) { setPictureOf(m_downPicture, picture); }
void ImageButton::SetDisabledPicture(const QImage &picture) { setPictureOf(m_disabledPicture, picture); }

QImage ImageButton::CurrentPicture() const
{
    const QImage *chosen = &m_picture;
    if (!isEnabled())
        chosen = &m_disabledPicture;
    else if (IsPressed())
        chosen = &m_downPicture;
    else if (m_hovered)
        chosen = &m_overPicture;
    return chosen->isNull() ? m_picture : *chosen;
}

QSize ImageButton::sizeHint() const
{
    return m_picture.isNull() ? QSize(16, 16) : m_picture.deviceIndependentSize().toSize();
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // A picture drawn for a sharper screen than this one is scaled down without jags.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage picture = CurrentPicture();
    if (!picture.isNull()) {
        const QSizeF size = picture.deviceIndependentSize();
        painter.drawImage(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2),
                           picture);
    }
    if (hasFocus() && m_keyboardFocus) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_hovered = true;
    update();
}

void ImageButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hovered = false;
    update();
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_hovered = rect().contains(event->position().toPoint());
    update();
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    // While pressed, the button keeps the mouse; it looks pressed only while over it.
    const bool over = rect().contains(event->position().toPoint());
    if (over != m_hovered) {
        m_hovered = over;
        update();
    }
    emit MouseMove(MouseButtonState(event->buttons()), ShiftState(event->modifiers()),
                   float(event->position().x()), float(event->position().y()));
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    const bool clicked = rect().contains(event->position().toPoint());
    update();
    if (clicked)
        emit Click();
}

void ImageButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit Click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ImageButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            m_pressed = false;
        update();
    }
}

void ImageButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_keyboardFocus = event->reason() == Qt::TabFocusReason
                      || event->reason() == Qt::BacktabFocusReason;
    update();
}

void ImageButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_keyboardFocus = false;
    update();
}

void ImageButton::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_hovered = false;
    m_pressed = false;
}
