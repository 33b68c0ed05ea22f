#pragma once

#include <cstdint>

class PictureBox;

// Two-colour and four-colour gradients drawn into a surface's image. The fills follow the
// platform gradient primitive exactly: vertices carry 16-bit colour components (the 8-bit
// component in the high byte), rectangles interpolate linearly between their two edges,
// triangles barycentrically between their three corners.
//
// Colours are 0x00BBGGRR. A support level of 0 means "no gradient primitive": every
// operation then leaves the surface untouched. On this platform it is always available.
class clsGradientFill
{
public:
    // The level this platform offers (non-zero).
    clsGradientFill();
    // A fixed level; 0 turns every drawing operation off.
    explicit clsGradientFill(int32_t supportLevel);

    int32_t SupportLevel() const { return m_supportLevel; }

    // Two mirrored bands: the outer colour at both edges, the inner colour along the middle
    // line, top to bottom when vertical, else left to right. Softened bands reach one and a
    // half times their visible extent, so the edges show a colour two thirds of the way to
    // the inner colour. Leaves AutoRedraw on.
    void DrawGradientTube(PictureBox &surface, uint32_t outerColour, uint32_t innerColour,
                          bool soften, bool vertical) const;
    // The whole surface from colour B at the top (vertical) or left edge to colour A at the
    // bottom or right edge. Leaves AutoRedraw on.
    void GradientFillRec(PictureBox &surface, uint32_t colourA, uint32_t colourB, bool vertical) const;
    // The whole surface with a colour at each corner, split along the diagonal from top-left
    // to bottom-right. Leaves AutoRedraw as it was.
    void GradientFillTri(PictureBox &surface, uint32_t topLeft, uint32_t topRight,
                         uint32_t bottomRight, uint32_t bottomLeft) const;

private:
    int32_t m_supportLevel;
};
