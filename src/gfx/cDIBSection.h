#pragma once

#include <QImage>

#include <cstdint>
#include <memory>

class QPainter;
class QPixmap;

// Copy the source as it is (the ternary raster operation "S").
inline constexpr uint32_t SRCCOPY = 0xCC0020;

// The 40-byte header of a device-independent bitmap, laid out as bitmap files store it.
struct BitmapInfoHeader
{
    uint32_t biSize = 0;
    int32_t biWidth = 0;
    int32_t biHeight = 0;
    uint16_t biPlanes = 0;
    uint16_t biBitCount = 0;
    uint32_t biCompression = 0;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

// A 24-bit bottom-up pixel buffer (blue, green, red; rows padded to 4 bytes) with a
// drawing context on it. The context draws straight into the buffer, so a picture copied
// in can be handed to an encoder without another pass over the pixels.
// "Drawing contexts" of other surfaces are images: LoadPictureBlt reads one, PaintPicture
// writes one.
class cDIBSection
{
public:
    cDIBSection() = default;
    ~cDIBSection();
    cDIBSection(const cDIBSection &) = delete;
    cDIBSection &operator=(const cDIBSection &) = delete;

    bool Create(int32_t width, int32_t height);
    // Fills the header and allocates a zeroed buffer of its size into section; true when
    // the buffer could be had.
    bool CreateDIB(int32_t width, int32_t height, std::unique_ptr<uint8_t[]> &section);
    void CreateFromPicture(const QImage &picture);
    void CreateFromPicture(const QPixmap &picture);
    void LoadPictureBlt(const QImage &source, int32_t sourceLeft, int32_t sourceTop,
                        int32_t width = -1, int32_t height = -1, uint32_t rasterOperation = SRCCOPY);
    void PaintPicture(QImage &destination, int32_t destinationLeft, int32_t destinationTop,
                      int32_t width = -1, int32_t height = -1, int32_t sourceLeft = 0,
                      int32_t sourceTop = 0, uint32_t rasterOperation = SRCCOPY) const;
    void ClearUp();

    int32_t BytesPerScanLine() const;
    int32_t Width() const { return m_header.biWidth; }
    int32_t Height() const { return m_header.biHeight; }
    const BitmapInfoHeader &Header() const { return m_header; }

    // The drawing context (a painter whose drawing lands in the buffer the right way up),
    // the section and its first byte; all null while there is no section.
    QPainter *hdc() const { return m_context.get(); }
    const uint8_t *hDib() const { return m_section.get(); }
    uint8_t *DIBSectionBitsPtr() const { return m_bits; }

    // The pixels as an ordinary top-down image (a copy); a null image without a section.
    QImage ToImage() const;

private:
    // Row y of the picture (0 = top) in the buffer.
    uint8_t *pRow(int32_t y) const;

    std::unique_ptr<uint8_t[]> m_section;
    QImage m_surface; // the buffer seen upside down, as the painter's device
    std::unique_ptr<QPainter> m_context;
    uint8_t *m_bits = nullptr;
    BitmapInfoHeader m_header;
};
