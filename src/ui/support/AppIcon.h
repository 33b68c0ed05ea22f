#pragma once

#include <QIcon>
#include <QImage>

// Veltrane's icon, painted: the same drawing as resources/icons/veltrane.svg, so the
// window, the desktop entry and the file manager show one picture.
QImage RenderAppIcon(int size);

// The icon at the usual sizes, for windows.
QIcon AppIcon();
