// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

#include <cstdint>

class QPainter;

// The analysis window's charts drawn onto a report page by their own drawing code, at the
// size given. They show the open topic, the one the report is made of.
namespace ReportCharts {

void PaintContributions(QPainter &painter, const QRectF &box);
void PaintSensitivity(QPainter &painter, const QRectF &box, int16_t attributeID);

} // namespace ReportCharts
