#pragma once

#include <QWidget>

#include <cstdint>

// A rectangle drawn over the window: the pieces of the hover highlight. It takes no mouse
// input, so the mouse reaches whatever lies beneath it.
class ShapeControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(uint32_t FillColor READ FillColor WRITE SetFillColor)
    Q_PROPERTY(uint32_t BorderColor READ BorderColor WRITE SetBorderColor)

public:
    explicit ShapeControl(QWidget *parent = nullptr);

    // Colours as 0x00BBGGRR values.
    uint32_t FillColor() const { return m_fill; }
    void SetFillColor(uint32_t colour);
    uint32_t BorderColor() const { return m_border; }
    void SetBorderColor(uint32_t colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    uint32_t m_fill = 0xFFFFFF;
    uint32_t m_border = 0;
};
