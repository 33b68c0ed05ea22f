#include "gfx/mIntelJPEGLibrary.h"

#include "gfx/cDIBSection.h"
#include "io/SafeFileWrite.h"
#include "support/VeltraneError.h"

#include <QByteArray>

#include <turbojpeg.h>

namespace mIntelJPEGLibrary {

bool WriteJpegFile(const cDIBSection &section, const QString &fileName, int32_t quality)
{
    const QString source = ErrorSource("mIntelJPEGLibrary");
    tjhandle encoder = tjInitCompress();
    if (!encoder)
        throw VeltraneError(JpegErrorNumber, source, QStringLiteral("Failed to initialise the IJL library: %1").arg(-1));

    // Full-resolution colour keeps the text of a screenshot sharp.
    unsigned char *jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int result = tjCompress2(encoder, section.DIBSectionBitsPtr(), section.Width(), section.BytesPerScanLine(),
                                   section.Height(), TJPF_BGR, &jpeg, &jpegSize, TJSAMP_444, quality,
                                   TJFLAG_BOTTOMUP);
    QByteArray encoded;
    if (result == 0)
        encoded = QByteArray(reinterpret_cast<const char *>(jpeg), qsizetype(jpegSize));
    tjFree(jpeg);
    tjDestroy(encoder);
    if (result != 0)
        throw VeltraneError(JpegErrorNumber, source, QStringLiteral("Failed to save to JPG %1").arg(result));

    WriteFileKeepingAttributes(fileName, encoded, source);
    return true;
}

} // namespace mIntelJPEGLibrary
