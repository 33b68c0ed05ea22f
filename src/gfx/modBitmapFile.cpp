#include "gfx/modBitmapFile.h"

#include "gfx/cDIBSection.h"
#include "io/SafeFileWrite.h"
#include "support/VeltraneError.h"

#include <QtEndian>

namespace modBitmapFile {

namespace {

constexpr uint32_t FileHeaderSize = 14;

template<typename T>
void append(QByteArray &out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

} // namespace

QByteArray BitmapFileBytes(const cDIBSection &section)
{
    if (!section.DIBSectionBitsPtr())
        return {};
    const BitmapInfoHeader &header = section.Header();
    const uint32_t offBits = FileHeaderSize + header.biSize;
    QByteArray out;
    out.reserve(qsizetype(offBits) + header.biSizeImage);
    out.append("BM", 2);
    append<uint32_t>(out, offBits + header.biSizeImage);
    append<uint16_t>(out, 0);
    append<uint16_t>(out, 0);
    append<uint32_t>(out, offBits);
    append(out, header.biSize);
    append(out, header.biWidth);
    append(out, header.biHeight);
    append(out, header.biPlanes);
    append(out, header.biBitCount);
    append(out, header.biCompression);
    append(out, header.biSizeImage);
    append(out, header.biXPelsPerMeter);
    append(out, header.biYPelsPerMeter);
    append(out, header.biClrUsed);
    append(out, header.biClrImportant);
    out.append(reinterpret_cast<const char *>(section.DIBSectionBitsPtr()), qsizetype(header.biSizeImage));
    return out;
}

bool WriteBitmapFile(const cDIBSection &section, const QString &fileName)
{
    const QByteArray bytes = BitmapFileBytes(section);
    if (bytes.isEmpty())
        return false;
    WriteFileKeepingAttributes(fileName, bytes, ErrorSource("modBitmapFile"));
    return true;
}

} // namespace modBitmapFile
