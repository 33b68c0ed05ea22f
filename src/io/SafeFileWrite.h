#pragma once

#include <QByteArray>
#include <QString>

// Saves data as TextFileWriter::SaveFileBytes does (a temporary file renamed over the
// target, so a failed write leaves an existing file as it was), and an existing file keeps
// its owner, permissions and access and modification times, as if it had been rewritten
// in place. Failures throw VeltraneError with the system's error number and text.
void WriteFileKeepingAttributes(const QString &fileName, const QByteArray &data, const QString &errorSource);
