#include "modPath.h"

#include "libmodGenericTextFunctions.h"

namespace modPath {

namespace {
#ifdef Q_OS_WIN
constexpr QChar Separator = u'\\';
#else
constexpr QChar Separator = u'/';
#endif
} // namespace

QString MakeValidFileName(QString &text)
{
    for (const char *invalid : {"?", "*", "/", "\\", "|", ":", ">", "<", "\""})
        text = ReplaceText(text, QString::fromLatin1(invalid), QString());
    return text;
}

QString GetFolderOfPath(const QString &path)
{
    const QString trimmed = TrimBlanks(path);
    const qsizetype last = trimmed.lastIndexOf(Separator);
    return last < 0 ? QString() : trimmed.left(last + 1);
}

QString MakeFullPath(const QString &fileName, const QString &baseFolder)
{
    if (fileName.startsWith(Separator)) {
#ifdef Q_OS_WIN
        return baseFolder.left(2) + fileName;
#else
        return fileName;
#endif
    }
    if (fileName.size() >= 2 && fileName[1] == u':')
        return fileName;
    return baseFolder + Separator + fileName;
}

} // namespace modPath
