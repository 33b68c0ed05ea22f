#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

// A borderless button that shows one of four pictures and no text: `picture` normally,
// `overpicture` while the mouse is over it, `downpicture` while it is pressed and
// `disabledpicture` while it is disabled. A missing hover, pressed or disabled picture
// falls back to the normal one. Click follows a left press and release on the button,
// or Space or Enter while it has the focus.
class ImageButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QImage picture READ Picture WRITE SetPicture)
    Q_PROPERTY(QImage overpicture READ OverPicture WRITE SetOverPicture)
    Q_PROPERTY(QImage downpicture READ DownPicture WRITE SetDownPicture)
    Q_PROPERTY(QImage disabledpicture READ DisabledPicture WRITE SetDisabledPicture)

public:
    explicit ImageButton(QWidget *parent = nullptr);

    QImage Picture() const { return m_picture; }
    void SetPicture(const QImage &picture);
    QImage OverPicture() const { return m_overPicture; }
    void SetOverPicture(const QImage &picture);
    QImage DownPicture() const { return m_downPicture; }
    void SetDownPicture(const QImage &picture);
    QImage DisabledPicture() const { return m_disabledPicture; }
    void SetDisabledPicture(const QImage &picture);

    // The picture the button shows now.
    QImage CurrentPicture() const;
    bool IsHovered() const { return m_hovered; }
    bool IsPressed() const { return m_pressed && m_hovered; }

    QSize sizeHint() const override;

signals:
    void Click();
    void MouseMove(int16_t button, int16_t shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void setPictureOf(QImage &slot, const QImage &picture);

    QImage m_picture;
    QImage m_overPicture;
    QImage m_downPicture;
    QImage m_disabledPicture;
    bool m_hovered = false;
    bool m_pressed = false;
    bool m_keyboardFocus = false;
};
