#include "PictureBox.h"

#include "gfx/ColourValue.h"
#include "support/VeltraneError.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

constexpr double TwipsPerPixel = 15;

// Twips per unit of each scale mode, horizontally and vertically (index = mode).
constexpr double TwipsPerUnitX[] = {0, 1, 20, TwipsPerPixel, 120, 1440, 1440 / 25.4, 1440 / 2.54};
constexpr double TwipsPerUnitY[] = {0, 1, 20, TwipsPerPixel, 240, 1440, 1440 / 25.4, 1440 / 2.54};

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent), m_backColor(ColourValue(palette().color(QPalette::Window)))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetScaleMode(int16_t mode)
{
    if (mode < vbTwips || mode > vbCentimeters)
        throw VeltraneError::InvalidPropertyValue(ErrorSource("PictureBox"));
    m_scaleMode = mode;
}

double PictureBox::ScaleWidth() const
{
    return width() * TwipsPerPixel / TwipsPerUnitX[m_scaleMode];
}

double PictureBox::ScaleHeight() const
{
    return height() * TwipsPerPixel / TwipsPerUnitY[m_scaleMode];
}

void PictureBox::SetBackColor(uint32_t colour)
{
    m_backColor = colour & 0xFFFFFF;
    Cls();
}

QImage &PictureBox::Image()
{
    followSize();
    return m_image;
}

void PictureBox::SetPicture(const QImage &picture)
{
    m_picture = picture;
    Cls();
}

void PictureBox::Cls()
{
    m_image = background(size());
    update();
}

QImage PictureBox::background(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(ColourFromValue(m_backColor));
    if (!m_picture.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, m_picture);
    }
    return image;
}

void PictureBox::followSize()
{
    if (m_image.size() == size())
        return;
    QImage resized = background(size());
    if (m_autoRedraw && !m_image.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_image);
    }
    m_image = resized;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, Image(), area);
}
