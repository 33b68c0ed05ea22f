#pragma once

#include <QFont>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

class QWidget;
class VLabel;

// Text measurement in a control's font, and fitting a label's caption to a width.
namespace libmodTextMetrics {

// Width and height in pixels of the text on one line in the control's font; a given font
// is first given to the control.
QSize MeasureText(QWidget &control, const QString &text, const std::optional<QFont> &font = std::nullopt);

// The width part of MeasureText.
int16_t TextWidthInControl(QWidget &control, const QString &text, const std::optional<QFont> &font = std::nullopt);

// The hidden text box of the main window in which captions are measured (txtFontCalc).
// While none is set, a label is measured in itself, in the same font.
void SetFontCalcControl(QWidget *control);
QWidget *FontCalcControl();

// Shortens the caption with a trailing "…" until caption plus two capital S fits the limit.
// limit 0: nothing happens. limit -1: fit to the label's current width and leave its
// size alone. Any other limit: fit to it and size the label to the fitted text, keeping its
// left edge, right edge or centre by its alignment. A one-character caption is never
// shortened; a caption that fits is left as it is.
void FitLabelCaption(VLabel &label, int32_t limit = 0);

} // namespace libmodTextMetrics

using libmodTextMetrics::FitLabelCaption;
using libmodTextMetrics::MeasureText;
using libmodTextMetrics::TextWidthInControl;
