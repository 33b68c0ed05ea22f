// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPages.h"

#include "ui/analysis/AnalysisArt.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <limits>

namespace {

// Room left at the foot of every page for its number.
constexpr double FooterHeight = 28;

} // namespace

ReportPages::ReportPages(QPagedPaintDevice &device)
    : m_device(device)
{
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    m_width = page.width();
    m_height = page.height() - FooterHeight;
}

void ReportPages::Add(double height, const Paint &paint, bool keepWithNext)
{
    m_blocks.append({std::min(height, m_height), paint, keepWithNext});
}

void ReportPages::AddSpace(double height)
{
    m_blocks.append({height, {}, false});
}

QStringList ReportPages::WrapText(const QString &text, const QFont &font, double width, int maxLines)
{
    QStringList lines;
    const QFontMetricsF metrics(font);
    const QStringList paragraphs =
        QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n').split(u'\n');
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        const qsizetype before = lines.size();
        QTextLayout layout(paragraphs[p], font);
        QTextOption option;
        // A word wider than the column (a long name) is broken rather than run over.
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            if (lines.size() == maxLines - 1 && (line.textStart() + line.textLength() < paragraphs[p].size()
                                                  || p + 1 < paragraphs.size())) {
                // The last line that fits takes the rest of the text, shortened.
                lines << metrics.elidedText(paragraphs[p].mid(line.textStart()) + QStringLiteral(" \u2026"),
                                            Qt::ElideRight, width);
                layout.endLayout();
                return lines;
            }
            lines << paragraphs[p].mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        if (lines.size() == before)
            lines << QString();
    }
    return lines;
}

void ReportPages::AddText(const QString &text, const QFont &font, bool keepWithNext)
{
    const double lineHeight = QFontMetricsF(font).lineSpacing();
    const QStringList lines = WrapText(text, font, m_width, std::numeric_limits<int>::max());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i];
        // A paragraph's first two lines stay together, and so do its last two.
        const bool keep = i + 1 == lines.size() ? keepWithNext : i == 0 || i + 2 == lines.size();
        Add(lineHeight, [line, font](QPainter &painter, const QRectF &box) {
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        }, keep);
    }
}

void ReportPages::AddHeading(const QString &text)
{
    AddSpace(10);
    const QFont font = AnalysisArt::Face(12, true);
    const double height = QFontMetricsF(font).lineSpacing() + 6;
    Add(height, [text, font](QPainter &painter, const QRectF &box) {
        painter.setFont(font);
        painter.setPen(AnalysisArt::Navy());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        painter.setPen(QPen(AnalysisArt::BestGold(), 2));
        painter.drawLine(QPointF(box.left(), box.bottom() - 2), QPointF(box.right(), box.bottom() - 2));
    }, true);
    AddSpace(4);
}

bool ReportPages::Finish()
{
    // Page breaks first: a block goes to the next page when it does not fit, together with
    // the blocks before it that must stay with it.
    using Page = QList<std::pair<qsizetype, double>>; // blocks and their tops
    QList<Page> pages{Page()};
    double y = 0;
    for (qsizetype i = 0; i < m_blocks.size(); ++i) {
        const Block &block = m_blocks[i];
        if (y + block.height > m_height && !pages.last().isEmpty()) {
            Page carried;
            while (pages.last().size() > 1) {
                const Block &last = m_blocks[pages.last().last().first];
                if (last.paint && !last.keepWithNext)
                    break;
                carried.prepend(pages.last().takeLast());
            }
            pages.append(Page());
            y = 0;
            for (const auto &[index, top] : carried) {
                if (!m_blocks[index].paint && pages.last().isEmpty())
                    continue; // no space at the top of a page
                pages.last().append({index, y});
                y += m_blocks[index].height;
            }
        }
        if (!block.paint && pages.last().isEmpty())
            continue;
        pages.last().append({i, y});
        y += block.height;
    }

    QPainter painter;
    if (!painter.begin(&m_device))
        return false;
    const QFont footer = AnalysisArt::Face(8, false);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !m_device.newPage())
            return false;
        for (const auto &[index, top] : pages[p]) {
            const Block &block = m_blocks[index];
            if (!block.paint)
                continue;
            painter.save();
            block.paint(painter, QRectF(0, top, m_width, block.height));
            painter.restore();
        }
        painter.setFont(footer);
        painter.setPen(QColor(90, 90, 90));
        painter.drawText(QRectF(0, m_height, m_width, FooterHeight), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size()));
    }
    return painter.end();
}
