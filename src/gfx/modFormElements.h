#pragma once

#include "gfx/clsGradientFill.h"

#include <cstdint>
#include <memory>

class PictureBox;

// The window's painted look: corner gradients, the rounded panels and the background.
namespace modFormElements {

// The one gradient object of the program: empty until the first corner gradient, then kept.
inline std::unique_ptr<clsGradientFill> GradientFill;

inline constexpr uint32_t BackgroundBaseColour = 0xFFC891;
inline constexpr uint32_t BackgroundCornerColour = 0xFFEFDF;
inline constexpr uint32_t PanelBaseColour = 0xF8ECE0;
inline constexpr uint32_t PanelCornerColour = 0xFFFFFB;
inline constexpr uint32_t PanelOutlineColour = 0x9C9586;

// The base colour along the top and left edges, reaching the corner colour only in the
// bottom-right corner.
void DrawCornerGradient(PictureBox &surface, uint32_t baseColour, uint32_t cornerColour);

// Fills the panel with its corner gradient, shapes it to a rounded rectangle with a
// 1-pixel outline, and makes the drawing the panel's background picture.
void DecoratePanel(PictureBox &panel);

// Paints the main window's background and stamps the decorated picScoreFrame,
// picWeightingFrame and picRatingFrame into it at their places; the panels are hidden
// afterwards. Throws ErrObjectNotSet when one of the panels does not exist.
void PaintMainBackground(PictureBox &mainWindow);

} // namespace modFormElements

using modFormElements::DecoratePanel;
using modFormElements::DrawCornerGradient;
using modFormElements::PaintMainBackground;
