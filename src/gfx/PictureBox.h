#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

// A drawing surface: a widget that shows its own image. Drawing goes into that image
// (Image()) and stays until it is cleared, the way the window design's picture boxes and
// forms keep what is drawn on them. The image always has the widget's size in pixels; on a
// resize, AutoRedraw keeps what was drawn, otherwise the surface starts again from its
// background (BackColor under Picture).
//
// ScaleMode says in which unit ScaleWidth and ScaleHeight are given:
// 1 twips, 2 points, 3 pixels, 4 characters, 5 inches, 6 millimetres, 7 centimetres.
class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE SetAutoRedraw)
    Q_PROPERTY(int16_t ScaleMode READ ScaleMode WRITE SetScaleMode)
    Q_PROPERTY(uint32_t BackColor READ BackColor WRITE SetBackColor)

public:
    static constexpr int16_t vbTwips = 1;
    static constexpr int16_t vbPoints = 2;
    static constexpr int16_t vbPixels = 3;
    static constexpr int16_t vbCharacters = 4;
    static constexpr int16_t vbInches = 5;
    static constexpr int16_t vbMillimeters = 6;
    static constexpr int16_t vbCentimeters = 7;

    explicit PictureBox(QWidget *parent = nullptr);

    bool AutoRedraw() const { return m_autoRedraw; }
    void SetAutoRedraw(bool autoRedraw) { m_autoRedraw = autoRedraw; }

    int16_t ScaleMode() const { return m_scaleMode; }
    // Throws ErrInvalidPropertyValue for a mode outside 1..7.
    void SetScaleMode(int16_t mode);
    double ScaleWidth() const;
    double ScaleHeight() const;

    // Colour behind the picture, 0x00BBGGRR.
    uint32_t BackColor() const { return m_backColor; }
    void SetBackColor(uint32_t colour);

    // The persistent image, what the surface shows. Callers that draw into it call
    // update() (or Refresh()) afterwards.
    QImage &Image();
    // The background picture, drawn at (0, 0) over BackColor whenever the surface clears.
    QImage Picture() const { return m_picture; }
    void SetPicture(const QImage &picture);

    // Clears the image to the background.
    void Cls();
    // Repaints at once.
    void Refresh() { repaint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage background(QSize size) const;
    void followSize();

    QImage m_image;
    QImage m_picture;
    bool m_autoRedraw = false;
    int16_t m_scaleMode = vbPixels;
    uint32_t m_backColor;
};
