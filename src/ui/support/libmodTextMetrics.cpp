#include "libmodTextMetrics.h"

#include "support/libmodGenericTextFunctions.h"
#include "ui/main/VLabel.h"

#include <QFontMetrics>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

void FitLabelCaption(VLabel &label, int32_t limit)
{
    QWidget &measurer = FontCalc ? *FontCalc : static_cast<QWidget &>(label);
    const QFont font = label.font();
    // Only spaces are trimmed: a tab or line break is part of the caption.
    QString text = TrimBlanks(label.Caption());
    int32_t w = TextWidthInControl(measurer, text + Margins, font);

    bool resize = limit != 0;
    if (limit == -1) {
        limit = label.width();
        resize = false;
    }
    if (limit == 0)
        return;

    bool shortened = false;
    while (text.size() >= 2 && w > limit) {
        text.chop(1);
        text = TrimBlanks(text);
        shortened = true;
        w = TextWidthInControl(measurer, text + Ellipsis + Margins, font);
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
    if (shortened)
        label.SetCaption(text + Ellipsis);
}

} // namespace libmodTextMetrics
