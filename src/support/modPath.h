#pragma once

#include <QString>

// Path operations. On POSIX "/" separates folders and a name starting with "/" is
// absolute; on Windows the separator is "\" and such a name takes the base folder's drive.
namespace modPath {

// Removes ? * / \ | : > < and the double quote from text, which is changed in place and
// also returned. Nothing else changes: blanks, dots and an empty result are allowed.
QString MakeValidFileName(QString &text);

// The folder part of a path including its final separator, after trimming blanks; empty
// when the path holds no separator ("/data/a.vtp" gives "/data/").
QString GetFolderOfPath(const QString &path);

// A full path for fileName: an absolute name (or one with ":" as second character) is
// kept, any other is appended to baseFolder with a separator between.
QString MakeFullPath(const QString &fileName, const QString &baseFolder);

} // namespace modPath

using modPath::GetFolderOfPath;
using modPath::MakeFullPath;
using modPath::MakeValidFileName;
