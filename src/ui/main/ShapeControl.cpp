#include "ShapeControl.h"

#include "gfx/ColourValue.h"

#include <QPainter>

ShapeControl::ShapeControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::SetFillColor(uint32_t colour)
{
    m_fill = colour;
    update();
}

void ShapeControl::SetBorderColor(uint32_t colour)
{
    m_border = colour;
    update();
}

void ShapeControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ColourFromValue(m_fill));
    p.setPen(ColourFromValue(m_border));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
