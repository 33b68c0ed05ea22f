#pragma once

#include <QString>

#include <cstdint>

class cDIBSection;

namespace mIntelJPEGLibrary {

// The error number of both encoder failures.
inline constexpr int32_t JpegErrorNumber = 26001;

// Writes the section's pixels to fileName as a JPEG file at the given quality (1 to 100).
// True on success. The encoder's failures throw JpegErrorNumber with the encoder's
// result code in the message; a file that cannot be written throws the system's error.
// An existing file is replaced only once the new one is complete, and keeps its
// permissions and its access and modification times.
bool WriteJpegFile(const cDIBSection &section, const QString &fileName, int32_t quality);

} // namespace mIntelJPEGLibrary
