// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasuresLook.h"

#include "gfx/ColourValue.h"
#include "gfx/modFormElements.h"
#include "ui/analysis/AnalysisArt.h"

#include <QPalette>
#include <QWidget>

namespace MeasuresLook {

void Apply(QWidget &dialog)
{
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, ColourFromValue(modFormElements::BackgroundBaseColour));
    palette.setColor(QPalette::Base, ColourFromValue(modFormElements::PanelCornerColour));
    palette.setColor(QPalette::AlternateBase, ColourFromValue(modFormElements::PanelBaseColour));
    palette.setColor(QPalette::Highlight, AnalysisArt::Navy());
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
    dialog.setFont(AnalysisArt::Face(9, false));
}

} // namespace MeasuresLook
