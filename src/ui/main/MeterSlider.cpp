#include "MeterSlider.h"

#include "gfx/ColourValue.h"
#include "ui/main/ControlArray.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr float KeyStep = 1;
constexpr float PageStep = 10;

// The empty part and the frame, in the soft blue-grey of the window's panels.
const QColor EmptyColour(246, 249, 252);
const QColor FrameColour(134, 149, 156);
// Where another option would lead: a faint rose band along the track's lower edge. The
// range's ends are marked in the navy of the window's highlight frame.
const QColor OutsideColour(214, 96, 104, 150);
const QColor MarkColour(0, 0, 128);

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
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, double(m_value));
        QAccessible::updateAccessibility(&event);
    }
    emit ValueChanged(Index());
}

bool MeterSlider::AdjustAsUser(float value)
{
    if (!isEnabled() || m_indicator || !adjustTo(value))
        return false;
    emit AdjustmentEnded(Index(), true);
    return true;
}

void MeterSlider::SetFocusMarkShown(bool shown)
{
    if (shown == m_focusMarkShown)
        return;
    m_focusMarkShown = shown;
    if (hasFocus())
        update();
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

void MeterSlider::SetStableRange(float from, float to)
{
    if (std::isnan(from) || std::isnan(to))
        return;
    from = std::clamp(from, MinValue, MaxValue);
    to = std::clamp(to, from, MaxValue);
    if (from == m_stableFrom && to == m_stableTo)
        return;
    // A step of one slider shifts the range of every other a little; most of those shifts
    // move no mark by a whole pixel and need no repaint.
    const StablePixels before = stablePixels(m_stableFrom, m_stableTo);
    m_stableFrom = from;
    m_stableTo = to;
    if (stablePixels(from, to) != before)
        update();
}

MeterSlider::StablePixels MeterSlider::stablePixels(float from, float to) const
{
    const QRectF meter = meterRect();
    const auto xOf = [&meter](float value) { return int(std::round(meter.left() + meter.width() * value / MaxValue)); };
    return {xOf(from), xOf(to), from > MinValue && from < MaxValue, to > MinValue && to < MaxValue};
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

bool MeterSlider::adjustTo(float value)
{
    const float before = m_value;
    SetValue(value);
    if (m_value == before)
        return false;
    emit UserAdjusted(Index());
    return true;
}

void MeterSlider::endDrag()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    emit AdjustmentEnded(Index(), false);
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

    if (HasStableRange())
        paintStableRange(painter, meter);

    // The focus mark: the frame in the highlight colour and a dotted navy line inside it,
    // clear on the filled and the empty part alike, and no cover over the value.
    if (hasFocus() && m_focusMarkShown) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(QPen(MarkColour, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void MeterSlider::paintStableRange(QPainter &painter, const QRectF &meter) const
{
    const StablePixels pixels = stablePixels(m_stableFrom, m_stableTo);
    const double from = pixels.from;
    const double to = pixels.to;
    // The band takes a quarter of the height (at least 2 pixels), so the fill colour keeps
    // the rest and the bar still reads as the value.
    const double band = std::max(2.0, std::round(meter.height() / 4));
    const double bandTop = meter.bottom() - band;
    if (from > meter.left())
        painter.fillRect(QRectF(meter.left(), bandTop, from - meter.left(), band), OutsideColour);
    if (to < meter.right())
        painter.fillRect(QRectF(to, bandTop, meter.right() - to, band), OutsideColour);

    // A mark is a 2-pixel post over the full height with a small notch on top, so it shows
    // on the filled and on the empty part alike. Whole pixels, no smoothing: a move that
    // hands over the lead repaints every slider, and at this size it looks the same.
    const int notch = int(std::min(3.0, meter.height() / 4));
    for (const auto &[shown, at] : {std::pair(pixels.fromMark, pixels.from), std::pair(pixels.toMark, pixels.to)}) {
        if (!shown)
            continue;
        const int x = int(std::clamp(double(at), meter.left() + 1, meter.right() - 1));
        const int top = int(meter.top());
        painter.fillRect(QRect(x - 1, top, 2, int(meter.height())), MarkColour);
        for (int row = 0; row <= notch; ++row)
            painter.fillRect(QRect(x - 1 - notch + row, top + row, 2 * (notch - row) + 2, 1), MarkColour);
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
    endDrag();
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
    AdjustAsUser(target);
}

void MeterSlider::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        endDrag();
}

void MeterSlider::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void MeterSlider::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    endDrag();
    update();
}
