// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// A report laid out as a column of blocks that break across pages: each block is measured
// when it is added and drawn whole on one page, and every page gets "Page n of m" at its
// foot. Units are the device's, set to screen pixels (96 per inch), so that window views
// draw on the page at the size they have on screen.
class ReportPages
{
public:
    using Paint = std::function<void(QPainter &painter, const QRectF &box)>;

    explicit ReportPages(QPagedPaintDevice &device);

    // The width a block may take.
    double Width() const { return m_width; }

    // A block of the given height; with keepWithNext it starts a new page rather than end one.
    void Add(double height, const Paint &paint, bool keepWithNext = false);
    // Space between blocks.
    void AddSpace(double height);

    // Text wrapped to the width (or the given width), each line a block of its own.
    void AddText(const QString &text, const QFont &font, bool keepWithNext = false);
    void AddHeading(const QString &text);

    // Lines of text wrapped to width, at most maxLines; the last line is elided when the
    // text goes on.
    static QStringList WrapText(const QString &text, const QFont &font, double width, int maxLines);

    // Draws every block and the page numbers; false when the device could not start a page.
    bool Finish();

private:
    struct Block
    {
        double height = 0;
        Paint paint;
        bool keepWithNext = false;
    };

    QPagedPaintDevice &m_device;
    double m_width = 0;
    double m_height = 0;
    QList<Block> m_blocks;
};
