// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportCharts.h"

#include "ui/analysis/ContributionChart.h"
#include "ui/analysis/SensitivityChart.h"

#include <QPainter>

namespace ReportCharts {

namespace {

// The view, never shown, sized to the box and drawn into it with its children (the
// sensitivity chart's attribute box names the attribute).
void paintView(QWidget &view, QPainter &painter, const QRectF &box)
{
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(box.size().toSize());
    painter.save();
    painter.translate(box.topLeft());
    view.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

} // namespace

void PaintContributions(QPainter &painter, const QRectF &box)
{
    ContributionChart chart;
    chart.Refresh();
    paintView(chart, painter, box);
}

void PaintSensitivity(QPainter &painter, const QRectF &box, int16_t attributeID)
{
    SensitivityChart chart;
    chart.SetAttribute(attributeID);
    chart.Refresh();
    paintView(chart, painter, box);
}

} // namespace ReportCharts
