#pragma once

#include <QByteArray>
#include <QString>

class cDIBSection;

// Windows bitmap files (BMP) of a DIB section: a 14-byte file header, the section's 40-byte
// header, then its bottom-up rows as they are in memory.
namespace modBitmapFile {

// The whole file; empty when the section holds no picture.
QByteArray BitmapFileBytes(const cDIBSection &section);

// Writes the file as WriteFileKeepingAttributes does (an existing file is replaced only
// once the new one is complete). False, and nothing written, when the section holds no
// picture; a file that cannot be written throws the system's error.
bool WriteBitmapFile(const cDIBSection &section, const QString &fileName);

} // namespace modBitmapFile
