#include "ReportCharts.h"

#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "ui/analysis/ContributionChart.h"
#include "ui/analysis/SensitivityChart.h"

#include <QPainter>

namespace ReportCharts {

namespace {

// The view, never shown, handed the open topic and drawn into the box at its size.
void paintView(AnalysisView &view, QPainter &painter, const QRectF &box)
{
    view.Widget().setAttribute(Qt::WA_DontShowOnScreen);
    if (const std::shared_ptr<VeltraneTopic> &topic = modParameters::CurrentTopic)
        view.Refresh(*topic);
    painter.save();
    painter.translate(box.topLeft());
    view.Render(painter, box.size().toSize());
    painter.restore();
}

} // namespace

void PaintContributions(QPainter &painter, const QRectF &box)
{
    ContributionChart chart;
    paintView(chart, painter, box);
}

void PaintSensitivity(QPainter &painter, const QRectF &box, int16_t attributeID)
{
    SensitivityChart chart;
    chart.SetAttribute(attributeID);
    paintView(chart, painter, box);
}

} // namespace ReportCharts
