// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QFont>
#include <QRectF>
#include <QString>

#include <functional>

class QEvent;
class VeltraneTopic;
class QFontMetrics;
class QPainter;
class QWidget;

// The common look of the analysis views: the rounded panel they are drawn on, in the
// colours of the main window's panels, one colour per series, and the window's face.
namespace AnalysisArt {

// The gold of the best score bar, RGB(254,192,12).
QColor BestGold();
// Which options share the lead as the main window shows it: every option whose score, as
// the topic reports it, equals the best, all drawn in gold there. A lead smaller than the
// scores are shown with is no lead to a reader, so the views mark those options alike.
QList<bool> LeadersAsShown(const VeltraneTopic &topic);
// The navy of the main window's highlight frame.
QColor Navy();
// Ten colours that stay apart from each other and from the gold; the index wraps.
QColor SeriesColour(int index);
// Comic Sans MS as the main window uses it.
QFont Face(double points, bool bold);
// Fills the rounded panel and draws its outline; the panel's inner rectangle follows.
QRectF PaintPanel(QPainter &painter, const QRectF &outer);
// One line of plain text, aligned in the box as QPainter::drawText would align it (the
// box does not clip it), in the painter's font and pen.
void DrawText(QPainter &painter, const QRectF &box, int flags, const QString &text);
// One legend entry, a colour square and its text, centred on y from x; its width follows.
double PaintLegendEntry(QPainter &painter, const QFontMetrics &metrics, double x, double y, const QColor &colour,
                        const QString &text);
// What a screen reader says of a drawn view: its name and, in words, what it shows.
void Describe(QWidget &view, const QString &name, const QString &description);
// Answers a view's tooltip event with the text for the point under the mouse (none where
// it is empty); false for every other event.
bool AnswerToolTip(QWidget &view, QEvent *event, const std::function<QString(QPointF)> &textAt);

} // namespace AnalysisArt
