#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// The settings dialog's pictures, drawn by our own code: the face of a tab that is not
// selected, the product logo of the About page, and the dialog's background with the
// page frame that the selected tab opens into.
namespace OptionsArtwork {

// A tab face of the given size: rounded top corners, a soft blue gradient, an outline.
QImage TabBackgroundImage(const QSize &size);

// The product logo: three score bars on a rounded tile, the best one in gold.
QImage LogoImage(int side);

// Paints the whole dialog: the background, the page below the tabs (`page`) joined to
// the selected tab (`selectedTab`), and the outline of the rounded window.
void PaintDialog(QPainter &painter, const QRect &dialog, const QRect &page, const QRect &selectedTab);

// Corner ellipse of the dialog's rounded shape, pixels.
inline constexpr int CornerEllipse = 20;

} // namespace OptionsArtwork
