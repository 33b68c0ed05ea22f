// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

// The common look of the analysis views: the rounded panel they are drawn on, in the
// colours of the main window's panels, one colour per series, and the window's face.
namespace AnalysisArt {

// The gold of the best score bar, RGB(254,192,12).
QColor BestGold();
// The navy of the main window's highlight frame.
QColor Navy();
// Ten colours that stay apart from each other and from the gold; the index wraps.
QColor SeriesColour(int index);
// Comic Sans MS as the main window uses it.
QFont Face(double points, bool bold);
// Fills the rounded panel and draws its outline; the panel's inner rectangle follows.
QRectF PaintPanel(QPainter &painter, const QRectF &outer);

} // namespace AnalysisArt
