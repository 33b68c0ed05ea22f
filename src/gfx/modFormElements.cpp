#include "modFormElements.h"

#include "gfx/PictureBox.h"
#include "gfx/libmodAPIRegions.h"
#include "support/VeltraneError.h"

#include <QPainter>

#include <array>

namespace modFormElements {

namespace {

constexpr int PanelCornerEllipse = 20;

const std::array<const char *, 3> PanelNames = {"picScoreFrame", "picWeightingFrame", "picRatingFrame"};

PictureBox &panelNamed(PictureBox &mainWindow, const char *name)
{
    auto *panel = mainWindow.findChild<PictureBox *>(QString::fromLatin1(name));
    if (!panel)
        throw VeltraneError::ObjectNotSet(ErrorSource("modFormElements"));
    return *panel;
}

} // namespace

void DrawCornerGradient(PictureBox &surface, uint32_t baseColour, uint32_t cornerColour)
{
    if (!GradientFill)
        GradientFill = std::make_unique<clsGradientFill>();
    GradientFill->GradientFillTri(surface, baseColour, baseColour, cornerColour, baseColour);
}

void DecoratePanel(PictureBox &panel)
{
    DrawCornerGradient(panel, PanelBaseColour, PanelCornerColour);
    const int width = panel.width();
    const int height = panel.height();
    const QRegion shape = RoundRectRegion(0, 0, width, height, PanelCornerEllipse, PanelCornerEllipse);
    FrameRegion(panel.Image(), shape, PanelOutlineColour, 1, 1);
    panel.setMask(shape);
    panel.SetPicture(panel.Image());
}

void PaintMainBackground(PictureBox &mainWindow)
{
    DrawCornerGradient(mainWindow, BackgroundBaseColour, BackgroundCornerColour);
    std::array<PictureBox *, 3> panels{};
    for (size_t i = 0; i < panels.size(); ++i) {
        panels[i] = &panelNamed(mainWindow, PanelNames[i]);
        panels[i]->setVisible(true);
    }
    for (PictureBox *panel : panels)
        DecoratePanel(*panel);

    // Only what the shaped panel shows is stamped: the corners outside its rounded outline
    // keep the window's own background.
    {
        QPainter painter(&mainWindow.Image());
        for (PictureBox *panel : panels) {
            const QPoint at = panel->mapTo(&mainWindow, QPoint(0, 0));
            painter.save();
            painter.translate(at);
            if (!panel->mask().isEmpty())
                painter.setClipRegion(panel->mask());
            painter.drawImage(0, 0, panel->Image());
            painter.restore();
        }
    }
    for (PictureBox *panel : panels)
        panel->setVisible(false);
    mainWindow.update();
}

} // namespace modFormElements
