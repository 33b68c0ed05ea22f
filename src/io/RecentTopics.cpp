#include "RecentTopics.h"

#include <QFileInfo>

namespace RecentTopics {

namespace {

QStringList list;

QString fullPath(const QString &fileName)
{
    return QFileInfo(fileName).absoluteFilePath();
}

} // namespace

const QStringList &Files()
{
    return list;
}

void SetFiles(const QStringList &files)
{
    list.clear();
    for (const QString &file : files) {
        if (list.size() == MaxFiles)
            break;
        if (!file.trimmed().isEmpty() && !list.contains(file))
            list << file;
    }
}

void Note(const QString &fileName)
{
    const QString path = fullPath(fileName);
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > MaxFiles)
        list.removeLast();
}

void Forget(const QString &fileName)
{
    list.removeAll(fileName);
}

} // namespace RecentTopics
