#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

class QPixmap;
class QWidget;

// Pictures of windows, and where screenshots go: JPEG and BMP files and the clipboard.
// A picture is a QImage holding the window's pixels; where a window cannot be rendered it
// comes out empty (null), as a failed capture does.
namespace libmodScreenCapture {

// The form's whole inner area, at its size in pixels.
QImage GrabFormClientArea(QWidget &form);

// A rectangle of a window, in pixels: of its inner area (rendered from the window itself,
// so other windows lying over it never show) or, with inner false, of the window with its
// frame, as the screen shows it.
QImage GrabWindowArea(QWidget &window, bool inner, int32_t left, int32_t top, int32_t width, int32_t height);

// The picture of a captured bitmap, at its size in device pixels.
QImage MakePictureFromBitmap(const QPixmap &bitmap);

// Writes a screenshot file: a JPEG at quality 100, or a Windows bitmap. Returns what the
// writer reports (false for an empty picture: nothing was captured); the writers' failures
// are thrown as VeltraneError.
bool SaveScreenshotFile(const QImage &picture, const QString &fileName, bool jpeg);

// Empties the clipboard and puts the picture on it.
void PutPictureOnClipboard(const QImage &picture);

} // namespace libmodScreenCapture
