#include "gfx/modBitmapFile.h"

#include "gfx/cDIBSection.h"
#include "io/SafeFileWrite.h"
#include "support/VeltraneError.h"

#include <QtEndian>

namespace modBitmapFile {

namespace {

constexpr uint32_t FileHeaderSize = 14;

template<typename T>
void Append(QByteArray &out, T value)
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
    Append<uint32_t>(out, offBits + header.biSizeImage);
    Append<uint16_t>(out, 0);
    Append<uint16_t>(out, 0);
    Append<uint32_t>(out, offBits);
    Append(out, header.biSize);
    Append(out, header.biWidth);
    Append(out, header.biHeight);
    Append(out, header.biPlanes);
    Append(out, header.biBitCount);
    Append(out, header.biCompression);
    Append(out, header.biSizeImage);
    Append(out, header.biXPelsPerMeter);
    Append(out, header.biYPelsPerMeter);
    Append(out, header.biClrUsed);
    Append(out, header.biClrImportant);
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
