#pragma once

#include <QImage>

#include <utility>
#include <vector>

// The pictures of the main window's buttons and of its resize grip, drawn by our own
// code so that they scale cleanly and need no image files.
namespace MainWindowArt {

enum class Glyph {
    New,      // a blank page
    Load,     // an open folder
    Save,     // a disk
    Settings, // a cog wheel
    Add,      // a plus sign on green
    Remove,   // a cross on red
    Hide,     // an upward chevron: the panel is shown and can be folded away
    Show,     // a downward chevron: the panel is folded and can be opened
    Chart,    // a small bar chart on its axes: how sure the decision is
    Balance,  // a pair of scales, one pan lower: how much each attribute weighs
};

// The four looks of a picture button: normal, mouse over, pressed and disabled.
struct ButtonLook
{
    QImage picture;
    QImage overpicture;
    QImage downpicture;
    QImage disabledpicture;
};

// The looks of a square button of side `size` pixels showing `glyph`, drawn with `ratio`
// screen pixels per pixel so that they stay sharp on a scaled screen.
ButtonLook ButtonImages(Glyph glyph, int size, double ratio = 1);

// Starts drawing these looks on a second thread, so that ButtonImages finds them drawn (or
// waits for the rest of the drawing) when it is asked for them.
void PrepareButtonImages(const std::vector<std::pair<Glyph, int>> &looks, double ratio = 1);

// The 13 x 13 grip shown in the window's bottom-right corner, drawn as the buttons are.
QImage ResizeGripImage(double ratio = 1);

} // namespace MainWindowArt
