#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Raw bytes of a file, or the empty array when it cannot be read.
inline QByteArray FileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes bytes as they are, replacing the file; false when that failed.
inline bool WriteFileBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
