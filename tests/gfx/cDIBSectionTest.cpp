#include "gfx/cDIBSection.h"

#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// Four coloured quadrants and a one-pixel marker in the top-left corner.
QImage QuadrantPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(200, 30, 40));
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(20, 180, 60));
    painter.fillRect(0, height / 2, width / 2, height - height / 2, QColor(30, 40, 220));
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, QColor(250, 250, 240));
    painter.end();
    picture.setPixel(0, 0, qRgb(1, 2, 3));
    return picture;
}

// The colour stored for pixel (x, y), read from the raw bottom-up BGR buffer.
QColor StoredColour(const cDIBSection &dib, int x, int y)
{
    const uint8_t *pixel = dib.DIBSectionBitsPtr() + (dib.Height() - 1 - y) * dib.BytesPerScanLine() + x * 3;
    return QColor(pixel[2], pixel[1], pixel[0]);
}

} // namespace

TEST(cDIBSection, HeaderAndRowPaddingFollowTheWidth)
{
    cDIBSection dib;
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(dib.Height(), 0);
    ASSERT_TRUE(dib.Create(37, 23));
    const BitmapInfoHeader &header = dib.Header();
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 37);
    EXPECT_EQ(header.biHeight, 23);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, 0u);
    EXPECT_EQ(dib.BytesPerScanLine(), 112);
    EXPECT_EQ(header.biSizeImage, 112u * 23u);
    EXPECT_EQ(header.biXPelsPerMeter, 0);
    EXPECT_EQ(header.biYPelsPerMeter, 0);
    EXPECT_EQ(header.biClrUsed, 0u);
    EXPECT_EQ(header.biClrImportant, 0u);

    const std::pair<int, int> widths[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {607, 1824}};
    for (const auto &[width, bytes] : widths) {
        ASSERT_TRUE(dib.Create(width, 2));
        EXPECT_EQ(dib.BytesPerScanLine(), bytes) << width;
        EXPECT_EQ(dib.BytesPerScanLine() - width * 3, bytes - width * 3) << width;
    }
}

TEST(cDIBSection, CreateReplacesAndClearUpEmpties)
{
    cDIBSection dib;
    dib.ClearUp(); // nothing to release
    EXPECT_EQ(dib.hdc(), nullptr);

    ASSERT_TRUE(dib.Create(10, 10));
    EXPECT_NE(dib.hdc(), nullptr);
    EXPECT_NE(dib.hDib(), nullptr);
    ASSERT_NE(dib.DIBSectionBitsPtr(), nullptr);

    ASSERT_TRUE(dib.Create(3, 5));
    EXPECT_EQ(dib.Width(), 3);
    EXPECT_EQ(dib.Height(), 5);
    EXPECT_EQ(dib.ToImage().size(), QSize(3, 5));

    dib.ClearUp();
    EXPECT_EQ(dib.hdc(), nullptr);
    EXPECT_EQ(dib.hDib(), nullptr);
    EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
    EXPECT_EQ(dib.Width(), 3); // the header keeps its last values
    EXPECT_TRUE(dib.ToImage().isNull());
}

TEST(cDIBSection, ImpossibleSizesLeaveTheObjectEmpty)
{
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(4, 4));
    for (const QSize size : {QSize(0, 5), QSize(5, 0), QSize(-3, 4), QSize(100000, 100000)}) {
        EXPECT_FALSE(dib.Create(size.width(), size.height())) << size.width() << "x" << size.height();
        EXPECT_EQ(dib.hdc(), nullptr);
        EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
    }
    dib.CreateFromPicture(QImage()); // copies nothing, fails quietly
    EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(Qt::white);
    dib.PaintPicture(target, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(cDIBSection, PicturesAreStoredBottomUpInBlueGreenRed)
{
    const QImage picture = QuadrantPicture(37, 23);
    cDIBSection dib;
    dib.CreateFromPicture(QPixmap::fromImage(picture));
    ASSERT_EQ(dib.Width(), 37);
    ASSERT_EQ(dib.Height(), 23);

    // The first row in memory is the picture's bottom row.
    const uint8_t *bits = dib.DIBSectionBitsPtr();
    EXPECT_EQ(QColor(bits[2], bits[1], bits[0]), QColor(30, 40, 220));
    const uint8_t *top = bits + 22 * dib.BytesPerScanLine();
    EXPECT_EQ(QColor(top[2], top[1], top[0]), QColor(1, 2, 3));
    EXPECT_EQ(StoredColour(dib, 36, 0), QColor(20, 180, 60));
    EXPECT_EQ(StoredColour(dib, 36, 22), QColor(250, 250, 240));
    for (int y = 0; y < 23; ++y)
        EXPECT_EQ(bits[y * dib.BytesPerScanLine() + 111], 0) << "pad byte of row " << y;
    EXPECT_EQ(dib.ToImage().convertToFormat(QImage::Format_RGB32), picture);
}

TEST(cDIBSection, TheContextDrawsIntoTheBuffer)
{
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(8, 6));
    dib.hdc()->fillRect(0, 0, 8, 1, QColor(255, 0, 0));
    dib.hdc()->fillRect(0, 5, 8, 1, QColor(0, 0, 255));
    // Drawn at the top, found in the last row of memory, without any copy in between.
    EXPECT_EQ(StoredColour(dib, 3, 0), QColor(255, 0, 0));
    EXPECT_EQ(dib.DIBSectionBitsPtr()[0], 255); // bottom row, blue byte first
    EXPECT_EQ(StoredColour(dib, 3, 5), QColor(0, 0, 255));
    EXPECT_EQ(StoredColour(dib, 3, 2), QColor(0, 0, 0));
}

TEST(cDIBSection, BlitsCopyRegionsAndCombineWithRasterOperations)
{
    const QImage picture = QuadrantPicture(20, 10);
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(10, 5));

    // A part from (10, 5): the bottom-right quadrant fills the whole section.
    dib.LoadPictureBlt(picture, 10, 5);
    EXPECT_EQ(StoredColour(dib, 0, 0), QColor(250, 250, 240));
    EXPECT_EQ(StoredColour(dib, 9, 4), QColor(250, 250, 240));

    // An explicit smaller region leaves the rest alone.
    dib.LoadPictureBlt(picture, 0, 0, 2, 1);
    EXPECT_EQ(StoredColour(dib, 0, 0), QColor(1, 2, 3));
    EXPECT_EQ(StoredColour(dib, 1, 0), QColor(200, 30, 40));
    EXPECT_EQ(StoredColour(dib, 2, 0), QColor(250, 250, 240));
    EXPECT_EQ(StoredColour(dib, 0, 1), QColor(250, 250, 240));

    // Without a source picture nothing changes.
    dib.LoadPictureBlt(QImage(), 0, 0);
    EXPECT_EQ(StoredColour(dib, 0, 0), QColor(1, 2, 3));

    // SRCINVERT (source XOR destination) and SRCAND (source AND destination).
    dib.LoadPictureBlt(picture, 10, 5, -1, -1, 0x660046);
    EXPECT_EQ(StoredColour(dib, 5, 3), QColor(0, 0, 0));
    EXPECT_EQ(StoredColour(dib, 1, 0), QColor(200 ^ 250, 30 ^ 250, 40 ^ 240));
    dib.LoadPictureBlt(picture, 10, 0, -1, -1, SRCCOPY);
    dib.LoadPictureBlt(picture, 0, 5, -1, -1, 0x8800C6);
    EXPECT_EQ(StoredColour(dib, 4, 2), QColor(20 & 30, 180 & 40, 60 & 220));
    // NOTSRCCOPY ignores the destination; BLACKNESS and WHITENESS ignore both.
    dib.LoadPictureBlt(picture, 0, 5, -1, -1, 0x330008);
    EXPECT_EQ(StoredColour(dib, 4, 2), QColor(255 - 30, 255 - 40, 255 - 220));
    dib.LoadPictureBlt(picture, 0, 0, -1, -1, 0x000042);
    EXPECT_EQ(StoredColour(dib, 4, 2), QColor(0, 0, 0));
    dib.LoadPictureBlt(picture, 0, 0, -1, -1, 0xFF0062);
    EXPECT_EQ(StoredColour(dib, 4, 2), QColor(255, 255, 255));
}

TEST(cDIBSection, PaintPictureCopiesOutOfTheSection)
{
    const QImage picture = QuadrantPicture(20, 10);
    cDIBSection dib;
    dib.CreateFromPicture(picture);

    QImage whole(20, 10, QImage::Format_RGB32);
    whole.fill(Qt::black);
    dib.PaintPicture(whole, 0, 0);
    EXPECT_EQ(whole, picture);

    QImage target(6, 6, QImage::Format_ARGB32);
    target.fill(QColor(9, 9, 9));
    dib.PaintPicture(target, 1, 2, 3, 2, 9, 4);
    EXPECT_EQ(QColor(target.pixel(0, 2)), QColor(9, 9, 9));
    EXPECT_EQ(QColor(target.pixel(1, 2)), QColor(200, 30, 40)); // source (9, 4)
    EXPECT_EQ(QColor(target.pixel(2, 2)), QColor(20, 180, 60)); // source (10, 4)
    EXPECT_EQ(QColor(target.pixel(2, 3)), QColor(250, 250, 240)); // source (10, 5)
    EXPECT_EQ(QColor(target.pixel(4, 3)), QColor(9, 9, 9));
    EXPECT_EQ(QColor(target.pixel(1, 4)), QColor(9, 9, 9));

    dib.PaintPicture(target, 0, 0, 1, 1, 15, 0, 0x660046);
    EXPECT_EQ(QColor(target.pixel(0, 0)), QColor(20 ^ 9, 180 ^ 9, 60 ^ 9));
}
