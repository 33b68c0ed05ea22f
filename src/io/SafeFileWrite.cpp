#include "io/SafeFileWrite.h"

#include "io/TextFileWriter.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void WriteFileKeepingAttributes(const QString &fileName, const QByteArray &data, const QString &errorSource)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat before {};
    const bool existed = !fileName.isEmpty() && ::stat(path.constData(), &before) == 0 && S_ISREG(before.st_mode);

    TextFileWriter::SaveFileBytes(fileName, data, errorSource);
    if (!existed)
        return;

    // Best effort, as a rewrite in place would keep them: the new contents are in place
    // whatever happens here.
    struct stat after {};
    if (::stat(path.constData(), &after) == 0 && (after.st_uid != before.st_uid || after.st_gid != before.st_gid))
        (void)!::chown(path.constData(), before.st_uid, before.st_gid);
    ::chmod(path.constData(), before.st_mode & 07777);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ::utimensat(AT_FDCWD, path.constData(), times, 0);
}
