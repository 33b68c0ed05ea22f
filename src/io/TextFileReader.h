#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Reading text files written by this program, by Windows programs or by Linux editors:
// a leading byte-order mark is skipped, text that is not valid UTF-8 is read as
// Windows-1252, and CR LF, a lone CR and a lone LF all end a line.
namespace TextFileReader {

// The text of a file's bytes. A UTF-8 byte-order mark is dropped; UTF-16 files with
// their byte-order mark are read as UTF-16; anything else is UTF-8 when the whole of
// it is valid UTF-8, otherwise Windows-1252.
QString DecodeText(QByteArrayView bytes);

// The lines of a text. A line end at the very end does not start another line, so
// "a\r\nb\r\n" and "a\r\nb" both give "a", "b"; the empty text gives no lines.
QStringList SplitLines(QStringView text);

// The largest file read unless told otherwise: nothing the program reads comes near
// it, and it keeps a stray device or huge file from exhausting memory.
inline constexpr qsizetype DefaultMaxFileSize = 64 * 1024 * 1024;

// The bytes of a whole file, for readers that decode large files their own way. Throws
// VeltraneError with the system's error number and text (errno) and the given source
// when the file cannot be read, and EFBIG when it is larger than maxFileSize.
QByteArray ReadFileBytes(const QString &fileName, const QString &errorSource,
                         qsizetype maxFileSize = DefaultMaxFileSize);

// The decoded contents of a whole file. Throws VeltraneError with the system's error
// number and text (errno) and the given source when the file cannot be read.
QString ReadTextFile(const QString &fileName, const QString &errorSource);

// ReadTextFile split into lines.
QStringList ReadTextLines(const QString &fileName, const QString &errorSource);

} // namespace TextFileReader
