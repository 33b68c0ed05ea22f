#pragma once

#include <QByteArray>
#include <QString>

// Saving files so that a failed save never destroys the previous file: the data goes to
// a temporary file beside the target, which is renamed over it only when everything was
// written. The old file's permissions are kept.
namespace TextFileWriter {

// Replaces the file's contents by bytes. Throws VeltraneError with the system's error
// number and text (errno) and the given source; the old file is then left as it was.
void SaveFileBytes(const QString &fileName, const QByteArray &bytes, const QString &errorSource);

// Saves text as UTF-8 without a byte-order mark. Line ends are the caller's: the
// program's text files use CR LF.
void SaveTextFile(const QString &fileName, const QString &text, const QString &errorSource);

} // namespace TextFileWriter
