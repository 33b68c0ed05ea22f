#pragma once

#include <QLabel>
#include <QMetaMethod>

#include <cstdint>

// The window's label: display and editing surface at once. It reports a caption change
// only when the text really changes, keeps a free-text Tag, reports clicks and mouse
// movement, and can size itself to its text (AutoSize). It never paints a background,
// so the window's gradient shows through. A label given a keyboard focus policy marks
// the focus with a frame and reports Enter or F2 (EditKey) and Delete (DeleteKey).
class VLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Tag READ Tag WRITE SetTag)
    Q_PROPERTY(int16_t Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(uint32_t ForeColor READ ForeColor WRITE SetForeColor)

public:
    explicit VLabel(QWidget *parent = nullptr);
    VLabel(const QString &caption, QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    // Emits Change() when, and only when, the text differs from the current one.
    void SetCaption(const QString &caption);
    // Shows the text without reporting it: what a refresh shows of the topic, or a caption
    // shortened to fit, is no edit. True when the text changed.
    bool ShowCaption(const QString &caption);
    // Every other text write goes through SetCaption, so no edit goes unreported.
    void setText(const QString &caption) { SetCaption(caption); }

    QString Tag() const { return m_tag; }
    void SetTag(const QString &tag) { m_tag = tag; }

    // 0 = left, 1 = right, 2 = centre.
    int16_t Alignment() const;
    void SetAlignment(int16_t alignment);

    // When set, the label takes the size of its text after every caption change,
    // keeping its left and top edges.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);

    // Text colour, 0x00BBGGRR.
    uint32_t ForeColor() const;
    void SetForeColor(uint32_t colour);

    // Whether anything answers a click on it.
    bool HasClickHandler() const { return isSignalConnected(QMetaMethod::fromSignal(&VLabel::Click)); }

signals:
    void Change();
    void Click();
    void EditKey();
    void DeleteKey();
    void MouseMove(int16_t button, int16_t shift, float x, float y);

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void fitToText();

    QString m_tag;
    bool m_autoSize = false;
    bool m_pressed = false;
};
