#pragma once

#include <QWidget>

#include <cstdint>

class QPainter;

// A horizontal meter filled from the left in proportion to its value (0 to 100). The user
// sets it by pressing or dragging with the left mouse button, or with the keys when it has
// the focus (arrows 1, Page Up/Down 10, Home 0, End 100). A disabled slider shows its
// value but does not react to the user.
//
// Notifications carry the slider's control-array index (see ControlArray.h; 0 when the
// slider is not an array element):
// - ValueChanged: whenever the value changes, also when the program writes it;
// - UserAdjusted: after each change the user makes, also while dragging;
// - AdjustmentEnded: once a drag ends (the button released, or the drag broken off), and
//   after each key that changed the value; ByKey tells which.
class MeterSlider : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float value READ Value WRITE SetValue)
    Q_PROPERTY(uint32_t fullcolor READ FullColor WRITE SetFullColor)

public:
    explicit MeterSlider(QWidget *parent = nullptr);

    float Value() const { return m_value; }
    // Clamped to 0..100; a value that is not a number is ignored.
    void SetValue(float value);

    // Colour of the filled part, 0x00BBGGRR.
    uint32_t FullColor() const { return m_fullColor; }
    void SetFullColor(uint32_t colour);

    int16_t Index() const;

    // An indicator shows a result (a score) rather than taking input: assistive technology
    // presents it as a progress bar.
    bool IsIndicator() const { return m_indicator; }
    void SetIndicator(bool indicator) { m_indicator = indicator; }

    // A change made for the user by assistive technology: reported as a key would report
    // it. Ignored while the slider is disabled or an indicator. True when the value changed.
    bool AdjustAsUser(float value);

    // The focus mark stays off pictures of the window.
    void SetFocusMarkShown(bool shown);

    // The part of the track, in slider values, over which the best option stays the best.
    // Outside it the track carries a faint band, and small marks stand at its two ends; a
    // range covering the whole track (the default) shows nothing extra.
    void SetStableRange(float from, float to);
    void ClearStableRange() { SetStableRange(MinValue, MaxValue); }
    float StableFrom() const { return m_stableFrom; }
    float StableTo() const { return m_stableTo; }
    bool HasStableRange() const { return m_stableFrom > MinValue || m_stableTo < MaxValue; }

    // What the owner made the tooltip from, so that it need not make the same text again.
    size_t ToolTipSource = 0;

    static constexpr float MinValue = 0;
    static constexpr float MaxValue = 100;

    QSize sizeHint() const override;

signals:
    void ValueChanged(int16_t index);
    void UserAdjusted(int16_t index);
    void AdjustmentEnded(int16_t index, bool ByKey);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // True when the value changed.
    bool adjustTo(float value);
    void endDrag();
    float valueAt(double x) const;
    QRectF meterRect() const;
    void paintStableRange(QPainter &painter, const QRectF &meter) const;
    // The stable range as painted: the band ends in whole pixels, and whether each end has a mark.
    struct StablePixels
    {
        int from = 0;
        int to = 0;
        bool fromMark = false;
        bool toMark = false;
        bool operator==(const StablePixels &) const = default;
    };
    StablePixels stablePixels(float from, float to) const;

    float m_value = 0;
    uint32_t m_fullColor = 0x32CB96; // RGB(150,203,50)
    bool m_dragging = false;
    bool m_indicator = false;
    bool m_focusMarkShown = true;
    float m_stableFrom = MinValue;
    float m_stableTo = MaxValue;
};
