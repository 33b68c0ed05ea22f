#include "libmodTextMetrics.h"

#include "support/libmodGenericTextFunctions.h"
#include "ui/support/VLabel.h"

#include <QFontMetrics>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace libmodTextMetrics {

namespace {

QPointer<QWidget> FontCalc;

// Two capital S stand for the margins left and right of the text.
const QString Margins = QStringLiteral("SS");
const QString Ellipsis = QStringLiteral("\u2026");

} // namespace

QSize MeasureText(QWidget &control, const QString &text, const std::optional<QFont> &font)
{
    if (font)
        control.setFont(*font);
    const QFontMetrics metrics(control.font());
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

int16_t TextWidthInControl(QWidget &control, const QString &text, const std::optional<QFont> &font)
{
    return int16_t(std::min(MeasureText(control, text, font).width(), int(INT16_MAX)));
}

void SetFontCalcControl(QWidget *control)
{
    FontCalc = control;
}

QWidget *FontCalcControl()
{
    return FontCalc.data();
}

namespace {

// The text a shortening step leaves of the first `length` characters: the cut-off part
// goes, then the spaces it exposes at the end (the text starts with no space).
QString cutText(const QString &text, qsizetype length)
{
    return TrimBlanks(text.left(length));
}

// The lengths at which a text can be cut without splitting a surrogate pair, in order. A
// split pair shows as a replacement box, wider than the character; every other cut of a
// longer text is at least as wide as a cut of a shorter one, so the search below runs over
// these lengths only.
class WholeLengths
{
public:
    explicit WholeLengths(const QString &text)
    {
        const QChar *data = text.constData();
        const qsizetype n = text.size();
        auto splits = [data](qsizetype length) {
            return data[length - 1].isHighSurrogate() && data[length].isLowSurrogate();
        };
        qsizetype length = 1;
        while (length < n && !splits(length))
            ++length;
        m_split = length < n;
        if (!m_split)
            return;
        for (length = 1; length <= n; ++length) {
            if (length == n || !splits(length))
                m_lengths.push_back(length);
        }
    }
    // The i-th whole length (from 0), for i below Count(top).
    qsizetype At(qsizetype i) const { return m_split ? m_lengths[size_t(i)] : i + 1; }
    // How many whole lengths lie in 1 .. top.
    qsizetype Count(qsizetype top) const
    {
        if (!m_split)
            return top;
        return qsizetype(std::upper_bound(m_lengths.begin(), m_lengths.end(), top) - m_lengths.begin());
    }

private:
    bool m_split = false;
    std::vector<qsizetype> m_lengths;
};

// The longest whole length up to top for which fits holds (0 when none does), taking fits
// to hold for every shorter whole length once it holds for a longer one. Lengths are tried
// doubling from the short end, so a text far too wide for the limit is never measured
// whole.
template <typename Fits>
qsizetype longestFitting(const WholeLengths &lengths, qsizetype top, Fits fits)
{
    const qsizetype count = lengths.Count(top);
    qsizetype low = -1; // index known to fit (none yet)
    qsizetype high = count; // index known to fail (or past the end)
    qsizetype step = 1;
    while (low + 1 < count) {
        const qsizetype probe = std::min(count - 1, low + step);
        if (!fits(lengths.At(probe))) {
            high = probe;
            break;
        }
        low = probe;
        step *= 2;
    }
    while (high - low > 1) {
        const qsizetype middle = low + (high - low) / 2;
        (fits(lengths.At(middle)) ? low : high) = middle;
    }
    return low < 0 ? 0 : lengths.At(low);
}

} // namespace

// Finds the text that dropping one character at a time (and the spaces that become
// trailing) would stop at: the longest cut that fits with the ellipsis, or one character.
// A binary search over the length gives that same text with a few dozen measurements, so
// a name of any length fits at once.
void FitLabelCaption(VLabel &label, int32_t limit)
{
    QWidget &measurer = FontCalc ? *FontCalc : static_cast<QWidget &>(label);
    const QFont font = label.font();
    measurer.setFont(font);
    const QFontMetrics metrics(measurer.font());
    auto widthOf = [&metrics](const QString &text) {
        return int32_t(std::min(metrics.horizontalAdvance(text), int(INT16_MAX)));
    };
    // Only spaces are trimmed: a tab or line break is part of the caption.
    const QString text = TrimBlanks(label.Caption());

    bool resize = limit != 0;
    if (limit == -1) {
        limit = label.width();
        resize = false;
    }
    if (limit == 0)
        return;

    const qsizetype n = text.size();
    const WholeLengths lengths(text);
    // Whether the whole text fits, found without measuring more of it than needed.
    const bool fitsWhole =
        n < 2 || longestFitting(lengths, n, [&](qsizetype length) { return widthOf(text.left(length) + Margins) <= limit; }) == n;
    QString shown = text;
    int32_t w = 0;
    if (fitsWhole) {
        w = widthOf(text + Margins);
    } else {
        auto fits = [&](qsizetype length) { return widthOf(cutText(text, length) + Ellipsis + Margins) <= limit; };
        qsizetype length = std::max<qsizetype>(1, longestFitting(lengths, n - 1, fits));
        // The cut just past it splits a pair: it is tried first when shortening, so it wins
        // if its box fits.
        if (length + 1 < n && text.at(length).isHighSurrogate() && text.at(length + 1).isLowSurrogate()
            && fits(length + 1))
            ++length;
        shown = cutText(text, length) + Ellipsis;
        w = widthOf(shown + Margins);
    }

    if (resize) {
        const double left = label.x();
        const double width = label.width();
        double newLeft = left;
        if (label.Alignment() == 1)
            newLeft = left + width - w;
        else if (label.Alignment() == 2)
            newLeft = left + width / 2 - w / 2.0;
        label.setGeometry(int(std::nearbyint(newLeft)), label.y(), w, label.height());
    }
    if (!fitsWhole)
        label.SetCaption(shown);
}

} // namespace libmodTextMetrics
