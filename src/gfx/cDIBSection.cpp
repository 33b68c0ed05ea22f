#include "gfx/cDIBSection.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace {

// A ternary raster operation on one byte of pattern, source and destination: bit i of the
// operation's index byte is the result for the bit combination i = pattern·4 + source·2 +
// destination.
uint8_t applyRasterOperation(uint32_t rasterOperation, uint8_t pattern, uint8_t source, uint8_t destination)
{
    const uint32_t index = (rasterOperation >> 16) & 0xFF;
    uint8_t result = 0;
    for (uint32_t combination = 0; combination < 8; ++combination) {
        if (!(index & (1u << combination)))
            continue;
        const uint8_t p = (combination & 4) ? pattern : uint8_t(~pattern);
        const uint8_t s = (combination & 2) ? source : uint8_t(~source);
        const uint8_t d = (combination & 1) ? destination : uint8_t(~destination);
        result |= p & s & d;
    }
    return result;
}

// A context without a brush of its own draws with the default white one.
constexpr uint8_t DefaultPattern = 0xFF;

// Combines count source bytes into destination.
void combineBytes(uint8_t *destination, const uint8_t *source, int32_t count, uint32_t rasterOperation)
{
    if (rasterOperation == SRCCOPY) {
        std::memcpy(destination, source, size_t(count));
        return;
    }
    for (int32_t i = 0; i < count; ++i)
        destination[i] = applyRasterOperation(rasterOperation, DefaultPattern, source[i], destination[i]);
}

} // namespace

cDIBSection::~cDIBSection()
{
    ClearUp();
}

bool cDIBSection::Create(int32_t width, int32_t height)
{
    ClearUp();
    std::unique_ptr<uint8_t[]> section;
    if (!CreateDIB(width, height, section))
        return false;
    m_section = std::move(section);
    m_surface = QImage(m_bits, width, height, BytesPerScanLine(), QImage::Format_BGR888);
    m_context = std::make_unique<QPainter>(&m_surface);
    if (!m_context->isActive()) {
        ClearUp();
        return false;
    }
    // The surface shows the buffer's rows in memory order, bottom row first: flip the
    // context so that what is drawn at the top lands in the last row.
    m_context->setTransform(QTransform(1, 0, 0, -1, 0, height));
    return true;
}

bool cDIBSection::CreateDIB(int32_t width, int32_t height, std::unique_ptr<uint8_t[]> &section)
{
    const int64_t bytesPerScanLine = (int64_t(width) * 3 + 3) & ~int64_t(3);
    const int64_t sizeImage = bytesPerScanLine * height;
    m_header = BitmapInfoHeader();
    m_header.biSize = sizeof(BitmapInfoHeader);
    m_header.biWidth = width;
    m_header.biHeight = height;
    m_header.biPlanes = 1;
    m_header.biBitCount = 24;
    m_header.biCompression = 0;
    m_header.biSizeImage = uint32_t(std::clamp<int64_t>(sizeImage, 0, std::numeric_limits<uint32_t>::max()));

    if (width <= 0 || height <= 0 || sizeImage > std::numeric_limits<int32_t>::max())
        return false;
    section.reset(new (std::nothrow) uint8_t[size_t(sizeImage)]());
    m_bits = section.get();
    return section != nullptr;
}

void cDIBSection::CreateFromPicture(const QImage &picture)
{
    if (!Create(picture.width(), picture.height()))
        return;
    LoadPictureBlt(picture, 0, 0, -1, -1, SRCCOPY);
}

void cDIBSection::CreateFromPicture(const QPixmap &picture)
{
    CreateFromPicture(picture.toImage());
}

void cDIBSection::LoadPictureBlt(const QImage &source, int32_t sourceLeft, int32_t sourceTop, int32_t width,
                                 int32_t height, uint32_t rasterOperation)
{
    if (!m_bits)
        return;
    if (width < 0)
        width = Width();
    if (height < 0)
        height = Height();
    // Parts outside the source come in black, as from an empty bitmap.
    const QImage part = source.copy(sourceLeft, sourceTop, width, height).convertToFormat(QImage::Format_BGR888);
    if (part.isNull())
        return; // no source picture: nothing to copy
    const int32_t rows = std::min(height, Height());
    const int32_t rowBytes = std::min(width, Width()) * 3;
    for (int32_t y = 0; y < rows; ++y)
        combineBytes(pRow(y), part.constScanLine(y), rowBytes, rasterOperation);
}

void cDIBSection::PaintPicture(QImage &destination, int32_t destinationLeft, int32_t destinationTop, int32_t width,
                               int32_t height, int32_t sourceLeft, int32_t sourceTop, uint32_t rasterOperation) const
{
    if (!m_bits || destination.isNull())
        return;
    if (width < 0)
        width = Width();
    if (height < 0)
        height = Height();
    if (width == 0 || height == 0)
        return;

    QImage block(width, height, QImage::Format_BGR888);
    block.fill(Qt::black);
    const int32_t firstColumn = std::max(sourceLeft, 0);
    const int32_t lastColumn = std::min(sourceLeft + width, Width());
    for (int32_t y = std::max(sourceTop, 0); y < std::min(sourceTop + height, Height()); ++y) {
        if (firstColumn < lastColumn)
            std::memcpy(block.scanLine(y - sourceTop) + (firstColumn - sourceLeft) * 3, pRow(y) + firstColumn * 3,
                        size_t(lastColumn - firstColumn) * 3);
    }
    if (rasterOperation != SRCCOPY) {
        QImage result = destination.copy(destinationLeft, destinationTop, width, height)
                            .convertToFormat(QImage::Format_BGR888);
        for (int32_t y = 0; y < height; ++y)
            combineBytes(result.scanLine(y), block.constScanLine(y), width * 3, rasterOperation);
        block = result;
    }
    QPainter painter(&destination);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(destinationLeft, destinationTop, block);
}

void cDIBSection::ClearUp()
{
    m_context.reset();
    m_surface = QImage();
    m_section.reset();
    m_bits = nullptr;
}

int32_t cDIBSection::BytesPerScanLine() const
{
    return int32_t((int64_t(m_header.biWidth) * 3 + 3) & ~int64_t(3));
}

QImage cDIBSection::ToImage() const
{
    return m_bits ? m_surface.mirrored(false, true) : QImage();
}

uint8_t *cDIBSection::pRow(int32_t y) const
{
    return m_bits + ptrdiff_t(Height() - 1 - y) * BytesPerScanLine();
}
