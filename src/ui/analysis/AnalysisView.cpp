// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalysisView.h"

#include <QPainter>
#include <QWidget>

void AnalysisView::Render(QPainter &painter, QSize size)
{
    QWidget &widget = Widget();
    if (size.isEmpty())
        return;
    painter.save();
    if (widget.isVisible()) {
        painter.scale(double(size.width()) / widget.width(), double(size.height()) / widget.height());
        widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    } else {
        const QSize before = widget.size();
        widget.resize(size);
        widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        widget.resize(before);
    }
    painter.restore();
}
