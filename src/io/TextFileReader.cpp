#include "TextFileReader.h"

#include "support/LargeBuffer.h"
#include "support/VeltraneError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>

namespace TextFileReader {

namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned bytes keep their C1 code points.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(Windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};

} // namespace

QString DecodeText(QByteArrayView bytes)
{
    // One byte-order mark is skipped here; a second one is text (Qt's decoders would
    // drop it too unless told to keep it).
    constexpr auto KeepMarks = QStringConverter::Flag::ConvertInitialBom;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    else if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE, KeepMarks)(bytes.sliced(2));
    else if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE, KeepMarks)(bytes.sliced(2));

    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless | KeepMarks);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

QStringList SplitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start).toString());
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start).toString());
    return lines;
}

QByteArray ReadFileBytes(const QString &fileName, const QString &errorSource, qsizetype maxFileSize)
{
    // Plain C I/O, because the failure must carry the system's own error number.
    errno = 0;
#ifdef Q_OS_WIN
    std::unique_ptr<std::FILE, FileCloser> file(_wfopen(reinterpret_cast<const wchar_t *>(fileName.utf16()), L"rb"));
#else
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(QFile::encodeName(fileName).constData(), "rb"));
#endif
    if (!file)
        throw VeltraneError::fromErrno(errno != 0 ? errno : ENOENT, errorSource);

    // Read straight into room for the whole file (and one byte more, to meet its end);
    // the room grows only for a file that grew meanwhile or has no size (a pipe).
    QByteArray bytes;
    bytes.resize(qsizetype(std::min<qint64>(QFileInfo(fileName).size(), maxFileSize)) + 1);
    AdviseLargeBuffer(bytes.data(), std::size_t(bytes.size()));
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(std::min(2 * used + 65536, maxFileSize + 1));
        errno = 0;
        const std::size_t got = std::fread(bytes.data() + used, 1, std::size_t(bytes.size() - used), file.get());
        if (got == 0)
            break;
        used += qsizetype(got);
        if (used > maxFileSize)
            throw VeltraneError::FileTooLarge(errorSource);
    }
    bytes.resize(used);
    if (std::ferror(file.get()))
        throw VeltraneError::fromErrno(errno != 0 ? errno : EIO, errorSource);
    return bytes;
}

QString ReadTextFile(const QString &fileName, const QString &errorSource)
{
    return DecodeText(ReadFileBytes(fileName, errorSource));
}

QStringList ReadTextLines(const QString &fileName, const QString &errorSource)
{
    return SplitLines(ReadTextFile(fileName, errorSource));
}

} // namespace TextFileReader
