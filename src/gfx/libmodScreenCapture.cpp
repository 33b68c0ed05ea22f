#include "gfx/libmodScreenCapture.h"

#include "gfx/cDIBSection.h"
#include "gfx/mIntelJPEGLibrary.h"
#include "gfx/modBitmapFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace libmodScreenCapture {

QImage GrabFormClientArea(QWidget &form)
{
    return GrabWindowArea(form, true, 0, 0, form.width(), form.height());
}

QImage GrabWindowArea(QWidget &window, bool inner, int32_t left, int32_t top, int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return {};
    if (inner)
        return MakePictureFromBitmap(window.grab(QRect(left, top, width, height)));
    QScreen *screen = window.screen();
    if (!screen)
        return {};
    const QPoint frame = window.frameGeometry().topLeft() - screen->geometry().topLeft();
    return MakePictureFromBitmap(screen->grabWindow(0, frame.x() + left, frame.y() + top, width, height));
}

QImage MakePictureFromBitmap(const QPixmap &bitmap)
{
    QImage picture = bitmap.toImage();
    // The picture is measured in its own pixels, whatever the screen's scaling.
    picture.setDevicePixelRatio(1);
    return picture;
}

bool SaveScreenshotFile(const QImage &picture, const QString &fileName, bool jpeg)
{
    if (picture.isNull())
        return false;
    cDIBSection section;
    section.CreateFromPicture(picture);
    if (jpeg)
        return mIntelJPEGLibrary::WriteJpegFile(section, fileName, 100);
    return modBitmapFile::WriteBitmapFile(section, fileName);
}

void PutPictureOnClipboard(const QImage &picture)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
}

} // namespace libmodScreenCapture
