#include "TextFileWriter.h"

#include "support/VeltraneError.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace TextFileWriter {

namespace {

VeltraneError failure(int error, int fallback, const QString &errorSource)
{
    return VeltraneError::fromErrno(error != 0 ? error : fallback, errorSource);
}

// The refusals QSaveFile makes on its own, without a system call failing, set no errno.
int openFallback(const QString &fileName)
{
    return QFileInfo(fileName).isDir() ? EISDIR : EACCES;
}

} // namespace

void SaveFileBytes(const QString &fileName, const QByteArray &bytes, const QString &errorSource)
{
    QSaveFile file(fileName);
    errno = 0;
    // Unbuffered: a buffered QSaveFile commits a file truncated by a write that stopped
    // part-way (disk full, file size limit) and reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw failure(errno, openFallback(fileName), errorSource);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        throw failure(error, EIO, errorSource);
    }
    errno = 0;
    if (!file.commit())
        throw failure(errno, EIO, errorSource);
}

void SaveTextFile(const QString &fileName, const QString &text, const QString &errorSource)
{
    SaveFileBytes(fileName, text.toUtf8(), errorSource);
}

} // namespace TextFileWriter
