#include "DecisionReport.h"

#include "ReportCharts.h"
#include "ReportPages.h"
#include "io/SafeFileWrite.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "model/DecisionSummary.h"
#include "model/TopicConfidence.h"
#include "model/WeightingMethods.h"
#include "model/VeltraneTopic.h"
#include "support/NumberText.h"
#include "support/VeltraneError.h"
#include "ui/analysis/AnalysisArt.h"
#include "ui/support/DisplayNumber.h"

#include <QBuffer>
#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <new>

namespace DecisionReport {

namespace {

// Notes longer than this are cut in the report (never in the topic): the rest is said to
// be in the topic file.
constexpr qsizetype MaxNotesInReport = 12000;

// Rows of the tables.
constexpr double CellPadding = 4;
constexpr double NameColumnMax = 150;
constexpr double ScoreColumn = 58;

QFont bodyFont()
{
    return AnalysisArt::Face(10, false);
}

// Notes as the page can show them: tabs as blanks, other control characters (which have
// no picture) left out. The topic keeps them all.
QString printableNotes(const QString &notes, qsizetype &left)
{
    const QString kept = notes.left(MaxNotesInReport);
    left = notes.size() - kept.size();
    QString shown;
    shown.reserve(kept.size());
    for (const QChar c : kept) {
        if (c == u'\t')
            shown += u' ';
        else if (c == u'\n' || c == u'\r' || (c.unicode() >= 0x20 && c.unicode() != 0x7F))
            shown += c;
    }
    return shown;
}

// A table whose first row and first column are headings; cells that are marked are laid
// on gold. Every row is as tall as its tallest cell; headings wrap to three lines, other
// cells to two, and anything longer is shortened.
struct Table
{
    QList<double> widths;
    QList<QStringList> rows;
    QList<QPair<int, int>> gold; // (row, column)
    QList<int> boldRows;

    double Height(const QFont &font, QList<double> *rowHeights = nullptr) const
    {
        const double line = QFontMetricsF(font).lineSpacing();
        double total = 0;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            int lines = 1;
            for (qsizetype c = 0; c < rows[r].size(); ++c)
                lines = std::max<int>(lines, int(cellLines(r, c, font).size()));
            const double height = lines * line + 2 * CellPadding;
            if (rowHeights)
                rowHeights->append(height);
            total += height;
        }
        return total;
    }

    QStringList cellLines(qsizetype r, qsizetype c, const QFont &font) const
    {
        const int maxLines = r == 0 ? 3 : 2;
        return ReportPages::WrapText(rows[r][c], cellFont(r, c, font), widths[c] - 2 * CellPadding, maxLines);
    }

    QFont cellFont(qsizetype r, qsizetype c, QFont font) const
    {
        font.setBold(r == 0 || c == 0 || boldRows.contains(int(r)));
        return font;
    }

    void Paint(QPainter &painter, const QRectF &box, const QFont &font) const
    {
        QList<double> heights;
        Height(font, &heights);
        const double line = QFontMetricsF(font).lineSpacing();
        double y = box.top();
        for (qsizetype r = 0; r < rows.size(); ++r) {
            double x = box.left();
            if (r == 0)
                painter.fillRect(QRectF(x, y, box.width(), heights[r]), QColor(232, 238, 246));
            for (qsizetype c = 0; c < rows[r].size(); ++c) {
                const QRectF cell(x, y, widths[c], heights[r]);
                if (gold.contains({int(r), int(c)}))
                    painter.fillRect(cell, AnalysisArt::BestGold());
                painter.setFont(cellFont(r, c, font));
                painter.setPen(Qt::black);
                const QStringList lines = cellLines(r, c, font);
                const Qt::Alignment align = c == 0 ? Qt::AlignLeft : Qt::AlignHCenter;
                double top = y + CellPadding + (r == 0 ? 0 : (heights[r] - 2 * CellPadding - lines.size() * line) / 2);
                for (const QString &text : lines) {
                    painter.drawText(QRectF(x + CellPadding, top, widths[c] - 2 * CellPadding, line),
                                     align | Qt::AlignVCenter | Qt::TextSingleLine, text);
                    top += line;
                }
                x += widths[c];
            }
            y += heights[r];
            painter.setPen(QPen(QColor(180, 190, 205), 0.75));
            painter.drawLine(QPointF(box.left(), y), QPointF(x, y));
        }
        painter.setPen(QPen(AnalysisArt::Navy(), 1));
        painter.drawRect(QRectF(box.left(), box.top(), box.width(), y - box.top()));
    }
};

void addTable(ReportPages &pages, const Table &table, const QFont &font)
{
    pages.Add(table.Height(font), [table, font](QPainter &painter, const QRectF &box) { table.Paint(painter, box, font); });
}

// Column widths: names as wide as they need up to a limit, the values sharing the rest.
QList<double> columnWidths(double width, double nameWidth, int valueColumns, double lastColumn)
{
    QList<double> widths{nameWidth};
    const double each = (width - nameWidth - lastColumn) / std::max(1, valueColumns);
    for (int i = 0; i < valueColumns; ++i)
        widths << each;
    if (lastColumn > 0)
        widths << lastColumn;
    return widths;
}

double nameColumnWidth(const VeltraneTopic &topic, const QFont &font, const QString &heading)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(bold);
    double widest = metrics.horizontalAdvance(heading);
    for (int16_t i = 0; i < topic.TotalOptions(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(topic.GetOptionName(i)));
    return std::min(NameColumnMax, widest + 2 * CellPadding + 2);
}

// A rating as the matrix shows it; a measured value with its unit above the rating it earns.
QString ratingText(const VeltraneTopic &topic, int16_t option, int16_t attribute)
{
    const QString rating = DisplayNumberText(topic.GetRating(option, attribute));
    if (!topic.HasScale(attribute) || !topic.HasValue(option, attribute))
        return rating;
    const QString unit = topic.GetScale(attribute).Unit;
    return NumberToText(topic.GetValue(option, attribute)) + (unit.isEmpty() ? QString() : u' ' + unit) + u'\n'
           + rating;
}

void addTitle(ReportPages &pages, const VeltraneTopic &topic)
{
    const QFont title = AnalysisArt::Face(18, true);
    for (const QString &line : ReportPages::WrapText(topic.Title(), title, pages.Width(), 3)) {
        pages.Add(QFontMetricsF(title).lineSpacing(), [line, title](QPainter &painter, const QRectF &box) {
            painter.setFont(title);
            painter.setPen(AnalysisArt::Navy());
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        }, true);
    }
    const QFont dateFont = AnalysisArt::Face(8, false);
    pages.AddText(QStringLiteral("Decision report made on %1 by %2 %3.")
                      .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat), modParameters::ProductTitle,
                           modParameters::AppVersion),
                  dateFont);
    if (!topic.Description().isEmpty()) {
        pages.AddSpace(8);
        qsizetype left = 0;
        pages.AddText(printableNotes(topic.Description(), left), bodyFont());
        if (left > 0) {
            QFont italic = bodyFont();
            italic.setItalic(true);
            pages.AddText(QStringLiteral("The notes go on for %1 more characters in the topic file.")
                              .arg(QLocale().toString(qlonglong(left))),
                          italic);
        }
    }
}

void addDecision(ReportPages &pages, const VeltraneTopic &topic, const DecisionSummary &summary)
{
    pages.AddSpace(12);
    const QFont font = AnalysisArt::Face(12, true);
    const QString sentence = DecisionSummaries::DecisionSentence(topic, summary, DisplayNumberText);
    const QStringList lines = ReportPages::WrapText(sentence, font, pages.Width() - 24, 4);
    const double height = lines.size() * QFontMetricsF(font).lineSpacing() + 16;
    pages.Add(height, [lines, font](QPainter &painter, const QRectF &box) {
        painter.setPen(QPen(AnalysisArt::BestGold().darker(115), 1.5));
        painter.setBrush(QColor(255, 243, 205));
        painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), 6, 6);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const double line = QFontMetricsF(font).lineSpacing();
        for (qsizetype i = 0; i < lines.size(); ++i)
            painter.drawText(QRectF(box.left() + 12, box.top() + 8 + i * line, box.width() - 24, line),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, lines[i]);
    });
}

void addMatrix(ReportPages &pages, const VeltraneTopic &topic, const DecisionSummary &summary)
{
    pages.AddHeading(QStringLiteral("The options, weightings, ratings and scores"));
    const QFont font = AnalysisArt::Face(8, false);
    Table table;
    table.widths = columnWidths(pages.Width(), nameColumnWidth(topic, font, QStringLiteral("Weighting")),
                                topic.TotalAttributes(), ScoreColumn);
    QStringList heading{QString()};
    QStringList weightings{QStringLiteral("Weighting")};
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j) {
        heading << topic.GetAttributeName(j);
        weightings << DisplayNumberText(topic.GetWeighting(j));
    }
    heading << QStringLiteral("Score");
    weightings << QString();
    table.rows << heading << weightings;
    table.boldRows << 1;
    for (int16_t i = 0; i < topic.TotalOptions(); ++i) {
        QStringList row{topic.GetOptionName(i)};
        for (int16_t j = 0; j < topic.TotalAttributes(); ++j)
            row << ratingText(topic, i, j);
        row << DisplayNumberText(topic.GetScore(i));
        table.rows << row;
        if (i == summary.Leader)
            table.gold.append({int(table.rows.size() - 1), int(row.size() - 1)});
    }
    addTable(pages, table, font);
    pages.AddSpace(4);
    pages.AddText(topic.InvertWeights()
                      ? QStringLiteral("Every attribute counts negatively: a rating r counts as 1 \u2212 r. A score is "
                                       "the weighted mean of those values.")
                      : QStringLiteral("A score is the weighted mean of the option's ratings."),
                  AnalysisArt::Face(8, false));
}

void addContributions(ReportPages &pages, const VeltraneTopic &topic)
{
    pages.AddHeading(QStringLiteral("Why each option scores as it does"));
    pages.AddText(QStringLiteral("Each bar is an option's score, split into what every attribute adds to it: the "
                                 "attribute's share of the weightings times the option's rating."),
                  bodyFont(), true);
    pages.AddSpace(4);
    const double height = 100 + 30.0 * topic.TotalOptions();
    pages.Add(height, [](QPainter &painter, const QRectF &box) { ReportCharts::PaintContributions(painter, box); });
}

void addHowSure(ReportPages &pages, const VeltraneTopic &topic, const DecisionSummary &summary)
{
    pages.AddHeading(QStringLiteral("How sure is the decision?"));
    pages.AddText(DecisionSummaries::ClosestChangeSentence(topic, summary.Closest, DisplayNumberText), bodyFont());
    if (summary.Leader < 0 || topic.TotalOptions() < 2)
        return;
    pages.AddSpace(6);
    const QString best = topic.GetOptionName(summary.Leader);
    pages.AddText(QStringLiteral("Each weighting may move within this range while every other value stays as it "
                                 "is, and %1 stays best:").arg(best),
                  bodyFont(), true);
    pages.AddSpace(4);

    const QFont font = AnalysisArt::Face(8, false);
    Table table;
    const double attributeColumn = std::min(200.0, pages.Width() / 3);
    table.widths = {attributeColumn, 90, 140, pages.Width() - attributeColumn - 230};
    table.rows << QStringList{QStringLiteral("Attribute"), QStringLiteral("Weighting"),
                              QStringLiteral("%1 stays best from").arg(best), QStringLiteral("Outside it")};
    int16_t narrowest = 0;
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j) {
        const StableRange &range = summary.WeightingRanges[j];
        QStringList outside;
        if (range.LeaderBelow >= 0)
            outside << QStringLiteral("below: %1").arg(topic.GetOptionName(range.LeaderBelow));
        if (range.LeaderAbove >= 0)
            outside << QStringLiteral("above: %1").arg(topic.GetOptionName(range.LeaderAbove));
        table.rows << QStringList{topic.GetAttributeName(j), DisplayNumberText(topic.GetWeighting(j)),
                                  QStringLiteral("%1 to %2").arg(DisplayNumberText(range.From), DisplayNumberText(range.To)),
                                  outside.isEmpty() ? QStringLiteral("best anywhere") : outside.join(QStringLiteral("; "))};
        const StableRange &least = summary.WeightingRanges[narrowest];
        if (range.To - range.From < least.To - least.From)
            narrowest = j;
    }
    addTable(pages, table, font);

    pages.AddSpace(10);
    const StableRange &least = summary.WeightingRanges[narrowest];
    QString chartIntro;
    if (least.From > 0 || least.To < 1) {
        chartIntro = QStringLiteral("The narrowest range is that of %1.").arg(topic.GetAttributeName(narrowest));
    } else {
        // No weighting alone changes the winner: the one that weighs most is shown.
        for (int16_t j = 0; j < topic.TotalAttributes(); ++j)
            if (topic.GetWeighting(j) > topic.GetWeighting(narrowest))
                narrowest = j;
        chartIntro = QStringLiteral("No weighting alone makes another option best; %1 weighs most.")
                         .arg(topic.GetAttributeName(narrowest));
    }
    pages.AddText(chartIntro + QStringLiteral(" Every option's score as its weighting runs from 0 to 1, the current "
                                              "weighting dashed:"),
                  bodyFont(), true);
    pages.AddSpace(4);
    pages.Add(330, [narrowest](QPainter &painter, const QRectF &box) {
        ReportCharts::PaintSensitivity(painter, box, narrowest);
    });
}

void addChances(ReportPages &pages, const VeltraneTopic &topic, const DecisionSummary &summary)
{
    const Confidence chances =
        TopicConfidence::Simulate(topic, TopicConfidence::ShownDraws, TopicConfidence::SeedOf(topic));
    pages.AddHeading(QStringLiteral("How likely is each option to be best?"));
    pages.AddText(QStringLiteral("%1 variants of the topic were scored, in each of which every rating lies anywhere "
                                 "within its value \u00B1%2 and every weighting within its value \u00B1%3 (kept "
                                 "within 0 to 1). The table gives the share of them in which each option came out "
                                 "best, and in each place.")
                      .arg(DisplayCountText(chances.Draws), DisplayNumberText(topic.RatingSpread()),
                           DisplayNumberText(topic.WeightingSpread())),
                  bodyFont(), true);
    pages.AddSpace(4);

    const QFont font = AnalysisArt::Face(8, false);
    Table table;
    const int places = topic.TotalOptions();
    table.widths = columnWidths(pages.Width(), nameColumnWidth(topic, font, QStringLiteral("Option")), places + 1, 0);
    QStringList heading{QStringLiteral("Option"), QStringLiteral("Best")};
    for (int place = 1; place <= places; ++place)
        heading << QStringLiteral("Place %1").arg(place);
    table.rows << heading;
    for (const int16_t option : summary.Order) {
        QStringList row{topic.GetOptionName(option), DisplayChanceText(chances.Best[option])};
        for (int place = 0; place < places; ++place)
            row << DisplayChanceText(chances.Rank[option][place]);
        table.rows << row;
        if (option == summary.Leader)
            table.gold.append({int(table.rows.size() - 1), 1});
    }
    addTable(pages, table, font);
    pages.AddSpace(6);
    pages.AddText(QStringLiteral(
                      "What the figures do not say: they are not the chance that the choice is right. They count the "
                      "spreads stated, with every value equally likely anywhere in its range and independent of "
                      "every other. If the numbers may be off by more, or lean the same way (every rating of one "
                      "option a little too kind), the picture changes. A figure near 100% says the lead survives "
                      "the spreads given; two figures near 50% say that within them the two options are level."),
                  bodyFont());
}

// The answers to the weighting method applied, and the weightings they give; for pairwise
// comparison the judgements and how consistent they are.
void addWeightingMethod(ReportPages &pages, const VeltraneTopic &topic)
{
    const WeightingMethodInputs &inputs = topic.MethodInputs();
    if (inputs.Kind == WeightingMethodInputs::Method::None || inputs.Count() != topic.TotalAttributes())
        return;
    QList<double> weights;
    try {
        weights = inputs.Weights();
    } catch (const VeltraneError &) {
        return; // answers that give no weightings are not shown as if they did
    }
    const QString method = inputs.Kind == WeightingMethodInputs::Method::Rank    ? QStringLiteral("a ranking")
                           : inputs.Kind == WeightingMethodInputs::Method::Swing ? QStringLiteral("swing points")
                                                                                 : QStringLiteral("pairwise comparison");
    pages.AddHeading(QStringLiteral("How the weightings were set"));
    pages.AddText(QStringLiteral("The weightings were set from %1. %2")
                      .arg(method, topic.WeightingsMatchMethod()
                                       ? QStringLiteral("They are still the ones it gave.")
                                       : QStringLiteral("They have been changed since; the table gives those it gave.")),
                  bodyFont(), true);
    pages.AddSpace(4);

    const QFont font = AnalysisArt::Face(8, false);
    const int16_t n = topic.TotalAttributes();
    Table table;
    if (inputs.Kind == WeightingMethodInputs::Method::Compare) {
        // Row i, column j: how much more attribute i matters than j.
        table.widths = columnWidths(pages.Width(), std::min(NameColumnMax, pages.Width() / 5), n, ScoreColumn + 10);
        QStringList heading{QStringLiteral("How much more than")};
        for (int16_t j = 0; j < n; ++j)
            heading << topic.GetAttributeName(j);
        table.rows << (heading << QStringLiteral("Weighting"));
        for (int16_t i = 0; i < n; ++i) {
            QStringList row{topic.GetAttributeName(i)};
            for (int16_t j = 0; j < n; ++j)
                row << (i == j ? QStringLiteral("1") : NumberToText(std::round(inputs.Judgements[i][j] * 100) / 100));
            table.rows << (row << DisplayNumberText(weights[i]));
        }
    } else {
        const bool rank = inputs.Kind == WeightingMethodInputs::Method::Rank;
        table.widths = {std::min(200.0, pages.Width() / 3), 120, 120};
        table.rows << QStringList{QStringLiteral("Attribute"), rank ? QStringLiteral("Rank") : QStringLiteral("Points"),
                                  QStringLiteral("Weighting")};
        for (int16_t j = 0; j < n; ++j)
            table.rows << QStringList{topic.GetAttributeName(j),
                                      rank ? QString::number(inputs.Ranks[j]) : NumberToText(inputs.Points[j]),
                                      DisplayNumberText(weights[j])};
    }
    addTable(pages, table, font);
    if (inputs.Kind != WeightingMethodInputs::Method::Compare)
        return;
    const PairwiseResult result = WeightingMethods::Pairwise(inputs.Judgements);
    QString consistency = QStringLiteral("Consistency ratio %1: ").arg(FixedNumberText(result.ConsistencyRatio, 3, QLocale()));
    consistency += result.ConsistencyRatio <= WeightingMethods::AcceptableRatio
                       ? QStringLiteral("the judgements agree with each other well enough (up to %1).")
                             .arg(FixedNumberText(WeightingMethods::AcceptableRatio, 2, QLocale()))
                       : QStringLiteral("above %1, so some judgements contradict each other.")
                             .arg(FixedNumberText(WeightingMethods::AcceptableRatio, 2, QLocale()));
    if (result.WorstRow >= 0 && result.ConsistencyRatio > WeightingMethods::AcceptableRatio)
        consistency += QStringLiteral(" The one that fits worst: %1 against %2.")
                           .arg(topic.GetAttributeName(result.WorstRow), topic.GetAttributeName(result.WorstColumn));
    pages.AddSpace(4);
    pages.AddText(consistency, bodyFont());
}

} // namespace

QPageSize::PageSizeId PageSizeFor(const QLocale &locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
    case QLocale::Guatemala:
    case QLocale::CostaRica:
    case QLocale::ElSalvador:
    case QLocale::Nicaragua:
    case QLocale::Panama:
    case QLocale::DominicanRepublic:
        return QPageSize::Letter;
    default:
        return QPageSize::A4;
    }
}

bool Paint(QPagedPaintDevice &device, const VeltraneTopic &topic)
{
    const DecisionSummary summary = DecisionSummaries::Summarise(topic);
    ReportPages pages(device);
    addTitle(pages, topic);
    addDecision(pages, topic, summary);
    addMatrix(pages, topic, summary);
    addContributions(pages, topic);
    addHowSure(pages, topic, summary);
    if (topic.TotalOptions() > 1)
        addChances(pages, topic, summary);
    addWeightingMethod(pages, topic);
    return pages.Finish();
}

bool Save(const QString &fileName, const VeltraneTopic &topic)
{
    try {
        QByteArray bytes;
        {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setResolution(96);
            writer.setPageSize(QPageSize(PageSizeFor(QLocale())));
            writer.setPageMargins(QMarginsF(16, 16, 16, 14), QPageLayout::Millimeter);
            writer.setTitle(topic.Title());
            writer.setCreator(modParameters::ProductTitle + u' ' + modParameters::AppVersion);
            if (!Paint(writer, topic))
                throw VeltraneError(ErrInvalidProcedureCall, ErrorSource("DecisionReport"),
                                    QStringLiteral("The report could not be drawn."));
        }
        WriteFileKeepingAttributes(fileName, bytes, ErrorSource("DecisionReport"));
    } catch (const VeltraneError &error) {
        modLoadSave::ShowSaveError(error.number(), error.description());
        return false;
    } catch (const std::bad_alloc &) {
        const VeltraneError error = VeltraneError::OutOfMemory(ErrorSource("DecisionReport"));
        modLoadSave::ShowSaveError(error.number(), error.description());
        return false;
    }
    return true;
}

} // namespace DecisionReport
