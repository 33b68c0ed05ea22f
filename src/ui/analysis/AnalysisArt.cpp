// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalysisArt.h"

#include "gfx/ColourValue.h"
#include "gfx/modFormElements.h"
#include "model/VeltraneTopic.h"

#include <QFontMetrics>
#include <QHash>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStaticText>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <array>

namespace AnalysisArt {

QList<bool> LeadersAsShown(const VeltraneTopic &topic)
{
    double best = 0;
    for (int16_t i = 0; i < topic.TotalOptions(); ++i)
        best = i == 0 ? topic.GetScore(i) : std::max(best, topic.GetScore(i));
    QList<bool> leads;
    for (int16_t i = 0; i < topic.TotalOptions(); ++i)
        leads << (topic.GetScore(i) == best);
    return leads;
}

QColor BestGold()
{
    return QColor(254, 192, 12);
}

QColor Navy()
{
    return QColor(0, 0, 128);
}

QColor SeriesColour(int index)
{
    static const std::array<QColor, 10> colours = {
        QColor(0, 92, 175),  QColor(200, 30, 40),  QColor(30, 140, 60),   QColor(130, 70, 170), QColor(0, 150, 160),
        QColor(150, 90, 40), QColor(210, 80, 160), QColor(90, 90, 90), QColor(120, 140, 0),  QColor(70, 70, 210),
    };
    const int count = int(colours.size());
    return colours[size_t(((index % count) + count) % count)];
}

QFont Face(double points, bool bold)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QRectF PaintPanel(QPainter &painter, const QRectF &outer)
{
    // A view repaints its panel with every change of its figures, many times a second while
    // a slider moves: the smoothed gradient is drawn once per size and copied after that.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize size = outer.size().toSize();
    const QString key = QStringLiteral("veltrane-panel-%1x%2@%3").arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap(size * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QPainter art(&panel);
        const QRectF local(QPointF(0, 0), QSizeF(size));
        QLinearGradient fill(local.topLeft(), local.bottomRight());
        fill.setColorAt(0, ColourFromValue(modFormElements::PanelBaseColour));
        fill.setColorAt(0.6, ColourFromValue(modFormElements::PanelBaseColour));
        fill.setColorAt(1, ColourFromValue(modFormElements::PanelCornerColour));
        art.setRenderHint(QPainter::Antialiasing);
        art.setPen(QPen(ColourFromValue(modFormElements::PanelOutlineColour), 1));
        art.setBrush(fill);
        art.drawRoundedRect(local.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
        art.end();
        QPixmapCache::insert(key, panel);
    }
    painter.drawPixmap(outer.topLeft(), panel);
    return outer.adjusted(10, 8, -10, -8);
}

void DrawText(QPainter &painter, const QRectF &box, int flags, const QString &text)
{
    // The views draw the same few hundred short texts on every repaint; laid out once,
    // each is only placed after that.
    static QHash<std::pair<QFont, QString>, QStaticText> laidOut;
    const std::pair<QFont, QString> key(painter.font(), text);
    auto found = laidOut.find(key);
    if (found == laidOut.end()) {
        if (laidOut.size() > 4096)
            laidOut.clear();
        QStaticText made(text);
        made.setTextFormat(Qt::PlainText);
        made.prepare(QTransform(), painter.font());
        found = laidOut.insert(key, made);
    }
    const QSizeF size = found->size();
    double x = box.left();
    if (flags & Qt::AlignRight)
        x = box.right() - size.width();
    else if (flags & Qt::AlignHCenter)
        x = box.left() + (box.width() - size.width()) / 2;
    double y = box.top();
    if (flags & Qt::AlignBottom)
        y = box.bottom() - size.height();
    else if (flags & Qt::AlignVCenter)
        y = box.top() + (box.height() - size.height()) / 2;
    painter.drawStaticText(QPointF(x, y), *found);
}

double PaintLegendEntry(QPainter &painter, const QFontMetrics &metrics, double x, double y, const QColor &colour,
                        const QString &text)
{
    painter.fillRect(QRectF(x, y - 6, 12, 12), colour);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x + 16, y + metrics.ascent() / 2.0 - 1), text);
    return metrics.horizontalAdvance(text) + 26;
}

void Describe(QWidget &view, const QString &name, const QString &description)
{
    if (view.accessibleName() != name)
        view.setAccessibleName(name);
    if (view.accessibleDescription() != description)
        view.setAccessibleDescription(description);
}

bool AnswerToolTip(QWidget &view, QEvent *event, const std::function<QString(QPointF)> &textAt)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    auto *help = static_cast<QHelpEvent *>(event);
    const QString text = textAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, &view);
    return true;
}

} // namespace AnalysisArt
