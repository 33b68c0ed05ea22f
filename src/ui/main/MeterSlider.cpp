#include "MeterSlider.h"

#include "gfx/ColourValue.h"
#include "ui/main/ControlArray.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr float MinValue = 0;
constexpr float MaxValue = 100;
constexpr float KeyStep = 1;
constexpr float PageStep = 10;

// The empty part and the frame, in the soft blue-grey of the window's panels.
const QColor EmptyColour(246, 249, 252);
const QColor FrameColour(134, 149, 156);

} // namespace

MeterSlider::MeterSlider(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MeterSlider::SetValue(float value)
{
    if (std::isnan(value))
        return;
    value = std::clamp(value, MinValue, MaxValue);
    if (value == m_value)
        return;
    m_value = value;
    update();
    emit ValueChanged(Index());
}

void MeterSlider::SetFullColor(uint32_t colour)
{
    colour &= 0xFFFFFF;
    if (colour == m_fullColor)
        return;
    m_fullColor = colour;
    update();
}

int16_t MeterSlider::Index() const
{
    return ControlArrayIndex(*this).value_or(0);
}

QSize MeterSlider::sizeHint() const
{
    return QSize(130, 18);
}

QRectF MeterSlider::meterRect() const
{
    return QRectF(rect()).adjusted(1, 1, -1, -1);
}

float MeterSlider::valueAt(double x) const
{
    const QRectF meter = meterRect();
    if (meter.width() <= 0)
        return m_value;
    return std::clamp(float((x - meter.left()) / meter.width() * MaxValue), MinValue, MaxValue);
}

void MeterSlider::adjustTo(float value)
{
    const float before = m_value;
    SetValue(value);
    if (m_value != before)
        emit UserAdjusted(Index());
}

void MeterSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF meter = meterRect();
    painter.fillRect(rect(), FrameColour);
    painter.fillRect(meter, EmptyColour);

    const int filled = int(std::round(meter.width() * m_value / MaxValue));
    if (filled > 0) {
        // The full colour itself, with a lighter top and a darker bottom line for depth.
        const QRectF bar(meter.left(), meter.top(), filled, meter.height());
        const QColor full = ColourFromValue(m_fullColor);
        painter.fillRect(bar, full);
        if (bar.height() >= 4) {
            painter.fillRect(QRectF(bar.left(), bar.top(), bar.width(), 1), full.lighter(130));
            painter.fillRect(QRectF(bar.left(), bar.bottom() - 1, bar.width(), 1), full.darker(115));
        }
    }

    if (hasFocus()) {
        QPen dotted(palette().color(QPalette::Highlight), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void MeterSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_dragging = true;
    adjustTo(valueAt(event->position().x()));
}

void MeterSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        adjustTo(valueAt(event->position().x()));
}

void MeterSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    adjustTo(valueAt(event->position().x()));
    m_dragging = false;
}

void MeterSlider::keyPressEvent(QKeyEvent *event)
{
    float target = m_value;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        target = m_value - KeyStep;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        target = m_value + KeyStep;
        break;
    case Qt::Key_PageDown:
        target = m_value - PageStep;
        break;
    case Qt::Key_PageUp:
        target = m_value + PageStep;
        break;
    case Qt::Key_Home:
        target = MinValue;
        break;
    case Qt::Key_End:
        target = MaxValue;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    adjustTo(target);
}

void MeterSlider::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        m_dragging = false;
}

void MeterSlider::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void MeterSlider::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_dragging = false;
    update();
}
